#include "app/colorpickdlg.h"
#include "core/readability/contrast.h"
#include "dialogs/collections/regcolordlg.h"
#include "dialogs/collections/samplecolordlg.h"
#include "platform/colorbutton.h"
#include "platform/editbox.h"
#include "platform/magnifier.h"
#include "platform/menubar.h"
#include "platform/pickscreen.h"
#include "platform/scrollbar.h"
#include "platform/windowops.h"
#include "res/resource.h"
#include "support/fakeportal.h"
#include "support/mainwindowtest.h"
#include "support/usefakepickscreen.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// Kept on top: the flag the window manager is asked for.
bool TopMost(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return (handle ? handle->flags() : window.windowFlags()).testFlag(Qt::WindowStaysOnTopHint);
}

class MainWindowTest : public MainWindowFixture
{
protected:
    ScrollBar* Bar(int id) const { return ControlOf<ScrollBar>(*m_dlg, id); }

    void Type(int editId, const QString& text, int caret = -1)
    {
        EditBox* edit = Edit(editId);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (caret >= 0)
            edit->SetSel(caret, caret);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QImage Band() const { return m_dlg->Client()->grab().toImage(); }

    // Centred on the work area, give or take the window frame, which is not known until the
    // window is shown.
    static bool Centred(const QWidget& window)
    {
        const QPoint offset = window.frameGeometry().center() -
                              QGuiApplication::primaryScreen()->availableGeometry().center();
        return offset.manhattanLength() <= 8;
    }
};

TEST_F(MainWindowTest, FirstStartWithoutSettingsFile)
{
    CColorPickDlg& dlg = Open();
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FFFFFF");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000000");
    EXPECT_TRUE(Checked(ID_NOTATION_HTML));
    EXPECT_FALSE(Checked(ID_NOTATION_DECIMAL) || Checked(ID_NOTATION_HEX));
    EXPECT_TRUE(Checked(ID_PREVIEW_TEXT));
    EXPECT_FALSE(Checked(ID_PREVIEW_SIDES) || Checked(ID_TOPMOST));
    EXPECT_FALSE(TopMost(dlg));
    EXPECT_TRUE(Centred(dlg));
    EXPECT_TRUE(Edit(IDC_EDIT_BG)->hasFocus());
}

TEST_F(MainWindowTest, EveryNotationIsAcceptedWithEnter)
{
    Open();
    for (const char* text : {"#ff8000", "FF8000", "255,128,0"}) {
        Command(ID_NOTATION_HTML);
        Type(IDC_EDIT_BG, QStringLiteral("#FFFFFF"));
        Type(IDC_EDIT_FG, QString::fromLatin1(text));
        EXPECT_EQ(EditText(IDC_EDIT_FG), "#FF8000") << text;
        EXPECT_EQ(m_dlg->TextColor(), (Color{255, 128, 0})) << text;
        EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255})) << text;
        Command(ID_NOTATION_DECIMAL);
        Type(IDC_EDIT_BG, QString::fromLatin1(text));
        EXPECT_EQ(EditText(IDC_EDIT_BG), "255,128,0") << text;
        Type(IDC_EDIT_FG, QStringLiteral("0,0,0"));
    }
}

TEST_F(MainWindowTest, TypedTextTakesEffectOnlyWithEnter)
{
    Open();
    EditBox* edit = Edit(IDC_EDIT_BG);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("#FF0000"));
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FF0000");
    // Enter in the middle of the text joins it again and applies it.
    edit->SetSel(3, 3);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 0, 0}));
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FF0000");
}

TEST_F(MainWindowTest, UnrecognisedTextStaysWithTheCaretWhereEnterWasPressed)
{
    Open();
    Type(IDC_EDIT_BG, QStringLiteral("12345"), 2);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "12345");
    EXPECT_EQ(Edit(IDC_EDIT_BG)->textCursor().position(), 2);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
    Type(IDC_EDIT_BG, QStringLiteral("-5,0,0"));
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
}

TEST_F(MainWindowTest, TypingIsLimitedToThirteenBytesALineBreakTakingTwo)
{
    Open();
    Type(IDC_EDIT_BG, QStringLiteral(" 12, 34, 56XYZ")); // full at 13: no room for Enter
    EXPECT_EQ(EditText(IDC_EDIT_BG), " 12, 34, 56XY");
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
    Type(IDC_EDIT_BG, QStringLiteral(" 12, 34, 56")); // the longest colour text leaves room
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{12, 34, 56}));
    EditBox* edit = Edit(IDC_EDIT_BG);
    edit->selectAll();
    TypeText(edit, QStringLiteral("背景色背景色背景"));
    EXPECT_EQ(edit->GetWindowText(),
              "背景色背景色"); // a seventh double-byte character would exceed
}

