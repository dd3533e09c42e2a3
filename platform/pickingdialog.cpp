#include "pickingdialog.h"

namespace tessuvo {

PickingDialog::PickingDialog(int templateId, QWidget* parent)
    : TemplateDialog(templateId, parent), EyedropperHost(this)
{}

void PickingDialog::mousePressEvent(QMouseEvent* event)
{
    PickMousePress(event);
    TemplateDialog::mousePressEvent(event);
}

void PickingDialog::mouseReleaseEvent(QMouseEvent* event)
{
    PickMouseRelease(event);
    TemplateDialog::mouseReleaseEvent(event);
}

void PickingDialog::mouseMoveEvent(QMouseEvent* event)
{
    PickMouseMove(event);
    TemplateDialog::mouseMoveEvent(event);
}

bool PickingDialog::event(QEvent* event)
{
    return PickWindowEvent(event) || TemplateDialog::event(event);
}

bool PickingDialog::eventFilter(QObject* watched, QEvent* event)
{
    return PickControlEvent(event) || TemplateDialog::eventFilter(watched, event);
}

} // namespace tessuvo
