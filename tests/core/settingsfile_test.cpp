#include "settings/profile.h"
#include "settings/profilelock.h"
#include "settings/settingspath.h"
#include "settingsfiletest.h"

#include <array>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessuvo;
namespace fs = std::filesystem;

namespace {

constexpr uid_t Nobody = 65534;

class SettingsFileSafety : public test::SettingsFileTest
{
protected:
    int Int(const char* section, const char* key) const
    {
        return GetPrivateProfileIntA(section, key, -99, m_path);
    }
    bool Write(const char* section, const char* key, std::string_view value) const
    {
        return WritePrivateProfileStringA(section, key, value, m_path);
    }

    // Runs `checks` on this test's settings file as the unprivileged user: directly where the
    // tests run as one, otherwise through the disabled test AsNobody.DISABLED_<name> of this
    // executable, started by `runuser -u nobody`.
    void AsNobody(const char* name, void (*checks)(const std::string&))
    {
        if (::geteuid() != 0) {
            checks(m_path);
            return;
        }
        const std::string command = "runuser -u nobody -- env TESSUVO_NOBODY_FILE='" + m_path +
                                    "' " + fs::read_symlink("/proc/self/exe").string() +
                                    " --gtest_also_run_disabled_tests --gtest_filter=AsNobody." +
                                    "DISABLED_" + name;
        const int status = std::system(command.c_str());
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (code >= 125 && code <= 127)
            GTEST_SKIP() << "runuser cannot run this executable as nobody here";
        EXPECT_EQ(code, 0) << "a check failed as the unprivileged user";
    }
};

TEST_F(SettingsFileSafety, WhatIsNoRegularFileReadsDefaultsAndIsNeverWritten)
{
    const auto fifo = [&] { ::mkfifo(m_path.c_str(), 0644); };
    const auto directory = [&] { fs::create_directory(m_path); };
    const auto endless = [&] { fs::create_symlink("/dev/zero", m_path); };
    const auto huge = [&] { Put("[FLG]\nRGB=16\n" + std::string(MaxProfileFileSize, ';') + "\n"); };
    for (const auto& [name, make] : std::array<std::pair<const char*, std::function<void()>>, 4>{
             {{"fifo", fifo}, {"directory", directory}, {"endless", endless}, {"huge", huge}}}) {
        fs::remove_all(m_path);
        make();
        const auto before = fs::symlink_status(m_path).type();
        const auto size = before == fs::file_type::regular ? fs::file_size(m_path) : 0;
        EXPECT_EQ(Int("FLG", "RGB"), -99) << name;
        EXPECT_EQ(GetPrivateProfileStringA("FLG", "RGB", "d", 1024, m_path), "d") << name;
        EXPECT_FALSE(Write("FLG", "RGB", "10")) << name;
        EXPECT_EQ(fs::symlink_status(m_path).type(), before) << name;
        if (size) {
            EXPECT_EQ(fs::file_size(m_path), size) << name;
        }
    }
}

void UnreadableChecks(const std::string& path)
{
    EXPECT_EQ(GetPrivateProfileIntA("FLG", "RGB", -99, path), -99);
    EXPECT_FALSE(WritePrivateProfileStringA("FLG", "RGB", "10", path));
}

TEST_F(SettingsFileSafety, UnreadableFileIsNotTakenAsEmptyAndReplaced)
{
    Put("; mine\n[OTHER]\nK=v\n[FLG]\nRGB=16\n");
    ::chmod(m_dir.c_str(), 0777);
    ::chmod(m_path.c_str(), 0);
    AsNobody("UnreadableFile", UnreadableChecks);
    ::chmod(m_path.c_str(), 0644);
    EXPECT_EQ(Contents(), "; mine\n[OTHER]\nK=v\n[FLG]\nRGB=16\n");
}

TEST_F(SettingsFileSafety, ReadOnlyModeStopsEveryWriterRootToo)
{
    Put("[FLG]\nRGB=16\n");
    ::chmod(m_path.c_str(), 0444);
    EXPECT_FALSE(Write("FLG", "RGB", "10"));
    EXPECT_FALSE(ProfileFileWritable(m_path));
    EXPECT_EQ(Contents(), "[FLG]\nRGB=16\n");
    EXPECT_EQ(fs::status(m_path).permissions(), fs::perms(0444));
}

void ReadOnlyFolderChecks(const std::string& path)
{
    EXPECT_TRUE(ProfileFileWritable(path));
    EXPECT_TRUE(WritePrivateProfileStringA("FLG", "RGB", "10", path));
    EXPECT_EQ(GetPrivateProfileIntA("FLG", "RGB", -99, path), 10);
}

TEST_F(SettingsFileSafety, WritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    Put("[FLG]\nRGB=16\n");
    ASSERT_EQ(::chown(m_path.c_str(), ::geteuid() == 0 ? Nobody : ::geteuid(), -1), 0);
    ::chmod(m_dir.c_str(), 0555);
    AsNobody("ReadOnlyFolder", ReadOnlyFolderChecks);
    ::chmod(m_dir.c_str(), 0755);
    EXPECT_EQ(Contents(), "[FLG]\nRGB=10\n");
}

TEST_F(SettingsFileSafety, WriteKeepsHardLinksAndTheOwner)
{
    Put("[FLG]\nRGB=16\n");
    const std::string link = (m_dir / "linked.ini").string();
    fs::create_hard_link(m_path, link);
    EXPECT_TRUE(Write("FLG", "RGB", "10"));
    EXPECT_EQ(GetPrivateProfileIntA("FLG", "RGB", 0, link), 10);
    EXPECT_EQ(fs::hard_link_count(m_path), 2u);

    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can write a file another user owns";
    fs::remove(link);
    ASSERT_EQ(::chown(m_path.c_str(), Nobody, Nobody), 0);
    EXPECT_TRUE(Write("FLG", "RGB", "3"));
    struct stat st;
    ASSERT_EQ(::stat(m_path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, Nobody);
    EXPECT_EQ(Int("FLG", "RGB"), 3);
}

// Where a rename would split hard links or change the owner, the file is written in place; a
// shorter text must then leave no tail of the longer one behind.
TEST_F(SettingsFileSafety, AShorterFileWrittenInPlaceKeepsNoStaleTail)
{
    const std::string link = (m_dir / "linked.ini").string();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"hard link", [&] { fs::create_hard_link(m_path, link); }},
        {"another owner", [&] { ASSERT_EQ(::chown(m_path.c_str(), Nobody, Nobody), 0); }},
    };
    for (const auto& [name, makeInPlace] : ways) {
        if (std::string_view(name) == "another owner" && ::geteuid() != 0)
            continue; // only root can write a file another user owns
        fs::remove(link);
        Put("[FLG]\nRGB=16\nTOPMOST=1\n");
        makeInPlace();
        EXPECT_TRUE(WritePrivateProfileStringA("FLG", "TOPMOST", std::nullopt, m_path)) << name;
        EXPECT_EQ(Contents(), "[FLG]\nRGB=16\n") << name;
    }
}