TEST_F(MainWindowTest, ScrollCodesMoveAndClampTheBar)
{
    Open();
    ScrollBar* red = Bar(IDC_FG_RED);
    const struct
    {
        QAbstractSlider::SliderAction action;
        int expected;
    } steps[] = {
        {QAbstractSlider::SliderPageStepSub, 0},     {QAbstractSlider::SliderSingleStepAdd, 1},
        {QAbstractSlider::SliderPageStepAdd, 11},    {QAbstractSlider::SliderToMaximum, 255},
        {QAbstractSlider::SliderSingleStepAdd, 255}, {QAbstractSlider::SliderPageStepSub, 245},
        {QAbstractSlider::SliderSingleStepSub, 244}, {QAbstractSlider::SliderToMinimum, 0},
    };
    for (const auto& step : steps) {
        red->triggerAction(step.action);
        EXPECT_EQ(red->GetScrollPos(), step.expected) << step.action;
        EXPECT_EQ(m_dlg->TextColor().red, step.expected);
    }
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000000");

    // Dragging the thumb changes the colour at every step.
    red->setSliderDown(true);
    for (int position : {40, 41, 200}) {
        red->setSliderPosition(position);
        EXPECT_EQ(m_dlg->TextColor().red, position);
    }
    red->setSliderDown(false);
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#C80000");
}

TEST_F(MainWindowTest, MouseOnArrowsAndPageArea)
{
    Open();
    ScrollBar* green = Bar(IDC_FG_GREEN);
    const int middle = green->height() / 2;
    const auto click = [&](int x) {
        QTest::mousePress(green, Qt::LeftButton, {}, QPoint(x, middle));
        QTest::mouseRelease(green, Qt::LeftButton, {}, QPoint(x, middle));
    };
    click(green->width() - 3); // right arrow
    EXPECT_EQ(green->GetScrollPos(), 1);
    click(green->width() - 25); // page area right of the thumb
    EXPECT_EQ(green->GetScrollPos(), 11);
    click(2); // left arrow
    EXPECT_EQ(green->GetScrollPos(), 10);
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000A00");
}

TEST_F(MainWindowTest, NotationCommandsRewriteBothBoxesAndMoveTheMark)
{
    Open();
    const struct
    {
        int command;
        const char* bg;
        const char* fg;
    } cases[] = {
        {ID_NOTATION_DECIMAL, "255,255,255", "0,0,0"},
        {ID_NOTATION_HEX, "FFFFFF", "000000"},
        {ID_NOTATION_HTML, "#FFFFFF", "#000000"},
        {ID_NOTATION_HTML, "#FFFFFF", "#000000"},
    };
    for (const auto& c : cases) {
        Command(c.command);
        EXPECT_EQ(EditText(IDC_EDIT_BG), c.bg);
        EXPECT_EQ(EditText(IDC_EDIT_FG), c.fg);
        for (int item : {ID_NOTATION_DECIMAL, ID_NOTATION_HEX, ID_NOTATION_HTML})
            EXPECT_EQ(Checked(item), item == c.command) << c.command << " " << item;
    }
}

TEST_F(MainWindowTest, PreviewBandInBothModes)
{
    Open();
    QImage image = Band();
    EXPECT_EQ(image.pixelColor(9, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(260, 32), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(8, 10), QColor(Qt::white));
    int dark = 0;
    for (int y = 4; y < 33; ++y)
        for (int x = 9; x < 261; ++x)
            dark += image.pixelColor(x, y).lightness() < 60;
    EXPECT_GT(dark, 100); // "[TESSUVO]" in black
    int darkLeft = 0;     // centred: nothing at the far left of the band
    for (int y = 4; y < 33; ++y)
        for (int x = 9; x < 60; ++x)
            darkLeft += image.pixelColor(x, y).lightness() < 60;
    EXPECT_EQ(darkLeft, 0);

    Type(IDC_EDIT_BG, QStringLiteral("#FF0000"));
    Type(IDC_EDIT_FG, QStringLiteral("#0000FF"));
    Command(ID_PREVIEW_SIDES);
    EXPECT_TRUE(Checked(ID_PREVIEW_SIDES));
    EXPECT_FALSE(Checked(ID_PREVIEW_TEXT));
    image = Band();
    for (int y : {1, 16, 32}) {
        EXPECT_EQ(image.pixelColor(9, y), QColor(Qt::red));
        EXPECT_EQ(image.pixelColor(134, y), QColor(Qt::red));
        EXPECT_EQ(image.pixelColor(135, y), QColor(Qt::blue));
        EXPECT_EQ(image.pixelColor(260, y), QColor(Qt::blue));
    }
    EXPECT_NE(image.pixelColor(100, 33), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(100, 0), QColor(Qt::red));
}

TEST_F(MainWindowTest, UnknownModesFromTheSettingsFile)
{
    Open("[FLG]\nRGB=7\nPREVIEW=5\n");
    EXPECT_EQ(EditText(IDC_EDIT_BG), "");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "");
    for (int item : {ID_NOTATION_DECIMAL, ID_NOTATION_HEX, ID_NOTATION_HTML, ID_PREVIEW_TEXT,
                     ID_PREVIEW_SIDES})
        EXPECT_FALSE(Checked(item)) << item;
    // The band is not painted: it shows the dialog's own background.
    const QImage image = Band();
    EXPECT_EQ(image.pixelColor(100, 10), image.pixelColor(3, 10));
    // The colours still change.
    Bar(IDC_BG_RED)->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(m_dlg->BackgroundColor().red, 0);
    m_dlg->close();
    EXPECT_NE(ReadSettings().find("RGB=7\nPREVIEW=5\n"), std::string::npos);
}

