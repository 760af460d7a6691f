// What the game's history adds to an Open in a shown main window (offscreen): finding the
// game of a file without an id and the player's own last file in a history of 300 copies in
// 10 games, while the copy itself is written on the history's own thread; and what writing
// one copy costs that thread. Against the same Open without a history. And an Open of a game
// with 1,000 copies against one with 10, until the window is flushed; an Open in a
// history that holds 20,000 entries of no use to it; and the next Open after a hostile file
// of the largest size left its copy in the history.
#include "app/files/filesfeature.h"
#include "app/turn/turnfeature.h"
#include "app/window/tmainform.h"
#include "bench/common/flushwatch.h"
#include "bench/common/manycombats.h"
#include "bench/common/offscreenmain.h"
#include "dice/dicedraw.h"
#include "history/copypositions.h"
#include "history/diceevidence.h"
#include "history/gamehistory.h"
#include "movefile/movefile.h"
#include "netplay/rollsverdict.h"
#include "netplay/servergames.h"
#include "tests/common/cachedpicturemodule.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// Two busy positions from the opponent's program (no Korva block, saved with an end of turn,
// so the moves must come from the history) in the player's mail folder, and a history in
// which that folder's game is one of ten.
struct Fixture {
    QTemporaryDir dir;
    QString mail = dir.filePath(QStringLiteral("mail"));
    QString root = dir.filePath(QStringLiteral("history"));
    std::array<QString, 2> turns;
    // The same positions from another Korva: with the turn's start and the game id.
    std::array<QString, 2> korvaTurns;

    Fixture() {
        QDir().mkpath(mail);
        for (int t = 0; t < 2; ++t) {
            MoveFileContents contents;
            for (int n = 1; n <= 234; ++n)
                contents.counters.push_back({200 + n * 11 + t, 200 + n * 11 + t, 0, 0});
            turns[std::size_t(t)] = mail + QStringLiteral("/turn%1.krv").arg(t + 1);
            QFile file(turns[std::size_t(t)]);
            file.open(QIODevice::WriteOnly);
            file.write(encodeMoveFile(contents));
            KorvaExtension extension;
            extension.turnStart = presentPlaces(contents.counters);
            extension.gameId = GameId::generate();
            korvaTurns[std::size_t(t)] = mail + QStringLiteral("/korva%1.krv").arg(t + 1);
            QFile korva(korvaTurns[std::size_t(t)]);
            korva.open(QIODevice::WriteOnly);
            korva.write(encodeMoveFile(contents) + encodeKorvaExtension(extension));
        }
        const GameHistory history(root);
        for (int g = 0; g < 10; ++g) {
            const GameId id = GameId::generate();
            const QString folder = g == 0 ? mail : dir.filePath(QStringLiteral("other%1").arg(g));
            for (int c = 0; c < 30; ++c) {
                KorvaExtension extension;
                extension.gameId = id;
                extension.note = QString::number(c);
                history.record(readMoveFileBytes(turns[0]) + encodeKorvaExtension(extension), id,
                               folder + QStringLiteral("/turn%1.krv").arg(c),
                               c % 2 ? HistoryEntry::Kind::Opened : HistoryEntry::Kind::Saved);
            }
        }
    }

    // Removes the copies added since, so every round meets the same history.
    void forgetNewCopies(const QStringList& before) const {
        for (const QString& game : GameHistory(root).gameKeys())
            for (const HistoryEntry& entry : GameHistory(root).entries(game))
                if (!before.contains(entry.path)) {
                    QFile::remove(entry.path);
                    QFile::remove(copypositions::pathFor(entry.path));
                }
    }
    QStringList copies() const {
        QStringList paths;
        for (const QString& game : GameHistory(root).gameKeys())
            for (const HistoryEntry& entry : GameHistory(root).entries(game))
                paths << entry.path;
        return paths;
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

double plainOpen = 0;
// BM_FindTheGame's mean time, the dice check's baseline.
double findTheGame = 0;

// Opens the two files in turn in a shown window and answers the mean time of an Open
// with its repaint.
void openInWindow(benchmark::State& state, const QString& historyFolder,
                  const std::array<QString, 2>& turns) {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
        return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
    };
    setup.seed = 1;
    setup.historyFolder = historyFolder;
    TMainForm form(std::move(setup));
    form.show();
    QCoreApplication::processEvents();
    const QStringList before = fixture().copies();
    std::size_t t = 0;
    double busy = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        form.files().OpenMove(turns[t]);
        QCoreApplication::processEvents(); // the repaint the player waits for
        busy += double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
        state.PauseTiming();
        form.session().waitForHistory();
        fixture().forgetNewCopies(before);
        state.ResumeTiming();
        t = 1 - t;
    }
    const double mean = busy / double(state.iterations());
    if (historyFolder.isEmpty())
        plainOpen = mean;
    else if (plainOpen > 0)
        state.counters["vs_plain_open"] = mean / plainOpen;
}

