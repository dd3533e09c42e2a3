#include "previewtext.h"

#include "profile.h"
#include "settingskeys.h"

#include <optional>

namespace tessuvo {

namespace {
// Room for a text of the full length with as many line breaks, all of them escaped.
constexpr std::size_t EscapedBuffer = 4 * keys::PreviewTextBuffer;
constexpr std::size_t PlainBuffer = keys::PreviewTextBuffer;
} // namespace

StoredPreviewText EncodePreviewText(std::string_view text)
{
    if (text.find_first_of("\r\n") == std::string_view::npos)
        return {std::string(text), false};
    std::string value;
    value.reserve(text.size() + 8);
    for (const char ch : text) {
        switch (ch) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += ch;
        }
    }
    return {value, true};
}

std::string DecodePreviewText(std::string_view value, bool escaped)
{
    if (!escaped)
        return std::string(value);
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        // An unknown escape, only from a hand-edited file, keeps its backslash.
        switch (const char next = value[++i]) {
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case '\\':
            text += '\\';
            break;
        default:
            text += '\\';
            text += next;
        }
    }
    return text;
}

std::string ReadPreviewText(const std::string& path)
{
    const bool escaped = keys::Read(keys::PreviewEscaped, path) == 1;
    const std::string value =
        keys::Read(keys::PreviewString, escaped ? EscapedBuffer : PlainBuffer, path);
    return DecodePreviewText(value, escaped);
}

bool WritePreviewText(std::string_view text, const std::string& path)
{
    const StoredPreviewText stored = EncodePreviewText(text);
    // Quoted where needed, so that spaces at the ends of the text survive a restart.
    const std::string value = ProfileQuoted(stored.value);
    const ProfileWrite writes[] = {
        {keys::PreviewString.key, value},
        {keys::PreviewEscaped.key,
         stored.escaped ? std::optional<std::string_view>("1") : std::nullopt},
    };
    return WritePrivateProfileKeys(keys::PreviewString.section, writes, path);
}

} // namespace tessuvo
