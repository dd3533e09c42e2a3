// The main of the benchmarks that run on a real display: an application with the dialog font,
// then the benchmarks.
#include "platform/dialogfont.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tessuvo::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
