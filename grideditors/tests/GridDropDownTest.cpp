// The grid drop-down: its list filled from the items at every opening, the
// edit following the list, choosing by keys and mouse, cancelling, typing
// that completes, finds and narrows, grid mode, sorting, and events.
#include "grideditors/tests/GridDropDownFixture.h"

#include "grid/model/SortSettings.h"

namespace grideditors::testing {

TEST_F(GridDropDownTest, OpeningFillsTheGridFromTheItemsWithTheChosenRowCurrent)
{
    DropDown->SetItemIndex(1);
    EXPECT_EQ(DropDown->Text(), "London");
    Press(VK_F4);
    ASSERT_TRUE(Open());
    ASSERT_EQ(Grid().RowCount(), 4);
    EXPECT_EQ(Grid().Cells(0, 0), "City");
    EXPECT_EQ(Grid().Cells(1, 3), "Norway");
    EXPECT_EQ(Grid().Row(), 2);
    EXPECT_EQ(Grid().ItemOfRow(3), 2);
    // A second opening rebuilds the rows from the items.
    Grid().SetCells(0, 1, "changed");
    Press(VK_ESCAPE);
    DropDown->Items().Items(0)->Text().SetStrings(0, "Lima");
    Press(VK_F4);
    EXPECT_EQ(Grid().Cells(0, 1), "Lima");
}

TEST_F(GridDropDownTest, KeysMoveTheListTheEditFollowsEnterChoosesEscReturns)
{
    DropDown->SetItemIndex(0);
    Press(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Open());
    Press(VK_DOWN);
    EXPECT_TRUE(Open());
    EXPECT_EQ(DropDown->Text(), "London");
    Press(VK_RETURN);
    EXPECT_FALSE(Open());
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    EXPECT_EQ(DropDown->Text(), "London");

    Press(VK_F4);
    Press(VK_DOWN);
    EXPECT_EQ(DropDown->Text(), "Oslo");
    Press(VK_ESCAPE);
    EXPECT_FALSE(Open());
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    EXPECT_EQ(DropDown->Text(), "London");
}

TEST_F(GridDropDownTest, AClickOnARowChoosesClosesAndFiresOnSelect)
{
    int selected = 0;
    DropDown->OnSelect = [&](TObject*) { ++selected; };
    Press(VK_F4);
    ASSERT_TRUE(Open());
    backend::input::Click(Grid(), RowCentre(3));
    backend::input::Pump();
    EXPECT_FALSE(Open());
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    EXPECT_EQ(DropDown->Text(), "Oslo");
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(DropDown->Focused());
}

TEST_F(GridDropDownTest, ClosedStepsAndTypingCompletesFromTheLookupColumn)
{
    Press(VK_DOWN);
    EXPECT_EQ(DropDown->Text(), "Lisbon");
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(DropDown->Text(), "Oslo");
    Press(VK_UP);
    EXPECT_EQ(DropDown->ItemIndex(), 1);

    DropDown->SetText("");
    Type("lo");
    // Once the key is released the text takes the entry's own spelling,
    // the completed part selected.
    EXPECT_EQ(DropDown->Text(), "London");
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    EXPECT_EQ(DropDown->SelStart(), 2);
    EXPECT_EQ(DropDown->SelLength(), 4);
    // Nothing continues "loz": the text is cut at the caret.
    Type("z");
    EXPECT_EQ(DropDown->Text(), "Loz");
}

TEST_F(GridDropDownTest, TypingIntoTheOpenListFindsAndAListStyleRestartsOnAMiss)
{
    Press(VK_F4);
    Type("os");
    EXPECT_EQ(Grid().Row(), 3);
    EXPECT_EQ(DropDown->Text(), "Oslo");
    Press(VK_ESCAPE);

    DropDown->SetStyle(dsDropDownList);
    Press(VK_F4);
    Type("lx");
    // "lx" finds nothing; "x" alone neither: the search string is cleared.
    Type("l");
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(DropDown->Text(), "Lisbon");
}

TEST_F(GridDropDownTest, NarrowingDownFiltersTheRowsAndShowsTheFirstLeft)
{
    DropDown->SetLookupMethod(lmNarrowDown);
    Press(VK_F4);
    Type("li");
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().Cells(0, 1), "Lisbon");
    EXPECT_EQ(Grid().Row(), 1);
    Press(VK_RETURN);
    EXPECT_EQ(DropDown->Text(), "Lisbon");
}

TEST_F(GridDropDownTest, GridModeListsTheRowsTheApplicationFilled)
{
    DropDown->SetUseItems(false);
    TQuillColGrid& grid = Grid();
    grid.SetColCount(2);
    grid.SetRowCount(3);
    grid.SetCells(0, 0, "Code");
    grid.SetCells(0, 1, "AB");
    grid.SetCells(0, 2, "CD");
    DropDown->SetItemIndex(1);
    EXPECT_EQ(DropDown->Text(), "CD");
    DropDown->SetItemIndex(5);
    EXPECT_EQ(DropDown->ItemIndex(), 1);

    DropDown->SetItemIndex(-1);
    EXPECT_EQ(DropDown->Text(), "");
    Press(VK_F4);
    ASSERT_TRUE(Open());
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(DropDown->Columns().Count(), 2);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    EXPECT_EQ(DropDown->Text(), "CD");
}

TEST_F(GridDropDownTest, AHeaderSortKeepsTheChosenItemCurrent)
{
    DropDown->SetSorting(gsSingleColumn);
    DropDown->SetItemIndex(0);
    int sorts = 0;
    DropDown->OnGridClickSort = [&](TObject*, int) { ++sorts; };
    Press(VK_F4);
    ASSERT_TRUE(Grid().SortSettings().Show());
    const TRect header = Grid().CellRect(1, 0);
    backend::input::Click(Grid(), {(header.Left + header.Right) / 2, (header.Top + header.Bottom) / 2});
    backend::input::Pump();
    EXPECT_EQ(sorts, 1);
    // Sorted by country: England, Norway, Portugal; Lisbon moved to row 3.
    EXPECT_EQ(Grid().Cells(0, 3), "Lisbon");
    EXPECT_EQ(Grid().Row(), 3);
    EXPECT_EQ(DropDown->ItemIndex(), 0);
}

TEST_F(GridDropDownTest, ForwardedEventsKeepTheirArgumentsAndTheColumnsSettings)
{
    TObject* topLeftSender = nullptr;
    DropDown->OnGridTopLeftChanged = [&](TObject* Sender) { topLeftSender = Sender; };
    DropDown->Columns().Items(1)->SetAlignment(taRightJustify);
    TAlignment seen = taLeftJustify;
    DropDown->OnGridGetAlignment = [&](TObject*, int, int ACol, TAlignment& H, TVAlignment&) {
        if (ACol == 1) seen = H;
    };
    for (int i = 0; i < 20; ++i) AddItem({"Town" + std::to_string(i), "Land"});
    DropDown->EndUpdate();
    Press(VK_F4);
    Grid().Repaint();
    EXPECT_EQ(seen, taRightJustify);
    Press(VK_END);
    EXPECT_EQ(topLeftSender, DropDown);
}

TEST_F(GridDropDownTest, StylesSetTheHeaderAndLineColours)
{
    DropDown->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(DropDown->HeaderColor(), static_cast<TColor>(0xD68759));
    EXPECT_EQ(DropDown->LineColor(), static_cast<TColor>(0x962D00));
    const TColor header = DropDown->HeaderColor();
    DropDown->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(DropDown->HeaderColor(), header);
    EXPECT_EQ(DropDown->GetVersionNr(), 0x06000000u);
}

} // namespace grideditors::testing
