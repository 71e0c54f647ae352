// Pens, brushes and raster operations over Cairo, and the line and shape routines that use them.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/CairoWrappers.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GdiState.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace graphics {
namespace {

std::uint32_t toPixel(TColorRef c) noexcept
{
    return 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

TColorRef fromPixel(std::uint32_t p) noexcept
{
    std::uint32_t a = p >> 24;
    auto channel = [a](std::uint32_t v) -> std::uint8_t {
        if (a == 0 || a == 255) return static_cast<std::uint8_t>(v);
        return static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (v * 255 + a / 2) / a));
    };
    return RGB(channel((p >> 16) & 0xFF), channel((p >> 8) & 0xFF), channel(p & 0xFF));
}

std::uint32_t applyRop2(TPenMode mode, std::uint32_t pen, std::uint32_t dst) noexcept
{
    switch (mode) {
    case pmBlack: return 0;
    case pmWhite: return 0xFFFFFF;
    case pmNop: return dst;
    case pmNot: return ~dst;
    case pmCopy: return pen;
    case pmNotCopy: return ~pen;
    case pmMergePenNot: return pen | ~dst;
    case pmMaskPenNot: return pen & ~dst;
    case pmMergeNotPen: return ~pen | dst;
    case pmMaskNotPen: return ~pen & dst;
    case pmMerge: return pen | dst;
    case pmNotMerge: return ~(pen | dst);
    case pmMask: return pen & dst;
    case pmNotMask: return ~(pen & dst);
    case pmXor: return pen ^ dst;
    case pmNotXor: return ~(pen ^ dst);
    }
    return dst;
}

// An 8 x 8 tile with the hatch lines of a brush style in the colour, clear elsewhere.
CairoSurfacePtr hatchTile(TBrushStyle style, TColorRef color)
{
    CairoSurfacePtr tile(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8));
    cairo_surface_flush(tile.get());
    auto* data = cairo_image_surface_get_data(tile.get());
    int stride = cairo_image_surface_get_stride(tile.get());
    std::uint32_t pixel = toPixel(color);
    for (int y = 0; y < 8; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < 8; ++x) {
            bool on = false;
            switch (style) {
            case bsHorizontal: on = y == 7; break;
            case bsVertical: on = x == 7; break;
            case bsFDiagonal: on = x == y; break;
            case bsBDiagonal: on = x == 7 - y; break;
            case bsCross: on = x == 7 || y == 7; break;
            case bsDiagCross: on = x == y || x == 7 - y; break;
            default: break;
            }
            row[x] = on ? pixel : 0;
        }
    }
    cairo_surface_mark_dirty(tile.get());
    return tile;
}

void setAlignedPattern(TDeviceContext& dc, cairo_t* cr, cairo_surface_t* tile)
{
    // Patterns line up with the device, not with the shape, so that adjacent
    // fills join seamlessly.
    const CairoPatternPtr pattern(cairo_pattern_create_for_surface(tile));
    cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern.get(), CAIRO_FILTER_NEAREST);
    cairo_matrix_t m;
    TPoint offset = dc.Offset();
    cairo_matrix_init_translate(&m, offset.X, offset.Y);
    cairo_pattern_set_matrix(pattern.get(), &m);
    cairo_set_source(cr, pattern.get());
}

} // namespace