// The program never makes its own settings unreadable: a write that would take the file past
// the size a read accepts is refused, leaving the file as it was and the fallback unused.
TEST_F(SettingsFileSafety, AWriteThatWouldOutgrowTheReadableSizeIsRefused)
{
    const std::string fallback = (m_dir / "fallback.ini").string();
    SetProfileFallback(m_path, fallback);
    const std::string nearlyFull =
        "[FLG]\nRGB=16\n;" + std::string(MaxProfileFileSize - 20, ' ') + "\n";
    Put(nearlyFull);
    EXPECT_FALSE(Write("PREVIEW", "STRING", "a text that no longer fits"));
    EXPECT_EQ(fs::file_size(m_path), nearlyFull.size());
    EXPECT_FALSE(fs::exists(fallback));
    EXPECT_TRUE(Write("FLG", "RGB", "3")); // what still fits is written
    EXPECT_EQ(Int("FLG", "RGB"), 3);
}

TEST_F(SettingsFileSafety, FailedWriteMovesTheSettingsToTheFallback)
{
    Put("; mine\n[FLG]\nRGB=16\n");
    ::chmod(m_path.c_str(), 0444);
    const fs::path xdg = m_dir / "config";
    ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    const std::string exeDir = m_dir.string() + "/";
    EXPECT_EQ(PrepareSettingsFile(exeDir), m_path); // nothing has failed yet
    EXPECT_TRUE(Write("FLG", "TOPMOST", "1"));
    const std::string moved = (xdg / "tessuvo" / "tessuvo.ini").string();
    EXPECT_EQ(Contents(), "; mine\n[FLG]\nRGB=16\n");
    EXPECT_EQ(GetPrivateProfileIntA("FLG", "TOPMOST", 0, moved), 1);
    EXPECT_EQ(GetPrivateProfileIntA("FLG", "RGB", 0, moved), 16);
    EXPECT_EQ(Int("FLG", "TOPMOST"), 1);    // every reader of this file now reads the fallback
    EXPECT_EQ(SettingsPath(exeDir), moved); // and so does the next start
    ::chmod(m_path.c_str(), 0644);
    EXPECT_EQ(SettingsPath(exeDir), m_path); // until the file can be written again
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SettingsFileSafety, LineBreaksAndUnfindableNamesAreRefused)
{
    Put("[FLG]\nRGB=16\n");
    const struct
    {
        const char* section;
        const char* key;
        std::string_view value;
    } refused[] = {{"PREVIEW", "STRING", "one\n[FLG]\nTOPMOST=1"},
                   {"PREVIEW", "STRING", "cr\r"},
                   {"PREVIEW", "STRING", std::string_view("nul\0", 4)},
                   {"PREVIEW", "STRING", "\x94\x77"}, // not UTF-8
                   {"FLG", "A=B", "1"},
                   {"FLG", "[X", "1"},
                   {"FLG", ";X", "1"},
                   {"FLG", " X", "1"},
                   {"FLG", "", "1"},
                   {"F]LG", "X", "1"},
                   {"FLG ", "X", "1"},
                   {"", "X", "1"},
                   {"F\nLG", "X", "1"}};
    for (const auto& r : refused)
        EXPECT_FALSE(Write(r.section, r.key, r.value)) << r.section << "/" << r.key;
    const ProfileEntry mixed[] = {{"FLG", "RGB", "10"}, {"FLG", "BAD=", "1"}};
    EXPECT_FALSE(WritePrivateProfileEntries(mixed, m_path));
    EXPECT_EQ(Contents(), "[FLG]\nRGB=16\n");
}

