// Keyboard and mouse navigation: the current cell, the selection, the view,
// and the order of the hooks.
#include "GridFixture.h"

using namespace backend;

TEST_F(FrameworkGrid, KeysMoveTheCurrentCellAndTheSelection)
{
    const TGridOptions range = TGridOptions{goRangeSelect};
    struct Case {
        const char* name;
        TGridOptions extra;
        TGridCoord start;
        unsigned short key;
        TShiftState shift;
        TGridCoord current;
        TGridRect selection;
        int topRow;
    } cases[] = {
        {"down", {}, {2, 2}, VK_DOWN, {}, {2, 3}, {2, 3, 2, 3}, 1},
        {"up stops at the first scrolling row", {}, {2, 1}, VK_UP, {}, {2, 1}, {2, 1, 2, 1}, 1},
        {"left stops at the first scrolling column", {}, {1, 3}, VK_LEFT, {}, {1, 3}, {1, 3, 1, 3}, 1},
        {"right", {}, {3, 3}, VK_RIGHT, {}, {4, 3}, {4, 3, 4, 3}, 1},
        {"down past the view scrolls by one", {}, {2, 4}, VK_DOWN, {}, {2, 5}, {2, 5, 2, 5}, 2},
        {"page down moves a page and the view with it", {}, {2, 2}, VK_NEXT, {}, {2, 6}, {2, 6, 2, 6}, 5},
        {"page up at the top goes to the first row", {}, {2, 3}, VK_PRIOR, {}, {2, 1}, {2, 1, 2, 1}, 1},
        {"home", {}, {7, 3}, VK_HOME, {}, {1, 3}, {1, 3, 1, 3}, 1},
        {"end", {}, {2, 3}, VK_END, {}, {19, 3}, {19, 3, 19, 3}, 1},
        {"ctrl+end", {}, {2, 3}, VK_END, {ssCtrl}, {19, 99}, {19, 99, 19, 99}, 96},
        {"ctrl+home", {}, {9, 50}, VK_HOME, {ssCtrl}, {1, 1}, {1, 1, 1, 1}, 1},
        {"shift+down extends from the anchor", range, {2, 2}, VK_DOWN, {ssShift}, {2, 3}, {2, 2, 2, 3}, 1},
        {"shift+left extends", range, {3, 2}, VK_LEFT, {ssShift}, {2, 2}, {2, 2, 3, 2}, 1},
        {"shift without range select just moves", {}, {2, 2}, VK_DOWN, {ssShift}, {2, 3}, {2, 3, 2, 3}, 1},
        {"tab without goTabs does nothing", {}, {2, 2}, VK_TAB, {}, {2, 2}, {2, 2, 2, 2}, 1},
        {"tab", TGridOptions{goTabs}, {2, 2}, VK_TAB, {}, {3, 2}, {3, 2, 3, 2}, 1},
        {"tab at the row end wraps", TGridOptions{goTabs}, {19, 2}, VK_TAB, {}, {1, 3}, {1, 3, 1, 3}, 1},
        {"shift+tab at the row start wraps back", TGridOptions{goTabs} + range, {1, 3}, VK_TAB, {ssShift}, {19, 2}, {19, 2, 19, 2}, 1},
        {"tab on the last cell stays", TGridOptions{goTabs}, {19, 99}, VK_TAB, {}, {19, 99}, {19, 99, 19, 99}, 96},
        {"row select: down selects the whole row", TGridOptions{goRowSelect}, {2, 2}, VK_DOWN, {}, {2, 3}, {1, 3, 19, 3}, 1},
        {"row select: end goes to the last row", TGridOptions{goRowSelect}, {2, 2}, VK_END, {}, {2, 99}, {1, 99, 19, 99}, 96},
    };
    const TGridOptions base = Grid->Options() - range;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetOptions(base + c.extra);
        Grid->SetTopRow(1);
        Grid->SetLeftCol(1);
        Grid->FocusCell(c.start.X, c.start.Y, true);
        Press(c.key, c.shift);
        EXPECT_EQ(Current(), c.current);
        EXPECT_EQ(Grid->Selection(), c.selection);
        EXPECT_EQ(Grid->TopRow(), c.topRow);
    }
}

