#include "app/colorpickdlg.h"
#include "platform/magnifier.h"
#include "platform/menubar.h"
#include "res/resource.h"
#include "residentmemory.h"
#include "settings/settingspath.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

using namespace tessuvo;
using tessuvo::bench::ResidentKb;

namespace {

// Counts the magnifier's paints.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The main window with its background eyedropper armed, the pointer in the middle of the
// primary screen, away from the window, and the magnifier shown beside it.
class Armed
{
public:
    Armed() : dlg(SettingsPath(ExecutableDirectory()), ExecutableDirectory() + HistoryFileName)
    {
        dlg.show();
        QApplication::processEvents();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        at = QPointF(screen.center().x() + screen.width() / 4, screen.center().y());
        QCursor::setPos(at.toPoint());
        dlg.GetMenu()->Command(res::ID_BG_PICK)->trigger();
        while (!(magnifier = dlg.findChild<Magnifier*>()) || !magnifier->isVisible())
            QApplication::processEvents();
        magnifier->installEventFilter(&counter);
    }
    ~Armed() { dlg.reject(); }

    // A move of the pointer to `global`, as the capture delivers it to the window.
    void Move(QPointF global)
    {
        QCursor::setPos(global.toPoint());
        QMouseEvent move(QEvent::MouseMove, dlg.mapFromGlobal(global), global, Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&dlg, &move);
    }

    CColorPickDlg dlg;
    Magnifier* magnifier = nullptr;
    PaintCounter counter;
    QPointF at;
};

// One update: the grab of the 15 × 15 square, its description, placement and repaint.
void MagnifierUpdate(benchmark::State& state)
{
    Armed armed;
    for (auto _ : state)
        armed.magnifier->Update();
    state.counters["screen_width"] = QGuiApplication::primaryScreen()->size().width();
}
BENCHMARK(MagnifierUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// From a move of the pointer that reaches the window to the magnifier repainted. The moves
// come more than a frame apart, as a hand moves a mouse: faster ones are gathered into frames.
void MotionToRepaint(benchmark::State& state)
{
    Armed armed;
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QThread::msleep(20);
        const QPointF to = armed.at + QPointF(++step % 2, 0);
        const int painted = armed.counter.paints;
        state.ResumeTiming();
        armed.Move(to);
        while (armed.counter.paints == painted)
            QApplication::processEvents();
    }
}
BENCHMARK(MotionToRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(100)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// 10,000 moves across the screen while armed, as fast as they come: the resident memory they
// leave behind, and the updates that they made.
void TenThousandMoves(benchmark::State& state)
{
    Armed armed;
    const auto moves = [&armed](int count) {
        for (int i = 0; i < count; ++i) {
            armed.Move(armed.at + QPointF(i % 200, (i / 200) % 50));
            QApplication::processEvents();
        }
    };
    moves(1000); // caches, fonts and the backing store reach their size
    const long before = ResidentKb();
    const int paints = armed.counter.paints;
    for (auto _ : state)
        moves(10000);
    state.counters["rss_growth_kb"] = static_cast<double>(ResidentKb() - before);
    state.counters["updates"] = armed.counter.paints - paints;
}
BENCHMARK(TenThousandMoves)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
