#pragma once

#include "core/color/color.h"
#include "pixelsquare.h"

#include <string>

namespace tessuvo {

// The magnifier shows the device pixels this far from the one under the pointer: 15 × 15.
inline constexpr int MagnifierRadius = 7;

// What the magnifier shows for one place of the pointer.
struct MagnifierView
{
    PixelSquare square; // the pixels around the pointer, enlarged
    int outlined = 1;   // the side of the square outlined at the centre: what a press takes
    Color picked;       // the colour a press there takes
    Color outline;      // black or white, whichever stands out more against `picked`
    std::string value;  // `picked` as the colour boxes show it
    std::string contrast; // "コントラスト比 4.54:1" of `picked` against the pair's other colour
};

// The view of `square` for a pick of `area`, its value in `notation` (or in the HTML form
// where that notation shows no text), its contrast against `other`.
MagnifierView DescribeMagnifier(PixelSquare square, int area, int notation, const Color& other);

} // namespace tessuvo
