// Sorting the string grid's rows: the cell comparison of every sort style,
// sorts by one column or by the sort indexes, inside groups, and unsorting.
// A sort turns each compared cell into a key once, sorts the keys stably and
// then moves every row once, so it costs n log n comparisons of plain values
// and n row moves; SortSwapRows serves single swaps (SortLine and callers).
#include "grid/QuillGrid.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <numeric>
#include <typeinfo>

#include "grid/base/AuxLists.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/data/PackedSort.h"
#include "grid/model/RowStore.h"
#include "grid/model/SortSettings.h"
#include "platform/rtl/ScopeExit.h"

// The columns a running sort compares, in the order they decide, with the
// keys of its rows once a comparison has needed them.
struct TQuillStringGrid::TSortPass {
    struct TColumn {
        int Col = 0;
        bool Descending = false;
        TSortStyle Style = ssAutomatic;
        std::string Prefix;
        std::string Suffix;
    };
    std::vector<TColumn> Columns;
    // Ties in a column go on to the next one; otherwise they keep their order.
    bool Full = true;
    int First = 0;
    int Last = -1;
};

namespace {

bool IsCheckBoxType(TCellType Type)
{
    return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox;
}

// Styles that an event decides pair by pair instead of a key.
bool IsEventStyle(TSortStyle Style) { return Style == ssCustom || Style == ssRaw; }

int Sign(int Value) { return Value > 0 ? 1 : (Value < 0 ? -1 : 0); }

// Keeps the text a key views alive in Kept when it lies in one of the
// scratch strings, which the next cell reuses.
std::string_view KeepKeyText(std::string_view Text, std::string& CellText, std::string& KeyText,
                             std::deque<std::string>& Kept)
{
    if (Text.empty()) return Text;
    const std::less<const char*> before;
    for (std::string* scratch : {&CellText, &KeyText}) {
        const char* begin = scratch->data();
        if (before(Text.data(), begin) || before(begin + scratch->size(), Text.data() + Text.size())) continue;
        const auto offset = static_cast<std::size_t>(Text.data() - begin);
        Kept.push_back(std::move(*scratch));
        return std::string_view(Kept.back()).substr(offset, Text.size());
    }
    return Text;
}

} // namespace

