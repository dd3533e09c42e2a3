#pragma once

#include "color.h"

#include <optional>
#include <string>
#include <string_view>

// The two colours of the window taken together, as they are remembered and offered again.
namespace tessuvo {

struct ColorPair
{
    Color background;
    Color text;

    friend bool operator==(const ColorPair&, const ColorPair&) = default;
};

// The pair every start shows unless another is remembered: black text on white.
inline constexpr ColorPair DefaultPair{{255, 255, 255}, {0, 0, 0}};

// "#87CEEB": the colour as the HTML notation shows it.
std::string HexCode(const Color& color);

// A colour written as HexCode writes it, in either case; nothing for any other text, so that a
// hand-edited value is either read exactly or not at all.
std::optional<Color> ParseHexCode(std::string_view text);

// "#87CEEB / #000000　11.08:1": both colours and their contrast ratio.
std::string PairLabel(const ColorPair& pair);

} // namespace tessuvo
