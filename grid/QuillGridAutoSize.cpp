// Sizing columns and rows to their contents, and fitting the columns into
// the control's width. Texts are measured as painting draws them, each cell
// with the font of its real column, so hidden columns keep their own fonts.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"
#include "grid/model/BehaviourSettings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "grid/base/QuillUtilText.h"
#include "grid/model/SortSettings.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/ScrollBars.h"

namespace {

bool IsToggleKind(TCellType Kind)
{
    switch (Kind) {
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRadioButton:
        return true;
    default:
        return false;
    }
}

int RoundHalfEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

} // namespace

void TQuillStringGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TQuillStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    for (int c = firstCol; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        int widthToBeat = FSizeGrowOnly ? ColWidths(c) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            const TSize text = MeasureCellText(real, c, r, false, false);
            const TPoint graphic = GetCellGraphicSize(real, r);
            const int needX = text.cx + graphic.X + PaddingX + FXYOffset.X;
            const int needY = text.cy + graphic.Y + PaddingY + FXYOffset.Y;
            if (!IsXMergedCell(real, r) && needX > widthToBeat) {
                const int width = ClampToMinMax(needX, FMinColWidth, FMaxColWidth);
                if (width > widthToBeat) {
                    widthToBeat = width;
                    SetColWidths(c, width);
                }
            }
            if (!IsYMergedCell(real, r) && needY > RowHeights(r)) {
                const int height = ClampToMinMax(needY, FMinRowHeight, FMaxRowHeight);
                if (height > RowHeights(r)) SetRowHeights(r, height);
            }
        }
    }
}

int TQuillStringGrid::ContentWidth(int ACol)
{
    const int real = RealColIndex(ACol);
    int first = 0, last = RowCount() - 1;
    switch (FColumnSize->Rows()) {
    case arAll: break;
    case arNormal: first = FixedRows(); last = RowCount() - FFixedFooters - 1; break;
    case arFixed: last = FixedRows() - 1; break;
    }
    const bool sortHeaderColumn = FSortSettings->Show() && FSortSettings->Column() == real;
    int largest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(real, r)) continue;
        const TCellGraphic* graphic = GetCellGraphic(real, r);
        const TPoint graphicSize = GetCellGraphicSize(real, r);
        int width = graphicSize.X + MeasureCellText(real, ACol, r, false, false).cx;
        if (r == FFilterDropDownRow && FFilterDropDownAuto && DoGetColumnFilter(real)) width += 12;
        if (sortHeaderColumn && r == FSortSettings->Row()) width += 10;
        if (graphic && graphic->CellType() != ctEmpty && graphic->CellHAlign() == haFull)
            width = graphicSize.X - 2 * GridLineWidth() - FXYOffset.X - 2;
        largest = std::max(largest, width);
    }
    return largest;
}

void TQuillStringGrid::SizeColumnToContent(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    int width = HorzTextMargin() + ContentWidth(ACol) + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ACol) >= width) return;
    DoUpdateAutoColumnSize(ACol, width);
    SetColWidths(ACol, ClampToMinMax(width, FMinColWidth, FMaxColWidth));
}

void TQuillStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount()) return;
    SizeColumnToContent(ACol, FSizeGrowOnly);
    if (Padding != 0) SetColWidths(ACol, ClampToMinMax(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TQuillStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c) {
        SizeColumnToContent(c, false);
        if (Padding != 0) SetColWidths(c, ClampToMinMax(ColWidths(c) + Padding, FMinColWidth, FMaxColWidth));
    }
}

void TQuillStringGrid::SizeRowToContent(int ARow, bool GrowOnly)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    int largest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        if (IsYMergedCell(real, ARow) || IsIgnoredColumn(real)) continue;
        const TCellGraphic* graphic = GetCellGraphic(real, ARow);
        const TCellType kind = graphic ? graphic->CellType() : ctEmpty;
        int textHeight = MeasureCellText(real, c, ARow, WordWrap(), false).cy;
        int graphicHeight = GetCellGraphicSize(real, ARow).Y;
        if (kind != ctEmpty && graphic->CellVAlign() == vaFull)
            graphicHeight = GetCellEx(real, ARow).empty() ? DefaultRowHeight() : 0;
        if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && graphicHeight > 0) textHeight = 0;
        int height = textHeight + graphicHeight;
        if (IsMergedNonBaseCell(real, ARow)) height = 0;
        if (IsToggleKind(kind)) height = DefaultRowHeight();
        largest = std::max(largest, height);
    }
    const int height = VertTextMargin() + largest + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
    if (GrowOnly && RowHeights(ARow) >= height) return;
    SetRowHeights(ARow, ClampToMinMax(height, FMinRowHeight, FMaxRowHeight));
}

