#include "csstext.h"

#include "core/color/hex.h"

namespace tessuvo {

namespace {

constexpr std::string_view SpanClose = "</span>";

void AppendColorSpan(std::string& out, const Color& color, std::string_view text)
{
    out += "<span style=\"color: ";
    out += CssColor(color);
    out += "\">";
    out += text;
    out += SpanClose;
}

} // namespace

std::string CssBodyRule(const Color& background, const Color& text)
{
    return "body { background-color: " + CssColor(background) + "; color: " + CssColor(text) +
           "; }";
}

std::string CssFontSpan(const Color& text, int useFont, std::string_view previewText)
{
    std::string span;
    AppendColorSpan(span, text, useFont == 1 ? previewText : std::string_view());
    return span;
}

std::string CssGradationSpans(std::span<const GradationPiece> pieces)
{
    std::string spans;
    // Each piece adds its text and 36 bytes of markup.
    std::size_t size = 0;
    for (const GradationPiece& piece : pieces)
        size += piece.text.size() + 36;
    spans.reserve(size);
    for (const GradationPiece& piece : pieces)
        AppendColorSpan(spans, piece.color, piece.text);
    return spans;
}

std::string CssGradientText(const Color& start, const Color& middle, const Color& end,
                            std::string_view text)
{
    std::string span = "<span style=\"background: linear-gradient(to right, " + CssColor(start) +
                       ", " + CssColor(middle) + ", " + CssColor(end) +
                       "); -webkit-background-clip: text; background-clip: text; color: "
                       "transparent;\">";
    span += text;
    span += SpanClose;
    return span;
}

std::string CssVariables(const Color& background, const Color& text)
{
    return ":root { --background-color: " + CssColor(background) +
           "; --text-color: " + CssColor(text) + "; }";
}

std::string CssPairDeclarations(const Color& background, const Color& text)
{
    return "color: " + CssColor(text) + "; background-color: " + CssColor(background) + ";";
}

} // namespace tessuvo
