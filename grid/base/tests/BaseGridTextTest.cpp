// Shown and stored texts with their model calls, and the settings that the
// framework grid must not see.
#include "BaseGridFixture.h"

#include "grid/base/GridUndoRedo.h"
#include "grid/base/QuillUtilCellText.h"

TEST_F(BaseGridTest, ShownTextRunsTheDisplayEventsOnNormalRowsOnly)
{
    Grid->FNormalRowCount = 5;
    Grid->SetGridCell(1, 1, "raw");
    Grid->SetGridCell(1, 7, "raw");
    Grid->OnGetDisplText = [](TObject*, int, int, std::string& value) { value += "+"; };
    EXPECT_EQ(Grid->GetCellEx(1, 1), "raw+");
    EXPECT_EQ(Grid->GetCellEx(1, 7), "raw");
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"DoGetDisplText 1,1"}));

    // With the wide event the shown text comes back in the wide encoding.
    Grid->OnGetDisplWideText = [](TObject*, int, int, std::u16string& value) { value += u"\u20AC"; };
    Grid->Log.clear();
    const std::string shown = Grid->GetCellEx(1, 1);
    EXPECT_EQ(shown, EncodeWideCellText(u"raw+\u20AC"));
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"DoGetDisplText 1,1", "DoGetDisplWideText 1,1"}));
}

TEST_F(BaseGridTest, StoringTextReportsToTheModelInOrder)
{
    Grid->FHideLastRow = true;
    Grid->GetCellProperties(2, 9);
    Grid->Log.clear();
    Grid->SetCellEx(2, 9, "total");
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"CellTextChanged 2,9", "UpdateFooterRow"}));
    Grid->Log.clear();
    Grid->SetCellEx(3, 9, "plain");
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"UpdateFooterRow"}));
    EXPECT_EQ(Grid->GetGridCell(3, 9), "plain");
}

TEST_F(BaseGridTest, ResettingACoveredCellEmptiesItsBaseAndDropsItsSlot)
{
    Grid->MergeCells(1, 1, 2, 1);
    Grid->SetCellEx(1, 1, "area");
    TObject* covered = Grid->GetGridObject(2, 1);
    Grid->ResetCell(2, 1);
    EXPECT_EQ(Grid->GetGridCell(1, 1), "");
    EXPECT_EQ(Grid->GetGridObject(2, 1), nullptr);
    delete covered;  // a reset hands the object to the caller
}

TEST_F(BaseGridTest, TheFrameworkGridKeepsItsOwnDrawingAndLinesOff)
{
    EXPECT_FALSE(Grid->DefaultDrawing());
    Grid->SetDefaultDrawing(true);
    EXPECT_TRUE(Grid->DefaultDrawing());
    EXPECT_FALSE(static_cast<TCustomGrid*>(Grid)->DefaultDrawing());
    Grid->SetGridLineWidth(3);
    EXPECT_EQ(Grid->GridLineWidth(), 3);
    EXPECT_EQ(static_cast<TCustomGrid*>(Grid)->GridLineWidth(), 0);
}

TEST_F(BaseGridTest, TheUndoComponentLearnsItsGridAndIsForgottenWhenFreed)
{
    auto* undo = new TQuillGridUndoRedo(Form);
    Grid->SetUndoRedo(undo);
    EXPECT_EQ(undo->Grid(), Grid);
    delete undo;
    EXPECT_EQ(Grid->UndoRedo(), nullptr);

    TQuillGridUndoRedo kept(nullptr);
    Grid->SetUndoRedo(&kept);
    Grid->SetUndoRedo(nullptr);
    EXPECT_EQ(Grid->UndoRedo(), nullptr);
}
