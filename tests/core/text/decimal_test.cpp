#include "core/text/decimal.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(AppendDecimal, FixedOrShortestNeverMinusZero)
{
    struct Case
    {
        double value;
        int decimals;
        TrailingZeros zeros;
        const char* text;
    };
    const Case cases[] = {
        {4.4994, 2, TrailingZeros::Keep, "4.50"}, {21, 2, TrailingZeros::Keep, "21.00"},
        {-0.4, 0, TrailingZeros::Keep, "0"},      {-0.004, 2, TrailingZeros::Keep, "0.00"},
        {-71.6, 0, TrailingZeros::Keep, "-72"},   {53.5, 3, TrailingZeros::Drop, "53.5"},
        {100, 3, TrailingZeros::Drop, "100"},     {-0.0001, 3, TrailingZeros::Drop, "0"},
        {0.07, 6, TrailingZeros::Drop, "0.07"},
    };
    for (const Case& c : cases) {
        std::string out = "x";
        AppendDecimal(out, c.value, c.decimals, c.zeros);
        EXPECT_EQ(out, std::string("x") + c.text) << c.value;
    }
}

} // namespace
