// Formula cells through the file object: writing 100,000 formulas from
// their text and saving, and opening the file and reading every formula's
// text, beside the python3 peers in the same run: xlwt writing the same
// formulas (10,000 of them, its formula compiler being slow; compare items
// per second) and xlrd reading the file we wrote.
#include "xlsAdapter/qorXLSAdapter.h"

#include "XlsBenchWorkbook.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

constexpr int FormulaRows = 50000;  // two formulas a row
constexpr int PeerRows = 5000;
const std::string Written = XLS_BENCH_DATA "/formulas-by-file-object.xls";

// Row r (from 1): a number in A, =A{r}*2+1 in B and =SUM($A$1:A{r})-B{r} in C.
void WriteFormulas(TXLSFile& workbook)
{
    for (int row = 1; row <= FormulaRows; ++row) {
        const std::string r = std::to_string(row);
        workbook.SetCellValue(row, 1, Variant(row));
        workbook.SetCellFormula(row, 2, "=A" + r + "*2+1");
        workbook.SetCellFormula(row, 3, "=SUM($A$1:A" + r + ")-B" + r);
    }
}

void BM_FileObjectWritesFormulas(benchmark::State& state)
{
    std::filesystem::create_directories(XLS_BENCH_DATA);
    for (auto _ : state) {
        TXLSFile workbook(nullptr);
        workbook.Connect();
        workbook.NewFile(1);
        WriteFormulas(workbook);
        workbook.AllowOverwritingFiles = true;
        workbook.Save(false, Written, nullptr, nullptr, nullptr);
    }
    state.SetItemsProcessed(state.iterations() * FormulaRows * 2);
}
BENCHMARK(BM_FileObjectWritesFormulas)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_XlwtWritesFormulas(benchmark::State& state)
{
    std::filesystem::create_directories(XLS_BENCH_DATA);
    const std::string program = "import xlwt\nb = xlwt.Workbook()\nsh = b.add_sheet('Sheet1')\n"
                                "for r in range(1, " + std::to_string(PeerRows + 1) + "):\n"
                                " sh.write(r - 1, 0, r)\n"
                                " sh.write(r - 1, 1, xlwt.Formula('A%d*2+1' % r))\n"
                                // The program runs inside the shell's double quotes.
                                " sh.write(r - 1, 2, xlwt.Formula('SUM(\\$A\\$1:A%d)-B%d' % (r, r)))\n"
                                "b.save('" XLS_BENCH_DATA "/formulas-by-xlwt.xls')";
    double peak = 0;
    if (!bench::TimePython(state, program, "python3-xlwt", peak)) return;
    state.SetItemsProcessed(state.iterations() * PeerRows * 2);
}
BENCHMARK(BM_XlwtWritesFormulas)->Unit(benchmark::kMillisecond)->UseManualTime();

// The file BM_FileObjectWritesFormulas writes, made here when it has not run.
const std::string& FormulaWorkbook()
{
    if (!std::filesystem::exists(Written)) {
        std::filesystem::create_directories(XLS_BENCH_DATA);
        TXLSFile workbook(nullptr);
        workbook.Connect();
        workbook.NewFile(1);
        WriteFormulas(workbook);
        workbook.Save(false, Written, nullptr, nullptr, nullptr);
    }
    return Written;
}

void BM_FileObjectReadsFormulaTexts(benchmark::State& state)
{
    const std::string& file = FormulaWorkbook();
    std::size_t characters = 0;
    for (auto _ : state) {
        TXLSFile workbook(nullptr);
        workbook.Connect();
        workbook.OpenFile(file);
        characters = 0;
        for (int row = 1; row <= workbook.MaxRow(); ++row)
            for (int col = 2; col <= 3; ++col)
                characters += workbook.GetCellFormula(row, col).size();
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * FormulaRows * 2);
}
BENCHMARK(BM_FileObjectReadsFormulaTexts)->Unit(benchmark::kMillisecond)->UseRealTime();

// xlrd does not decode formulas: it reads each formula cell's last result.
void BM_XlrdReadsFormulaCells(benchmark::State& state)
{
    const std::string program = "import xlrd\nb = xlrd.open_workbook('" + FormulaWorkbook() +
                                "')\nsh = b.sheet_by_index(0)\nn = 0\n"
                                "for r in range(sh.nrows):\n n += len(sh.row_values(r))";
    double peak = 0;
    if (!bench::TimePython(state, program, "python3-xlrd", peak)) return;
    state.SetItemsProcessed(state.iterations() * FormulaRows * 2);
}
BENCHMARK(BM_XlrdReadsFormulaCells)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace
