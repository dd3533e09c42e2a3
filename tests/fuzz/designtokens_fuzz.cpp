// Design tokens in JSON: never crashes, and what it reads is a palette every format writes and
// reads back.
#include "core/palette/designtokens.h"
#include "palettecheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return tessuvo::fuzz::CheckReader(tessuvo::ReadDesignTokens, data, size);
}
