// The file object on a large workbook (2 sheets x 65,536 rows x 10 numbers):
// opening it and reading every value, and writing it, each beside the
// python3 peer doing the same in the same run; and rows and columns inserted
// and deleted in it, which move every cell of the sheet.
#include "platform/classes/Streams.h"
#include "xlsAdapter/qorXLSAdapter.h"

#include "XlsBenchWorkbook.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int Rows = 65536;
constexpr int Columns = 10;
constexpr int Sheets = 2;

double PeakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_FileObjectReadsEveryValue(benchmark::State& state)
{
    const std::string& file = bench::LargeWorkbook();
    if (file.empty()) {
        state.SkipWithError("python3-xlwt could not write the workbook");
        return;
    }
    double sum = 0;
    for (auto _ : state) {
        TXLSFile workbook(nullptr);
        workbook.Connect();
        workbook.OpenFile(file);
        sum = 0;
        for (int sheet = 1; sheet <= workbook.SheetCount(); ++sheet) {
            workbook.SetActiveSheet(sheet);
            for (int row = 1; row <= workbook.MaxRow(); ++row)
                for (int i = 1; i <= workbook.ColIndexCount(row); ++i) {
                    const Variant v = workbook.GetCellValue(row, workbook.ColByIndex(row, i));
                    if (v.VarType() == varDouble)
                        sum += v.AsDouble();
                }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["peakMiB"] = PeakMiB();
}
BENCHMARK(BM_FileObjectReadsEveryValue)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_XlrdReadsEveryValue(benchmark::State& state)
{
    const std::string& file = bench::LargeWorkbook();
    const std::string program = "import xlrd\nb = xlrd.open_workbook('" + file +
                                "')\ns = 0.0\nfor sh in b.sheets():\n"
                                " for r in range(sh.nrows):\n"
                                "  for v in sh.row_values(r):\n"
                                "   if isinstance(v, float): s += v";
    double peak = 0;
    if (!bench::TimePython(state, program, "python3-xlrd", peak)) return;
    state.counters["peakMiB"] = peak;
}
BENCHMARK(BM_XlrdReadsEveryValue)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_FileObjectWritesTheWorkbook(benchmark::State& state)
{
    for (auto _ : state) {
        TXLSFile workbook(nullptr);
        workbook.Connect();
        workbook.NewFile(Sheets);
        for (int sheet = 1; sheet <= Sheets; ++sheet) {
            workbook.SetActiveSheet(sheet);
            for (int row = 0; row < Rows; ++row)
                for (int col = 0; col < Columns; ++col)
                    workbook.SetCellValue(row + 1, col + 1, Variant(row * 10 + col + 0.123456789));
        }
        const std::string out = XLS_BENCH_DATA "/written-by-file-object.xls";
        workbook.AllowOverwritingFiles = true;
        workbook.Save(false, out, nullptr, nullptr, nullptr);
    }
}
BENCHMARK(BM_FileObjectWritesTheWorkbook)->Unit(benchmark::kMillisecond)->UseRealTime();

// A workbook of distinct texts only, at two sizes ten times apart: every new
// text enters the shared string table, so the cost shows whether adding one
// grows with the table.
void BM_FileObjectWritesDistinctTexts(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    std::filesystem::create_directories(XLS_BENCH_DATA);
    for (auto _ : state) {
        TXLSFile workbook(nullptr);
        workbook.Connect();
        workbook.NewFile(1);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < Columns; ++col)
                workbook.SetCellValue(row + 1, col + 1, Variant("text " + std::to_string(row * Columns + col)));
        workbook.AllowOverwritingFiles = true;
        workbook.Save(false, XLS_BENCH_DATA "/distinct-texts.xls", nullptr, nullptr, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * rows * Columns);
}
BENCHMARK(BM_FileObjectWritesDistinctTexts)->Arg(6550)->Arg(65500)->Unit(benchmark::kMillisecond)->UseRealTime();

// One iteration deletes the top row and copies the next one into its place
// (the sheet is full, so deleting comes first), then copies a column to the
// left and deletes it again.
void BM_FileObjectInsertsAndDeletesRowsAndColumns(benchmark::State& state)
{
    const std::string& file = bench::LargeWorkbook();
    if (file.empty()) {
        state.SkipWithError("python3-xlwt could not write the workbook");
        return;
    }
    TXLSFile workbook(nullptr);
    workbook.Connect();
    workbook.OpenFile(file);
    workbook.SetActiveSheet(1);
    for (auto _ : state) {
        workbook.DeleteRows(1, 1);
        workbook.InsertAndCopyRows(1, 1, 1, 1, false);
        workbook.InsertAndCopyCols(2, 2, 1, 1, false);
        workbook.DeleteCols(1, 1);
    }
    benchmark::DoNotOptimize(workbook.GetCellValue(1, 1));
}
BENCHMARK(BM_FileObjectInsertsAndDeletesRowsAndColumns)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_XlwtWritesTheWorkbook(benchmark::State& state)
{
    std::filesystem::create_directories(XLS_BENCH_DATA);
    const std::string program = "import xlwt\nb = xlwt.Workbook()\nfor s in range(2):\n"
                                " sh = b.add_sheet('Sheet%d' % (s + 1))\n"
                                " for r in range(65536):\n"
                                "  for c in range(10): sh.write(r, c, r * 10 + c + 0.123456789)\n"
                                "b.save('" XLS_BENCH_DATA "/written-by-xlwt.xls')";
    double peak = 0;
    if (!bench::TimePython(state, program, "python3-xlwt", peak)) return;
    state.counters["peakMiB"] = peak;
}
BENCHMARK(BM_XlwtWritesTheWorkbook)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace
