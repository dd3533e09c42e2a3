#pragma once

#include "core/eyedropper.h"
#include "pickscreen.h"
#include "templatedialog.h"

#include <QPointF>
#include <memory>

namespace tessuvo {

// A dialog with an eyedropper. While it is armed every press anywhere goes to the eyedropper,
// Escape cancels the pick as a right press does instead of closing the dialog, and no context
// menu opens, neither then nor for the right press that cancelled.
class PickingDialog : public TemplateDialog
{
protected:
    using TemplateDialog::TemplateDialog;

    // What the dialog does with the presses; OnRButtonDown calls SwallowNextContextMenu when
    // the press cancelled a pick.
    virtual void OnLButtonDown(QPointF global) = 0;
    virtual void OnLButtonUp() = 0;
    virtual void OnRButtonDown() = 0;
    void SwallowNextContextMenu() { m_swallowContextMenu = true; }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    std::unique_ptr<PickScreen> m_screen = CreatePickScreen(this);
    Eyedropper m_eyedropper{*m_screen}; // m_picking and m_pickTarget

private:
    bool m_swallowContextMenu = false; // the right press that cancelled a pick
};

} // namespace tessuvo
