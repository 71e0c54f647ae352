// The fill handle: a small square at the bottom-right corner of the
// selection. Dragged, it grows the selection, and the release fills the
// grown block from the cells it started with.
#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/interact/PointerState.h"
#include "grid/base/NavigationSettings.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/ScopeExit.h"

namespace {

constexpr int FillHandleSize = 6;

TGridRect Normalised(TGridRect r)
{
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return r;
}

} // namespace

// The handle's square in client coordinates; empty while the selection's
// corner is out of view or the grid shows no handle.
TRect TQuillStringGrid::FillHandleRect()
{
    if (!FPointer->SelectionResizer || !FPointer->SelectionRectangle) return {};
    const TGridRect s = Normalised(Selection());
    const TRect cell = CellRect(s.Right, s.Bottom);
    if (cell.Right <= cell.Left || cell.Bottom <= cell.Top) return {};
    return {cell.Right - FillHandleSize, cell.Bottom - FillHandleSize, cell.Right, cell.Bottom};
}

bool TQuillStringGrid::OverFillHandle(int X, int Y)
{
    const TRect r = FillHandleRect();
    return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
}

// A press on the handle copies the selection and starts growing it from
// its top-left corner. True when the press was the handle's.
bool TQuillStringGrid::FillHandlePress(int X, int Y)
{
    if (!OverFillHandle(X, Y)) return false;
    const TGridRect s = Normalised(Selection());
    FPointer->DropSelection = s;
    CopySelectionToClipboard();
    FPointer->MouseResize = true;
    SetSelection(s);
    SetGridState(gsSelecting);
    return true;
}

// The release fills the grown selection with the copied block.
bool TQuillStringGrid::FillHandleRelease()
{
    if (!FPointer->MouseResize) return false;
    FPointer->MouseResize = false;
    if (GridState() == gsSelecting) SetGridState(gsNormal);
    const TGridRect before = FPointer->DropSelection;
    const TGridRect after = Normalised(Selection());
    if (OnSelectionResize) OnSelectionResize(this, before, after);
    {
        // The paste repeats the block or continues its series over the
        // grown area, whatever the clipboard setting says for plain pastes.
        // The grid's edit permission is left alone: a handle grabbed on a
        // read-only cell must not switch editing off for good.
        const bool smart = Navigation().AllowSmartClipboard();
        const rtl::ScopeExit restore([this, smart] { Navigation().SetAllowSmartClipboard(smart); });
        Navigation().SetAllowSmartClipboard(true);
        PasteSelectionFromClipboard();
    }
    if (OnSelectionResized) OnSelectionResized(this, before, after);
    return true;
}

void TQuillStringGrid::SetSelectionRectangle(bool Value)
{
    FPointer->SelectionRectangle = Value;
    Invalidate();
}

void TQuillStringGrid::SetSelectionResizer(bool Value)
{
    FPointer->SelectionResizer = Value;
    Invalidate();
}

void TQuillStringGrid::DrawFillHandle(TCanvas& ACanvas)
{
    const TRect handle = FillHandleRect();
    if (handle.Right <= handle.Left) return;
    const TGridRect s = Normalised(Selection());
    const TRect from = CellRect(s.Left, s.Top), to = CellRect(s.Right, s.Bottom);
    ACanvas.Brush()->SetStyle(bsClear);
    ACanvas.Pen()->SetColor(clBlack);
    ACanvas.Pen()->SetWidth(1);
    ACanvas.Rectangle(from.Left, from.Top, to.Right, to.Bottom);
    ACanvas.Brush()->SetStyle(bsSolid);
    ACanvas.Brush()->SetColor(clBlack);
    ACanvas.FillRect(handle);
}
