#include "valuecodec.h"

#include "core/textbox/codepage.h"

#include <algorithm>

namespace tessuvo {

namespace {

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsEuropeanLetter(long cp)
{
    return (cp >= 0xC0 && cp <= 0x24F && cp != 0xD7 && cp != 0xF7) || (cp >= 0x370 && cp <= 0x4FF);
}

bool IsJapanese(long cp)
{
    return (cp >= 0xFF61 && cp <= 0xFF9F) || (cp >= 0x3000 && cp <= 0x30FF) ||
           (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xFF01 && cp <= 0xFF5E);
}

// Of the text's non-ASCII characters: how many, and how many `fits`.
template <typename Fits> std::pair<long, long> Share(std::string_view utf8, Fits fits)
{
    long total = 0, fitting = 0;
    for (std::size_t pos = 0; pos < utf8.size(); pos += Utf8SequenceLength(utf8, pos)) {
        const long cp = Utf8CodePoint(utf8, pos);
        if (cp >= 0 && cp < 0x80)
            continue;
        ++total;
        fitting += fits(cp) ? 1 : 0;
    }
    return {fitting, total};
}

std::string ReplaceInvalid(std::string_view bytes)
{
    std::string out;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, pos);
        if (Utf8CodePoint(bytes, pos) < 0)
            out += "\xEF\xBF\xBD";
        else
            out += bytes.substr(pos, length);
        pos += length;
    }
    return out;
}

} // namespace

DecodedValue DecodeProfileValue(std::string_view bytes)
{
    if (IsAscii(bytes))
        return {std::string(bytes), ValueEncoding::Ascii};
    std::string cp932;
    const bool cp932Valid = Cp932ToUtf8(bytes, cp932);
    if (IsValidUtf8(bytes)) {
        bool longSequence = false;
        for (std::size_t pos = 0; pos < bytes.size(); pos += Utf8SequenceLength(bytes, pos))
            longSequence = longSequence || Utf8SequenceLength(bytes, pos) >= 3;
        if (longSequence || !cp932Valid)
            return {std::string(bytes), ValueEncoding::Utf8};
        const auto [european, utf8Total] = Share(bytes, IsEuropeanLetter);
        const auto [japanese, cp932Total] = Share(cp932, IsJapanese);
        if (japanese * utf8Total > european * cp932Total)
            return {std::move(cp932), ValueEncoding::Cp932};
        return {std::string(bytes), ValueEncoding::Utf8};
    }
    if (cp932Valid)
        return {std::move(cp932), ValueEncoding::Cp932};
    return {ReplaceInvalid(bytes), ValueEncoding::Utf8};
}

std::string EncodeProfileValue(std::string_view text, ValueEncoding previous)
{
    std::string cp932;
    if (previous == ValueEncoding::Cp932 && Utf8ToCp932(text, cp932) &&
        DecodeProfileValue(cp932).text == text)
        return cp932;
    return std::string(text);
}

} // namespace tessuvo
