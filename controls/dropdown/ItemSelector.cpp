#include "controls/dropdown/ItemSelector.h"

#include <algorithm>

#include "grid/base/QuillUtilPaint.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Application.h"
#include "render/HTMLUtils.h"

namespace controls {

// ---- TItemAppearance

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetName("Tahoma");
    SetColorStyle(scOffice2007);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value)
{
    if (Value == FColorStyle) return;
    FColorStyle = Value;
    struct TPreset {
        TColor Hot, HotTo, MirrorHot, MirrorHotTo, BorderTop, BorderBottom, Border, Edge, Selected, SelectedTo,
            MirrorSelected, MirrorSelectedTo;
    };
    static constexpr TPreset presets[] = {
        {}, // scCustom keeps the colours
        {TColor(0xD7FFFD), TColor(0x58D4FC), TColor(0x58D4FC), TColor(0xB3F1FC), TColor(0xF4FEFF), TColor(0xCAF8FF),
         TColor(0x8DD7D3), TColor(0xC3D9DF), TColor(0xA6FFFB), TColor(0x04B9F4), TColor(0x15C1FB), TColor(0x68E3F9)},
        {TColor(0xFDF8F1), TColor(0xFCEFD5), clNone, clNone, TColor(0xFDFBF6), TColor(0xFDF5E7), TColor(0xFDDE99),
         TColor(0xFCEDCB), TColor(0xFAEEDE), TColor(0xFAE3B4), clNone, clNone},
        {TColor(0xFCEBDC), TColor(0xFCDBC1), clNone, clNone, TColor(0xFDF4EB), TColor(0xFDEADB), TColor(0xCEA27D),
         TColor(0xE0C5AE), TColor(0xF9D8B9), TColor(0xFBCAA2), clNone, clNone},
    };
    if (Value == scCustom) return;
    const TPreset& p = presets[Value];
    ColorHot = p.Hot;
    ColorHotTo = p.HotTo;
    ColorMirrorHot = p.MirrorHot;
    ColorMirrorHotTo = p.MirrorHotTo;
    BorderColorTop = p.BorderTop;
    BorderColorBottom = p.BorderBottom;
    BorderColor = p.Border;
    EdgeColor = p.Edge;
    ColorSelected = p.Selected;
    ColorSelectedTo = p.SelectedTo;
    ColorMirrorSelected = p.MirrorSelected;
    ColorMirrorSelectedTo = p.MirrorSelectedTo;
}

void TItemAppearance::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TItemAppearance*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    ColorMirrorHotTo = s->ColorMirrorHotTo;
    BorderColor = s->BorderColor;
    ColorMirrorHot = s->ColorMirrorHot;
    ColorSelectedTo = s->ColorSelectedTo;
    ColorSelected = s->ColorSelected;
    EdgeColor = s->EdgeColor;
    ColorHotTo = s->ColorHotTo;
    BorderColorBottom = s->BorderColorBottom;
    ColorHot = s->ColorHot;
    BorderColorTop = s->BorderColorTop;
    ColorMirrorSelectedTo = s->ColorMirrorSelectedTo;
    ColorMirrorSelected = s->ColorMirrorSelected;
    FFont->Assign(s->FFont.get());
    SetColorStyle(s->FColorStyle);
    ColorSelectedText = s->ColorSelectedText;
    ColorHotText = s->ColorHotText;
    BorderColorHot = s->BorderColorHot;
    BorderColorSelected = s->BorderColorSelected;
}

// ---- Items

TSelectorItem::TSelectorItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>())
{
}

void TSelectorItem::Notify()
{
    if (auto* items = dynamic_cast<TSelectorItems*>(Collection())) items->NotifyChange();
}

void TSelectorItem::SetCaption(const std::string& Value)
{
    if (Value == FCaption) return;
    FCaption = Value;
    Notify();
}

void TSelectorItem::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    Notify();
}

void TSelectorItem::SetImageIndex(int Value)
{
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Notify();
}

void TSelectorItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TSelectorItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetColor(s->FColor);
    SetImageIndex(s->FImageIndex);
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FHint = s->FHint;
}

TSelectorItems::TSelectorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TSelectorItem>()) {}

void TSelectorItems::NotifyChange()
{
    if (OnChange) OnChange(this);
}

// ---- The panel

