// Inside the graphics library: the Cairo image surface that holds a bitmap's pixels.
#pragma once

#include <cstdint>

struct _cairo_surface;

namespace graphics {

// Largest side and pixel count a bitmap may have, so that a hostile size in a
// file cannot ask for gigabytes.
constexpr int MaxBitmapSide = 32767;
constexpr std::int64_t MaxBitmapPixels = std::int64_t(1) << 28;

// Throws EOutOfResources when a size is beyond the limits above.
void CheckBitmapSize(std::int64_t width, std::int64_t height);

struct TBitmapImage {
    // A white surface; with alpha the pixels carry premultiplied alpha.
    TBitmapImage(int width, int height, bool alpha);
    ~TBitmapImage();
    TBitmapImage(const TBitmapImage&) = delete;
    TBitmapImage& operator=(const TBitmapImage&) = delete;

    // Pixels as 0xAARRGGBB words; call Flush before reading and MarkDirty after writing.
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;
    void Flush() const;
    void MarkDirty();

    _cairo_surface* Surface;
    int Width;
    int Height;
    bool Alpha;
    int Stride;
};

} // namespace graphics
