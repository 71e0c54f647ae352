// Measures the benchmarks share: heap in use, and the cost of filling a
// scene with cells, in time and bytes per cell.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <malloc.h>

namespace bench {

// Large blocks come from mmap and are counted apart from the heap arena.
inline std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Times Scene::Fill on a fresh scene per iteration (made by MakeScene, not
// timed) and reports the heap it grew by per cell.
template <typename MakeScene>
void MeasureFill(benchmark::State& state, MakeScene makeScene, std::int64_t cells)
{
    double bytesPerCell = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = makeScene();
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        scene->Fill();
        state.PauseTiming();
        bytesPerCell = static_cast<double>(HeapInUse() - before) / static_cast<double>(cells);
        scene.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_cell"] = bytesPerCell;
    state.SetItemsProcessed(state.iterations() * cells);
}

} // namespace bench
