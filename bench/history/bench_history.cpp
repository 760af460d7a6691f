// What the game's history adds to an Open: finding the game of a file without an id and the
// player's own last file, then keeping a copy, in a history of 300 copies in 10 games;
// against opening the same file in a shown main window (offscreen) without a history.
#include "cachedpicturemodule.h"
#include "gamehistory.h"
#include "movefile.h"
#include "tmainform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// Two busy positions of the opponent's program (no Korva block), in the player's mail folder.
struct Files {
    QTemporaryDir dir;
    QString mail = dir.filePath(QStringLiteral("mail"));
    std::array<QString, 2> turns;

    Files() {
        QDir().mkpath(mail);
        for (int t = 0; t < 2; ++t) {
            MoveFileContents contents;
            for (int n = 1; n <= 234; ++n)
                contents.counters.push_back({100 + n * 7 + t, 200 + n * 11 + t, 0, 0});
            turns[std::size_t(t)] = mail + QStringLiteral("/turn%1.krv").arg(t + 1);
            QFile file(turns[std::size_t(t)]);
            const QByteArray bytes = encodeMoveFile(contents);
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
        }
    }
};

Files& files() {
    static Files instance;
    return instance;
}

double openNanoseconds = 0;

void BM_OpenInWindow(benchmark::State& state) {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
        return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
    };
    setup.seed = 1;
    TMainForm form(std::move(setup));
    form.show();
    QCoreApplication::processEvents();
    std::size_t t = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        form.OpenMove(files().turns[t]);
        QCoreApplication::processEvents(); // the repaint the player waits for
        t = 1 - t;
    }
    openNanoseconds =
        double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count()) /
        double(state.iterations());
}
BENCHMARK(BM_OpenInWindow)->Unit(benchmark::kMillisecond);

void BM_HistoryOfAnOpen(benchmark::State& state) {
    QTemporaryDir root;
    const GameHistory history(root.path());
    // Ten games of 30 copies, one of them kept from the mail folder.
    QByteArray someFile;
    {
        QFile file(files().turns[0]);
        file.open(QIODevice::ReadOnly);
        someFile = file.readAll();
    }
    for (int g = 0; g < 10; ++g) {
        const GameId id = GameId::generate();
        const QString folder =
            g == 0 ? files().mail : root.filePath(QStringLiteral("other%1").arg(g));
        for (int c = 0; c < 30; ++c) {
            KorvaExtension extension;
            extension.gameId = id;
            extension.note = QString::number(c);
            history.record(someFile + encodeKorvaExtension(extension), id,
                           folder + QStringLiteral("/turn%1.krv").arg(c),
                           c % 2 ? HistoryEntry::Kind::Opened : HistoryEntry::Kind::Saved);
        }
    }
    std::size_t t = 0;
    double busy = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const OpenedMoveFile opened = readOpenedMoveFile(files().turns[t]);
        const HistoryContext context =
            history.contextFor(opened.extension.gameId, files().turns[t]);
        const QString warning = history.record(opened.bytes, context.folderGame, files().turns[t],
                                               HistoryEntry::Kind::Opened);
        busy += double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
        if (!warning.isEmpty() || !context.ownLastPosition)
            state.SkipWithError("the history did not find the game or keep the copy");
        // Every round meets the same history.
        state.PauseTiming();
        QFile::remove(history.entries(GameHistory::gameKey(context.folderGame, {})).back().path);
        state.ResumeTiming();
        t = 1 - t;
    }
    // The share of an Open in the window that the history adds.
    if (openNanoseconds > 0)
        state.counters["vs_open"] = busy / double(state.iterations()) / openNanoseconds;
}
BENCHMARK(BM_HistoryOfAnOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
