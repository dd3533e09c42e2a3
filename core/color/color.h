#pragma once

#include <cstdint>

namespace tessuvo {

// One colour of the pair: three channels, each 0..255.
struct Color
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

// The platform's packed colour value: red in the low byte.
constexpr std::uint32_t ToColorRef(const Color& c)
{
    return static_cast<std::uint32_t>(c.red) + static_cast<std::uint32_t>(c.green) * 256u +
           static_cast<std::uint32_t>(c.blue) * 65536u;
}

constexpr int ClampChannel(int value)
{
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

// Which colour of the pair a command works on. The values are those the registered colours'
// section names are numbered by.
enum class ColorTarget : int
{
    Background = 1,
    Text = 2,
};

} // namespace tessuvo
