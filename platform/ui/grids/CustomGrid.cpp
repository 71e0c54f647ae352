// The custom grid's dimensions, options, default hooks and editor control.
#include "platform/ui/grids/Grids.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/grids/InplaceEdit.h"

namespace {
constexpr int InitialCount = 5;
constexpr int InitialColWidth = 64;
constexpr int InitialRowHeight = 24;
} // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner)
    : TCustomControl(AOwner), FCols(InitialCount, InitialColWidth, 1), FRows(InitialCount, InitialRowHeight, 1)
{
    SetTabStop(true);
    // Clicks are reported when the current cell moves (by mouse or key), not
    // on every mouse release.
    ControlStyle().Exclude(csClickEvents);
    SetColor(clWindow);
    SetBounds(0, 0, 320, 120);
    UpdateScrollBars();
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::SetColCount(int Value)
{
    Value = std::max(Value, 1);
    if (Value == ColCount()) return;
    int oldCols = ColCount(), oldRows = RowCount();
    if (FFixedCols >= Value) FFixedCols = Value - 1;
    FCols.SetCount(Value);
    SizeChanged(oldCols, oldRows);
}

void TCustomGrid::SetRowCount(int Value)
{
    Value = std::max(Value, 1);
    if (Value == RowCount()) return;
    int oldCols = ColCount(), oldRows = RowCount();
    if (FFixedRows >= Value) FFixedRows = Value - 1;
    FRows.SetCount(Value);
    SizeChanged(oldCols, oldRows);
}

void TCustomGrid::SetFixedCols(int Value)
{
    if (Value < 0) throw EInvalidOperation("Fixed column count cannot be negative");
    if (Value >= ColCount()) throw EInvalidOperation("Fixed column count must be less than column count");
    if (Value == FFixedCols) return;
    FFixedCols = Value;
    RepairAfterSizeChange();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int Value)
{
    if (Value < 0) throw EInvalidOperation("Fixed row count cannot be negative");
    if (Value >= RowCount()) throw EInvalidOperation("Fixed row count must be less than row count");
    if (Value == FFixedRows) return;
    FFixedRows = Value;
    RepairAfterSizeChange();
    Invalidate();
}

void TCustomGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    RepairAfterSizeChange();
    Invalidate();
    HandleSizeChanged(OldColCount, OldRowCount);
}

// Keeps the view, the current cell and the anchor inside the grid after a
// count or fixed count changed. A selection parked outside the grid on
// purpose is brought back in too, since its cells no longer exist either way.
void TCustomGrid::RepairAfterSizeChange()
{
    TGridCoord oldTopLeft = FTopLeft;
    auto clampCell = [&](TGridCoord c) {
        return TGridCoord{std::clamp(c.X, FFixedCols, ColCount() - 1), std::clamp(c.Y, FFixedRows, RowCount() - 1)};
    };
    bool editorShown = FInplaceEdit && FInplaceEdit->Visible();
    TGridCoord current = clampCell(FCurrent);
    if (!(current == FCurrent)) {
        if (editorShown) HideEdit();
        FCurrent = current;
    }
    FAnchor = clampCell(FAnchor);
    TGridCoord maxTL = MaxTopLeft();
    FTopLeft = {std::clamp(FTopLeft.X, FFixedCols, std::max(maxTL.X, FFixedCols)),
                std::clamp(FTopLeft.Y, FFixedRows, std::max(maxTL.Y, FFixedRows))};
    UpdateScrollBars();
    if (!(oldTopLeft == FTopLeft)) HandleTopLeftChanged();
    if (FEditorMode) UpdateEdit();
}

void TCustomGrid::SetDefaultColWidth(int Value)
{
    FCols.SetDefaultSize(Value);
    RepairAfterSizeChange();
    Invalidate();
    HandleColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value)
{
    FRows.SetDefaultSize(Value);
    RepairAfterSizeChange();
    Invalidate();
    HandleRowHeightsChanged();
}

void TCustomGrid::SetColWidths(int Index, int Value)
{
    if (FCols.Size(Index) == Value) return;
    FCols.SetSize(Index, Value);
    RepairAfterSizeChange();
    Invalidate();
    HandleColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int Index, int Value)
{
    if (FRows.Size(Index) == Value) return;
    FRows.SetSize(Index, Value);
    RepairAfterSizeChange();
    Invalidate();
    HandleRowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int Value)
{
    Value = std::max(Value, 0);
    if (Value == GridLineWidth()) return;
    FCols.SetLineWidth(Value);
    FRows.SetLineWidth(Value);
    RepairAfterSizeChange();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value)
{
    if (Value == FFixedColor) return;
    FFixedColor = Value;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    if (Value == FDefaultDrawing) return;
    FDefaultDrawing = Value;
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value)
{
    if (Value == FOptions) return;
    FOptions = Value;
    if (!FOptions.Contains(goEditing) || FOptions.Contains(goRowSelect)) HideEditor();
    else if (FOptions.Contains(goAlwaysShowEditor) && IsActiveControl()) ShowEditor();
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    if (Value == FScrollBars) return;
    FScrollBars = Value;
    UpdateScrollBars();
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    TRect r = CellRect(ACol, ARow);
    if (r.IsEmpty()) return;
    // The lines after the cell belong to it too.
    r.Right += GridLineWidth();
    r.Bottom += GridLineWidth();
    InvalidateRect(&r, false);
}

