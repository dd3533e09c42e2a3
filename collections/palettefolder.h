#pragma once

#include "core/palette/palette.h"

#include <optional>
#include <string>
#include <vector>

// The user's palettes: GIMP palette files in a folder of their own, so that a palette from GIMP,
// Inkscape or Krita copied there is one too. Nothing is cached: every call looks at the folder
// as it is, and nothing in it is ever replaced or removed.
namespace tessuvo {

// $XDG_DATA_HOME/tessuvo/palettes/, under ~/.local/share without it; empty without either.
std::string PaletteFolderPath(const char* xdgDataHome, const char* home);
// The same for this process's environment.
std::string PaletteFolder();

struct StoredPalette
{
    std::string file; // the file's name in the folder
    std::string name; // its "Name:" line, else the file's name without ".gpl"

    friend bool operator==(const StoredPalette&, const StoredPalette&) = default;
};

// The GIMP palettes in `folder`, by name in any letter case; files that are hidden, not named
// ".gpl" or not GIMP palettes are left out. Only their first lines are read.
std::vector<StoredPalette> ListPalettes(const std::string& folder);

// Keeps `palette` as a new file in `folder`, made when missing. A name that another palette
// has already gets the first free number ("Brand 2"), and so does a file name taken; the file
// is written whole before it takes its name, so that no other file is ever written over and a
// crash leaves no half palette. Nothing when the folder or the file could not be written.
std::optional<StoredPalette> StorePalette(const std::string& folder, Palette palette);

} // namespace tessuvo
