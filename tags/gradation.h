#pragma once

#include "core/color/color.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessuvo {

// How a text's bytes group into characters.
enum class CodePage
{
    Cp932, // Shift-JIS: lead bytes 0x81..0x9F and 0xE0..0xFC take the byte after them
    Utf8,  // one character per code point; an invalid byte is a character of its own
};

// Byte lengths of the text's characters, in order.
std::vector<std::size_t> SplitCharacters(std::string_view text, CodePage codePage);

// One character of a gradation with the colour it receives.
struct GradationPiece
{
    std::string text;
    Color color;

    friend bool operator==(const GradationPiece&, const GradationPiece&) = default;
};

struct Gradation
{
    std::vector<GradationPiece> pieces;
    std::string tags; // every piece in its own <FONT COLOR="#rrggbb"> tag, joined
};

// The middle colour a gradation starts with: the average of `start` and `end`, each channel's
// remainder dropped.
Color MiddleColor(const Color& start, const Color& end);

// Colours run from `start` over the first half of the characters toward `middle`, and from
// `middle` over the second half toward `end`.
Gradation BuildGradationTags(std::string_view text, const Color& start, const Color& middle,
                             const Color& end, CodePage codePage = CodePage::Utf8);

} // namespace tessuvo
