// Texture brushes: a copy of an image's pixels, repeated across what they fill.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/gdiplus/Painting.h"

#include <cairo.h>

#include <cmath>
#include <new>

namespace {

graphics::CairoSurfacePtr copyRect(cairo_surface_t* source, int x, int y, int width, int height)
{
    graphics::CairoSurfacePtr copy(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    const graphics::CairoPtr owned(cairo_create(copy.get()));
    cairo_t* cr = owned.get();
    cairo_set_source_surface(cr, source, -x, -y);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    return copy;
}

Status create(GpImage* image, WrapMode wrap, const GpImageAttributes* attributes, double x, double y, double width,
              double height, GpTexture** texture)
{
    if (!image || !image->Surface || !texture) return InvalidParameter;
    // The rectangle is in whole pixels of the image and must lie inside it.
    const int left = static_cast<int>(std::lround(x)), top = static_cast<int>(std::lround(y));
    const int w = static_cast<int>(std::lround(width)), h = static_cast<int>(std::lround(height));
    if (left < 0 || top < 0 || w <= 0 || h <= 0 || left > image->Width - w || top > image->Height - h)
        return OutOfMemory;
    auto* brush = new (std::nothrow) GpTexture;
    if (!brush) return OutOfMemory;
    cairo_surface_t* pixels = image->Surface.get();
    graphics::CairoSurfacePtr adjusted;
    if (attributes && attributes->Adjusts()) {
        adjusted = gdiplus::AdjustedCopy(*attributes, pixels, image->Width, image->Height);
        if (!adjusted) {
            delete brush;
            return OutOfMemory;
        }
        pixels = adjusted.get();
    }
    brush->Pixels = copyRect(pixels, left, top, w, h);
    brush->Width = w;
    brush->Height = h;
    brush->Wrap = wrap;
    *texture = brush;
    return Ok;
}

Status transform(GpTexture* brush, const cairo_matrix_t& operation, MatrixOrder order)
{
    if (!brush) return InvalidParameter;
    brush->Transform = gdiplus::Combine(brush->Transform, operation, order);
    return Ok;
}

} // namespace

std::unique_ptr<GpBrush> GpTexture::Clone() const { return std::make_unique<GpTexture>(*this); }

graphics::CairoPatternPtr GpTexture::CreatePattern() const
{
    graphics::CairoPatternPtr owned(cairo_pattern_create_for_surface(Pixels.get()));
    cairo_pattern_t* pattern = owned.get();
    // A pattern's matrix maps user space to the texture, the reverse of the brush's transform.
    cairo_matrix_t m = gdiplus::ToCairo(Transform);
    if (cairo_matrix_invert(&m) == CAIRO_STATUS_SUCCESS) cairo_pattern_set_matrix(pattern, &m);
    cairo_pattern_set_extend(pattern, Wrap == WrapModeClamp  ? CAIRO_EXTEND_NONE
                                      : Wrap == WrapModeTile ? CAIRO_EXTEND_REPEAT
                                                             : CAIRO_EXTEND_REFLECT);
    return owned;
}

Status GdipCreateTexture(GpImage* image, WrapMode wrapmode, GpTexture** texture)
{
    if (!image) return InvalidParameter;
    return create(image, wrapmode, nullptr, 0, 0, image->Width, image->Height, texture);
}

Status GdipCreateTexture2(GpImage* image, WrapMode wrapmode, float x, float y, float width, float height,
                          GpTexture** texture)
{
    return create(image, wrapmode, nullptr, x, y, width, height, texture);
}

Status GdipCreateTexture2I(GpImage* image, WrapMode wrapmode, int x, int y, int width, int height, GpTexture** texture)
{
    return create(image, wrapmode, nullptr, x, y, width, height, texture);
}

Status GdipCreateTextureIA(GpImage* image, const GpImageAttributes* imageAttributes, float x, float y, float width,
                           float height, GpTexture** texture)
{
    const WrapMode wrap = imageAttributes ? imageAttributes->Wrap : WrapModeTile;
    return create(image, wrap, imageAttributes, x, y, width, height, texture);
}

Status GdipCreateTextureIAI(GpImage* image, const GpImageAttributes* imageAttributes, int x, int y, int width,
                            int height, GpTexture** texture)
{
    return GdipCreateTextureIA(image, imageAttributes, float(x), float(y), float(width), float(height), texture);
}

Status GdipResetTextureTransform(GpTexture* brush)
{
    if (!brush) return InvalidParameter;
    brush->Transform = {};
    return Ok;
}

Status GdipTranslateTextureTransform(GpTexture* brush, float dx, float dy, MatrixOrder order)
{
    cairo_matrix_t op;
    cairo_matrix_init_translate(&op, dx, dy);
    return transform(brush, op, order);
}

Status GdipScaleTextureTransform(GpTexture* brush, float sx, float sy, MatrixOrder order)
{
    if (sx == 0 || sy == 0) return InvalidParameter;
    cairo_matrix_t op;
    cairo_matrix_init_scale(&op, sx, sy);
    return transform(brush, op, order);
}

Status GdipRotateTextureTransform(GpTexture* brush, float angle, MatrixOrder order)
{
    return transform(brush, gdiplus::Rotation(angle), order);
}

Status GdipSetTextureWrapMode(GpTexture* brush, WrapMode wrapmode)
{
    if (!brush || wrapmode < WrapModeTile || wrapmode > WrapModeClamp) return InvalidParameter;
    brush->Wrap = wrapmode;
    return Ok;
}

Status GdipGetTextureWrapMode(GpTexture* brush, WrapMode* wrapmode)
{
    return gdiplus::ReadOut(brush, wrapmode, &GpTexture::Wrap);
}

Status GdipGetTextureImage(GpTexture* brush, GpImage** image)
{
    if (!brush || !image) return InvalidParameter;
    auto copy = std::make_unique<GpBitmap>();
    copy->Surface = copyRect(brush->Pixels.get(), 0, 0, brush->Width, brush->Height);
    if (cairo_surface_status(copy->Surface.get()) != CAIRO_STATUS_SUCCESS) return OutOfMemory;
    copy->Width = brush->Width;
    copy->Height = brush->Height;
    copy->Format = ImageFormatId::MemoryBMP;
    *image = copy.release();
    return Ok;
}

namespace gdiplus {

GpBrush* BrushOf(GpTexture* brush) noexcept { return brush; }
GpTexture* TextureOf(GpBrush* brush) noexcept { return dynamic_cast<GpTexture*>(brush); }

} // namespace gdiplus
