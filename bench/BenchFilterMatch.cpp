// MatchFilterExpr over 1,000,000 cell texts: a wildcard search and a numeric range.
#include "grid/base/FilterMatch.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int CellCount = 1'000'000;

// Numbers 0 to 1999 and words around them, so both conditions meet matches and misses.
const std::vector<std::string>& CellTexts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> cells;
        cells.reserve(CellCount);
        for (int i = 0; i < CellCount; ++i)
            cells.push_back(i % 3 == 0 ? "item " + std::to_string(i) + (i % 2 ? " cab" : " cba")
                                       : std::to_string(i % 2000));
        return cells;
    }();
    return texts;
}

void MatchAll(benchmark::State& state, const char* condition)
{
    const auto& cells = CellTexts();
    for (auto _ : state) {
        int matches = 0;
        for (const auto& cell : cells)
            matches += MatchFilterExpr(condition, cell, false);
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * CellCount);
}

void BM_MatchFilterExpr_Wildcard(benchmark::State& state)
{
    MatchAll(state, "*ab*");
}

void BM_MatchFilterExpr_NumericRange(benchmark::State& state)
{
    MatchAll(state, ">500&<1000");
}

} // namespace

BENCHMARK(BM_MatchFilterExpr_Wildcard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchFilterExpr_NumericRange)->Unit(benchmark::kMillisecond);
