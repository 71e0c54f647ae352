#include "controls/pickers/ColorBoxSelector.h"

#include <algorithm>
#include <array>

#include "platform/graphics/Canvas.h"

namespace controls {

void TColorBoxItem::SetColor(TColor Value)
{
    if (Value == FColor) return;
    FColor = Value;
    if (auto* items = dynamic_cast<TColorBoxItems*>(Collection()); items && items->OnChange) items->OnChange(items);
}

void TColorBoxItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TColorBoxItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetColor(s->FColor);
    FEnabled = s->FEnabled;
    FColorBoxPos = s->FColorBoxPos;
}

void TColorBoxAppearance::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TColorBoxAppearance*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    BorderColor = s->BorderColor;
    OuterBorderColorHot = s->OuterBorderColorHot;
    InnerBorderColorHot = s->InnerBorderColorHot;
    OuterBorderColorSelected = s->OuterBorderColorSelected;
    InnerBorderColorSelected = s->InnerBorderColorSelected;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TQuillCustomColorSelectorPanel(AOwner), FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this))
{
    SetItemColorStyle(scOffice2007);
    SetParentColor(true);
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value)
{
    if (Value == FItemColorStyle) return;
    FItemColorStyle = Value;
    if (Value == scCustom) return;
    TColorBoxAppearance& a = *FColorBoxAppearance;
    a.OuterBorderColorSelected = TColor(0x0000FF);
    a.InnerBorderColorSelected = TColor(0x94E2FF);
    a.OuterBorderColorHot = TColor(0x3694F2);
    a.InnerBorderColorHot = TColor(0x94E2FF);
    a.BorderColor = TColor(0xC5C5C5);
}

#define VISTRA_LAYOUT_SETTER(Name, Field)                                                                      \
    void TCustomColorSelector::Set##Name(int Value)                                                            \
    {                                                                                                          \
        if (Value == Field) return;                                                                            \
        Field = Value;                                                                                         \
        ArrangeBoxes();                                                                                        \
    }
VISTRA_LAYOUT_SETTER(Columns, FColumns)
VISTRA_LAYOUT_SETTER(ColumnGap, FColumnGap)
VISTRA_LAYOUT_SETTER(ColorBoxWidth, FColorBoxWidth)
VISTRA_LAYOUT_SETTER(ColorBoxHeight, FColorBoxHeight)
#undef VISTRA_LAYOUT_SETTER