void SetSourceColor(cairo_t* cr, TColorRef color)
{
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

void FillWithBrush(TDeviceContext& dc, const std::function<void(cairo_t*)>& path, const TBrushState& brush,
                   TPenMode mode)
{
    if (brush.Style == bsClear && !brush.Pattern) return;
    if (mode != pmCopy && !brush.Pattern) {
        RasterOperation(dc, path, false, 0, brush.Color, mode);
        return;
    }
    cairo_t* cr = dc.Cr;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    path(cr);
    if (brush.Pattern && !brush.Pattern->Empty()) {
        setAlignedPattern(dc, cr, brush.Pattern->Image().Surface);
        cairo_fill(cr);
    } else if (brush.Style == bsSolid) {
        SetSourceColor(cr, brush.Color);
        cairo_fill(cr);
    } else {
        if (dc.State.BkMode == OPAQUE_MODE) {
            SetSourceColor(cr, dc.State.BkColor);
            cairo_fill_preserve(cr);
        }
        setAlignedPattern(dc, cr, hatchTile(brush.Style, brush.Color).get());
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void StrokeWithPen(TDeviceContext& dc, const std::function<void(cairo_t*)>& path, const TPenState& pen)
{
    if (pen.Style == psClear || pen.Mode == pmNop) return;
    double width = std::max(1, pen.Width);
    if (pen.Mode != pmCopy) {
        RasterOperation(dc, path, true, width, pen.Color, pen.Mode);
        return;
    }
    cairo_t* cr = dc.Cr;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr, width > 1 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    // Styled lines are dashed only when thin, as on the screen devices they imitate.
    static const double dash[] = {18, 6}, dot[] = {3, 3}, dashDot[] = {9, 6, 3, 6}, dashDotDot[] = {9, 3, 3, 3, 3, 3};
    if (width <= 1) {
        switch (pen.Style) {
        case psDash: cairo_set_dash(cr, dash, 2, 0); break;
        case psDot: cairo_set_dash(cr, dot, 2, 0); break;
        case psDashDot: cairo_set_dash(cr, dashDot, 4, 0); break;
        case psDashDotDot: cairo_set_dash(cr, dashDotDot, 6, 0); break;
        default: break;
        }
    }
    path(cr);
    SetSourceColor(cr, pen.Color);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void RasterOperation(TDeviceContext& dc, const std::function<void(cairo_t*)>& path, bool stroke, double lineWidth,
                     TColorRef color, TPenMode mode)
{
    // Cairo has no bitwise pixel operations: draw the shape into a mask over
    // its bounding box, then combine the covered pixels one by one. A page
    // without pixels of its own (PDF) has nothing to combine with.
    if (!dc.DirectPixels) return;
    cairo_t* cr = dc.Cr;
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    double x1, y1, x2, y2;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_new_path(cr);
    double pad = lineWidth / 2 + 1;
    double xs[4] = {x1 - pad, x2 + pad, x1 - pad, x2 + pad}, ys[4] = {y1 - pad, y1 - pad, y2 + pad, y2 + pad};
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (int i = 0; i < 4; ++i) {
        cairo_user_to_device(cr, &xs[i], &ys[i]);
        minX = std::min(minX, xs[i]), maxX = std::max(maxX, xs[i]);
        minY = std::min(minY, ys[i]), maxY = std::max(maxY, ys[i]);
    }
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    cairo_restore(cr);
    TRect box = IntersectRect(dc.ClipBox(), {int(std::floor(minX)), int(std::floor(minY)), int(std::ceil(maxX)),
                                              int(std::ceil(maxY))});
    if (box.IsEmpty()) return;

    const CairoSurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_A8, box.Width(), box.Height()));
    {
        const CairoPtr owned(cairo_create(mask.get()));
        cairo_t* mc = owned.get();
        if (dc.State.Clipped) {
            for (const TRect& r : dc.State.ClipRects)
                cairo_rectangle(mc, r.Left - box.Left, r.Top - box.Top, r.Width(), r.Height());
            cairo_clip(mc);
        }
        m.x0 -= box.Left;
        m.y0 -= box.Top;
        cairo_set_matrix(mc, &m);
        cairo_set_antialias(mc, CAIRO_ANTIALIAS_NONE);
        cairo_set_fill_rule(mc, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_set_line_width(mc, lineWidth);
        path(mc);
        if (stroke)
            cairo_stroke(mc);
        else
            cairo_fill(mc);
    }
    cairo_surface_flush(mask.get());

    const std::uint8_t* maskData = cairo_image_surface_get_data(mask.get());
    int maskStride = cairo_image_surface_get_stride(mask.get());
    dc.BeginDirectAccess();
    std::uint8_t* data = cairo_image_surface_get_data(dc.Surface);
    int stride = cairo_image_surface_get_stride(dc.Surface);
    std::uint32_t penRgb = toPixel(color) & 0xFFFFFF;
    for (int y = 0; y < box.Height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + (box.Top + y) * stride) + box.Left;
        const std::uint8_t* maskRow = maskData + y * maskStride;
        for (int x = 0; x < box.Width(); ++x)
            if (maskRow[x] >= 128) row[x] = 0xFF000000u | (applyRop2(mode, penRgb, row[x]) & 0xFFFFFF);
    }
    dc.EndDirectAccess();
}

TColorRef PixelToColorRef(std::uint32_t pixel) noexcept { return fromPixel(pixel); }
std::uint32_t ColorRefToPixel(TColorRef color) noexcept { return toPixel(color); }

} // namespace graphics

using namespace graphics;

namespace {

// A thin line through pixel centres that covers its start pixel and leaves out its end pixel.
void thinSegment(cairo_t* cr, double x0, double y0, double x1, double y1, bool first)
{
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    if (len == 0) return;
    double ux = dx / len * 0.5, uy = dy / len * 0.5;
    if (first) cairo_move_to(cr, x0 + 0.5 - ux, y0 + 0.5 - uy);
    cairo_line_to(cr, x1 + 0.5 - ux, y1 + 0.5 - uy);
}

bool strokeLine(HDC DC, const TPoint* points, int count)
{
    if (!DC || count < 2) return false;
    const TPenState& pen = DC->State.Pen;
    StrokeWithPen(*DC, [&](cairo_t* cr) {
        if (pen.Width <= 1) {
            // Each segment separately, so that every one leaves out its end like LineTo.
            for (int i = 1; i < count; ++i)
                thinSegment(cr, points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y, true);
        } else {
            double shift = pen.Width % 2 ? 0.5 : 0.0;
            cairo_move_to(cr, points[0].X + shift, points[0].Y + shift);
            for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i].X + shift, points[i].Y + shift);
        }
    }, pen);
    return true;
}

