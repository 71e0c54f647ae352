// The wheel: zoom steps, scrolling without moving the current cell, and
// panning with the wheel button on the timer.
#include "grid/interact/tests/GridEditingFixture.h"

#include "grid/base/MouseActions.h"
#include "platform/ui/Application.h"

#include <vector>

using namespace backend::input;

namespace {

constexpr unsigned MiddleButton = 2;

// Records what each notch moved and may leave the notch unhandled.
class TWheelGrid final : public TQuillStringGrid {
public:
    using TQuillStringGrid::TQuillStringGrid;
    std::vector<int> Deltas;
    bool LeaveUnhandled = false;

protected:
    void MouseWheelScrolled(int Delta, bool& Handled) override
    {
        Deltas.push_back(Delta);
        if (LeaveUnhandled) Handled = false;
    }
};

} // namespace

TEST_F(GridEditingTest, TheParentMayTakeTheWheelFirst)
{
    Grid->SetRowCount(40);
    int asked = 0;
    bool take = true;
    Form->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& Handled) {
        ++asked;
        Handled = take;
    };
    Wheel(*Grid, -120, Centre(1, 1));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Grid->Row(), 1) << "the form took the wheel";

    take = false;
    Wheel(*Grid, -120, Centre(1, 1));
    EXPECT_EQ(asked, 2) << "asked once, not again after the grid moved";
    EXPECT_EQ(Grid->Row(), 4);

    // Ctrl+wheel zoom is the parent's to take too.
    take = true;
    KeyDown(*Form, VK_CONTROL);
    Wheel(*Grid, -120, Centre(1, 1));
    KeyUp(*Form, VK_CONTROL);
    EXPECT_EQ(Grid->ZoomFactor(), 0);
}

TEST_F(GridEditingTest, WheelOverAGridAtItsEndMovesNothing)
{
    auto* grid = new TWheelGrid(Form);
    grid->SetParent(Form);
    grid->SetBounds(0, 0, 300, 120);
    grid->SetColCount(3);
    grid->SetRowCount(30);
    grid->SetFocus();
    int reports = 0;
    grid->OnSelectionChanged = [&](TObject*, int, int, int, int) { ++reports; };
    struct Case {
        const char* name;
        TWheelAction action;
        int delta;     // of the notch
        bool atEnd;    // the last row current and in view, else the first
        int expectedRow, expectedTopRowChange;
        int expectedDelta;
    };
    const Case cases[] = {
        {"moving past the last row", waMoveSelection, -120, true, 29, 0, 0},
        {"scrolling past the end", waScroll, -120, true, 29, 0, 0},
        {"moving above the first row", waMoveSelection, 120, false, 1, 0, 0},
        {"moving back from the end", waMoveSelection, 120, true, 26, 0, -3},
    };
    for (const Case& c : cases) {
        grid->MouseActions().SetWheelAction(c.action);
        grid->FocusCell(1, c.atEnd ? 29 : 1, true);
        grid->Deltas.clear();
        reports = 0;
        const int top = grid->TopRow();
        Wheel(*grid, c.delta);
        EXPECT_EQ(grid->Row(), c.expectedRow) << c.name;
        EXPECT_EQ(grid->TopRow() - top, c.expectedTopRowChange) << c.name;
        EXPECT_EQ(grid->Deltas, std::vector<int>{c.expectedDelta}) << c.name;
        EXPECT_EQ(reports, c.expectedDelta != 0 ? 1 : 0) << c.name << ": a moved selection is reported once";
    }
    // Left unhandled, a notch adds the platform's single row.
    grid->MouseActions().SetWheelAction(waMoveSelection);
    grid->LeaveUnhandled = true;
    grid->FocusCell(1, 1, true);
    Wheel(*grid, -120);
    EXPECT_EQ(grid->Row(), 5);
}

TEST_F(GridEditingTest, ZoomStepsStayWithinTenAndNeverCloseAColumn)
{
    struct Case {
        const char* name;
        int before;    // zoom steps already taken
        int step;
        int width;     // of column 1
        int expectedWidth;
        int expectedFactor;
    };
    const Case cases[] = {
        {"within the range", 7, 3, 40, 43, 10},
        {"past the range", 9, 3, 40, 40, 9},
        {"past the range below", -9, -2, 40, 40, -9},
        {"a size that would reach 0", 0, -2, 2, 2, -2},
    };
    for (const Case& c : cases) {
        Grid->Zoom(-Grid->ZoomFactor());
        Grid->Zoom(c.before);
        Grid->SetColWidths(1, c.width);
        Grid->Zoom(c.step);
        EXPECT_EQ(Grid->ColWidths(1), c.expectedWidth) << c.name;
        EXPECT_EQ(Grid->ZoomFactor(), c.expectedFactor) << c.name;
    }
}

