// Paths: figures of lines and Bezier curves, with arcs and ellipses turned into curves.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

using gdiplus::PathPointBezier;
using gdiplus::PathPointCloseFigure;
using gdiplus::PathPointLine;
using gdiplus::PathPointStart;

void push(GpPath& path, double x, double y, std::uint8_t type)
{
    path.Points.push_back({static_cast<float>(x), static_cast<float>(y)});
    path.Types.push_back(type);
}

// The first point of a shape that joins the open figure, as a line from its end.
void joinOrStart(GpPath& path, double x, double y)
{
    if (path.NewFigure || path.Points.empty()) {
        push(path, x, y, PathPointStart);
        path.NewFigure = false;
        return;
    }
    const TGPPointF& last = path.Points.back();
    if (last.X != static_cast<float>(x) || last.Y != static_cast<float>(y)) push(path, x, y, PathPointLine);
}

void closeFigure(GpPath& path)
{
    if (!path.Types.empty()) path.Types.back() |= PathPointCloseFigure;
    path.NewFigure = true;
}

// The parametric angle of the point where a ray at the given angle meets the ellipse.
double parametricAngle(double degrees, double rx, double ry)
{
    // Whole turns are split off in degrees, so 360 is exactly one turn.
    const double turns = std::floor(degrees / 360.0);
    const double radians = (degrees - turns * 360.0) * M_PI / 180.0;
    double t = std::atan2(rx * std::sin(radians), ry * std::cos(radians));
    if (t < 0) t += 2 * M_PI;
    return t + turns * 2 * M_PI;
}

// Appends an elliptical arc as Bezier curves of at most a quarter turn each.
void addArc(GpPath& path, double x, double y, double w, double h, double startAngle, double sweepAngle)
{
    double rx = w / 2, ry = h / 2, cx = x + rx, cy = y + ry;
    sweepAngle = std::clamp(sweepAngle, -360.0, 360.0);
    double t0 = parametricAngle(startAngle, rx, ry);
    double t1 = std::abs(sweepAngle) >= 360 ? t0 + (sweepAngle > 0 ? 2 : -2) * M_PI
                                             : parametricAngle(startAngle + sweepAngle, rx, ry);
    if (sweepAngle > 0 && t1 < t0) t1 += 2 * M_PI;
    if (sweepAngle < 0 && t1 > t0) t1 -= 2 * M_PI;
    joinOrStart(path, cx + rx * std::cos(t0), cy + ry * std::sin(t0));
    int segments = std::max(1, static_cast<int>(std::ceil(std::abs(t1 - t0) / (M_PI / 2) - 1e-9)));
    double step = (t1 - t0) / segments;
    double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < segments; ++i) {
        double a = t0 + i * step, b = a + step;
        push(path, cx + rx * (std::cos(a) - k * std::sin(a)), cy + ry * (std::sin(a) + k * std::cos(a)), PathPointBezier);
        push(path, cx + rx * (std::cos(b) + k * std::sin(b)), cy + ry * (std::sin(b) - k * std::cos(b)), PathPointBezier);
        push(path, cx + rx * std::cos(b), cy + ry * std::sin(b), PathPointBezier);
    }
}

Status addPolygon(GpPath* path, const TGPPointF* points, int count)
{
    if (!path || !points || count < 3) return InvalidParameter;
    path->NewFigure = true;
    joinOrStart(*path, points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) push(*path, points[i].X, points[i].Y, PathPointLine);
    closeFigure(*path);
    return Ok;
}

template <typename Point>
std::vector<TGPPointF> toFloat(const Point* points, int count)
{
    std::vector<TGPPointF> result(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) result[i] = {float(points[i].X), float(points[i].Y)};
    return result;
}

} // namespace

namespace gdiplus {

void AppendPath(cairo_t* cr, const GpPath& path)
{
    const std::size_t n = std::min(path.Points.size(), path.Types.size());
    for (std::size_t i = 0; i < n; ++i) {
        const TGPPointF& p = path.Points[i];
        std::uint8_t kind = path.Types[i] & PathPointKindMask;
        std::size_t last = i;
        if (kind == PathPointStart) {
            cairo_move_to(cr, p.X, p.Y);
        } else if (kind == PathPointBezier && i + 2 < n) {
            const TGPPointF &c2 = path.Points[i + 1], &end = path.Points[i + 2];
            cairo_curve_to(cr, p.X, p.Y, c2.X, c2.Y, end.X, end.Y);
            last = i + 2;
        } else {
            cairo_line_to(cr, p.X, p.Y);
        }
        if (path.Types[last] & PathPointCloseFigure) cairo_close_path(cr);
        i = last;
    }
}

} // namespace gdiplus

Status GdipCreatePath(FillMode brushMode, GpPath** path)
{
    if (!path) return InvalidParameter;
    *path = new (std::nothrow) GpPath;
    if (!*path) return OutOfMemory;
    (*path)->Fill = brushMode;
    return Ok;
}

Status GdipDeletePath(GpPath* path)
{
    if (!path) return InvalidParameter;
    delete path;
    return Ok;
}

