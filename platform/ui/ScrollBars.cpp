// Scroll bar geometry shared by TScrollBar and the windows' own scroll bars.
#include "platform/ui/ScrollBars.h"

#include <algorithm>
#include <unordered_map>

#include "platform/graphics/FrameDrawing.h"
#include "platform/ui/Backend.h"

namespace {

constexpr int BarThickness = 17;
constexpr int MinThumb = 8;

enum class TPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// Where the parts of one bar lie for a range, page and position.
struct TBarLayout {
    TRect Whole, Up, Down, Thumb;
    bool Vertical;
    int Min, Max, Page, TrackLength, ThumbLength;
    TColor Track = clScrollBar;

    TBarLayout(TRect r, bool vertical, int min, int max, int page, int pos, int thickness = BarThickness)
        : Whole(r), Vertical(vertical), Min(min), Max(std::max(min, max)), Page(std::max(0, page))
    {
        int length = vertical ? r.Height() : r.Width();
        int arrow = std::min(thickness, length / 2);
        Up = vertical ? Bounds(r.Left, r.Top, r.Width(), arrow) : Bounds(r.Left, r.Top, arrow, r.Height());
        Down = vertical ? Bounds(r.Left, r.Bottom - arrow, r.Width(), arrow) : Bounds(r.Right - arrow, r.Top, arrow, r.Height());
        TrackLength = std::max(0, length - 2 * arrow);
        long long range = static_cast<long long>(Max) - Min + 1;
        ThumbLength = Page > 0 ? static_cast<int>(std::max<long long>(MinThumb, TrackLength * Page / range)) : MinThumb;
        ThumbLength = std::min(ThumbLength, TrackLength);
        long long travel = MaxPos() - Min;
        int offset = travel > 0 ? static_cast<int>((pos - Min) * static_cast<long long>(TrackLength - ThumbLength) / travel) : 0;
        int start = (vertical ? Up.Bottom : Up.Right) + offset;
        Thumb = vertical ? Bounds(r.Left, start, r.Width(), ThumbLength) : Bounds(start, r.Top, ThumbLength, r.Height());
    }

    int MaxPos() const { return Page > 0 ? std::max(Min, Max - Page + 1) : Max; }

    TPart Hit(TPoint p) const
    {
        if (!Whole.Contains(p)) return TPart::None;
        if (Up.Contains(p)) return TPart::LineUp;
        if (Down.Contains(p)) return TPart::LineDown;
        if (Thumb.Contains(p)) return TPart::Thumb;
        int along = Vertical ? p.Y : p.X, thumbStart = Vertical ? Thumb.Top : Thumb.Left;
        return along < thumbStart ? TPart::PageUp : TPart::PageDown;
    }

    // The position for a thumb whose start is at this pixel.
    int PositionAt(int thumbStart) const
    {
        int first = Vertical ? Up.Bottom : Up.Right;
        int room = TrackLength - ThumbLength;
        if (room <= 0) return Min;
        long long travel = MaxPos() - Min;
        long long pos = Min + (static_cast<long long>(std::clamp(thumbStart - first, 0, room)) * travel + room / 2) / room;
        return static_cast<int>(pos);
    }

