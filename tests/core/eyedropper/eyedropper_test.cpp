#include "core/eyedropper/eyedropper.h"
#include "support/fakepickscreen.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessuvo {
namespace {

using test::FakePickScreen;

enum class Step
{
    StartBg,
    StartFg,
    LeftDown,
    LeftUp,
    RightDown,
    CaptureLost,
};

constexpr std::optional<ColorTarget> None;
constexpr ColorTarget Bg = ColorTarget::Background, Fg = ColorTarget::Text;

struct Outcome
{
    bool picking;
    std::optional<ColorTarget> target;
    bool captured;
};

struct Case
{
    const char* name;
    std::vector<Step> before; // brings the machine into the state under test
    Step step;
    Outcome after;
    bool handled; // a pick read, or picking ended by the step
};

// Runs a step; true when it read a pick or ended picking.
bool RunStep(Eyedropper& eyedropper, FakePickScreen& screen, Step step)
{
    switch (step) {
    case Step::StartBg:
        eyedropper.Start(ColorTarget::Background);
        return false;
    case Step::StartFg:
        eyedropper.Start(ColorTarget::Text);
        return false;
    case Step::LeftDown:
        return eyedropper.LeftButtonDown(10, 20).has_value();
    case Step::LeftUp:
    case Step::RightDown:
        return eyedropper.End();
    case Step::CaptureLost:
        screen.captured = false;
        return false;
    }
    return false;
}

const std::vector<Step> Idle{};
const std::vector<Step> Armed{Step::StartBg};
const std::vector<Step> Taken{Step::StartBg, Step::LeftDown};

const Case Cases[] = {
    {"start in idle arms", Idle, Step::StartFg, {true, Fg, true}, false},
    {"start in armed retargets", Armed, Step::StartFg, {true, Fg, true}, false},
    {"start in taken arms again", Taken, Step::StartFg, {true, Fg, true}, false},
    {"left down in idle does nothing", Idle, Step::LeftDown, {false, None, false}, false},
    {"left down in armed takes the pixel", Armed, Step::LeftDown, {true, None, true}, true},
    {"left down in taken reads again", Taken, Step::LeftDown, {true, None, true}, true},
    {"left up in idle does nothing", Idle, Step::LeftUp, {false, None, false}, false},
    {"left up in armed ends", Armed, Step::LeftUp, {false, None, false}, true},
    {"left up in taken ends", Taken, Step::LeftUp, {false, None, false}, true},
    {"right down in idle does nothing", Idle, Step::RightDown, {false, None, false}, false},
    {"right down in armed cancels", Armed, Step::RightDown, {false, None, false}, true},
    {"right down in taken ends", Taken, Step::RightDown, {false, None, false}, true},
    {"a lost capture leaves picking armed", Armed, Step::CaptureLost, {true, Bg, false}, false},
    {"after a lost capture a press still picks",
     {Step::StartBg, Step::CaptureLost},
     Step::LeftDown,
     {true, None, false},
     true},
    {"after a lost capture the release ends",
     {Step::StartBg, Step::CaptureLost, Step::LeftDown},
     Step::LeftUp,
     {false, None, false},
     true},
};

class EyedropperTransition : public ::testing::TestWithParam<Case>
{
};

TEST_P(EyedropperTransition, LeavesTheStateOfTheTable)
{
    const Case& c = GetParam();
    FakePickScreen screen;
    Eyedropper eyedropper(screen);
    for (const Step step : c.before)
        RunStep(eyedropper, screen, step);
    EXPECT_EQ(c.handled, RunStep(eyedropper, screen, c.step));
    EXPECT_EQ(c.after.picking, eyedropper.Picking());
    EXPECT_EQ(c.after.target, eyedropper.PickTarget());
    EXPECT_EQ(c.after.captured, screen.captured);
}

INSTANTIATE_TEST_SUITE_P(Table, EyedropperTransition, ::testing::ValuesIn(Cases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(Eyedropper, PressReadsThePixelAtThePressAndNamesTheTarget)
{
    FakePickScreen screen;
    screen.pixel = [](double x, double y) { return x == 300.5 && y == -4 ? 0x00563412u : 0u; };
    Eyedropper eyedropper(screen);
    eyedropper.Start(ColorTarget::Background);
    eyedropper.Start(ColorTarget::Text);
    const auto first = eyedropper.LeftButtonDown(300.5, -4);
    ASSERT_TRUE(first);
    EXPECT_EQ(Fg, first->target);
    EXPECT_EQ((Color{0x12, 0x34, 0x56}), first->color);
    // A second press before the release reads again but goes to no target.
    const auto second = eyedropper.LeftButtonDown(0, 0);
    ASSERT_TRUE(second);
    EXPECT_EQ(None, second->target);
    EXPECT_EQ(2u, screen.reads.size());
}

TEST(Eyedropper, CancelReadsNothing)
{
    FakePickScreen screen;
    Eyedropper eyedropper(screen);
    eyedropper.Start(ColorTarget::Background);
    EXPECT_TRUE(eyedropper.End());
    EXPECT_FALSE(eyedropper.LeftButtonDown(1, 1));
    EXPECT_TRUE(screen.reads.empty());
}

TEST(Eyedropper, PackedValueSplitsIntoChannels)
{
    struct Split
    {
        std::uint32_t value;
        Color color;
    };
    const Split cases[] = {
        {0x00000000u, {0, 0, 0}},
        {0x00FF8001u, {1, 128, 255}},
        {0xFFFFFFFFu, {255, 255, 255}}, // no screen there: white
        {0x7F000000u, {0, 0, 0}},       // the top byte is ignored
    };
    for (const Split& c : cases)
        EXPECT_EQ(c.color, FromColorRef(c.value)) << std::hex << c.value;
}

TEST(Eyedropper, AveragedPickReadsOneSquare)
{
    test::FakePickScreen screen;
    screen.pixel = [](double x, double) { return x < 10 ? 0x000000u : 0xFFFFFFu; };
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