Status GdipResetPath(GpPath* path)
{
    if (!path) return InvalidParameter;
    FillMode fill = path->Fill;
    *path = GpPath{};
    path->Fill = fill;
    return Ok;
}

Status GdipGetPointCount(GpPath* path, int* count)
{
    return gdiplus::ReadOut(path, count, [](const GpPath& source) { return static_cast<int>(source.Points.size()); });
}

Status GdipClosePathFigure(GpPath* path)
{
    if (!path) return InvalidParameter;
    closeFigure(*path);
    return Ok;
}

Status GdipAddPathLine(GpPath* path, float x1, float y1, float x2, float y2)
{
    if (!path) return InvalidParameter;
    joinOrStart(*path, x1, y1);
    push(*path, x2, y2, PathPointLine);
    return Ok;
}

Status GdipAddPathLineI(GpPath* path, int x1, int y1, int x2, int y2)
{
    return GdipAddPathLine(path, float(x1), float(y1), float(x2), float(y2));
}

Status GdipAddPathLine2I(GpPath* path, const TGPPoint* points, int count)
{
    if (!path || !points || count < 1) return InvalidParameter;
    joinOrStart(*path, points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) push(*path, points[i].X, points[i].Y, PathPointLine);
    return Ok;
}

Status GdipAddPathRectangle(GpPath* path, float x, float y, float width, float height)
{
    const TGPPointF corners[4] = {{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}};
    return addPolygon(path, corners, 4);
}

Status GdipAddPathRectangleI(GpPath* path, int x, int y, int width, int height)
{
    return GdipAddPathRectangle(path, float(x), float(y), float(width), float(height));
}

Status GdipAddPathArc(GpPath* path, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    if (!path || width <= 0 || height <= 0) return InvalidParameter;
    addArc(*path, x, y, width, height, startAngle, sweepAngle);
    return Ok;
}

Status GdipAddPathArcI(GpPath* path, int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return GdipAddPathArc(path, float(x), float(y), float(width), float(height), startAngle, sweepAngle);
}

Status GdipAddPathEllipse(GpPath* path, float x, float y, float width, float height)
{
    if (!path || width <= 0 || height <= 0) return InvalidParameter;
    path->NewFigure = true;
    addArc(*path, x, y, width, height, 0, 360);
    closeFigure(*path);
    return Ok;
}

Status GdipAddPathEllipseI(GpPath* path, int x, int y, int width, int height)
{
    return GdipAddPathEllipse(path, float(x), float(y), float(width), float(height));
}

Status GdipAddPathPie(GpPath* path, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    if (!path || width <= 0 || height <= 0) return InvalidParameter;
    path->NewFigure = true;
    joinOrStart(*path, x + width / 2, y + height / 2);
    addArc(*path, x, y, width, height, startAngle, sweepAngle);
    closeFigure(*path);
    return Ok;
}

Status GdipAddPathPieI(GpPath* path, int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return GdipAddPathPie(path, float(x), float(y), float(width), float(height), startAngle, sweepAngle);
}

Status GdipAddPathPolygon(GpPath* path, const TGPPointF* points, int count) { return addPolygon(path, points, count); }

Status GdipAddPathPolygonI(GpPath* path, const TGPPoint* points, int count)
{
    if (!points || count < 3) return InvalidParameter;
    std::vector<TGPPointF> converted = toFloat(points, count);
    return addPolygon(path, converted.data(), count);
}

Status GdipAddPathBezier(GpPath* path, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    if (!path) return InvalidParameter;
    joinOrStart(*path, x1, y1);
    push(*path, x2, y2, PathPointBezier);
    push(*path, x3, y3, PathPointBezier);
    push(*path, x4, y4, PathPointBezier);
    return Ok;
}

Status GdipAddPathBezierI(GpPath* path, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return GdipAddPathBezier(path, float(x1), float(y1), float(x2), float(y2), float(x3), float(y3), float(x4), float(y4));
}

Status GdipAddPathBeziers(GpPath* path, const TGPPointF* points, int count)
{
    // A start point and three points per curve.
    if (!path || !points || count < 4 || (count - 1) % 3 != 0) return InvalidParameter;
    joinOrStart(*path, points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) push(*path, points[i].X, points[i].Y, PathPointBezier);
    return Ok;
}

Status GdipAddPathCurve2(GpPath* path, const TGPPointF* points, int count, float tension)
{
    // A cardinal spline through the points, one Bezier curve per pair of neighbours.
    if (!path || !points || count < 2 || tension < 0) return InvalidParameter;
    joinOrStart(*path, points[0].X, points[0].Y);
    const double scale = tension / 3.0;
    for (int i = 0; i + 1 < count; ++i) {
        const TGPPointF& before = points[std::max(i - 1, 0)];
        const TGPPointF& from = points[i];
        const TGPPointF& to = points[i + 1];
        const TGPPointF& after = points[std::min(i + 2, count - 1)];
        push(*path, from.X + scale * (to.X - before.X), from.Y + scale * (to.Y - before.Y), PathPointBezier);
        push(*path, to.X - scale * (after.X - from.X), to.Y - scale * (after.Y - from.Y), PathPointBezier);
        push(*path, to.X, to.Y, PathPointBezier);
    }
    return Ok;
}
