// The string grid driven as a client program drives it, through its public
// operations only: a grid of 10 columns filled with SetCells, sorted on a
// number column with QSort and filtered with ">500&<1000", each beside a bare
// loop doing the same work on plain vectors in the same run. Sizes are the
// benchmark's argument (rows); VISTRA_BENCH_SMALL=1 shrinks them for a smoke run.
#include "grid/QuillGrid.h"
#include "grid/model/FilterSettings.h"
#include "grid/model/SortSettings.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Forms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Cols = 10;
constexpr int NumberCol = 2;

int Scaled(int Rows) { return std::getenv("VISTRA_BENCH_SMALL") ? Rows / 100 : Rows; }

// Column-major texts: numbers with two decimals in NumberCol (few equal
// keys), words elsewhere.
std::vector<std::vector<std::string>> MakeTexts(int Rows)
{
    std::mt19937 random(23);
    std::vector<std::vector<std::string>> columns(Cols);
    for (int c = 0; c < Cols; ++c) {
        auto& column = columns[static_cast<std::size_t>(c)];
        column.reserve(static_cast<std::size_t>(Rows));
        for (int r = 0; r < Rows; ++r) {
            if (c == NumberCol)
                column.push_back(std::to_string(random() % 100000) + "." + std::to_string(random() % 100));
            else
                column.push_back("w" + std::to_string(random() % 1000000));
        }
    }
    return columns;
}

// One filled grid on a shown form; a new size replaces the old one.
struct TClientScene {
    explicit TClientScene(int ARows) : Rows(ARows), Texts(MakeTexts(ARows))
    {
        backend::InstallHeadlessBackend();
        FormatSettings().DecimalSeparator = '.';
        FormatSettings().ThousandSeparator = ',';
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 1000, 800);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 980, 760);
        Form->Show();
    }
    void Fill()
    {
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows + 1);
        Grid->SetFixedRows(1);
        for (int c = 0; c < Cols; ++c)
            for (int r = 0; r < Rows; ++r)
                Grid->SetCells(c, r + 1, Texts[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
    }
    int Rows;
    std::vector<std::vector<std::string>> Texts;
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;
};

TClientScene& Scene(int Rows)
{
    static std::unique_ptr<TClientScene> scene;
    if (!scene || scene->Rows != Rows) {
        scene.reset();
        scene = std::make_unique<TClientScene>(Rows);
        scene->Fill();
    }
    return *scene;
}

const std::vector<std::string>& NumberTexts(int Rows) { return Scene(Rows).Texts[NumberCol]; }

void ClientFill(benchmark::State& state)
{
    const int rows = Scaled(static_cast<int>(state.range(0)));
    TClientScene& scene = Scene(rows);
    for (auto _ : state) {
        state.PauseTiming();
        scene.Grid->SetRowCount(2);
        state.ResumeTiming();
        scene.Fill();
    }
    state.SetItemsProcessed(state.iterations() * rows * Cols);
}

// Each iteration sorts the grid in its filled order, put back outside the timing.
void ClientQSortNumberColumn(benchmark::State& state)
{
    const int rows = Scaled(static_cast<int>(state.range(0)));
    TQuillStringGrid& grid = *Scene(rows).Grid;
    grid.SortSettings().SetColumn(NumberCol);
    grid.SortSettings().SetDirection(sdAscending);
    for (auto _ : state) {
        grid.QSort();
        state.PauseTiming();
        grid.QUnSort();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

// The same keys converted before the timing, sorted stably.
void BaselineStableSortConvertedKeys(benchmark::State& state)
{
    const int rows = Scaled(static_cast<int>(state.range(0)));
    std::vector<double> keys;
    for (const std::string& text : NumberTexts(rows)) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        keys.push_back(value);
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<double> copy = keys;
        state.ResumeTiming();
        std::stable_sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

void ClientFilterNumberRange(benchmark::State& state)
{
    const int rows = Scaled(static_cast<int>(state.range(0)));
    TQuillStringGrid& grid = *Scene(rows).Grid;
    grid.Filter().Clear();
    TFilterData& data = *grid.Filter().Add();
    data.SetColumn(NumberCol);
    data.SetCondition(">500&<1000");
    int shown = 0;
    for (auto _ : state) {
        grid.ApplyFilter();
        state.PauseTiming();
        shown = grid.RowCount() - 1;
        grid.RemoveAllFilters();
        state.ResumeTiming();
    }
    grid.Filter().Clear();
    state.counters["rows_left"] = shown;
    state.SetItemsProcessed(state.iterations() * rows);
}

// Parses each text and keeps the rows in range.
void BaselineParseAndCompareLoop(benchmark::State& state)
{
    const int rows = Scaled(static_cast<int>(state.range(0)));
    const std::vector<std::string>& texts = NumberTexts(rows);
    std::size_t kept = 0;
    for (auto _ : state) {
        std::vector<int> shown;
        for (std::size_t r = 0; r < texts.size(); ++r) {
            double value = 0;
            const std::string& text = texts[r];
            if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc() && value > 500 &&
                value < 1000)
                shown.push_back(static_cast<int>(r));
        }
        kept = shown.size();
        benchmark::DoNotOptimize(shown.data());
    }
    state.counters["rows_left"] = static_cast<double>(kept);
    state.SetItemsProcessed(state.iterations() * rows);
}

// Each size's grid is made once; its benchmarks run together.
void Sizes(benchmark::internal::Benchmark* B) { B->Unit(benchmark::kMillisecond)->Iterations(3); }

} // namespace

BENCHMARK(ClientFill)->Arg(250'000)->Apply(Sizes)->Iterations(1);
BENCHMARK(ClientQSortNumberColumn)->Arg(250'000)->Apply(Sizes);
BENCHMARK(BaselineStableSortConvertedKeys)->Arg(250'000)->Apply(Sizes);
BENCHMARK(ClientFilterNumberRange)->Arg(250'000)->Apply(Sizes);
BENCHMARK(BaselineParseAndCompareLoop)->Arg(250'000)->Apply(Sizes);
BENCHMARK(ClientFill)->Arg(1'000'000)->Apply(Sizes)->Iterations(1);
BENCHMARK(ClientQSortNumberColumn)->Arg(1'000'000)->Apply(Sizes);
BENCHMARK(BaselineStableSortConvertedKeys)->Arg(1'000'000)->Apply(Sizes);
BENCHMARK(ClientFilterNumberRange)->Arg(1'000'000)->Apply(Sizes);
BENCHMARK(BaselineParseAndCompareLoop)->Arg(1'000'000)->Apply(Sizes);
