#pragma once

#include "eyedropperhost.h"
#include "templatedialog.h"

namespace tessuvo {

// A dialog with an eyedropper (see EyedropperHost).
class PickingDialog : public TemplateDialog, public EyedropperHost
{
protected:
    explicit PickingDialog(int templateId, QWidget* parent = nullptr);

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace tessuvo
