// Removing checked rows and the rows or columns of the selection.
#include "grid/tests/QuillGridFixture.h"

namespace {

using QuillGridRowSetsTest = QuillGridTest;

TEST_F(QuillGridRowSetsTest, CheckedRowsGoAndRowsWithoutABoxStay)
{
    FillRows(6);
    Grid->SetColCount(3);
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddCheckBox(1, 2, false, false);
    Grid->AddCheckBox(1, 3, true, false);
    // Row 4 has no box; row 5 holds a checked box but is hidden.
    Grid->AddCheckBox(1, 5, true, false);
    Grid->HideRow(5);

    Grid->RemoveCheckedRows(1, false);
    EXPECT_EQ(ShownColumn(), "r0 r1 r3 r4") << "only the unchecked box's row goes";

    Grid->RemoveCheckedRows(1, true);
    EXPECT_EQ(ShownColumn(), "r0 r4");
    Grid->UnHideRowsAll();
    EXPECT_EQ(ShownColumn(), "r0 r4 r5") << "hidden rows are not removed";
    EXPECT_TRUE(Grid->IsChecked(1, 2)) << "the hidden row kept its box";
}

TEST_F(QuillGridRowSetsTest, CheckBoxesAreReadAtTheirRealRowsWhileRowsAreHidden)
{
    FillRows(5);
    Grid->SetColCount(2);
    Grid->AddCheckBox(1, 3, true, false);
    Grid->AddCheckBox(1, 4, false, false);
    Grid->HideRow(2);
    Grid->RemoveCheckedRows(1, true);
    Grid->UnHideRowsAll();
    EXPECT_EQ(ShownColumn(), "r0 r1 r2 r4");
}

TEST_F(QuillGridRowSetsTest, SelectionRowsAndColumnsAreRemoved)
{
    FillRows(6);
    Grid->SetColCount(6);
    for (int c = 0; c < 6; ++c) Grid->SetCells(c, 0, "c" + std::to_string(c));
    Grid->SetSelection({1, 4, 1, 2});
    Grid->RemoveSelectedRows();
    EXPECT_EQ(ShownColumn(), "c0 r1 r5") << "top and bottom are put in order";

    Grid->HideColumn(3);
    Grid->SetSelection({2, 1, 3, 1});
    Grid->RemoveSelectedCols();
    EXPECT_EQ(ShownRow(0), "c0 c1 c5");
    Grid->UnHideColumnsAll();
    EXPECT_EQ(ShownRow(0), "c0 c1 c3 c5") << "a hidden column between stays";
}

TEST_F(QuillGridRowSetsTest, UnselectedNormalColumnsAreRemoved)
{
    Grid->SetColCount(6);
    Grid->SetRowCount(2);
    for (int c = 0; c < 6; ++c) Grid->SetCells(c, 0, "c" + std::to_string(c));
    Grid->SetSelection({2, 1, 3, 1});
    Grid->RemoveUnSelectedCols();
    EXPECT_EQ(ShownRow(0), "c0 c2 c3") << "the fixed column stays";
}

} // namespace
