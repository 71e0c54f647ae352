// Row and column flags: disjunct row, column and cell selections, modified
// and disabled rows, and the operations on the flagged rows.
#include "grid/tests/QuillGridFixture.h"

#include <vector>

#include "grid/base/MouseActions.h"

namespace {

class QuillGridRowFlagsTest : public QuillGridTest {
protected:
    // Rows "r0".."r7" in column 0, one fixed row, disjunct row selection.
    void SetUp() override
    {
        QuillGridTest::SetUp();
        FillRows(8);
        Grid->SetFixedRows(1);
        Grid->MouseActions().SetDisjunctRowSelect(true);
    }
    void Flag(std::initializer_list<int> Rows)
    {
        for (int r : Rows) Grid->SetRowSelect(r, true);
    }
    std::vector<int> SelectedRows()
    {
        std::vector<int> rows;
        for (int i = 0; Grid->SelectedRow(i) >= 0; ++i) rows.push_back(Grid->SelectedRow(i));
        return rows;
    }
};

TEST_F(QuillGridRowFlagsTest, BadIndexesRaiseTheGridsMessages)
{
    auto message = [](auto&& Call) {
        try {
            Call();
        } catch (const EQuillGridError& e) {
            return std::string(e.Message());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { (void)Grid->RowSelect(-1); }), "Invalid row -1 accessed");
    EXPECT_EQ(message([&] { (void)Grid->RowSelect(8); }), "Invalid row 8 accessed");
    EXPECT_EQ(message([&] { Grid->SetRowSelect(8, true); }), "Invalid row accessed");
    EXPECT_EQ(message([&] { Grid->SetRowSelect(-1, true); }), "Invalid row accessed");
    EXPECT_EQ(message([&] { (void)Grid->ColSelect(5); }), "Invalid column accessed");
    EXPECT_EQ(message([&] { Grid->SetColSelect(-1, true); }), "Invalid column accessed");
    EXPECT_EQ(Grid->RowSelectCount(), 0);
}

TEST_F(QuillGridRowFlagsTest, SelectedRowsKeepTheOrderTheyWereFlaggedIn)
{
    Flag({5, 2, 7});
    Grid->SetRowSelect(2, false);
    Grid->SetRowSelect(2, true);
    Grid->SetRowSelect(5, true); // already flagged: stays where it was
    EXPECT_EQ(SelectedRows(), (std::vector<int>{5, 7, 2}));
    EXPECT_EQ(Grid->SelectedRowCount(), 3);
    EXPECT_EQ(Grid->RowSelectCount(), 3);
    EXPECT_TRUE(Grid->IsSelected(1, 7));
    EXPECT_FALSE(Grid->IsSelected(1, 6));
    Grid->ClearRowSelect();
    EXPECT_EQ(Grid->SelectedRowCount(), 0);
}

TEST_F(QuillGridRowFlagsTest, ARefusedFlagStaysAsItWas)
{
    std::vector<int> selected;
    Grid->OnRowDisjunctSelect = [](TObject*, int ARow, bool, bool& Allow) { Allow = ARow != 3; };
    Grid->OnRowDisjunctSelected = [&](TObject*, int ARow) { selected.push_back(ARow); };
    Flag({3, 4});
    EXPECT_FALSE(Grid->RowSelect(3));
    EXPECT_TRUE(Grid->RowSelect(4));
    EXPECT_EQ(selected, (std::vector<int>{4}));
}

TEST_F(QuillGridRowFlagsTest, OperationsOnFlaggedRows)
{
    struct Case {
        const char* Name;
        void (TQuillStringGrid::*Operation)();
        const char* Shown;
    };
    const Case cases[] = {
        {"remove selected", &TQuillStringGrid::RemoveSelectedRows, "r0 r1 r3 r5 r6 r7"},
        {"remove unselected", &TQuillStringGrid::RemoveUnSelectedRows, "r0 r2 r4"},
        {"hide selected", &TQuillStringGrid::HideSelectedRows, "r0 r1 r3 r5 r6 r7"},
        {"hide unselected", &TQuillStringGrid::HideUnSelectedRows, "r0 r2 r4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->UnHideRowsAll();
        Grid->ClearRowSelect();
        FillRows(8);
        Flag({2, 4});
        (Grid->*c.Operation)();
        EXPECT_EQ(ShownColumn(), c.Shown);
    }
    // Removing the selected rows clears every flag.
    Grid->UnHideRowsAll();
    FillRows(8);
    Flag({2, 4});
    Grid->RemoveSelectedRows();
    EXPECT_EQ(Grid->RowSelectCount(), 0);
}

TEST_F(QuillGridRowFlagsTest, FlagsFollowTheirRowsThroughRemovalInsertionAndHiding)
{
    Grid->MouseActions().SetRowSelectPersistent(true);
    Grid->SetRowModified(5, true);
    Grid->SetRowEnabled(6, false);
    Flag({5});
    Grid->RemoveRows(2, 1);
    EXPECT_TRUE(Grid->RowModified(4));
    EXPECT_FALSE(Grid->RowEnabled(5));
    EXPECT_TRUE(Grid->RowSelect(4));
    Grid->InsertRows(1, 2);
    EXPECT_TRUE(Grid->RowModified(6));
    EXPECT_FALSE(Grid->RowModified(4));
    EXPECT_FALSE(Grid->RowEnabled(7));
    EXPECT_TRUE(Grid->RowSelect(6));
    EXPECT_EQ(Grid->ModifiedRowCount(), 1);
    // Persistent flags are kept by real row: hiding rows above does not move them.
    Grid->HideRow(2);
    EXPECT_EQ(Grid->Cells(0, 5), "r5");
    EXPECT_TRUE(Grid->IsSelected(1, 5));
    Grid->HideSelectedRows();
    EXPECT_EQ(ShownColumn(), "r0  r1 r3 r4 r6 r7");
}

TEST_F(QuillGridRowFlagsTest, DisablingTheCurrentRowMovesTheCurrentRow)
{
    Grid->SetRowEnabled(1, false);
    Grid->SetRow(2);
    Grid->SetRowEnabled(2, false);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_FALSE(Grid->RowEnabled(2));
    EXPECT_TRUE(Grid->UseEnabledRows());
}

TEST_F(QuillGridRowFlagsTest, ClearingTheSelectionClearsTheFlaggedRowsOrColumns)
{
    Grid->SetColCount(3);
    for (int r = 0; r < 8; ++r)
        for (int c = 1; c < 3; ++c) Grid->SetCells(c, r, "x");
    Flag({3});
    Grid->ClearSelection();
    EXPECT_EQ(ShownRow(3), "  "); // whole rows, fixed column included
    EXPECT_EQ(ShownRow(4), "r4 x x");

    Grid->MouseActions().SetDisjunctRowSelect(false);
    Grid->MouseActions().SetDisjunctColSelect(true);
    Grid->SetColSelect(2, true);
    Grid->ClearSelection();
    EXPECT_EQ(ShownRow(4), "r4 x ");
    Grid->RemoveSelectedCols();
    EXPECT_EQ(Grid->ColCount(), 2);
    EXPECT_EQ(Grid->ColSelectCount(), 0);
}

TEST_F(QuillGridRowFlagsTest, DisjunctCellsAreKeptApartOnLargeGrids)
{
    Grid->MouseActions().SetDisjunctCellSelect(true);
    // Rows and columns past 16 bits once wrapped onto small ones.
    Grid->SetSelectedCells(5, 70000, true);
    Grid->SetSelectedCells(65536, 1, true);
    Grid->SetSelectedCells(3, 2, true);
    EXPECT_FALSE(Grid->SelectedCells(5, 70000 - 65536));
    EXPECT_FALSE(Grid->SelectedCells(0, 2));
    EXPECT_TRUE(Grid->SelectedCells(5, 70000));
    EXPECT_TRUE(Grid->IsSelected(3, 2));
    EXPECT_EQ(Grid->SelectedCell(0), (TGridCoord{5, 70000}));
    Grid->SetSelectedCells(5, 70000, false);
    EXPECT_EQ(Grid->SelectedCellsCount(), 2);
    EXPECT_EQ(Grid->SelectedCell(1), (TGridCoord{3, 2}));
    EXPECT_EQ(Grid->SelectedCell(2), (TGridCoord{-1, -1}));
}

} // namespace
