// Rows added to and taken from nodes, and hits on node glyphs and check boxes.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/MouseActions.h"
#include "grid/model/AppearanceSettings.h"

namespace {

using QuillGridChildRowsTest = QuillGridTest;

TEST_F(QuillGridChildRowsTest, ChildRowsGrowAndShrinkTheirNodes)
{
    FillRows(6);
    Grid->SetColCount(3);
    Grid->SetCells(1, 1, "head");
    Grid->AddNode(1, 3);

    Grid->InsertChildRow(1, 0);
    EXPECT_EQ(Grid->GetNodeSpan(1), 4);
    EXPECT_EQ(Grid->Cells(1, 1), "") << "the node row is emptied";
    EXPECT_EQ(Grid->Cells(1, 2), "head") << "its texts move into the first child";
    EXPECT_EQ(ShownColumn(), "r0  r1 r2 r3 r4 r5");
    EXPECT_TRUE(Grid->IsNode(1));

    Grid->InsertChildRow(3, 1);
    EXPECT_EQ(Grid->GetNodeSpan(1), 5);
    EXPECT_EQ(Grid->Cells(0, 4), "");

    Grid->ContractNode(1);
    EXPECT_EQ(Grid->RowCount(), 4) << "the node hides all its rows, new ones included";
    Grid->ExpandNode(1);

    Grid->RemoveChildRow(4);
    Grid->RemoveChildRow(2);
    EXPECT_EQ(Grid->GetNodeSpan(1), 3);
    EXPECT_EQ(ShownColumn(), "r0  r2 r3 r4 r5");
}

TEST_F(QuillGridChildRowsTest, NestedNodesAllGrowWithAChildRow)
{
    FillRows(8);
    Grid->AddNode(1, 6);
    Grid->AddNode(2, 3);
    Grid->InsertChildRow(3, 1);
    EXPECT_EQ(Grid->GetNodeSpan(2), 4);
    EXPECT_EQ(Grid->GetNodeSpan(1), 7);
    Grid->RemoveChildRow(4);
    EXPECT_EQ(Grid->GetNodeSpan(2), 3);
    EXPECT_EQ(Grid->GetNodeSpan(1), 6);
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r3 r4 r5 r6 r7");
}

TEST_F(QuillGridChildRowsTest, NodeGlyphHitsFollowLevelAndNodeType)
{
    FillRows(4);
    Grid->AddNode(1, 2);
    Grid->MouseActions().SetPreciseNodeClick(false);
    EXPECT_TRUE(Grid->IsNodeButtonHit(1, 500));
    Grid->MouseActions().SetPreciseNodeClick(true);
    // Level 1, indent 12, cnXP: margins 4 and 4 give 4 < x < 16.
    struct Case { int X; bool Hit; } cases[] = {{4, false}, {5, true}, {15, true}, {16, false}};
    for (const Case& c : cases) EXPECT_EQ(Grid->IsNodeButtonHit(1, c.X), c.Hit) << "x " << c.X;
    Grid->CellNode().SetNodeType(cn3D);
    EXPECT_TRUE(Grid->IsNodeButtonHit(1, 1));
    EXPECT_TRUE(Grid->IsNodeButtonHit(1, 17));
}

TEST_F(QuillGridChildRowsTest, CheckBoxHitsAreExactOnlyWhenAsked)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->AddCheckBox(1, 1, cbGrayed);
    Grid->SetCells(2, 1, "text");
    const TRect r = Grid->CellRect(1, 1);
    EXPECT_TRUE(Grid->IsInCheckBox(1, 1, r.Right - 1, r.Bottom - 1)) << "anywhere in the cell";
    EXPECT_FALSE(Grid->IsInCheckBox(2, 1, r.Right + 2, r.Top + 2)) << "a cell without a box";

    Grid->MouseActions().SetPreciseCheckBoxCheck(true);
    EXPECT_TRUE(Grid->IsInCheckBox(1, 1, r.Left + 3, r.Top + 3));
    EXPECT_FALSE(Grid->IsInCheckBox(1, 1, r.Right - 1, r.Top + 3));
    Grid->SetAlignments(1, 1, taRightJustify);
    EXPECT_TRUE(Grid->IsInCheckBox(1, 1, r.Right - 4, r.Top + 3));
}

} // namespace
