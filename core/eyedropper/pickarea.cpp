#include "pickarea.h"

#include "core/color/color.h"
#include "core/colormath/srgb.h"

namespace tessuvo {

int PickAreaFromValue(int value)
{
    return value == PickAverage3 || value == PickAverage5 ? value : PickOnePixel;
}

std::uint32_t AveragePick(const PixelSquare& square, int area)
{
    const int reach = PickAreaFromValue(area) / 2;
    if (reach == 0)
        return square.At(0, 0);
    double sums[3] = {};
    int count = 0;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const std::uint32_t pixel = square.At(dx, dy);
            if (pixel == NoPixel)
                continue;
            for (int channel = 0; channel < 3; ++channel)
                sums[channel] += LinearFromChannel((pixel >> (8 * channel)) & 0xFF);
            ++count;
        }
    }
    if (count == 0)
        return NoPixel;
    return ToColorRef({ChannelFromLinear(sums[0] / count), ChannelFromLinear(sums[1] / count),
                       ChannelFromLinear(sums[2] / count)});
}

} // namespace tessuvo
