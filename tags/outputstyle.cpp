#include "outputstyle.h"

#include "csstext.h"
#include "tagtext.h"

namespace tessuvo {

OutputStyle OutputStyleFromSetting(int value)
{
    return value == static_cast<int>(OutputStyle::Css) ? OutputStyle::Css : OutputStyle::HtmlTags;
}

std::string BodyOutput(OutputStyle style, const Color& background, const Color& text)
{
    return style == OutputStyle::Css ? CssBodyRule(background, text) : BodyTag(background, text);
}

std::string FontOutput(OutputStyle style, const Color& text, int useFont,
                       std::string_view previewText)
{
    return style == OutputStyle::Css ? CssFontSpan(text, useFont, previewText)
                                     : FontTag(text, useFont, previewText);
}

std::string GradationOutput(OutputStyle style, const Gradation& gradation)
{
    return style == OutputStyle::Css ? CssGradationSpans(gradation.pieces) : gradation.tags;
}

const char* BodyCommandName(OutputStyle style)
{
    return style == OutputStyle::Css ? "BODYのCSS生成" : "BODYﾀｸﾞ生成";
}

const char* FontCommandName(OutputStyle style)
{
    return style == OutputStyle::Css ? "spanﾀｸﾞ生成" : "FONTﾀｸﾞ生成";
}

} // namespace tessuvo
