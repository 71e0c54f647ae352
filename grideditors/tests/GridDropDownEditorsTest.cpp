// The drop-down cell editors over a grid: for every kind, a cell opened,
// a value chosen, committed by Enter, cancelled by Esc, refused by the
// validation (the editor stays open on the value), and the keys that leave.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/dropdown/DropDownForm.h"
#include "grid/QuillGrid.h"
#include "grideditors/GridDropDownEditors.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"

namespace grideditors::testing {

namespace {

// One kind: how its drop-down is prepared, the cell text it opens on, how
// a value is chosen in it and what the cell then holds.
struct KindCase {
    TEditorType Kind;
    std::string Start;
    std::function<void(controls::TQuillCustomDropDown&)> Prepare;
    std::function<void(controls::TQuillCustomDropDown&)> Choose;
    std::string Chosen;
};

std::vector<KindCase> Kinds()
{
    return {
        {edDetailDropDown, "Apple",
         [](controls::TQuillCustomDropDown& d) {
             auto& detail = dynamic_cast<controls::TQuillDetailDropDown&>(d);
             if (detail.Items().Count() > 0) return;
             detail.Items().Add()->SetCaption("Apple");
             detail.Items().Add()->SetCaption("Banana");
         },
         [](controls::TQuillCustomDropDown& d) { dynamic_cast<controls::TQuillDetailDropDown&>(d).SetItemIndex(1); },
         "Banana"},
        {edColorPickerDropDown, "Red", {},
         [](controls::TQuillCustomDropDown& d) {
             dynamic_cast<controls::TQuillColorPickerDropDown&>(d).SetSelectedColor(clBlue);
         },
         "Blue"},
        {edImagePickerDropDown, "0",
         [](controls::TQuillCustomDropDown& d) {
             auto& picker = dynamic_cast<controls::TQuillImagePickerDropDown&>(d);
             if (picker.Items().Count() > 0) return;
             for (int i = 0; i < 3; ++i) picker.Items().Add()->SetImageIndex(i);
         },
         [](controls::TQuillCustomDropDown& d) {
             dynamic_cast<controls::TQuillImagePickerDropDown&>(d).SetImageIndex(2);
         },
         "2"},
        {edQuillGridDropDown, "Lisbon",
         [](controls::TQuillCustomDropDown& d) {
             auto& g = dynamic_cast<TCustomQuillGridDropDown&>(d);
             if (g.Items().Count() > 0) return;
             g.Columns().Add()->SetHeader("City");
             for (const char* city : {"Lisbon", "Oslo"}) g.Items().Add()->Text().Add(city);
             g.EndUpdate();
         },
         [](controls::TQuillCustomDropDown& d) { dynamic_cast<TCustomQuillGridDropDown&>(d).SetItemIndex(1); },
         "Oslo"},
        {edTrackbarDropDown, "10", {},
         [](controls::TQuillCustomDropDown& d) { dynamic_cast<controls::TQuillTrackBarDropDown&>(d).SetText("30"); },
         "30"},
        {edMemoDropDown, "one", {},
         [](controls::TQuillCustomDropDown& d) {
             TStringList lines;
             lines.Add("two");
             lines.Add("lines");
             dynamic_cast<controls::TQuillMemoDropDown&>(d).SetMemoText(lines);
         },
         "two\r\nlines"},
        {edGridDropDown, "Lisbon",
         [](controls::TQuillCustomDropDown& d) {
             auto& g = dynamic_cast<controls::TQuillMultiColumnDropDown&>(d);
             if (g.Items().Count() > 0) return;
             g.Columns().Add()->Header = "City";
             for (const char* city : {"Lisbon", "Oslo"}) g.Items().Add()->Text().Add(city);
             g.EndUpdate();
         },
         [](controls::TQuillCustomDropDown& d) { dynamic_cast<controls::TQuillMultiColumnDropDown&>(d).SetItemIndex(1); },
         "Oslo"},
    };
}

} // namespace

class GridDropDownEditorsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        ui::ResetKeyboardState();
        ui::ResetMessageQueue();
        RegisterGridDropDownEditors();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 600, 400);
        Grid = new TQuillStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 500, 300);
        Grid->SetColCount(3);
        Grid->SetRowCount(4);
        TGridOptions options = Grid->Options();
        options.Include(goEditing);
        Grid->SetOptions(options);
        Grid->OnGetEditorType = [this](TObject*, int ACol, int, TEditorType& Kind) {
            if (ACol == 1) Kind = FKind;
        };
        Form->Show();
        Grid->SetFocus();
    }
    void TearDown() override
    {
        delete Form;
        backend::input::Pump();
        grid::RegisterCellEditorFactory({});
    }
    void Press(unsigned short vk, TShiftState shift = {})
    {
        backend::input::PressKey(*Form, vk, shift);
        backend::input::Pump();
    }
    // Opens the kind's editor on cell (1, 1) holding Text.
    controls::TQuillCustomDropDown* OpenOn(const KindCase& c)
    {
        FKind = c.Kind;
        Grid->SetCells(1, 1, c.Start);
        Grid->FocusCell(1, 1, true);
        Press(VK_F2);
        auto* editor = dynamic_cast<controls::TQuillCustomDropDown*>(Grid->EditCtrl());
        if (editor && c.Prepare) {
            c.Prepare(*editor);
            // Loaded again now that the list holds the cell's value.
            dynamic_cast<grid::ICellEditorLink*>(editor)->LoadCellText(c.Start);
        }
        return editor;
    }

    TForm* Form = nullptr;
    TQuillStringGrid* Grid = nullptr;
    TEditorType FKind = edNormal;
};

