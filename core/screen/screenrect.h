#pragma once

// Points and rectangles of the desktop in logical pixels, as the placement rules see them.
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

} // namespace tessuvo
