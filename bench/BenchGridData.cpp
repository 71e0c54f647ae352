// The string grid's data operations on 1,000,000 rows x 10 columns, each
// beside a bare baseline doing the same work on plain vectors in the same
// run. VISTRA_BENCH_SMALL=1 shrinks the grid for a quick smoke run.
#include "grid/QuillGrid.h"
#include "grid/model/FloatingFooter.h"
#include "grid/base/AuxLists.h"
#include "grid/base/CellProperties.h"
#include "grid/data/SortKey.h"
#include "grid/model/BehaviourSettings.h"
#include "grid/model/FilterSettings.h"
#include "grid/model/SortSettings.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Forms.h"
#include "platform/ui/VirtualKeys.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int Cols = 10;
// The columns the benchmarks work on; the others hold filler text.
constexpr int TextCol = 1;
constexpr int NumberCol = 2;
constexpr int DateCol = 3;

int Rows()
{
    static const int rows = std::getenv("VISTRA_BENCH_SMALL") ? 10'000 : 1'000'000;
    return rows;
}

std::string RandomWord(std::mt19937& random)
{
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string word;
    const int length = 4 + static_cast<int>(random() % 8);
    for (int i = 0; i < length; ++i) word += letters[random() % 52];
    return word;
}

std::string RandomDate(std::mt19937& random)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%04u", 1 + static_cast<unsigned>(random() % 28),
                  1 + static_cast<unsigned>(random() % 12), 1950 + static_cast<unsigned>(random() % 70));
    return text;
}

// The cell texts, column by column, made once and shared by every benchmark.
struct TData {
    TData()
    {
        std::mt19937 random(17);
        columns.resize(Cols);
        for (auto& column : columns) column.reserve(static_cast<std::size_t>(Rows()));
        for (int r = 0; r < Rows(); ++r) {
            columns[0].push_back("R" + std::to_string(r));
            columns[TextCol].push_back(RandomWord(random));
            columns[NumberCol].push_back(std::to_string(random() % 100000) + "." + std::to_string(random() % 100));
            columns[DateCol].push_back(RandomDate(random));
            for (int c = DateCol + 1; c < Cols; ++c) columns[static_cast<std::size_t>(c)].push_back(RandomWord(random));
        }
    }
    std::vector<std::vector<std::string>> columns;
};

const TData& Data()
{
    static const TData data;
    return data;
}

void UseBenchLocale()
{
    FormatSettings().DateSeparator = '/';
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    FormatSettings().DecimalSeparator = '.';
    FormatSettings().ThousandSeparator = ',';
}

// A shown form with the string grid holding the data below one fixed row.
struct TGridScene {
    TGridScene()
    {
        backend::InstallHeadlessBackend();
        UseBenchLocale();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 1300, 1000);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 1280, 960);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows() + 1);
        Grid->SetFixedRows(1);
        Form->Show();
        const TData& data = Data();
        for (int c = 0; c < Cols; ++c)
            for (int r = 0; r < Rows(); ++r) Grid->SetCells(c, r + 1, data.columns[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
    }
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;
};

TGridScene& Scene()
{
    static TGridScene scene;
    return scene;
}

// Sorting: each iteration sorts the grid in its first order, put back by
// unsorting outside the timing.
void SortColumn(benchmark::State& state, int ACol)
{
    TQuillStringGrid& grid = *Scene().Grid;
    for (auto _ : state) {
        grid.Sort(ACol, sdAscending);
        state.PauseTiming();
        grid.QUnSort();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows());
}

void GridSortTextColumn(benchmark::State& state) { SortColumn(state, TextCol); }
void GridSortNumberColumn(benchmark::State& state) { SortColumn(state, NumberCol); }
void GridSortDateColumn(benchmark::State& state) { SortColumn(state, DateCol); }
BENCHMARK(GridSortTextColumn)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(GridSortNumberColumn)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(GridSortDateColumn)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baselines: std::stable_sort of the same keys already converted. The grid
// breaks ties in the sort column by the next column, and the date column
// ties on nearly every row (its 23,520 dates repeat about 42 times each), so
// each baseline sorts pairs: the sort column's key, then the next column's.
template <typename Key>
void StableSortKeys(benchmark::State& state, const std::vector<Key>& keys)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Key> copy = keys;
        state.ResumeTiming();
        std::stable_sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows());
}

