// Colour-text recognition: never crashes, and what it recognises formats back into text that
// it recognises as the same colour.
#include "core/colortext/notation.h"
#include "core/textbox/modes.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tessuvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RecogniseColorText(text);
    RecogniseHtmlColorText(text);
    StrToUL32(text, 10);
    StrToUL32(text, 16);
    const auto color = ColorFromText(text);
    if (!color)
        return 0;
    for (const int notation : {NotationDecimal, NotationHex, NotationHtml}) {
        const auto formatted = FormatColor(notation, *color);
        if (!formatted || ColorFromText(*formatted) != color)
            std::abort();
    }
    return 0;
}
