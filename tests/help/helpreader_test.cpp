#include "help/helpreader.h"

#include <gtest/gtest.h>
#include <string>

using namespace tessuvo;

namespace {

// Files that chmlib cannot read safely, read through it: what each gives, and the program,
// which asked, goes on.
TEST(HelpReaderTest, AFileChmlibCannotReadLeavesThePageMissing)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    ASSERT_NE(chm, nullptr) << "libchm1 is not installed";
    const struct
    {
        std::string file;
        HelpPage::Status status;
    } cases[] = {
        // A sound file whose index page points at itself: chmlib looks it up for ever.
        {TESSUVO_HELP_DATA_DIR "index_loop.chm", HelpPage::Status::Missing},
        {TESSUVO_HOSTILE_DIR "/html.ini", HelpPage::Status::Unreadable},
    };
    for (const auto& c : cases) {
        const HelpPage page = HelpReader(*chm, c.file).Read("/index.htm");
        EXPECT_EQ(page.status, c.status) << c.file;
        EXPECT_EQ(page.html, "") << c.file;
    }
}

} // namespace
