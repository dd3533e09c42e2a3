#include "core/colortext/copyformats.h"
#include "core/colortext/csscolor.h"
#include "core/colortext/notation.h"
#include "core/colortext/pastedtext.h"
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

} // namespace
