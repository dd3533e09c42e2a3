#include "core/colormath/oklab.h"
#include "core/readability/contrast.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

using namespace tessuvo;

namespace {

constexpr Color Black{0, 0, 0};
constexpr Color White{255, 255, 255};

// Published values, and pairs worked through the reference formulas by hand.
TEST(Contrast, RatioAndLightnessContrastOfKnownPairs)
{
    struct Case
    {
        Color text, background;
        double ratio, lc;
    };
    const Case cases[] = {
        {Black, White, 21.0, 106.04},
        {White, Black, 21.0, -107.88},
        {{0x77, 0x77, 0x77}, White, 4.48, 71.11},
        {{0x76, 0x76, 0x76}, White, 4.54, 71.57},
        {{255, 0, 0}, White, 4.00, 64.13},
        {{0, 0, 255}, {255, 255, 0}, 8.00, 81.14},
        {{18, 171, 255}, Black, 8.29, -52.99},
        {{0x88, 0x88, 0x88}, {0x99, 0x99, 0x99}, 1.24, 0.0}, // below APCA's clip
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text.red << "," << c.text.green << "," << c.text.blue);
        EXPECT_NEAR(ContrastRatio(c.text, c.background), c.ratio, 0.005);
        EXPECT_NEAR(ContrastRatio(c.background, c.text), c.ratio, 0.005);
        EXPECT_NEAR(ApcaContrast(c.text, c.background), c.lc, 0.005);
    }
}

TEST(Contrast, SummaryDecidesOnTheUnroundedRatio)
{
    EXPECT_EQ(ContrastSummary(White, {0x76, 0x76, 0x76}),
              "コントラスト比 4.54:1　AA ○　AAA ×（大きな文字 AA ○　AAA ○）　APCA Lc 72");
    EXPECT_EQ(ContrastSummary(Black, White),
              "コントラスト比 21.00:1　AA ○　AAA ○（大きな文字 AA ○　AAA ○）　APCA Lc -108");
    EXPECT_EQ(ContrastSummary(White, White),
              "コントラスト比 1.00:1　AA ×　AAA ×（大きな文字 AA ×　AAA ×）　APCA Lc 0");
    // 4.4994:1 prints as 4.50 but fails AA.
    EXPECT_EQ(ContrastSummary(White, {21, 138, 0}),
              "コントラスト比 4.50:1　AA ×　AAA ×（大きな文字 AA ○　AAA ×）　APCA Lc 71");
}

TEST(Contrast, LineIsTheShortFormForNormalText)
{
    EXPECT_EQ(ContrastLine(White, {0x76, 0x76, 0x76}), "4.54:1　AA ○　AAA ×　Lc 72");
    EXPECT_EQ(ContrastLine(Black, White), "21.00:1　AA ○　AAA ○　Lc -108");
    EXPECT_EQ(ContrastLine(White, {21, 138, 0}), "4.50:1　AA ×　AAA ×　Lc 71");
    EXPECT_EQ(ContrastLine({0x99, 0x99, 0x99}, {0x88, 0x88, 0x88}), "1.24:1　AA ×　AAA ×　Lc 0");
}

double HueDegrees(const OkLab& lab)
{
    return std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
}

// For many pairs and the three targets: the answer passes, nothing nearer in lightness passes, the
// hue stays, and a pair that passes or can never pass is handled as such.
TEST(Contrast, NearestPassingColourProperties)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    int chromaticChecked = 0;
    for (int n = 0; n < 300; ++n) {
        const Color text{channel(random), channel(random), channel(random)};
        const Color background{channel(random), channel(random), channel(random)};
        for (const double target : {RatioLargeAA, RatioAA, RatioAAA}) {
            SCOPED_TRACE(testing::Message() << "pair " << n << " target " << target);
            const auto found = NearestPassingColor(text, background, target);
            const double start = OkLabFromColor(text).l;
            const auto passesAt = [&](double l) {
                return ContrastRatio(WithOkLabLightness(text, l), background) >= target;
            };
            // A candidate that passes must not change the lightness less than the answer did.
            const auto nearerPasses = [&](double l, double change) {
                const Color c = WithOkLabLightness(text, l);
                return ContrastRatio(c, background) >= target &&
                       std::abs(OkLabFromColor(c).l - start) < change - 1e-9;
            };
            if (ContrastRatio(text, background) >= target) {
                EXPECT_EQ(found, text);
                continue;
            }
            if (!found) {
                for (double l = 0; l <= 1; l += 0.001)
                    ASSERT_FALSE(passesAt(l)) << l;
                continue;
            }
            EXPECT_GE(ContrastRatio(*found, background), target);
            const double change = std::abs(OkLabFromColor(*found).l - start);
            for (double d = 0; d < change; d += 0.001) {
                ASSERT_FALSE(nearerPasses(start + d, change)) << d;
                ASSERT_FALSE(nearerPasses(start - d, change)) << d;
            }
            const OkLab before = OkLabFromColor(text), after = OkLabFromColor(*found);
            if (std::hypot(before.a, before.b) > 0.08 && std::hypot(after.a, after.b) > 0.04) {
                ++chromaticChecked;
                const double turn = std::remainder(HueDegrees(after) - HueDegrees(before), 360);
                EXPECT_LT(std::abs(turn), 3.0);
            }
        }
    }
    EXPECT_GT(chromaticChecked, 50);
}

TEST(Contrast, NearestPassingColourEdges)
{
    EXPECT_EQ(NearestPassingColor(Black, White, RatioAAA), Black);
    EXPECT_EQ(NearestPassingColor(White, Black, RatioAAA), White);
    // Against mid grey white reaches 4.48:1 and black 4.69:1: 7:1 is out of reach.
    EXPECT_EQ(NearestPassingColor(White, {0x77, 0x77, 0x77}, RatioAAA), std::nullopt);
    // Only black reaches AA here, however near the text starts to white.
    const auto fromLight = NearestPassingColor({0xEE, 0xEE, 0xEE}, {0x77, 0x77, 0x77}, RatioAA);
    ASSERT_TRUE(fromLight);
    EXPECT_LT(fromLight->red, 0x40);
    EXPECT_EQ(NearestPassingColor({0x77, 0x77, 0x77}, White, RatioAA), (Color{0x76, 0x76, 0x76}));
    // A background fitted under white text for large text: #949494 gives 3.03:1, #959595 2.995:1.
    EXPECT_EQ(NearestPassingColor({0x99, 0x99, 0x99}, White, RatioLargeAA),
              (Color{0x94, 0x94, 0x94}));
}

} // namespace
