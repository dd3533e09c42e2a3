// The CSS colour reader: never crashes, reads channels within range, reads back the colour it
// gives from that colour's own "#rrggbb", and reads a bare value the same inside a declaration.
#include "core/color/hex.h"
#include "core/colortext/csscolor.h"
#include "core/colortext/notation.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tessuvo;

namespace {

bool Within(double value, double max)
{
    return std::isfinite(value) && value >= 0 && value <= max;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ColorFromTypedText(text, {10, 20, 30});
    GradationColorFromTypedText(text, {10, 20, 30});
    const auto value = ParseCssColor(text);
    if (!value)
        return 0;
    if (!Within(value->red, 255) || !Within(value->green, 255) || !Within(value->blue, 255) ||
        !Within(value->alpha, 1))
        std::abort();
    const Color color = CompositeOver(*value, {255, 255, 255});
    if (ReadCssColor(CssColor(color), {0, 0, 0}) != color)
        std::abort();
    if (!value->property && text.find(';') == std::string_view::npos) {
        const auto declared = ParseCssColor("color: " + std::string(text) + ";");
        if (!declared || declared->property != ColorTarget::Text ||
            CompositeOver(*declared, {255, 255, 255}) != color)
            std::abort();
    }
    return 0;
}