TEST_F(SettingsFileSafety, EveryByteAndLineEndingIsKept)
{
    Put("keep=me\r\r\n[FLG]\rRGB=16\r; bare\r[X]\nA=1\r\nB=2");
    EXPECT_EQ(Int("FLG", "RGB"), 16);
    EXPECT_EQ(Int("X", "B"), 2);
    EXPECT_TRUE(Write("FLG", "RGB", "10"));
    EXPECT_TRUE(Write("X", "C", "3"));
    EXPECT_EQ(Contents(), "keep=me\r\r\n[FLG]\rRGB=10\r; bare\r[X]\nA=1\r\nB=2\rC=3\r");
}

TEST_F(SettingsFileSafety, TemporaryFilesHaveOurOwnNameAndStaleOnesGo)
{
    Put("[FLG]\nRGB=16\n");
    const std::array<std::string, 2> stale = {".tessuvo.ini.tessuvo-write-a1B2c3",
                                              ".tessuvo.ini.tessuvo-write-zzzzzz"};
    const std::array<std::string, 3> users = {"tessuvo.ini.backup", "tessuvo.ini.a1B2c3",
                                              ".tessuvo.ini.tessuvo-write-kept-longer"};
    for (const auto& name : stale)
        test::SettingsFileTest::PutAt(m_dir / name, "[FLG]\n");
    for (const auto& name : users)
        test::SettingsFileTest::PutAt(m_dir / name, "x");
    EXPECT_TRUE(Write("FLG", "RGB", "10"));
    RemoveStaleProfileTemporaries(m_path);
    std::set<std::string> expected(users.begin(), users.end());
    expected.insert({"tessuvo.ini", ".tessuvo.ini.lock"});
    EXPECT_EQ(Listing(), expected);

    // While another copy holds the lock, its fresh temporary file is left alone.
    test::SettingsFileTest::PutAt(m_dir / stale[0], "[FLG]\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const ProfileLock lock(m_path);
        ::sleep(30); // killed by the parent
        ::_exit(0);
    }
    while (!fs::exists(m_dir / ".tessuvo.ini.lock") ||
           ProfileLock(m_path, ProfileLock::Mode::TryOnly).Held())
        ::usleep(1000);
    RemoveStaleProfileTemporaries(m_path);
    EXPECT_TRUE(fs::exists(m_dir / stale[0]));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    RemoveStaleProfileTemporaries(m_path);
    EXPECT_FALSE(fs::exists(m_dir / stale[0]));
}

