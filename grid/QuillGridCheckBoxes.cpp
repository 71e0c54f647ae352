// Check boxes, radio groups, radio buttons, buttons and expand buttons in
// the cells of the string grid.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"

#include "grid/base/GridUndoRedo.h"
#include "grid/model/ColumnMap.h"
#include "grid/model/RowStore.h"
#include "platform/classes/StringList.h"

namespace {

TCellVAlign CellVAlignOf(TVAlignment Value)
{
    switch (Value) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

} // namespace

void TQuillStringGrid::DoGetCheckTrue(int ACol, int ARow, std::string& Value)
{
    Value = FCheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TQuillStringGrid::DoGetCheckFalse(int ACol, int ARow, std::string& Value)
{
    Value = FCheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

std::string TQuillStringGrid::CheckText(int ACol, int ARow, bool Checked)
{
    std::string text;
    if (Checked) DoGetCheckTrue(ACol, ARow, text);
    else DoGetCheckFalse(ACol, ARow, text);
    return text;
}

TCellGraphic& TQuillStringGrid::NewToggleGraphic(int ACol, int ARow)
{
    if (ACol >= TotalColCount() || ARow >= TotalRowCount()) throw Exception("Invalid cell");
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellTransparent(true);
    graphic.SetCellHAlign(haBeforeText);
    graphic.SetCellVAlign(CellVAlignOf(FVAlignment));
    return graphic;
}

void TQuillStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    TCellGraphic& graphic = NewToggleGraphic(ACol, ARow);
    graphic.SetCheckBox(State, Data, true, graphic.CellHAlign(), graphic.CellVAlign());
    // A data box whose text already is a check text keeps it: the text decides.
    const std::string& text = Cells(ACol, ARow);
    if (Data && text != FCheckTrue && text != FCheckFalse) SetCells(ACol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TQuillStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic& graphic = NewToggleGraphic(ACol, ARow);
    graphic.SetCheckBox(State, true, graphic.CellHAlign(), graphic.CellVAlign());
}

void TQuillStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    TCellGraphic& graphic = NewToggleGraphic(ACol, ARow);
    graphic.SetRadioButton(State, true, graphic.CellHAlign(), graphic.CellVAlign());
}

void TQuillStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    for (int r = FixedRows(); r < RowCount(); ++r) AddCheckBox(ACol, r, DefaultState, DataCheckBox);
}

void TQuillStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellType type = GetCellType(ACol, ARow);
    if (type != ctCheckBox && type != ctDataCheckBox && type != ctTriStateCheckBox) return;
    RemoveCellGraphic(ACol, ARow);
    RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
}

void TQuillStringGrid::RemoveCheckBoxColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

bool TQuillStringGrid::HasCheckBox(int ACol, int ARow)
{
    return BaseCellTypeIn(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TQuillStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    return BaseCellTypeIn(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

TCellGraphic* TQuillStringGrid::CheckGraphic(int ACol, int ARow, bool& RealRow)
{
    RealRow = NumHiddenRows() > 0;
    if (!RealRow) return GetCellGraphic(ACol, ARow);
    if (ACol < 0 || ARow < 0) return nullptr;
    const auto* props = dynamic_cast<const TCellProperties*>(FRowStore->Object(ACol, ARow));
    return props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
}

bool TQuillStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    bool realRow = false;
    const TCellGraphic* graphic = CheckGraphic(ACol, ARow, realRow);
    if (!graphic) return false;
    switch (graphic->CellType()) {
    case ctCheckBox: State = graphic->CellBoolean(); return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        State = (realRow ? AllCells(ACol, ARow) : GetCellEx(ACol, ARow)) == CheckText(ACol, ARow, true);
        return true;
    // A tri-state box reads as checked only when it is checked.
    case ctTriStateCheckBox: State = graphic->CellCheckBoxState() == cbChecked; return true;
    default: return false;
    }
}

bool TQuillStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    bool realRow = false;
    const TCellGraphic* graphic = CheckGraphic(ACol, ARow, realRow);
    if (graphic && graphic->CellType() == ctTriStateCheckBox) {
        State = graphic->CellCheckBoxState();
        return true;
    }
    bool checked = false;
    if (!GetCheckBoxState(ACol, ARow, checked)) return false;
    State = BoolToCheckBoxState(checked);
    return true;
}

bool TQuillStringGrid::IsChecked(int ACol, int ARow)
{
    bool checked = false;
    return GetCheckBoxState(ACol, ARow, checked) && checked;
}

bool TQuillStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    bool realRow = false;
    TCellGraphic* graphic = CheckGraphic(ACol, ARow, realRow);
    if (!graphic) return false;
    switch (graphic->CellType()) {
    case ctCheckBox:
        graphic->SetCellBoolean(State);
        if (!realRow || !IsHiddenRow(ARow)) RepaintCell(FColumnMap->RealToDispl(ACol), realRow ? DisplRowIndex(ARow) : ARow);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        if (realRow) SetAllCells(ACol, ARow, CheckText(ACol, ARow, State));
        else SetCellEx(ACol, ARow, CheckText(ACol, ARow, State));
        return true;
    default: return false;
    }
}

