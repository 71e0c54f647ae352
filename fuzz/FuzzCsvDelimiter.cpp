// Fuzzes delimiter detection against the grid's own writer: cells made from
// the input (0x1F ends a cell, 0x1E a row) are written as the grid writes
// them; a file of more than one column must be detected as "," (decimal
// commas of another separator aside), and every file must read back as the
// cells it was written from.
#include "grid/files/CsvFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using TRows = std::vector<std::vector<std::string>>;

TRows CellsOf(std::string_view Input)
{
    TRows rows(1, std::vector<std::string>(1));
    for (char c : Input) {
        if (c == '\x1E' && rows.size() < 8)
            rows.emplace_back(1);
        else if (c == '\x1F' && rows.back().size() < 8)
            rows.back().emplace_back();
        else
            rows.back().back() += c;
    }
    return rows;
}

bool OnlyDecimalCommas(std::string_view Text)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = Text.find(','); i != std::string_view::npos; i = Text.find(',', i + 1))
        if (i == 0 || i + 1 >= Text.size() || !digit(Text[i - 1]) || !digit(Text[i + 1])) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TRows rows = CellsOf({reinterpret_cast<const char*>(data), size});
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) text += ',';
            grid::files::AppendCsvField(text, row[i], {});
        }
        text += "\r\n";
    }
    std::string_view record1, record2;
    grid::files::FirstTwoRecords(text, record1, record2);
    const char detected = grid::files::DetectCsvDelimiter(record1, record2);
    const bool columns = rows[0].size() > 1 || (rows.size() > 1 && rows[1].size() > 1);
    if (columns && detected != ',' && !(OnlyDecimalCommas(record1) && OnlyDecimalCommas(record2))) __builtin_trap();

    // Read back with the writer's delimiter: every cell as written, but for
    // the writer's own line-break code (a vertical tab reads as a line break).
    grid::files::TCsvReader reader(text, ',', false);
    std::vector<std::string> fields;
    for (const auto& row : rows) {
        if (!reader.NextRecord(fields)) __builtin_trap();
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string& read = i < fields.size() ? fields[i] : std::string();
            if (row[i].find('\v') == std::string::npos && read != row[i]) __builtin_trap();
        }
    }
    return 0;
}
