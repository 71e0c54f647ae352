// The string grid's scroll bars: their style, proportional thumbs, the scroll
// messages with their hints, and scrolling while the mouse drags at an edge.
#include "grid/QuillGrid.h"
#include "grid/model/BehaviourSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/ui/Hints.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/Timer.h"

namespace {

// The platform's thumb runs from 0 to this position.
constexpr int LastThumbPos = 127;
constexpr int ScrollHintWidth = 100;
constexpr int ScrollHintOffset = 10;

// A * B / C rounded, without overflow for a million rows.
int ScaleRounded(int A, int B, int C)
{
    if (C == 0) return 0;
    const std::int64_t p = static_cast<std::int64_t>(A) * B;
    return static_cast<int>((p + (p >= 0 ? C / 2 : -C / 2)) / C);
}

struct TProportionalBar {
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// Fixed, total and scrolled-off extents are lines included; Own is the
// control's outer extent. False when the bar should stay as it is.
bool ProportionalBar(std::int64_t FixedExtent, std::int64_t Total, std::int64_t Scrolled, int Own, int CurrentPos,
                     TProportionalBar& Bar)
{
    if (Total == 0) return false;
    const float e = static_cast<float>(Own - FixedExtent) / static_cast<float>(Total);
    if (e >= 0.9999f) return false;
    Bar.Max = static_cast<int>((e + 127) / (1 - e));
    Bar.Page = Bar.Max - 126;
    // The pixel counts of a million rows exceed what a float holds exactly.
    // Past the last top row the position exceeds 127; the bar keeps it on its range.
    Bar.Pos = Own < Total ? static_cast<int>(static_cast<double>(Scrolled) / static_cast<double>(Total - Own) * 128)
                          : CurrentPos;
    return true;
}

void ApplyBar(HWND Handle, int Which, const TProportionalBar& Bar)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = Bar.Max;
    info.nPage = static_cast<unsigned>(Bar.Page);
    info.nPos = Bar.Pos;
    (void)SetScrollInfo(Handle, Which, info, true);
}

} // namespace

// ssFlat and ssEncarta give the window's bars the grid's width and colour;
// ssMetro hides them for the thin bars the grid draws itself.
void TQuillStringGrid::SetScrollType(TScrollType Value)
{
    if (FScrollType == Value) return;
    FScrollType = Value;
    FIsFlat = Value == ssFlat || Value == ssEncarta;
    ApplyScrollType();
    Invalidate();
}

// Also when the window is made: a style set before has waited for it.
void TQuillStringGrid::ApplyScrollType()
{
    if (!HandleAllocated()) return;
    ApplyScrollBarLook();
    if (FScrollType == ssMetro) SetScrollBars(ssNone);
    UpdateScrollBarsAlways(false);
}

void TQuillStringGrid::CreateHandle()
{
    TBaseGrid::CreateHandle();
    ApplyScrollType();
}

void TQuillStringGrid::SetScrollColor(TColor Value)
{
    FScrollColor = Value;
    ApplyScrollBarLook();
}

void TQuillStringGrid::SetScrollWidth(int Value)
{
    FScrollWidth = Value;
    ApplyScrollBarLook();
}

void TQuillStringGrid::ApplyScrollBarLook()
{
    if (HandleAllocated())
        ui::SetWindowScrollBarLook(Handle(), FIsFlat ? FScrollWidth : 0, FIsFlat ? FScrollColor : clNone);
}

void TQuillStringGrid::SetScrollBarAlways(TScrollBarAlways Value)
{
    FScrollBarAlways = Value;
    UpdateScrollBarsAlways(false);
}

// The window keeps the named bars shown, so they stay through every later
// change of rows, columns and size.
void TQuillStringGrid::UpdateScrollBarsAlways(bool)
{
    if (!HandleAllocated()) return;
    // Only a bar the grid has at all.
    const bool vertical = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
    const bool horizontal = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    ui::KeepWindowScrollBar(Handle(), SB_VERT, vertical && (FScrollBarAlways == saVert || FScrollBarAlways == saBoth));
    ui::KeepWindowScrollBar(Handle(), SB_HORZ,
                            horizontal && (FScrollBarAlways == saHorz || FScrollBarAlways == saBoth));
}

void TQuillStringGrid::BoundsChanged()
{
    TBaseGrid::BoundsChanged();
    ApplyScrollBarLook();
    UpdateScrollBarsAlways(false);
    UpdateProportionalScroll();
}

void TQuillStringGrid::SetScrollProportional(bool Value)
{
    FScrollProportional = Value;
    if (Value) UpdateProportionalScroll();
}