// The outline inset by half the pen so that a shape stays inside its box.
struct Box {
    double L, T, R, B;
};

Box penBox(HDC DC, int left, int top, int right, int bottom)
{
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    double half = (DC->State.Pen.Style == psClear ? 0 : std::max(1, DC->State.Pen.Width)) / 2.0;
    return {left + half, top + half, right - half, bottom - half};
}

void fillAndStroke(HDC DC, const std::function<void(cairo_t*)>& path)
{
    FillWithBrush(*DC, path, DC->State.Brush, DC->State.Pen.Mode);
    StrokeWithPen(*DC, path, DC->State.Pen);
}

void ellipsePath(cairo_t* cr, const Box& b)
{
    double rx = std::max(0.0, (b.R - b.L) / 2), ry = std::max(0.0, (b.B - b.T) / 2);
    if (rx == 0 || ry == 0) return;
    cairo_save(cr);
    cairo_translate(cr, (b.L + b.R) / 2, (b.T + b.B) / 2);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
    cairo_restore(cr);
}

enum class ArcKind { Open, Pie, Chord };

bool arcShape(HDC DC, int left, int top, int right, int bottom, int xs, int ys, int xe, int ye, ArcKind kind)
{
    if (!DC) return false;
    Box b = penBox(DC, left, top, right, bottom);
    double cx = (b.L + b.R) / 2, cy = (b.T + b.B) / 2;
    double rx = std::max(0.5, (b.R - b.L) / 2), ry = std::max(0.5, (b.B - b.T) / 2);
    // Angles in the ellipse's own unit circle; counter-clockwise on screen is
    // decreasing angle with y growing downwards.
    double a1 = std::atan2((ys - cy) / ry, (xs - cx) / rx);
    double a2 = std::atan2((ye - cy) / ry, (xe - cx) / rx);
    if (a2 >= a1) a2 -= 2 * std::numbers::pi;
    auto path = [&](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        if (kind == ArcKind::Pie) cairo_move_to(cr, 0, 0);
        cairo_arc_negative(cr, 0, 0, 1, a1, a2);
        if (kind != ArcKind::Open) cairo_close_path(cr);
        cairo_restore(cr);
    };
    if (kind == ArcKind::Open)
        StrokeWithPen(*DC, path, DC->State.Pen);
    else
        fillAndStroke(DC, path);
    return true;
}

