#pragma once

#include "app/colorpickdlg.h"
#include "dialogtest.h"
#include "platform/editbox.h"
#include "platform/menubar.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tessuvo::test {

// Sends a context menu request to `widget` at `at` and hands the menu that opens to `use`,
// which triggers an item or leaves the menu to be closed.
inline void WithContextMenu(QWidget* widget, QPoint at, const std::function<void(QMenu&)>& use)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened = true;
        use(*menu);
        if (menu->isVisible())
            menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    QApplication::processEvents();
    ASSERT_TRUE(opened);
}

// The menu's item with this text; a failure when there is none.
inline QAction* Item(const QMenu& menu, const char* text)
{
    for (QAction* action : menu.actions())
        if (action->text() == QString::fromUtf8(text))
            return action;
    ADD_FAILURE() << "no item " << text;
    return nullptr;
}

// The main window on a settings file of the test's own, opened fresh by each test.
class MainWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override
    {
        m_dlg.reset();
        RemoveSettings();
    }

    // Opens the window on `settings` (no file when empty), as a start would.
    CColorPickDlg& Open(const std::string& settings = {})
    {
        m_dlg.reset();
        if (!settings.empty())
            WriteSettings(settings);
        m_dlg = std::make_unique<CColorPickDlg>(SettingsFile(), HistoryFile());
        m_dlg->show();
        QApplication::processEvents();
        return *m_dlg;
    }

    EditBox* Edit(int id) const { return ControlOf<EditBox>(*m_dlg, id); }
    std::string EditText(int id) const { return Edit(id)->GetWindowText(); }
    void Command(int command) const { m_dlg->GetMenu()->Command(command)->trigger(); }
    bool Checked(int command) const { return m_dlg->GetMenu()->Command(command)->isChecked(); }

    // The window's context menu at a client point, as WithContextMenu hands it.
    void WithMenuAt(QPoint clientPoint, const std::function<void(QMenu&)>& use) const
    {
        WithContextMenu(m_dlg.get(), m_dlg->Client()->mapTo(m_dlg.get(), clientPoint), use);
    }

    std::unique_ptr<CColorPickDlg> m_dlg;
};

} // namespace tessuvo::test
