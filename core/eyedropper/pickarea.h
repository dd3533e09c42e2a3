#pragma once

#include "pixelsquare.h"

#include <cstdint>

namespace tessuvo {

// How many device pixels the eyedropper takes: the one under the pointer, or the average of
// the square of 3 × 3 or 5 × 5 around it.
enum PickArea : int
{
    PickOnePixel = 1,
    PickAverage3 = 3,
    PickAverage5 = 5,
};
inline constexpr int DefaultPickArea = PickOnePixel;

// The area a settings value names; any other value means one pixel.
int PickAreaFromValue(int value);

// What a pick of `area` takes from `square`: its centre pixel for one pixel; otherwise the
// average, per channel in linear light, of the pixels of the central area × area square that
// lie on a screen, rounded back to 8-bit sRGB. NoPixel when none of them does.
std::uint32_t AveragePick(const PixelSquare& square, int area);

} // namespace tessuvo
