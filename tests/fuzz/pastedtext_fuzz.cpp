// Paste as colour: never crashes on any text, and one colour found goes where it was asked for.
#include "core/colortext/pastedtext.h"
#include "fuzzinput.h"

#include <cstdint>
#include <cstdlib>

using namespace tessuvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::uint32_t choice = input.Number();
    const auto into = static_cast<PasteInto>(choice % 3);
    const Color background{static_cast<int>(choice >> 8 & 255),
                           static_cast<int>(choice >> 16 & 255), static_cast<int>(choice >> 24)};
    const PastedColors colors = ColorsFromPaste(input.Rest(), into, background);
    const bool one = colors.background.has_value() != colors.text.has_value();
    if (one && into == PasteInto::Background && !colors.background)
        std::abort();
    if (one && into == PasteInto::Text && !colors.text)
        std::abort();
    return 0;
}
