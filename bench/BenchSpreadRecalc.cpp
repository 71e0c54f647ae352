// Recalculation of the spreadsheet grid over 100,000 formulas in two shapes: a chain
// (B1 = A1+1, each B below the one above plus 1) and a fan (every B reads $A$1), timed as a
// full recalculation, then as one input changed with only its dependents recalculated, and
// as a change near the end of the chain (ten dependents). HyperFormula and LibreOffice Calc
// compute the same sheets in the same run when VISTRA_BENCH_PEERS=1 (about half a minute).
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "platform/backend/headless/HeadlessBackend.h"
#include "spreadsheet/QuillSprd.h"

namespace {

constexpr int Rows = 100000;

enum TShape { Chain, Fan };

std::string FormulaOf(TShape Shape, int Row)
{
    if (Shape == Fan) return "=$A$1+" + std::to_string(Row);
    return Row == 1 ? "=A1+1" : "=B" + std::to_string(Row - 1) + "+1";
}

// One grid per shape, filled once and computed; the input A1 holds 1.
TQuillSpreadGrid& Sheet(TShape Shape)
{
    static std::map<TShape, std::unique_ptr<TQuillSpreadGrid>> sheets;
    auto& sheet = sheets[Shape];
    if (!sheet) {
        backend::InstallHeadlessBackend();
        sheet = std::make_unique<TQuillSpreadGrid>(nullptr);
        sheet->SetAutoHeaders(false);
        sheet->SetColCount(3);
        sheet->SetRowCount(Rows + 1);
        sheet->SetFixedCols(1);
        sheet->SetFixedRows(1);
        sheet->SetAutoRecalc(false);
        sheet->SetGridCell(1, 1, "1");
        for (int r = 1; r <= Rows; ++r) sheet->SetGridCell(2, r, FormulaOf(Shape, r));
        sheet->Recalc();
        sheet->SetAutoRecalc(true);
    }
    return *sheet;
}

void BM_SpreadFullRecalc(benchmark::State& state)
{
    TQuillSpreadGrid& sheet = Sheet(static_cast<TShape>(state.range(0)));
    for (auto _ : state) sheet.Recalc();
    state.counters["formulas"] = benchmark::Counter(double(Rows) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SpreadFullRecalc)->Arg(Chain)->Arg(Fan)->ArgName("fan")->Unit(benchmark::kMillisecond);

// The input changes and what reads it is recalculated, as after an edit.
void BM_SpreadOneChange(benchmark::State& state)
{
    TQuillSpreadGrid& sheet = Sheet(static_cast<TShape>(state.range(0)));
    int value = 1;
    for (auto _ : state) {
        sheet.SetGridCell(1, 1, std::to_string(++value));
        sheet.RecalcCell(1, 1);
    }
    benchmark::DoNotOptimize(sheet.CalculatedValue(2, Rows));
}
BENCHMARK(BM_SpreadOneChange)->Arg(Chain)->Arg(Fan)->ArgName("fan")->Unit(benchmark::kMillisecond);

// A change with ten dependents on the same 100,000-formula sheet: its cost follows the
// dependents, not the sheet.
void BM_SpreadChangeNearChainEnd(benchmark::State& state)
{
    TQuillSpreadGrid& sheet = Sheet(Chain);
    const int row = Rows - 10;
    for (auto _ : state) sheet.RecalcCell(2, row);
}
BENCHMARK(BM_SpreadChangeNearChainEnd)->Unit(benchmark::kMicrosecond);

// A peer's "shape full_ms change_ms value" lines, by shape.
std::map<std::string, std::array<double, 2>> PeerFigures(const std::string& Command)
{
    std::map<std::string, std::array<double, 2>> figures;
    FILE* pipe = popen(Command.c_str(), "r");
    if (!pipe) return figures;
    char line[256];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream in(line);
        std::string shape;
        double full = 0, change = 0;
        if (in >> shape >> full >> change) figures[shape] = {full, change};
    }
    pclose(pipe);
    return figures;
}

void PeerBenchmark(benchmark::State& state, const std::string& Command)
{
    const char* wanted = std::getenv("VISTRA_BENCH_PEERS");
    if (!wanted || std::string(wanted) != "1") {
        state.SkipWithError("peer baseline: set VISTRA_BENCH_PEERS=1 to measure it");
        return;
    }
    const std::string shape = state.range(0) == Fan ? "fan" : "chain";
    const bool change = state.range(1) == 1;
    for (auto _ : state) {
        const auto figures = PeerFigures(Command);
        const auto found = figures.find(shape);
        if (found == figures.end()) {
            state.SkipWithError("the peer gave no figures");
            break;
        }
        state.SetIterationTime(found->second[change ? 1 : 0] / 1000.0);
    }
}

void BM_HyperFormula(benchmark::State& state)
{
    PeerBenchmark(state, "node " VISTRA_SOURCE_DIR "/bench/peers/HyperFormulaSheets.js " + std::to_string(Rows));
}
BENCHMARK(BM_HyperFormula)
    ->ArgsProduct({{Chain, Fan}, {0, 1}})
    ->ArgNames({"fan", "change"})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_LibreOfficeCalc(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "vistra-bench-spread";
    std::filesystem::create_directories(folder);
    PeerBenchmark(state, "/usr/bin/python3 " VISTRA_SOURCE_DIR "/bench/peers/CalcSheets.py " + folder.string() + " " +
                             std::to_string(Rows) + " 2>/dev/null");
}
BENCHMARK(BM_LibreOfficeCalc)
    ->ArgsProduct({{Chain, Fan}, {0, 1}})
    ->ArgNames({"fan", "change"})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