void BM_OpenWithoutHistory(benchmark::State& state) {
    openInWindow(state, {}, fixture().turns);
}
BENCHMARK(BM_OpenWithoutHistory)->Unit(benchmark::kMillisecond);

// A file from another program, saved with an end of turn: its game and moves come from the
// history.
void BM_OpenWithHistory(benchmark::State& state) {
    openInWindow(state, fixture().root, fixture().turns);
}
BENCHMARK(BM_OpenWithHistory)->Unit(benchmark::kMillisecond);

// A file from another Korva: nothing to look up, only a copy to keep.
void BM_OpenKorvaFileWithHistory(benchmark::State& state) {
    openInWindow(state, fixture().root, fixture().korvaTurns);
}
BENCHMARK(BM_OpenKorvaFileWithHistory)->Unit(benchmark::kMillisecond);

// A step into the game's past and back, as the player waits for each with its repaint: the
// position set aside and another shown, then the present put back. Per step, against an
// Open.
void BM_StepIntoThePastAndBack(benchmark::State& state) {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
        return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
    };
    setup.seed = 1;
    setup.historyFolder = fixture().root;
    TMainForm form(std::move(setup));
    form.show();
    const QStringList before = fixture().copies();
    form.files().OpenMove(fixture().turns[0]);
    QCoreApplication::processEvents();
    double busy = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        form.turn().stepHistory(PastBrowser::HistoryStep::First);
        QCoreApplication::processEvents();
        if (!form.session().showsPast())
            state.SkipWithError("no past was shown");
        form.session().past().backToPresent();
        QCoreApplication::processEvents();
        busy += double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
    }
    form.session().waitForHistory();
    fixture().forgetNewCopies(before);
    if (plainOpen > 0)
        state.counters["step_vs_plain_open"] = busy / 2 / double(state.iterations()) / plainOpen;
}
BENCHMARK(BM_StepIntoThePastAndBack)->Unit(benchmark::kMillisecond);

// What the window waits for: the game of a file without an id and the player's own last
// position in it.
void BM_FindTheGame(benchmark::State& state) {
    const GameHistory history(fixture().root);
    const OpenedMoveFile file = readOpenedMoveFile(fixture().turns[0]);
    double busy = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const HistoryContext context = history.contextFor(file, fixture().turns[0]);
        busy += double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
        if (!context.ownLastFile)
            state.SkipWithError("the game was not found");
        benchmark::DoNotOptimize(context);
    }
    findTheGame = busy / double(state.iterations());
}
BENCHMARK(BM_FindTheGame)->Unit(benchmark::kMillisecond);

// What an Open adds to check the opponent's dice: their file's four rolls against the
// player's own sent file and the commitment it answered, each found by hash among 31 copies
// of the game. Per check, against finding the game and the own last file (BM_FindTheGame).

