// The main of the benchmarks that need Qt: fonts and pictures need the application object, and
// the pictures are made at the scale the tests check.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/ui_setup.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpApplicationLook(app);
    LoadProgramResources(1.0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