TEST_F(FrameworkGrid, ARefusedCellStopsTheMoveAndTheScroll)
{
    // Page Down aims at the last row; when that row is refused, nothing moves.
    Grid->FocusCell(1, 98, true);
    ASSERT_EQ(Grid->TopRow(), 95) << "scrolled just enough to show the row";
    Grid->Refused = {{1, 99}};
    Grid->ClearLog();
    Press(VK_NEXT);
    EXPECT_EQ(Current(), (TGridCoord{1, 98}));
    EXPECT_EQ(Grid->Log, std::vector<std::string>{"SelectCell 1,99"});

    // Setting Row asks too.
    Grid->SetRow(99);
    EXPECT_EQ(Grid->Row(), 98);
}

TEST_F(FrameworkGrid, MovingPastTheViewAsksTheCellFirstThenReportsTheScroll)
{
    Grid->FocusCell(4, 4, true);
    Grid->ClearLog();
    Press(VK_RIGHT);
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"SelectCell 5,4", "TopLeftChanged 2,1"}));
    EXPECT_EQ(Grid->LeftCol(), 2);
}

TEST_F(FrameworkGrid, MouseSelectsExtendsAndDragsASelection)
{
    input::Click(*Grid, Centre(2, 2));
    EXPECT_EQ(Current(), (TGridCoord{2, 2}));
    input::Click(*Grid, Centre(4, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect{4, 3, 4, 3}));

    // Shift+click extends from the anchor.
    input::MouseDown(*Grid, Centre(2, 1), 0, {ssShift});
    input::MouseUp(*Grid, Centre(2, 1), 0, {ssShift});
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 1, 4, 3}));
    EXPECT_EQ(Current(), (TGridCoord{2, 1}));

    // A drag selects the block it covers; past the bottom edge it scrolls.
    input::MouseDown(*Grid, Centre(1, 1));
    EXPECT_EQ(Grid->GridState(), gsSelecting);
    input::MouseMove(*Grid, Centre(3, 2), {ssLeft});
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 2}));
    input::MouseMove(*Grid, {Centre(3, 4).X, 130}, {ssLeft});
    EXPECT_EQ(Current(), (TGridCoord{3, 5}));
    EXPECT_EQ(Grid->TopRow(), 2);
    input::MouseUp(*Grid, {Centre(3, 4).X, 130});
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 5}));

    // Clicks in fixed cells or outside the cells select nothing.
    input::Click(*Grid, Centre(0, 2));
    input::Click(*Grid, {300, 50});
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 5}));
}

TEST_F(FrameworkGrid, ClicksAreReportedWhenTheCurrentCellMoves)
{
    std::vector<int> rows;
    Grid->OnClick = [&](TObject*) { rows.push_back(Grid->Row()); };
    input::Click(*Grid, Centre(2, 3));
    Press(VK_DOWN);
    Grid->Refused = {{2, 5}};
    Press(VK_DOWN);
    input::Click(*Grid, Centre(0, 0));
    EXPECT_EQ(rows, (std::vector<int>{3, 4})) << "one click each; none for a refused move or a fixed cell";
}

// A click handler that runs the message loop may handle the button's release
// itself; the grid then holds no capture that would keep the mouse from other windows.
TEST_F(FrameworkGrid, AReleaseHandledInsideTheClickHandlerLeavesNoCapture)
{
    Grid->OnClick = [&](TObject*) { input::MouseUp(*Grid, Centre(2, 3)); };
    input::MouseDown(*Grid, Centre(2, 3));
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(ui::CaptureControl(), nullptr);
    input::MouseMove(*Grid, Centre(2, 5), {});
    EXPECT_EQ(Grid->Row(), 3) << "moving without a button selects nothing";
}

TEST_F(FrameworkGrid, TheWheelMovesTheCurrentRowByOne)
{
    Grid->FocusCell(2, 4, true);
    input::Wheel(*Grid, -WHEEL_DELTA, Centre(2, 2));
    EXPECT_EQ(Current(), (TGridCoord{2, 5}));
    EXPECT_EQ(Grid->TopRow(), 2);
    input::Wheel(*Grid, WHEEL_DELTA, Centre(2, 2));
    EXPECT_EQ(Current(), (TGridCoord{2, 4}));
    Grid->FocusCell(2, 1, true);
    input::Wheel(*Grid, WHEEL_DELTA, Centre(2, 2));
    EXPECT_EQ(Current(), (TGridCoord{2, 1}));
}
