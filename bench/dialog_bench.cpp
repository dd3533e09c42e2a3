#include "app/colorpickdlg.h"
#include "app/colorvisionband.h"
#include "app/pairhistorymenu.h"
#include "app/previewband.h"
#include "collections/pairhistory.h"
#include "dialogs/collections/regcolordlg.h"
#include "dialogs/help/helpbrowser.h"
#include "dialogs/palettes/palettewindow.h"
#include "dialogs/palettes/swatchview.h"
#include "dialogs/tags/gradationdlg.h"
#include "help/helploader.h"
#include "platform/dialogfont.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/scrollbar.h"
#include "res/resource.h"
#include "settings/settingspath.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace tessuvo;

namespace {

// One refresh as a thumb drag causes it: both edit texts and the repaint of the band.
void RefreshColorsWithRepaint(benchmark::State& state)
{
    CColorPickDlg dlg(SettingsPath(ExecutableDirectory()), ExecutableDirectory() + HistoryFileName);
    dlg.show();
    QApplication::processEvents();
    auto* red = dlg.Control<ScrollBar>(res::IDC_BG_RED);
    int position = 0;
    for (auto _ : state) {
        red->SetScrollPos(position++ & 255);
        dlg.RefreshColors();
    }
    dlg.reject();
}
BENCHMARK(RefreshColorsWithRepaint)->Unit(benchmark::kMicrosecond);

// The same refresh with the contrast line off (0) and on (1), and the repaints it leaves
// pending (the edit boxes, the line) done at once, as the event loop does them.
void RefreshColorsContrastLine(benchmark::State& state)
{
    CColorPickDlg dlg(SettingsPath(ExecutableDirectory()), ExecutableDirectory() + HistoryFileName);
    dlg.show();
    if (state.range(0) == 1)
        dlg.GetMenu()->Command(res::ID_CONTRAST_LINE)->trigger();
    QApplication::processEvents();
    auto* red = dlg.Control<ScrollBar>(res::IDC_BG_RED);
    int position = 0;
    for (auto _ : state) {
        red->SetScrollPos(position++ & 255);
        dlg.RefreshColors();
        QApplication::processEvents();
    }
    dlg.reject();
}
BENCHMARK(RefreshColorsContrastLine)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One paint of the band with its preview text, seen normally (0) and under each simulation
// (1 to 4: 1型, 2型, 3型, 1色覚).
void BandPaintUnderSimulation(benchmark::State& state)
{
    QImage client(PreviewBand.right() + 1, PreviewTextBox.bottom() + 1, QImage::Format_RGB32);
    const auto vision = static_cast<ColorVision>(state.range(0));
    const QString text = QStringLiteral("[TESSUVO]");
    for (auto _ : state) {
        QPainter painter(&client);
        PaintSimulatedBand(painter, PreviewText, {255, 244, 214}, {31, 78, 156}, text, vision);
    }
}
BENCHMARK(BandPaintUnderSimulation)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// A settings file with all 18 background slots in use, as the registered colours read it.
class FullSlotsFile
{
public:
    FullSlotsFile() : m_path(SettingsPath(ExecutableDirectory()))
    {
        std::ofstream out(m_path);
        out << "[FLG]\nTOPMOST=0\nRGB=3\nPREVIEW=0\n";
        for (int n = 1; n <= 18; ++n)
            out << "[BG" << n << "]\nITEM=1\nred=" << n * 10 << "\ngreen=80\nblue=160\n";
    }
    ~FullSlotsFile() { std::filesystem::remove(m_path); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

constexpr Color Offered{18, 171, 255};

// From construction to the first paint of the whole dialog, its 18 slots read from the file.
void RegColorDlgOpenToFirstPaint(benchmark::State& state)
{
    FullSlotsFile file;
    for (auto _ : state) {
        CRegColorDlg dlg(file.Path(), ColorTarget::Background, Offered, nullptr);
        dlg.show();
        benchmark::DoNotOptimize(dlg.grab());
        dlg.reject();
    }
}
BENCHMARK(RegColorDlgOpenToFirstPaint)->Unit(benchmark::kMicrosecond);

// One repaint of the open dialog: every slot reads its three keys (54 reads of the file).
void RegColorDlgRepaint(benchmark::State& state)
{
    FullSlotsFile file;
    CRegColorDlg dlg(file.Path(), ColorTarget::Background, Offered, nullptr);
    dlg.show();
    QApplication::processEvents();
    for (auto _ : state)
        dlg.Client()->repaint();
    dlg.reject();
}
BENCHMARK(RegColorDlgRepaint)->Unit(benchmark::kMicrosecond);

// One Regenerate of the gradation dialog as a key or a step of a bar causes it, with a text of
// 30 bytes: the tags built, the colour box written and the band and swatches repainted.
void GradationRegenerate30Bytes(benchmark::State& state)
{
    CGradationTagDlg dlg(SettingsPath(ExecutableDirectory()), nullptr);
    dlg.m_start = {255, 255, 255};
    dlg.m_middle = {127, 0, 127};
    dlg.m_end = {0, 0, 0};
    dlg.show();
    dlg.Control<EditBox>(res::IDC_GRAD_TEXT)->SetWindowText("[TESSUVO]グラデーション1234567");
    QApplication::processEvents();
    auto* red = dlg.Control<ScrollBar>(res::IDC_GRAD_RED);
    int position = 0;
    for (auto _ : state) {
        red->SetScrollPos(position++ & 255);
        dlg.Regenerate();
    }
    dlg.reject();
}
BENCHMARK(GradationRegenerate30Bytes)->Unit(benchmark::kMicrosecond);

// Opening the history menu with 20 pairs: the history read from its file, the items with their
// icons built, and the menu shown and painted.
void PairHistoryMenuOpen20(benchmark::State& state)
{
    const std::string path = ExecutableDirectory() + HistoryFileName;
    std::filesystem::remove(path);
    for (int n = 0; n < PairHistoryLimit; ++n)
        RecordPair(path, {{n * 12, 255 - n * 12, 128}, {0, n, 255 - n}});
    QWidget owner;
    PairHistoryMenu menu(path, &owner);
    for (auto _ : state) {
        menu.popup(QPoint(0, 0));
        QApplication::processEvents();
        benchmark::DoNotOptimize(menu.actions().size());
        menu.hide();
    }
    state.counters["items"] = static_cast<double>(menu.actions().size());
    std::filesystem::remove(path);
}
BENCHMARK(PairHistoryMenuOpen20)->Unit(benchmark::kMicrosecond);

// The copy command with its history write: the value copied, the pair put first among 20 and
// the history's file written (a file flushed to the disk).
void CopyWithHistory(benchmark::State& state)
{
    const std::string path = ExecutableDirectory() + HistoryFileName;
    std::filesystem::remove(path);
    for (int n = 0; n < PairHistoryLimit; ++n)
        RecordPair(path, {{n, 0, 0}, {255, 255, 255}});
    CColorPickDlg dlg(SettingsPath(ExecutableDirectory()), path);
    dlg.show();
    QApplication::processEvents();
    QAction* copy = dlg.GetMenu()->Command(res::ID_BG_COPY);
    int n = 0;
    for (auto _ : state) {
        // A pair not first yet, so that every copy writes.
        dlg.ApplyColorText(ColorTarget::Background, n++ % 2 ? "#000000" : "#010000");
        copy->trigger();
    }
    dlg.reject();
    std::filesystem::remove(path);
}
BENCHMARK(CopyWithHistory)->Unit(benchmark::kMillisecond);

// A palette folder holding one palette of 10,000 colours, shown last.
class LargePaletteFolder
{
public:
    LargePaletteFolder()
        : m_folder(
              std::filesystem::temp_directory_path() /
              ("tessuvo-bench-palettes-" + std::to_string(QCoreApplication::applicationPid()))),
          m_settings((m_folder / SettingsFileName).string())
    {
        std::filesystem::create_directories(m_folder);
        std::ofstream palette(m_folder / "large.gpl");
        palette << "GIMP Palette\nName: Large\n";
        for (int n = 0; n < 10000; ++n)
            palette << n % 256 << ' ' << n / 256 * 6 << ' ' << 255 - n % 256 << "\tcolour " << n
                    << '\n';
        std::ofstream(m_settings) << "[PALETTES]\nSHOWN=large.gpl\n";
    }
    ~LargePaletteFolder() { std::filesystem::remove_all(m_folder); }
    std::string Folder() const { return m_folder.string() + '/'; }
    const std::string& Settings() const { return m_settings; }

private:
    std::filesystem::path m_folder;
    std::string m_settings;
};

// From the command to the first paint of the palette window on a palette of 10,000 colours:
// the folder listed, the palette read and searched, the swatches laid out and painted.
void PaletteWindowOpen10000ToFirstPaint(benchmark::State& state)
{
    LargePaletteFolder folder;
    for (auto _ : state) {
        CPaletteWindow window(folder.Settings(), {}, folder.Folder(), nullptr);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(PaletteWindowOpen10000ToFirstPaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// One keystroke in the filter over 10,000 colours, typed and taken back in turn, to the repaint
// of the swatches.
void PaletteFilterKeystroke10000(benchmark::State& state)
{
    LargePaletteFolder folder;
    CPaletteWindow window(folder.Settings(), {}, folder.Folder(), nullptr);
    window.show();
    QApplication::processEvents();
    auto* filter = window.findChild<QLineEdit*>();
    auto* swatches = window.findChild<SwatchView*>();
    int n = 0;
    for (auto _ : state) {
        const bool typing = n++ % 2 == 0;
        QKeyEvent key(QEvent::KeyPress, typing ? Qt::Key_1 : Qt::Key_Backspace, Qt::NoModifier,
                      typing ? QStringLiteral("1") : QString());
        QApplication::sendEvent(filter, &key);
        swatches->viewport()->repaint();
    }
    state.counters["shown"] = swatches->ShownCount();
}
BENCHMARK(PaletteFilterKeystroke10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
// A page of the help file the build made shown in the help window, read and laid out: two
// pages in turn as links are followed (0), or the first page of a window opened anew (1).
void HelpPageShow(benchmark::State& state)
{
    const ChmLibrary* chm = LoadHelpLibrary();
    if (!chm) {
        state.SkipWithError("libchm1 is not installed");
        return;
    }
    auto browser = std::make_unique<HelpBrowser>(*chm, nullptr);
    int n = 0;
    for (auto _ : state) {
        if (state.range(0))
            browser = std::make_unique<HelpBrowser>(*chm, nullptr);
        browser->ShowTopic(TESSUVO_HELP_FILE, n++ % 2 ? "/colors.htm" : "/tags.htm");
    }
}
BENCHMARK(HelpPageShow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
