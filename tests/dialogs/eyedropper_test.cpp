#include "app/colorpickdlg.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/pickscreen.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "support/dialogtest.h"
#include "support/fakepickscreen.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// The main window's eyedropper on a fake screen whose every pixel is #123456 (packed with red
// in the low byte), except at the left edge of the screen, which is #ABCDEF.
class EyedropperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RemoveSettings();
        SetPickScreenFactory([this](QWidget*) {
            auto screen = std::make_unique<FakePickScreen>();
            screen->pixel = [](double x, double) { return x < 1 ? 0xEFCDABu : 0x563412u; };
            m_screen = screen.get();
            return screen;
        });
        m_dlg = std::make_unique<CColorPickDlg>(SettingsFile(), HistoryFile());
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

    // A mouse button event as the capture delivers it: to the window, wherever the mouse is.
    void Mouse(QEvent::Type type, Qt::MouseButton button, QPointF global = {500, 300}) const
    {
        const QPointF local = m_dlg->mapFromGlobal(global);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(m_dlg.get(), &event);
    }
    void Click(Qt::MouseButton button, QPointF global = {500, 300}) const
    {
        Mouse(QEvent::MouseButtonPress, button, global);
        Mouse(QEvent::MouseButtonRelease, button, global);
    }
    // True when a context menu sent right after opened a menu.
    bool ContextMenuOpens() const
    {
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                opened = true;
                popup->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 40), QPoint(500, 300));
        QApplication::sendEvent(m_dlg.get(), &event);
        QApplication::processEvents();
        return opened;
    }

    std::unique_ptr<CColorPickDlg> m_dlg;
    FakePickScreen* m_screen = nullptr;
};

TEST_F(EyedropperTest, PressTakesThePixelAndReleaseRefreshes)
{
    ControlOf<QPushButton>(*m_dlg, IDC_BG_PICK)->click();
    EXPECT_TRUE(m_screen->captured);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, {501, 300});
    QApplication::processEvents();
    ASSERT_EQ(1u, m_screen->reads.size());
    EXPECT_EQ(501, m_screen->reads[0].x);
    EXPECT_EQ((Color{0x12, 0x34, 0x56}), m_dlg->BackgroundColor());
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG)); // not yet: the button is still held
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_FALSE(m_screen->captured);
    EXPECT_EQ("#123456", EditText(IDC_EDIT_BG));
    EXPECT_EQ("#000000", EditText(IDC_EDIT_FG));
    // Picking has ended: a further click changes nothing.
    Click(Qt::LeftButton, {0, 0});
    EXPECT_EQ((Color{0x12, 0x34, 0x56}), m_dlg->BackgroundColor());
}

TEST_F(EyedropperTest, LaterStartChoosesTheTarget)
{
    Command(ID_BG_PICK);
    Command(ID_FG_PICK);
    Click(Qt::LeftButton, {0, 5});
    EXPECT_EQ((Color{255, 255, 255}), m_dlg->BackgroundColor());
    EXPECT_EQ((Color{0xAB, 0xCD, 0xEF}), m_dlg->TextColor());
    EXPECT_EQ("#ABCDEF", EditText(IDC_EDIT_FG));
}

TEST_F(EyedropperTest, RightClickCancelsWithoutAContextMenu)
{
    Command(ID_FG_PICK);
    EXPECT_FALSE(ContextMenuOpens()); // armed: no menu
    Mouse(QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_FALSE(ContextMenuOpens()); // the menu that the cancelling press brings
    Mouse(QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_FALSE(m_screen->captured);
    EXPECT_TRUE(m_screen->reads.empty());
    Click(Qt::LeftButton);
    EXPECT_EQ((Color{0, 0, 0}), m_dlg->TextColor());
    EXPECT_EQ("#000000", EditText(IDC_EDIT_FG));
}

TEST_F(EyedropperTest, EscapeCancelsAndKeepsTheWindowOpen)
{
    for (int focus : {IDC_EDIT_BG, IDC_BG_COPY}) {
        Command(ID_BG_PICK);
        QWidget* control = m_dlg->GetDlgItem(focus);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(m_dlg->isVisible()) << focus;
        EXPECT_FALSE(m_screen->captured) << focus;
        Click(Qt::LeftButton);
        EXPECT_EQ((Color{255, 255, 255}), m_dlg->BackgroundColor()) << focus;
    }
    // Not picking, Escape in a colour box closes the window as before.
    QTest::keyClick(m_dlg->GetDlgItem(IDC_EDIT_BG), Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
}

TEST_F(EyedropperTest, RightWhileLeftHeldShowsThePickAtTheNextRepaint)
{
    Command(ID_BG_PICK);
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    QApplication::processEvents();
    Mouse(QEvent::MouseButtonPress, Qt::RightButton);
    QApplication::processEvents();
    EXPECT_EQ((Color{0x12, 0x34, 0x56}), m_dlg->BackgroundColor());
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));
    Mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ("#FFFFFF", EditText(IDC_EDIT_BG));                // the release no longer refreshes
    const QImage uncovered = m_dlg->Client()->grab().toImage(); // a repaint, as an expose
    QApplication::processEvents();
    EXPECT_EQ(QColor(0x12, 0x34, 0x56), uncovered.pixelColor(12, 3));
    EXPECT_EQ("#123456", EditText(IDC_EDIT_BG));
}

TEST_F(EyedropperTest, LostCaptureLeavesPickingArmed)
{
    Command(ID_BG_PICK);
    m_screen->captured = false; // another program took it
    Click(Qt::LeftButton);
    EXPECT_EQ("#123456", EditText(IDC_EDIT_BG));
}

TEST_F(EyedropperTest, GradationDialogLeavesTheWindowAsItWas)
{
    Command(ID_BG_PICK);
    Click(Qt::LeftButton, {0, 0});
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
    // The average of #ABCDEF and black, the remainders dropped.
    EXPECT_EQ((Color{0x55, 0x66, 0x77}), middleBar);
    EXPECT_EQ((Color{0xAB, 0xCD, 0xEF}), m_dlg->BackgroundColor());
    EXPECT_EQ((Color{0, 0, 0}), m_dlg->TextColor());
    EXPECT_EQ("#ABCDEF", EditText(IDC_EDIT_BG));
    EXPECT_TRUE(before == m_dlg->Client()->grab(band).toImage());
}

// Where no screen lies the read is all bits set (white), not the black that a grab there gives.
TEST(ScreenPixel, OutsideEveryScreenIsAllBitsSet)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (const QPointF at : {QPointF(-1, 0), QPointF(screen.right() + 1, 0),
                             QPointF(0, screen.bottom() + 1), QPointF(-5000, -5000)})
        EXPECT_EQ(0xFFFFFFFFu, ReadScreenPixel(at)) << at.x() << "," << at.y();
}

} // namespace
