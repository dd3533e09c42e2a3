#pragma once

#include <array>

// The colour spaces a CSS colour can be given in, and the one way out of them this program
// needs: into 8-bit sRGB, mapping what lies outside sRGB the way browsers do.
namespace tessuvo {

// The three coordinates of a colour in one of the spaces below.
using ColorCoords = std::array<double, 3>;

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

// CIE XYZ relative to the D65 white of a colour in a predefined space, in CIE Lab (D50 white,
// L 0..100) or in OKLab (L 0..1). Channels outside 0..1 are carried on by the extended transfer
// functions, mirrored at 0.
ColorCoords XyzD65FromPredefined(PredefinedSpace space, const ColorCoords& coords);
ColorCoords XyzD65FromLab(const ColorCoords& lab);
ColorCoords XyzD65FromOkLab(const ColorCoords& oklab);

// Polar to rectangular: lightness, chroma and a hue in degrees to lightness, a and b.
ColorCoords RectangularFromPolar(const ColorCoords& lch);

// The colour as gamma-encoded sRGB channels 0..1: unchanged when it lies inside sRGB, otherwise
// brought inside as CSS Color 4 does it: lightness and hue kept in OKLCH and the chroma reduced
// until clipping the channels moves the colour by less than a just noticeable difference (0.02
// in OKLab); a lightness at or beyond either end gives white or black.
ColorCoords MapIntoSrgb(const ColorCoords& xyzD65);

} // namespace tessuvo
