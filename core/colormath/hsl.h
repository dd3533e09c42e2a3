#pragma once

#include "coords.h"

// HSL as CSS Color 4 converts it to and from gamma-encoded sRGB channels.
namespace tessuvo {

// A hue in degrees, saturation and lightness 0..1 to sRGB channels 0..1; a saturation above 1 or
// a lightness outside 0..1 gives channels outside 0..1, a colour outside sRGB.
ColorCoords SrgbFromHsl(double hue, double saturation, double lightness);

// sRGB channels 0..1 to a hue in degrees 0..360 (0 for greys), saturation and lightness 0..1.
ColorCoords HslFromSrgb(const ColorCoords& rgb);

} // namespace tessuvo