bool toDevice(HDC DC, int x, int y, int& dx, int& dy)
{
    TPoint offset = DC->Offset();
    dx = x + offset.X;
    dy = y + offset.Y;
    if (DC->State.Mirrored) dx = DC->State.MirrorWidth - 1 - dx;
    return dx >= 0 && dy >= 0 && dx < DC->Width && dy < DC->Height;
}

} // namespace

bool MoveToEx(HDC DC, int X, int Y, TPoint* Previous)
{
    if (!DC) return false;
    if (Previous) *Previous = DC->State.PenPos;
    DC->State.PenPos = {X, Y};
    return true;
}

bool LineTo(HDC DC, int X, int Y)
{
    if (!DC) return false;
    TPoint points[2] = {DC->State.PenPos, {X, Y}};
    strokeLine(DC, points, 2);
    DC->State.PenPos = {X, Y};
    return true;
}

bool Polyline(HDC DC, const TPoint* Points, int Count) { return strokeLine(DC, Points, Count); }

bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom)
{
    if (!DC) return false;
    Box b = penBox(DC, Left, Top, Right, Bottom);
    if (b.R <= b.L || b.B <= b.T) return true;
    FillWithBrush(*DC, [&](cairo_t* cr) { cairo_rectangle(cr, Left, Top, Right - Left, Bottom - Top); },
                  DC->State.Brush, DC->State.Pen.Mode);
    StrokeWithPen(*DC, [&](cairo_t* cr) { cairo_rectangle(cr, b.L, b.T, b.R - b.L, b.B - b.T); }, DC->State.Pen);
    return true;
}

bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom)
{
    if (!DC) return false;
    Box b = penBox(DC, Left, Top, Right, Bottom);
    fillAndStroke(DC, [&](cairo_t* cr) { ellipsePath(cr, b); });
    return true;
}

bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height)
{
    if (!DC) return false;
    Box b = penBox(DC, Left, Top, Right, Bottom);
    double rx = std::min(std::abs(Width) / 2.0, (b.R - b.L) / 2), ry = std::min(std::abs(Height) / 2.0, (b.B - b.T) / 2);
    fillAndStroke(DC, [&](cairo_t* cr) {
        if (rx <= 0 || ry <= 0) {
            cairo_rectangle(cr, b.L, b.T, b.R - b.L, b.B - b.T);
            return;
        }
        auto corner = [&](double cx, double cy, double from) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, rx, ry);
            cairo_arc(cr, 0, 0, 1, from, from + std::numbers::pi / 2);
            cairo_restore(cr);
        };
        cairo_new_sub_path(cr);
        corner(b.R - rx, b.T + ry, -std::numbers::pi / 2);
        corner(b.R - rx, b.B - ry, 0);
        corner(b.L + rx, b.B - ry, std::numbers::pi / 2);
        corner(b.L + rx, b.T + ry, std::numbers::pi);
        cairo_close_path(cr);
    });
    return true;
}

bool Polygon(HDC DC, const TPoint* Points, int Count)
{
    if (!DC || Count < 2) return false;
    fillAndStroke(DC, [&](cairo_t* cr) {
        cairo_move_to(cr, Points[0].X + 0.5, Points[0].Y + 0.5);
        for (int i = 1; i < Count; ++i) cairo_line_to(cr, Points[i].X + 0.5, Points[i].Y + 0.5);
        cairo_close_path(cr);
    });
    return true;
}

bool PolyBezier(HDC DC, const TPoint* Points, int Count)
{
    if (!DC || Count < 4 || (Count - 1) % 3 != 0) return false;
    StrokeWithPen(*DC, [&](cairo_t* cr) {
        cairo_move_to(cr, Points[0].X + 0.5, Points[0].Y + 0.5);
        for (int i = 1; i + 2 < Count; i += 3)
            cairo_curve_to(cr, Points[i].X + 0.5, Points[i].Y + 0.5, Points[i + 1].X + 0.5, Points[i + 1].Y + 0.5,
                           Points[i + 2].X + 0.5, Points[i + 2].Y + 0.5);
    }, DC->State.Pen);
    return true;
}

