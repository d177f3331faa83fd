// The floor every pixel operation is measured against: a memcpy of the
// pixels it touches, run as a benchmark of its own in the same binary.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "raster/color32.h"

namespace lg::bench {

// memcpy of w x h pixels between two buffers.
inline void CopyPixels(benchmark::State& state, int w, int h) {
    std::vector<TColor32> from(static_cast<std::size_t>(w) * h, 0x12345678u), to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(TColor32));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * w * h * 4);
}

}  // namespace lg::bench
