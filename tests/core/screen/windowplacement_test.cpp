#include "core/screen/windowplacement.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

struct PlacementCase
{
    const char* name;
    int topMost, x, y;
    Placement::Kind kind;
    bool topMostBand;
};

TEST(PlaceWindow, FollowsTheSavedPositionAndTopMostFlag)
{
    const int w = 1024, h = 768;
    const PlacementCase cases[] = {
        {"saved position", 0, 100, 50, Placement::MoveTo, false},
        {"no saved position", 0, -1, -1, Placement::Centre, false},
        {"only x is tested for -1", 0, -1, 300, Placement::Centre, false},
        {"partly off the left edge", 0, -40, 10, Placement::MoveTo, false},
        {"beyond the right edge", 0, 1024, 10, Placement::Centre, false},
        {"beyond the bottom edge", 0, 10, 768, Placement::Centre, false},
        {"topmost at saved position", 1, 100, 50, Placement::MoveTo, true},
        {"topmost with no saved position", 1, -1, -1, Placement::MoveTo, true},
        {"topmost beyond the screen", 1, 5000, 10, Placement::Centre, true},
        {"unknown topmost value", 2, 100, 50, Placement::Centre, false},
    };
    for (const auto& c : cases) {
        const Placement p = PlaceWindow(c.topMost, c.x, c.y, w, h);
        EXPECT_EQ(p.kind, c.kind) << c.name;
        EXPECT_EQ(p.topMost, c.topMostBand) << c.name;
        if (c.kind == Placement::MoveTo) {
            EXPECT_EQ(p.x, c.x) << c.name;
            EXPECT_EQ(p.y, c.y) << c.name;
        }
    }
}

} // namespace
