// Merged columns around a sort by a header click: split before the rows
// move, merged again by the new neighbours after.
#include "grid/interact/tests/GridEditingFixture.h"

#include "grid/base/AuxLists.h"
#include "grid/model/SortSettings.h"

using namespace backend::input;

TEST_F(GridEditingTest, AHeaderSortMergesTheMergedColumnsByTheirNewNeighbours)
{
    SetOption(goEditing, false);
    Grid->SetRowCount(7);
    const char* kinds[] = {"a", "b", "b", "a", "b", "a"};
    for (int r = 1; r < 7; ++r) {
        Grid->SetCells(1, r, kinds[r - 1]);
        Grid->SetCells(2, r, std::to_string(r));
    }
    Grid->MergedColumns().Add(1);
    // Only rows 2 and 3 are alike neighbours at first.
    EXPECT_EQ(Grid->CellSpan(1, 2).Y, 1);
    EXPECT_EQ(Grid->CellSpan(1, 1).Y, 0);

    Grid->SortSettings().SetShow(true);
    Grid->SortSettings().SetAutoColumnMerge(true);
    Click(*Grid, Centre(1, 0));
    EXPECT_EQ(ShownColumn(1), " a a a b b b");
    EXPECT_EQ(ShownColumn(2), " 1 4 6 2 3 5") << "merged rows moved with their own texts";
    EXPECT_EQ(Grid->CellSpan(1, 1).Y, 2);
    EXPECT_EQ(Grid->CellSpan(1, 4).Y, 2);
    EXPECT_GE(Grid->SortTime(), 0);

    Click(*Grid, Centre(2, 0));
    EXPECT_EQ(ShownColumn(2), " 1 2 3 4 5 6");
    EXPECT_EQ(Grid->CellSpan(1, 1).Y, 0);
    EXPECT_EQ(Grid->CellSpan(1, 2).Y, 1) << "b and b meet again";
}
