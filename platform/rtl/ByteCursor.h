// The bounds-checked cursor every reader of file data goes through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rtl {

// Where a cursor reads: the format, the record or structure being read, and
// the file offset of the cursor's first byte. Every error names all three.
struct TByteContext {
    std::string Format;
    std::string Record;
    std::uint64_t BaseOffset = 0;
};

// Raises the reader's own exception type with a message built by the cursor.
using TByteFailure = void (*)(const std::string& message);

// Throws EReadError.
[[noreturn]] void ThrowReadError(const std::string& message);

// Reads little-endian values from a block of bytes. Running past the end, or
// any check a reader makes through Fail/Require, raises the failure with
// "<format>: <record> at offset <n>: <what>".
class TByteCursor {
public:
    TByteCursor(std::span<const std::uint8_t> data, TByteContext context, TByteFailure failure = ThrowReadError)
        : FData(data), FContext(std::move(context)), FFailure(failure)
    {
    }

    std::size_t Position() const noexcept { return FPos; }
    std::size_t Size() const noexcept { return FData.size(); }
    std::size_t Remaining() const noexcept { return FData.size() - FPos; }
    bool AtEnd() const noexcept { return FPos == FData.size(); }
    const TByteContext& Context() const noexcept { return FContext; }
    void SetRecord(std::string record) { FContext.Record = std::move(record); }

    void Seek(std::size_t pos);
    void Skip(std::size_t count) { Bytes(count); }
    std::span<const std::uint8_t> Bytes(std::size_t count);
    // A cursor over the next count bytes, for a structure read on its own.
    TByteCursor Sub(std::size_t count, std::string record);

    std::uint8_t U8() { return Bytes(1)[0]; }
    std::uint16_t U16();
    std::uint32_t U32();
    std::uint64_t U64();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    double F64();

    // Fails unless the condition holds; what says what the file broke.
    void Require(bool condition, std::string_view what) const
    {
        if (!condition) Fail(what);
    }
    [[noreturn]] void Fail(std::string_view what) const { FailAt(FPos, what); }
    [[noreturn]] void FailAt(std::size_t pos, std::string_view what) const;

private:
    std::span<const std::uint8_t> FData;
    TByteContext FContext;
    TByteFailure FFailure;
    std::size_t FPos = 0;
};

} // namespace rtl
