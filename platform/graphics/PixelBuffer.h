// Inside the graphics library: decoded pixels with straight alpha, between codecs and bitmaps.
#pragma once

#include "platform/graphics/BitmapImage.h"

#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;

namespace graphics {

// Pixels as 0xAARRGGBB words with straight (not premultiplied) alpha, top row first.
struct TPixelBuffer {
    int Width = 0;
    int Height = 0;
    bool HasAlpha = false;
    std::vector<std::uint32_t> Pixels;

    TPixelBuffer() = default;
    TPixelBuffer(int width, int height, bool hasAlpha);
    std::uint32_t* Row(int y) { return Pixels.data() + std::size_t(y) * Width; }
    const std::uint32_t* Row(int y) const { return Pixels.data() + std::size_t(y) * Width; }
};

std::unique_ptr<TBitmapImage> ToImage(const TPixelBuffer& pixels);
TPixelBuffer FromImage(const TBitmapImage& image);
// Puts the pixels into the bitmap, with pf32bit when they carry alpha and pf24bit otherwise.
void StoreInBitmap(TBitmap& bitmap, const TPixelBuffer& pixels);

} // namespace graphics
