#include "app/colorpickdlg.h"
#include "platform/dialogfont.h"
#include "platform/scrollbar.h"
#include "res/resource.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace tessuvo;

namespace {

// One refresh as a thumb drag causes it: both edit texts and the repaint of the band.
void RefreshColorsWithRepaint(benchmark::State& state)
{
    CColorPickDlg dlg;
    dlg.Create();
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
