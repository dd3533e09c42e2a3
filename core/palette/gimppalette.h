#pragma once

#include "palette.h"

#include <optional>
#include <string>
#include <string_view>

// The GIMP palette format (.gpl), which GIMP, Inkscape and Krita read and write: a "GIMP
// Palette" line, then "Name:" and "Columns:" lines, "#" comments, and one "R G B name" line a
// colour.
namespace tessuvo {

// A channel outside 0..255 is clamped, a line that starts with no three numbers is passed over;
// a text without the first line is no GIMP palette (Unreadable).
PaletteRead ReadGimpPalette(std::string_view text);

// The palette's name from the lines before its first colour (empty when it states none), or
// nothing when `head` does not begin a GIMP palette: enough to list a folder of them.
std::optional<std::string> GimpPaletteName(std::string_view head);

// As GIMP writes it: "GIMP Palette", "Name: …", "Columns: …", "#", then "%3d %3d %3d\tname".
std::string WriteGimpPalette(const Palette& palette);

} // namespace tessuvo