TEST_F(MainWindowTest, BodyAndFontTagsReachTheClipboard)
{
    Open();
    ControlOf<QPushButton>(*m_dlg, IDC_BG_TAG)->click();
    EXPECT_EQ(ClipboardText(), R"(<BODY bgcolor="#ffffff" text="#000000">)");
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FFFFFF");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000000");

    Type(IDC_EDIT_FG, QStringLiteral("1,2,3"));
    Command(ID_NOTATION_DECIMAL);
    ControlOf<QPushButton>(*m_dlg, IDC_FG_TAG)->click();
    EXPECT_EQ(ClipboardText(), R"(<FONT color="#010203"></FONT>)");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "1,2,3");

    // USEFONT is read from the file at every FONT tag.
    WriteSettings("[FLG]\nUSEFONT=1\n");
    Command(ID_FONT_TAG);
    EXPECT_EQ(ClipboardText(), R"(<FONT color="#010203">[TESSUVO]</FONT>)");
    WriteSettings("[FLG]\nUSEFONT=2\n");
    Command(ID_FONT_TAG);
    EXPECT_EQ(ClipboardText(), R"(<FONT color="#010203"></FONT>)");
    Command(ID_BODY_TAG);
    EXPECT_EQ(ClipboardText(), R"(<BODY bgcolor="#ffffff" text="#010203">)");
}

TEST_F(MainWindowTest, TagStaysInTheBoxWhenTheNotationShowsNoText)
{
    Open("[FLG]\nRGB=7\n");
    Command(ID_BODY_TAG);
    EXPECT_EQ(EditText(IDC_EDIT_BG), R"(<BODY bgcolor="#ffffff" text="#000000">)");
    // The tag fills the box past its limit: Enter finds no room, and neither applies nor
    // loses the text.
    EditBox* edit = Edit(IDC_EDIT_BG);
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(EditText(IDC_EDIT_BG), R"(<BODY bgcolor="#ffffff" text="#000000">)");
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
}

TEST_F(MainWindowTest, CloseWritesTheSixValuesInOrder)
{
    Open();
    Command(ID_NOTATION_HEX);
    Command(ID_PREVIEW_SIDES);
    m_dlg->move(40, 30);
    m_dlg->close();
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_EQ(ReadSettings(), "[FLG]\nTOPMOST=0\nRGB=16\nPREVIEW=1\n[POSITION]\nX=40\nY=30\n"
                              "[PREVIEW]\nSTRING=[TESSUVO]\n");
}

TEST_F(MainWindowTest, PreviewTextWithSpacesAtItsEndsSurvivesARestart)
{
    Open("[PREVIEW]\nSTRING=\"  見本  \"\n");
    m_dlg->close();
    Open();
    m_dlg->close();
    EXPECT_NE(ReadSettings().find("STRING=\"  見本  \"\n"), std::string::npos);
}

TEST_F(MainWindowTest, EscapeEndsTheDialogWithoutWriting)
{
    Open();
    Command(ID_NOTATION_HEX);
    QTest::keyClick(ControlOf<QPushButton>(*m_dlg, IDC_BG_COPY), Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
}

TEST_F(MainWindowTest, EscapeInAColourBoxClosesThroughTheCloseHandling)
{
    for (const int id : {IDC_EDIT_BG, IDC_EDIT_FG}) {
        RemoveSettings();
        Open();
        Command(ID_NOTATION_HEX);
        QTest::keyClick(Edit(id), Qt::Key_Escape);
        EXPECT_FALSE(m_dlg->isVisible());
        EXPECT_NE(ReadSettings().find("[FLG]\nTOPMOST=0\nRGB=16\nPREVIEW=0\n[POSITION]\n"),
                  std::string::npos)
            << id;
    }
}

// Each option of the additions is written as it changes, so that Escape, which writes none of
// the design's, loses none of them; the pair kept is written at Escape too.

TEST_F(MainWindowTest, ExitCommandClosesThroughTheCloseHandling)
{
    Open();
    Command(ID_APP_EXIT);
    EXPECT_TRUE(m_dlg->isVisible()); // queued: handled after the command returns
    QApplication::processEvents();
    EXPECT_FALSE(m_dlg->isVisible());
    EXPECT_NE(ReadSettings().find("[FLG]\nTOPMOST=0\nRGB=3\nPREVIEW=0\n"), std::string::npos);
}

TEST_F(MainWindowTest, HandEditedSettingsAtStartUp)
{
    const QSize screen = PrimaryScreenSize();
    {
        CColorPickDlg& dlg = Open("[FLG]\nRGB=16\n[POSITION]\nX=-40\nY=20\n");
        EXPECT_EQ(EditText(IDC_EDIT_BG), "FFFFFF");
        EXPECT_TRUE(Checked(ID_NOTATION_HEX));
        EXPECT_EQ(dlg.pos(), QPoint(-40, 20));
    }
    {
        CColorPickDlg& dlg = Open("[FLG]\nTOPMOST=0\n[POSITION]\nX=-1\nY=20\n");
        EXPECT_TRUE(Centred(dlg));
    }
    {
        const std::string beyond = "[POSITION]\nX=" + std::to_string(screen.width()) + "\nY=5\n";
        CColorPickDlg& dlg = Open("[FLG]\nTOPMOST=1\n" + beyond);
        EXPECT_TRUE(Centred(dlg));
        EXPECT_TRUE(TopMost(dlg));
        EXPECT_TRUE(Checked(ID_TOPMOST));
    }
    {
        CColorPickDlg& dlg = Open("[FLG]\nTOPMOST=1\n");
        EXPECT_EQ(dlg.pos(), QPoint(-1, -1));
        EXPECT_TRUE(TopMost(dlg));
    }
    {
        CColorPickDlg& dlg = Open("[FLG]\nTOPMOST=2\n[POSITION]\nX=10\nY=10\n");
        EXPECT_TRUE(Centred(dlg));
        EXPECT_FALSE(TopMost(dlg));
        EXPECT_FALSE(Checked(ID_TOPMOST));
        Command(ID_TOPMOST); // does nothing for a value other than 0 and 1
        EXPECT_FALSE(TopMost(dlg));
        EXPECT_FALSE(Checked(ID_TOPMOST));
        dlg.close();
        EXPECT_NE(ReadSettings().find("TOPMOST=2"), std::string::npos);
    }
}

TEST_F(MainWindowTest, AlwaysOnTopTogglesWithoutMovingTheWindow)
{
    CColorPickDlg& dlg = Open("[POSITION]\nX=50\nY=60\n");
    const QRect before = dlg.frameGeometry();
    Command(ID_TOPMOST);
    EXPECT_TRUE(TopMost(dlg));
    EXPECT_TRUE(Checked(ID_TOPMOST));
    EXPECT_TRUE(dlg.isVisible());
    Command(ID_TOPMOST);
    EXPECT_FALSE(TopMost(dlg));
    EXPECT_FALSE(Checked(ID_TOPMOST));
    EXPECT_EQ(dlg.frameGeometry(), before);
    dlg.close();
    EXPECT_NE(ReadSettings().find("TOPMOST=0"), std::string::npos);
}

TEST_F(MainWindowTest, ControlsStandWhereTheTemplatePutsThem)
{
    Open();
    EXPECT_EQ(m_dlg->Client()->size(), QSize(271, 164));
    EXPECT_EQ(Edit(IDC_EDIT_BG)->geometry(), QRect(56, 38, 70, 18));
    EXPECT_EQ(Bar(IDC_FG_BLUE)->geometry(), QRect(145, 141, 118, 15));
    EXPECT_EQ(ControlOf<QPushButton>(*m_dlg, IDC_FG_TAG)->geometry(), QRect(238, 60, 23, 23));
    EXPECT_EQ(m_dlg->windowTitle(), QStringLiteral("Tessuvo [TESSUVO]"));
}

TEST_F(MainWindowTest, TooltipOverTheBandInEachMode)
{
    const QString expected = QString::fromUtf8(
        "コントラスト比 4.54:1　AA ○　AAA ×（大きな文字 AA ○　AAA ○）　APCA Lc 72\n"
        "背景色 = white　文字色 ≈ gray");
    Open();
    SetColors("#FFFFFF", "#767676");
    EXPECT_EQ(ToolTipAt(m_dlg->Client(), OnBand), expected);
    EXPECT_EQ(ToolTipAt(m_dlg->Client(), OffBand), QString());
    Command(ID_PREVIEW_SIDES);
    EXPECT_EQ(ToolTipAt(m_dlg->Client(), OnBand), expected);
    // Formed when asked: a colour typed a moment ago counts.
    m_dlg->ApplyColorText(ColorTarget::Text, "#000000");
    EXPECT_TRUE(ToolTipAt(m_dlg->Client(), OnBand)
                    .startsWith(QString::fromUtf8("コントラスト比 21.00:1　")));

    Open("[FLG]\nPREVIEW=5\n"); // no band drawn, nothing to describe
    EXPECT_EQ(ToolTipAt(m_dlg->Client(), OnBand), QString());
}

TEST_F(MainWindowTest, CssColourTextsAfterTheDesignsForms)
{
    Open();
    Type(IDC_EDIT_BG, "#abc");
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{170, 187, 204}));
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#AABBCC");
    Type(IDC_EDIT_FG, "navy");
    EXPECT_EQ(m_dlg->TextColor(), (Color{0, 0, 128}));
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000080");
    Type(IDC_EDIT_FG, "orange");
    EXPECT_EQ(m_dlg->TextColor(), (Color{255, 165, 0}));
    // Half-transparent red: the text colour over the background, the background over white.
    Type(IDC_EDIT_FG, "#ff000080");
    EXPECT_EQ(m_dlg->TextColor(), (Color{213, 93, 102}));
    Type(IDC_EDIT_BG, "#ff000080");
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 127, 127}));
    // The design's forms keep their say: a negative red changes nothing.
    Type(IDC_EDIT_FG, "-5,0,0");
    EXPECT_EQ(m_dlg->TextColor(), (Color{213, 93, 102}));
    EXPECT_EQ(EditText(IDC_EDIT_FG), "-5,0,0");
}

TEST_F(MainWindowTest, NoWindowMenuOverAControl)
{
    Open();
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            popup->close();
        }
    });
    // The palette button: the copy buttons have a menu of their own, of the copy formats.
    QWidget* button = m_dlg->GetDlgItem(IDC_BG_PALETTE);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &event);
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

