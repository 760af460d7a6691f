#pragma once

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstring>

// The baseline the map's benchmarks are read against: every pixel of the map copied once
// into a buffer made beforehand.
inline void copyMapEachIteration(benchmark::State& state, const QImage& map) {
    QImage target(map.size(), map.format());
    for (auto _ : state) {
        std::memcpy(target.bits(), map.constBits(), static_cast<std::size_t>(map.sizeInBytes()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * map.sizeInBytes());
}
