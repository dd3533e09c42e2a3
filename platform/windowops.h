#pragma once

class QWidget;
class QSize;

namespace tessuvo {

// Moves a top-level window into (or out of) the always-on-top band without moving or
// resizing it, and shows it.
void SetTopMost(QWidget* window, bool topMost);

// Centres the window on the primary screen's work area.
void CentreOnDesktop(QWidget* window);

// Width and height of the primary screen in pixels.
QSize PrimaryScreenSize();

// Places the main window as it opens: at the saved position kept on the primary screen, or
// centred, and in the always-on-top band when `topMost` (the saved option) says so; whether it
// went there.
bool PlaceMainWindow(QWidget* window, int topMost, int savedX, int savedY);

// Puts a window of its own on the side of `owner` with more room, narrowed to that room down to
// `minimumWidth`, so that neither window hides the other where the screen allows.
void PlaceBeside(QWidget* window, const QWidget* owner, int minimumWidth);

} // namespace tessuvo
