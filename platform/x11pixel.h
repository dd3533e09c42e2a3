#pragma once

#include <QPointF>
#include <cstdint>
#include <optional>

namespace tessuvo {

// On X11, the device pixel under the mouse pointer as a packed colour value (red in the low
// byte), read from the X server in its own coordinates: Qt gives the press in logical pixels,
// rounded, and at a scale of 2 every other device pixel would be out of reach. Nothing off
// X11, or where the pointer has moved on from `global` since the press.
std::optional<std::uint32_t> ReadPixelUnderPointer(QPointF global);

} // namespace tessuvo
