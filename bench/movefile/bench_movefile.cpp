#include "bench/common/busymovefile.h"
#include "bench/common/mapcopy.h"
#include "bench/common/temporaryhome.h"
#include "board/pictureids.h"
#include "combat/dierandom.h"
#include "combat/dietrace.h"
#include "game/game.h"
#include "game/gamefile.h"
#include "geometry/hexgrid.h"
#include "movefile/movefile.h"
#include "tests/common/cachedpicturemodule.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The game as the main window holds it, on stand-in pictures kept after their first use.
std::unique_ptr<Game> makeGame() {
    return std::make_unique<Game>(std::make_unique<CachedPictureModule>(),
                                  std::make_unique<CachedPictureModule>());
}

// Baseline: one copy of the map's pixels.
void BM_FullMapCopy(benchmark::State& state) {
    const CachedPictureModule pictures;
    const QImage map = pictures.bitmap(pictureids::kMap);
    copyMapEachIteration(state, map);
}
BENCHMARK(BM_FullMapCopy)->Unit(benchmark::kMicrosecond);

// Open: parse and check, apply, rebuild the stacks and redraw all 2967 hexes; every
// counter alone in its hex (0), or in stacks of one to eight (1).
void BM_OpenMoveFile(benchmark::State& state) {
    const auto game = makeGame();
    const QByteArray bytes = state.range(0) ? busymovefile::stackBusy() : busymovefile::busy();
    for (auto _ : state)
        game->open(parseMoveFile(bytes));
}
BENCHMARK(BM_OpenMoveFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Only reading and checking the bytes.
void BM_ParseMoveFile(benchmark::State& state) {
    const QByteArray bytes = busymovefile::busy();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseMoveFile(bytes));
}
BENCHMARK(BM_ParseMoveFile)->Unit(benchmark::kMicrosecond);

// Save: the move report, the bytes, and the safe write beside the target in /tmp.
void BM_SaveMoveFile(benchmark::State& state) {
    const auto game = makeGame();
    game->open(parseMoveFile(busymovefile::busy()));
    for (int n = 0; n < 20; ++n)
        game->addCombat({hexgrid::hexPosition(n * 11), n % 6 + 1, "own combat"});
    game->setBanner(2, "notes");
    QTemporaryDir dir(QStringLiteral("/tmp/korva-bench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("turn.krv"));
    for (auto _ : state) {
        const QByteArray report = gamefile::report(*game);
        if (!saveFileSafely(path, gamefile::moveFile(*game, false)) ||
            !saveMoveReport(path, report))
            state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveMoveFile)->Unit(benchmark::kMicrosecond);

void BM_TraceRollsOnly(benchmark::State& state) {
    DieRandom generator(12345);
    for (auto _ : state) {
        DieRollCounts counts;
        rollForTrace(generator, counts, 60000);
        benchmark::DoNotOptimize(counts);
    }
}
BENCHMARK(BM_TraceRollsOnly)->Unit(benchmark::kMicrosecond);

// The whole trace as closing the About window makes it: rolls and 20 file appends.
void BM_TraceWithFile(benchmark::State& state) {
    QTemporaryDir dir(QStringLiteral("/tmp/korva-bench-XXXXXX"));
    setTracePath(dir.filePath(QStringLiteral("trace.txt")));
    DieRandom generator(12345);
    for (auto _ : state)
        TraceDieRolls(generator);
    setTracePath(QStringLiteral("trace.txt"));
}
BENCHMARK(BM_TraceWithFile)->Unit(benchmark::kMicrosecond);

} // namespace

KORVA_BENCHMARK_MAIN()
