#include "dialogs/help/helpbrowser.h"
#include "support/dialogtest.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

// Stands in for chmlib, over a help file of one page, "/page.htm", whose directory entry claims
// `claimed` bytes and whose content is `text`.
struct FakeHelpFile
{
    static inline std::string text;
    static inline LONGUINT64 claimed = 0;

    static chmFile* Open(const char*) { return reinterpret_cast<chmFile*>(&text); }
    static void Close(chmFile*) {}
    static int Resolve(chmFile*, const char* path, chmUnitInfo* unit)
    {
        unit->length = claimed;
        return std::string_view(path) == "/page.htm" ? CHM_RESOLVE_SUCCESS : CHM_RESOLVE_FAILURE;
    }
    static LONGINT64 Retrieve(chmFile*, chmUnitInfo*, unsigned char* buffer, LONGUINT64 at,
                              LONGINT64 length)
    {
        const std::size_t held = at < text.size() ? text.size() - at : 0;
        const std::size_t n = std::min(held, static_cast<std::size_t>(length));
        std::copy_n(text.data() + at, n, buffer);
        return static_cast<LONGINT64>(n);
    }
};

TEST(HelpBrowserTest, ADamagedHelpFileShowsThePageAsMissing)
{
    const auto repeat = [](const std::string& text, int times) {
        std::string repeated;
        while (times-- > 0)
            repeated += text;
        return repeated;
    };
    const QString missing = QString::fromUtf8("ページ /page.htm が見つかりません。");
    struct Case
    {
        const char* name;
        std::string text;
        LONGUINT64 claimed;
        QString shown;
    };
    const Case cases[] = {
        {"a sound page", "<title>t</title><p>本文", 0, QString::fromUtf8("本文")},
        {"a page shorter than its entry claims", "<p>短い", 30000, QString::fromUtf8("短い")},
        {"an entry claiming 64 GiB", "<p>x", LONGUINT64{64} << 30, missing},
        {"5,000 nested tables", repeat("<table><tr><td>", 5000) + "x", 0, missing},
        {"20 nested tables", repeat("<table><tr><td>", 20) + "x", 0, missing},
        {"a 2 MB unbroken word", std::string(2 << 20, 'a'), 0, missing},
    };
    const ChmLibrary chm{&FakeHelpFile::Open, &FakeHelpFile::Close, &FakeHelpFile::Resolve,
                         &FakeHelpFile::Retrieve};
    for (const Case& c : cases) {
        FakeHelpFile::text = c.text;
        FakeHelpFile::claimed = c.claimed ? c.claimed : c.text.size();
        HelpBrowser browser(chm, nullptr);
        browser.ShowTopic(TESSUVO_HELP_FILE, "/page.htm");
        EXPECT_EQ(browser.toPlainText(), c.shown) << c.name;
    }
}

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
