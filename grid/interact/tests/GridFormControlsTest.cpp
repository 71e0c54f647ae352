// Form controls and anchors in HTML cells worked by mouse messages: check
// boxes and radio buttons rewrite the markup, edits and combos get an editor
// whose text goes back into the control, read-only cells only report.
#include "grid/interact/tests/GridEditingFixture.h"

#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/ListControls.h"
#include "render/HTMLControls.h"
#include "render/HTMLRenderer.h"

using namespace backend::input;

namespace {

std::string Control(const char* Type, const char* ID, const char* Value, const char* Extra = "")
{
    return std::string("<CONTROL TYPE=\"") + Type + "\" ID=\"" + ID + "\" VALUE=\"" + Value + "\" WIDTH=\"80\"" +
           Extra + ">";
}

class GridFormControlsTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        for (int c = 1; c < 4; ++c) Grid->SetColWidths(c, 130);
        for (int r = 1; r < 5; ++r) Grid->SetRowHeights(r, 30);
        Grid->OnControlClick = [this](TObject*, int row, int col, std::string id, std::string type, std::string value) {
            Clicks.push_back(std::to_string(col) + "," + std::to_string(row) + " " + id + " " + type + " " + value);
        };
    }
    // A point on the control ID of the cell: the renderer lays the text out
    // from the cell's left edge, as the grid draws it.
    TPoint On(int ACol, int ARow, const char* ID)
    {
        const TRect cell = Grid->CellRect(ACol, ARow);
        TBitmap probe(1, 1);
        probe.Canvas()->Font()->Assign(&Grid->Font());
        THTMLRenderParams params;
        params.HitTest = true;
        params.ControlID = ID;
        params.XPos = -100;
        params.YPos = -100;
        THTMLRenderResult result;
        RenderHTMLText(probe.Canvas(), Grid->Cells(ACol, ARow), {0, 0, cell.Right - cell.Left, 100}, params, result);
        return {cell.Left + result.ControlRect.Left + 6, cell.Top + result.ControlRect.Top + 8};
    }
    std::string Value(int ACol, int ARow, const char* ID)
    {
        std::string value;
        return ReadControlValue(Grid->Cells(ACol, ARow), ID, value) ? value : "<none>";
    }
    std::vector<std::string> Clicks;
};

} // namespace

TEST_F(GridFormControlsTest, CheckBoxesAndRadioButtonsRewriteTheirValues)
{
    Grid->SetCells(1, 1, Control("CHECK", "c", "true"));
    Click(*Grid, On(1, 1, "c"));
    EXPECT_EQ(Value(1, 1, "c"), "TRUE") << "only the exact text TRUE is on";
    AdvanceTime(1000);
    Click(*Grid, On(1, 1, "c"));
    EXPECT_EQ(Value(1, 1, "c"), "FALSE");
    Grid->SetCells(2, 2, Control("RADIO", "r1", "TRUE") + " " + Control("RADIO", "r2", "FALSE"));
    Click(*Grid, On(2, 2, "r2"));
    EXPECT_EQ(Value(2, 2, "r1"), "FALSE");
    EXPECT_EQ(Value(2, 2, "r2"), "TRUE");
    EXPECT_EQ(Clicks, (std::vector<std::string>{"1,1 c CHECK true", "1,1 c CHECK TRUE", "2,2 r2 RADIO FALSE"}))
        << "the value before the click is reported";
    EXPECT_EQ(Grid->CellControlEditor(), nullptr);
}

TEST_F(GridFormControlsTest, ASecondQuickPressIsTheControlsTooAndOpensNoEditor)
{
    Grid->SetCells(1, 1, Control("CHECK", "c", "FALSE"));
    Click(*Grid, On(1, 1, "c"));
    Click(*Grid, On(1, 1, "c"));
    EXPECT_EQ(Value(1, 1, "c"), "FALSE") << "both presses toggle";
    EXPECT_FALSE(Grid->EditMode()) << "the markup is never handed to the cell editor";
    EXPECT_EQ(Clicks.size(), 2u);
}

