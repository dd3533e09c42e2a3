#pragma once

#include <cstdint>
#include <vector>

namespace tessuvo {

// A packed colour value (red in the low byte) that no pixel has: the reading where no screen
// lies.
inline constexpr std::uint32_t NoPixel = 0xFFFFFFFFu;

// The device pixels of a square centred on one pixel, row by row, as packed colour values;
// NoPixel for each one that lies on no screen.
struct PixelSquare
{
    int radius = 0; // the side is 2 × radius + 1
    std::vector<std::uint32_t> pixels;

    int Side() const { return 2 * radius + 1; }
    // The pixel `dx` columns and `dy` rows from the centre; NoPixel outside the square.
    std::uint32_t At(int dx, int dy) const
    {
        if (dx < -radius || dx > radius || dy < -radius || dy > radius ||
            pixels.size() != static_cast<std::size_t>(Side() * Side()))
            return NoPixel;
        return pixels[static_cast<std::size_t>((dy + radius) * Side() + dx + radius)];
    }
};

} // namespace tessuvo
