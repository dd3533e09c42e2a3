#include "app/colorpickdlg.h"
#include "app/contrastlinelabel.h"
#include "platform/colorbutton.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

const QPoint OnBand(100, 16);
constexpr int DesignClientHeight = 164; // 109 dialog units
constexpr int LineHeight = 15;

class PairViewTest : public MainWindowFixture
{
protected:
    CColorPickDlg& Open(const std::string& settings = {})
    {
        MainWindowFixture::Open(settings);
        // No blinking caret in the pictures compared.
        if (QWidget* focus = m_dlg->focusWidget())
            focus->clearFocus();
        return *m_dlg;
    }

    ContrastLineLabel* Line() const { return m_dlg->findChild<ContrastLineLabel*>(); }
    std::string LineText() const { return Line()->text().toStdString(); }
    QImage Client() const { return m_dlg->Client()->grab().toImage(); }

    // Opens the band's context menu and hands it to `use`, which triggers an item or leaves
    // the menu to be closed.
    void WithBandMenu(const std::function<void(QMenu&)>& use) const { WithMenuAt(OnBand, use); }

    void Simulate(const char* item) const
    {
        WithBandMenu([item](QMenu& menu) {
            if (QAction* sub = Item(menu, "色覚シミュレーション(&S)"))
                Item(*sub->menu(), item)->trigger();
        });
    }
};

TEST_F(PairViewTest, LineReadsThePairAfterEveryChange)
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

TEST_F(PairViewTest, WindowIsOneLineTallerOnlyWithTheLine)
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
TEST_F(PairViewTest, StartsWithTheLineOnlyWhenTheFileSaysOne)
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
TEST_F(PairViewTest, KeyIsWrittenOnlyWhenChanged)
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

TEST_F(PairViewTest, SwapTradesTheColoursThroughTheBars)
{
    Open();
    m_dlg->ApplyColorText(ColorTarget::Background, "#12ABEF");
    m_dlg->ApplyColorText(ColorTarget::Text, "#FF8000");
    Command(ID_SWAP_COLORS);
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_BG_RED)->GetScrollPos(), 255);
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_FG_BLUE)->GetScrollPos(), 0xEF);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FF8000");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#12ABEF");
    EXPECT_EQ(Client().pixelColor(255, 30), QColor(255, 128, 0)); // the band, beside the text

    WithBandMenu([](QMenu& menu) { Item(menu, "背景色と文字色を入れ替える(&W)")->trigger(); });
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{0x12, 0xAB, 0xEF}));
    EXPECT_EQ(m_dlg->TextColor(), (Color{255, 128, 0}));
}

// Red on sky blue in halves; 1型 pixels worked by hand from the published matrix.
TEST_F(PairViewTest, SimulationRedrawsTheBandAloneAndReadsTheSimulatedPair)
{
    Open("[FLG]\nCONTRASTLINE=1\nPREVIEW=1\n");
    m_dlg->ApplyColorText(ColorTarget::Background, "#FF0000");
    m_dlg->ApplyColorText(ColorTarget::Text, "#87CEEB");
    const QImage normal = Client();

    Simulate("1型（P型）(&P)");
    const QImage seen = Client();
    EXPECT_EQ(seen.pixelColor(100, 28), QColor(109, 95, 0));
    EXPECT_EQ(seen.pixelColor(200, 16), QColor(190, 203, 237));
    EXPECT_EQ(seen.pixelColor(11, 3), QColor(Qt::black)); // the mark's frame
    const QRect belowBand(0, 40, seen.width(), Line()->y() - 40);
    EXPECT_EQ(seen.copy(belowBand), normal.copy(belowBand));
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FF0000");
    EXPECT_EQ(LineText(), "2.30:1　AA ×　AAA ×　Lc -33　1型 3.94:1");
    WithBandMenu([](QMenu& menu) {
        EXPECT_EQ(menu.actions().value(0)->text().toStdString(),
                  "コントラスト比 2.30:1　AA ×　AAA ×（大きな文字 AA ×　AAA ×）　APCA Lc -33"
                  "　1型 3.94:1");
    });

    Simulate("なし(&N)");
    EXPECT_EQ(Client(), normal);
    EXPECT_EQ(LineText(), "2.30:1　AA ×　AAA ×　Lc -33");
}

TEST_F(PairViewTest, MenuItemsComeAfterTheDesignsOwn)
{
    Open();
    const std::tuple<int, int, const char*> items[] = {
        {ID_CONTRAST_LINE, ID_TOPMOST, "コントラストを表示(&R)"},
        {ID_SWAP_COLORS, ID_GRADATION_TAG, "背景色と文字色を入れ替える(&W)"}};
    for (const auto& [command, designLast, text] : items) {
        QAction* item = m_dlg->GetMenu()->Command(command);
        EXPECT_EQ(item->text().toStdString(), text);
        const auto menu = qobject_cast<QMenu*>(item->associatedObjects().value(0))->actions();
        EXPECT_GT(menu.indexOf(item), menu.indexOf(m_dlg->GetMenu()->Command(designLast)));
    }

    WithBandMenu([](QMenu& menu) {
        QStringList texts, marked;
        for (QAction* action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        EXPECT_EQ(texts.mid(texts.indexOf(QString::fromUtf8("CSSとしてコピー")) + 1, 3),
                  (QStringList{"-", QString::fromUtf8("背景色と文字色を入れ替える(&W)"),
                               QString::fromUtf8("色覚シミュレーション(&S)")}));
        texts.clear();
        for (QAction* action : Item(menu, "色覚シミュレーション(&S)")->menu()->actions()) {
            texts << action->text();
            if (action->isChecked())
                marked << action->text();
        }
        EXPECT_EQ(texts.join(' ').toStdString(),
                  "なし(&N) 1型（P型）(&P) 2型（D型）(&D) 3型（T型）(&T) 1色覚(&A)");
        EXPECT_EQ(marked, QStringList{QString::fromUtf8("なし(&N)")});
    });
}

} // namespace
