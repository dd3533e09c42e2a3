#include "dialogs/tags/gradationdlg.h"
#include "platform/colorbutton.h"
#include "platform/dialogfont.h"
#include "platform/editbox.h"
#include "platform/magnifier.h"
#include "platform/pickscreen.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/dialogtest.h"
#include "support/fakeportal.h"
#include "support/usefakepickscreen.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

class GradationDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemoveSettings();
        UseFakePickScreen(m_screen, [](double, double) { return 0x0000FFu; }); // red
    }
    void TearDown() override
    {
        m_dlg.reset();
        SetPickScreenFactory({});
        RemoveSettings();
    }

    // The dialog as the main window opens it with a white background and black text.
    CGradationTagDlg& Open(Color start = {255, 255, 255}, Color end = {0, 0, 0})
    {
        m_dlg = std::make_unique<CGradationTagDlg>(SettingsFile(), nullptr);
        m_dlg->m_start = start;
        m_dlg->m_end = end;
        m_dlg->m_middle = {(start.red + end.red) / 2, (start.green + end.green) / 2,
                           (start.blue + end.blue) / 2};
        m_dlg->show();
        QApplication::processEvents();
        return *m_dlg;
    }

    EditBox* Edit(int id) const { return ControlOf<EditBox>(*m_dlg, id); }
    ScrollBar* Bar(int id) const { return ControlOf<ScrollBar>(*m_dlg, id); }
    Color Bars() const
    {
        return {Bar(IDC_GRAD_RED)->GetScrollPos(), Bar(IDC_GRAD_GREEN)->GetScrollPos(),
                Bar(IDC_GRAD_BLUE)->GetScrollPos()};
    }
    void Press(int id) const { ControlOf<QAbstractButton>(*m_dlg, id)->click(); }
    std::string CopiedTags() const
    {
        QApplication::clipboard()->clear();
        Press(IDC_GRAD_COPY);
        return ClipboardText();
    }
    void SetText(const QString& text) const
    {
        EditBox* edit = Edit(IDC_GRAD_TEXT);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        TypeText(edit, text);
    }
    void TypeColor(const QString& text) const
    {
        EditBox* edit = Edit(IDC_GRAD_COLOR);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QColor Pixel(int x, int y) const { return m_dlg->Client()->grab().toImage().pixelColor(x, y); }
    void Mouse(QEvent::Type type, Qt::MouseButton button) const
    {
        const QPointF global(40, 40);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, m_dlg->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        QApplication::sendEvent(m_dlg.get(), &event);
    }

    std::unique_ptr<CGradationTagDlg> m_dlg;
    FakePickScreen* m_screen = nullptr;
};

TEST_F(GradationDialogTest, OpensWithTheDefaultTextAndItsTags)
{
    Open();
    EXPECT_EQ("[TESSUVO]てっすぼ", Edit(IDC_GRAD_TEXT)->GetWindowText());
    EXPECT_EQ("#FFFFFF", Edit(IDC_GRAD_COLOR)->GetWindowText());
    EXPECT_EQ((Color{255, 255, 255}), Bars());
    EXPECT_TRUE(ControlOf<QRadioButton>(*m_dlg, IDC_GRAD_PREVIEW_BG)->isChecked());
    EXPECT_EQ(QColor(255, 255, 255), Pixel(15, 31));
    EXPECT_EQ(QColor(127, 127, 127), Pixel(124, 31));
    EXPECT_EQ(QColor(0, 0, 0), Pixel(233, 31));
    const std::string tags = CopiedTags();
    std::size_t count = 0;
    for (std::size_t at = tags.find("<FONT"); at != std::string::npos;
         at = tags.find("<FONT", at + 1))
        ++count;
    EXPECT_EQ(13u, count);
    EXPECT_EQ(0u, tags.find("<FONT COLOR=\"#ffffff\">[</FONT><FONT COLOR=\""));
    EXPECT_NE(std::string::npos, tags.find("<FONT COLOR=\"#7f7f7f\">V</FONT>"));
    // The user's text is back in the box.
    EXPECT_EQ("[TESSUVO]てっすぼ", Edit(IDC_GRAD_TEXT)->GetWindowText());
}

