// The pointer over the grid between presses: cell hints (whole texts, texts
// that do not fit, comments, link titles), the size shown while a column or
// row is sized, the cursor of each region and fixed cells lit under the
// pointer.
#include <algorithm>

#include "grid/QuillGrid.h"
#include "grid/interact/HoverState.h"
#include "grid/interact/PointerState.h"
#include "grid/base/MouseActions.h"
#include "grid/base/QuillUtilCellText.h"
#include "grid/interact/EditState.h"
#include "grid/interact/HTMLHintWindow.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "render/HTMLRenderer.h"
#include "render/HTMLUtils.h"

namespace {

// The sizing hint is measured within this width.
constexpr int SizingHintWidth = 200;
// A link's title shows this far right of and above the pointer.
constexpr TPoint AnchorHintOffset{8, -16};
// Other hints show this far below the cell.
constexpr int HintBelowCell = 6;

// The shapes behind the grid's cursor numbers, registered once.
void RegisterGridCursors()
{
    static bool registered = false;
    if (registered || !Screen) return;
    registered = true;
    constexpr std::pair<TCursor, TCursor> shapes[] = {
        {grid::crPanOrigin, crAllScroll},    {grid::crPanOrigin + 1, crArrowS},  {grid::crPanOrigin + 2, crArrowW},
        {grid::crPanOrigin + 3, crArrowE},   {grid::crPanOrigin + 4, crArrowN},  {grid::crPanOrigin + 5, crArrowNE},
        {grid::crPanOrigin + 6, crArrowNW},  {grid::crPanOrigin + 7, crArrowSE}, {grid::crPanOrigin + 8, crArrowSW},
        {grid::crRowSelect, crArrowE},       {grid::crColSelect, crArrowS},      {grid::crSelectAll, crArrowSE},
        {grid::crCellSelector, crCell}};
    for (const auto& [number, shape] : shapes) Screen->SetCursors(number, shape);
}

// A wide-encoded text as UTF-8; any other text as it is.
std::string ReadableText(const std::string& Text)
{
    return ClassifyCellText(Text, false) == grid::ctkWide ? rtl::Utf16ToUtf8(DecodeWideCellText(Text)) : Text;
}

} // namespace

bool TQuillStringGrid::IsHoverFixedCell(int ACol, int ARow) const
{
    const THoverFixedCells h = FHoverFixedCells;
    return (ACol < FixedCols() && (h == hfAll || h == hfFixedColumns)) ||
           (ARow < FixedRows() && (h == hfAll || h == hfFixedRows));
}

void TQuillStringGrid::SuspendFixedHover(bool Value)
{
    FPointer->NoMouseLeave = Value;
    if (!Value) SetHotFixedCell({-1, -1}, false);
}

void TQuillStringGrid::CMHintShow(TMessage& Message)
{
    auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (!info) return;
    bool canShow = true;
    GetCellHintInfo(info->HintStr, canShow, *info);
    Message.Result = canShow ? 0 : 1;
}

void TQuillStringGrid::GetCellHintInfo(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)
{
    (void)CanShow;
    HintFontName = Font().Name();
    HintInfo.HintColor = FHintColor;
    const TPoint p = HintInfo.CursorPos;
    const TGridCoord cell = MouseCoord(p.X, p.Y);
    if (cell.X < 0 || cell.Y < 0) return;
    FPointer->LastHintPos = cell;
    const TRect r = CellRect(cell.X, cell.Y);
    const int col = RealColIndex(cell.X);
    const std::string& text = GetGridCell(col, cell.Y);
    const int kind = ClassifyCellText(text, true);
    TPoint pos{p.X, r.Bottom + HintBelowCell};
    std::string comment;
    if (IsComment(col, cell.Y, comment)) {
        HintStr = comment;
        pos = {r.Right, r.Top};
    }
    if (FPointer->AnchorHint && kind == grid::ctkHTML) {
        THTMLRenderParams params;
        params.HitTest = true;
        params.XPos = p.X;
        params.YPos = p.Y;
        THTMLRenderResult result;
        if (RenderHTMLText(Canvas(), text, r, params, result) && !result.LinkValue.empty()) {
            std::string anchor = result.LinkTitle.empty() ? result.LinkValue : result.LinkTitle;
            if (OnAnchorHint) OnAnchorHint(this, cell.Y, col, anchor);
            FPointer->LastAnchorHint = anchor;
            HintStr = anchor;
            pos = {p.X + AnchorHintOffset.X, p.Y + AnchorHintOffset.Y};
        }
    }
    const bool normal = cell.X >= FixedCols() && cell.X < ColCount() - FFixedRightCols && cell.Y >= FixedRows() &&
                        cell.Y < RowCount() - FFixedFooters;
    if (FPointer->HintShowCells && normal) {
        HintStr = kind == grid::ctkWide ? ReadableText(text) : FPointer->HTMLHint ? text : StripHTMLMarkup(text);
        pos = {r.Left, r.Top};
    }
    if (FPointer->HintShowLargeText && !text.empty()) {
        const TSize need = GetCellTextSize(col, cell.Y, false, false);
        if (need.cx > r.Width() || need.cy > r.Height()) {
            HintStr = kind == grid::ctkWide ? ReadableText(text)
                      : kind != grid::ctkHTML || FPointer->HTMLHint ? text
                                                                   : StripHTMLMarkup(text);
            pos = {r.Left, r.Top};
        }
    }
    DoGridHint(cell.X, cell.Y, HintStr);
    if (FPointer->UseInternalHintClass && ClassifyCellText(HintStr, true) == grid::ctkHTML)
        HintInfo.HintWindowClass = &THTMLHintWindow::Create;
    HintInfo.HintPos = ClientToScreen(pos);
}

