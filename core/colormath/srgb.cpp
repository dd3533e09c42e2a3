#include "srgb.h"

#include <algorithm>
#include <cmath>

namespace tessuvo {

double LinearFromEncoded(double encoded)
{
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double EncodedFromLinear(double linear)
{
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

double LinearFromChannel(int channel)
{
    return LinearFromEncoded(channel / 255.0);
}

int ChannelFromLinear(double linear)
{
    return static_cast<int>(std::lround(EncodedFromLinear(std::clamp(linear, 0.0, 1.0)) * 255.0));
}

} // namespace tessuvo
