#include "core/color/hex.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(Hex, ReadsCssDigitsInEitherCase)
{
    struct Case
    {
        const char* digits;
        std::optional<Color> color;
        int alpha;
    };
    const Case cases[] = {
        {"1e3A5f", Color{30, 58, 95}, 255},
        {"abc", Color{170, 187, 204}, 255},
        {"f008", Color{255, 0, 0}, 136},
        {"1E3A5F80", Color{30, 58, 95}, 128},
        {"12345", std::nullopt, 0},
        {"12345g", std::nullopt, 0},
        {"", std::nullopt, 0},
        {"+1e3a5", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const auto read = ReadHexDigits(c.digits);
        EXPECT_EQ(read ? std::optional(read->color) : std::nullopt, c.color) << c.digits;
        EXPECT_EQ(read ? read->alpha : 0, c.alpha) << c.digits;
    }
}

// A settings value is read exactly or not at all.
TEST(Hex, HexCodeIsSevenCharactersExactly)
{
    EXPECT_EQ(ParseHexCode("#87ceEB"), (Color{135, 206, 235}));
    for (const char* text : {"87CEEB", "#87CEE", "#87CEEB ", "#abc", " #87CEEB", "#87CEEG"})
        EXPECT_EQ(ParseHexCode(text), std::nullopt) << text;
}

TEST(Hex, WritesTwoDigitsAChannel)
{
    EXPECT_EQ(HexCode({1, 171, 255}), "#01ABFF");
    EXPECT_EQ(CssColor({1, 171, 255}), "#01abff");
    std::string digits = "x";
    AppendHexDigits(digits, {0, 10, 160}, LetterCase::Upper);
    EXPECT_EQ(digits, "x000AA0");
}

} // namespace
