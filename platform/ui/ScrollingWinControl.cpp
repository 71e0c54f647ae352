#include "platform/ui/ScrollingWinControl.h"

#include <algorithm>

#include "platform/rtl/ScopeExit.h"
#include "platform/ui/ScrollBars.h"

namespace {
constexpr int LineStep = 8;
constexpr int WheelLines = 3;
} // namespace

void TControlScrollBar::SetPosition(int Value) { FControl.ScrollTo(FBar, Value); }

bool TControlScrollBar::Visible() const
{
    TSize space = ui::WindowScrollBarSpace(FControl);
    return (FBar == SB_VERT ? space.cx : space.cy) > 0;
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TScrollingWinControl::SetAutoScroll(bool Value)
{
    if (Value == FAutoScroll) return;
    FAutoScroll = Value;
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars()
{
    if (FUpdating) return;
    FUpdating = true;
    auto done = rtl::ScopeExit([this] { FUpdating = false; });
    // Twice: a bar that appears narrows the client area, which may need the other.
    for (int pass = 0; pass < 2; ++pass)
        for (TControlScrollBar* bar : {&FHorzScrollBar, &FVertScrollBar}) {
            const bool vertical = bar->FBar == SB_VERT;
            int extent = 0;
            for (int i = 0; i < ControlCount(); ++i) {
                const TControl* c = Controls(i);
                if (!c->Visible()) continue;
                extent = std::max(extent, vertical ? c->Top() + c->Height() : c->Left() + c->Width());
            }
            bar->FRange = extent + bar->FPosition;
            const int page = vertical ? ClientHeight() : ClientWidth();
            SCROLLINFO si;
            si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            si.nMin = 0;
            si.nMax = FAutoScroll && bar->FRange > page ? bar->FRange - 1 : 0;
            si.nPage = static_cast<unsigned>(std::max(0, page));
            si.nPos = bar->FPosition;
            const int pos = SetScrollInfo(Handle(), bar->FBar, si, true);
            if (pos != bar->FPosition) ScrollTo(bar->FBar, pos);
        }
}

void TScrollingWinControl::ScrollTo(int Bar, int Position)
{
    TControlScrollBar& bar = Bar == SB_VERT ? FVertScrollBar : FHorzScrollBar;
    const int page = Bar == SB_VERT ? ClientHeight() : ClientWidth();
    Position = std::clamp(Position, 0, std::max(0, bar.FRange - page));
    const int delta = Position - bar.FPosition;
    if (delta == 0) return;
    bar.FPosition = Position;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (Bar == SB_VERT) c->SetBounds(c->Left(), c->Top() - delta, c->Width(), c->Height());
        else c->SetBounds(c->Left() - delta, c->Top(), c->Width(), c->Height());
    }
    SetScrollPos(Handle(), Bar, Position, true);
    Invalidate();
}

void TScrollingWinControl::Scroll(int Bar, unsigned Code, int ThumbPos)
{
    const TControlScrollBar& bar = Bar == SB_VERT ? FVertScrollBar : FHorzScrollBar;
    const int page = std::max(1, Bar == SB_VERT ? ClientHeight() : ClientWidth());
    switch (Code) {
    case SB_LINEUP: ScrollTo(Bar, bar.FPosition - LineStep); break;
    case SB_LINEDOWN: ScrollTo(Bar, bar.FPosition + LineStep); break;
    case SB_PAGEUP: ScrollTo(Bar, bar.FPosition - page); break;
    case SB_PAGEDOWN: ScrollTo(Bar, bar.FPosition + page); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: ScrollTo(Bar, ThumbPos); break;
    case SB_TOP: ScrollTo(Bar, 0); break;
    case SB_BOTTOM: ScrollTo(Bar, bar.FRange); break;
    default: break;
    }
}

void TScrollingWinControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL) {
        Scroll(Message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, Message.WParamLo(), static_cast<int>(Message.WParamHi()));
        return;
    }
    TWinControl::Dispatch(Message);
}

void TScrollingWinControl::BoundsChanged()
{
    TWinControl::BoundsChanged();
    UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    UpdateScrollBars();
}

bool TScrollingWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TWinControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    if (!FVertScrollBar.Visible()) return false;
    ScrollTo(SB_VERT, FVertScrollBar.FPosition + (WheelDelta > 0 ? -1 : 1) * WheelLines * LineStep);
    return true;
}
