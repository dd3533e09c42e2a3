#pragma once

#include "coords.h"

// The colour spaces a CSS colour can be given in besides sRGB and OKLab, on their way to sRGB.
namespace tessuvo {

// The spaces of color(): the RGB spaces take gamma-encoded channels, 0..1 inside their gamut;
// the XYZ spaces take tristimulus values, white Y = 1.
enum class PredefinedSpace
{
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65,
};

// CIE XYZ relative to the D65 white of a colour in a predefined space or in CIE Lab (D50 white,
// L 0..100). Channels outside 0..1 are carried on by the extended transfer functions, mirrored
// at 0.
ColorCoords XyzD65FromPredefined(PredefinedSpace space, const ColorCoords& coords);
ColorCoords XyzD65FromLab(const ColorCoords& lab);

// Extended linear-light sRGB of CIE XYZ relative to D65.
ColorCoords LinearSrgbFromXyzD65(const ColorCoords& xyz);

} // namespace tessuvo
