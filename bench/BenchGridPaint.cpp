// Painting one 1920 x 1080 screen of the string grid. A grid of a million
// rows scrolled to its end is measured beside the same grid with ten rows:
// painting must cost the same whatever the row count. A screen of 2,000
// HTML cells is measured beside the same screen of plain cells.
#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Forms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr int ScreenWidth = 1920;
constexpr int ScreenHeight = 1080;

struct TPaintScene {
    TPaintScene(int Rows, int Cols, int ColWidth, int RowHeight, bool Html)
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, ScreenWidth + 20, ScreenHeight + 40);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, ScreenWidth, ScreenHeight);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        Grid->SetDefaultColWidth(ColWidth);
        Grid->SetDefaultRowHeight(RowHeight);
        Form->Show();
        // Only the rows of the last screen hold text: the rest never shows.
        const int shown = ScreenHeight / RowHeight + 1;
        for (int r = std::max(1, Rows - shown); r < Rows; ++r)
            for (int c = 1; c < Cols; ++c)
                Grid->SetCells(c, r, Html ? "<b>" + std::to_string(r) + "</b> <i>c" + std::to_string(c) + "</i>"
                                          : std::to_string(r) + " c" + std::to_string(c));
        Grid->SetTopRow(std::max(1, Rows - shown + 1));
    }
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;
};

void PaintScreen(benchmark::State& state, TPaintScene& scene, int cells)
{
    for (auto _ : state) scene.Grid->Repaint();
    state.SetItemsProcessed(state.iterations() * cells);
}

// 20 columns of 96 pixels and rows of 108: ten rows fill the screen, so
// both grids paint the same cells.
void GridPaintScreenTenRows(benchmark::State& state)
{
    TPaintScene scene(10, 20, 96, 108, false);
    PaintScreen(state, scene, 10 * 20);
}
BENCHMARK(GridPaintScreenTenRows)->Unit(benchmark::kMillisecond);

void GridPaintScreenMillionRowsAtEnd(benchmark::State& state)
{
    TPaintScene scene(1'000'000, 20, 96, 108, false);
    PaintScreen(state, scene, 10 * 20);
}
BENCHMARK(GridPaintScreenMillionRowsAtEnd)->Unit(benchmark::kMillisecond);

// 40 columns of 48 pixels and 50 rows of 21: 2,000 cells on the screen.
void GridPaintScreenPlainCells(benchmark::State& state)
{
    TPaintScene scene(51, 41, 48, 21, false);
    PaintScreen(state, scene, 2'000);
}
BENCHMARK(GridPaintScreenPlainCells)->Unit(benchmark::kMillisecond);

void GridPaintScreenHtmlCells(benchmark::State& state)
{
    TPaintScene scene(51, 41, 48, 21, true);
    PaintScreen(state, scene, 2'000);
}
BENCHMARK(GridPaintScreenHtmlCells)->Unit(benchmark::kMillisecond);

} // namespace
