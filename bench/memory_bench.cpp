// Resident memory of the main window under long use: what each kind of operation leaves behind
// after 1,000 of them have warmed the caches up, and the whole after 10,000 mixed operations.
// Runs on Qt's offscreen platform, or on a display given with QT_QPA_PLATFORM=xcb.
#include "app/colorpickdlg.h"
#include "collections/pairhistory.h"
#include "platform/dialogfont.h"
#include "platform/editbox.h"
#include "platform/menubar.h"
#include "platform/menubarstyle.h"
#include "res/resource.h"
#include "residentmemory.h"
#include "settings/settingspath.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace tessuvo;
using tessuvo::bench::ResidentKb;

namespace {

// The main window over a full history, in files of the benchmark's own.
class Window
{
public:
    Window()
        : m_dir(std::filesystem::temp_directory_path() /
                ("tessuvo-memory-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_dir);
        const std::string history = (m_dir / HistoryFileName).string();
        for (int n = 0; n < PairHistoryLimit; ++n)
            RecordPair(history, {{n * 12, 255 - n * 12, 128}, {0, n, 255 - n}});
        dlg = std::make_unique<CColorPickDlg>((m_dir / SettingsFileName).string(), history);
        dlg->show();
        dlg->activateWindow();
        QApplication::processEvents();
    }
    ~Window()
    {
        dlg.reset();
        std::filesystem::remove_all(m_dir);
    }

    // ﾂｰﾙ > 最近使った組み合わせ by its mnemonics, as a user opens it: the highlighted submenu
    // items draw their arrows.
    void OpenHistoryMenu() const
    {
        QTest::keyClick(dlg.get(), Qt::Key_T, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_H);
        CloseMenus();
    }
    // 設定 > コントラストを表示, which shows or hides the line and resizes the window.
    void ToggleContrastLine() const
    {
        QTest::keyClick(dlg.get(), Qt::Key_S, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
        QApplication::processEvents();
    }
    // The band's context menu with its colour-vision submenu open, then closed.
    void OpenBandMenu() const
    {
        QTimer::singleShot(0, [] {
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
            CloseMenus();
        });
        const QPoint at = dlg->Client()->mapTo(dlg.get(), QPoint(100, 16));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, dlg->mapToGlobal(at));
        QApplication::sendEvent(dlg.get(), &event);
        QApplication::processEvents();
    }
    void Copy() const
    {
        dlg->GetMenu()->Command(res::ID_BG_COPY)->trigger();
        QApplication::processEvents();
    }
    // A colour typed into the text colour's box and taken with Enter.
    void Type(int n) const
    {
        auto* box = dlg->Control<EditBox>(res::IDC_EDIT_FG);
        box->selectAll();
        const QString text = QStringLiteral("#%1\n").arg(n % 256 * 0x10101, 6, 16, QChar('0'));
        for (const QChar ch : text) {
            const int key = ch == '\n' ? Qt::Key_Return : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(box, &press);
        }
        QApplication::processEvents();
    }

    std::unique_ptr<CColorPickDlg> dlg;

private:
    static void CloseMenus()
    {
        QApplication::processEvents();
        while (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        QApplication::processEvents();
    }

    std::filesystem::path m_dir;
};

// `state.range(0)` runs of `operation`, after 1,000 that bring caches and pools to their size; the
// growth of the resident memory is the counter.
void Growth(benchmark::State& state, const std::function<void(const Window&, int)>& operation)
{
    Window window;
    for (int i = 0; i < 1000; ++i)
        operation(window, i);
    const long before = ResidentKb();
    for (auto _ : state) {
        for (int i = 0; i < state.range(0); ++i)
            operation(window, i);
    }
    state.counters["rss_growth_kb"] = static_cast<double>(ResidentKb() - before);
}

void HistoryMenuOpenings(benchmark::State& state)
{
    Growth(state, [](const Window& w, int) { w.OpenHistoryMenu(); });
}
void ContrastLineToggles(benchmark::State& state)
{
    Growth(state, [](const Window& w, int) { w.ToggleContrastLine(); });
}
void BandMenuOpenings(benchmark::State& state)
{
    Growth(state, [](const Window& w, int) { w.OpenBandMenu(); });
}
void Copies(benchmark::State& state)
{
    Growth(state, [](const Window& w, int) { w.Copy(); });
}
void Typing(benchmark::State& state)
{
    Growth(state, [](const Window& w, int i) { w.Type(i); });
}
// The five in turn: 10,000 operations in all after the first 1,000.
void MixedOperations(benchmark::State& state)
{
    Growth(state, [](const Window& w, int i) {
        switch (i % 5) {
        case 0:
            return w.OpenHistoryMenu();
        case 1:
            return w.ToggleContrastLine();
        case 2:
            return w.OpenBandMenu();
        case 3:
            return w.Copy();
        default:
            return w.Type(i);
        }
    });
}

BENCHMARK(HistoryMenuOpenings)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ContrastLineToggles)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BandMenuOpenings)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Copies)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Typing)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(MixedOperations)->Arg(9000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says at every menu that it cannot raise or grab.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    InstallMenuBarStyle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
