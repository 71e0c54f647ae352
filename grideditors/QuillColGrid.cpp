// The grid in the grid drop-down's popup: how it takes the drop-down's
// settings and items, sizes its columns and rows, and reports a choice.
#include <algorithm>
#include <cstdint>

#include "grideditors/QuillCustomGridDropDown.h"
#include "controls/dropdown/DropDownForm.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScrollBars.h"

namespace grideditors {

namespace {
// Items are linked to their rows through the row's first cell, which keeps
// an item index rather than an object.
TObject* IndexAsObject(int Index) { return reinterpret_cast<TObject*>(static_cast<std::intptr_t>(Index)); }
int ObjectAsIndex(TObject* Object) { return static_cast<int>(reinterpret_cast<std::intptr_t>(Object)); }
} // namespace

TQuillColGrid::TQuillColGrid(TComponent* AOwner)
    : TQuillStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>())
{
    SetFixedRowAlways(true);
    SetColCount(1);
    SetRowCount(2);
    SetFixedRows(1);
    SetFixedCols(0);
    TGridOptions options = Options();
    options.Exclude(goRangeSelect);
    options.Include(goHorzLine);
    options.Include(goRowSelect);
    SetOptions(options);
}

void TQuillColGrid::SetColGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    SetGridLineWidth(0);
    Invalidate();
}

void TQuillColGrid::LoadGrid(TCustomQuillGridDropDown* DropDown)
{
    FQuillDropDown = DropDown;
    if (!DropDown) return;
    FColumns->Assign(&DropDown->Columns());
    if (ColCount() < FColumns->Count()) SetColCount(FColumns->Count());
    if (DropDown->UseItems()) SetRowCount(DropDown->Items().Count() + 1);
    for (int i = 0; i < FColumns->Count() && i < ColCount(); ++i) SetColWidths(i, FColumns->Items(i)->Width());
    FLineColor = DropDown->LineColor();
    FFixedLineColor = DropDown->FixedLineColor();
    FHeaderColor = DropDown->HeaderColor();
    FHeaderColorTo = DropDown->HeaderColorTo();
    FHeaderHeight = DropDown->HeaderHeight();
    FHeaderFont->Assign(&DropDown->HeaderFont());
    SetHoverRow(DropDown->HoverRow());
    SetHoverRowColor(DropDown->HoverRowColor());
    SetHoverRowColorTo(DropDown->HoverRowColorTo());
    FImages = DropDown->Images();
    SetDefaultRowHeight(DropDown->DropDownRowHeight());
    SetRowHeights(0, FHeaderHeight);
    TGridOptions options = Options();
    auto follow = [&options](TGridOption Option, bool On) {
        if (On) options.Include(Option);
        else options.Exclude(Option);
    };
    follow(goColSizing, DropDown->ColumnSizing());
    follow(goColMoving, DropDown->ColumnMoving());
    follow(goRowSizing, DropDown->RowSizing());
    follow(goRowMoving, DropDown->RowMoving());
    SetOptions(options);
    if (DropDown->UseItems()) AutoSizeColumns();
    else AutoSizeColumns(true, 4);
    AutoSizeRows();
}

void TQuillColGrid::LoadItems()
{
    if (!FQuillDropDown) return;
    const TDropDownColumns& columns = FQuillDropDown->Columns();
    const TDropDownItems& items = FQuillDropDown->Items();
    if (columns.Count() > 0 && ColCount() != columns.Count()) SetColCount(columns.Count());
    for (int c = 0; c < columns.Count(); ++c) {
        SetCellEx(c, 0, columns.Items(c)->Header());
        SetObjectEx(c, 0, IndexAsObject(-1));
    }
    for (int i = 0; i < items.Count(); ++i) {
        const TStringList& texts = items.Items(i)->Text();
        for (int c = 0; c < ColCount(); ++c) SetCellEx(c, i + 1, c < texts.Count() ? texts.Strings(c) : std::string());
        SetObjectEx(0, i + 1, IndexAsObject(i));
    }
}

void TQuillColGrid::AutoSizeColumns()
{
    if (!FQuillDropDown || !Parent() || Parent() != FQuillDropDown->DropDownForm()) return;
    TCanvas& canvas = *FQuillDropDown->DropDownForm()->Canvas();
    const TDropDownItems& items = FQuillDropDown->Items();
    for (int c = 0; c < FColumns->Count() && c < ColCount(); ++c) {
        TDropDownColumn& column = *FColumns->Items(c);
        if (!column.AutoSize()) continue;
        canvas.Font()->Assign(&column.Font());
        int widest = 0;
        for (int i = 0; i < items.Count(); ++i) {
            const TDropDownItem& item = *items.Items(i);
            int width = 0;
            const bool hasText = c < item.Text().Count();
            if (column.ColumnType() == ctImage && hasText && item.ImageIndex() >= 0 && FImages)
                width += FImages->Width() + 4;
            if (hasText && !item.Text().Strings(c).empty()) width += canvas.TextWidth(item.Text().Strings(c)) + 6;
            widest = std::max(widest, width);
        }
        column.SetWidth(widest);
        SetColWidths(c, widest);
    }
}

