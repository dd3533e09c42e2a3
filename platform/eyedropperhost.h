#pragma once

#include "core/eyedropper/eyedropper.h"
#include "core/textbox/modes.h"
#include "pickscreen.h"

#include <QPointF>
#include <memory>

class QEvent;
class QMouseEvent;
class QWidget;

namespace tessuvo {

class Magnifier;

// The eyedropper of a window, whatever kind of window it is. While it is armed every press
// anywhere goes to the eyedropper, Escape cancels the pick as a right press does, and no
// context menu opens, neither then nor for the right press that cancelled. While armed, a
// magnifier follows the pointer, the arrow keys move the pointer by a device pixel (by ten
// with Shift), and Enter or Space take the pixel under it as a press and release there would.
// The window hands its events in from its own handlers.
class EyedropperHost
{
public:
    // One pixel, or the side of the square that a pick averages (3 or 5).
    void UsePickArea(int area) { m_eyedropper.SetPickArea(area); }

protected:
    explicit EyedropperHost(QWidget* window);
    ~EyedropperHost() = default;

    // What the window does with the presses; OnRButtonDown calls SwallowNextContextMenu when
    // the press cancelled a pick.
    virtual void OnLButtonDown(QPointF global) = 0;
    virtual void OnLButtonUp() = 0;
    virtual void OnRButtonDown() = 0;
    void SwallowNextContextMenu() { m_swallowContextMenu = true; }

    // The notation of the magnifier's value, and the colour that a pick for `target` is
    // measured against.
    virtual int PickNotation() const { return NotationHtml; }
    virtual Color PickContrastColor(ColorTarget target) const = 0;

    // For the window's mouse handlers, before they pass the event on.
    void PickMousePress(const QMouseEvent* event);
    void PickMouseRelease(const QMouseEvent* event);
    void PickMouseMove(const QMouseEvent* event);
    // For the window's own events and for those of its controls: true when the eyedropper took
    // the event and it goes no further.
    bool PickWindowEvent(const QEvent* event);
    bool PickControlEvent(const QEvent* event);

    std::unique_ptr<PickScreen> m_screen;
    Eyedropper m_eyedropper{*m_screen}; // m_picking and m_pickTarget

private:
    void OnEyedropperChanged();
    bool OnPickKey(const QEvent* event);

    QWidget* m_window;
    bool m_swallowContextMenu = false; // the right press that cancelled a pick
    Magnifier* m_magnifier = nullptr;  // built when first armed
};

} // namespace tessuvo
