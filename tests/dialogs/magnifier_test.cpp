#include "../fakepickscreen.h"
#include "app/colorpickdlg.h"
#include "dialogtest.h"
#include "platform/editbox.h"
#include "platform/magnifier.h"
#include "platform/menubar.h"
#include "platform/pickscreen.h"
#include "res/resource.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// The main window's eyedropper on a fake screen of a pattern in which every pixel differs:
// red the column, green the row (both modulo 256), blue 0x55.
class MagnifierTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemoveSettings();
        SetPickScreenFactory([this](QWidget*) {
            auto screen = std::make_unique<FakePickScreen>();
            screen->pixel = [](double x, double y) {
                return ToColorRef({static_cast<int>(x) & 0xFF, static_cast<int>(y) & 0xFF, 0x55});
            };
            m_screen = screen.get();
            return screen;
        });
        m_dlg = std::make_unique<CColorPickDlg>(SettingsFile());
        m_dlg->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        m_dlg.reset();
        SetPickScreenFactory({});
        RemoveSettings();
    }

    void Command(int command) const { m_dlg->GetMenu()->Command(command)->trigger(); }
    std::string EditText(int id) const { return ControlOf<EditBox>(*m_dlg, id)->GetWindowText(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(m_dlg->GetDlgItem(IDC_BG_COPY), key, modifiers);
    }
    Magnifier* Shown() const { return m_dlg->findChild<Magnifier*>(); }
    // The magnifier's value once it reads `expected`, or what it read when the wait ran out.
    std::string ValueOnce(const std::string& expected) const
    {
        static_cast<void>(QTest::qWaitFor(
            [&] { return Shown() && Shown()->isVisible() && Shown()->View().value == expected; }));
        return Shown() && Shown()->isVisible() ? Shown()->View().value : "(not shown)";
    }

    std::unique_ptr<CColorPickDlg> m_dlg;
    FakePickScreen* m_screen = nullptr;
};

TEST_F(MagnifierTest, ShowsThePixelsAroundThePointerWhileArmed)
{
    EXPECT_EQ(nullptr, Shown()); // not built before the first pick
    m_dlg->GetDlgItem(IDC_BG_COPY)->setFocus();
    Command(ID_BG_PICK);
    EXPECT_EQ("#F42C55", ValueOnce("#F42C55")); // 500, 300
    const MagnifierView& view = Shown()->View();
    EXPECT_EQ(MagnifierRadius, view.square.radius);
    EXPECT_EQ(ToColorRef({493 & 0xFF, 307 & 0xFF, 0x55}), view.square.At(-7, 7));
    EXPECT_FALSE(Shown()->geometry().contains(500, 300));
    EXPECT_TRUE(m_screen->reads.empty()); // squares only, until a pick

    Key(Qt::Key_Escape);
    EXPECT_FALSE(Shown()->isVisible());
}

TEST_F(MagnifierTest, ArrowsMoveThePointerAndEnterTakesThePixel)
{
    m_dlg->GetDlgItem(IDC_BG_COPY)->setFocus();
    Command(ID_BG_PICK);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_EQ("#EA3555", ValueOnce("#EA3555")); // 490, 309
    Key(Qt::Key_Return);
    EXPECT_EQ((Color{0xEA, 0x35, 0x55}), m_dlg->BackgroundColor());
    EXPECT_EQ("#EA3555", EditText(IDC_EDIT_BG)); // refreshed as a release refreshes
    EXPECT_FALSE(Shown()->isVisible());
    EXPECT_FALSE(m_screen->captured);

    // Picking has ended: the keys are the window's own again.
    Key(Qt::Key_Right);
    EXPECT_EQ(490, m_screen->pointer.x);
}

TEST_F(MagnifierTest, SpaceTakesTheTextColour)
{
    QApplication::clipboard()->setText("unchanged");
    m_dlg->GetDlgItem(IDC_FG_COPY)->setFocus();
    Command(ID_FG_PICK);
    QTest::keyClick(m_dlg->GetDlgItem(IDC_FG_COPY), Qt::Key_Space);
    EXPECT_EQ((Color{0xF4, 0x2C, 0x55}), m_dlg->TextColor());
    EXPECT_EQ("#F42C55", EditText(IDC_EDIT_FG));
    EXPECT_EQ("unchanged", ClipboardText()); // the focused copy button was not pressed
}

} // namespace
