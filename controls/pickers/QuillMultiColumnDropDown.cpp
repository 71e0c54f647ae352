#include "controls/pickers/QuillMultiColumnDropDown.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "controls/dropdown/DropDownDrawing.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/QuillEditInput.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/VirtualKeys.h"

namespace controls {

// ---- Columns and items

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), FFont(std::make_unique<TFont>())
{
}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::SetFont(const TFont& Value) { FFont->Assign(&Value); }

void TDropDownColumn::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TDropDownColumn*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    Width = s->Width;
    Color = s->Color;
    Alignment = s->Alignment;
    Ellipsis = s->Ellipsis;
    FFont->Assign(s->FFont.get());
    ColumnType = s->ColumnType;
    Header = s->Header;
    Wordwrap = s->Wordwrap;
    AutoSize = s->AutoSize;
}

TDropDownItem::TDropDownItem(TCollection* Collection)
    : TCollectionItem(Collection), FText(std::make_unique<TStringList>())
{
}

TDropDownItem::~TDropDownItem() = default;

void TDropDownItem::SetText(const TStrings& Value) { FText->Assign(&Value); }

bool TDropDownItem::TextAt(int Column, std::string& Value) const
{
    if (Column < 0 || Column >= FText->Count()) return false;
    Value = FText->Strings(Column);
    return true;
}

void TDropDownItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TDropDownItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    ImageIndex = s->ImageIndex;
    FText->Assign(s->FText.get());
}

int TDropDownItems::IndexInColumn(int Column, const std::string& Value) const
{
    std::string text;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->TextAt(Column, text) && text == Value) return i;
    return -1;
}

// ---- The list grid

TQuillColGrid::TQuillColGrid(TComponent* AOwner)
    : TStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>())
{
    SetFixedRows(1);
    SetFixedCols(0);
    SetOptions(TGridOptions{goHorzLine, goRowSelect});
    SetDefaultDrawing(false);
    TCustomGrid::SetGridLineWidth(0);
}

TQuillColGrid::~TQuillColGrid() = default;

void TQuillColGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    TCustomGrid::SetGridLineWidth(0);
    Invalidate();
}

void TQuillColGrid::DoSelect()
{
    if (OnSelect) OnSelect(this);
}