void TCustomColorSelector::AddDefaultBoxes()
{
    static constexpr std::array<std::array<std::uint32_t, 10>, 6> palette{{
        {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
        {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
        {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
        {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
        {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
        {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
    }};
    static constexpr std::array<TItemPos, 6> rows{ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
    FItems->Clear();
    for (size_t row = 0; row < palette.size(); ++row)
        for (std::uint32_t colour : palette[row]) {
            TColorBoxItem& box = *FItems->Add();
            box.SetColor(TColor(colour));
            box.SetColorBoxPos(rows[row]);
        }
}

void TCustomColorSelector::GetBoxesRect(TRect& R) const
{
    const TRect c = ClientRect();
    R = {c.Left + FOffSetX, c.Top + FOffSetY, c.Right - FOffSetX, c.Bottom - FOffSetY};
}

void TCustomColorSelector::GetBoxSize(TSize& Size) const { Size = {FColorBoxWidth, FColorBoxHeight}; }

void TCustomColorSelector::ArrangeBoxes()
{
    if (FItems->Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize size;
    GetBoxSize(size);
    TRect r;
    GetBoxesRect(r);
    int x = r.Left, y = r.Top, column = 0, maxX = 0;
    bool gap = false;
    const int count = FItems->Count();
    for (int j = 0; j < count; ++j) {
        TColorBoxItem& box = *FItems->Items(j);
        box.FRect = {x, y, x + size.cx, y + size.cy};
        ++column;
        if (j == count - 1) break;
        if (box.ColorBoxPos() == ipStandAlone) gap = true;
        if (column < FColumns) {
            x += size.cx + FColumnGap;
        } else {
            maxX = std::max(maxX, x);
            x = r.Left;
            y += size.cy + (gap ? FColumnGap : 0);
            column = 0;
            gap = false;
        }
    }
    maxX = std::max(maxX, x);
    SetBounds(Left(), Top(), maxX + size.cx + r.Left + 1, y + size.cy + r.Top);
    Invalidate();
}

bool TCustomColorSelector::Refused(int Index) const
{
    return Index >= 0 && Index < FItems->Count() && !FItems->Items(Index)->Enabled();
}

void TCustomColorSelector::SetItemIndex(int Index)
{
    if (Refused(Index)) return;
    if (FItemIndex >= 0 && Index != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateBox(old);
    }
    FItemIndex = Index;
    if (Index < 0) return;
    FSelectedColor = FItems->Items(Index)->Color();
    InvalidateBox(Index);
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int Index)
{
    if (Index == FItemHot || Refused(Index)) return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateBox(old);
    }
    FItemHot = Index;
    if (Index >= 0) InvalidateBox(Index);
}

void TCustomColorSelector::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor) return;
    FSelectedColor = Value;
    if (Value == clNone) SetItemIndex(-1);
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->Color() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TCustomColorSelector::SelectFirstBox()
{
    if (FItems->Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLastBox()
{
    if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNextBox()
{
    if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPreviousBox()
{
    if (FItemIndex >= 0 && FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNextBox()
{
    if (FItemHot + 1 < FItems->Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPreviousBox()
{
    if (FItemHot >= 1) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(unsigned short Key, bool EditorEnabled, bool DroppedDown)
{
    if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN) return;
    const bool locked = !DroppedDown && EditorEnabled;
    auto step = [&](int Delta) {
        const int v = FItemIndex < 0 ? 0 : FItemIndex + Delta;
        if (v >= 0 && v < FItems->Count()) SetItemIndex(v);
    };
    switch (Key) {
    case VK_NEXT: case VK_END: SelectLastBox(); break;
    case VK_PRIOR: case VK_HOME: SelectFirstBox(); break;
    case VK_LEFT:
        if (!locked) SelectPreviousBox();
        break;
    case VK_RIGHT:
        if (!locked) SelectNextBox();
        break;
    case VK_UP:
        if (DroppedDown) step(-FColumns);
        else SelectPreviousBox();
        break;
    case VK_DOWN:
        if (DroppedDown) step(FColumns);
        else SelectNextBox();
        break;
    default: break;
    }
}

TRect TCustomColorSelector::BoxRect(int Index) const
{
    if (Index < 0 || Index >= FItems->Count()) return {-1, -1, -1, -1};
    return FItems->Items(Index)->Rect();
}

int TCustomColorSelector::BoxAtPos(int X, int Y) const
{
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->Rect().Contains({X, Y})) return i;
    return -1;
}

void TCustomColorSelector::InvalidateBox(int Index)
{
    if (Index < 0 || Index >= FItems->Count()) return;
    const TRect r = FItems->Items(Index)->Rect();
    // The bottom strip's right line reaches one pixel lower.
    const TRect dirty{r.Left, r.Top, r.Right + 1, r.Bottom + 2};
    InvalidateRect(&dirty, true);
}

void TCustomColorSelector::DrawBox(int Index, TCanvas& Canvas)
{
    if (Index < 0 || Index >= FItems->Count()) return;
    const TColorBoxItem& box = *FItems->Items(Index);
    TRect r = box.Rect();
    if (r.Left < 0 && r.Right < 0) return;
    const TColorBoxAppearance& a = *FColorBoxAppearance;
    TColor outer = a.BorderColor, inner = clNone;
    bool framed = false;
    if (Index == FItemHot) {
        outer = a.OuterBorderColorHot;
        inner = a.InnerBorderColorHot;
        framed = true;
    }
    if (Index == FItemIndex) {
        outer = a.OuterBorderColorSelected;
        inner = a.InnerBorderColorSelected;
        framed = true;
    }
    if (box.Color() != clNone) {
        Canvas.Pen()->SetColor(box.Color());
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(box.Color());
        Canvas.Rectangle(r);
    }
    if (framed) {
        Canvas.Brush()->SetStyle(bsClear);
        if (outer != clNone) {
            Canvas.Pen()->SetColor(outer);
            Canvas.Rectangle(r);
            r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        }
        if (inner != clNone) {
            Canvas.Pen()->SetColor(inner);
            Canvas.Rectangle(r);
        }
        return;
    }
    Canvas.Pen()->SetColor(outer);
    const int l = r.Left, t = r.Top, rt = r.Right, b = r.Bottom;
    auto line = [&](std::initializer_list<TPoint> points) {
        auto p = points.begin();
        Canvas.MoveTo(p->X, p->Y);
        for (++p; p != points.end(); ++p) Canvas.LineTo(p->X, p->Y);
    };
    switch (box.ColorBoxPos()) {
    case ipStandAlone: line({{l, b}, {l, t}, {rt, t}, {rt, b}, {l, b}}); break;
    case ipTop: line({{l, b}, {l, t}, {rt, t}, {rt, b}}); break;
    case ipMiddle:
        line({{l, t}, {l, b}});
        line({{rt, t}, {rt, b}});
        break;
    case ipBottom:
        line({{l, t}, {l, b}, {rt, b}});
        line({{rt, t}, {rt, b + 1}});
        break;
    }
}

void TCustomColorSelector::DrawBoxes(TCanvas& Canvas)
{
    for (int i = 0; i < FItems->Count(); ++i) DrawBox(i, Canvas);
}

void TCustomColorSelector::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    DrawBoxes(canvas);
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TQuillCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int i = BoxAtPos(X, Y);
    if (i >= 0 && FItems->Items(i)->Enabled()) SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TQuillCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int i = BoxAtPos(X, Y);
    if (i >= 0 && FItems->Items(i)->Enabled()) SetItemHot(i);
    else SetItemHot(-1);
}

void TCustomColorSelector::CMMouseLeave(TMessage& Message)
{
    TQuillCustomColorSelectorPanel::CMMouseLeave(Message);
    SetItemHot(-1);
}

} // namespace controls
