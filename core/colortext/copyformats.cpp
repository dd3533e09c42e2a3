#include "copyformats.h"

#include "core/color/hex.h"
#include "core/colormath/hsl.h"
#include "core/colormath/oklab.h"
#include "core/colormath/srgb.h"
#include "core/text/decimal.h"
#include "csscolor.h"
#include "notation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace tessuvo {

namespace {

using Triple = std::array<double, 3>;

constexpr int MaxDecimals = 6;
constexpr double Pow10[MaxDecimals + 1] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
// How far inside its rounding interval each channel must land, in steps of the 8-bit channel: on
// a half step other readers round either way.
constexpr double TieMargin = 1e-3;

double RoundTo(double value, int decimals)
{
    return std::round(value * Pow10[decimals]) / Pow10[decimals];
}

// The fewest decimals for each of three numbers with which `roundTrips` still holds: each
// number on its own first, the others exact, then one more digit where they fail together.
template <class RoundTrips>
std::array<int, 3> FewestDecimals(const Triple& exact, RoundTrips&& roundTrips)
{
    const auto rounded = [&](const std::array<int, 3>& decimals) {
        return Triple{RoundTo(exact[0], decimals[0]), RoundTo(exact[1], decimals[1]),
                      RoundTo(exact[2], decimals[2])};
    };
    std::array<int, 3> decimals{};
    for (std::size_t i = 0; i < 3; ++i) {
        Triple values = exact;
        for (; decimals[i] < MaxDecimals; ++decimals[i]) {
            values[i] = RoundTo(exact[i], decimals[i]);
            if (roundTrips(values))
                break;
        }
    }
    while (!roundTrips(rounded(decimals)) &&
           *std::min_element(decimals.begin(), decimals.end()) < MaxDecimals) {
        bool fixed = false;
        for (std::size_t i = 0; i < 3 && !fixed; ++i) {
            std::array<int, 3> more = decimals;
            more[i] = std::min(more[i] + 1, MaxDecimals);
            if ((fixed = roundTrips(rounded(more))))
                decimals = more;
        }
        if (!fixed)
            for (int& d : decimals)
                d = std::min(d + 1, MaxDecimals);
    }
    return decimals;
}

// The shortest text of `value` rounded to `decimals`: no trailing zeros, no "-0".
void AppendNumber(std::string& out, double value, int decimals)
{
    AppendDecimal(out, RoundTo(value, decimals), decimals, TrailingZeros::Drop);
}

// A hue as written: in 0..360, where 360 is written as 0.
double WrittenHue(double hue, int decimals)
{
    const double rounded = RoundTo(hue, decimals);
    return rounded >= 360 ? 0 : rounded;
}

// Whether the numbers of a colour function name `color`: the sRGB channels 0..1 they stand for
// lie well inside the channels' rounding intervals (so that a reader of wider gamuts shows no
// more saturated colour, and no reader rounds a half step the other way), and the CSS reader
// reads the value back as `color`.
bool Names(const ColorCoords& srgb, const CssColorValue& value, const Color& color)
{
    const int channels[] = {color.red, color.green, color.blue};
    for (int i = 0; i < 3; ++i)
        if (std::abs(srgb[i] * 255 - channels[i]) >= 0.5 - TieMargin)
            return false;
    return CompositeOver(value, color) == color;
}

std::string FormatHsl(const Color& color)
{
    const ColorCoords unit =
        HslFromSrgb({color.red / 255.0, color.green / 255.0, color.blue / 255.0});
    const Triple hsl{unit[0], unit[1] * 100, unit[2] * 100};
    const auto decimals = FewestDecimals(hsl, [&](const Triple& values) {
        return Names(SrgbFromHsl(values[0], values[1] / 100, values[2] / 100),
                     HslColorValue(values[0], values[1], values[2]), color);
    });
    std::string out = "hsl(";
    AppendNumber(out, WrittenHue(hsl[0], decimals[0]), decimals[0]);
    out += ' ';
    AppendNumber(out, hsl[1], decimals[1]);
    out += "% ";
    AppendNumber(out, hsl[2], decimals[2]);
    out += "%)";
    return out;
}

std::string FormatOklch(const Color& color)
{
    const OkLab lab = OkLabFromColor(color);
    const Triple lch = PolarFromRectangular({lab.l, lab.a, lab.b});
    const auto decimals = FewestDecimals(lch, [&](const Triple& values) {
        const ColorCoords lab = RectangularFromPolar(values);
        const ColorCoords linear = LinearSrgbFromOkLab({lab[0], lab[1], lab[2]});
        return Names({EncodedFromLinear(linear[0]), EncodedFromLinear(linear[1]),
                      EncodedFromLinear(linear[2])},
                     OkLchColorValue(values[0], values[1], values[2]), color);
    });
    std::string out = "oklch(";
    AppendNumber(out, lch[0], decimals[0]);
    out += ' ';
    AppendNumber(out, lch[1], decimals[1]);
    out += ' ';
    // Without chroma the hue means nothing: a grey is written with hue 0.
    AppendNumber(out, RoundTo(lch[1], decimals[1]) == 0 ? 0 : WrittenHue(lch[2], decimals[2]),
                 decimals[2]);
    out += ')';
    return out;
}

std::string FormatRgb(const Color& c)
{
    return "rgb(" + std::to_string(c.red) + ' ' + std::to_string(c.green) + ' ' +
           std::to_string(c.blue) + ')';
}

} // namespace

std::string FormatColorAs(CopyFormat format, const Color& color)
{
    switch (format) {
    case CopyFormat::HexLower:
        return CssColor(color);
    case CopyFormat::HexUpper:
        return *FormatColor(NotationHtml, color);
    case CopyFormat::Rgb:
        return FormatRgb(color);
    case CopyFormat::Hsl:
        return FormatHsl(color);
    case CopyFormat::Oklch:
        return FormatOklch(color);
    case CopyFormat::Decimal:
        return *FormatColor(NotationDecimal, color);
    }
    return {};
}

std::optional<CopyFormat> CopyFormatNamed(std::string_view name)
{
    constexpr std::pair<std::string_view, CopyFormat> names[] = {
        {"hex", CopyFormat::HexLower}, {"HEX", CopyFormat::HexUpper},
        {"rgb", CopyFormat::Rgb},      {"hsl", CopyFormat::Hsl},
        {"oklch", CopyFormat::Oklch},  {"decimal", CopyFormat::Decimal}};
    for (const auto& [known, format] : names) {
        if (name == known)
            return format;
    }
    return std::nullopt;
}

} // namespace tessuvo
