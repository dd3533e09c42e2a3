#pragma once

#include "core/color/color.h"
#include "gradation.h"

#include <span>
#include <string>
#include <string_view>

// The CSS that the tag commands write when the output style is CSS: the same colours and
// texts as the HTML tags, in today's markup. Digits in lower case, as in the tags.
namespace tessuvo {

// body { background-color: #rrggbb; color: #rrggbb; }
std::string CssBodyRule(const Color& background, const Color& text);

// <span style="color: #rrggbb">preview text</span> when `useFont` is exactly 1, otherwise the
// empty span. The preview text goes in byte for byte, as in the FONT tag.
std::string CssFontSpan(const Color& text, int useFont, std::string_view previewText);

// Each piece in its own <span style="color: #rrggbb">, joined.
std::string CssGradationSpans(std::span<const GradationPiece> pieces);

// One span whose text is painted with a left-to-right gradient through the three colours.
std::string CssGradientText(const Color& start, const Color& middle, const Color& end,
                            std::string_view text);

// :root { --background-color: #rrggbb; --text-color: #rrggbb; }: a rule, so that it may stand
// where a style sheet begins.
std::string CssVariables(const Color& background, const Color& text);

// color: #rrggbb; background-color: #rrggbb;
std::string CssPairDeclarations(const Color& background, const Color& text);

} // namespace tessuvo