void TQuillColGrid::HandleDrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TQuillMultiColumnDropDown* drop = FQuillDropDown;
    TCanvas& c = *Canvas();
    if (drop && drop->OnDropDownDrawItem) {
        drop->OnDropDownDrawItem(drop, ACol, ARow, c, ARect);
        return;
    }
    TRect r{ARect.Left, ARect.Top, ARect.Left + ColWidths(ACol), ARect.Top + RowHeights(ARow)};
    std::string text = Cells(ACol, ARow);
    TColor background = Color();
    TAlignment alignment = taLeftJustify;
    bool wrap = false, ellipsis = false;
    int image = -1;
    const bool column = ACol < FColumns->Count();
    const int items = drop ? drop->Items().Count() : 0;
    if (column) {
        const TDropDownColumn& col = *FColumns->Items(ACol);
        background = col.Color;
        alignment = col.Alignment;
        wrap = col.Wordwrap;
        ellipsis = col.Ellipsis;
        c.Font()->Assign(&col.Font());
        if (ARow >= 1 && ARow - 1 < items) {
            const TDropDownItem& item = *drop->Items().Items(ARow - 1);
            if (col.ColumnType == ctImage) image = item.ImageIndex;
            item.TextAt(ACol, text);
        }
    } else c.Font()->Assign(FHeaderFont.get());
    if (drop && drop->OnDropDownGetItemText) drop->OnDropDownGetItemText(drop, ACol, ARow, text);
    const bool header = ARow < FixedRows();
    const bool selected = !header && ARow == Row();
    if (header) {
        text = column ? FColumns->Items(ACol)->Header : std::string();
        image = -1;
        if (HeaderColor != clNone && HeaderColorTo != clNone) DrawGradient(c, HeaderColor, HeaderColorTo, false, r, 80);
        else {
            c.Brush()->SetColor(HeaderColor == clNone ? Color() : HeaderColor);
            c.FillRect(r);
        }
        c.Font()->Assign(FHeaderFont.get());
    } else if (selected && drop) drop->DrawSelectionBackground(c, r);
    else {
        c.Pen()->SetColor(background);
        c.Pen()->SetWidth(1);
        c.Brush()->SetColor(background);
        c.Rectangle(r);
    }
    // Lines.
    const int k = header ? 1 : (FGridLineWidth + 1) / 2;
    if (header || FGridLineWidth > 0) {
        c.Pen()->SetColor(header ? FixedLineColor : LineColor);
        c.Pen()->SetWidth(header ? 1 : FGridLineWidth);
        const TGridOptions o = Options();
        if ((header && o.Contains(goFixedHorzLine)) || (!header && o.Contains(goHorzLine))) {
            c.MoveTo(r.Left - k + 1, r.Bottom - k);
            c.LineTo(r.Right - k + 1, r.Bottom - k);
        }
        if ((header && o.Contains(goFixedVertLine)) || (!header && o.Contains(goVertLine))) {
            c.MoveTo(r.Right - k, r.Bottom - k);
            c.LineTo(r.Right - k, r.Top - k);
        }
    }
    r = {r.Left + FGridLineWidth, r.Top + FGridLineWidth, r.Right - FGridLineWidth, r.Bottom - FGridLineWidth};
    int textLeft = r.Left + 2;
    if (Images && image >= 0) {
        const int top = Images->Height() < r.Height() ? r.Top + (r.Height() - Images->Height()) / 2 : r.Top;
        Images->Draw(&c, r.Left + 2, top, image);
        textLeft = r.Left + Images->Width() + 4;
    }
    if (text.empty()) return;
    if (selected) c.Font()->SetColor(drop ? drop->SelectionTextColor : clHighlightText);
    c.Brush()->SetStyle(bsClear);
    unsigned flags = DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS | (wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
    flags |= alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
    if (ellipsis) flags |= DT_END_ELLIPSIS;
    TRect t{textLeft, r.Top, r.Right, r.Bottom};
    DrawText(c.Handle(), text, t, flags);
}

bool TQuillColGrid::HandleSelectCell(int ACol, int ARow)
{
    const bool allowed = TStringGrid::HandleSelectCell(ACol, ARow);
    if (allowed && OnRowChanged && !FMouseWheelSelection) OnRowChanged(ARow);
    return allowed;
}

void TQuillColGrid::KeyDown(unsigned short& Key, TShiftState Shift)
{
    FConfirmSelection = true;
    if (Key == VK_TAB) {
        Key = 0;
        return;
    }
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN) && FQuillDropDown) {
        FQuillDropDown->Perform(WM_KEYDOWN, Key, 0);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN) {
        DoSelect();
        Key = 0;
        return;
    }
    TStringGrid::KeyDown(Key, Shift);
}

void TQuillColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FConfirmSelection = true;
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TQuillColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TStringGrid::MouseUp(Button, Shift, X, Y);
    int col = 0, row = 0;
    MouseToCell(X, Y, col, row);
    if (row >= FixedRows()) DoSelect();
}

bool TQuillColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool done = TStringGrid::DoMouseWheelDown(Shift, MousePos);
    FMouseWheelSelection = false;
    return done;
}

bool TQuillColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    FMouseWheelSelection = true;
    FConfirmSelection = false;
    const bool done = TStringGrid::DoMouseWheelUp(Shift, MousePos);
    FMouseWheelSelection = false;
    return done;
}

void TQuillColGrid::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB; }

