#include "pastedtext.h"

#include "core/color/hex.h"
#include "core/text/ascii.h"
#include "csscolor.h"
#include "csslexer.h"

#include <algorithm>
#include <array>

namespace tessuvo {

namespace {

// No colour value is longer; longer values are not read at all, which keeps a pasted megabyte
// from reaching the colour reader.
constexpr std::size_t MaxValueLength = 256;
constexpr Color White{255, 255, 255};

// How a value is written: after "name:" in CSS, or after "name=" in an HTML tag.
enum class Syntax
{
    Css,
    Html,
};

struct Property
{
    std::string_view name;
    Syntax syntax;
    ColorTarget target;
    // A shorthand whose colour may stand among other values: images, positions, repeats.
    bool shorthand = false;
};

constexpr Property Properties[] = {
    {"background-color", Syntax::Css, ColorTarget::Background},
    {"background", Syntax::Css, ColorTarget::Background, true},
    {"color", Syntax::Css, ColorTarget::Text},
    {"bgcolor", Syntax::Html, ColorTarget::Background},
    {"text", Syntax::Html, ColorTarget::Text},
    {"color", Syntax::Html, ColorTarget::Text},
};

// The words by which a custom property names a colour of the pair.
constexpr std::string_view BackgroundWords[] = {"bg", "bgcolor", "background"};
constexpr std::string_view TextWords[] = {"fg", "fgcolor", "foreground", "text"};

// A custom property's target, and how plainly its name says it: the fewer other words, the
// plainer.
struct CustomProperty
{
    ColorTarget target;
    int otherWords = 0;
};

template <std::size_t N> bool OneOf(const std::string_view (&words)[N], std::string_view word)
{
    return std::any_of(std::begin(words), std::end(words),
                       [&](std::string_view w) { return EqualsIgnoringAsciiCase(w, word); });
}

// "--bg", "--page-bg", "--backgroundColor", "--text-color": a name with a word for one colour of
// the pair and none for the other. Words are cut at "-", "_" and a capital after a small letter;
// "color" counts as no word.
std::optional<CustomProperty> CustomPropertyNamed(std::string_view name)
{
    if (name.substr(0, 2) != "--")
        return std::nullopt;
    bool background = false, text = false;
    int others = 0;
    std::size_t start = 2;
    for (std::size_t i = 2; i <= name.size(); ++i) {
        const bool cut =
            i == name.size() || name[i] == '-' || name[i] == '_' ||
            (name[i] >= 'A' && name[i] <= 'Z' && name[i - 1] >= 'a' && name[i - 1] <= 'z');
        if (!cut)
            continue;
        const std::string_view word = name.substr(start, i - start);
        if (OneOf(BackgroundWords, word))
            background = true;
        else if (OneOf(TextWords, word))
            text = true;
        else if (!word.empty() && !EqualsIgnoringAsciiCase(word, "color"))
            ++others;
        start = i + (i < name.size() && (name[i] == '-' || name[i] == '_'));
    }
    if (background == text)
        return std::nullopt;
    return CustomProperty{background ? ColorTarget::Background : ColorTarget::Text, others};
}

// The forms a value may take besides CSS, by where it stands.
enum class Forms
{
    Css,       // in a declaration: CSS alone
    Attribute, // in an HTML attribute: also "r,g,b" and "rrggbb", as old pages write them
    WholeText, // the whole pasted text: also "r g b", "rgb" and "0xrrggbb", as tools copy them
};

struct Value
{
    std::string_view text;
    Forms forms = Forms::Css;
    // How plainly its declaration names the colour: a property of CSS or HTML above any custom
    // property, and of these the one with the fewest other words (--bg above --bg-hover).
    int plainness = 0;

