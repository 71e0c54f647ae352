// The grid's text file and text stream: size, column widths and every non-empty cell by coordinates.
#include "grid/QuillGrid.h"

#include "grid/base/QuillUtilLineBreaks.h"
#include "grid/files/FileBytes.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/ByteCursor.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <vector>

namespace {

// Sizes beyond these are no grid a file can mean; they would only exhaust memory.
constexpr long long kMostFileRows = 10'000'000;
constexpr long long kMostFileCols = 100'000;
// Every save visits every cell of the grid, so the cells together are bounded too.
constexpr long long kMostFileCells = 100'000'000;

// The base routine encodes only texts holding a CR; a lone LF would then
// break the file line, so such a text is encoded too.
std::string EncodeCellText(std::string_view Text)
{
    if (Text.find('\n') == std::string_view::npos || Text.find('\r') != std::string_view::npos)
        return EncodeLineBreaksForFile(Text);
    std::string out(Text);
    for (char& c : out)
        c = c == '\n' ? '\x08' : c == '\0' ? '\x01' : c == '\t' ? '\x02' : c;
    return out;
}

// The platform's lenient number reading: the digits before the first other
// character, 0 when there are none.
long long LenientInt(std::string_view Text)
{
    std::size_t i = 0;
    while (i < Text.size() && Text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
    long long value = 0;
    for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9' && value < 1'000'000'000'000LL; ++i)
        value = value * 10 + (Text[i] - '0');
    return negative ? -value : value;
}

// Cuts the text before the first "," off Line; false when there is no ",".
bool CutField(std::string_view& Line, std::string_view& Field)
{
    const std::size_t comma = Line.find(',');
    if (comma == std::string_view::npos) return false;
    Field = Line.substr(0, comma);
    Line.remove_prefix(comma + 1);
    return true;
}

void CheckGridSize(long long Cols, long long Rows, const std::string& FileName)
{
    if (Cols <= 0 || Rows <= 0) throw EQuillGridError("File contains no data or corrupt file " + FileName);
    if (Cols > kMostFileCols || Rows > kMostFileRows || Cols * Rows > kMostFileCells)
        throw EQuillGridError(FileName + ", line 1: a grid of " + IntToStr(Cols) + " columns and " + IntToStr(Rows) +
                              " rows is more than a grid file can hold (at most " + IntToStr(kMostFileCols) +
                              " columns, " + IntToStr(kMostFileRows) + " rows and " + IntToStr(kMostFileCells) +
                              " cells)");
}

void AppendUtf16Line(std::string& Out, std::string_view Line)
{
    for (char16_t unit : rtl::Utf8ToUtf16(Line)) {
        Out += static_cast<char>(unit & 0xFF);
        Out += static_cast<char>(unit >> 8);
    }
    Out.append("\r\0\n\0", 4);
}

// One UTF-16 line of the stream: units up to a CR, which is dropped with the unit after it.
std::string ReadUtf16Line(rtl::TByteCursor& Cursor)
{
    std::u16string units;
    while (Cursor.Remaining() >= 2) {
        const char16_t unit = Cursor.U16();
        if (unit == u'\r') {
            if (Cursor.Remaining() >= 2) Cursor.Skip(2);
            break;
        }
        units += unit;
    }
    return rtl::Utf16ToUtf8(units);
}

} // namespace

void TQuillStringGrid::SaveToFile(const std::string& FileName, bool Unicode)
{
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const int firstCol = SaveStartCol(), lastCol = SaveEndCol() + hidden;
    const int firstRow = SaveStartRow(), lastRow = SaveEndRow();
    std::string text = IntToStr(SaveColCount() + hidden) + "," + IntToStr(SaveRowCount()) + "\r\n";
    for (int col = firstCol; col <= lastCol; ++col)
        text += "cw " + IntToStr(col) + "," + IntToStr(col < ColCount() ? ColWidths(col) : DefaultColWidth()) + "\r\n";
    std::string cell;
    int progress = -1;
    ExportNotification(esExportStart, firstRow);
    for (int row = firstRow; row <= lastRow; ++row) {
        ExportNotification(esExportNextRow, row);
        for (int col = firstCol; col <= lastCol; ++col) {
            GetSaveCellText(SaveHiddenCells() ? col : RealColIndex(col), row, cell);
            if (cell.empty()) continue;
            text += IntToStr(col) + "," + IntToStr(row) + "," + EncodeCellText(cell) + "\r\n";
        }
        ReportFileProgress(progress, double(row - firstRow) / std::max(1, SaveRowCount() - 1));
    }
    ExportNotification(esExportDone, -1);
    grid::files::SaveFileBytes(FileName, EncodeTextBytes(text, Unicode ? TEncoding::Unicode : TEncoding::ANSI, Unicode));
}

void TQuillStringGrid::LoadFromFile(const std::string& FileName)
{
    TStringList lines;
    lines.SetText(DecodeTextBytes(grid::files::ReadFileBytes(FileName)));
    const bool allCols = SaveFixedCells() || SaveFixedCols(), allRows = SaveFixedCells() || SaveFixedRows();
    const int colOffset = allCols ? 0 : FixedCols(), rowOffset = allRows ? 0 : FixedRows();
    if (lines.Count() > 0 && !lines.Strings(0).empty()) {
        const std::string sizeLine = lines.Strings(0);
        const std::string_view size = sizeLine;
        const std::size_t comma = size.find(',');
        const long long cols = LenientInt(size.substr(0, comma)) + colOffset;
        const long long rows = comma == std::string_view::npos ? rowOffset : LenientInt(size.substr(comma + 1)) + rowOffset;
        CheckGridSize(cols, rows, FileName);
        SetColCount(static_cast<int>(cols));
        SetRowCount(static_cast<int>(rows));
    }
    CheckGridSize(ColCount(), RowCount(), FileName);
    int progress = -1;
    ImportNotification(isImportStart, 0);
    for (int i = 1; i < lines.Count(); ++i) {
        const std::string line = lines.Strings(i);
        std::string_view rest = line, field;
        if (rest.starts_with("cw")) {
            rest.remove_prefix(std::min<std::size_t>(3, rest.size()));
            if (!CutField(rest, field)) continue;
            const long long col = LenientInt(field), width = LenientInt(rest.substr(0, 255));
            if (col >= 0 && col < ColCount() && width >= 0 && width <= 65535)
                SetColWidths(static_cast<int>(col), static_cast<int>(width));
            continue;
        }
        if (!CutField(rest, field)) continue;
        const long long col = LenientInt(field);
        if (!CutField(rest, field)) continue;
        const long long row = LenientInt(field);
        if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount()) {
            ImportNotification(isImportNextRow, static_cast<int>(row));
            DoLoadCell(static_cast<int>(col), static_cast<int>(row), DecodeLineBreaksFromFile(rest, MultiLineCells()));
        }
        ReportFileProgress(progress, double(std::max(0LL, row)) / std::max(1, RowCount() - 1));
    }
    ImportNotification(isImportDone, -1);
    DoCellsChanged({0, 0, ColCount(), RowCount()});
}

