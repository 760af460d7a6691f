// Move files with a great many combats, as a hostile opponent would send them, against the
// busy position with its 50 combats, in the same run:
// - Open in the shown window (offscreen) until the window is flushed: "x_ordinary" is the
//   Open of the many combats over an ordinary Open (the stacked position over the busy one),
//   timed in the same iterations, "cpu_x_ordinary" the same in processor time, and
//   "leave_ms" the Open that takes the combats off again;
// - the program's peak memory when it opens the largest file the reader accepts (the window
//   started with the file, until its first paint) and when it renders that file with
//   --render, each beside the same run with the busy file.
// Layout 0 puts dozens of combats on each hex of the board, ordered as the opponent's program
// writes them, layout 1 the same in no order, layout 2 each on a pixel of its own, so that
// every one draws its picture and keeps the block it covered.
//
//     bench_combats [benchmark options]
//     bench_combats --write-files FOLDER   (only writes the files, to profile by hand)
#include "app/files/filesfeature.h"
#include "app/pictures/picturemoduleloader.h"
#include "app/window/tmainform.h"
#include "bench/common/busymovefile.h"
#include "bench/common/flushwatch.h"
#include "bench/common/manycombats.h"
#include "bench/common/offscreenmain.h"
#include "bench/common/processruns.h"
#include "bench/common/steadytimes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <string>

namespace {

using manycombats::Layout;
using processruns::runPeakMegabytes;
using processruns::writeFile;

int combatsFor(std::int64_t requested) {
    return requested > 0 ? static_cast<int>(requested) : manycombats::combatsAtSizeLimit();
}

std::string label(int combats, std::int64_t layout) {
    return std::to_string(combats) + " combats " + manycombats::nameOf(Layout(layout));
}

double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The window as the program starts it, with the built-in pictures.
std::unique_ptr<TMainForm> makeShownForm() {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) { return loadPictureModule(name, {}, {}); };
    setup.seed = 1;
    auto form = std::make_unique<TMainForm>(std::move(setup));
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    QCoreApplication::processEvents();
    return form;
}

// The program as a player starts it, or `korva --render`, on the largest file the reader
// accepts in layout range(1), and on the busy file: "peak_MB" and "ordinary_peak_MB" are the
// processes' peak memory, "x_ordinary" the first over the second, "file_MB" the file's size.
void runWholeProgram(benchmark::State& state, bool render) {
    const int combats = combatsFor(0);
    state.SetLabel(label(combats, state.range(0)));
    QTemporaryDir folder;
    const QString many = folder.filePath(QStringLiteral("many.krv"));
    const QString ordinary = folder.filePath(QStringLiteral("busy.krv"));
    // Gone before the program runs: the figures count this process's memory too.
    const auto written = [&] {
        const QByteArray bytes = manycombats::make(combats, Layout(state.range(0)));
        return writeFile(many, bytes) && writeFile(ordinary, busymovefile::busy());
    };
    if (!written()) {
        state.SkipWithError("cannot write the move files");
        return;
    }
    const double fileMegabytes = double(QFileInfo(many).size()) / (1024.0 * 1024.0);
    const std::string program = KORVA_PROGRAM;
    const std::string out =
        QFile::encodeName(folder.filePath(QStringLiteral("out.png"))).toStdString();
    const auto arguments = [&](const QString& file) {
        const std::string in = QFile::encodeName(file).toStdString();
        return render ? std::vector<std::string>{program, "--render", in, out}
                      : std::vector<std::string>{program, in};
    };
    // The window's settings and the game's history in the run's own folder; the window
    // reports its first paint and exits.
    const std::vector<std::string> settings = {
        "QT_QPA_PLATFORM=offscreen", "KORVA_FIRST_PAINT_PROBE=1",
        "HOME=" + QFile::encodeName(folder.path()).toStdString()};
    double peak = 0.0;
    double ordinaryPeak = 0.0;
    double ordinaryMs = 0.0;
    const auto run = [&](const QString& file, double* megabytes) {
        QFile::remove(QString::fromStdString(out));
        QElapsedTimer timer;
        timer.start();
        const double used = runPeakMegabytes(arguments(file), folder.path(), settings);
        if (used < 0 || (render && !QFileInfo::exists(QString::fromStdString(out))))
            state.SkipWithError("the program did not run to its end");
        *megabytes = std::max(*megabytes, used);
        return elapsedMs(timer);
    };
    for (auto _ : state) {
        state.SetIterationTime(run(many, &peak) / 1e3);
        ordinaryMs += run(ordinary, &ordinaryPeak);
    }
    state.counters["ordinary_ms"] = ordinaryMs / double(state.iterations());
    state.counters["peak_MB"] = peak;
    state.counters["ordinary_peak_MB"] = ordinaryPeak;
    state.counters["x_ordinary"] = peak / ordinaryPeak;
    state.counters["file_MB"] = fileMegabytes;
}