void TQuillStringGrid::DoGetFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)
{
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

TSortStyle TQuillStringGrid::ColumnSortStyle(int ACol, std::string& Prefix, std::string& Suffix)
{
    const TSortSettings& settings = *FSortSettings;
    TSortStyle style = settings.AutoFormat() ? ssAutomatic : (settings.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
    Prefix.clear();
    Suffix.clear();
    DoGetFormat(ACol, style, Prefix, Suffix);
    return style;
}

std::string_view TQuillStringGrid::SortCellText(int ACol, int ARow, std::string& Storage)
{
    if (!FSortSettings->SortOnVirtualCells()) return Cells(ACol, ARow);
    // A merge shows another cell's text, and merges live in the cells'
    // properties.
    if (ShowsStoredTexts() && !GetGridObject(ACol, ARow)) return GetGridCell(ACol, ARow);
    Storage = GetCellEx(ACol, ARow);
    return Storage;
}

grid::TSortKeyRef TQuillStringGrid::CellSortKey(int ACol, int ARow, TSortStyle Style, std::string_view Prefix,
                                                std::string_view Suffix, std::string& CellText,
                                                std::string& KeyText)
{
    const std::string_view text = SortCellText(ACol, ARow, CellText);
    grid::TSortKeyRef key;
    const auto checkState = [&] {
        bool state = false;
        // The check-box reading takes real rows once rows are hidden.
        (void)GetCheckBoxState(ACol, NumHiddenRows() > 0 ? RealRowIndex(ARow) : ARow, state);
        return state ? 1.0 : 0.0;
    };
    if (Style == ssCheckBox || (Style == ssAutomatic && IsCheckBoxType(GetCellType(ACol, ARow)))) {
        key.Rank = Style == ssAutomatic ? grid::akCheckBox : 0;
        key.Number = checkState();
    } else if (Style == ssImages) {
        key.Number = static_cast<double>(GetCellImageKey(ACol, ARow));
    } else if (!IsEventStyle(Style)) {
        key = grid::MakeSortKeyRef(Style, text, {FSortSettings->IgnoreCase(), Prefix, Suffix}, KeyText);
    }
    key.Blank = text.empty();
    return key;
}

int TQuillStringGrid::CompareSortCells(int ACol, TSortStyle Style, const grid::TSortKeyRef& A,
                                       const grid::TSortKeyRef& B, int ARow1, int ARow2, bool Descending)
{
    ++Compares;
    const TSortSettings& settings = *FSortSettings;
    if (settings.IgnoreBlanks() && A.Blank != B.Blank) {
        // Blanks go first or last whatever the direction; the caller turns
        // the result for a descending sort, so it is turned here beforehand.
        const int firstBlank = settings.BlankPos() == blFirst ? -1 : 1;
        const int result = A.Blank ? firstBlank : -firstBlank;
        return Descending ? -result : result;
    }
    int result = 0;
    if (Style == ssCustom) {
        if (OnCustomCompare) {
            const bool shown = settings.SortOnVirtualCells();
            OnCustomCompare(this, shown ? GetCellEx(ACol, ARow1) : Cells(ACol, ARow1),
                            shown ? GetCellEx(ACol, ARow2) : Cells(ACol, ARow2), result);
        }
    } else if (Style == ssRaw) {
        if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, result);
    } else {
        result = grid::CompareSortKeys(A, B);
    }
    return Sign(result);
}

int TQuillStringGrid::CompareRowCells(int ACol, int ARow1, int ARow2, bool Descending)
{
    std::string prefix, suffix;
    const TSortStyle style = ColumnSortStyle(ACol, prefix, suffix);
    std::string cell1, cell2, text1, text2;
    const grid::TSortKeyRef key1 = CellSortKey(ACol, ARow1, style, prefix, suffix, cell1, text1);
    const grid::TSortKeyRef key2 = CellSortKey(ACol, ARow2, style, prefix, suffix, cell2, text2);
    return CompareSortCells(ACol, style, key1, key2, ARow1, ARow2, Descending);
}

int TQuillStringGrid::CompareRows(int ACol, int ARow1, int ARow2)
{
    const bool descending = FSortSettings->Direction() == sdDescending;
    const int last = TotalColCount() - 1;
    for (int c = ACol; c <= last; ++c) {
        const int result = IsIgnoredColumn(c) ? 0 : CompareRowCells(c, ARow1, ARow2, descending);
        // Columns left of the sort column never decide.
        if (result != 0 || !FSortSettings->Full()) return result;
    }
    return 0;
}

int TQuillStringGrid::CompareRowsIndexed(int Index, int ARow1, int ARow2)
{
    for (int i = std::max(Index, 0); i < FSortIndexes->Count(); ++i) {
        const int col = FSortIndexes->GetSortColumns(i);
        const bool descending = !FSortIndexes->GetSortDirections(i);
        int result = IsIgnoredColumn(col) ? 0 : CompareRowCells(col, ARow1, ARow2, descending);
        if (descending) result = -result;
        if (result != 0 || !FSortSettings->Full()) return result;
    }
    return 0;
}

// Passes.

TQuillStringGrid::TSortPass TQuillStringGrid::ColumnSortPass(int ACol, int Left, int Right)
{
    TSortPass pass;
    pass.Full = FSortSettings->Full();
    pass.First = Left;
    pass.Last = Right;
    const bool descending = FSortSettings->Direction() == sdDescending;
    const int last = pass.Full ? TotalColCount() - 1 : ACol;
    for (int c = ACol; c <= last; ++c) pass.Columns.push_back({c, descending, ssAutomatic, {}, {}});
    return pass;
}

TQuillStringGrid::TSortPass TQuillStringGrid::IndexedSortPass(int Left, int Right)
{
    TSortPass pass;
    pass.Full = FSortSettings->Full();
    pass.First = Left;
    pass.Last = Right;
    for (int i = 0; i < FSortIndexes->Count(); ++i)
        pass.Columns.push_back(
            {FSortIndexes->GetSortColumns(i), !FSortIndexes->GetSortDirections(i), ssAutomatic, {}, {}});
    return pass;
}

void TQuillStringGrid::SortRows(TSortPass& Pass)
{
    const int count = Pass.Last - Pass.First + 1;
    if (count < 2 || Pass.Columns.empty()) return;
    for (TSortPass::TColumn& column : Pass.Columns)
        column.Style = ColumnSortStyle(column.Col, column.Prefix, column.Suffix);

    // The order holds each row as its index in the range (row First + index).
    std::vector<std::uint32_t> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0u);

    // The first column orders all rows; each following column orders only the
    // runs of rows that every column before it left tied, so a column's keys
    // are made only for rows that need them.
    TSortRuns runs{{0, order.size()}};
    const std::size_t deciding = Pass.Full ? Pass.Columns.size() : 1;
    for (std::size_t c = 0; c < deciding && !runs.empty(); ++c) {
        if (IsIgnoredColumn(Pass.Columns[c].Col)) continue;
        runs = IsEventStyle(Pass.Columns[c].Style) ? SortRunsByEvents(Pass, c, order, runs)
                                                   : SortRunsByKeys(Pass, c, order, runs);
    }

    std::vector<int> source(order.begin(), order.end());
    order.clear();
    std::vector<int> reals(source.size());
    for (std::size_t k = 0; k < reals.size(); ++k) reals[k] = RealRowIndex(Pass.First + static_cast<int>(k));
    MoveRowsToOrder(reals, source);
}

