#include "collections/builtinpalettes.h"
#include "collections/regslots.h"
#include "support/palettetest.h"
#include "support/settingsfiletest.h"

#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

using BuiltInPalettesTest = SettingsFileTest;

TEST_F(BuiltInPalettesTest, RegisteredColoursOfBothSidesAsTheFileHoldsThem)
{
    EXPECT_TRUE(RegisteredColorsPalette(m_path).colors.empty());
    RegisterSlot(m_path, ColorTarget::Background, 30, 58, 95);
    RegisterSlot(m_path, ColorTarget::Background, 1, 2, 3);
    DeleteSlot(m_path, ColorTarget::Background, 1);
    RegisterSlot(m_path, ColorTarget::Text, 300, -4, 7);
    EXPECT_EQ(RegisteredColorsPalette(m_path).colors,
              (std::vector<PaletteColor>{{{1, 2, 3}, "背景色2"}, {{255, 0, 7}, "文字色1"}}));
}

TEST(BuiltInPalettes, NamedColoursAndHistoryColoursNewestFirstEachOnce)
{
    const ColorPair history[] = {
        {{255, 255, 255}, {0, 0, 0}}, {{30, 58, 95}, {255, 255, 255}}, {{0, 0, 0}, {30, 58, 95}}};
    EXPECT_EQ(NamedColorsPalette().colors[147], (PaletteColor{{154, 205, 50}, "yellowgreen"}));
    EXPECT_EQ(HistoryColorsPalette(history).colors,
              (std::vector<PaletteColor>{{{255, 255, 255}, "背景色1"},
                                         {{0, 0, 0}, "文字色1"},
                                         {{30, 58, 95}, "背景色2"}}));
}

} // namespace
