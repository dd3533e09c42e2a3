#pragma once

#include "coords.h"
#include "core/color/color.h"

// OKLab, with the matrices of CSS Color 4.
namespace tessuvo {

// Lightness 0 (black) to 1 (white), and the two opponent axes.
struct OkLab
{
    double l = 0;
    double a = 0;
    double b = 0;
};

OkLab OkLabFromLinearSrgb(const ColorCoords& linearSrgb);
// Linear-light sRGB channels, 0..1 inside the gamut and beyond it outside.
ColorCoords LinearSrgbFromOkLab(const OkLab& lab);
// An 8-bit sRGB colour in OKLab.
OkLab OkLabFromColor(const Color& color);

} // namespace tessuvo
