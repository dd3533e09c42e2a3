#include "tags/tagtext.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(BodyTag, LowerCaseTwoDigitComponents)
{
    EXPECT_EQ(BodyTag({255, 255, 255}, {0, 0, 0}), R"(<BODY bgcolor="#ffffff" text="#000000">)");
    EXPECT_EQ(BodyTag({1, 2, 3}, {171, 205, 239}), R"(<BODY bgcolor="#010203" text="#abcdef">)");
}

TEST(FontTag, CarriesThePreviewTextOnlyWhenUseFontIsOne)
{
    const Color red{255, 0, 0};
    EXPECT_EQ(FontTag(red, 0, "[TESSUVO]"), R"(<FONT color="#ff0000"></FONT>)");
    EXPECT_EQ(FontTag(red, 2, "[TESSUVO]"), R"(<FONT color="#ff0000"></FONT>)");
    EXPECT_EQ(FontTag(red, -1, "[TESSUVO]"), R"(<FONT color="#ff0000"></FONT>)");
    EXPECT_EQ(FontTag(red, 1, "[TESSUVO]"), R"(<FONT color="#ff0000">[TESSUVO]</FONT>)");
    EXPECT_EQ(FontTag(red, 1, ""), R"(<FONT color="#ff0000"></FONT>)");
    // The preview text goes in unescaped, a "%" as a plain character.
    EXPECT_EQ(FontTag({1, 2, 3}, 1, "a&b<c> 100%s \"q\""),
              R"(<FONT color="#010203">a&b<c> 100%s "q"</FONT>)");
}

} // namespace
