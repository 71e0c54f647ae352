// Editing a fixed (header) cell in place: the edit or combo laid over the
// cell, and the presses that open it.
#include "grid/interact/FixedCellEditor.h"

#include "grid/QuillGrid.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"
#include "grid/interact/FormsState.h"
#include "platform/classes/StringList.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ListControls.h"

namespace grid {

unsigned OverlayFocusLostMessage()
{
    static const unsigned message = RegisterWindowMessage("QuillGridOverlayFocusLost");
    return message;
}

TFixedCellEditor::TFixedCellEditor(TQuillStringGrid& Grid) : FGrid(Grid) {}
TFixedCellEditor::~TFixedCellEditor() = default;

TWinControl* TFixedCellEditor::Shown() const
{
    if (FEdit && FEdit->Visible()) return FEdit.get();
    if (FCombo && FCombo->Visible()) return FCombo.get();
    return nullptr;
}

std::string TFixedCellEditor::Text() const
{
    if (FEdit && FEdit->Visible()) return FEdit->Text();
    return FCombo ? FCombo->Text() : std::string();
}

void TFixedCellEditor::Open(int ACol, int ARow)
{
    FCol = FGrid.RealColIndex(ACol);
    FRow = ARow;
    const TMouseActions& actions = FGrid.MouseActions();
    TGridFixedCellEditor kind = ACol == 0 ? actions.FixedColsEditor() : actions.FixedRowsEditor();
    if (!FCombo) FCombo = std::make_unique<TOverlayEditor<TComboBox>>(FGrid, *this);
    FCombo->Items().Assign(&actions.FixedComboValues());
    if (FGrid.OnFixedEdit) FGrid.OnFixedEdit(&FGrid, ACol, ARow, kind, &FCombo->Items());
    TRect r = FGrid.CellRect(ACol, ARow);
    InflateRect(r, -1, -1);
    const std::string text = FGrid.Cells(FCol, FRow);
    auto changed = [this](TObject*) {
        if (FGrid.OnEditChange) FGrid.OnEditChange(&FGrid, FCol, FRow, Text());
    };
    TWinControl* shown = nullptr;
    if (kind == fceComboEdit || kind == fceComboList) {
        TComboBox& combo = *FCombo;
        combo.SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top);
        combo.SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
        combo.OnChange = nullptr;
        combo.SetItemIndex(combo.Items().IndexOf(text));
        combo.SetText(text);
        combo.OnChange = changed;
        shown = &combo;
    } else {
        if (!FEdit) FEdit = std::make_unique<TOverlayEditor<TEdit>>(FGrid, *this);
        TEdit& edit = *FEdit;
        edit.SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        edit.OnChange = nullptr;
        edit.SetText(text);
        edit.OnChange = changed;
        shown = &edit;
    }
    shown->Show();
    shown->BringToFront();
    if (shown->CanFocus()) shown->SetFocus();
}

bool TFixedCellEditor::Stop()
{
    TWinControl* shown = Shown();
    if (!shown || FStopping) return true;
    std::string value = Text();
    bool valid = true;
    if (FGrid.OnCellValidate) FGrid.OnCellValidate(&FGrid, FCol, FRow, value, valid);
    if (!valid) {
        if (shown->CanFocus()) shown->SetFocus();
        return false;
    }
    // Storing may repaint and move the focus; the editor is closed by then.
    FStopping = true;
    if (FGrid.OnEditingDone) FGrid.OnEditingDone(&FGrid);
    FGrid.SetCells(FCol, FRow, value);
    Cancel();
    FStopping = false;
    return true;
}

void TFixedCellEditor::Cancel()
{
    TWinControl* shown = Shown();
    if (!shown) return;
    HideOverlay(*shown, FGrid);
}

bool TFixedCellEditor::OverlayKey(unsigned short Key)
{
    if (Key == VK_ESCAPE) Cancel();
    else (void)Stop();
    // The key's character follows to the grid, which must not take it as
    // a key to edit its current cell.
    if (Key == VK_RETURN && !Shown()) FGrid.Edit().SwallowEnterChar = true;
    return true;
}

void TFixedCellEditor::OverlayFocusLost() { (void)Stop(); }

} // namespace grid

grid::TFixedCellEditor& TQuillStringGrid::FixedEditor()
{
    grid::TFormsState& s = Forms();
    if (!s.FixedEditor) s.FixedEditor = std::make_unique<grid::TFixedCellEditor>(*this);
    return *s.FixedEditor;
}

TWinControl* TQuillStringGrid::FixedCellEditor()
{
    return FFormsState && FFormsState->FixedEditor ? FFormsState->FixedEditor->Shown() : nullptr;
}

void TQuillStringGrid::ShowFixedCellEditor(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    grid::TFixedCellEditor& editor = FixedEditor();
    // The open one is finished first; a refused value keeps it open.
    if (!editor.Stop()) return;
    HideInplaceEdit();
    if (EditMode()) return;
    bool canEdit = true;
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, canEdit);
    if (canEdit) editor.Open(ACol, ARow);
}

void TQuillStringGrid::FixedCellPress(TMouseButton Button, int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0) return;
    const bool fixedRow = cell.Y < FixedRows(), fixedCol = cell.X < FixedCols();
    if (!fixedRow && !fixedCol) return;
    const TMouseActions& actions = MouseActions();
    auto asks = [&](TGridFixedCellEdit How) {
        return (fixedRow && actions.FixedRowsEdit() == How) || (fixedCol && actions.FixedColsEdit() == How);
    };
    if (Button == mbRight) {
        if (asks(fceRightClick)) ShowFixedCellEditor(cell.X, cell.Y);
        return;
    }
    if (Button != mbLeft || !asks(fceLeftClick)) return;
    // Near a border that sizes, the press sizes instead.
    const TRect r = CellRect(cell.X, cell.Y);
    const bool sizing = (fixedRow && actions.FixedRowsEdit() == fceLeftClick && Options().Contains(goColSizing)) ||
                        (fixedCol && actions.FixedColsEdit() == fceLeftClick && Options().Contains(goRowSizing));
    if (sizing && (X - r.Left <= 4 || r.Right - X <= 4 || Y - r.Top <= 4 || r.Bottom - Y <= 4)) return;
    ShowFixedCellEditor(cell.X, cell.Y);
}