void TQuillColGrid::AutoSizeColumns()
{
    if (!FQuillDropDown || Parent() != FQuillDropDown->DropDownForm()) return;
    TCanvas& c = *Canvas();
    const TDropDownItems& items = FQuillDropDown->Items();
    for (int i = 0; i < FColumns->Count(); ++i) {
        TDropDownColumn& col = *FColumns->Items(i);
        if (!col.AutoSize) continue;
        c.Font()->Assign(&col.Font());
        int widest = 0;
        for (int r = 0; r < items.Count(); ++r) {
            const TDropDownItem& item = *items.Items(r);
            std::string text;
            const bool has = item.TextAt(i, text);
            int w = 0;
            if (col.ColumnType == ctImage && has && item.ImageIndex >= 0 && Images) w += Images->Width() + 4;
            if (!text.empty()) {
                TRect box{0, 0, 1000, 500};
                DrawText(c.Handle(), text, box, DT_CALCRECT | DT_SINGLELINE);
                w += box.Width() + 6;
            }
            widest = std::max(widest, w);
        }
        col.Width = widest;
        if (i < ColCount()) SetColWidths(i, widest);
    }
}

void TQuillColGrid::AutoSizeRows()
{
    if (!FQuillDropDown || Parent() != FQuillDropDown->DropDownForm()) return;
    bool any = false;
    for (int i = 0; i < FColumns->Count(); ++i) any = any || FColumns->Items(i)->Wordwrap;
    if (!any) return;
    TCanvas& c = *Canvas();
    const TDropDownItems& items = FQuillDropDown->Items();
    for (int r = 0; r < items.Count(); ++r) {
        int height = 24;
        const TDropDownItem& item = *items.Items(r);
        for (int i = 0; i < FColumns->Count(); ++i) {
            const TDropDownColumn& col = *FColumns->Items(i);
            if (!col.Wordwrap) continue;
            std::string text;
            const bool has = item.TextAt(i, text);
            int h = 0;
            if (col.ColumnType == ctImage && has && item.ImageIndex >= 0 && Images) h = Images->Height() + 6;
            if (!text.empty()) {
                c.Font()->Assign(&col.Font());
                TRect box{0, 0, col.Width, 500};
                DrawText(c.Handle(), text, box, DT_CALCRECT | DT_WORDBREAK);
                h = std::max(h, box.Height() + 6);
            }
            height = std::max(height, h);
        }
        if (r + 1 < RowCount()) SetRowHeights(r + 1, height);
    }
}

// ---- The drop-down

TQuillMultiColumnDropDown::TQuillMultiColumnDropDown(TComponent* AOwner)
    : TQuillCustomDropDown(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)),
      FItems(std::make_unique<TDropDownItems>(this)), FLookupItems(std::make_unique<TStringList>()),
      FHeaderFont(std::make_unique<TFont>())
{
    HeaderColorTo = 0x808080;
    HeaderColor = 0xFFFFFF;
    LineColor = 0xC0C0C0;
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    CreateDropDownForm();
    SetSelectionColorStyle(scOffice2007);
    SelectionTextColor = clBlack;
}

TQuillMultiColumnDropDown::~TQuillMultiColumnDropDown() = default;

void TQuillMultiColumnDropDown::SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(&Value); }

std::string TQuillMultiColumnDropDown::LookupText(int Index) const
{
    std::string text;
    if (Index >= 0 && Index < FItems->Count() && FLookupColumn >= 0) FItems->Items(Index)->TextAt(FLookupColumn, text);
    return text;
}

void TQuillMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    ApplyText(Value < 0 ? std::string() : LookupText(Value));
}

int TQuillMultiColumnDropDown::GetItemIndex(const std::string& Value) const
{
    if (FLookupColumn < 0) return -1;
    return FItems->IndexInColumn(FLookupColumn, Value);
}

void TQuillMultiColumnDropDown::RebuildLookupList()
{
    if (FLookupColumn < 0 || FItems->Count() == 0) return;
    FLookupItems->Clear();
    for (int i = 0; i < FItems->Count(); ++i) FLookupItems->Add(LookupText(i));
}

void TQuillMultiColumnDropDown::Loaded()
{
    TQuillCustomDropDown::Loaded();
    RebuildLookupList();
}

