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

ColorCoords LinearFromEncoded(const ColorCoords& encoded)
{
    ColorCoords linear;
    for (int i = 0; i < 3; ++i)
        linear[i] = std::copysign(LinearFromEncoded(std::abs(encoded[i])), encoded[i]);
    return linear;
}

double LinearFromChannel(int channel)
{
    return LinearFromEncoded(channel / 255.0);
}

int ChannelFromEncoded(double encoded)
{
    return static_cast<int>(std::lround(std::clamp(encoded, 0.0, 1.0) * 255.0));
}

int ChannelFromLinear(double linear)
{
    return ChannelFromEncoded(EncodedFromLinear(std::clamp(linear, 0.0, 1.0)));
}

} // namespace tessuvo
