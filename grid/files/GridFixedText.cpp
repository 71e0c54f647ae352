// The grid's column text (blank-padded columns) and fixed-width text files.
#include "grid/QuillGrid.h"

#include "grid/base/AuxLists.h"
#include "grid/files/FileBytes.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <vector>

namespace {

int CharCount(std::string_view Text) { return static_cast<int>(rtl::Utf8Length(Text)); }

std::vector<std::string> SplitCRLF(std::string_view Text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = Text.find("\r\n", start);
        lines.emplace_back(Text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 2;
    }
}

// A line of a cell in its column: right-aligned text behind blanks, centred
// text with the blanks shared (one more in front), never wider than Width
// unless the text itself is.
std::string AlignInColumn(const std::string& Text, int Width, TAlignment Alignment)
{
    const int room = std::max(0, Width - CharCount(Text));
    switch (Alignment) {
    case taRightJustify:
        return std::string(room, ' ') + Text;
    case taCenter:
        return std::string((room + 1) / 2, ' ') + Text + std::string(room / 2, ' ');
    default:
        return Text;
    }
}

std::string EncodingBytes(const std::string& Text, bool Unicode)
{
    return EncodeTextBytes(Text, Unicode ? TEncoding::Unicode : TEncoding::ANSI, Unicode);
}

} // namespace

int TQuillStringGrid::MaxSavedTextLength(int ACol)
{
    int longest = 0;
    std::string text;
    for (int row = 0; row < RowCount(); ++row) {
        GetSaveCellText(ACol, row, text);
        for (const std::string& line : SplitCRLF(text))
            longest = std::max(longest, CharCount(line));
    }
    return longest;
}

std::string TQuillStringGrid::ASCIIText()
{
    const bool allCols = SaveFixedCells() || SaveFixedCols(), allRows = SaveFixedCells() || SaveFixedRows();
    const int firstCol = allCols ? 0 : FixedCols(), firstRow = allRows ? 0 : FixedRows();
    const int lastCol = ColCount() - 1 + (SaveHiddenCells() ? NumHiddenColumns() : 0), lastRow = RowCount() - 1;
    auto cellCol = [&](int col) { return SaveHiddenCells() ? col : RealColIndex(col); };
    std::vector<int> widths;
    for (int col = firstCol; col <= lastCol; ++col)
        widths.push_back(MaxSavedTextLength(cellCol(col)));
    std::string out;
    std::string text;
    ExportNotification(esExportStart, firstRow);
    const auto done = rtl::ScopeExit([this] { ExportNotification(esExportDone, -1); });
    for (int row = firstRow; row <= lastRow; ++row) {
        ExportNotification(esExportNextRow, row);
        std::string main;
        std::vector<std::string> continuation;
        int offset = 0;
        for (int col = firstCol; col <= lastCol; ++col) {
            const int width = widths[col - firstCol];
            GetSaveCellText(cellCol(col), row, text);
            std::vector<std::string> lines = SplitCRLF(text);
            const TAlignment alignment =
                col < ColCount() ? ResolveCellAlignment(col, row).first : TAlignment(taLeftJustify);
            const std::string first = AlignInColumn(lines[0], width, alignment);
            // At least one blank always separates the columns.
            main += first + std::string(std::max(0, width - CharCount(first)) + 1, ' ');
            if (MultiLineCells()) {
                for (std::size_t k = 1; k < lines.size(); ++k) {
                    if (continuation.size() < k) continuation.emplace_back();
                    std::string& line = continuation[k - 1];
                    line += std::string(std::max(0, offset - CharCount(line)), ' ');
                    line += AlignInColumn(lines[k], width, alignment);
                }
            }
            offset += width + 1;
        }
        out += main + "\r\n";
        for (const std::string& line : continuation)
            out += line + "\r\n";
    }
    return out;
}

void TQuillStringGrid::SaveToASCII(const std::string& FileName, bool Unicode)
{
    grid::files::SaveFileBytes(FileName, EncodingBytes(ASCIIText(), Unicode));
}

void TQuillStringGrid::AppendToASCII(const std::string& FileName, bool Unicode)
{
    std::string text = FileExists(FileName) ? DecodeTextBytes(grid::files::ReadFileBytes(FileName)) : std::string();
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    grid::files::SaveFileBytes(FileName, EncodingBytes(text + ASCIIText(), Unicode));
}

void TQuillStringGrid::SaveToFixed(const std::string& FileName, TIntList& Positions)
{
    const int hidden = SaveHiddenCells() ? NumHiddenColumns() : 0;
    const int firstCol = SaveStartCol(), lastCol = SaveEndCol() + hidden;
    auto cellCol = [&](int col) { return SaveHiddenCells() ? col : RealColIndex(col); };
    for (int col = firstCol + Positions.Count(); col <= lastCol; ++col)
        Positions.Add(MaxSavedTextLength(cellCol(col)) + 1);
    std::string out;
    std::string text;
    for (int row = SaveStartRow(); row <= SaveEndRow(); ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            const int width = std::max(0, Positions.GetInteger(col - firstCol));
            GetSaveCellText(cellCol(col), row, text);
            // A line break would split the row: it takes a blank's place.
            std::replace(text.begin(), text.end(), '\r', ' ');
            std::replace(text.begin(), text.end(), '\n', ' ');
            const int length = CharCount(text);
            out += length > width ? rtl::Utf8Copy(text, 1, width) : text + std::string(width - length, ' ');
        }
        out += "\r\n";
    }
    try {
        grid::files::SaveFileBytes(FileName, EncodingBytes(out, false));
    } catch (const EFCreateError&) {
        throw EQuillGridError("Cannot Create file " + FileName);
    }
}

void TQuillStringGrid::LoadFromFixed(const std::string& FileName, TIntList& Positions, bool DoTrim, int MaxRows)
{
    if (!FileExists(FileName)) throw EQuillGridError("File " + FileName + " not found");
    TStringList lines;
    try {
        lines.SetText(DecodeTextBytes(grid::files::ReadFileBytes(FileName)));
    } catch (const EFOpenError&) {
        throw EQuillGridError("File " + FileName + " not found");
    }
    std::vector<int> starts;
    for (int i = 0; i < Positions.Count(); ++i)
        starts.push_back(Positions.GetInteger(i));
    std::sort(starts.begin(), starts.end());
    for (int i = 0; i < Positions.Count(); ++i)
        Positions.SetInteger(i, starts[i]);
    const int fields = std::max(0, static_cast<int>(starts.size()) - 1);
    SetColCount(std::max(1, FixedCols() + fields));
    int row = SaveStartRow();
    ImportNotification(isImportStart, row);
    for (int i = 0; i < lines.Count() && (MaxRows == -1 || i < MaxRows); ++i, ++row) {
        if (row >= RowCount()) SetRowCount(row + 1);
        ImportNotification(isImportNextRow, row);
        const std::string line = lines.Strings(i);
        for (int k = 0; k < fields; ++k) {
            const int from = std::max(1, starts[k]);
            const int count = std::max(0, starts[k + 1] - from);
            std::string field = rtl::Utf8Copy(line, static_cast<std::size_t>(from), static_cast<std::size_t>(count));
            DoLoadCell(SaveStartCol() + k, row, DoTrim ? Trim(field) : field);
        }
    }
    ImportNotification(isImportDone, -1);
    DoCellsChanged({0, 0, ColCount(), RowCount()});
}