void TQuillMultiColumnDropDown::Assign(const TPersistent* Source)
{
    TQuillCustomDropDown::Assign(Source);
    const auto* s = dynamic_cast<const TQuillMultiColumnDropDown*>(Source);
    if (!s) return;
    CaseSensitive = s->CaseSensitive;
    DropDownAutoWidth = s->DropDownAutoWidth;
    DropDownRowHeight = s->DropDownRowHeight;
    LineColor = s->LineColor;
    FixedLineColor = s->FixedLineColor;
    ColumnSizing = s->ColumnSizing;
    ColumnSizeWithDropDown = s->ColumnSizeWithDropDown;
    FColumns->Assign(s->FColumns.get());
    HeaderColor = s->HeaderColor;
    HeaderColorTo = s->HeaderColorTo;
    HeaderHeight = s->HeaderHeight;
    FHeaderFont->Assign(s->FHeaderFont.get());
    FLookupColumn = s->FLookupColumn;
    SelectionTextColor = s->SelectionTextColor;
    FItems->Assign(s->FItems.get());
    SetItemIndex(s->FItemIndex);
}

// ---- Stepping

void TQuillMultiColumnDropDown::StepTo(int Index)
{
    if (FItems->Count() == 0) return;
    SetItemIndex(std::clamp(Index, 0, FItems->Count() - 1));
}

void TQuillMultiColumnDropDown::SelectFirst() { StepTo(0); }
void TQuillMultiColumnDropDown::SelectLast() { StepTo(FItems->Count() - 1); }
void TQuillMultiColumnDropDown::SelectNext() { StepTo(FItemIndex < 0 ? 0 : FItemIndex + 1); }
void TQuillMultiColumnDropDown::SelectPrevious() { StepTo(FItemIndex < 0 ? 0 : FItemIndex - 1); }
void TQuillMultiColumnDropDown::SelectNextPage() { StepTo(FItemIndex < 0 ? 0 : FItemIndex + 10); }
void TQuillMultiColumnDropDown::SelectPreviousPage() { StepTo(FItemIndex < 0 ? 0 : FItemIndex - 10); }

// ---- The popup

void TQuillMultiColumnDropDown::CreateDropDownForm()
{
    TQuillCustomDropDown::CreateDropDownForm();
    if (FQuillColGrid) return;
    FQuillColGrid = new TQuillColGrid(this);
    FQuillColGrid->SetParent(DropDownForm());
    FQuillColGrid->SetDropDown(this);
    FQuillColGrid->SetBounds(0, 0, Width(), 180);
    FQuillColGrid->SetColor(DropDownColor());
}

void TQuillMultiColumnDropDown::LoadGrid()
{
    TQuillColGrid& g = *FQuillColGrid;
    g.FColumns->Assign(FColumns.get());
    g.SetColCount(std::max(1, FColumns->Count()));
    g.SetRowCount(FItems->Count() + 1);
    if (g.RowCount() > 1) {
        g.SetFixedRows(1);
        g.SetRow(1);
    }
    for (int i = 0; i < FColumns->Count(); ++i) g.SetColWidths(i, FColumns->Items(i)->Width);
    g.LineColor = LineColor;
    g.FixedLineColor = FixedLineColor;
    g.HeaderColor = HeaderColor;
    g.HeaderColorTo = HeaderColorTo;
    g.HeaderHeight = HeaderHeight;
    g.FHeaderFont->Assign(FHeaderFont.get());
    g.Images = Images();
    g.SetDefaultRowHeight(DropDownRowHeight);
    g.SetRowHeights(0, HeaderHeight);
    TGridOptions options = g.Options();
    if (ColumnSizing) options.Include(goColSizing);
    else options.Exclude(goColSizing);
    options.Include(goThumbTracking);
    g.SetOptions(options);
    g.AutoSizeColumns();
    g.AutoSizeRows();
}

void TQuillMultiColumnDropDown::BeforeDropDown()
{
    TQuillCustomDropDown::BeforeDropDown();
    DropDownForm()->SetCancelOnDeActivate(false);
    FShowing = true;
    LoadGrid();
    TQuillColGrid& g = *FQuillColGrid;
    g.SetColor(DropDownColor());
    g.OnRowChanged = [this](int Row) { HandleGridSelectCell(Row); };
    g.OnSelect = [this](TObject*) { HandleGridSelect(); };
    g.FConfirmSelection = false;
    if (g.RowCount() > 1) g.SetRow(std::max(FItemIndex + 1, 1));
    FOldItemIndex = FItemIndex;
}

