// Opening a cell's editor: the editing state, the kind a cell gets, the
// normal editor the platform grid shows and the special editors the grid
// opens itself, and the settings and queries editing depends on.
#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/base/GridSettings.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditCharFilter.h"
#include "grid/interact/EditState.h"
#include "grid/interact/QuillInplaceEdit.h"
#include "grid/interact/SpecialEditors.h"
#include "platform/rtl/ScopeExit.h"

namespace grid {

TEditState::TEditState() = default;
TEditState::~TEditState() = default;

void TEditStateDeleter::operator()(TEditState* State) const noexcept
{
    // The editors outlive this state by a moment while the grid is freed;
    // from here on they must not call back.
    if (State->NormalEdit) State->NormalEdit->DetachGrid();
    if (State->Specials) State->Specials->DetachGrid();
    delete State;
}

} // namespace grid

grid::TEditState& TQuillStringGrid::Edit()
{
    if (!FEditState) {
        FEditState.reset(new grid::TEditState());
        FEditState->Specials = std::make_unique<grid::TSpecialEditors>(*this);
        FEditState->FocusHelper = std::make_unique<TFocusHelper>(this);
    }
    return *FEditState;
}

TFocusHelper& TQuillStringGrid::FocusHelper() { return *Edit().FocusHelper; }

TEditorType TQuillStringGrid::DefaultEditor() { return Edit().DefaultEditor; }
void TQuillStringGrid::SetDefaultEditor(TEditorType Value) { Edit().DefaultEditor = Value; }
TEditorType TQuillStringGrid::EditControl() { return Edit().EditControl; }
bool TQuillStringGrid::EditMode() { return Edit().EditMode; }
bool TQuillStringGrid::AlwaysValidate() { return Edit().AlwaysValidate; }
void TQuillStringGrid::SetAlwaysValidate(bool Value) { Edit().AlwaysValidate = Value; }
int TQuillStringGrid::MaxEditLength() { return Edit().MaxEditLength; }
void TQuillStringGrid::SetMaxEditLength(int Value) { Edit().MaxEditLength = std::max(Value, 0); }
std::string TQuillStringGrid::EditMask() { return Edit().EditMask; }
void TQuillStringGrid::SetEditMask(const std::string& Value) { Edit().EditMask = Value; }
std::string TQuillStringGrid::ValidChars() { return Edit().ValidChars; }
void TQuillStringGrid::SetValidChars(const std::string& Value) { Edit().ValidChars = Value; }
char32_t TQuillStringGrid::PasswordChar() { return Edit().PasswordChar; }
void TQuillStringGrid::SetPasswordChar(char32_t Value) { Edit().PasswordChar = Value; }
bool TQuillStringGrid::ExcelStyleDecimalSeparator() { return Edit().ExcelStyleDecimalSeparator; }
void TQuillStringGrid::SetExcelStyleDecimalSeparator(bool Value) { Edit().ExcelStyleDecimalSeparator = Value; }
std::string TQuillStringGrid::SearchInc() { return Edit().SearchInc; }
TQuillInplaceEdit* TQuillStringGrid::NormalEdit() const { return FEditState ? FEditState->NormalEdit : nullptr; }
TWinControl* TQuillStringGrid::EditCtrl() { return Edit().Specials->OpenControl(); }

bool TQuillStringGrid::IsNormalKind(TEditorType Kind) const noexcept { return grid::IsNormalEditorKind(Kind); }

void TQuillStringGrid::GetCellEditable(int ACol, int ARow, bool& CanEdit)
{
    if (ACol < TotalColCount() && ARow < RowCount() && ReadOnly(ACol, ARow)) CanEdit = false;
    DoCanEditCell(ACol, ARow, CanEdit);
}

void TQuillStringGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    const int displ = DisplColIndex(ACol);
    if (ARow < FixedRows() || displ < FixedCols() || ARow >= RowCount() - FFixedFooters ||
        displ >= ColCount() - FFixedRightCols)
        IsFixed = true;
}

bool TQuillStringGrid::IsCellEditable(int ACol, int ARow)
{
    const TPoint base = BaseCell(DisplColIndex(ACol), ARow);
    const int col = RealColIndex(base.X);
    bool canEdit = true;
    GetCellEditable(col, base.Y, canEdit);
    bool fixed = false;
    DoIsFixedCell(col, base.Y, fixed);
    return canEdit && !fixed;
}

