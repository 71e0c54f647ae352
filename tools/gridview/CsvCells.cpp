// The viewer's least CSV reader.
#include "tools/gridview/CsvCells.h"

#include "platform/rtl/ByteCursor.h"

namespace gridview {

TCsvRows ReadCsvCells(std::string_view Text, size_t MaxRows, size_t MaxCols)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(Text.data());
    rtl::TByteCursor cursor({bytes, Text.size()}, {"CSV", "line 1", 0});
    TCsvRows rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, rowStarted = false;
    size_t line = 1, quoteLine = 1;
    auto endField = [&] {
        cursor.Require(row.size() < MaxCols, "more fields than the viewer shows");
        row.push_back(std::move(field));
        field.clear();
    };
    auto endRow = [&] {
        endField();
        cursor.Require(rows.size() < MaxRows, "more rows than the viewer shows");
        rows.push_back(std::move(row));
        row.clear();
        rowStarted = false;
        cursor.SetRecord("line " + std::to_string(++line));
    };
    // Each step consumes one byte, so the loop ends with the text.
    while (!cursor.AtEnd()) {
        const char ch = static_cast<char>(cursor.U8());
        if (quoted) {
            if (ch != '"') field += ch;
            else if (!cursor.AtEnd() && Text[cursor.Position()] == '"') field += static_cast<char>(cursor.U8());
            else quoted = false;
            if (ch == '\n') cursor.SetRecord("line " + std::to_string(++line));
            continue;
        }
        rowStarted = true;
        if (ch == '"' && field.empty()) {
            quoted = true;
            quoteLine = line;
        }
        else if (ch == ',') endField();
        else if (ch == '\n') endRow();
        else if (ch != '\r') field += ch;
    }
    if (quoted) {
        cursor.SetRecord("line " + std::to_string(quoteLine));
        cursor.Fail("a quoted field is not closed");
    }
    if (rowStarted) endRow();
    return rows;
}

} // namespace gridview
