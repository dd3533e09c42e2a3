#include "contrast.h"

#include "core/colormath/srgb.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tessuvo {

namespace {

// The reference's own screen luminance: a plain 2.4 power, not the sRGB curve.
double ApcaLuminance(const Color& c)
{
    const auto y = [](int channel) { return std::pow(channel / 255.0, 2.4); };
    return 0.2126729 * y(c.red) + 0.7151522 * y(c.green) + 0.0721750 * y(c.blue);
}

using LinearRgb = std::array<double, 3>;

LinearRgb FromOkLab(const OkLab& lab)
{
    const auto cube = [](double x) { return x * x * x; };
    const double l = cube(lab.l + 0.3963377774 * lab.a + 0.2158037573 * lab.b);
    const double m = cube(lab.l - 0.1055613458 * lab.a - 0.0638541728 * lab.b);
    const double s = cube(lab.l - 0.0894841775 * lab.a - 1.2914855480 * lab.b);
    return {4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

bool InGamut(const LinearRgb& rgb)
{
    constexpr double slack = 1e-7;
    return std::all_of(rgb.begin(), rgb.end(),
                       [](double c) { return c >= -slack && c <= 1 + slack; });
}

Color Rounded(const LinearRgb& rgb)
{
    return {ChannelFromLinear(rgb[0]), ChannelFromLinear(rgb[1]), ChannelFromLinear(rgb[2])};
}

void Append(std::string& out, double value, int precision)
{
    char buffer[32];
    // to_chars rather than printf: the locale Qt sets may write a decimal comma.
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision)
            .ptr;
    out.append(buffer, end);
}

const char* Verdict(bool pass)
{
    return pass ? "○" : "×";
}

void AppendRatio(std::string& out, double ratio)
{
    Append(out, ratio, 2);
    out += ":1";
}

void AppendLc(std::string& out, const Color& text, const Color& background)
{
    out += "Lc ";
    const double lc = std::round(ApcaContrast(text, background));
    Append(out, lc == 0 ? 0.0 : lc, 0); // no "-0"
}

} // namespace

double RelativeLuminance(const Color& c)
{
    return 0.2126 * LinearFromChannel(c.red) + 0.7152 * LinearFromChannel(c.green) +
           0.0722 * LinearFromChannel(c.blue);
}

double ContrastRatio(const Color& a, const Color& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double ApcaContrast(const Color& text, const Color& background)
{
    constexpr double blackThreshold = 0.022, blackClamp = 1.414;
    constexpr double scale = 1.14, offset = 0.027, lowClip = 0.1, deltaYMin = 0.0005;
    const auto clamped = [&](double y) {
        return y > blackThreshold ? y : y + std::pow(blackThreshold - y, blackClamp);
    };
    const double yText = clamped(ApcaLuminance(text));
    const double yBackground = clamped(ApcaLuminance(background));
    if (std::abs(yBackground - yText) < deltaYMin)
        return 0;
    if (yBackground > yText) {
        const double sapc = (std::pow(yBackground, 0.56) - std::pow(yText, 0.57)) * scale;
        return sapc < lowClip ? 0 : (sapc - offset) * 100;
    }
    const double sapc = (std::pow(yBackground, 0.65) - std::pow(yText, 0.62)) * scale;
    return sapc > -lowClip ? 0 : (sapc + offset) * 100;
}

std::string ContrastSummary(const Color& background, const Color& text)
{
    const double ratio = ContrastRatio(background, text);
    std::string out = "コントラスト比 ";
    AppendRatio(out, ratio);
    out += "　AA ";
    out += Verdict(ratio >= RatioAA);
    out += "　AAA ";
    out += Verdict(ratio >= RatioAAA);
    out += "（大きな文字 AA ";
    out += Verdict(ratio >= RatioLargeAA);
    out += "　AAA ";
    out += Verdict(ratio >= RatioLargeAAA);
    out += "）　APCA ";
    AppendLc(out, text, background);
    return out;
}

std::string ContrastLine(const Color& background, const Color& text)
{
    const double ratio = ContrastRatio(background, text);
    std::string out;
    AppendRatio(out, ratio);
    out += "　AA ";
    out += Verdict(ratio >= RatioAA);
    out += "　AAA ";
    out += Verdict(ratio >= RatioAAA);
    out += "　";
    AppendLc(out, text, background);
    return out;
}

std::string FormatRatio(double ratio)
{
    std::string out;
    AppendRatio(out, ratio);
    return out;
}

OkLab ToOkLab(const Color& c)
{
    const double r = LinearFromChannel(c.red), g = LinearFromChannel(c.green),
                 b = LinearFromChannel(c.blue);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

std::array<double, 3> LinearSrgb(const OkLab& lab)
{
    return FromOkLab(lab);
}

Color WithOkLabLightness(const Color& color, double lightness)
{
    const OkLab lab = ToOkLab(color);
    const auto at = [&](double chroma) {
        return FromOkLab({lightness, lab.a * chroma, lab.b * chroma});
    };
    if (const LinearRgb full = at(1); InGamut(full))
        return Rounded(full);
    // The largest share of the chroma that stays inside sRGB at this lightness.
    double inside = 0, outside = 1;
    for (int i = 0; i < 20; ++i) {
        const double mid = (inside + outside) / 2;
        (InGamut(at(mid)) ? inside : outside) = mid;
    }
    return Rounded(at(inside));
}

std::optional<Color> NearestPassingTextColor(const Color& text, const Color& background,
                                             double ratio)
{
    if (ContrastRatio(text, background) >= ratio)
        return text;
    const double start = ToOkLab(text).l;
    const auto passes = [&](double lightness) {
        return ContrastRatio(WithOkLabLightness(text, lightness), background) >= ratio;
    };
    // The ratio grows with the distance in luminance from the background, so each direction
    // fails up to one lightness and passes beyond it, up to white or down to black.
    const auto towards = [&](double end) -> std::optional<double> {
        if (!passes(end))
            return std::nullopt;
        double failing = start, passing = end;
        for (int i = 0; i < 24; ++i) {
            const double mid = (failing + passing) / 2;
            (passes(mid) ? passing : failing) = mid;
        }
        return passing;
    };
    const auto lighter = towards(1), darker = towards(0);
    if (!lighter && !darker)
        return std::nullopt;
    const bool takeLighter = lighter && (!darker || *lighter - start <= start - *darker);
    return WithOkLabLightness(text, takeLighter ? *lighter : *darker);
}

} // namespace tessuvo