void TQuillStringGrid::AutoSizeRow(int ARow, int Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    SizeRowToContent(ARow, FSizeGrowOnly);
    if (Padding != 0) SetRowHeights(ARow, ClampToMinMax(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

int TQuillStringGrid::RowLineCount(int ARow)
{
    if (!MultiLineCells()) return 1;
    int lines = 1;
    for (int c = 0; c < ColCount(); ++c) lines = std::max(lines, LinesInCell(RealColIndex(c), ARow));
    return lines;
}

void TQuillStringGrid::SizeRowToLines(int ARow, int Lines, int Padding)
{
    if (ARow < 0 || ARow >= RowCount()) return;
    TCanvas& canvas = *Canvas();
    TGridDrawState state;
    const int col = std::min(FixedCols(), ColCount() - 1);
    GetFontProperties(col, RealColIndex(col), ARow, state, *canvas.Font(), *canvas.Brush());
    const int h = canvas.TextHeight("gh");
    SetRowHeights(ARow, ClampToMinMax(Padding + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

void TQuillStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0) return;
    for (int r = DoFixedRows ? 0 : FixedRows(); r < RowCount(); ++r) {
        if (WordWrap()) AutoSizeRow(r, Padding);
        else SizeRowToLines(r, RowLineCount(r), Padding);
    }
}

void TQuillStringGrid::AutoFitColumns(bool DoFixedCells)
{
    if (ColCount() == 0) return;
    const bool verticalBar = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
    const int s = verticalBar && RowOffset(RowCount()) > ClientHeight() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    // This grid draws no border of its own.
    const int b = 0;
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    int available = Width();
    if (!DoFixedCells) {
        for (int c = 0; c < first; ++c) available -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c) available -= ColWidths(c);
    }
    const int n = std::max(0, last - first + 1);
    int lines = 0;
    if (Options().Contains(goVertLine)) lines = GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols);
    if (Options().Contains(goFixedVertLine) && DoFixedCells) lines += FixedCols() + FFixedRightCols;
    const int target = available - s - b;

    if (ColCount() < 2) {
        SetColWidths(0, Width() - s - 5);
    } else {
        long long sum = 0;
        for (int c = first; c <= last; ++c) sum += ColWidths(c);
        if (target == sum) return;
        // Columns of no width at all cannot be scaled.
        if (sum <= 0) return;
        const double f = static_cast<double>(target - lines) / static_cast<double>(sum);
        long long total = 0;
        for (int c = first; c <= last; ++c) total += RoundHalfEven(ColWidths(c) * f);
        for (int c = first; c <= last; ++c)
            SetColWidths(c, RoundHalfEven(static_cast<double>(ColWidths(c)) * static_cast<double>(total) /
                                          static_cast<double>(sum)));
    }

    long long newTotal = 0;
    for (int c = first; c <= last; ++c) newTotal += ColWidths(c);
    int rem = static_cast<int>(target - newTotal);
    if (n >= 2 && rem > n) {
        for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + rem / n);
        rem %= n;
    }
    int widest = 0;
    for (int c = first + 1; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest)) widest = c;
    SetColWidths(widest, ColWidths(widest) + rem);
}

void TQuillStringGrid::SizeToCols()
{
    int width = 0;
    for (int c = 0; c < ColCount(); ++c) width += ColWidths(c);
    SetClientWidth(width);
}

void TQuillStringGrid::SizeToRows()
{
    int height = 0;
    for (int r = 0; r < RowCount(); ++r) height += RowHeights(r);
    SetClientHeight(height);
}

void TQuillStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}
