#include "csslexer.h"

#include "core/color/hex.h"
#include "core/text/ascii.h"
#include "core/textbox/codepage.h"

#include <charconv>
#include <limits>
#include <string>

namespace tessuvo {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return HexDigitValue(c) >= 0;
}

bool IsNameStart(char c)
{
    return (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || IsDigit(c) || c == '-';
}

char ClosingBracket(const CssToken& token)
{
    if (token.kind == CssToken::Kind::Function || token.IsDelim('('))
        return ')';
    if (token.IsDelim('['))
        return ']';
    return token.IsDelim('{') ? '}' : '\0';
}

} // namespace

CssLexer::CssLexer(std::string_view text, Dialect dialect) : m_text(text), m_dialect(dialect) {}

CssToken CssLexer::Make(CssToken::Kind kind, std::size_t start, std::string_view text) const
{
    CssToken token;
    token.kind = kind;
    token.text = text;
    token.source = m_text.substr(start, m_pos - start);
    return token;
}

bool CssLexer::StartsName(std::size_t ahead) const
{
    const char c = Peek(ahead);
    return IsNameStart(c) || StartsEscape(ahead) ||
           (c == '-' &&
            (IsNameStart(Peek(ahead + 1)) || Peek(ahead + 1) == '-' || StartsEscape(ahead + 1)));
}

// A backslash escapes any character but a line break, which it cannot carry in a name.
bool CssLexer::StartsEscape(std::size_t ahead) const
{
    return Peek(ahead) == '\\' && m_pos + ahead + 1 < m_text.size() && Peek(ahead + 1) != '\n' &&
           Peek(ahead + 1) != '\r' && Peek(ahead + 1) != '\f';
}

bool CssLexer::StartsNumber() const
{
    std::size_t at = Peek() == '+' || Peek() == '-' ? 1 : 0;
    if (Peek(at) == '.')
        ++at;
    return IsDigit(Peek(at));
}

bool CssLexer::SkipComment()
{
    if (Peek() == '/' && Peek(1) == '*') {
        const std::size_t end = m_text.find("*/", m_pos + 2);
        m_pos = end == std::string_view::npos ? m_text.size() : end + 2;
        return true;
    }
    if (m_dialect == Dialect::Scss && Peek() == '/' && Peek(1) == '/') {
        const std::size_t end = m_text.find('\n', m_pos + 2);
        m_pos = end == std::string_view::npos ? m_text.size() : end;
        return true;
    }
    return false;
}

std::string_view CssLexer::ReadName()
{
    const std::size_t start = m_pos;
    for (;;) {
        if (!AtEnd() && IsNameChar(m_text[m_pos])) {
            ++m_pos;
        } else if (StartsEscape(0)) {
            const bool hex = IsHexDigit(Peek(1));
            m_pos += 2;
            // Up to six hexadecimal digits, and one white space after them, make one escape.
            for (int digits = 1; hex && digits < 6 && IsHexDigit(Peek()); ++digits)
                ++m_pos;
            if (hex && IsAsciiSpace(Peek()))
                ++m_pos;
        } else {
            return m_text.substr(start, m_pos - start);
        }
    }
}

CssToken CssLexer::Next()
{
    const std::size_t start = m_pos;
    if (AtEnd())
        return Make(CssToken::Kind::End, start);

    for (;;) {
        if (!AtEnd() && IsAsciiSpace(m_text[m_pos]))
            ++m_pos;
        else if (!SkipComment())
            break;
    }
    if (m_pos > start)
        return Make(CssToken::Kind::Whitespace, start);

    const char c = m_text[m_pos];
    if (StartsName(0)) {
        const std::string_view name = ReadName();
        if (Peek() != '(')
            return Make(CssToken::Kind::Ident, start, name);
        ++m_pos;
        return EqualsIgnoringAsciiCase(name, "url") ? ReadUrl(start)
                                                    : Make(CssToken::Kind::Function, start, name);
    }
    if (StartsNumber())
        return ReadNumeric(start);
    if (c == '#' && (IsNameChar(Peek(1)) || StartsEscape(1))) {
        ++m_pos;
        return Make(CssToken::Kind::Hash, start, ReadName());
    }
    if (c == '@' && StartsName(1)) {
        ++m_pos;
        return Make(CssToken::Kind::AtKeyword, start, ReadName());
    }
    if ((c == '"' || c == '\'') && m_dialect != Dialect::Markup)
        return ReadString(start);
    ++m_pos;
    return Make(CssToken::Kind::Delim, start);
}

CssToken CssLexer::NextNonSpace()
{
    CssToken token = Next();
    while (token.kind == CssToken::Kind::Whitespace)
        token = Next();
    return token;
}