    explicit operator bool() const { return !text.empty(); }
};

// "r,g,b" (spaces allowed around the commas) or, apart by white space alone, "r g b": three
// numbers 0..255.
std::optional<Color> DecimalTriple(std::string_view text, char separator)
{
    std::array<int, 3> channels{};
    std::size_t pos = 0;
    const auto skipSpace = [&] {
        while (pos < text.size() && IsAsciiSpace(text[pos]))
            ++pos;
    };
    for (std::size_t i = 0; i < 3; ++i) {
        skipSpace();
        const std::size_t start = pos;
        int value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 3)
            value = value * 10 + (text[pos++] - '0');
        const std::size_t end = pos;
        skipSpace();
        if (end == start || value > 255)
            return std::nullopt;
        channels[i] = value;
        if (i < 2 && (separator == ',' ? pos == text.size() || text[pos++] != ',' : pos == end))
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return Color{channels[0], channels[1], channels[2]};
}

// Hexadecimal digits without "#": six, as the hexadecimal notation and old HTML write them, or,
// where `shortForm`, three.
std::optional<Color> BareHex(std::string_view text, bool shortForm)
{
    const bool size = text.size() == 6 || (shortForm && text.size() == 3);
    const auto read = size ? ReadHexDigits(text) : std::nullopt;
    if (!read)
        return std::nullopt;
    return read->color;
}

// Of the edit boxes' notations only well-formed numbers count: a pasted sentence with a comma
// near its start is no colour.
std::optional<Color> ReadValue(const Value& value, const Color& backdrop)
{
    const std::string_view text = TrimAsciiSpace(value.text);
    if (text.empty() || text.size() > MaxValueLength)
        return std::nullopt;
    if (auto css = ReadCssColor(text, backdrop))
        return css;
    if (value.forms == Forms::Css)
        return std::nullopt;
    if (auto decimal = DecimalTriple(text, ','))
        return decimal;
    if (value.forms == Forms::Attribute)
        return BareHex(text, false);
    if (auto spaced = DecimalTriple(text, ' '))
        return spaced;
    if (text.size() == 8 && text[0] == '0' && AsciiLower(text[1]) == 'x')
        return BareHex(text.substr(2), false);
    return BareHex(text, true);
}

// The colour among the values of a shorthand, the first that is one.
std::string_view ColorAmong(std::string_view values)
{
    CssLexer in(values);
    for (CssToken value = in.NextComponent(); value.kind != CssToken::Kind::End;
         value = in.NextComponent())
        if (ReadValue({value.source}, White))
            return value.source;
    return {};
}

// The declarations and attributes of one rule, style attribute or tag.
struct Block
{
    Value background;
    Value text;
};

// Reads CSS and HTML alike: quotes are plain delimiters, so that the declarations of a quoted
// style attribute are found as any others.
class PasteScanner
{
public:
    explicit PasteScanner(std::string_view text) : m_in(text, CssLexer::Dialect::Markup) {}

    // Scans until the first block that gives both colours, or to the end.
    void Run()
    {
        while (!m_pair) {
            const CssToken token = m_in.Next();
            if (token.kind == CssToken::Kind::End)
                break;
            if (token.IsDelim('{') || token.IsDelim('}') || token.IsDelim('<') ||
                token.IsDelim('>'))
                CloseBlock();
            else if (token.kind == CssToken::Kind::Ident)
                ReadDeclaration(token.text);
        }
        CloseBlock();
    }

    // The block that gave both, else the first background and text colour of any block.
    Block Found() const { return m_pair ? m_block : Block{m_firstBackground, m_firstText}; }

private:
    void CloseBlock()
    {
        if (m_block.background && m_block.text) {
            m_pair = true;
            return;
        }
        if (!m_firstBackground)
            m_firstBackground = m_block.background;
        if (!m_firstText)
            m_firstText = m_block.text;
        m_block = {};
    }