bool TQuillStringGrid::ShowsStoredTexts() const
{
    // A derived grid may show other texts through its own virtuals.
    return !OnGetDisplText && !OnGetDisplWideText && !FURLShowInText && typeid(*this) == typeid(TQuillStringGrid);
}

TQuillStringGrid::TSortRuns TQuillStringGrid::SortRunsByKeys(const TSortPass& Pass, std::size_t ColumnIndex,
                                                             std::vector<std::uint32_t>& Order, const TSortRuns& Runs)
{
    const TSortPass::TColumn& column = Pass.Columns[ColumnIndex];
    const TSortSettings& settings = *FSortSettings;
    // Only the rows that this column must decide get a key, in a slot of
    // their own. When they are most rows, the slot is the row, and the keys
    // are written in order; when they are few, the rows of one run take
    // slots side by side, so its keys lie together while it sorts.
    std::size_t decided = 0;
    for (const grid::TSortRun& run : Runs) decided += run.End - run.Begin;
    const bool slotIsRow = decided * 2 > Order.size();
    // The rows to key with their slots, in row order, which reads the cells
    // far quicker than the scattered order the rows stand in after an
    // earlier column. When every row is keyed, the j-th is row j.
    const bool everyRow = decided == Order.size();
    std::vector<std::pair<std::uint32_t, std::uint32_t>> keyed;
    std::vector<std::uint32_t> rowOfSlot;
    if (!everyRow) {
        keyed.reserve(decided);
        if (!slotIsRow) rowOfSlot.reserve(decided);
        for (const grid::TSortRun& run : Runs)
            for (std::size_t k = run.Begin; k < run.End; ++k) {
                keyed.emplace_back(Order[k], slotIsRow ? Order[k] : static_cast<std::uint32_t>(rowOfSlot.size()));
                if (!slotIsRow) rowOfSlot.push_back(Order[k]);
            }
        // A few rows are sorted; many are put in row order through a table
        // of every row's slot.
        if (decided * 16 < Order.size()) {
            std::sort(keyed.begin(), keyed.end());
        } else {
            constexpr std::uint32_t noSlot = UINT32_MAX;
            std::vector<std::uint32_t> slotOf(Order.size(), noSlot);
            for (const auto& [row, slot] : keyed) slotOf[row] = slot;
            keyed.clear();
            for (std::uint32_t row = 0; row < slotOf.size(); ++row)
                if (slotOf[row] != noSlot) keyed.emplace_back(row, slotOf[row]);
        }
    }
    const int blankOrder = settings.IgnoreBlanks() ? (settings.BlankPos() == blFirst ? -1 : 1) : 0;
    // A cell without properties in a grid that shows its stored texts is
    // read straight from its row record.
    const bool direct = (!settings.SortOnVirtualCells() || ShowsStoredTexts()) &&
                        typeid(*this) == typeid(TQuillStringGrid) && column.Style != ssCheckBox &&
                        column.Style != ssImages;
    const auto col = static_cast<std::size_t>(column.Col);
    const auto rowAt = [&](std::size_t j) { return everyRow ? static_cast<std::uint32_t>(j) : keyed[j].first; };
    const auto recordOf = [&](std::size_t j) {
        return FRowStore->FindRow(FRowStore->DisplToReal(Pass.First + static_cast<int>(rowAt(j))));
    };
    // Rows far apart wait on memory twice, for the record and then for its
    // texts: both are asked for a few rows ahead.
    constexpr std::size_t lookAhead = 8;
    const auto prefetch = [&](std::size_t j) {
        if (j + 2 * lookAhead < decided) __builtin_prefetch(recordOf(j + 2 * lookAhead));
        if (j + lookAhead < decided)
            if (const grid::TRowRecord* ahead = recordOf(j + lookAhead))
                if (const std::string* text = ahead->Texts.Find(col)) __builtin_prefetch(text);
    };
    const grid::TSortKeyOptions options{settings.IgnoreCase(), column.Prefix, column.Suffix};
    grid::TPackedSortKeys keys(slotIsRow ? Order.size() : decided, column.Descending);
    // Key texts that are no stored cell text, kept while the column sorts.
    std::deque<std::string> kept;
    std::string cellText, keyText;
    for (std::size_t j = 0; j < decided; ++j) {
        const int row = Pass.First + static_cast<int>(rowAt(j));
        grid::TSortKeyRef key;
        const grid::TRowRecord* record = nullptr;
        if (direct) {
            prefetch(j);
            record = recordOf(j);
        }
        TObject* const* object = record ? record->Objects.Find(col) : nullptr;
        if (direct && (!object || !*object)) {
            const std::string* stored = record ? record->Texts.Find(col) : nullptr;
            const std::string_view text = stored ? std::string_view(*stored) : "";
            key = grid::MakeSortKeyRef(column.Style, text, options, keyText);
        } else {
            key = CellSortKey(column.Col, row, column.Style, column.Prefix, column.Suffix, cellText, keyText);
        }
        key.Text = KeepKeyText(key.Text, cellText, keyText, kept);
        keys.Set(everyRow ? static_cast<std::uint32_t>(j) : keyed[j].second, key, key.Blank ? blankOrder : 0);
    }
    keyed = {};

    TSortRuns tied;
    if (slotIsRow) {
        for (const grid::TSortRun& run : Runs) Compares += static_cast<int>(keys.Sort(Order, run, tied));
        return tied;
    }
    // Each run sorts its slots; the rows then stand in the order of theirs.
    std::vector<std::uint32_t> slotOrder(decided);
    std::iota(slotOrder.begin(), slotOrder.end(), 0u);
    TSortRuns tiedSlots;
    std::size_t first = 0;
    for (const grid::TSortRun& run : Runs) {
        const std::size_t length = run.End - run.Begin;
        tiedSlots.clear();
        Compares += static_cast<int>(keys.Sort(slotOrder, {first, first + length}, tiedSlots));
        for (std::size_t k = 0; k < length; ++k) Order[run.Begin + k] = rowOfSlot[slotOrder[first + k]];
        for (const grid::TSortRun& t : tiedSlots) tied.push_back({run.Begin + t.Begin - first, run.Begin + t.End - first});
        first += length;
    }
    return tied;
}