void TQuillMultiColumnDropDown::PlaceDropDownControl()
{
    SetDropDownControl(FQuillColGrid);
    TQuillCustomDropDown::PlaceDropDownControl();
}

void TQuillMultiColumnDropDown::AdaptDropDownSize(int& Width, int& Height)
{
    TQuillCustomDropDown::AdaptDropDownSize(Width, Height);
    if (!DropDownAutoWidth) return;
    TQuillColGrid& g = *FQuillColGrid;
    int w = 0;
    for (int i = 0; i < FColumns->Count(); ++i) w += FColumns->Items(i)->Width;
    if (g.VisibleRowCount() < g.RowCount() - g.FixedRows()) w += GetSystemMetrics(SM_CXVSCROLL);
    g.SetAlign(alNone);
    g.SetWidth(w);
    Width = w + 2 * DropDownBorderWidth();
    g.SetAlign(alClient);
}

void TQuillMultiColumnDropDown::DoShowDropDown()
{
    TQuillCustomDropDown::DoShowDropDown();
    if (!DroppedDown()) {
        FShowing = false;
        return;
    }
    SizeColumnsToDropDown();
    TQuillColGrid& g = *FQuillColGrid;
    if (g.RowCount() > 1) {
        const int row = FItemIndex < 0 ? 1 : FItemIndex + 1;
        g.SetRow(row);
        const int visible = g.VisibleRowCount();
        if (row >= g.TopRow() + visible) g.SetTopRow(std::max(1, row - visible + 1));
    }
    FShowing = false;
}

void TQuillMultiColumnDropDown::DoHideDropDown(bool Cancel)
{
    if (!DroppedDown()) {
        TQuillCustomDropDown::DoHideDropDown(Cancel);
        return;
    }
    TQuillCustomDropDown::DoHideDropDown(Cancel);
    if (Cancel) SetItemIndex(FOldItemIndex);
    else if (FQuillColGrid->FConfirmSelection) SetItemIndex(FQuillColGrid->Row() - 1);
    FOldItemIndex = FItemIndex;
}

std::vector<int> TQuillMultiColumnDropDown::ScaledWidths(const std::vector<int>& Widths, int Available)
{
    int total = 1;
    for (int w : Widths) total += w;
    const double ratio = static_cast<double>(Available) / total;
    double e = 0;
    std::vector<int> out;
    for (int w : Widths) {
        const double x = w * ratio;
        const double r = std::nearbyint(x);
        e += x - r;
        if (e > 1) {
            out.push_back(static_cast<int>(r) + 1);
            e -= 1;
        } else out.push_back(static_cast<int>(r));
    }
    return out;
}

void TQuillMultiColumnDropDown::SizeColumnsToDropDown()
{
    if (!ColumnSizeWithDropDown || FColumns->Count() == 0) return;
    TQuillColGrid& g = *FQuillColGrid;
    g.SetScrollBars(ssVertical);
    std::vector<int> widths;
    for (int i = 0; i < FColumns->Count(); ++i) widths.push_back(FColumns->Items(i)->Width);
    int available = DropDownForm()->Width();
    if (g.VisibleRowCount() < FItems->Count()) available -= GetSystemMetrics(SM_CXVSCROLL);
    const std::vector<int> scaled = ScaledWidths(widths, available);
    for (int i = 0; i < static_cast<int>(scaled.size()) && i < g.ColCount(); ++i) g.SetColWidths(i, scaled[i]);
}

void TQuillMultiColumnDropDown::FormSizing()
{
    TQuillCustomDropDown::FormSizing();
    SizeColumnsToDropDown();
}

void TQuillMultiColumnDropDown::HandleGridSelectCell(int Row)
{
    if (FShowing) return;
    SetItemIndex(Row - 1);
}