    void ReadDeclaration(std::string_view name)
    {
        const std::size_t afterName = m_in.Position();
        const CssToken sign = m_in.NextNonSpace();
        if (!sign.IsDelim(':') && !sign.IsDelim('=')) {
            m_in.Rewind(afterName);
            return;
        }
        if (sign.IsDelim(':')) {
            if (const auto custom = CustomPropertyNamed(name)) {
                Take(custom->target, {CssValue(), Forms::Css, -1 - custom->otherWords});
                return;
            }
        }
        const Syntax syntax = sign.IsDelim(':') ? Syntax::Css : Syntax::Html;
        for (const Property& property : Properties) {
            if (property.syntax != syntax || !EqualsIgnoringAsciiCase(property.name, name))
                continue;
            if (syntax == Syntax::Html)
                Take(property.target, {HtmlValue(), Forms::Attribute});
            else if (property.shorthand)
                Take(property.target, {ColorAmong(CssValue())});
            else
                Take(property.target, {CssValue()});
            return;
        }
    }

    // The plainest declaration of each colour counts, and of equals the last, as in CSS.
    void Take(ColorTarget target, const Value& value)
    {
        Value& taken = target == ColorTarget::Background ? m_block.background : m_block.text;
        if (ReadValue(value, White) && (!taken || value.plainness >= taken.plainness))
            taken = value;
    }

    // Up to the end of the declaration; outside parentheses a line break ends it too, for
    // declarations pasted one a line without their ";", and so does a quote, which closes a
    // style attribute.
    std::string_view CssValue()
    {
        const std::size_t start = m_in.Position();
        int depth = 0;
        for (;;) {
            const std::size_t end = m_in.Position();
            const CssToken token = m_in.Next();
            const bool lineBreak = token.kind == CssToken::Kind::Whitespace &&
                                   token.source.find_first_of("\r\n") != std::string_view::npos;
            const auto delimOf = [&](std::string_view delims) {
                return token.kind == CssToken::Kind::Delim &&
                       delims.find(token.source.front()) != std::string_view::npos;
            };
            if (token.kind == CssToken::Kind::End || delimOf(";{}<>") ||
                (depth == 0 && (lineBreak || delimOf("!\"'")))) {
                m_in.Rewind(end);
                return m_in.Text().substr(start, end - start);
            }
            if (token.kind == CssToken::Kind::Function || token.IsDelim('('))
                ++depth;
            else if (token.IsDelim(')') && depth > 0)
                --depth;
        }
    }

    // A quoted value up to its closing quote, or an unquoted one up to a space or the tag's end.
    std::string_view HtmlValue()
    {
        const std::string_view text = m_in.Text();
        std::size_t pos = m_in.Position();
        while (pos < text.size() && IsAsciiSpace(text[pos]))
            ++pos;
        const char quote = pos < text.size() ? text[pos] : '\0';
        std::size_t start = pos, end = pos;
        if (quote == '"' || quote == '\'') {
            start = pos + 1;
            end = std::min(text.find(quote, start), text.size());
            pos = std::min(end + 1, text.size());
        } else {
            while (end < text.size() && !IsAsciiSpace(text[end]) && text[end] != '>' &&
                   text[end] != '<')
                ++end;
            pos = end;
        }
        m_in.Rewind(pos);
        return text.substr(start, end - start);
    }

    CssLexer m_in;
    Block m_block;
    bool m_pair = false;
    Value m_firstBackground;
    Value m_firstText;
};

} // namespace

PastedColors ColorsFromPaste(std::string_view pasted, std::optional<ColorTarget> into,
                             const Color& currentBackground)
{
    PasteScanner scanner(pasted);
    scanner.Run();
    const Block found = scanner.Found();

    if (found.background && found.text) {
        const auto background = ReadValue(found.background, White);
        return {background, ReadValue(found.text, *background)};
    }

    Value single = found.background ? found.background : found.text;
    if (!single)
        single = {pasted, Forms::WholeText};
    const bool toText = into ? *into == ColorTarget::Text : found.text && !found.background;
    const auto color = ReadValue(single, toText ? currentBackground : White);
    return toText ? PastedColors{std::nullopt, color} : PastedColors{color, std::nullopt};
}

} // namespace tessuvo
