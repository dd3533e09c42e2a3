#include "core/eyedropper/magnifierplacement.h"

#include <gtest/gtest.h>

namespace tessuvo {
namespace {

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

} // namespace
} // namespace tessuvo
