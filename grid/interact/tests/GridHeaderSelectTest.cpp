// Presses and drags on the headers selecting whole rows, columns or the
// grid, and the selection reported once for each change.
#include "grid/interact/tests/GridEditingFixture.h"

#include <functional>
#include <vector>

#include "grid/base/MouseActions.h"

using namespace backend::input;

namespace {

class GridHeaderSelectTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        SetOption(goEditing, false);
        Grid->OnSelectionChanged = [this](TObject*, int l, int t, int r, int b) { Reports.push_back({l, t, r, b}); };
    }
    std::vector<TGridRect> Reports;
};

// One step of a gesture: press, move (with the button held) or release.
struct Step {
    enum Kind { Down, Move, Up } Kind;
    int Col, Row;
    int Dy = 0;
    TShiftState Shift{};
};

struct GestureCase {
    const char* Name;
    std::function<void(TMouseActions&)> Options;
    std::vector<Step> Steps;
    TGridRect Selected;
    std::vector<TGridRect> Reported;
};

} // namespace

TEST_F(GridHeaderSelectTest, PressesAndDragsOnHeadersSelectWholeRowsColumnsAndTheGrid)
{
    auto rows = [](TMouseActions& a) { a.SetRowSelect(true); };
    auto cols = [](TMouseActions& a) { a.SetColSelect(true); };
    const GestureCase cases[] = {
        {"row header selects its row", rows, {{Step::Down, 0, 2}, {Step::Up, 0, 2}}, {1, 2, 3, 2}, {{1, 2, 3, 2}}},
        {"column header selects its column", cols, {{Step::Down, 2, 0}, {Step::Up, 2, 0}}, {2, 1, 2, 4}, {{2, 1, 2, 4}}},
        {"corner selects the grid", [](TMouseActions& a) { a.SetAllSelect(true); },
         {{Step::Down, 0, 0}, {Step::Up, 0, 0}}, {1, 1, 3, 4}, {{1, 1, 3, 4}}},
        {"without the option a row header selects nothing", cols, {{Step::Down, 0, 3}, {Step::Up, 0, 3}},
         {1, 1, 1, 1}, {}},
        {"drag down the row headers, moves within a row report nothing", rows,
         {{Step::Down, 0, 1}, {Step::Move, 0, 1, 3}, {Step::Move, 0, 2}, {Step::Move, 0, 2, 2}, {Step::Move, 0, 3},
          {Step::Up, 0, 3}},
         {1, 1, 3, 3}, {{1, 1, 3, 2}, {1, 1, 3, 3}}},
        {"a row drag goes on over the data cells", rows, {{Step::Down, 0, 4}, {Step::Move, 2, 2}, {Step::Up, 2, 2}},
         {1, 2, 3, 4}, {{1, 2, 3, 4}}},
        {"column drag to the left", cols, {{Step::Down, 3, 0}, {Step::Move, 1, 0}, {Step::Up, 1, 0}}, {1, 1, 3, 4},
         {{1, 1, 3, 4}}},
        {"Shift extends from the old top row and keeps it while the pointer moves", rows,
         {{Step::Down, 2, 2}, {Step::Up, 2, 2}, {Step::Down, 0, 4, 0, {ssShift}}, {Step::Move, 0, 4, 2},
          {Step::Up, 0, 4}},
         {1, 2, 3, 4}, {{2, 2, 2, 2}, {1, 2, 3, 4}}},
        {"a drag over data cells reports each new block once", rows,
         {{Step::Down, 2, 2}, {Step::Move, 3, 3}, {Step::Move, 3, 3, 2}, {Step::Up, 3, 3}}, {2, 2, 3, 3},
         {{2, 2, 3, 3}}},
        {"a click on the selected cell changes nothing", rows, {{Step::Down, 1, 1}, {Step::Up, 1, 1}}, {1, 1, 1, 1},
         {}},
    };
    for (const GestureCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->MouseActions().SetRowSelect(false);
        Grid->MouseActions().SetColSelect(false);
        Grid->MouseActions().SetAllSelect(false);
        c.Options(Grid->MouseActions());
        Grid->FocusCell(1, 1, true);
        Reports.clear();
        for (const Step& s : c.Steps) {
            const TPoint p{Centre(s.Col, s.Row).X, Centre(s.Col, s.Row).Y + s.Dy};
            if (s.Kind == Step::Down) {
                MouseMove(*Grid, p, s.Shift);
                MouseDown(*Grid, p, 0, s.Shift);
            } else if (s.Kind == Step::Move) {
                MouseMove(*Grid, p, {ssLeft});
            } else {
                MouseUp(*Grid, p);
            }
        }
        EXPECT_EQ(Grid->Selection(), c.Selected);
        EXPECT_EQ(Reports, c.Reported);
    }
}