    void Paint(TCanvas& c, bool enabled) const
    {
        c.Brush()->SetColor(Track);
        c.FillRect(Whole);
        TRect up = Up, down = Down, thumb = Thumb;
        unsigned inactive = enabled ? 0 : DFCS_INACTIVE;
        DrawFrameControl(c.Handle(), up, DFC_SCROLL, (Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive);
        DrawFrameControl(c.Handle(), down, DFC_SCROLL, (Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive);
        if (enabled && Page >= 0 && ThumbLength > 0 && TrackLength > ThumbLength) {
            c.Brush()->SetColor(clBtnFace);
            c.FillRect(thumb);
            DrawEdge(c.Handle(), thumb, EDGE_RAISED, BF_RECT);
        }
    }
};

unsigned CodeOf(TPart part)
{
    switch (part) {
    case TPart::LineUp: return SB_LINEUP;
    case TPart::LineDown: return SB_LINEDOWN;
    case TPart::PageUp: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
    }
}

// ---- The scroll bars of windows

struct TWindowBar {
    SCROLLINFO Info;
    bool Visible = false;
    bool AlwaysShow = false;
    // Shown whatever its range, until no longer kept.
    bool Kept = false;
};
struct TWindowBars {
    TWindowBar Bars[2];
    int Thickness = BarThickness;
    TColor Color = clNone;
    int Tracking = -1; // the bar whose thumb is dragged
    int TrackOffset = 0;
};

std::unordered_map<HWND, TWindowBars>& WindowBars()
{
    static std::unordered_map<HWND, TWindowBars> bars;
    return bars;
}

TWindowBars* BarsOf(const TWinControl& control)
{
    if (!control.HandleAllocated()) return nullptr;
    auto& all = WindowBars();
    auto it = all.find(const_cast<TWinControl&>(control).Handle());
    return it == all.end() ? nullptr : &it->second;
}

void Relayout(HWND hWnd)
{
    if (TWinControl* c = FindControl(hWnd)) {
        c->Realign();
        c->Invalidate();
    }
}

TRect BarRect(const TWinControl& control, const TWindowBars& bars, int bar)
{
    TRect wc = control.WindowClientRect();
    return bar == SB_VERT ? TRect{wc.Right, wc.Top, wc.Right + bars.Thickness, wc.Bottom}
                          : TRect{wc.Left, wc.Bottom, wc.Right, wc.Bottom + bars.Thickness};
}

TBarLayout LayoutOf(const TWinControl& control, const TWindowBars& bars, int bar)
{
    const TWindowBar& b = bars.Bars[bar];
    TBarLayout layout(BarRect(control, bars, bar), bar == SB_VERT, b.Info.nMin, b.Info.nMax,
                      static_cast<int>(b.Info.nPage), b.Info.nPos, bars.Thickness);
    if (bars.Color != clNone) layout.Track = bars.Color;
    return layout;
}

} // namespace

int SetScrollInfo(HWND hWnd, int nBar, const SCROLLINFO& Info, bool Redraw)
{
    if (nBar != SB_HORZ && nBar != SB_VERT) return 0;
    TWindowBar& b = WindowBars()[hWnd].Bars[nBar];
    if (Info.fMask & SIF_RANGE) {
        b.Info.nMin = Info.nMin;
        b.Info.nMax = std::max(Info.nMin, Info.nMax);
    }
    if (Info.fMask & SIF_PAGE) b.Info.nPage = Info.nPage;
    if (Info.fMask & SIF_POS) b.Info.nPos = Info.nPos;
    b.AlwaysShow = (Info.fMask & SIF_DISABLENOSCROLL) != 0;
    long long range = static_cast<long long>(b.Info.nMax) - b.Info.nMin + 1;
    int maxPos = b.Info.nPage > 0 ? static_cast<int>(std::max<long long>(b.Info.nMin, b.Info.nMax - static_cast<long long>(b.Info.nPage) + 1))
                                  : b.Info.nMax;
    b.Info.nPos = std::clamp(b.Info.nPos, b.Info.nMin, maxPos);
    bool visible = b.AlwaysShow || b.Kept || (range > static_cast<long long>(b.Info.nPage) && b.Info.nMax > b.Info.nMin);
    if (visible != b.Visible) {
        b.Visible = visible;
        Relayout(hWnd);
    } else if (Redraw) {
        if (TWinControl* c = FindControl(hWnd)) c->Invalidate();
    }
    return b.Info.nPos;
}

bool GetScrollInfo(HWND hWnd, int nBar, SCROLLINFO& Info)
{
    auto& all = WindowBars();
    auto it = all.find(hWnd);
    if (it == all.end() || (nBar != SB_HORZ && nBar != SB_VERT)) return false;
    const SCROLLINFO& s = it->second.Bars[nBar].Info;
    if (Info.fMask & SIF_RANGE) {
        Info.nMin = s.nMin;
        Info.nMax = s.nMax;
    }
    if (Info.fMask & SIF_PAGE) Info.nPage = s.nPage;
    if (Info.fMask & SIF_POS) Info.nPos = s.nPos;
    if (Info.fMask & SIF_TRACKPOS) Info.nTrackPos = s.nTrackPos;
    return true;
}

int SetScrollPos(HWND hWnd, int nBar, int nPos, bool Redraw)
{
    int old = GetScrollPos(hWnd, nBar);
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = nPos;
    SetScrollInfo(hWnd, nBar, si, Redraw);
    return old;
}

int GetScrollPos(HWND hWnd, int nBar)
{
    SCROLLINFO si;
    si.fMask = SIF_POS;
    return GetScrollInfo(hWnd, nBar, si) ? si.nPos : 0;
}

bool SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, bool Redraw)
{
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = nMinPos;
    si.nMax = nMaxPos;
    SetScrollInfo(hWnd, nBar, si, Redraw);
    return true;
}

bool ShowScrollBar(HWND hWnd, int wBar, bool bShow)
{
    auto& bars = WindowBars()[hWnd];
    for (int bar : {SB_HORZ, SB_VERT})
        if (wBar == bar || wBar == SB_BOTH) {
            bars.Bars[bar].Visible = bShow;
            bars.Bars[bar].AlwaysShow = bShow;
        }
    Relayout(hWnd);
    return true;
}

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXSCREEN: return ui::Backend().ScreenMetrics().Width;
    case SM_CYSCREEN: return ui::Backend().ScreenMetrics().Height;
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CXHSCROLL: case SM_CYVSCROLL: return BarThickness;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXICON: case SM_CYICON: return 32;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CXMENUSIZE: return 18;
    default: return 0;
    }
}