class MainWindowToolsTest : public MainWindowTest
{
protected:
    // The tooltip the window shows over `widget` at its centre; empty for none.
    static QString ToolTipOver(QWidget* widget)
    {
        // A tooltip that is asked to go keeps its text while it fades: start from a marker.
        const QString none = QStringLiteral("(none)");
        const QPoint at = widget->rect().center();
        QToolTip::showText(widget->mapToGlobal(at), none, widget);
        QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        return QToolTip::text() == none ? QString() : QToolTip::text();
    }
};

TEST_F(MainWindowToolsTest, CopyTakesWhatTheBoxShows)
{
    Open();
    for (const auto& [notation, expected] :
         {std::pair{ID_NOTATION_HTML, "#FFFFFF"}, std::pair{ID_NOTATION_DECIMAL, "255,255,255"}}) {
        Command(notation);
        ControlOf<QPushButton>(*m_dlg, IDC_BG_COPY)->click();
        EXPECT_EQ(ClipboardText(), expected);
    }
    Edit(IDC_EDIT_FG)->setFocus();
    Edit(IDC_EDIT_FG)->moveCursor(QTextCursor::End);
    QTest::keyClicks(Edit(IDC_EDIT_FG), "zz"); // typed, not committed
    Command(ID_FG_COPY);
    EXPECT_EQ(ClipboardText(), "0,0,0zz");
    EXPECT_EQ(Edit(IDC_EDIT_FG)->textCursor().selectedText(), "0,0,0zz");
}

