#include "dialogs/help/helpbrowser.h"

#include <gtest/gtest.h>
#include <string>

using namespace tessuvo;

namespace {

// Help files damaged where chmlib trusts them, read through it: each shows its first page as
// missing, as a file that is no help file shows itself missing, and the program goes on.
TEST(HelpBrowserTest, ADamagedRealHelpFileShowsThePageAsMissing)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    ASSERT_NE(chm, nullptr) << "libchm1 is not installed";
    const std::string noPage = "ページ /index.htm が見つかりません。";
    const std::pair<std::string, std::string> cases[] = {
        {TESSUVO_HELP_DATA_DIR "fpe_chm_open.chm", noPage},
        {TESSUVO_HELP_DATA_DIR "fpe_chm_retrieve_object.chm", noPage},
        {TESSUVO_HELP_DATA_DIR "segv_LZXreset.chm", noPage},
        {TESSUVO_HELP_DATA_DIR "truncated_half.chm", noPage},
        {TESSUVO_HOSTILE_DIR "/html.ini",
         "ヘルプファイル " TESSUVO_HOSTILE_DIR "/html.ini が見つかりません。"},
    };
    HelpBrowser browser(*chm, nullptr);
    for (const auto& [file, shown] : cases) {
        browser.ShowTopic(file, "/index.htm");
        EXPECT_EQ(browser.toPlainText().toStdString(), shown) << file;
    }
}

} // namespace