TQuillStringGrid::TSortRuns TQuillStringGrid::SortRunsByEvents(const TSortPass& Pass, std::size_t ColumnIndex,
                                                               std::vector<std::uint32_t>& Order, const TSortRuns& Runs)
{
    const TSortPass::TColumn& column = Pass.Columns[ColumnIndex];
    const auto compare = [&](std::uint32_t a, std::uint32_t b) {
        const int rowA = Pass.First + static_cast<int>(a);
        const int rowB = Pass.First + static_cast<int>(b);
        const int result = CompareSortCells(column.Col, column.Style, {}, {}, rowA, rowB, column.Descending);
        return column.Descending ? -result : result;
    };
    TSortRuns tied;
    for (const grid::TSortRun& run : Runs) {
        const auto begin = Order.begin() + static_cast<std::ptrdiff_t>(run.Begin);
        const auto end = Order.begin() + static_cast<std::ptrdiff_t>(run.End);
        std::stable_sort(begin, end, [&](std::uint32_t a, std::uint32_t b) { return compare(a, b) < 0; });
        for (std::size_t k = run.Begin; k < run.End;) {
            std::size_t next = k + 1;
            while (next < run.End && compare(Order[k], Order[next]) == 0) ++next;
            if (next - k > 1) tied.push_back({k, next});
            k = next;
        }
    }
    return tied;
}