void TQuillMultiColumnDropDown::HandleGridSelect()
{
    if (FQuillColGrid->FConfirmSelection) SetItemIndex(FQuillColGrid->Row() - 1);
    DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TQuillMultiColumnDropDown::SelectionWheelDown() { SelectNext(); }
void TQuillMultiColumnDropDown::SelectionWheelUp() { SelectPrevious(); }

bool TQuillMultiColumnDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (DroppedDown()) return TQuillCustomDropDown::DoMouseWheelDown(Shift, MousePos);
    SelectNext();
    return true;
}

bool TQuillMultiColumnDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (DroppedDown()) return TQuillCustomDropDown::DoMouseWheelUp(Shift, MousePos);
    SelectPrevious();
    return true;
}

// ---- Keys of the open list

void TQuillMultiColumnDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift)
{
    const bool inGrid = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (inGrid && !Shift.Contains(ssAlt)) return;
    TQuillCustomDropDown::ControlKeyDown(Key, Shift);
}

void TQuillMultiColumnDropDown::ControlKeyUp(unsigned short& Key, TShiftState Shift)
{
    const bool inGrid = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (inGrid && !Shift.Contains(ssAlt)) return;
    TQuillCustomDropDown::ControlKeyUp(Key, Shift);
}

std::string TQuillMultiColumnDropDown::Upper(const std::string& Text, bool KeepCase) const
{
    return KeepCase ? Text : AnsiUpperCase(Text);
}

int TQuillMultiColumnDropDown::FindLookupItem(const std::string& Entry)
{
    const std::string key = Upper(Entry, CaseSensitive);
    if (key.empty()) return -1;
    for (int i = 0; i < FItems->Count(); ++i) {
        std::string text;
        if (FLookupColumn < 0 || !FItems->Items(i)->TextAt(FLookupColumn, text)) continue;
        if (Upper(text, CaseSensitive).rfind(key, 0) == 0) {
            FItemIndex = i;
            SetRawText(text);
            SetSelStart(static_cast<int>(rtl::Utf8Length(Entry)));
            SetSelLength(static_cast<int>(rtl::Utf8Length(text) - rtl::Utf8Length(Entry)));
            return i;
        }
    }
    return -1;
}

int TQuillMultiColumnDropDown::LookupKey(char32_t Ch)
{
    if (Ch == 8) {
        if (SelLength() == 0) {
            std::u32string e = ToU32(FLookupEntry);
            if (!e.empty()) e.pop_back();
            FLookupEntry = ToUtf8(e);
            SetRawText(FLookupEntry);
        } else {
            std::u32string t = ToU32(Text());
            t.erase(static_cast<std::size_t>(SelStart()), static_cast<std::size_t>(SelLength()));
            SetRawText(ToUtf8(t));
        }
        SetSelStart(static_cast<int>(rtl::Utf8Length(Text())));
        return -1;
    }
    if (Ch != U'\t') FLookupEntry += ToUtf8(std::u32string(1, Ch));
    if (int found = FindLookupItem(FLookupEntry); found >= 0) return found;
    // Not found: the search starts again with the typed character alone.
    const std::string single = ToUtf8(std::u32string(1, Ch));
    if (int found = FindLookupItem(single); found >= 0) {
        FLookupEntry = single;
        return found;
    }
    FLookupEntry.clear();
    return -1;
}

void TQuillMultiColumnDropDown::ControlKeyPress(char32_t& Key)
{
    if ((Key == U'\r' || Key == 27) && GetKeyState(VK_MENU) >= 0) {
        FLookupEntry.clear();
        return;
    }
    const int found = LookupKey(Key);
    if (found == -1) {
        FLookupEntry.clear();
        return;
    }
    TQuillColGrid& g = *FQuillColGrid;
    int p = found + g.FixedRows();
    if (p < g.TopRow() || p > g.TopRow() + g.VisibleRowCount()) g.SetTopRow(p);
    FShowing = true;  // the edit already shows the found text
    g.SetRow(p);
    g.SetCol(0);
    FShowing = false;
    g.FConfirmSelection = true;
}

