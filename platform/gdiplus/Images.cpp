// Images and bitmaps: decoded with the picture classes into a Cairo surface of our own.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/GifImage.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterGraphic.h"

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <new>

namespace {

// An encoded picture larger than this is refused before it is read.
constexpr std::int64_t maxEncodedBytes = std::int64_t(256) << 20;

graphics::CairoSurfacePtr newSurface(int width, int height)
{
    graphics::CairoSurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    return surface;
}

ImageFormatId formatOf(const TGraphic& graphic)
{
    const std::string name = graphic.ClassName();
    if (name == "TBitmap") return ImageFormatId::BMP;
    if (name == "TPngImage") return ImageFormatId::PNG;
    if (name == "TJPEGImage") return ImageFormatId::JPEG;
    if (name == "TGIFImage") return ImageFormatId::GIF;
    if (name == "TIcon") return ImageFormatId::Icon;
    return ImageFormatId::Undefined;
}

// The pixels a decoded picture shows: a bitmap's own, a compressed picture's
// bitmap, or an animation's first frame.
const TBitmap* pixelsOf(const TGraphic& graphic)
{
    if (auto* bitmap = dynamic_cast<const TBitmap*>(&graphic)) return bitmap;
    if (auto* raster = dynamic_cast<const graphics::TRasterGraphic*>(&graphic)) return &raster->Bitmap();
    if (auto* gif = dynamic_cast<const TGIFImage*>(&graphic)) return gif->FrameCount() > 0 ? &gif->Frame(0) : nullptr;
    return nullptr;
}

Status fill(GpImage& image, const std::vector<std::uint8_t>& bytes)
{
    std::unique_ptr<TGraphic> graphic = graphics::GraphicForContent(bytes.data(), bytes.size());
    if (!graphic) return UnknownImageFormat;
    try {
        TMemoryStream memory;
        memory.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        memory.SetPosition(0);
        graphic->LoadFromStream(memory);
    } catch (const EOutOfResources&) {
        return OutOfMemory;
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    } catch (const Exception&) {
        return InvalidParameter;
    }
    const TBitmap* bitmap = pixelsOf(*graphic);
    if (!bitmap || bitmap->Empty()) return InvalidParameter;
    const graphics::TBitmapImage& pixels = bitmap->Image();
    pixels.Flush();
    image.Surface = newSurface(pixels.Width, pixels.Height);
    if (!image.Surface) return OutOfMemory;
    const graphics::CairoPtr owned(cairo_create(image.Surface.get()));
    cairo_t* cr = owned.get();
    cairo_set_source_surface(cr, pixels.Surface, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    image.Width = pixels.Width;
    image.Height = pixels.Height;
    image.Format = formatOf(*graphic);
    image.Pixels = pixels.Alpha ? PixelFormat32bppARGB
                   : image.Format == ImageFormatId::GIF ? PixelFormat8bppIndexed
                                                        : PixelFormat24bppRGB;
    return Ok;
}

template <typename Image>
Status decode(TStream* stream, Image** out)
{
    if (!stream || !out) return InvalidParameter;
    std::vector<std::uint8_t> bytes;
    try {
        std::int64_t remaining = stream->Size() - stream->Position();
        if (remaining <= 0) return InvalidParameter;
        if (remaining > maxEncodedBytes) return OutOfMemory;
        bytes.resize(static_cast<std::size_t>(remaining));
        bytes.resize(static_cast<std::size_t>(stream->Read(bytes.data(), remaining)));
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    } catch (const Exception&) {
        return Win32Error;
    }
    auto image = std::make_unique<Image>();
    Status status = fill(*image, bytes);
    if (status == Ok) *out = image.release();
    return status;
}

Status decodeFile(std::string_view filename, GpImage** image)
{
    if (!image) return InvalidParameter;
    TMemoryStream file;
    try {
        file.LoadFromFile(std::string(filename));
    } catch (const Exception&) {
        return FileNotFound;
    }
    return decode(static_cast<TStream*>(&file), image);
}

bool inside(const GpBitmap* bitmap, int x, int y)
{
    return bitmap && bitmap->Surface && x >= 0 && y >= 0 && x < bitmap->Width && y < bitmap->Height;
}

std::uint32_t* pixelAt(GpBitmap& bitmap, int x, int y)
{
    auto* data = cairo_image_surface_get_data(bitmap.Surface.get());
    const int stride = cairo_image_surface_get_stride(bitmap.Surface.get());
    return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride) + x;
}

} // namespace

