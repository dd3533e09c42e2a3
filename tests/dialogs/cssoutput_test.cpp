#include "app/colorpickdlg.h"
#include "dialogs/tags/gradationdlg.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

const QPoint OnBand(100, 16);

QStringList Texts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << action->text();
    return texts;
}

void SetClipboard(const char* text)
{
    QApplication::clipboard()->setText(QString::fromUtf8(text));
}

class CssOutputTest : public MainWindowFixture
{
protected:
    QPushButton* Button(int id) const { return ControlOf<QPushButton>(*m_dlg, id); }
    QAction* Action(int id) const { return m_dlg->GetMenu()->Command(id); }
    void SetColors(const char* background, const char* text) const
    {
        m_dlg->ApplyColorText(ColorTarget::Background, background);
        m_dlg->ApplyColorText(ColorTarget::Text, text);
    }

    // The tooltip the window shows over `widget`; empty for none.
    static QString ToolTipOver(QWidget* widget)
    {
        const QString none = QStringLiteral("(none)");
        const QPoint at = widget->rect().center();
        QToolTip::showText(widget->mapToGlobal(at), none, widget);
        QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        return QToolTip::text() == none ? QString() : QToolTip::text();
    }

    void OnBandMenu(const std::function<void(QMenu&)>& use) const
    {
        WithContextMenu(m_dlg.get(), m_dlg->Client()->mapTo(m_dlg.get(), OnBand), use);
    }
    void OnBoxMenu(int id, const std::function<void(QMenu&)>& use) const
    {
        WithContextMenu(Edit(id)->viewport(), QPoint(4, 4), use);
    }
    void PasteIntoBox(int id) const
    {
        OnBoxMenu(id, [](QMenu& menu) { Item(menu, "色として貼り付け(&V)")->trigger(); });
    }
};

