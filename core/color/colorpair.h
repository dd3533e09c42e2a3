#pragma once

#include "color.h"
#include "hex.h"

#include <string>

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

// "#87CEEB / #000000　11.08:1": both colours and their contrast ratio.
std::string PairLabel(const ColorPair& pair);

} // namespace tessuvo
