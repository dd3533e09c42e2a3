#include "placement.h"

namespace tessuvo {

Placement PlaceWindow(int topMost, int x, int y, int screenWidth, int screenHeight)
{
    // Only the upper bounds are tested: a window partly off the left or top edge comes
    // back where it was left.
    const bool onScreen = x < screenWidth && y < screenHeight;
    Placement p;
    if (topMost == 1) {
        p.topMost = true;
        p.raise = true;
        if (onScreen) {
            p.kind = Placement::MoveTo;
            p.x = x;
            p.y = y;
        }
        return p;
    }
    if (topMost == 0 && x != -1) {
        p.raise = true;
        if (onScreen) {
            p.kind = Placement::MoveTo;
            p.x = x;
            p.y = y;
        }
    }
    return p;
}

} // namespace tessuvo