TEST_F(SettingsFileSafety, EntriesOfSeveralSectionsAreOneWriteAsSingleWritesWouldBe)
{
    Put("[POSITION]\nX=1\n[FLG]\nRGB=16\n");
    const ProfileEntry close[] = {{"FLG", "TOPMOST", "1"}, {"FLG", "RGB", "3"},
                                  {"FLG", "PREVIEW", "0"}, {"POSITION", "X", "-40"},
                                  {"POSITION", "Y", "20"}, {"NEW", "K", std::nullopt}};
    EXPECT_TRUE(WritePrivateProfileEntries(close, m_path));
    EXPECT_EQ(Contents(), "[POSITION]\nX=-40\nY=20\n[FLG]\nRGB=3\nTOPMOST=1\nPREVIEW=0\n");
}

TEST_F(SettingsFileSafety, AFileReplacedBehindTheReadersBackIsReadAgain)
{
    Put("[FLG]\nRGB=16\n");
    EXPECT_EQ(Int("FLG", "RGB"), 16);
    // Same size and the same times, but another file: only its identity tells.
    const fs::path other = m_dir / "other.ini";
    test::SettingsFileTest::PutAt(other, "[FLG]\nRGB=10\n");
    struct stat st;
    ASSERT_EQ(::stat(m_path.c_str(), &st), 0);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, other.c_str(), times, 0), 0);
    fs::rename(other, m_path);
    EXPECT_EQ(Int("FLG", "RGB"), 10);
}

// The halves of the tests above that run as the unprivileged user.
TEST(AsNobody, DISABLED_UnreadableFile)
{
    if (const char* file = std::getenv("TESSUVO_NOBODY_FILE"))
        UnreadableChecks(file);
}

TEST(AsNobody, DISABLED_ReadOnlyFolder)
{
    if (const char* file = std::getenv("TESSUVO_NOBODY_FILE"))
        ReadOnlyFolderChecks(file);
}

TEST(ProfileLockPath, BesideTheFileOrInTheRuntimeFolder)
{
    EXPECT_EQ(ProfileLockPath("/opt/t/tessuvo.ini", true, "/run/user/1"),
              "/opt/t/.tessuvo.ini.lock");
    const std::string a = ProfileLockPath("/usr/bin/tessuvo.ini", false, "/run/user/1");
    EXPECT_TRUE(a.starts_with("/run/user/1/tessuvo-")) << a;
    EXPECT_NE(a, ProfileLockPath("/usr/lib/tessuvo.ini", false, "/run/user/1"));
    EXPECT_EQ(a, ProfileLockPath("/usr/bin/tessuvo.ini", false, "/run/user/1"));
    EXPECT_EQ(ProfileLockPath("/usr/bin/tessuvo.ini", false, nullptr), "");
}

} // namespace