void TQuillStringGrid::DoGridHint(int ACol, int ARow, std::string& HintStr)
{
    if (OnGridHint) OnGridHint(this, ARow, ACol, HintStr);
}

// A pointer on another cell than the last hint's takes that hint away and
// waits to rest again.
void TQuillStringGrid::TrackHintCell(int X, int Y)
{
    if (FPointer->LastHintPos.X < 0 || MouseCoord(X, Y) == FPointer->LastHintPos) return;
    FPointer->LastHintPos = {-1, -1};
    if (!Application) return;
    Application->CancelHint();
    Application->HintMouseMessage(this);
}

THintWindow* TQuillStringGrid::SizingHintWindow() const noexcept { return FPointer->SizingHint; }

// A press that started sizing: which column (row) and where its border was grabbed.
void TQuillStringGrid::BeginSizingHint(int X, int Y)
{
    TGridState state = gsNormal;
    int index = -1, pos = 0, ofs = 0;
    HandleCalcSizingState(X, Y, state, index, pos, ofs, CalcDrawInfo());
    FPointer->Sizing = index >= 0 && (state == gsColSizing || state == gsRowSizing);
    FPointer->SizingColumn = state == gsColSizing;
    FPointer->SizingIndex = index;
    FPointer->SizingOfs = ofs;
}

void TQuillStringGrid::ShowSizingHint(int X, int Y)
{
    if (!FPointer->Sizing || !(FPointer->HintShowSizing || DesignMode())) return;
    const TRect ref = SizingReferenceRect();
    const std::string text = (FPointer->SizingColumn ? "cw=<b>" : "rh=<b>") + std::to_string(SizingSizeAt(X, Y)) + "</b>";
    if (!FPointer->SizingHint) FPointer->SizingHint = new THTMLHintWindow(this);
    FPointer->SizingHint->SetColor(FHintColor);
    TRect r = FPointer->SizingHint->CalcHintRect(SizingHintWidth, text);
    const TPoint at = ClientToScreen({ref.Left, ref.Top});
    OffsetRect(r, at.X, at.Y);
    FPointer->SizingHint->ActivateHint(r, text);
}

void TQuillStringGrid::EndSizingHint()
{
    FPointer->Sizing = false;
    if (FPointer->SizingHint) FPointer->SizingHint->ReleaseHandle();
}

// What a press at the point would select: whole columns from a header,
// whole rows from a row header, the whole grid from the corner.
TMouseSelectMode TQuillStringGrid::SelectModeAt(int X, int Y)
{
    if (OverFillHandle(X, Y)) return msResize;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0) return msNormal;
    const TMouseActions& actions = MouseActions();
    const bool fixedCol = cell.X < FixedCols(), fixedRow = cell.Y < FixedRows();
    if (fixedCol && fixedRow) return actions.AllSelect() ? msAll : msNormal;
    if (fixedRow && actions.ColSelect() && !IsOverSizingBorder(X, Y)) return msColumn;
    if (fixedCol && actions.RowSelect() && cell.Y < RowCount() - FFixedFooters && !IsOverSizingBorder(X, Y) &&
        !(IsNode(cell.Y) && IsNodeButtonHit(cell.Y, X)))
        return msRow;
    return msNormal;
}

void TQuillStringGrid::ShowGridCursor(TCursor Value)
{
    RegisterGridCursors();
    FPointer->ShownCursor = Value;
    if (Cursor() != Value) SetCursor(Value);
}

