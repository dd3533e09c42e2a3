#pragma once

#include "palette.h"

#include <optional>
#include <string>
#include <string_view>

// Palette files: which format a file is read in or written as, and the reading and writing of
// whole files within the bounds of palette.h.
namespace tessuvo {

enum class PaletteFormat
{
    Gimp,         // .gpl
    Text,         // .txt
    DesignTokens, // .json
    StyleSheet,   // .css, .scss, .html and any other name
};

// The format a file is read in, by its name's extension (in any case); a text that begins as a
// GIMP palette is read as one whatever its name.
PaletteFormat ReadFormatOf(std::string_view fileName, std::string_view text);

// The formats a palette is written in.
enum class ExportFormat
{
    Gimp,          // .gpl
    CssProperties, // .css
    DesignTokens,  // .json
};

// The format a file name's extension (in any case) asks for; nothing for any other name.
std::optional<ExportFormat> ExportFormatOf(std::string_view fileName);
// ".gpl", ".css", ".json".
std::string_view ExtensionOf(ExportFormat format);

PaletteRead ReadPaletteText(std::string_view text, PaletteFormat format);
std::string WritePaletteText(const Palette& palette, ExportFormat format);

// Reads the file at `path` in the format of its name. The palette is named by the file when
// it names itself not (as only a GIMP palette can): its name without the extension. Anything
// but a regular file, or one that cannot be read, is Unreadable; one over MaxPaletteFileBytes
// is TooLarge, and is not read.
PaletteRead ReadPaletteFile(const std::string& path);

// What the palette window says when `fileName` gave no palette: "「colors.css」に色が見つかりません
// でした。" and so on.
std::string PaletteProblemText(PaletteProblem problem, std::string_view fileName);

// Writes the file whole or not at all: a new file renamed over `path`. False when that failed;
// `path` is then as it was.
bool WritePaletteFile(const std::string& path, const Palette& palette, ExportFormat format);

} // namespace tessuvo