bool TQuillStringGrid::IsEditable(int ACol, int ARow)
{
    const bool gridEdits =
        Options().Contains(goEditing) || MouseActions().RangeSelectAndEdit() || Edit().EditDisable;
    return gridEdits && IsCellEditable(ACol, ARow);
}

bool TQuillStringGrid::HasClickableControl(int ACol, int ARow)
{
    if (ACol >= TotalColCount() || ARow >= RowCount()) return false;
    switch (GetCellType(ACol, ARow)) {
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctTriStateCheckBox:
    case ctRadio: case ctRadioButton: case ctButton: case ctBitButton:
        return true;
    default:
        return false;
    }
}

TInplaceEdit* TQuillStringGrid::HandleCreateEditor()
{
    auto* editor = new TQuillInplaceEdit(this);
    Edit().NormalEdit = editor;
    return editor;
}

int TQuillStringGrid::ProvideEditLimit() { return Edit().MaxEditLength; }

std::string TQuillStringGrid::ProvideEditMask(int ACol, int ARow)
{
    std::string mask = Edit().EditMask;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

void TQuillStringGrid::DoGetEditorProp(int ACol, int ARow)
{
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, nullptr);
}

// Every opening of an editor passes here: the platform grid asks before it
// shows its editor, whatever started the edit.
bool TQuillStringGrid::HandleCanEditShow()
{
    grid::TEditState& s = Edit();
    if (s.Validating || FDestroying) return false;
    if (!TBaseGrid::HandleCanEditShow()) return false;
    // Already open: the normal editor stays, a special one is the grid's.
    if (s.EditMode) return !s.SpecialEditor;
    const TPoint base = BaseCell(Col(), Row());
    const int col = RealColIndex(base.X);
    if (HasClickableControl(col, base.Y) || !IsCellEditable(col, base.Y)) return false;
    s.CellCache = CurrentCell();
    s.EditControl = s.DefaultEditor;
    GetEditorTypeForShow(col, base.Y, s.EditControl);
    if (s.EditControl == edNone || s.EditControl == edDataCheckBox) return false;
    StoreOldCellValue(base.X, base.Y);
    s.OpenColCount = ColCount();
    s.OpenRowCount = RowCount();
    if (IsNormalKind(s.EditControl)) {
        s.EditMode = true;
        s.Editing = true;
        s.StartEditChar = 0;
        ShowEditorGlow();
        return true;
    }
    OpenCellEditor(base.X, base.Y);
    if (s.EditMode) ShowEditorGlow();
    return false;
}

void TQuillStringGrid::ShowEditorGlow()
{
    if (Edit().FocusHelper->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
}

void TQuillStringGrid::OpenCellEditor(int ACol, int ARow)
{
    grid::TEditState& s = Edit();
    const rtl::ScopeExit started([&s] { s.StartEditChar = 0; });
    // Kinds without a control here (drop-downs, rich text, custom links)
    // open nothing and leave the grid out of edit mode.
    if (!s.Specials->Open(s.EditControl, ACol, ARow, s.StartEditChar)) return;
    s.EditMode = true;
    s.Editing = true;
    s.SpecialEditor = true;
}

void TQuillStringGrid::ShowInplaceEdit()
{
    const TPoint base = BaseCell(Col(), Row());
    if (HasClickableControl(RealColIndex(base.X), base.Y)) return;
    if (Row() < TopRow()) SetTopRow(Row());
    if (Col() < LeftCol()) SetLeftCol(Col());
    ShowEditor();
}

void TQuillStringGrid::ShowCellEdit() { Perform(WM_KEYDOWN, VK_F2, 0); }

bool TQuillStringGrid::EditorWantsTab() { return Options().Contains(goTabs) || OnCellValidate != nullptr; }

// The combo list shared by every combo-box cell.
void TQuillStringGrid::ClearComboString() { Edit().ComboItems.Clear(); }
void TQuillStringGrid::AddComboString(const std::string& S) { Edit().ComboItems.Add(S); }

bool TQuillStringGrid::RemoveComboString(const std::string& S)
{
    TStringList& items = Edit().ComboItems;
    const int i = items.IndexOf(S);
    if (i < 0) return false;
    items.Delete(i);
    return true;
}

bool TQuillStringGrid::SetComboSelectionString(const std::string& S)
{
    const int i = Edit().ComboItems.IndexOf(S);
    if (i < 0) return false;
    Edit().ComboIdx = i;
    return true;
}

void TQuillStringGrid::SetComboSelection(int Idx) { Edit().ComboIdx = Idx; }
int TQuillStringGrid::GetComboCount() { return Edit().ComboItems.Count(); }