void TQuillColGrid::AutoSizeRows()
{
    if (!FQuillDropDown || !Parent() || Parent() != FQuillDropDown->DropDownForm()) return;
    bool wraps = false;
    for (int c = 0; c < FColumns->Count(); ++c) wraps = wraps || FColumns->Items(c)->Wordwrap();
    if (!wraps) return;
    TCanvas& canvas = *FQuillDropDown->DropDownForm()->Canvas();
    const TDropDownItems& items = FQuillDropDown->Items();
    for (int i = 0; i < items.Count() && i + 1 < RowCount(); ++i) {
        const TDropDownItem& item = *items.Items(i);
        int height = 24;
        for (int c = 0; c < FColumns->Count(); ++c) {
            const TDropDownColumn& column = *FColumns->Items(c);
            if (!column.Wordwrap()) continue;
            const bool hasText = c < item.Text().Count();
            int h = 0;
            if (column.ColumnType() == ctImage && hasText && item.ImageIndex() >= 0 && FImages)
                h = FImages->Height() + 6;
            if (hasText && !item.Text().Strings(c).empty()) {
                canvas.Font()->Assign(&column.Font());
                TRect r{0, 0, column.Width(), 500};
                std::string text = item.Text().Strings(c);
                canvas.TextRect(r, text, TTextFormat{tfCalcRect, tfWordBreak});
                h = std::max(h, r.Height() + 6);
            }
            height = std::max(height, h);
        }
        SetRowHeights(i + 1, height);
    }
}

int TQuillColGrid::ContentWidth() const
{
    int width = 0;
    for (int c = 0; c < ColCount(); ++c) width += ColWidths(c);
    width += 2 * BorderWidth();
    if (VisibleRowCount() + FixedRows() < RowCount()) width += GetSystemMetrics(SM_CXVSCROLL);
    return width;
}

int TQuillColGrid::ItemOfRow(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount()) return ARow;
    return ObjectAsIndex(GetObjectEx(0, ARow));
}

int TQuillColGrid::RowOfItem(int Index) const
{
    const int current = FQuillDropDown ? FQuillDropDown->ItemIndex() : -1;
    if (Index < 0) return current;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (ObjectAsIndex(GetObjectEx(0, r)) == Index) return r;
    return current;
}

void TQuillColGrid::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

bool TQuillColGrid::HandleSelectCell(int ACol, int ARow)
{
    if (!TQuillStringGrid::HandleSelectCell(ACol, ARow)) return false;
    if (FQuillDropDown) FQuillDropDown->HandleGridSelectCell(ARow);
    return true;
}

void TQuillColGrid::KeyDown(unsigned short& Key, TShiftState Shift)
{
    FConfirmSelection = true;
    if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt) && FQuillDropDown) {
        FQuillDropDown->Perform(WM_KEYDOWN, Key, 0);
        Key = 0;
        return;
    }
    if (Key == VK_TAB) {
        Key = 0;
        return;
    }
    if (Key == VK_RETURN && !EditMode()) {
        Key = 0;
        DoSelect();
        return;
    }
    TQuillStringGrid::KeyDown(Key, Shift);
}

void TQuillColGrid::KeyPress(char32_t& Key)
{
    if (Key == U'\r') {
        Key = 0;
        return;
    }
    TQuillStringGrid::KeyPress(Key);
}

void TQuillColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    TQuillStringGrid::MouseDown(Button, Shift, X, Y);
    // The edit keeps the keyboard while the list is open.
    if (FQuillDropDown && Focused() && FQuillDropDown->CanFocus()) FQuillDropDown->SetFocus();
}

void TQuillColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TQuillStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    if (row >= FixedRows() && col >= 0 && !HasCheckBox(RealColIndex(col), row)) DoSelect();
}

bool TQuillColGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const rtl::ScopeExit done([this] { FMouseWheelSelection = false; });
    return TQuillStringGrid::HandleWheelDown(Shift, MousePos);
}

bool TQuillColGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const rtl::ScopeExit done([this] { FMouseWheelSelection = false; });
    return TQuillStringGrid::HandleWheelUp(Shift, MousePos);
}

void TQuillColGrid::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; }

void TQuillColGrid::HandleTopLeftChanged()
{
    TQuillStringGrid::HandleTopLeftChanged();
    if (FQuillDropDown) FQuillDropDown->DoGridTopLeftChanged(FQuillDropDown);
}

void TQuillColGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TQuillStringGrid::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FQuillDropDown) FQuillDropDown = nullptr;
}

} // namespace grideditors
