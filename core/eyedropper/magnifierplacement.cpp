#include "magnifierplacement.h"

#include <algorithm>

namespace tessuvo {

namespace {

// The start of the magnifier along one axis, after the shown pixels or else before them, so
// that it lies within [low, high); nothing when it fits on neither side.
std::optional<int> Beside(int shownStart, int shownEnd, int length, int low, int high)
{
    const int after = shownEnd + MagnifierGap;
    if (after + length <= high)
        return after;
    const int before = shownStart - MagnifierGap - length;
    if (before >= low)
        return before;
    return std::nullopt;
}

} // namespace

std::optional<ScreenPoint> PlaceMagnifier(ScreenPoint pointer, const ScreenRect& shown, int width,
                                          int height, std::span<const ScreenRect> screens)
{
    const auto screen = std::find_if(screens.begin(), screens.end(),
                                     [&](const ScreenRect& s) { return s.Contains(pointer); });
    if (screen == screens.end() || width > screen->width || height > screen->height)
        return std::nullopt;
    const auto x = Beside(shown.x, shown.Right(), width, screen->x, screen->Right());
    const auto y = Beside(shown.y, shown.Bottom(), height, screen->y, screen->Bottom());
    // Beside the pixels along one axis is enough to keep off them; along the other the
    // magnifier only has to stay on the screen.
    if (!x && !y)
        return std::nullopt;
    const auto onScreen = [](int start, int length, int low, int high) {
        return std::clamp(start, low, high - length);
    };
    return ScreenPoint{
        x.value_or(onScreen(shown.Right() + MagnifierGap, width, screen->x, screen->Right())),
        y.value_or(onScreen(shown.Bottom() + MagnifierGap, height, screen->y, screen->Bottom()))};
}

} // namespace tessuvo