TEST_F(MainWindowToolsTest, EnterOnAFocusedButtonPressesIt)
{
    Open();
    auto* tag = ControlOf<QPushButton>(*m_dlg, IDC_FG_TAG);
    tag->setFocus();
    QTest::keyClick(tag, Qt::Key_Return);
    EXPECT_EQ(ClipboardText(), "<FONT color=\"#000000\"></FONT>");
    EXPECT_TRUE(m_dlg->isVisible());
}

TEST_F(MainWindowToolsTest, PaletteColourGoesToItsOwnTargetOnly)
{
    Open();
    WhenModal([](QWidget* dlg) {
        QTest::mouseClick(ControlOf<ColorButton>(*qobject_cast<TemplateDialog*>(dlg), 1003),
                          Qt::LeftButton); // 赤
        ControlOf<QPushButton>(*qobject_cast<TemplateDialog*>(dlg), IDOK)->click();
    });
    ControlOf<QPushButton>(*m_dlg, IDC_FG_PALETTE)->click();
    EXPECT_EQ(m_dlg->TextColor(), (Color{255, 0, 0}));
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#FF0000");

    WhenModal([](QWidget* dlg) { static_cast<QDialog*>(dlg)->accept(); }); // nothing chosen
    Command(ID_BG_PALETTE);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{255, 255, 255}));
}

