#include "hsl.h"

#include <algorithm>

namespace tessuvo {

ColorCoords SrgbFromHsl(double hue, double saturation, double lightness)
{
    hue = NormalizedHue(hue);
    const double a = saturation * std::min(lightness, 1 - lightness);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

ColorCoords HslFromSrgb(const ColorCoords& rgb)
{
    const auto [r, g, b] = rgb;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double lightness = (max + min) / 2, range = max - min;
    if (range == 0)
        return {0, 0, lightness};
    const double saturation = (max - lightness) / std::min(lightness, 1 - lightness);
    double hue = 0;
    if (max == r)
        hue = (g - b) / range + (g < b ? 6 : 0);
    else if (max == g)
        hue = (b - r) / range + 2;
    else
        hue = (r - g) / range + 4;
    return {hue * 60, saturation, lightness};
}

} // namespace tessuvo
