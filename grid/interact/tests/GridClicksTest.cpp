// Double clicks and right clicks through the platform's mouse messages, and
// the editor over a fixed cell they and plain clicks open.
#include "grid/interact/tests/GridEditingFixture.h"

#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/model/SortSettings.h"
#include "platform/ui/ListControls.h"

using namespace backend::input;

namespace {

class GridClicksTest : public GridEditingTest {
protected:
    std::string FixedEditorText()
    {
        TWinControl* editor = Grid->FixedCellEditor();
        if (auto* edit = dynamic_cast<TCustomEdit*>(editor)) return edit->Text();
        return "<none>";
    }
};

} // namespace

TEST_F(GridClicksTest, DoubleClickOnAHeaderBorderFitsTheColumnWithinThreePixels)
{
    SetOption(goColSizing, true);
    std::vector<int> asked, ended;
    Grid->OnColumnSize = [&](TObject*, int col, bool&) { asked.push_back(col); };
    Grid->OnEndColumnSize = [&](TObject*, int col) { ended.push_back(col); };
    Grid->SetCells(1, 2, "a text much wider than the column");
    Grid->SetCells(3, 2, "another text much wider than its column");
    // Pixels from column 2's left edge, or (right of the grid's last
    // column) from column 3's right edge.
    struct Case {
        bool PastLastColumn;
        int Offset;
        int Sized;
    };
    const Case cases[] = {{false, 3, 1}, {false, 4, -1}, {true, 2, 3}};
    for (const Case& c : cases) {
        const int x = c.PastLastColumn ? Grid->CellRect(3, 0).Right + c.Offset : Grid->CellRect(2, 0).Left + c.Offset;
        SCOPED_TRACE(x);
        const int width1 = Grid->ColWidths(1), width3 = Grid->ColWidths(3);
        asked.clear();
        ended.clear();
        DoubleClick(*Grid, {x, 8});
        // The press on a border asks too, before it may be grabbed for sizing.
        if (c.Sized < 0) {
            EXPECT_TRUE(ended.empty());
            EXPECT_EQ(Grid->ColWidths(1), width1);
            continue;
        }
        EXPECT_EQ(asked, std::vector<int>(asked.size(), c.Sized));
        EXPECT_EQ(ended, std::vector<int>{c.Sized});
        EXPECT_GT(Grid->ColWidths(c.Sized), c.Sized == 1 ? width1 : width3);
    }
    // A refusal leaves the width as it is; the release that ends the
    // double click sorts nothing, the next plain click sorts again.
    Grid->SortSettings().SetShow(true);
    int sorts = 0;
    Grid->OnClickSort = [&](TObject*, int) { ++sorts; };
    Grid->SetColWidths(1, 30);
    Grid->OnColumnSize = [](TObject*, int, bool& allow) { allow = false; };
    DoubleClick(*Grid, {Grid->CellRect(2, 0).Left + 1, 8});
    EXPECT_EQ(Grid->ColWidths(1), 30);
    EXPECT_EQ(sorts, 0);
    Click(*Grid, Centre(2, 0));
    EXPECT_EQ(sorts, 1);
}

TEST_F(GridClicksTest, DoubleClickReportsTheCellButNotOnACellButton)
{
    std::vector<TPoint> cells;
    int dblClicks = 0;
    Grid->OnDblClickCell = [&](TObject*, int row, int col) { cells.push_back({col, row}); };
    Grid->OnDblClick = [&](TObject*) { ++dblClicks; };
    Grid->AddButton(2, 3, 40, 16, "Go", haCenter, vaCenter);
    DoubleClick(*Grid, Centre(2, 3));
    EXPECT_TRUE(cells.empty());
    EXPECT_EQ(dblClicks, 0);
    EXPECT_FALSE(EditorShown());
    DoubleClick(*Grid, Centre(3, 2));
    EXPECT_EQ(cells, std::vector<TPoint>{(TPoint{3, 2})});
    EXPECT_EQ(dblClicks, 1);
}

TEST_F(GridClicksTest, EditOnDoubleClickOnlyOpensTheEditorOnTheSecondClick)
{
    Grid->MouseActions().SetEditOnDblClickOnly(true);
    Grid->SetCells(2, 2, "text");
    Click(*Grid, Centre(2, 2));
    EXPECT_FALSE(EditorShown());
    DoubleClick(*Grid, Centre(2, 2));
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(EditorText(), "text");
    EXPECT_FALSE(Grid->MouseActions().RangeSelectAndEdit()) << "put back after the double click";
}