bool Arc(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd)
{
    return arcShape(DC, Left, Top, Right, Bottom, XStart, YStart, XEnd, YEnd, ArcKind::Open);
}

bool Pie(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd)
{
    return arcShape(DC, Left, Top, Right, Bottom, XStart, YStart, XEnd, YEnd, ArcKind::Pie);
}

bool Chord(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd)
{
    return arcShape(DC, Left, Top, Right, Bottom, XStart, YStart, XEnd, YEnd, ArcKind::Chord);
}

int FillRect(HDC DC, const TRect& R, HBRUSH Brush)
{
    if (!DC || !Brush || Brush->Kind != TGdiKind::Brush) return 0;
    FillWithBrush(*DC, [&](cairo_t* cr) { cairo_rectangle(cr, R.Left, R.Top, R.Width(), R.Height()); },
                  static_cast<TBrushObject*>(Brush)->Brush);
    return 1;
}

int FrameRect(HDC DC, const TRect& R, HBRUSH Brush)
{
    if (!DC || !Brush || Brush->Kind != TGdiKind::Brush || R.IsEmpty()) return 0;
    FillWithBrush(*DC, [&](cairo_t* cr) {
        cairo_rectangle(cr, R.Left, R.Top, R.Width(), R.Height());
        cairo_rectangle(cr, R.Left + 1, R.Top + 1, std::max(0, R.Width() - 2), std::max(0, R.Height() - 2));
    }, static_cast<TBrushObject*>(Brush)->Brush);
    return 1;
}

bool FillRgn(HDC DC, HRGN Region, HBRUSH Brush)
{
    if (!DC || !Region || Region->Kind != TGdiKind::Region || !Brush || Brush->Kind != TGdiKind::Brush) return false;
    cairo_region_t* region = static_cast<TRegionObject*>(Region)->Region.get();
    FillWithBrush(*DC, [&](cairo_t* cr) {
        int n = cairo_region_num_rectangles(region);
        for (int i = 0; i < n; ++i) {
            cairo_rectangle_int_t r;
            cairo_region_get_rectangle(region, i, &r);
            cairo_rectangle(cr, r.x, r.y, r.width, r.height);
        }
    }, static_cast<TBrushObject*>(Brush)->Brush);
    return true;
}

bool InvertRect(HDC DC, const TRect& R)
{
    if (!DC) return false;
    RasterOperation(*DC, [&](cairo_t* cr) { cairo_rectangle(cr, R.Left, R.Top, R.Width(), R.Height()); }, false, 0,
                    0, pmNot);
    return true;
}

bool DrawFocusRect(HDC DC, const TRect& R)
{
    if (!DC || R.IsEmpty() || !DC->DirectPixels) return false;
    // Every other pixel of the one-pixel frame, inverted.
    DC->BeginDirectAccess();
    std::uint8_t* data = cairo_image_surface_get_data(DC->Surface);
    int stride = cairo_image_surface_get_stride(DC->Surface);
    auto flip = [&](int x, int y) {
        int dx, dy;
        if (!toDevice(DC, x, y, dx, dy) || !DC->InClip(dx, dy)) return;
        auto* pixel = reinterpret_cast<std::uint32_t*>(data + dy * stride) + dx;
        *pixel = 0xFF000000u | (~*pixel & 0xFFFFFF);
    };
    for (int x = R.Left; x < R.Right; ++x) {
        if ((x - R.Left) % 2 == 0) flip(x, R.Top);
        if (R.Bottom - 1 > R.Top && (x - R.Left + R.Height() - 1) % 2 == 0) flip(x, R.Bottom - 1);
    }
    for (int y = R.Top + 1; y < R.Bottom - 1; ++y) {
        if ((y - R.Top) % 2 == 0) flip(R.Left, y);
        if (R.Right - 1 > R.Left && (y - R.Top + R.Width() - 1) % 2 == 0) flip(R.Right - 1, y);
    }
    DC->EndDirectAccess();
    return true;
}

