#include "app/colorpickdlg.h"
#include "platform/menubar.h"
#include "platform/pickscreen.h"
#include "res/resource.h"
#include "settings/settingspath.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <benchmark/benchmark.h>

using namespace tessuvo;

namespace {

// A point near the far corner of the primary screen, away from the window.
QPointF FarPoint()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return QPointF(screen.right() - 10, screen.bottom() - 10);
}

// One pixel read on its own, as a press reads it.
void ReadOnePixel(benchmark::State& state)
{
    const QPointF at = FarPoint();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadScreenPixel(at));
}
BENCHMARK(ReadOnePixel)->Unit(benchmark::kMicrosecond);

// From the press, as the capture delivers it to the window, to the colour in the bars.
void PressToBars(benchmark::State& state)
{
    CColorPickDlg dlg(SettingsPath(ExecutableDirectory()), ExecutableDirectory() + HistoryFileName);
    dlg.show();
    QApplication::processEvents();
    QAction* start = dlg.GetMenu()->Command(res::ID_BG_PICK);
    const QPointF global = FarPoint();
    const QPointF local = dlg.mapFromGlobal(global);
    for (auto _ : state) {
        state.PauseTiming();
        start->trigger();
        state.ResumeTiming();
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&dlg, &press);
        state.PauseTiming();
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&dlg, &release);
        state.ResumeTiming();
    }
    state.counters["screen_width"] = QGuiApplication::primaryScreen()->size().width();
    dlg.reject();
}
BENCHMARK(PressToBars)->Unit(benchmark::kMicrosecond);

} // namespace
