#include "app/colorpickdlg.h"
#include "core/readability/contrast.h"
#include "platform/editbox.h"
#include "platform/magnifier.h"
#include "platform/menubar.h"
#include "platform/pickscreen.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/fakepickscreen.h"
#include "support/mainwindowtest.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// The main window's eyedropper on a fake screen in which every pixel differs from its
// neighbours: red the column, green the row (both modulo 256), blue 0 and 255 as on a
// chessboard, so that an average shows in the blue.
class MagnifierTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        SetPickScreenFactory([this](QWidget*) {
            auto screen = std::make_unique<FakePickScreen>();
            screen->pixel = [](double x, double y) {
                const int column = static_cast<int>(x), row = static_cast<int>(y);
                return ToColorRef({column & 0xFF, row & 0xFF, (column + row) % 2 ? 255 : 0});
            };
            m_screen = screen.get();
            return screen;
        });
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        SetPickScreenFactory({});
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

TEST_F(MagnifierTest, ShowsThePixelsAroundThePointerWhileArmed)
{
    Open();
    EXPECT_EQ(nullptr, Shown()); // not built before the first pick
    m_dlg->GetDlgItem(IDC_BG_COPY)->setFocus();
    Command(ID_BG_PICK);
    const MagnifierView view = ViewOnce("#F42C00"); // 500, 300
    EXPECT_EQ("#F42C00", view.value);
    EXPECT_EQ(MagnifierRadius, view.square.radius);
    EXPECT_EQ(ToColorRef({493 & 0xFF, 307 & 0xFF, 0}), view.square.At(-7, 7));
    EXPECT_EQ(1, view.outlined);
    EXPECT_FALSE(Shown()->geometry().contains(500, 300));
    EXPECT_TRUE(m_screen->reads.empty()); // squares only, until a pick

    Key(Qt::Key_Escape);
    EXPECT_FALSE(Shown()->isVisible());
}

TEST_F(MagnifierTest, ArrowsMoveThePointerAndEnterTakesThePixel)
{
    Open();
    m_dlg->GetDlgItem(IDC_BG_COPY)->setFocus();
    Command(ID_BG_PICK);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_EQ("#EA35FF", ViewOnce("#EA35FF").value); // 490, 309
    Key(Qt::Key_Return);
    EXPECT_EQ((Color{0xEA, 0x35, 0xFF}), m_dlg->BackgroundColor());
    EXPECT_EQ("#EA35FF", EditText(IDC_EDIT_BG)); // refreshed as a release refreshes
    EXPECT_FALSE(Shown()->isVisible());
    EXPECT_FALSE(m_screen->captured);

    // Picking has ended: the keys are the window's own again.
    Key(Qt::Key_Right);
    EXPECT_EQ(490, m_screen->pointer.x);
}

TEST_F(MagnifierTest, SpaceTakesTheTextColourWithoutPressingTheFocusedButton)
{
    Open();
    QApplication::clipboard()->setText("unchanged");
    m_dlg->GetDlgItem(IDC_FG_COPY)->setFocus();
    Command(ID_FG_PICK);
    QTest::keyClick(m_dlg->GetDlgItem(IDC_FG_COPY), Qt::Key_Space);
    EXPECT_EQ((Color{0xF4, 0x2C, 0}), m_dlg->TextColor());
    EXPECT_EQ("#F42C00", EditText(IDC_EDIT_FG));
    EXPECT_EQ("unchanged", ClipboardText());
}

TEST_F(MagnifierTest, ValueInTheNotationContrastAgainstTheOtherColour)
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
TEST_F(MagnifierTest, AveragedPickFromTheMenuKeptInTheSettingsFile)
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

TEST_F(MagnifierTest, UnknownPickAreaIsOnePixelAndStaysInTheFile)
{
    Open("[FLG]\nPICKAREA=4\n");
    EXPECT_TRUE(Checked(ID_PICK_AREA_1));
    Command(ID_BG_PICK);
    EXPECT_EQ(1, ViewOnce("#F42C00").outlined);
    Key(Qt::Key_Return);
    m_dlg->close();
    EXPECT_NE(ReadSettings().find("PICKAREA=4\n"), std::string::npos);
}

TEST_F(MagnifierTest, GradationDialogHasItsOwnMagnifierAndKeys)
{
    Open();
    Command(ID_PICK_AREA_3);
    Color bars;
    std::string value;
    WhenModal([&](QWidget* modal) {
        auto* dlg = static_cast<TemplateDialog*>(modal);
        dlg->GetDlgItem(IDC_GRAD_COPY)->setFocus();
        ControlOf<QPushButton>(*dlg, IDC_GRAD_PICK)->click();
        QTest::keyClick(dlg->GetDlgItem(IDC_GRAD_COPY), Qt::Key_Down);
        static_cast<void>(QTest::qWaitFor([&] {
            auto* shown = dlg->findChild<Magnifier*>();
            return shown && shown->isVisible() && shown->View().value == "#F42DC5";
        }));
        value = dlg->findChild<Magnifier*>()->View().value;
        QTest::keyClick(dlg->GetDlgItem(IDC_GRAD_COPY), Qt::Key_Return);
        bars = {ControlOf<ScrollBar>(*dlg, IDC_GRAD_RED)->GetScrollPos(),
                ControlOf<ScrollBar>(*dlg, IDC_GRAD_GREEN)->GetScrollPos(),
                ControlOf<ScrollBar>(*dlg, IDC_GRAD_BLUE)->GetScrollPos()};
        dlg->reject();
    });
    Command(ID_GRADATION_TAG);
    EXPECT_EQ("#F42DC5", value); // an odd square: five of nine full blue, C5
    EXPECT_EQ((Color{0xF4, 0x2D, 0xC5}), bars);
}

} // namespace
