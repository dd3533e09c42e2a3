#pragma once

#include "core/color/color.h"
#include "gradation.h"

#include <string>
#include <string_view>

namespace tessuvo {

// What the tag commands write: the HTML tags of the design, or CSS.
enum class OutputStyle
{
    HtmlTags = 0,
    Css = 1,
};

// The style a settings value stands for: HTML tags unless it is exactly 1.
OutputStyle OutputStyleFromSetting(int value);

// The BODY command's text: the BODY tag or the body rule.
std::string BodyOutput(OutputStyle style, const Color& background, const Color& text);
// The FONT command's text: the FONT tag or the span.
std::string FontOutput(OutputStyle style, const Color& text, int useFont,
                       std::string_view previewText);
// The gradation's text: FONT tags or spans, one a character.
std::string GradationOutput(OutputStyle style, const Gradation& gradation);

// The commands' names in their tooltips; the menu items add their mnemonic "(&T)".
const char* BodyCommandName(OutputStyle style);
const char* FontCommandName(OutputStyle style);

} // namespace tessuvo
