#include "bench/common/temporaryhome.h"
#include "geometry/hittest.h"

#include <benchmark/benchmark.h>

#include <vector>

// A spread of points over the grid and around it, made once.
static std::vector<AFPoint> samplePoints() {
    std::vector<AFPoint> points;
    unsigned state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        const int x = static_cast<int>(state % 1700u) - 100;
        state = state * 1103515245u + 12345u;
        const int y = static_cast<int>(state % 2900u) - 100;
        points.emplace_back(x, y);
    }
    return points;
}

// Baseline: reading the point and a trivial integer hash of it.
static void BM_Baseline(benchmark::State& state) {
    const auto points = samplePoints();
    std::size_t i = 0;
    for (auto _ : state) {
        const AFPoint& p = points[i++ & 4095];
        benchmark::DoNotOptimize(p.x / 35 * 69 + p.y / 39);
    }
}
BENCHMARK(BM_Baseline);

static void BM_HitTest(benchmark::State& state) {
    const auto points = samplePoints();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(hittest::hitTest(points[i++ & 4095]));
}
BENCHMARK(BM_HitTest);

// A pointer sweeping along a line, pixel by pixel, as mouse movements arrive.
static void BM_HitTestSweep(benchmark::State& state) {
    int x = -20;
    int y = 700;
    for (auto _ : state) {
        benchmark::DoNotOptimize(hittest::hitTest({x, y}));
        if (++x > 1520) {
            x = -20;
            y = (y + 7) % 2720;
        }
    }
}
BENCHMARK(BM_HitTestSweep);

KORVA_BENCHMARK_MAIN()
