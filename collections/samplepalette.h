#pragma once

#include "core/color/color.h"

#include <array>
#include <cstddef>

namespace tessuvo {

inline constexpr std::size_t SampleCount = 18;

// The sample palette's colours in grid order, row by row from the top left.
inline constexpr std::array<Color, SampleCount> SamplePalette = {{
    {0, 0, 0},
    {0, 0, 128},
    {128, 0, 128},
    {165, 42, 42},
    {255, 165, 0},
    {0, 128, 0},
    {128, 128, 128},
    {0, 0, 255},
    {255, 0, 255},
    {255, 0, 0},
    {255, 255, 0},
    {0, 255, 0},
    {255, 255, 255},
    {135, 206, 235},
    {221, 160, 221},
    {255, 192, 203},
    {255, 228, 196},
    {127, 255, 212},
}};

} // namespace tessuvo
