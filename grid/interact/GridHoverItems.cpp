// What lights up as the pointer moves over cells: the row under it in the
// hover colours, a cell button drawn hot, the link under it underlined
// (with URLUnderlineOnHover) and the hand cursor over links; the pointer
// entering and leaving anchors is reported. Each move repaints only what
// changed. A right press on an address edits it with URLEdit.
#include "grid/QuillGrid.h"
#include "grid/interact/HoverState.h"
#include "grid/interact/PointerState.h"

#include <utility>

#include "grid/base/QuillUtilCellText.h"
#include "grid/base/QuillUtilText.h"
#include "grid/interact/GridBalloon.h"
#include "grid/paint/CellGraphicPainter.h"
#include "platform/ui/Application.h"
#include "render/HTMLRenderer.h"

void TQuillStringGrid::SetURLUnderlineOnHover(bool Value)
{
    if (FHover->URLUnderlineOnHover == Value) return;
    FHover->URLUnderlineOnHover = Value;
    Invalidate();
}

void TQuillStringGrid::TrackHover(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    const bool onCell = cell.X >= 0 && cell.Y >= 0;
    if (onCell && !DesignMode()) TrackHoverRow(cell.Y);
    TrackHoverButton(cell, X, Y);
    TrackCellLinks(cell, X, Y);
    if (FBalloonTip) FBalloonTip->PointerAt({X, Y});
}

void TQuillStringGrid::TrackHoverRow(int ARow)
{
    if (!HoverRow() || ARow == FHoverRowIdx) return;
    const int old = std::exchange(FHoverRowIdx, ARow);
    if (old >= 0 && old < RowCount()) InvalidateRow(old);
    InvalidateRow(ARow);
}

TRect TQuillStringGrid::CellGraphicRect(int ACol, int ARow)
{
    // As the cell painter insets the content of fixed and normal cells.
    TRect r = CellRect(ACol, ARow);
    if (ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow)) {
        r.Right -= 1;
        r.Bottom -= 2;
        r.Top += 1;
    } else {
        InflateRect(r, -GridLineWidth(), -GridLineWidth());
    }
    return r;
}

void TQuillStringGrid::TrackHoverButton(TGridCoord Cell, int X, int Y)
{
    TGridCoord hot{-1, -1};
    if (Cell.X >= 0 && Cell.Y >= 0) {
        const TPoint base = BaseCell(Cell.X, Cell.Y);
        const TCellGraphic* graphic = GetCellGraphic(RealColIndex(base.X), base.Y);
        if (graphic && (graphic->CellType() == ctButton || graphic->CellType() == ctBitButton ||
                        graphic->CellType() == ctExpand) &&
            grid::CellButtonBox(*graphic, CellGraphicRect(base.X, base.Y)).Contains({X, Y}))
            hot = {base.X, base.Y};
    }
    if (hot == FHover->Button) return;
    const TGridCoord old = std::exchange(FHover->Button, hot);
    if (old.X >= 0 && old.X < ColCount() && old.Y < RowCount()) RepaintCell(old.X, old.Y);
    if (hot.X >= 0) RepaintCell(hot.X, hot.Y);
}

void TQuillStringGrid::SetHoverLink(TGridCoord Cell, int Link)
{
    if (Cell == FHover->LinkCell && Link == FHover->HoverLink) return;
    const TGridCoord old = FHover->LinkCell;
    const bool oldLit = FHover->HoverLink >= 0;
    FHover->LinkCell = Cell;
    FHover->HoverLink = Link;
    if (!FHover->URLUnderlineOnHover) return;
    if (oldLit && old.X >= 0 && old.X < ColCount() && old.Y < RowCount()) RepaintCell(old.X, old.Y);
    if (Link >= 0 && Cell.X >= 0) RepaintCell(Cell.X, Cell.Y);
}

void TQuillStringGrid::LeaveAnchor(TGridCoord Cell)
{
    if (FHover->Anchor.empty()) return;
    FHover->Anchor.clear();
    if (OnAnchorExit) OnAnchorExit(this, Cell.Y, Cell.X, FHover->Anchor);
}

void TQuillStringGrid::TrackCellLinks(TGridCoord Cell, int X, int Y)
{
    FHover->OverLink = false;
    if (Cell.X < 0 || Cell.Y < 0) {
        SetHoverLink({-1, -1}, -1);
        LeaveAnchor(Cell);
        return;
    }
    const TPoint base = BaseCell(Cell.X, Cell.Y);
    const std::string& text = GetGridCell(RealColIndex(base.X), base.Y);
    if (ClassifyCellText(text, true) != grid::ctkHTML) {
        // An address in a plain cell is one link as a whole.
        FHover->OverLink = URLShow() && IsURLText(text);
        SetHoverLink({-1, -1}, -1);
        LeaveAnchor(Cell);
        return;
    }
    THTMLRenderResult hit;
    std::string anchor;
    if (HitTestHTMLCell(base.X, base.Y, X, Y, hit)) anchor = hit.LinkValue;
    SetHoverLink({base.X, base.Y}, anchor.empty() ? -1 : hit.HoveredLink);
    if (anchor.empty()) {
        LeaveAnchor(Cell);
        return;
    }
    FHover->OverLink = true;
    // A link's title that changed while its hint shows takes the old hint away.
    std::string title = hit.LinkTitle.empty() ? anchor : hit.LinkTitle;
    if (hit.LinkTitle.empty() && OnAnchorHint) OnAnchorHint(this, Cell.Y, Cell.X, title);
    if (!FPointer->LastAnchorHint.empty() && title != FPointer->LastAnchorHint) {
        FPointer->LastAnchorHint.clear();
        if (Application) Application->CancelHint();
    }
    if (anchor == FHover->Anchor) return;
    FHover->Anchor = anchor;
    if (OnAnchorEnter) OnAnchorEnter(this, Cell.Y, Cell.X, anchor);
}

void TQuillStringGrid::ClearHover()
{
    if (HoverRow() && FHoverRowIdx >= 0) {
        const int old = std::exchange(FHoverRowIdx, -1);
        if (old < RowCount()) InvalidateRow(old);
    }
    TrackHoverButton({-1, -1}, 0, 0);
    SetHoverLink({-1, -1}, -1);
    // Leaving the grid from an anchor leaves the anchor too.
    LeaveAnchor({-1, -1});
    FHover->OverLink = false;
    if (FBalloonTip) FBalloonTip->Close();
}

void TQuillStringGrid::EditURLCell(TGridCoord Cell)
{
    if (!URLShow() || !FHover->URLEdit || Cell.X < FixedCols() || Cell.Y < FixedRows()) return;
    const TPoint base = BaseCell(Cell.X, Cell.Y);
    if (!IsURLText(GetGridCell(RealColIndex(base.X), base.Y))) return;
    ShowEditorAt(base);
}

bool TQuillStringGrid::URLUnderlineOnHover() const noexcept { return FHover->URLUnderlineOnHover; }
bool TQuillStringGrid::URLEdit() const noexcept { return FHover->URLEdit; }
void TQuillStringGrid::SetURLEdit(bool Value) noexcept { FHover->URLEdit = Value; }
TGridCoord TQuillStringGrid::HoverButton() const noexcept { return FHover->Button; }
