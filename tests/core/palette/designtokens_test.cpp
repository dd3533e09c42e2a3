#include "core/palette/designtokens.h"
#include "support/palettetest.h"

#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

TEST(DesignTokens, ColourTokensByTheirPathTypesAndAliases)
{
    const PaletteRead read = ReadDesignTokens(PaletteDataText("tokens.json"));
    ASSERT_EQ(read.problem, PaletteProblem::None);
    EXPECT_EQ(read.palette.colors, (std::vector<PaletteColor>{
                                       {{30, 58, 95}, "color.brand.blue"},
                                       {{255, 244, 214}, "color.brand.sand"},
                                       {{30, 58, 95}, "color.link"},
                                       {{158, 158, 158}, "color.muted"},
                                   }));
}

TEST(DesignTokens, ValuesOfEveryKind)
{
    const struct
    {
        const char* json;
        std::vector<PaletteColor> colors;
    } cases[] = {
        {R"j({"a": {"$type": "color", "$value": "rgb(1 2 3)"}})j", {{{1, 2, 3}, "a"}}},
        {R"j({"a": {"$value": "#ff000080"}})j", {{{255, 127, 127}, "a"}}},
        {R"j({"a": {"$value": {"colorSpace": "srgb", "components": [1, 0, 0], "alpha": 0.5}}})j",
         {{{255, 128, 128}, "a"}}},
        {R"j({"a": {"$value": {"colorSpace": "display-p3", "components": [0, 1, 0]}}})j",
         {{{0, 251, 41}, "a"}}},
        {R"j({"a": {"$value": {"colorSpace": "hsl", "components": ["none", 0, 50]}}})j",
         {{{128, 128, 128}, "a"}}},
        {R"j({"$a\"b": {"$value": "red"}, "x": {"$value": "12px"}})j", {{{255, 0, 0}, "$a\"b"}}},
        {R"j({"g": {"$type": "dimension", "a": {"$value": "red"}, "b": {"$type": "color", "$value": "red"}}})j",
         {{{255, 0, 0}, "g.b"}}},
        {R"j({"a": {"$value": "{b}"}, "b": {"$value": "{c}"}, "c": {"$value": "navy"}})j",
         {{{0, 0, 128}, "a"}, {{0, 0, 128}, "b"}, {{0, 0, 128}, "c"}}},
        {R"j({"$value": {"$value": "red"}, "$type": {"$type": "color", "$value": "navy"}})j",
         {{{255, 0, 0}, "$value"}, {{0, 0, 128}, "$type"}}},
        {R"j({"a": {"$value": "{a}"}, "b": {"$value": "\u0074an"}})j", {{{210, 180, 140}, "b"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDesignTokens(c.json).palette.colors, c.colors) << c.json;
}

TEST(DesignTokens, NoJsonNoPalette)
{
    const std::string deep = std::string(100, '[') + std::string(100, ']');
    for (const std::string& text :
         {std::string("{\"a\": {\"$value\": \"red\"}"), std::string("{\"a\": 1,}"),
          std::string("[{\"a\": {\"$value\": \"red\"}}]"), std::string("{\"a\": \"\\x\"}"),
          std::string("{\"a\": 01}"), std::string("{\"$value\": \"\0\"}", 15), std::string("{} {}"),
          "{\"a\": " + deep + "}"})
        EXPECT_EQ(ReadDesignTokens(text).problem, PaletteProblem::Unreadable) << text;
    EXPECT_EQ(ReadDesignTokens(R"j({"a": {"$value": "12px"}})j").problem, PaletteProblem::NoColor);
}

} // namespace
