// Editor kinds: the normal editor's character rules, kinds that open no
// editor, the special editors opened over a cell, and the focus glow.
#include "grid/interact/tests/GridEditingFixture.h"

#include <utility>
#include <vector>

#include "grid/base/GridSettings.h"
#include "grid/base/SarnSpinEdit.h"
#include "grid/interact/EditCharFilter.h"
#include "platform/ui/Buttons.h"

namespace {

struct CharCase {
    TEditorType Kind;
    const char32_t* Text;
    int SelStart, SelLength;
    char32_t Typed;
    bool Accepted;
    char32_t Becomes;
};

} // namespace

TEST(EditCharFilter, AcceptsWhatEachKindTakes)
{
    const CharCase cases[] = {
        {edNumeric, U"12", 0, 0, U'-', true, U'-'},
        {edNumeric, U"-12", 0, 0, U'-', false, 0},
        {edNumeric, U"12", 1, 0, U'-', false, 0},
        {edNumeric, U"12", 2, 0, U'a', false, 0},
        {edNumeric, U"12", 2, 0, U'\b', true, U'\b'},
        {edPositiveNumeric, U"12", 0, 0, U'-', false, 0},
        {edFloat, U"1.5", 3, 0, U'.', false, 0},
        {edFloat, U"1.5", 1, 1, U'.', true, U'.'},
        {edFloat, U"1", 1, 0, U',', false, 0},
        {edFloat, U"1", 1, 0, U'x', false, 0},
        {edPositiveFloat, U"", 0, 0, U'-', false, 0},
        {edUpperCase, U"", 0, 0, U'q', true, U'Q'},
        {edLowerCase, U"", 0, 0, U'Q', true, U'q'},
        {edValidChars, U"", 0, 0, U'B', true, U'B'},
        {edValidChars, U"", 0, 0, U'D', false, 0},
        {edValidChars, U"", 0, 0, U'\r', true, U'\r'},
        {edNormal, U"", 0, 0, U'\u00e9', true, U'\u00e9'},
    };
    for (const CharCase& c : cases) {
        grid::TEditCharContext context;
        context.Kind = c.Kind;
        context.Text = c.Text;
        context.SelStart = c.SelStart;
        context.SelLength = c.SelLength;
        context.ValidChars = U"ABC";
        char32_t ch = c.Typed;
        EXPECT_EQ(grid::FilterEditChar(context, ch), c.Accepted) << "kind " << c.Kind << " char " << int(c.Typed);
        if (c.Accepted) {
            EXPECT_EQ(ch, c.Becomes);
        }
    }
}

TEST_F(GridEditingTest, KindRulesApplyToTypedText)
{
    TEditorType kind = edNumeric;
    Grid->OnGetEditorType = [&](TObject*, int, int, TEditorType& k) { k = kind; };
    Type("-1a-2");
    EXPECT_EQ(EditorText(), "-12");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "-12");
    kind = edUpperCase;
    Grid->SetMaxEditLength(3);
    Grid->FocusCell(2, 1, true);
    Type("abcd");
    EXPECT_EQ(EditorText(), "ABC");
}

TEST_F(GridEditingTest, KindsThatOpenNoEditor)
{
    Grid->OnGetEditorType = [](TObject*, int col, int, TEditorType& k) { k = col == 1 ? edNone : edMemoDropDown; };
    Type("a");
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(Grid->EditMode());
    Grid->FocusCell(2, 1, true);
    Press(VK_F2);
    EXPECT_FALSE(Grid->EditMode()) << "drop-down kinds open nothing yet";
    Grid->OnGetEditorType = nullptr;
    Grid->AddCheckBox(3, 1, false, false);
    Grid->FocusCell(3, 1, true);
    Press(VK_F2);
    EXPECT_FALSE(Grid->EditMode()) << "a check box is worked by keys and clicks";
    Press(VK_SPACE);
    EXPECT_TRUE(Grid->IsChecked(3, 1));
}

TEST_F(GridEditingTest, SpinEditorLoadsTheNumberAndGetsTheTypedCharacter)
{
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edSpinEdit; };
    Grid->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
        dynamic_cast<TSarnSpinEdit&>(*Grid->EditCtrl()).SetMinValue(-100);
    };
    Grid->SetCells(1, 1, "-12x");
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->EditCtrl()->Text(), "-12") << "the sign stays";
    Press(VK_ESCAPE);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Cells(1, 1), "-12x");
    Type("7");
    backend::input::Pump();
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    EXPECT_NE(Grid->EditCtrl()->Text().find('7'), std::string::npos);
    Grid->EditCtrl()->SetText("42");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Cells(1, 1), "42");
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridEditingTest, ComboEditorShowsTheCellsItemAndRefusalKeepsItOpen)
{
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edComboList; };
    Grid->AddComboString("red");
    Grid->AddComboString("green");
    Grid->AddComboString("blue");
    Grid->SetCells(1, 1, "green");
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->EditCtrl()->Text(), "green");
    Grid->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "blue"; };
    Press(VK_DOWN);
    EXPECT_EQ(Grid->EditCtrl()->Text(), "blue");
    Press(VK_RETURN);
    ASSERT_NE(Grid->EditCtrl(), nullptr) << "refused: the editor stays open";
    EXPECT_EQ(Grid->EditCtrl()->Text(), "blue");
    EXPECT_EQ(Grid->Cells(1, 1), "green");
    Press(VK_UP);
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "green");
    EXPECT_FALSE(Grid->EditMode());
    Other->SetFocus();
}

