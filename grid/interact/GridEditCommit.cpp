// Ending an edit: validating the edited value before it is stored, closing
// the editor, and telling the application that editing is done.
#include "grid/QuillGrid.h"
#include "grid/base/GridUndoRedo.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"
#include "grid/interact/QuillInplaceEdit.h"
#include "grid/interact/SpecialEditors.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/MessageQueue.h"

unsigned grid::GridEditDoneMessage()
{
    static const unsigned message = RegisterWindowMessage(GridEditDoneMessageName);
    return message;
}

void TQuillStringGrid::StoreOldCellValue(int ACol, int ARow)
{
    grid::TEditState& s = Edit();
    s.OldCol = ACol;
    s.OldRow = ARow;
    const int col = RealColIndex(ACol);
    s.OldCellText = col < TotalColCount() && ARow < RowCount() ? GetGridCell(col, ARow) : std::string();
}

void TQuillStringGrid::RestoreCellFromCache()
{
    if (CurrentCell() != Edit().CellCache) SetCurrentCell(Edit().CellCache);
}

bool TQuillStringGrid::EditedCellUnmoved()
{
    const grid::TEditState& s = Edit();
    // Rows or columns came or went, or the cell's text was replaced by
    // another row's: the edit no longer belongs to the cell at its place.
    if (ColCount() != s.OpenColCount || RowCount() != s.OpenRowCount) return false;
    if (s.OldCol < 0 || s.OldCol >= ColCount() || s.OldRow < 0 || s.OldRow >= RowCount()) return false;
    return GetGridCell(RealColIndex(s.OldCol), s.OldRow) == s.OldCellText;
}

bool TQuillStringGrid::ValidateCell(const std::string& NewValue)
{
    grid::TEditState& s = Edit();
    if (!s.Editing || s.Validating) return true;
    s.Editing = false;
    s.Validating = true;
    const rtl::ScopeExit validated([&s] { s.Validating = false; });
    bool valid = true;
    const TPoint base = BaseCell(s.OldCol, s.OldRow);
    const int col = RealColIndex(base.X);
    const int row = base.Y;
    s.NewCellText = NewValue;
    // An editor closed on the very text it was given changes nothing, even
    // where that text is not the stored one (markup stripped from an HTML
    // cell, the form OnGetEditText gave it).
    const bool changed = NewValue != s.OldCellText && NewValue != ProvideEditText(s.OldCol, s.OldRow);
    if (changed || s.AlwaysValidate) {
        // The handler must not start an Enter move of its own.
        const bool advance = Navigation().AdvanceOnEnter();
        Navigation().SetAdvanceOnEnter(false);
        const rtl::ScopeExit restored([this, advance] { Navigation().SetAdvanceOnEnter(advance); });
        std::string value = NewValue;
        if (OnCellValidate) OnCellValidate(this, col, row, value, valid);
        if (valid) {
            if (changed || value != NewValue) {
                if (value != s.OldCellText) s.GridModified = true;
                if (UndoRedo()) UndoRedo()->RegisterChange(col, row, s.OldCellText, value);
                SetCells(col, row, value);
                if (changed) NotifyCellEdited(col, row);
            }
            s.NewCellText = value;
        } else {
            // A refused value is never stored. The editor keeps what was
            // typed, or the old text when the handler changed it.
            s.LastValidation = false;
            s.NewCellText = value == NewValue ? NewValue : s.OldCellText;
            s.Editing = true;
        }
    }
    if (!valid) return false;
    StoreOldCellValue(Col(), Row());
    return true;
}

bool TQuillStringGrid::CommitEdit()
{
    grid::TEditState& s = Edit();
    if (!s.EditMode) return true;
    if (!EditedCellUnmoved()) {
        CancelEdit();
        return true;
    }
    const std::string text = s.SpecialEditor ? s.Specials->Value() : NormalEdit()->Text();
    if (!ValidateCell(text)) {
        if (s.SpecialEditor) s.Specials->ShowRefused(s.NewCellText);
        else NormalEdit()->ShowRefusedText(s.NewCellText);
        return false;
    }
    if (s.SpecialEditor) CloseCellEditor(s.OldCol, s.OldRow);
    else HideEditor();
    return true;
}

void TQuillStringGrid::CancelEdit()
{
    grid::TEditState& s = Edit();
    s.Editing = false;
    if (s.SpecialEditor) CloseCellEditor(s.OldCol, s.OldRow);
    else HideEditor();
}

void TQuillStringGrid::DoEllipsClick(const std::string& S, std::string& Result)
{
    std::string text = S;
    if (OnEllipsClick) OnEllipsClick(this, RealColIndex(Col()), Row(), text);
    Result = text;
}

void TQuillStringGrid::StoreEditorText(int ACol, int ARow, const std::string& Value) { SetCells(ACol, ARow, Value); }

// The value was taken (or dropped) by the validation before; closing only
// hides the control and reports the end of the edit.
void TQuillStringGrid::CloseCellEditor(int ACol, int ARow)
{
    if (FDestroying) return;
    grid::TEditState& s = Edit();
    if (!s.SpecialEditor) return;
    s.SpecialEditor = false;
    s.StartEditChar = 0;
    s.Specials->Close();
    HideFocusWindow();
    NotifyEditingDone(RealColIndex(ACol), ARow);
}

void TQuillStringGrid::HideCellEdit() { CloseCellEditor(Col(), Row()); }

void TQuillStringGrid::HideInplaceEdit()
{
    if (!Edit().EditMode) return;
    (void)CommitEdit();
}

void TQuillStringGrid::InplaceEditorHidden()
{
    grid::TEditState& s = Edit();
    if (s.SpecialEditor) return;
    s.Editing = false;
    s.EditMode = false;
    HideFocusWindow();
}

void TQuillStringGrid::NotifyEditingDone(int ACol, int ARow)
{
    grid::TEditState& s = Edit();
    if (OnEditingDone) OnEditingDone(this);
    s.EditMode = false;
    s.Editing = false;
    if (HandleAllocated()) PostMessage(Handle(), grid::GridEditDoneMessage(), static_cast<WPARAM>(ACol), ARow);
}

void TQuillStringGrid::DoneInplaceEdit(unsigned short Key, TShiftState Shift)
{
    grid::TEditState& s = Edit();
    s.Editing = false;
    HideInplaceEdit();
    if (Key == VK_DOWN && Navigation().AppendOnArrowDown() && Row() == RowCount() - FFixedFooters - 1)
        AppendRowOnArrowDown();
    if (Key == VK_TAB) {
        if (Options().Contains(goTabs)) MoveToNextTabCell(Shift.Contains(ssShift));
    } else if (Key >= VK_LEFT && Key <= VK_DOWN) {
        unsigned short key = Key;
        HandleKeyDown(key, Shift);
    }
    if (CanFocus()) SetFocus();
    s.SwallowEnterChar = Key == VK_RETURN;
    if (Key == VK_RETURN) MoveToNextEditCell(Col(), Row(), false, true, true, false);
}
