// TCustomListBox: items drawn in rows, chosen by mouse, arrows and first letters.
#include <algorithm>
#include <cctype>

#include "platform/graphics/Bitmap.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/ScrollBars.h"

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TStringList>())
{
    SetTabStop(true);
    FColor = clWindow;
    // OnClick means "the user chose an item", not a press and release.
    ControlStyle().Exclude(csClickEvents);
    SetBounds(0, 0, 121, 97);
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TCustomListBox::~TCustomListBox() { FItems->OnChange = nullptr; }

void TCustomListBox::ItemsChanged()
{
    if (FItemIndex >= Count()) FItemIndex = -1;
    SetTopIndex(FTopIndex);
    ScrollChanged();
    Invalidate();
}

void TCustomListBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= Count()) Value = -1;
    if (Value == FItemIndex) return;
    FItemIndex = Value;
    if (Value >= 0) {
        if (Value < FTopIndex) SetTopIndex(Value);
        else if (Value >= FTopIndex + VisibleCount()) SetTopIndex(Value - VisibleCount() + 1);
    }
    Invalidate();
}

void TCustomListBox::SetStyle(TListBoxStyle Value)
{
    FStyle = Value;
    Invalidate();
}

int TCustomListBox::ItemHeight() const
{
    if (FItemHeight > 0) return FItemHeight;
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&Font());
    return probe.Canvas()->TextHeight("Wg") + 1;
}

void TCustomListBox::SetItemHeight(int Value)
{
    FItemHeight = std::max(0, Value);
    Invalidate();
}

int TCustomListBox::VisibleCount() const { return std::max(1, ClientHeight() / std::max(1, ItemHeight())); }

void TCustomListBox::SetTopIndex(int Value)
{
    int maxTop = std::max(0, Count() - VisibleCount());
    Value = std::clamp(Value, 0, maxTop);
    if (Value == FTopIndex) return;
    FTopIndex = Value;
    ScrollChanged();
    Invalidate();
}

void TCustomListBox::CreateHandle()
{
    TCustomControl::CreateHandle();
    ScrollChanged();
}

void TCustomListBox::Resize()
{
    TCustomControl::Resize();
    SetTopIndex(FTopIndex);
    ScrollChanged();
}

void TCustomListBox::ScrollChanged()
{
    if (!HandleAllocated()) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, Count() - 1);
    si.nPage = static_cast<unsigned>(VisibleCount());
    si.nPos = FTopIndex;
    SetScrollInfo(Handle(), SB_VERT, si, true);
}

void TCustomListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_VSCROLL) {
        TCustomControl::Dispatch(Message);
        return;
    }
    switch (Message.WParamLo()) {
    case SB_LINEUP: SetTopIndex(FTopIndex - 1); break;
    case SB_LINEDOWN: SetTopIndex(FTopIndex + 1); break;
    case SB_PAGEUP: SetTopIndex(FTopIndex - VisibleCount()); break;
    case SB_PAGEDOWN: SetTopIndex(FTopIndex + VisibleCount()); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: SetTopIndex(static_cast<int>(Message.WParamHi())); break;
    case SB_TOP: SetTopIndex(0); break;
    case SB_BOTTOM: SetTopIndex(Count()); break;
    default: break;
    }
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value)
{
    FBorderStyle = Value;
    Realign();
    Invalidate();
}

TRect TCustomListBox::NonClientMargins() const
{
    return WithSingleBorder(TCustomControl::NonClientMargins(), FBorderStyle);
}

void TCustomListBox::PaintNonClient(TCanvas& Canvas)
{
    PaintSingleBorder(Canvas, FBorderStyle);
}

TRect TCustomListBox::ItemRect(int Index) const
{
    int h = ItemHeight();
    return Bounds(0, (Index - FTopIndex) * h, ClientWidth(), h);
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    if (!ClientRect().Contains(Pos)) return -1;
    int i = FTopIndex + Pos.Y / std::max(1, ItemHeight());
    if (i < Count()) return i;
    return Existing ? -1 : Count();
}

void TCustomListBox::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    for (int i = FTopIndex; i < Count() && i < FTopIndex + VisibleCount() + 1; ++i) {
        TOwnerDrawState state;
        if (i == FItemIndex) state.Include(odSelected);
        if (i == FItemIndex && Focused()) state.Include(odFocused);
        if (!IsEnabledWithParents()) state.Include(odDisabled);
        c.Font()->Assign(&Font());
        c.Brush()->SetColor(state.Contains(odSelected) ? clHighlight : Color());
        if (state.Contains(odSelected)) c.Font()->SetColor(clHighlightText);
        DrawItem(i, ItemRect(i), state);
    }
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State)
{
    if (FStyle != lbStandard && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas& c = *Canvas();
    c.FillRect(Rect);
    std::string text = FItems->Strings(Index);
    TRect t = Rect;
    t.Left += 2;
    c.Brush()->SetStyle(bsClear);
    c.TextRect(t, text, TTextFormat{tfSingleLine, tfVerticalCenter, tfLeft, tfNoPrefix});
    c.Brush()->SetStyle(bsSolid);
    if (State.Contains(odFocused)) c.DrawFocusRect(Rect);
}

void TCustomListBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomListBox::UserSelected(int Index)
{
    if (Index == FItemIndex) return;
    SetItemIndex(Index);
    Click();
}

void TCustomListBox::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Count() == 0) return;
    int page = VisibleCount();
    int at = FItemIndex;
    switch (Key) {
    case VK_UP: at = std::max(0, at - 1); break;
    case VK_DOWN: at = std::min(Count() - 1, at + 1); break;
    case VK_PRIOR: at = std::max(0, at - page + 1); break;
    case VK_NEXT: at = std::min(Count() - 1, std::max(0, at) + page - 1); break;
    case VK_HOME: at = 0; break;
    case VK_END: at = Count() - 1; break;
    default: return;
    }
    UserSelected(at);
}

void TCustomListBox::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key < 32 || Key >= 128 || Count() == 0) return;
    // The next item starting with the letter typed, after the current one.
    int wanted = std::tolower(static_cast<int>(Key));
    for (int k = 1; k <= Count(); ++k) {
        int i = (FItemIndex + k) % Count();
        std::string s = FItems->Strings(i);
        if (!s.empty() && std::tolower(static_cast<unsigned char>(s[0])) == wanted) {
            UserSelected(i);
            return;
        }
    }
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int i = ItemAtPos({X, Y}, true);
        if (i >= 0) UserSelected(i);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y)
{
    if (MouseCapture() && Shift.Contains(ssLeft)) {
        int i = ItemAtPos({X, std::clamp(Y, 0, ClientHeight() - 1)}, true);
        if (i >= 0) UserSelected(i);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

bool TCustomListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    SetTopIndex(FTopIndex + (WheelDelta > 0 ? -3 : 3));
    return true;
}
