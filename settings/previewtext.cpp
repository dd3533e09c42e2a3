#include "previewtext.h"

#include "core/textbox/codepage.h"
#include "profile.h"
#include "settingskeys.h"

#include <optional>

namespace tessuvo {

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
    if (keys::Read(keys::PreviewEscaped, path) != 1)
        return keys::Read(keys::PreviewString, keys::PreviewTextBuffer, path);
    // Read whole (no value is longer than the file), decoded, and only then cut, so that no cut
    // falls inside an escape. The cut is the plain text's, a line break counting the two bytes
    // it takes in the box the text is edited in.
    std::string text =
        DecodePreviewText(keys::Read(keys::PreviewString, MaxProfileFileSize + 1, path), true);
    text.resize(Cp932Prefix(text, keys::PreviewTextBuffer - 1, LineBreak::CrLf));
    return text;
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
