// Fuzzes the clipboard text parser against its writer: cells made from the
// input (0x1F ends a cell, 0x1E a row), put on the clipboard as the grid puts
// them, parse back to the same cells, in time linear in the text.
#include "grid/files/ClipboardText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\x1E')
            rows.emplace_back(1);
        else if (c == '\x1F')
            rows.back().emplace_back();
        else
            rows.back().back() += c;
    }
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) text += '\t';
            grid::files::AppendClipboardField(text, row[i]);
        }
        text += "\r\n";
    }
    if (grid::files::ParseClipboardText(text) != rows) __builtin_trap();
    return 0;
}