namespace ui {

TSize WindowScrollBarSpace(const TWinControl& control)
{
    const TWindowBars* bars = BarsOf(control);
    if (!bars) return {};
    return {bars->Bars[SB_VERT].Visible ? bars->Thickness : 0, bars->Bars[SB_HORZ].Visible ? bars->Thickness : 0};
}

void ForgetWindowScrollBars(HWND hWnd) { WindowBars().erase(hWnd); }

void KeepWindowScrollBar(HWND hWnd, int Bar, bool Keep)
{
    if (Bar != SB_HORZ && Bar != SB_VERT) return;
    TWindowBar& b = WindowBars()[hWnd].Bars[Bar];
    if (b.Kept == Keep) return;
    b.Kept = Keep;
    const long long range = static_cast<long long>(b.Info.nMax) - b.Info.nMin + 1;
    const bool visible = b.AlwaysShow || Keep || (range > static_cast<long long>(b.Info.nPage) && b.Info.nMax > b.Info.nMin);
    if (visible == b.Visible) return;
    b.Visible = visible;
    Relayout(hWnd);
}

void SetWindowScrollBarLook(HWND hWnd, int Thickness, TColor Color)
{
    TWindowBars& bars = WindowBars()[hWnd];
    const int thickness = Thickness > 0 ? Thickness : BarThickness;
    if (bars.Thickness == thickness && bars.Color == Color) return;
    bars.Thickness = thickness;
    bars.Color = Color;
    Relayout(hWnd);
}

void PaintWindowScrollBars(TWinControl& control, TCanvas& canvas)
{
    TWindowBars* bars = BarsOf(control);
    if (!bars) return;
    for (int bar : {SB_HORZ, SB_VERT})
        if (bars->Bars[bar].Visible) LayoutOf(control, *bars, bar).Paint(canvas, control.IsEnabledWithParents());
    if (bars->Bars[SB_HORZ].Visible && bars->Bars[SB_VERT].Visible) {
        TRect wc = control.WindowClientRect();
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect({wc.Right, wc.Bottom, wc.Right + bars->Thickness, wc.Bottom + bars->Thickness});
    }
}

bool WindowScrollBarMouse(TWinControl& control, TMessage& message)
{
    TWindowBars* bars = BarsOf(control);
    if (!bars) return false;
    TRect wc = control.WindowClientRect();
    // Window coordinates of the point (the message carries client ones).
    TPoint p{message.LParamLoSigned() + wc.Left, message.LParamHiSigned() + wc.Top};
    auto send = [&](int bar, unsigned code, int pos) {
        control.Perform(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MakeWParam(code, static_cast<unsigned>(pos)), 0);
    };
    if (bars->Tracking >= 0) {
        int bar = bars->Tracking;
        TWindowBar& b = bars->Bars[bar];
        TBarLayout layout = LayoutOf(control, *bars, bar);
        int start = (bar == SB_VERT ? p.Y : p.X) - bars->TrackOffset;
        int pos = layout.PositionAt(start);
        b.Info.nTrackPos = pos;
        if (message.Msg == WM_MOUSEMOVE) {
            send(bar, SB_THUMBTRACK, pos);
        } else if (message.Msg == WM_LBUTTONUP) {
            bars->Tracking = -1;
            control.SetMouseCapture(false);
            send(bar, SB_THUMBPOSITION, pos);
            send(bar, SB_ENDSCROLL, 0);
        }
        return true;
    }
    if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK) return false;
    for (int bar : {SB_HORZ, SB_VERT}) {
        TWindowBar& b = bars->Bars[bar];
        if (!b.Visible) continue;
        TBarLayout layout = LayoutOf(control, *bars, bar);
        TPart part = layout.Hit(p);
        if (part == TPart::None) continue;
        if (part == TPart::Thumb) {
            bars->Tracking = bar;
            bars->TrackOffset = bar == SB_VERT ? p.Y - layout.Thumb.Top : p.X - layout.Thumb.Left;
            control.SetMouseCapture(true);
        } else {
            send(bar, CodeOf(part), 0);
            send(bar, SB_ENDSCROLL, 0);
        }
        return true;
    }
    return false;
}

} // namespace ui

