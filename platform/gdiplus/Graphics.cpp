// Drawing surfaces over device contexts and images: state, transform, clipping and the painting path.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/gdiplus/Painting.h"
#include "platform/graphics/GdiState.h"

#include <cairo.h>

#include <cmath>
#include <new>

namespace {



bool invertible(const gdiplus::Affine& a)
{
    double determinant = a.xx * a.yy - a.yx * a.xy;
    return std::isfinite(determinant) && determinant != 0 && std::isfinite(a.x0) && std::isfinite(a.y0);
}

// World coordinates to device pixels: the world transform, then the device context's origin.
cairo_matrix_t deviceMatrix(const GpGraphics& g)
{
    cairo_matrix_t world = gdiplus::ToCairo(g.World), origin = gdiplus::ToCairo(g.Origin), result;
    cairo_matrix_multiply(&result, &world, &origin);
    return result;
}

graphics::CairoSurfacePtr newMask(int width, int height, bool covered)
{
    graphics::CairoSurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_A8, std::max(width, 1), std::max(height, 1)));
    if (covered) {
        const graphics::CairoPtr owned(cairo_create(mask.get()));
        cairo_t* cr = owned.get();
        cairo_paint(cr);
    }
    return mask;
}

cairo_operator_t operatorFor(CombineMode mode)
{
    switch (mode) {
    case CombineModeIntersect: return CAIRO_OPERATOR_DEST_IN;
    case CombineModeXor: return CAIRO_OPERATOR_XOR;
    case CombineModeExclude: return CAIRO_OPERATOR_DEST_OUT;
    case CombineModeComplement: return CAIRO_OPERATOR_OUT;
    default: return CAIRO_OPERATOR_OVER;
    }
}

// Combines a shape into a mask: the shape sets up a path to fill or paints itself.
void combineInto(cairo_surface_t* mask, CombineMode mode, const std::function<void(cairo_t*)>& shape)
{
    const graphics::CairoPtr owned(cairo_create(mask));
    cairo_t* cr = owned.get();
    if (mode == CombineModeReplace) {
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_paint(cr);
    }
    cairo_set_operator(cr, operatorFor(mode));
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    shape(cr);
}

void fillPathShape(cairo_t* cr, const GpPath& path, const cairo_matrix_t& transform)
{
    cairo_set_matrix(cr, &transform);
    cairo_set_fill_rule(cr, path.Fill == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    gdiplus::AppendPath(cr, path);
    cairo_fill(cr);
}

void maskShape(cairo_t* cr, cairo_surface_t* shape)
{
    cairo_identity_matrix(cr);
    cairo_mask_surface(cr, shape, 0, 0);
}

graphics::CairoSurfacePtr renderRegion(const GpRegion& region, const cairo_matrix_t& transform, int width, int height)
{
    graphics::CairoSurfacePtr mask = newMask(width, height, false);
    for (const GpRegion::Step& step : region.Steps) {
        if (step.Nested) {
            graphics::CairoSurfacePtr nested = renderRegion(*step.Nested, transform, width, height);
            combineInto(mask.get(), step.Mode, [&](cairo_t* cr) { maskShape(cr, nested.get()); });
        } else {
            combineInto(mask.get(), step.Mode, [&](cairo_t* cr) { fillPathShape(cr, step.Path, transform); });
        }
    }
    return mask;
}

Status combineClip(GpGraphics* graphics, const GpRegion& region, CombineMode mode)
{
    if (!graphics || mode < CombineModeReplace || mode > CombineModeComplement) return InvalidParameter;
    if (!invertible(graphics->World)) return InvalidParameter;
    graphics::CairoSurfacePtr shape = renderRegion(region, deviceMatrix(*graphics), graphics->Width, graphics->Height);
    if (!graphics->ClipMask) graphics->ClipMask = newMask(graphics->Width, graphics->Height, true);
    combineInto(graphics->ClipMask.get(), mode, [&](cairo_t* cr) { maskShape(cr, shape.get()); });
    return Ok;
}

Status made(GpGraphics* graphics, GpGraphics** out)
{
    if (cairo_status(graphics->Cr) != CAIRO_STATUS_SUCCESS) {
        delete graphics;
        return OutOfMemory;
    }
    *out = graphics;
    return Ok;
}

} // namespace

