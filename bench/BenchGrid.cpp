// A string grid of 1,000,000 rows by 10 columns: filling every cell, the
// rectangle of the last row, scrolling to the end and painting one screen.
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/grids/StringGrid.h"

#include "BenchMeasures.h"

#include <benchmark/benchmark.h>


#include <memory>
#include <string>

namespace {

constexpr int Rows = 1'000'000;
constexpr int Cols = 10;

// A shown form with a 1280 x 960 grid of the benchmark's size.
struct TGridScene {
    TGridScene()
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 1300, 1000);
        Grid = new TStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 1280, 960);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        Form->Show();
    }
    void Fill()
    {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) Grid->SetCells(c, r, "R" + std::to_string(r) + "C" + std::to_string(c));
    }
    std::unique_ptr<TForm> Form;
    TStringGrid* Grid = nullptr;
};

// Every cell written once with a short text, as a loader fills a grid.
void FillMillionRows(benchmark::State& state)
{
    bench::MeasureFill(state, [] { return std::make_unique<TGridScene>(); }, static_cast<std::int64_t>(Rows) * Cols);
}
BENCHMARK(FillMillionRows)->Unit(benchmark::kMillisecond)->Iterations(2);

// The rectangle and offset of the last row with the view at the end, on an
// axis whose row heights vary (so positions come from the prefix sums).
void LastRowCellRect(benchmark::State& state)
{
    TGridScene scene;
    for (int r = 0; r < Rows; r += 7) scene.Grid->SetRowHeights(r, 30 + r % 11);
    scene.Grid->SetTopRow(Rows - 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(scene.Grid->CellRect(Cols - 1, Rows - 1));
        benchmark::DoNotOptimize(scene.Grid->RowOffset(Rows - 1));
    }
}
BENCHMARK(LastRowCellRect);

// Ctrl+End from the first cell and Ctrl+Home back: the current cell moves,
// the view scrolls to the end and back.
void ScrollToEndAndBack(benchmark::State& state)
{
    TGridScene scene;
    for (int r = 0; r < Rows; r += 7) scene.Grid->SetRowHeights(r, 30 + r % 11);
    scene.Grid->SetFocus();
    for (auto _ : state) {
        backend::input::PressKey(*scene.Form, VK_END, TShiftState{ssCtrl});
        backend::input::PressKey(*scene.Form, VK_HOME, TShiftState{ssCtrl});
    }
    if (scene.Grid->Row() != scene.Grid->FixedRows()) state.SkipWithError("the current row did not come back");
}
BENCHMARK(ScrollToEndAndBack)->Unit(benchmark::kMicrosecond);

// One full screen of filled cells painted at the end of the grid.
void PaintOneScreen(benchmark::State& state)
{
    TGridScene scene;
    scene.Fill();
    scene.Grid->Perform(WM_VSCROLL, MakeWParam(SB_BOTTOM, 0), 0);
    for (auto _ : state) {
        scene.Grid->Repaint();
    }
    state.counters["rows_shown"] = scene.Grid->VisibleRowCount();
}
BENCHMARK(PaintOneScreen)->Unit(benchmark::kMillisecond);

} // namespace
