#include "app/contrastlinelabel.h"
#include "platform/colorbutton.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

constexpr int DesignClientHeight = 164; // 109 dialog units
constexpr int LineHeight = 15;

using ContrastLineTest = PairViewFixture;

TEST_F(ContrastLineTest, LineReadsThePairAfterEveryChange)
{
    Open("[FLG]\nCONTRASTLINE=1\n");
    EXPECT_TRUE(Checked(ID_CONTRAST_LINE));
    EXPECT_EQ(LineText(), "21.00:1　AA ○　AAA ○　Lc 106");
    WhenModal([](QWidget* dlg) {
        auto& palette = *qobject_cast<TemplateDialog*>(dlg);
        QTest::mouseClick(ControlOf<ColorButton>(palette, 1003), Qt::LeftButton); // 赤
        ControlOf<QPushButton>(palette, IDOK)->click();
    });
    Command(ID_FG_PALETTE);
    EXPECT_EQ(LineText(), "4.00:1　AA ×　AAA ×　Lc 64");
    EXPECT_EQ(Line()->toolTip().toStdString(),
              "コントラスト比 4.00:1　AA ×　AAA ×（大きな文字 AA ○　AAA ×）　APCA Lc 64");
    m_dlg->ApplyColorText(ColorTarget::Text, "#767676"); // typed with Enter
    EXPECT_EQ(LineText(), "4.54:1　AA ○　AAA ×　Lc 72");
}

TEST_F(ContrastLineTest, WindowIsOneLineTallerOnlyWithTheLine)
{
    CColorPickDlg& dlg = Open();
    const QSize design = dlg.size();
    const QImage designImage = Client();
    EXPECT_EQ(dlg.Client()->height(), DesignClientHeight);
    EXPECT_FALSE(Line()->isVisible());

    Command(ID_CONTRAST_LINE);
    EXPECT_TRUE(Checked(ID_CONTRAST_LINE));
    EXPECT_EQ(dlg.size(), design + QSize(0, LineHeight));
    EXPECT_TRUE(Line()->isVisible());
    EXPECT_GT(Line()->y(), ControlOf<ScrollBar>(dlg, IDC_BG_BLUE)->geometry().bottom());

    Command(ID_CONTRAST_LINE);
    EXPECT_FALSE(Checked(ID_CONTRAST_LINE));
    EXPECT_EQ(dlg.size(), design);
    EXPECT_EQ(Client(), designImage);
}

// The window is centred at the size it opens with; only 1 turns the line on.
TEST_F(ContrastLineTest, StartsWithTheLineOnlyWhenTheFileSaysOne)
{
    const std::pair<const char*, bool> cases[] = {{"[FLG]\nCONTRASTLINE=1\n", true},
                                                  {"[FLG]\nCONTRASTLINE=2\n", false},
                                                  {"[FLG]\nCONTRASTLINE=on\n", false},
                                                  {"[FLG]\nTOPMOST=0\n", false}};
    for (const auto& [settings, shown] : cases) {
        SCOPED_TRACE(settings);
        CColorPickDlg& dlg = Open(settings);
        EXPECT_EQ(dlg.Client()->height(), DesignClientHeight + (shown ? LineHeight : 0));
        EXPECT_EQ(Line()->isVisible(), shown);
        const QPoint offset = dlg.frameGeometry().center() -
                              QGuiApplication::primaryScreen()->availableGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 8);
    }
}

// Written when it changes, and gone again with the line: a file the user never changed it in
// keeps what it had.
TEST_F(ContrastLineTest, KeyIsWrittenOnlyWhenChanged)
{
    Open();
    Command(ID_CONTRAST_LINE);
    m_dlg->move(40, 30);
    m_dlg->close();
    EXPECT_EQ(ReadSettings(), "[FLG]\nCONTRASTLINE=1\nTOPMOST=0\nRGB=3\nPREVIEW=0\n"
                              "[POSITION]\nX=40\nY=30\n[PREVIEW]\nSTRING=[TESSUVO]\n");
    Open("[FLG]\nCONTRASTLINE=7\n");
    m_dlg->close();
    EXPECT_NE(ReadSettings().find("CONTRASTLINE=7\n"), std::string::npos);
    Open();
    Command(ID_CONTRAST_LINE);
    Command(ID_CONTRAST_LINE);
    m_dlg->close();
    EXPECT_EQ(ReadSettings().find("CONTRASTLINE"), std::string::npos);
}

} // namespace
