#include "contrastcommand.h"

#include "core/colortext/pastedtext.h"
#include "core/readability/contrast.h"

#include <cstdio>

namespace tessuvo {

namespace {

constexpr Color White{255, 255, 255};

void ReportNoColor(const char* which, std::string_view text)
{
    std::fprintf(stderr, "tessuvo: %sが見つかりません: %.*s\n", which,
                 static_cast<int>(text.size()), text.data());
}

} // namespace

int RunContrast(std::string_view text, std::string_view background,
                std::optional<ContrastLevel> required)
{
    const auto back = ColorsFromPaste(background, ColorTarget::Background, White).background;
    if (!back) {
        ReportNoColor("背景色", background);
        return 1;
    }
    const auto fore = ColorsFromPaste(text, ColorTarget::Text, *back).text;
    if (!fore) {
        ReportNoColor("文字色", text);
        return 1;
    }
    std::printf("%s\n", ContrastSummary(*back, *fore).c_str());
    return !required || ReachesLevel(ContrastRatio(*fore, *back), *required) ? 0 : 1;
}

} // namespace tessuvo
