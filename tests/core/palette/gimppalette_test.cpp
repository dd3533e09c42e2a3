#include "core/palette/gimppalette.h"
#include "support/palettetest.h"

#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

// As GIMP writes a palette: header, name, columns, "#", "%3d %3d %3d\tname" lines.
TEST(GimpPalette, ReadsAPaletteAsGimpWritesIt)
{
    const PaletteRead read = ReadGimpPalette(PaletteDataText("harbour.gpl"));
    ASSERT_EQ(read.problem, PaletteProblem::None);
    EXPECT_EQ(read.palette.name, "Harbour Site");
    EXPECT_EQ(read.palette.columns, 4);
    EXPECT_EQ(read.palette.colors, (std::vector<PaletteColor>{
                                       {{30, 58, 95}, "Harbour Blue"},
                                       {{255, 244, 214}, "Sand"},
                                       {{46, 139, 87}, "Sea Green"},
                                       {{255, 255, 255}, "White"},
                                       {{0, 0, 0}, "Untitled"},
                                       {{221, 160, 221}, "藤色"},
                                   }));
    std::string written = PaletteDataText("harbour.gpl");
    const std::size_t comment = written.find("#  a comment");
    written.erase(comment, written.find('\n', comment) + 1 - comment); // not kept
    EXPECT_EQ(WriteGimpPalette(read.palette), written);
}

TEST(GimpPalette, LinesOfOtherToolsAndHandEdits)
{
    const struct
    {
        const char* text;
        std::vector<PaletteColor> colors;
    } cases[] = {
        {"GIMP Palette\r\nName: crlf\r\n1 2 3 a\r\n", {{{1, 2, 3}, "a"}}},
        {"\xEF\xBB\xBFGIMP Palette\n4 5 6\n", {{{4, 5, 6}, "040506"}}},
        {"GIMP Palette\n300 -4 +7 clamped\n", {{{255, 0, 7}, "clamped"}}},
        {"GIMP Palette\n1 2\nx 1 2 3\n1 2 3x\n  9\t8\t7\ttabs\n", {{{9, 8, 7}, "tabs"}}},
        {"GIMP Palette\n#1 2 3 comment\n\n1 1 1 one\n", {{{1, 1, 1}, "one"}}},
    };
    for (const auto& c : cases) {
        const PaletteRead read = ReadGimpPalette(c.text);
        EXPECT_EQ(read.palette.colors, c.colors) << c.text;
    }
    EXPECT_EQ(ReadGimpPalette("Name: no header\n1 2 3 a\n").problem, PaletteProblem::Unreadable);
    EXPECT_EQ(ReadGimpPalette("GIMP Palette\nName: empty\n").problem, PaletteProblem::NoColor);
}

} // namespace
