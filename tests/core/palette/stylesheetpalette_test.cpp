#include "core/palette/stylesheetpalette.h"
#include "support/palettetest.h"

#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

// Custom properties, nested rules and comments, as a site's style sheet has them.
TEST(StyleSheetPalette, ASiteStyleSheet)
{
    const PaletteRead read = ReadStyleSheetPalette(PaletteDataText("site.css"));
    ASSERT_EQ(read.problem, PaletteProblem::None);
    EXPECT_EQ(read.palette.colors, (std::vector<PaletteColor>{
                                       {{30, 58, 95}, "brand-blue"},
                                       {{255, 244, 214}, "brand-sand"},
                                       {{46, 138, 86}, "accent"},
                                       {{34, 34, 34}, "body color"},
                                       {{143, 157, 175}, ".card border"},
                                       {{0, 0, 128}, ".card:hover background"},
                                       {{255, 99, 71}, ".card .title color"},
                                       {{0, 0, 0}, "body background-color"},
                                   }));
}

TEST(StyleSheetPalette, DeclarationsOfEveryDialect)
{
    const struct
    {
        const char* text;
        std::vector<PaletteColor> colors;
    } cases[] = {
        {"$brand: #1e3a5f; // $muted: #fff;\n@accent: tomato;",
         {{{30, 58, 95}, "brand"}, {{255, 99, 71}, "accent"}}},
        {"a { background: linear-gradient(to right, #fff, rgb(0 0 0 / 50%)) }",
         {{{255, 255, 255}, "a background"}, {{128, 128, 128}, "a background 2"}}},
        {"a { color: var(--ink, navy); border-color: transparent currentcolor }",
         {{{0, 0, 128}, "a color"}}},
        {"h1, h2 { color: red !important; font-family: Tan, serif }",
         {{{255, 0, 0}, "h1, h2 color"}}},
        {":root { --Butter\\ 1: #fce94f; --\\31 0: #000 }",
         {{{252, 233, 79}, "Butter 1"}, {{0, 0, 0}, "10"}}},
        {"} a { color: red } }} b { color: blue",
         {{{255, 0, 0}, "a color"}, {{0, 0, 255}, "b color"}}},
        {"a { color: #12; b: url(#fff); content: \"#fff\" }", {}},
        {"@media screen { .x { &.y { color: red } } }", {{{255, 0, 0}, ".x.y color"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadStyleSheetPalette(c.text).palette.colors, c.colors) << c.text;
}

TEST(StyleSheetPalette, StyleElementsAndAttributesOfAPage)
{
    const char* page = R"html(<!DOCTYPE html>
<html><head><style>
  body { color: #333 } /* </p> */
</style>
<script>if (a<b && c>d) x = "color: red";</script></head>
<body bgcolor="#ffffff">
<p style="color: navy; background: rgb(255 244 214)">Note: red is a colour; see <b>this</b>.</p>
<div style='border: 1px solid #1e3a5f'></div>
</body></html>)html";
    EXPECT_EQ(ReadStyleSheetPalette(page).palette.colors,
              (std::vector<PaletteColor>{{{51, 51, 51}, "body color"},
                                         {{0, 0, 128}, "p color"},
                                         {{255, 244, 214}, "p background"},
                                         {{30, 58, 95}, "div border"}}));
}

TEST(StyleSheetPalette, DeepNestingIsPassedOver)
{
    const std::string deep = std::string(10000, '{') + "a { color: red }";
    const std::string calls = "a { color: " + std::string(10000, '(') + "red }";
    EXPECT_EQ(ReadStyleSheetPalette(deep).problem, PaletteProblem::NoColor);
    EXPECT_EQ(ReadStyleSheetPalette(calls).problem, PaletteProblem::NoColor);
}

} // namespace
