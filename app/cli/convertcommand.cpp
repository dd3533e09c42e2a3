#include "convertcommand.h"

#include "core/colortext/pastedtext.h"

#include <cstdio>

namespace tessuvo {

namespace {

constexpr Color White{255, 255, 255};

} // namespace

int RunConvert(std::string_view text, std::optional<CopyFormat> format)
{
    const auto color = ColorsFromPaste(text, ColorTarget::Background, White).background;
    if (!color) {
        std::fprintf(stderr, "tessuvo: 色が見つかりません: %.*s\n", static_cast<int>(text.size()),
                     text.data());
        return 1;
    }
    for (CopyFormat each : CopyFormats) {
        if (!format || *format == each)
            std::printf("%s\n", FormatColorAs(each, *color).c_str());
    }
    return 0;
}

} // namespace tessuvo
