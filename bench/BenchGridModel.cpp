// The string grid's model at a million rows, each operation beside a bare
// baseline measured in the same run: filling, real/display row mapping with
// hidden rows, hiding and showing scattered rows, deleting a block and
// appending rows one at a time, and hiding the rows a disjunct selection flags.
#include "grid/QuillGrid.h"
#include "grid/base/MouseActions.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Forms.h"

#include "BenchMeasures.h"

#include <benchmark/benchmark.h>


#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Rows = 1'000'000;
constexpr int Cols = 10;
constexpr int HiddenRows = 100'000;
constexpr int BlockRows = 100'000;
constexpr int AppendedRows = 100'000;

std::string CellText(int c, int r) { return "R" + std::to_string(r) + "C" + std::to_string(c); }

// A shown form with a string grid of Rows x Cols.
struct TGridScene {
    explicit TGridScene(bool fill)
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 1300, 1000);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 1280, 960);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        Form->Show();
        if (fill) Fill();
    }
    void Fill()
    {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) Grid->SetCells(c, r, CellText(c, r));
    }
    // Every tenth row, so the hidden rows are spread over the whole grid.
    void HideScattered()
    {
        for (int r = 5; r < Rows; r += Rows / HiddenRows) Grid->HideRow(r);
    }
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;
};

void GridFillMillionByTen(benchmark::State& state)
{
    bench::MeasureFill(state, [] { return std::make_unique<TGridScene>(false); }, static_cast<std::int64_t>(Rows) * Cols);
}
BENCHMARK(GridFillMillionByTen)->Unit(benchmark::kMillisecond)->Iterations(1);

// Baseline: the same texts in one flat vector of strings.
void BaselineFillVectorOfStrings(benchmark::State& state)
{
    double bytesPerCell = 0;
    for (auto _ : state) {
        const std::size_t before = bench::HeapInUse();
        std::vector<std::string> texts;
        texts.reserve(static_cast<std::size_t>(Rows) * Cols);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) texts.push_back(CellText(c, r));
        bytesPerCell = static_cast<double>(bench::HeapInUse() - before) / (static_cast<double>(Rows) * Cols);
        benchmark::DoNotOptimize(texts.data());
        state.PauseTiming();
        texts = {};
        state.ResumeTiming();
    }
    state.counters["bytes_per_cell"] = bytesPerCell;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Rows) * Cols);
}
BENCHMARK(BaselineFillVectorOfStrings)->Unit(benchmark::kMillisecond)->Iterations(1);

