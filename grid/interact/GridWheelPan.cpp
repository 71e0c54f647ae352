// The wheel over the grid: rows moved or scrolled by notches, Ctrl+wheel
// zoom, and panning with the wheel button held down (the view or the
// current cell keeps moving towards the pointer while a mark shows where
// the press was).
#include <algorithm>
#include <cstdlib>

#include "grid/QuillGrid.h"
#include "grid/interact/PointerState.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/EditState.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Screen.h"
#include "platform/ui/VirtualKeys.h"

namespace {

// Rows a wheel notch moves when MouseActions.WheelIncrement is not set.
constexpr int WheelLines = 3;
constexpr int MaxZoom = 10;
constexpr std::uintptr_t PanTimerId = 999;
constexpr unsigned PanInterval = 10;
// The pointer must be this far from the press before panning moves.
constexpr int PanDeadZone = 5;
constexpr int PanMarkSize = 32;

// The pan cursor for a direction, each of dx and dy -1, 0 or 1.
TCursor PanCursor(int dx, int dy)
{
    // By (dy + 1) * 3 + (dx + 1): up-left, up, up-right, left, none, right,
    // down-left, down, down-right.
    constexpr int offsets[9] = {6, 4, 5, 2, 0, 3, 8, 1, 7};
    return grid::crPanOrigin + offsets[(dy + 1) * 3 + (dx + 1)];
}

int PanDirection(int Delta)
{
    return Delta > PanDeadZone ? 1 : Delta < -PanDeadZone ? -1 : 0;
}

} // namespace

int TQuillStringGrid::ZoomFactor() const noexcept { return FEditState ? FEditState->ZoomFactor : 0; }

void TQuillStringGrid::Zoom(int X)
{
    grid::TEditState& s = Edit();
    if (std::abs(s.ZoomFactor + X) > MaxZoom) return;
    s.ZoomFactor += X;
    // The thumbs follow once, when every size has changed.
    FScrollLock = true;
    const rtl::ScopeExit unlock([this] {
        FScrollLock = false;
        UpdateProportionalScroll();
    });
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + X > 0) SetColWidths(c, ColWidths(c) + X);
    // Uniform rows change as one; rows of their own sizes one by one.
    bool uniform = true;
    for (int r = 0; r < RowCount() && uniform; ++r) uniform = RowHeights(r) == DefaultRowHeight();
    if (uniform) {
        if (DefaultRowHeight() + X > 0) SetDefaultRowHeight(DefaultRowHeight() + X);
    } else {
        for (int r = 0; r < RowCount(); ++r)
            if (RowHeights(r) > 0 && RowHeights(r) + X > 0) SetRowHeights(r, RowHeights(r) + X);
    }
    // Cells paint their fonts grown or shrunk by the zoom factor.
    Invalidate();
}

// The parent, and its parents in turn, may take the wheel before the grid:
// a form that scrolls or zooms as a whole on the wheel keeps the grid still.
void TQuillStringGrid::WMMouseWheel(TMessage& Message)
{
    if (!FPointer->Panning && Parent()) {
        const LRESULT taken = Parent()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
        if (taken != 0) {
            Message.Result = taken;
            return;
        }
    }
    TBaseGrid::WMMouseWheel(Message);
}

void TQuillStringGrid::MouseWheelScrolled(int Delta, bool& Handled)
{
    (void)Delta;
    (void)Handled;
}

// Towards the user (Down) a notch moves on; Ctrl zooms instead.
bool TQuillStringGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos) { return WheelStep(Shift, MousePos, 1); }
bool TQuillStringGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos) { return WheelStep(Shift, MousePos, -1); }

bool TQuillStringGrid::WheelStep(TShiftState Shift, TPoint MousePos, int Direction)
{
    // Ctrl as the keyboard has it now, whatever the message carried.
    if ((Shift.Contains(ssCtrl) || GetKeyState(VK_CONTROL) < 0) && FPointer->IntelliZoom) {
        Zoom(Direction * WheelLines);
        AutoSizeCells(true, 4, 4);
        return true;
    }
    if (!FPointer->EnableWheel) return true;
    // A grid of nothing but its fixed row takes no wheel.
    if (FFixedRowAlways && RowCount() <= FixedRows()) return true;
    const int step = MouseActions().WheelIncrement() > 0 ? MouseActions().WheelIncrement() : WheelLines;
    const int firstRow = FixedRows();
    const int lastRow = std::max(firstRow, RowCount() - FFixedFooters - 1);
    const int before = Row();
    BeginSelectionReport();
    if (MouseActions().WheelAction() == waScroll) {
        const int top = std::clamp(TopRow() + Direction * step, firstRow, std::max(firstRow, MaxTopLeft().Y));
        if (top != TopRow()) SetTopRow(top);
    } else {
        const int target = std::clamp(Row() + Direction * step, firstRow, lastRow);
        if (MouseActions().DisjunctRowSelect()) ClearRowSelect();
        if (target != Row()) {
            const bool editing = Edit().EditMode;
            FocusCell(Col(), target, true);
            if (editing && !Edit().EditMode && CanFocus()) SetFocus();
        }
    }
    // A descendant that leaves the notch unhandled gets the platform's own
    // single-row step on top.
    bool handled = true;
    MouseWheelScrolled(Row() - before, handled);
    ReportSelectionChange();
    if (handled) return true;
    return Direction > 0 ? TBaseGrid::HandleWheelDown(Shift, MousePos) : TBaseGrid::HandleWheelUp(Shift, MousePos);
}

