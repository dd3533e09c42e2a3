// A style sheet or a page: never crashes, and what it reads is a palette every format writes and
// reads back.
#include "core/palette/stylesheetpalette.h"
#include "palettecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return tessuvo::fuzz::CheckReader(tessuvo::ReadStyleSheetPalette, data, size);
}
