// The fill handle: dragged over more rows, the release fills the grown
// selection from the block it started with.
#include "grid/interact/tests/GridEditingFixture.h"

#include <vector>

using namespace backend::input;

TEST_F(GridEditingTest, DraggingTheFillHandleFillsTheGrownSelection)
{
    Grid->SetRowCount(8);
    Grid->SetCells(1, 1, "7");
    Grid->SetCells(2, 1, "x");
    Grid->SetSelection({1, 1, 2, 1});
    const TRect corner = Grid->CellRect(2, 1);
    const TPoint handle{corner.Right - 3, corner.Bottom - 3};
    EXPECT_FALSE(Grid->OverFillHandle(handle.X, handle.Y)) << "only with the selection rectangle and resizer";
    Grid->SetSelectionRectangle(true);
    Grid->SetSelectionResizer(true);
    MouseMove(*Grid, handle);
    EXPECT_EQ(Grid->MouseSelectMode(), msResize);
    EXPECT_EQ(Grid->Cursor(), grid::crSelectAll);
    MouseMove(*Grid, {corner.Right - 7, corner.Bottom - 3});
    EXPECT_EQ(Grid->MouseSelectMode(), msNormal) << "the handle is 6 pixels square";

    std::vector<std::string> events;
    auto note = [&](const char* name) {
        return [&, name](TObject*, TGridRect from, TGridRect to) {
            events.push_back(std::string(name) + " " + std::to_string(from.Bottom) + ">" + std::to_string(to.Bottom) +
                             " " + Grid->Cells(1, 3));
        };
    };
    Grid->OnSelectionResize = note("resize");
    Grid->OnSelectionResized = note("resized");
    MouseDown(*Grid, handle);
    MouseMove(*Grid, Centre(2, 2), {ssLeft});
    MouseMove(*Grid, Centre(2, 3), {ssLeft});
    MouseUp(*Grid, Centre(2, 3));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 3}));
    EXPECT_EQ(ShownColumn(1), " 7 7 7    ") << "the copied row goes into every grown row";
    EXPECT_EQ(ShownColumn(2), " x x x    ");
    EXPECT_EQ(events, (std::vector<std::string>{"resize 1>3 ", "resized 1>3 7"}));

    // Grown from a read-only cell, editing stays on for the other cells.
    Grid->SetReadOnly(1, 4, true);
    Grid->SetSelection({1, 4, 1, 4});
    const TRect from = Grid->CellRect(1, 4);
    MouseDown(*Grid, {from.Right - 2, from.Bottom - 2});
    MouseMove(*Grid, Centre(1, 5), {ssLeft});
    MouseUp(*Grid, Centre(1, 5));
    Grid->FocusCell(2, 6, true);
    Type("ok");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 6), "ok");
}
