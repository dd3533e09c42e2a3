#include "entercommit.h"

#include "codepage.h"

namespace tessuvo {

std::optional<EnterCommit> CommitOnEnter(std::string_view text, std::size_t caret,
                                         std::size_t lineBuffer)
{
    const std::size_t lineBreak = text.find('\n');
    if (lineBreak == std::string_view::npos || caret != lineBreak + 1)
        return std::nullopt;
    const std::string_view line0 = text.substr(0, lineBreak);
    if (Cp932Length(line0) > lineBuffer)
        return std::nullopt;
    std::string_view line1 = text.substr(lineBreak + 1);
    line1 = line1.substr(0, line1.find('\n'));
    line1 = line1.substr(0, Cp932Prefix(line1, lineBuffer));

    EnterCommit commit{std::string(line0), line0.size()};
    commit.text += line1;
    return commit;
}

} // namespace tessuvo
