// Row blocks, moves, insertion, removal, clearing and merging: cells, heights,
// hidden rows and columns, property objects and merged areas stay in step.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/CellProperties.h"

namespace {

std::string Heights(TQuillStringGrid& grid)
{
    std::string s;
    for (int r = 0; r < grid.RowCount(); ++r) s += (r ? " " : "") + std::to_string(grid.RowHeights(r));
    return s;
}

} // namespace

TEST_F(QuillGridTest, DeletingARowBlockMovesHeightsAndRenumbersHiddenRows)
{
    FillRows(10);
    for (int r = 0; r < 5; ++r) Grid->SetRowHeights(r, 20 + 10 * r);
    Grid->HideRow(8);
    Grid->DeleteRowBlock(2, 2, true);
    EXPECT_EQ(ShownColumn(), "r0 r1 r4 r5 r6 r7 r9");
    EXPECT_EQ(Heights(*Grid).substr(0, 8), "20 30 60");
    EXPECT_TRUE(Grid->IsHiddenRow(6)) << "the hidden row 8 is now row 6";
    EXPECT_EQ(Grid->AllCells(0, 6), "r8");
}

TEST_F(QuillGridTest, RemovingRowsFreesTheirPropertiesAndKeepsHiddenRows)
{
    FillRows(11);
    for (int r = 0; r < 6; ++r) Grid->SetRowHeights(r, 20 + 10 * r);
    Grid->HideRow(9);
    Grid->GetCellProperties(1, 3)->SetBrushColor(clRed);
    Grid->RemoveRows(2, 3);
    EXPECT_EQ(Heights(*Grid).substr(0, 8), "20 30 70");
    EXPECT_TRUE(Grid->IsHiddenRow(6));
    EXPECT_EQ(Grid->AllCells(0, 6), "r9");
    EXPECT_EQ(Grid->GetGridObject(1, 3), nullptr);
    EXPECT_EQ(ShownColumn(), "r0 r1 r5 r6 r7 r8 r10");
}

TEST_F(QuillGridTest, InsertingARowBlockGivesDefaultHeightsAndEmptyRows)
{
    FillRows(5);
    Grid->SetRowHeights(1, 50);
    Grid->HideRow(3);
    Grid->InsertRowBlock(1, 2, true);
    EXPECT_EQ(ShownColumn(), "r0   r1 r2 r4");
    EXPECT_EQ(Heights(*Grid), "22 22 22 50 22 22");
    EXPECT_EQ(Grid->AllCells(0, 5), "r3") << "the hidden row stays between its neighbours";
    Grid->AddRow();
    EXPECT_EQ(Grid->RowCount(), 7);
    EXPECT_EQ(Grid->Cells(0, 6), "");
}

TEST_F(QuillGridTest, DeletingEveryRowParksTheSelection)
{
    FillRows(4);
    Grid->SetFixedRows(1);
    Grid->DeleteRowBlock(1, 3, true);
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_TRUE(Grid->SelectionHidden());
    EXPECT_EQ(Grid->Selection().Top, Grid->RowCount());
    Grid->UnHideSelection();
    EXPECT_FALSE(Grid->SelectionHidden());
}

TEST_F(QuillGridTest, MergesSurviveInsertsMovesAndRemovalsAroundThem)
{
    FillRows(10);
    Grid->MergeCells(1, 4, 2, 2);
    Grid->SetCellEx(1, 4, "merged");
    Grid->InsertRows(2, 2);
    EXPECT_TRUE(Grid->IsBaseCell(1, 6));
    EXPECT_EQ(Grid->CellSpan(1, 6).Y, 1);
    EXPECT_EQ(Grid->GetCellEx(2, 7), "merged");
    Grid->RemoveRows(1, 1);
    EXPECT_EQ(Grid->GetCellEx(2, 6), "merged");
    Grid->HideRow(2);
    EXPECT_EQ(Grid->GetCellEx(1, 4), "merged");
    EXPECT_TRUE(Grid->IsMergedNonBaseCell(2, 5));
    Grid->UnHideRowsAll();
    Grid->MoveRow(9, 1);
    EXPECT_EQ(Grid->GetCellEx(2, 7), "merged");
    EXPECT_EQ(Grid->BaseCell(2, 7).Y, 6);
}

TEST_F(QuillGridTest, RemovingDuplicatesKeepsFirstOccurrencesIgnoringCase)
{
    Grid->SetRowCount(5);
    const char* values[] = {"a", "A", "b", "a"};
    for (int r = 1; r <= 4; ++r) Grid->SetCells(1, r, values[r - 1]);
    Grid->RemoveDuplicates(1, true);
    EXPECT_EQ(ShownColumn(1), " a b");
}

