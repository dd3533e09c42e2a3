#pragma once

#include "core/color/color.h"

#include <optional>
#include <string_view>

// Reading the colour texts of CSS Color Level 4, as a web author has them on hand.
namespace tessuvo {

// One colour text as read, before it meets what lies behind it.
struct CssColorValue
{
    // sRGB channels on the 0..255 scale, not yet rounded; colours from outside sRGB are already
    // brought inside it.
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1; // 0..1
    // The colour of the pair that the text's property names: the text colour for "color:", the
    // background for "background-color:" or "background:"; nothing for a bare value.
    std::optional<ColorTarget> property = std::nullopt;
};

// Reads one CSS colour value:
// - hex "#rgb", "#rgba", "#rrggbb", "#rrggbbaa";
// - rgb()/rgba() and hsl()/hsla() in the comma and the space syntax (numbers or percentages,
//   an alpha after "/" or a fourth comma), hues as a bare number or in deg, grad, rad or turn;
// - hwb(), lab(), lch(), oklab(), oklch(), and color() in srgb, srgb-linear, display-p3, a98-rgb,
//   prophoto-rgb, rec2020, xyz, xyz-d50 or xyz-d65, each component also as `none` (zero);
// - the 148 named colours in any letter case;
// with white space and comments around it, one trailing ";", and a leading "color:",
// "background-color:" or "background:" that it reports. "transparent", "currentcolor" and
// everything else give nothing. Colours outside sRGB (lab, lch, oklab, oklch, wide-gamut or
// out-of-range color(), hsl() with a saturation above 100% or a lightness outside 0..100%) are
// gamut-mapped as CSS Color 4 does it, not clipped channel by channel; out-of-range rgb() and
// hwb() components and a negative saturation are clamped as CSS clamps them. A hue of any size is
// taken round the circle.
std::optional<CssColorValue> ParseCssColor(std::string_view text);

// hsl() and oklch() for the numbers written in them, computed exactly as ParseCssColor computes
// them: a hue in degrees, the saturation and lightness of hsl() in percent. The copy formats
// check with them that the numbers they write read back as the colour they were written for.
CssColorValue HslColorValue(double hue, double saturation, double lightness);
CssColorValue OkLchColorValue(double lightness, double chroma, double hue);

// The 8-bit colour `value` shows over `backdrop`: its own colour when opaque, otherwise mixed
// with the backdrop by its alpha. Channels round half up.
Color CompositeOver(const CssColorValue& value, const Color& backdrop);

// ParseCssColor composited over `backdrop`.
std::optional<Color> ReadCssColor(std::string_view text, const Color& backdrop);

} // namespace tessuvo
