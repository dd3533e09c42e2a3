#pragma once

#include "core/eyedropper/eyedropper.h"

#include <QPointF>
#include <cstdint>
#include <functional>
#include <memory>

class QEvent;
class QWidget;

namespace tessuvo {

// The eyedropper's screen for `window`: the window grabs the mouse, and pixels are read one at
// a time from whichever screen lies under the point.
std::unique_ptr<PickScreen> CreatePickScreen(QWidget* window);

using PickScreenFactory = std::function<std::unique_ptr<PickScreen>(QWidget*)>;
// Replaces what CreatePickScreen makes, for tests that must not depend on a real screen; an
// empty factory restores the real one.
void SetPickScreenFactory(PickScreenFactory factory);

// Starts `eyedropper` for `target` the way this session allows: on the screen itself where its
// pixels can be read, else through the desktop portal's colour picker, whose colour goes to
// `taken` as a completed pick, and whose cancel or failure calls `missed`, if given.
// TESSUVO_EYEDROPPER=portal takes the portal's way anywhere.
void StartEyedropper(QWidget* window, Eyedropper& eyedropper, ColorTarget target,
                     std::function<void(const Color&)> taken, std::function<void()> missed = {});

// The device pixel under a global point as a packed colour value; all bits set outside every
// screen.
std::uint32_t ReadScreenPixel(QPointF global);

// The square of device pixels `radius` around the one under a global point, in one grab of
// the screen under the point; pixels beyond that screen are NoPixel.
PixelSquare ReadScreenSquare(QPointF global, int radius);

// Escape without modifiers pressed: what cancels a pick from the keyboard.
bool IsEscapePress(const QEvent* event);

} // namespace tessuvo