void BM_CheckTheOpponentsDice(benchmark::State& state) {
    static const OpenedMoveFile theirs = [] {
        const GameHistory history(fixture().root);
        const GameId id = GameId::generate();
        const QByteArray sections = readMoveFileBytes(fixture().turns[0]);
        // Copies made in turn by them (opened) and by the player (saved), each answering the
        // one before; the newest is the player's.
        QByteArray previous;
        QByteArray theirSecret;
        for (int c = 0; c <= 30; ++c) {
            KorvaExtension block;
            block.gameId = id;
            const QByteArray secret = dicedraw::newSecret();
            if (c == 29)
                theirSecret = secret;
            block.diceCommitment = dicedraw::commitmentOf(secret);
            block.diceRolls =
                DiceRolls{DiceRolls::FirstTurn, {}, dicedraw::sha256(previous), 0, {}};
            previous = sections + encodeKorvaExtension(block);
            history.record(previous, id, fixture().mail + QStringLiteral("/dice%1.krv").arg(c),
                           c % 2 ? HistoryEntry::Kind::Opened : HistoryEntry::Kind::Saved);
        }
        MoveFileContents contents = parseMoveFile(sections);
        KorvaExtension block;
        block.gameId = id;
        DiceRolls rolls{DiceRolls::Fixed, theirSecret, dicedraw::sha256(previous), 4, {}};
        for (std::uint32_t n = 1; n <= 4; ++n) {
            const AFPoint at{35 * int(n), 19};
            const int die = dicedraw::drawDie(theirSecret, rolls.openedHash, n);
            contents.tags.push_back({at, die, "attack"});
            rolls.rolls.push_back({n, at, die, "attack"});
        }
        block.diceRolls = rolls;
        return parseOpenedMoveFile(encodeMoveFile(contents) + encodeKorvaExtension(block));
    }();
    const GameHistory history(fixture().root);
    const ServerGames servers;
    double busy = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const DiceVerdict verdict =
            rollsVerdict(theirs, diceEvidenceFor(history, theirs, theirs.extension.gameId), servers,
                         theirs.extension.gameId);
        busy += double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
        if (!verdict.verified())
            state.SkipWithError(qPrintable(verdict.text()));
    }
    if (findTheGame > 0)
        state.counters["vs_find_the_game"] = busy / double(state.iterations()) / findTheGame;
}

BENCHMARK(BM_CheckTheOpponentsDice)->Unit(benchmark::kMillisecond);

// The history thread's work for one Open: a copy beside 300 others, synced to the disk.
void BM_KeepACopy(benchmark::State& state) {
    const GameHistory history(fixture().root);
    const QByteArray bytes = readMoveFileBytes(fixture().turns[1]);
    const QStringList before = fixture().copies();
    double busy = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!history.record(bytes, {}, fixture().turns[1], HistoryEntry::Kind::Opened).isEmpty())
            state.SkipWithError("the copy was not kept");
        busy += double(std::chrono::nanoseconds(std::chrono::steady_clock::now() - start).count());
        state.PauseTiming();
        fixture().forgetNewCopies(before);
        state.ResumeTiming();
    }
    if (plainOpen > 0)
        state.counters["vs_plain_open"] = busy / double(state.iterations()) / plainOpen;
}
BENCHMARK(BM_KeepACopy)->Unit(benchmark::kMillisecond);

// Two games from another Korva, one with 1,000 copies in the history and one with 10, and
// two positions of each to open in turn, so that every Open is new and keeps a copy.
struct LongAndShort {
    QTemporaryDir dir;
    QString root = dir.filePath(QStringLiteral("history"));
    std::array<std::array<QString, 2>, 2> turns; // [long, short][position]

    LongAndShort() {
        const QString mail = dir.filePath(QStringLiteral("mail"));
        QDir().mkpath(mail);
        const QDateTime start(QDate(2026, 1, 1), QTime(12, 0), QTimeZone::utc());
        for (int g = 0; g < 2; ++g) {
            const GameId id = GameId::generate();
            const QString key = GameHistory::gameKey(id, {});
            QDir().mkpath(root + QLatin1Char('/') + key);
            std::array<QByteArray, 2> bytes;
            for (int t = 0; t < 2; ++t) {
                MoveFileContents contents;
                for (int n = 1; n <= 234; ++n)
                    contents.counters.push_back({200 + n * 11 + t, 200 + n * 7 + t, 0, 0});
                KorvaExtension extension;
                extension.turnStart = presentPlaces(contents.counters);
                extension.gameId = id;
                bytes[std::size_t(t)] = encodeMoveFile(contents) + encodeKorvaExtension(extension);
                const QString path = mail + QStringLiteral("/game%1-turn%2.krv").arg(g).arg(t);
                turns[std::size_t(g)][std::size_t(t)] = path;
                QFile file(path);
                file.open(QIODevice::WriteOnly);
                file.write(bytes[std::size_t(t)]);
            }
            // Written straight, one a minute: keeping each through the history would take
            // longer than the benchmark.
            const int copies = g == 0 ? 1000 : 10;
            const QString folderKey = GameHistory::folderKey(turns[std::size_t(g)][0]);
            for (int c = 0; c < copies; ++c) {
                const auto kind = c % 2 ? HistoryEntry::Kind::Opened : HistoryEntry::Kind::Saved;
                QFile copy(root + QLatin1Char('/') + key + QLatin1Char('/') +
                           HistoryEntry::fileNameFor(start.addSecs(60 * c), kind, folderKey,
                                                     QStringLiteral("turn%1").arg(c)));
                copy.open(QIODevice::WriteOnly);
                copy.write(bytes[std::size_t(c % 2)]);
            }
        }
    }
};