void TQuillStringGrid::MoveRowsToOrder(std::span<const int> Reals, std::span<const int> Source)
{
    // Everything that belongs to a row is gathered in the new order and
    // written back once: the record of original places, heights, flags and
    // the row records (or only the sort column's cells with SingleColumn).
    const std::size_t count = Reals.size();
    if (count == 0) return;
    const auto from = [&](std::size_t k) { return Reals[static_cast<std::size_t>(Source[k])]; };
    if (Reals.back() < static_cast<int>(FSortRowXRef.size())) {
        std::vector<int> entries(count);
        for (std::size_t k = 0; k < count; ++k) entries[k] = FSortRowXRef[static_cast<std::size_t>(from(k))];
        for (std::size_t k = 0; k < count; ++k) FSortRowXRef[static_cast<std::size_t>(Reals[k])] = entries[k];
    }
    Swaps += static_cast<int>(count);
    if (FSortSettings->SingleColumn()) {
        const int col = FSortSettings->Column();
        std::vector<std::string> texts(count);
        std::vector<TObject*> objects(count);
        for (std::size_t k = 0; k < count; ++k) {
            texts[k] = FRowStore->Text(col, from(k));
            objects[k] = FRowStore->Object(col, from(k));
        }
        for (std::size_t k = 0; k < count; ++k) {
            FRowStore->SetText(col, Reals[k], std::move(texts[k]));
            FRowStore->SetObject(col, Reals[k], objects[k]);
        }
        return;
    }
    // The shown rows among Reals keep their display rows, one after the
    // other; a hidden row moving among them changes which data each shows.
    std::span<const int> placeSource = Source;
    std::vector<int> shownSource;
    int firstShown = 0;
    std::size_t shownCount = count;
    if (NumHiddenRows() > 0) {
        std::vector<int> shownIndex(count, -1);
        shownCount = 0;
        for (std::size_t j = 0; j < count; ++j)
            if (!FRowStore->IsHidden(Reals[j])) {
                if (shownCount == 0) firstShown = static_cast<int>(j);
                shownIndex[j] = static_cast<int>(shownCount++);
            }
        if (shownCount < count) {
            shownSource.reserve(shownCount);
            for (std::size_t k = 0; k < count; ++k)
                if (const int index = shownIndex[static_cast<std::size_t>(Source[k])]; index >= 0)
                    shownSource.push_back(index);
            placeSource = shownSource;
        }
    }
    std::vector<int> places(shownCount);
    if (shownCount > 0) std::iota(places.begin(), places.end(), DisplRowIndex(Reals[static_cast<std::size_t>(firstShown)]));
    std::vector<int> heights(shownCount);
    bool uniform = true;
    for (std::size_t k = 0; k < shownCount; ++k) {
        heights[k] = RowHeights(places[k]);
        uniform = uniform && heights[k] == heights[0];
    }
    if (!uniform)
        for (std::size_t k = 0; k < shownCount; ++k)
            SetRowHeights(places[k], heights[static_cast<std::size_t>(placeSource[k])]);
    FRowStore->ReorderRows(Reals, Source);
    ReorderRowFlags(places, placeSource, Reals, Source);
    if (shownCount > 0 && FSortRow >= places.front() && FSortRow <= places.back())
        for (std::size_t k = 0; k < shownCount; ++k)
            if (places[static_cast<std::size_t>(placeSource[k])] == FSortRow) {
                FSortRow = places[k];
                break;
            }
}

