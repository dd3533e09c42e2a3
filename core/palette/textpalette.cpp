#include "textpalette.h"

#include "core/colortext/pastedtext.h"
#include "core/text/ascii.h"
#include "textlines.h"

#include <algorithm>

namespace tessuvo {

namespace {

// No colour text is longer: a longer start of a line is not handed to the colour readers.
constexpr std::size_t MaxValueLength = 256;
// "r g b" is the colour text of most words.
constexpr int MaxValueWords = 3;
constexpr Color White{255, 255, 255};

// Where the words of a line end, as far as a colour text may reach: at each blank outside
// parentheses, unless it follows a comma or a colon or comes before a comma ("255, 128, 0",
// "color: red"), and at the end of the line.
std::vector<std::size_t> WordEnds(std::string_view line)
{
    std::vector<std::size_t> ends;
    int depth = 0;
    for (std::size_t pos = 1; pos < line.size() && pos <= MaxValueLength; ++pos) {
        const char c = line[pos];
        depth = std::max(0, depth + (c == '(') - (c == ')'));
        if (depth > 0 || !IsAsciiSpace(c))
            continue;
        const std::size_t next = line.find_first_not_of(" \t\f", pos);
        const char before = line[pos - 1];
        if (before != ',' && before != ':' && line[next] != ',') {
            ends.push_back(pos);
            if (ends.size() == MaxValueWords)
                return ends;
        }
        pos = next - 1;
    }
    if (line.size() <= MaxValueLength)
        ends.push_back(line.size());
    return ends;
}

} // namespace

PaletteRead ReadTextPalette(std::string_view text)
{
    PaletteBuilder palette;
    ForEachLine(text, [&](std::string_view line) {
        line = TrimAsciiSpace(line);
        // The most words that make one colour, the rest its name.
        const std::vector<std::size_t> ends = WordEnds(line);
        for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
            const PastedColors found =
                ColorsFromPaste(line.substr(0, *end), ColorTarget::Background, White);
            if (const auto color = found.background ? found.background : found.text)
                return palette.Add(*color, line.substr(*end));
        }
        return true;
    });
    return std::move(palette).Finish();
}

} // namespace tessuvo
