#include "core/color/hex.h"
#include "tags/gradation.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

const Color White{255, 255, 255};
const Color Black{0, 0, 0};
const Color Red{255, 0, 0};
const Color Blue{0, 0, 255};

std::vector<std::string> Hex(const Gradation& g)
{
    std::vector<std::string> colors;
    for (const auto& piece : g.pieces)
        colors.push_back(CssColor(piece.color).substr(1));
    return colors;
}

std::vector<std::string> Texts(const Gradation& g)
{
    std::vector<std::string> texts;
    for (const auto& piece : g.pieces)
        texts.push_back(piece.text);
    return texts;
}

struct WorkedExample
{
    const char* text;
    Color start, middle, end;
    std::vector<std::string> colors;
};

TEST(BuildGradationTags, WorkedExamples)
{
    const WorkedExample cases[] = {
        {"abc", White, {127, 127, 127}, Black, {"ffffff", "7f7f7f", "000000"}},
        {"abcdef",
         Red,
         {127, 0, 127},
         Blue,
         {"ff0000", "d5002a", "ab0054", "7f007f", "4000bf", "0100ff"}},
        {"abcd", Black, {127, 127, 127}, White, {"000000", "3f3f3f", "7f7f7f", "ffffff"}},
        {"ab", Red, {127, 0, 127}, Blue, {"ff0000", "0000ff"}},
        {"a", Red, {127, 0, 127}, Blue, {"ff0000"}},
        {"", Red, {127, 0, 127}, Blue, {"ff0000"}},
        // A middle colour outside the run rises to the middle character and falls back.
        {"abcde", Black, White, Black, {"000000", "7f7f7f", "ffffff", "808080", "010101"}},
        {"xyz", {9, 9, 9}, {9, 9, 9}, {9, 9, 9}, {"090909", "090909", "090909"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hex(BuildGradationTags(c.text, c.start, c.middle, c.end)), c.colors) << c.text;
}

TEST(MiddleColor, AverageWithTheRemaindersDropped)
{
    EXPECT_EQ(MiddleColor(White, Black), (Color{127, 127, 127}));
    EXPECT_EQ(MiddleColor({0xAB, 0xCD, 0xEF}, Black), (Color{0x55, 0x66, 0x77}));
    EXPECT_EQ(MiddleColor(Red, Blue), (Color{127, 0, 127}));
}

TEST(BuildGradationTags, TagText)
{
    EXPECT_EQ(BuildGradationTags("abc", White, {127, 127, 127}, Black).tags,
              R"(<FONT COLOR="#ffffff">a</FONT><FONT COLOR="#7f7f7f">b</FONT>)"
              R"(<FONT COLOR="#000000">c</FONT>)");
    EXPECT_EQ(BuildGradationTags("", Red, Black, Blue).tags, R"(<FONT COLOR="#ff0000"></FONT>)");
    EXPECT_EQ(BuildGradationTags("< &", Black, Black, Black).tags,
              R"(<FONT COLOR="#000000"><</FONT><FONT COLOR="#000000"> </FONT>)"
              R"(<FONT COLOR="#000000">&</FONT>)");
}

TEST(BuildGradationTags, ThirtyCharactersStepByFifteenThenFourteen)
{
    const auto g = BuildGradationTags(std::string(30, 'x'), Black, {150, 0, 0}, {10, 0, 0});
    ASSERT_EQ(g.pieces.size(), 30u);
    EXPECT_EQ(g.pieces[14].color.red, 140); // 14 steps of 150/15
    EXPECT_EQ(g.pieces[15].color.red, 150); // the middle character
    EXPECT_EQ(g.pieces[29].color.red, 10);  // 14 steps of 140/14
}

TEST(SplitCharacters, CodePage932)
{
    // Two double-byte characters, half-width katakana, a trailing lead byte, bytes of no rule.
    EXPECT_EQ(SplitCharacters("\x94\x77\x8C\x69", CodePage::Cp932),
              (std::vector<std::size_t>{2, 2}));
    EXPECT_EQ(SplitCharacters("\xBA\xCB\xDF", CodePage::Cp932),
              (std::vector<std::size_t>{1, 1, 1}));
    EXPECT_EQ(SplitCharacters("a\xE0", CodePage::Cp932), (std::vector<std::size_t>{1, 1}));
    EXPECT_EQ(SplitCharacters("\x80\xA0\xFD\xFF", CodePage::Cp932),
              (std::vector<std::size_t>{1, 1, 1, 1}));
    EXPECT_EQ(SplitCharacters("\xFC\x40z", CodePage::Cp932), (std::vector<std::size_t>{2, 1}));
}

TEST(SplitCharacters, Utf8)
{
    EXPECT_EQ(SplitCharacters("aて\xFFｺ", CodePage::Utf8), (std::vector<std::size_t>{1, 3, 1, 3}));
}

TEST(BuildGradationTags, DoubleByteCharactersStayWhole)
{
    const std::string one = "\x94\x77";
    EXPECT_EQ(Texts(BuildGradationTags(one, Red, Black, Blue, CodePage::Cp932)),
              std::vector<std::string>{one});
    const auto two = BuildGradationTags("\x94\x77\x8C\x69", Red, Black, Blue, CodePage::Cp932);
    EXPECT_EQ(Texts(two), (std::vector<std::string>{"\x94\x77", "\x8C\x69"}));
    EXPECT_EQ(Hex(two), (std::vector<std::string>{"ff0000", "0000ff"}));
    EXPECT_EQ(Texts(BuildGradationTags("a\x94", Red, Black, Blue, CodePage::Cp932)),
              (std::vector<std::string>{"a", "\x94"}));
    EXPECT_EQ(Texts(BuildGradationTags("背景色", Red, Black, Blue)),
              (std::vector<std::string>{"背", "景", "色"}));
}

} // namespace