std::vector<double> ConvertedColumn(int ACol, TSortStyle Style)
{
    std::vector<double> keys;
    for (const std::string& text : Data().columns[static_cast<std::size_t>(ACol)])
        keys.push_back(grid::MakeSortKey(Style, text, {}).Number);
    return keys;
}

std::vector<std::string_view> TextColumn(int ACol)
{
    const std::vector<std::string>& texts = Data().columns[static_cast<std::size_t>(ACol)];
    return {texts.begin(), texts.end()};
}

template <typename First, typename Second>
std::vector<std::pair<First, Second>> KeyPairs(const std::vector<First>& first, const std::vector<Second>& second)
{
    std::vector<std::pair<First, Second>> pairs;
    pairs.reserve(first.size());
    for (std::size_t i = 0; i < first.size(); ++i) pairs.emplace_back(first[i], second[i]);
    return pairs;
}

void BaselineStableSortTexts(benchmark::State& state)
{
    StableSortKeys(state, KeyPairs(TextColumn(TextCol), ConvertedColumn(NumberCol, ssNumeric)));
}
void BaselineStableSortNumbers(benchmark::State& state)
{
    UseBenchLocale();
    StableSortKeys(state, KeyPairs(ConvertedColumn(NumberCol, ssNumeric), ConvertedColumn(DateCol, ssDate)));
}
void BaselineStableSortDates(benchmark::State& state)
{
    UseBenchLocale();
    StableSortKeys(state, KeyPairs(ConvertedColumn(DateCol, ssDate), TextColumn(DateCol + 1)));
}
BENCHMARK(BaselineStableSortTexts)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BaselineStableSortNumbers)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BaselineStableSortDates)->Unit(benchmark::kMillisecond)->Iterations(2);

// Three sort indexes: dates descending, then texts, then numbers.
void GridSortIndexedThreeKeys(benchmark::State& state)
{
    TQuillStringGrid& grid = *Scene().Grid;
    grid.SortIndexes().Clear();
    grid.SortIndexes().AddIndex(DateCol, false);
    grid.SortIndexes().AddIndex(TextCol, true);
    grid.SortIndexes().AddIndex(NumberCol, true);
    for (auto _ : state) {
        grid.QSortIndexed();
        state.PauseTiming();
        grid.QUnSort();
        state.ResumeTiming();
    }
    grid.SortIndexes().Clear();
    state.SetItemsProcessed(state.iterations() * Rows());
}
BENCHMARK(GridSortIndexedThreeKeys)->Unit(benchmark::kMillisecond)->Iterations(2);

// Filtering: one pass with one condition, its level removed outside the timing.
void FilterColumn(benchmark::State& state, int ACol, const char* Condition)
{
    TQuillStringGrid& grid = *Scene().Grid;
    grid.Filter().Clear();
    TFilterData& data = *grid.Filter().Add();
    data.SetColumn(ACol);
    data.SetCondition(Condition);
    data.SetCaseSensitive(false);
    int shown = 0;
    for (auto _ : state) {
        grid.ApplyFilter();
        state.PauseTiming();
        shown = grid.RowCount();
        grid.RemoveAllFilters();
        state.ResumeTiming();
    }
    grid.Filter().Clear();
    state.counters["rows_left"] = shown - 1;
    state.SetItemsProcessed(state.iterations() * Rows());
}

void GridFilterWildcard(benchmark::State& state) { FilterColumn(state, TextCol, "*ab*"); }
void GridFilterNumberRange(benchmark::State& state) { FilterColumn(state, NumberCol, ">500&<1000"); }
BENCHMARK(GridFilterWildcard)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GridFilterNumberRange)->Unit(benchmark::kMillisecond)->Iterations(3);

// Baselines: the same tests in bare loops over the texts, collecting the
// rows that fail and hiding them as the filter must: a flag per row and the
// shown rows' index map made anew.
struct THiddenRows {
    std::vector<unsigned char> Hidden;
    std::vector<int> Shown;
};

THiddenRows HideFailingRows(const std::vector<int>& Failing, std::size_t Rows)
{
    THiddenRows rows;
    rows.Hidden.assign(Rows, 0);
    for (int r : Failing) rows.Hidden[static_cast<std::size_t>(r)] = 1;
    rows.Shown.reserve(Rows - Failing.size());
    for (std::size_t r = 0; r < Rows; ++r)
        if (!rows.Hidden[r]) rows.Shown.push_back(static_cast<int>(r));
    return rows;
}

bool ContainsFolded(const std::string& Text, std::string_view Upper)
{
    std::string folded = Text;
    for (char& c : folded)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return folded.find(Upper) != std::string::npos;
}

