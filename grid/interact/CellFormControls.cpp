// Form controls and anchors in HTML cells answering a press: check boxes and
// radio buttons toggle in the cell's markup, buttons hold down, edits and
// combos get an editor whose text goes back into the control's VALUE, and
// anchors open (web and mail addresses only) or move to a cell.
#include "grid/interact/CellControlEditor.h"

#include "grid/QuillGrid.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/interact/CellLinks.h"
#include "grid/interact/EditState.h"
#include "grid/interact/FormsState.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ListControls.h"
#include "render/HTMLControls.h"
#include "render/HTMLRenderer.h"

namespace {

// The edit sits this far below the control's top and is this high.
constexpr int EditTopOffset = 8;
constexpr int EditHeight = 14;
constexpr int ComboTopOffset = 4;
constexpr int DefaultDropCount = 8;

bool IsEditType(const std::string& Type) { return Type == "EDIT" || Type == "PASSWORD" || Type == "MASK"; }

} // namespace

namespace grid {

TCellControlEditor::TCellControlEditor(TQuillStringGrid& Grid) : FGrid(Grid) {}
TCellControlEditor::~TCellControlEditor() = default;

TWinControl* TCellControlEditor::Shown() const
{
    if (!FEditing) return nullptr;
    if (FEdit && FEdit->Visible()) return FEdit.get();
    if (FCombo && FCombo->Visible()) return FCombo.get();
    return nullptr;
}

void TCellControlEditor::Open(const std::string& CellText, const std::string& Type, int ARow, int ACol, const TRect& R,
                              const std::string& Value, const std::string& ID)
{
    if (!IsEditType(Type) && Type != "COMBO") return;
    FCell = {ACol, ARow};
    FID = ID;
    FType = Type;
    FEditing = true;
    const int maxLength = ReadControlMaxLen(CellText, ID);
    TWinControl* shown = nullptr;
    if (IsEditType(Type)) {
        if (!FEdit) FEdit = std::make_unique<TOverlayEditor<TEdit>>(FGrid, *this);
        TEdit& edit = *FEdit;
        // No masked edit exists here: a MASK control edits as plain text.
        edit.SetPasswordChar(Type == "PASSWORD" ? U'*' : 0);
        edit.SetText(Value);
        edit.SetBorderStyle(bsNone);
        edit.SetBounds(R.Left + 1, R.Top + EditTopOffset, R.Right - R.Left - 4, EditHeight);
        edit.SetMaxLength(maxLength);
        shown = &edit;
    } else {
        if (!FCombo) FCombo = std::make_unique<TOverlayEditor<TComboBox>>(FGrid, *this);
        TComboBox& combo = *FCombo;
        combo.Items().Clear();
        bool editable = true;
        int dropCount = DefaultDropCount;
        if (FGrid.OnControlComboList)
            FGrid.OnControlComboList(&FGrid, ARow, ACol, ID, Type, Value, &combo.Items(), editable, dropCount);
        combo.SetStyle(editable ? csDropDown : csDropDownList);
        combo.SetItemIndex(combo.Items().IndexOf(Value));
        combo.SetText(Value);
        combo.SetDropDownCount(dropCount);
        combo.SetMaxLength(maxLength);
        combo.SetBounds(R.Left - 1, R.Top + ComboTopOffset, R.Right - R.Left, combo.Height());
        combo.OnSelect = [this](TObject*) {
            if (!FGrid.OnControlComboSelect || !FCombo) return;
            const int item = FCombo->ItemIndex();
            FGrid.OnControlComboSelect(&FGrid, FCell.Y, FCell.X, item, FID,
                                       item >= 0 ? FCombo->Items().Strings(item) : FCombo->Text());
        };
        shown = &combo;
    }
    shown->Show();
    shown->BringToFront();
    if (shown->CanFocus()) shown->SetFocus();
    if (shown == FCombo.get()) FCombo->SetDroppedDown(true);
}

void TCellControlEditor::End()
{
    TWinControl* shown = Shown();
    if (!shown) return;
    FEditing = false;
    const std::string value = shown == FEdit.get() ? FEdit->Text() : FCombo->Text();
    std::string text = FGrid.Cells(FCell.X, FCell.Y);
    if (WriteControlValue(text, FID, value)) FGrid.SetCells(FCell.X, FCell.Y, text);
    Close();
    if (FGrid.OnControlEditDone) FGrid.OnControlEditDone(&FGrid, FCell.Y, FCell.X, FID, FType, value);
    FType.clear();
}

void TCellControlEditor::Close()
{
    FEditing = false;
    for (TWinControl* control : {static_cast<TWinControl*>(FEdit.get()), static_cast<TWinControl*>(FCombo.get())}) {
        if (!control || !control->Visible()) continue;
        if (FCombo && control == FCombo.get()) FCombo->SetDroppedDown(false);
        HideOverlay(*control, FGrid);
    }
}

bool TCellControlEditor::OverlayKey(unsigned short Key)
{
    // Enter keeps the text, Esc leaves the control as it was. Enter's
    // character follows to the grid, which must not take it as a key to
    // edit its current cell.
    if (Key == VK_RETURN) {
        End();
        FGrid.Edit().SwallowEnterChar = true;
    } else {
        Close();
    }
    return true;
}

void TCellControlEditor::OverlayFocusLost() { End(); }

} // namespace grid

