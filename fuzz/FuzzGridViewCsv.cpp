// The grid viewer's CSV reader on any bytes: rows or a read error, nothing else.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/rtl/Exceptions.h"
#include "tools/gridview/CsvCells.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    try {
        gridview::ReadCsvCells({reinterpret_cast<const char*>(Data), Size}, 1000, 100);
    } catch (const EReadError&) {
    }
    return 0;
}
