#include "core/readability/contrast.h"
#include "core/readability/contrastlevel.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(ContrastLevel, NamedInAnyLetterCase)
{
    EXPECT_EQ(ContrastLevelNamed("aa"), ContrastLevel::AA);
    EXPECT_EQ(ContrastLevelNamed("AAA"), ContrastLevel::AAA);
    EXPECT_EQ(ContrastLevelNamed("Aa-Large"), ContrastLevel::LargeAA);
    EXPECT_EQ(ContrastLevelNamed("aaa-large"), ContrastLevel::LargeAAA);
    for (const char* other : {"", "a", "aaaa", "aa-", "large", "aa large", "aa-large "})
        EXPECT_EQ(ContrastLevelNamed(other), std::nullopt) << other;
}

// Greys on white on either side of each threshold; #777 (4.48:1) and #767676 (4.54:1) are the
// published examples around AA.
TEST(ContrastLevel, ReachedOnTheUnroundedRatio)
{
    struct Case
    {
        int grey;
        bool aa, aaa, largeAa, largeAaa;
    };
    const Case cases[] = {
        {0x77, false, false, true, false}, {0x76, true, false, true, true},
        {0x5A, true, false, true, true},   {0x59, true, true, true, true},
        {0x94, false, false, true, false}, {0x95, false, false, false, false},
    };
    for (const Case& c : cases) {
        const double ratio = ContrastRatio({c.grey, c.grey, c.grey}, {255, 255, 255});
        SCOPED_TRACE(ratio);
        EXPECT_EQ(ReachesLevel(ratio, ContrastLevel::AA), c.aa);
        EXPECT_EQ(ReachesLevel(ratio, ContrastLevel::AAA), c.aaa);
        EXPECT_EQ(ReachesLevel(ratio, ContrastLevel::LargeAA), c.largeAa);
        EXPECT_EQ(ReachesLevel(ratio, ContrastLevel::LargeAAA), c.largeAaa);
    }
}

} // namespace
