#pragma once

#include "core/color/color.h"

#include <optional>
#include <string_view>

// Reading the colour texts of CSS Color Level 4, as a web author has them on hand.
namespace tessuvo {

// The property a colour text was written for, when it began with one.
enum class CssColorProperty
{
    None,       // a bare value
    Color,      // "color:"
    Background, // "background-color:" or "background:"
};

// One colour text as read, before it meets what lies behind it.
struct CssColorValue
{
    // sRGB channels on the 0..255 scale, not yet rounded; colours from outside sRGB are already
    // brought inside it.
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1; // 0..1
    CssColorProperty property = CssColorProperty::None;
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
// out-of-range color()) are gamut-mapped as CSS Color 4 does it, not clipped channel by channel;
// out-of-range rgb(), hsl() and hwb() components are clamped as CSS clamps them.
std::optional<CssColorValue> ParseCssColor(std::string_view text);

// The 8-bit colour `value` shows over `backdrop`: its own colour when opaque, otherwise mixed
// with the backdrop by its alpha. Channels round half up.
Color CompositeOver(const CssColorValue& value, const Color& backdrop);

// ParseCssColor composited over `backdrop`.
std::optional<Color> ReadCssColor(std::string_view text, const Color& backdrop);

} // namespace tessuvo
