// The grid's XML files: a list of records of fields, written as text and read with an XML parser.
#include "grid/QuillGrid.h"

#include "grid/files/FileBytes.h"
#include "grid/files/XmlCellText.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <pugixml.hpp>

#include <algorithm>

namespace {

// Documents nest records and fields; deeper nesting is no grid document.
constexpr int kMostXmlDepth = 512;

enum class TXmlCharset { UTF8, Latin1, Ascii };

TXmlCharset CharsetOf(std::string_view Name)
{
    if (SameText(Name, "ISO-8859-1") || SameText(Name, "ISO8859-1") || SameText(Name, "latin1")) return TXmlCharset::Latin1;
    if (SameText(Name, "US-ASCII") || SameText(Name, "ASCII")) return TXmlCharset::Ascii;
    return TXmlCharset::UTF8;
}

bool IsTextChild(const pugi::xml_node& Node)
{
    return Node.type() == pugi::node_pcdata || Node.type() == pugi::node_cdata;
}

std::size_t ChildCount(const pugi::xml_node& Node)
{
    std::size_t count = 0;
    for (pugi::xml_node child = Node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element || IsTextChild(child)) ++count;
    return count;
}

bool IsBlank(std::string_view Text)
{
    return Text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The raw text at or below a node in document order; CDATA is taken as it is.
void CollectText(const pugi::xml_node& Node, std::string& Out, int Depth)
{
    if (Depth > kMostXmlDepth) throw Exception("XML nested deeper than " + IntToStr(kMostXmlDepth) + " levels");
    for (pugi::xml_node child = Node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata)
            Out += grid::files::UnescapeXmlCellText(child.value());
        else if (child.type() == pugi::node_cdata)
            Out += child.value();
        else if (child.type() == pugi::node_element)
            CollectText(child, Out, Depth + 1);
    }
}

// "FIELD" and a number: the column the writer gave the field.
int FieldNumber(std::string_view Name)
{
    if (!Name.starts_with("FIELD") || Name.size() == 5 || Name.size() > 11) return -1;
    for (char c : Name.substr(5))
        if (c < '0' || c > '9') return -1;
    return static_cast<int>(StrToInt64(Name.substr(5)));
}

} // namespace

void TQuillStringGrid::SaveToXML(const std::string& FileName, const std::string& ListDescr,
                                 const std::string& RecordDescr, const TStrings* FieldDescr, bool ExportEmptyCells)
{
    const TXmlCharset charset = CharsetOf(XMLEncoding());
    // A name no byte form here is written for is declared as what is written.
    const std::string encodingName = charset == TXmlCharset::UTF8 && !SameText(XMLEncoding(), "UTF8")
                                         ? (SameText(XMLEncoding(), "UTF-8") ? XMLEncoding() : std::string("UTF-8"))
                                         : XMLEncoding();
    const char32_t highest = charset == TXmlCharset::Latin1 ? 0xFF : charset == TXmlCharset::Ascii ? 0x7F : 0x10FFFF;
    std::string out = "<?xml version=\"1.0\" encoding=\"" + encodingName + "\" ?>\r\n<" + ListDescr + ">\r\n";
    const int firstRow = SaveStartRow(), lastRow = SaveEndRow();
    const int firstCol = SaveStartCol(), lastCol = SaveEndCol() + (SaveHiddenCells() ? NumHiddenColumns() : 0);
    std::string text;
    int progress = -1;
    ExportNotification(esExportStart, firstRow);
    for (int row = firstRow; row <= lastRow; ++row) {
        ExportNotification(esExportNextRow, row);
        out += "<" + RecordDescr + ">\r\n";
        for (int col = firstCol; col <= lastCol; ++col) {
            const int realCol = SaveHiddenCells() ? col : RealColIndex(col);
            if (col < ColCount() && !IsBaseCell(col, row)) continue;
            GetSaveCellText(realCol, row, text);
            if (text.empty() && !ExportEmptyCells) continue;
            if (text.empty() && QuoteEmptyCells()) text = "\"\"";
            const int index = col - firstCol;
            const std::string name =
                FieldDescr && index < FieldDescr->Count() ? FieldDescr->Strings(index) : "FIELD" + IntToStr(index);
            out += "<" + name + ">" + grid::files::EscapeXmlCellText(text, highest) + "</" + name + ">\r\n";
        }
        out += "</" + RecordDescr + ">\r\n";
        ReportFileProgress(progress, double(row - firstRow) / std::max(1, lastRow - firstRow));
    }
    out += "</" + ListDescr + ">\r\n";
    ExportNotification(esExportDone, -1);
    try {
        grid::files::SaveFileBytes(FileName, charset == TXmlCharset::UTF8 ? out : rtl::Utf8ToLatin1(out));
    } catch (const EFCreateError&) {
        throw EQuillGridError("Cannot Create file " + FileName);
    }
}

