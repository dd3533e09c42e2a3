#include "colorpair.h"

#include "core/readability/contrast.h"

#include <cstdio>

namespace tessuvo {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string HexCode(const Color& color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color.red & 0xFF, color.green & 0xFF,
                  color.blue & 0xFF);
    return text;
}

std::optional<Color> ParseHexCode(std::string_view text)
{
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigit(text[1 + 2 * i]), low = HexDigit(text[2 + 2 * i]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels[i] = high * 16 + low;
    }
    return Color{channels[0], channels[1], channels[2]};
}

std::string PairLabel(const ColorPair& pair)
{
    return HexCode(pair.background) + " / " + HexCode(pair.text) + "　" +
           FormatRatio(ContrastRatio(pair.background, pair.text));
}

} // namespace tessuvo