Status GdipLoadImageFromStream(TStream* stream, GpImage** image) { return decode(stream, image); }
Status GdipLoadImageFromStreamICM(TStream* stream, GpImage** image) { return decode(stream, image); }
Status GdipLoadImageFromFile(std::string_view filename, GpImage** image) { return decodeFile(filename, image); }
Status GdipLoadImageFromFileICM(std::string_view filename, GpImage** image) { return decodeFile(filename, image); }
Status GdipCreateBitmapFromStream(TStream* stream, GpBitmap** bitmap) { return decode(stream, bitmap); }
Status GdipCreateBitmapFromStreamICM(TStream* stream, GpBitmap** bitmap) { return decode(stream, bitmap); }

Status GdipCloneImage(GpImage* image, GpImage** cloneImage)
{
    if (!image || !cloneImage || !image->Surface) return InvalidParameter;
    std::unique_ptr<GpImage> copy = dynamic_cast<GpBitmap*>(image) ? std::make_unique<GpBitmap>() : std::make_unique<GpImage>();
    copy->Surface = newSurface(image->Width, image->Height);
    if (!copy->Surface) return OutOfMemory;
    const graphics::CairoPtr owned(cairo_create(copy->Surface.get()));
    cairo_t* cr = owned.get();
    cairo_set_source_surface(cr, image->Surface.get(), 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    copy->Width = image->Width;
    copy->Height = image->Height;
    copy->Format = image->Format;
    copy->Pixels = image->Pixels;
    *cloneImage = copy.release();
    return Ok;
}

Status GdipDisposeImage(GpImage* image)
{
    if (!image) return InvalidParameter;
    delete image;
    return Ok;
}

Status GdipGetImageWidth(GpImage* image, unsigned* width)
{
    return gdiplus::ReadOut(image, width, [](const GpImage& source) { return static_cast<unsigned>(source.Width); });
}

Status GdipGetImageHeight(GpImage* image, unsigned* height)
{
    return gdiplus::ReadOut(image, height, [](const GpImage& source) { return static_cast<unsigned>(source.Height); });
}

Status GdipGetImagePixelFormat(GpImage* image, PixelFormat* format)
{
    return gdiplus::ReadOut(image, format, &GpImage::Pixels);
}

Status GdipGetImageRawFormat(GpImage* image, ImageFormatId* format)
{
    return gdiplus::ReadOut(image, format, &GpImage::Format);
}

Status GdipImageRotateFlip(GpImage* image, RotateFlipType rfType)
{
    if (!image || !image->Surface || rfType < RotateNoneFlipNone || rfType > Rotate270FlipX) return InvalidParameter;
    const int quarterTurns = rfType & 3;
    const bool flipX = rfType >= RotateNoneFlipX;
    const int width = quarterTurns % 2 ? image->Height : image->Width;
    const int height = quarterTurns % 2 ? image->Width : image->Height;
    graphics::CairoSurfacePtr turned = newSurface(width, height);
    if (!turned) return OutOfMemory;
    const graphics::CairoPtr owned(cairo_create(turned.get()));
    cairo_t* cr = owned.get();
    // Rotate clockwise about the new surface's centre, then mirror.
    cairo_translate(cr, width / 2.0, height / 2.0);
    cairo_rotate(cr, quarterTurns * M_PI / 2);
    if (flipX) cairo_scale(cr, quarterTurns % 2 ? 1 : -1, quarterTurns % 2 ? -1 : 1);
    cairo_translate(cr, -image->Width / 2.0, -image->Height / 2.0);
    cairo_set_source_surface(cr, image->Surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    image->Surface = std::move(turned);
    image->Width = width;
    image->Height = height;
    return Ok;
}

Status GdipGetImageThumbnail(GpImage* image, unsigned thumbWidth, unsigned thumbHeight, GpImage** thumbImage)
{
    if (!image || !image->Surface || !thumbImage) return InvalidParameter;
    if (thumbWidth == 0 && thumbHeight == 0) thumbWidth = thumbHeight = 120;
    if (thumbWidth == 0 || thumbHeight == 0 || thumbWidth > unsigned(graphics::MaxBitmapSide) ||
        thumbHeight > unsigned(graphics::MaxBitmapSide))
        return InvalidParameter;
    auto thumb = std::make_unique<GpImage>();
    thumb->Width = static_cast<int>(thumbWidth);
    thumb->Height = static_cast<int>(thumbHeight);
    thumb->Surface = newSurface(thumb->Width, thumb->Height);
    if (!thumb->Surface) return OutOfMemory;
    const graphics::CairoPtr owned(cairo_create(thumb->Surface.get()));
    cairo_t* cr = owned.get();
    cairo_scale(cr, double(thumb->Width) / image->Width, double(thumb->Height) / image->Height);
    cairo_set_source_surface(cr, image->Surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    thumb->Format = ImageFormatId::MemoryBMP;
    thumb->Pixels = PixelFormat32bppARGB;
    *thumbImage = thumb.release();
    return Ok;
}

Status GdipCreateBitmapFromScan0(int width, int height, int stride, PixelFormat format, const std::uint8_t* scan0,
                                 GpBitmap** bitmap)
{
    if (!bitmap || width <= 0 || height <= 0) return InvalidParameter;
    if (std::int64_t(width) * height > graphics::MaxBitmapPixels || width > graphics::MaxBitmapSide ||
        height > graphics::MaxBitmapSide)
        return OutOfMemory;
    const bool thirtyTwoBits = ((format >> 8) & 0xFF) == 32;
    if (scan0 && (!thirtyTwoBits || stride < width * 4)) return InvalidParameter;
    auto made = std::make_unique<GpBitmap>();
    made->Surface = newSurface(width, height);
    if (!made->Surface) return OutOfMemory;
    made->Width = width;
    made->Height = height;
    made->Format = ImageFormatId::MemoryBMP;
    made->Pixels = format;
    if (scan0) {
        cairo_surface_flush(made->Surface.get());
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(scan0 + static_cast<std::ptrdiff_t>(y) * stride);
            for (int x = 0; x < width; ++x) {
                std::uint32_t value = row[x];
                if (format == PixelFormat32bppRGB) value |= 0xFF000000;
                *pixelAt(*made, x, y) = (format & PixelFormatPAlpha) ? value : gdiplus::ArgbToPixel(value);
            }
        }
        cairo_surface_mark_dirty(made->Surface.get());
    }
    *bitmap = made.release();
    return Ok;
}

Status GdipBitmapGetPixel(GpBitmap* bitmap, int x, int y, ARGB* color)
{
    if (!color || !inside(bitmap, x, y)) return InvalidParameter;
    cairo_surface_flush(bitmap->Surface.get());
    *color = gdiplus::PixelToArgb(*pixelAt(*bitmap, x, y));
    return Ok;
}

Status GdipBitmapSetPixel(GpBitmap* bitmap, int x, int y, ARGB color)
{
    if (!inside(bitmap, x, y)) return InvalidParameter;
    cairo_surface_flush(bitmap->Surface.get());
    *pixelAt(*bitmap, x, y) = gdiplus::ArgbToPixel(color);
    cairo_surface_mark_dirty(bitmap->Surface.get());
    return Ok;
}

namespace gdiplus {

GpImage* ImageOf(GpBitmap* bitmap) noexcept { return bitmap; }
GpBitmap* BitmapOf(GpImage* image) noexcept { return dynamic_cast<GpBitmap*>(image); }

} // namespace gdiplus
