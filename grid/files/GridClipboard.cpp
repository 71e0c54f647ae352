// The grid's clipboard: copying, cutting and pasting cells as tab-separated
// text, as the top-left cell's rich text and as the grid's own cell stream.
#include "grid/QuillGrid.h"

#include "grid/base/GridUndoRedo.h"
#include "grid/base/NavigationSettings.h"
#include "grid/files/BinRecords.h"
#include "grid/files/ClipboardText.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Clipboard.h"

#include <algorithm>
#include <functional>

namespace {

unsigned RichTextFormat() { return RegisterClipboardFormat("Rich Text Format"); }
unsigned GridCellsFormat() { return RegisterClipboardFormat(grid::GridCellsClipboardFormatName); }

// Undo changes registered between construction and destruction play back as one.
class TUndoSequence {
public:
    explicit TUndoSequence(TQuillGridUndoRedo* Undo) : FUndo(Undo)
    {
        if (FUndo) FUndo->StartSequence();
    }
    ~TUndoSequence()
    {
        if (FUndo) FUndo->StopSequence();
    }
    TUndoSequence(const TUndoSequence&) = delete;
    TUndoSequence& operator=(const TUndoSequence&) = delete;

private:
    TQuillGridUndoRedo* FUndo;
};

} // namespace

bool TQuillStringGrid::ClipboardMayWrite(int ACol, int ARow)
{
    if (Navigation().AllowClipboardAlways()) return true;
    if (!Options().Contains(goEditing)) return false;
    bool canEdit = true;
    DoCanEditCell(ACol, ARow, canEdit);
    return canEdit;
}

bool TQuillStringGrid::UseFormattedClipboard() { return Navigation().AllowFmtClipboard(); }

void TQuillStringGrid::PastedCells(TPoint, TRect, TClipOperation) {}

void TQuillStringGrid::PasteCellText(int ACol, int ARow, const std::string& Text)
{
    const int real = RealColIndex(ACol);
    if (UndoRedo()) {
        const std::string old = Cells(real, ARow);
        if (old != Text) UndoRedo()->RegisterChange(real, ARow, old, Text);
    }
    if (HasCheckBox(real, ARow))
        SetCheckBoxState(real, ARow, Text == CheckTrue());
    else
        SetCells(real, ARow, Text);
    if (real != ACol) RepaintCell(ACol, ARow);
}

bool TQuillStringGrid::PasteThroughEvents(int ACol, int ARow, std::string Value, bool Events)
{
    if (!ClipboardMayWrite(ACol, ARow)) return false;
    bool allow = true;
    if (Events && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, allow, Value);
    if (!allow) return false;
    PasteCellText(ACol, ARow, Value);
    if (Events && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, Value);
    return true;
}

void TQuillStringGrid::CopyRectToClipboard(const TGridRect& R)
{
    FClipboardOrigin = {R.Left, R.Top};
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
    Clipboard()->Open();
    const auto close = rtl::ScopeExit([] { Clipboard()->Close(); });
    Clipboard()->SetAsText(text);
    if (Navigation().AllowRTFClipboard()) {
        // Rich text travels as the 8-bit text it is, as every other program reads it.
        const std::string rich = Cells(RealColIndex(R.Left), R.Top);
        if (rich.find("{\\") != std::string::npos) Clipboard()->SetAsBytes(RichTextFormat(), rich);
    }
    if (Navigation().AllowFmtClipboard()) {
        TStringStream cells;
        SaveRectToBinStream({R.Left, R.Top, R.Right, R.Bottom}, cells);
        FCellsCopyHash = std::hash<std::string>{}(cells.DataString());
        Clipboard()->SetAsBytes(GridCellsFormat(), cells.DataString());
    }
    ExportNotification(esExportDone, -1);
}

void TQuillStringGrid::CutRect(const TGridRect& R)
{
    CopyRectToClipboard(R);
    {
        const TUndoSequence sequence(UndoRedo());
        for (int row = R.Top; row <= R.Bottom; ++row)
            for (int col = R.Left; col <= R.Right; ++col)
                if (ClipboardMayWrite(col, row)) PasteCellText(col, row, {});
    }
    FLastClipOp = coCut;
    DoCellsChanged({R.Left, R.Top, R.Right, R.Bottom});
}

void TQuillStringGrid::CopySelectionToClipboard()
{
    CopyRectToClipboard(Selection());
    FLastClipOp = coCopy;
}

void TQuillStringGrid::CutSelectionToClipboard()
{
    const TGridRect r = Selection();
    CutRect(r);
    // The selection's properties went with its cells onto the clipboard.
    if (Navigation().AllowFmtClipboard()) FreeCellPropertiesRect(r.Left, r.Top, r.Right, r.Bottom);
}

void TQuillStringGrid::CopyToClipBoard()
{
    CopyRectToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()});
    FLastClipOp = coCopy;
}

void TQuillStringGrid::CutToClipboard() { CutRect({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}); }

