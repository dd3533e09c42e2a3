#include "settings/previewtext.h"
#include "settings/profile.h"
#include "settings/profilelock.h"
#include "settings/settingskeys.h"
#include "settings/settingspath.h"
#include "support/settingsfiletest.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace tessuvo;
namespace fs = std::filesystem;

namespace {

class ProfileTest : public test::SettingsFileTest
{
protected:
    int Int(const char* section, const char* key, int def = -99)
    {
        return GetPrivateProfileIntA(section, key, def, m_path);
    }
    std::string Str(const char* section, const char* key, const char* def = "<none>")
    {
        return GetPrivateProfileStringA(section, key, def, 1024, m_path);
    }
};

TEST_F(ProfileTest, MissingFileReadsDefaultsAndIsNotCreated)
{
    EXPECT_EQ(Int("FLG", "RGB", 3), 3);
    EXPECT_EQ(Str("PREVIEW", "STRING", "[TESSUVO]"), "[TESSUVO]");
    EXPECT_FALSE(fs::exists(m_path));
    EXPECT_TRUE(WritePrivateProfileStringA("FLG", "GONE", std::nullopt, m_path));
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(ProfileTest, ReadsTheCommonIniForm)
{
    Put("; comment\r\n[flg]\r\n  Rgb = 16 \r\nTOPMOST=-40\r\nX=12abc\r\nY=\r\nZ=abc\r\n"
        "[PREVIEW]\r\nSTRING = \"  quoted  \"\r\nONE=\"half\r\n[Other]\r\nRGB=7\r\n");
    const struct
    {
        const char* key;
        int expected;
    } ints[] = {{"RGB", 16}, {"topmost", -40}, {"X", 12}, {"Y", -99}, {"Z", 0}, {"MISSING", -99}};
    for (const auto& c : ints)
        EXPECT_EQ(Int("FLG", c.key), c.expected) << c.key;
    EXPECT_EQ(Str("preview", "string"), "  quoted  ");
    EXPECT_EQ(Str("PREVIEW", "ONE"), "\"half");
    EXPECT_EQ(Int("other", "rgb"), 7);
}

TEST_F(ProfileTest, ReadsAfreshAtEveryCall)
{
    Put("[FLG]\nUSEFONT=0\n");
    EXPECT_EQ(Int("FLG", "USEFONT"), 0);
    Put("[FLG]\nUSEFONT=1\n");
    EXPECT_EQ(Int("FLG", "USEFONT"), 1);
}

TEST_F(ProfileTest, StringIsCutToTheBufferInCodePageBytes)
{
    Put("[P]\nS=abc背景\n");
    EXPECT_EQ(GetPrivateProfileStringA("P", "S", "", 5, m_path), "abc"); // 4 bytes of room
    EXPECT_EQ(GetPrivateProfileStringA("P", "S", "", 6, m_path), "abc背");
    EXPECT_EQ(GetPrivateProfileStringA("P", "S", "", 8, m_path), "abc背景");
}

TEST_F(ProfileTest, FirstWritesCreateSectionsInOrder)
{
    WritePrivateProfileStringA("FLG", "TOPMOST", "0", m_path);
    WritePrivateProfileStringA("FLG", "RGB", "3", m_path);
    WritePrivateProfileStringA("FLG", "PREVIEW", "0", m_path);
    WritePrivateProfileStringA("POSITION", "X", "-40", m_path);
    WritePrivateProfileStringA("POSITION", "Y", "20", m_path);
    WritePrivateProfileStringA("PREVIEW", "STRING", "[TESSUVO]", m_path);
    EXPECT_EQ(Contents(), "[FLG]\nTOPMOST=0\nRGB=3\nPREVIEW=0\n[POSITION]\nX=-40\nY=20\n"
                          "[PREVIEW]\nSTRING=[TESSUVO]\n");
}

TEST_F(ProfileTest, WritesKeepEverythingElseAndTheLineEnding)
{
    Put("\xEF\xBB\xBF; keep me\r\n[FLG]\r\nRGB=3\r\nOWN=x\r\n\r\n; next\r\n[BG1]\r\nITEM=1\r\n");
    WritePrivateProfileStringA("flg", "rgb", "16", m_path);
    WritePrivateProfileStringA("FLG", "USEFONT", "1", m_path);
    WritePrivateProfileStringA("BG1", "ITEM", std::nullopt, m_path);
    WritePrivateProfileStringA("NEW", "K", "v", m_path);
    EXPECT_EQ(Contents(), "\xEF\xBB\xBF; keep me\r\n[FLG]\r\nRGB=16\r\nOWN=x\r\nUSEFONT=1\r\n\r\n"
                          "; next\r\n[BG1]\r\n[NEW]\r\nK=v\r\n");
}

TEST_F(ProfileTest, OldShiftJisFileReadsAndKeepsItsBytes)
{
    Put("[PREVIEW]\r\nSTRING=\x94\x77\x8C\x69\x90\x46\r\n");
    EXPECT_EQ(Str("PREVIEW", "STRING"), "背景色");
    WritePrivateProfileStringA("FLG", "RGB", "10", m_path);
    EXPECT_EQ(Contents(), "[PREVIEW]\r\nSTRING=\x94\x77\x8C\x69\x90\x46\r\n[FLG]\r\nRGB=10\r\n");
}

TEST_F(ProfileTest, WriteReplacesTheFileAtomicallyAndKeepsItsMode)
{
    Put("[FLG]\nRGB=3\n");
    ::chmod(m_path.c_str(), 0600);
    const auto before = fs::status(m_path).permissions();
    WritePrivateProfileStringA("FLG", "RGB", "10", m_path);
    EXPECT_EQ(fs::status(m_path).permissions(), before);
    EXPECT_EQ(Int("FLG", "RGB"), 10);
    // No temporary file is left behind, only the lock file.
    EXPECT_EQ(Listing(), (std::set<std::string>{".tessuvo.ini.lock", "tessuvo.ini"}));
}

TEST_F(ProfileTest, WriteIntoAMissingDirectoryCreatesIt)
{
    const std::string nested = (m_dir / "config" / "tessuvo" / "tessuvo.ini").string();
    EXPECT_TRUE(WritePrivateProfileStringA("FLG", "RGB", "16", nested));
    EXPECT_EQ(GetPrivateProfileIntA("FLG", "RGB", 3, nested), 16);
}

TEST_F(ProfileTest, QuotedValuesComeBackUnchanged)
{
    for (const char* value :
         {"[TESSUVO]", "  spaced  ", "\"quoted\"", "\"", "a \"b\" c", "", "\t"}) {
        WritePrivateProfileStringA("PREVIEW", "STRING", ProfileQuoted(value), m_path);
        EXPECT_EQ(Str("PREVIEW", "STRING"), value) << value;
    }
    EXPECT_EQ(ProfileQuoted("[TESSUVO]"), "[TESSUVO]"); // plain values stay plain
}

TEST_F(ProfileTest, KeysOfOneSectionAreWrittenInOrderAsSingleWritesWould)
{
    Put("[BG3]\nITEM=1\nred=1\ngreen=2\nblue=3\n[FG3]\nred=4\n");
    const ProfileWrite deleteSlot[] = {{"RED", std::nullopt},  {"green", std::nullopt},
                                       {"blue", std::nullopt}, {"ITEM", "0"},
                                       {"gone", std::nullopt}, {"new", "x"}};
    EXPECT_TRUE(WritePrivateProfileKeys("bg3", deleteSlot, m_path));
    const ProfileWrite fresh[] = {{"ITEM", "1"}, {"red", "5"}, {"tmp", "t"}, {"tmp", std::nullopt}};
    EXPECT_TRUE(WritePrivateProfileKeys("BG1", fresh, m_path));
    EXPECT_EQ(Contents(), "[BG3]\nITEM=0\nnew=x\n[FG3]\nred=4\n[BG1]\nITEM=1\nred=5\n");
}

TEST_F(ProfileTest, KeyRemovalsAloneCreateNoFile)
{
    const ProfileWrite removals[] = {{"red", std::nullopt}, {"ITEM", std::nullopt}};
    EXPECT_TRUE(WritePrivateProfileKeys("BG1", removals, m_path));
    EXPECT_FALSE(fs::exists(m_path));
}

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

// A section an older version kept goes with a write that was made anyway, never with one that
// keeps it; and a write can remove a whole section, every copy of it.
TEST_F(SettingsFileSafety, RetiredSectionGoesWithTheNextWriteThatDoesNotKeepIt)
{
    Put("[HISTORY]\n1=#010000 #FFFFFF\n[FLG]\nRGB=16\n[BG1]\nred=1\n[bg1]\nred=2\n");
    RetireProfileSection(m_path, "HISTORY");
    const ProfileEntry option{"FLG", "OUTPUT", "1"};
    EXPECT_TRUE(WritePrivateProfileEntries(std::span(&option, 1), m_path, RetiredSections::Keep));
    EXPECT_EQ(Contents(), "[HISTORY]\n1=#010000 #FFFFFF\n[FLG]\nRGB=16\nOUTPUT=1\n[BG1]\nred=1\n"
                          "[bg1]\nred=2\n");
    const ProfileEntry slot{"bg1", {}, std::nullopt};
    EXPECT_TRUE(WritePrivateProfileEntries(std::span(&slot, 1), m_path));
    EXPECT_EQ(Contents(), "[FLG]\nRGB=16\nOUTPUT=1\n");
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

constexpr const char* Comment = "; the user's own line";
constexpr unsigned Slots = 18;

class CrashSafety : public test::SettingsFileTest
{
protected:
    static std::string Slot(unsigned n) { return "BG" + std::to_string(n % Slots + 1); }

    // What the program writes, over and over: registered colours stored and deleted, four keys
    // of a section at once (each colour grey, so a half-written slot shows), and the values
    // written at close (all five the same number, so a half-written close shows).
    [[noreturn]] static void WriteForever(const std::string& path, unsigned seed)
    {
        std::mt19937 random(seed);
        for (int n = 0;; ++n) {
            switch (random() % 3) {
            case 0: {
                const std::string v = std::to_string(n & 0xFF);
                const ProfileWrite slot[] = {{"ITEM", "1"}, {"red", v}, {"green", v}, {"blue", v}};
                WritePrivateProfileKeys(Slot(random()), slot, path);
                break;
            }
            case 1: {
                const ProfileWrite deletion[] = {{"red", std::nullopt},
                                                 {"green", std::nullopt},
                                                 {"blue", std::nullopt},
                                                 {"ITEM", "0"}};
                WritePrivateProfileKeys(Slot(random()), deletion, path);
                break;
            }
            default: {
                const std::string v = std::to_string(n);
                const ProfileEntry close[] = {{"FLG", "TOPMOST", v},
                                              {"FLG", "RGB", v},
                                              {"FLG", "PREVIEW", v},
                                              {"POSITION", "X", v},
                                              {"POSITION", "Y", v}};
                WritePrivateProfileEntries(close, path);
            }
            }
        }
    }

    void ExpectWhole() const
    {
        EXPECT_EQ(Contents().rfind(Comment, 0), 0u) << Contents();
        const int v = GetPrivateProfileIntA("FLG", "TOPMOST", -1, m_path);
        for (const auto& [section, key] :
             {std::pair{"FLG", "RGB"}, {"FLG", "PREVIEW"}, {"POSITION", "X"}, {"POSITION", "Y"}})
            EXPECT_EQ(GetPrivateProfileIntA(section, key, -1, m_path), v) << key;
        for (unsigned slot = 0; slot < Slots; ++slot) {
            const std::string section = Slot(slot);
            const int red = GetPrivateProfileIntA(section, "red", -1, m_path);
            const int green = GetPrivateProfileIntA(section, "green", -1, m_path);
            const int blue = GetPrivateProfileIntA(section, "blue", -1, m_path);
            if (GetPrivateProfileIntA(section, "ITEM", -1, m_path) == 1) {
                EXPECT_TRUE(red >= 0 && red == green && green == blue) << section;
            } else {
                EXPECT_TRUE(red == -1 && green == -1 && blue == -1) << section;
            }
        }
    }
};

TEST_F(CrashSafety, KilledAtAnyMomentTheFileHoldsOldOrNewValuesAndNoTemporaryStays)
{
    const char* cycles = std::getenv("TESSUVO_CRASH_CYCLES");
    const int count = cycles ? std::atoi(cycles) : 40;
    Put(std::string(Comment) + "\n");
    std::mt19937 random(9);
    int killedMidWrite = 0;
    for (int cycle = 0; cycle < count; ++cycle) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            WriteForever(m_path, static_cast<unsigned>(cycle));
        ::usleep(1000 + random() % 30000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::set<std::string> left = Listing();
        killedMidWrite += left.size() > 2 ? 1 : 0;
        ExpectWhole();
        RemoveStaleProfileTemporaries(m_path); // what the next start does
        EXPECT_EQ(Listing(), (std::set<std::string>{"tessuvo.ini", ".tessuvo.ini.lock"}));
        if (HasFailure())
            break;
    }
    std::cout << count << " kills, " << killedMidWrite << " in the middle of a write\n";
}

// Lines as the settings file splits them: at CR LF, LF or a bare CR.
std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
    return lines;
}

// A line that the program may rewrite: one of its own keys.
bool Owned(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    std::string key(line.substr(0, equals));
    key.erase(0, key.find_first_not_of(" \t"));
    key.erase(key.find_last_not_of(" \t") + 1);
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* own : {"TOPMOST", "RGB", "PREVIEW", "X", "Y", "STRING", "ESCAPED", "ITEM",
                            "RED", "GREEN", "BLUE"})
        if (key == own)
            return true;
    return false;
}

class HostileFile : public test::SettingsFileTest
{
protected:
    // What the program does with its settings from start to close, registering a colour on the
    // way; checks that what it wrote reads back and that nothing else changed.
    void StartRegisterAndClose(const std::string& name)
    {
        SCOPED_TRACE(name);
        const std::string before = Contents();
        for (const keys::IntKey& key :
             {keys::TopMost, keys::Notation, keys::PreviewMode, keys::PositionX, keys::PositionY})
            keys::Read(key, m_path);
        ReadPreviewText(m_path);
        // A registered colour: its keys read as the slots are painted, then written at once.
        for (int slot = 1; slot <= 18; ++slot)
            for (const char* key : {"ITEM", "red", "green", "blue"})
                GetPrivateProfileIntA("BG" + std::to_string(slot), key, 1, m_path);
        const ProfileWrite slot[] = {{"ITEM", "1"}, {"red", "10"}, {"green", "20"}, {"blue", "30"}};
        const bool registered = WritePrivateProfileKeys("BG1", slot, m_path);
        const std::string zero = "0", ten = "10", one = "1", left = "-40", top = "20";
        const ProfileEntry close[] = {
            keys::Entry(keys::TopMost, zero), keys::Entry(keys::Notation, ten),
            keys::Entry(keys::PreviewMode, one), keys::Entry(keys::PositionX, left),
            keys::Entry(keys::PositionY, top)};
        const bool written = WritePrivateProfileEntries(close, m_path);
        WritePreviewText("見本 text", m_path);
        if (!written) {
            EXPECT_EQ(Contents(), before);
            return;
        }
        EXPECT_EQ(keys::Read(keys::Notation, m_path), 10);
        EXPECT_EQ(keys::Read(keys::PositionX, m_path), -40);
        EXPECT_EQ(ReadPreviewText(m_path), "見本 text");
        if (registered) {
            EXPECT_EQ(GetPrivateProfileIntA("BG1", "red", -1, m_path), 10);
            EXPECT_EQ(GetPrivateProfileIntA("BG1", "blue", -1, m_path), 30);
        }
        // Every line the program does not own is still there, in order.
        const auto after = Lines(Contents());
        auto at = after.begin();
        for (const std::string& line : Lines(before)) {
            if (Owned(line))
                continue;
            at = std::find(at, after.end(), line);
            ASSERT_NE(at, after.end()) << "lost: " << line.substr(0, 80);
            ++at;
        }
    }
};

TEST_F(HostileFile, EveryFileOfTheCorpusStartsAndClosesCleanly)
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(TESSUVO_HOSTILE_DIR)) {
        fs::remove(m_path);
        fs::copy_file(entry.path(), m_path);
        StartRegisterAndClose(entry.path().filename().string());
        ++files;
    }
    EXPECT_GE(files, 100);
}

TEST_F(HostileFile, WhatOnlyATestCanMakeStartsAndClosesCleanly)
{
    Put("[FLG]\nRGB=16\n[PREVIEW]\nSTRING=" + std::string(10 << 20, 'x') + "\n");
    StartRegisterAndClose("10 MB line");

    const std::string target = (m_dir / "elsewhere.ini").string();
    fs::remove(m_path);
    test::SettingsFileTest::PutAt(target, "; mine\n[FLG]\nRGB=16\n");
    fs::create_symlink(target, m_path);
    StartRegisterAndClose("symlink");
    EXPECT_TRUE(fs::is_symlink(m_path));
    EXPECT_EQ(keys::Read(keys::Notation, target), 10);

    fs::remove(m_path);
    Put("; mine\n[FLG]\nRGB=16\n");
    ::chmod(m_path.c_str(), 0444);
    StartRegisterAndClose("read-only");
    EXPECT_EQ(Contents(), "; mine\n[FLG]\nRGB=16\n");

    fs::remove(m_path);
    fs::create_directory(m_path);
    StartRegisterAndClose("directory");
    EXPECT_TRUE(fs::is_directory(m_path));
}

} // namespace
