#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text is UTF-8 inside the program, but every length limit of the design is counted in
// bytes of the Japanese code page 932: ASCII and half-width katakana take one byte there,
// every other character two.
namespace tessuvo {

// Length in bytes of the next UTF-8 sequence at `pos` (1 for an invalid byte).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// Code point of the sequence at `pos`, or -1 for an invalid byte.
long Utf8CodePoint(std::string_view text, std::size_t pos);

// Appends the UTF-8 sequence of `codePoint`; U+FFFD for a surrogate or a value beyond Unicode,
// which stand for no character.
void AppendUtf8(std::string& out, long codePoint);

// Bytes that code page 932 spends on the character at `pos`.
int Cp932Width(std::string_view text, std::size_t pos);

// How a line break ("\n") is counted: as the one byte it is here, or as the two bytes CR LF
// it is on the design's platform, where every edit box's length limit counts it so.
enum class LineBreak
{
    Lf,
    CrLf,
};

// Length of a UTF-8 text counted in code-page-932 bytes.
std::size_t Cp932Length(std::string_view text, LineBreak breaks = LineBreak::Lf);

// The longest prefix (in UTF-8 bytes) whose code-page-932 length is at most `maxBytes`;
// a character is never cut in half.
std::size_t Cp932Prefix(std::string_view text, std::size_t maxBytes,
                        LineBreak breaks = LineBreak::Lf);

// The text as code page 932 would lay it out: ASCII stays, every other character becomes
// as many 0x80 bytes as it takes there. Byte-oriented algorithms of the design run on this
// image so that their positions and lengths come out as they would in code page 932.
std::string Cp932Shape(std::string_view text);

// Converts code page 932 bytes to UTF-8; false when the bytes are not valid there.
bool Cp932ToUtf8(std::string_view cp932, std::string& utf8);

// Converts UTF-8 to code page 932 bytes; false when a character has no place there.
bool Utf8ToCp932(std::string_view utf8, std::string& cp932);

bool IsValidUtf8(std::string_view text);

} // namespace tessuvo