void TQuillStringGrid::UpdateVertProportionalScroll()
{
    if (!FScrollProportional || FScrollLock || !HandleAllocated()) return;
    if (VisibleRowCount() + FixedRows() >= RowCount()) return;
    const int lw = GridLineWidth();
    const std::int64_t fixedH = lw + RowOffset(FixedRows());
    const std::int64_t totalH = lw + RowOffset(RowCount()) - RowOffset(FixedRows());
    const std::int64_t topH = lw + RowOffset(TopRow()) - RowOffset(FixedRows());
    TProportionalBar bar;
    if (!ProportionalBar(fixedH, totalH, topH, Height(), LastThumbPos, bar)) return;
    ApplyBar(Handle(), SB_VERT, bar);
}

void TQuillStringGrid::UpdateHorzProportionalScroll()
{
    if (!FScrollProportional || FScrollLock || !HandleAllocated()) return;
    const int lw = GridLineWidth();
    const std::int64_t fixedW = lw + ColOffset(FixedCols());
    const std::int64_t totalW = lw + ColOffset(ColCount()) - ColOffset(FixedCols());
    const std::int64_t leftW = lw + ColOffset(LeftCol()) - ColOffset(FixedCols());
    TProportionalBar bar;
    if (!ProportionalBar(fixedW, totalW, leftW, Width(), GetScrollPos(Handle(), SB_HORZ), bar)) return;
    ApplyBar(Handle(), SB_HORZ, bar);
    const bool wanted = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    const bool always = FScrollBarAlways == saHorz || FScrollBarAlways == saBoth;
    if (!always && (ColOffset(ColCount()) < Width() || !wanted)) (void)ShowScrollBar(Handle(), SB_HORZ, false);
}

void TQuillStringGrid::UpdateProportionalScroll()
{
    UpdateVertProportionalScroll();
    UpdateHorzProportionalScroll();
}

grid::TThinThumb grid::ThinThumb(int Extent, int FixedExtent, int FooterExtent, int First, int Count, int Top,
                                 int Visible)
{
    TThinThumb thumb;
    if (Count - First <= 0 || Count <= 0 || Visible >= Count - First) return thumb;
    const double track = Extent - FixedExtent - FooterExtent;
    const double position = static_cast<double>(Top - First) / (Count - First);
    const double size = static_cast<double>(Visible) / Count;
    thumb.Length = std::max(MinThinThumb, static_cast<int>(std::lround(track * size)));
    thumb.Start = FixedExtent + static_cast<int>(std::lround(track * position));
    if (thumb.Start + thumb.Length > Extent) thumb.Start = Extent - thumb.Length;
    thumb.Shown = true;
    return thumb;
}

grid::TThinThumb TQuillStringGrid::ThinBarThumb(bool Vertical)
{
    const TRect client = ClientRect();
    if (Vertical) {
        int fixedH = 0, footerH = 0;
        for (int r = 0; r < FixedRows(); ++r) fixedH += RowHeights(r);
        for (int r = std::max(RowCount() - FFixedFooters, 0); r < RowCount(); ++r) footerH += RowHeights(r);
        return grid::ThinThumb(client.Height(), fixedH, footerH, FixedRows(), RowCount(), TopRow(), VisibleRowCount());
    }
    int fixedW = 0;
    for (int c = 0; c < FixedCols(); ++c) fixedW += ColWidths(c);
    return grid::ThinThumb(client.Width(), fixedW, 0, FixedCols(), ColCount(), LeftCol(), VisibleColCount());
}

void TQuillStringGrid::PaintThinScrollBars(TCanvas& ACanvas)
{
    if (FScrollType != ssMetro) return;
    const TRect client = ClientRect();
    ACanvas.Brush()->SetColor(grid::ThinThumbColor);
    ACanvas.Pen()->SetColor(grid::ThinThumbColor);
    const grid::TThinThumb rows = ThinBarThumb(true);
    const int x = client.Right - grid::ThinBarExtent;
    if (rows.Shown) ACanvas.Rectangle(x, rows.Start, x + grid::ThinThumbWidth, rows.Start + rows.Length);
    const grid::TThinThumb cols = ThinBarThumb(false);
    const int y = client.Bottom - grid::ThinBarExtent;
    if (cols.Shown) ACanvas.Rectangle(cols.Start, y, cols.Start + cols.Length, y + grid::ThinThumbWidth);
}

