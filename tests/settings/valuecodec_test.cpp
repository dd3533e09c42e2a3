#include "settings/profile.h"
#include "settings/valuecodec.h"
#include "support/settingsfiletest.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(ValueCodec, EachValueIsDecodedOnItsOwn)
{
    const struct
    {
        std::string_view bytes;
        std::string_view text;
        ValueEncoding encoding;
    } cases[] = {
        {"[TESSUVO]", "[TESSUVO]", ValueEncoding::Ascii},
        {"\xC3\xBD\xC4\xB6\xD7\xB0", "ﾃｽﾄｶﾗｰ", ValueEncoding::Cp932}, // also valid UTF-8
        {"caf\xC3\xA9", "café", ValueEncoding::Utf8},                 // also valid CP932
        {"\xC3\x91"
         "and\xC3\xBA",
         "Ñandú", ValueEncoding::Utf8},
        {"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", "Привет", ValueEncoding::Utf8},
        {"背景色", "背景色", ValueEncoding::Utf8},
        {"ﾃｽﾄ", "ﾃｽﾄ", ValueEncoding::Utf8}, // three-byte sequences
        {"\x94\x77\x8C\x69\x90\x46", "背景色", ValueEncoding::Cp932},
        {"\xB6\xD7\xB0", "ｶﾗｰ", ValueEncoding::Cp932},
        {"a\x80"
         "b",
         "a\xEF\xBF\xBD"
         "b",
         ValueEncoding::Utf8}, // neither: U+FFFD
    };
    for (const auto& c : cases) {
        const DecodedValue decoded = DecodeProfileValue(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.text;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.text;
    }
}

TEST(ValueCodec, ANewValueKeepsTheOldValuesEncodingWhereItCan)
{
    EXPECT_EQ(EncodeProfileValue("色", ValueEncoding::Cp932), "\x90\x46");
    EXPECT_EQ(EncodeProfileValue("色", ValueEncoding::Ascii), "色");
    EXPECT_EQ(EncodeProfileValue("色", ValueEncoding::Utf8), "色");
    EXPECT_EQ(EncodeProfileValue("café", ValueEncoding::Cp932), "café"); // no é in CP932
    EXPECT_EQ(EncodeProfileValue("ﾃｽ", ValueEncoding::Cp932), "ﾃｽ");     // C3 BD would read as ý
}

class MixedEncodingFile : public test::SettingsFileTest
{
};

TEST_F(MixedEncodingFile, AStrayByteElsewhereChangesNothing)
{
    Put("; \x82\xA0 written by another program\n[PREVIEW]\nSTRING=背景\nOLD=\x94\x77\x8C\x69\n"
        "KANA=\xC3\xBD\xC4\xB6\xD7\xB0\n");
    const auto read = [&](const char* key) {
        return GetPrivateProfileStringA("PREVIEW", key, "", 1024, m_path);
    };
    EXPECT_EQ(read("STRING"), "背景");
    EXPECT_EQ(read("OLD"), "背景");
    EXPECT_EQ(read("KANA"), "ﾃｽﾄｶﾗｰ");
    EXPECT_TRUE(WritePrivateProfileStringA("PREVIEW", "OLD", "色", m_path));
    EXPECT_TRUE(WritePrivateProfileStringA("PREVIEW", "STRING", "色", m_path));
    EXPECT_TRUE(WritePrivateProfileStringA("PREVIEW", "NEW", "色", m_path));
    EXPECT_EQ(Contents(), "; \x82\xA0 written by another program\n[PREVIEW]\nSTRING=色\n"
                          "OLD=\x90\x46\nKANA=\xC3\xBD\xC4\xB6\xD7\xB0\nNEW=色\n");
    EXPECT_EQ(read("OLD"), "色");
}

} // namespace
