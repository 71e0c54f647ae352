// Block copies between device contexts, with scaling and raster operations.
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/CairoWrappers.h"
#include "platform/graphics/GdiState.h"

#include <cairo.h>

#include <algorithm>
#include <vector>

using namespace graphics;

namespace {

std::uint32_t applyRop3(unsigned rop, std::uint32_t src, std::uint32_t dst)
{
    switch (rop) {
    case SRCPAINT: return src | dst;
    case SRCAND: return src & dst;
    case SRCINVERT: return src ^ dst;
    case DSTINVERT: return ~dst;
    case BLACKNESS: return 0;
    case WHITENESS: return 0xFFFFFF;
    default: return src;
    }
}

} // namespace

bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SourceX, int SourceY, unsigned Rop)
{
    return StretchBlt(Dest, X, Y, Width, Height, Source, SourceX, SourceY, Width, Height, Rop);
}

bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SourceX, int SourceY,
                int SourceWidth, int SourceHeight, unsigned Rop)
{
    if (!Dest || Width == 0 || Height == 0) return false;
    bool needsSource = Rop != DSTINVERT && Rop != BLACKNESS && Rop != WHITENESS && Rop != PATCOPY;
    if (needsSource && (!Source || SourceWidth == 0 || SourceHeight == 0)) return false;
    if (Rop == PATCOPY) {
        FillWithBrush(*Dest, [&](cairo_t* cr) { cairo_rectangle(cr, X, Y, Width, Height); }, Dest->State.Brush);
        return true;
    }

    // A copy of the source part first: the source may be the destination itself.
    CairoSurfacePtr part;
    if (needsSource) {
        TPoint so = Source->Offset();
        int sw = std::abs(SourceWidth), sh = std::abs(SourceHeight);
        int sx = std::min(SourceX, SourceX + SourceWidth), sy = std::min(SourceY, SourceY + SourceHeight);
        part.reset(cairo_image_surface_create(cairo_image_surface_get_format(Source->Surface), sw, sh));
        const CairoPtr pc(cairo_create(part.get()));
        cairo_set_operator(pc.get(), CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(pc.get(), Source->Surface, -(sx + so.X), -(sy + so.Y));
        cairo_paint(pc.get());
    }

    cairo_t* cr = Dest->Cr;
    // A page without pixels of its own (a PDF page) takes every copy as a plain copy.
    if (Rop == SRCCOPY || !Dest->DirectPixels) {
        cairo_save(cr);
        cairo_rectangle(cr, std::min(X, X + Width), std::min(Y, Y + Height), std::abs(Width), std::abs(Height));
        cairo_clip(cr);
        cairo_translate(cr, X, Y);
        cairo_scale(cr, double(Width) / SourceWidth, double(Height) / SourceHeight);
        if (SourceWidth < 0) cairo_translate(cr, SourceWidth, 0);
        if (SourceHeight < 0) cairo_translate(cr, 0, SourceHeight);
        cairo_set_source_surface(cr, part.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_restore(cr);
        return true;
    }

    // Bitwise operations go pixel by pixel, sampling the source at the nearest pixel.
    TRect target = IntersectRect(Dest->LogicalToDevice({std::min(X, X + Width), std::min(Y, Y + Height),
                                                        std::max(X, X + Width), std::max(Y, Y + Height)}),
                                 Dest->ClipBox());
    const std::uint8_t* partData = nullptr;
    int partStride = 0, pw = 0, ph = 0;
    if (part) {
        cairo_surface_flush(part.get());
        partData = cairo_image_surface_get_data(part.get());
        partStride = cairo_image_surface_get_stride(part.get());
        pw = cairo_image_surface_get_width(part.get());
        ph = cairo_image_surface_get_height(part.get());
    }
    Dest->BeginDirectAccess();
    std::uint8_t* data = cairo_image_surface_get_data(Dest->Surface);
    int stride = cairo_image_surface_get_stride(Dest->Surface);
    TRect full = Dest->LogicalToDevice({X, Y, X + Width, Y + Height});
    for (int y = target.Top; y < target.Bottom; ++y) {
        if (Dest->State.Clipped && std::none_of(Dest->State.ClipRects.begin(), Dest->State.ClipRects.end(),
                                                [&](const TRect& r) { return y >= r.Top && y < r.Bottom; }))
            continue;
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = target.Left; x < target.Right; ++x) {
            if (Dest->State.Clipped &&
                std::none_of(Dest->State.ClipRects.begin(), Dest->State.ClipRects.end(),
                             [&](const TRect& r) { return r.Contains({x, y}); }))
                continue;
            std::uint32_t src = 0;
            if (partData) {
                int px = int((long long)(x - full.Left) * pw / std::abs(Width));
                int py = int((long long)(y - full.Top) * ph / std::abs(Height));
                if (SourceWidth * Width < 0) px = pw - 1 - px;
                if (SourceHeight * Height < 0) py = ph - 1 - py;
                px = std::clamp(px, 0, pw - 1);
                py = std::clamp(py, 0, ph - 1);
                src = reinterpret_cast<const std::uint32_t*>(partData + py * partStride)[px];
            }
            row[x] = 0xFF000000u | (applyRop3(Rop, src, row[x]) & 0xFFFFFF);
        }
    }
    Dest->EndDirectAccess();
    return true;
}
