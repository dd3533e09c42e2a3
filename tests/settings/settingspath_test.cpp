#include "settings/settingspath.h"
#include "support/settingsfiletest.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>

using namespace tessuvo;
namespace fs = std::filesystem;

namespace {

struct Choice
{
    const char* name;
    SettingsPathFacts facts;
    const char* expected;
};

SettingsPathFacts Installed(const char* exeDir, bool fileBeside = false)
{
    SettingsPathFacts facts;
    facts.exeDir = exeDir;
    facts.installed = true;
    facts.settingsFileExists = fileBeside;
    facts.home = "/home/u";
    return facts;
}

SettingsPathFacts Copy(const char* exeDir, bool exeDirWritable, bool fileExists,
                       bool fileWritable = true, bool fallbackExists = false)
{
    SettingsPathFacts facts;
    facts.exeDir = exeDir;
    facts.exeDirWritable = exeDirWritable;
    facts.settingsFileExists = fileExists;
    facts.settingsFileWritable = fileWritable;
    facts.fallbackExists = fallbackExists;
    facts.home = "/home/u";
    return facts;
}

SettingsPathFacts With(SettingsPathFacts facts, const char* xdgConfigHome, const char* home)
{
    facts.xdgConfigHome = xdgConfigHome;
    facts.home = home;
    return facts;
}

TEST(SettingsPath, InstalledCopiesUseTheConfigFolderOthersTheirOwn)
{
    const Choice choices[] = {
        {"build folder", Copy("/src/t/build/", true, false), "/src/t/build/tessuvo.ini"},
        {"build folder with its file", Copy("/src/t/build/", true, true),
         "/src/t/build/tessuvo.ini"},
        {"installed, root can write /usr/bin", Installed("/usr/bin/"),
         "/home/u/.config/tessuvo/tessuvo.ini"},
        {"installed, a file beside it from an older copy", Installed("/usr/bin/", true),
         "/home/u/.config/tessuvo/tessuvo.ini"},
        {"installed with XDG_CONFIG_HOME", With(Installed("/opt/t/bin/"), "/xdg", "/home/u"),
         "/xdg/tessuvo/tessuvo.ini"},
        {"installed without any home", With(Installed("/usr/bin/"), nullptr, nullptr),
         "/usr/bin/tessuvo.ini"},
        {"copy in a folder it cannot write", Copy("/opt/t/", false, false),
         "/home/u/.config/tessuvo/tessuvo.ini"},
        {"copy whose file lies in a folder it cannot write", Copy("/opt/t/", false, true),
         "/opt/t/tessuvo.ini"},
        {"read-only file before its first failed write", Copy("/opt/t/", true, true, false),
         "/opt/t/tessuvo.ini"},
        {"read-only file after a failed write moved it", Copy("/opt/t/", true, true, false, true),
         "/home/u/.config/tessuvo/tessuvo.ini"},
        {"file writable again after the move", Copy("/opt/t/", true, true, true, true),
         "/opt/t/tessuvo.ini"},
        {"a relative XDG_CONFIG_HOME is ignored",
         With(Copy("/opt/t/", false, false), "relative", "/home/u"),
         "/home/u/.config/tessuvo/tessuvo.ini"},
        {"no home for a copy that cannot write its folder",
         With(Copy("/opt/t/", false, false), nullptr, ""), "/opt/t/tessuvo.ini"},
    };
    for (const Choice& choice : choices)
        EXPECT_EQ(ChooseSettingsPath(choice.facts), choice.expected) << choice.name;
}

TEST(SettingsPath, DataFolderLiesBesideTheBinFolder)
{
    EXPECT_EQ(InstalledDataDirectoryFor("/usr/bin/"), "/usr/share/tessuvo/");
    EXPECT_EQ(InstalledDataDirectoryFor("/tmp/root/opt/t/bin/"), "/tmp/root/opt/t/share/tessuvo/");
}

TEST(SettingsPath, ExecutableDirectoryEndsInASeparator)
{
    const std::string dir = ExecutableDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(fs::exists(dir + "core_tests"));
}

class InstalledCopyTest : public test::SettingsFileTest
{
protected:
    void MakeFolders(std::initializer_list<const char*> folders) const
    {
        for (const char* folder : folders)
            fs::create_directories(m_dir / folder);
    }
    std::string Dir(const char* folder) const { return (m_dir / folder).string() + "/"; }
};

TEST_F(InstalledCopyTest, KnownByTheBinFolderAndTheDataFolderBesideIt)
{
    const struct
    {
        const char* name;
        std::initializer_list<const char*> folders;
        const char* exeDir;
        bool installed;
    } layouts[] = {
        {"cmake --install", {"p/bin", "p/share/tessuvo"}, "p/bin", true},
        {"package unpacked with dpkg -x", {"x/usr/bin", "x/usr/share/tessuvo"}, "x/usr/bin", true},
        {"bin folder without the data", {"q/bin", "q/share"}, "q/bin", false},
        {"build folder beside an install", {"s/build", "s/share/tessuvo"}, "s/build", false},
        {"folder inside the bin folder", {"r/bin/sub", "r/share/tessuvo"}, "r/bin/sub", false},
    };
    for (const auto& layout : layouts) {
        MakeFolders(layout.folders);
        EXPECT_EQ(IsInstalledCopy(Dir(layout.exeDir)), layout.installed) << layout.name;
    }
    fs::remove_all(m_dir / "q/share");
    std::ofstream(m_dir / "q/share") << "a file, not the data folder";
    EXPECT_FALSE(IsInstalledCopy(Dir("q/bin")));
}

// Root may write every folder and file: an installed copy still keeps its settings in the
// config folder, and leaves a file beside it alone.
TEST_F(InstalledCopyTest, SettingsOfAnInstalledCopyGoToTheConfigFolder)
{
    MakeFolders({"usr/bin", "usr/share/tessuvo", "build"});
    PutAt(m_dir / "usr/bin/tessuvo.ini", "[FLG]\nRGB=16\n");
    const std::optional<std::string> saved =
        std::getenv("XDG_CONFIG_HOME") ? std::optional<std::string>(std::getenv("XDG_CONFIG_HOME"))
                                       : std::nullopt;
    ::setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
    EXPECT_EQ(SettingsPath(Dir("usr/bin")), (m_dir / "config/tessuvo/tessuvo.ini").string());
    EXPECT_EQ(SettingsPath(Dir("build")), Dir("build") + "tessuvo.ini");
    if (saved)
        ::setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
