// The grid's CSV files: saving, appending, loading and inserting.
#include "grid/QuillGrid.h"

#include "grid/files/CsvFormat.h"
#include "grid/files/FileBytes.h"
#include "grid/files/OemCodePage.h"
#include "platform/classes/StringList.h"

#include <algorithm>
#include <vector>

namespace {

TEncoding CsvEncoding(bool Unicode) { return Unicode ? TEncoding::UTF8 : TEncoding::ANSI; }

} // namespace

std::string TQuillStringGrid::CSVText()
{
    grid::files::TCsvWriteOptions options;
    options.Delimiter = Delimiter() == '\0' ? ',' : Delimiter();
    options.AlwaysQuotes = AlwaysQuotes();
    options.QuoteEmptyCells = QuoteEmptyCells();
    options.JavaCSV = JavaCSV();
    const int firstRow = SaveStartRow(), lastRow = SaveEndRow();
    const int firstCol = SaveStartCol();
    const int lastCol = SaveEndCol() + (SaveHiddenCells() ? NumHiddenColumns() : 0);
    std::string out;
    std::string text;
    int progress = -1;
    ExportNotification(esExportStart, firstRow);
    for (int row = firstRow; row <= lastRow; ++row) {
        ExportNotification(esExportNextRow, row);
        for (int col = firstCol; col <= lastCol; ++col) {
            if (col > firstCol) out += options.Delimiter;
            GetSaveCellText(SaveHiddenCells() ? col : RealColIndex(col), row, text);
            if (OemConvert()) text = grid::files::ToOemCodePage(text);
            grid::files::AppendCsvField(out, text, options);
        }
        out += "\r\n";
        ReportFileProgress(progress, double(row - firstRow) / std::max(1, SaveRowCount() - 1));
    }
    ExportNotification(esExportDone, -1);
    return out;
}

void TQuillStringGrid::SaveToCSV(const std::string& FileName, bool Unicode)
{
    grid::files::SaveFileBytes(FileName, EncodeTextBytes(CSVText(), CsvEncoding(Unicode), Unicode));
}

void TQuillStringGrid::AppendToCSV(const std::string& FileName, bool Unicode)
{
    std::string text = DecodeTextBytes(grid::files::ReadFileBytes(FileName));
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    text += CSVText();
    grid::files::SaveFileBytes(FileName, EncodeTextBytes(text, CsvEncoding(Unicode), Unicode));
}

void TQuillStringGrid::LoadFromCSV(const std::string& FileName, int MaxRows)
{
    LoadCSVText(DecodeTextBytes(grid::files::ReadFileBytes(FileName)), MaxRows, false);
}

void TQuillStringGrid::LoadFromCSVStream(TStream& AStream, int MaxRows)
{
    LoadCSVText(DecodeTextBytes(grid::files::ReadStreamBytes(AStream)), MaxRows, false);
}

void TQuillStringGrid::InsertFromCSV(const std::string& FileName, int MaxRows)
{
    LoadCSVText(DecodeTextBytes(grid::files::ReadFileBytes(FileName)), MaxRows, true);
}

void TQuillStringGrid::LoadCSVText(std::string_view Text, int MaxRows, bool Insert)
{
    if (Text.empty()) throw Exception("File is empty");
    const int startRow = Insert ? RowCount() : SaveStartRow();
    char delimiter = Delimiter();
    if (delimiter == '\0') {
        std::string_view line1, line2;
        grid::files::FirstTwoRecords(Text, line1, line2);
        delimiter = grid::files::DetectCsvDelimiter(line1, line2);
    }
    const int footers = FixedFooters();
    std::size_t linesToLoad = 0;
    if (OnFileProgress) {
        const std::size_t lines = grid::files::CountLines(Text);
        linesToLoad = LoadFirstRow() || lines == 0 ? lines : lines - 1;
        const std::size_t rows = std::min<std::size_t>(lines + startRow + footers, 1u << 30);
        SetRowCount(static_cast<int>(Insert ? RowCount() + lines : rows));
    }
    grid::files::TCsvReader reader(Text, delimiter, JavaCSV());
    std::vector<std::string> fields;
    if (!LoadFirstRow()) (void)reader.NextRecord(fields);
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    int row = startRow;
    int loaded = 0;
    int progress = -1;
    ImportNotification(isImportStart, row);
    while ((MaxRows <= 0 || loaded < MaxRows) && reader.NextRecord(fields)) {
        ImportNotification(isImportNextRow, row);
        if (row >= RowCount() - footers) SetRowCount(row + 1000);
        int col = SaveStartCol();
        for (std::string& field : fields) {
            if (col + 1 > ColCount() + hidden) SetColCount(col + 1 - hidden);
            if (OemConvert()) field = grid::files::FromOemCodePage(field);
            DoLoadCell(col, row, field);
            ++col;
        }
        ++row;
        ++loaded;
        if (linesToLoad > 0) ReportFileProgress(progress, double(loaded) / double(linesToLoad));
    }
    SetRowCount(row + footers);
    ImportNotification(isImportDone, -1);
    DoCellsChanged({0, 0, ColCount(), RowCount()});
}
