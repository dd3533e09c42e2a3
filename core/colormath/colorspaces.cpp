#include "colorspaces.h"

#include "matrices.h"
#include "srgb.h"

namespace tessuvo {

namespace {

// Applies a transfer function to the magnitude of each channel and keeps its sign.
template <typename Curve> ColorCoords Mirrored(const ColorCoords& c, Curve curve)
{
    ColorCoords out;
    for (int i = 0; i < 3; ++i)
        out[i] = std::copysign(curve(std::abs(c[i])), c[i]);
    return out;
}

double A98RgbLinearFromEncoded(double encoded)
{
    return std::pow(encoded, 563.0 / 256);
}

double ProphotoRgbLinearFromEncoded(double encoded)
{
    return encoded <= 16.0 / 512 ? encoded / 16 : std::pow(encoded, 1.8);
}

double Rec2020LinearFromEncoded(double encoded)
{
    constexpr double alpha = 1.09929682680944, beta = 0.018053968510807;
    return encoded < beta * 4.5 ? encoded / 4.5 : std::pow((encoded + alpha - 1) / alpha, 1 / 0.45);
}

} // namespace

ColorCoords XyzD65FromPredefined(PredefinedSpace space, const ColorCoords& c)
{
    switch (space) {
    case PredefinedSpace::Srgb:
        return matrix::XyzD65FromLinearSrgb * LinearFromEncoded(c);
    case PredefinedSpace::SrgbLinear:
        return matrix::XyzD65FromLinearSrgb * c;
    case PredefinedSpace::DisplayP3:
        return matrix::XyzD65FromLinearDisplayP3 * LinearFromEncoded(c);
    case PredefinedSpace::A98Rgb:
        return matrix::XyzD65FromLinearA98Rgb * Mirrored(c, A98RgbLinearFromEncoded);
    case PredefinedSpace::ProphotoRgb:
        return matrix::XyzD65FromXyzD50 *
               (matrix::XyzD50FromLinearProphotoRgb * Mirrored(c, ProphotoRgbLinearFromEncoded));
    case PredefinedSpace::Rec2020:
        return matrix::XyzD65FromLinearRec2020 * Mirrored(c, Rec2020LinearFromEncoded);
    case PredefinedSpace::XyzD50:
        return matrix::XyzD65FromXyzD50 * c;
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
    const ColorCoords& white = matrix::D50White;
    return matrix::XyzD65FromXyzD50 *
           ColorCoords{xyz[0] * white[0], xyz[1] * white[1], xyz[2] * white[2]};
}

ColorCoords LinearSrgbFromXyzD65(const ColorCoords& xyz)
{
    return matrix::LinearSrgbFromXyzD65 * xyz;
}

} // namespace tessuvo
