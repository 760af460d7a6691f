#include "app/resourcedll/resourcedllmodule.h"
#include "bench/common/busymovefile.h"
#include "bench/common/processruns.h"
#include "bench/common/temporaryhome.h"
#include "tests/app/resourcedll/hostiledlls.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using processruns::runPeakMegabytes;

QByteArray bytesOf(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

// Index 0 is the baseline every other row is read against.
QByteArray dll(std::int64_t which) {
    switch (which) {
    case 1:
        return bytesOf(hostiledlls::rleBomb(2000, 16, 4096, 4096));
    case 2:
        return bytesOf(hostiledlls::manySections(2000));
    default:
        return bytesOf(hostiledlls::minimal(2000));
    }
}

const char* const kNames[] = {"minimal", "16 RLE bitmaps of 4096 x 4096", "65,535 sections"};

// Reading the file's index and checking every bitmap header, in process.
void BM_ReadModule(benchmark::State& state) {
    const QByteArray bytes = dll(state.range(0));
    state.SetLabel(kNames[state.range(0)]);
    for (auto _ : state) {
        const ResourceDllModule module(bytes, QStringLiteral("korva_2.dll"));
        benchmark::DoNotOptimize(module.ids().size());
    }
}
BENCHMARK(BM_ReadModule)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// `korva --extract-pictures` (range 1 = 0) or `korva --render` with the DLL as korva_2.dll
// (range 1 = 1): what a player waits for, and the peak memory of the process.
void BM_Command(benchmark::State& state) {
    QTemporaryDir dir;
    const QString module = dir.filePath(QStringLiteral("korva_2.dll"));
    QFile file(module);
    if (!file.open(QIODevice::WriteOnly) || file.write(dll(state.range(0))) < 0) {
        state.SkipWithError("cannot write the DLL");
        return;
    }
    file.close();
    const bool render = state.range(1) == 1;
    state.SetLabel(std::string(render ? "render, " : "extract, ") + kNames[state.range(0)]);
    // A position with every counter in its first hex.
    QFile turn(dir.filePath(QStringLiteral("turn.krv")));
    QByteArray position;
    const auto word = [&position](std::int32_t v) {
        position.append(reinterpret_cast<const char*>(&v), 4);
    };
    word(11111111);
    word(234);
    for (std::int32_t n = 1; n <= 234; ++n) {
        word(n);
        word(n);
        word(0);
    }
    word(12121212);
    word(0);
    for (int t = 0; t < 3; ++t) {
        word(0);
        position.append('\0');
    }
    if (!turn.open(QIODevice::WriteOnly) || turn.write(position) < 0) {
        state.SkipWithError("cannot write the move file");
        return;
    }
    turn.close();
    const std::string program = KORVA_PROGRAM;
    const std::string out = QFile::encodeName(dir.filePath(QStringLiteral("out"))).toStdString();
    const std::vector<std::string> arguments =
        render ? std::vector<std::string>{program, "--render",
                                          QFile::encodeName(turn.fileName()).toStdString(),
                                          out + ".png"}
               : std::vector<std::string>{program, "--extract-pictures",
                                          QFile::encodeName(module).toStdString(), out};
    double peak = 0;
    for (auto _ : state) {
        peak = std::max(peak, runPeakMegabytes(arguments, dir.path()));
        state.PauseTiming();
        QDir(QString::fromStdString(out)).removeRecursively();
        state.ResumeTiming();
    }
    if (peak < 0)
        state.SkipWithError("the program did not run to its end");
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_Command)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

// `korva --render --zoom 400` with the built-in pictures, each iteration also timing the same
// render at 100%: "x_100" is the first over the second, "x_output" the peak memory over the
// output's pixels (four bytes each).
void BM_RenderZoom400(benchmark::State& state) {
    QTemporaryDir dir;
    const QString turn = dir.filePath(QStringLiteral("turn.krv"));
    QFile file(turn);
    const QByteArray position = busymovefile::busy();
    if (!file.open(QIODevice::WriteOnly) || file.write(position) != position.size()) {
        state.SkipWithError("cannot write the move file");
        return;
    }
    file.close();
    const std::string program = KORVA_PROGRAM;
    const std::string in = QFile::encodeName(turn).toStdString();
    const std::string out =
        QFile::encodeName(dir.filePath(QStringLiteral("out.png"))).toStdString();
    const std::vector<std::string> zoomed = {program, "--render", in, out, "--zoom", "400"};
    const std::vector<std::string> plain = {program, "--render", in, out};
    double peak = 0;
    double zoomedMs = 0;
    double plainMs = 0;
    const auto timed = [&](const std::vector<std::string>& arguments, double* megabytes) {
        QElapsedTimer timer;
        timer.start();
        const double used = runPeakMegabytes(arguments, dir.path());
        if (used < 0)
            state.SkipWithError("the program did not run to its end");
        if (megabytes)
            *megabytes = std::max(*megabytes, used);
        return double(timer.nsecsElapsed()) / 1e6;
    };
    for (auto _ : state) {
        const double ms = timed(zoomed, &peak);
        state.SetIterationTime(ms / 1e3);
        zoomedMs += ms;
        plainMs += timed(plain, nullptr);
    }
    // The map at 400%: 1512 x 2720 pixels four times over each way.
    constexpr double kOutputMegabytes = 1512.0 * 4 * 2720.0 * 4 * 4 / (1024.0 * 1024.0);
    state.counters["plain_ms"] = plainMs / double(state.iterations());
    state.counters["x_100"] = zoomedMs / plainMs;
    state.counters["peak_MB"] = peak;
    state.counters["x_output"] = peak / kOutputMegabytes;
}
BENCHMARK(BM_RenderZoom400)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

KORVA_BENCHMARK_MAIN()
