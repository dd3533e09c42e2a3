#pragma once

#include "core/eyedropper/pixelsquare.h"

#include <QPointF>
#include <cstdint>
#include <optional>

namespace tessuvo {

// On X11, the device pixel under the mouse pointer as a packed colour value (red in the low
// byte), read from the X server in its own coordinates: Qt gives the press in logical pixels,
// rounded, and at a scale of 2 every other device pixel would be out of reach. Nothing off
// X11, or where the pointer has moved on from `global` since the press.
std::optional<std::uint32_t> ReadPixelUnderPointer(QPointF global);

// The same for the square of device pixels `radius` around that pixel, in one read of the
// root window; pixels on no monitor are NoPixel.
std::optional<PixelSquare> ReadSquareUnderPointer(QPointF global, int radius);

// On X11, the middle of the device pixel under the pointer in Qt's logical coordinates.
std::optional<QPointF> PointerOnX11();

// On X11, moves the pointer by whole device pixels; false off X11.
bool WarpPointer(int dx, int dy);

} // namespace tessuvo
