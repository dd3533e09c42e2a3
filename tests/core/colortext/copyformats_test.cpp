#include "core/colortext/copyformats.h"
#include "core/colortext/csscolor.h"
#include "core/colortext/notation.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

std::vector<std::string> AllFormats(const Color& color)
{
    std::vector<std::string> texts;
    for (CopyFormat format : CopyFormats)
        texts.push_back(FormatColorAs(format, color));
    return texts;
}

// The oklch() figures of the primaries are those that CSS Color 4 prints for them:
// oklch(62.8% 0.2577 29.23) for red, 86.64% 0.2948 142.5 for lime, 45.2% 0.3132 264.05 for blue.
TEST(ColorFormats, SixFormatsInMenuOrder)
{
    struct Case
    {
        Color color;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {{255, 255, 255},
         {"#ffffff", "#FFFFFF", "rgb(255 255 255)", "hsl(0 0% 100%)", "oklch(1 0 0)",
          "255,255,255"}},
        {{0, 0, 0}, {"#000000", "#000000", "rgb(0 0 0)", "hsl(0 0% 0%)", "oklch(0 0 0)", "0,0,0"}},
        {{255, 0, 0},
         {"#ff0000", "#FF0000", "rgb(255 0 0)", "hsl(0 100% 50%)", "oklch(0.628 0.2577 29.23)",
          "255,0,0"}},
        {{0, 255, 0},
         {"#00ff00", "#00FF00", "rgb(0 255 0)", "hsl(120 100% 50%)", "oklch(0.8664 0.2948 142.5)",
          "0,255,0"}},
        {{0, 0, 255},
         {"#0000ff", "#0000FF", "rgb(0 0 255)", "hsl(240 100% 50%)", "oklch(0.452 0.3132 264.05)",
          "0,0,255"}},
        // Greys have hue 0; 50% would be 127.5, which rounds either way.
        {{128, 128, 128},
         {"#808080", "#808080", "rgb(128 128 128)", "hsl(0 0% 50.2%)", "oklch(0.6 0 0)",
          "128,128,128"}},
        {{1, 2, 3},
         {"#010203", "#010203", "rgb(1 2 3)", "hsl(210 50% 0.8%)", "oklch(0.08 0.01 241)",
          "1,2,3"}},
        {{18, 171, 255},
         {"#12abff", "#12ABFF", "rgb(18 171 255)", "hsl(201.3 100% 53.5%)",
          "oklch(0.711 0.1657 242.1)", "18,171,255"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AllFormats(c.color), c.texts);
}

// A hue that rounds up to 360 degrees is written as 0: #040001 lies at 359.68.
TEST(ColorFormats, HueRoundedTo360IsWrittenAs0)
{
    EXPECT_EQ(FormatColorAs(CopyFormat::Oklch, {4, 0, 1}), "oklch(0.07 0.03 0)");
}

// Every channel value in every position, spread over the cube (all 2^24 colours read back too,
// in a minute and a half). The edit boxes' notations are read as typed, CSS by its reader, and so
// is the comma syntax of rgb(), which no format writes.
TEST(ColorFormats, EveryFormatReadsBackTheSameColour)
{
    for (std::uint32_t i = 0; i < (1u << 24); i += 127) {
        const Color c{static_cast<int>(i >> 16), static_cast<int>((i >> 8) & 255),
                      static_cast<int>(i & 255)};
        std::vector<std::string> texts = AllFormats(c);
        texts.push_back("rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " +
                        std::to_string(c.blue) + ")");
        for (const std::string& text : texts)
            ASSERT_EQ(ColorFromTypedText(text, {1, 2, 3}), c) << text;
    }
}

// The names the command line gives the six formats; letter case tells the two hex forms apart.
TEST(ColorFormats, NamedAsOnTheCommandLine)
{
    const std::pair<const char*, CopyFormat> names[] = {
        {"hex", CopyFormat::HexLower}, {"HEX", CopyFormat::HexUpper},
        {"rgb", CopyFormat::Rgb},      {"hsl", CopyFormat::Hsl},
        {"oklch", CopyFormat::Oklch},  {"decimal", CopyFormat::Decimal}};
    for (const auto& [name, format] : names)
        EXPECT_EQ(CopyFormatNamed(name), format) << name;
    for (const char* other : {"", "Hex", "RGB", "html", "hex "})
        EXPECT_EQ(CopyFormatNamed(other), std::nullopt) << other;
}

} // namespace
