#pragma once

#include "core/screen/screenrect.h"

#include <optional>
#include <span>

namespace tessuvo {

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
