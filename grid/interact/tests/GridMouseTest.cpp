// Mouse messages through the platform: selecting by press, move and
// release; sizing at a border's pixels; moving columns; header sorting;
// check boxes in merged cells; links; the wheel and zoom.
#include "grid/interact/tests/GridEditingFixture.h"

#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/model/SortSettings.h"
#include "platform/ui/Shell.h"

using namespace backend::input;

TEST_F(GridEditingTest, PressMoveReleaseSelectsCellsRangesAndRows)
{
    Click(*Grid, Centre(2, 2));
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 2, 2}));
    MouseDown(*Grid, Centre(1, 1));
    MouseMove(*Grid, Centre(3, 3), {ssLeft});
    MouseUp(*Grid, Centre(3, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 3}));
    SetOption(goRowSelect, true);
    Click(*Grid, Centre(2, 4));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 4, 3, 4}));
    // A refused move holds in a row-select grid too.
    Grid->OnRowChanging = [](TObject*, int, int, bool& allow) { allow = false; };
    Click(*Grid, Centre(2, 2));
    Press(VK_UP);
    EXPECT_EQ(Grid->Row(), 4);
    Grid->OnRowChanging = nullptr;
    SetOption(goRowSelect, false);
    Grid->MouseActions().SetSelectOnRightClick(true);
    MouseDown(*Grid, Centre(3, 2), 1);
    MouseUp(*Grid, Centre(3, 2), 1);
    EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), (TGridCoord{3, 2}));
}

TEST_F(GridEditingTest, SizingStartsWithinTheBordersPixelsOnly)
{
    SetOption(goColSizing, true);
    const int border = Grid->CellRect(1, 0).Right;
    const int width = Grid->ColWidths(1);
    const int y = Centre(1, 0).Y;
    MouseMove(*Grid, {border, y});
    EXPECT_EQ(Grid->Cursor(), crHSplit);
    EXPECT_TRUE(Grid->IsOverSizingBorder(border, y));
    EXPECT_FALSE(Grid->IsOverSizingBorder(border - 10, y));
    MouseMove(*Grid, {border - 10, y});
    EXPECT_EQ(Grid->Cursor(), crDefault);
    MouseDown(*Grid, {border, y});
    MouseMove(*Grid, {border + 30, y}, {ssLeft});
    MouseUp(*Grid, {border + 30, y});
    EXPECT_EQ(Grid->ColWidths(1), width + 30);
    // Dragged past the column's start it keeps enough to be grabbed again.
    const int border2 = Grid->CellRect(1, 0).Right;
    MouseDown(*Grid, {border2, y});
    MouseUp(*Grid, {Grid->CellRect(1, 0).Left - 20, y});
    EXPECT_GE(Grid->ColWidths(1), 4);
}

TEST_F(GridEditingTest, HeaderClicksSortBothWaysAndAMovedColumnKeepsItsSettings)
{
    Grid->SortSettings().SetShow(true);
    const char* names[] = {"", "pear", "apple", "fig", "kiwi"};
    for (int r = 1; r < 5; ++r) Grid->SetCells(1, r, names[r]);
    std::vector<int> sorted;
    Grid->OnClickSort = [&](TObject*, int col) { sorted.push_back(col); };
    Click(*Grid, Centre(1, 0));
    EXPECT_EQ(ShownColumn(), " apple fig kiwi pear");
    Click(*Grid, Centre(1, 0));
    EXPECT_EQ(ShownColumn(), " pear kiwi fig apple");
    EXPECT_EQ(sorted, (std::vector<int>{1, 1}));
    sorted.clear();
    EXPECT_EQ(Grid->SortSettings().Direction(), sdDescending);
    Grid->FocusCell(1, 1, true);
    Type("zebra");
    Click(*Grid, Centre(1, 0));
    EXPECT_EQ(ShownColumn(), " apple fig kiwi zebra") << "the open edit is committed before the sort";

    SetOption(goColMoving, true);
    Grid->SetColCount(5);
    Grid->SetCells(4, 1, "hidden");
    Grid->HideColumn(4);
    Grid->SetColWidths(1, 90);
    MouseDown(*Grid, Centre(1, 0));
    MouseMove(*Grid, Centre(3, 0), {ssLeft});
    MouseUp(*Grid, Centre(3, 0));
    EXPECT_EQ(Grid->ColWidths(3), 90) << "the size moves with the column";
    EXPECT_EQ(Grid->Cells(3, 1), "apple");
    EXPECT_EQ(Grid->SortSettings().Column(), 3) << "the sort column moves with it";
    EXPECT_TRUE(Grid->IsHiddenColumn(4));
    EXPECT_EQ(Grid->AllCells(4, 1), "hidden");
    EXPECT_EQ(sorted.size(), 1u) << "a drag is no sort click";
}