namespace {

bool HasPicture(const TSelectorItem& item) { return item.Image().Graphic() && !item.Image().Graphic()->Empty(); }

// The box an item shows: its colour box, its picture or its image-list image.
TSize BoxSize(const TQuillCustomItemSelector& host, const TSelectorItem& item)
{
    if (host.SelectorType() == stColor) return {host.ColorBoxWidth(), host.ColorBoxHeight()};
    if (HasPicture(item)) return {item.Image().Width(), item.Image().Height()};
    if (host.Images() && item.ImageIndex() >= 0) return {host.Images()->Width(), host.Images()->Height()};
    return {0, 0};
}

} // namespace

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControl(AOwner), FQuillItemSelector([AOwner]() -> TQuillCustomItemSelector& {
          auto* host = dynamic_cast<TQuillCustomItemSelector*>(AOwner);
          if (!host) throw Exception("Invalid parent");
          return *host;
      }())
{
    SetParentColor(true);
}

int TCustomItemSelector::Columns() const { return FQuillItemSelector.Columns(); }
TSelectorItems& TCustomItemSelector::Items() const { return FQuillItemSelector.Items(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FQuillItemSelector.SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FQuillItemSelector.ItemLayout(); }
const TImageList* TCustomItemSelector::Images() const { return FQuillItemSelector.Images(); }
int TCustomItemSelector::ColorBoxWidth() const { return FQuillItemSelector.ColorBoxWidth(); }
int TCustomItemSelector::ColorBoxHeight() const { return FQuillItemSelector.ColorBoxHeight(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const
{
    return FQuillItemSelector.ItemAppearance().ColorStyle();
}
TColor TCustomItemSelector::ItemColorHot() const { return FQuillItemSelector.ItemAppearance().ColorHot; }
TColor TCustomItemSelector::ItemColorHotTo() const { return FQuillItemSelector.ItemAppearance().ColorHotTo; }
TColor TCustomItemSelector::ItemColorSelected() const { return FQuillItemSelector.ItemAppearance().ColorSelected; }
TColor TCustomItemSelector::ItemColorSelectedTo() const
{
    return FQuillItemSelector.ItemAppearance().ColorSelectedTo;
}

bool TCustomItemSelector::Selectable(int Index) const
{
    return Index < 0 || Index >= Items().Count() || Items().Items(Index)->Enabled();
}

void TCustomItemSelector::GetItemsRect(TRect& R) const
{
    const TRect c = ClientRect();
    R = {c.Left + FOffSetX, c.Top + FOffSetY, c.Right - FOffSetX, c.Bottom - FOffSetY};
}

void TCustomItemSelector::GetItemSize(TSize& Size)
{
    if (FQuillItemSelector.OnItemSize) {
        FQuillItemSelector.OnItemSize(this, Size);
        return;
    }
    TSize box = SelectorType() == stColor ? TSize{ColorBoxWidth(), ColorBoxHeight()} : TSize{0, 0};
    TSize text{0, 0};
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(&FQuillItemSelector.ItemAppearance().Font());
    for (int i = 0; i < Items().Count(); ++i) {
        const TSelectorItem& item = *Items().Items(i);
        if (SelectorType() == stImage) {
            const TSize b = BoxSize(FQuillItemSelector, item);
            box = {std::max(box.cx, b.cx), std::max(box.cy, b.cy)};
        }
        if (item.Caption().empty()) continue;
        const TSize t = DrawHTMLText(canvas, item.Caption(), {0, 0, 1000, 500}, false, Images());
        text = {std::max(text.cx, t.cx), std::max(text.cy, t.cy)};
    }
    if (text.cx > 0) text.cx += 4;
    if (ItemLayout() == ilCaptionLeft || ItemLayout() == ilCaptionRight) {
        Size.cx = 2 * FItemOffSetX + std::max(0, box.cx) + (box.cx > 0 && text.cx > 0 ? FCaptionGap : 0) +
                  std::max(0, text.cx);
        Size.cy = std::max(text.cy, box.cy) + 2 * FItemOffSetY;
    } else {
        Size.cx = std::max(text.cx, box.cx) + 2 * FItemOffSetX;
        Size.cy = 2 * FItemOffSetY + std::max(0, box.cy) + (box.cy > 0 && text.cy > 0 ? FCaptionGap : 0) +
                  std::max(0, text.cy);
    }
}

void TCustomItemSelector::ArrangeItems()
{
    if (Items().Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize size{0, 0};
    GetItemSize(size);
    TRect r;
    GetItemsRect(r);
    int x = r.Left, y = r.Top, column = 0, maxX = 0;
    const int count = Items().Count();
    for (int j = 0; j < count; ++j) {
        Items().Items(j)->FRect = {x, y, x + size.cx, y + size.cy};
        ++column;
        if (j == count - 1) break;
        if (column < Columns()) {
            x += size.cx;
        } else {
            maxX = std::max(maxX, x);
            x = r.Left;
            y += size.cy;
            column = 0;
        }
    }
    maxX = std::max(maxX, x);
    SetBounds(Left(), Top(), maxX + size.cx + r.Left, y + size.cy + r.Top);
    Invalidate();
}

TRect TCustomItemSelector::GetItemRect(int Index) const
{
    if (Index < 0 || Index >= Items().Count()) return {-1, -1, -1, -1};
    return Items().Items(Index)->Rect();
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < Items().Count(); ++i)
        if (Items().Items(i)->Rect().Contains({X, Y})) return i;
    return -1;
}

void TCustomItemSelector::InvalidateItem(int Index)
{
    if (Index < 0 || Index >= Items().Count()) return;
    const TRect r = Items().Items(Index)->Rect();
    InvalidateRect(&r, true);
}

void TCustomItemSelector::SetItemIndex(int Value)
{
    if (!Selectable(Value)) return;
    if (FItemIndex >= 0 && Value != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (Value < 0) return;
    InvalidateItem(Value);
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int Index)
{
    if (Index == FItemHot || !Selectable(Index)) return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = Index;
    if (Index >= 0) InvalidateItem(Index);
}

void TCustomItemSelector::SelectFirst()
{
    if (Items().Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (Items().Count() > 0) SetItemIndex(Items().Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (Items().Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex + 1 < Items().Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious()
{
    if (Items().Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext()
{
    if (Items().Count() == 0) return;
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot + 1 < Items().Count()) SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious()
{
    if (Items().Count() == 0) return;
    if (FItemHot < 0) SetItemHot(0);
    else if (FItemHot > 0) SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const std::string& S)
{
    if (S.empty()) return false;
    for (int i = 0; i < Items().Count(); ++i) {
        const std::string text = AnsiUpperCase(Trim(StripHTMLMarkup(Items().Items(i)->Caption())));
        if (text.compare(0, S.size(), S) == 0) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    DrawItems(canvas);
}

void TCustomItemSelector::DrawItems(TCanvas& Canvas)
{
    for (int i = 0; i < Items().Count(); ++i) DrawItem(i, Canvas);
}

void TCustomItemSelector::DrawItem(int Index, TCanvas& Canvas)
{
    if (Index < 0 || Index >= Items().Count()) return;
    const TRect cell = Items().Items(Index)->Rect();
    if (cell.Left < 0 && cell.Right < 0) return;
    const TItemAppearance& a = FQuillItemSelector.ItemAppearance();
    TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
    TColor color = clNone, colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    auto take = [&](TColor c, TColor cTo, TColor m, TColor mTo, TColor stateBorder) {
        color = c;
        colorTo = cTo;
        mirror = m;
        mirrorTo = mTo;
        if (stateBorder == clNone) return;
        border = stateBorder;
        top = bottom = edge = clNone;
    };
    const bool hot = Index == FItemHot, selected = Index == FItemIndex;
    if (hot) take(a.ColorHot, a.ColorHotTo, a.ColorMirrorHot, a.ColorMirrorHotTo, a.BorderColorHot);
    if (selected)
        take(a.ColorSelected, a.ColorSelectedTo, a.ColorMirrorSelected, a.ColorMirrorSelectedTo, a.BorderColorSelected);
    if (hot || selected) {
        if (top == clNone) DrawRectangle(Canvas, cell, color, colorTo, gdVertical, border, 1);
        else
            DrawStyledSelection(Canvas, color, colorTo, mirror, mirrorTo, top, bottom, border, edge, Color(), cell, 0);
    } else {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(Color());
        Canvas.FillRect(cell);
    }
    if (FQuillItemSelector.OnDrawItem) {
        FQuillItemSelector.OnDrawItem(this, Canvas, cell, Index);
        return;
    }
    DrawContent(Index, Canvas, cell);
}

void TCustomItemSelector::DrawContent(int Index, TCanvas& Canvas, const TRect& Cell)
{
    const TSelectorItem& item = *Items().Items(Index);
    const TItemAppearance& a = FQuillItemSelector.ItemAppearance();
    const TSize box = BoxSize(FQuillItemSelector, item);
    const int w = box.cx, h = box.cy;
    const TRect c{Cell.Left + FItemOffSetX, Cell.Top + FItemOffSetY, Cell.Right - FItemOffSetX,
                  Cell.Bottom - FItemOffSetY};
    TRect t = c;
    TPoint p{c.Left, c.Top};
    Canvas.Font()->Assign(&a.Font());
    if (Index == FItemHot) Canvas.Font()->SetColor(a.ColorHotText);
    if (Index == FItemIndex) Canvas.Font()->SetColor(a.ColorSelectedText);
    Canvas.Brush()->SetStyle(bsClear);
    const bool colorBox = SelectorType() == stColor;
    auto drawBox = [&] {
        if (colorBox) {
            Canvas.Pen()->SetColor(clBlack);
            Canvas.Brush()->SetStyle(bsSolid);
            Canvas.Brush()->SetColor(item.Color());
            Canvas.Rectangle({p.X, p.Y, p.X + w, p.Y + h});
            Canvas.Brush()->SetStyle(bsClear);
        } else if (HasPicture(item)) {
            Canvas.Draw(p.X, p.Y, item.Image().Graphic());
        } else if (Images() && item.ImageIndex() >= 0) {
            Images()->Draw(&Canvas, p.X, p.Y, item.ImageIndex(), item.Enabled());
        }
    };
    const std::string& caption = item.Caption();
    auto measure = [&](const TRect& r) { return DrawHTMLText(Canvas, caption, r, false, Images()); };
    auto centreText = [&] {
        const TSize size = measure(t);
        if (size.cy < t.Height()) t.Top += (t.Height() - size.cy) / 2;
    };
    const int centredY = c.Top + (c.Height() - h) / 2;
    switch (ItemLayout()) {
    case ilCaptionLeft:
        if (!caption.empty()) {
            t.Right -= w;
            const TSize size = measure(t);
            centreText();
            DrawHTMLText(Canvas, caption, t, true, Images());
            p.X = t.Left + size.cx + FCaptionGap;
        }
        p.Y = colorBox ? c.Top : centredY;
        drawBox();
        break;
    case ilCaptionRight:
        p.Y = colorBox ? c.Top : centredY;
        drawBox();
        if (w > 0) t.Left = c.Left + w + FCaptionGap;
        if (!caption.empty()) {
            centreText();
            DrawHTMLText(Canvas, caption, t, true, Images());
        }
        break;
    case ilCaptionTop:
        if (!caption.empty()) {
            t.Bottom -= h;
            const TSize size = measure(t);
            DrawHTMLText(Canvas, caption, t, true, Images());
            p.Y = t.Top + size.cy + FCaptionGap;
        } else {
            p.Y = centredY;
        }
        p.X = c.Left + (c.Width() - w) / 2;
        drawBox();
        break;
    case ilCaptionBottom:
        if (caption.empty()) p.Y = centredY;
        p.X = c.Left + (c.Width() - w) / 2;
        drawBox();
        if (w > 0 || h > 0) t.Top = p.Y + h + FCaptionGap;
        if (!caption.empty()) DrawHTMLText(Canvas, caption, t, true, Images());
        break;
    }
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0 && Items().Items(i)->Enabled()) SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i < 0) {
        SetItemHot(-1);
        return;
    }
    if (i == FItemHot) return;
    if (!Items().Items(i)->Enabled()) {
        SetItemHot(-1);
        return;
    }
    SetItemHot(i);
    // The item's own hint shows at once.
    SetHint(Items().Items(i)->Hint());
    if (Application) Application->CancelHint();
}

void TCustomItemSelector::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    SetItemHot(-1);
}

// ---- The host

TQuillCustomItemSelector::TQuillCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this))
{
    FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    SetColor(clWindow);
    SetAutoScroll(true);
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TQuillCustomItemSelector::~TQuillCustomItemSelector()
{
    // The panel reads the items while it goes.
    delete FItemSelectorPanel;
    FItemSelectorPanel = nullptr;
}

void TQuillCustomItemSelector::CreateSelectorPanel()
{
    if (FItemSelectorPanel) return;
    FItemSelectorPanel = new TCustomItemSelector(this);
    FItemSelectorPanel->SetParent(this);
    FItemSelectorPanel->OnItemSelect = [this](TObject*) {
        if (OnItemSelect) OnItemSelect(this);
    };
}

void TQuillCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    if (Value == FSelectorType) return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TQuillCustomItemSelector::SetColumns(int Value)
{
    if (Value < 1 || Value == FColumns) return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TQuillCustomItemSelector::SetColorBoxWidth(int Value)
{
    if (Value == FColorBoxWidth) return;
    FColorBoxWidth = Value;
    UpdateSelectorPanel();
}

void TQuillCustomItemSelector::SetColorBoxHeight(int Value)
{
    if (Value == FColorBoxHeight) return;
    FColorBoxHeight = Value;
    UpdateSelectorPanel();
}

void TQuillCustomItemSelector::SetImages(const TImageList* Value)
{
    if (Value == FImages) return;
    FImages = Value;
    UpdateSelectorPanel();
}

void TQuillCustomItemSelector::UpdateSelectorPanel()
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->ArrangeItems();
    UpdateScrollBars();
}

int TQuillCustomItemSelector::ItemIndex() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1; }

void TQuillCustomItemSelector::SetItemIndex(int Value)
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TQuillCustomItemSelector::ItemHot() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1; }

#define VISTRA_SELECT_AND_SCROLL(Name, Which)                                                                  \
    void TQuillCustomItemSelector::Name()                                                                      \
    {                                                                                                          \
        if (!FItemSelectorPanel) return;                                                                       \
        FItemSelectorPanel->Name();                                                                            \
        ScrollItemInView(FItemSelectorPanel->Which());                                                         \
    }
VISTRA_SELECT_AND_SCROLL(SelectFirst, ItemIndex)
VISTRA_SELECT_AND_SCROLL(SelectLast, ItemIndex)
VISTRA_SELECT_AND_SCROLL(SelectNext, ItemIndex)
VISTRA_SELECT_AND_SCROLL(SelectPrevious, ItemIndex)
VISTRA_SELECT_AND_SCROLL(HotNext, ItemHot)
VISTRA_SELECT_AND_SCROLL(HotPrevious, ItemHot)
#undef VISTRA_SELECT_AND_SCROLL

bool TQuillCustomItemSelector::LookupItem(const std::string& S)
{
    return FItemSelectorPanel && FItemSelectorPanel->LookupItem(S);
}

void TQuillCustomItemSelector::ScrollItemInView(int Index)
{
    if (!FItemSelectorPanel || Index < 0 || Index >= FItems->Count() || !VertScrollBar().Visible()) return;
    TRect r = FItemSelectorPanel->GetItemRect(Index);
    const int margin = VertScrollBar().Margin;
    r.Top -= margin;
    r.Bottom += margin;
    // Panel to host coordinates.
    r.Top += FItemSelectorPanel->Top();
    r.Bottom += FItemSelectorPanel->Top();
    const int position = VertScrollBar().Position(), client = ClientHeight();
    if (r.Top < 0) {
        VertScrollBar().SetPosition(position + r.Top);
    } else if (r.Bottom > client) {
        if (r.Height() > client) r.Bottom = client + r.Top;
        VertScrollBar().SetPosition(position + r.Bottom - client);
    }
}

int TQuillCustomItemSelector::GetVisibleItemCount() const
{
    if (!FItemSelectorPanel || FItems->Count() == 0) return 0;
    const int rowHeight = FItems->Items(0)->Rect().Height();
    // Rows of no height: every item counts as visible.
    if (rowHeight <= 0) return FItems->Count();
    const int height = Height() - (HorzScrollBar().Visible() ? 20 : 0);
    return height / rowHeight * FColumns;
}

TSize TQuillCustomItemSelector::GetSelectorPanelSize() const
{
    if (!FItemSelectorPanel) return {100, 50};
    return {FItemSelectorPanel->Width(), FItemSelectorPanel->Height()};
}

void TQuillCustomItemSelector::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

} // namespace controls
