#include "help/helppath.h"
#include "support/settingsfiletest.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace tessuvo;

namespace {

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

} // namespace
