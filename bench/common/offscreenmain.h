#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark that shows windows: Qt's offscreen platform, so that it runs
// without a display and measures the same work on every machine.
inline int runOffscreenBenchmarks(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
