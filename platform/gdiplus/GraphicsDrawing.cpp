// Drawing operations of a surface: lines, shapes and paths with pens, fills with brushes, images.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"
#include "platform/gdiplus/Painting.h"

#include <cairo.h>

#include <cmath>
#include <vector>

namespace {

cairo_line_cap_t capFor(LineCap cap)
{
    switch (cap) {
    case LineCapSquare: return CAIRO_LINE_CAP_SQUARE;
    case LineCapRound: return CAIRO_LINE_CAP_ROUND;
    default: return CAIRO_LINE_CAP_BUTT;
    }
}

// Dash lengths are multiples of the pen's width.
std::vector<double> dashesFor(DashStyle style, double width)
{
    std::vector<double> units;
    switch (style) {
    case DashStyleDash: units = {3, 1}; break;
    case DashStyleDot: units = {1, 1}; break;
    case DashStyleDashDot: units = {3, 1, 1, 1}; break;
    case DashStyleDashDotDot: units = {3, 1, 1, 1, 1, 1}; break;
    default: break;
    }
    for (double& unit : units) unit *= width;
    return units;
}

Status stroke(GpGraphics* graphics, const GpPen* pen, const std::function<void(cairo_t*)>& shape)
{
    if (!graphics || !pen) return InvalidParameter;
    return gdiplus::Paint(*graphics, gdiplus::DrawKind::Shape, [&](cairo_t* cr) {
        const double width = pen->Width > 0 ? pen->Width : 1.0;
        cairo_set_line_width(cr, width);
        cairo_set_line_cap(cr, capFor(pen->EndCap));
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        std::vector<double> dashes = dashesFor(pen->Dash, width);
        cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), 0);
        gdiplus::SetSourceBrush(cr, *pen->Brush);
        shape(cr);
        cairo_stroke(cr);
    });
}

Status fill(GpGraphics* graphics, const GpBrush* brush, FillMode mode, const std::function<void(cairo_t*)>& shape)
{
    if (!graphics || !brush) return InvalidParameter;
    return gdiplus::Paint(*graphics, gdiplus::DrawKind::Shape, [&](cairo_t* cr) {
        cairo_set_fill_rule(cr, mode == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
        gdiplus::SetSourceBrush(cr, *brush);
        shape(cr);
        cairo_fill(cr);
    });
}

void ellipse(cairo_t* cr, double x, double y, double width, double height)
{
    cairo_save(cr);
    cairo_translate(cr, x + width / 2, y + height / 2);
    cairo_scale(cr, width / 2, height / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

template <typename Point>
Status fillPolygon(GpGraphics* graphics, GpBrush* brush, const Point* points, int count, FillMode fillMode)
{
    if (!points || count < 3) return InvalidParameter;
    return fill(graphics, brush, fillMode, [&](cairo_t* cr) {
        cairo_move_to(cr, points[0].X, points[0].Y);
        for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X, points[i].Y);
        cairo_close_path(cr);
    });
}

} // namespace

Status GdipDrawLine(GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2)
{
    return stroke(graphics, pen, [&](cairo_t* cr) {
        cairo_move_to(cr, x1, y1);
        cairo_line_to(cr, x2, y2);
    });
}

Status GdipDrawArc(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height, float startAngle,
                   float sweepAngle)
{
    GpPath path;
    if (Status status = GdipAddPathArc(&path, x, y, width, height, startAngle, sweepAngle); status != Ok) return status;
    return GdipDrawPath(graphics, pen, &path);
}

Status GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height)
{
    if (width <= 0 || height <= 0) return InvalidParameter;
    return stroke(graphics, pen, [&](cairo_t* cr) { ellipse(cr, x, y, width, height); });
}

Status GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height)
{
    return stroke(graphics, pen, [&](cairo_t* cr) { cairo_rectangle(cr, x, y, width, height); });
}

Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path)
{
    if (!path) return InvalidParameter;
    return stroke(graphics, pen, [&](cairo_t* cr) { gdiplus::AppendPath(cr, *path); });
}

Status GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, float x, float y, float width, float height)
{
    return fill(graphics, brush, FillModeAlternate, [&](cairo_t* cr) { cairo_rectangle(cr, x, y, width, height); });
}

Status GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, float x, float y, float width, float height)
{
    if (width <= 0 || height <= 0) return InvalidParameter;
    return fill(graphics, brush, FillModeAlternate, [&](cairo_t* cr) { ellipse(cr, x, y, width, height); });
}

Status GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const TGPPointF* points, int count, FillMode fillMode)
{
    return fillPolygon(graphics, brush, points, count, fillMode);
}

Status GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, const TGPPoint* points, int count, FillMode fillMode)
{
    return fillPolygon(graphics, brush, points, count, fillMode);
}

Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path)
{
    if (!path) return InvalidParameter;
    return fill(graphics, brush, path->Fill, [&](cairo_t* cr) { gdiplus::AppendPath(cr, *path); });
}

Status GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y)
{
    if (!image) return InvalidParameter;
    return GdipDrawImageRect(graphics, image, float(x), float(y), float(image->Width), float(image->Height));
}

Status GdipDrawImageRect(GpGraphics* graphics, GpImage* image, float x, float y, float width, float height)
{
    if (!image) return InvalidParameter;
    return GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, float(image->Width), float(image->Height),
                                 UnitPixel, nullptr);
}

Status GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, float dstx, float dsty, float dstwidth,
                             float dstheight, float srcx, float srcy, float srcwidth, float srcheight, Unit_ srcUnit,
                             const GpImageAttributes* imageAttributes)
{
    if (!graphics || !image || !image->Surface || srcUnit != UnitPixel) return InvalidParameter;
    if (srcwidth <= 0 || srcheight <= 0) return InvalidParameter;
    if (dstwidth == 0 || dstheight == 0) return Ok;
    graphics::CairoSurfacePtr adjusted;
    cairo_surface_t* pixels = image->Surface.get();
    if (imageAttributes && imageAttributes->Adjusts()) {
        adjusted = gdiplus::AdjustedCopy(*imageAttributes, pixels, image->Width, image->Height);
        if (!adjusted) return OutOfMemory;
        pixels = adjusted.get();
    }
    return gdiplus::Paint(*graphics, gdiplus::DrawKind::Image, [&](cairo_t* cr) {
        cairo_rectangle(cr, dstx, dsty, dstwidth, dstheight);
        cairo_clip(cr);
        cairo_translate(cr, dstx, dsty);
        cairo_scale(cr, dstwidth / srcwidth, dstheight / srcheight);
        cairo_translate(cr, -srcx, -srcy);
        cairo_set_source_surface(cr, pixels, 0, 0);
        const bool sameSize = dstwidth == srcwidth && dstheight == srcheight;
        cairo_pattern_set_filter(cairo_get_source(cr), sameSize ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_paint(cr);
    });
}
