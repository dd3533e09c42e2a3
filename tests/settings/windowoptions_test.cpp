#include "settings/windowoptions.h"
#include "support/settingsfiletest.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

class WindowOptionsTest : public test::SettingsFileTest
{
protected:
    WindowOptions Read(const std::string& settings)
    {
        Put(settings);
        WindowOptions options(m_path);
        m_design = options.Read();
        return options;
    }

    DesignOptions m_design;
};

// The additions' keys mean something only as the program writes them; the design's keep the
// design's integer reading, wrapping and leading digits included.
TEST_F(WindowOptionsTest, AdditionsAreReadExactlyTheDesignsAsIntegers)
{
    const struct
    {
        const char* line;
        const keys::OptionKey& option;
        int value;
    } cases[] = {
        {"KEEPCOLORS=1", keys::KeepColors, 1},
        {"KEEPCOLORS=4294967297", keys::KeepColors, 0},
        {"KEEPCOLORS=1junk", keys::KeepColors, 0},
        {"KEEPCOLORS=\"1\"", keys::KeepColors, 1},
        {"OUTPUT=1", keys::Output, 1},
        {"OUTPUT=4294967297", keys::Output, 0},
        {"CONTRASTLINE=01", keys::ContrastLine, 0},
        {"CONTRASTLINE=4294967297", keys::ContrastLine, 0},
        {"PICKAREA=5", keys::PickArea, 5},
        {"PICKAREA=4", keys::PickArea, 1},
        {"PICKAREA=3x", keys::PickArea, 1},
        {"PICKAREA=4294967299", keys::PickArea, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(std::string("[FLG]\n") + c.line + "\n").Get(c.option), c.value) << c.line;
    Read("[FLG]\nTOPMOST=4294967297\nRGB=16junk\n[POSITION]\nX=-40\n");
    EXPECT_EQ(m_design.topMost, 1);
    EXPECT_EQ(m_design.notation, 16);
    EXPECT_EQ(m_design.previewMode, 0);
    EXPECT_EQ(m_design.x, -40);
    EXPECT_EQ(m_design.y, -1);
    EXPECT_EQ(m_design.previewText, "[TESSUVO]");
}

TEST_F(WindowOptionsTest, AnAdditionIsWrittenWhenChangedAndGoesAtItsDefault)
{
    WindowOptions options = Read("[FLG]\nPICKAREA=4\n");
    options.Set(keys::PickArea, 1); // what the 4 means already: nothing to write
    EXPECT_EQ(Contents(), "[FLG]\nPICKAREA=4\n");
    options.Set(keys::PickArea, 5);
    options.Set(keys::Output, 1);
    EXPECT_EQ(Contents(), "[FLG]\nPICKAREA=5\nOUTPUT=1\n");
    options.Set(keys::PickArea, 1);
    EXPECT_EQ(Contents(), "[FLG]\nOUTPUT=1\n");
    EXPECT_EQ(options.Get(keys::PickArea), 1);
}

TEST_F(WindowOptionsTest, ThePairKeptIsWrittenWithItsMarkAndGoesWithIt)
{
    constexpr ColorPair Sky{{0x87, 0xCE, 0xEB}, {0, 0, 0}};
    WindowOptions options = Read("");
    options.WriteKeptPair(Sky); // off: nothing
    EXPECT_EQ(Contents(), "");
    options.SetKeepColors(true, DefaultPair);
    options.WriteKeptPair(Sky);
    EXPECT_EQ(Contents(), "[FLG]\nKEEPCOLORS=1\nBGCOLOR=#87CEEB\nFGCOLOR=#000000\n");
    EXPECT_EQ(Read(Contents()).KeptPair(), Sky);
    options.SetKeepColors(false, Sky);
    EXPECT_EQ(Contents(), "[FLG]\n");
}

} // namespace