TEST_F(GridFormControlsTest, ControlsOfCellsThatMayNotBeEditedOnlyReportTheClick)
{
    Grid->SetCells(1, 1, Control("CHECK", "c", "FALSE"));
    Grid->SetCells(2, 1, "text " + Control("CHECK", "d", "FALSE"));
    std::vector<std::string> anchors;
    Grid->OnAnchorClick = [&](TObject*, int, int, std::string anchor, bool&) { anchors.push_back(anchor); };
    Grid->SetReadOnly(1, 1, true);
    Click(*Grid, On(1, 1, "c"));
    Grid->OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    Click(*Grid, On(2, 1, "d"));
    EXPECT_EQ(anchors, (std::vector<std::string>{"ctrl", "ctrl"}));
    EXPECT_EQ(Value(1, 1, "c"), "FALSE");
    EXPECT_EQ(Value(2, 1, "d"), "FALSE");
    // Beside its controls a press only selects the cell.
    Grid->OnCanEditCell = nullptr;
    Click(*Grid, {Grid->CellRect(2, 1).Left + 4, Grid->CellRect(2, 1).Top + 8});
    EXPECT_EQ((TPoint{Grid->Col(), Grid->Row()}), (TPoint{2, 1}));
    EXPECT_TRUE(Clicks.empty());
    EXPECT_EQ(anchors.size(), 2u);
}

TEST_F(GridFormControlsTest, EditControlsGetAnEditorWhoseTextGoesBackIntoTheCell)
{
    Grid->SetCells(1, 1, "Name: " + Control("EDIT", "n", "Ann", " MAXLEN=\"5\""));
    Grid->SetCells(1, 2, Control("PASSWORD", "p", "pw"));
    std::vector<std::string> done;
    Grid->OnControlEditDone = [&](TObject*, int row, int col, std::string id, std::string, std::string value) {
        done.push_back(std::to_string(col) + "," + std::to_string(row) + " " + id + "=" + value);
    };
    Click(*Grid, On(1, 1, "n"));
    auto* edit = dynamic_cast<TCustomEdit*>(Grid->CellControlEditor());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Text(), "Ann");
    EXPECT_EQ(edit->PasswordChar(), 0u);
    Press(VK_END);
    Type("abelle");
    Press(VK_RETURN);
    EXPECT_EQ(Value(1, 1, "n"), "Annab") << "no longer than MAXLEN";
    EXPECT_EQ(Grid->CellControlEditor(), nullptr);
    EXPECT_FALSE(EditorShown()) << "the Enter edits no cell";

    Click(*Grid, On(1, 2, "p"));
    edit = dynamic_cast<TCustomEdit*>(Grid->CellControlEditor());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->PasswordChar(), U'*');
    Type("x");
    Press(VK_ESCAPE);
    EXPECT_EQ(Value(1, 2, "p"), "pw") << "Esc leaves the control as it was";

    // The editor closes, keeping its text, when the focus leaves it.
    AdvanceTime(1000);
    Click(*Grid, On(1, 2, "p"));
    Press(VK_END);
    Type("q");
    Other->SetFocus();
    Pump();
    EXPECT_EQ(Value(1, 2, "p"), "pwq");
    EXPECT_EQ(done, (std::vector<std::string>{"1,1 n=Annab", "1,2 p=pwq"}));
}

TEST_F(GridFormControlsTest, ComboControlsTakeTheirListAndStyleFromTheApplication)
{
    Grid->SetCells(2, 3, Control("COMBO", "k", "pear"));
    Grid->OnControlComboList = [](TObject*, int row, int col, std::string id, std::string, std::string,
                                  TStrings* values, bool& edit, int& dropCount) {
        EXPECT_EQ(row, 3);
        EXPECT_EQ(col, 2);
        EXPECT_EQ(id, "k");
        for (const char* v : {"apple", "fig", "pear"}) values->Add(v);
        edit = false;
        dropCount = 3;
    };
    std::vector<std::string> selected;
    Grid->OnControlComboSelect = [&](TObject*, int, int, int item, std::string id, std::string value) {
        selected.push_back(id + " " + std::to_string(item) + " " + value);
    };
    Click(*Grid, On(2, 3, "k"));
    auto* combo = dynamic_cast<TCustomComboBox*>(Grid->CellControlEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Style(), csDropDownList);
    EXPECT_EQ(combo->DropDownCount(), 3);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_TRUE(combo->DroppedDown());
    Press(VK_UP);
    Press(VK_RETURN);
    Press(VK_RETURN);
    EXPECT_EQ(selected, (std::vector<std::string>{"k 1 fig"}));
    EXPECT_EQ(Value(2, 3, "k"), "fig");
}