CssToken CssLexer::NextComponent()
{
    return CompleteBlock(NextNonSpace());
}

CssToken CssLexer::CompleteBlock(CssToken first)
{
    const char close = ClosingBracket(first);
    if (!close)
        return first;
    const std::size_t start = static_cast<std::size_t>(first.source.data() - m_text.data());
    std::string open(1, close);
    while (!open.empty() && !AtEnd()) {
        const CssToken token = Next();
        if (const char inner = ClosingBracket(token))
            open += inner;
        else if (token.IsDelim(open.back()))
            open.pop_back();
    }
    first.source = m_text.substr(start, m_pos - start);
    return first;
}

CssToken CssLexer::ReadNumeric(std::size_t start)
{
    const bool negative = Peek() == '-';
    if (Peek() == '+' || negative)
        ++m_pos;
    const std::size_t digits = m_pos;
    while (IsDigit(Peek()))
        ++m_pos;
    if (Peek() == '.' && IsDigit(Peek(1))) {
        m_pos += 2;
        while (IsDigit(Peek()))
            ++m_pos;
    }
    bool negativeExponent = false;
    if (Peek() == 'e' || Peek() == 'E') {
        const std::size_t sign = Peek(1) == '+' || Peek(1) == '-' ? 1 : 0;
        if (IsDigit(Peek(1 + sign))) {
            negativeExponent = Peek(1) == '-';
            m_pos += 1 + sign;
            while (IsDigit(Peek()))
                ++m_pos;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(m_text.data() + digits, m_text.data() + m_pos, value);
    if (error == std::errc::result_out_of_range)
        value = negativeExponent ? 0 : std::numeric_limits<double>::max();
    CssToken token;
    if (Peek() == '%') {
        ++m_pos;
        token = Make(CssToken::Kind::Percentage, start);
    } else if (StartsName(0)) {
        const std::string_view unit = ReadName();
        token = Make(CssToken::Kind::Dimension, start, unit);
    } else {
        token = Make(CssToken::Kind::Number, start);
    }
    token.number = negative ? -value : value;
    return token;
}

// A string without its closing quote ends before the line break, as CSS reads it.
CssToken CssLexer::ReadString(std::size_t start)
{
    const char quote = m_text[m_pos++];
    const std::size_t content = m_pos;
    while (!AtEnd() && m_text[m_pos] != quote && m_text[m_pos] != '\n') {
        if (m_text[m_pos] == '\\' && m_pos + 1 < m_text.size())
            ++m_pos;
        ++m_pos;
    }
    const std::string_view text = m_text.substr(content, m_pos - content);
    if (Peek() == quote)
        ++m_pos;
    return Make(CssToken::Kind::String, start, text);
}

// "url(" with an address in quotes is a function whose argument is a string; without quotes
// the address runs up to the ")".
CssToken CssLexer::ReadUrl(std::size_t start)
{
    std::size_t from = m_pos;
    while (from < m_text.size() && IsAsciiSpace(m_text[from]))
        ++from;
    if (from < m_text.size() && (m_text[from] == '"' || m_text[from] == '\''))
        return Make(CssToken::Kind::Function, start, m_text.substr(start, m_pos - start - 1));
    const std::size_t close = m_text.find(')', from);
    const std::size_t end = close == std::string_view::npos ? m_text.size() : close;
    m_pos = close == std::string_view::npos ? end : end + 1;
    return Make(CssToken::Kind::Url, start, TrimAsciiSpace(m_text.substr(from, end - from)));
}

std::string CssUnescape(std::string_view written)
{
    std::string out;
    out.reserve(written.size());
    for (std::size_t pos = 0; pos < written.size();) {
        if (written[pos] != '\\' || pos + 1 == written.size()) {
            out += written[pos++];
            continue;
        }
        ++pos;
        if (!IsHexDigit(written[pos])) {
            if (written[pos] == '\r' && pos + 1 < written.size() && written[pos + 1] == '\n')
                ++pos;
            if (written[pos] != '\n' && written[pos] != '\r' && written[pos] != '\f')
                out += written[pos];
            ++pos;
            continue;
        }
        long codePoint = 0;
        for (int digits = 0; digits < 6 && pos < written.size() && IsHexDigit(written[pos]);
             ++digits, ++pos)
            codePoint = codePoint * 16 + HexDigitValue(written[pos]);
        if (pos < written.size() && IsAsciiSpace(written[pos]))
            pos += written.substr(pos, 2) == "\r\n" ? 2 : 1;
        AppendUtf8(out, codePoint == 0 ? 0xFFFD : codePoint);
    }
    return out;
}

} // namespace tessuvo
