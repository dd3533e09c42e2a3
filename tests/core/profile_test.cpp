#include "settings/profile.h"
#include "settingsfiletest.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sys/stat.h>

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

} // namespace
