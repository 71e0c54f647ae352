// The grid's clipboard: copying, cutting and pasting cells as tab-separated text, with smart fill.
#include "grid/QuillGrid.h"

#include "grid/base/NavigationSettings.h"
#include "grid/files/ClipboardText.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Numbers.h"
#include "platform/ui/Clipboard.h"

#include <algorithm>

bool TQuillStringGrid::ClipboardMayWrite(int ACol, int ARow)
{
    if (Navigation().AllowClipboardAlways()) return true;
    if (!Options().Contains(goEditing)) return false;
    bool canEdit = true;
    DoCanEditCell(ACol, ARow, canEdit);
    return canEdit;
}

void TQuillStringGrid::PasteCellText(int ACol, int ARow, const std::string& Text)
{
    SetCells(RealColIndex(ACol), ARow, Text);
}

void TQuillStringGrid::CopyRectToClipboard(const TGridRect& R)
{
    ExportNotification(esExportStart, -1);
    std::string text, cell;
    const bool rows = R.Bottom > R.Top;
    for (int row = R.Top; row <= R.Bottom; ++row) {
        ExportNotification(esExportNextRow, row);
        for (int col = R.Left; col <= R.Right; ++col) {
            GetSaveCellText(RealColIndex(col), row, cell);
            if (!Navigation().CopyHTMLTagsToClipboard() && cell.find("</") != std::string::npos)
                cell = StrippedCells(RealColIndex(col), row);
            grid::files::AppendClipboardField(text, cell);
            if (col < R.Right) text += '\t';
        }
        if (rows) text += "\r\n";
    }
    Clipboard()->SetAsText(text);
    ExportNotification(esExportDone, -1);
}

void TQuillStringGrid::CutRect(const TGridRect& R)
{
    CopyRectToClipboard(R);
    for (int row = R.Top; row <= R.Bottom; ++row)
        for (int col = R.Left; col <= R.Right; ++col)
            if (ClipboardMayWrite(col, row)) PasteCellText(col, row, {});
    DoCellsChanged({R.Left, R.Top, R.Right, R.Bottom});
}

void TQuillStringGrid::CopySelectionToClipboard() { CopyRectToClipboard(Selection()); }

void TQuillStringGrid::CutSelectionToClipboard() { CutRect(Selection()); }

void TQuillStringGrid::CopyToClipBoard()
{
    CopyRectToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()});
}

void TQuillStringGrid::CutToClipboard() { CutRect({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}); }

int TQuillStringGrid::PasteTextAt(int ACol, int ARow, int& BlockCols, int& BlockRows)
{
    BlockCols = BlockRows = 0;
    if (ACol < 0 || ARow < 0 || !(Options().Contains(goEditing) || Navigation().AllowClipboardAlways())) return 0;
    const auto lines = grid::files::ParseClipboardText(Clipboard()->AsText());
    int cells = 0, lastCol = ACol, lastRow = ARow;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = ARow + static_cast<int>(i);
        if (row >= RowCount()) {
            if (!Navigation().AllowClipboardRowGrow()) break;
            SetRowCount(row + 1);
        }
        ImportNotification(isImportNextRow, row);
        for (std::size_t j = 0; j < lines[i].size(); ++j) {
            const int col = ACol + static_cast<int>(j);
            ++cells;
            if (col >= ColCount()) {
                if (!Navigation().AllowClipboardColGrow()) continue;
                SetColCount(col + 1);
            }
            if (ClipboardMayWrite(col, row)) PasteCellText(col, row, lines[i][j]);
            lastCol = std::max(lastCol, col);
        }
        lastRow = row;
        BlockCols = std::max(BlockCols, static_cast<int>(lines[i].size()));
        ++BlockRows;
    }
    DoCellsChanged({ACol, ARow, lastCol, lastRow});
    return cells;
}

void TQuillStringGrid::PasteFromClipboard()
{
    int cols, rows;
    ImportNotification(isImportStart, SaveStartRow());
    PasteTextAt(SaveStartCol(), SaveStartRow(), cols, rows);
    ImportNotification(isImportDone, -1);
}

void TQuillStringGrid::PasteSelectionFromClipboard()
{
    const TGridRect r = Selection();
    ImportNotification(isImportStart, r.Top);
    const int left = Options().Contains(goRowSelect) ? FixedCols() : r.Left;
    int blockCols = 0, blockRows = 0;
    const int pasted = PasteTextAt(left, r.Top, blockCols, blockRows);
    const int selected = (r.Right - r.Left + 1) * (r.Bottom - r.Top + 1);
    if (Navigation().AllowSmartClipboard() && pasted > 0 && pasted < selected) {
        if (r.Bottom > r.Top && r.Right > r.Left) {
            // A one-row block goes into every selected row, a one-column block into every column.
            if (blockRows == 1)
                for (int row = r.Top + 1; row <= r.Bottom; ++row) PasteTextAt(left, row, blockCols, blockRows);
            else if (blockCols == 1)
                for (int col = r.Left + 1; col <= r.Right; ++col) PasteTextAt(col, r.Top, blockCols, blockRows);
        } else {
            SmartFill(r, r.Bottom > r.Top ? blockRows : blockCols);
        }
    }
    ImportNotification(isImportDone, -1);
    DoCellsChanged({r.Left, r.Top, r.Right, r.Bottom});
}

void TQuillStringGrid::SmartFill(const TGridRect& R, int Pasted)
{
    // The cells of a single row or column in order.
    const bool column = R.Bottom > R.Top;
    const int count = column ? R.Bottom - R.Top + 1 : R.Right - R.Left + 1;
    auto cellAt = [&](int i) { return column ? TGridCoord{R.Left, R.Top + i} : TGridCoord{R.Left + i, R.Top}; };
    auto text = [&](int i) { return Cells(RealColIndex(cellAt(i).X), cellAt(i).Y); };
    auto write = [&](int i, const std::string& value) {
        if (ClipboardMayWrite(cellAt(i).X, cellAt(i).Y)) PasteCellText(cellAt(i).X, cellAt(i).Y, value);
    };
    if (Pasted == 1) {
        const std::string value = text(0);
        for (int i = 1; i < count; ++i) write(i, value);
        return;
    }
    const std::string first = text(0), second = text(1);
    const char decimal = CurrentDecimalSeparator();
    std::int64_t i1, i2;
    double f1, f2;
    if ((first.find(decimal) != std::string::npos || second.find(decimal) != std::string::npos) &&
        TryStrToFloat(first, f1) && TryStrToFloat(second, f2)) {
        for (int i = 0; i < count; ++i) write(i, Format(FloatFormat(), {f1 + i * (f2 - f1)}));
        return;
    }
    if (TryStrToInt64(first, i1) && TryStrToInt64(second, i2)) {
        for (int i = 0; i < count; ++i) write(i, IntToStr(i1 + i * (i2 - i1)));
        return;
    }
    // Anything else repeats the pasted cells, a whole block at a time.
    for (int i = Pasted; i < count; ++i) write(i, text(i - Pasted));
}
