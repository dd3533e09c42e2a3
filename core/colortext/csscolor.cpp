#include "csscolor.h"

#include "core/color/hex.h"
#include "core/colormath/colorspaces.h"
#include "core/colormath/gamut.h"
#include "core/colormath/hsl.h"
#include "core/colormath/srgb.h"
#include "core/text/ascii.h"
#include "csslexer.h"
#include "namedcolors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tessuvo {

namespace {

// Beyond this every component is saturated already; the conversions stay finite below it.
constexpr double kLargestMagnitude = 1e6;

bool IsKeyword(std::string_view text, std::string_view keyword)
{
    return EqualsIgnoringAsciiCase(text, keyword);
}

// A component of a colour function: a number, a percentage, an angle, or `none`. The value is
// as written, in the angle's own unit: a hue is taken round the circle before any bound.
struct Component
{
    enum class Kind
    {
        Number,
        Percentage,
        Angle,
        None,
    };
    Kind kind = Kind::None;
    double value = 0;
    double degreesPerUnit = 1;
};

std::optional<Component> ComponentValue(const CssToken& token)
{
    switch (token.kind) {
    case CssToken::Kind::Ident:
        if (!IsKeyword(token.text, "none"))
            return std::nullopt;
        return Component{Component::Kind::None, 0};
    case CssToken::Kind::Number:
        return Component{Component::Kind::Number, token.number};
    case CssToken::Kind::Percentage:
        return Component{Component::Kind::Percentage, token.number};
    case CssToken::Kind::Dimension:
        break;
    default:
        return std::nullopt;
    }
    constexpr std::pair<std::string_view, double> units[] = {
        {"deg", 1}, {"grad", 0.9}, {"rad", 180 / std::numbers::pi}, {"turn", 360}};
    for (const auto& [unit, degrees] : units)
        if (IsKeyword(token.text, unit))
            return Component{Component::Kind::Angle, token.number, degrees};
    return std::nullopt;
}

// The components of a colour function up to its ")": "a b c" or "a b c / alpha", or, where the
// function allows it, "a, b, c" or "a, b, c, alpha".
struct Arguments
{
    std::array<Component, 4> values;
    int count = 0;
    bool legacy = false; // the comma syntax
};

std::optional<Arguments> ParseArguments(CssLexer& in, bool commasAllowed)
{
    Arguments args;
    int commas = 0;
    bool slash = false;
    bool separatorPending = false;
    for (;;) {
        const CssToken token = in.NextNonSpace();
        if (token.kind == CssToken::Kind::End)
            return std::nullopt;
        if (token.IsDelim(')'))
            break;
        if (token.IsDelim(',')) {
            if (!commasAllowed || separatorPending || args.count == 0 ||
                (commas == 0 && args.count > 1))
                return std::nullopt;
            ++commas;
            separatorPending = true;
            continue;
        }
        if (token.IsDelim('/')) {
            if (commas > 0 || slash || args.count != 3)
                return std::nullopt;
            slash = separatorPending = true;
            continue;
        }
        if (args.count == 4 || (commas > 0 && !separatorPending))
            return std::nullopt;
        const auto value = ComponentValue(token);
        if (!value)
            return std::nullopt;
        args.values[args.count++] = *value;
        separatorPending = false;
    }
    if (separatorPending || args.count < 3)
        return std::nullopt;
    if (commas > 0 ? commas != args.count - 1 : (args.count == 4) != slash)
        return std::nullopt;
    args.legacy = commas > 0;
    if (args.legacy &&
        std::any_of(args.values.begin(), args.values.begin() + args.count,
                    [](const Component& c) { return c.kind == Component::Kind::None; }))
        return std::nullopt;
    return args;
}

double Bounded(double value)
{
    return std::clamp(value, -kLargestMagnitude, kLargestMagnitude);
}

// A number, or a percentage of `hundredPercent`; `none` is zero.
std::optional<double> Scalar(const Component& c, double hundredPercent)
{
    switch (c.kind) {
    case Component::Kind::Number:
        return Bounded(c.value);
    case Component::Kind::Percentage:
        return Bounded(c.value) * hundredPercent / 100;
    case Component::Kind::None:
        return 0.0;
    case Component::Kind::Angle:
        break;
    }
    return std::nullopt;
}

// A percentage, or a number standing for one as hsl() and hwb() take them; `none` is zero.
std::optional<double> Percent(const Component& c)
{
    if (c.kind == Component::Kind::Angle)
        return std::nullopt;
    return Bounded(c.value);
}

// A hue in degrees, 0..360, taken round the circle in its own unit, so that any number of turns
// gives the hue it ends at; `none` is zero.
std::optional<double> Hue(const Component& c)
{
    if (c.kind == Component::Kind::Percentage)
        return std::nullopt;
    return NormalizedHue(std::fmod(c.value, 360 / c.degreesPerUnit) * c.degreesPerUnit);
}

std::optional<double> Alpha(const Arguments& args)
{
    if (args.count < 4)
        return 1.0;
    const auto alpha = Scalar(args.values[3], 1);
    if (!alpha)
        return std::nullopt;
    return std::clamp(*alpha, 0.0, 1.0);
}

CssColorValue FromUnitRgb(const ColorCoords& rgb, double alpha = 1)
{
    return {rgb[0] * 255, rgb[1] * 255, rgb[2] * 255, alpha};
}

CssColorValue WithAlpha(CssColorValue value, double alpha)
{
    value.alpha = alpha;
    return value;
}

// OKLab's lightness ends at black and white.
CssColorValue OkLabColorValue(const ColorCoords& lab)
{
    return FromUnitRgb(MapOkLabIntoSrgb({std::clamp(lab[0], 0.0, 1.0), lab[1], lab[2]}));
}

std::optional<CssColorValue> Rgb(const Arguments& args)
{
    CssColorValue color;
    double* channels[] = {&color.red, &color.green, &color.blue};
    for (int i = 0; i < 3; ++i) {
        const Component& c = args.values[i];
        if (args.legacy && c.kind != args.values[0].kind)
            return std::nullopt;
        const auto value = Scalar(c, 255);
        if (!value)
            return std::nullopt;
        *channels[i] = std::clamp(*value, 0.0, 255.0);
    }
    const auto alpha = Alpha(args);
    if (!alpha)
        return std::nullopt;
    color.alpha = *alpha;
    return color;
}

std::optional<CssColorValue> Hsl(const Arguments& args)
{
    const auto hue = Hue(args.values[0]);
    const auto saturation = Percent(args.values[1]);
    const auto lightness = Percent(args.values[2]);
    const auto alpha = Alpha(args);
    // The comma syntax takes percentages only.
    const bool percentages = args.values[1].kind == Component::Kind::Percentage &&
                             args.values[2].kind == Component::Kind::Percentage;
    if (!hue || !saturation || !lightness || !alpha || (args.legacy && !percentages))
        return std::nullopt;
    return WithAlpha(HslColorValue(*hue, *saturation, *lightness), *alpha);
}

std::optional<CssColorValue> Hwb(const Arguments& args)
{
    const auto hue = Hue(args.values[0]);
    const auto whiteness = Percent(args.values[1]);
    const auto blackness = Percent(args.values[2]);
    const auto alpha = Alpha(args);
    if (!hue || !whiteness || !blackness || !alpha)
        return std::nullopt;
    const double white = std::clamp(*whiteness / 100, 0.0, 1.0);
    const double black = std::clamp(*blackness / 100, 0.0, 1.0);
    if (white + black >= 1) {
        const double gray = white / (white + black);
        return FromUnitRgb({gray, gray, gray}, *alpha);
    }
    ColorCoords rgb = SrgbFromHsl(*hue, 1, 0.5);
    for (double& c : rgb)
        c = c * (1 - white - black) + white;
    return FromUnitRgb(rgb, *alpha);
}

// lab(), lch(), oklab() and oklch(): lightness up to `lightnessMax` (100% is that), then a and b
// or chroma and hue, 100% of either axis or of the chroma being `axis100`.
std::optional<CssColorValue> LabFamily(const Arguments& args, bool polar, bool ok)
{
    const double lightnessMax = ok ? 1 : 100;
    const double axis100 = ok ? 0.4 : (polar ? 150 : 125);
    const auto lightness = Scalar(args.values[0], lightnessMax);
    const auto second = Scalar(args.values[1], axis100);
    const auto third = polar ? Hue(args.values[2]) : Scalar(args.values[2], axis100);
    const auto alpha = Alpha(args);
    if (!lightness || !second || !third || !alpha)
        return std::nullopt;
    if (ok)
        return WithAlpha(polar ? OkLchColorValue(*lightness, *second, *third)
                               : OkLabColorValue({*lightness, *second, *third}),
                         *alpha);
    ColorCoords lab{std::clamp(*lightness, 0.0, lightnessMax), *second, *third};
    if (polar) {
        lab[1] = std::max(lab[1], 0.0);
        lab = RectangularFromPolar(lab);
    }
    return FromUnitRgb(MapIntoSrgb(LinearSrgbFromXyzD65(XyzD65FromLab(lab))), *alpha);
}

std::optional<PredefinedSpace> SpaceNamed(std::string_view name)
{
    constexpr std::pair<std::string_view, PredefinedSpace> spaces[] = {
        {"srgb", PredefinedSpace::Srgb},
        {"srgb-linear", PredefinedSpace::SrgbLinear},
        {"display-p3", PredefinedSpace::DisplayP3},
        {"a98-rgb", PredefinedSpace::A98Rgb},
        {"prophoto-rgb", PredefinedSpace::ProphotoRgb},
        {"rec2020", PredefinedSpace::Rec2020},
        {"xyz", PredefinedSpace::XyzD65},
        {"xyz-d50", PredefinedSpace::XyzD50},
        {"xyz-d65", PredefinedSpace::XyzD65},
    };
    for (const auto& [spaceName, space] : spaces)
        if (IsKeyword(name, spaceName))
            return space;
    return std::nullopt;
}

std::optional<CssColorValue> ColorFunction(CssLexer& in)
{
    const CssToken name = in.NextNonSpace();
    const auto space = name.kind == CssToken::Kind::Ident ? SpaceNamed(name.text) : std::nullopt;
    const auto args = space ? ParseArguments(in, false) : std::nullopt;
    if (!args)
        return std::nullopt;
    ColorCoords coords;
    for (int i = 0; i < 3; ++i) {
        const auto value = Scalar(args->values[i], 1);
        if (!value)
            return std::nullopt;
        coords[i] = *value;
    }
    const auto alpha = Alpha(*args);
    if (!alpha)
        return std::nullopt;
    // sRGB inside its range goes straight through, so that it keeps its exact values.
    if (*space == PredefinedSpace::Srgb &&
        std::all_of(coords.begin(), coords.end(), [](double c) { return c >= 0 && c <= 1; }))
        return FromUnitRgb(coords, *alpha);
    return FromUnitRgb(MapIntoSrgb(LinearSrgbFromXyzD65(XyzD65FromPredefined(*space, coords))),
                       *alpha);
}

std::optional<CssColorValue> Function(std::string_view name, CssLexer& in)
{
    if (IsKeyword(name, "color"))
        return ColorFunction(in);
    const bool rgb = IsKeyword(name, "rgb") || IsKeyword(name, "rgba");
    const bool hsl = IsKeyword(name, "hsl") || IsKeyword(name, "hsla");
    const auto args = ParseArguments(in, rgb || hsl);
    if (!args)
        return std::nullopt;
    if (rgb)
        return Rgb(*args);
    if (hsl)
        return Hsl(*args);
    if (IsKeyword(name, "hwb"))
        return Hwb(*args);
    if (IsKeyword(name, "lab"))
        return LabFamily(*args, false, false);
    if (IsKeyword(name, "lch"))
        return LabFamily(*args, true, false);
    if (IsKeyword(name, "oklab"))
        return LabFamily(*args, false, true);
    if (IsKeyword(name, "oklch"))
        return LabFamily(*args, true, true);
    return std::nullopt;
}

std::optional<CssColorValue> Hex(std::string_view digits)
{
    const auto read = ReadHexDigits(digits);
    if (!read)
        return std::nullopt;
    return CssColorValue{static_cast<double>(read->color.red),
                         static_cast<double>(read->color.green),
                         static_cast<double>(read->color.blue), read->alpha / 255.0};
}

std::optional<CssColorValue> Value(const CssToken& token, CssLexer& in)
{
    switch (token.kind) {
    case CssToken::Kind::Hash:
        return Hex(token.text);
    case CssToken::Kind::Function:
        return Function(token.text, in);
    case CssToken::Kind::Ident:
        break;
    default:
        return std::nullopt;
    }
    const auto named = CssNamedColor(token.text);
    if (!named)
        return std::nullopt;
    return CssColorValue{static_cast<double>(named->red), static_cast<double>(named->green),
                         static_cast<double>(named->blue)};
}

std::optional<ColorTarget> PropertyNamed(std::string_view name)
{
    if (IsKeyword(name, "color"))
        return ColorTarget::Text;
    if (IsKeyword(name, "background-color") || IsKeyword(name, "background"))
        return ColorTarget::Background;
    return std::nullopt;
}

// Half up, forgiving the last bits of floating-point error on an exact half.
int RoundChannel(double value)
{
    return ClampChannel(static_cast<int>(std::floor(value + 0.5 + 1e-7)));
}

} // namespace