TEST_F(GradationDialogTest, RadioButtonsSwitchTheEditedColour)
{
    Open();
    Press(IDC_GRAD_MIDDLE);
    EXPECT_EQ((Color{127, 127, 127}), Bars());
    EXPECT_EQ("#7F7F7F", Edit(IDC_GRAD_COLOR)->GetWindowText());
    Bar(IDC_GRAD_GREEN)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(QColor(127, 137, 127), Pixel(124, 31));
    EXPECT_EQ(QColor(255, 255, 255), Pixel(12, 4)); // the band keeps its colour
    EXPECT_NE(std::string::npos, CopiedTags().find("<FONT COLOR=\"#7f897f\">V</FONT>"));
    Press(IDC_GRAD_PREVIEW_BG);
    EXPECT_EQ((Color{255, 255, 255}), Bars());
    Press(IDC_GRAD_MIDDLE);
    EXPECT_EQ((Color{127, 137, 127}), Bars());
}

TEST_F(GradationDialogTest, ColourBoxTakesOnlyTheHashFormOnEnter)
{
    Open();
    Press(IDC_GRAD_MIDDLE);
    TypeColor(QStringLiteral("#00FF00"));
    EXPECT_EQ((Color{0, 255, 0}), Bars());
    EXPECT_EQ("#00FF00", Edit(IDC_GRAD_COLOR)->GetWindowText());
    EXPECT_EQ(QColor(0, 255, 0), Pixel(124, 31));
    for (const char* other : {"0,0,255", "0000FF"}) {
        TypeColor(QString::fromLatin1(other));
        EXPECT_EQ((Color{0, 255, 0}), Bars()) << other;
        EXPECT_EQ(other, Edit(IDC_GRAD_COLOR)->GetWindowText());
    }
}

// The middle colour is chosen from the palette, and from the registered text colours.
TEST_F(GradationDialogTest, PaletteAndRegisteredColoursSetTheEditedColour)
{
    WriteSettings("[BG1]\nITEM=1\nred=1\ngreen=2\nblue=3\n"
                  "[FG1]\nITEM=1\nred=10\ngreen=20\nblue=30\n");
    Open();
    Press(IDC_GRAD_MIDDLE);
    const auto choose = [this](int button, int colour) {
        WhenModal([colour](QWidget* modal) {
            QTest::mouseDClick(ControlOf<ColorButton>(*static_cast<TemplateDialog*>(modal), colour),
                               Qt::LeftButton);
        });
        Press(button);
    };
    choose(IDC_GRAD_PALETTE, 1019); // navy
    EXPECT_EQ((Color{0, 0, 128}), Bars());
    EXPECT_EQ("#000080", Edit(IDC_GRAD_COLOR)->GetWindowText());
    EXPECT_EQ(QColor(0, 0, 128), Pixel(124, 31));
    choose(IDC_GRAD_REGISTER, 1000); // slot 1
    EXPECT_EQ((Color{10, 20, 30}), Bars());
    EXPECT_EQ(QColor(10, 20, 30), Pixel(124, 31));
    EXPECT_EQ(QColor(255, 255, 255), Pixel(12, 4));
}

TEST_F(GradationDialogTest, EmptyTextCopiesOneEmptyTagInTheStartColour)
{
    Open({255, 0, 0}, {0, 0, 255});
    SetText({});
    EXPECT_EQ("<FONT COLOR=\"#ff0000\"></FONT>", CopiedTags());
    EXPECT_EQ("", Edit(IDC_GRAD_TEXT)->GetWindowText());
}

