// Enter and Tab moves, arrows across hidden rows and at the edges, editors
// that outlive their cell, and search as you type.
#include "grid/interact/tests/GridEditingFixture.h"

#include <chrono>

#include "grid/model/SortSettings.h"

namespace {
TGridCoord At(TQuillStringGrid* g) { return {g->Col(), g->Row()}; }
} // namespace

TEST_F(GridEditingTest, EnterMovesRightThenDownAndAddsARowAtTheEnd)
{
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->Navigation().SetAdvanceInsert(true);
    Grid->FocusCell(3, 3, true);
    Press(VK_RETURN); // opens the editor
    Type("x");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(3, 3), "x");
    EXPECT_EQ(At(Grid), (TGridCoord{1, 4}));
    EXPECT_TRUE(EditorShown()) << "the editor reopens on the next cell";
    Press(VK_ESCAPE);
    Grid->FocusCell(3, 4, true);
    int added = -1;
    Grid->OnAutoAddRow = [&](TObject*, int row) { added = row; };
    Press(VK_RETURN);
    Press(VK_RETURN);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(added, 5);
    EXPECT_EQ(At(Grid), (TGridCoord{1, 5}));
    Press(VK_ESCAPE);
    Grid->FocusCell(3, 5, true);
    Grid->OnCanAddRow = [](TObject*, bool& can) { can = false; };
    Press(VK_RETURN);
    Press(VK_RETURN);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(At(Grid), (TGridCoord{1, 5})) << "a refused row leaves the move in its row";
}

TEST_F(GridEditingTest, EnterPassesReadOnlyCellsAndMergedAreas)
{
    Grid->Navigation().SetAdvanceOnEnter(true);
    Grid->SetColCount(7);
    Grid->MergeCells(2, 1, 3, 1);
    Grid->SetReadOnly(5, 1, true);
    Grid->FocusCell(2, 1, true);
    Grid->MoveToNextEditCell(2, 1, false, false, true, false);
    EXPECT_EQ(At(Grid), (TGridCoord{6, 1})) << "past the three merged columns and the read-only cell";
    for (int c = 1; c < 7; ++c)
        for (int r = 1; r < 5; ++r) Grid->SetReadOnly(c, r, true);
    Grid->MoveToNextEditCell(6, 1, false, false, true, false);
    EXPECT_EQ(At(Grid), (TGridCoord{6, 1})) << "nothing editable: the move comes round and stops";
    SetOption(goTabs, true);
    Press(VK_TAB);
    EXPECT_EQ(At(Grid), (TGridCoord{6, 1})) << "Tab finds no stop and stays";
}

TEST_F(GridEditingTest, TabTypesAcrossCellsSkippingReadOnlyColumns)
{
    SetOption(goTabs, true);
    Grid->FocusCell(1, 1, true);
    for (int r = 0; r < 5; ++r) Grid->SetReadOnly(2, r, true);
    Type("first");
    Press(VK_TAB);
    EXPECT_EQ(At(Grid), (TGridCoord{3, 1}));
    Type("second");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "first");
    EXPECT_EQ(Grid->Cells(3, 1), "second");
    Press(VK_TAB);
    EXPECT_EQ(At(Grid), (TGridCoord{1, 2})) << "Tab at the row's end goes to the next row";
    Press(VK_TAB, {ssShift});
    EXPECT_EQ(At(Grid), (TGridCoord{3, 1})) << "Shift+Tab in the first column goes to the row above";
}

TEST_F(GridEditingTest, TabRefusedByValidationKeepsTheCell)
{
    SetOption(goTabs, true);
    Grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v.size() < 3; };
    Type("long");
    Press(VK_TAB);
    EXPECT_EQ(At(Grid), (TGridCoord{1, 1}));
    EXPECT_EQ(EditorText(), "long");
    EXPECT_EQ(Grid->Cells(1, 1), "");
}

