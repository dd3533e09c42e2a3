#include "app/additionoptionsmenu.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

constexpr ColorPair Sky{{0x87, 0xCE, 0xEB}, {0x1F, 0x4E, 0x9C}};

using AdditionOptionsTest = MainWindowFixture;

TEST_F(AdditionOptionsTest, OptionsOfTheAdditionsOutliveEscape)
{
    Open();
    for (const int command : {ID_OUTPUT_CSS, ID_PICK_AREA_3, ID_CONTRAST_LINE, ID_KEEP_COLORS})
        Command(command);
    m_dlg->ApplyColorText(ColorTarget::Background, "#87CEEB");
    QTest::keyClick(ControlOf<QPushButton>(*m_dlg, IDC_BG_COPY), Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(ReadSettings(), "[FLG]\nOUTPUT=1\nPICKAREA=3\nCONTRASTLINE=1\nKEEPCOLORS=1\n"
                              "BGCOLOR=#87CEEB\nFGCOLOR=#000000\n");
}

TEST_F(AdditionOptionsTest, KeptPairComesBackAndGoesWithTheOption)
{
    Open();
    SetColors("#87CEEB", "#1F4E9C");
    Command(ID_KEEP_COLORS);
    m_dlg->close();
    EXPECT_EQ(ReadSettings().find("[FLG]\nKEEPCOLORS=1\nBGCOLOR=#87CEEB\nFGCOLOR=#1F4E9C\n"
                                  "TOPMOST=0\n"),
              0u);
    Open();
    EXPECT_EQ(Pair(), Sky);
    EXPECT_TRUE(Checked(ID_KEEP_COLORS));
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#1F4E9C");

    Command(ID_KEEP_COLORS);
    m_dlg->close();
    EXPECT_EQ(ReadSettings().find("COLOR"), std::string::npos);
    Open();
    EXPECT_EQ(Pair(), DefaultPair);
    EXPECT_FALSE(Checked(ID_KEEP_COLORS));

    // Hand-edited: each colour on its own, and only 1 turns the option on.
    Open("[FLG]\nKEEPCOLORS=1\nBGCOLOR=white\nFGCOLOR=#87ceeb\n");
    EXPECT_EQ(Pair(), (ColorPair{DefaultPair.background, Sky.background}));
    Open("[FLG]\nKEEPCOLORS=2\nBGCOLOR=#87CEEB\n");
    EXPECT_EQ(Pair(), DefaultPair);
    EXPECT_FALSE(Checked(ID_KEEP_COLORS));
}

} // namespace
