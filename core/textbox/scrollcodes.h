#pragma once

namespace tessuvo {

// Scroll codes a horizontal scroll bar reports.
enum ScrollCode : int
{
    SB_LINELEFT = 0,
    SB_LINERIGHT = 1,
    SB_PAGELEFT = 2,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_LEFT = 6,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

inline constexpr int ScrollMin = 0;
inline constexpr int ScrollMax = 255;

// The position a colour scroll bar moves to for `code`, from position `current`; `thumb` is
// the position carried by the thumb codes. Always within 0..255.
int ScrolledPosition(int code, int current, int thumb);

} // namespace tessuvo
