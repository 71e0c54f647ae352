// Keys and the wheel over merged areas, and the hidden footer row.
#include "BaseGridFixture.h"

#include "platform/ui/VirtualKeys.h"

namespace {

enum TInput { Key, WheelDown, WheelUp };

} // namespace

TEST_F(BaseGridTest, KeysAndWheelStepOverMergedAreas)
{
    // Columns 2-3 by rows 2-3 form one area.
    Grid->MergeCells(2, 2, 2, 2);
    struct Case {
        const char* name;
        TGridCoord from;
        TInput input;
        unsigned short key;
        TGridCoord to;
    } cases[] = {
        {"right from the base leaves the area", {2, 2}, Key, VK_RIGHT, {4, 2}},
        {"down from the base leaves the area", {2, 2}, Key, VK_DOWN, {2, 4}},
        {"right into the area lands on its base", {1, 3}, Key, VK_RIGHT, {2, 2}},
        {"left into the area lands on its base", {4, 3}, Key, VK_LEFT, {2, 2}},
        {"up into the area lands on its base", {3, 4}, Key, VK_UP, {2, 2}},
        {"left from the base", {2, 2}, Key, VK_LEFT, {1, 2}},
        {"up from the base", {2, 2}, Key, VK_UP, {2, 1}},
        {"left from a covered cell reaches the cell next to the area", {3, 3}, Key, VK_LEFT, {1, 3}},
        {"up from a covered cell reaches the cell above the area", {3, 3}, Key, VK_UP, {3, 1}},
        {"right from a covered cell", {3, 3}, Key, VK_RIGHT, {4, 3}},
        {"wheel down from the base leaves the area", {2, 2}, WheelDown, 0, {2, 4}},
        {"wheel down into the area lands on its base", {2, 1}, WheelDown, 0, {2, 2}},
        {"wheel up into the area lands on its base", {3, 4}, WheelUp, 0, {2, 2}},
    };
    for (const Case& c : cases) {
        Grid->FocusCell(c.from.X, c.from.Y, true);
        ASSERT_EQ(Current(), c.from) << c.name;
        switch (c.input) {
        case Key: Press(c.key); break;
        case WheelDown: backend::input::Wheel(*Grid, -120); break;
        case WheelUp: backend::input::Wheel(*Grid, 120); break;
        }
        EXPECT_EQ(Current(), c.to) << c.name;
    }
}

TEST_F(BaseGridTest, AnAreaAtTheGridsEdgeKeepsTheCurrentCellOnItsBase)
{
    Grid->MergeCells(8, 8, 2, 2);
    Grid->FocusCell(8, 8, true);
    Press(VK_RIGHT);
    EXPECT_EQ(Current(), (TGridCoord{8, 8}));
    Press(VK_DOWN);
    EXPECT_EQ(Current(), (TGridCoord{8, 8}));
    backend::input::Wheel(*Grid, -120);
    EXPECT_EQ(Current(), (TGridCoord{8, 8}));
}

TEST_F(BaseGridTest, PageDownStopsAboveTheHiddenFooterRow)
{
    Grid->FHideLastRow = true;
    Grid->RefuseFooter = true;
    Grid->SetTopRow(6);  // the view ends with the footer, row 9
    Grid->FocusCell(1, 7, true);
    ASSERT_EQ(Grid->VisibleRowCount() + Grid->TopRow() - Grid->FixedRows(), Grid->RowCount() - 1);
    Press(VK_NEXT);
    EXPECT_EQ(Grid->Row(), 8);
}
