// Memory over an evening with the program (korva_evening) against the smallest Qt Widgets
// program plus one copy of the map, the same yardstick as bench_startup's: both started as
// processes on the offscreen platform, interleaved, --runs times (3 by default); the table
// gives the median resident memory after each step of the evening, and the peak.
//
//     bench_evening [--runs N] [--evening PROGRAM]   (another build of it, to compare)
#include "bench/common/busymovefile.h"
#include "bench/common/processruns.h"
#include "bench/common/temporaryhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using processruns::median;
using processruns::writeFile;

constexpr double kMapMegabytes = 1512.0 * 2720.0 * 4.0 / (1024.0 * 1024.0);

QList<QByteArray> runLines(const QString& program, const QStringList& arguments,
                           const QString& folder, bool probe) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder);
    if (probe)
        environment.insert(QStringLiteral("KORVA_FIRST_PAINT_PROBE"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        std::fprintf(stderr, "%s", process.readAllStandardError().constData());
    return process.readAllStandardOutput().trimmed().split('\n');
}

} // namespace

int main(int argc, char** argv) {
    TemporaryHome home;
    QCoreApplication app(argc, argv);
    int runs = 3;
    const QStringList arguments = QCoreApplication::arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--runs")); at > 0)
        runs = std::max(1, arguments.value(at + 1).toInt());
    QString evening = QStringLiteral(EVENING_PROGRAM);
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--evening")); at > 0)
        evening = arguments.value(at + 1);
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/korva-evening-XXXXXX"));
    const QString busy = folder.filePath(QStringLiteral("busy.krv"));
    const QString stacks = folder.filePath(QStringLiteral("stacks.krv"));
    if (!folder.isValid() || !writeFile(busy, busymovefile::busy()) ||
        !writeFile(stacks, busymovefile::stackBusy())) {
        std::fprintf(stderr, "bench_evening: cannot write the move files\n");
        return 1;
    }
    std::vector<double> minimal;
    std::vector<QByteArray> steps;
    std::map<QByteArray, std::vector<double>> rss;
    std::vector<double> peaks;
    std::vector<double> seconds;
    for (int round = 0; round < runs; ++round) {
        const QList<QByteArray> probe =
            runLines(QStringLiteral(MINIMAL_PROGRAM), {}, folder.path(), true).value(0).split(' ');
        if (probe.size() != 3 || probe[0] != "first-paint") {
            std::fprintf(stderr, "bench_evening: the minimal program did not report\n");
            return 1;
        }
        minimal.push_back(probe[2].toDouble() / 1024.0);
        QElapsedTimer timer;
        timer.start();
        const QList<QByteArray> lines = runLines(evening, {busy, stacks}, folder.path(), false);
        seconds.push_back(double(timer.elapsed()) / 1e3);
        if (lines.size() < 2 || !lines.last().startsWith("docks ")) {
            std::fprintf(stderr, "bench_evening: the evening did not finish\n");
            return 1;
        }
        for (const QByteArray& line : lines) {
            const QList<QByteArray> words = line.split(' ');
            if (round == 0)
                steps.push_back(words[0]);
            rss[words[0]].push_back(words.value(1).toDouble() / 1024.0);
            if (&line == &lines.last())
                peaks.push_back(words.value(2).toDouble() / 1024.0);
        }
    }
    const double yardstick = median(minimal) + kMapMegabytes;
    std::printf("Memory over an evening, 1920 x 1080 view, offscreen, median of %d runs "
                "(%.1f s each)\n",
                runs, median(seconds));
    std::printf("%-40s %9s %18s\n", "", "RSS MB", "RSS / (min + map)");
    std::printf("%-40s %9.1f %17.2fx\n", "minimal program + one map", yardstick, 1.0);
    for (const QByteArray& step : steps) {
        const double mb = median(rss[step]);
        std::printf("%-40s %9.1f %17.2fx\n", step.constData(), mb, mb / yardstick);
    }
    std::printf("%-40s %9.1f %17.2fx\n", "peak", median(peaks), median(peaks) / yardstick);
    return 0;
}
