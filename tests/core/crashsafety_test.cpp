#include "collections/regslots.h"
#include "settings/profile.h"
#include "settingsfiletest.h"

#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessuvo;

namespace {

constexpr const char* Comment = "; the user's own line";

class CrashSafety : public test::SettingsFileTest
{
protected:
    // What the program writes, over and over: registrations and deletions of background
    // slots (each colour grey, so a half-written slot shows), and the values written at close
    // (all five the same number, so a half-written close shows).
    [[noreturn]] static void WriteForever(const std::string& path, unsigned seed)
    {
        std::mt19937 random(seed);
        for (int n = 0;; ++n) {
            switch (random() % 3) {
            case 0:
                RegisterSlot(path, ColorTarget::Background, n & 0xFF, n & 0xFF, n & 0xFF);
                break;
            case 1:
                DeleteSlot(path, ColorTarget::Background,
                           static_cast<int>(random() % SlotCount) + 1);
                break;
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
        for (int slot = 1; slot <= SlotCount; ++slot) {
            const SlotValues c = ReadSlot(m_path, ColorTarget::Background, slot, -1);
            const int item = GetPrivateProfileIntA(SlotSection(ColorTarget::Background, slot),
                                                   "ITEM", -1, m_path);
            if (item == 1) {
                EXPECT_TRUE(c.red >= 0 && c.red == c.green && c.green == c.blue) << slot;
            } else {
                EXPECT_EQ(c, (SlotValues{-1, -1, -1})) << slot;
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

TEST_F(CrashSafety, TwoCopiesRegisteringAtOnceKeepEveryRegistration)
{
    Put(std::string(Comment) + "\n");
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