void TQuillStringGrid::ReorderRowFlags(std::span<const int> Places, std::span<const int> PlaceSource,
                                       std::span<const int> Reals, std::span<const int> RealSource)
{
    FModifiedRows.Reorder(Places, PlaceSource);
    FDisabledRows.Reorder(Places, PlaceSource);
    // The row selection counts real rows when it persists through hiding.
    if (FMouseActions->RowSelectPersistent()) FRowSelect.Reorder(Reals, RealSource);
    else FRowSelect.Reorder(Places, PlaceSource);
}

void TQuillStringGrid::SortSwapRows(int Index, int Index2)
{
    if (Index == Index2) return;
    ++Swaps;
    const int real1 = RealRowIndex(Index);
    const int real2 = RealRowIndex(Index2);
    const int recorded = static_cast<int>(FSortRowXRef.size());
    if (real1 >= 0 && real2 >= 0 && real1 < recorded && real2 < recorded)
        std::swap(FSortRowXRef[static_cast<std::size_t>(real1)], FSortRowXRef[static_cast<std::size_t>(real2)]);
    if (FSortSettings->SingleColumn()) {
        const int col = FSortSettings->Column();
        std::string text = FRowStore->Text(col, real1);
        FRowStore->SetText(col, real1, FRowStore->Text(col, real2));
        FRowStore->SetText(col, real2, std::move(text));
        TObject* object = FRowStore->Object(col, real1);
        FRowStore->SetObject(col, real1, FRowStore->Object(col, real2));
        FRowStore->SetObject(col, real2, object);
        return;
    }
    std::swap(FRowStore->Row(real1), FRowStore->Row(real2));
    const int places[] = {Index, Index2};
    const int reals[] = {real1, real2};
    const int swapped[] = {1, 0};
    ReorderRowFlags(places, swapped, reals, swapped);
    if (const int height = RowHeights(Index); height != RowHeights(Index2)) {
        SetRowHeights(Index, RowHeights(Index2));
        SetRowHeights(Index2, height);
    }
    if (FSortRow == Index) FSortRow = Index2;
    else if (FSortRow == Index2) FSortRow = Index;
}

bool TQuillStringGrid::SortLine(int Col, int ARow1, int ARow2)
{
    const bool descending = FSortSettings->Direction() == sdDescending;
    const int sortSign = descending ? -1 : 1;
    for (int c = Col; c < TotalColCount(); ++c) {
        const int result = CompareRowCells(c, ARow1, ARow2, descending);
        if (result == sortSign) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (result != 0) return false;
    }
    return false;
}

// Sorts.

void TQuillStringGrid::InitSortXRef()
{
    // Hidden rows have their place too, so hiding or showing rows later
    // leaves the record valid.
    FSortRowXRef.resize(static_cast<std::size_t>(FRowStore->Total()));
    std::iota(FSortRowXRef.begin(), FSortRowXRef.end(), 0);
}

void TQuillStringGrid::QuickSort(int Col, int Left, int Right)
{
    TSortPass pass = ColumnSortPass(Col, Left, Right);
    SortRows(pass);
}

void TQuillStringGrid::QuickSortIndexed(int Left, int Right)
{
    TSortPass pass = IndexedSortPass(Left, Right);
    SortRows(pass);
}

