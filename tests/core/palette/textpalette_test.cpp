#include "core/palette/textpalette.h"
#include "support/palettetest.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(TextPalette, AColourALineInAnyFormAPasteTakesItsNameAfterIt)
{
    const struct
    {
        const char* line;
        std::vector<PaletteColor> colors; // none for a line without a colour
    } cases[] = {
        {"#1e3a5f Harbour blue", {{{30, 58, 95}, "Harbour blue"}}},
        {"  255, 244, 214   Sand  ", {{{255, 244, 214}, "Sand"}}},
        {"rgb(46 139 87) sea green", {{{46, 139, 87}, "sea green"}}},
        {"oklch(0.5 0 0)", {{{99, 99, 99}, "636363"}}},
        {"navy", {{{0, 0, 128}, "000080"}}},
        {"2E8B57\tbare hex", {{{46, 139, 87}, "bare hex"}}},
        {"255 128 0 orange", {{{255, 128, 0}, "orange"}}},
        {"background: #1e3a5f;", {{{30, 58, 95}, "1e3a5f"}}},
        {"color: red", {{{255, 0, 0}, "ff0000"}}},
        {"#ff000080 over white", {{{255, 127, 127}, "over white"}}},
        {"Colours of the harbour site", {}},
        {"// #123456 is no colour after a comment mark", {}},
        {"255,128", {}},
    };
    for (const auto& c : cases) {
        const PaletteRead read = ReadTextPalette(c.line);
        EXPECT_EQ(read.palette.colors, c.colors) << c.line;
        EXPECT_EQ(read.problem, c.colors.empty() ? PaletteProblem::NoColor : PaletteProblem::None)
            << c.line;
    }
}

} // namespace
