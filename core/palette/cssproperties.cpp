#include "cssproperties.h"

#include "core/color/hex.h"

namespace tessuvo {

namespace {

// Letters, digits, "-", "_" and every character beyond ASCII stand in an identifier as they are.
bool IsIdentifierByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

std::string CustomPropertyName(std::string_view name)
{
    std::string out = "--";
    for (const char c : name) {
        if (!IsIdentifierByte(c))
            out += '\\';
        out += c;
    }
    return out;
}

std::string WriteCssProperties(const Palette& palette)
{
    std::string out = ":root {\n";
    for (const PaletteColor& entry : palette.colors)
        out += "  " + CustomPropertyName(entry.name) + ": " + CssColor(entry.color) + ";\n";
    out += "}\n";
    return out;
}

} // namespace tessuvo
