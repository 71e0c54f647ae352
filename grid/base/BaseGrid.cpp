// The base grid's life cycle, settings, default model operations and the
// shown and stored cell texts.
#include "grid/base/BaseGrid.h"

#include "grid/base/QuillUtilCellText.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Strings.h"

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner)
{
    SetGridLineWidth(1);
    SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid()
{
    // Cells beyond the current counts keep their slots too, so every slot
    // the store holds is visited, not only the grid's rectangle.
    if (FHasCellProps)
        for (const TGridCoord& cell : Store().ObjectCells()) FreeCellPropertiesRect(cell.X, cell.Y, cell.X, cell.Y);
}

void TBaseGrid::SetActiveRowShow(bool Value)
{
    if (Value == FActiveRowShow) return;
    FActiveRowShow = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value)
{
    if (Value == FActiveRowColor) return;
    FActiveRowColor = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor Value)
{
    if (Value == FActiveRowColorTo) return;
    FActiveRowColorTo = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor Value)
{
    if (Value == FActiveRowMirrorColor) return;
    FActiveRowMirrorColor = Value;
    Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value)
{
    if (Value == FActiveRowMirrorColorTo) return;
    FActiveRowMirrorColorTo = Value;
    Invalidate();
}

void TBaseGrid::SetDefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    TObjStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    TObjStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value)
{
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value)
{
    FGridFixedLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value)
{
    if (Value == FSelectionStyle) return;
    FSelectionStyle = Value;
    Invalidate();
}

void TBaseGrid::Paint()
{
    FPaintRegion = -1;
    TObjStringGrid::Paint();
    ++FPaintID;
}

bool TBaseGrid::IsFixed(int, int) { return false; }

int TBaseGrid::GetNodeIndent(int) { return 0; }

bool TBaseGrid::HasNodes() { return false; }

void TBaseGrid::DrawCellContent(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    std::string text = GetCellEx(ACol, ARow);
    if (ClassifyCellText(text, false) == grid::ctkWide) text = rtl::Utf16ToUtf8(DecodeWideCellText(text));
    TRect rect = ARect;
    ACanvas.Brush()->SetStyle(bsClear);
    ACanvas.TextRect(rect, text, {tfCenter, tfVerticalCenter, tfSingleLine, tfNoPrefix});
}

void TBaseGrid::UpdateFooterRow() {}

void TBaseGrid::DoGetDisplText(int ACol, int ARow, std::string& Value)
{
    if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplWideText(int ACol, int ARow, std::u16string& Value)
{
    if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDefaultCellProps(int, int, TFont& AFont, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                    TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                                    TCellGradientDirection& GD)
{
    AFont.Assign(&Font());
    ABrush.SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::CellTextChanged(int, int) {}

bool TBaseGrid::HasCustomBorders() { return false; }

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush&, TColor&, TColor&, TColor&,
                                    TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&)
{
}

int TBaseGrid::DisplColIndex(int ACol) { return ACol; }

int TBaseGrid::TotalColCount() const { return ColCount(); }

std::string TBaseGrid::GetCellEx(int ACol, int ARow)
{
    int baseCol = ACol, baseRow = ARow;
    ResolveBaseCell(ACol, ARow, baseCol, baseRow);
    std::string text = GetGridCell(baseCol, baseRow);
    if (baseRow < FNormalRowCount) {
        DoGetDisplText(baseCol, baseRow, text);
        if (OnGetDisplWideText) {
            std::u16string wide = DecodeWideCellText(text);
            DoGetDisplWideText(baseCol, baseRow, wide);
            text = EncodeWideCellText(wide);
        }
    }
    return text;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const std::string& Value)
{
    if (const TCellProperties* props = PropsAt(ACol, ARow)) {
        const TPoint base = props->GetBaseCell(ACol, ARow);
        SetGridCell(base.X, base.Y, Value);
        CellTextChanged(base.X, base.Y);
        if (Parent()) RepaintCell(ACol, ARow);
    } else {
        WriteCellText(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1) UpdateFooterRow();
}

void TBaseGrid::RepaintCell(int ACol, int ARow)
{
    // Cells beyond the counts keep their data but have no place on screen.
    if (!HandleAllocated() || ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return;
    const TRect rect = CellRect(ACol, ARow);
    InvalidateRect(&rect, true);
}

void TBaseGrid::ResetColumn(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        SetGridObject(ACol, r, nullptr);
        SetCellEx(ACol, r, "");
    }
}

void TBaseGrid::ResetRow(int ARow)
{
    for (int c = 0; c < ColCount(); ++c) {
        SetGridObject(c, ARow, nullptr);
        SetCellEx(c, ARow, "");
    }
}

void TBaseGrid::ResetCell(int ACol, int ARow)
{
    // The text goes first, while a covered cell still leads to its base.
    SetCellEx(ACol, ARow, "");
    SetGridObject(ACol, ARow, nullptr);
}

int TBaseGrid::FixedColsWidth() const { return static_cast<int>(ColOffset(FixedCols())); }

int TBaseGrid::FixedRowsHeight() const { return static_cast<int>(RowOffset(FixedRows())); }
