// Code-page widths and prefixes: a prefix never cuts a character and fits its limit, widths add
// up to the length, and the shape has one byte per code-page byte.
#include "core/textbox/codepage.h"
#include "fuzzinput.h"

#include <cstdlib>

using namespace tessuvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t limit = input.Number() % 64;
    const std::string_view text = input.Rest();
    std::size_t total = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8SequenceLength(text, pos)) {
        const int width = Cp932Width(text, pos);
        if (width < 1 || width > 2 || Utf8SequenceLength(text, pos) == 0)
            std::abort();
        total += static_cast<std::size_t>(width);
    }
    if (total != Cp932Length(text) || Cp932Shape(text).size() != total)
        std::abort();
    const std::size_t prefix = Cp932Prefix(text, limit);
    if (prefix > text.size() || Cp932Length(text.substr(0, prefix)) > limit)
        std::abort();
    if (prefix < text.size() &&
        Cp932Length(text.substr(0, prefix)) + static_cast<std::size_t>(Cp932Width(text, prefix)) <=
            limit)
        std::abort(); // stopped early
    std::string converted, back;
    if (IsValidUtf8(text) && Utf8ToCp932(text, converted) &&
        (!Cp932ToUtf8(converted, back) || back.empty() != text.empty()))
        std::abort(); // what went into the code page comes out of it
    return 0;
}
