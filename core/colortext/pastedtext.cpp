#include "pastedtext.h"

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

enum class Role
{
    Background,
    Text,
};

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
    Role role;
};

constexpr Property Properties[] = {
    {"background-color", Syntax::Css, Role::Background},
    {"background", Syntax::Css, Role::Background},
    {"--background-color", Syntax::Css, Role::Background},
    {"color", Syntax::Css, Role::Text},
    {"--text-color", Syntax::Css, Role::Text},
    {"bgcolor", Syntax::Html, Role::Background},
    {"text", Syntax::Html, Role::Text},
    {"color", Syntax::Html, Role::Text},
};

struct Value
{
    std::string_view text;
    // CSS values are CSS alone; attributes and a text standing alone may also be written in
    // the notations of the edit boxes.
    bool cssOnly = true;

    explicit operator bool() const { return !text.empty(); }
};

// "r,g,b" with three numbers 0..255, spaces allowed around them.
std::optional<Color> DecimalTriple(std::string_view text)
{
    std::array<int, 3> channels{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        while (pos < text.size() && IsAsciiSpace(text[pos]))
            ++pos;
        const std::size_t start = pos;
        int value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 3)
            value = value * 10 + (text[pos++] - '0');
        while (pos < text.size() && IsAsciiSpace(text[pos]))
            ++pos;
        if (pos == start || value > 255)
            return std::nullopt;
        channels[i] = value;
        if (i < 2 && (pos == text.size() || text[pos++] != ','))
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return Color{channels[0], channels[1], channels[2]};
}

// Six hexadecimal digits without "#", as the hexadecimal notation and old HTML write them.
std::optional<Color> BareHex(std::string_view text)
{
    if (text.size() != 6)
        return std::nullopt;
    int digits[6];
    for (std::size_t i = 0; i < 6; ++i) {
        const char c = AsciiLower(text[i]);
        if (c >= '0' && c <= '9')
            digits[i] = c - '0';
        else if (c >= 'a' && c <= 'f')
            digits[i] = c - 'a' + 10;
        else
            return std::nullopt;
    }
    return Color{digits[0] * 16 + digits[1], digits[2] * 16 + digits[3],
                 digits[4] * 16 + digits[5]};
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
    if (value.cssOnly)
        return std::nullopt;
    if (auto decimal = DecimalTriple(text))
        return decimal;
    return BareHex(text);
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
        const Syntax syntax = sign.IsDelim(':') ? Syntax::Css : Syntax::Html;
        for (const Property& property : Properties) {
            if (property.syntax != syntax || !EqualsIgnoringAsciiCase(property.name, name))
                continue;
            const Value value =
                syntax == Syntax::Css ? Value{CssValue(), true} : Value{HtmlValue(), false};
            if (ReadValue(value, White))
                (property.role == Role::Background ? m_block.background : m_block.text) = value;
            return;
        }
    }

    // Up to the end of the declaration; a line break ends it too outside parentheses, for
    // declarations pasted one a line without their ";".
    std::string_view CssValue()
    {
        const std::size_t start = m_in.Position();
        int depth = 0;
        for (;;) {
            const std::size_t end = m_in.Position();
            const CssToken token = m_in.Next();
            const bool lineBreak = token.kind == CssToken::Kind::Whitespace &&
                                   token.source.find_first_of("\r\n") != std::string_view::npos;
            const bool stop =
                token.kind == CssToken::Kind::Delim &&
                std::string_view(";{}\"'<>").find(token.source.front()) != std::string_view::npos;
            if (token.kind == CssToken::Kind::End || stop ||
                (depth == 0 && (lineBreak || token.IsDelim('!')))) {
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

PastedColors ColorsFromPaste(std::string_view pasted, PasteInto into,
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
        single = {pasted, false};
    const bool toText =
        into == PasteInto::Text || (into == PasteInto::Band && found.text && !found.background);
    const auto color = ReadValue(single, toText ? currentBackground : White);
    return toText ? PastedColors{std::nullopt, color} : PastedColors{color, std::nullopt};
}

} // namespace tessuvo
