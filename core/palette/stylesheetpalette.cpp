#include "stylesheetpalette.h"

#include "core/colortext/csscolor.h"
#include "core/colortext/csslexer.h"
#include "core/colortext/namedcolors.h"
#include "core/text/ascii.h"

#include <algorithm>

namespace tessuvo {

namespace {

using Kind = CssToken::Kind;

constexpr Color White{255, 255, 255};
// Deeper nesting of rules or of functions is passed over, so that a hostile text cannot exhaust
// the stack.
constexpr int MaxDepth = 32;
// A longer selector is cut: names are cut shorter still.
constexpr std::size_t MaxSelectorBytes = 256;

constexpr std::string_view ColorFunctions[] = {"rgb", "rgba", "hsl",   "hsla",  "hwb",
                                               "lab", "lch",  "oklab", "oklch", "color"};
// Properties whose words name fonts, animations or areas, never colours ("font-family: Tan").
constexpr std::string_view NamingProperties[] = {"font",
                                                 "font-family",
                                                 "animation",
                                                 "animation-name",
                                                 "grid-area",
                                                 "will-change",
                                                 "grid-template-areas",
                                                 "transition",
                                                 "transition-property",
                                                 "container-name",
                                                 "view-transition-name"};

bool IsAny(std::string_view name, std::span<const std::string_view> list)
{
    return std::any_of(list.begin(), list.end(), [&](std::string_view entry) {
        return EqualsIgnoringAsciiCase(name, entry);
    });
}

// The text from the start of `first` to the end of `last`.
std::string_view Span(std::string_view first, std::string_view last)
{
    return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

// What stands between a function's or a block's brackets.
std::string_view Inside(const CssToken& block)
{
    std::string_view inner = block.source.substr(block.source.find_first_of("([{") + 1);
    if (!inner.empty() && (inner.back() == ')' || inner.back() == ']' || inner.back() == '}'))
        inner.remove_suffix(1);
    return inner;
}

// One rule's prelude or one declaration: its first tokens, and its text.
struct Statement
{
    CssToken tokens[3];
    int count = 0;
    std::string_view first, last; // the sources of its first and last token
    std::string prelude;          // as written, each run of white space one space

    void Add(const CssToken& token)
    {
        if (count < 3)
            tokens[count++] = token;
        if (first.empty())
            first = token.source;
        last = token.source;
        if (prelude.size() < MaxSelectorBytes)
            prelude += token.source;
    }
    void AddSpace()
    {
        if (!prelude.empty() && prelude.back() != ' ')
            prelude += ' ';
    }
};

class SheetReader
{
public:
    explicit SheetReader(PaletteBuilder& palette) : m_palette(palette) {}

    // Rules and declarations up to `close` (a "}" or the quote that ends a style attribute) or
    // the end, named under `selector`.
    void Rules(CssLexer& in, const std::string& selector, char close, int depth)
    {
        for (;;) {
            Statement statement;
            CssToken token = in.Next();
            for (; token.kind != Kind::End && !token.IsDelim(';') && !token.IsDelim('{') &&
                   !token.IsDelim(close);
                 token = in.Next()) {
                if (token.kind == Kind::Whitespace)
                    statement.AddSpace();
                else
                    statement.Add(token.kind == Kind::Function || token.IsDelim('(') ||
                                          token.IsDelim('[')
                                      ? in.CompleteBlock(token)
                                      : token);
            }
            if (token.IsDelim('{') && depth < MaxDepth)
                Rules(in, Nested(selector, statement.prelude), '}', depth + 1);
            else if (token.IsDelim('{'))
                in.CompleteBlock(token);
            else
                Declaration(statement, selector);
            if (token.kind == Kind::End || token.IsDelim(close) || m_palette.Full())
                return;
        }
    }

private:
    static std::string Nested(const std::string& outer, std::string prelude)
    {
        while (!prelude.empty() && prelude.back() == ' ')
            prelude.pop_back();
        // An at-rule (@media, @supports) is no part of the selector of the rules inside it.
        if (prelude.starts_with('@') || outer.empty())
            return prelude.starts_with('@') ? outer : prelude;
        if (prelude.find('&') == std::string::npos)
            return outer + ' ' + prelude;
        std::string nested;
        for (const char c : prelude)
            c == '&' ? nested += outer : nested += c;
        return nested;
    }

    // "name: value", "--name: value", "$name: value" or "@name: value".
    void Declaration(const Statement& statement, const std::string& selector)
    {
        const CssToken* name = statement.tokens;
        const bool variable = statement.count == 3 && name->IsDelim('$');
        if (variable)
            ++name;
        const CssToken& colon = name[1];
        if (statement.count < (variable ? 3 : 2) || !colon.IsDelim(':') ||
            (name->kind != Kind::Ident && name->kind != Kind::AtKeyword))
            return;
        const std::string_view value = Span(colon.source, statement.last).substr(1);
        if (name->kind == Kind::Ident && !variable && !name->text.starts_with("--")) {
            const std::string property = CssUnescape(name->text);
            Colors(value, selector.empty() ? property : selector + ' ' + property,
                   !IsAny(property, NamingProperties), 0);
        } else {
            const std::string_view written =
                name->text.starts_with("--") && !variable ? name->text.substr(2) : name->text;
            Colors(value, CssUnescape(written), true, 0);
        }
    }

    // Every colour among the component values of `value`, looked for inside other functions
    // and brackets too.
    void Colors(std::string_view value, const std::string& name, bool names, int depth)
    {
        CssLexer in(value, CssLexer::Dialect::Scss);
        for (CssToken token = in.NextComponent(); token.kind != Kind::End && !m_palette.Full();
             token = in.NextComponent()) {
            std::optional<Color> color;
            if (token.kind == Kind::Hash ||
                (token.kind == Kind::Function && IsAny(token.text, ColorFunctions)))
                color = ReadCssColor(token.source, White);
            else if (token.kind == Kind::Ident && names)
                color = CssNamedColor(token.text);
            else if ((token.kind == Kind::Function || token.IsDelim('(') || token.IsDelim('[')) &&
                     depth < MaxDepth)
                Colors(Inside(token), name, names, depth + 1);
            if (color)
                m_palette.Add(*color, name);
        }
    }

    PaletteBuilder& m_palette;
};

// A page: its style elements, and the style attributes of its tags named by the tag.
void ReadPage(std::string_view text, PaletteBuilder& palette)
{
    SheetReader reader(palette);
    CssLexer in(text, CssLexer::Dialect::Markup);
    for (CssToken token = in.Next(); token.kind != Kind::End && !palette.Full();
         token = in.Next()) {
        if (!token.IsDelim('<'))
            continue;
        const CssToken tag = in.Next();
        if (tag.kind != Kind::Ident)
            continue;
        CssToken attribute = in.NextNonSpace();
        for (; attribute.kind != Kind::End && !attribute.IsDelim('>');
             attribute = in.NextNonSpace()) {
            if (attribute.kind != Kind::Ident || !EqualsIgnoringAsciiCase(attribute.text, "style"))
                continue;
            if (!in.NextNonSpace().IsDelim('='))
                continue;
            const CssToken quote = in.NextNonSpace();
            if (quote.IsDelim('"') || quote.IsDelim('\''))
                reader.Rules(in, std::string(tag.text), quote.source.front(), 0);
        }
        // What a style or a script element holds is no markup: read up to its end tag.
        const bool style = EqualsIgnoringAsciiCase(tag.text, "style");
        if (!style && !EqualsIgnoringAsciiCase(tag.text, "script"))
            continue;
        const std::string_view rest = text.substr(in.Position());
        std::size_t end = 0;
        while ((end = rest.find("</", end)) != std::string_view::npos &&
               !EqualsIgnoringAsciiCase(rest.substr(end + 2, tag.text.size()), tag.text))
            end += 2;
        const std::string_view content = rest.substr(0, end);
        if (style) {
            CssLexer sheet(content, CssLexer::Dialect::Scss);
            reader.Rules(sheet, {}, '}', 0);
        }
        in.Rewind(in.Position() + content.size());
    }
}

} // namespace

PaletteRead ReadStyleSheetPalette(std::string_view text)
{
    PaletteBuilder palette(true);
    if (TrimAsciiSpace(text.substr(text.starts_with("\xEF\xBB\xBF") ? 3 : 0)).starts_with('<')) {
        ReadPage(text, palette);
    } else {
        CssLexer in(text, CssLexer::Dialect::Scss);
        // A "}" too many closes nothing: reading goes on after it.
        while (!in.AtEnd() && !palette.Full())
            SheetReader(palette).Rules(in, {}, '}', 0);
    }
    return std::move(palette).Finish();
}

} // namespace tessuvo
