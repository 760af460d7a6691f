#include "bench/common/temporaryhome.h"
#include "board/mapboard.h"
#include "counters/countermgr.h"
#include "game/game.h"
#include "tests/common/cachedpicturemodule.h"

#include <benchmark/benchmark.h>

#include <QImage>

#include <cstring>

namespace {

QImage wholeMap() {
    QImage image(1505, 2720, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(x % 256, y % 256, 200);
    }
    return image;
}

// Spreads the counters over the grid, several to a hex, as after opening a move file.
void placeCounters(CounterMgr& mgr) {
    int n = 0;
    for (const auto& counter : mgr.counters()) {
        counter->moveTo(ZeKClick((n / 3) * 37 % 2967));
        if (n % 7 == 0)
            counter->cycleMarker();
        ++n;
    }
}

// The game on stand-in pictures, its counters spread as above.
struct Scene {
    Game game{std::make_unique<CachedPictureModule>(), std::make_unique<CachedPictureModule>()};
    MapBoard& board = game.board();
    Scene() {
        placeCounters(game.counters());
        game.restack();
    }
};

// One move of a counter between two stacks of three: both hexes erased and redrawn.
void BM_MoveTop(benchmark::State& state) {
    Scene scene;
    const int a = 0;
    const int b = 37;
    bool forth = true;
    for (auto _ : state) {
        forth ? scene.board.moveTop(a, b) : scene.board.moveTop(b, a);
        forth = !forth;
    }
}
BENCHMARK(BM_MoveTop)->Unit(benchmark::kMicrosecond);

// The yardstick: copying the pixels of the whole map picture once.
void BM_CopyWholeMap(benchmark::State& state) {
    const QImage source = wholeMap();
    QImage target(source.size(), source.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), source.constBits(), std::size_t(source.sizeInBytes()));
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyWholeMap)->Unit(benchmark::kMicrosecond);

// What opening a move file costs the board: refill all stacks, redraw all 2967 hexes.
void BM_RebuildAndRedrawAll(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        scene.board.rebuild(scene.game.counters().counters());
        scene.board.redrawAll();
    }
}
BENCHMARK(BM_RebuildAndRedrawAll)->Unit(benchmark::kMicrosecond);

} // namespace

KORVA_BENCHMARK_MAIN()
