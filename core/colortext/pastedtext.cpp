#include "pastedtext.h"

#include "csscolor.h"

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
constexpr std::size_t LongestName = 18;

struct Value
{
    std::string_view text;
    // CSS values are CSS alone; attributes and a text standing alone may also be written in
    // the notations of the edit boxes.
    bool cssOnly = true;

    explicit operator bool() const { return !text.empty(); }
};

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// "r,g,b" with three numbers 0..255, spaces allowed around them.
std::optional<Color> DecimalTriple(std::string_view text)
{
    std::array<int, 3> channels{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        while (pos < text.size() && IsSpace(text[pos]))
            ++pos;
        const std::size_t start = pos;
        int value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 3)
            value = value * 10 + (text[pos++] - '0');
        while (pos < text.size() && IsSpace(text[pos]))
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
        const char c = Lower(text[i]);
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
    const std::string_view text = Trimmed(value.text);
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

class PasteScanner
{
public:
    explicit PasteScanner(std::string_view text) : m_text(text) {}

    // Scans until the first block that gives both colours, or to the end.
    void Run()
    {
        while (m_pos < m_text.size() && !m_pair) {
            const char c = m_text[m_pos];
            if (c == '/' && At(m_pos + 1) == '*') {
                const std::size_t end = m_text.find("*/", m_pos + 2);
                m_pos = end == std::string_view::npos ? m_text.size() : end + 2;
            } else if (c == '{' || c == '}' || c == '<' || c == '>') {
                CloseBlock();
                ++m_pos;
            } else if (IsNameChar(c)) {
                ReadName();
            } else {
                ++m_pos;
            }
        }
        CloseBlock();
    }

    // The block that gave both, else the first background and text colour of any block.
    Block Found() const { return m_pair ? m_block : Block{m_firstBackground, m_firstText}; }

private:
    char At(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

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

    void ReadName()
    {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && IsNameChar(m_text[m_pos]))
            ++m_pos;
        const std::string_view name = m_text.substr(start, m_pos - start);
        if (name.size() > LongestName)
            return;
        std::size_t sign = m_pos;
        while (sign < m_text.size() && IsSpace(m_text[sign]))
            ++sign;
        const Syntax syntax = At(sign) == ':' ? Syntax::Css : Syntax::Html;
        if (At(sign) != ':' && At(sign) != '=')
            return;
        for (const Property& property : Properties) {
            if (property.syntax != syntax || !EqualsIgnoringCase(property.name, name))
                continue;
            m_pos = sign + 1;
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
        const std::size_t start = m_pos;
        int depth = 0;
        for (; m_pos < m_text.size(); ++m_pos) {
            const char c = m_text[m_pos];
            if (c == ';' || c == '{' || c == '}' || c == '"' || c == '\'' || c == '<' || c == '>')
                break;
            if (c == '(')
                ++depth;
            else if (c == ')' && depth > 0)
                --depth;
            else if (depth == 0 && (c == '!' || c == '\n' || c == '\r'))
                break;
        }
        return m_text.substr(start, m_pos - start);
    }

    // A quoted value up to its closing quote, or an unquoted one up to a space or the tag's end.
    std::string_view HtmlValue()
    {
        while (m_pos < m_text.size() && IsSpace(m_text[m_pos]))
            ++m_pos;
        const char quote = At(m_pos);
        if (quote == '"' || quote == '\'') {
            const std::size_t start = m_pos + 1;
            const std::size_t end = m_text.find(quote, start);
            m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
            return m_text.substr(start,
                                 (end == std::string_view::npos ? m_text.size() : end) - start);
        }
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !IsSpace(m_text[m_pos]) && m_text[m_pos] != '>' &&
               m_text[m_pos] != '<')
            ++m_pos;
        return m_text.substr(start, m_pos - start);
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
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
