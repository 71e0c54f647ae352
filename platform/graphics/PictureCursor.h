// Inside the graphics library: the bounds-checked cursor every picture decoder reads through.
#pragma once

#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/Graphic.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace graphics {

// Reads little-endian values from a block of bytes; running past the end
// raises EInvalidGraphic naming the format and the offset.
class TByteReader {
public:
    TByteReader(const std::uint8_t* data, std::size_t size, const char* format)
        : FData(data), FSize(size), FFormat(format)
    {
    }

    std::size_t Position() const noexcept { return FPos; }
    std::size_t Size() const noexcept { return FSize; }
    std::size_t Remaining() const noexcept { return FSize - FPos; }

    void Seek(std::size_t pos)
    {
        if (pos > FSize) Fail("offset " + std::to_string(pos) + " is past the end (" + std::to_string(FSize) + " bytes)");
        FPos = pos;
    }
    void Skip(std::size_t count) { Bytes(count); }
    const std::uint8_t* Bytes(std::size_t count)
    {
        if (count > Remaining())
            Fail("needs " + std::to_string(count) + " bytes at offset " + std::to_string(FPos) + ", has " +
                 std::to_string(Remaining()));
        const std::uint8_t* p = FData + FPos;
        FPos += count;
        return p;
    }
    std::uint8_t U8() { return *Bytes(1); }
    std::uint16_t U16()
    {
        const std::uint8_t* p = Bytes(2);
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t U32()
    {
        const std::uint8_t* p = Bytes(4);
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
               (std::uint32_t(p[3]) << 24);
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    [[noreturn]] void Fail(const std::string& what) const { throw EInvalidGraphic(std::string(FFormat) + ": " + what); }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
    const char* FFormat;
};

// A size a file declares, refused with EInvalidGraphic when no bitmap may have it.
inline void CheckImageSize(const char* format, std::int64_t width, std::int64_t height)
{
    if (width < 0 || height < 0 || width > MaxBitmapSide || height > MaxBitmapSide || width * height > MaxBitmapPixels)
        throw EInvalidGraphic(std::string(format) + ": image of " + std::to_string(width) + " x " +
                              std::to_string(height) + " pixels is too large");
}

// A compressed format cannot pack more than so many pixels into one byte of
// input; a small file that claims a huge picture is refused before the
// pixels are allocated. Up to MinCheckedPixels anything is accepted.
constexpr std::int64_t MinCheckedPixels = std::int64_t(1) << 22;

inline void CheckImageSize(const char* format, std::int64_t width, std::int64_t height, std::size_t dataSize,
                           std::int64_t maxPixelsPerByte)
{
    CheckImageSize(format, width, height);
    std::int64_t pixels = width * height;
    if (pixels > MinCheckedPixels && pixels / maxPixelsPerByte > static_cast<std::int64_t>(dataSize))
        throw EInvalidGraphic(std::string(format) + ": " + std::to_string(dataSize) + " bytes cannot hold an image of " +
                              std::to_string(width) + " x " + std::to_string(height) + " pixels");
}

} // namespace graphics
