#include "core/colortext/notation.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

struct FormatCase
{
    int notation;
    Color color;
    const char* expected;
};

TEST(FormatColor, EachNotation)
{
    const FormatCase cases[] = {
        {NotationHtml, {18, 171, 255}, "#12ABFF"},
        {NotationHex, {18, 171, 255}, "12ABFF"},
        {NotationDecimal, {18, 171, 255}, "18,171,255"},
        {NotationHtml, {0, 0, 0}, "#000000"},
        {NotationDecimal, {0, 0, 0}, "0,0,0"},
        {NotationHex, {255, 255, 255}, "FFFFFF"},
        {NotationDecimal, {255, 255, 255}, "255,255,255"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatColor(c.notation, c.color), c.expected) << c.notation;
}

TEST(FormatColor, UnknownNotationGivesNoText)
{
    for (int notation : {0, 2, 7, 15, -1})
        EXPECT_FALSE(FormatColor(notation, {1, 2, 3})) << notation;
}

struct StrToULCase
{
    const char* text;
    int base;
    std::uint32_t expected;
};

TEST(StrToUL32, BehavesLikeThe32BitRuntime)
{
    const StrToULCase cases[] = {
        {"255", 10, 255},
        {"  12", 10, 12},
        {"\t+7x", 10, 7},
        {"-1", 10, 0xFFFFFFFFu},
        {"-5", 10, 0xFFFFFFFBu},
        {"4294967295", 10, 0xFFFFFFFFu},
        {"4294967296", 10, 0xFFFFFFFFu},
        {"99999999999999999999", 10, 0xFFFFFFFFu},
        {"-4294967296", 10, 0xFFFFFFFFu},
        {"", 10, 0},
        {"abc", 10, 0},
        {"0x0080ff", 16, 0x80ff},
        {"0xZZ3412", 16, 0},
        {"0x5G3412", 16, 5},
        {"0x,53412", 16, 0},
        {"0x4523#1", 16, 0x4523},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToUL32(c.text, c.base), c.expected) << c.text;
}

struct ApplyCase
{
    const char* text;
    std::optional<Color> expected;
};

TEST(ColorFromText, AllThreeFormsAndTheirEdges)
{
    const ApplyCase cases[] = {
        // The same colour in every form, whatever the notation shown.
        {"#ff8000", Color{255, 128, 0}},
        {"#FF8000", Color{255, 128, 0}},
        {"FF8000", Color{255, 128, 0}},
        {"255,128,0", Color{255, 128, 0}},
        // Out-of-range decimal fields clamp; a negative red changes nothing.
        {"300,0,0", Color{255, 0, 0}},
        {"0,-5,0", Color{0, 0, 0}},
        {"-5,0,0", std::nullopt},
        {"-1,0,0", std::nullopt},
        {"4294967296,0,0", std::nullopt}, // overflows to the largest value: negative
        {"0,3000000000,0", Color{0, 0, 0}},
        // White space before digits is skipped; the first field may hold three characters.
        {" 12, 34, 56", Color{12, 34, 56}},
        {"  12,34,56", std::nullopt},
        {"1,2,3", Color{1, 2, 3}},
        {"1,2", std::nullopt},
        {"12345", std::nullopt},
        {"12,345", Color{12, 255, 0}},
        {"1,2,3,4", Color{1, 2, 3}},
        // Malformed hexadecimal pairs read as far as the conversion reads them.
        {"1234,5", Color{0, 0, 0}},
        {"#12345G", Color{5, 0, 0}},
        {"#1234ZZ", Color{0, 0, 0}},
        {"#12345", Color{0x23, 0x45, 0}},
        {"", std::nullopt},
        {"#FF80001", std::nullopt},
        {"abcdefg", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorFromText(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ColorFromText, LengthsCountCodePageBytes)
{
    // A full-width character takes two bytes: "#ＦＦ80" is seven bytes long and so takes the
    // HTML path: its last pair "80" is read first, then the full-width letters stop it.
    EXPECT_EQ(ColorFromText("#\xEF\xBC\xA6\xEF\xBC\xA6"
                            "80"),
              (Color{128, 0, 0}));
    // Half-width katakana take one byte: "ｱ,1,2" is a five-byte decimal text.
    EXPECT_EQ(ColorFromText("\xEF\xBD\xB1,1,2"), (Color{0, 1, 2}));
}

TEST(ColorFromTypedText, TheDesignsFormsFirstThenCss)
{
    const Color backdrop{0, 0, 255};
    const ApplyCase cases[] = {
        // The design's forms and their quirks.
        {"#ff8000", Color{255, 128, 0}},
        {"255,128,0", Color{255, 128, 0}},
        {"#12345G", Color{5, 0, 0}},
        {"1234,5", Color{0, 0, 0}},
        {"-5,0,0", std::nullopt},
        {"#12345", Color{0x23, 0x45, 0}},
        {"navy12", Color{0x12, 0, 0}},
        {"abcdef", Color{0xab, 0xcd, 0xef}},
        // Six-letter names are names.
        {"orange", Color{255, 165, 0}},
        {"PURPLE", Color{128, 0, 128}},
        {"Bisque", Color{255, 228, 196}},
        // What the design leaves goes on to CSS, translucent over the backdrop.
        {"#abc", Color{170, 187, 204}},
        {"navy", Color{0, 0, 128}},
        {"rgb(10,20,30)", Color{10, 20, 30}},
        {" #1e3a5f ", Color{30, 58, 95}},
        {"color: #1e3a5f;", Color{30, 58, 95}},
        {"#ff000080", Color{128, 0, 127}},
        {"transparent", std::nullopt},
        {"12345", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorFromTypedText(c.text, backdrop), c.expected) << c.text;
}

TEST(GradationColorFromTypedText, ItsHtmlFormFirstThenCss)
{
    const ApplyCase cases[] = {
        {"#00FF00", Color{0, 255, 0}},  {"#12345G", Color{5, 0, 0}},
        {"0,255,0", std::nullopt},      {"FF8000", std::nullopt},
        {"orange", Color{255, 165, 0}}, {"#abc", Color{170, 187, 204}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GradationColorFromTypedText(c.text, {255, 255, 255}), c.expected) << c.text;
}

TEST(RecogniseHtmlColorText, OnlyTheHashForm)
{
    EXPECT_TRUE(RecogniseHtmlColorText("#00FF00"));
    EXPECT_FALSE(RecogniseHtmlColorText("00FF00"));
    EXPECT_FALSE(RecogniseHtmlColorText("0,255,0"));
}

} // namespace
