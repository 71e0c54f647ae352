// Column and row statistics, numbering and the selection sets.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/MouseActions.h"

namespace {

void FillColumn(TQuillStringGrid& grid, int col, std::initializer_list<const char*> texts)
{
    grid.SetRowCount(static_cast<int>(texts.size()) + 1);
    int r = 1;
    for (const char* t : texts) grid.SetCells(col, r++, t);
}

} // namespace

TEST_F(QuillGridTest, StatisticsLeaveTextsOutEverywhere)
{
    FillColumn(*Grid, 2, {"1", "x", "3"});
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(2, -1, -1), 4);
    // An average of the numbers summed, not of every row.
    EXPECT_DOUBLE_EQ(Grid->ColumnAvg(2, -1, -1), 2);
    FillColumn(*Grid, 2, {"x", "5", "2"});
    EXPECT_DOUBLE_EQ(Grid->ColumnMin(2, -1, -1), 2) << "a text first in the range does not raise";
    EXPECT_DOUBLE_EQ(Grid->ColumnMax(2, -1, -1), 5);
    EXPECT_DOUBLE_EQ(Grid->ColumnStdDev(2, -1, -1), 1.5);
    FillColumn(*Grid, 2, {"x", "y"});
    EXPECT_DOUBLE_EQ(Grid->ColumnMin(2, -1, -1), 0);
    EXPECT_DOUBLE_EQ(Grid->ColumnAvg(2, -1, -1), 0);
}

TEST_F(QuillGridTest, DistinctCountsIgnoreCaseAndCountEmptyOnce)
{
    FillColumn(*Grid, 1, {"a", "A", "b", ""});
    EXPECT_DOUBLE_EQ(Grid->ColumnDistinct(1, -1, -1), 3);
}

TEST_F(QuillGridTest, RangesPastTheShownRowsIncludeHiddenRows)
{
    FillColumn(*Grid, 1, {"1", "2", "4", "8"});
    Grid->HideRow(3);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 11);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, 1, Grid->TotalRowCount() - 1), 15);
}

TEST_F(QuillGridTest, ColumnStatisticsTakeTheShownTexts)
{
    FillColumn(*Grid, 1, {"1", "2", "x"});
    Grid->OnGetDisplText = [](TObject*, int, int ARow, std::string& Value) {
        if (ARow == 3) Value = "10";
    };
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 13);
    EXPECT_DOUBLE_EQ(Grid->ColumnAvg(1, -1, -1), 13.0 / 3);
}

TEST_F(QuillGridTest, MergedCellsCountOnceAndRowStatisticsSkipTexts)
{
    FillColumn(*Grid, 1, {"5", "5", "1"});
    Grid->MergeCells(1, 1, 1, 2);
    EXPECT_DOUBLE_EQ(Grid->ColumnSum(1, -1, -1), 6);
    Grid->SetCells(1, 3, "2");
    Grid->SetCells(2, 3, "n/a");
    Grid->SetCells(3, 3, "6");
    EXPECT_DOUBLE_EQ(Grid->RowSum(3, 1, 3), 8);
    EXPECT_DOUBLE_EQ(Grid->RowAvg(3, 1, 3), 4);
    EXPECT_DOUBLE_EQ(Grid->RowMin(3, 1, 3), 2);
}

TEST_F(QuillGridTest, NumberingRunsBothWays)
{
    Grid->SetRowCount(4);
    Grid->AutoNumberCol(0);
    EXPECT_EQ(ShownColumn(), " 1 2 3");
    Grid->SetAutoNumberDirection(sdDescending);
    Grid->AutoNumberCol(0);
    EXPECT_EQ(ShownColumn(), " 3 2 1");
}

TEST_F(QuillGridTest, DisjunctCellsKeepFarRowsApart)
{
    Grid->MouseActions().SetDisjunctCellSelect(true);
    Grid->SetRowCount(70000);
    Grid->SetSelectedCells(3, 2, true);
    // Rows past 32767 and 65535 would collide in a 32-bit packing.
    Grid->SetSelectedCells(3, 65538, true);
    EXPECT_TRUE(Grid->IsSelected(3, 2));
    EXPECT_TRUE(Grid->IsSelected(3, 65538));
    EXPECT_FALSE(Grid->IsSelected(3, 32770));
    EXPECT_EQ(Grid->SelectedCell(0), (TGridCoord{3, 2}));
    EXPECT_EQ(Grid->SelectedCell(1), (TGridCoord{3, 65538}));
    Grid->SetSelectedCells(3, 2, false);
    EXPECT_EQ(Grid->SelectedCellsCount(), 1);
}

TEST_F(QuillGridTest, SelectedTextJoinsCellsByTabsAndRows)
{
    Grid->SetCells(1, 1, "a");
    Grid->SetCells(2, 1, "b");
    Grid->SetCells(1, 2, "c");
    Grid->SetCells(2, 2, "d");
    Grid->SelectCells(1, 1, 2, 2);
    EXPECT_EQ(Grid->SelectedText(), "a\tb\r\nc\td");
    EXPECT_EQ(Grid->SelectedCellsCount(), 4);
    EXPECT_EQ(Grid->SelectedRowCount(), 2);
}