GpGraphics::~GpGraphics()
{
    if (Cr) cairo_destroy(Cr);
}

namespace gdiplus {

Status Paint(GpGraphics& graphics, DrawKind kind, const std::function<void(cairo_t*)>& draw)
{
    if (!invertible(graphics.World)) return InvalidParameter;
    cairo_t* cr = graphics.Cr;
    cairo_save(cr);
    if (graphics.ClipMask) cairo_push_group(cr);
    cairo_matrix_t matrix = deviceMatrix(graphics);
    cairo_set_matrix(cr, &matrix);
    if (kind == DrawKind::Shape) {
        const bool smooth = graphics.Smoothing == SmoothingModeAntiAlias || graphics.Smoothing == SmoothingModeHighQuality;
        cairo_set_antialias(cr, smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
        // Smoothed shapes put pixel centres on whole coordinates, so a one-pixel
        // line on a whole coordinate stays one pixel wide.
        if (smooth) {
            cairo_identity_matrix(cr);
            cairo_translate(cr, 0.5, 0.5);
            cairo_transform(cr, &matrix);
        }
    }
    draw(cr);
    if (graphics.ClipMask) {
        // The group goes onto the surface the way the drawing would have: a
        // clear replaces what is under the clip instead of blending with it.
        const cairo_operator_t drawnWith = cairo_get_operator(cr);
        cairo_pop_group_to_source(cr);
        cairo_set_operator(cr, drawnWith);
        cairo_identity_matrix(cr);
        cairo_mask_surface(cr, graphics.ClipMask.get(), 0, 0);
    }
    cairo_restore(cr);
    return cairo_status(cr) == CAIRO_STATUS_SUCCESS ? Ok : GenericError;
}

void SetSourceBrush(cairo_t* cr, const GpBrush& brush)
{
    cairo_set_source(cr, brush.CreatePattern().get());
}

} // namespace gdiplus

Status GdipCreateFromHDC(HDC hdc, GpGraphics** graphics)
{
    if (!hdc || !graphics || !hdc->Surface) return InvalidParameter;
    auto* g = new (std::nothrow) GpGraphics;
    if (!g) return OutOfMemory;
    g->Cr = cairo_create(hdc->Surface);
    g->Dc = hdc;
    g->Width = hdc->Width;
    g->Height = hdc->Height;
    TPoint offset = hdc->Offset();
    g->Origin.x0 = offset.X;
    g->Origin.y0 = offset.Y;
    if (hdc->State.Clipped) {
        const graphics::CairoRegionPtr clip = hdc->ClipRegion();
        for (int i = 0, n = cairo_region_num_rectangles(clip.get()); i < n; ++i) {
            cairo_rectangle_int_t r;
            cairo_region_get_rectangle(clip.get(), i, &r);
            cairo_rectangle(g->Cr, r.x, r.y, r.width, r.height);
        }
        cairo_clip(g->Cr);
    }
    return made(g, graphics);
}

Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics)
{
    if (!image || !graphics || !image->Surface) return InvalidParameter;
    auto* g = new (std::nothrow) GpGraphics;
    if (!g) return OutOfMemory;
    g->Cr = cairo_create(image->Surface.get());
    g->Width = image->Width;
    g->Height = image->Height;
    return made(g, graphics);
}

Status GdipDeleteGraphics(GpGraphics* graphics)
{
    if (!graphics) return InvalidParameter;
    delete graphics;
    return Ok;
}

Status GdipFlush(GpGraphics* graphics, FlushIntention /*intention*/)
{
    if (!graphics) return InvalidParameter;
    cairo_surface_flush(cairo_get_target(graphics->Cr));
    return Ok;
}

