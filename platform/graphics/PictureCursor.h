// Inside the graphics library: picture decoders read file bytes through the
// runtime's checked cursor, whose errors are EInvalidGraphic naming the
// format, the structure and the offset.
#pragma once

#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/Graphic.h"
#include "platform/rtl/ByteCursor.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace graphics {

[[noreturn]] inline void ThrowInvalidGraphic(const std::string& message) { throw EInvalidGraphic(message); }

inline rtl::TByteCursor PictureCursor(std::span<const std::uint8_t> data, std::string format, std::string record)
{
    return rtl::TByteCursor(data, rtl::TByteContext{std::move(format), std::move(record), 0}, ThrowInvalidGraphic);
}

// A compressed format cannot pack more than so many pixels into one byte of
// input; a small file that claims a huge picture is refused before the
// pixels are allocated. Up to MinCheckedPixels anything is accepted.
constexpr std::int64_t MinCheckedPixels = std::int64_t(1) << 22;

// What is wrong with a picture size a file declares, or "" when a bitmap may
// have it. With maxPixelsPerByte, dataSize bytes must be able to hold it.
inline std::string ImageSizeProblem(std::int64_t width, std::int64_t height, std::size_t dataSize = 0,
                                    std::int64_t maxPixelsPerByte = 0)
{
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width < 0 || height < 0 || width > MaxBitmapSide || height > MaxBitmapSide || width * height > MaxBitmapPixels)
        return "image of " + size + " is too large";
    const std::int64_t pixels = width * height;
    if (maxPixelsPerByte > 0 && pixels > MinCheckedPixels && pixels / maxPixelsPerByte > std::int64_t(dataSize))
        return std::to_string(dataSize) + " bytes cannot hold an image of " + size;
    return {};
}

// Refuses a size that ImageSizeProblem finds wrong, as "<format>: <problem>".
inline void CheckImageSize(const char* format, std::int64_t width, std::int64_t height, std::size_t dataSize = 0,
                           std::int64_t maxPixelsPerByte = 0)
{
    const std::string problem = ImageSizeProblem(width, height, dataSize, maxPixelsPerByte);
    if (!problem.empty()) throw EInvalidGraphic(std::string(format) + ": " + problem);
}

// The same, named by the cursor's structure and the size's offset pos in it.
inline void CheckImageSize(const rtl::TByteCursor& at, std::size_t pos, std::int64_t width, std::int64_t height,
                           std::size_t dataSize = 0, std::int64_t maxPixelsPerByte = 0)
{
    const std::string problem = ImageSizeProblem(width, height, dataSize, maxPixelsPerByte);
    if (!problem.empty()) at.FailAt(pos, problem);
}

} // namespace graphics
