#include "colorspaces.h"

#include "srgb.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessuvo {

namespace {

using Matrix = std::array<ColorCoords, 3>;

constexpr ColorCoords operator*(const Matrix& m, const ColorCoords& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

constexpr Matrix operator*(const Matrix& a, const Matrix& b)
{
    Matrix product{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            product[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return product;
}

// The matrices of CSS Color 4, most of them exact fractions of the primaries' chromaticities.
constexpr Matrix kLinearSrgbToXyz{{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix kXyzToLinearSrgb{{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
constexpr Matrix kLinearP3ToXyz{{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
constexpr Matrix kLinearA98ToXyz{{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
constexpr Matrix kLinearRec2020ToXyz{{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};
// ProPhoto's primaries are D50-relative; its matrix has no exact rational form.
constexpr Matrix kLinearProphotoToXyzD50{{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0, 0, 0.82510460251046020},
}};
// Bradford chromatic adaptation from the D50 to the D65 white.
constexpr Matrix kD50ToD65{{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
constexpr Matrix kXyzToLms{{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix kLmsToOkLab{{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix kLmsToXyz{{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix kOkLabToLms{{
    {1, 0.3963377773761749, 0.2158037573099136},
    {1, -0.1055613458156586, -0.0638541728258133},
    {1, -0.0894841775298119, -1.2914855480194092},
}};
// The gamut search goes between OKLab and linear sRGB many times: straight, past XYZ.
constexpr Matrix kLinearSrgbToLms = kXyzToLms * kLinearSrgbToXyz;
constexpr Matrix kLmsToLinearSrgb = kXyzToLinearSrgb * kLmsToXyz;

constexpr ColorCoords kD50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

// Applies a transfer function to the magnitude of each channel and keeps its sign.
template <typename Curve> ColorCoords Mirrored(const ColorCoords& c, Curve curve)
{
    ColorCoords out;
    for (int i = 0; i < 3; ++i)
        out[i] = std::copysign(curve(std::abs(c[i])), c[i]);
    return out;
}

ColorCoords XyzD65FromXyzD50(const ColorCoords& xyz)
{
    return kD50ToD65 * xyz;
}

ColorCoords OkLabFromLinearSrgb(const ColorCoords& rgb)
{
    const ColorCoords lms = kLinearSrgbToLms * rgb;
    return kLmsToOkLab * ColorCoords{std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])};
}

ColorCoords LinearSrgbFromOkLab(const ColorCoords& lab)
{
    const ColorCoords lms = kOkLabToLms * lab;
    return kLmsToLinearSrgb * ColorCoords{lms[0] * lms[0] * lms[0], lms[1] * lms[1] * lms[1],
                                          lms[2] * lms[2] * lms[2]};
}

bool InGamut(const ColorCoords& rgb)
{
    return std::all_of(rgb.begin(), rgb.end(), [](double c) { return c >= 0 && c <= 1; });
}

// Linear and encoded sRGB share 0 and 1 and rise together, so clipping either is the same.
ColorCoords Clipped(const ColorCoords& rgb)
{
    return {std::clamp(rgb[0], 0.0, 1.0), std::clamp(rgb[1], 0.0, 1.0),
            std::clamp(rgb[2], 0.0, 1.0)};
}

double DeltaEOk(const ColorCoords& a, const ColorCoords& b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

ColorCoords Encoded(const ColorCoords& linear)
{
    return {EncodedFromLinear(linear[0]), EncodedFromLinear(linear[1]),
            EncodedFromLinear(linear[2])};
}

} // namespace

ColorCoords XyzD65FromPredefined(PredefinedSpace space, const ColorCoords& c)
{
    switch (space) {
    case PredefinedSpace::Srgb:
        return kLinearSrgbToXyz * Mirrored(c, LinearFromEncoded);
    case PredefinedSpace::SrgbLinear:
        return kLinearSrgbToXyz * c;
    case PredefinedSpace::DisplayP3:
        return kLinearP3ToXyz * Mirrored(c, LinearFromEncoded);
    case PredefinedSpace::A98Rgb:
        return kLinearA98ToXyz * Mirrored(c, [](double v) { return std::pow(v, 563.0 / 256); });
    case PredefinedSpace::ProphotoRgb:
        return XyzD65FromXyzD50(kLinearProphotoToXyzD50 * Mirrored(c, [](double v) {
                                    return v <= 16.0 / 512 ? v / 16 : std::pow(v, 1.8);
                                }));
    case PredefinedSpace::Rec2020:
        return kLinearRec2020ToXyz * Mirrored(c, [](double v) {
                   constexpr double alpha = 1.09929682680944, beta = 0.018053968510807;
                   return v < beta * 4.5 ? v / 4.5 : std::pow((v + alpha - 1) / alpha, 1 / 0.45);
               });
    case PredefinedSpace::XyzD50:
        return XyzD65FromXyzD50(c);
    case PredefinedSpace::XyzD65:
        return c;
    }
    return c;
}

ColorCoords XyzD65FromLab(const ColorCoords& lab)
{
    constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const auto cube = [](double f) { return f * f * f; };
    const ColorCoords xyz{
        cube(f0) > epsilon ? cube(f0) : (116 * f0 - 16) / kappa,
        lab[0] > kappa * epsilon ? cube(f1) : lab[0] / kappa,
        cube(f2) > epsilon ? cube(f2) : (116 * f2 - 16) / kappa,
    };
    return XyzD65FromXyzD50({xyz[0] * kD50White[0], xyz[1] * kD50White[1], xyz[2] * kD50White[2]});
}

ColorCoords XyzD65FromOkLab(const ColorCoords& oklab)
{
    const ColorCoords lms = kOkLabToLms * oklab;
    return kLmsToXyz * ColorCoords{lms[0] * lms[0] * lms[0], lms[1] * lms[1] * lms[1],
                                   lms[2] * lms[2] * lms[2]};
}

ColorCoords RectangularFromPolar(const ColorCoords& lch)
{
    const double radians = lch[2] * std::numbers::pi / 180;
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

ColorCoords MapIntoSrgb(const ColorCoords& xyzD65)
{
    const ColorCoords linear = kXyzToLinearSrgb * xyzD65;
    if (InGamut(linear))
        return Encoded(linear);

    const ColorCoords origin = OkLabFromLinearSrgb(linear);
    if (origin[0] >= 1)
        return {1, 1, 1};
    if (origin[0] <= 0)
        return {0, 0, 0};

    constexpr double jnd = 0.02, epsilon = 0.0001;
    // Lightness and hue stay; the chroma is searched as a share of the origin's.
    const auto withChroma = [&](double share) {
        return ColorCoords{origin[0], origin[1] * share, origin[2] * share};
    };
    const auto clippedDelta = [](const ColorCoords& current, ColorCoords& clipped) {
        clipped = Clipped(LinearSrgbFromOkLab(current));
        return DeltaEOk(OkLabFromLinearSrgb(clipped), current);
    };

    ColorCoords clipped = Clipped(linear);
    if (DeltaEOk(OkLabFromLinearSrgb(clipped), origin) < jnd)
        return Encoded(clipped);

    const double chroma = std::hypot(origin[1], origin[2]);
    double low = 0, high = 1;
    bool lowInGamut = true;
    while ((high - low) * chroma > epsilon) {
        const double share = (low + high) / 2;
        const ColorCoords current = withChroma(share);
        if (lowInGamut && InGamut(LinearSrgbFromOkLab(current))) {
            low = share;
            continue;
        }
        const double delta = clippedDelta(current, clipped);
        if (delta < jnd) {
            if (jnd - delta < epsilon)
                return Encoded(clipped);
            lowInGamut = false;
            low = share;
        } else {
            high = share;
        }
    }
    return Encoded(clipped);
}

} // namespace tessuvo