TEST_F(GridHeaderSelectTest, RowDragAtTheBottomEdgeScrollsAndNeverTakesFooterRows)
{
    Grid->MouseActions().SetRowSelect(true);
    Grid->SetRowCount(40);
    Grid->SetFixedFooters(1);
    MouseMove(*Grid, Centre(0, 2));
    MouseDown(*Grid, Centre(0, 2));
    const int top = Grid->TopRow();
    const TPoint bottom{Centre(0, 1).X, Grid->ClientHeight() - 2};
    for (int i = 0; i < 60; ++i) MouseMove(*Grid, bottom, {ssLeft});
    MouseUp(*Grid, bottom);
    EXPECT_GT(Grid->TopRow(), top);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 3, 38})) << "the footer row stays out";
    EXPECT_EQ(Grid->MouseSelectMode(), msNormal);
}

TEST_F(GridHeaderSelectTest, KeysThatMoveOrGrowTheSelectionReportItOnce)
{
    Press(VK_DOWN);
    Press(VK_RIGHT, {ssShift});
    Press(VK_UP);
    Press(VK_UP);
    Press(VK_TAB);
    EXPECT_EQ(Reports, (std::vector<TGridRect>{{1, 2, 1, 2}, {1, 2, 2, 2}, {2, 1, 2, 1}}))
        << "Up on the first row and Tab without goTabs move nothing";
}

TEST_F(GridHeaderSelectTest, AHeaderPressCommitsTheOpenEditFirstAndARefusedValueKeepsTheCell)
{
    SetOption(goEditing, true);
    Grid->MouseActions().SetRowSelect(true);
    Type("zebra");
    ASSERT_TRUE(EditorShown());
    MouseMove(*Grid, Centre(0, 3));
    Click(*Grid, Centre(0, 3));
    EXPECT_EQ(Grid->Cells(1, 1), "zebra");
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 3, 3, 3}));

    Grid->FocusCell(1, 1, true);
    Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& valid) { valid = false; };
    Type("yak");
    MouseMove(*Grid, Centre(0, 4));
    Click(*Grid, Centre(0, 4));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 1})) << "the refused edit stays open on its cell";
    EXPECT_TRUE(EditorShown());
}

TEST_F(GridHeaderSelectTest, WithColumnMovingAHeaderPressSelectsItsColumnAndADragMovesItWithoutSelectingAlong)
{
    Grid->MouseActions().SetColSelect(true);
    TGridOptions options = Grid->Options();
    options.Include(goColMoving);
    Grid->SetOptions(options);
    for (int c = 1; c < 4; ++c) Grid->SetCells(c, 1, std::string(1, static_cast<char>('a' + c - 1)));
    MouseMove(*Grid, Centre(1, 0));
    MouseDown(*Grid, Centre(1, 0));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 4})) << "the press selects the column";
    MouseMove(*Grid, Centre(2, 0), {ssLeft});
    MouseMove(*Grid, Centre(3, 0), {ssLeft});
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 4})) << "the drag moves, it selects nothing along";
    MouseUp(*Grid, Centre(3, 0));
    EXPECT_EQ(Grid->Cells(3, 1), "a");
    EXPECT_EQ(Grid->Selection(), (TGridRect{3, 1, 3, 4})) << "the selection goes with the moved column";
}
