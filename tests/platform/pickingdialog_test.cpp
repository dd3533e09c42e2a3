#include "platform/magnifier.h"
#include "platform/pickingdialog.h"
#include "platform/pickscreen.h"
#include "res/resource.h"
#include "support/usefakepickscreen.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace tessuvo;
using namespace tessuvo::res;
using namespace tessuvo::test;

namespace {

// A dialog with an eyedropper and nothing else of its own, on the main window's template: a
// press takes the pixel as the main window's does, and what it took, the releases and the
// context menus that reached it are counted.
class PickTestDialog final : public PickingDialog
{
public:
    PickTestDialog() : PickingDialog(IDD_MAIN) {}

    void Start(ColorTarget target) { m_eyedropper.Start(target); }

    std::map<ColorTarget, Color> taken;
    int releases = 0;
    int contextMenus = 0;

protected:
    void OnLButtonDown(QPointF global) override
    {
        const auto pick = m_eyedropper.LeftButtonDown(global.x(), global.y());
        if (pick && pick->target)
            taken[*pick->target] = pick->color;
    }
    void OnLButtonUp() override { releases += m_eyedropper.End(); }
    void OnRButtonDown() override
    {
        if (m_eyedropper.End())
            SwallowNextContextMenu();
    }
    Color PickContrastColor(ColorTarget) const override { return {0, 0, 0}; }
    void contextMenuEvent(QContextMenuEvent*) override { ++contextMenus; }
};

// On a fake screen in which every pixel differs from its neighbours (PatternPixel).
class PickingDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseFakePickScreen(m_screen);
        m_dlg = std::make_unique<PickTestDialog>();
        m_dlg->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        m_dlg.reset();
        SetPickScreenFactory({});
    }

    QWidget* Control(int id) const { return m_dlg->GetDlgItem(id); }
    std::optional<Color> Taken(ColorTarget target) const
    {
        const auto found = m_dlg->taken.find(target);
        return found == m_dlg->taken.end() ? std::nullopt : std::optional(found->second);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(Control(IDC_BG_COPY), key, modifiers);
    }
    // A mouse button event as the capture delivers it: to the window, wherever the mouse is.
    void Mouse(QEvent::Type type, Qt::MouseButton button, QPointF global = {500, 300}) const
    {
        const QPointF local = m_dlg->mapFromGlobal(global);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(m_dlg.get(), &event);
    }
    void Click(Qt::MouseButton button) const
    {
        Mouse(QEvent::MouseButtonPress, button);
        Mouse(QEvent::MouseButtonRelease, button);
    }
    // The context menus that reach the window for a request sent now.
    int ContextMenus() const
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 40), QPoint(500, 300));
        QApplication::sendEvent(m_dlg.get(), &event);
        return m_dlg->contextMenus;
    }
    Magnifier* Shown() const { return m_dlg->findChild<Magnifier*>(); }
    // The magnifier's view once its value reads `expected`, or as it was when the wait ran out.
    MagnifierView ViewOnce(const std::string& expected) const
    {
        static_cast<void>(QTest::qWaitFor(
            [&] { return Shown() && Shown()->isVisible() && Shown()->View().value == expected; }));
        return Shown() && Shown()->isVisible() ? Shown()->View() : MagnifierView{};
    }

    std::unique_ptr<PickTestDialog> m_dlg;
    FakePickScreen* m_screen = nullptr;
};

TEST_F(PickingDialogTest, RightClickCancelsWithoutAContextMenu)
{
    m_dlg->Start(ColorTarget::Text);
    EXPECT_EQ(ContextMenus(), 0); // armed: no menu
    Mouse(QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(ContextMenus(), 0); // the menu that the cancelling press brings
    Mouse(QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_FALSE(m_screen->captured);
    EXPECT_TRUE(m_screen->reads.empty());
    Click(Qt::LeftButton);
    EXPECT_EQ(Taken(ColorTarget::Text), std::nullopt);
    EXPECT_EQ(ContextMenus(), 1); // a later one is the window's again
}

TEST_F(PickingDialogTest, EscapeCancelsAndKeepsTheWindowOpen)
{
    for (int focus : {IDC_EDIT_BG, IDC_BG_COPY}) {
        m_dlg->Start(ColorTarget::Background);
        Control(focus)->setFocus();
        QTest::keyClick(Control(focus), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(m_dlg->isVisible()) << focus;
        EXPECT_FALSE(m_screen->captured) << focus;
        Click(Qt::LeftButton);
        EXPECT_EQ(Taken(ColorTarget::Background), std::nullopt) << focus;
    }
    // Not picking, Escape in a colour box closes the window as before.
    QTest::keyClick(Control(IDC_EDIT_BG), Qt::Key_Escape);
    EXPECT_FALSE(m_dlg->isVisible());
}

TEST_F(PickingDialogTest, LostCaptureLeavesPickingArmed)
{
    m_dlg->Start(ColorTarget::Background);
    m_screen->captured = false; // another program took it
    Click(Qt::LeftButton);
    EXPECT_EQ(Taken(ColorTarget::Background), (Color{0xF4, 0x2C, 0}));
}

TEST_F(PickingDialogTest, MagnifierShowsThePixelsAroundThePointerWhileArmed)
{
    EXPECT_EQ(nullptr, Shown()); // not built before the first pick
    Control(IDC_BG_COPY)->setFocus();
    m_dlg->Start(ColorTarget::Background);
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

TEST_F(PickingDialogTest, ArrowsMoveThePointerAndEnterTakesThePixel)
{
    Control(IDC_BG_COPY)->setFocus();
    m_dlg->Start(ColorTarget::Background);
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    Key(Qt::Key_Left);
    Key(Qt::Key_Up);
    EXPECT_EQ("#EA35FF", ViewOnce("#EA35FF").value); // 490, 309
    Key(Qt::Key_Return);
    EXPECT_EQ(Taken(ColorTarget::Background), (Color{0xEA, 0x35, 0xFF}));
    EXPECT_EQ(m_dlg->releases, 1); // as a press and release there
    EXPECT_FALSE(Shown()->isVisible());
    EXPECT_FALSE(m_screen->captured);

    // Picking has ended: the keys are the window's own again.
    Key(Qt::Key_Right);
    EXPECT_EQ(490, m_screen->pointer.x);
}

TEST_F(PickingDialogTest, SpaceTakesTheTextColourWithoutPressingTheFocusedButton)
{
    auto* button = qobject_cast<QPushButton*>(Control(IDC_FG_COPY));
    int pressed = 0;
    QObject::connect(button, &QPushButton::clicked, [&pressed] { ++pressed; });
    button->setFocus();
    m_dlg->Start(ColorTarget::Text);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(Taken(ColorTarget::Text), (Color{0xF4, 0x2C, 0}));
    EXPECT_EQ(pressed, 0);
}

} // namespace
