#pragma once

// The sRGB transfer curve between gamma-encoded values and linear light.
namespace tessuvo {

// An encoded value 0..1 to linear light 0..1, and back.
double LinearFromEncoded(double encoded);
double EncodedFromLinear(double linear);

// 0..255 to linear light 0..1.
double LinearFromChannel(int channel);

// Linear light to the nearest 8-bit channel; values outside 0..1 are clamped.
int ChannelFromLinear(double linear);

} // namespace tessuvo