TEST_F(GridClicksTest, RightPressReportsTheCellAfterSelectingIt)
{
    std::vector<TPoint> cells;
    Grid->OnRightClickCell = [&](TObject*, int row, int col) {
        cells.push_back({col, row});
        EXPECT_EQ((TPoint{Grid->Col(), Grid->Row()}), (TPoint{col, row})) << "the focus moved first";
    };
    Grid->MouseActions().SetSelectOnRightClick(true);
    MouseDown(*Grid, Centre(3, 4), 1);
    MouseUp(*Grid, Centre(3, 4), 1);
    Grid->OnRightClickCell = [&](TObject*, int row, int col) { cells.push_back({col, row}); };
    const TRect last = Grid->CellRect(3, 4);
    MouseDown(*Grid, {last.Right + 5, last.Bottom + 5}, 1);
    MouseUp(*Grid, {last.Right + 5, last.Bottom + 5}, 1);
    EXPECT_EQ(cells, (std::vector<TPoint>{{3, 4}, {-1, -1}}));
}

TEST_F(GridClicksTest, FixedCellEditorStoresOnEnterAndFocusLossAndDropsOnEsc)
{
    Grid->MouseActions().SetFixedRowsEdit(fceDblClick);
    Grid->SetCells(1, 0, "head");
    std::vector<std::string> changes;
    Grid->OnEditChange = [&](TObject*, int col, int row, std::string value) {
        changes.push_back(std::to_string(col) + "," + std::to_string(row) + ":" + value);
    };
    DoubleClick(*Grid, Centre(1, 0));
    ASSERT_NE(Grid->FixedCellEditor(), nullptr);
    EXPECT_EQ(FixedEditorText(), "head");
    Press(VK_END);
    Type("er");
    Press(VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 0), "header");
    EXPECT_EQ(Grid->FixedCellEditor(), nullptr);
    EXPECT_EQ(changes.back(), "1,0:header");
    EXPECT_TRUE(Grid->Focused());
    EXPECT_FALSE(EditorShown()) << "the Enter that stored the header edits no cell";

    DoubleClick(*Grid, Centre(1, 0));
    Type("x");
    Press(VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(1, 0), "header");
    EXPECT_EQ(Grid->FixedCellEditor(), nullptr);

    // A refused value keeps the editor; an accepted one is stored when the focus leaves.
    Grid->OnCellValidate = [](TObject*, int, int, std::string& value, bool& valid) { valid = !value.empty(); };
    DoubleClick(*Grid, Centre(2, 0));
    Press(VK_DELETE);
    Press(VK_RETURN);
    EXPECT_NE(Grid->FixedCellEditor(), nullptr);
    Type("Price");
    Other->SetFocus();
    Pump();
    EXPECT_EQ(Grid->Cells(2, 0), "Price");
    EXPECT_EQ(Grid->FixedCellEditor(), nullptr);
    EXPECT_TRUE(Other->Focused()) << "the focus stays where the user sent it";

    Grid->OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    DoubleClick(*Grid, Centre(1, 0));
    EXPECT_EQ(Grid->FixedCellEditor(), nullptr);
}

TEST_F(GridClicksTest, FixedCellEditorKindAndClickFollowTheMouseActions)
{
    Grid->SetColCount(5);
    Grid->SetFixedCols(2);
    TMouseActions& actions = Grid->MouseActions();
    actions.SetFixedColsEdit(fceDblClick);
    actions.SetFixedColsEditor(fceComboList);
    actions.SetFixedRowsEditor(fceEdit);
    TStringList values;
    values.Add("one");
    values.Add("two");
    actions.SetFixedComboValues(values);
    DoubleClick(*Grid, Centre(1, 2));
    EXPECT_NE(dynamic_cast<TCustomEdit*>(Grid->FixedCellEditor()), nullptr) << "column 1 takes the rows' editor";
    EXPECT_EQ(dynamic_cast<TCustomComboBox*>(Grid->FixedCellEditor()), nullptr);
    Press(VK_ESCAPE);
    DoubleClick(*Grid, Centre(0, 2));
    auto* combo = dynamic_cast<TCustomComboBox*>(Grid->FixedCellEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->Items().Count(), 2);
    Press(VK_ESCAPE);

    // A right press opens the rows' editor, a left press does not.
    actions.SetFixedRowsEdit(fceRightClick);
    Click(*Grid, Centre(3, 0));
    EXPECT_EQ(Grid->FixedCellEditor(), nullptr);
    MouseDown(*Grid, Centre(3, 0), 1);
    MouseUp(*Grid, Centre(3, 0), 1);
    EXPECT_NE(Grid->FixedCellEditor(), nullptr);
    Press(VK_ESCAPE);

    // With column sizing a left press opens it only away from the borders.
    actions.SetFixedRowsEdit(fceLeftClick);
    SetOption(goColSizing, true);
    Click(*Grid, {Grid->CellRect(3, 0).Right - 3, 8});
    EXPECT_EQ(Grid->FixedCellEditor(), nullptr);
    Click(*Grid, Centre(3, 0));
    EXPECT_NE(Grid->FixedCellEditor(), nullptr);
}
