// Clicks with DisjunctCellSelect: a selection of separate cells built by
// plain, Ctrl and Shift clicks and drags.
#include "grid/interact/tests/GridEditingFixture.h"

#include "grid/base/MouseActions.h"

using namespace backend::input;

namespace {

class GridDisjunctClickTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        SetOption(goEditing, false);
        Grid->MouseActions().SetDisjunctCellSelect(true);
    }
    void ClickWith(int ACol, int ARow, TShiftState shift)
    {
        MouseDown(*Grid, Centre(ACol, ARow), 0, shift);
        MouseUp(*Grid, Centre(ACol, ARow), 0, shift);
    }
    // The listed cells as "c,r" in the order they were added.
    std::string Listed()
    {
        std::string s;
        for (int i = 0; i < Grid->SelectedCellsCount(); ++i) {
            const TGridCoord c = Grid->SelectedCell(i);
            s += std::to_string(c.X) + "," + std::to_string(c.Y) + " ";
        }
        return s;
    }
};

} // namespace

TEST_F(GridDisjunctClickTest, CtrlClicksAddAndTakeAwayCellsAndAPlainClickStartsOver)
{
    ClickWith(1, 1, {});
    ClickWith(3, 2, {ssCtrl});
    ClickWith(2, 4, {ssCtrl});
    EXPECT_EQ(Listed(), "1,1 3,2 2,4 ");
    EXPECT_TRUE(Grid->IsSelected(3, 2));
    EXPECT_FALSE(Grid->IsSelected(2, 2));
    ClickWith(1, 1, {ssCtrl});
    EXPECT_EQ(Listed(), "3,2 2,4 ") << "a second Ctrl+click takes the cell away";
    ClickWith(0, 2, {});
    EXPECT_EQ(Listed(), "3,2 2,4 ") << "fixed cells never join";
    ClickWith(2, 3, {});
    EXPECT_EQ(Listed(), "2,3 ");

    // A drag adds its whole block; a refused cell changes nothing.
    MouseDown(*Grid, Centre(1, 1), 0, {ssCtrl});
    MouseMove(*Grid, Centre(2, 2), {ssLeft, ssCtrl});
    MouseUp(*Grid, Centre(2, 2), 0, {ssCtrl});
    EXPECT_EQ(Listed(), "2,3 2,2 1,1 2,1 1,2 ");
    Grid->OnSelectCell = [](TObject*, int ACol, int, bool& canSelect) { canSelect = ACol != 3; };
    ClickWith(3, 4, {ssCtrl});
    EXPECT_EQ(Listed(), "2,3 2,2 1,1 2,1 1,2 ");
}
