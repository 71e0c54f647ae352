// Nodes: levels, contracting and expanding in place, nesting, parents, and
// nodes that stay with their rows.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/CellProperties.h"

TEST_F(QuillGridTest, ContractingANodeHidesItsRowsAndExpandingRestoresThem)
{
    FillRows(10);
    Grid->AddNode(5, 3);
    EXPECT_EQ(Grid->NumNodes(), 1);
    for (int r = 5; r <= 7; ++r) EXPECT_EQ(Grid->GetCellProperties(0, r)->NodeLevel(), 1) << r;
    EXPECT_EQ(Grid->GetCellProperties(0, 8)->NodeLevel(), 0);
    Grid->ContractNode(5);
    EXPECT_TRUE(Grid->GetNodeState(5));
    EXPECT_EQ(Grid->RowCount(), 8);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r8 r9");
    Grid->ExpandNode(5);
    EXPECT_FALSE(Grid->GetNodeState(5));
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9");
}

TEST_F(QuillGridTest, ASpanOfZeroReachesTheNextNode)
{
    FillRows(10);
    Grid->AddNode(2, 0);
    Grid->AddNode(6, 2);
    Grid->ContractNode(2);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r6 r7 r8 r9");
}

TEST_F(QuillGridTest, NestedNodesComeBackExpanded)
{
    FillRows(12);
    Grid->AddNode(2, 6);
    Grid->AddNode(4, 3);
    EXPECT_EQ(Grid->GetNodeLevel(4), 2);
    EXPECT_EQ(Grid->GetParentRow(5), 4);
    EXPECT_EQ(Grid->GetParentRow(7), 2);
    EXPECT_EQ(Grid->GetParentRow(2), 2);
    EXPECT_EQ(Grid->GetParentRow(9), -1);
    Grid->ContractNode(4);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r7 r8 r9 r10 r11");
    Grid->ContractNode(2);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r8 r9 r10 r11");
    Grid->ExpandNode(2);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7 r8 r9 r10 r11");
    EXPECT_FALSE(Grid->GetNodeState(4));
    Grid->ContractAll();
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r8 r9 r10 r11");
    Grid->ExpandAll();
    EXPECT_EQ(Grid->RowCount(), 12);
}

TEST_F(QuillGridTest, NodesStayWithTheirRowsThroughInsertsMovesAndRemovals)
{
    FillRows(12);
    Grid->AddNode(6, 3);
    Grid->InsertRows(2, 2);
    EXPECT_TRUE(Grid->IsNode(8));
    Grid->RemoveRows(1, 1);
    EXPECT_TRUE(Grid->IsNode(7));
    Grid->MoveRow(10, 1);
    EXPECT_TRUE(Grid->IsNode(8));
    Grid->ContractNode(8);
    EXPECT_EQ(Grid->Cells(0, 8), "r6");
    EXPECT_EQ(Grid->Cells(0, 9), "r10");
    Grid->RemoveAllNodes();
    EXPECT_EQ(Grid->NumNodes(), 0);
    EXPECT_FALSE(Grid->IsNode(8));
    EXPECT_EQ(Grid->Cells(0, 9), "r7") << "removing a node shows its rows first";
}
