#include "copyformats.h"

#include "core/readability/contrast.h"
#include "notation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <utility>

namespace tessuvo {

namespace {

using Triple = std::array<double, 3>;

constexpr int MaxDecimals = 6;
constexpr double Pow10[MaxDecimals + 1] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
// How far inside its rounding interval a channel must land, in steps of the 8-bit channel: a
// reader that converts through other matrices (CSS goes through XYZ) lands a few millionths of
// a step away and must still round the same way.
constexpr double Margin = 1e-3;

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
    const double rounded = RoundTo(value, decimals);
    char buffer[32];
    // to_chars rather than printf: the locale Qt sets may write a decimal comma.
    char* end = std::to_chars(buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded,
                              std::chars_format::fixed, decimals)
                    .ptr;
    if (decimals > 0) {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
    }
    out.append(buffer, end);
}

// A hue as written: in 0..360, where 360 is written as 0.
double WrittenHue(double hue, int decimals)
{
    const double rounded = RoundTo(hue, decimals);
    return rounded >= 360 ? 0 : rounded;
}

double UnitChannel(int channel)
{
    return channel / 255.0;
}

bool SameChannel(double unit, int channel)
{
    return std::abs(unit * 255 - channel) < 0.5 - Margin;
}

// --- hsl() ---

Triple ToHsl(const Color& c)
{
    const double r = UnitChannel(c.red), g = UnitChannel(c.green), b = UnitChannel(c.blue);
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double lightness = (max + min) / 2, range = max - min;
    if (range == 0)
        return {0, 0, lightness * 100};
    const double saturation = (max - lightness) / std::min(lightness, 1 - lightness);
    double hue = 0;
    if (max == r)
        hue = (g - b) / range + (g < b ? 6 : 0);
    else if (max == g)
        hue = (b - r) / range + 2;
    else
        hue = (r - g) / range + 4;
    return {hue * 60, saturation * 100, lightness * 100};
}

// The conversion of CSS Color 4 from hsl() to sRGB, channel by channel.
bool HslRoundTrips(const Triple& hsl, const Color& c)
{
    const double saturation = hsl[1] / 100, lightness = hsl[2] / 100;
    const double a = saturation * std::min(lightness, 1 - lightness);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hsl[0] / 30, 12);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return SameChannel(channel(0), c.red) && SameChannel(channel(8), c.green) &&
           SameChannel(channel(4), c.blue);
}

std::string FormatHsl(const Color& color)
{
    const Triple hsl = ToHsl(color);
    const auto decimals =
        FewestDecimals(hsl, [&](const Triple& values) { return HslRoundTrips(values, color); });
    std::string out = "hsl(";
    AppendNumber(out, WrittenHue(hsl[0], decimals[0]), decimals[0]);
    out += ' ';
    AppendNumber(out, hsl[1], decimals[1]);
    out += "% ";
    AppendNumber(out, hsl[2], decimals[2]);
    out += "%)";
    return out;
}

// --- oklch() ---

double LinearFromUnit(double unit)
{
    const double magnitude = std::abs(unit);
    const double linear =
        magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, unit);
}

// Linear-light values at which the 8-bit channel k starts: k − 0.5 encoded, for k = 0..256.
const std::array<double, 257>& ChannelStarts()
{
    static const std::array<double, 257> starts = [] {
        std::array<double, 257> s{};
        for (std::size_t k = 0; k < s.size(); ++k)
            s[k] = LinearFromUnit((static_cast<double>(k) - 0.5) / 255);
        return s;
    }();
    return starts;
}

bool SameLinearChannel(double linear, int channel)
{
    const auto& starts = ChannelStarts();
    const auto k = static_cast<std::size_t>(channel);
    const double margin = Margin * (starts[k + 1] - starts[k]);
    return linear >= starts[k] + margin && linear < starts[k + 1] - margin;
}

// Whether oklch() values read back as `color`; the hue's cosine and sine are kept between
// the calls, as most of them try another lightness or chroma at the same hue.
class OklchRoundTrip
{
public:
    explicit OklchRoundTrip(const Color& color) : m_color(color) {}

    bool operator()(const Triple& lch)
    {
        // A reader takes a lightness at either end for white or black, whatever the chroma.
        if (lch[0] >= 1 || lch[0] <= 0)
            return m_color == (lch[0] >= 1 ? Color{255, 255, 255} : Color{0, 0, 0});
        if (lch[2] != m_hue) {
            m_hue = lch[2];
            const double radians = m_hue * std::numbers::pi / 180;
            m_cos = std::cos(radians);
            m_sin = std::sin(radians);
        }
        const auto rgb = LinearSrgb({lch[0], lch[1] * m_cos, lch[1] * m_sin});
        return SameLinearChannel(rgb[0], m_color.red) && SameLinearChannel(rgb[1], m_color.green) &&
               SameLinearChannel(rgb[2], m_color.blue);
    }

private:
    Color m_color;
    double m_hue = -1, m_cos = 0, m_sin = 0;
};

std::string FormatOklch(const Color& color)
{
    const OkLab lab = ToOkLab(color);
    double hue = std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
    if (hue < 0)
        hue += 360;
    const Triple lch{lab.l, std::hypot(lab.a, lab.b), hue};
    const auto decimals = FewestDecimals(lch, OklchRoundTrip(color));
    std::string out = "oklch(";
    AppendNumber(out, lch[0], decimals[0]);
    out += ' ';
    AppendNumber(out, lch[1], decimals[1]);
    out += ' ';
    // Without chroma the hue means nothing: a grey is written with hue 0.
    AppendNumber(out, RoundTo(lch[1], decimals[1]) == 0 ? 0 : WrittenHue(hue, decimals[2]),
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