void BaselineSubstringLoop(benchmark::State& state)
{
    const auto& texts = Data().columns[TextCol];
    for (auto _ : state) {
        std::vector<int> failing;
        for (std::size_t r = 0; r < texts.size(); ++r)
            if (!ContainsFolded(texts[r], "AB")) failing.push_back(static_cast<int>(r));
        benchmark::DoNotOptimize(HideFailingRows(failing, texts.size()).Shown.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows());
}
BENCHMARK(BaselineSubstringLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

void BaselineNumberRangeLoop(benchmark::State& state)
{
    const auto& texts = Data().columns[NumberCol];
    for (auto _ : state) {
        std::vector<int> failing;
        for (std::size_t r = 0; r < texts.size(); ++r) {
            double value = 0;
            const std::string& text = texts[r];
            const bool number = std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
            if (!(number && value > 500 && value < 1000)) failing.push_back(static_cast<int>(r));
        }
        benchmark::DoNotOptimize(HideFailingRows(failing, texts.size()).Shown.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows());
}
BENCHMARK(BaselineNumberRangeLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

// Type-ahead: five characters typed, each narrowing the rows left, then
// deleted one by one.
constexpr const char* Typed[] = {"a", "ab", "abc", "abcd", "abcde"};

void GridNarrowDownTypeAndDelete(benchmark::State& state)
{
    TQuillStringGrid& grid = *Scene().Grid;
    for (auto _ : state) {
        for (const char* text : Typed) grid.NarrowDown(text, TextCol);
        for (int i = 3; i >= 0; --i) grid.NarrowDown(Typed[i], TextCol);
        grid.NarrowDown("", TextCol);
    }
    if (grid.RowCount() != Rows() + 1) state.SkipWithError("rows did not come back");
    grid.SetFixedRowAlways(false);
    grid.Filter().Clear();
    state.SetItemsProcessed(state.iterations() * Rows());
}
BENCHMARK(GridNarrowDownTypeAndDelete)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: the five narrowing passes, each over the rows the last one left.
void BaselineNarrowingLoops(benchmark::State& state)
{
    const auto& texts = Data().columns[TextCol];
    for (auto _ : state) {
        std::vector<int> left(texts.size());
        for (std::size_t r = 0; r < left.size(); ++r) left[r] = static_cast<int>(r);
        for (const char* text : Typed) {
            const std::string upper = [&] {
                std::string u = text;
                for (char& c : u) c = static_cast<char>(c - 'a' + 'A');
                return u;
            }();
            std::vector<int> kept;
            for (int r : left)
                if (ContainsFolded(texts[static_cast<std::size_t>(r)], upper)) kept.push_back(r);
            left = std::move(kept);
        }
        benchmark::DoNotOptimize(left.data());
    }
    state.SetItemsProcessed(state.iterations() * Rows());
}
BENCHMARK(BaselineNarrowingLoops)->Unit(benchmark::kMillisecond)->Iterations(2);

// Search: a text no cell holds, so every normal cell is tested.
void GridFindOverEveryCell(benchmark::State& state)
{
    TQuillStringGrid& grid = *Scene().Grid;
    for (auto _ : state) {
        const TPoint hit = grid.FindFirst("z#9q", {});
        if (hit.X != -1) state.SkipWithError("a cell held the text");
    }
    state.SetItemsProcessed(state.iterations() * Rows() * Cols);
}
BENCHMARK(GridFindOverEveryCell)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: the case-folded substring test over the same texts.
void BaselineFindLoop(benchmark::State& state)
{
    for (auto _ : state) {
        int found = 0;
        for (const auto& column : Data().columns)
            for (const std::string& text : column) found += ContainsFolded(text, "Z#9Q");
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * Rows() * Cols);
}
BENCHMARK(BaselineFindLoop)->Unit(benchmark::kMillisecond)->Iterations(2);

// Grouping 200,000 rows into 2,000 groups with summary rows, then ungrouping.
int GroupRows() { return Rows() / 5; }
int Groups() { return GroupRows() / 100; }

struct TGroupScene {
    TGroupScene()
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Grid = new TQuillStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetColCount(Cols);
        Grid->SetRowCount(GroupRows() + 1);
        Grid->SetFixedRows(1);
        Form->Show();
        const TData& data = Data();
        for (int r = 0; r < GroupRows(); ++r) {
            for (int c = 1; c < Cols; ++c)
                Grid->SetCells(c, r + 1, data.columns[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
            Grid->SetCells(GroupCol, r + 1, "G" + std::to_string(r % Groups()));
        }
        Grid->Grouping().SetSummary(true);
    }
    static constexpr int GroupCol = 4;
    std::unique_ptr<TForm> Form;
    TQuillStringGrid* Grid = nullptr;
};

void GridGroupAndUnGroup(benchmark::State& state)
{
    TGroupScene scene;
    for (auto _ : state) {
        scene.Grid->Group(TGroupScene::GroupCol);
        scene.Grid->GroupSum(NumberCol);
        scene.Grid->UnGroup();
    }
    if (scene.Grid->RowCount() != GroupRows() + 1) state.SkipWithError("rows did not come back");
    state.SetItemsProcessed(state.iterations() * GroupRows());
}
BENCHMARK(GridGroupAndUnGroup)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: the same rows as vectors of texts, stably sorted by the group
// value, rebuilt with a header and a summary row per group, then rebuilt
// without them.
using TRow = std::vector<std::string>;

TRow OutlineRow(const std::string& Text)
{
    TRow row(Cols);
    row[1] = Text;
    return row;
}

void BaselineGroupRowVectors(benchmark::State& state)
{
    std::vector<TRow> rows;
    for (int r = 0; r < GroupRows(); ++r) {
        TRow row;
        for (int c = 0; c < Cols; ++c) row.push_back(Data().columns[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
        row[TGroupScene::GroupCol] = "G" + std::to_string(r % Groups());
        rows.push_back(std::move(row));
    }
    for (auto _ : state) {
        std::vector<TRow> sorted = rows;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const TRow& a, const TRow& b) { return a[TGroupScene::GroupCol] < b[TGroupScene::GroupCol]; });
        std::vector<TRow> grouped;
        double sum = 0;
        std::string previous;
        for (std::size_t r = 0; r < sorted.size(); ++r) {
            if (r == 0 || sorted[r][TGroupScene::GroupCol] != previous) {
                previous = sorted[r][TGroupScene::GroupCol];
                // Inserted rows have an empty first cell; data rows never do.
                if (r > 0) grouped.push_back(OutlineRow(std::to_string(sum)));
                grouped.push_back(OutlineRow(sorted[r][TGroupScene::GroupCol]));
                sum = 0;
            }
            sum += std::atof(sorted[r][NumberCol].c_str());
            grouped.push_back(std::move(sorted[r]));
        }
        grouped.push_back(OutlineRow(std::to_string(sum)));
        std::vector<TRow> ungrouped;
        for (TRow& row : grouped)
            if (!row[0].empty()) ungrouped.push_back(std::move(row));
        benchmark::DoNotOptimize(ungrouped.data());
    }
    state.SetItemsProcessed(state.iterations() * GroupRows());
}
BENCHMARK(BaselineGroupRowVectors)->Unit(benchmark::kMillisecond)->Iterations(2);

// Sub-grouping the 200,000 grouped rows into ten sub-groups per group
// (20,000 in all), then taking the sub-groups out again.
constexpr int SubGroupCol = 5;
// After grouping removes the group column, the sub-group column sits one to the left.
constexpr int SubGroupShownCol = SubGroupCol - 1;

std::string SubGroupValue(int ARow) { return "S" + std::to_string(ARow / (GroupRows() / 10)); }

void GridSubGroupAndSubUnGroup(benchmark::State& state)
{
    TGroupScene scene;
    TQuillStringGrid& grid = *scene.Grid;
    // Grouping keeps the rows of a group in their order, so each group
    // holds ten runs of equal values.
    for (int r = 0; r < GroupRows(); ++r) grid.SetCells(SubGroupCol, r + 1, SubGroupValue(r));
    grid.Group(TGroupScene::GroupCol);
    const int grouped = grid.RowCount();
    for (auto _ : state) {
        grid.SubGroup(SubGroupShownCol);
        state.PauseTiming();
        if (grid.RowCount() != grouped + Groups() * 10) state.SkipWithError("not ten sub-groups per group");
        state.ResumeTiming();
        grid.SubUnGroup(SubGroupShownCol);
    }
    if (grid.RowCount() != grouped) state.SkipWithError("rows did not come back");
    state.SetItemsProcessed(state.iterations() * GroupRows());
}
BENCHMARK(GridSubGroupAndSubUnGroup)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: the grouped rows as vectors of texts, rebuilt with a header
// row before each run, values moved into it, then rebuilt without them
// with the values put back.
void BaselineSubGroupRowVectors(benchmark::State& state)
{
    std::vector<TRow> grouped;
    for (int g = 0; g < Groups(); ++g) {
        grouped.push_back(OutlineRow("G" + std::to_string(g)));
        for (int r = g; r < GroupRows(); r += Groups()) {
            TRow row;
            for (int c = 0; c < Cols; ++c) row.push_back(Data().columns[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
            row[SubGroupCol] = SubGroupValue(r);
            grouped.push_back(std::move(row));
        }
        grouped.push_back(OutlineRow("0"));
    }
    for (auto _ : state) {
        std::vector<TRow> sub;
        sub.reserve(grouped.size() + static_cast<std::size_t>(Groups()) * 10);
        bool open = false;
        std::string previous;
        for (const TRow& row : grouped) {
            // Inserted and outline rows have an empty first cell; data rows never do.
            if (row[0].empty()) {
                open = false;
                sub.push_back(row);
                continue;
            }
            if (!open || row[SubGroupCol] != previous) {
                previous = row[SubGroupCol];
                TRow header(Cols);
                header[SubGroupCol + 1] = previous;
                sub.push_back(std::move(header));
                open = true;
            }
            sub.push_back(row);
            sub.back()[SubGroupCol].clear();
        }
        std::vector<TRow> back;
        back.reserve(grouped.size());
        std::string value;
        for (TRow& row : sub) {
            if (row[0].empty() && !row[SubGroupCol + 1].empty() && row[1].empty()) {
                value = row[SubGroupCol + 1];
                continue;
            }
            if (!row[0].empty()) row[SubGroupCol] = value;
            back.push_back(std::move(row));
        }
        if (back.size() != grouped.size()) state.SkipWithError("rows did not come back");
        benchmark::DoNotOptimize(back.data());
    }
    state.SetItemsProcessed(state.iterations() * GroupRows());
}
BENCHMARK(BaselineSubGroupRowVectors)->Unit(benchmark::kMillisecond)->Iterations(2);

// Column statistics over a million rows.
void GridColumnSumAvgStdDev(benchmark::State& state)
{
    TQuillStringGrid& grid = *Scene().Grid;
    for (auto _ : state) {
        double total = grid.ColumnSum(NumberCol, -1, -1);
        total += grid.ColumnAvg(NumberCol, -1, -1);
        total += grid.ColumnStdDev(NumberCol, -1, -1);
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * Rows() * 3);
}
BENCHMARK(GridColumnSumAvgStdDev)->Unit(benchmark::kMillisecond)->Iterations(2);

// Baseline: each statistic parses the texts of the column and folds them.
void BaselineSumAvgStdDevLoops(benchmark::State& state)
{
    const auto& texts = Data().columns[NumberCol];
    const auto values = [&] {
        std::vector<double> numbers;
        for (const std::string& text : texts) {
            double value = 0;
            if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc())
                numbers.push_back(value);
        }
        return numbers;
    };
    for (auto _ : state) {
        double sum = 0;
        for (double v : values()) sum += v;
        const std::vector<double> forMean = values();
        double mean = 0;
        for (double v : forMean) mean += v;
        mean /= static_cast<double>(forMean.size());
        const std::vector<double> forDeviation = values();
        double squares = 0, centre = 0;
        for (double v : forDeviation) centre += v;
        centre /= static_cast<double>(forDeviation.size());
        for (double v : forDeviation) squares += (v - centre) * (v - centre);
        benchmark::DoNotOptimize(sum + mean + squares);
    }
    state.SetItemsProcessed(state.iterations() * Rows() * 3);
}
BENCHMARK(BaselineSumAvgStdDevLoops)->Unit(benchmark::kMillisecond)->Iterations(2);

// Single-cell edits on the million rows, with a footer row under ten
// calculated columns and, as the baseline, the same edits without one.
struct TCellEdit {
    int Col;
    int Row;
    std::string Text;
};

const std::vector<TCellEdit>& FooterEdits()
{
    static const std::vector<TCellEdit> edits = [] {
        std::mt19937 random(29);
        std::vector<TCellEdit> list;
        for (int k = 0; k < 10'000; ++k)
            list.push_back({k % Cols, 1 + static_cast<int>(random() % static_cast<unsigned>(Rows())),
                            std::to_string(random() % 100000) + "." + std::to_string(random() % 100)});
        return list;
    }();
    return edits;
}

// Runs the edits, putting the old texts back outside the timing.
void TimeFooterEdits(benchmark::State& state, TQuillStringGrid& grid)
{
    const std::vector<TCellEdit>& edits = FooterEdits();
    std::vector<std::string> before;
    for (const TCellEdit& edit : edits) before.push_back(grid.Cells(edit.Col, edit.Row));
    for (auto _ : state) {
        for (const TCellEdit& edit : edits) grid.SetCells(edit.Col, edit.Row, edit.Text);
        state.PauseTiming();
        for (std::size_t k = edits.size(); k-- > 0;) grid.SetCells(edits[k].Col, edits[k].Row, before[k]);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(edits.size()));
}

// A footer row under the scene's rows, ten columns calculated, for as long
// as it lives; it checks that the kept sum is what a full calculation gives.
struct TSceneFooter {
    explicit TSceneFooter(benchmark::State& AState) : State(AState)
    {
        Grid.SetRowCount(Rows() + 2);
        Grid.FloatingFooter().SetVisible(true);
        const TColumnCalcType calcs[Cols] = {acCOUNT, acSUM, acAVG, acMIN, acMAX, acSTDDEV, acDISTINCT, acSUM, acAVG, acMAX};
        for (int c = 0; c < Cols; ++c) Grid.GetCellProperties(c, Rows() + 1)->SetCalcType(calcs[c]);
        Grid.CalcFooter(-1);
    }
    ~TSceneFooter()
    {
        const std::string sum = Grid.Cells(NumberCol, Rows() + 1);
        Grid.CalcFooter(-1);
        if (Grid.Cells(NumberCol, Rows() + 1) != sum) State.SkipWithError("the kept sum differs from a full calculation");
        Grid.FloatingFooter().SetVisible(false);
        Grid.ClearRows(Rows() + 1, 1);
        Grid.SetRowCount(Rows() + 1);
    }
    TSceneFooter(const TSceneFooter&) = delete;
    TSceneFooter& operator=(const TSceneFooter&) = delete;
    TQuillStringGrid& Grid = *Scene().Grid;
    benchmark::State& State;
};

void GridEditsWithTenFooterColumns(benchmark::State& state)
{
    TSceneFooter footer(state);
    TimeFooterEdits(state, footer.Grid);
}
BENCHMARK(GridEditsWithTenFooterColumns)->Unit(benchmark::kMillisecond)->Iterations(2);

void BaselineEditsWithoutFooter(benchmark::State& state) { TimeFooterEdits(state, *Scene().Grid); }
BENCHMARK(BaselineEditsWithoutFooter)->Unit(benchmark::kMillisecond)->Iterations(2);

// Values typed into the in-place editor and committed with Enter, with the
// ten footer columns and, as the baseline, without a footer.
void TimeEditorCommits(benchmark::State& state)
{
    TGridScene& scene = Scene();
    TQuillStringGrid& grid = *scene.Grid;
    TGridOptions options = grid.Options();
    options.Include(goEditing);
    grid.SetOptions(options);
    grid.SetFocus();
    std::vector<TCellEdit> edits(FooterEdits().begin(), FooterEdits().begin() + 1'000);
    // The first column is fixed.
    for (TCellEdit& edit : edits) edit.Col = 1 + edit.Col % (Cols - 1);
    std::vector<std::string> before;
    for (const TCellEdit& edit : edits) before.push_back(grid.Cells(edit.Col, edit.Row));
    for (auto _ : state) {
        for (const TCellEdit& edit : edits) {
            grid.FocusCell(edit.Col, edit.Row, true);
            backend::input::TypeText(*scene.Form, edit.Text);
            backend::input::PressKey(*scene.Form, VK_RETURN);
        }
        state.PauseTiming();
        if (grid.Cells(edits.back().Col, edits.back().Row) != edits.back().Text) state.SkipWithError("the editor stored nothing");
        for (std::size_t k = edits.size(); k-- > 0;) grid.SetCells(edits[k].Col, edits[k].Row, before[k]);
        state.ResumeTiming();
    }
    options.Exclude(goEditing);
    grid.SetOptions(options);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(edits.size()));
}

void GridEditorCommitsWithTenFooterColumns(benchmark::State& state)
{
    TSceneFooter footer(state);
    TimeEditorCommits(state);
}
BENCHMARK(GridEditorCommitsWithTenFooterColumns)->Unit(benchmark::kMillisecond)->Iterations(2);

void BaselineEditorCommitsWithoutFooter(benchmark::State& state) { TimeEditorCommits(state); }
BENCHMARK(BaselineEditorCommitsWithoutFooter)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