TEST_F(QuillGridTest, InsertedColumnsShiftHiddenColumnsAndTheirCells)
{
    Grid->SetCells(3, 1, "three");
    Grid->HideColumn(3);
    Grid->InsertCols(1, 2);
    EXPECT_TRUE(Grid->IsHiddenColumn(5));
    EXPECT_FALSE(Grid->IsHiddenColumn(3));
    EXPECT_EQ(Grid->Cells(5, 1), "three");
    EXPECT_EQ(Grid->ColCount(), 6);
    Grid->RemoveCols(1, 2);
    EXPECT_TRUE(Grid->IsHiddenColumn(3));
    EXPECT_EQ(Grid->Cells(3, 1), "three");
    EXPECT_EQ(Grid->ColCount(), 4);
}

TEST_F(QuillGridTest, SwappingRowsTakesHiddenColumnsAlong)
{
    Grid->SetCells(3, 1, "h1");
    Grid->SetCells(3, 2, "h2");
    Grid->SetRowHeights(1, 44);
    Grid->HideColumn(3);
    Grid->SwapRows(1, 2);
    EXPECT_EQ(Grid->Cells(3, 1), "h2");
    EXPECT_EQ(Grid->Cells(3, 2), "h1");
    EXPECT_EQ(Grid->RowHeights(2), 44);
}

TEST_F(QuillGridTest, ClearingTheWholeGridFreesEveryPropertyObject)
{
    FillRows(4);
    Grid->GetCellProperties(1, 1)->SetBrushColor(clRed);
    Grid->MergeCells(2, 2, 2, 1);
    TRect changed{};
    Grid->OnCellsChanged = [&](TObject*, TRect r) { changed = r; };
    Grid->Clear();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c) {
            EXPECT_EQ(Grid->GetGridObject(c, r), nullptr);
            EXPECT_EQ(Grid->Cells(c, r), "");
        }
    EXPECT_EQ(changed.Right, 4);
}

TEST_F(QuillGridTest, MergingColumnCellsFollowsRunsOfEqualTexts)
{
    Grid->SetRowCount(6);
    const char* values[] = {"x", "x", "y", "y", "y"};
    for (int r = 1; r <= 5; ++r) Grid->SetCells(1, r, values[r - 1]);
    Grid->MergeColumnCells(1, true);
    EXPECT_TRUE(Grid->IsBaseCell(1, 1));
    EXPECT_EQ(Grid->CellSpan(1, 1).Y, 1);
    EXPECT_EQ(Grid->CellSpan(1, 3).Y, 2);
    Grid->SplitColumnCells(1);
    EXPECT_FALSE(Grid->IsMergedCell(1, 4));
}

TEST_F(QuillGridTest, TrimmingAndJoiningColumnsUseStoredTexts)
{
    Grid->SetURLShowInText(true);
    Grid->SetCells(1, 1, "  www.a.com\t");
    Grid->SetCells(2, 1, "b");
    Grid->TrimRect(1, 1, 1, 1);
    EXPECT_EQ(Grid->Cells(1, 1), "www.a.com");
    Grid->MergeCols(1, 2, " ");
    EXPECT_EQ(Grid->Cells(1, 1), "www.a.com b") << "no anchor markup becomes data";
    EXPECT_EQ(Grid->ColCount(), 4);
}

TEST_F(QuillGridTest, ColumnOrderAndHeadersFollowMoves)
{
    for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, "H" + std::to_string(c));
    Grid->MoveColumn(1, 3);
    Grid->MoveColumn(4, 0);
    EXPECT_EQ(ShownRow(0), "H4 H0 H2 H3 H1");
    EXPECT_EQ(Grid->ColumnPosition(1), 4);
    Grid->HideColumn(2);
    EXPECT_EQ(Grid->ColumnByHeader("H2"), 2) << "hidden columns are found too";
    EXPECT_EQ(Grid->ColumnByHeader("h2"), -1);
    Grid->ResetColumnOrder();
    EXPECT_EQ(ShownRow(0), "H0 H1 H2 H3 H4");
    int c = -1, r = -1;
    EXPECT_TRUE(Grid->IsCell("H3", c, r));
    EXPECT_EQ(c, 3);
    EXPECT_FALSE(Grid->IsCell("h3", c, r));
}

TEST_F(QuillGridTest, DimensionRules)
{
    Grid->SetFixedRowAlways(true);
    Grid->SetFixedRows(0);
    EXPECT_EQ(Grid->FixedRows(), 1);
    Grid->SetFixedRows(Grid->RowCount());
    EXPECT_EQ(Grid->FixedRows(), Grid->RowCount() - 1);
    Grid->SetFixedRows(1);
    Grid->SetTopRow(Grid->RowCount());
    EXPECT_LT(Grid->TopRow(), Grid->RowCount());
    Grid->SetFixedFooters(2);
    Grid->SetSaveFixedCells(false);
    EXPECT_EQ(Grid->SaveEndRow(), Grid->RowCount() - 3);
    Grid->SetSelectionColorMixerFactor(150);
    EXPECT_EQ(Grid->SelectionColorMixerFactor(), 100);
    Grid->SetCells(3, 5, "only");
    const TRect used = Grid->UsedCells();
    EXPECT_EQ(used, (TRect{3, 5, 3, 5}));
}
