// The in-place editor: opening, typing, committing, cancelling, moving away,
// and the order of the edit hooks.
#include "GridFixture.h"

using namespace backend;

class FrameworkGridEditing : public FrameworkGrid {
protected:
    void SetUp() override
    {
        FrameworkGrid::SetUp();
        Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
        Grid->SetCells(2, 2, "old");
        Grid->FocusCell(2, 2, true);
        Grid->ClearLog();
    }
    bool EditorShown() const { return Grid->InplaceEditor() && Grid->InplaceEditor()->Visible(); }
};

TEST_F(FrameworkGridEditing, F2OpensTheEditorOverTheCellWithItsText)
{
    Press(VK_F2);
    ASSERT_TRUE(EditorShown());
    TInplaceEdit* edit = Grid->InplaceEditor();
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(edit->Text(), "old");
    EXPECT_EQ(edit->BoundsRect(), Grid->CellRect(2, 2));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelLength(), 3) << "the whole text is selected";
    EXPECT_EQ(Grid->Log, std::vector<std::string>{"GetEditText 2,2"});

    // Typing replaces the selection; every change reaches the cell.
    Type("ne");
    EXPECT_EQ(edit->Text(), "ne");
    EXPECT_EQ(Grid->Cells(2, 2), "ne");
    Press(VK_END);
    Press(VK_BACK);
    Press(VK_HOME);
    Type("o");
    EXPECT_EQ(Grid->Cells(2, 2), "on");

    // Enter closes the editor and gives the focus back to the grid.
    Press(VK_RETURN);
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Cells(2, 2), "on");
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"GetEditText 2,2", "SetEditText 2,2 n", "SetEditText 2,2 ne",
                                                   "SetEditText 2,2 n", "SetEditText 2,2 on"}));
}

TEST_F(FrameworkGridEditing, ATypedCharacterStartsEditingWithThatCharacter)
{
    Type("x");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "x");
    Type("\xC3\xA9"); // a two-byte character
    EXPECT_EQ(Grid->Cells(2, 2), "x\xC3\xA9");
    Press(VK_BACK);
    EXPECT_EQ(Grid->Cells(2, 2), "x") << "Backspace removes the whole character";
}

TEST_F(FrameworkGridEditing, EscapeRestoresTheTextTheEditorOpenedWith)
{
    Type("zz");
    ASSERT_EQ(Grid->Cells(2, 2), "zz");
    Press(VK_ESCAPE);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Grid->Cells(2, 2), "old");
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(FrameworkGridEditing, NavigationKeysLeaveTheEditorAndMoveTheCurrentCell)
{
    Press(VK_F2);
    Type("a");
    Press(VK_DOWN);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Current(), (TGridCoord{2, 3}));
    EXPECT_EQ(Grid->Cells(2, 2), "a");

    // Left moves the caret inside the text, and leaves only from its start.
    Type("bc");
    Press(VK_LEFT);
    EXPECT_TRUE(EditorShown());
    Press(VK_LEFT);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Grid->InplaceEditor()->SelStart(), 0);
    Press(VK_LEFT);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Current(), (TGridCoord{1, 3}));
    EXPECT_EQ(Grid->Cells(2, 3), "bc");
}

TEST_F(FrameworkGridEditing, ARefusedMoveKeepsTheEditorOpen)
{
    Grid->Refused = {{2, 3}};
    Type("q");
    Press(VK_DOWN);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Current(), (TGridCoord{2, 2}));
}

TEST_F(FrameworkGridEditing, AlwaysShowEditorReopensOnEveryCellItMovesTo)
{
    Grid->SetCells(3, 2, "next");
    Grid->SetOptions(Grid->Options() + TGridOptions{goAlwaysShowEditor});
    ASSERT_TRUE(EditorShown());
    Grid->ClearLog();
    Press(VK_RIGHT); // drops the selection, leaving the caret at the end
    Press(VK_RIGHT);
    EXPECT_EQ(Current(), (TGridCoord{3, 2}));
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "next");
    EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(3, 2));
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"SelectCell 3,2", "GetEditText 3,2"}));
    // Enter does not close an editor that is always shown.
    Press(VK_RETURN);
    EXPECT_TRUE(EditorShown());
}

TEST_F(FrameworkGridEditing, ClickingTheCurrentCellOpensTheEditorAndClickingElsewhereClosesIt)
{
    input::Click(*Grid, Centre(2, 2));
    ASSERT_TRUE(EditorShown());
    Type("k");
    input::Click(*Grid, Centre(3, 3));
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Grid->Cells(2, 2), "k");
    EXPECT_EQ(Current(), (TGridCoord{3, 3}));
}

TEST_F(FrameworkGridEditing, NoEditorWithoutEditingOrWithRowSelect)
{
    for (TGridOptions options : {Grid->Options() - TGridOptions{goEditing}, Grid->Options() + TGridOptions{goRowSelect}}) {
        Grid->SetOptions(options);
        Press(VK_F2);
        Type("x");
        EXPECT_FALSE(EditorShown());
        EXPECT_EQ(Grid->Cells(2, 2), "old");
    }
}

TEST_F(FrameworkGridEditing, WritingTheCurrentCellReloadsAShownEditor)
{
    Press(VK_F2);
    Grid->SetCells(2, 2, "from code");
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "from code");
}

TEST_F(FrameworkGridEditing, TheGridsLengthLimitHoldsForTypedText)
{
    Grid->EditLimit = 5;
    Press(VK_F2);
    Press(VK_END);
    Type("xyz");
    EXPECT_EQ(Grid->Cells(2, 2), "oldxy");
}
