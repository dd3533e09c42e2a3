// A plain text palette: never crashes, and what it reads is a palette every format writes and reads
// back.
#include "core/palette/textpalette.h"
#include "palettecheck.h"

#include <cstdint>
#include <string_view>

using namespace tessuvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::CheckPalette(
        ReadTextPalette(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
