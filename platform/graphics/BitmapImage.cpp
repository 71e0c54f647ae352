// The Cairo image surface behind a bitmap.
#include "platform/graphics/BitmapImage.h"

#include "platform/graphics/CairoWrappers.h"
#include "platform/rtl/Exceptions.h"

#include <cairo.h>

#include <cstring>
#include <string>

namespace graphics {

void CheckBitmapSize(std::int64_t width, std::int64_t height)
{
    if (width < 0 || height < 0 || width > MaxBitmapSide || height > MaxBitmapSide || width * height > MaxBitmapPixels)
        throw EOutOfResources("Bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                              " pixels is too large");
}

TBitmapImage::TBitmapImage(int width, int height, bool alpha) : Width(width), Height(height), Alpha(alpha)
{
    CheckBitmapSize(width, height);
    CairoSurfacePtr surface(cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw EOutOfResources("Out of memory for a bitmap of " + std::to_string(width) + " x " +
                              std::to_string(height) + " pixels");
    Surface = surface.release();
    Stride = cairo_image_surface_get_stride(Surface);
    cairo_surface_flush(Surface);
    unsigned char* data = cairo_image_surface_get_data(Surface);
    if (data) std::memset(data, 0xFF, static_cast<std::size_t>(Stride) * height);
    cairo_surface_mark_dirty(Surface);
}

TBitmapImage::~TBitmapImage() { cairo_surface_destroy(Surface); }

std::uint32_t* TBitmapImage::Row(int y)
{
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(Surface) + std::ptrdiff_t(y) * Stride);
}

const std::uint32_t* TBitmapImage::Row(int y) const
{
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(Surface) + std::ptrdiff_t(y) * Stride);
}

void TBitmapImage::Flush() const { cairo_surface_flush(Surface); }
void TBitmapImage::MarkDirty() { cairo_surface_mark_dirty(Surface); }

} // namespace graphics
