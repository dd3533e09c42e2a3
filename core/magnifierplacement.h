#pragma once

#include <optional>
#include <span>

namespace tessuvo {

struct ScreenPoint
{
    int x = 0;
    int y = 0;
};

// A rectangle of the desktop in logical pixels; right and bottom lie just outside it.
struct ScreenRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool Contains(ScreenPoint p) const
    {
        return p.x >= x && p.x < Right() && p.y >= y && p.y < Bottom();
    }
    bool Intersects(const ScreenRect& r) const
    {
        return x < r.Right() && r.x < Right() && y < r.Bottom() && r.y < Bottom();
    }
};

// Room between the pixels the magnifier shows and the magnifier itself, for the pointer's own
// picture, which hangs down and to the right of its tip.
inline constexpr int MagnifierGap = 16;

// Where a magnifier of `width` × `height` goes, as its top-left corner: wholly on the screen
// under the pointer, never over `shown` (the pixels it shows, around the pointer), below and
// to the right of them where it fits, flipped to the left or above near an edge of that
// screen. Nothing where no screen lies under the pointer, or where the screen is too small to
// hold it beside the pixels.
std::optional<ScreenPoint> PlaceMagnifier(ScreenPoint pointer, const ScreenRect& shown, int width,
                                          int height, std::span<const ScreenRect> screens);

} // namespace tessuvo