TEST_F(GridDropDownEditorsTest, EachKindOpensOnItsCellAndEnterStoresTheChosenValueAndMovesOn)
{
    for (const KindCase& c : Kinds()) {
        SCOPED_TRACE(c.Kind);
        controls::TQuillCustomDropDown* editor = OpenOn(c);
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->Visible());
        EXPECT_TRUE(editor->Focused());
        EXPECT_TRUE(Grid->EditMode());
        EXPECT_EQ(dynamic_cast<grid::ICellEditorLink*>(editor)->CellValue(), c.Start);
        c.Choose(*editor);
        Press(VK_RETURN);
        EXPECT_FALSE(Grid->EditMode());
        EXPECT_FALSE(editor->Visible());
        EXPECT_EQ(Grid->Cells(1, 1), c.Chosen);
        EXPECT_TRUE(Grid->Focused());
    }
}

TEST_F(GridDropDownEditorsTest, EscLeavesTheCellAsItWasAndUpAndDownStoreAndMove)
{
    for (const KindCase& c : Kinds()) {
        SCOPED_TRACE(c.Kind);
        controls::TQuillCustomDropDown* editor = OpenOn(c);
        ASSERT_NE(editor, nullptr);
        c.Choose(*editor);
        Press(VK_ESCAPE);
        EXPECT_FALSE(Grid->EditMode());
        EXPECT_EQ(Grid->Cells(1, 1), c.Start);

        editor = OpenOn(c);
        c.Choose(*editor);
        Press(VK_DOWN);
        EXPECT_FALSE(Grid->EditMode());
        EXPECT_EQ(Grid->Row(), 2);
        // The colour editor leaves by Down without storing.
        EXPECT_EQ(Grid->Cells(1, 1), c.Kind == edColorPickerDropDown ? c.Start : c.Chosen);
    }
}

TEST_F(GridDropDownEditorsTest, ARefusedValueKeepsTheEditorOpenOnItAndTheCellUnchanged)
{
    Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& Valid) { Valid = false; };
    for (const KindCase& c : Kinds()) {
        SCOPED_TRACE(c.Kind);
        controls::TQuillCustomDropDown* editor = OpenOn(c);
        ASSERT_NE(editor, nullptr);
        c.Choose(*editor);
        Press(VK_RETURN);
        EXPECT_TRUE(Grid->EditMode());
        EXPECT_TRUE(editor->Visible());
        EXPECT_EQ(dynamic_cast<grid::ICellEditorLink*>(editor)->CellValue(), c.Chosen);
        EXPECT_EQ(Grid->Cells(1, 1), c.Start);
        Press(VK_ESCAPE);
        EXPECT_FALSE(Grid->EditMode());
    }
}

