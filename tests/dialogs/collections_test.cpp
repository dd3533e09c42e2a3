#include "collections/samplepalette.h"
#include "dialogs/collections/regcolordlg.h"
#include "dialogs/collections/samplecolordlg.h"
#include "dialogtest.h"
#include "platform/colorbutton.h"
#include "platform/editbox.h"
#include "platform/scrollbar.h"
#include "res/resource.h"

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

QColor Face(ColorButton* button)
{
    const QImage image = button->grab().toImage();
    return image.pixelColor(image.rect().center());
}

void Click(const TemplateDialog& dlg, int id)
{
    QTest::mouseClick(ControlOf<QAbstractButton>(dlg, id), Qt::LeftButton);
}

// Slot n's control id, row by row from the top left.
constexpr int SlotIds[] = {1000, 1016, 1017, 1019, 1006, 1007, 1001, 1002, 1003,
                           1004, 1005, 1008, 1014, 1018, 1020, 1015, 1028, 1029};

TEST(SampleColorDlg, ChoosingWithClicksEnterAndDoubleClicks)
{
    struct Case
    {
        const char* name;
        std::vector<int> clicks;
        int end; // IDOK, IDCANCEL, Qt::Key_Return, or 0 for a double-click on the last click
        int result, red, green, blue;
    };
    const Case cases[] = {
        {"選択 at once", {}, IDOK, IDOK, -1, 0, 0},
        {"赤 then 選択", {1003}, IDOK, IDOK, 255, 0, 0},
        {"赤, 青, 選択", {1003, 1017}, IDOK, IDOK, 0, 0, 255},
        {"Enter on a colour presses 選択", {1009}, Qt::Key_Return, IDOK, 255, 192, 203},
        {"double-click 空", {1001}, 0, IDOK, 135, 206, 235},
        {"colour then ｷｬﾝｾﾙ", {1003}, IDCANCEL, IDCANCEL, 255, 0, 0},
    };
    for (const Case& c : cases) {
        CSampleColorDlg dlg;
        WhenModal([&](QWidget*) {
            for (const int id : c.clicks)
                Click(dlg, id);
            if (c.end == 0)
                QTest::mouseDClick(ControlOf<ColorButton>(dlg, c.clicks.back()), Qt::LeftButton);
            else if (c.end == Qt::Key_Return)
                QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
            else
                Click(dlg, c.end);
        });
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        EXPECT_EQ(dlg.m_selRed, c.red) << c.name;
        if (c.red >= 0) {
            EXPECT_EQ(dlg.m_selGreen, c.green) << c.name;
            EXPECT_EQ(dlg.m_selBlue, c.blue) << c.name;
        }
    }
}

TEST(SampleColorDlg, EveryFaceIsTheColourItHandsBack)
{
    CSampleColorDlg dlg;
    dlg.Create();
    for (const SampleColor& sample : SamplePalette) {
        auto* button = ControlOf<ColorButton>(dlg, sample.id);
        QTest::mouseClick(button, Qt::LeftButton);
        const QColor face = Face(button);
        EXPECT_EQ(QColor(dlg.m_selRed, dlg.m_selGreen, dlg.m_selBlue), face) << sample.id;
        EXPECT_FALSE(button->accessibleName().isEmpty());
    }
    EXPECT_EQ(ControlOf<ColorButton>(dlg, 1003)->accessibleName(), "赤");
}

TEST(SampleColorDlg, ArrowsMoveTheFocusAcrossTheGrid)
{
    CSampleColorDlg dlg;
    dlg.Create();
    ControlOf<ColorButton>(dlg, 1000)->setFocus(); // row 1, column 1
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_Right, 1019}, {Qt::Key_Down, 1017},
        {Qt::Key_Down, 1001},  {Qt::Key_Down, 1001}, // the last row: nowhere further down
        {Qt::Key_Left, 1018},  {Qt::Key_Up, 1016},
    };
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(dlg.focusWidget(), key);
        EXPECT_EQ(TemplateDialog::ControlId(dlg.focusWidget()), expected);
    }
}

