// Sorting the string grid's rows: the cell comparison of every sort style,
// sorts by one column or by the sort indexes, inside groups, and unsorting.
// A sort turns each compared cell into a key once, sorts the keys stably and
// then moves every row once, so it costs n log n comparisons of plain values
// and n row moves; SortSwapRows serves single swaps (SortLine and callers).
#include "grid/QuillGrid.h"

#include <algorithm>
#include <numeric>

#include "grid/base/AuxLists.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
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

// Puts the item at Source[k] into place k for every k by walking each cycle
// of the order once, so every item moves by swaps alone.
template <typename SwapPlaces> void PermuteBySwaps(const std::vector<int>& Source, SwapPlaces swapPlaces)
{
    std::vector<unsigned char> placed(Source.size(), 0);
    for (std::size_t start = 0; start < Source.size(); ++start)
        for (std::size_t at = start; !placed[at];) {
            placed[at] = 1;
            const auto from = static_cast<std::size_t>(Source[at]);
            if (from == start) break;
            swapPlaces(at, from);
            at = from;
        }
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

grid::TSortKey TQuillStringGrid::CellSortKey(int ACol, int ARow, TSortStyle Style, std::string_view Prefix,
                                             std::string_view Suffix)
{
    const std::string text = FSortSettings->SortOnVirtualCells() ? GetCellEx(ACol, ARow) : Cells(ACol, ARow);
    grid::TSortKey key;
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
        key = grid::MakeSortKey(Style, text, {FSortSettings->IgnoreCase(), Prefix, Suffix});
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
    const grid::TSortKey key1 = CellSortKey(ACol, ARow1, style, prefix, suffix);
    const grid::TSortKey key2 = CellSortKey(ACol, ARow2, style, prefix, suffix);
    return CompareSortCells(ACol, style, grid::RefOf(key1), grid::RefOf(key2), ARow1, ARow2, Descending);
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

    // A row travels through the sort with a small view of its key in the
    // column being decided and where its blank goes when blanks are placed.
    struct TItem {
        grid::TSortKeyRef Key;
        int BlankOrder = 0;
        int Row = 0;
    };
    std::vector<TItem> items(static_cast<std::size_t>(count));
    for (int r = Pass.First; r <= Pass.Last; ++r) items[static_cast<std::size_t>(r - Pass.First)].Row = r;

    // The first column orders all rows; each following column orders only the
    // runs of rows that every column before it left tied, so a column's keys
    // are made only for rows that need them and each comparison is of plain
    // values.
    struct TRun {
        std::size_t Begin, End;
    };
    std::vector<TRun> runs{{0, items.size()}};
    const TSortSettings& settings = *FSortSettings;
    const int blankOrder = settings.BlankPos() == blFirst ? -1 : 1;
    const std::size_t deciding = Pass.Full ? Pass.Columns.size() : 1;
    for (std::size_t c = 0; c < deciding && !runs.empty(); ++c) {
        const TSortPass::TColumn& column = Pass.Columns[c];
        if (IsIgnoredColumn(column.Col)) continue;
        const bool keyed = !IsEventStyle(column.Style);
        // Reserved in full so that the items' views of its texts stay valid.
        std::vector<grid::TSortKey> keys;
        if (keyed) {
            // The cells are read in row order, which is far quicker than in
            // the scattered order the items stand in after a column sorted them.
            std::vector<int> itemOfRow(items.size(), -1);
            std::size_t needed = 0;
            for (const TRun& run : runs) {
                needed += run.End - run.Begin;
                for (std::size_t k = run.Begin; k < run.End; ++k)
                    itemOfRow[static_cast<std::size_t>(items[k].Row - Pass.First)] = static_cast<int>(k);
            }
            keys.reserve(needed);
            for (const int k : itemOfRow) {
                if (k < 0) continue;
                TItem& item = items[static_cast<std::size_t>(k)];
                keys.push_back(CellSortKey(column.Col, item.Row, column.Style, column.Prefix, column.Suffix));
                item.Key = grid::RefOf(keys.back());
                item.BlankOrder = settings.IgnoreBlanks() && item.Key.Blank ? blankOrder : 0;
            }
        }
        // Placed blanks go first or last whatever the direction.
        const auto compare = [&](const TItem& a, const TItem& b) {
            if (!keyed) {
                const int result =
                    CompareSortCells(column.Col, column.Style, {}, {}, a.Row, b.Row, column.Descending);
                return column.Descending ? -result : result;
            }
            ++Compares;
            if (a.BlankOrder != b.BlankOrder) return a.BlankOrder < b.BlankOrder ? -1 : 1;
            const int result = grid::CompareSortKeys(a.Key, b.Key);
            return column.Descending ? -result : result;
        };
        std::vector<TRun> tied;
        for (const TRun& run : runs) {
            const auto begin = items.begin() + static_cast<std::ptrdiff_t>(run.Begin);
            const auto end = items.begin() + static_cast<std::ptrdiff_t>(run.End);
            std::stable_sort(begin, end, [&](const TItem& a, const TItem& b) { return compare(a, b) < 0; });
            for (std::size_t k = run.Begin; k < run.End;) {
                std::size_t next = k + 1;
                while (next < run.End && compare(items[k], items[next]) == 0) ++next;
                if (next - k > 1) tied.push_back({k, next});
                k = next;
            }
        }
        runs = std::move(tied);
    }

    std::vector<int> source(static_cast<std::size_t>(count));
    for (std::size_t k = 0; k < source.size(); ++k) source[k] = items[k].Row - Pass.First;
    items.clear();
    MoveRowsToOrder(Pass.First, source);
}

void TQuillStringGrid::MoveRowsToOrder(int First, const std::vector<int>& Source)
{
    // Everything that belongs to a row is gathered in the new order and
    // written back once: the cross-reference, heights, and the row records
    // (or only the sort column's cells with SingleColumn).
    const std::size_t count = Source.size();
    const auto from = [&](std::size_t k) { return First + Source[k]; };
    const int last = First + static_cast<int>(count) - 1;
    if (First >= 0 && last < FSortRowXRef->Count()) {
        std::vector<int> entries(count);
        for (std::size_t k = 0; k < count; ++k) entries[k] = FSortRowXRef->GetInteger(from(k));
        for (std::size_t k = 0; k < count; ++k) FSortRowXRef->SetInteger(First + static_cast<int>(k), entries[k]);
    }
    std::vector<int> reals(count);
    for (std::size_t k = 0; k < count; ++k) reals[k] = RealRowIndex(First + static_cast<int>(k));
    if (FSortSettings->SingleColumn()) {
        const int col = FSortSettings->Column();
        std::vector<std::string> texts(count);
        std::vector<TObject*> objects(count);
        for (std::size_t k = 0; k < count; ++k) {
            const int real = reals[static_cast<std::size_t>(Source[k])];
            texts[k] = FRowStore->Text(col, real);
            objects[k] = FRowStore->Object(col, real);
        }
        for (std::size_t k = 0; k < count; ++k) {
            FRowStore->SetText(col, reals[k], std::move(texts[k]));
            FRowStore->SetObject(col, reals[k], objects[k]);
        }
    } else {
        std::vector<int> heights(count);
        bool uniform = true;
        for (std::size_t k = 0; k < count; ++k) {
            heights[k] = RowHeights(First + static_cast<int>(k));
            uniform = uniform && heights[k] == heights[0];
        }
        if (!uniform)
            for (std::size_t k = 0; k < count; ++k)
                SetRowHeights(First + static_cast<int>(k), heights[static_cast<std::size_t>(Source[k])]);
        // Records are swapped along the cycles of the order: no second copy
        // of every row is gathered.
        PermuteBySwaps(Source, [&](std::size_t a, std::size_t b) {
            std::swap(FRowStore->Row(reals[a]), FRowStore->Row(reals[b]));
        });
        if (FSortRow >= First && FSortRow <= last)
            for (std::size_t k = 0; k < count; ++k)
                if (from(k) == FSortRow) {
                    FSortRow = First + static_cast<int>(k);
                    break;
                }
    }
    Swaps += static_cast<int>(count);
}

void TQuillStringGrid::SortSwapRows(int Index, int Index2)
{
    if (Index == Index2) return;
    ++Swaps;
    const int xrefCount = FSortRowXRef->Count();
    if (Index >= 0 && Index2 >= 0 && Index < xrefCount && Index2 < xrefCount) {
        const int entry = FSortRowXRef->GetInteger(Index);
        FSortRowXRef->SetInteger(Index, FSortRowXRef->GetInteger(Index2));
        FSortRowXRef->SetInteger(Index2, entry);
    }
    const int real1 = RealRowIndex(Index);
    const int real2 = RealRowIndex(Index2);
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
    FSortRowXRef->Clear();
    for (int r = 0; r < RowCount(); ++r) FSortRowXRef->Insert(r, r);
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
    if (RowCount() != FSortRowXRef->Count()) InitSortXRef();
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
    if (RowCount() != FSortRowXRef->Count()) InitSortXRef();
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
    const int count = std::min(FSortRowXRef->Count(), RowCount());
    if (count == 0) return;
    CloseEditor();
    // The cross-reference names, for each position, the row its data held
    // before sorting; walking its cycles puts each row back with one move.
    std::vector<int> source(static_cast<std::size_t>(count), -1);
    for (int p = 0; p < count; ++p) {
        const int t = FSortRowXRef->GetInteger(p);
        if (t >= 0 && t < count && source[static_cast<std::size_t>(t)] < 0) source[static_cast<std::size_t>(t)] = p;
    }
    // A cross-reference that is no permutation of the rows cannot be undone:
    // nothing moves.
    for (int p = 0; p < count; ++p)
        if (source[static_cast<std::size_t>(p)] < 0) return;
    // The cross-reference moves with the rows, so it ends as 0, 1, 2, ...
    MoveRowsToOrder(0, source);
    Invalidate();
}