TEST_F(GradationDialogTest, EnterInEitherBoxNeverCloses)
{
    Open();
    const std::string tags = CopiedTags();
    for (int id : {IDC_GRAD_TEXT, IDC_GRAD_COLOR}) {
        Edit(id)->setFocus();
        QTest::keyClick(Edit(id), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_TRUE(m_dlg->isVisible()) << id;
        EXPECT_EQ(tags, CopiedTags()) << id;
    }
    EXPECT_EQ("[TESSUVO]てっすぼ", Edit(IDC_GRAD_TEXT)->GetWindowText());
    EXPECT_EQ("#FFFFFF", Edit(IDC_GRAD_COLOR)->GetWindowText());
    Press(IDCANCEL);
    EXPECT_FALSE(m_dlg->isVisible());
}

// Each character is drawn in its own colour, from the left of the band, one after another.
TEST_F(GradationDialogTest, PreviewDrawsEachCharacterInItsColour)
{
    Open({255, 0, 0}, {0, 0, 255});
    Press(IDC_GRAD_MIDDLE);
    TypeColor(QStringLiteral("#00FF00"));
    SetText(QStringLiteral("WWW"));
    const QImage band = m_dlg->Client()->grab().toImage();
    const QFontMetricsF metrics(CreateFontA(19, 500, DesignFontFaceWide));
    const double width = metrics.horizontalAdvance(QStringLiteral("W"));
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    for (int k = 0; k < 3; ++k) {
        // The strongest ink in the character's cell is its own colour.
        int best = 0;
        QColor ink;
        for (int x = int(10 + k * width) + 1; x < int(10 + (k + 1) * width) - 1; ++x) {
            for (int y = 3; y < 27; ++y) {
                const QColor c = band.pixelColor(x, y);
                const int strength = 765 - c.red() - c.green() - c.blue();
                if (strength > best) {
                    best = strength;
                    ink = c;
                }
            }
        }
        ASSERT_GT(best, 200) << k;
        const QColor& want = colours[k];
        EXPECT_EQ(255, std::max({ink.red(), ink.green(), ink.blue()})) << k;
        EXPECT_EQ(want.red() == 255, ink.red() == 255) << k;
        EXPECT_EQ(want.green() == 255, ink.green() == 255) << k;
        EXPECT_EQ(want.blue() == 255, ink.blue() == 255) << k;
    }
    // Nothing beyond the three characters.
    for (int x = int(10 + 3 * width) + 2; x < 239; ++x)
        ASSERT_EQ(QColor(Qt::white), band.pixelColor(x, 15)) << x;
}

TEST_F(GradationDialogTest, TypingStopsAtThirtyBytes)
{
    Open();
    SetText(QString(28, QLatin1Char('a')));
    TypeText(Edit(IDC_GRAD_TEXT), QStringLiteral("あ")); // 30 bytes
    TypeText(Edit(IDC_GRAD_TEXT), QStringLiteral("b"));  // a 31st byte is refused
    EXPECT_EQ(std::string(28, 'a') + "あ", Edit(IDC_GRAD_TEXT)->GetWindowText());
    EXPECT_NE(std::string::npos, CopiedTags().find(">あ</FONT>"));
}

TEST_F(GradationDialogTest, EyedropperSetsTheBarsAndRegeneratesAtTheRelease)
{
    Open();
    Press(IDC_GRAD_MIDDLE);
    Press(IDC_GRAD_PICK);
    EXPECT_TRUE(m_screen->captured);
    EXPECT_TRUE(m_dlg->isVisible());
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ((Color{255, 0, 0}), Bars());
    EXPECT_EQ("#7F7F7F", Edit(IDC_GRAD_COLOR)->GetWindowText());
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_FALSE(m_screen->captured);
    EXPECT_EQ("#FF0000", Edit(IDC_GRAD_COLOR)->GetWindowText());
    EXPECT_EQ(QColor(255, 0, 0), Pixel(124, 31));
}

TEST_F(GradationDialogTest, RightClickOrEscapeCancelsThePick)
{
    Open();
    Press(IDC_GRAD_PICK);
    Mouse(QEvent::MouseButtonPress, Qt::RightButton);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(40, 40));
    EXPECT_TRUE(QApplication::sendEvent(m_dlg.get(), &menu)); // taken: no menu opens
    Mouse(QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_FALSE(m_screen->captured);
    for (int focus : {IDC_GRAD_COLOR, IDC_GRAD_TEXT, IDC_GRAD_PICK}) {
        Press(IDC_GRAD_PICK);
        m_dlg->GetDlgItem(focus)->setFocus();
        QTest::keyClick(m_dlg->GetDlgItem(focus), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(m_dlg->isVisible()) << focus;
        EXPECT_FALSE(m_screen->captured) << focus;
    }
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ((Color{255, 255, 255}), Bars());
    EXPECT_TRUE(m_screen->reads.empty());
    // Not picking, Escape closes the dialog.
    QTest::keyClick(m_dlg->GetDlgItem(IDC_GRAD_TEXT), Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
}

TEST_F(GradationDialogTest, ToolTips)
{
    Open();
    Press(IDC_GRAD_MIDDLE);
    const auto tip = [this](int id) {
        QWidget* widget = m_dlg->GetDlgItem(id);
        const QString none = QStringLiteral("(none)");
        const QPoint at = widget->rect().center();
        QToolTip::showText(widget->mapToGlobal(at), none, widget);
        QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        return QToolTip::text() == none ? std::string() : QToolTip::text().toStdString();
    };
    EXPECT_EQ("ｻﾝﾌﾟﾙｶﾗｰﾊﾟﾚｯﾄ", tip(IDC_GRAD_PALETTE));
    EXPECT_EQ("ｽﾎﾟｲﾄ", tip(IDC_GRAD_PICK));
    EXPECT_EQ("登録", tip(IDC_GRAD_REGISTER));
    EXPECT_EQ("ｸﾞﾗﾃﾞｰｼｮﾝﾀｸﾞ生成", tip(IDC_GRAD_COPY));
    EXPECT_EQ("127,127,127", tip(IDC_GRAD_COLOR));
    Bar(IDC_GRAD_BLUE)->SetScrollPos(3); // formed when asked for
    EXPECT_EQ("127,127,3", tip(IDC_GRAD_COLOR));
    EXPECT_EQ("", tip(IDC_GRAD_TEXT));
    EXPECT_EQ("", tip(IDCANCEL));
}

TEST_F(GradationDialogTest, ColourBoxReadsCssAfterItsHashForm)
{
    Open();
    TypeColor("#abc");
    EXPECT_EQ(Bars(), (Color{170, 187, 204}));
    EXPECT_EQ(Edit(IDC_GRAD_COLOR)->GetWindowText(), "#AABBCC");
    TypeColor("black");
    Press(IDC_GRAD_MIDDLE);
    TypeColor("navy");
    EXPECT_EQ(Bars(), (Color{0, 0, 128}));
    EXPECT_EQ(Edit(IDC_GRAD_COLOR)->GetWindowText(), "#000080");
    // A translucent middle colour over the preview background, now black.
    TypeColor("#ff000080");
    EXPECT_EQ(Bars(), (Color{128, 0, 0}));

    // Longer texts come through the box's paste as colour: the colour of the edited side.
    QApplication::clipboard()->setText("body { background: #111; color: rgb(0 0 255 / 50%) }");
    WithContextMenu(Edit(IDC_GRAD_COLOR)->viewport(), QPoint(4, 4),
                    [](QMenu& menu) { Item(menu, "色として貼り付け(&V)")->trigger(); });
    EXPECT_EQ(Bars(), (Color{9, 9, 136}));
}

TEST_F(GradationDialogTest, CopyWritesASpanACharacterWithCss)
{
    Open();
    m_dlg->m_outputStyle = OutputStyle::Css;
    ControlOf<EditBox>(*m_dlg, IDC_GRAD_TEXT)->SetWindowText("abc");
    m_dlg->Regenerate();
    ControlOf<QPushButton>(*m_dlg, IDC_GRAD_COPY)->click();
    EXPECT_EQ(ClipboardText(), R"(<span style="color: #ffffff">a</span>)"
                               R"(<span style="color: #7f7f7f">b</span>)"
                               R"(<span style="color: #000000">c</span>)");
    EXPECT_EQ(ControlOf<EditBox>(*m_dlg, IDC_GRAD_TEXT)->GetWindowText(), "abc");
}

TEST_F(GradationDialogTest, BandMenuCopiesTheTextAsOneGradient)
{
    Open();
    const QPoint band = m_dlg->Client()->mapTo(m_dlg.get(), QPoint(100, 15));
    WithContextMenu(m_dlg.get(), band, [](QMenu& menu) {
        EXPECT_EQ(MenuTexts(menu), QStringList{"CSSグラデーションとしてコピー(&G)"});
        menu.actions().front()->trigger();
    });
    EXPECT_EQ(ClipboardText(),
              "<span style=\"background: linear-gradient(to right, #ffffff, #7f7f7f, #000000); "
              "-webkit-background-clip: text; background-clip: text; color: transparent;\">"
              "[TESSUVO]てっすぼ</span>");
    EXPECT_EQ(ControlOf<EditBox>(*m_dlg, IDC_GRAD_TEXT)->GetWindowText(), "[TESSUVO]てっすぼ");
    // The tags copied with the HTML style are the design's.
    ControlOf<QPushButton>(*m_dlg, IDC_GRAD_COPY)->click();
    EXPECT_EQ(ClipboardText().rfind(R"(<FONT COLOR="#ffffff">[</FONT>)", 0), 0u);
}

// 3 × 3 around the pointer on a chessboard of blue: an odd square, five of nine full blue, C5.
TEST_F(GradationDialogTest, TheMagnifierAndItsKeysWithAnAveragedPick)
{
    Open();
    m_screen->pixel = PatternPixel;
    m_dlg->UsePickArea(3);
    m_dlg->GetDlgItem(IDC_GRAD_COPY)->setFocus();
    Press(IDC_GRAD_PICK);
    QTest::keyClick(m_dlg->GetDlgItem(IDC_GRAD_COPY), Qt::Key_Down);
    static_cast<void>(QTest::qWaitFor([&] {
        auto* shown = m_dlg->findChild<Magnifier*>();
        return shown && shown->isVisible() && shown->View().value == "#F42DC5";
    }));
    EXPECT_EQ(m_dlg->findChild<Magnifier*>()->View().value, "#F42DC5");
    QTest::keyClick(m_dlg->GetDlgItem(IDC_GRAD_COPY), Qt::Key_Return);
    EXPECT_EQ(Bars(), (Color{0xF4, 0x2D, 0xC5}));
}

// The eyedropper where only the desktop portal can pick: the colour goes to the bars and the
// tags follow.
using GradationPortalTest = PortalTest;

TEST_F(GradationPortalTest, PickedColourIsTaken)
{
    RemoveSettings();
    CGradationTagDlg dlg(SettingsFile(), nullptr);
    dlg.m_start = {255, 255, 255};
    dlg.m_middle = {128, 128, 128};
    dlg.m_end = {0, 0, 0};
    dlg.show();
    QApplication::processEvents();
    m_portal->answer = FakePortal::Answer{0, Color{0x12, 0xAB, 0x34}};
    ControlOf<QPushButton>(dlg, IDC_GRAD_PICK)->click();
    ASSERT_TRUE(WaitFor(
        [&] { return ControlOf<EditBox>(dlg, IDC_GRAD_COLOR)->GetWindowText() == "#12AB34"; }));
}

} // namespace
