// Inside the graphics library: the BMP file and the device-independent bitmap inside icons.
#pragma once

#include "platform/graphics/PictureCursor.h"
#include "platform/graphics/PixelBuffer.h"

#include <cstdint>
#include <span>
#include <vector>

namespace graphics {

struct TDibImage {
    TPixelBuffer Pixels;
    int BitsPerPixel = 24;
};

// A BMP file: "BM" file header, info header, colour table, pixels.
TDibImage ReadBmp(std::span<const std::uint8_t> data);
// A DIB without file header as icons store it, read from the whole of the
// cursor: the height counts the colour rows and the AND mask rows, which
// makes masked pixels transparent.
TDibImage ReadIconDib(rtl::TByteCursor dib);

// A BMP file at 1, 24 or 32 bits per pixel (32 keeps the alpha channel).
std::vector<std::uint8_t> WriteBmp(const TPixelBuffer& pixels, int bitsPerPixel);
// A 32-bit DIB with AND mask as icons store it.
std::vector<std::uint8_t> WriteIconDib(const TPixelBuffer& pixels);

} // namespace graphics
