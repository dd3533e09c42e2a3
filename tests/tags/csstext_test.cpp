#include "tags/csstext.h"
#include "tags/outputstyle.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(CssText, BodyRuleAndVariablesCarryBothColoursInLowerCase)
{
    EXPECT_EQ(CssBodyRule({255, 255, 255}, {0, 0, 0}),
              "body { background-color: #ffffff; color: #000000; }");
    EXPECT_EQ(CssBodyRule({1, 2, 3}, {171, 205, 239}),
              "body { background-color: #010203; color: #abcdef; }");
    EXPECT_EQ(CssVariables({1, 2, 3}, {171, 205, 239}),
              ":root { --background-color: #010203; --text-color: #abcdef; }");
    EXPECT_EQ(CssPairDeclarations({1, 2, 3}, {171, 205, 239}),
              "color: #abcdef; background-color: #010203;");
}

TEST(CssText, FontSpanCarriesThePreviewTextByteForByteOnlyWhenUseFontIsOne)
{
    const Color red{255, 0, 0};
    EXPECT_EQ(CssFontSpan(red, 1, "[TESSUVO]"), R"(<span style="color: #ff0000">[TESSUVO]</span>)");
    for (int useFont : {0, 2, -1})
        EXPECT_EQ(CssFontSpan(red, useFont, "[TESSUVO]"),
                  R"(<span style="color: #ff0000"></span>)");
    EXPECT_EQ(CssFontSpan({1, 2, 3}, 1, "a&b<c> 100%s \"q\"\n\xff"),
              "<span style=\"color: #010203\">a&b<c> 100%s \"q\"\n\xff</span>");
}

TEST(CssText, GradationSpansHaveTheColoursOfTheFontPieces)
{
    // Start white, end black, middle their average: #ffffff, #7f7f7f, #000000.
    const Gradation abc = BuildGradationTags("abc", {255, 255, 255}, {127, 127, 127}, {0, 0, 0});
    EXPECT_EQ(CssGradationSpans(abc.pieces), R"(<span style="color: #ffffff">a</span>)"
                                             R"(<span style="color: #7f7f7f">b</span>)"
                                             R"(<span style="color: #000000">c</span>)");
    const Gradation kana = BuildGradationTags("てっ", {255, 0, 0}, {0, 0, 0}, {0, 0, 255});
    EXPECT_EQ(CssGradationSpans(kana.pieces), R"(<span style="color: #ff0000">て</span>)"
                                              R"(<span style="color: #0000ff">っ</span>)");
    // The empty text is one empty span in the start colour, as it is one empty FONT tag.
    const Gradation empty = BuildGradationTags("", {1, 2, 3}, {0, 0, 0}, {0, 0, 0});
    EXPECT_EQ(CssGradationSpans(empty.pieces), R"(<span style="color: #010203"></span>)");
}

TEST(CssText, GradientTextRunsThroughTheThreeColours)
{
    EXPECT_EQ(CssGradientText({255, 0, 0}, {127, 0, 127}, {0, 0, 255}, "a<b>"),
              "<span style=\"background: linear-gradient(to right, #ff0000, #7f007f, #0000ff); "
              "-webkit-background-clip: text; background-clip: text; color: transparent;\">"
              "a<b></span>");
}

// Only 1 in the settings file means CSS; a missing key (the default 0) or any other value
// keeps the tags.
TEST(OutputStyle, UnknownSettingsValuesMeanHtmlTags)
{
    for (int value : {0, 2, -1, 0x7fffffff})
        EXPECT_EQ(OutputStyleFromSetting(value), OutputStyle::HtmlTags) << value;
    EXPECT_EQ(OutputStyleFromSetting(1), OutputStyle::Css);
}

} // namespace
