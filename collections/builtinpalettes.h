#pragma once

#include "core/color/colorpair.h"
#include "core/palette/palette.h"

#include <span>
#include <string>

// The palettes the palette window always offers besides the user's own.
namespace tessuvo {

inline constexpr const char* NamedColorsPaletteName = "CSSの色名";
inline constexpr const char* RegisteredPaletteName = "登録色";
inline constexpr const char* HistoryPaletteName = "最近使った組み合わせ";

// The 148 named colours of CSS, in the order of the CSS list.
Palette NamedColorsPalette();

// The registered colours of both sides as the settings file holds them now: "背景色1" to
// "背景色18", then "文字色1" to "文字色18", each slot that holds a colour.
Palette RegisteredColorsPalette(const std::string& iniPath);

// The colours of the history of pairs, newest first, each once: "背景色1" and "文字色1" for the
// first pair's, and so on.
Palette HistoryColorsPalette(std::span<const ColorPair> history);

} // namespace tessuvo
