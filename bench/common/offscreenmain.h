#pragma once

#include "bench/common/temporaryhome.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

// The main() of a benchmark that shows windows: Qt's offscreen platform, so that it runs
// without a display and measures the same work on every machine.
inline int runOffscreenBenchmarks(int argc, char** argv) {
    TemporaryHome home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes (a dock shown or hidden, a window raised, no runtime
    // folder) would drown the table; anything else is shown.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && !text.contains(QStringLiteral("propagateSizeHints")) &&
            !text.contains(QStringLiteral("does not support raise()")) &&
            !text.startsWith(QStringLiteral("QStandardPaths:")))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