Status GdipGraphicsClear(GpGraphics* graphics, ARGB color)
{
    if (!graphics) return InvalidParameter;
    return gdiplus::Paint(*graphics, gdiplus::DrawKind::Image, [color](cairo_t* cr) {
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        gdiplus::SetSourceArgb(cr, color);
        cairo_paint(cr);
    });
}

Status GdipGetDC(GpGraphics* graphics, HDC* hdc)
{
    if (!graphics || !hdc) return InvalidParameter;
    if (graphics->Dc) {
        *hdc = graphics->Dc;
        return Ok;
    }
    if (graphics->OwnDc) return ObjectBusy;
    cairo_surface_flush(cairo_get_target(graphics->Cr));
    graphics->OwnDc = std::make_unique<graphics::TDeviceContext>(cairo_get_target(graphics->Cr));
    *hdc = graphics->OwnDc.get();
    return Ok;
}

Status GdipReleaseDC(GpGraphics* graphics, HDC hdc)
{
    if (!graphics || !hdc) return InvalidParameter;
    if (hdc == graphics->Dc) return Ok;
    if (hdc != graphics->OwnDc.get()) return InvalidParameter;
    cairo_surface_flush(hdc->Surface);
    graphics->OwnDc.reset();
    cairo_surface_mark_dirty(cairo_get_target(graphics->Cr));
    return Ok;
}

Status GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint mode)
{
    if (!graphics || mode < TextRenderingHintSystemDefault || mode > TextRenderingHintClearTypeGridFit) return InvalidParameter;
    graphics->TextHint = mode;
    return Ok;
}

Status GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* mode)
{
    return gdiplus::ReadOut(graphics, mode, &GpGraphics::TextHint);
}

Status GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode smoothingMode)
{
    if (!graphics || smoothingMode < SmoothingModeDefault || smoothingMode > SmoothingModeAntiAlias) return InvalidParameter;
    graphics->Smoothing = smoothingMode;
    return Ok;
}

Status GdipGetSmoothingMode(GpGraphics* graphics, SmoothingMode* smoothingMode)
{
    return gdiplus::ReadOut(graphics, smoothingMode, &GpGraphics::Smoothing);
}

Status GdipSetCompositingQuality(GpGraphics* graphics, CompositingQuality compositingQuality)
{
    if (!graphics || compositingQuality < CompositingQualityDefault || compositingQuality > CompositingQualityAssumeLinear)
        return InvalidParameter;
    graphics->Quality = compositingQuality;
    return Ok;
}

Status GdipGetCompositingQuality(GpGraphics* graphics, CompositingQuality* compositingQuality)
{
    return gdiplus::ReadOut(graphics, compositingQuality, &GpGraphics::Quality);
}

Status GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix)
{
    if (!graphics || !matrix || !invertible(matrix->M)) return InvalidParameter;
    graphics->World = matrix->M;
    return Ok;
}

Status GdipResetWorldTransform(GpGraphics* graphics)
{
    if (!graphics) return InvalidParameter;
    graphics->World = {};
    return Ok;
}

Status GdipSetClipRect(GpGraphics* graphics, float x, float y, float width, float height, CombineMode combineMode)
{
    GpRegion region;
    region.Steps.push_back({CombineModeReplace, GpPath{}, nullptr});
    GdipAddPathRectangle(&region.Steps.back().Path, x, y, width, height);
    return combineClip(graphics, region, combineMode);
}

Status GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode)
{
    if (!path) return InvalidParameter;
    GpRegion region;
    region.Steps.push_back({CombineModeReplace, *path, nullptr});
    return combineClip(graphics, region, combineMode);
}

Status GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode combineMode)
{
    if (!region) return InvalidParameter;
    return combineClip(graphics, *region, combineMode);
}

Status GdipResetClip(GpGraphics* graphics)
{
    if (!graphics) return InvalidParameter;
    graphics->ClipMask.reset();
    return Ok;
}