bool TQuillStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    bool realRow = false;
    TCellGraphic* graphic = CheckGraphic(ACol, ARow, realRow);
    if (!graphic || graphic->CellType() != ctTriStateCheckBox) return false;
    graphic->SetCellCheckBoxState(State);
    RepaintCell(FColumnMap->RealToDispl(ACol), realRow ? DisplRowIndex(ARow) : ARow);
    return true;
}

bool TQuillStringGrid::ToggleCheck(int ACol, int ARow, bool)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    bool state = false;
    switch (graphic->CellType()) {
    case ctCheckBox:
        state = !graphic->CellBoolean();
        graphic->SetCellBoolean(state);
        break;
    case ctTriStateCheckBox: {
        static constexpr TCheckBoxState next[] = {cbGrayed, cbUnchecked, cbChecked};
        graphic->SetCellCheckBoxState(next[graphic->CellCheckBoxState()]);
        break;
    }
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: {
        const std::string before = GetGridCell(ACol, ARow);
        const std::string checkTrue = CheckText(ACol, ARow, true);
        state = GetCellEx(ACol, ARow) != checkTrue;
        const std::string after = state ? checkTrue : CheckText(ACol, ARow, false);
        SetCellEx(ACol, ARow, after);
        // Only a box whose state is its text changes a text to undo; the
        // change registered is the one made.
        if (UndoRedo() && before != after) UndoRedo()->RegisterChange(ACol, ARow, before, after);
        break;
    }
    default: return false;
    }
    RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, state);
    return true;
}

bool TQuillStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool State)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    switch (graphic->CellType()) {
    case ctCheckBox:
        if (graphic->CellBoolean() != State) {
            graphic->SetCellBoolean(State);
            DoCheckBoxChange(ACol, ARow, State);
            RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const bool wasChecked = GetCellEx(ACol, ARow) == CheckText(ACol, ARow, true);
        SetCellEx(ACol, ARow, CheckText(ACol, ARow, State));
        if (State != wasChecked) DoCheckBoxChange(ACol, ARow, State);
        return true;
    }
    default: return false;
    }
}

void TQuillStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
}

void TQuillStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

void TQuillStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

// Radio groups and radio buttons.

void TQuillStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctRadio);
    graphic.SetCellBitmap(sl);
    graphic.SetCellAngle(sl ? sl->Count() : 0);
    graphic.SetCellBoolean(DirRadio != 0);
    graphic.SetCellIndex(IdxRadio);
}

TStrings* TQuillStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    auto* options = new TStringList;
    AddRadio(ACol, ARow, DirRadio, IdxRadio, options);
    GetCellGraphic(ACol, ARow)->SetCellCreated(true);
    return options;
}

bool TQuillStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    IdxRadio = graphic->CellIndex();
    return graphic->CellType() == ctRadio;
}

bool TQuillStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    graphic->SetCellIndex(IdxRadio);
    if (IdxRadio == -1) SetCells(ACol, ARow, "");
    RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
    return graphic->CellType() == ctRadio;
}

TStrings* TQuillStringGrid::GetRadioStrings(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType() == ctRadio ? dynamic_cast<TStrings*>(graphic->CellBitmap()) : nullptr;
}

void TQuillStringGrid::RemoveRadioButton(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctRadioButton)) RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
}

bool TQuillStringGrid::IsRadioButtonChecked(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType() == ctRadioButton && graphic->CellBoolean();
}

bool TQuillStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType() != ctRadioButton) return false;
    if (graphic->CellBoolean() != State) {
        graphic->SetCellBoolean(State);
        RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
    }
    return true;
}

bool TQuillStringGrid::ToggleRadio(int ACol, int ARow, bool)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType() != ctRadioButton) return false;
    if (graphic->CellBoolean()) return true;
    graphic->SetCellBoolean(true);
    RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
    for (int r = 0; r < RowCount(); ++r)
        if (r != ARow && GetCellType(ACol, r) == ctRadioButton) SetRadioButtonState(ACol, r, false);
    return true;
}

// Buttons and expand buttons.

void TQuillStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                                 TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TQuillStringGrid::RemoveButton(int ACol, int ARow)
{
    if (!RemoveCellGraphicOfType(ACol, ARow, ctButton)) RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TQuillStringGrid::SetButtonText(int ACol, int ARow, const std::string& Caption)
{
    if (TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow)) {
        graphic->SetCellText(Caption);
        RepaintCell(ACol, ARow);
    }
}

std::string TQuillStringGrid::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    return graphic ? graphic->CellText() : std::string();
}

void TQuillStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic& graphic = *CreateCellGraphic(ACol, ARow);
    graphic.SetCellType(ctExpand);
    graphic.SetCellAngle(ExpandedHeight);
    graphic.SetCellIndex(RowHeights(ARow));
    graphic.SetCellVar(false);
}

bool TQuillStringGrid::ToggleExpand(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic) return false;
    const bool expanded = !GetExpandState(ACol, ARow);
    graphic->SetCellVar(expanded);
    return expanded;
}

bool TQuillStringGrid::GetExpandState(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellVar().VarType() == varBoolean && graphic->CellVar().AsBoolean();
}

int TQuillStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic) return DefaultRowHeight();
    return Expanded ? graphic->CellAngle() : graphic->CellIndex();
}
