#pragma once

#include <QFont>

namespace tessuvo {

// The design font's faces: the dialog font, and the spelling with a full-width space that the
// gradation preview asks for.
inline constexpr const char* DesignFontFace = "ＭＳ Ｐゴシック";
inline constexpr const char* DesignFontFaceWide = "ＭＳ　Ｐゴシック";

// Maps both faces onto IPAPGothic where the design font is absent; fontconfig knows neither
// name, so without this the Japanese texts would fall back to whatever face it picks.
void InstallFontSubstitutions();

// The dialog font: the design face at 9 points, fixed at 12 pixels so that the layout in
// dialog units does not depend on the screen's resolution.
QFont DialogFont();

// The dialog font set tighter, for boxes sized to a value in the design font: the substitute
// face draws digits wider, and "255,255,255" would not fit the colour boxes otherwise.
QFont CompactDialogFont();

// A font as the preview bands create it: `height` is the cell height in pixels.
QFont CreateFontA(int height, int weight, const char* face);

} // namespace tessuvo
