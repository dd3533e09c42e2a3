#include "codepage.h"

#include <iconv.h>

namespace tessuvo {

namespace {

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (pos + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i])))
            return 1;
    }
    return length;
}

long Utf8CodePoint(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80)
        return lead;
    const std::size_t length = Utf8SequenceLength(text, pos);
    if (length == 1)
        return -1;
    long cp = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    return cp;
}

void AppendUtf8(std::string& out, long codePoint)
{
    if (codePoint < 0 || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        codePoint = 0xFFFD;
    const auto byte = [&](long bits) { out += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0 | codePoint >> 6);
        byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        byte(0xE0 | codePoint >> 12);
        byte(0x80 | (codePoint >> 6 & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    } else {
        byte(0xF0 | codePoint >> 18);
        byte(0x80 | (codePoint >> 12 & 0x3F));
        byte(0x80 | (codePoint >> 6 & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

int Cp932Width(std::string_view text, std::size_t pos)
{
    const long cp = Utf8CodePoint(text, pos);
    if (cp >= 0 && cp < 0x80)
        return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F) // half-width katakana and punctuation
        return 1;
    if (cp < 0) // a stray byte stands for itself
        return 1;
    return 2;
}

namespace {

std::size_t WidthAt(std::string_view text, std::size_t pos, LineBreak breaks)
{
    if (breaks == LineBreak::CrLf && text[pos] == '\n')
        return 2;
    return static_cast<std::size_t>(Cp932Width(text, pos));
}

} // namespace

std::size_t Cp932Length(std::string_view text, LineBreak breaks)
{
    std::size_t length = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8SequenceLength(text, pos))
        length += WidthAt(text, pos, breaks);
    return length;
}

std::size_t Cp932Prefix(std::string_view text, std::size_t maxBytes, LineBreak breaks)
{
    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t width = WidthAt(text, pos, breaks);
        if (used + width > maxBytes)
            break;
        used += width;
        pos += Utf8SequenceLength(text, pos);
    }
    return pos;
}

std::string Cp932Shape(std::string_view text)
{
    std::string shape;
    shape.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8SequenceLength(text, pos)) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80)
            shape += static_cast<char>(byte);
        else
            shape.append(static_cast<std::size_t>(Cp932Width(text, pos)), '\x80');
    }
    return shape;
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        if (Utf8CodePoint(text, pos) < 0)
            return false;
        pos += Utf8SequenceLength(text, pos);
    }
    return true;
}

namespace {

bool Convert(const char* to, const char* from, std::string_view text, std::string& result)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string in(text);
    std::string out(in.size() * 3 + 4, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok)
        return false;
    out.resize(out.size() - outLeft);
    result = std::move(out);
    return true;
}

} // namespace

bool Cp932ToUtf8(std::string_view cp932, std::string& utf8)
{
    return Convert("UTF-8", "CP932", cp932, utf8);
}

bool Utf8ToCp932(std::string_view utf8, std::string& cp932)
{
    return Convert("CP932", "UTF-8", utf8, cp932);
}

} // namespace tessuvo
