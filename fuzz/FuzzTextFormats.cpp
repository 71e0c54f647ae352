// Fuzzes the text routines that take formats and numbers from users: Format,
// FormatFloat, FormatDateTime and the number and date readers.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Numbers.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        (void)Format(text, {42, -7.25, "text", std::int64_t{1} << 40, 'c'});
    } catch (const Exception&) {
    }
    try {
        (void)FormatFloat(text, -1234.5678);
        (void)FormatDateTime(text, 45000.75);
    } catch (const Exception&) {
    }
    double number = 0;
    std::int64_t integer = 0;
    TDateTime date = 0;
    (void)TryStrToFloat(text, number);
    (void)TryStrToInt64(text, integer);
    (void)TryStrToDateTime(text, date);
    return 0;
}
