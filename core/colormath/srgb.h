#pragma once

#include "coords.h"

// The sRGB transfer curve between gamma-encoded values and linear light.
namespace tessuvo {

// An encoded value 0..1 to linear light 0..1, and back.
double LinearFromEncoded(double encoded);
double EncodedFromLinear(double linear);

// The curve extended beyond 0..1 as CSS Color 4 extends it, mirrored at 0, for each channel.
ColorCoords LinearFromEncoded(const ColorCoords& encoded);

// 0..255 to linear light 0..1.
double LinearFromChannel(int channel);

// The nearest 8-bit channel of an encoded value, or of linear light; values outside 0..1 are
// clamped.
int ChannelFromEncoded(double encoded);
int ChannelFromLinear(double linear);

} // namespace tessuvo