TEST_F(MainWindowToolsTest, RegisteredColoursOfferAndTakeBackTheSameTarget)
{
    Open();
    Type(IDC_EDIT_BG, "#102030");
    QColor offered;
    WhenModal([&offered](QWidget* widget) {
        auto* dlg = qobject_cast<CRegColorDlg*>(widget);
        ASSERT_NE(dlg, nullptr);
        const QImage swatch = ControlOf<ColorButton>(*dlg, IDC_REG_SWATCH)->grab().toImage();
        offered = swatch.pixelColor(swatch.rect().center());
        ControlOf<QPushButton>(*dlg, IDC_REG_REGISTER)->click();
        dlg->reject();
    });
    Command(ID_BG_REGISTER);
    EXPECT_EQ(offered, QColor(16, 32, 48));
    EXPECT_EQ(ReadSettings(), "[BG1]\nITEM=1\nred=16\ngreen=32\nblue=48\n");

    // The text colour's set is another: its slot 1 is free.
    WhenModal([](QWidget* widget) {
        QTest::mouseDClick(ControlOf<ColorButton>(*qobject_cast<TemplateDialog*>(widget), 1000),
                           Qt::LeftButton);
    });
    ControlOf<QPushButton>(*m_dlg, IDC_FG_REGISTER)->click();
    EXPECT_EQ(m_dlg->TextColor(), (Color{0, 0, 0}));

    Type(IDC_EDIT_BG, "#FFFFFF");
    WhenModal([](QWidget* widget) {
        QTest::mouseDClick(ControlOf<ColorButton>(*qobject_cast<TemplateDialog*>(widget), 1000),
                           Qt::LeftButton);
    });
    ControlOf<QPushButton>(*m_dlg, IDC_BG_REGISTER)->click();
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{16, 32, 48}));
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#102030");
}

TEST_F(MainWindowToolsTest, ToolTipsShowTheOtherNotationAtTheMomentAsked)
{
    Open("[FLG]\nRGB=10\n");
    EXPECT_EQ(ToolTipOver(Edit(IDC_EDIT_BG)->viewport()), "FFFFFF");
    Bar(IDC_FG_RED)->SetScrollPos(18);
    Bar(IDC_FG_BLUE)->SetScrollPos(171); // no refresh: the tooltip reads the bars themselves
    EXPECT_EQ(ToolTipOver(Edit(IDC_EDIT_FG)), "1200AB");
    for (const int notation : {ID_NOTATION_HTML, ID_NOTATION_HEX}) {
        Command(notation);
        EXPECT_EQ(ToolTipOver(Edit(IDC_EDIT_BG)), "255,255,255");
        EXPECT_EQ(ToolTipOver(Edit(IDC_EDIT_FG)), "18,0,171");
    }
    EXPECT_EQ(ToolTipOver(Bar(IDC_BG_RED)), "");
    EXPECT_EQ(ToolTipOver(ControlOf<QPushButton>(*m_dlg, IDC_BG_TAG)), "BODYﾀｸﾞ生成");
    EXPECT_EQ(ToolTipOver(ControlOf<QPushButton>(*m_dlg, IDC_FG_PICK)), "ｽﾎﾟｲﾄ");
    EXPECT_EQ(ControlOf<QPushButton>(*m_dlg, IDC_FG_COPY)->accessibleName(), "ｺﾋﾟｰ");
    m_dlg->close();

    Open("[FLG]\nRGB=7\n");
    EXPECT_EQ(ToolTipOver(Edit(IDC_EDIT_BG)), "");
    EXPECT_EQ(ToolTipOver(ControlOf<QPushButton>(*m_dlg, IDC_BG_REGISTER)), "登録");
}

TEST_F(MainWindowToolsTest, ScrollBarMenuMovesKeepTheBoxesInStep)
{
    Open();
    ScrollBar* bar = Bar(IDC_BG_GREEN);
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        menu->setActiveAction(menu->actions().at(2)); // 左端にスクロール
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint at = bar->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &event);
    EXPECT_EQ(bar->GetScrollPos(), 0);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FF00FF");
}