void TCustomGrid::InvalidateRow(int ARow)
{
    TRect r = CellRect(FFixedCols > 0 ? 0 : LeftCol(), ARow);
    if (r.IsEmpty()) return;
    r.Left = 0;
    r.Right = ClientWidth();
    r.Bottom += GridLineWidth();
    InvalidateRect(&r, false);
}

void TCustomGrid::InvalidateCol(int ACol)
{
    TRect r = CellRect(ACol, FFixedRows > 0 ? 0 : TopRow());
    if (r.IsEmpty()) return;
    r.Top = 0;
    r.Bottom = ClientHeight();
    r.Right += GridLineWidth();
    InvalidateRect(&r, false);
}

// Default hooks: the plain grid has no opinions.
bool TCustomGrid::HandleSelectCell(int, int) { return true; }
void TCustomGrid::HandleTopLeftChanged() {}
void TCustomGrid::HandleSizeChanged(int, int) {}
void TCustomGrid::HandleColWidthsChanged() {}
void TCustomGrid::HandleRowHeightsChanged() {}
void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}
void TCustomGrid::HandleDrawCell(int, int, const TRect&, TGridDrawState) {}
std::string TCustomGrid::ProvideEditText(int, int) { return {}; }
void TCustomGrid::ApplyEditText(int, int, const std::string&) {}
int TCustomGrid::ProvideEditLimit() { return 0; }
std::string TCustomGrid::ProvideEditMask(int, int) { return {}; }

TInplaceEdit* TCustomGrid::HandleCreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::IsActiveControl() const
{
    return Focused() || (FInplaceEdit && FInplaceEdit->Focused());
}

bool TCustomGrid::HandleCanEditShow()
{
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode &&
           (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

void TCustomGrid::SetEditorMode(bool Value)
{
    if (Value) ShowEditor();
    else HideEditor();
}

void TCustomGrid::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGrid::ShowEditorChar(char32_t Ch)
{
    ShowEditor();
    if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
    FInplaceEdit->SelectAll();
    FInplaceEdit->Perform(WM_CHAR, static_cast<WPARAM>(Ch), 0);
}

void TCustomGrid::HideEditor()
{
    FEditorMode = false;
    HideEdit();
}

void TCustomGrid::UpdateEdit()
{
    bool inGrid = FCurrent.X >= FFixedCols && FCurrent.X < ColCount() && FCurrent.Y >= FFixedRows &&
                  FCurrent.Y < RowCount();
    if (!inGrid || !HandleCanEditShow()) {
        HideEdit();
        return;
    }
    if (!FInplaceEdit) FInplaceEdit = HandleCreateEditor();
    if (CellRect(FCurrent.X, FCurrent.Y).IsEmpty()) ClampInView(FCurrent.X, FCurrent.Y);
    bool wasShown = FInplaceEdit->Visible();
    if (!wasShown) {
        FInplaceEdit->UpdateContents();
        FEditOriginal = FInplaceEdit->Text();
    }
    FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
    if (Focused() && FInplaceEdit->CanFocus()) FInplaceEdit->SetFocus();
}

void TCustomGrid::HideEdit()
{
    if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
    if (FInplaceEdit->Modified()) UpdateText();
    FHidingEdit = true;
    FInplaceEdit->Hide();
    FHidingEdit = false;
}

void TCustomGrid::InvalidateEditor()
{
    if (!FInplaceEdit || !FInplaceEdit->Visible()) return;
    FInplaceEdit->UpdateContents();
    FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid::UpdateText()
{
    if (!FInplaceEdit) return;
    ApplyEditText(FCurrent.X, FCurrent.Y, FInplaceEdit->Text());
    // The cell now holds the text; hiding the editor need not store it again.
    FInplaceEdit->SetModified(false);
}

void TCustomGrid::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS;
    if (FOptions.Contains(goRowSelect)) return;
    if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
    if (FOptions.Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::WMSetFocus(TMessage& Message)
{
    TCustomControl::WMSetFocus(Message);
    InvalidateCell(FCurrent.X, FCurrent.Y);
    if (FInplaceEdit && FInplaceEdit->Visible()) FInplaceEdit->SetFocus();
    else if (!FHidingEdit && FOptions.Contains(goAlwaysShowEditor) && FOptions.Contains(goEditing)) ShowEditor();
}

void TCustomGrid::WMKillFocus(TMessage& Message)
{
    TCustomControl::WMKillFocus(Message);
    // The selection is drawn differently without the focus.
    Invalidate();
}

// TDrawGrid: the hooks raise the events.

bool TDrawGrid::HandleSelectCell(int ACol, int ARow)
{
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TDrawGrid::HandleTopLeftChanged()
{
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TDrawGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

std::string TDrawGrid::ProvideEditText(int ACol, int ARow)
{
    std::string value;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TDrawGrid::ApplyEditText(int ACol, int ARow, const std::string& Value)
{
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}
