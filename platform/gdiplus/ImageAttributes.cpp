// Image attributes: colour key, colour matrix, threshold, gamma and remap table applied to drawn images.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/gdiplus/Painting.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

// Images take the settings for bitmaps; brush, pen and text settings have
// nothing here to apply to, so they are accepted and kept out of the way.
Status withBitmapSettings(GpImageAttributes* attributes, ColorAdjustType type,
                          const std::function<void(GpImageAttributes&)>& change)
{
    if (!attributes || type < ColorAdjustTypeDefault || type >= ColorAdjustTypeCount) return InvalidParameter;
    if (type == ColorAdjustTypeDefault || type == ColorAdjustTypeBitmap) change(*attributes);
    return Ok;
}

std::uint8_t channel(ARGB color, int shift) { return (color >> shift) & 0xFF; }

bool inKeyRange(const GpImageAttributes& a, ARGB color)
{
    for (int shift : {16, 8, 0})
        if (channel(color, shift) < channel(a.KeyLow, shift) || channel(color, shift) > channel(a.KeyHigh, shift)) return false;
    return true;
}

ARGB adjust(const GpImageAttributes& a, ARGB color)
{
    for (const ColorMap& entry : a.Remap)
        if (entry.oldColor == color) {
            color = entry.newColor;
            break;
        }
    if (a.ColorKey && inKeyRange(a, color)) return 0;
    double rgba[4] = {channel(color, 16) / 255.0, channel(color, 8) / 255.0, channel(color, 0) / 255.0,
                      channel(color, 24) / 255.0};
    if (a.Matrix) {
        double out[4];
        for (int j = 0; j < 4; ++j) {
            out[j] = a.Matrix->m[4][j];
            for (int i = 0; i < 4; ++i) out[j] += rgba[i] * a.Matrix->m[i][j];
        }
        std::copy(out, out + 4, rgba);
    }
    for (int i = 0; i < 3; ++i) {
        if (a.Threshold) rgba[i] = rgba[i] > *a.Threshold ? 1.0 : 0.0;
        if (a.Gamma) rgba[i] = std::pow(std::clamp(rgba[i], 0.0, 1.0), static_cast<double>(*a.Gamma));
    }
    auto byte = [](double v) { return static_cast<ARGB>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return (byte(rgba[3]) << 24) | (byte(rgba[0]) << 16) | (byte(rgba[1]) << 8) | byte(rgba[2]);
}

} // namespace

bool GpImageAttributes::Adjusts() const noexcept
{
    return !NoOp && (ColorKey || Matrix || Threshold || Gamma || !Remap.empty());
}

namespace gdiplus {

graphics::CairoSurfacePtr AdjustedCopy(const GpImageAttributes& attributes, _cairo_surface* source, int width, int height)
{
    graphics::CairoSurfacePtr copy(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(copy.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    cairo_surface_flush(source);
    const unsigned char* from = cairo_image_surface_get_data(source);
    unsigned char* to = cairo_image_surface_get_data(copy.get());
    const int fromStride = cairo_image_surface_get_stride(source), toStride = cairo_image_surface_get_stride(copy.get());
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(from + static_cast<std::ptrdiff_t>(y) * fromStride);
        auto* out = reinterpret_cast<std::uint32_t*>(to + static_cast<std::ptrdiff_t>(y) * toStride);
        for (int x = 0; x < width; ++x) out[x] = ArgbToPixel(adjust(attributes, PixelToArgb(in[x])));
    }
    cairo_surface_mark_dirty(copy.get());
    return copy;
}

} // namespace gdiplus

Status GdipCreateImageAttributes(GpImageAttributes** imageattr)
{
    if (!imageattr) return InvalidParameter;
    *imageattr = new (std::nothrow) GpImageAttributes;
    return *imageattr ? Ok : OutOfMemory;
}

Status GdipCloneImageAttributes(const GpImageAttributes* imageattr, GpImageAttributes** cloneImageattr)
{
    if (!imageattr || !cloneImageattr) return InvalidParameter;
    *cloneImageattr = new (std::nothrow) GpImageAttributes(*imageattr);
    return *cloneImageattr ? Ok : OutOfMemory;
}

Status GdipDisposeImageAttributes(GpImageAttributes* imageattr)
{
    if (!imageattr) return InvalidParameter;
    delete imageattr;
    return Ok;
}

Status GdipSetImageAttributesToIdentity(GpImageAttributes* imageattr, ColorAdjustType type)
{
    return withBitmapSettings(imageattr, type, [](GpImageAttributes& a) { a.Matrix.reset(); });
}

Status GdipResetImageAttributes(GpImageAttributes* imageattr, ColorAdjustType type)
{
    return withBitmapSettings(imageattr, type, [](GpImageAttributes& a) { a = GpImageAttributes{}; });
}

Status GdipSetImageAttributesColorMatrix(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                         const ColorMatrix* colorMatrix, const ColorMatrix* /*grayMatrix*/,
                                         ColorMatrixFlags /*flags*/)
{
    if (enableFlag && !colorMatrix) return InvalidParameter;
    return withBitmapSettings(imageattr, type, [&](GpImageAttributes& a) {
        if (enableFlag) a.Matrix = *colorMatrix;
        else a.Matrix.reset();
    });
}

Status GdipSetImageAttributesThreshold(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       float threshold)
{
    return withBitmapSettings(imageattr, type, [&](GpImageAttributes& a) {
        if (enableFlag) a.Threshold = threshold;
        else a.Threshold.reset();
    });
}

Status GdipSetImageAttributesGamma(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag, float gamma)
{
    if (enableFlag && !(gamma > 0)) return InvalidParameter;
    return withBitmapSettings(imageattr, type, [&](GpImageAttributes& a) {
        if (enableFlag) a.Gamma = gamma;
        else a.Gamma.reset();
    });
}

Status GdipSetImageAttributesNoOp(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag)
{
    return withBitmapSettings(imageattr, type, [&](GpImageAttributes& a) { a.NoOp = enableFlag; });
}

Status GdipSetImageAttributesColorKeys(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       ARGB colorLow, ARGB colorHigh)
{
    return withBitmapSettings(imageattr, type, [&](GpImageAttributes& a) {
        a.ColorKey = enableFlag;
        a.KeyLow = colorLow;
        a.KeyHigh = colorHigh;
    });
}

Status GdipSetImageAttributesRemapTable(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                        unsigned mapSize, const ColorMap* map)
{
    if (enableFlag && (!map || mapSize == 0)) return InvalidParameter;
    return withBitmapSettings(imageattr, type, [&](GpImageAttributes& a) {
        if (enableFlag) a.Remap.assign(map, map + mapSize);
        else a.Remap.clear();
    });
}

Status GdipSetImageAttributesWrapMode(GpImageAttributes* imageAttr, WrapMode wrap, ARGB /*argb*/, bool /*clamp*/)
{
    if (!imageAttr) return InvalidParameter;
    imageAttr->Wrap = wrap;
    return Ok;
}
