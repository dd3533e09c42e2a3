#include "core/colortext/csscolor.h"
#include "core/colortext/namedcolors.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(NamedColors, TheCssListInItsOrderOneHomeForReaderAndPalette)
{
    const auto list = CssNamedColors();
    ASSERT_EQ(list.size(), 148u);
    EXPECT_EQ(list.front().name, "aliceblue");
    EXPECT_EQ(list.back().name, "yellowgreen");
    for (const NamedColor& named : list) {
        EXPECT_EQ(CssNamedColor(named.name), named.color) << named.name;
        EXPECT_EQ(ReadCssColor(named.name, {}), named.color) << named.name;
    }
}

TEST(NamedColors, NearestByOkLabDistance)
{
    const struct
    {
        Color color;
        const char* note;
    } cases[] = {
        {{0x46, 0x82, 0xB4}, "= steelblue"}, {{0x47, 0x82, 0xB4}, "≈ steelblue"},
        {{0x00, 0xFF, 0xFF}, "= aqua"},    // before "cyan" in the list
        {{0xFF, 0x00, 0xFF}, "= fuchsia"}, // before "magenta"
        {{0x76, 0x76, 0x76}, "≈ gray"},      {{0x1E, 0x3A, 0x5F}, "≈ darkslategray"},
        {{0xFF, 0xF4, 0xD6}, "≈ cornsilk"},  {{0x00, 0x00, 0x01}, "≈ black"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestNameNote(c.color), c.note) << c.note;
    EXPECT_EQ(PairNamesNote({255, 255, 255}, {0x46, 0x82, 0xB5}),
              "背景色 = white　文字色 ≈ steelblue");
}

} // namespace
