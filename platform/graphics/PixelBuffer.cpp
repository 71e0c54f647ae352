// Conversion between straight-alpha pixel buffers and premultiplied bitmap surfaces.
#include "platform/graphics/PixelBuffer.h"

#include "platform/graphics/Bitmap.h"

#include <cstring>

namespace graphics {

TPixelBuffer::TPixelBuffer(int width, int height, bool hasAlpha) : Width(width), Height(height), HasAlpha(hasAlpha)
{
    CheckBitmapSize(width, height);
    Pixels.assign(std::size_t(width) * height, 0xFF000000u);
}

std::unique_ptr<TBitmapImage> ToImage(const TPixelBuffer& pixels)
{
    auto image = std::make_unique<TBitmapImage>(pixels.Width, pixels.Height, pixels.HasAlpha);
    image->Flush();
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint32_t* src = pixels.Row(y);
        std::uint32_t* dst = image->Row(y);
        for (int x = 0; x < pixels.Width; ++x) {
            std::uint32_t p = src[x];
            std::uint32_t a = pixels.HasAlpha ? p >> 24 : 255;
            if (a == 255) {
                dst[x] = p | 0xFF000000u;
                continue;
            }
            auto mul = [a](std::uint32_t c) { return (c * a + 127) / 255; };
            dst[x] = (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
        }
    }
    image->MarkDirty();
    return image;
}

TPixelBuffer FromImage(const TBitmapImage& image)
{
    TPixelBuffer pixels(image.Width, image.Height, image.Alpha);
    image.Flush();
    for (int y = 0; y < image.Height; ++y) {
        const std::uint32_t* src = image.Row(y);
        std::uint32_t* dst = pixels.Row(y);
        for (int x = 0; x < image.Width; ++x) {
            std::uint32_t p = src[x];
            std::uint32_t a = image.Alpha ? p >> 24 : 255;
            if (a == 255 || a == 0) {
                dst[x] = a == 0 ? 0 : (p | 0xFF000000u);
                continue;
            }
            auto div = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
            dst[x] = (a << 24) | (div((p >> 16) & 0xFF) << 16) | (div((p >> 8) & 0xFF) << 8) | div(p & 0xFF);
        }
    }
    return pixels;
}

} // namespace graphics

namespace graphics {

void StoreInBitmap(TBitmap& bitmap, const TPixelBuffer& pixels)
{
    bitmap.SetPixelFormat(pixels.HasAlpha ? pf32bit : pf24bit);
    bitmap.SetSize(pixels.Width, pixels.Height);
    std::unique_ptr<TBitmapImage> image = ToImage(pixels);
    image->Flush();
    for (int y = 0; y < pixels.Height; ++y) {
        TRGBQuad* row = bitmap.ScanLine(y);
        std::memcpy(row, image->Row(y), std::size_t(pixels.Width) * 4);
    }
}

} // namespace graphics