TEST_F(CssOutputTest, OutputStyleSwitchesWhatTheTagCommandsWriteAndSay)
{
    Open("[FLG]\nUSEFONT=1\n");
    SetColors("#FFFFFF", "#FF0000");
    EXPECT_TRUE(Checked(ID_OUTPUT_HTML));
    EXPECT_FALSE(Checked(ID_OUTPUT_CSS));
    Command(ID_OUTPUT_CSS);
    EXPECT_TRUE(Checked(ID_OUTPUT_CSS));
    EXPECT_FALSE(Checked(ID_OUTPUT_HTML));

    Button(IDC_BG_TAG)->click();
    EXPECT_EQ(ClipboardText(), "body { background-color: #ffffff; color: #ff0000; }");
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FFFFFF");
    Command(ID_FONT_TAG);
    EXPECT_EQ(ClipboardText(), R"(<span style="color: #ff0000">[TESSUVO]</span>)");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#FF0000");
    WriteSettings("[FLG]\nUSEFONT=0\n");
    Button(IDC_FG_TAG)->click();
    EXPECT_EQ(ClipboardText(), R"(<span style="color: #ff0000"></span>)");

    const auto names = [&] {
        return QStringList{Action(ID_BODY_TAG)->text(), Action(ID_FONT_TAG)->text(),
                           ToolTipOver(Button(IDC_BG_TAG)), ToolTipOver(Button(IDC_FG_TAG)),
                           Button(IDC_FG_TAG)->accessibleName()};
    };
    EXPECT_EQ(names(), (QStringList{"BODYのCSS生成(&T)", "spanﾀｸﾞ生成(&T)", "BODYのCSS生成",
                                    "spanﾀｸﾞ生成", "spanﾀｸﾞ生成"}));
    Command(ID_OUTPUT_HTML);
    EXPECT_EQ(names(), (QStringList{"BODYﾀｸﾞ生成(&T)", "FONTﾀｸﾞ生成(&T)", "BODYﾀｸﾞ生成",
                                    "FONTﾀｸﾞ生成", "FONTﾀｸﾞ生成"}));
    Command(ID_BODY_TAG);
    EXPECT_EQ(ClipboardText(), R"(<BODY bgcolor="#ffffff" text="#ff0000">)");
}

// The key is written only once the style has been chosen: a file without it, or with a value of
// its own, closes as it would have without the option.
TEST_F(CssOutputTest, OutputStyleIsKeptOnceChosen)
{
    Open();
    m_dlg->move(40, 30);
    m_dlg->close();
    EXPECT_EQ(ReadSettings(), "[FLG]\nTOPMOST=0\nRGB=3\nPREVIEW=0\n[POSITION]\nX=40\nY=30\n"
                              "[PREVIEW]\nSTRING=[TESSUVO]\n");

    Open("[FLG]\nOUTPUT=7\n");
    EXPECT_TRUE(Checked(ID_OUTPUT_HTML));
    m_dlg->move(40, 30);
    m_dlg->close();
    EXPECT_EQ(ReadSettings(), "[FLG]\nOUTPUT=7\nTOPMOST=0\nRGB=3\nPREVIEW=0\n[POSITION]\nX=40\n"
                              "Y=30\n[PREVIEW]\nSTRING=[TESSUVO]\n");

    RemoveSettings();
    Open();
    Command(ID_OUTPUT_CSS);
    m_dlg->move(40, 30);
    m_dlg->close();
    EXPECT_EQ(ReadSettings(), "[FLG]\nTOPMOST=0\nRGB=3\nPREVIEW=0\nOUTPUT=1\n[POSITION]\nX=40\n"
                              "Y=30\n[PREVIEW]\nSTRING=[TESSUVO]\n");
    Open();
    EXPECT_TRUE(Checked(ID_OUTPUT_CSS));
    Command(ID_BODY_TAG);
    EXPECT_EQ(ClipboardText(), "body { background-color: #ffffff; color: #000000; }");
}

TEST_F(CssOutputTest, CopyButtonMenuListsTheColourInSixFormats)
{
    Open();
    SetColors("#FFFFFF", "#12ABFF");
    WithContextMenu(Button(IDC_FG_COPY), QPoint(2, 2), [](QMenu& menu) {
        EXPECT_EQ(Texts(menu), (QStringList{"&1 #12abff", "&2 #12ABFF", "&3 rgb(18 171 255)",
                                            "&4 hsl(201.3 100% 53.5%)",
                                            "&5 oklch(0.711 0.1657 242.1)", "&6 18,171,255"}));
        menu.actions().at(4)->trigger();
    });
    EXPECT_EQ(ClipboardText(), "oklch(0.711 0.1657 242.1)");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#12ABFF");

    WithContextMenu(Button(IDC_BG_COPY), QPoint(2, 2),
                    [](QMenu& menu) { menu.actions().at(2)->trigger(); });
    EXPECT_EQ(ClipboardText(), "rgb(255 255 255)");
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FFFFFF");
}

TEST_F(CssOutputTest, BandMenuCopiesCssVariables)
{
    Open();
    SetColors("#010203", "#ABCDEF");
    OnBandMenu([](QMenu& menu) { Item(menu, "CSS変数としてコピー(&P)")->trigger(); });
    EXPECT_EQ(ClipboardText(), ":root { --background-color: #010203; --text-color: #abcdef; }");
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#010203");
}

TEST_F(CssOutputTest, PasteAsColourSetsBothOrOneByWhereItWasPasted)
{
    Open();
    OnBoxMenu(IDC_EDIT_FG, [](QMenu& menu) {
        // Qt's own items first, then a separator and the command.
        const QList<QAction*> items = menu.actions();
        ASSERT_GE(items.size(), 4);
        EXPECT_TRUE(items[items.size() - 2]->isSeparator());
        EXPECT_EQ(items.back()->text(), "色として貼り付け(&V)");
    });

    SetClipboard("body {\n  background-color: #1e3a5f;\n  color: white;\n}\n");
    PasteIntoBox(IDC_EDIT_FG);
    EXPECT_EQ(m_dlg->BackgroundColor(), (Color{0x1e, 0x3a, 0x5f}));
    EXPECT_EQ(ControlOf<ScrollBar>(*m_dlg, IDC_FG_GREEN)->GetScrollPos(), 255);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#1E3A5F");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#FFFFFF");

    SetClipboard("color: navy;");
    PasteIntoBox(IDC_EDIT_BG);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#000080");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#FFFFFF");
    // On the band a colour declaration goes to the text colour.
    OnBandMenu([](QMenu& menu) { Item(menu, "色として貼り付け(&V)")->trigger(); });
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000080");
}

TEST_F(CssOutputTest, PasteWithoutAColourShowsANoteAndChangesNothing)
{
    Open();
    SetClipboard("Hi, there");
    PasteIntoBox(IDC_EDIT_BG);
    EXPECT_EQ(EditText(IDC_EDIT_BG), "#FFFFFF");
    EXPECT_EQ(EditText(IDC_EDIT_FG), "#000000");
    const auto* note = Edit(IDC_EDIT_BG)->findChild<QLabel*>();
    ASSERT_TRUE(note);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->windowFlags().testFlag(Qt::ToolTip));
    EXPECT_EQ(note->text(), "色が見つかりません");
    EXPECT_GE(note->geometry().top(), Edit(IDC_EDIT_BG)->mapToGlobal(QPoint(0, 0)).y());
}

class GradationCssTest : public ::testing::Test
{
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override
    {
        m_dlg.reset();
        RemoveSettings();
    }

    void Open(OutputStyle style)
    {
        m_dlg = std::make_unique<CGradationTagDlg>(SettingsFile(), nullptr);
        m_dlg->m_start = {255, 255, 255};
        m_dlg->m_end = {0, 0, 0};
        m_dlg->m_middle = {127, 127, 127};
        m_dlg->m_outputStyle = style;
        m_dlg->show();
        QApplication::processEvents();
    }

    std::unique_ptr<CGradationTagDlg> m_dlg;
};

TEST_F(GradationCssTest, CopyWritesASpanACharacterWithCss)
{
    Open(OutputStyle::Css);
    ControlOf<EditBox>(*m_dlg, IDC_GRAD_TEXT)->SetWindowText("abc");
    m_dlg->Regenerate();
    ControlOf<QPushButton>(*m_dlg, IDC_GRAD_COPY)->click();
    EXPECT_EQ(ClipboardText(), R"(<span style="color: #ffffff">a</span>)"
                               R"(<span style="color: #7f7f7f">b</span>)"
                               R"(<span style="color: #000000">c</span>)");
    EXPECT_EQ(ControlOf<EditBox>(*m_dlg, IDC_GRAD_TEXT)->GetWindowText(), "abc");
}

TEST_F(GradationCssTest, BandMenuCopiesTheTextAsOneGradient)
{
    Open(OutputStyle::HtmlTags);
    const QPoint band = m_dlg->Client()->mapTo(m_dlg.get(), QPoint(100, 15));
    WithContextMenu(m_dlg.get(), band, [](QMenu& menu) {
        EXPECT_EQ(Texts(menu), QStringList{"CSSグラデーションとしてコピー(&G)"});
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

// The main window hands its output style to the gradation dialog.
TEST_F(CssOutputTest, GradationDialogWritesInTheWindowsStyle)
{
    Open();
    Command(ID_OUTPUT_CSS);
    WhenModal([](QWidget* modal) {
        ControlOf<QPushButton>(*static_cast<CGradationTagDlg*>(modal), IDC_GRAD_COPY)->click();
        static_cast<QDialog*>(modal)->reject();
    });
    Command(ID_GRADATION_TAG);
    EXPECT_EQ(ClipboardText().rfind(R"(<span style="color: #ffffff">[</span>)", 0), 0u);
}

} // namespace