TEST_F(GridEditingTest, SpecialEditorCommitsWhenTheFocusLeaves)
{
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edEditBtn; };
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    Type("typed");
    Other->SetFocus();
    backend::input::Pump();
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Cells(1, 1), "typed");
}

TEST_F(GridEditingTest, DateEditorOpensOnTheCellsDateAndEscapeKeepsTheCell)
{
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edDateEdit; };
    Grid->SetCells(1, 1, "not a date");
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr) << "an unreadable date opens on today";
    Press(VK_UP);
    Press(VK_ESCAPE);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Cells(1, 1), "not a date") << "Esc stores nothing";
}

TEST_F(GridEditingTest, TabLeavesASpecialEditorWithItsValueStored)
{
    SetOption(goTabs, true);
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edUnitEditBtn; };
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    Type("12");
    Press(VK_TAB);
    EXPECT_EQ(Grid->Cells(1, 1), "12");
    EXPECT_EQ(Grid->Col(), 2);
    ASSERT_NE(Grid->EditCtrl(), nullptr) << "the next cell's editor opens";
    EXPECT_EQ(Grid->EditCtrl()->Left(), Grid->CellRect(2, 1).Left);
    Press(VK_ESCAPE);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
}

TEST_F(GridEditingTest, FocusGlowSurroundsAnOpenEditorAndFollowsItsCell)
{
    Press(VK_F2);
    EXPECT_FALSE(Grid->FocusWindowShown()) << "no glow unless asked";
    Press(VK_ESCAPE);
    Grid->FocusHelper().SetEnabled(true);
    Press(VK_F2);
    ASSERT_TRUE(Grid->FocusWindowShown());
    EXPECT_EQ(Grid->FocusWindowRect(), Grid->CellRect(1, 1));
    Grid->SetColWidths(0, Grid->ColWidths(0) + 20);
    EXPECT_EQ(Grid->FocusWindowRect(), Grid->CellRect(1, 1));
    Press(VK_ESCAPE);
    EXPECT_FALSE(Grid->FocusWindowShown());
    Press(VK_F2);
    Type("x");
    Press(VK_RETURN);
    EXPECT_FALSE(Grid->FocusWindowShown());
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edSpinEdit; };
    Grid->FocusCell(2, 2, true);
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    EXPECT_TRUE(Grid->FocusWindowShown());
    EXPECT_EQ(Grid->FocusWindowRect(), Grid->CellRect(2, 2));
    Press(VK_RETURN);
    EXPECT_FALSE(Grid->FocusWindowShown());
}

TEST_F(GridEditingTest, CheckBoxEditorStoresTheStateItWasLeftIn)
{
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edCheckBox; };
    Grid->SetCells(1, 1, "Y");
    Press(VK_F2);
    auto* box = dynamic_cast<TCheckBox*>(Grid->EditCtrl());
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Checked()) << "opens on the cell's state";
    Press(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    Press(VK_RETURN);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Cells(1, 1), "N");
    // A click toggles; Down leaves the cell and moves the grid.
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    backend::input::Click(*Grid->EditCtrl(), {4, 4});
    Press(VK_DOWN);
    EXPECT_EQ(Grid->Cells(1, 1), "Y");
    EXPECT_EQ(Grid->Row(), 2);
    // Esc keeps the cell as it was.
    Grid->FocusCell(1, 1, true);
    Press(VK_F2);
    Press(VK_SPACE);
    Press(VK_ESCAPE);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Cells(1, 1), "Y");
}

TEST_F(GridEditingTest, ButtonEditorClickGoesThroughTheEventIntoTheCell)
{
    Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& k) { k = edButton; };
    std::vector<std::pair<int, int>> clicks;
    Grid->OnEllipsClick = [&clicks](TObject*, int c, int r, std::string& s) {
        clicks.emplace_back(c, r);
        s += "+";
    };
    Grid->SetCells(1, 1, "go");
    Press(VK_F2);
    ASSERT_NE(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->EditCtrl()->Caption(), "go");
    backend::input::Click(*Grid->EditCtrl(), {4, 4});
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(Grid->Cells(1, 1), "go+");
    EXPECT_EQ(Grid->EditCtrl()->Caption(), "go+");
    Press(VK_SPACE);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(Grid->Cells(1, 1), "go++");
    Press(VK_RIGHT);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Grid->Cells(1, 1), "go++");
    // Esc takes back what the clicks wrote.
    Grid->SetCells(2, 1, "stop");
    Press(VK_F2);
    Press(VK_SPACE);
    EXPECT_EQ(Grid->Cells(2, 1), "stop+");
    Press(VK_ESCAPE);
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    EXPECT_EQ(Grid->Cells(2, 1), "stop");
}