void BM_ProgramOpensSizeLimit(benchmark::State& state) {
    runWholeProgram(state, false);
}
BENCHMARK(BM_ProgramOpensSizeLimit)
    ->DenseRange(0, 2)
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_RenderSizeLimit(benchmark::State& state) {
    runWholeProgram(state, true);
}
BENCHMARK(BM_RenderSizeLimit)
    ->DenseRange(0, 2)
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Open (Ctrl+O without the dialog) of range(0) combats (0: as many as the size limit allows)
// in layout range(1), each until the window is flushed; the ratios are the medians of each
// iteration's.
void BM_OpenInShownWindow(benchmark::State& state) {
    const int combats = combatsFor(state.range(0));
    state.SetLabel(label(combats, state.range(1)));
    QTemporaryDir folder;
    const QString manyFile = folder.filePath(QStringLiteral("many.krv"));
    const QString busy = folder.filePath(QStringLiteral("busy.krv"));
    const QString stacked = folder.filePath(QStringLiteral("stacked.krv"));
    auto form = makeShownForm();
    if (!writeFile(manyFile, manycombats::make(combats, Layout(state.range(1)))) ||
        !writeFile(busy, busymovefile::busy()) || !writeFile(stacked, busymovefile::stackBusy()) ||
        !form) {
        state.SkipWithError("no move file or no window");
        return;
    }
    FlushWatch watch(*form);
    // Wall and processor time of one Open: on a busy machine the second is the steadier.
    struct Times {
        double ms = 0.0;
        double cpuMs = 0.0;
    };
    const auto timedOpen = [&](const QString& path, Times& sum) {
        const double cpuBefore = processCpuMs();
        QElapsedTimer timer;
        timer.start();
        if (!form->files().OpenMove(path) || !watch.waitForFlush())
            state.SkipWithError("the move file was refused or never shown");
        const double ms = elapsedMs(timer);
        sum.ms += ms;
        sum.cpuMs += processCpuMs() - cpuBefore;
        return ms;
    };
    Times many;
    Times ordinary;
    Times leave;
    // Once untimed, so that every timed Open meets pictures and memory made before.
    for (const QString& path : {busy, manyFile, busy})
        timedOpen(path, leave);
    // Each iteration's ratios: the ordinary Open beside it saw the same machine.
    std::vector<double> ratios;
    std::vector<double> cpuRatios;
    std::vector<double> ordinaryMs;
    std::vector<double> leaveMs;
    for (auto _ : state) {
        // The ordinary Open shows the stacked position over the busy one; the many combats
        // come over the stacked one, and the busy position takes them off again.
        ordinary = {};
        many = {};
        leave = {};
        timedOpen(stacked, ordinary);
        state.SetIterationTime(timedOpen(manyFile, many) / 1e3);
        timedOpen(busy, leave);
        ratios.push_back(many.ms / ordinary.ms);
        cpuRatios.push_back(many.cpuMs / ordinary.cpuMs);
        ordinaryMs.push_back(ordinary.ms);
        leaveMs.push_back(leave.ms);
    }
    state.counters["ordinary_ms"] = medianOf(ordinaryMs);
    state.counters["x_ordinary"] = medianOf(ratios);
    state.counters["cpu_x_ordinary"] = medianOf(cpuRatios);
    state.counters["leave_ms"] = medianOf(leaveMs);
}
BENCHMARK(BM_OpenInShownWindow)
    ->ArgsProduct({{200000}, {0, 1, 2}})
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInShownWindow)
    ->ArgsProduct({{0}, {0, 1, 2}})
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int writeFiles(const QString& folder) {
    const QDir dir(folder);
    const int limit = manycombats::combatsAtSizeLimit();
    const bool written =
        writeFile(dir.filePath(QStringLiteral("busy.krv")), busymovefile::busy()) &&
        writeFile(dir.filePath(QStringLiteral("hexes-200k.krv")),
                  manycombats::make(200000, Layout::Hexes)) &&
        writeFile(dir.filePath(QStringLiteral("hexes-limit.krv")),
                  manycombats::make(limit, Layout::Hexes)) &&
        writeFile(dir.filePath(QStringLiteral("shuffled-limit.krv")),
                  manycombats::make(limit, Layout::ShuffledHexes)) &&
        writeFile(dir.filePath(QStringLiteral("pixels-limit.krv")),
                  manycombats::make(limit, Layout::Pixels));
    if (!written)
        std::fprintf(stderr, "bench_combats: cannot write the move files\n");
    return written ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--write-files")
            return writeFiles(QString::fromLocal8Bit(argv[i + 1]));
    return runOffscreenBenchmarks(argc, argv);
}
