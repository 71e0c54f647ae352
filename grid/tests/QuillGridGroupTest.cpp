// Grouping the string grid: header and summary rows, the grouped column
// leaving and coming back, group calculations, and ungrouping that gives the
// grid back exactly.
#include "grid/tests/QuillGridGroupFixture.h"

#include "grid/model/BehaviourSettings.h"
#include "grid/model/SortSettings.h"

namespace {


TEST_F(QuillGridGroupTest, HeadersSpanTheirGroupsAndTheColumnLeaves)
{
    FillRows({"B", "A", "B"});
    Grid->SetColWidths(3, 77);
    Grid->Group(3);
    EXPECT_EQ(Grid->GroupColumn(), 3);
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(ShownColumn(1), "h1 A n2 B n1 n3");
    EXPECT_TRUE(Grid->IsNode(1));
    EXPECT_EQ(Grid->GetNodeSpan(1), 2);
    EXPECT_TRUE(Grid->IsNode(3));
    EXPECT_EQ(Grid->GetNodeSpan(3), 3);
    EXPECT_FALSE(Grid->IsNode(2));
    Grid->UnGroup();
    EXPECT_EQ(Grid->GroupColumn(), -1);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(Grid->ColWidths(3), 77);
    EXPECT_EQ(ShownColumn(3), "h3 A B B");
    EXPECT_EQ(ShownColumn(1), "h1 n2 n1 n3");
    EXPECT_EQ(Grid->NumNodes(), 0);
}

TEST_F(QuillGridGroupTest, GroupThenUnGroupRestoresTheSortedGridExactly)
{
    FillRows({"x", "y", "x", "z", "y", "x", "R&D", ""});
    Grid->SetRowHeights(3, 40);
    Grid->HideRow(5);
    Grid->SortSettings().SetColumn(3);
    Grid->QSort();
    const std::string sorted = Everything();
    const int rows = Grid->RowCount();
    const int hidden = Grid->NumHiddenRows();
    ForEachGroupingLook([&](bool, bool merged) {
        Grid->Group(3);
        if (merged) {
            EXPECT_TRUE(Grid->IsBaseCell(1, 1));
            EXPECT_TRUE(Grid->IsMergedNonBaseCell(2, 1)) << "the header row is one merged cell";
        }
        Grid->UnGroup();
        EXPECT_EQ(Everything(), sorted);
        EXPECT_FALSE(Grid->IsMergedNonBaseCell(2, 1));
        EXPECT_EQ(Grid->RowCount(), rows);
        EXPECT_EQ(Grid->NumHiddenRows(), hidden);
        EXPECT_EQ(Grid->Colors(1, 1), clNone) << "no group colour stays behind";
    });
}

TEST_F(QuillGridGroupTest, SummaryRowFollowsEveryGroup)
{
    FillRows({"c", "a", "b", "a"});
    Grid->Grouping().SetSummary(true);
    Grid->Group(3);
    // a: header, 2 rows, summary; b: header, row, summary; c: header, row, summary.
    EXPECT_EQ(Grid->RowCount(), 1 + 4 + 3 * 2);
    EXPECT_EQ(Kinds(), "HddSHdSHdS");
    Grid->GroupCount(2);
    Grid->GroupSum(2);
    EXPECT_EQ(Grid->Cells(2, 4), "60.00") << "rows 2 and 4 hold 20 and 40";
    Grid->GroupCount(1);
    EXPECT_EQ(Grid->Cells(1, 4), "2");
    Grid->UnGroup();
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(ShownColumn(3), "h3 a a b c");
}

TEST_F(QuillGridGroupTest, CalculationsGoToHeadersAndSkipContractedGroups)
{
    FillRows({"a", "a", "b"});
    Grid->Group(3);
    Grid->ContractNode(Grid->RealRowIndex(4));
    Grid->GroupCount(2);
    EXPECT_EQ(Grid->Cells(2, 1), "2");
    EXPECT_EQ(Grid->Cells(2, 4), "") << "a contracted group is passed over";
    Grid->OnGroupCalc = [](TObject*, int, int FromRow, int ToRow, double& Res) { Res = FromRow * 100 + ToRow; };
    Grid->GroupCustomCalc(1);
    EXPECT_EQ(Grid->Cells(1, 1), "203.00");
}

TEST_F(QuillGridGroupTest, GroupingByColumnOneKeepsTheValuesInColumnOne)
{
    FillRows({"a", "b"});
    Grid->Group(1);
    EXPECT_EQ(ShownColumn(1), "h2 n1 10 n2 20");
    Grid->UnGroup();
    EXPECT_EQ(ShownColumn(1), "h1 n1 n2");
}

TEST_F(QuillGridGroupTest, ColumnZeroAndTheGroupColumnProperty)
{
    FillRows({"a", "b"});
    Grid->SetFixedCols(0);
    Grid->Group(0);
    EXPECT_EQ(Grid->GroupColumn(), -1) << "column 0 carries the outline";
    EXPECT_EQ(Grid->ColCount(), 4);
    Grid->SetGroupColumn(0);
    EXPECT_EQ(Grid->GroupColumn(), -1);
    Grid->SetGroupColumn(3);
    EXPECT_EQ(Grid->GroupColumn(), 3);
    Grid->SetGroupColumn(2);
    EXPECT_EQ(Grid->GroupColumn(), 2) << "grouping again ungroups first";
    EXPECT_EQ(Grid->ColCount(), 3);
    Grid->SetGroupColumn(-1);
    EXPECT_EQ(Grid->ColCount(), 4);
    EXPECT_EQ(ShownColumn(3), "h3 a b");
}

TEST_F(QuillGridGroupTest, SentinelValueOpensNoGroupAtTheFirstRow)
{
    FillRows({"\xC3\xBF\xC3\xBE", "a"});
    Grid->SortSettings().SetAutoSortForGrouping(false);
    Grid->Group(3);
    EXPECT_FALSE(Grid->IsNode(1));
    EXPECT_TRUE(Grid->IsNode(2));
}

} // namespace
