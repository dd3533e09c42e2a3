#include "pickingdialog.h"

#include <QMouseEvent>
#include <utility>

namespace tessuvo {

void PickingDialog::mousePressEvent(QMouseEvent* event)
{
    m_swallowContextMenu = false;
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->globalPosition());
    else if (event->button() == Qt::RightButton)
        OnRButtonDown();
    TemplateDialog::mousePressEvent(event);
}

void PickingDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp();
    TemplateDialog::mouseReleaseEvent(event);
}

bool PickingDialog::event(QEvent* event)
{
    if (event->type() == QEvent::ContextMenu &&
        (m_eyedropper.Picking() || std::exchange(m_swallowContextMenu, false)))
        return true;
    if (m_eyedropper.Picking() && IsEscapePress(event)) {
        OnRButtonDown();
        return true;
    }
    return TemplateDialog::event(event);
}

// Key presses reach the focused control first, and a multi-line box would close the window on
// Escape.
bool PickingDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_eyedropper.Picking())
        return TemplateDialog::eventFilter(watched, event);
    if (IsEscapePress(event))
        OnRButtonDown();
    else if (event->type() != QEvent::ContextMenu)
        return TemplateDialog::eventFilter(watched, event);
    return true;
}

} // namespace tessuvo
