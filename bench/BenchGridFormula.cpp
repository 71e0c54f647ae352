// The formula evaluator over a 100,000 x 10 grid of numbers: 50,000 independent formulas
// (A1*2+B1 and so on) and a 50,000-long chain (each cell the one above plus a number),
// against LibreOffice Calc computing the same sheet headless in the same run.
//
// The LibreOffice baseline runs only with VISTRA_BENCH_PEERS=1 (it takes about a minute):
// its computation time is the time to convert the sheet with its formulas to CSV minus the
// time to convert the same sheet with the formula cells holding plain numbers.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "spreadsheet/QuillPars.h"

namespace {

constexpr int Rows = 100000;
constexpr int Columns = 10;
constexpr int FormulaRows = 50000;

std::string Independent(int row)
{
    return "A" + std::to_string(row) + "*2+B" + std::to_string(row);
}

std::string ChainLink(int row)
{
    return row == 1 ? "C1" : "L" + std::to_string(row - 1) + "+C" + std::to_string(row);
}

double CellNumber(int col, int row)
{
    return (row % 97) + col * 0.5;
}

// The grid of numbers, made once; written coordinates start at its first cell.
TQuillStringGrid& NumberGrid()
{
    static TQuillStringGrid* grid = [] {
        backend::InstallHeadlessBackend();
        auto* g = new TQuillStringGrid(nullptr);
        g->SetFixedRows(0);
        g->SetFixedCols(0);
        g->SetColCount(Columns + 2);
        g->SetRowCount(Rows);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Columns; ++c) g->SetCells(c, r, std::to_string(CellNumber(c, r + 1)));
        return g;
    }();
    return *grid;
}

void BM_GridFormulaSheet(benchmark::State& state)
{
    TQuillStringGrid& grid = NumberGrid();
    TGridFormula formula(&grid);
    std::vector<double> chain(FormulaRows, 0.0);
    // Column L (index 11) holds the chain's computed values.
    formula.OnGetStoredValue = [&](TQuillStringGrid*, int col, int row, Variant& value) {
        if (col != 11) return false;
        value = Variant(chain[static_cast<size_t>(row)]);
        return true;
    };
    std::vector<std::string> independent, links;
    for (int r = 1; r <= FormulaRows; ++r) {
        independent.push_back(Independent(r));
        links.push_back(ChainLink(r));
    }
    double total = 0;
    for (auto _ : state) {
        Variant result;
        for (int r = 0; r < FormulaRows; ++r) {
            formula.SetExpression(independent[static_cast<size_t>(r)]);
            formula.SetRow(r);
            formula.SetCol(10);
            formula.Calc(result);
            total += result.AsDouble();
        }
        for (int r = 0; r < FormulaRows; ++r) {
            formula.SetExpression(links[static_cast<size_t>(r)]);
            formula.SetRow(r);
            formula.SetCol(11);
            formula.Calc(result);
            chain[static_cast<size_t>(r)] = result.AsDouble();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["formulas"] = benchmark::Counter(2.0 * FormulaRows * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GridFormulaSheet)->Unit(benchmark::kMillisecond);

// Writes the sheet as CSV: ten number columns, then the two formula columns (or, without
// formulas, plain numbers in their place).
void WriteSheet(const std::filesystem::path& file, bool withFormulas)
{
    std::ofstream out(file);
    for (int r = 1; r <= Rows; ++r) {
        for (int c = 0; c < Columns; ++c) out << CellNumber(c, r) << ',';
        if (r <= FormulaRows && withFormulas)
            out << '=' << Independent(r) << ",=" << ChainLink(r);
        else
            out << "0,0";
        out << '\n';
    }
}

double ConvertSeconds(const std::filesystem::path& folder, const std::filesystem::path& file)
{
    const std::string command = "soffice -env:UserInstallation=file://" + (folder / "profile").string() +
                                " --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir " +
                                (folder / "out").string() + " " + file.string() + " >/dev/null 2>&1";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto end = std::chrono::steady_clock::now();
    if (status != 0) return -1;
    return std::chrono::duration<double>(end - start).count();
}

void BM_LibreOfficeSheet(benchmark::State& state)
{
    const char* wanted = std::getenv("VISTRA_BENCH_PEERS");
    if (!wanted || std::string(wanted) != "1") {
        state.SkipWithError("LibreOffice baseline: set VISTRA_BENCH_PEERS=1 to measure it");
        return;
    }
    const auto folder = std::filesystem::temp_directory_path() / "vistra-bench-formulas";
    std::filesystem::create_directories(folder);
    WriteSheet(folder / "formulas.csv", true);
    WriteSheet(folder / "values.csv", false);
    ConvertSeconds(folder, folder / "values.csv"); // a first start creates the profile
    for (auto _ : state) {
        const double withFormulas = ConvertSeconds(folder, folder / "formulas.csv");
        const double plain = ConvertSeconds(folder, folder / "values.csv");
        if (withFormulas < 0 || plain < 0) {
            state.SkipWithError("soffice failed");
            break;
        }
        state.SetIterationTime(std::max(0.0, withFormulas - plain));
        state.counters["with_formulas_s"] = withFormulas;
        state.counters["values_only_s"] = plain;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LibreOfficeSheet)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
