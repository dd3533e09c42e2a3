#include "gradation.h"

#include "core/color/hex.h"
#include "core/textbox/codepage.h"

#include <cstdlib>

namespace tessuvo {

namespace {

bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Component `k` steps of `step` from `from` toward `to`. The step is taken from the size of
// the difference, so the truncation is the same whichever way the colour runs.
int Step(int from, int to, int k, int step)
{
    if (to > from)
        return from + k * step;
    if (to < from)
        return from - k * step;
    return from;
}

Color StepColor(const Color& from, const Color& to, int k, int divisor)
{
    return {Step(from.red, to.red, k, std::abs(to.red - from.red) / divisor),
            Step(from.green, to.green, k, std::abs(to.green - from.green) / divisor),
            Step(from.blue, to.blue, k, std::abs(to.blue - from.blue) / divisor)};
}

std::string FontPiece(const GradationPiece& piece)
{
    return "<FONT COLOR=\"" + CssColor(piece.color) + "\">" + piece.text + "</FONT>";
}

} // namespace

std::vector<std::size_t> SplitCharacters(std::string_view text, CodePage codePage)
{
    std::vector<std::size_t> lengths;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t length = 1;
        if (codePage == CodePage::Utf8)
            length = Utf8SequenceLength(text, pos);
        else if (IsCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size())
            length = 2;
        lengths.push_back(length);
        pos += length;
    }
    return lengths;
}

Color MiddleColor(const Color& start, const Color& end)
{
    return {(start.red + end.red) / 2, (start.green + end.green) / 2, (start.blue + end.blue) / 2};
}

Gradation BuildGradationTags(std::string_view text, const Color& start, const Color& middle,
                             const Color& end, CodePage codePage)
{
    const std::vector<std::size_t> lengths = SplitCharacters(text, codePage);
    const int n = static_cast<int>(lengths.size());
    Gradation result;

    if (n <= 1) {
        result.pieces.push_back({std::string(text), start});
    } else if (n == 2) {
        result.pieces.push_back({std::string(text.substr(0, lengths[0])), start});
        result.pieces.push_back({std::string(text.substr(lengths[0])), end});
    } else {
        const int firstHalf = n / 2;
        const int secondHalf = n - firstHalf;
        std::size_t pos = 0;
        for (int i = 0; i < n; ++i) {
            const Color color = i < firstHalf
                                    ? StepColor(start, middle, i, firstHalf)
                                    : StepColor(middle, end, i - firstHalf, secondHalf - 1);
            const auto length = lengths[static_cast<std::size_t>(i)];
            result.pieces.push_back({std::string(text.substr(pos, length)), color});
            pos += length;
        }
    }
    for (const GradationPiece& piece : result.pieces)
        result.tags += FontPiece(piece);
    return result;
}

} // namespace tessuvo