// A million display-to-real and real-to-display mappings with 100,000 rows hidden.
void GridMillionRowMappings(benchmark::State& state)
{
    TGridScene scene(false);
    scene.HideScattered();
    const int shown = scene.Grid->RowCount();
    for (auto _ : state) {
        long sum = 0;
        for (int i = 0; i < Rows / 2; ++i) {
            sum += scene.Grid->RealRowIndex(i % shown);
            sum += scene.Grid->DisplRowIndex(i);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(GridMillionRowMappings)->Unit(benchmark::kMillisecond);

// Baseline: the same count of reads from two plain index arrays.
void BaselineMillionArrayReads(benchmark::State& state)
{
    std::vector<int> displToReal(static_cast<std::size_t>(Rows)), realToDispl(static_cast<std::size_t>(Rows));
    for (int i = 0; i < Rows; ++i) displToReal[static_cast<std::size_t>(i)] = realToDispl[static_cast<std::size_t>(i)] = i;
    const int shown = Rows - HiddenRows;
    for (auto _ : state) {
        long sum = 0;
        for (int i = 0; i < Rows / 2; ++i) {
            sum += displToReal[static_cast<std::size_t>(i % shown)];
            sum += realToDispl[static_cast<std::size_t>(i)];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}
BENCHMARK(BaselineMillionArrayReads)->Unit(benchmark::kMillisecond);

// Hiding 100,000 scattered rows of a filled million one by one, then showing all.
void GridHideScatteredThenUnhideAll(benchmark::State& state)
{
    TGridScene scene(true);
    for (auto _ : state) {
        scene.HideScattered();
        scene.Grid->UnHideRowsAll();
    }
    if (scene.Grid->RowCount() != Rows) state.SkipWithError("rows did not come back");
    state.SetItemsProcessed(state.iterations() * HiddenRows);
}
BENCHMARK(GridHideScatteredThenUnhideAll)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: setting and clearing the same flags in a plain array.
void BaselineFlagScatteredRows(benchmark::State& state)
{
    std::vector<unsigned char> hidden(static_cast<std::size_t>(Rows), 0);
    for (auto _ : state) {
        for (int r = 5; r < Rows; r += Rows / HiddenRows) hidden[static_cast<std::size_t>(r)] = 1;
        for (auto& h : hidden) h = 0;
        benchmark::DoNotOptimize(hidden.data());
    }
    state.SetItemsProcessed(state.iterations() * HiddenRows);
}
BENCHMARK(BaselineFlagScatteredRows)->Unit(benchmark::kMillisecond);

// Flagging 100,000 scattered rows of a filled million in a disjunct row
// selection, hiding the flagged rows in one pass, then showing all (the
// baseline above sets and clears the same flags).
void GridHideFlaggedRowsThenUnhideAll(benchmark::State& state)
{
    TGridScene scene(true);
    scene.Grid->MouseActions().SetDisjunctRowSelect(true);
    for (auto _ : state) {
        for (int r = 5; r < Rows; r += Rows / HiddenRows) scene.Grid->SetRowSelect(r, true);
        scene.Grid->HideSelectedRows();
        scene.Grid->UnHideRowsAll();
        scene.Grid->ClearRowSelect();
    }
    if (scene.Grid->RowCount() != Rows) state.SkipWithError("rows did not come back");
    state.SetItemsProcessed(state.iterations() * HiddenRows);
}
BENCHMARK(GridHideFlaggedRowsThenUnhideAll)->Unit(benchmark::kMillisecond)->Iterations(2);

// Deleting a 100,000-row block from the middle of a filled million.
void GridDeleteRowBlock(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<TGridScene>(true);
        state.ResumeTiming();
        scene->Grid->RemoveRows(Rows / 2, BlockRows);
        state.PauseTiming();
        if (scene->Grid->RowCount() != Rows - BlockRows) state.SkipWithError("wrong row count");
        scene.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(GridDeleteRowBlock)->Unit(benchmark::kMillisecond)->Iterations(1);

// Baseline: erasing the same block from a vector of rows of strings.
void BaselineEraseRowBlock(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(Rows));
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) rows[static_cast<std::size_t>(r)].push_back(CellText(c, r));
        state.ResumeTiming();
        rows.erase(rows.begin() + Rows / 2, rows.begin() + Rows / 2 + BlockRows);
        benchmark::DoNotOptimize(rows.data());
        state.PauseTiming();
        rows = {};
        state.ResumeTiming();
    }
}
BENCHMARK(BaselineEraseRowBlock)->Unit(benchmark::kMillisecond)->Iterations(1);

// Appending 100,000 rows one at a time to a filled million, each filled.
void GridAppendRowsOneByOne(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<TGridScene>(true);
        scene->HideScattered();
        state.ResumeTiming();
        for (int i = 0; i < AppendedRows; ++i) {
            scene->Grid->AddRow();
            const int last = scene->Grid->RowCount() - 1;
            for (int c = 0; c < Cols; ++c) scene->Grid->SetCells(c, last, CellText(c, last));
        }
        state.PauseTiming();
        scene.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * AppendedRows);
}
BENCHMARK(GridAppendRowsOneByOne)->Unit(benchmark::kMillisecond)->Iterations(1);

// Baseline: pushing the same rows onto a vector of rows of strings.
void BaselineAppendRows(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(Rows));
        state.ResumeTiming();
        for (int i = 0; i < AppendedRows; ++i) {
            std::vector<std::string> row;
            for (int c = 0; c < Cols; ++c) row.push_back(CellText(c, Rows + i));
            rows.push_back(std::move(row));
        }
        benchmark::DoNotOptimize(rows.data());
        state.PauseTiming();
        rows = {};
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * AppendedRows);
}
BENCHMARK(BaselineAppendRows)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
