#include "help/helploader.h"
#include "help/helppage.h"
#include "help/helpreader.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

using namespace tessuvo;

namespace {

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

// The help file the build made, read back as the help window reads it: every page is there, a
// quarter of each bound of the help window at most, and the first one carries its title.
TEST(HelpFileBuiltTest, HoldsEveryPageWellInsideTheBounds)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    ASSERT_NE(chm, nullptr) << "libchm1 is not installed";
    HelpReader reader(*chm, TESSUVO_HELP_FILE);
    std::map<std::string, std::string> pages;
    for (const char* page :
         {"/index.htm", "/colors.htm", "/preview.htm", "/palette.htm", "/palettes.htm",
          "/eyedropper.htm", "/tags.htm", "/keyboard.htm", "/settings.htm"}) {
        const HelpPage read = reader.Read(page);
        ASSERT_EQ(read.status, HelpPage::Status::Read) << page;
        const std::string& text = pages[page] = read.html;
        const HelpPageShape shape = MeasureHelpPage(text);
        EXPECT_LE(text.size() * 4, MaxHelpPageBytes) << page;
        EXPECT_LE(shape.elements * 4, MaxHelpPageElements) << page;
        EXPECT_LE(shape.nesting * 4, MaxHelpPageNesting) << page;
        EXPECT_LE(shape.tableNesting, 1) << page;
        EXPECT_LE(shape.styleBytes * 4, MaxHelpStyleBytes) << page;
    }
    EXPECT_NE(pages["/index.htm"].find("<title>Tessuvo ヘルプ 目次</title>"), std::string::npos);
}

} // namespace
