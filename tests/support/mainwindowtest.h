#pragma once

#include "app/colorpickdlg.h"
#include "app/contrastlinelabel.h"
#include "dialogtest.h"
#include "platform/editbox.h"
#include "platform/menubar.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tessuvo::test {

// Client points on the preview band and off it, beside the controls.
inline const QPoint OnBand(100, 16);
inline const QPoint OffBand(3, 60);

// The tooltip that `widget` shows at `at`; empty for none.
inline QString ToolTipAt(QWidget* widget, QPoint at)
{
    // A tooltip that is asked to go keeps its text while it fades: start from a marker.
    const QString none = QStringLiteral("(none)");
    QToolTip::showText(widget->mapToGlobal(at), none, widget);
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return QToolTip::text() == none ? QString() : QToolTip::text();
}

inline QString ToolTipOver(QWidget* widget)
{
    return ToolTipAt(widget, widget->rect().center());
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

    void SetColors(const char* background, const char* text) const
    {
        m_dlg->ApplyColorText(ColorTarget::Background, background);
        m_dlg->ApplyColorText(ColorTarget::Text, text);
    }
    ColorPair Pair() const { return {m_dlg->BackgroundColor(), m_dlg->TextColor()}; }
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

// The main window for tests that compare its pictures and read its contrast line.
class PairViewFixture : public MainWindowFixture
{
protected:
    CColorPickDlg& Open(const std::string& settings = {})
    {
        MainWindowFixture::Open(settings);
        // No blinking caret in the pictures compared.
        if (QWidget* focus = m_dlg->focusWidget())
            focus->clearFocus();
        return *m_dlg;
    }

    ContrastLineLabel* Line() const { return m_dlg->findChild<ContrastLineLabel*>(); }
    std::string LineText() const { return Line()->text().toStdString(); }
    QImage Client() const { return m_dlg->Client()->grab().toImage(); }
};

} // namespace tessuvo::test
