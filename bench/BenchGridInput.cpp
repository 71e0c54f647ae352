// 10,000 edits committed one after another through the key pipeline (a
// value typed over the current cell, then Enter) on a grid of 1,000,000
// rows with a footer row, beside the bare store of the same values in the
// same run, and the same edits on a grid of 10,000 rows to show that an
// edit costs the same whatever the number of rows. VISTRA_BENCH_SMALL=1
// shrinks the big grid and the number of edits for a quick smoke run.
#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

bool Small() { return std::getenv("VISTRA_BENCH_SMALL") != nullptr; }
const int Edits = Small() ? 500 : 10'000;
int BigRows() { return Small() ? 20'000 : 1'000'000; }

// A shown form holding an editable grid of Rows data rows, a fixed row
// above them and a footer row below.
struct TEditScene {
    explicit TEditScene(int Rows)
    {
        backend::InstallHeadlessBackend();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 640, 480);
        grid = new TQuillStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetColCount(4);
        grid->SetRowCount(Rows + 2);
        grid->SetFixedFooters(1);
        TGridOptions options = grid->Options();
        options.Include(goEditing);
        grid->SetOptions(options);
        form->Show();
        grid->SetFocus();
    }
    // Spread over the whole grid, so the edits do not stay near the top.
    int RowOf(int Edit) const { return 1 + static_cast<int>((static_cast<long long>(Edit) * 7919) % (grid->RowCount() - 2)); }

    std::unique_ptr<TForm> form;
    TQuillStringGrid* grid = nullptr;
};

void TypeEdits(benchmark::State& state, int Rows)
{
    TEditScene scene(Rows);
    for (auto _ : state) {
        for (int i = 0; i < Edits; ++i) {
            scene.grid->FocusCell(1, scene.RowOf(i), true);
            backend::input::TypeText(*scene.form, "v" + std::to_string(i));
            backend::input::PressKey(*scene.form, VK_RETURN);
        }
        state.PauseTiming();
        // The editing-done notices the edits posted.
        backend::input::Pump();
        state.ResumeTiming();
    }
    if (scene.grid->Cells(1, scene.RowOf(Edits - 1)) != "v" + std::to_string(Edits - 1))
        state.SkipWithError("the last edit was not stored");
    state.SetItemsProcessed(state.iterations() * Edits);
}

void GridTypedEditsBigGrid(benchmark::State& state) { TypeEdits(state, BigRows()); }
void GridTypedEditsSmallGrid(benchmark::State& state) { TypeEdits(state, 10'000); }

// Baseline: the same cells and values stored directly, no keys, no editor.
void GridStoredEditsBigGridBaseline(benchmark::State& state)
{
    TEditScene scene(BigRows());
    for (auto _ : state)
        for (int i = 0; i < Edits; ++i) {
            scene.grid->FocusCell(1, scene.RowOf(i), true);
            scene.grid->SetCells(1, scene.RowOf(i), "v" + std::to_string(i));
        }
    state.SetItemsProcessed(state.iterations() * Edits);
}

} // namespace

BENCHMARK(GridStoredEditsBigGridBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(GridTypedEditsBigGrid)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(GridTypedEditsSmallGrid)->Unit(benchmark::kMillisecond)->Iterations(1);
