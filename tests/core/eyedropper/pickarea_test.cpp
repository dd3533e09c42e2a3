#include "core/eyedropper/pickarea.h"

#include <gtest/gtest.h>

namespace tessuvo {
namespace {

constexpr std::uint32_t Black = 0x000000, White = 0xFFFFFF;

// A square of radius 2 whose rows are given from the top, NoPixel standing for off-screen.
PixelSquare Square5(std::initializer_list<std::uint32_t> pixels)
{
    return {2, pixels};
}

TEST(AveragePick, LinearLightOfTheOnScreenPixelsOnly)
{
    const std::uint32_t N = NoPixel, R = 0x0000FF, G = 0x00FF00;
    struct Case
    {
        const char* name;
        PixelSquare square;
        int area;
        std::uint32_t expected;
    };
    const Case cases[] = {
        // Half black, half white is #BCBCBC in linear light, not the #808080 of the plain mean.
        {"the screen's corner, two black and two white on it",
         Square5({N,     N, N, N, N,     N,     N, N, N, N, N, N, Black,
                  White, 0, N, N, White, Black, 0, N, N, 0, 0, 0}),
         3, 0xBCBCBC},
        {"one colour comes back unchanged",
         {2, std::vector<std::uint32_t>(25, 0x563412)},
         5,
         0x563412},
        // Each channel on its own: 8 of 9 red at full, 1 of 9 green at full.
        {"channels apart",
         Square5({0, 0, 0, 0, 0, 0, R, R, R, 0, 0, R, G, R, 0, 0, R, R, R, 0, 0, 0, 0, 0, 0}), 3,
         0x5EF2},
        {"the ring beyond 3 × 3 is not taken",
         Square5({White, White, White, White, White, White, 0,     0, 0,
                  White, White, 0,     0,     0,     White, White, 0, 0,
                  0,     White, White, White, White, White, White}),
         3, Black},
        {"5 × 5 takes it", Square5({White, White, White, White, White, White, 0,     0, 0,
                                    White, White, 0,     0,     0,     White, White, 0, 0,
                                    0,     White, White, White, White, White, White}),
         5, 0xD1D1D1},
        {"one pixel is the centre",
         Square5({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, N, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 1,
         N},
        {"nothing on screen",
         Square5({N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N, N}), 3,
         N},
        {"an unknown area is one pixel",
         Square5({White, White, White, White,    White, White, White, White, White,
                  White, White, White, 0x123456, White, White, White, White, White,
                  White, White, White, White,    White, White, White}),
         4, 0x123456},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, AveragePick(c.square, c.area)) << c.name;
}

} // namespace
} // namespace tessuvo