TEST_F(GridDropDownEditorsTest, TheFocusLeavingStoresAndTheOpenPopupKeepsTheEditorOpen)
{
    auto* other = new TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(510, 10, 80, 21);
    const KindCase c = Kinds()[3];
    auto* editor = dynamic_cast<TCustomQuillGridDropDown*>(OpenOn(c));
    ASSERT_NE(editor, nullptr);
    Press(VK_DOWN, {ssAlt});
    ASSERT_TRUE(editor->DropDownForm()->Visible());
    // A click in the list chooses; the edit stays open with the choice.
    // Pressed where the pointer is, as the display reports it to the popup.
    const TRect r = editor->GetColGrid()->CellRect(0, 2);
    const TPoint at = editor->GetColGrid()->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    const TPoint onPopup = editor->DropDownForm()->ScreenToClient(at);
    backend::input::SurfaceMouse(*editor->DropDownForm(), WM_LBUTTONDOWN, onPopup);
    backend::input::SurfaceMouse(*editor->DropDownForm(), WM_LBUTTONUP, onPopup);
    backend::input::Pump();
    EXPECT_FALSE(editor->DropDownForm()->Visible());
    EXPECT_TRUE(Grid->EditMode());
    EXPECT_EQ(editor->Text(), "Oslo");
    other->SetFocus();
    backend::input::Pump();
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(1, 1), "Oslo");
}

TEST_F(GridDropDownEditorsTest, ChangesAndChoicesReachTheGridsEvents)
{
    std::string changed;
    Grid->OnEditChange = [&](TObject*, int, int, std::string Value) { changed = Value; };
    TColor chosenColor = clNone;
    Grid->OnColorSelect = [&](TObject*, int, int, TColor Color, std::string) { chosenColor = Color; };
    const std::vector<KindCase> kinds = Kinds();
    OpenOn(kinds[0]);
    backend::input::TypeText(*Form, "B");
    backend::input::Pump();
    EXPECT_EQ(changed, "Banana");
    Press(VK_ESCAPE);

    auto* colour = dynamic_cast<controls::TQuillColorPickerDropDown*>(OpenOn(kinds[1]));
    ASSERT_NE(colour, nullptr);
    colour->SetItemIndex(3);
    EXPECT_EQ(chosenColor, colour->SelectedColor());
    Press(VK_ESCAPE);
    auto* gridEditor = dynamic_cast<TGridQuillGridDropDown*>(OpenOn(kinds[3]));
    ASSERT_NE(gridEditor, nullptr);
    EXPECT_EQ(gridEditor->Grid(), gridEditor->GetColGrid());
    Press(VK_ESCAPE);
}

TEST_F(GridDropDownEditorsTest, EnterOnACalculatorCellStoresThePendingResult)
{
    FKind = edCalculatorDropDown;
    Grid->SetCells(1, 1, "");
    Grid->FocusCell(1, 1, true);
    Press(VK_F2);
    ASSERT_NE(dynamic_cast<TGridCalculatorDropDown*>(Grid->EditCtrl()), nullptr);
    backend::input::TypeText(*Form, "2+3");
    backend::input::Pump();
    Press(VK_RETURN);
    EXPECT_FALSE(Grid->EditMode());
    // 2 + 3, completed by Enter, in the calculator's two decimals.
    EXPECT_EQ(Grid->Cells(1, 1), "5.00");
}

TEST_F(GridDropDownEditorsTest, TheGridEditorShowsItsInnerGrid)
{
    auto* gridEditor = dynamic_cast<TGridQuillGridDropDown*>(OpenOn(Kinds()[3]));
    ASSERT_NE(gridEditor, nullptr);
    EXPECT_EQ(gridEditor->Grid(), gridEditor->GetColGrid());
}

} // namespace grideditors::testing