// ---- Keys of the edit

void TQuillMultiColumnDropDown::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if (DroppedDown() && !Shift.Contains(ssAlt)) {
        // The edit keeps the focus while the list is open: the list's keys
        // move its row.
        TQuillColGrid& g = *FQuillColGrid;
        const int rows = g.RowCount() - 1;
        int row = g.Row();
        switch (Key) {
        case VK_UP: row = std::max(1, row - 1); break;
        case VK_DOWN: row = std::min(rows, row + 1); break;
        case VK_PRIOR: row = std::max(1, row - 10); break;
        case VK_NEXT: row = std::min(rows, row + 10); break;
        default: row = -1; break;
        }
        if (row >= 1) {
            g.FConfirmSelection = true;
            g.SetRow(row);
            Key = 0;
            return;
        }
    }
    if (FLookupColumn >= 0 && FItems->Count() > 0) {
        if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) workmode = false;
        else if (Key != VK_RETURN) workmode = true;
        if (Key == VK_RETURN && !DroppedDown()) {
            const std::string text = Text();
            for (int i = 0; i < FLookupItems->Count(); ++i)
                if (AnsiUpperCase(FLookupItems->Strings(i)) == AnsiUpperCase(text)) {
                    SetItemIndex(i);
                    break;
                }
            if (ReturnIsTab()) {
                Key = 0;
                if (TCustomForm* form = GetParentForm()) form->Perform(WM_NEXTDLGCTL, 0, 0);
                return;
            }
        }
    }
    const unsigned short key = Key;
    TQuillCustomDropDown::KeyDown(Key, Shift);
    if (key == VK_ESCAPE && !DroppedDown() && FLookupColumn >= 0 && FItems->Count() > 0)
        FItemIndex = FLookupItems->IndexOf(Text());
    if (DroppedDown() || !IsEnabledWithParents() || Shift.Contains(ssAlt) || Key == 0) return;
    switch (key) {
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_END:
        if (!EditorEnabled()) SelectLast();
        break;
    case VK_HOME:
        if (!EditorEnabled()) SelectFirst();
        break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    default: return;
    }
    Key = 0;
}

void TQuillMultiColumnDropDown::KeyUp(unsigned short& Key, TShiftState Shift)
{
    if (!(Key == VK_RETURN && ReturnIsTab())) TQuillCustomDropDown::KeyUp(Key, Shift);
    if (!FItemChange) return;
    FItemChange = false;
    const int sel = FItemSel;
    SetItemIndex(FItemIdx);
    SetSelStart(sel);
    SetSelLength(static_cast<int>(rtl::Utf8Length(Text())) - sel);
}

void TQuillMultiColumnDropDown::KeyPress(char32_t& Key)
{
    if (Key == U'\r' && ReturnIsTab()) {
        Key = 0;
        return;
    }
    TQuillCustomDropDown::KeyPress(Key);
}

void TQuillMultiColumnDropDown::WMChar(TMessage& Message)
{
    if (DroppedDown()) {
        // Typed on the open list: the list's incremental search.
        auto key = static_cast<char32_t>(Message.WParam);
        ControlKeyPress(key);
        return;
    }
    TQuillCustomDropDown::WMChar(Message);
}

void TQuillMultiColumnDropDown::Change()
{
    FItemChange = false;
    TQuillCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || FCompleting) return;
    if (workmode) SetModified(!Text().empty());
    if (!workmode || FLookupColumn < 0) return;
    const std::string text = Text();
    const int caret = std::max(0, SelStart() - static_cast<int>(rtl::Utf8Length(Prefix())));
    const std::string typed = rtl::Utf8Copy(text, 1, caret);
    const std::string key = Upper(typed, MatchCase);
    if (typed.empty()) return;
    for (int i = 0; i < FLookupItems->Count(); ++i) {
        const std::string entry = FLookupItems->Strings(i);
        if (Upper(entry, MatchCase).rfind(key, 0) != 0) continue;
        const int typedLength = static_cast<int>(rtl::Utf8Length(typed));
        const std::string completed = typed + rtl::Utf8Copy(entry, typedLength + 1, 255);
        FCompleting = true;
        SetRawText(completed);
        FCompleting = false;
        FItemIndex = FItemIdx = i;
        FItemSel = typedLength;
        FItemChange = true;
        SetSelStart(typedLength);
        SetSelLength(static_cast<int>(rtl::Utf8Length(completed)) - typedLength);
        return;
    }
    FCompleting = true;
    SetRawText(typed);
    FCompleting = false;
    SetSelStart(static_cast<int>(rtl::Utf8Length(typed)));
}

