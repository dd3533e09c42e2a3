// The gradation generator in both code pages: every byte of the text is in exactly one piece,
// in order, and each piece stands in the tags.
#include "fuzzinput.h"
#include "tags/gradation.h"

#include <cstdlib>

using namespace tessuvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const auto color = [&] {
        const std::uint32_t n = input.Number();
        return Color{int(n & 0xFF), int(n >> 8 & 0xFF), int(n >> 16 & 0xFF)};
    };
    const Color start = color(), middle = color(), end = color();
    const std::string_view text = input.Rest();
    for (const CodePage codePage : {CodePage::Cp932, CodePage::Utf8}) {
        const Gradation g = BuildGradationTags(text, start, middle, end, codePage);
        std::string joined;
        std::size_t at = 0;
        for (const GradationPiece& piece : g.pieces) {
            if (piece.text.empty() && !text.empty())
                std::abort();
            joined += piece.text;
            at = g.tags.find(piece.text, at);
            if (at == std::string::npos)
                std::abort();
            at += piece.text.size();
        }
        if (joined != text)
            std::abort();
    }
    return 0;
}
