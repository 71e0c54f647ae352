// Editing cells through the keyboard: opening by typing and F2, committing
// by Enter, Tab and focus loss, cancelling by Esc, validation.
#include "grid/interact/tests/GridEditingFixture.h"

#include <vector>

TEST_F(GridEditingTest, TypingOpensTheEditorAndEnterCommits)
{
    Grid->SetCells(1, 1, "old");
    Type("ab");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "ab");
    EXPECT_EQ(Grid->Cells(1, 1), "old") << "nothing is stored while typing";
    Press(VK_RETURN);
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(1, 1), "ab");
}

TEST_F(GridEditingTest, EscapeRestoresTheCellAndF2ReopensOnIt)
{
    Grid->SetCells(1, 1, "keep");
    Type("xyz");
    Press(VK_ESCAPE);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Grid->Cells(1, 1), "keep");
    Press(VK_F2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "keep");
}

TEST_F(GridEditingTest, AnEditorClosedUnchangedKeepsTheStoredMarkup)
{
    Grid->SetCells(1, 1, "<b>bold</b> text");
    Press(VK_F2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "bold text") << "markup is edited as its plain text";
    Press(VK_RETURN);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(Grid->Cells(1, 1), "<b>bold</b> text");
    Press(VK_F2);
    Press(VK_END);
    Type("!");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "bold text!") << "an edited text replaces the cell";
}

TEST_F(GridEditingTest, FocusLeavingTheGridCommits)
{
    Type("gone");
    Other->SetFocus();
    backend::input::Pump();
    EXPECT_FALSE(EditorShown());
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(Grid->Cells(1, 1), "gone");
}

TEST_F(GridEditingTest, RefusedValueIsNeverStoredAndStaysInTheEditor)
{
    Grid->SetCells(1, 1, "10");
    std::vector<std::string> seen;
    Grid->OnCellValidate = [&](TObject*, int, int, std::string& value, bool& valid) {
        seen.push_back(value);
        valid = value != "bad";
    };
    Type("bad");
    Press(VK_RETURN);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "bad") << "what was typed is not lost";
    EXPECT_EQ(Grid->Cells(1, 1), "10");
    Press(VK_DOWN);
    EXPECT_EQ(Grid->Row(), 1) << "a refused value keeps the cell";
    Other->SetFocus();
    backend::input::Pump();
    EXPECT_EQ(Grid->Cells(1, 1), "10") << "a final focus loss drops the refused value";
    Grid->SetFocus();
    Type("ok");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "ok");
    EXPECT_EQ(seen, (std::vector<std::string>{"bad", "bad", "bad", "ok"}));
}