void TQuillStringGrid::SortNormalRows(bool Indexed)
{
    if (FRowStore->Total() != static_cast<int>(FSortRowXRef.size())) InitSortXRef();
    CloseEditor();
    // With NormalCellsOnly the fixed column keeps its order: its cells are
    // put back after the rows moved, also when the sort fails.
    std::vector<std::string> fixedTexts;
    std::vector<TObject*> fixedObjects;
    const bool keepFixedColumn = FSortSettings->NormalCellsOnly() && FixedCols() > 0;
    if (keepFixedColumn)
        for (int r = 0; r < RowCount(); ++r) {
            fixedTexts.push_back(Cells(0, r));
            fixedObjects.push_back(GetGridObject(0, r));
        }
    const int oldTop = TopRow();
    const int oldRow = Row();
    const bool moveRow = FNavigation->MoveRowOnSort();
    rtl::ScopeExit restore([&] {
        if (keepFixedColumn)
            for (int r = 0; r < RowCount() && r < static_cast<int>(fixedTexts.size()); ++r) {
                SetGridCell(0, r, fixedTexts[static_cast<std::size_t>(r)]);
                SetGridObject(0, r, fixedObjects[static_cast<std::size_t>(r)]);
            }
        if (FNavigation->KeepScrollOnSort()) SetTopRow(oldTop);
        Invalidate();
    });
    FSortRow = oldRow;
    const int first = FixedRows();
    const int last = RowCount() - FFixedFooters - 1;
    TSortPass pass = Indexed ? IndexedSortPass(first, last) : ColumnSortPass(FSortSettings->Column(), first, last);
    SortRows(pass);
    if (Indexed || !FMouseActions->DisjunctRowSelect()) {
        if (moveRow && FSortRow >= FixedRows() && FSortRow < RowCount() && FSortRow != Row()) SetRow(FSortRow);
    }
    if (!Indexed && !moveRow && OnRowUpdate) OnRowUpdate(this, oldRow, Row());
}

void TQuillStringGrid::QSort()
{
    if (FSortSettings->Column() < 0) return;
    FSortIndexes->Clear();
    SortNormalRows(false);
}

void TQuillStringGrid::Sort(int Column, TSortDirection Direction)
{
    FSortSettings->SetColumn(Column);
    FSortSettings->SetDirection(Direction);
    QSort();
}

void TQuillStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1) return;
    FSortSettings->SetColumn(Col);
    QSort();
}

void TQuillStringGrid::QSortIndexed()
{
    if (FSortIndexes->Count() == 0) throw EQuillGridError("No indexes specified for indexed sort");
    SortNormalRows(true);
}

void TQuillStringGrid::SortGroups(bool Indexed)
{
    if (FRowStore->Total() != static_cast<int>(FSortRowXRef.size())) InitSortXRef();
    CloseEditor();
    const int first = FixedRows();
    const int last = RowCount() - FFixedFooters - 1;
    int deepest = -1;
    for (int r = first; r <= last; ++r)
        if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
    // Only expanded groups of the deepest level with two rows or more sort;
    // their rows are the ones after the header inside its span.
    for (int r = first; r <= last && deepest >= 0; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r)) continue;
        const int span = GetNodeSpan(r);
        if (span <= 2) continue;
        const int end = std::min(r + span - 1, last);
        TSortPass pass = Indexed ? IndexedSortPass(r + 1, end) : ColumnSortPass(FSortSettings->Column(), r + 1, end);
        SortRows(pass);
    }
    Invalidate();
}

void TQuillStringGrid::QSortGroup() { SortGroups(false); }

void TQuillStringGrid::QSortGroupIndexed() { SortGroups(true); }

void TQuillStringGrid::QUnSort()
{
    const int count = std::min(static_cast<int>(FSortRowXRef.size()), FRowStore->Total());
    if (count == 0) return;
    CloseEditor();
    // The record names, for each real row, the real row its data held before
    // sorting; hidden rows go back too, so every row returns to its place.
    std::vector<int> source(static_cast<std::size_t>(count), -1);
    for (int p = 0; p < count; ++p) {
        const int t = FSortRowXRef[static_cast<std::size_t>(p)];
        if (t >= 0 && t < count && source[static_cast<std::size_t>(t)] < 0) source[static_cast<std::size_t>(t)] = p;
    }
    // A record that is no permutation of the rows cannot be undone: nothing
    // moves.
    for (int p = 0; p < count; ++p)
        if (source[static_cast<std::size_t>(p)] < 0) return;
    std::vector<int> reals(static_cast<std::size_t>(count));
    std::iota(reals.begin(), reals.end(), 0);
    // The record moves with the rows, so it ends as 0, 1, 2, ...
    MoveRowsToOrder(reals, source);
    Invalidate();
}
