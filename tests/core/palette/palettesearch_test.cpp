#include "core/palette/palettesearch.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(PaletteSearch, PartOfANameOrValueInAnyCase)
{
    const Palette palette{"p",
                          0,
                          {{{0x46, 0x82, 0xB4}, "steelblue"},
                           {{0xB0, 0xC4, 0xDE}, "LightSteelBlue"},
                           {{0x1E, 0x3A, 0x5F}, "藤色"},
                           {{0xFF, 0xFF, 0xFF}, "white"}}};
    const PaletteSearch search(palette);
    const struct
    {
        const char* query;
        std::vector<int> found;
    } cases[] = {
        {"", {0, 1, 2, 3}}, {"  ", {0, 1, 2, 3}}, {"steel", {0, 1}}, {"STEELB", {0, 1}},
        {"#1E3A", {2}},     {"b4", {0}},          {"藤", {2}},       {" white ", {3}},
        {"blue #4", {}},    {"zzz", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(search.Matching(c.query), c.found) << c.query;
}

} // namespace
