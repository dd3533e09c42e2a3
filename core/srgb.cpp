#include "srgb.h"

#include <algorithm>
#include <cmath>

namespace tessuvo {

double LinearFromChannel(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int ChannelFromLinear(double linear)
{
    const double l = std::clamp(linear, 0.0, 1.0);
    const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return static_cast<int>(std::lround(c * 255.0));
}

} // namespace tessuvo
