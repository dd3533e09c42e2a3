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
    // A colour box (1 or 2) or the preview band (0).
    const auto box = static_cast<int>(choice % 3);
    const auto into = box ? std::optional(static_cast<ColorTarget>(box)) : std::nullopt;
    const Color background{static_cast<int>(choice >> 8 & 255),
                           static_cast<int>(choice >> 16 & 255), static_cast<int>(choice >> 24)};
    const PastedColors colors = ColorsFromPaste(input.Rest(), into, background);
    const bool one = colors.background.has_value() != colors.text.has_value();
    if (one && into == ColorTarget::Background && !colors.background)
        std::abort();
    if (one && into == ColorTarget::Text && !colors.text)
        std::abort();
    return 0;
}