// The main window's eyedropper on a fake screen in which every pixel differs from its
// neighbours: red the column, green the row (both modulo 256), blue 0 and 255 as on a
// chessboard, so that an average shows in the blue.
class MainWindowPickTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        UseFakePickScreen(m_screen);
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        SetPickScreenFactory({});
    }

    // A mouse button event as the capture delivers it: to the window, wherever the mouse is.
    void Mouse(QEvent::Type type, Qt::MouseButton button, QPointF global = {500, 300}) const
    {
        const QPointF local = m_dlg->mapFromGlobal(global);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(m_dlg.get(), &event);
    }
    void Click(Qt::MouseButton button, QPointF global) const
    {
        Mouse(QEvent::MouseButtonPress, button, global);
        Mouse(QEvent::MouseButtonRelease, button, global);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(m_dlg->GetDlgItem(IDC_BG_COPY), key, modifiers);
    }
    Magnifier* Shown() const { return m_dlg->findChild<Magnifier*>(); }
    // The magnifier's view once its value reads `expected`, or as it was when the wait ran out.
    MagnifierView ViewOnce(const std::string& expected) const
    {
        static_cast<void>(QTest::qWaitFor(
            [&] { return Shown() && Shown()->isVisible() && Shown()->View().value == expected; }));
        return Shown() && Shown()->isVisible() ? Shown()->View() : MagnifierView{};
    }

    FakePickScreen* m_screen = nullptr;
};

TEST_F(MainWindowPickTest, PressTakesThePixelAndReleaseRefreshes)
{
    Open();
    ControlOf<QPushButton>(*m_dlg, IDC_BG_PICK)->click();
    EXPECT_TRUE(m_screen->captured);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, {501, 300});
    QApplication::processEvents();
    ASSERT_EQ(1u, m_screen->reads.size());
    EXPECT_EQ(501, m_screen->reads[0].x);
    EXPECT_EQ((Color{0xF5, 0x2C, 0xFF}), m_dlg->BackgroundColor());
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG)); // not yet: the button is still held
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_FALSE(m_screen->captured);
    EXPECT_EQ("#F52CFF", EditText(IDC_EDIT_BG));
    EXPECT_EQ("#000000", EditText(IDC_EDIT_FG));
    // Picking has ended: a further click changes nothing.
    Click(Qt::LeftButton, {0, 0});
    EXPECT_EQ((Color{0xF5, 0x2C, 0xFF}), m_dlg->BackgroundColor());
}

TEST_F(MainWindowPickTest, LaterStartChoosesTheTarget)
{
    Open();
    Command(ID_BG_PICK);
    Command(ID_FG_PICK);
    Click(Qt::LeftButton, {0, 5});
    EXPECT_EQ((Color{255, 255, 255}), m_dlg->BackgroundColor());
    EXPECT_EQ((Color{0, 5, 255}), m_dlg->TextColor());
    EXPECT_EQ("#0005FF", EditText(IDC_EDIT_FG));
}

TEST_F(MainWindowPickTest, RightWhileLeftHeldShowsThePickAtTheNextRepaint)
{
    Open();
    Command(ID_BG_PICK);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    QApplication::processEvents();
    Mouse(QEvent::MouseButtonPress, Qt::RightButton);
    QApplication::processEvents();
    EXPECT_EQ((Color{0xF4, 0x2C, 0}), m_dlg->BackgroundColor());
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));                // the release no longer refreshes
    const QImage uncovered = m_dlg->Client()->grab().toImage(); // a repaint, as an expose
    QApplication::processEvents();
    EXPECT_EQ(QColor(0xF4, 0x2C, 0), uncovered.pixelColor(12, 3));
    EXPECT_EQ("#F42C00", EditText(IDC_EDIT_BG));
}

TEST_F(MainWindowPickTest, GradationDialogLeavesTheWindowAsItWas)
{
    Open();
    Command(ID_BG_PICK);
    Click(Qt::LeftButton, {171, 205});
    const QRect band(0, 0, m_dlg->Client()->width(), 36); // the edit boxes' carets blink below
    const QImage before = m_dlg->Client()->grab(band).toImage();
    Color middleBar;
    WhenModal([&middleBar](QWidget* modal) {
        auto* dlg = static_cast<TemplateDialog*>(modal);
        ControlOf<QAbstractButton>(*dlg, IDC_GRAD_MIDDLE)->click();
        middleBar = {ControlOf<ScrollBar>(*dlg, IDC_GRAD_RED)->GetScrollPos(),
                     ControlOf<ScrollBar>(*dlg, IDC_GRAD_GREEN)->GetScrollPos(),
                     ControlOf<ScrollBar>(*dlg, IDC_GRAD_BLUE)->GetScrollPos()};
        ControlOf<ScrollBar>(*dlg, IDC_GRAD_RED)->SetScrollPos(0);
        ControlOf<QPushButton>(*dlg, IDCANCEL)->click();
    });
    Command(ID_GRADATION_TAG);
    // The average of #ABCD00 and black, the remainders dropped.
    EXPECT_EQ((Color{0x55, 0x66, 0}), middleBar);
    EXPECT_EQ((Color{0xAB, 0xCD, 0}), m_dlg->BackgroundColor());
    EXPECT_EQ((Color{0, 0, 0}), m_dlg->TextColor());
    EXPECT_EQ("#ABCD00", EditText(IDC_EDIT_BG));
    EXPECT_TRUE(before == m_dlg->Client()->grab(band).toImage());
}