TEST_F(GridEditingTest, ClickOnACheckBoxInAMergedCellTogglesIt)
{
    Grid->MergeCells(1, 1, 2, 2);
    Grid->AddCheckBox(1, 1, false, false);
    int clicks = 0;
    Grid->OnCheckBoxClick = [&](TObject*, int col, int row, bool state) {
        EXPECT_EQ(col, 1);
        EXPECT_EQ(row, 1);
        EXPECT_TRUE(state);
        ++clicks;
    };
    Click(*Grid, Centre(2, 2));
    EXPECT_TRUE(Grid->IsChecked(1, 1));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(Grid->EditMode());
}

TEST_F(GridEditingTest, LinksOpenOnlyWebAndMailAddresses)
{
    std::vector<std::string> opened;
    ui::SetShellOpenHandler([&](const std::string& target) {
        opened.push_back(target);
        return true;
    });
    // Only a press on an anchor's own text opens it.
    Grid->SetCells(1, 1, "<a href=\"https://example.org/a\">see here</a>");
    Grid->SetCells(2, 1, "<A HREF='file:///bin/sh'>run</A>");
    Grid->SetCells(3, 1, "mailto:someone@example.org");
    Grid->SetCells(1, 2, "<a href=\"CELL://R99999C2\">far</a>");
    Grid->SetCells(2, 2, "<a href=\"cell://r4c3\">near</a>");
    SetOption(goEditing, false);
    auto onText = [&](int c, int r) { return TPoint{Grid->CellRect(c, r).Left + 6, Centre(c, r).Y}; };
    Click(*Grid, {Grid->CellRect(1, 1).Right - 3, Centre(1, 1).Y});
    EXPECT_TRUE(opened.empty()) << "beside the anchor";
    for (TPoint p : {onText(1, 1), onText(2, 1), onText(3, 1), onText(1, 2)}) Click(*Grid, p);
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/a", "mailto:someone@example.org"}));
    EXPECT_EQ(Grid->Row(), 2) << "an address outside the grid is ignored";
    Click(*Grid, onText(2, 2));
    EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), (TGridCoord{3, 4}));
    // A plain address is a link only while addresses are shown as links.
    Grid->SetURLShow(false);
    opened.clear();
    Click(*Grid, onText(3, 1));
    Click(*Grid, onText(1, 1));
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/a"}));
    ui::SetShellOpenHandler(nullptr);
}

TEST_F(GridEditingTest, WheelAtTheEndStays)
{
    Grid->SetRowCount(50);
    Grid->FocusCell(1, 49, true);
    Wheel(*Grid, -120, Centre(1, Grid->TopRow()));
    EXPECT_EQ(Grid->Row(), 49);
    Wheel(*Grid, 120, Centre(1, Grid->TopRow()));
    EXPECT_EQ(Grid->Row(), 46);
}

TEST_F(GridEditingTest, DoubleClickOpensTheEditor)
{
    Grid->SetCells(2, 2, "text");
    DoubleClick(*Grid, Centre(2, 2));
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "text");
}

TEST_F(GridEditingTest, HotFixedCellFollowsThePointerAndClearsOnLeave)
{
    const TPoint none{-1, -1};
    MouseMove(*Grid, Centre(1, 0));
    EXPECT_EQ(Grid->HotFixedCell(), none) << "no fixed cells light up unless asked";
    Grid->SetHoverFixedCells(hfAll);
    MouseMove(*Grid, Centre(1, 0));
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{1, 0}));
    EXPECT_FALSE(Grid->HotFixedCellPressed());
    MouseMove(*Grid, Centre(0, 3));
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{0, 3}));
    MouseMove(*Grid, Centre(2, 2));
    EXPECT_EQ(Grid->HotFixedCell(), none) << "a data cell is never hot";
    MouseDown(*Grid, Centre(2, 0));
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{2, 0}));
    EXPECT_TRUE(Grid->HotFixedCellPressed());
    MouseMove(*Grid, Centre(3, 0), {ssLeft});
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{3, 0}));
    EXPECT_FALSE(Grid->HotFixedCellPressed()) << "only the pressed cell shows pressed";
    MouseMove(*Grid, Centre(2, 0), {ssLeft});
    EXPECT_TRUE(Grid->HotFixedCellPressed());
    MouseUp(*Grid, Centre(2, 0));
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{2, 0}));
    EXPECT_FALSE(Grid->HotFixedCellPressed());
    MouseMove(*Other, {5, 5});
    EXPECT_EQ(Grid->HotFixedCell(), none);
}
