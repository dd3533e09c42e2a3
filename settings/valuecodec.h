#pragma once

#include <string>
#include <string_view>

// Settings files come from newer builds (UTF-8) and older Japanese ones (code page 932), and a
// file that has been both read and hand-edited can hold both. Each value is therefore decoded
// on its own: a byte elsewhere in the file never changes how a value reads.
namespace tessuvo {

enum class ValueEncoding
{
    Ascii, // no byte above 0x7F: the same in both
    Utf8,
    Cp932,
};

struct DecodedValue
{
    std::string text; // UTF-8
    ValueEncoding encoding;
};

// Valid UTF-8 holding a three-byte sequence is UTF-8. Valid UTF-8 of two-byte sequences only is
// also valid code page 932 (half-width katakana pairs), so the two readings are scored: the
// share of characters that are Latin, Greek or Cyrillic letters against the share that are
// half-width katakana or JIS X 0208 kana and kanji; a tie reads as UTF-8. Bytes that are
// neither are taken as code page 932, or, where that fails too, as UTF-8 with U+FFFD for each
// stray byte.
DecodedValue DecodeProfileValue(std::string_view bytes);

// The bytes to store for `text`: in code page 932 when the old value was stored so and the new
// one can be expressed there and reads back unchanged, otherwise in UTF-8.
std::string EncodeProfileValue(std::string_view text, ValueEncoding previous);

} // namespace tessuvo
