#include "windowplacement.h"

namespace tessuvo {

Placement PlaceWindow(int topMost, int x, int y, int screenWidth, int screenHeight)
{
    Placement p;
    // Without a saved position (X of -1) a normal window is just centred. An always-on-top
    // window takes even (-1, -1), and any other TOPMOST value means neither.
    if (topMost != 1 && (topMost != 0 || x == -1))
        return p;
    p.topMost = topMost == 1;
    // Only the upper bounds are tested: a window partly off the left or top edge comes back
    // where it was left.
    if (x < screenWidth && y < screenHeight) {
        p.kind = Placement::MoveTo;
        p.x = x;
        p.y = y;
    }
    return p;
}

} // namespace tessuvo
