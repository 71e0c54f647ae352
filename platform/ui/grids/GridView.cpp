// Geometry and scrolling: where cells are, which are in view, the top-left
// cell, and the scroll bars with their 0..127 thumb.
#include "platform/ui/grids/Grids.h"

#include <algorithm>
#include <climits>

#include "platform/ui/ScrollBars.h"
#include "platform/ui/grids/InplaceEdit.h"

namespace {

constexpr int ThumbRange = 127;

// A * B / C rounded to the nearest integer, 64-bit in between.
int MulDiv(int A, int B, int C)
{
    if (C == 0) return 0;
    std::int64_t n = static_cast<std::int64_t>(A) * B;
    std::int64_t q = (2 * n + (n >= 0 ? C : -C)) / (2 * static_cast<std::int64_t>(C));
    return static_cast<int>(std::clamp<std::int64_t>(q, INT_MIN, INT_MAX));
}

int ClampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

} // namespace

// The client position of a cell's left (top) edge along one axis; fixed cells
// stay put and scrolling cells start after them from the first shown cell.
int TCustomGrid::CellStart(const TGridAxis& Axis, int FixedCount, int First, int Index) const
{
    if (Index < FixedCount) return ClampToInt(Axis.Offset(Index));
    return ClampToInt(Axis.Offset(FixedCount) + Axis.Offset(Index) - Axis.Offset(First));
}

TGridAxisInfo TCustomGrid::AxisInfo(const TGridAxis& Axis, int FixedCount, int First, int Extent) const
{
    TGridAxisInfo info;
    info.FixedCellCount = FixedCount;
    info.FixedBoundary = ClampToInt(Axis.Offset(FixedCount));
    info.FirstGridCell = First;
    info.GridCellCount = Axis.Count();
    info.GridExtent = Extent;
    const std::int64_t firstOffset = Axis.Offset(First);
    const std::int64_t room = std::max<std::int64_t>(Extent - info.FixedBoundary, 0);
    // Cells before the one holding the first pixel past the room end inside it.
    int end = Axis.IndexAt(firstOffset + room);
    if (end < 0) end = 0;
    info.LastFullVisibleCell = std::min(end, Axis.Count()) - 1;
    std::int64_t shownEnd = info.FixedBoundary + Axis.Offset(Axis.Count()) - firstOffset;
    info.GridBoundary = ClampToInt(std::min<std::int64_t>(shownEnd, Extent));
    return info;
}

TGridDrawInfo TCustomGrid::CalcDrawInfo() const
{
    return {AxisInfo(FCols, FFixedCols, FTopLeft.X, ClientWidth()), AxisInfo(FRows, FFixedRows, FTopLeft.Y, ClientHeight())};
}

int TCustomGrid::VisibleColCount() const
{
    TGridAxisInfo h = AxisInfo(FCols, FFixedCols, FTopLeft.X, ClientWidth());
    return std::max(h.LastFullVisibleCell - h.FirstGridCell + 1, 1);
}

int TCustomGrid::VisibleRowCount() const
{
    TGridAxisInfo v = AxisInfo(FRows, FFixedRows, FTopLeft.Y, ClientHeight());
    return std::max(v.LastFullVisibleCell - v.FirstGridCell + 1, 1);
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return {};
    if (ACol >= FFixedCols && ACol < FTopLeft.X) return {};
    if (ARow >= FFixedRows && ARow < FTopLeft.Y) return {};
    int w = FCols.Size(ACol), h = FRows.Size(ARow);
    if (w < 0 || h < 0) return {};
    int x = CellStart(FCols, FFixedCols, FTopLeft.X, ACol);
    int y = CellStart(FRows, FFixedRows, FTopLeft.Y, ARow);
    TRect r{x, y, x + w, y + h};
    TRect clipped = IntersectRect(r, {0, 0, ClientWidth(), ClientHeight()});
    return clipped;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    auto hit = [](const TGridAxis& axis, int fixed, int first, int pos, int extent) {
        if (pos < 0 || pos >= extent) return -1;
        std::int64_t fixedEnd = axis.Offset(fixed);
        int index = pos < fixedEnd ? axis.IndexAt(pos) : axis.IndexAt(axis.Offset(first) + (pos - fixedEnd));
        return index >= 0 && index < axis.Count() ? index : -1;
    };
    int c = hit(FCols, FFixedCols, FTopLeft.X, X, ClientWidth());
    int r = hit(FRows, FFixedRows, FTopLeft.Y, Y, ClientHeight());
    if (c < 0 || r < 0) return {-1, -1};
    return {c, r};
}

TGridCoord TCustomGrid::MaxTopLeft() const
{
    auto maxFirst = [](const TGridAxis& axis, int fixed, int extent) {
        std::int64_t room = extent - axis.Offset(fixed);
        std::int64_t target = axis.Offset(axis.Count()) - std::max<std::int64_t>(room, 0);
        if (target <= axis.Offset(fixed)) return fixed;
        int index = axis.IndexAt(target);
        if (index < axis.Count() && axis.Offset(index) < target) ++index;
        return std::clamp(index, fixed, axis.Count() - 1);
    };
    return {maxFirst(FCols, FFixedCols, ClientWidth()), maxFirst(FRows, FFixedRows, ClientHeight())};
}