// Only a negative saturation is clamped, as CSS clamps it when it reads it; a saturation above
// 100% or a lightness outside 0..100% names a colour outside sRGB, mapped as any other.
CssColorValue HslColorValue(double hue, double saturation, double lightness)
{
    const ColorCoords rgb = SrgbFromHsl(hue, std::max(saturation, 0.0) / 100, lightness / 100);
    // InGamut's bounds 0 and 1 are those of encoded channels too.
    return FromUnitRgb(InGamut(rgb) ? rgb : MapIntoSrgb(LinearFromEncoded(rgb)));
}

CssColorValue OkLchColorValue(double lightness, double chroma, double hue)
{
    return OkLabColorValue(
        RectangularFromPolar({lightness, std::max(chroma, 0.0), NormalizedHue(hue)}));
}

std::optional<CssColorValue> ParseCssColor(std::string_view text)
{
    CssLexer in(text);
    CssToken token = in.NextNonSpace();
    std::optional<ColorTarget> property;
    if (token.kind == CssToken::Kind::Ident) {
        const std::size_t afterName = in.Position();
        if (in.NextNonSpace().IsDelim(':')) {
            const auto named = PropertyNamed(token.text);
            if (!named)
                return std::nullopt;
            property = named;
            token = in.NextNonSpace();
        } else {
            in.Rewind(afterName);
        }
    }
    auto value = Value(token, in);
    if (!value)
        return std::nullopt;
    CssToken rest = in.NextNonSpace();
    if (rest.IsDelim(';'))
        rest = in.NextNonSpace();
    if (rest.kind != CssToken::Kind::End)
        return std::nullopt;
    value->property = property;
    return value;
}

Color CompositeOver(const CssColorValue& value, const Color& backdrop)
{
    const auto over = [&](double channel, int behind) {
        return RoundChannel(value.alpha * channel + (1 - value.alpha) * behind);
    };
    return {over(value.red, backdrop.red), over(value.green, backdrop.green),
            over(value.blue, backdrop.blue)};
}

std::optional<Color> ReadCssColor(std::string_view text, const Color& backdrop)
{
    const auto value = ParseCssColor(text);
    if (!value)
        return std::nullopt;
    return CompositeOver(*value, backdrop);
}

} // namespace tessuvo
