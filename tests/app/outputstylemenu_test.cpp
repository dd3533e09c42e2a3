#include "app/outputstylemenu.h"
#include "dialogs/tags/gradationdlg.h"
#include "platform/menubar.h"
#include "res/resource.h"
#include "support/mainwindowtest.h"

#include <QPushButton>
#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

class OutputStyleMenuTest : public MainWindowFixture
{
protected:
    QPushButton* Button(int id) const { return ControlOf<QPushButton>(*m_dlg, id); }
    QAction* Action(int id) const { return m_dlg->GetMenu()->Command(id); }
};

TEST_F(OutputStyleMenuTest, OutputStyleSwitchesWhatTheTagCommandsWriteAndSay)
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

// A file with a value of its own closes as it would have without the option; a style chosen
// is there at the next start.
TEST_F(OutputStyleMenuTest, OutputStyleIsKeptOnceChosen)
{
    Open("[FLG]\nOUTPUT=7\n");
    EXPECT_TRUE(Checked(ID_OUTPUT_HTML));
    m_dlg->move(40, 30);
    m_dlg->close();
    EXPECT_EQ(ReadSettings(), "[FLG]\nOUTPUT=7\nTOPMOST=0\nRGB=3\nPREVIEW=0\n[POSITION]\nX=40\n"
                              "Y=30\n[PREVIEW]\nSTRING=[TESSUVO]\n");

    RemoveSettings();
    Open();
    Command(ID_OUTPUT_CSS);
    m_dlg->close();
    Open();
    EXPECT_TRUE(Checked(ID_OUTPUT_CSS));
    Command(ID_BODY_TAG);
    EXPECT_EQ(ClipboardText(), "body { background-color: #ffffff; color: #000000; }");
}

// The main window hands its output style to the gradation dialog.
TEST_F(OutputStyleMenuTest, GradationDialogWritesInTheWindowsStyle)
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
