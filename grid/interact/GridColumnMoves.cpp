// What follows a moved column besides its cells and width: the sort column
// and the columns of the sort indexes keep naming the same data.
#include "grid/QuillGrid.h"
#include "grid/base/AuxLists.h"
#include "grid/model/SortSettings.h"

namespace {

// Where a column index lands when the column at From moves to To.
int MovedIndex(int Index, int From, int To)
{
    if (Index == From) return To;
    if (From < To && Index > From && Index <= To) return Index - 1;
    if (To < From && Index >= To && Index < From) return Index + 1;
    return Index;
}

} // namespace

void TQuillStringGrid::KeepColumnSettingsAfterMove(int FromIndex, int ToIndex)
{
    TSortSettings& sort = SortSettings();
    if (sort.Column() >= 0) sort.SetColumn(MovedIndex(sort.Column(), FromIndex, ToIndex));
    TSortIndexList& indexes = SortIndexes();
    for (int i = 0; i < indexes.Count(); ++i)
        indexes.SetSortColumns(i, MovedIndex(indexes.GetSortColumns(i), FromIndex, ToIndex));
}
