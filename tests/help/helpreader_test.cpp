#include "help/helpreader.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

// A file that keeps chmlib looking a page up for ever (its index page points at itself) and one
// that is no help file, read through the real chmlib: no page, and the program goes on.
TEST(HelpReaderTest, AFileChmlibCannotReadGivesNoPage)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    ASSERT_NE(chm, nullptr) << "libchm1 is not installed";
    const HelpPage loop =
        HelpReader(*chm, TESSUVO_HELP_DATA_DIR "index_loop.chm").Read("/index.htm");
    const HelpPage noHelp = HelpReader(*chm, TESSUVO_HOSTILE_DIR "/html.ini").Read("/index.htm");
    EXPECT_EQ(loop.status, HelpPage::Status::Missing);
    EXPECT_EQ(noHelp.status, HelpPage::Status::Unreadable);
    EXPECT_EQ(loop.html + noHelp.html, "");
}

} // namespace
