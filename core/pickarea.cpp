#include "pickarea.h"

#include "color.h"

#include <array>
#include <cmath>

namespace tessuvo {

namespace {

// The sRGB transfer curve, undone once for every 8-bit value.
const std::array<double, 256>& LinearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            values[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

int Encoded(double linear)
{
    const double c =
        linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return ClampChannel(static_cast<int>(std::lround(c * 255.0)));
}

} // namespace

int PickAreaFromValue(int value)
{
    return value == PickAverage3 || value == PickAverage5 ? value : PickOnePixel;
}

std::uint32_t AveragePick(const PixelSquare& square, int area)
{
    const int reach = PickAreaFromValue(area) / 2;
    if (reach == 0)
        return square.At(0, 0);
    const auto& linear = LinearTable();
    double sums[3] = {};
    int count = 0;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const std::uint32_t pixel = square.At(dx, dy);
            if (pixel == NoPixel)
                continue;
            for (int channel = 0; channel < 3; ++channel)
                sums[channel] += linear[(pixel >> (8 * channel)) & 0xFF];
            ++count;
        }
    }
    if (count == 0)
        return NoPixel;
    return ToColorRef(
        {Encoded(sums[0] / count), Encoded(sums[1] / count), Encoded(sums[2] / count)});
}

} // namespace tessuvo