TEST_F(GridEditingTest, CtrlWheelZoomsTheFontsAndSizesTheCellsToThem)
{
    Grid->SetCells(1, 1, "a longer text than fits");
    const TSize plain = Grid->GetCellTextSize(1, 1, false, false);
    KeyDown(*Form, VK_CONTROL);
    Wheel(*Grid, -120, Centre(1, 1));
    KeyUp(*Form, VK_CONTROL);
    EXPECT_EQ(Grid->ZoomFactor(), 3) << "towards the user zooms in";
    const TSize zoomed = Grid->GetCellTextSize(1, 1, false, false);
    EXPECT_GT(zoomed.cx, plain.cx);
    EXPECT_GT(zoomed.cy, plain.cy);
    EXPECT_GE(Grid->ColWidths(1), zoomed.cx + 4) << "the cells fit the zoomed text";

    Grid->SetIntelliZoom(false);
    KeyDown(*Form, VK_CONTROL);
    Wheel(*Grid, 120, Centre(1, 1));
    KeyUp(*Form, VK_CONTROL);
    EXPECT_EQ(Grid->ZoomFactor(), 3) << "no zoom without IntelliZoom";
}

TEST_F(GridEditingTest, WheelScrollsWithoutMovingTheCellOrNotAtAll)
{
    Grid->SetRowCount(40);
    Grid->MouseActions().SetWheelAction(waScroll);
    Wheel(*Grid, -120, Centre(2, 2));
    EXPECT_EQ(Grid->TopRow(), 4);
    EXPECT_EQ(Grid->Row(), 1) << "scrolling leaves the current cell";

    Grid->MouseActions().SetWheelAction(waMoveSelection);
    Grid->SetEnableWheel(false);
    Wheel(*Grid, -120, Centre(2, 2));
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->TopRow(), 4);
}

TEST_F(GridEditingTest, TheWheelButtonPansUntilTheNextPress)
{
    Grid->SetRowCount(60);
    Grid->SetColCount(12);
    Grid->SetShowHint(true);
    const TPoint origin = Centre(2, 3);
    MouseDown(*Grid, origin, MiddleButton);
    MouseUp(*Grid, origin, MiddleButton);
    ASSERT_TRUE(Grid->Panning());
    EXPECT_EQ(Grid->Cursor(), grid::crPanOrigin);
    EXPECT_FALSE(Application->ShowHint()) << "no hints while panning";

    // Within the dead zone nothing moves.
    MouseMove(*Grid, {origin.X + 5, origin.Y + 5});
    AdvanceTime(30);
    EXPECT_EQ(Grid->Row(), 1);
    // Below the press the current cell goes down a row each tick; the
    // vertical pan never moves it sideways.
    MouseMove(*Grid, {origin.X + 40, origin.Y + 20});
    AdvanceTime(10);
    AdvanceTime(10);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Cursor(), grid::crPanOrigin + 1) << "the downward cursor";

    Grid->SetIntelliPan(ipBoth);
    MouseMove(*Grid, {origin.X - 40, origin.Y - 20});
    Grid->FocusCell(5, 10, true);
    AdvanceTime(10);
    EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), (TGridCoord{4, 9}));
    EXPECT_EQ(Grid->Cursor(), grid::crPanOrigin + 6) << "the up-left cursor";

    Grid->MouseActions().SetWheelAction(waScroll);
    MouseMove(*Grid, {origin.X, origin.Y + 20});
    const int top = Grid->TopRow();
    AdvanceTime(10);
    EXPECT_EQ(Grid->TopRow(), top + 1);
    EXPECT_EQ(Grid->Row(), 9) << "scrolling pans the view only";

    MouseDown(*Grid, origin);
    MouseUp(*Grid, origin);
    EXPECT_FALSE(Grid->Panning()) << "any press ends it";
    EXPECT_TRUE(Application->ShowHint());
    EXPECT_EQ(Grid->Cursor(), crDefault);
    const int endTop = Grid->TopRow();
    AdvanceTime(100);
    EXPECT_EQ(Grid->TopRow(), endTop) << "and its timer";

    Grid->SetIntelliPan(ipNone);
    MouseDown(*Grid, origin, MiddleButton);
    EXPECT_FALSE(Grid->Panning());
}
