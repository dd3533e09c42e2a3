// The Enter commit: a commit joins the first two lines, puts the caret where the line break
// was, and never holds a line break or more of the first line than its buffer takes.
#include "core/textbox/codepage.h"
#include "core/textbox/entercommit.h"
#include "fuzzinput.h"

#include <cstdlib>

using namespace tessuvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::size_t caret = input.Number() % 1024;
    const std::size_t buffer = input.Number() % 600;
    const std::string_view text = input.Rest();
    const auto commit = CommitOnEnter(text, caret, buffer);
    if (!commit)
        return 0;
    if (commit->caret > commit->text.size() || commit->text.find('\n') != std::string::npos ||
        Cp932Length(commit->text.substr(0, commit->caret)) > buffer ||
        text.substr(0, commit->caret) != commit->text.substr(0, commit->caret))
        std::abort();
    return 0;
}
