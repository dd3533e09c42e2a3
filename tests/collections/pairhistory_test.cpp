#include "collections/pairhistory.h"
#include "support/settingsfiletest.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

constexpr ColorPair SkyBlack{{0x87, 0xCE, 0xEB}, {0, 0, 0}};

// A distinct pair for each n below 256.
ColorPair Nth(int n)
{
    return {{n, 0, 0}, {255, 255, 255}};
}

TEST(PairHistory, EntriesAreReadExactlyOrNotAtAll)
{
    EXPECT_EQ(ParsePairEntry("#87CEEB #000000"), SkyBlack);
    EXPECT_EQ(ParsePairEntry("#87ceeb #000000"), SkyBlack);
    EXPECT_EQ(PairEntry(SkyBlack), "#87CEEB #000000");
    for (const char* damaged :
         {"", "#87CEEB", "#87CEEB  #000000", "#87CEEB\t#000000", "#87CEEB/#000000",
          "87CEEB #000000 ", "#87CEEG #000000", "#87CEEB #-00000", "255,255,255 0,0,0"})
        EXPECT_EQ(ParsePairEntry(damaged), std::nullopt) << damaged;
    // Two decimals, as the band's readout writes the ratio.
    EXPECT_EQ(PairLabel(SkyBlack), "#87CEEB / #000000　12.06:1");
    EXPECT_EQ(PairLabel({{255, 255, 255}, {0x76, 0x76, 0x76}}), "#FFFFFF / #767676　4.54:1");
}

TEST(PairHistory, StoredEntriesSkipDamageAndRepeatsUpToTheLimit)
{
    std::vector<std::string> entries = {"#010000 #FFFFFF", "junk", "#020000 #FFFFFF",
                                        "#010000 #ffffff", "#030000 #FFFFFF"};
    EXPECT_EQ(PairHistoryFrom(entries), (std::vector{Nth(1), Nth(2), Nth(3)}));
    for (int n = 4; n < PairHistoryLimit + 5; ++n)
        entries.push_back(PairEntry(Nth(n)));
    const auto history = PairHistoryFrom(entries);
    ASSERT_EQ(history.size(), std::size_t(PairHistoryLimit));
    EXPECT_EQ(history.back(), Nth(PairHistoryLimit));
}

TEST(PairHistory, APairGoesFirstOnceAndTheOldestFallsOff)
{
    const std::vector<ColorPair> three = {Nth(1), Nth(2), Nth(3)};
    EXPECT_EQ(WithPairFirst({}, Nth(1)), std::vector{Nth(1)});
    EXPECT_EQ(WithPairFirst(three, Nth(3)), (std::vector{Nth(3), Nth(1), Nth(2)}));
    EXPECT_EQ(WithPairFirst(three, Nth(1)), three);
    std::vector<ColorPair> full;
    for (int n = 0; n < PairHistoryLimit; ++n)
        full.push_back(Nth(n));
    const auto added = WithPairFirst(full, Nth(99));
    ASSERT_EQ(added.size(), full.size());
    EXPECT_EQ(added.front(), Nth(99));
    EXPECT_EQ(added.back(), Nth(PairHistoryLimit - 2));
}

class PairHistoryFileTest : public test::SettingsFileTest
{
protected:
    std::string History() const { return (m_dir / "state" / "history.ini").string(); }
};

TEST_F(PairHistoryFileTest, RecordingKeepsTheNewestFirstInItsOwnSection)
{
    for (int n : {1, 2, 3, 2})
        EXPECT_TRUE(RecordPair(m_path, Nth(n)));
    EXPECT_EQ(Contents(), "[HISTORY]\n1=#020000 #FFFFFF\n2=#030000 #FFFFFF\n3=#010000 #FFFFFF\n");
    EXPECT_EQ(ReadPairHistory(m_path), (std::vector{Nth(2), Nth(3), Nth(1)}));
    EXPECT_TRUE(ClearPairHistory(m_path));
    EXPECT_EQ(Contents(), "");
}

// Key 3 is missing, 21 lies past the end, a key is repeated and the section comes twice: the
// first of each is read, and a write leaves only the good entries.
TEST_F(PairHistoryFileTest, HandEditedSectionIsReadAroundItsDamageAndWrittenAnewWhole)
{
    const std::string damaged = "[FLG]\r\nRGB=16\r\n[history]\r\n1 = #010000 #FFFFFF \r\n2=junk\r\n"
                                "; a note\r\n4=#040000 #FFFFFF\r\n21=#150000 #FFFFFF\r\n"
                                "1=#050000 #FFFFFF\r\n[BG1]\r\nITEM=1\r\n[HISTORY]\r\n"
                                "5=#060000 #FFFFFF\r\n";
    Put(damaged);
    EXPECT_EQ(ReadPairHistory(m_path), (std::vector{Nth(1), Nth(4)}));
    EXPECT_TRUE(RecordPair(m_path, Nth(4)));
    EXPECT_EQ(Contents(), "[FLG]\r\nRGB=16\r\n[BG1]\r\nITEM=1\r\n[HISTORY]\r\n"
                          "1=#040000 #FFFFFF\r\n2=#010000 #FFFFFF\r\n");
    Put(damaged);
    EXPECT_TRUE(ClearPairHistory(m_path));
    EXPECT_EQ(ReadPairHistory(m_path), std::vector<ColorPair>{});
}

TEST_F(PairHistoryFileTest, AnOlderSettingsFilesHistoryIsTakenOverOnce)
{
    Put("[FLG]\nRGB=16\n[HISTORY]\n1=#010000 #FFFFFF\n2=junk\n3=#020000 #FFFFFF\n");
    const std::string settings = Contents();
    EXPECT_TRUE(TakeOverPairHistory(m_path, History()));
    EXPECT_EQ(ReadPairHistory(History()), (std::vector{Nth(1), Nth(2)}));
    EXPECT_EQ(Contents(), settings);
    ClearPairHistory(History());
    EXPECT_TRUE(TakeOverPairHistory(m_path, History()));
    EXPECT_EQ(ReadPairHistory(History()), std::vector<ColorPair>{});

    // Nothing to take over: no file is made.
    Put("[FLG]\nRGB=16\n[HISTORY]\n1=junk\n");
    std::filesystem::remove(History());
    EXPECT_FALSE(TakeOverPairHistory(m_path, History()));
    EXPECT_FALSE(std::filesystem::exists(History()));
}

} // namespace
