#include "contrast.h"

#include "core/colormath/gamut.h"
#include "core/colormath/oklab.h"
#include "core/colormath/srgb.h"
#include "core/text/decimal.h"

#include <algorithm>
#include <cmath>

namespace tessuvo {

namespace {

// The reference's own screen luminance: a plain 2.4 power, not the sRGB curve.
double ApcaLuminance(const Color& c)
{
    const auto y = [](int channel) { return std::pow(channel / 255.0, 2.4); };
    return 0.2126729 * y(c.red) + 0.7151522 * y(c.green) + 0.0721750 * y(c.blue);
}

const char* Verdict(bool pass)
{
    return pass ? "○" : "×";
}

void AppendRatio(std::string& out, double ratio)
{
    AppendDecimal(out, ratio, 2);
    out += ":1";
}

void AppendLc(std::string& out, const Color& text, const Color& background)
{
    out += "Lc ";
    AppendDecimal(out, std::round(ApcaContrast(text, background)), 0);
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

Color WithOkLabLightness(const Color& color, double lightness)
{
    const OkLab lab = OkLabFromColor(color);
    // Clipping would turn the hue of a dark colour: the chroma is reduced to the gamut's edge.
    const ColorCoords rgb = MapOkLabIntoSrgb({lightness, lab.a, lab.b}, 0);
    return {ChannelFromEncoded(rgb[0]), ChannelFromEncoded(rgb[1]), ChannelFromEncoded(rgb[2])};
}

std::optional<Color> NearestPassingColor(const Color& moving, const Color& kept, double ratio)
{
    if (ContrastRatio(moving, kept) >= ratio)
        return moving;
    const double start = OkLabFromColor(moving).l;
    const auto passes = [&](double lightness) {
        return ContrastRatio(WithOkLabLightness(moving, lightness), kept) >= ratio;
    };
    // The ratio grows with the distance in luminance from the kept colour, so each direction
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
    return WithOkLabLightness(moving, takeLighter ? *lighter : *darker);
}

} // namespace tessuvo
