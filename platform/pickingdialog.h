#pragma once

#include "core/eyedropper/eyedropper.h"
#include "core/textbox/modes.h"
#include "pickscreen.h"
#include "templatedialog.h"

#include <QPointF>
#include <memory>

namespace tessuvo {

class Magnifier;

// A dialog with an eyedropper. While it is armed every press anywhere goes to the eyedropper,
// Escape cancels the pick as a right press does instead of closing the dialog, and no context
// menu opens, neither then nor for the right press that cancelled. While armed, a magnifier
// follows the pointer, the arrow keys move the pointer by a device pixel (by ten with Shift),
// and Enter or Space take the pixel under it as a press and release there would.
class PickingDialog : public TemplateDialog
{
public:
    // One pixel, or the side of the square that a pick averages (3 or 5).
    void UsePickArea(int area) { m_eyedropper.SetPickArea(area); }

protected:
    explicit PickingDialog(int templateId, QWidget* parent = nullptr);

    // What the dialog does with the presses; OnRButtonDown calls SwallowNextContextMenu when
    // the press cancelled a pick.
    virtual void OnLButtonDown(QPointF global) = 0;
    virtual void OnLButtonUp() = 0;
    virtual void OnRButtonDown() = 0;
    void SwallowNextContextMenu() { m_swallowContextMenu = true; }

    // The notation of the magnifier's value, and the colour that a pick for `target` is
    // measured against.
    virtual int PickNotation() const { return NotationHtml; }
    virtual Color PickContrastColor(ColorTarget target) const = 0;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    std::unique_ptr<PickScreen> m_screen = CreatePickScreen(this);
    Eyedropper m_eyedropper{*m_screen}; // m_picking and m_pickTarget

private:
    void OnEyedropperChanged();
    bool OnPickKey(const QEvent* event);

    bool m_swallowContextMenu = false; // the right press that cancelled a pick
    Magnifier* m_magnifier = nullptr;  // built when first armed
};

} // namespace tessuvo
