#pragma once

// The sRGB transfer curve between an 8-bit channel and linear light.
namespace tessuvo {

// 0..255 to linear light 0..1.
double LinearFromChannel(int channel);

// Linear light to the nearest 8-bit channel; values outside 0..1 are clamped.
int ChannelFromLinear(double linear);

} // namespace tessuvo