TEST_F(GridEditingTest, ArrowsStepOverHiddenRowsAndWrapWithCursorAdvance)
{
    for (int r = 0; r < 5; ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
    Grid->HideRow(2);
    Grid->FocusCell(1, 1, true);
    Press(VK_DOWN);
    EXPECT_EQ(Grid->Cells(1, Grid->Row()), "r3");
    Grid->Navigation().SetCursorAdvance(caSnake);
    Grid->FocusCell(3, 1, true);
    Press(VK_RIGHT);
    EXPECT_EQ(At(Grid), (TGridCoord{1, 2}));
    Grid->Navigation().SetAppendOnArrowDown(true);
    Grid->FocusCell(1, Grid->RowCount() - 1, true);
    const int rows = Grid->RowCount();
    Press(VK_DOWN);
    EXPECT_EQ(Grid->RowCount(), rows + 1);
}

TEST_F(GridEditingTest, AnEditorWhoseCellWentAwayWritesNothing)
{
    for (int r = 0; r < 5; ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
    Grid->FocusCell(1, 3, true);
    Type("typed");
    Grid->RemoveRows(1, 1);
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(ShownColumn(), "r0 r2 r3 r4");
    Grid->FocusCell(1, 2, true);
    Type("again");
    // Another row's text arrives at the edited place: the edit is dropped.
    Grid->SetCells(1, 2, "other");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), "other");
    Type("left open");
    delete Grid; // freed with its editor open
    Grid = nullptr;
    backend::input::Pump();
}

TEST_F(GridEditingTest, SearchAsYouTypeOverAMillionRows)
{
    SetOption(goEditing, false);
    Grid->SetRowCount(1'000'001);
    for (int r = 1; r <= 1'000'000; ++r) Grid->SetCells(1, r, "k" + std::to_string(r));
    Grid->SetCells(1, 999'990, "smith");
    Grid->Navigation().SetAutoGotoWhenSorted(true);
    Grid->Navigation().SetAutoGotoIncremental(true);
    Grid->SortSettings().SetColumn(1);
    const auto start = std::chrono::steady_clock::now();
    Type("sm");
    EXPECT_EQ(Grid->Row(), 999'990);
    EXPECT_EQ(Grid->SearchInc(), "sm");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    Press(VK_BACK);
    EXPECT_EQ(Grid->SearchInc(), "s");
    for (int tick = 0; tick < 5; ++tick) backend::input::AdvanceTime(500);
    EXPECT_EQ(Grid->SearchInc(), "") << "four timer ticks start a new search";
    Type("k12");
    EXPECT_EQ(Grid->Row(), 12);
}

// With clipboard shortcuts allowed, Ctrl+C copies the selected cells and
// Ctrl+V pastes them at the current cell; each can be refused by its event,
// and without the setting the keys do nothing.
TEST_F(GridEditingTest, ClipboardShortcutsCopyAndPasteTheSelectedCells)
{
    Grid->SetCells(1, 1, "pear");
    Grid->SetCells(2, 1, "Lisbon");
    Grid->SetCells(1, 2, "apple");
    Grid->SetSelection({1, 1, 2, 1});
    Press('C', TShiftState{ssCtrl});
    Grid->FocusCell(1, 2, true);
    Press('V', TShiftState{ssCtrl});
    EXPECT_EQ(Grid->Cells(1, 2), "apple") << "shortcuts are off by default";

    Grid->Navigation().SetAllowClipboardShortCuts(true);
    Grid->SetSelection({1, 1, 2, 1});
    Press('C', TShiftState{ssCtrl});
    Grid->FocusCell(1, 3, true);
    Press('V', TShiftState{ssCtrl});
    EXPECT_EQ(Grid->Cells(1, 3), "pear");
    EXPECT_EQ(Grid->Cells(2, 3), "Lisbon");
    EXPECT_FALSE(EditorShown()) << "the keys type nothing";

    bool asked = false;
    Grid->OnClipboardPaste = [&](TObject*, bool& allow) {
        asked = true;
        allow = false;
    };
    Grid->FocusCell(1, 2, true);
    Press(VK_INSERT, TShiftState{ssShift});
    EXPECT_TRUE(asked);
    EXPECT_EQ(Grid->Cells(1, 2), "apple") << "a refused paste changes nothing";
}
