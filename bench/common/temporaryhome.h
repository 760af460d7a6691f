#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A benchmark runs in a home of its own, made for the run and removed after it: the game
// history, the dice ledger, the settings and any game folder a run makes go there, and the
// user's home is left as it was. Programs the benchmark starts inherit it.
class TemporaryHome {
public:
    TemporaryHome() : folder_(QDir::tempPath() + QStringLiteral("/korva-bench-home-XXXXXX")) {
        if (!folder_.isValid()) {
            std::fprintf(stderr, "no temporary home for the benchmark\n");
            std::exit(1);
        }
        const QByteArray home = QFile::encodeName(folder_.path());
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", home + "/.config");
        qputenv("XDG_DATA_HOME", home + "/.local/share");
        qputenv("XDG_CACHE_HOME", home + "/.cache");
        qputenv("XDG_STATE_HOME", home + "/.local/state");
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

private:
    QTemporaryDir folder_;
};

// BENCHMARK_MAIN() in a temporary home (where <benchmark/benchmark.h> is included: the
// programs that only start others do without Google Benchmark).
#define KORVA_BENCHMARK_MAIN()                                                                     \
    int main(int argc, char** argv) {                                                              \
        TemporaryHome home;                                                                        \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
