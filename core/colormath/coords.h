#pragma once

#include <array>
#include <cmath>
#include <numbers>

// The three coordinates of a colour in one space, and the matrices that take them to another.
namespace tessuvo {

using ColorCoords = std::array<double, 3>;
using ColorMatrix = std::array<ColorCoords, 3>;

constexpr ColorCoords operator*(const ColorMatrix& m, const ColorCoords& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

constexpr ColorMatrix operator*(const ColorMatrix& a, const ColorMatrix& b)
{
    ColorMatrix product{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            product[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return product;
}

// A hue in degrees brought round the circle into 0..360.
inline double NormalizedHue(double degrees)
{
    const double hue = std::fmod(degrees, 360);
    return hue < 0 ? hue + 360 : hue;
}

// Lightness, chroma and a hue in degrees to lightness and the two opponent axes.
inline ColorCoords RectangularFromPolar(const ColorCoords& lch)
{
    const double radians = lch[2] * std::numbers::pi / 180;
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

// Lightness and the two opponent axes to lightness, chroma and a hue in degrees, 0..360.
inline ColorCoords PolarFromRectangular(const ColorCoords& lab)
{
    return {lab[0], std::hypot(lab[1], lab[2]),
            NormalizedHue(std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi)};
}

} // namespace tessuvo
