// Bounds checks and error texts of the byte cursor.
#include "platform/rtl/ByteCursor.h"

#include "platform/rtl/Exceptions.h"

#include <bit>
#include <cstring>

namespace rtl {

void ThrowReadError(const std::string& message) { throw EReadError(message); }

void TByteCursor::Seek(std::size_t pos)
{
    if (pos > FData.size())
        Fail("offset " + std::to_string(FContext.BaseOffset + pos) + " is past the end (" +
             std::to_string(FData.size()) + " bytes)");
    FPos = pos;
}

std::span<const std::uint8_t> TByteCursor::Bytes(std::size_t count)
{
    if (count > Remaining())
        Fail("needs " + std::to_string(count) + " bytes, has " + std::to_string(Remaining()));
    auto bytes = FData.subspan(FPos, count);
    FPos += count;
    return bytes;
}

TByteCursor TByteCursor::Sub(std::size_t count, std::string record)
{
    std::uint64_t base = FContext.BaseOffset + FPos;
    auto bytes = Bytes(count);
    return TByteCursor(bytes, TByteContext{FContext.Format, std::move(record), base}, FFailure);
}

std::uint16_t TByteCursor::U16()
{
    auto p = Bytes(2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t TByteCursor::U32()
{
    auto p = Bytes(4);
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

std::uint64_t TByteCursor::U64()
{
    std::uint64_t low = U32();
    return low | (std::uint64_t(U32()) << 32);
}

double TByteCursor::F64() { return std::bit_cast<double>(U64()); }

void TByteCursor::FailAt(std::size_t pos, std::string_view what) const
{
    std::string message = FContext.Format;
    if (!FContext.Record.empty()) message += ": " + FContext.Record;
    message += " at offset " + std::to_string(FContext.BaseOffset + pos) + ": ";
    message += what;
    FFailure(message);
    // A failure function that returns would let the reader run past the end.
    throw EReadError(message);
}

} // namespace rtl