TEST_F(MainWindowPickTest, ValueInTheNotationContrastAgainstTheOtherColour)
{
    Open("[FLG]\nRGB=10\n");
    m_dlg->ApplyColorText(ColorTarget::Background, "#767676");
    Command(ID_FG_PICK);
    const MagnifierView text = ViewOnce("244,44,0");
    EXPECT_EQ("コントラスト比 " + FormatRatio(ContrastRatio({244, 44, 0}, {118, 118, 118})),
              text.contrast);
    Key(Qt::Key_Escape);
    Command(ID_BG_PICK);
    EXPECT_EQ("コントラスト比 5.21:1", ViewOnce("244,44,0").contrast); // against black
}

// 3 × 3 around an even square: five of its pixels have no blue and four full blue, which in
// linear light is B2, not the 71 of the plain mean; 5 × 5 has 12 of 25, B8.
TEST_F(MainWindowPickTest, AveragedPickFromTheMenuKeptInTheSettingsFile)
{
    Open();
    EXPECT_TRUE(Checked(ID_PICK_AREA_1));
    Command(ID_PICK_AREA_3);
    EXPECT_TRUE(Checked(ID_PICK_AREA_3));
    EXPECT_FALSE(Checked(ID_PICK_AREA_1));
    m_dlg->GetDlgItem(IDC_BG_COPY)->setFocus();
    Command(ID_BG_PICK);
    EXPECT_EQ(3, ViewOnce("#F42CB2").outlined);
    Key(Qt::Key_Return);
    EXPECT_EQ("#F42CB2", EditText(IDC_EDIT_BG));
    m_dlg->close();
    EXPECT_NE(ReadSettings().find("PICKAREA=3\n"), std::string::npos);

    Open();
    EXPECT_TRUE(Checked(ID_PICK_AREA_3));
    Command(ID_PICK_AREA_5);
    Command(ID_BG_PICK);
    m_screen->pointer = {500, 300};
    QTest::mouseClick(m_dlg.get(), Qt::LeftButton, {}, m_dlg->mapFromGlobal(QPoint(500, 300)));
    EXPECT_EQ("#F42CB8", EditText(IDC_EDIT_BG));
}

TEST_F(MainWindowPickTest, UnknownPickAreaIsOnePixelAndStaysInTheFile)
{
    Open("[FLG]\nPICKAREA=4\n");
    EXPECT_TRUE(Checked(ID_PICK_AREA_1));
    Command(ID_BG_PICK);
    EXPECT_EQ(1, ViewOnce("#F42C00").outlined);
    Key(Qt::Key_Return);
    m_dlg->close();
    EXPECT_NE(ReadSettings().find("PICKAREA=4\n"), std::string::npos);
}

// The eyedropper where only the desktop portal can pick: its colour is a completed pick.
class MainWindowPortalTest : public PortalTest
{
protected:
    void SetUp() override
    {
        RemoveSettings();
        PortalTest::SetUp();
        m_dlg = std::make_unique<CColorPickDlg>(SettingsFile(), HistoryFile());
        m_dlg->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        m_dlg.reset();
        PortalTest::TearDown();
        RemoveSettings();
    }

    void Command(int command) const { m_dlg->GetMenu()->Command(command)->trigger(); }
    std::string EditText(int id) const { return ControlOf<EditBox>(*m_dlg, id)->GetWindowText(); }
    void PickBackground() const { ControlOf<QPushButton>(*m_dlg, IDC_BG_PICK)->click(); }

    std::unique_ptr<CColorPickDlg> m_dlg;
};

TEST_F(MainWindowPortalTest, PickedColourIsTakenLikeACompletedPick)
{
    m_portal->answer = FakePortal::Answer{0, Color{0x12, 0xAB, 0x34}};
    PickBackground();
    ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_BG) == "#12AB34"; }))
        << EditText(IDC_EDIT_BG);
    EXPECT_EQ("#000000", EditText(IDC_EDIT_FG));

    // The text colour's menu item, and a request of its own.
    m_portal->answer = FakePortal::Answer{0, Color{0xFE, 0x01, 0x80}};
    Command(ID_FG_PICK);
    ASSERT_TRUE(WaitFor([&] { return EditText(IDC_EDIT_FG) == "#FE0180"; }))
        << EditText(IDC_EDIT_FG);
    EXPECT_EQ("#12AB34", EditText(IDC_EDIT_BG));
    ASSERT_EQ(2, m_portal->requests.size());
    EXPECT_NE(m_portal->requests[0], m_portal->requests[1]);
}

} // namespace
