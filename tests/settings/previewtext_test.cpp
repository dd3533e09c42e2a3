#include "settings/previewtext.h"
#include "settings/profile.h"
#include "support/settingsfiletest.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

using namespace tessuvo;

namespace {

struct Stored
{
    const char* text;
    const char* value;
    bool escaped;
};

// Texts without a line break are stored exactly as they stand; only a text with one is escaped.
TEST(PreviewTextTest, EncodesOnlyTextsWithLineBreaks)
{
    const Stored cases[] = {
        {"[TESSUVO]", "[TESSUVO]", false},       {"", "", false},
        {"C:\\new\\dir", "C:\\new\\dir", false}, {"一行目\n二行目", "一行目\\n二行目", true},
        {"a\\n\nb", "a\\\\n\\nb", true},         {"x\r\ny\n", "x\\r\\ny\\n", true},
    };
    for (const Stored& c : cases) {
        const StoredPreviewText stored = EncodePreviewText(c.text);
        EXPECT_EQ(stored.value, c.value) << c.text;
        EXPECT_EQ(stored.escaped, c.escaped) << c.text;
        EXPECT_EQ(DecodePreviewText(stored.value, stored.escaped), c.text);
    }
}

TEST(PreviewTextTest, UnmarkedValuesReadAsTheyStand)
{
    EXPECT_EQ(DecodePreviewText("a\\nb", false), "a\\nb");
    // Unknown escapes and a lone backslash at the end, only from a hand-edited file, stay.
    EXPECT_EQ(DecodePreviewText("a\\tb\\", true), "a\\tb\\");
}

class PreviewTextFileTest : public test::SettingsFileTest
{
protected:
    // A raw line break in a value would leave a line that is neither.
    bool EveryLineIsASectionOrAKey() const
    {
        std::istringstream lines(Contents());
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (!line.empty() && line.front() != '[' && line.find('=') == std::string::npos)
                return false;
        }
        return true;
    }
};

TEST_F(PreviewTextFileTest, RoundTripsThroughTheFileWithoutARawLineBreak)
{
    const std::string texts[] = {"[TESSUVO]", " spaced ", "上\n下\\n", "", "\"quoted\""};
    for (const std::string& text : texts) {
        ASSERT_TRUE(WritePreviewText(text, m_path));
        EXPECT_EQ(ReadPreviewText(m_path), text);
        EXPECT_TRUE(EveryLineIsASectionOrAKey()) << Contents();
    }
}

TEST_F(PreviewTextFileTest, TheMarkComesAndGoesWithTheLineBreaks)
{
    WritePreviewText("a\nb", m_path);
    EXPECT_EQ(GetPrivateProfileIntA("PREVIEW", "ESCAPED", 0, m_path), 1);
    WritePreviewText("a\\nb", m_path);
    EXPECT_EQ(GetPrivateProfileIntA("PREVIEW", "ESCAPED", -1, m_path), -1);
    EXPECT_EQ(ReadPreviewText(m_path), "a\\nb");
}

TEST_F(PreviewTextFileTest, OlderFilesAndMissingKeysReadAsBefore)
{
    EXPECT_EQ(ReadPreviewText(m_path), "[TESSUVO]");
    Put("[PREVIEW]\r\nSTRING=old\\nvalue\r\n");
    EXPECT_EQ(ReadPreviewText(m_path), "old\\nvalue");
}

// Only a mark of 1 says the value is escaped; any other, from a hand edit, leaves it as it is.
TEST_F(PreviewTextFileTest, OnlyAMarkOfOneUnescapes)
{
    for (const auto& [mark, text] : {std::pair{"1", "a\nb"}, std::pair{"0", "a\\nb"},
                                     std::pair{"2", "a\\nb"}, std::pair{"-1", "a\\nb"}}) {
        Put(std::string("[PREVIEW]\nSTRING=a\\nb\nESCAPED=") + mark + "\n");
        EXPECT_EQ(ReadPreviewText(m_path), text) << mark;
    }
}

std::string Repeated(std::string_view piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// A stored text longer than the box takes is cut as a text, never inside an escape, to the
// 1023 bytes of the plain one, a line break counting the two bytes it takes in the box.
TEST_F(PreviewTextFileTest, ALongTextIsCutBetweenCharactersNotInsideAnEscape)
{
    const struct
    {
        std::string stored;
        std::string text;
    } cases[] = {
        {Repeated("\\\\", 3000), std::string(1023, '\\')},
        {Repeated("\\n", 600), std::string(511, '\n')},
        {"x" + Repeated("\\n", 600), "x" + std::string(511, '\n')},
        {Repeated("あ\\n", 300), Repeated("あ\n", 255) + "あ"},
    };
    for (const auto& c : cases) {
        Put("[PREVIEW]\nSTRING=" + c.stored + "\nESCAPED=1\n");
        const std::string text = ReadPreviewText(m_path);
        EXPECT_EQ(text.size(), c.text.size()) << c.stored.substr(0, 8);
        EXPECT_TRUE(text == c.text) << c.stored.substr(0, 8);
        ASSERT_TRUE(WritePreviewText(text, m_path)); // and it is kept as it was read
        EXPECT_TRUE(ReadPreviewText(m_path) == text) << c.stored.substr(0, 8);
    }
}

} // namespace
