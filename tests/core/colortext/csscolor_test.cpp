#include "core/colortext/csscolor.h"

#include <gtest/gtest.h>
#include <ostream>

namespace tessuvo {
static void PrintTo(const Color& c, std::ostream* os)
{
    *os << "{" << c.red << ", " << c.green << ", " << c.blue << "}";
}
} // namespace tessuvo

using namespace tessuvo;

namespace {

constexpr Color kWhite{255, 255, 255}, kBlack{0, 0, 0}, kGreen{0, 128, 0};

struct ReadCase
{
    const char* text;
    std::optional<Color> expected;
};

void ExpectReads(std::initializer_list<ReadCase> cases, const Color& backdrop = {1, 2, 3})
{
    for (const auto& c : cases)
        EXPECT_EQ(ReadCssColor(c.text, backdrop), c.expected) << c.text;
}

// The computed values of the web-platform tests for css-color (parsing/color-computed*.html,
// color-valid-*.html) and the worked examples of CSS Color 4.
TEST(ReadCssColor, PublishedValues)
{
    ExpectReads({
        {"#234", Color{34, 51, 68}},
        {"#FEDCBA", Color{254, 220, 186}},
        {"magenta", Color{255, 0, 255}},
        {"CyAn", Color{0, 255, 255}},
        {"/**/white", kWhite},
        {"rgb(2, 3, 4)", Color{2, 3, 4}},
        {"rgb(100%, 0%, 0%)", Color{255, 0, 0}},
        {"rgb(-2, 3, 4)", Color{0, 3, 4}},
        {"rgb(100, 200, 300)", Color{100, 200, 255}},
        {"rgb(100%, 200%, 300%)", kWhite},
        {"rgb(128 none none)", Color{128, 0, 0}},
        {"rgba(20% none none)", Color{51, 0, 0}},
        {"rgb(-20% 20% 40%)", Color{0, 51, 102}},
        {"rgb(257 30 40)", Color{255, 30, 40}},
        {"hsl(120, 100%, 50%)", Color{0, 255, 0}},
        {"hsl(120 30% 50%)", Color{89, 166, 89}},
        {"hsl(120 30 50%)", Color{89, 166, 89}},
        {"hsl(10 100% 50%)", Color{255, 43, 0}},
        {"hsl(0 0% 49.99999%)", Color{127, 127, 127}},
        {"hsl(90 50% 50%)", Color{128, 191, 64}},
        {"hsl(0 -50% 40%)", Color{102, 102, 102}},
        {"hsl(30 -50% 60)", Color{153, 153, 153}},
        {"hsl(0 -50 40%)", Color{102, 102, 102}},
        {"hsl(120 none 50%)", Color{128, 128, 128}},
        {"hsl(none 100% 50%)", Color{255, 0, 0}},
        {"hsL(0, 100%, 50%)", Color{255, 0, 0}},
        {"hsl(780, 100%, 37.5%)", Color{191, 191, 0}},
        {"HSLA(-300, 100%, 37.5%, 12)", Color{191, 191, 0}},
        {"hsl(300, 50%, 50%)", Color{191, 64, 191}},
        {"hsl(30deg, 100%, 100%)", kWhite},
        {"hsl(0.5turn 100% 50%)", Color{0, 255, 255}},
        {"hsl(200grad 100% 50%)", Color{0, 255, 255}},
        {"hsl(3.14159265rad 100% 50%)", Color{0, 255, 255}},
        {"hwb(120 30% 50%)", Color{77, 128, 77}},
        {"hwb(120 30 50)", Color{77, 128, 77}},
        {"hwb(120 80% 0%)", Color{204, 255, 204}},
        {"hwb(320deg 30% 40%)", Color{153, 77, 128}},
        {"hwb(0deg 10% 50%)", Color{128, 26, 26}},
        {"hwb(0 20% 100%)", Color{43, 43, 43}},
        {"lab(46.2775% -47.5621 48.5837)", kGreen},
        {"lch(46.2775% 67.9892 134.3912)", kGreen},
        {"oklab(51.975% -0.1403 0.10768)", kGreen},
        {"oklch(51.975% 0.17686 142.495)", kGreen},
        {"color(xyz 0.07719 0.15438 0.02573)", kGreen},
        {"oklch(0.627955 0.257683 29.234)", Color{255, 0, 0}},
        {"oklch(0.452014 0.313214 264.052)", Color{0, 0, 255}},
        {"lab(50% 50 none)", Color{193, 78, 121}},
        {"lab(52.2345% 40.1645 59.9971)", Color{198, 93, 6}},
        {"lch(52.2345% 72.2 56.2)", Color{198, 93, 6}},
        {"oklch(59.686% 0.15619 49.7694)", Color{198, 93, 6}},
        {"lab(29.2345% 39.3825 20.0664)", Color{125, 35, 41}},
        {"color(srgb 1.00 0.50 0.200)", Color{255, 128, 51}},
        {"color(srgb 100% none 20% / 100%)", Color{255, 0, 51}},
    });
}

// color.js's results for the CSS gamut mapping of the display-p3 corners to sRGB; clipping each
// channel would give pure primaries instead. A lightness at either end is white or black before
// any chroma is looked at.
TEST(ReadCssColor, GamutMapsWhatLiesOutsideSrgb)
{
    ExpectReads({
        {"oklch(1 0.2252 0)", kWhite},
        {"oklch(0.99 0.2252 0)", Color{255, 244, 251}},
        {"oklch(100% 0.4 120)", kWhite},
        {"oklab(-10% 0.1 0.1)", kBlack},
        {"color(display-p3 1 0 0)", Color{255, 11, 12}},
        {"color(display-p3 0 1 0)", Color{0, 251, 41}},
        {"color(display-p3 0 0 1)", Color{0, 0, 255}},
        {"color(display-p3 1 1 0)", Color{254, 255, 0}},
        {"color(display-p3 0 1 1)", Color{0, 254, 251}},
        {"color(display-p3 1 0 1)", Color{255, 43, 251}},
        {"color(display-p3 2 0 1)", kWhite},
        {"color(display-p3 -1 0 0)", kBlack},
        {"lch(100% 110 60)", kWhite},
        {"oklch(0% 1.1 60)", kBlack},
    });
}

// A hue is taken round the circle before the bound on numbers: 2000000 degrees is the hue 200.
TEST(ReadCssColor, HuesOfAnySizeEndWhereTheyTurnTo)
{
    ExpectReads({
        {"hsl(2000000 100% 50%)", Color{0, 170, 255}},
        {"hsl(-2000000deg 100% 50%)", Color{0, 255, 170}},
        {"hsl(5555.5turn 100% 50%)", Color{0, 255, 255}},
        {"hwb(1e9 0% 0%)", Color{170, 0, 255}},
        {"oklch(0.7 0.1 1000000100)", Color{214, 133, 133}},
    });
}

// Only a negative saturation is clamped; beyond 100% the colour lies outside sRGB and is mapped
// into it (color.js's CSS gamut mapping), not clamped to hsl(h 100% l).
TEST(ReadCssColor, HslOutsideSrgbIsGamutMapped)
{
    ExpectReads({
        {"hsl(76.27 131.04% 44.8%)", Color{186, 255, 35}},
        {"hsl(300 150% 30%)", Color{190, 0, 190}},
        {"hsl(0 100% 150%)", kWhite},
        {"hsl(0 100% -20%)", kBlack},
    });
}

TEST(ReadCssColor, RefusesWhatIsNoColour)
{
    ExpectReads({
        // parsing/color-invalid*.html
        {"", std::nullopt},
        {" /* hey */\n", std::nullopt},
        {"auto", std::nullopt},
        {"123", std::nullopt},
        {"#12", std::nullopt},
        {"#123456789", std::nullopt},
        {"rgb", std::nullopt},
        {"rgb(1)", std::nullopt},
        {"rgb(1,2,3,4,5)", std::nullopt},
        {"hsla(1,2,3,4,5)", std::nullopt},
        {"rgb(10%, 20, 30%)", std::nullopt},
        {"hwba(120 30% 50%)", std::nullopt},
        {"color(srgb 0 0 0 0)", std::nullopt},
        {"color(srgb 0deg 0% 0)", std::nullopt},
        {"lab(0% 0 0deg)", std::nullopt},
        {"lch(20% 10 10deg 10)", std::nullopt},
        {"color(lab 20% 0 10 / 50%)", std::nullopt},
        {"current-Color", std::nullopt},
        // No colour of a pair.
        {"TransParent", std::nullopt},
        {"currentColor", std::nullopt},
        // The comma syntax is all commas, without `none`, with percentages in hsl().
        {"rgb(1 2, 3)", std::nullopt},
        {"rgb(none, 0, 0)", std::nullopt},
        {"hsl(120, 30, 50)", std::nullopt},
        {"hwb(0, 0%, 0%)", std::nullopt},
        {"rgb(1 2 3 / )", std::nullopt},
        {"rgb(1 2 3) x", std::nullopt},
        {"rgb (1 2 3)", std::nullopt},
        {"#abcg", std::nullopt},
        // Only a colour's own properties, one declaration.
        {"border-color: red", std::nullopt},
        {"color: red; color: blue", std::nullopt},
        {"red;;", std::nullopt},
    });
}

TEST(ParseCssColor, ReportsThePropertyItWasWrittenFor)
{
    const std::pair<const char*, std::optional<ColorTarget>> cases[] = {
        {" #1e3a5f ", std::nullopt},
        {"color: #1e3a5f;", ColorTarget::Text},
        {"background-color:navy ;", ColorTarget::Background},
        {"BACKGROUND : rgb(30,58,95)", ColorTarget::Background},
    };
    for (const auto& [text, property] : cases) {
        const auto value = ParseCssColor(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(value->property, property) << text;
    }
}

TEST(ReadCssColor, CompositesTranslucentColoursOverTheBackdrop)
{
    ExpectReads({{"rgba(2, 3, 4, 0.5)", Color{51, 52, 52}}}, {100, 100, 100});
    ExpectReads({{"#ff000080", Color{255, 127, 127}}, {"#f008", Color{255, 119, 119}}}, kWhite);
    ExpectReads({{"hsl(120 100% 50% / 25%)", Color{0, 64, 0}},
                 {"oklab(400% 0 10 / 50%)", Color{128, 128, 128}}},
                kBlack);
    ExpectReads({{"rgb(none none none / none)", Color{10, 20, 30}},
                 {"rgb(20, 10, 0, -10)", Color{10, 20, 30}}},
                {10, 20, 30});
}

} // namespace
