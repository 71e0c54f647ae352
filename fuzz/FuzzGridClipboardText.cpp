// Fuzzes reading clipboard text of other programs into rows of cells, and writing them back.
#include "grid/files/ClipboardText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string back;
    for (const auto& row : grid::files::ParseClipboardText(text)) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) back += '\t';
            grid::files::AppendClipboardField(back, row[i]);
        }
        back += "\r\n";
    }
    (void)grid::files::ParseClipboardText(back);
    return 0;
}
