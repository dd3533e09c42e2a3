#pragma once

#include <string>
#include <string_view>

// The preview text in the settings file. A line in the file cannot hold a line break, so a
// text with one is stored with its breaks and backslashes escaped ("\n", "\r", "\\") and marked
// by a second key, "ESCAPED=1", beside "STRING". Every other text is stored as it stands and
// without the mark, so that a value written before the mark existed, backslashes and all, reads
// exactly as it did.
namespace tessuvo {

struct StoredPreviewText
{
    std::string value;
    bool escaped;
};

StoredPreviewText EncodePreviewText(std::string_view text);
std::string DecodePreviewText(std::string_view value, bool escaped);

// The preview text kept in `path`, or the default text when there is none; at most 1023
// code-page bytes, a line break counting as CR LF.
std::string ReadPreviewText(const std::string& path);
// Stores the text and its mark in one replacement of the file.
bool WritePreviewText(std::string_view text, const std::string& path);

} // namespace tessuvo
