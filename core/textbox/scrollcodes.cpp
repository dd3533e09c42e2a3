#include "scrollcodes.h"

#include "core/color/color.h"

namespace tessuvo {

int ScrolledPosition(int code, int current, int thumb)
{
    int next = current;
    switch (code) {
    case SB_LINELEFT:
        next = current - 1;
        break;
    case SB_LINERIGHT:
        next = current + 1;
        break;
    case SB_PAGELEFT:
        next = current - 10;
        break;
    case SB_PAGERIGHT:
        next = current + 10;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        next = thumb;
        break;
    case SB_LEFT:
        next = ScrollMin;
        break;
    case SB_RIGHT:
        next = ScrollMax;
        break;
    default:
        break;
    }
    return ClampChannel(next);
}

} // namespace tessuvo