class RegColorTest : public ::testing::Test
{
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }

    // Runs the dialog for `target` offering `offered`, doing `steps` while it is open.
    template <class Steps>
    int Run(CRegColorDlg& dlg, int target, const QColor& offered, Steps steps)
    {
        dlg.m_regRed = offered.red();
        dlg.m_regGreen = offered.green();
        dlg.m_regBlue = offered.blue();
        dlg.m_target = target;
        WhenModal([&](QWidget*) { steps(); });
        return dlg.DoModal();
    }

    static ColorButton* Slot(const CRegColorDlg& dlg, int n)
    {
        return ControlOf<ColorButton>(dlg, SlotIds[n - 1]);
    }
};

TEST_F(RegColorTest, RegisterChooseAndDeleteAreKeptWhateverTheEnd)
{
    CRegColorDlg first;
    const int result = Run(first, TargetText, QColor(18, 171, 255), [&] {
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
    CRegColorDlg second;
    Run(second, TargetText, QColor(1, 2, 3), [&] {
        QTest::mouseClick(Slot(second, 2), Qt::LeftButton);
        EXPECT_EQ(second.m_selRed, 18);
        QTest::mouseClick(Slot(second, 1), Qt::LeftButton);
        Click(second, IDC_REG_DELETE);
        EXPECT_EQ(second.m_selRed, -1);
        EXPECT_EQ(Face(Slot(second, 1)), second.palette().color(QPalette::Button));
        Click(second, IDC_REG_REGISTER);
        EXPECT_EQ(Face(Slot(second, 1)), QColor(1, 2, 3));
        QTest::mouseClick(Slot(second, 5), Qt::LeftButton); // free: nothing chosen
        Click(second, IDOK);
    });
    EXPECT_EQ(second.m_selRed, -1);
    EXPECT_NE(ReadSettings().find("[FG1]\nITEM=1\nred=1\ngreen=2\nblue=3\n"), std::string::npos);
}

TEST_F(RegColorTest, DoubleClickEndsWithTheSlotsColourOrNothing)
{
    WriteSettings("[BG3]\nITEM=1\nred=300\ngreen=0\nblue=0\n");
    for (const auto& [slot, red] : {std::pair{3, 300}, std::pair{4, -1}}) {
        CRegColorDlg dlg;
        const int result = Run(dlg, TargetBackground, Qt::white, [&] {
            EXPECT_EQ(Face(Slot(dlg, 3)), QColor(44, 0, 0)); // hand-edited: low 8 bits shown
            QTest::mouseDClick(Slot(dlg, slot), Qt::LeftButton);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dlg.m_selRed, red) << "slot " << slot; // the whole value handed back
    }
}

TEST_F(RegColorTest, EnterOnASlotChoosesAfterRegisterHadTheFocus)
{
    WriteSettings("[FG1]\nITEM=1\nred=1\ngreen=2\nblue=3\n");
    CRegColorDlg dlg;
    const int result = Run(dlg, TargetText, Qt::white, [&] {
        auto* reg = ControlOf<QPushButton>(dlg, IDC_REG_REGISTER);
        reg->setFocus();
        QTest::keyClick(reg, Qt::Key_Return); // a focused push button: Enter presses it
        QTest::mouseClick(Slot(dlg, 1), Qt::LeftButton);
        QTest::keyClick(Slot(dlg, 1), Qt::Key_Return); // on a colour: 選択, not 登録する again
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_selRed, 1);
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
    CRegColorDlg dlg;
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Run(dlg, TargetBackground, Qt::black, [&] {
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

// With the settings file unwritable everywhere (a folder in its place and no config folder to
// move to), registering and deleting say so instead of seeming to succeed.
TEST_F(RegColorTest, RegisterAndDeleteSayWhenTheFileCannotBeWritten)
{
    namespace fs = std::filesystem;
    const fs::path notAFolder =
        fs::temp_directory_path() / ("tessuvo-not-a-folder-" + std::to_string(::getpid()));
    std::ofstream(notAFolder) << "a file";
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> savedXdg =
        xdg ? std::optional<std::string>(xdg) : std::nullopt;
    ::setenv("XDG_CONFIG_HOME", notAFolder.c_str(), 1);
    fs::create_directory(SettingsFile());

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
    CRegColorDlg dlg;
    Run(dlg, TargetBackground, QColor(1, 2, 3), [&] {
        answerTheBox();
        Click(dlg, IDC_REG_REGISTER);
        EXPECT_EQ(Face(Slot(dlg, 1)), dlg.palette().color(QPalette::Button));
        QTest::mouseClick(Slot(dlg, 1), Qt::LeftButton);
        answerTheBox();
        Click(dlg, IDC_REG_DELETE);
        EXPECT_TRUE(dlg.isVisible());
        Click(dlg, IDCANCEL);
    });

    if (savedXdg)
        ::setenv("XDG_CONFIG_HOME", savedXdg->c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    fs::remove(notAFolder);
    EXPECT_EQ(boxes, (std::vector<Box>{
                         {"Tessuvo", "色を登録できませんでした。設定ファイルに書き込めません。",
                          QMessageBox::Warning},
                         {"Tessuvo", "色を削除できませんでした。設定ファイルに書き込めません。",
                          QMessageBox::Warning},
                     }));
}

TEST_F(RegColorTest, SlotsShowWhatTheFileHoldsAtEachPaint)
{
    CRegColorDlg dlg;
    Run(dlg, TargetBackground, Qt::white, [&] {
        // Another running copy registers a colour while this dialog is open.
        WriteSettings("[BG7]\nITEM=1\nred=10\ngreen=20\nblue=30\n");
        EXPECT_EQ(Face(Slot(dlg, 7)), QColor(10, 20, 30));
        Click(dlg, IDC_REG_DELETE); // before any slot was clicked: no section changes
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(ReadSettings(), "[BG7]\nITEM=1\nred=10\ngreen=20\nblue=30\n");
}

TEST(TemplateDialog, GroupBoxListedLastTakesNoClicks)
{
    TemplateDialog dlg(IDD_GRADATION);
    dlg.Create();
    auto* bar = ControlOf<ScrollBar>(dlg, IDC_GRAD_GREEN);
    auto* palette = ControlOf<QPushButton>(dlg, IDC_GRAD_PALETTE);
    for (QWidget* control : {static_cast<QWidget*>(bar), static_cast<QWidget*>(palette)})
        EXPECT_EQ(dlg.Client()->childAt(control->geometry().center()), control);

    // Clicks delivered through the window, as the mouse delivers them.
    int codes = 0, presses = 0;
    QObject::connect(bar, &ScrollBar::scrolled, [&codes](int, int) { ++codes; });
    QObject::connect(palette, &QPushButton::clicked, [&presses] { ++presses; });
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                      bar->mapTo(&dlg, QPoint(bar->width() - 3, bar->height() / 2)));
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {},
                      palette->mapTo(&dlg, palette->rect().center()));
    EXPECT_GT(codes, 0);
    EXPECT_EQ(presses, 1);
}

TEST(TemplateDialog, EscapeInAMultiLineBoxClosesTheSideDialogAsCancel)
{
    // The multi-line colour box asks the dialog to close; the one-line text box leaves Escape
    // to the dialog's Cancel. Either way a side dialog ends with IDCANCEL.
    for (const auto& [id, closeRequests] :
         {std::pair{IDC_GRAD_COLOR, 1}, std::pair{IDC_GRAD_TEXT, 0}}) {
        TemplateDialog dlg(IDD_GRADATION);
        int closes = 0;
        struct CloseCounter : QObject
        {
            int& count;
            explicit CloseCounter(int& c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                count += event->type() == QEvent::Close;
                return false;
            }
        } counter(closes);
        dlg.installEventFilter(&counter);
        WhenModal([&dlg, id = id](QWidget*) {
            QTest::keyClick(ControlOf<EditBox>(dlg, id), Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << id;
        EXPECT_EQ(closes, closeRequests) << id;
    }
}

} // namespace
