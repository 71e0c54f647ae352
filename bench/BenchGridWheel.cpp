// 10,000 wheel notches through the window messages on a grid of 1,000,000
// rows, moving the current row and scrolling the view, beside the same
// moves made directly on the grid in the same run: a notch costs what its
// move costs. VISTRA_BENCH_SMALL=1 shrinks the grid and the notches for a
// quick smoke run.
#include "grid/QuillGrid.h"
#include "grid/base/MouseActions.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Forms.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

bool Small() { return std::getenv("VISTRA_BENCH_SMALL") != nullptr; }
const int Notches = Small() ? 500 : 10'000;
int Rows() { return Small() ? 20'000 : 1'000'000; }
// Rows a notch moves.
constexpr int NotchRows = 3;

struct TWheelScene {
    explicit TWheelScene(TWheelAction Action)
    {
        backend::InstallHeadlessBackend();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 640, 480);
        grid = new TQuillStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetColCount(4);
        grid->SetRowCount(Rows() + 1);
        grid->MouseActions().SetWheelAction(Action);
        form->Show();
        grid->SetFocus();
    }
    std::unique_ptr<TForm> form;
    TQuillStringGrid* grid = nullptr;
};

// Down the grid notch by notch, then back up to where it began.
void WheelNotches(benchmark::State& state, TWheelAction Action)
{
    TWheelScene scene(Action);
    for (auto _ : state) {
        for (int i = 0; i < Notches; ++i) backend::input::Wheel(*scene.grid, -120);
        for (int i = 0; i < Notches; ++i) backend::input::Wheel(*scene.grid, 120);
    }
    if (scene.grid->Row() != 1 || scene.grid->TopRow() != 1) state.SkipWithError("the wheel did not come back");
    state.SetItemsProcessed(state.iterations() * 2 * Notches);
}

void GridWheelMovesTheRow(benchmark::State& state) { WheelNotches(state, waMoveSelection); }
void GridWheelScrolls(benchmark::State& state) { WheelNotches(state, waScroll); }

// Baselines: the same row moves and scrolls made directly, no messages.
void GridDirectMovesBaseline(benchmark::State& state)
{
    TWheelScene scene(waMoveSelection);
    for (auto _ : state) {
        for (int i = 1; i <= Notches; ++i) scene.grid->FocusCell(1, 1 + i * NotchRows, true);
        for (int i = Notches - 1; i >= 0; --i) scene.grid->FocusCell(1, 1 + i * NotchRows, true);
    }
    state.SetItemsProcessed(state.iterations() * 2 * Notches);
}

void GridDirectScrollsBaseline(benchmark::State& state)
{
    TWheelScene scene(waScroll);
    for (auto _ : state) {
        for (int i = 1; i <= Notches; ++i) scene.grid->SetTopRow(1 + i * NotchRows);
        for (int i = Notches - 1; i >= 0; --i) scene.grid->SetTopRow(1 + i * NotchRows);
    }
    state.SetItemsProcessed(state.iterations() * 2 * Notches);
}

} // namespace

BENCHMARK(GridDirectMovesBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(GridWheelMovesTheRow)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(GridDirectScrollsBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(GridWheelScrolls)->Unit(benchmark::kMillisecond)->Iterations(1);
