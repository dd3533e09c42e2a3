#include "core/textbox/codepage.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(Cp932Length, CountsOneForAsciiAndHalfWidthKatakanaTwoForTheRest)
{
    EXPECT_EQ(Cp932Length(""), 0u);
    EXPECT_EQ(Cp932Length("[TESSUVO]"), 9u);
    EXPECT_EQ(Cp932Length("ｺﾋﾟｰ"), 4u);
    EXPECT_EQ(Cp932Length("背景色"), 6u);
    EXPECT_EQ(Cp932Length("[TESSUVO]てっすぼ"), 17u);
    EXPECT_EQ(Cp932Length("ＭＳ Ｐ"), 7u);
    EXPECT_EQ(Cp932Length("\xFF"), 1u); // a stray byte stands for itself
    EXPECT_EQ(Cp932Length("a\nあ"), 4u);
    EXPECT_EQ(Cp932Length("a\nあ", LineBreak::CrLf), 5u);
}

TEST(Cp932Prefix, NeverCutsACharacter)
{
    const std::string text = "ab背景";
    EXPECT_EQ(Cp932Prefix(text, 0), 0u);
    EXPECT_EQ(Cp932Prefix(text, 3), 2u);
    EXPECT_EQ(Cp932Prefix(text, 4), 5u);
    EXPECT_EQ(Cp932Prefix(text, 100), text.size());
    EXPECT_EQ(Cp932Prefix("a\n\nb", 4, LineBreak::CrLf), 2u); // never half a CR LF
    EXPECT_EQ(Cp932Prefix("a\n\nb", 5, LineBreak::CrLf), 3u);
}

TEST(Cp932ToUtf8, ReadsShiftJis)
{
    std::string utf8;
    ASSERT_TRUE(Cp932ToUtf8("\x94\x77\x8C\x69\x90\x46 \xBA\xCB\xDF\xB0", utf8));
    EXPECT_EQ(utf8, "背景色 ｺﾋﾟｰ");
    EXPECT_FALSE(IsValidUtf8("\x94\x77\x8C\x69"));
    EXPECT_TRUE(IsValidUtf8(utf8));
}

} // namespace
