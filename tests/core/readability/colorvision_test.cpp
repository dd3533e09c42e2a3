#include "core/colormath/srgb.h"
#include "core/readability/colorvision.h"
#include "core/readability/contrast.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, as published.
struct Published
{
    ColorVision vision;
    Matrix matrix;
};
const Published PublishedMatrices[] = {
    {ColorVision::Protan,
     {{{0.152286, 1.052583, -0.204868},
       {0.114503, 0.786281, 0.099216},
       {-0.003882, -0.048116, 1.051998}}}},
    {ColorVision::Deutan,
     {{{0.367322, 0.860646, -0.227968},
       {0.280085, 0.672501, 0.047413},
       {-0.011820, 0.042940, 0.968881}}}},
    {ColorVision::Tritan,
     {{{1.255528, -0.076749, -0.178779},
       {-0.078411, 0.930809, 0.147602},
       {0.004733, 0.691367, 0.303900}}}},
};

// A primary at full strength comes out as the matrix's column in linear light (negative
// entries clipped to 0..1), to within half an 8-bit step.
TEST(ColorVision, PrimariesGiveThePublishedColumns)
{
    const Color primaries[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    for (const Published& p : PublishedMatrices) {
        for (int column = 0; column < 3; ++column) {
            const Color seen = SimulateColorVision(primaries[column], p.vision);
            const int channels[] = {seen.red, seen.green, seen.blue};
            for (int row = 0; row < 3; ++row) {
                SCOPED_TRACE(testing::Message() << static_cast<int>(p.vision) << " row " << row
                                                << " column " << column);
                EXPECT_NEAR(LinearFromChannel(channels[row]),
                            std::clamp(p.matrix[row][column], 0.0, 1.0), 0.0055);
            }
        }
    }
}

// Worked by hand: linearise, multiply, encode, round.
TEST(ColorVision, PixelsWorkedByHand)
{
    struct Case
    {
        ColorVision vision;
        Color color, seen;
    };
    const Case cases[] = {
        {ColorVision::Normal, {18, 171, 255}, {18, 171, 255}},
        {ColorVision::Protan, {255, 128, 0}, {166, 145, 0}},
        {ColorVision::Deutan, {18, 171, 255}, {99, 154, 253}},
        {ColorVision::Tritan, {0x87, 0xCE, 0xEB}, {93, 215, 215}},
        {ColorVision::Achromat, {255, 0, 0}, {127, 127, 127}},
        {ColorVision::Protan, {255, 255, 255}, {255, 255, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.vision) << " " << c.color.red << ","
                                        << c.color.green << "," << c.color.blue);
        EXPECT_EQ(SimulateColorVision(c.color, c.vision), c.seen);
    }
}

TEST(ColorVision, NoteGivesTheRatioOfTheSimulatedPair)
{
    const Color sky{0x87, 0xCE, 0xEB}, grey{0x72, 0x71, 0x71}; // 2.79:1 as it stands
    EXPECT_EQ(SimulatedRatioNote(sky, grey, ColorVision::Normal), "");
    EXPECT_EQ(SimulatedRatioNote(sky, grey, ColorVision::Deutan), "　2型 2.67:1");
    EXPECT_EQ(SimulatedRatioNote(sky, grey, ColorVision::Achromat), "　1色覚 2.80:1");
    // Red on dark green, 1.28:1 as it stands: with the hues gone, lightness alone tells them apart.
    EXPECT_EQ(SimulatedRatioNote({255, 0, 0}, {0, 128, 0}, ColorVision::Deutan), "　2型 1.70:1");
    EXPECT_EQ(PairReadout(sky, grey, ColorVision::Deutan),
              ContrastSummary(sky, grey) + "　2型 2.67:1");
}

} // namespace
