// A GIMP palette: never crashes, and what it reads is a palette every format writes and reads back.
#include "core/palette/gimppalette.h"
#include "palettecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return tessuvo::fuzz::CheckReader(tessuvo::ReadGimpPalette, data, size);
}