void TQuillStringGrid::SaveToStream(TStream& Stream)
{
    const int firstCol = SaveStartCol(), lastCol = SaveEndCol();
    const int firstRow = SaveStartRow(), lastRow = SaveEndRow();
    std::string bytes;
    AppendUtf16Line(bytes, IntToStr(SaveColCount()) + "," + IntToStr(SaveRowCount()));
    for (int col = 0; col < ColCount(); ++col)
        AppendUtf16Line(bytes, "cw " + IntToStr(col) + "," + IntToStr(ColWidths(col)));
    std::string cell;
    ExportNotification(esExportStart, firstRow);
    for (int row = firstRow; row <= lastRow; ++row) {
        ExportNotification(esExportNextRow, row);
        for (int col = firstCol; col <= lastCol; ++col) {
            GetSaveCellText(RealColIndex(col), row, cell);
            if (cell.empty()) continue;
            AppendUtf16Line(bytes, IntToStr(col - firstCol) + "," + IntToStr(row - firstRow) + "," + EncodeCellText(cell));
        }
    }
    ExportNotification(esExportDone, -1);
    Stream.WriteString(bytes);
}

void TQuillStringGrid::LoadFromStream(TStream& Stream)
{
    const std::int64_t start = Stream.Position();
    const std::string bytes = grid::files::ReadStreamBytes(Stream);
    rtl::TByteCursor cursor({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
                            {"grid text stream", "line", static_cast<std::uint64_t>(start)});
    std::size_t consumed = 0;
    if (cursor.Remaining() >= 2) {
        const std::string size = ReadUtf16Line(cursor);
        consumed = cursor.Position();
        if (!size.empty()) {
            const std::size_t comma = size.find(',');
            if (comma == std::string::npos) throw EConvertError("'" + size + "' is not a valid grid size");
            const long long cols = StrToInt(size.substr(0, comma)) + static_cast<long long>(SaveStartCol());
            const long long rows = StrToInt(size.substr(comma + 1)) + static_cast<long long>(SaveStartRow());
            CheckGridSize(cols, rows, "stream");
            SetColCount(static_cast<int>(cols));
            SetRowCount(static_cast<int>(rows));
        }
    }
    ImportNotification(isImportStart, 0);
    while (cursor.Remaining() >= 2) {
        const std::string line = ReadUtf16Line(cursor);
        std::string_view rest = line, field;
        if (rest.starts_with("cw")) {
            rest.remove_prefix(std::min<std::size_t>(3, rest.size()));
            if (!CutField(rest, field)) throw EConvertError("'" + line + "' is not a valid column width");
            const int col = StrToInt(field), width = StrToInt(rest);
            // Widths of columns the grid does not have are dropped.
            if (col >= 0 && col < ColCount() && width >= 0) SetColWidths(col, width);
            consumed = cursor.Position();
            continue;
        }
        std::string_view colText, rowText;
        if (!CutField(rest, colText) || colText.empty() || !CutField(rest, rowText) || rowText.empty()) break;
        const int col = StrToIntDef(colText, -1), row = StrToIntDef(rowText, -1);
        if (col < 0 || row < 0) break;
        consumed = cursor.Position();
        const long long targetCol = static_cast<long long>(SaveStartCol()) + col;
        const long long targetRow = static_cast<long long>(SaveStartRow()) + row;
        if (targetCol < ColCount() && targetRow < RowCount()) {
            ImportNotification(isImportNextRow, static_cast<int>(targetRow));
            DoLoadCell(static_cast<int>(targetCol), static_cast<int>(targetRow),
                       DecodeLineBreaksFromFile(rest, MultiLineCells()));
        }
    }
    Stream.SetPosition(start + static_cast<std::int64_t>(consumed));
    ImportNotification(isImportDone, -1);
    DoCellsChanged({0, 0, ColCount(), RowCount()});
}
