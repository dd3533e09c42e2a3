#include "core/eyedropper.h"
#include "core/magnifierplacement.h"
#include "core/magnifierview.h"
#include "core/modes.h"
#include "core/pickarea.h"
#include "tests/fakepickscreen.h"

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

TEST(PlaceMagnifier, BesideThePixelsOnThePointersScreen)
{
    const int w = 140, h = 180;
    const ScreenRect left{0, 0, 1920, 1080}, right{1920, -200, 1280, 1024}, small{0, 0, 300, 200};
    struct Case
    {
        const char* name;
        std::vector<ScreenRect> screens;
        ScreenPoint pointer;
        std::optional<ScreenPoint> expected;
    };
    const Case cases[] = {
        {"below and to the right", {left}, {500, 400}, ScreenPoint{525, 425}},
        {"flipped left at the right edge", {left}, {1850, 400}, ScreenPoint{1686, 425}},
        {"flipped up at the bottom edge", {left}, {500, 1000}, ScreenPoint{525, 796}},
        {"both in the corner", {left}, {1919, 1079}, ScreenPoint{1755, 875}},
        {"left of another screen's edge: stays on its own",
         {left, right},
         {1910, 400},
         ScreenPoint{1746, 425}},
        {"on the screen above the origin", {left, right}, {1930, -190}, ScreenPoint{1955, -165}},
        {"too short for above or below: beside, kept on the screen",
         {small},
         {100, 100},
         ScreenPoint{125, 20}},
        {"too narrow for either side: above or below, kept on the screen",
         {{0, 0, 200, 1000}},
         {100, 100},
         ScreenPoint{60, 125}},
        {"no room beside the pixels at all", {{0, 0, 150, 190}}, {75, 95}, std::nullopt},
        {"no screen under the pointer", {left}, {-5, 10}, std::nullopt},
        {"a screen smaller than the magnifier", {{0, 0, 100, 100}}, {50, 50}, std::nullopt},
    };
    for (const Case& c : cases) {
        const ScreenRect shown{c.pointer.x - 8, c.pointer.y - 8, 17, 17};
        const auto place = PlaceMagnifier(c.pointer, shown, w, h, c.screens);
        ASSERT_EQ(c.expected.has_value(), place.has_value()) << c.name;
        if (!place)
            continue;
        EXPECT_EQ(c.expected->x, place->x) << c.name;
        EXPECT_EQ(c.expected->y, place->y) << c.name;
        const ScreenRect placed{place->x, place->y, w, h};
        EXPECT_FALSE(placed.Intersects(shown)) << c.name;
    }
}

TEST(DescribeMagnifier, ValueOutlineAndContrastOfThePick)
{
    PixelSquare square{MagnifierRadius, std::vector<std::uint32_t>(15 * 15, 0x767676)};
    square.pixels[7 * 15 + 7] = 0x0000FF; // the centre, red
    const MagnifierView dark = DescribeMagnifier(square, 1, 99, {255, 255, 255});
    EXPECT_EQ((Color{255, 0, 0}), dark.picked);
    EXPECT_EQ("#FF0000", dark.value); // a notation without text shows the HTML form
    EXPECT_EQ("コントラスト比 4.00:1", dark.contrast);
    EXPECT_EQ((Color{0, 0, 0}), dark.outline);

    const PixelSquare dim{MagnifierRadius, std::vector<std::uint32_t>(15 * 15, 0x333333)};
    const MagnifierView grey = DescribeMagnifier(dim, 5, NotationDecimal, {0, 0, 0});
    EXPECT_EQ(5, grey.outlined);
    EXPECT_EQ("51,51,51", grey.value);
    EXPECT_EQ("コントラスト比 1.66:1", grey.contrast);
    EXPECT_EQ((Color{255, 255, 255}), grey.outline);
}

TEST(Eyedropper, AveragedPickReadsOneSquare)
{
    test::FakePickScreen screen;
    screen.pixel = [](double x, double) { return x < 10 ? Black : White; };
    Eyedropper eyedropper(screen);
    eyedropper.SetPickArea(7); // unknown: one pixel
    EXPECT_EQ(PickOnePixel, eyedropper.PickArea());
    eyedropper.SetPickArea(PickAverage5);
    eyedropper.Start(ColorTarget::Background);
    const auto pick = eyedropper.LeftButtonDown(11, 20); // 1 column black, 4 white
    ASSERT_TRUE(pick);
    EXPECT_EQ((Color{0xE7, 0xE7, 0xE7}), pick->color);
    EXPECT_TRUE(screen.reads.empty());
    ASSERT_EQ(1u, screen.squareReads.size());
}

} // namespace
} // namespace tessuvo