grid::TCellControlEditor& TQuillStringGrid::ControlEditor()
{
    grid::TFormsState& s = Forms();
    if (!s.ControlEditor) s.ControlEditor = std::make_unique<grid::TCellControlEditor>(*this);
    return *s.ControlEditor;
}

TWinControl* TQuillStringGrid::CellControlEditor()
{
    return FFormsState && FFormsState->ControlEditor ? FFormsState->ControlEditor->Shown() : nullptr;
}

void TQuillStringGrid::EndCellControlEdit()
{
    if (FFormsState && FFormsState->ControlEditor) FFormsState->ControlEditor->End();
}

bool TQuillStringGrid::HitTestHTMLCell(int ACol, int ARow, int X, int Y, THTMLRenderResult& Result)
{
    // The text as it is drawn.
    const std::string text = GetCellEx(RealColIndex(ACol), ARow);
    TRect r = CellTextRect(ACol, ARow, CellRect(ACol, ARow));
    // As the text is drawn: one pixel further left.
    --r.Left;
    TBitmap probe(1, 1);
    TCanvas& canvas = *probe.Canvas();
    canvas.Font()->Assign(&Font());
    THTMLRenderParams params;
    params.HitTest = true;
    params.XPos = X;
    params.YPos = Y;
    params.LinkColor = URLColor();
    params.WordWrap = WordWrap();
    return RenderHTMLText(&canvas, text, r, params, Result);
}

bool TQuillStringGrid::PressCellControl(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < FixedCols() || cell.Y < FixedRows()) return false;
    const TPoint base = BaseCell(cell.X, cell.Y);
    const int col = RealColIndex(base.X);
    std::string text = Cells(col, base.Y);
    if (ClassifyCellText(text, true) != grid::ctkHTML || !ContainsControlTag(text)) return false;
    THTMLRenderResult hit;
    if (!HitTestHTMLCell(base.X, base.Y, X, Y, hit) || hit.ControlID.empty()) return false;
    // The press is the control's alone: the framework neither selects nor
    // opens the cell's own editor.
    bool editable = Options().Contains(goEditing) && !ReadOnly(col, base.Y);
    if (OnCanEditCell) OnCanEditCell(this, base.Y, base.X, editable);
    if (!editable) {
        OpenCellLink(base.X, base.Y, hit.LinkValue);
        return true;
    }
    EndCellControlEdit();
    if (base.X != Col() || base.Y != Row()) FocusCell(base.X, base.Y, true);
    text = Cells(col, base.Y);
    const std::string& type = hit.ControlType;
    if (type == "BUTTON") {
        grid::TFormsState& s = Forms();
        s.CtrlDown = true;
        s.CtrlXY = {col, base.Y};
        s.CtrlPoint = {X, Y};
        RepaintCell(base.X, base.Y);
    } else if (type == "CHECK" || type == "RADIO") {
        // Only the exact text "TRUE" is on.
        if (type == "RADIO") text = ResetRadioControls(text);
        const bool on = type == "RADIO" || hit.ControlValue != "TRUE";
        if (WriteControlValue(text, hit.ControlID, on ? "TRUE" : "FALSE")) SetCells(col, base.Y, text);
    }
    if (OnControlClick) OnControlClick(this, base.Y, base.X, hit.ControlID, type, hit.ControlValue);
    ControlEditor().Open(text, type, base.Y, col, hit.ControlRect, hit.ControlValue, hit.ControlID);
    return true;
}

void TQuillStringGrid::PressCellLink(int ACol, int ARow, int X, int Y)
{
    const std::string text = Cells(RealColIndex(ACol), ARow);
    std::string target;
    if (ClassifyCellText(text, true) != grid::ctkHTML) {
        // A plain text that is an address is one link as a whole, while
        // addresses are shown as links.
        if (URLShow()) target = grid::CellLinkTarget(text);
    } else {
        THTMLRenderResult hit;
        // Form controls answered the press before the framework did.
        if (HitTestHTMLCell(ACol, ARow, X, Y, hit) && hit.ControlID.empty()) target = hit.LinkValue;
    }
    if (!target.empty()) OpenCellLink(ACol, ARow, target);
}

TPoint TQuillStringGrid::HeldCellButton() const noexcept
{
    return FFormsState && FFormsState->CtrlDown ? FFormsState->CtrlXY : TPoint{-1, -1};
}

void TQuillStringGrid::ReleaseCellButton()
{
    if (!FFormsState || !std::exchange(FFormsState->CtrlDown, false)) return;
    const TPoint cell = FFormsState->CtrlXY;
    if (cell.Y >= 0 && cell.Y < RowCount()) RepaintCell(DisplColIndex(cell.X), cell.Y);
}
