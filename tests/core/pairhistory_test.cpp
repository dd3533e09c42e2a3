#include "collections/pairhistory.h"
#include "settingsfiletest.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace tessuvo;
namespace fs = std::filesystem;

namespace {

constexpr Color Black{0, 0, 0};
constexpr Color White{255, 255, 255};
constexpr ColorPair SkyBlack{{0x87, 0xCE, 0xEB}, Black};

// A distinct pair for each n below 256.
ColorPair Nth(int n)
{
    return {{n, 0, 0}, White};
}

TEST(PairHistory, EntriesAreReadExactlyOrNotAtAll)
{
    const struct
    {
        const char* entry;
        std::optional<ColorPair> pair;
    } cases[] = {
        {"#87CEEB #000000", SkyBlack},
        {"#87ceeb #000000", SkyBlack},
        {"#FFFFFF #FFFFFF", ColorPair{White, White}},
        {"", std::nullopt},
        {"#87CEEB", std::nullopt},
        {"#87CEEB  #000000", std::nullopt},
        {"#87CEEB\t#000000", std::nullopt},
        {"#87CEEB/#000000", std::nullopt},
        {"87CEEB #000000 ", std::nullopt},
        {"#87CEEG #000000", std::nullopt},
        {"#87CEEB #-00000", std::nullopt},
        {"255,255,255 0,0,0", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(ParsePairEntry(c.entry), c.pair);
    }
    EXPECT_EQ(PairEntry(SkyBlack), "#87CEEB #000000");
    EXPECT_EQ(ParsePairEntry(PairEntry({{1, 2, 3}, {250, 16, 15}})),
              (ColorPair{{1, 2, 3}, {250, 16, 15}}));
}

TEST(PairHistory, LabelCarriesTheRatioAsTheReadoutFormatsIt)
{
    EXPECT_EQ(PairLabel(SkyBlack), "#87CEEB / #000000　12.06:1");
    EXPECT_EQ(PairLabel({White, {0x76, 0x76, 0x76}}), "#FFFFFF / #767676　4.54:1");
    EXPECT_EQ(PairLabel({Black, White}), "#000000 / #FFFFFF　21.00:1");
    EXPECT_EQ(PairLabel({White, White}), "#FFFFFF / #FFFFFF　1.00:1");
}

TEST(PairHistory, StoredEntriesSkipDamageAndRepeatsUpToTheLimit)
{
    std::vector<std::string> entries = {"#010000 #FFFFFF", "garbage", "#020000 #FFFFFF",
                                        "#010000 #ffffff", "",        "#030000 #FFFFFF"};
    EXPECT_EQ(PairHistoryFrom(entries), (std::vector{Nth(1), Nth(2), Nth(3)}));
    entries.clear();
    for (int n = 0; n < PairHistoryLimit + 5; ++n)
        entries.push_back(PairEntry(Nth(n)));
    const auto history = PairHistoryFrom(entries);
    ASSERT_EQ(history.size(), std::size_t(PairHistoryLimit));
    EXPECT_EQ(history.back(), Nth(PairHistoryLimit - 1));
}

TEST(PairHistory, APairGoesFirstOnceAndTheOldestFallsOff)
{
    std::vector<ColorPair> full;
    for (int n = 0; n < PairHistoryLimit; ++n)
        full.push_back(Nth(n));
    const struct
    {
        std::vector<ColorPair> before;
        ColorPair pair;
        std::vector<ColorPair> after;
    } cases[] = {
        {{}, Nth(1), {Nth(1)}},
        {{Nth(1), Nth(2), Nth(3)}, Nth(3), {Nth(3), Nth(1), Nth(2)}},
        {{Nth(1), Nth(2)}, Nth(1), {Nth(1), Nth(2)}},
        {{Nth(1)}, ColorPair{White, Nth(1).background}, {{White, {1, 0, 0}}, Nth(1)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithPairFirst(c.before, c.pair), c.after);

    const auto added = WithPairFirst(full, Nth(99));
    ASSERT_EQ(added.size(), full.size());
    EXPECT_EQ(added.front(), Nth(99));
    EXPECT_EQ(added.back(), Nth(PairHistoryLimit - 2));
    const auto moved = WithPairFirst(full, full.back());
    EXPECT_EQ(moved.front(), full.back());
    EXPECT_EQ(moved.back(), Nth(PairHistoryLimit - 2));
}

class PairHistoryFileTest : public test::SettingsFileTest
{
};

TEST_F(PairHistoryFileTest, RecordingKeepsTheNewestFirstInItsOwnSection)
{
    EXPECT_TRUE(ReadPairHistory(m_path).empty());
    EXPECT_FALSE(fs::exists(m_path));
    for (int n : {1, 2, 3, 2})
        EXPECT_TRUE(RecordPair(m_path, Nth(n)));
    EXPECT_EQ(Contents(), "[HISTORY]\n1=#020000 #FFFFFF\n2=#030000 #FFFFFF\n3=#010000 #FFFFFF\n");
    EXPECT_EQ(ReadPairHistory(m_path), (std::vector{Nth(2), Nth(3), Nth(1)}));

    for (int n = 10; n < 40; ++n)
        RecordPair(m_path, Nth(n));
    const auto history = ReadPairHistory(m_path);
    ASSERT_EQ(history.size(), std::size_t(PairHistoryLimit));
    EXPECT_EQ(history.front(), Nth(39));
    EXPECT_EQ(Contents().find("21="), std::string::npos);
}

TEST_F(PairHistoryFileTest, HandEditedSectionIsReadAroundItsDamageAndTheRestLeftAlone)
{
    // Key 3 is missing and 21 lies past the end: neither holds a pair of the history.
    Put("[FLG]\r\nRGB=16\r\n[history]\r\n1 = #010000 #FFFFFF \r\n2=junk\r\n; a note\r\n"
        "4=#040000 #FFFFFF\r\n21=#150000 #FFFFFF\r\n[BG1]\r\nITEM=1\r\n");
    EXPECT_EQ(ReadPairHistory(m_path), (std::vector{Nth(1), Nth(4)}));
    EXPECT_TRUE(RecordPair(m_path, Nth(4)));
    EXPECT_EQ(Contents(), "[FLG]\r\nRGB=16\r\n[history]\r\n1 =#040000 #FFFFFF\r\n"
                          "2=#010000 #FFFFFF\r\n; a note\r\n21=#150000 #FFFFFF\r\n"
                          "[BG1]\r\nITEM=1\r\n");

    EXPECT_TRUE(ClearPairHistory(m_path));
    EXPECT_EQ(Contents(), "[FLG]\r\nRGB=16\r\n[history]\r\n; a note\r\n21=#150000 #FFFFFF\r\n"
                          "[BG1]\r\nITEM=1\r\n");
    EXPECT_TRUE(ReadPairHistory(m_path).empty());
}

TEST_F(PairHistoryFileTest, NothingIsCreatedByClearingAndAFailedWriteLeavesTheFile)
{
    EXPECT_TRUE(ClearPairHistory(m_path));
    EXPECT_FALSE(fs::exists(m_path));

    Put("[HISTORY]\n1=#010000 #FFFFFF\n");
    fs::permissions(m_path, fs::perms::owner_read);
    EXPECT_FALSE(RecordPair(m_path, Nth(2)));
    EXPECT_FALSE(ClearPairHistory(m_path));
    EXPECT_EQ(ReadPairHistory(m_path), std::vector{Nth(1)});
}

} // namespace
