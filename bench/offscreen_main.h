#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// Runs the file's benchmarks inside an offscreen application, so panels can be built and drawn
// without a display.
inline int runOffscreenBenchmarks(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