// ---- TScrollBar

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    FColor = clScrollBar;
    SetBounds(0, 0, 121, BarThickness);
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (FKind == Value) return;
    FKind = Value;
    SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

int TScrollBar::MaxPosition() const { return FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax; }

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
    FMin = AMin;
    FMax = AMax;
    APosition = std::clamp(APosition, FMin, MaxPosition());
    bool changed = APosition != FPosition;
    FPosition = APosition;
    Invalidate();
    if (changed) Change();
}

void TScrollBar::SetPageSize(int Value)
{
    FPageSize = Value;
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::Change()
{
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int ScrollPos)
{
    if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
    SetPosition(ScrollPos);
}

void TScrollBar::Paint()
{
    TBarLayout layout(ClientRect(), FKind == sbVertical, FMin, FMax, FPageSize, FPosition);
    layout.Paint(*Canvas(), IsEnabledWithParents() && FPageSize >= 0);
}

void TScrollBar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }

void TScrollBar::KeyDown(unsigned short& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT: case VK_UP: Scroll(scLineUp, FPosition - FSmallChange); break;
    case VK_RIGHT: case VK_DOWN: Scroll(scLineDown, FPosition + FSmallChange); break;
    case VK_PRIOR: Scroll(scPageUp, FPosition - FLargeChange); break;
    case VK_NEXT: Scroll(scPageDown, FPosition + FLargeChange); break;
    case VK_HOME: Scroll(scTop, FMin); break;
    case VK_END: Scroll(scBottom, MaxPosition()); break;
    default: return;
    }
    Scroll(scEndScroll, FPosition);
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        TBarLayout layout(ClientRect(), FKind == sbVertical, FMin, FMax, FPageSize, FPosition);
        switch (layout.Hit({X, Y})) {
        case TPart::LineUp: Scroll(scLineUp, FPosition - FSmallChange); break;
        case TPart::LineDown: Scroll(scLineDown, FPosition + FSmallChange); break;
        case TPart::PageUp: Scroll(scPageUp, FPosition - FLargeChange); break;
        case TPart::PageDown: Scroll(scPageDown, FPosition + FLargeChange); break;
        case TPart::Thumb:
            FTracking = true;
            FTrackOffset = FKind == sbVertical ? Y - layout.Thumb.Top : X - layout.Thumb.Left;
            break;
        default: break;
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FTracking) {
        TBarLayout layout(ClientRect(), FKind == sbVertical, FMin, FMax, FPageSize, FPosition);
        Scroll(scTrack, layout.PositionAt((FKind == sbVertical ? Y : X) - FTrackOffset));
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (FTracking) Scroll(scPosition, FPosition);
        FTracking = false;
        Scroll(scEndScroll, FPosition);
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}
