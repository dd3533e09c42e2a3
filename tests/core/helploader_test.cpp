#include "help/helploader.h"
#include "help/helppath.h"
#include "settingsfiletest.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace tessuvo;

namespace {

// Stands in for the dynamic loader: records what was asked and hands out what it was given.
class FakeLoader final : public DynamicLoader
{
public:
    void* Open(const char* name) override
    {
        opened.emplace_back(name);
        return library ? &handle : nullptr;
    }
    void* Symbol(void*, const char* symbol) override
    {
        ++lookups;
        return missingSymbol == symbol ? nullptr : &handle;
    }

    bool library = true;
    std::string missingSymbol;
    std::vector<std::string> opened;
    int lookups = 0;
    int handle = 0;
};

TEST(HelpLoaderTest, LoadsOnceAndKeepsTheLibrary)
{
    FakeLoader loader;
    HelpLibrary help(loader);
    const ChmLibrary* first = help.Load();
    const ChmLibrary* second = help.Load();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(loader.opened, std::vector<std::string>{"libchm.so.1"});
    EXPECT_EQ(loader.lookups, 4);
}

TEST(HelpLoaderTest, AFailureIsFinal)
{
    struct Case
    {
        bool library;
        const char* missingSymbol;
        std::vector<std::string> opened;
        int lookups;
    };
    const Case cases[] = {
        {false, "", {"libchm.so.1", "libchm.so"}, 0},
        {true, "chm_retrieve_object", {"libchm.so.1"}, 4},
    };
    for (const Case& c : cases) {
        FakeLoader loader;
        loader.library = c.library;
        loader.missingSymbol = c.missingSymbol;
        HelpLibrary help(loader);
        EXPECT_EQ(help.Load(), nullptr);
        loader.library = true;
        loader.missingSymbol.clear();
        EXPECT_EQ(help.Load(), nullptr) << "not tried again";
        EXPECT_EQ(loader.opened, c.opened);
        EXPECT_EQ(loader.lookups, c.lookups);
    }
}

TEST(HelpPathTest, BuildsAndSplitsTheHelpPath)
{
    EXPECT_EQ(HelpPath("/opt/tessuvo/"), "/opt/tessuvo/tsvo.chm::/index.htm");
    EXPECT_EQ(HelpPath("/home/ユーザー/色見本/"), "/home/ユーザー/色見本/tsvo.chm::/index.htm");

    struct Case
    {
        const char* path;
        const char* file;
        const char* page;
    };
    const Case cases[] = {
        {"/home/ユーザー/tsvo.chm::/index.htm", "/home/ユーザー/tsvo.chm", "/index.htm"},
        {"/a/tsvo.chm::tags.htm", "/a/tsvo.chm", "/tags.htm"},
        {"/a/tsvo.chm", "/a/tsvo.chm", "/index.htm"},
        {"/home/a::b/c::/tsvo.chm::/index.htm", "/home/a::b/c::/tsvo.chm", "/index.htm"},
    };
    for (const Case& c : cases) {
        const HelpTopic topic = SplitHelpPath(c.path);
        EXPECT_EQ(topic.file, c.file) << c.path;
        EXPECT_EQ(topic.page, c.page) << c.path;
    }
}

class HelpFileTest : public test::SettingsFileTest
{
};

TEST_F(HelpFileTest, FoundBesideTheExecutableThenInTheDataFolder)
{
    const std::string beside = (m_dir / "bin" / "tsvo.chm").string();
    const std::string data = (m_dir / "share").string() + "/";
    std::filesystem::create_directories(m_dir / "bin");
    std::filesystem::create_directories(m_dir / "share");
    EXPECT_EQ(LocateHelpFile(beside, data), "");
    std::ofstream(data + "tsvo.chm") << "x";
    EXPECT_EQ(LocateHelpFile(beside, data), data + "tsvo.chm");
    std::ofstream(beside) << "x";
    EXPECT_EQ(LocateHelpFile(beside, data), beside);
}

// The help file the build made, read back through the real library: every page is there, and
// the first one carries its title.
TEST(HelpFileBuiltTest, HoldsEveryPage)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    ASSERT_NE(chm, nullptr) << "libchm1 is not installed";
    chmFile* file = chm->open(TESSUVO_HELP_FILE);
    ASSERT_NE(file, nullptr);
    for (const char* page : {"/index.htm", "/colors.htm", "/preview.htm", "/palette.htm",
                             "/eyedropper.htm", "/tags.htm", "/settings.htm"}) {
        chmUnitInfo unit{};
        EXPECT_EQ(chm->resolveObject(file, page, &unit), CHM_RESOLVE_SUCCESS) << page;
    }
    chmUnitInfo index{};
    ASSERT_EQ(chm->resolveObject(file, "/index.htm", &index), CHM_RESOLVE_SUCCESS);
    std::string text(index.length, '\0');
    chm->retrieveObject(file, &index, reinterpret_cast<unsigned char*>(text.data()), 0,
                        static_cast<LONGINT64>(index.length));
    EXPECT_NE(text.find("<title>Tessuvo ヘルプ 目次</title>"), std::string::npos);
    chm->close(file);
}

} // namespace
