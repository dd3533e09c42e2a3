#pragma once

#include "core/colortext/copyformats.h"

#include <optional>

namespace tessuvo {

// tessuvo --pick [--format F] [--copy]: the eyedropper alone, armed at once without the main
// window, as the window arms it for the text colour: the magnifier, the keys, the range of
// "スポイトの範囲" and the portal's picker where the screen cannot be read. The settings file is
// read, never written. The colour taken goes to standard output in `format`, by default the
// HTML notation "#RRGGBB" of the colour boxes, and with `copy` onto the clipboard too. 0 for a
// colour taken; 1 for a pick cancelled (Escape, a right press, the portal's cancel) or impossible.
// Runs in the QApplication that main has made.
int RunPick(std::optional<CopyFormat> format, bool copy);

} // namespace tessuvo