// ---- Styles

void TQuillMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    if (Value == scOffice2007) {
        LineColor = 0xF1EDEB;
        FixedLineColor = 0xD1BBA4;
    } else if (Value == scWindowsVista || Value == scWindows7) {
        LineColor = 0xECECF0;
        FixedLineColor = 0xD4D2D1;
    }
    TQuillCustomDropDown::SetSelectionColorStyle(Value);
}

namespace {

constexpr TColor Same = TColor(0x7FFFFFFF);

struct TListStyle {
    TQORStyle Style;
    TColor Header, HeaderTo;
    int SelectionStyle;  // -1: unchanged
    TColor HeaderFont, SelectionText, Line, FixedLine, Selection;
};

constexpr std::array<TListStyle, 15> ListStyles{{
    {tsOffice2003Blue, 0xD68759, 0x933803, scOffice2007, 0xFFFFFF, clBlack, 0x962D00, 0x962D00, Same},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, scOffice2007, Same, clBlack, 0x947C7C, 0x947C7C, Same},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, scOffice2007, Same, clBlack, 0x588060, 0x588060, Same},
    {tsOffice2003Classic, 0x808080, 0x808080, scOffice2007, Same, clBlack, 0x808080, 0x808080, Same},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, scOffice2007, 0x723708, clBlack, 0xFFD2AF, 0xFFD2AF, Same},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, scOffice2007, 0x433C37, clBlack, 0x5C534C, 0x5C534C, Same},
    {tsWindowsXP, clBtnFace, clBtnFace, scCustom, clBlack, clHighlightText, 0xC0C0C0, clBlack, clHighlight},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, scOffice2007, 0xFFFFFF, clBlack, 0x962D00, 0x962D00, Same},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, scOffice2007, 0x8B4215, clBlack, 0x74706F, 0x74706F, Same},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, scWindowsVista, clBlack, clBlack, 0xFCF2DA, 0xFCF2DA, Same},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, scWindows7, clBlack, clBlack, 0xFBD6B8, 0xFBD6B8, Same},
    {tsTerminal, clBtnFace, clBtnFace, scCustom, clBlack, clHighlightText, 0x808080, 0x808080, clHighlight},
    {tsOffice2010Blue, 0xEDDBCD, clNone, scCustom, 0x5B391E, clBlack, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF},
    {tsOffice2010Silver, 0xEDE9E5, clNone, scCustom, 0x5B391E, clBlack, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF},
    {tsOffice2010Black, 0x828282, clNone, scCustom, 0xD7D7D6, clBlack, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF},
}};

} // namespace

void TQuillMultiColumnDropDown::SetComponentStyle(TQORStyle AStyle)
{
    TQuillCustomDropDown::SetComponentStyle(AStyle);
    for (const TListStyle& s : ListStyles) {
        if (s.Style != AStyle) continue;
        HeaderColor = s.Header;
        HeaderColorTo = s.HeaderTo;
        SetSelectionColorStyle(static_cast<TSelectionColorStyle>(s.SelectionStyle));
        if (s.HeaderFont != Same && FHeaderFont) FHeaderFont->SetColor(s.HeaderFont);
        SelectionTextColor = s.SelectionText;
        LineColor = s.Line;
        FixedLineColor = s.FixedLine;
        if (s.Selection != Same) {
            SetSelectionColor(s.Selection);
            SetSelectionColorTo(s.Selection);
        }
    }
}

} // namespace controls