bool TQuillStringGrid::ThinBarMouse(TThinBarMouse Action, int X, int Y)
{
    if (Action == TThinBarMouse::Release) {
        const bool dragging = FThinDrag.Bar != 0;
        FThinDrag.Bar = 0;
        return dragging;
    }
    if (Action == TThinBarMouse::Move) {
        if (FThinDrag.Bar == 0) return false;
        const bool vertical = FThinDrag.Bar == SB_VERT + 1;
        // The pointer's travel over the bar, as a share of all rows (columns).
        const int along = (vertical ? Y : X) - FThinDrag.Start;
        const int extent = vertical ? ClientHeight() - RowHeights(0) : ClientWidth() - ColWidths(0);
        const int count = vertical ? RowCount() : ColCount();
        const int delta = extent > 0 ? static_cast<int>(std::lround(static_cast<double>(along) / extent * count)) : 0;
        if (vertical)
            SetTopRow(std::max(FixedRows(), std::min(FThinDrag.First + delta, RowCount() - VisibleRowCount())));
        else
            SetLeftCol(std::max(FixedCols(), std::min(FThinDrag.First + delta, ColCount() - VisibleColCount())));
        return true;
    }
    if (FScrollType != ssMetro) return false;
    const TRect client = ClientRect();
    const bool vertical = X >= client.Right - grid::ThinBarExtent;
    if (!vertical && Y < client.Bottom - grid::ThinBarExtent) return false;
    const grid::TThinThumb thumb = ThinBarThumb(vertical);
    if (!thumb.Shown) return false;
    const int along = vertical ? Y : X;
    const int first = vertical ? TopRow() : LeftCol();
    const int page = vertical ? VisibleRowCount() : VisibleColCount();
    const int fixed = vertical ? FixedRows() : FixedCols();
    const int count = vertical ? RowCount() : ColCount();
    int target = first;
    if (along < thumb.Start) target = std::max(fixed, first - page);
    else if (along >= thumb.Start + thumb.Length) target = std::min(first + page, count - page);
    else FThinDrag = {vertical ? SB_VERT + 1 : SB_HORZ + 1, along, first};
    if (vertical) SetTopRow(target);
    else SetLeftCol(target);
    return true;
}

void TQuillStringGrid::HandleScrollMessage(TMessage& Message)
{
    const bool vertical = Message.Msg == WM_VSCROLL;
    const unsigned code = Message.WParamLo();
    const int pos = static_cast<int>(Message.WParamHi());
    const bool hints = FScrollHints == shBoth || FScrollHints == (vertical ? shVertical : shHorizontal);
    if (hints && code == SB_ENDSCROLL && FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
    if (code == SB_THUMBTRACK) {
        const int target = vertical ? ScaleRounded(pos, RowCount() - VisibleRowCount() - FixedRows(), LastThumbPos) +
                                          FixedRows()
                                    : ScaleRounded(pos, ColCount() - VisibleColCount() - FixedCols(), LastThumbPos) +
                                          FixedCols();
        if (hints) ShowScrollHint(vertical ? "Row : " : "Col : ", target);
        if (FScrollSynch) {
            if (vertical) SetTopRow(target);
            else SetLeftCol(target);
        }
    }
    TBaseGrid::Dispatch(Message);
}

void TQuillStringGrid::ShowScrollHint(const std::string& Prefix, int Index)
{
    std::string text = Prefix + std::to_string(Index);
    if (OnScrollHint) OnScrollHint(this, Index, text);
    if (!FScrollHintWnd) FScrollHintWnd = new THintWindow(this);
    FScrollHintWnd->SetColor(FHintColor);
    TPoint mouse;
    (void)GetCursorPos(mouse);
    TRect r = FScrollHintWnd->CalcHintRect(ScrollHintWidth, text);
    OffsetRect(r, mouse.X + ScrollHintOffset, mouse.Y);
    FScrollHintWnd->ActivateHint(r, text);
}

void TQuillStringGrid::DragScrollOver(TShiftState Shift, int X, int Y)
{
    TDragScrollDirection direction;
    if (FDragScrollOptions->Active() && Shift.Contains(ssLeft)) {
        const TDragScrollMargins& m = *FDragScrollOptions->Margins();
        if (Y < m.TopMargin()) direction.Include(dsUp);
        if (Y > Height() - m.BottomMargin()) direction.Include(dsDown);
        if (X < m.LeftMargin()) direction.Include(dsLeft);
        if (X > Width() - m.RightMargin()) direction.Include(dsRight);
    }
    if (direction.Empty()) {
        StopDragScroll();
        return;
    }
    if (!FDragTmr) {
        FDragTmr = new TTimer(this);
        FDragTmr->OnTimer = [this](TObject* Sender) { DragScrollStep(Sender); };
    }
    // Entering the edge band starts the initial wait; moving within it keeps the pace.
    if (!FDragTmr->Enabled() || FDragScrollDirection.Empty()) {
        FDragTmr->SetInterval(static_cast<unsigned>(FDragScrollOptions->Delays()->InitialDelay()));
        FDragTmr->SetEnabled(true);
    }
    FDragScrollDirection = direction;
}

void TQuillStringGrid::StopDragScroll()
{
    FDragScrollDirection = {};
    if (FDragTmr) FDragTmr->SetEnabled(false);
}

void TQuillStringGrid::DragScrollStep(TObject*)
{
    if (!FDragScrollOptions->Active()) {
        StopDragScroll();
        return;
    }
    FDragTmr->SetInterval(static_cast<unsigned>(FDragScrollOptions->Delays()->RepeatDelay()));
    TDragScrollDirection direction = FDragScrollDirection;
    bool canScroll = true;
    if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), direction, canScroll);
    if (!canScroll) return;
    if (direction.Contains(dsUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
    if (direction.Contains(dsDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    if (direction.Contains(dsLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
    if (direction.Contains(dsRight) && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
}
