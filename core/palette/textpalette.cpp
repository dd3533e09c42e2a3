#include "textpalette.h"

#include "core/colortext/pastedtext.h"
#include "core/text/ascii.h"
#include "textlines.h"

#include <algorithm>

namespace tessuvo {

namespace {

// No colour text is longer: a longer start of a line is not handed to the colour readers.
constexpr std::size_t MaxValueLength = 256;
constexpr Color White{255, 255, 255};

// Where the colour text of a line ends: at its first blank outside parentheses, unless the
// blank follows a comma or a colon or comes before a comma ("255, 128, 0", "color: red").
std::size_t ValueEnd(std::string_view line)
{
    int depth = 0;
    for (std::size_t pos = 0; pos < line.size() && pos <= MaxValueLength; ++pos) {
        const char c = line[pos];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && IsAsciiSpace(c) && pos > 0) {
            const std::size_t next = line.find_first_not_of(" \t\f\v", pos);
            const char before = line[pos - 1];
            if (next == std::string_view::npos ||
                (before != ',' && before != ':' && line[next] != ','))
                return pos;
            pos = next - 1;
        }
    }
    return line.size();
}

} // namespace

PaletteRead ReadTextPalette(std::string_view text)
{
    PaletteBuilder palette;
    ForEachLine(text, [&](std::string_view line) {
        line = TrimAsciiSpace(line);
        const std::size_t end = ValueEnd(line);
        if (line.empty() || end > MaxValueLength)
            return true;
        const PastedColors found =
            ColorsFromPaste(line.substr(0, end), PasteInto::Background, White);
        const auto color = found.background ? found.background : found.text;
        return !color || palette.Add(*color, line.substr(end));
    });
    return std::move(palette).Finish();
}

} // namespace tessuvo
