#include "core/textbox/entercommit.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

struct CommitCase
{
    const char* name;
    std::string text;
    std::size_t caret;
    std::size_t buffer;
    std::optional<std::string> joined;
    std::size_t joinedCaret;
};

TEST(CommitOnEnter, CommitsOnlyAtTheStartOfTheSecondLine)
{
    const std::string long600(600, 'x');
    const CommitCase cases[] = {
        {"enter at the end", "FF8000\n", 7, 14, "FF8000", 6},
        {"enter in the middle", "FF\n8000", 3, 14, "FF8000", 2},
        {"enter at the start", "\nFF8000", 1, 14, "FF8000", 0},
        {"typing without enter", "FF80", 4, 14, std::nullopt, 0},
        {"caret not on line 1", "FF\n8000", 5, 14, std::nullopt, 0},
        {"text set by the program", "#FFFFFF", 0, 14, std::nullopt, 0},
        {"later lines dropped", "12\n34\n56", 3, 14, "1234", 2},
        {"line 1 cut to the buffer", "a\nbcdefghijklmnopq", 2, 14, "abcdefghijklmno", 1},
        {"line 0 exactly fills the buffer", "abcdefghijklmn\n", 15, 14, "abcdefghijklmn", 14},
        {"line 0 longer than the buffer", "abcdefghijklmno\n", 16, 14, std::nullopt, 0},
        {"preview text line too long", long600 + "\n", 601, 511, std::nullopt, 0},
        {"preview text line 1 cut", "a\n" + long600, 2, 511, "a" + std::string(511, 'x'), 1},
        // Double-byte characters count two bytes against the buffer.
        {"double-byte line fits", "背景色背景色背\n", 22, 14, "背景色背景色背", 21},
        {"double-byte line too long", "背景色背景色背景\n", 25, 14, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const auto commit = CommitOnEnter(c.text, c.caret, c.buffer);
        ASSERT_EQ(commit.has_value(), c.joined.has_value()) << c.name;
        if (commit) {
            EXPECT_EQ(commit->text, *c.joined) << c.name;
            EXPECT_EQ(commit->caret, c.joinedCaret) << c.name;
        }
    }
}

} // namespace
