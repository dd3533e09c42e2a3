#include "collections/palettefolder.h"
#include "core/colortext/copyformats.h"
#include "core/colortext/csscolor.h"
#include "core/colortext/namedcolors.h"
#include "core/colortext/notation.h"
#include "core/colortext/pastedtext.h"
#include "core/palette/palettefile.h"
#include "core/readability/contrast.h"
#include "settings/profile.h"
#include "tags/csstext.h"
#include "tags/gradation.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tessuvo;

namespace {

void RecogniseColour(benchmark::State& state)
{
    const char* texts[] = {"#FF8000", "255,128,0", "FF8000", "12345"};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ColorFromText(texts[i++ % 4]));
}
BENCHMARK(RecogniseColour);

// One form of CSS colour text at a time; the wide-gamut ones run the gamut mapping's search.
void ReadCssColour(benchmark::State& state, const char* text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadCssColor(text, {255, 255, 255}));
}
BENCHMARK_CAPTURE(ReadCssColour, hex, "#1e3a5f80");
BENCHMARK_CAPTURE(ReadCssColour, name, "LightGoldenrodYellow");
BENCHMARK_CAPTURE(ReadCssColour, declaration, "background-color: #1e3a5f;");
BENCHMARK_CAPTURE(ReadCssColour, rgb_commas, "rgba(30, 58, 95, 0.5)");
BENCHMARK_CAPTURE(ReadCssColour, rgb_spaces, "rgb(11.8% 22.7% 37.3% / 50%)");
BENCHMARK_CAPTURE(ReadCssColour, hsl, "hsl(0.25turn 60% 40%)");
BENCHMARK_CAPTURE(ReadCssColour, hwb, "hwb(210 12% 63%)");
BENCHMARK_CAPTURE(ReadCssColour, lab, "lab(52.2345% 40.1645 59.9971)");
BENCHMARK_CAPTURE(ReadCssColour, lch_out_of_gamut, "lch(50% 130 120)");
BENCHMARK_CAPTURE(ReadCssColour, oklab, "oklab(59.686% 0.1009 0.1192)");
BENCHMARK_CAPTURE(ReadCssColour, oklch_out_of_gamut, "oklch(70% 0.4 150)");
BENCHMARK_CAPTURE(ReadCssColour, color_p3, "color(display-p3 0 1 0)");
BENCHMARK_CAPTURE(ReadCssColour, color_xyz, "color(xyz-d50 0.2 0.3 0.4)");

void FormatColour(benchmark::State& state)
{
    const int notations[] = {NotationHtml, NotationHex, NotationDecimal};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatColor(notations[i++ % 3], {18, 171, 255}));
}
BENCHMARK(FormatColour);

// Each of the copy button's six formats, over colours whose hsl() and oklch() need from none to
// several decimals.
void FormatColourAs(benchmark::State& state)
{
    const auto format = static_cast<CopyFormat>(state.range(0));
    const Color colors[] = {{18, 171, 255}, {255, 255, 255}, {1, 2, 3}, {200, 40, 40}};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatColorAs(format, colors[i++ % 4]));
}
BENCHMARK(FormatColourAs)->DenseRange(0, 5);

void CssBodyAndFont(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(CssBodyRule({255, 255, 255}, {18, 171, 255}));
        benchmark::DoNotOptimize(CssFontSpan({18, 171, 255}, 1, "[TESSUVO]"));
    }
}
BENCHMARK(CssBodyAndFont);

void PasteOfOneRule(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ColorsFromPaste(
            "body { background-color: #1e3a5f; color: white; }", std::nullopt, {255, 255, 255}));
}
BENCHMARK(PasteOfOneRule);