// Messages of wheel panning, ahead of every other handling: the wheel button
// starts it, its timer steps it, and any button or key press ends it (the
// press then goes on as usual). True when the message was used up.
bool TQuillStringGrid::PanMessage(TMessage& Message)
{
    const unsigned msg = Message.Msg;
    if (FPointer->Panning) {
        if (msg == WM_TIMER) {
            PanStep();
            return true;
        }
        if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_KEYDOWN ||
            msg == WM_SYSKEYDOWN || msg == WM_CANCELMODE) {
            EndPanning();
            return msg == WM_MBUTTONDOWN;
        }
        return false;
    }
    if (msg != WM_MBUTTONDOWN || FPointer->IntelliPan == ipNone || RowCount() <= FixedRows()) return false;
    StartPanning({Message.LParamLoSigned(), Message.LParamHiSigned()});
    return true;
}

void TQuillStringGrid::StartPanning(TPoint At)
{
    FPointer->Panning = true;
    FPointer->PanOrigin = At;
    FPointer->PanPrevCursor = Cursor();
    ShowGridCursor(grid::crPanOrigin);
    FPointer->PanHintsWereOn = Application && Application->ShowHint();
    if (Application) Application->SetShowHint(false);
    (void)SetTimer(Handle(), PanTimerId, PanInterval);
    SetMouseCapture(true);
    InvalidatePanIndicator();
}

void TQuillStringGrid::EndPanning()
{
    FPointer->Panning = false;
    SetMouseCapture(false);
    (void)KillTimer(Handle(), PanTimerId);
    ShowGridCursor(FPointer->PanPrevCursor);
    if (Application && FPointer->PanHintsWereOn) Application->SetShowHint(true);
    InvalidatePanIndicator();
}

bool TQuillStringGrid::Panning() const noexcept { return FPointer->Panning; }

// One pan step: a row and a column towards the pointer.
void TQuillStringGrid::PanStep()
{
    TPoint pointer;
    (void)GetCursorPos(pointer);
    pointer = ScreenToClient(pointer);
    const TIntelliPan pan = FPointer->IntelliPan;
    const int dx = pan == ipVertical ? 0 : PanDirection(pointer.X - FPointer->PanOrigin.X);
    const int dy = pan == ipHorizontal ? 0 : PanDirection(pointer.Y - FPointer->PanOrigin.Y);
    const int firstCol = FixedCols(), lastCol = std::max(firstCol, ColCount() - FFixedRightCols - 1);
    const int firstRow = FixedRows(), lastRow = std::max(firstRow, RowCount() - FFixedFooters - 1);
    const int col = std::clamp(Col(), firstCol, lastCol), row = std::clamp(Row(), firstRow, lastRow);
    BeginSelectionReport();
    if (dx != 0 || dy != 0) {
        InvalidatePanIndicator();
        if (MouseActions().WheelAction() == waScroll) {
            const TGridCoord maxTopLeft = MaxTopLeft();
            const int left = std::clamp(LeftCol() + dx, firstCol, std::max(firstCol, maxTopLeft.X));
            const int top = std::clamp(TopRow() + dy, firstRow, std::max(firstRow, maxTopLeft.Y));
            if (left != LeftCol()) SetLeftCol(left);
            if (top != TopRow()) SetTopRow(top);
        } else {
            const int toCol = std::clamp(col + dx, firstCol, lastCol), toRow = std::clamp(row + dy, firstRow, lastRow);
            if (toCol != Col() || toRow != Row()) FocusCell(toCol, toRow, true);
        }
    }
    ShowGridCursor(PanCursor(dx, dy));
    InvalidatePanIndicator();
    ReportSelectionChange();
}

void TQuillStringGrid::InvalidatePanIndicator()
{
    const TPoint p = FPointer->PanOrigin;
    TRect r{p.X, p.Y, p.X + PanMarkSize, p.Y + PanMarkSize};
    InvalidateRect(&r, false);
}

// The mark where panning began: a white disc with arrows in the directions
// the view can pan.
void TQuillStringGrid::DrawPanIndicator(TCanvas& ACanvas)
{
    if (!FPointer->Panning || FPointer->IntelliPan == ipNone) return;
    const TPoint o = FPointer->PanOrigin;
    const int c = PanMarkSize / 2;
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Brush()->SetColor(clWhite);
    ACanvas.Pen()->SetColor(clGray);
    ACanvas.Pen()->SetWidth(1);
    ACanvas.Ellipse(o.X + 1, o.Y + 1, o.X + PanMarkSize - 1, o.Y + PanMarkSize - 1);
    ACanvas.Brush()->SetColor(clBlack);
    ACanvas.Pen()->SetColor(clBlack);
    ACanvas.Ellipse(o.X + c - 2, o.Y + c - 2, o.X + c + 2, o.Y + c + 2);
    // Each arrow as a triangle pointing away from the centre.
    auto arrow = [&](int ux, int uy) {
        const TPoint tip{o.X + c + ux * 12, o.Y + c + uy * 12};
        const TPoint base{o.X + c + ux * 7, o.Y + c + uy * 7};
        const TPoint side{uy * 4, ux * 4};
        const TPoint points[3] = {tip, {base.X + side.X, base.Y + side.Y}, {base.X - side.X, base.Y - side.Y}};
        ACanvas.Polygon(points);
    };
    if (FPointer->IntelliPan != ipHorizontal) {
        arrow(0, -1);
        arrow(0, 1);
    }
    if (FPointer->IntelliPan != ipVertical) {
        arrow(-1, 0);
        arrow(1, 0);
    }
}
