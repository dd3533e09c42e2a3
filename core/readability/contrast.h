#pragma once

#include "core/color/color.h"

#include <optional>
#include <string>

// How readable the text colour is on the background colour: the WCAG 2 contrast ratio with its
// verdicts, and the APCA lightness contrast.
namespace tessuvo {

// Relative luminance of linearised sRGB, 0 (black) to 1 (white).
double RelativeLuminance(const Color& color);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter of the two: 1 to 21, the same either way round.
double ContrastRatio(const Color& a, const Color& b);

inline constexpr double RatioAA = 4.5;
inline constexpr double RatioAAA = 7.0;
inline constexpr double RatioLargeAA = 3.0;
inline constexpr double RatioLargeAAA = 4.5;

// APCA lightness contrast Lc of `text` on `background` (0.0.98G constants): positive for dark
// text on a light background, negative the other way round, 0 below the noise floor.
double ApcaContrast(const Color& text, const Color& background);

// The readout of the pair, decided on the unrounded ratio:
// "コントラスト比 4.54:1　AA ○　AAA ×（大きな文字 AA ○　AAA ○）　APCA Lc 72".
std::string ContrastSummary(const Color& background, const Color& text);

// The short form of the readout, verdicts for normal text only: "4.54:1　AA ○　AAA ×　Lc 72".
std::string ContrastLine(const Color& background, const Color& text);

// A ratio as the readouts print it: "4.54:1".
std::string FormatRatio(double ratio);

// `color` at OKLab lightness `lightness`, its hue and chroma kept as far as the sRGB gamut
// allows (chroma is reduced, hue never changed), rounded to 8-bit channels.
Color WithOkLabLightness(const Color& color, double lightness);

// Fits one colour of the pair to a contrast ratio (RatioAA, RatioAAA, RatioLargeAA), the other
// kept: the colour nearest `moving` in OKLab lightness that reaches `ratio` against `kept`, hue
// and chroma kept as above. `moving` itself when the pair passes already, nothing when no
// lightness reaches the ratio. Of a lighter and a darker answer, the smaller change wins. The
// ratio is the same either way round, so the text colour is fitted against the background and
// the background against the text colour alike.
std::optional<Color> NearestPassingColor(const Color& moving, const Color& kept, double ratio);

} // namespace tessuvo
