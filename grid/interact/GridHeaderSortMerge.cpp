// Around a sort by a header click: columns listed in MergedColumns are merged
// by equal neighbouring texts, split before the rows move and merged again
// after, the sort's duration is kept and, with KeepHorizScroll, the view's
// left column.
#include <chrono>

#include "grid/QuillGrid.h"
#include "grid/interact/HeaderPressState.h"
#include "grid/base/AuxLists.h"
#include "grid/base/NavigationSettings.h"
#include "grid/model/SortSettings.h"

TIntList& TQuillStringGrid::MergedColumns()
{
    if (!FMergedColumns) {
        FMergedColumns = std::make_unique<TIntList>(-1, -1);
        // Every change merges the listed columns afresh.
        FMergedColumns->OnChange = [this](TObject*, int, int) {
            SplitMergedColumns();
            RemergeColumns();
        };
    }
    return *FMergedColumns;
}

void TQuillStringGrid::SplitMergedColumns()
{
    for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
}

void TQuillStringGrid::RemergeColumns()
{
    if (!FMergedColumns) return;
    for (int i = 0; i < FMergedColumns->Count(); ++i) {
        const int col = FMergedColumns->GetInteger(i);
        if (col >= 0 && col < ColCount()) MergeColumnCells(col, i == 0);
    }
}

void TQuillStringGrid::RunHeaderSort(int ACol, TShiftState Shift)
{
    const bool remerge = SortSettings().AutoColumnMerge();
    // Merged cells would tie rows together while they move.
    if (remerge) SplitMergedColumns();
    // Whole rows selected: the current row followed to its new place keeps
    // the view scrolled sideways where the user left it.
    const bool keepLeft = Options().Contains(goRowSelect) && Navigation().KeepHorizScroll();
    const int left = LeftCol();
    const auto start = std::chrono::steady_clock::now();
    if (SortSettings().IndexShow()) SortByIndexClick(ACol, Shift);
    else SortByColumnClick(ACol);
    FHeaderPress->SortTime = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    if (remerge) RemergeColumns();
    if (keepLeft && LeftCol() != left) SetLeftCol(left);
}

int TQuillStringGrid::SortTime() const noexcept { return FHeaderPress->SortTime; }