// The view never scrolls past the page that shows the last cell.
void TCustomGrid::SetLeftCol(int Value)
{
    MoveTopLeft(std::clamp(Value, FFixedCols, std::max(MaxTopLeft().X, FFixedCols)), FTopLeft.Y);
}

void TCustomGrid::SetTopRow(int Value)
{
    MoveTopLeft(FTopLeft.X, std::clamp(Value, FFixedRows, std::max(MaxTopLeft().Y, FFixedRows)));
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
    FTopLeft = {ALeft, ATop};
    UpdateScrollBars();
    Invalidate();
    if (FInplaceEdit && FInplaceEdit->Visible()) {
        TRect r = CellRect(FCurrent.X, FCurrent.Y);
        if (r.IsEmpty()) FInplaceEdit->SetBounds(-1000, -1000, 0, 0);
        else FInplaceEdit->SetBoundsRect(r);
    }
    HandleTopLeftChanged();
}

// Scrolls just enough for the cell to be in view, whole when it fits.
void TCustomGrid::ClampInView(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
    TGridCoord maxTL = MaxTopLeft();
    auto newFirst = [](const TGridAxis& axis, int fixed, int first, int index, int extent, int maxFirst) {
        if (index < fixed) return first;
        if (index < first) return index;
        std::int64_t room = extent - axis.Offset(fixed);
        std::int64_t end = axis.Offset(index + 1);
        if (end - axis.Offset(first) <= room) return first;
        // The first cell that lets the whole of index show, or index itself.
        int f = axis.IndexAt(end - room);
        if (f < axis.Count() && axis.Offset(f) < end - room) ++f;
        return std::clamp(std::min(f, index), fixed, std::max(maxFirst, fixed));
    };
    int left = newFirst(FCols, FFixedCols, FTopLeft.X, ACol, ClientWidth(), maxTL.X);
    int top = newFirst(FRows, FFixedRows, FTopLeft.Y, ARow, ClientHeight(), maxTL.Y);
    MoveTopLeft(std::max(left, FFixedCols), std::max(top, FFixedRows));
}

void TCustomGrid::UpdateScrollBars()
{
    TGridCoord maxTL = MaxTopLeft();
    auto update = [&](TGridScrollBar& bar, bool wanted, int fixed, int first, int maxFirst) {
        bar.Visible = wanted && maxFirst > fixed;
        bar.Min = 0;
        bar.Max = ThumbRange;
        bar.Position = maxFirst > fixed ? std::clamp(MulDiv(first - fixed, ThumbRange, maxFirst - fixed), 0, ThumbRange) : 0;
    };
    update(FHorzBar, FScrollBars == ssHorizontal || FScrollBars == ssBoth, FFixedCols, FTopLeft.X, maxTL.X);
    update(FVertBar, FScrollBars == ssVertical || FScrollBars == ssBoth, FFixedRows, FTopLeft.Y, maxTL.Y);
    if (!HandleAllocated()) return;

    const TSize clientBefore{ClientWidth(), ClientHeight()};
    for (int bar : {SB_HORZ, SB_VERT}) {
        const TGridScrollBar& b = bar == SB_HORZ ? FHorzBar : FVertBar;
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        info.nMin = 0;
        info.nMax = b.Visible ? ThumbRange : 0; // an empty range hides the bar
        info.nPage = 0;
        info.nPos = b.Position;
        SetScrollInfo(Handle(), bar, info, true);
    }
    // A bar that came or went changed the client area and so the last page.
    // Showing bars only shrinks the client, so this settles within two rounds.
    if (!(clientBefore == TSize{ClientWidth(), ClientHeight()}) && FBarRelayoutDepth < 2) {
        ++FBarRelayoutDepth;
        RepairAfterSizeChange();
        --FBarRelayoutDepth;
    }
}

void TCustomGrid::CreateHandle()
{
    TCustomControl::CreateHandle();
    UpdateScrollBars();
}

void TCustomGrid::ScrollMessage(bool Vertical, unsigned Code, int ThumbPos)
{
    int fixed = Vertical ? FFixedRows : FFixedCols;
    int first = Vertical ? FTopLeft.Y : FTopLeft.X;
    TGridCoord maxTL = MaxTopLeft();
    int maxFirst = std::max(Vertical ? maxTL.Y : maxTL.X, fixed);
    int page = Vertical ? VisibleRowCount() : VisibleColCount();
    int target = first;
    switch (Code) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_THUMBTRACK:
        if (!FOptions.Contains(goThumbTracking)) return;
        [[fallthrough]];
    case SB_THUMBPOSITION:
        target = MulDiv(std::clamp(ThumbPos, 0, ThumbRange), maxFirst - fixed, ThumbRange) + fixed;
        break;
    case SB_TOP: target = fixed; break;
    case SB_BOTTOM: target = maxFirst; break;
    default: return;
    }
    target = std::clamp(target, fixed, maxFirst);
    if (Vertical) MoveTopLeft(FTopLeft.X, target);
    else MoveTopLeft(target, FTopLeft.Y);
}

void TCustomGrid::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollMessage(Message.Msg == WM_VSCROLL, Message.WParamLo(), static_cast<int>(Message.WParamHi()));
        Message.Result = 0;
        break;
    default:
        TCustomControl::Dispatch(Message);
        break;
    }
}

void TCustomGrid::BoundsChanged()
{
    TCustomControl::BoundsChanged();
    RepairAfterSizeChange();
}
