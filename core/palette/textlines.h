#pragma once

#include <string_view>

namespace tessuvo {

// Calls `each` with every line of `text` without its line break (LF, CR LF or a bare CR), until
// it returns false. A UTF-8 byte order mark before the first line is passed over.
template <class Each> void ForEachLine(std::string_view text, Each each)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        if (!each(text.substr(0, end)) || end == std::string_view::npos)
            return;
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
}

} // namespace tessuvo
