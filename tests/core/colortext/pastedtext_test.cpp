#include "core/colortext/pastedtext.h"

#include <gtest/gtest.h>
#include <random>
#include <span>
#include <string>

namespace tessuvo {
void PrintTo(const PastedColors& colors, std::ostream* out)
{
    const auto print = [&](const char* label, const std::optional<Color>& color) {
        *out << label;
        if (color)
            *out << color->red << ',' << color->green << ',' << color->blue;
        else
            *out << '-';
    };
    print("background ", colors.background);
    print(" text ", colors.text);
}
} // namespace tessuvo

using namespace tessuvo;

namespace {

constexpr Color Black{0, 0, 0};
constexpr Color White{255, 255, 255};
constexpr Color Red{255, 0, 0};
constexpr Color Navy{0, 0, 128};
constexpr Color Slate{0x1e, 0x3a, 0x5f};
constexpr std::nullopt_t None = std::nullopt;
// Pasted on the preview band rather than into a colour box.
constexpr std::optional<ColorTarget> Band;

struct Case
{
    const char* pasted;
    std::optional<ColorTarget> into;
    PastedColors expected;
};

void ExpectAll(std::span<const Case> cases, const Color& currentBackground = Black)
{
    for (const Case& c : cases)
        EXPECT_EQ(ColorsFromPaste(c.pasted, c.into, currentBackground), c.expected) << c.pasted;
}

TEST(PasteColor, BothColoursFromOneRuleAttributeOrTag)
{
    const Case cases[] = {
        {"body { background-color: #ffffff; color: #000000; }", ColorTarget::Text, {White, Black}},
        {R"(<BODY bgcolor="#ffffff" text="#000000">)", ColorTarget::Background, {White, Black}},
        {"--background-color: #010203; --text-color: #ff0000;", Band, {{{1, 2, 3}}, Red}},
        {":root { --background-color: #010203; --text-color: #ff0000; }", Band, {{{1, 2, 3}}, Red}},
        {"color: #000000; background-color: #ffffff;", Band, {White, Black}},
        {R"(<p style="background: #fff; color: #123">x</p>)",
         ColorTarget::Text,
         {White, Color{0x11, 0x22, 0x33}}},
        {"BODY { BACKGROUND-COLOR: #FFF; COLOR: navy }", ColorTarget::Text, {White, Navy}},
        {"<body bgcolor=ffffff text='000000'>", ColorTarget::Text, {White, Black}},
        // One a line, without the ";"; "!important" and comments around the values.
        {"background-color: #fff\ncolor: red !important", ColorTarget::Text, {White, Red}},
        {"color: /* dark */ #000; background: #fff /* page */;", ColorTarget::Text, {White, Black}},
        // The last declaration of each counts, as in CSS.
        {"a { color: red; background: #fff; color: #000 }", ColorTarget::Text, {White, Black}},
        // The first rule with both wins over rules with one.
        {"h1 { color: red }\nbody { background-color: navy; color: #fff }\np { color: #000 }",
         ColorTarget::Background,
         {Navy, White}},
        // A background shorthand's colour among its other values.
        {"body{background:#1e3a5f url(bg.png) no-repeat;color:#eee}",
         ColorTarget::Text,
         {Slate, Color{0xee, 0xee, 0xee}}},
        {"body { background: url(\"bg.png\") center / cover navy; color: #fff }",
         Band,
         {Navy, White}},
        // Custom properties by a word of their name; a CSS property above them, the plainest of
        // them above the others.
        {":root{--bg:#fff;--fg:#222}", Band, {White, Color{0x22, 0x22, 0x22}}},
        {":root { --background: navy; --foreground: white }", Band, {Navy, White}},
        {".card { --bg-color: #fff; --text-color: #000 }", Band, {White, Black}},
        {":root { --bg: #fff; --bg-hover: #eee; --text-muted: #777; --fg: #000 }",
         Band,
         {White, Black}},
        {"body { --text: red; color: #000; --pageBackground: #fff; --textBg: navy }",
         Band,
         {White, Black}},
        // Without such a rule, the first of each kind anywhere.
        {".a { color: red } .b { background: navy } .c { background: #fff }",
         ColorTarget::Text,
         {Navy, Red}},
    };
    ExpectAll(cases);
}

TEST(PasteColor, OneColourGoesToItsBoxOrByItsRoleOnTheBand)
{
    const Case cases[] = {
        {"color: red;", Band, {None, Red}},
        {"color: red;", ColorTarget::Background, {Red, None}},
        {R"(<FONT color="#ff0000">[TESSUVO]</FONT>)", Band, {None, Red}},
        {R"(<span style="color: #ff0000">x</span>)", Band, {None, Red}},
        {"background-color: navy", Band, {Navy, None}},
        {"background-color: navy", ColorTarget::Text, {None, Navy}},
        {"  #f00\n", Band, {Red, None}},
        {"navy", ColorTarget::Text, {None, Navy}},
        {"255, 0,0", Band, {Red, None}},
        {"FF0000", ColorTarget::Background, {Red, None}},
        // As other tools copy a colour, when it is the whole text.
        {"abc", Band, {Color{0xaa, 0xbb, 0xcc}, None}},
        {"0x1E3A5F", ColorTarget::Text, {None, Slate}},
        {" 30\t58  95\n", ColorTarget::Background, {Slate, None}},
        {":root { --primary: red; --bg: #1e3a5f }", ColorTarget::Text, {None, Slate}},
        // Neither "border-color" nor "text:" in CSS is a colour of the pair.
        {"border-color: #fff; background-color: navy; text: #fff", Band, {Navy, None}},
        {"/* color: red */ background: navy", Band, {Navy, None}},
    };
    ExpectAll(cases);
}

TEST(PasteColor, NothingFound)
{
    const Case cases[] = {
        {"", Band, {}},
        {"   \n", ColorTarget::Text, {}},
        // A sentence that the edit boxes' decimal form would read as black.
        {"Hi, there", ColorTarget::Background, {}},
        {"1234,5", ColorTarget::Background, {}},
        {"256,0,0", ColorTarget::Background, {}},
        {"color: transparent", ColorTarget::Text, {}},
        {"color: currentcolor; background: none", Band, {}},
        // The gradient text holds no colour of the pair.
        {"<span style=\"background: linear-gradient(to right, #ff0000, #7f007f, #0000ff); "
         "-webkit-background-clip: text; background-clip: text; color: transparent;\">a</span>",
         Band,
         {}},
        {"color:", Band, {}},
        // The short forms only as the whole text; no background among a gradient's colours.
        {"<font color=\"abc\">", Band, {}},
        {"240 240", Band, {}},
        {"1 2 3 4", Band, {}},
        {"0x1e3a5", Band, {}},
        {"abcd", Band, {}},
        {"background: linear-gradient(#fff, #000)", Band, {}},
        {"bgcolor=\"", Band, {}},
    };
    ExpectAll(cases);
}

TEST(PasteColor, SaysWhichColourItSetWhenItSetOnlyOne)
{
    EXPECT_EQ(ColorsFromPaste("body { background: #fff url(a.png) }", Band, Black).OnlyOne(),
              ColorTarget::Background);
    EXPECT_EQ(ColorsFromPaste(":root{--bg:#fff;--fg:#222}", Band, Black).OnlyOne(), std::nullopt);
}

// Half transparent black (#00000080) over white is #7f7f7f; over black it stays black.
TEST(PasteColor, TextAlphaLiesOverThePastedOrTheCurrentBackground)
{
    const Color grey{127, 127, 127};
    const Case cases[] = {
        {"background: #fff; color: #00000080", ColorTarget::Text, {White, grey}},
        {"color: #00000080", ColorTarget::Text, {None, Black}},
        {"color: #00000080", Band, {None, Black}},
        // A background lies over white, whichever box it goes to.
        {"background: #00000080", ColorTarget::Background, {grey, None}},
    };
    ExpectAll(cases);
    EXPECT_EQ(ColorsFromPaste("#00000080", ColorTarget::Text, White), (PastedColors{None, grey}));
}

// Megabytes of hostile text pass in one linear scan.
TEST(PasteColor, HostileMegabytes)
{
    const std::size_t size = 4 << 20;
    const auto repeat = [&](std::string_view piece) {
        std::string text;
        while (text.size() < size)
            text += piece;
        return text;
    };
    std::mt19937 random(17);
    std::string noise(size, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    const std::string texts[] = {
        repeat("color:"),
        repeat("color: rgb("),
        repeat("color: #fff "),
        "/*" + repeat("color: red;"),
        "<font color=\"" + repeat("a"),
        repeat("background-color-background-color"),
        repeat("{<}>;:=\"'!"),
        noise,
    };
    for (const std::string& text : texts)
        EXPECT_EQ(ColorsFromPaste(text, Band, Black), PastedColors{}) << text.substr(0, 40);

    // A pair far into a long text is found.
    EXPECT_EQ(
        ColorsFromPaste(repeat(".x { color: red }\n") + "body { background: #fff; color: #000 }",
                        ColorTarget::Text, Black),
        (PastedColors{White, Black}));
}

} // namespace
