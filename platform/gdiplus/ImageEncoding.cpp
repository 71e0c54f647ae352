// Saving images: the pixels go into a bitmap and out through the picture class of the chosen format.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GifImage.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"

#include <cairo.h>

#include <cstring>
#include <memory>
#include <new>

namespace {

std::unique_ptr<TBitmap> bitmapOf(const GpImage& image)
{
    auto bitmap = std::make_unique<TBitmap>(image.Width, image.Height);
    // Both hold premultiplied blue, green, red and alpha bytes per pixel.
    bitmap->SetPixelFormat((image.Pixels & PixelFormatAlpha) ? pf32bit : pf24bit);
    cairo_surface_flush(image.Surface.get());
    const unsigned char* data = cairo_image_surface_get_data(image.Surface.get());
    const int stride = cairo_image_surface_get_stride(image.Surface.get());
    for (int y = 0; y < image.Height; ++y)
        std::memcpy(bitmap->ScanLine(y), data + static_cast<std::ptrdiff_t>(y) * stride,
                    static_cast<std::size_t>(image.Width) * 4);
    bitmap->PixelsChanged();
    return bitmap;
}

// The picture that writes the format, holding the bitmap's pixels; nullptr for a format we do not write.
std::unique_ptr<TGraphic> encoderFor(ImageFormatId format, const TBitmap& bitmap)
{
    std::unique_ptr<TGraphic> encoder;
    switch (format) {
    case ImageFormatId::BMP:
    case ImageFormatId::MemoryBMP: encoder = std::make_unique<TBitmap>(); break;
    case ImageFormatId::PNG: encoder = std::make_unique<TPngImage>(); break;
    case ImageFormatId::JPEG: encoder = std::make_unique<TJPEGImage>(); break;
    case ImageFormatId::GIF: {
        auto gif = std::make_unique<TGIFImage>();
        gif->AddFrame(bitmap, 0);
        return gif;
    }
    default: return nullptr;
    }
    encoder->Assign(&bitmap);
    return encoder;
}

} // namespace

Status GdipSaveImageToStream(GpImage* image, TStream* stream, ImageFormatId encoder)
{
    if (!image || !image->Surface || !stream) return InvalidParameter;
    try {
        std::unique_ptr<TBitmap> bitmap = bitmapOf(*image);
        std::unique_ptr<TGraphic> writer = encoderFor(encoder, *bitmap);
        if (!writer) return UnknownImageFormat;
        writer->SaveToStream(*stream);
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    } catch (const Exception&) {
        return Win32Error;
    }
    return Ok;
}

Status GdipSaveImageToFile(GpImage* image, std::string_view filename, ImageFormatId encoder)
{
    if (!image) return InvalidParameter;
    TMemoryStream encoded;
    Status status = GdipSaveImageToStream(image, &encoded, encoder);
    if (status != Ok) return status;
    try {
        encoded.SaveToFile(std::string(filename));
    } catch (const Exception&) {
        return Win32Error;
    }
    return Ok;
}
