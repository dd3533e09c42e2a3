#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessuvo {

// Typed text in the program's multi-line edit boxes takes effect only when Enter is pressed:
// the line break that Enter inserted is taken out again and the joined text is applied.
struct EnterCommit
{
    std::string text;  // line 0 followed directly by line 1 (cut to the line buffer)
    std::size_t caret; // UTF-8 offset in `text` where Enter was pressed
};

// `text` is the edit box's whole text with "\n" between lines and `caret` the caret's UTF-8
// offset after the change. A commit happens only when the caret stands at the very start of
// the second line and the first line fits `lineBuffer` code-page bytes; anything after the
// second line is dropped.
std::optional<EnterCommit> CommitOnEnter(std::string_view text, std::size_t caret,
                                         std::size_t lineBuffer);

// Line buffers of the edit boxes that commit on Enter.
inline constexpr std::size_t ColorLineBuffer = 14;
inline constexpr std::size_t PreviewTextLineBuffer = 511;

} // namespace tessuvo
