#include "gimppalette.h"

#include "core/text/ascii.h"
#include "textlines.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tessuvo {

namespace {

constexpr std::string_view Header = "GIMP Palette";
constexpr std::string_view NameKey = "Name:";
constexpr std::string_view ColumnsKey = "Columns:";
// GIMP's own bound on the columns of its palette view.
constexpr int MaxColumns = 256;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A whole number at the start of `text` after blanks, clamped to 0..`limit`; `text` then
// starts after it.
std::optional<int> TakeNumber(std::string_view& text, int limit)
{
    std::size_t pos = std::min(text.size(), text.find_first_not_of(" \t"));
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    const std::size_t digits = pos;
    long value = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos)
        value = std::min<long>(value * 10 + (text[pos] - '0'), limit);
    if (pos == digits || (pos < text.size() && !IsAsciiSpace(text[pos])))
        return std::nullopt;
    text.remove_prefix(pos);
    return negative ? 0 : static_cast<int>(value);
}

bool IsHeader(std::string_view line)
{
    return TrimAsciiSpace(line) == Header;
}

} // namespace

PaletteRead ReadGimpPalette(std::string_view text)
{
    PaletteBuilder palette;
    bool first = true, isPalette = false;
    ForEachLine(text, [&](std::string_view line) {
        if (std::exchange(first, false))
            return isPalette = IsHeader(line);
        if (line.starts_with(NameKey)) {
            palette.SetName(line.substr(NameKey.size()));
        } else if (line.starts_with(ColumnsKey)) {
            std::string_view rest = line.substr(ColumnsKey.size());
            palette.SetColumns(TakeNumber(rest, MaxColumns).value_or(0));
        } else if (!TrimAsciiSpace(line).starts_with('#')) {
            const auto red = TakeNumber(line, 255);
            const auto green = red ? TakeNumber(line, 255) : std::nullopt;
            const auto blue = green ? TakeNumber(line, 255) : std::nullopt;
            if (blue)
                return palette.Add({*red, *green, *blue}, line);
        }
        return true;
    });
    if (!isPalette)
        return {{}, PaletteProblem::Unreadable};
    return std::move(palette).Finish();
}

std::optional<std::string> GimpPaletteName(std::string_view head)
{
    bool first = true, isPalette = false;
    std::string name;
    ForEachLine(head, [&](std::string_view line) {
        if (std::exchange(first, false))
            return isPalette = IsHeader(line);
        if (line.starts_with(NameKey))
            name = TidyName(line.substr(NameKey.size()));
        const std::string_view trimmed = TrimAsciiSpace(line);
        return trimmed.empty() || trimmed.starts_with('#') || !IsDigit(trimmed.front());
    });
    if (!isPalette)
        return std::nullopt;
    return name;
}

std::string WriteGimpPalette(const Palette& palette)
{
    std::string out;
    out.reserve(64 + palette.colors.size() * 32);
    out += Header;
    out += "\nName: ";
    out += palette.name;
    out += "\nColumns: " + std::to_string(palette.columns) + "\n#\n";
    for (const PaletteColor& entry : palette.colors) {
        char numbers[16];
        std::snprintf(numbers, sizeof numbers, "%3d %3d %3d\t", entry.color.red & 0xFF,
                      entry.color.green & 0xFF, entry.color.blue & 0xFF);
        out += numbers;
        out += entry.name;
        out += '\n';
    }
    return out;
}

} // namespace tessuvo