// Each iteration opens a position of the long game and one of the short, each until the
// window is flushed, with the history's thread idle at the start of each; "x_short" is the
// long over the short, "wait_ms" how long the history's thread was still keeping the long
// game's copy after the window was flushed.
void BM_OpenLongHistory(benchmark::State& state) {
    static LongAndShort histories;
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
        return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
    };
    setup.seed = 1;
    setup.historyFolder = histories.root;
    TMainForm form(std::move(setup));
    form.show();
    FlushWatch watch(form);
    watch.settle();
    std::size_t t = 0;
    double longMs = 0.0;
    double shortMs = 0.0;
    double waitMs = 0.0;
    const auto timedOpen = [&](std::size_t game) {
        QElapsedTimer timer;
        timer.start();
        if (!form.files().OpenMove(histories.turns[game][t]) || !watch.waitForFlush())
            state.SkipWithError("the move file was refused or never shown");
        return double(timer.nsecsElapsed()) / 1e6;
    };
    // The window's first Open of all lays out what every later one finds ready: it is the
    // short game's, untimed, so that it weighs on neither side.
    if (!form.files().OpenMove(histories.turns[1][1]) || !watch.waitForFlush())
        state.SkipWithError("the move file was refused or never shown");
    form.session().waitForHistory();
    for (auto _ : state) {
        const double ms = timedOpen(0);
        state.PauseTiming();
        QElapsedTimer wait;
        wait.start();
        form.session().waitForHistory();
        waitMs += double(wait.nsecsElapsed()) / 1e6;
        shortMs += timedOpen(1);
        form.session().waitForHistory();
        state.ResumeTiming();
        state.SetIterationTime(ms / 1e3);
        longMs += ms;
        t = 1 - t;
    }
    const auto n = double(state.iterations());
    state.counters["short_ms"] = shortMs / n;
    state.counters["x_short"] = longMs / shortMs;
    state.counters["wait_ms"] = waitMs / n;
}
BENCHMARK(BM_OpenLongHistory)->Iterations(40)->UseManualTime()->Unit(benchmark::kMillisecond);

// Fixture's history, file for file, under `root`.
void copyFixtureTo(const QString& root) {
    QDirIterator it(fixture().root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = root + from.mid(fixture().root.size());
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
}

// The history of Fixture twice over: as it is, and beside 20,000 entries that are no copies,
// half under the root and half in the mail folder's game's folder (files and folders, some
// named almost as the history names its own).
struct JunkBeside {
    QTemporaryDir dir;
    QString clean = dir.filePath(QStringLiteral("clean"));
    QString junk = dir.filePath(QStringLiteral("junk"));

    JunkBeside() {
        for (const QString& root : {clean, junk})
            copyFixtureTo(root);
        const std::optional<GameId> game = GameHistory(junk).gameOfFolder(fixture().turns[0]);
        const QString gameFolder = junk + QLatin1Char('/') + GameHistory::gameKey(game, {});
        const auto touch = [](const QString& path) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
        };
        for (int n = 0; n < 2500; ++n) {
            const QString i = QString::number(n);
            touch(junk + QStringLiteral("/junk") + i);
            QDir().mkpath(junk + QStringLiteral("/junk") + i + QStringLiteral(".d"));
            QDir().mkpath(junk + QStringLiteral("/game-junk") + i);
            touch(junk + QStringLiteral("/folder-") + i);
            touch(gameFolder + QStringLiteral("/junk") + i + QStringLiteral(".krv"));
            QDir().mkpath(gameFolder + QStringLiteral("/junk") + i + QStringLiteral(".d.krv"));
            touch(gameFolder + QStringLiteral("/notes") + i + QStringLiteral(".txt"));
            QDir().mkpath(gameFolder + QStringLiteral("/") + i);
        }
    }
};