int TQuillStringGrid::PasteAt(int ACol, int ARow, int& BlockCols, int& BlockRows)
{
    BlockCols = BlockRows = 0;
    if (ACol < 0 || ARow < 0) return 0;
    if (UseFormattedClipboard())
        if (const auto cells = Clipboard()->GetAsBytes(GridCellsFormat()))
            return PasteCellsAt(ACol, ARow, *cells, BlockCols, BlockRows);
    if (Navigation().AllowRTFClipboard())
        if (const auto rich = Clipboard()->GetAsBytes(RichTextFormat())) {
            BlockCols = BlockRows = 1;
            PasteThroughEvents(ACol, ARow, grid::files::ClipboardRichText(*rich));
            return 0;
        }
    return PasteTextAt(ACol, ARow, BlockCols, BlockRows);
}

int TQuillStringGrid::PasteCellsAt(int ACol, int ARow, const std::string& Bytes, int& BlockCols, int& BlockRows)
{
    int cols = 0, rows = 0;
    grid::files::ReadCellStreamSize(Bytes, cols, rows);
    BeforePasteCells();
    const auto after = rtl::ScopeExit([this] { AfterPasteCells(); });
    if (Navigation().AllowClipboardColGrow() && ACol + cols > ColCount()) SetColCount(ACol + cols);
    if (Navigation().ClipboardPasteAction() == paInsert) InsertRows(ARow, rows);
    else if (Navigation().AllowClipboardRowGrow() && ARow + rows > RowCount()) SetRowCount(ARow + rows);
    LoadCellStream({ACol, ARow}, Bytes, true);
    BlockCols = cols;
    BlockRows = rows;
    const bool ours = FCellsCopyHash != 0 && std::hash<std::string>{}(Bytes) == FCellsCopyHash;
    PastedCells(ours ? FClipboardOrigin : TPoint{-1, -1}, {ACol, ARow, ACol + cols - 1, ARow + rows - 1}, FLastClipOp);
    DoCellsChanged({ACol, ARow, std::min(ACol + cols, ColCount()) - 1, std::min(ARow + rows, RowCount()) - 1});
    return cols * rows;
}

int TQuillStringGrid::PasteTextAt(int ACol, int ARow, int& BlockCols, int& BlockRows)
{
    BlockCols = BlockRows = 0;
    if (!(Options().Contains(goEditing) || Navigation().AllowClipboardAlways())) return 0;
    return PasteTextBlock(ACol, ARow, Clipboard()->AsText(), BlockCols, BlockRows);
}

int TQuillStringGrid::PasteTextBlock(int ACol, int ARow, const std::string& Text, int& BlockCols, int& BlockRows)
{
    BlockCols = BlockRows = 0;
    const auto lines = grid::files::ParseClipboardText(Text);
    int cells = 0, lastCol = ACol, lastRow = ARow;
    {
        const TUndoSequence sequence(UndoRedo());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int row = ARow + static_cast<int>(i);
            if (Navigation().ClipboardPasteAction() == paInsert) InsertRows(row, 1);
            else if (row >= RowCount()) {
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
                PasteThroughEvents(col, row, lines[i][j]);
                lastCol = std::max(lastCol, col);
            }
            lastRow = row;
            BlockCols = std::max(BlockCols, static_cast<int>(lines[i].size()));
            ++BlockRows;
        }
    }
    PastedCells(FClipboardOrigin, {ACol, ARow, lastCol, lastRow}, FLastClipOp);
    DoCellsChanged({ACol, ARow, lastCol, lastRow});
    return cells;
}

void TQuillStringGrid::PasteFromClipboard()
{
    int cols, rows;
    ImportNotification(isImportStart, SaveStartRow());
    PasteAt(SaveStartCol(), SaveStartRow(), cols, rows);
    ImportNotification(isImportDone, -1);
}

void TQuillStringGrid::PasteSelectionFromClipboard()
{
    const TGridRect r = Selection();
    ImportNotification(isImportStart, r.Top);
    const int left = Options().Contains(goRowSelect) ? FixedCols() : r.Left;
    int blockCols = 0, blockRows = 0;
    const int pasted = PasteAt(left, r.Top, blockCols, blockRows);
    const int selected = (r.Right - r.Left + 1) * (r.Bottom - r.Top + 1);
    if (Navigation().AllowSmartClipboard() && pasted > 0 && pasted < selected) {
        if (pasted == 1) {
            FillWithTopLeft(r);
        } else if (r.Bottom > r.Top && r.Right > r.Left) {
            // A one-row block goes into every selected row, a one-column block into every column.
            if (blockRows == 1)
                for (int row = r.Top + 1; row <= r.Bottom; ++row) PasteAt(left, row, blockCols, blockRows);
            else if (blockCols == 1)
                for (int col = r.Left + 1; col <= r.Right; ++col) PasteAt(col, r.Top, blockCols, blockRows);
        } else {
            SmartFill(r, r.Bottom > r.Top ? blockRows : blockCols);
        }
    }
    ImportNotification(isImportDone, -1);
    DoCellsChanged({r.Left, r.Top, r.Right, r.Bottom});
}
