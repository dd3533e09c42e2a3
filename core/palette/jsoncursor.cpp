#include "jsoncursor.h"

#include "core/color/hex.h"
#include "core/textbox/codepage.h"

#include <charconv>

namespace tessuvo {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

void JsonCursor::SkipSpace()
{
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' ||
                                     m_text[m_pos] == '\n' || m_text[m_pos] == '\r'))
        ++m_pos;
}

bool JsonCursor::Fail()
{
    m_failed = true;
    return false;
}

JsonCursor::Kind JsonCursor::Peek()
{
    if (m_failed)
        return Kind::None;
    SkipSpace();
    switch (At(m_pos)) {
    case '{':
        return Kind::Object;
    case '[':
        return Kind::Array;
    case '"':
        return Kind::String;
    case 't':
    case 'f':
    case 'n':
        return Kind::Literal;
    default:
        return At(m_pos) == '-' || IsDigit(At(m_pos)) ? Kind::Number : Kind::None;
    }
}

bool JsonCursor::Enter(char open)
{
    if (m_failed || (SkipSpace(), At(m_pos) != open))
        return false;
    if (m_first.size() >= MaxJsonDepth)
        return Fail();
    ++m_pos;
    m_first.push_back(true);
    return true;
}

bool JsonCursor::EnterObject()
{
    return Enter('{');
}

bool JsonCursor::EnterArray()
{
    return Enter('[');
}

// Past the comma before the next member, or out of the container at its end.
bool JsonCursor::NextMember(char close)
{
    if (m_failed || m_first.empty())
        return false;
    SkipSpace();
    const bool first = m_first.back();
    m_first.back() = false;
    if (At(m_pos) == close) {
        ++m_pos;
        m_first.pop_back();
        return false;
    }
    if (!first) {
        if (At(m_pos) != ',')
            return Fail();
        ++m_pos;
    }
    return true;
}

std::optional<std::string> JsonCursor::NextKey()
{
    if (!NextMember('}'))
        return std::nullopt;
    auto key = String();
    SkipSpace();
    if (!key || At(m_pos) != ':') {
        Fail();
        return std::nullopt;
    }
    ++m_pos;
    return key;
}

bool JsonCursor::NextItem()
{
    if (!NextMember(']'))
        return false;
    // "[1,]" is no JSON.
    return Peek() != Kind::None || Fail();
}

std::optional<std::string> JsonCursor::String()
{
    if (Peek() != Kind::String)
        return std::nullopt;
    std::string out;
    for (std::size_t pos = m_pos + 1; pos < m_text.size(); ++pos) {
        const char c = m_text[pos];
        if (c == '"') {
            m_pos = pos + 1;
            return out;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            break;
        if (c != '\\') {
            out += c;
            continue;
        }
        const char escaped = At(++pos);
        const std::string_view simple = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
        if (const auto found = simple.find(escaped); escaped && found != std::string_view::npos) {
            out += meant[found];
            continue;
        }
        if (escaped != 'u')
            break;
        const auto unit = [&](std::size_t at) {
            long value = 0;
            for (std::size_t i = 0; i < 4; ++i) {
                const int digit = HexDigitValue(At(at + i));
                if (digit < 0)
                    return -1L;
                value = value * 16 + digit;
            }
            return value;
        };
        long codePoint = unit(pos + 1);
        if (codePoint < 0)
            break;
        pos += 4;
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF && At(pos + 1) == '\\' &&
            At(pos + 2) == 'u') {
            const long low = unit(pos + 3);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
                pos += 6;
            }
        }
        AppendUtf8(out, codePoint); // a surrogate left alone gives U+FFFD
    }
    Fail();
    return std::nullopt;
}

std::optional<double> JsonCursor::Number()
{
    if (Peek() != Kind::Number)
        return std::nullopt;
    std::size_t pos = m_pos + (At(m_pos) == '-' ? 1 : 0);
    const auto digits = [&] {
        const std::size_t start = pos;
        while (IsDigit(At(pos)))
            ++pos;
        return pos > start;
    };
    bool ok = At(pos) == '0' ? (++pos, true) : digits();
    if (ok && At(pos) == '.')
        ok = (++pos, digits());
    if (ok && (At(pos) == 'e' || At(pos) == 'E')) {
        ++pos;
        if (At(pos) == '+' || At(pos) == '-')
            ++pos;
        ok = digits();
    }
    double value = 0;
    // Out of the range of a double is still a number: far beyond any colour.
    const auto [end, error] = std::from_chars(m_text.data() + m_pos, m_text.data() + pos, value);
    if (!ok || end != m_text.data() + pos ||
        (error != std::errc() && error != std::errc::result_out_of_range)) {
        Fail();
        return std::nullopt;
    }
    m_pos = pos;
    return value;
}

bool JsonCursor::Expect(std::string_view word)
{
    if (m_text.substr(m_pos, word.size()) != word)
        return Fail();
    m_pos += word.size();
    return true;
}

void JsonCursor::Skip()
{
    switch (Peek()) {
    case Kind::Object:
        EnterObject();
        while (NextKey())
            Skip();
        break;
    case Kind::Array:
        EnterArray();
        while (NextItem())
            Skip();
        break;
    case Kind::String:
        String();
        break;
    case Kind::Number:
        Number();
        break;
    case Kind::Literal:
        Expect(At(m_pos) == 't' ? "true" : At(m_pos) == 'f' ? "false" : "null");
        break;
    case Kind::None:
        Fail();
        break;
    }
}

bool JsonCursor::Finished()
{
    SkipSpace();
    return !m_failed && m_first.empty() && m_pos == m_text.size();
}

} // namespace tessuvo
