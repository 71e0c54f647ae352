// Fuzzes the grid's CSV reading: delimiter detection and record splitting in every convention.
#include "grid/files/CsvFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view line1, line2;
    grid::files::FirstTwoRecords(text, line1, line2);
    const char detected = grid::files::DetectCsvDelimiter(line1, line2);
    (void)grid::files::CountLines(text);
    std::vector<std::string> fields;
    for (const char delimiter : {detected, ',', '\0'}) {
        for (const bool java : {false, true}) {
            grid::files::TCsvReader reader(text, delimiter, java);
            while (reader.NextRecord(fields)) {
            }
        }
    }
    return 0;
}
