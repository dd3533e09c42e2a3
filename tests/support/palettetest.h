#pragma once

#include "core/palette/palette.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace tessuvo {

inline void PrintTo(const PaletteColor& entry, std::ostream* out)
{
    *out << '{' << entry.color.red << ',' << entry.color.green << ',' << entry.color.blue << " \""
         << entry.name << "\"}";
}

namespace test {

// A file of tests/data/palettes: palettes, style sheets and token files as other tools write
// them.
inline std::filesystem::path PaletteData(const char* name)
{
    return std::filesystem::path(TESSUVO_PALETTE_DATA) / name;
}

inline std::string PaletteDataText(const char* name)
{
    std::ifstream in(PaletteData(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace test

} // namespace tessuvo
