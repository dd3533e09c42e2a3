#include "settings/previewtext.h"
#include "settings/profile.h"
#include "settingsfiletest.h"

#include <gtest/gtest.h>
#include <sstream>

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

} // namespace