JunkBeside& junkBeside() {
    static JunkBeside instance;
    return instance;
}

struct OpenAndCopy {
    double open = 0; // until the window is repainted
    double copy = 0; // then until the history's thread has kept the copy
};
OpenAndCopy cleanHistory;

// Opens the two files of Fixture in turn, each until the window is repainted, then waits for
// its copy to be kept; answers the mean times. The copies stay: a history grows so.
OpenAndCopy openAndKeep(benchmark::State& state, const QString& root) {
    MainFormSetup setup;
    setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
        return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
    };
    setup.seed = 1;
    setup.historyFolder = root;
    TMainForm form(std::move(setup));
    form.show();
    // The first Open lays out what every later one finds ready.
    form.files().OpenMove(fixture().turns[1]);
    QCoreApplication::processEvents();
    form.session().waitForHistory();
    std::size_t t = 0;
    OpenAndCopy busy;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!form.files().OpenMove(fixture().turns[t]))
            state.SkipWithError("the move file was refused");
        QCoreApplication::processEvents();
        const auto shown = std::chrono::steady_clock::now();
        form.session().waitForHistory();
        const auto kept = std::chrono::steady_clock::now();
        busy.open += double(std::chrono::nanoseconds(shown - start).count());
        busy.copy += double(std::chrono::nanoseconds(kept - shown).count());
        t = 1 - t;
    }
    const auto n = double(state.iterations());
    state.counters["open_ms"] = busy.open / n / 1e6;
    state.counters["copy_ms"] = busy.copy / n / 1e6;
    return {busy.open / n, busy.copy / n};
}

// The ordinary Open with its copy kept: the baseline of BM_OpenBesideJunk.
void BM_OpenAndKeepACopy(benchmark::State& state) {
    cleanHistory = openAndKeep(state, junkBeside().clean);
}
BENCHMARK(BM_OpenAndKeepACopy)->Unit(benchmark::kMillisecond);

// The same with 20,000 entries that are no copies in the history: what they add to the
// Open the player waits for, and to the copy kept meanwhile.
void BM_OpenBesideJunk(benchmark::State& state) {
    const OpenAndCopy junk = openAndKeep(state, junkBeside().junk);
    if (cleanHistory.open > 0) {
        state.counters["open_vs_clean"] = junk.open / cleanHistory.open;
        state.counters["open_extra_ms"] = (junk.open - cleanHistory.open) / 1e6;
        state.counters["copy_extra_ms"] = (junk.copy - cleanHistory.copy) / 1e6;
    }
}
BENCHMARK(BM_OpenBesideJunk)->Unit(benchmark::kMillisecond);

// The history of Fixture twice over: as it is, and after a hostile file of the largest size
// (combats up to the size limit) was opened from the mail folder, once without an id and once
// claiming the mail folder's game, so that both its copies lie where the next Open looks.
struct HostileBeside {
    QTemporaryDir dir;
    QString clean = dir.filePath(QStringLiteral("clean"));
    QString hostile = dir.filePath(QStringLiteral("hostile"));

    HostileBeside() {
        for (const QString& root : {clean, hostile})
            copyFixtureTo(root);
        const GameHistory history(hostile, qint64{1} << 40);
        // Room for the block, which claims the game, behind the combats.
        const QByteArray sections = manycombats::make(manycombats::combatsAtSizeLimit() - 20,
                                                      manycombats::Layout::ShuffledHexes);
        const QString from = fixture().mail + QStringLiteral("/huge.krv");
        const std::optional<GameId> game = history.gameOfFolder(fixture().turns[0]);
        KorvaExtension block;
        block.gameId = game;
        history.record(sections, {}, from, HistoryEntry::Kind::Opened);
        history.record(sections + encodeKorvaExtension(block), game, from,
                       HistoryEntry::Kind::Opened);
    }
};

