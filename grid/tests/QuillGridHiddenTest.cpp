// Hidden rows and columns: every real/display mapping at the edges, contents
// and heights coming back in place, and stacked filter passes.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/AuxLists.h"

namespace {

// Checks both directions of the row mapping against the hidden flags.
void ExpectRowMappingConsistent(TQuillStringGrid& grid)
{
    int shown = 0;
    for (int real = 0; real < grid.TotalRowCount(); ++real) {
        ASSERT_EQ(grid.DisplRowIndex(real), shown) << "real " << real;
        if (!grid.IsHiddenRow(real)) {
            ASSERT_EQ(grid.RealRowIndex(shown), real) << "display " << shown;
            ++shown;
        }
    }
    ASSERT_EQ(shown, grid.RowCount());
}

} // namespace

TEST_F(QuillGridTest, HidingAColumnShiftsTheMappingAndKeepsItsWidth)
{
    Grid->SetColWidths(2, 77);
    Grid->SetCells(2, 1, "two");
    Grid->HideColumn(2);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->NumHiddenColumns(), 1);
    EXPECT_EQ(Grid->RealColIndex(2), 3);
    EXPECT_EQ(Grid->DisplColIndex(3), 2);
    EXPECT_EQ(Grid->AllColWidths(2), 77);
    EXPECT_EQ(Grid->Cells(2, 1), "two") << "cells stay at their real column";
    Grid->UnHideColumn(2);
    EXPECT_EQ(Grid->ColCount(), 5);
    EXPECT_EQ(Grid->ColWidths(2), 77);
    EXPECT_EQ(Grid->RealColIndex(2), 2);
}

TEST_F(QuillGridTest, HidingEveryColumnLeavesOneShown)
{
    Grid->HideColumns(0, 4);
    EXPECT_EQ(Grid->ColCount(), 1);
    EXPECT_EQ(Grid->RealColIndex(0), 4);
    Grid->UnHideColumnsAll();
    EXPECT_EQ(Grid->ColCount(), 5);
    for (int c = 0; c < 5; ++c) EXPECT_EQ(Grid->RealColIndex(c), c);
}

TEST_F(QuillGridTest, WideGridsMapEveryColumnPastTheOldTableSize)
{
    Grid->SetColCount(2000);
    Grid->HideColumn(3);
    Grid->HideColumn(1500);
    EXPECT_EQ(Grid->ColCount(), 1998);
    EXPECT_TRUE(Grid->IsHiddenColumn(1500));
    EXPECT_EQ(Grid->DisplColIndex(600), 599);
    EXPECT_EQ(Grid->RealColIndex(599), 600);
    EXPECT_EQ(Grid->RealColIndex(1498), 1499);
    EXPECT_EQ(Grid->RealColIndex(1499), 1501);
    EXPECT_EQ(Grid->DisplColIndex(1999), 1997);
    for (int d = 0; d < Grid->ColCount(); ++d) ASSERT_EQ(Grid->DisplColIndex(Grid->RealColIndex(d)), d);
}

TEST_F(QuillGridTest, HiddenRowsMapRightAtTheEdges)
{
    struct TCase {
        const char* Name;
        int From, To;
    } cases[] = {{"first row", 0, 0}, {"last row", 9, 9}, {"middle pair", 3, 4}, {"all but the last", 0, 8},
                 {"all rows", 0, 9}};
    for (const TCase& c : cases) {
        FillRows(10);
        Grid->HideRows(c.From, c.To);
        SCOPED_TRACE(c.Name);
        ExpectRowMappingConsistent(*Grid);
        EXPECT_GE(Grid->RowCount(), 1) << "one row always stays shown";
        EXPECT_EQ(Grid->TotalRowCount(), 10);
        Grid->UnHideRowsAll();
        EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
    }
    Grid->HideRows(3, 4);
    EXPECT_EQ(Grid->RealRowIndex(3), 5);
    EXPECT_EQ(Grid->DisplRowIndex(5), 3);
    EXPECT_EQ(Grid->TotalRowCount(), Grid->RowCount() + 2);
}

TEST_F(QuillGridTest, HidingARangeSkipsRowsAlreadyHidden)
{
    FillRows(10);
    Grid->HideRow(6);
    Grid->HideRows(5, 7);
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r8 r9");
    EXPECT_EQ(Grid->AllCells(0, 5), "r5");
    EXPECT_EQ(Grid->AllCells(0, 7), "r7");
}

TEST_F(QuillGridTest, ShowingARangePutsEachRowBackInItsPlace)
{
    FillRows(10);
    Grid->SetRowHeights(5, 40);
    Grid->HideRow(5);
    Grid->HideRow(7);
    Grid->UnHideRows(5, 7);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
    EXPECT_EQ(Grid->RowHeights(5), 40);
    Grid->HideRow(7);
    Grid->UnHideRows(5, 7);
    EXPECT_EQ(Grid->RowCount(), 9) << "nothing happens while the first row is shown";
}

TEST_F(QuillGridTest, ShowingAllRestoresRunsWithTheirHeights)
{
    FillRows(10);
    Grid->SetRowHeights(2, 31);
    Grid->SetRowHeights(3, 32);
    Grid->SetRowHeights(7, 37);
    Grid->HideRows(2, 3);
    Grid->HideRow(7);
    EXPECT_EQ(ShownColumn(), "r0 r1 r4 r5 r6 r8 r9");
    Grid->UnHideRowsAll();
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
    EXPECT_EQ(Grid->RowHeights(2), 31);
    EXPECT_EQ(Grid->RowHeights(3), 32);
    EXPECT_EQ(Grid->RowHeights(7), 37);
    EXPECT_EQ(Grid->RowHeights(4), 22);
}

TEST_F(QuillGridTest, StackedFilterPassesKeepRealIndexes)
{
    FillRows(10);
    TIntList first(-1, -1);
    first.Add(2);
    first.Add(3);
    Grid->HideRowList(first);
    // The second pass names display rows 2 and 3, which are real rows 4 and 5.
    TIntList second(-1, -1);
    second.Add(2);
    second.Add(3);
    Grid->HideRowList(second);
    EXPECT_EQ(Grid->FilterLevel(), 2);
    EXPECT_EQ(ShownColumn(), "r0 r1 r6 r7 r8 r9");
    ExpectRowMappingConsistent(*Grid);
    EXPECT_EQ(Grid->RealRowIndex(2), 6);
    EXPECT_EQ(Grid->AllCells(0, 4), "r4");
    for (int r : {2, 3, 4, 5}) EXPECT_TRUE(Grid->IsHiddenRow(r)) << r;
    Grid->UnHideRowList();
    Grid->SetFilterLevel(1);
    EXPECT_EQ(ShownColumn(), "r0 r1 r4 r5 r6 r7 r8 r9");
    Grid->UnHideRowList();
    Grid->SetFilterLevel(0);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
}

TEST_F(QuillGridTest, UndoingAFilterPassKeepsRowsHiddenOtherwise)
{
    FillRows(10);
    Grid->HideRow(8);
    TIntList pass(-1, -1);
    pass.Add(1);
    Grid->HideRowList(pass);
    Grid->UnHideRowList();
    Grid->SetFilterLevel(0);
    EXPECT_TRUE(Grid->IsHiddenRow(8));
    EXPECT_EQ(Grid->AllCells(0, 8), "r8");
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7 r9");
}
