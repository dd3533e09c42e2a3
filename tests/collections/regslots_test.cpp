#include "collections/regslots.h"
#include "settings/profile.h"
#include "support/settingsfiletest.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessuvo;
namespace fs = std::filesystem;

namespace {

constexpr Color Face{7, 8, 9};
constexpr SlotValues Empty{-1, -1, -1};
constexpr SlotValues FaceValues{7, 8, 9};

class RegSlotsTest : public test::SettingsFileTest
{
protected:
    SlotValues Choice(ColorTarget target, int slot) const
    {
        return ReadSlot(m_path, target, slot, -1);
    }
};

TEST_F(RegSlotsTest, MissingFileIsAllFreeAndTheFirstRegisterCreatesSlotOne)
{
    for (const auto& [target, expected] :
         {std::pair{ColorTarget::Background, "[BG1]\nITEM=1\nred=10\ngreen=0\nblue=255\n"},
          std::pair{ColorTarget::Text, "[FG1]\nITEM=1\nred=10\ngreen=0\nblue=255\n"}}) {
        fs::remove(m_path);
        for (int slot = 1; slot <= SlotCount; ++slot) {
            EXPECT_EQ(Choice(target, slot), Empty);
            EXPECT_EQ(ReadSlotFace(m_path, target, slot, Face), FaceValues);
        }
        EXPECT_FALSE(fs::exists(m_path));
        EXPECT_EQ(RegisterSlot(m_path, target, 10, 0, 255), 1);
        EXPECT_EQ(Contents(), expected);
    }
}

TEST_F(RegSlotsTest, RegisterFillsTheGapThatDeleteLeft)
{
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, i, i, i), i);
    DeleteSlot(m_path, ColorTarget::Background, 3);
    EXPECT_NE(Contents().find("[BG3]\nITEM=0\n[BG4]"), std::string::npos) << Contents();
    EXPECT_EQ(Choice(ColorTarget::Background, 3), Empty);
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, 30, 31, 32), 3);
    EXPECT_EQ(Choice(ColorTarget::Background, 3), (SlotValues{30, 31, 32}));
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, 6, 6, 6), 6);
}

TEST_F(RegSlotsTest, FullSetWritesNothingAndTheOtherSetIsUntouched)
{
    for (int i = 1; i <= SlotCount; ++i)
        RegisterSlot(m_path, ColorTarget::Background, i, 0, 0);
    const std::string full = Contents();
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, 1, 2, 3), 0);
    EXPECT_EQ(Contents(), full);

    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Text, 40, 50, 60), 1);
    EXPECT_EQ(Contents(), full + "[FG1]\nITEM=1\nred=40\ngreen=50\nblue=60\n");
    DeleteSlot(m_path, ColorTarget::Text, 1);
    EXPECT_EQ(Choice(ColorTarget::Background, 1), (SlotValues{1, 0, 0}));
    DeleteSlot(m_path, ColorTarget::Background, 2);
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Text, 0, 0, 0), 1); // the freed BG2 does not count
}

TEST_F(RegSlotsTest, HandEditedSlotsShowLowBitsAndYieldWholeValues)
{
    Put("[BG1]\nITEM=0\nred=1\ngreen=2\nblue=3\n" // deleted, colour put back by hand
        "[BG2]\nITEM=1\n"                         // in use without a colour
        "[bg3]\nRED=300\ngreen=-5\nblue=256\n"    // no mark: free
        "[BG4]\nITEM=-1\n[FG5]\nITEM=1\nred=9\ngreen=9\nblue=9\n");
    const struct
    {
        int slot;
        SlotValues choice, face;
    } cases[] = {{1, {1, 2, 3}, {1, 2, 3}},
                 {2, Empty, FaceValues},
                 {3, {300, -5, 256}, {44, 251, 0}},
                 {5, Empty, FaceValues}};
    for (const auto& c : cases) {
        EXPECT_EQ(Choice(ColorTarget::Background, c.slot), c.choice) << c.slot;
        EXPECT_EQ(ReadSlotFace(m_path, ColorTarget::Background, c.slot, Face), c.face) << c.slot;
    }
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, 100, 101, 102), 1);
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, 200, 201, 202), 3);
    EXPECT_EQ(Choice(ColorTarget::Background, 3), (SlotValues{200, 201, 202}));
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, 0, 0, 0),
              5); // any mark but 0 is in use
}