HostileBeside& hostileBeside() {
    static HostileBeside instance;
    return instance;
}

double besideCleanOpen = 0;

// Per iteration a window started afresh, so nothing read before is remembered, and one Open
// of the mail folder's first file until the window is flushed; "history_ms" is how long the
// history's thread then still took to keep its copy.
void openAfresh(benchmark::State& state, const QString& root) {
    const QStringList before = [&] {
        QStringList paths;
        for (const QString& game : GameHistory(root).gameKeys())
            for (const HistoryEntry& entry : GameHistory(root).entries(game))
                paths << entry.path;
        return paths;
    }();
    double openMs = 0;
    double historyMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        MainFormSetup setup;
        setup.loadModule = [](const QString& name) -> std::unique_ptr<PictureModule> {
            return std::make_unique<CachedPictureModule>(std::make_unique<FakePictureModule>(name));
        };
        setup.seed = 1;
        setup.historyFolder = root;
        TMainForm form(std::move(setup));
        form.show();
        FlushWatch watch(form);
        watch.settle();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        if (!form.files().OpenMove(fixture().turns[0]) || !watch.waitForFlush())
            state.SkipWithError("the move file was refused or never shown");
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        timer.restart();
        form.session().waitForHistory();
        historyMs += double(timer.nsecsElapsed()) / 1e6;
        openMs += ms;
        state.SetIterationTime(ms / 1e3);
        for (const QString& game : GameHistory(root).gameKeys())
            for (const HistoryEntry& entry : GameHistory(root).entries(game))
                if (!before.contains(entry.path)) {
                    QFile::remove(entry.path);
                    QFile::remove(copypositions::pathFor(entry.path));
                }
        state.ResumeTiming();
    }
    const auto n = double(state.iterations());
    state.counters["history_ms"] = historyMs / n;
    if (root == hostileBeside().clean)
        besideCleanOpen = openMs / n;
    else if (besideCleanOpen > 0)
        state.counters["vs_clean"] = openMs / n / besideCleanOpen;
    if (besideCleanOpen > 0)
        state.counters["clean_ms"] = besideCleanOpen;
}

// The baseline of BM_OpenAfterHostileFile: the same Open beside the ordinary history.
void BM_OpenAfreshBesideCleanHistory(benchmark::State& state) {
    openAfresh(state, hostileBeside().clean);
}
BENCHMARK(BM_OpenAfreshBesideCleanHistory)
    ->Iterations(15)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// What the hostile copies add: whatever the history keeps of a file, reading it again should
// cost what its head costs, so "vs_clean" stays near 1.
void BM_OpenAfterHostileFile(benchmark::State& state) {
    openAfresh(state, hostileBeside().hostile);
}
BENCHMARK(BM_OpenAfterHostileFile)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

// What a fresh run pays for the positions of the hostile copies (what linking a file to its
// game needs of them): with nothing kept beside them (0) each is read whole, and its positions
// kept; then (1) they come from what was kept.
void BM_PositionsOfHostileCopies(benchmark::State& state) {
    const QString root = hostileBeside().hostile;
    std::vector<HistoryEntry> copies;
    for (const QString& game : GameHistory(root).gameKeys())
        for (const HistoryEntry& entry : GameHistory(root).entries(game))
            if (QFileInfo(entry.path).size() > 1024 * 1024)
                copies.push_back(entry);
    if (copies.empty())
        state.SkipWithError("no hostile copy in the history");
    for (auto _ : state) {
        state.PauseTiming();
        for (const HistoryEntry& copy : copies)
            if (state.range(0) == 0)
                QFile::remove(copypositions::pathFor(copy.path));
        const GameHistory fresh(root);
        state.ResumeTiming();
        for (const HistoryEntry& copy : copies)
            benchmark::DoNotOptimize(fresh.positionsOf(copy));
    }
}
BENCHMARK(BM_PositionsOfHostileCopies)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}