namespace {

// Reads records and fields into the grid in the order the loader describes.
class TXmlGridReader {
public:
    TXmlGridReader(TQuillStringGrid& Grid, bool LevelToRow, bool LoadFieldDescr, int StartCol, int StartRow)
        : FGrid(Grid), FLevelToRow(LevelToRow), FLoadFieldDescr(LoadFieldDescr), FStartCol(StartCol),
          FStartRow(StartRow), FMaxCol(StartCol), FMaxRow(StartRow)
    {
    }

    void ReadRecords(const pugi::xml_node& List)
    {
        int index = 0;
        for (pugi::xml_node record = List.first_child(); record; record = record.next_sibling()) {
            if (record.type() != pugi::node_element) continue;
            FColOffset = 0;
            int depth = 1;
            if (FLevelToRow && index == 0 && !record.first_attribute()) FRowOffset = -1;
            ReadNode(record, depth, 1);
            if (!FLevelToRow) ++FRowOffset;
            ++index;
        }
    }

    int MaxCol() const { return FMaxCol; }
    int MaxRow() const { return FMaxRow; }

private:
    void Store(const std::string& Header, const std::string& Text, bool HeaderWanted)
    {
        const int col = FStartCol + FColOffset, row = FStartRow + FRowOffset;
        if (col < 0 || row < 0) return;
        if (col >= FGrid.ColCount()) FGrid.SetColCount(col + 1);
        if (row >= FGrid.RowCount()) FGrid.SetRowCount(row + 1);
        if (HeaderWanted && (FGrid.SaveFixedCells() || FGrid.SaveFixedRows()) && FGrid.Cells(col, 0).empty())
            FGrid.DoLoadCell(col, 0, Header);
        FGrid.DoLoadCell(col, row, Text);
        FMaxCol = std::max(FMaxCol, col);
        FMaxRow = std::max(FMaxRow, row);
        ++FColOffset;
    }

    void ReadNode(const pugi::xml_node& Node, int& Depth, int Level)
    {
        if (Level > kMostXmlDepth) throw Exception("XML nested deeper than " + IntToStr(kMostXmlDepth) + " levels");
        bool startedRow = false;
        if (Node.first_attribute()) {
            for (pugi::xml_attribute a = Node.first_attribute(); a; a = a.next_attribute())
                Store(a.name(), grid::files::UnescapeXmlCellText(a.value()), true);
            if (FLevelToRow) {
                ++FRowOffset;
                FColOffset = Depth;
                startedRow = true;
            }
        }
        const std::size_t children = ChildCount(Node);
        // A record holding only the line break between its tags is an empty row.
        if (Level == 1 && children == 1 && Node.first_child().type() == pugi::node_pcdata &&
            IsBlank(Node.first_child().value())) {
            if (!FLevelToRow) FMaxRow = std::max(FMaxRow, FStartRow + FRowOffset);
            return;
        }
        // A single child element is a field of its own too, so that its name counts.
        if (children > 1 || (children == 1 && !IsTextChild(Node.first_child()))) {
            if (FLevelToRow && !startedRow) ++FRowOffset;
            ++Depth;
            for (pugi::xml_node child = Node.first_child(); child; child = child.next_sibling())
                if (child.type() == pugi::node_element) ReadNode(child, Depth, Level + 1);
            return;
        }
        // A field: its number, when the writer gave it one, is its column, so
        // that fields left out before it do not shift it.
        const int number = FieldNumber(Node.name());
        if (number >= 0) FColOffset = number;
        std::string text;
        CollectText(Node, text, Level);
        if (FGrid.QuoteEmptyCells() && text == "\"\"") text.clear();
        Store(Node.name(), text, FLoadFieldDescr);
    }

    TQuillStringGrid& FGrid;
    bool FLevelToRow, FLoadFieldDescr;
    int FStartCol, FStartRow, FMaxCol, FMaxRow;
    int FColOffset = 0, FRowOffset = 0;
};

} // namespace

void TQuillStringGrid::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr)
{
    if (!FileExists(FileName)) throw Exception("XML file not found");
    const std::string bytes = grid::files::ReadFileBytes(FileName);
    pugi::xml_document document;
    // Entities are resolved here, so that "$amp;" of older files and a written "&#36;amp;" stay apart.
    const pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), (pugi::parse_default | pugi::parse_ws_pcdata_single) & ~pugi::parse_escapes);
    if (!result) {
        const auto line = 1 + std::count(bytes.begin(), bytes.begin() + std::min<std::ptrdiff_t>(result.offset, bytes.size()), '\n');
        throw Exception("XMLDOM Parsing error " + IntToStr(static_cast<int>(result.status)) + " on line " + IntToStr(line));
    }
    const bool savesFixed = SaveFixedCells() || SaveFixedRows();
    const int startRow = !savesFixed || LoadFieldDescr ? FixedRows() : 0;
    TXmlGridReader reader(*this, LevelToRow, LoadFieldDescr, SaveStartCol(), startRow);
    reader.ReadRecords(document.document_element());
    SetColCount(reader.MaxCol() + 1);
    SetRowCount(reader.MaxRow() + 1);
    DoCellsChanged({0, 0, ColCount(), RowCount()});
}
