// What a player waits for when the program starts: from starting the process to its first
// painted main window, and the resident memory at that moment, against the smallest Qt
// Widgets program (startup_minimal_window) started the same way.
//
// Both programs run on Qt's offscreen platform with KORVA_FIRST_PAINT_PROBE set, which makes
// them print "first-paint <CLOCK_MONOTONIC ns> <VmRSS kB>" once the window has painted and
// been flushed, and exit (app/firstpaintprobe.h). The time is taken from just before the
// process is started. Each case runs once to warm the file cache, then --runs times (5 by
// default), interleaved; the table gives medians and ratios.
//
//     bench_startup [--runs N] [--korva PROGRAM]   (another build of the program, to compare)
//     bench_startup --write-files FOLDER   (only writes busy.krv and stacks.krv there, to
//                                           profile the program by hand)
#include "bench/common/busymovefile.h"
#include "bench/common/processruns.h"
#include "bench/common/temporaryhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

namespace {

using processruns::median;
using processruns::writeFile;

// One copy of the map's pixels: 1512 x 2720, four bytes each.
constexpr double kMapMegabytes = 1512.0 * 2720.0 * 4.0 / (1024.0 * 1024.0);

struct Case {
    const char* title;
    QString program;
    QStringList arguments;
    std::vector<double> milliseconds;
    std::vector<double> megabytes;
};

struct Sample {
    double milliseconds;
    double megabytes;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

std::optional<Sample> runOnce(const Case& run, const QString& folder) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KORVA_FIRST_PAINT_PROBE"), QStringLiteral("1"));
    // Settings and the game's history of the run's own, the same for every start.
    environment.insert(QStringLiteral("HOME"), folder);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    // Qt's notes about the offscreen platform would drown the table; shown on a failure.
    const long long started = monotonicNanoseconds();
    process.start(run.program, run.arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    const QList<QByteArray> words = process.readAllStandardOutput().trimmed().split(' ');
    if (words.size() != 3 || words[0] != "first-paint") {
        std::fprintf(stderr, "%s", process.readAllStandardError().constData());
        return std::nullopt;
    }
    return Sample{double(words[1].toLongLong() - started) / 1e6, words[2].toDouble() / 1024.0};
}

} // namespace

int main(int argc, char** argv) {
    TemporaryHome home;
    QCoreApplication app(argc, argv);
    int runs = 5;
    const QStringList arguments = QCoreApplication::arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--runs")); at > 0)
        runs = std::max(1, arguments.value(at + 1).toInt());

    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/korva-startup-XXXXXX"));
    QDir filesFolder(folder.path());
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--write-files")); at > 0)
        filesFolder.setPath(arguments.value(at + 1));
    const QString busy = filesFolder.absoluteFilePath(QStringLiteral("busy.krv"));
    const QString stacks = filesFolder.absoluteFilePath(QStringLiteral("stacks.krv"));
    if (!folder.isValid() || !writeFile(busy, busymovefile::busy()) ||
        !writeFile(stacks, busymovefile::stackBusy())) {
        std::fprintf(stderr, "bench_startup: cannot write the move files\n");
        return 1;
    }
    if (filesFolder.path() != folder.path())
        return 0;

    QString korva = QStringLiteral(KORVA_PROGRAM);
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--korva")); at > 0)
        korva = arguments.value(at + 1);
    std::vector<Case> cases = {
        {"minimal program (empty QMainWindow)", QStringLiteral(MINIMAL_PROGRAM), {}, {}, {}},
        {"korva, no file", korva, {}, {}, {}},
        {"korva, busy move file", korva, {busy}, {}, {}},
        {"korva, stack-busy move file", korva, {stacks}, {}, {}},
    };
    for (int round = 0; round <= runs; ++round) {
        for (Case& run : cases) {
            const std::optional<Sample> sample = runOnce(run, folder.path());
            if (!sample) {
                std::fprintf(stderr, "bench_startup: %s did not report its first paint\n",
                             run.title);
                return 1;
            }
            if (round == 0)
                continue; // warming the file cache
            run.milliseconds.push_back(sample->milliseconds);
            run.megabytes.push_back(sample->megabytes);
        }
    }

    const double minimalMs = median(cases[0].milliseconds);
    const double minimalMb = median(cases[0].megabytes);
    std::printf("Start to first painted window, offscreen, median of %d runs\n", runs);
    std::printf("%-38s %9s %7s %9s %18s\n", "", "time ms", "ratio", "RSS MB", "RSS / (min + map)");
    for (const Case& run : cases) {
        const double ms = median(run.milliseconds);
        const double mb = median(run.megabytes);
        std::printf("%-38s %9.1f %6.1fx %9.1f %17.2fx\n", run.title, ms, ms / minimalMs, mb,
                    mb / (minimalMb + kMapMegabytes));
    }
    return 0;
}