TColorRef GetPixel(HDC DC, int X, int Y)
{
    int dx, dy;
    if (!DC || !DC->DirectPixels || !toDevice(DC, X, Y, dx, dy) || !DC->InClip(dx, dy)) return CLR_INVALID;
    DC->BeginDirectAccess();
    const std::uint8_t* data = cairo_image_surface_get_data(DC->Surface);
    std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(data + dy * cairo_image_surface_get_stride(DC->Surface))[dx];
    return PixelToColorRef(pixel);
}

TColorRef SetPixel(HDC DC, int X, int Y, TColorRef Color)
{
    int dx, dy;
    if (!DC || !DC->DirectPixels || !toDevice(DC, X, Y, dx, dy) || !DC->InClip(dx, dy)) return CLR_INVALID;
    DC->BeginDirectAccess();
    std::uint8_t* data = cairo_image_surface_get_data(DC->Surface);
    reinterpret_cast<std::uint32_t*>(data + dy * cairo_image_surface_get_stride(DC->Surface))[dx] =
        ColorRefToPixel(Color & 0xFFFFFF);
    DC->EndDirectAccess();
    return Color & 0xFFFFFF;
}

bool ExtFloodFill(HDC DC, int X, int Y, TColorRef Color, unsigned Type)
{
    int sx, sy;
    if (!DC || !toDevice(DC, X, Y, sx, sy)) return false;
    TRect clip = DC->ClipBox();
    if (!clip.Contains({sx, sy})) return false;
    DC->BeginDirectAccess();
    std::uint8_t* data = cairo_image_surface_get_data(DC->Surface);
    int stride = cairo_image_surface_get_stride(DC->Surface);
    auto at = [&](int x, int y) { return reinterpret_cast<std::uint32_t*>(data + y * stride) + x; };
    std::uint32_t target = ColorRefToPixel(Color & 0xFFFFFF) & 0xFFFFFF;
    auto inside = [&](std::uint32_t pixel) {
        bool same = (pixel & 0xFFFFFF) == target;
        return Type == FLOODFILLSURFACE ? same : !same;
    };
    if (!inside(*at(sx, sy))) return false;
    // Mark the area first, then fill it with the brush through a mask, so
    // that hatched and pattern brushes work too. An explicit stack keeps deep
    // areas from exhausting the call stack.
    std::vector<std::uint8_t> marked(std::size_t(clip.Width()) * clip.Height(), 0);
    auto mark = [&](int x, int y) -> std::uint8_t& { return marked[std::size_t(y - clip.Top) * clip.Width() + (x - clip.Left)]; };
    std::vector<TPoint> stack{{sx, sy}};
    while (!stack.empty()) {
        TPoint p = stack.back();
        stack.pop_back();
        int x = p.X;
        while (x > clip.Left && !mark(x - 1, p.Y) && inside(*at(x - 1, p.Y))) --x;
        for (; x < clip.Right && !mark(x, p.Y) && inside(*at(x, p.Y)); ++x) {
            mark(x, p.Y) = 1;
            if (p.Y > clip.Top && !mark(x, p.Y - 1) && inside(*at(x, p.Y - 1))) stack.push_back({x, p.Y - 1});
            if (p.Y + 1 < clip.Bottom && !mark(x, p.Y + 1) && inside(*at(x, p.Y + 1))) stack.push_back({x, p.Y + 1});
        }
    }
    cairo_t* cr = DC->Cr;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    for (int y = clip.Top; y < clip.Bottom; ++y)
        for (int x = clip.Left; x < clip.Right;) {
            if (!mark(x, y)) {
                ++x;
                continue;
            }
            int start = x;
            while (x < clip.Right && mark(x, y)) ++x;
            cairo_rectangle(cr, start, y, x - start, 1);
        }
    const CairoPathPtr area(cairo_copy_path(cr));
    cairo_new_path(cr);
    cairo_restore(cr);
    FillWithBrush(*DC, [&](cairo_t* c) {
        cairo_save(c);
        cairo_identity_matrix(c);
        cairo_append_path(c, area.get());
        cairo_restore(c);
    }, DC->State.Brush);
    return true;
}