// A stylesheet of a megabyte whose only rule with both colours comes last.
void PasteOfAMegabyte(benchmark::State& state)
{
    std::string text;
    while (text.size() < (1 << 20))
        text += ".note { color: rgb(10 20 30); border: 1px solid #ccc; margin: 0 auto; }\n";
    text += "body { background: #fff; color: #333; }";
    for (auto _ : state)
        benchmark::DoNotOptimize(ColorsFromPaste(text, std::nullopt, {255, 255, 255}));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(PasteOfAMegabyte)->Unit(benchmark::kMillisecond);

// The search the band's menu runs for each of its two fit items as it opens.
void NearestPassingTextColour(benchmark::State& state)
{
    const std::pair<Color, Color> pairs[] = {{{0x77, 0x77, 0x77}, {255, 255, 255}},
                                             {{18, 171, 255}, {40, 90, 200}},
                                             {{200, 40, 40}, {120, 120, 120}}};
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [text, background] = pairs[i++ % 3];
        benchmark::DoNotOptimize(NearestPassingColor(text, background, RatioAAA));
    }
}
BENCHMARK(NearestPassingTextColour)->Unit(benchmark::kMicrosecond);

void ProfileReadOf50Keys(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("tessuvo-bench-" + std::to_string(::getpid()) + ".ini"))
                                 .string();
    {
        std::ofstream out(path);
        for (int s = 1; s <= 10; ++s) {
            out << "[BG" << s << "]\n";
            for (const char* key : {"ITEM", "red", "green", "blue", "extra"})
                out << key << "=" << s * 7 << "\n";
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(GetPrivateProfileIntA("BG10", "blue", 0, path));
    std::filesystem::remove(path);
}
BENCHMARK(ProfileReadOf50Keys);

void GradationOf30Bytes(benchmark::State& state)
{
    const std::string text = "[TESSUVO]てっすぼ colour!"; // 30 code-page bytes
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BuildGradationTags(text, {255, 255, 255}, {127, 127, 127}, {0, 0, 0}));
}
BENCHMARK(GradationOf30Bytes);

// A style sheet of 1 MB as a large site has one: custom properties, then rules of eight
// declarations of which two hold colours, one inside a gradient: about 7,000 colours.
std::string SiteStyleSheet()
{
    std::string css = ":root {\n";
    for (int n = 0; n < 200; ++n)
        css += "  --token-" + std::to_string(n) + ": #" + std::to_string(100000 + n * 37) + ";\n";
    css += "}\n";
    for (int n = 0; css.size() < 1024 * 1024; ++n)
        css += ".component-" + std::to_string(n) +
               " .title:hover {\n  margin: 0 auto;\n  padding: 4px 8px;\n  font: 14px/1.5 "
               "\"Noto Sans\", sans-serif; /* body text */\n  color: rgb(" +
               std::to_string(n % 256) +
               " 58 95);\n  background: linear-gradient(to right, var(--token-1), "
               "hsl(" +
               std::to_string(n % 360) +
               " 60% 40%));\n  border-radius: 3px;\n  "
               "transition: color .2s;\n  display: flex;\n}\n";
    return css;
}

// Importing a style sheet of 1 MB: the file read, its colours found and named, and the palette
// kept as a new file in the palette folder.
void ImportStyleSheet1MB(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tessuvo-bench-import-" + std::to_string(::getpid()));
    const std::string folder = (dir / "palettes/").string(), sheet = (dir / "site.css").string();
    std::filesystem::create_directories(dir);
    std::ofstream(sheet) << SiteStyleSheet();
    std::size_t colours = 0;
    for (auto _ : state) {
        PaletteRead read = ReadPaletteFile(sheet);
        if (read.problem != PaletteProblem::None) {
            state.SkipWithError("the style sheet gave no palette");
            break;
        }
        colours = read.palette.colors.size();
        benchmark::DoNotOptimize(StorePalette(folder, std::move(read.palette)));
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        state.ResumeTiming();
    }
    state.counters["colours"] = static_cast<double>(colours);
    std::filesystem::remove_all(dir);
}
BENCHMARK(ImportStyleSheet1MB)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The band's tooltip names the nearest named colour of both of the pair.
void NearestNamedColour(benchmark::State& state)
{
    int n = 0;
    for (auto _ : state) {
        ++n;
        benchmark::DoNotOptimize(NearestNamedColor({n & 255, n >> 8 & 255, 128}));
    }
}
BENCHMARK(NearestNamedColour);

} // namespace
