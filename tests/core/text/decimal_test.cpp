#include "core/text/decimal.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(AppendDecimal, FixedOrShortestNeverMinusZero)
{
    const auto text = [](double value, int decimals, TrailingZeros zeros) {
        std::string out;
        AppendDecimal(out, value, decimals, zeros);
        return out;
    };
    EXPECT_EQ(text(4.4994, 2, TrailingZeros::Keep), "4.50");
    EXPECT_EQ(text(-0.4, 0, TrailingZeros::Keep), "0");
    EXPECT_EQ(text(-0.004, 2, TrailingZeros::Keep), "0.00");
    EXPECT_EQ(text(-71.6, 0, TrailingZeros::Keep), "-72");
    EXPECT_EQ(text(100, 3, TrailingZeros::Drop), "100");
    EXPECT_EQ(text(-0.0001, 3, TrailingZeros::Drop), "0");
    EXPECT_EQ(text(0.0700, 6, TrailingZeros::Drop), "0.07");
}

} // namespace
