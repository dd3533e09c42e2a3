#include "help/helploader.h"
#include "help/helppage.h"
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

TEST(HelpPageTest, MeasuresWhatQtNests)
{
    struct Case
    {
        const char* html;
        int elements, nesting, tables;
        std::size_t styleBytes;
    };
    const Case cases[] = {
        {"<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>t</title></head><body>"
         "<h1>a</h1><p>b<table><tr><td>c</td></tr></table><ul><li>1<li>2</ul></body></html>",
         13, 3, 1, 0},
        {"<table><tr><td><TABLE><tr><td>x", 6, 2, 2, 0},
        {"<table></table><table></table>", 2, 1, 1, 0},
        {"<p>a<p>b<li>c<td>d<br><hr><img src=x><meta>", 8, 0, 0, 0},
        {"<div></span><div></span>", 2, 2, 0, 0}, // a stray close closes nothing
        {"<b><i></b><b>", 3, 2, 0, 0},            // a close closes what is inside too
        {"<a title=\"x>y\"><!-- <div><div> --><b>", 2, 2, 0, 0},
        {"<style>p{color:red}</STYLE><b>a < b", 2, 1, 0, 12},
    };
    for (const Case& c : cases) {
        const HelpPageShape shape = MeasureHelpPage(c.html);
        EXPECT_EQ(shape.elements, c.elements) << c.html;
        EXPECT_EQ(shape.nesting, c.nesting) << c.html;
        EXPECT_EQ(shape.tableNesting, c.tables) << c.html;
        EXPECT_EQ(shape.styleBytes, c.styleBytes) << c.html;
    }
}

TEST(HelpPageTest, FitsUpToEachBound)
{
    const auto repeat = [](const std::string& text, std::size_t times) {
        std::string repeated;
        while (times--)
            repeated += text;
        return repeated;
    };
    const auto style = [](std::size_t bytes) {
        return "<style>" + std::string(bytes, ' ') + "</style>";
    };
    struct Case
    {
        std::string atTheBound, beyond;
    };
    const Case cases[] = {
        {repeat("<table><tr><td>", MaxHelpTableNesting),
         repeat("<table><tr><td>", MaxHelpTableNesting + 1)},
        {repeat("<div>", MaxHelpPageNesting), repeat("<div>", MaxHelpPageNesting + 1)},
        {repeat("<br>", MaxHelpPageElements), repeat("<br>", MaxHelpPageElements + 1)},
        {style(MaxHelpStyleBytes), style(MaxHelpStyleBytes + 1)},
        {std::string(MaxHelpPageBytes, 'a'), std::string(MaxHelpPageBytes + 1, 'a')},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(FitsHelpWindow(c.atTheBound)) << c.atTheBound.substr(0, 20);
        EXPECT_FALSE(FitsHelpWindow(c.beyond)) << c.beyond.substr(0, 20);
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

// The help file the build made, read back through the real library: every page is there, a
// quarter of each bound of the help window at most, and the first one carries its title.
TEST(HelpFileBuiltTest, HoldsEveryPageWellInsideTheBounds)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    ASSERT_NE(chm, nullptr) << "libchm1 is not installed";
    chmFile* file = chm->open(TESSUVO_HELP_FILE);
    ASSERT_NE(file, nullptr);
    std::map<std::string, std::string> pages;
    for (const char* page : {"/index.htm", "/colors.htm", "/preview.htm", "/palette.htm",
                             "/eyedropper.htm", "/tags.htm", "/keyboard.htm", "/settings.htm"}) {
        chmUnitInfo unit{};
        ASSERT_EQ(chm->resolveObject(file, page, &unit), CHM_RESOLVE_SUCCESS) << page;
        std::string& text = pages[page];
        text.resize(unit.length);
        chm->retrieveObject(file, &unit, reinterpret_cast<unsigned char*>(text.data()), 0,
                            static_cast<LONGINT64>(unit.length));
        const HelpPageShape shape = MeasureHelpPage(text);
        EXPECT_LE(text.size() * 4, MaxHelpPageBytes) << page;
        EXPECT_LE(shape.elements * 4, MaxHelpPageElements) << page;
        EXPECT_LE(shape.nesting * 4, MaxHelpPageNesting) << page;
        EXPECT_LE(shape.tableNesting, 1) << page;
        EXPECT_LE(shape.styleBytes * 4, MaxHelpStyleBytes) << page;
    }
    EXPECT_NE(pages["/index.htm"].find("<title>Tessuvo ヘルプ 目次</title>"), std::string::npos);
    chm->close(file);
}

} // namespace
