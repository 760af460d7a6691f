#include "bench/common/busymovefile.h"
#include "combat/dierandom.h"
#include "combat/dietrace.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "counters/zekcounter.h"
#include "geometry/hexgrid.h"
#include "geometry/mapboard.h"
#include "geometry/mappicture.h"
#include "geometry/pictureids.h"
#include "geometry/picturemodule.h"
#include "movefile/movefile.h"
#include "tests/common/cachedpicturemodule.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

// The game as the main window holds it.
struct Game {
    Game() : map(pictures.bitmap(pictureids::kMap)), board(map), tags(&pictures, &map) {
        ZeKCounter::setPictureModule(&pictures);
    }
    ~Game() { ZeKCounter::setPictureModule(nullptr); }

    CachedPictureModule pictures;
    MapPicture map;
    CounterMgr counters;
    MapBoard board;
    TaggerMgr tags;
};

// Baseline: copying every pixel of the map once into a buffer made beforehand.
void BM_FullMapCopy(benchmark::State& state) {
    const CachedPictureModule pictures;
    const QImage map = pictures.bitmap(pictureids::kMap);
    QImage target(map.size(), map.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), map.constBits(), static_cast<std::size_t>(map.sizeInBytes()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * map.sizeInBytes());
}
BENCHMARK(BM_FullMapCopy)->Unit(benchmark::kMicrosecond);

// Open: parse and check, apply, rebuild the stacks and redraw all 2967 hexes; every
// counter alone in its hex (0), or in stacks of one to eight (1).
void BM_OpenMoveFile(benchmark::State& state) {
    Game game;
    const QByteArray bytes = state.range(0) ? busymovefile::stackBusy() : busymovefile::busy();
    for (auto _ : state) {
        const MoveFileContents contents = parseMoveFile(bytes);
        openMoveFile(contents, game.counters, game.tags, game.board);
    }
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
    Game game;
    applyMoveFile(parseMoveFile(busymovefile::busy()), game.counters, game.tags);
    for (int n = 0; n < 20; ++n)
        game.tags.addCombat({hexgrid::hexPosition(n * 11), n % 6 + 1, "own combat"});
    QTemporaryDir dir(QStringLiteral("/tmp/korva-bench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("turn.krv"));
    const std::array<std::string, 3> banners = {"Turn 12", "Axis", "notes"};
    for (auto _ : state) {
        const QByteArray report = moveReport(game.counters.counters());
        const QByteArray bytes = encodeMoveFile(game.counters, game.tags, banners, false);
        if (!saveFileSafely(path, bytes) || !saveMoveReport(path, report))
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

BENCHMARK_MAIN();
