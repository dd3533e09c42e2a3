#include "app/colorpickdlg.h"
#include "app/previewband.h"
#include "dialogs/tags/previewtextdlg.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "res/resource.h"
#include "support/dialogtest.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

class PreviewTextDlgTest : public ::testing::Test
{
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override
    {
        m_main.reset();
        RemoveSettings();
    }

    // Runs the dialog on `text` with `steps` done on it while it is up; the result of DoModal.
    template <class Steps> int RunDialog(const std::string& text, Steps steps)
    {
        CPreviewTextDlg dlg(SettingsFile(), nullptr);
        dlg.m_previewText = text;
        WhenModal([&](QWidget*) { steps(dlg); });
        const int result = dlg.DoModal();
        m_handedBack = dlg.m_previewText;
        return result;
    }

    static EditBox* Edit(const CPreviewTextDlg& dlg)
    {
        return ControlOf<EditBox>(dlg, IDC_PREVIEW_EDIT);
    }
    static QCheckBox* UseFont(const CPreviewTextDlg& dlg)
    {
        return ControlOf<QCheckBox>(dlg, IDC_USEFONT);
    }
    static void Enter(EditBox* edit, int caret)
    {
        edit->setFocus();
        edit->SetSel(caret, caret);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    static void Ok(const CPreviewTextDlg& dlg) { ControlOf<QPushButton>(dlg, IDOK)->click(); }

    CColorPickDlg& OpenMain()
    {
        m_main = std::make_unique<CColorPickDlg>(SettingsFile(), HistoryFile());
        m_main->show();
        QApplication::processEvents();
        return *m_main;
    }
    void Command(int id) { m_main->GetMenu()->Command(id)->trigger(); }
    QImage Band() const { return m_main->Client()->grab(PreviewBand).toImage(); }

    std::string m_handedBack;
    std::unique_ptr<CColorPickDlg> m_main;
};

TEST_F(PreviewTextDlgTest, EnterInTheMiddleAcceptsTheTextUnchanged)
{
    const int result = RunDialog("見本の文字", [](CPreviewTextDlg& dlg) {
        EXPECT_EQ(Edit(dlg)->GetWindowText(), "見本の文字");
        EXPECT_FALSE(UseFont(dlg)->isChecked()); // no settings file
        Enter(Edit(dlg), 2);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_handedBack, "見本の文字");
    EXPECT_EQ(ReadSettings(), "[FLG]\nUSEFONT=0\n");
}

TEST_F(PreviewTextDlgTest, ALongLineKeepsItsBreakUntilOk)
{
    const std::string text = std::string(520, 'a') + std::string(80, 'b');
    const int result = RunDialog(text, [](CPreviewTextDlg& dlg) {
        Enter(Edit(dlg), 520);
        EXPECT_TRUE(dlg.isVisible()) << "not accepted";
        Ok(dlg);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_handedBack, std::string(520, 'a') + "\n" + std::string(80, 'b'));
}

TEST_F(PreviewTextDlgTest, TypingStopsAt1024BytesAndTheEmptyTextIsAccepted)
{
    RunDialog("", [](CPreviewTextDlg& dlg) {
        TypeText(Edit(dlg), QString(1022, QLatin1Char('a')));
        TypeText(Edit(dlg), QString::fromUtf8("あ")); // two bytes: exactly 1024
        TypeText(Edit(dlg), QStringLiteral("b"));
        Ok(dlg);
    });
    EXPECT_EQ(m_handedBack, std::string(1022, 'a') + "あ");

    RunDialog("", [](CPreviewTextDlg& dlg) {
        TypeText(Edit(dlg), QString(1023, QLatin1Char('a')));
        TypeText(Edit(dlg), QString::fromUtf8("あ")); // would be 1025
        Ok(dlg);
    });
    EXPECT_EQ(m_handedBack, std::string(1023, 'a'));

    // A text the program sets is not held to the limit, and raises no message.
    const std::string longer(1500, 'c');
    EXPECT_EQ(RunDialog(longer, [](CPreviewTextDlg& dlg) { Ok(dlg); }), IDOK);
    EXPECT_EQ(m_handedBack, longer);

    EXPECT_EQ(RunDialog("", [](CPreviewTextDlg& dlg) { Ok(dlg); }), IDOK);
    EXPECT_EQ(m_handedBack, "");
}

TEST_F(PreviewTextDlgTest, AnyNonZeroUseFontShowsCheckedAndOkWritesOne)
{
    WriteSettings("[FLG]\nUSEFONT=2\n");
    RunDialog("x", [](CPreviewTextDlg& dlg) {
        EXPECT_TRUE(UseFont(dlg)->isChecked());
        Ok(dlg);
    });
    EXPECT_EQ(ReadSettings(), "[FLG]\nUSEFONT=1\n");
}

TEST_F(PreviewTextDlgTest, OkRefreshesThePreviewAndTheFontTagFollowsUseFont)
{
    OpenMain();
    const QImage before = Band();
    WhenModal([](QWidget* widget) {
        auto* dlg = static_cast<CPreviewTextDlg*>(widget);
        EXPECT_EQ(Edit(*dlg)->GetWindowText(), "[TESSUVO]");
        Edit(*dlg)->SetWindowText("新しい文字");
        UseFont(*dlg)->setChecked(true);
        Ok(*dlg);
    });
    Command(ID_PREVIEW_STRING);
    EXPECT_NE(Band(), before);
    Command(ID_FONT_TAG);
    EXPECT_EQ(ClipboardText(), "<FONT color=\"#000000\">新しい文字</FONT>");

    WhenModal([](QWidget* widget) {
        auto* dlg = static_cast<CPreviewTextDlg*>(widget);
        UseFont(*dlg)->setChecked(false);
        Ok(*dlg);
    });
    Command(ID_PREVIEW_STRING);
    Command(ID_FONT_TAG);
    EXPECT_EQ(ClipboardText(), "<FONT color=\"#000000\"></FONT>");
    EXPECT_EQ(ReadSettings(), "[FLG]\nUSEFONT=0\n");
}

TEST_F(PreviewTextDlgTest, CancelChangesNeitherTheFileNorThePreview)
{
    WriteSettings("[FLG]\nUSEFONT=1\n");
    OpenMain();
    const QImage before = Band();
    WhenModal([](QWidget* widget) {
        auto* dlg = static_cast<CPreviewTextDlg*>(widget);
        Edit(*dlg)->selectAll();
        TypeText(Edit(*dlg), QStringLiteral("other"));
        UseFont(*dlg)->setChecked(false);
        ControlOf<QPushButton>(*dlg, IDCANCEL)->click();
    });
    Command(ID_PREVIEW_STRING);
    EXPECT_EQ(Band(), before);
    EXPECT_EQ(ReadSettings(), "[FLG]\nUSEFONT=1\n");
}

TEST_F(PreviewTextDlgTest, ATextWithALineBreakSurvivesARestart)
{
    const std::string text = std::string(520, 'a') + "\n二行目\\n";
    OpenMain();
    WhenModal([&text](QWidget* widget) {
        auto* dlg = static_cast<CPreviewTextDlg*>(widget);
        Edit(*dlg)->SetWindowText(text);
        Ok(*dlg);
    });
    Command(ID_PREVIEW_STRING);
    m_main->close();
    OpenMain();
    std::string reopened;
    WhenModal([&reopened](QWidget* widget) {
        auto* dlg = static_cast<CPreviewTextDlg*>(widget);
        reopened = Edit(*dlg)->GetWindowText();
        Ok(*dlg);
    });
    Command(ID_PREVIEW_STRING);
    EXPECT_EQ(reopened, text);
}

} // namespace
