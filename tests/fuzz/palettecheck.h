#pragma once

#include "core/palette/palettefile.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

namespace tessuvo::fuzz {

// What every palette read must be: within the bounds, each colour named once with a name that
// a palette line holds, and written in each format it reads back the same.
inline void CheckPalette(const PaletteRead& read)
{
    const Palette& palette = read.palette;
    if (read.problem != PaletteProblem::None) {
        if (!palette.colors.empty())
            std::abort();
        return;
    }
    if (palette.colors.empty() || palette.colors.size() > MaxPaletteColors)
        std::abort();
    std::set<std::string> names;
    for (const PaletteColor& entry : palette.colors) {
        const Color& c = entry.color;
        if (c.red < 0 || c.red > 255 || c.green < 0 || c.green > 255 || c.blue < 0 ||
            c.blue > 255 || entry.name.empty() || TidyName(entry.name) != entry.name ||
            !names.insert(entry.name).second)
            std::abort();
    }
    for (const auto& [written, readAs] :
         {std::pair(ExportFormat::Gimp, PaletteFormat::Gimp),
          std::pair(ExportFormat::CssProperties, PaletteFormat::StyleSheet),
          std::pair(ExportFormat::DesignTokens, PaletteFormat::DesignTokens)})
        if (ReadPaletteText(WritePaletteText(palette, written), readAs).palette.colors !=
            palette.colors)
            std::abort();
}

// The body of a reader's fuzz target.
inline int CheckReader(PaletteRead (*read)(std::string_view), const std::uint8_t* data,
                       std::size_t size)
{
    CheckPalette(read(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}

} // namespace tessuvo::fuzz