TEST_F(RegSlotsTest, NoSuchTargetOrSlotReadsDefaultsAndWritesNothing)
{
    Put("[BG1]\nITEM=1\nred=1\ngreen=2\nblue=3\n[FG0]\nred=5\n[BG19]\nred=5\n");
    const std::string before = Contents();
    // Targets outside the pair come only from a cast, but must still touch nothing.
    const ColorTarget none = static_cast<ColorTarget>(0), three = static_cast<ColorTarget>(3);
    for (const auto& [target, slot] : {std::pair{none, 1},
                                       {three, 1},
                                       {ColorTarget::Background, 0},
                                       {ColorTarget::Background, 19},
                                       {ColorTarget::Text, 0}}) {
        EXPECT_EQ(Choice(target, slot), Empty);
        EXPECT_EQ(ReadSlotFace(m_path, target, slot, Face), FaceValues);
        EXPECT_TRUE(DeleteSlot(m_path, target, slot)); // nothing to do, and nothing failed
    }
    EXPECT_EQ(RegisterSlot(m_path, none, 1, 2, 3), 0);
    EXPECT_EQ(RegisterSlot(m_path, three, 1, 2, 3), 0);
    EXPECT_EQ(Contents(), before);
}

TEST_F(RegSlotsTest, UnreadableFileReadsDefaultsAndEveryWriteFails)
{
    fs::create_directory(m_path);
    EXPECT_EQ(Choice(ColorTarget::Background, 1), Empty);
    EXPECT_EQ(ReadSlotFace(m_path, ColorTarget::Text, 1, Face), FaceValues);
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Background, 1, 2, 3), SlotNotWritten);
    EXPECT_FALSE(DeleteSlot(m_path, ColorTarget::Background, 1));
    EXPECT_TRUE(fs::is_directory(m_path));
    EXPECT_EQ(Listing(), (std::set<std::string>{".tessuvo.ini.lock", "tessuvo.ini"}));
}

TEST_F(RegSlotsTest, TwoCopiesRegisteringAtOnceKeepEveryRegistration)
{
    Put("; the user's own line\n");
    pid_t copies[2];
    for (int copy = 0; copy < 2; ++copy) {
        copies[copy] = ::fork();
        ASSERT_GE(copies[copy], 0);
        if (copies[copy] == 0) {
            for (int i = 0; i < 9; ++i) {
                RegisterSlot(m_path, ColorTarget::Text, copy, i, 0);
                const std::string v = std::to_string(copy);
                const ProfileEntry close[] = {{"FLG", "RGB", v}, {"POSITION", "X", v}};
                WritePrivateProfileEntries(close, m_path);
            }
            ::_exit(0);
        }
    }
    for (const pid_t copy : copies)
        ::waitpid(copy, nullptr, 0);
    std::set<std::pair<int, int>> registered;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const SlotValues c = ReadSlot(m_path, ColorTarget::Text, slot, -1);
        registered.insert({c.red, c.green});
    }
    EXPECT_EQ(registered.size(), 18u);
    EXPECT_EQ(registered.begin()->first, 0);
    EXPECT_EQ(registered.rbegin()->first, 1);
    EXPECT_EQ(RegisterSlot(m_path, ColorTarget::Text, 9, 9, 9), 0);
    const int rgb = GetPrivateProfileIntA("FLG", "RGB", -1, m_path);
    EXPECT_EQ(GetPrivateProfileIntA("POSITION", "X", -1, m_path), rgb);
}

} // namespace
