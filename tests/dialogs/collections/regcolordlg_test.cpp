#include "collections/samplepalette.h"
#include "dialogs/collections/regcolordlg.h"
#include "dialogs/collections/samplecolordlg.h"
#include "platform/colorbutton.h"
#include "platform/editbox.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/dialogtest.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

class RegColorTest : public ::testing::Test
{
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }

    // Runs the dialog, doing `steps` while it is open.
    template <class Steps> int Run(CRegColorDlg& dlg, Steps steps)
    {
        WhenModal([&](QWidget*) { steps(); });
        return dlg.DoModal();
    }

    static ColorButton* Slot(const CRegColorDlg& dlg, int n)
    {
        return ControlOf<ColorButton>(dlg, IDC_REG_SLOTS[n - 1]);
    }
};

TEST_F(RegColorTest, RegisterChooseAndDeleteAreKeptWhateverTheEnd)
{
    CRegColorDlg first(SettingsFile(), ColorTarget::Text, {18, 171, 255}, nullptr);
    const int result = Run(first, [&] {
        EXPECT_EQ(Face(Slot(first, 1)), first.palette().color(QPalette::Button));
        EXPECT_EQ(Face(ControlOf<ColorButton>(first, IDC_REG_SWATCH)), QColor(18, 171, 255));
        Click(first, IDC_REG_REGISTER);
        Click(first, IDC_REG_REGISTER); // the same colour twice fills two slots
        EXPECT_EQ(Face(Slot(first, 1)), QColor(18, 171, 255));
        EXPECT_EQ(Face(Slot(first, 2)), QColor(18, 171, 255));
        Click(first, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ReadSettings(), "[FG1]\nITEM=1\nred=18\ngreen=171\nblue=255\n"
                              "[FG2]\nITEM=1\nred=18\ngreen=171\nblue=255\n");

    // Choose slot 2, then delete slot 1: the choice is gone, slot 1 looks empty, and the next
    // registration fills the gap.
    CRegColorDlg second(SettingsFile(), ColorTarget::Text, {1, 2, 3}, nullptr);
    Run(second, [&] {
        QTest::mouseClick(Slot(second, 2), Qt::LeftButton);
        EXPECT_EQ(second.Chosen(), (Color{18, 171, 255}));
        QTest::mouseClick(Slot(second, 1), Qt::LeftButton);
        Click(second, IDC_REG_DELETE);
        EXPECT_EQ(second.Chosen(), std::nullopt);
        EXPECT_EQ(Face(Slot(second, 1)), second.palette().color(QPalette::Button));
        Click(second, IDC_REG_REGISTER);
        EXPECT_EQ(Face(Slot(second, 1)), QColor(1, 2, 3));
        QTest::mouseClick(Slot(second, 5), Qt::LeftButton); // free: nothing chosen
        Click(second, IDOK);
    });
    EXPECT_EQ(second.Chosen(), std::nullopt);
    EXPECT_NE(ReadSettings().find("[FG1]\nITEM=1\nred=1\ngreen=2\nblue=3\n"), std::string::npos);
}

TEST_F(RegColorTest, DoubleClickEndsWithTheSlotsColourOrNothing)
{
    WriteSettings("[BG3]\nITEM=1\nred=300\ngreen=0\nblue=0\n");
    const std::pair<int, std::optional<Color>> cases[] = {{3, Color{300, 0, 0}}, {4, std::nullopt}};
    for (const auto& [slot, chosen] : cases) {
        CRegColorDlg dlg(SettingsFile(), ColorTarget::Background, {255, 255, 255}, nullptr);
        const int result = Run(dlg, [&] {
            EXPECT_EQ(Face(Slot(dlg, 3)), QColor(44, 0, 0)); // hand-edited: low 8 bits shown
            QTest::mouseDClick(Slot(dlg, slot), Qt::LeftButton);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dlg.Chosen(), chosen) << "slot " << slot; // the whole value handed back
    }
}

TEST_F(RegColorTest, EnterOnASlotChoosesAfterRegisterHadTheFocus)
{
    WriteSettings("[FG1]\nITEM=1\nred=1\ngreen=2\nblue=3\n");
    CRegColorDlg dlg(SettingsFile(), ColorTarget::Text, {255, 255, 255}, nullptr);
    const int result = Run(dlg, [&] {
        auto* reg = ControlOf<QPushButton>(dlg, IDC_REG_REGISTER);
        reg->setFocus();
        QTest::keyClick(reg, Qt::Key_Return); // a focused push button: Enter presses it
        QTest::mouseClick(Slot(dlg, 1), Qt::LeftButton);
        QTest::keyClick(Slot(dlg, 1), Qt::Key_Return); // on a colour: 選択, not 登録する again
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.Chosen(), (Color{1, 2, 3}));
    EXPECT_EQ(ReadSettings(), "[FG1]\nITEM=1\nred=1\ngreen=2\nblue=3\n"
                              "[FG2]\nITEM=1\nred=255\ngreen=255\nblue=255\n");
}

TEST_F(RegColorTest, FullSetShowsTheMessageAndWritesNothing)
{
    std::string full;
    for (int n = 1; n <= 18; ++n)
        full += "[BG" + std::to_string(n) + "]\nITEM=1\nred=" + std::to_string(n) +
                "\ngreen=0\nblue=0\n";
    WriteSettings(full);
    CRegColorDlg dlg(SettingsFile(), ColorTarget::Background, {0, 0, 0}, nullptr);
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Run(dlg, [&] {
        WhenModal([&](QWidget* box) {
            auto* messageBox = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(messageBox, nullptr);
            message = messageBox->text();
            icon = messageBox->icon();
            messageBox->accept();
        });
        Click(dlg, IDC_REG_REGISTER);
        EXPECT_TRUE(dlg.isVisible()); // the dialog stays open
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(message, "登録する場所がありません。どれか色を削除してから登録して下さい。");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(ReadSettings(), full);
}

// With the settings file unwritable (a folder in its place), registering and deleting say so
// instead of seeming to succeed.
TEST_F(RegColorTest, RegisterAndDeleteSayWhenTheFileCannotBeWritten)
{
    std::filesystem::create_directory(SettingsFile());

    using Box = std::tuple<std::string, std::string, QMessageBox::Icon>; // caption, text, icon
    std::vector<Box> boxes;
    const auto answerTheBox = [&] {
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            boxes.emplace_back(box->windowTitle().toStdString(), box->text().toStdString(),
                               box->icon());
            box->accept();
        });
    };
    CRegColorDlg dlg(SettingsFile(), ColorTarget::Background, {1, 2, 3}, nullptr);
    Run(dlg, [&] {
        answerTheBox();
        Click(dlg, IDC_REG_REGISTER);
        EXPECT_EQ(Face(Slot(dlg, 1)), dlg.palette().color(QPalette::Button));
        QTest::mouseClick(Slot(dlg, 1), Qt::LeftButton);
        answerTheBox();
        Click(dlg, IDC_REG_DELETE);
        EXPECT_TRUE(dlg.isVisible());
        Click(dlg, IDCANCEL);
    });
    std::filesystem::remove(SettingsFile());
    EXPECT_EQ(boxes, (std::vector<Box>{
                         {"Tessuvo", "色を登録できませんでした。設定ファイルに書き込めません。",
                          QMessageBox::Warning},
                         {"Tessuvo", "色を削除できませんでした。設定ファイルに書き込めません。",
                          QMessageBox::Warning},
                     }));
}

TEST_F(RegColorTest, SlotsShowWhatTheFileHoldsAtEachPaint)
{
    CRegColorDlg dlg(SettingsFile(), ColorTarget::Background, {255, 255, 255}, nullptr);
    Run(dlg, [&] {
        // Another running copy registers a colour while this dialog is open.
        WriteSettings("[BG7]\nITEM=1\nred=10\ngreen=20\nblue=30\n");
        EXPECT_EQ(Face(Slot(dlg, 7)), QColor(10, 20, 30));
        Click(dlg, IDC_REG_DELETE); // before any slot was clicked: no section changes
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(ReadSettings(), "[BG7]\nITEM=1\nred=10\ngreen=20\nblue=30\n");
}

} // namespace