void TQuillStringGrid::UpdatePointerCursor(int X, int Y)
{
    // A cursor found that the grid did not set was the application's choice.
    if (Cursor() != FPointer->ShownCursor) FPointer->OldCursor = Cursor();
    const TGridState state = GridState();
    if (state == gsColSizing || state == gsRowSizing) return;
    FPointer->MouseSelectMode = SelectModeAt(X, Y);
    switch (FPointer->MouseSelectMode) {
    case msColumn: ShowGridCursor(grid::crColSelect); return;
    case msRow: ShowGridCursor(grid::crRowSelect); return;
    case msAll:
    case msResize: ShowGridCursor(grid::crSelectAll); return;
    default: break;
    }
    TCursor cursor = FPointer->OldCursor;
    if (state == gsNormal) {
        TGridState sizing = gsNormal;
        int index = -1, pos = 0, ofs = 0;
        HandleCalcSizingState(X, Y, sizing, index, pos, ofs, CalcDrawInfo());
        if (sizing == gsColSizing) cursor = crHSplit;
        else if (sizing == gsRowSizing) cursor = crVSplit;
    }
    const TGridCoord cell = MouseCoord(X, Y);
    if (cursor == FPointer->OldCursor && FHover->OverLink) cursor = crHandPoint;
    if (cursor == FPointer->OldCursor && cell.X >= 0 && cell.Y >= 0) DoGetCellCursor(cell.X, cell.Y, X, Y, cursor);
    ShowGridCursor(cursor);
}

void TQuillStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y, TCursor& ACursor)
{
    (void)X;
    (void)Y;
    if (OnGetCellCursor) OnGetCellCursor(this, RealColIndex(ACol), ARow, ACursor);
}

bool TQuillStringGrid::HintShowCells() const noexcept { return FPointer->HintShowCells; }
void TQuillStringGrid::SetHintShowCells(bool Value) noexcept { FPointer->HintShowCells = Value; }
bool TQuillStringGrid::HintShowLargeText() const noexcept { return FPointer->HintShowLargeText; }
void TQuillStringGrid::SetHintShowLargeText(bool Value) noexcept { FPointer->HintShowLargeText = Value; }
bool TQuillStringGrid::HintShowSizing() const noexcept { return FPointer->HintShowSizing; }
void TQuillStringGrid::SetHintShowSizing(bool Value) noexcept { FPointer->HintShowSizing = Value; }
bool TQuillStringGrid::HTMLHint() const noexcept { return FPointer->HTMLHint; }
void TQuillStringGrid::SetHTMLHint(bool Value) noexcept { FPointer->HTMLHint = Value; }
bool TQuillStringGrid::AnchorHint() const noexcept { return FPointer->AnchorHint; }
void TQuillStringGrid::SetAnchorHint(bool Value) noexcept { FPointer->AnchorHint = Value; }
bool TQuillStringGrid::UseInternalHintClass() const noexcept { return FPointer->UseInternalHintClass; }
void TQuillStringGrid::SetUseInternalHintClass(bool Value) noexcept { FPointer->UseInternalHintClass = Value; }
TMouseSelectMode TQuillStringGrid::MouseSelectMode() const noexcept { return FPointer->MouseSelectMode; }
bool TQuillStringGrid::FixedAsButtons() const noexcept { return FPointer->FixedAsButtons; }
void TQuillStringGrid::SetFixedAsButtons(bool Value) noexcept { FPointer->FixedAsButtons = Value; }
TGridCoord TQuillStringGrid::PushedFixedCell() const noexcept { return FPointer->PushedFixedCell; }
bool TQuillStringGrid::EnableWheel() const noexcept { return FPointer->EnableWheel; }
void TQuillStringGrid::SetEnableWheel(bool Value) noexcept { FPointer->EnableWheel = Value; }
bool TQuillStringGrid::IntelliZoom() const noexcept { return FPointer->IntelliZoom; }
void TQuillStringGrid::SetIntelliZoom(bool Value) noexcept { FPointer->IntelliZoom = Value; }
TIntelliPan TQuillStringGrid::IntelliPan() const noexcept { return FPointer->IntelliPan; }
void TQuillStringGrid::SetIntelliPan(TIntelliPan Value) noexcept { FPointer->IntelliPan = Value; }
bool TQuillStringGrid::SelectionRectangle() const noexcept { return FPointer->SelectionRectangle; }
bool TQuillStringGrid::SelectionResizer() const noexcept { return FPointer->SelectionResizer; }
