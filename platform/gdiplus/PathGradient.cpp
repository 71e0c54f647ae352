// Path gradient brushes: colours blend from the path's points to a centre point, drawn as a Cairo mesh.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Gradients.h"
#include "platform/gdiplus/Objects.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

using gdiplus::GradientStop;

struct EdgeVertex {
    double X, Y;
    ARGB Color;
};

constexpr int curvePieces = 8;

ARGB surroundColor(const GpPathGradient& brush, std::size_t pointIndex)
{
    const std::vector<ARGB>& colors = brush.SurroundColors;
    return colors[std::min(pointIndex, colors.size() - 1)];
}

// The outline of each figure as a polygon, curves cut into straight pieces,
// each vertex coloured from the path points it lies between.
std::vector<std::vector<EdgeVertex>> outlineOf(const GpPathGradient& brush)
{
    const GpPath& path = brush.Path;
    std::vector<std::vector<EdgeVertex>> figures;
    const std::size_t n = std::min(path.Points.size(), path.Types.size());
    for (std::size_t i = 0; i < n; ++i) {
        const TGPPointF& p = path.Points[i];
        std::uint8_t kind = path.Types[i] & gdiplus::PathPointKindMask;
        if (kind == gdiplus::PathPointStart || figures.empty()) {
            figures.push_back({{p.X, p.Y, surroundColor(brush, i)}});
            continue;
        }
        if (kind == gdiplus::PathPointBezier && i + 2 < n) {
            const EdgeVertex from = figures.back().back();
            const TGPPointF &c2 = path.Points[i + 1], &end = path.Points[i + 2];
            ARGB endColor = surroundColor(brush, i + 2);
            std::vector<GradientStop> blend{{0, from.Color}, {1, endColor}};
            for (int k = 1; k <= curvePieces; ++k) {
                double t = double(k) / curvePieces, u = 1 - t;
                double x = u * u * u * from.X + 3 * u * u * t * p.X + 3 * u * t * t * c2.X + t * t * t * end.X;
                double y = u * u * u * from.Y + 3 * u * u * t * p.Y + 3 * u * t * t * c2.Y + t * t * t * end.Y;
                figures.back().push_back({x, y, gdiplus::ColorAt(blend, t)});
            }
            i += 2;
            continue;
        }
        figures.back().push_back({p.X, p.Y, surroundColor(brush, i)});
    }
    return figures;
}

// The centroid of the path's polygon; the mean of its points when it encloses no area.
TGPPointF centroidOf(const GpPath& path)
{
    GpPathGradient outlineOnly;
    outlineOnly.Path = path;
    double area = 0, cx = 0, cy = 0, sx = 0, sy = 0;
    std::size_t count = 0;
    for (const auto& figure : outlineOf(outlineOnly))
        for (std::size_t i = 0; i < figure.size(); ++i) {
            const EdgeVertex &a = figure[i], &b = figure[(i + 1) % figure.size()];
            double cross = a.X * b.Y - b.X * a.Y;
            area += cross;
            cx += (a.X + b.X) * cross;
            cy += (a.Y + b.Y) * cross;
            sx += a.X;
            sy += a.Y;
            ++count;
        }
    if (std::abs(area) > 1e-9) return {float(cx / (3 * area)), float(cy / (3 * area))};
    if (count == 0) return {};
    return {float(sx / count), float(sy / count)};
}

void addCornerColor(cairo_pattern_t* mesh, unsigned corner, ARGB color)
{
    cairo_mesh_pattern_set_corner_color_rgba(mesh, corner, ((color >> 16) & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
                                             (color & 0xFF) / 255.0, (color >> 24) / 255.0);
}

} // namespace

std::unique_ptr<GpBrush> GpPathGradient::Clone() const { return std::make_unique<GpPathGradient>(*this); }

graphics::CairoPatternPtr GpPathGradient::CreatePattern() const
{
    // Each outline edge becomes a band of patches from the edge (ring 0) to the
    // centre (last ring); the rings sit at the positions of the colour stops.
    graphics::CairoPatternPtr owned(cairo_pattern_create_mesh());
    cairo_pattern_t* mesh = owned.get();
    const double cx = CenterPoint.X, cy = CenterPoint.Y;
    for (const auto& figure : outlineOf(*this)) {
        if (figure.size() < 2) continue;
        for (std::size_t k = 0; k < figure.size(); ++k) {
            const EdgeVertex &a = figure[k], &b = figure[(k + 1) % figure.size()];
            auto stopsA = gdiplus::StopsToDraw(a.Color, CenterColor, Preset, GammaCorrection);
            auto stopsB = gdiplus::StopsToDraw(b.Color, CenterColor, Preset, GammaCorrection);
            for (std::size_t j = 0; j + 1 < stopsA.size() && j + 1 < stopsB.size(); ++j) {
                double t0 = stopsA[j].Position, t1 = stopsA[j + 1].Position;
                if (t1 <= t0) continue;
                cairo_mesh_pattern_begin_patch(mesh);
                cairo_mesh_pattern_move_to(mesh, a.X + (cx - a.X) * t0, a.Y + (cy - a.Y) * t0);
                cairo_mesh_pattern_line_to(mesh, b.X + (cx - b.X) * t0, b.Y + (cy - b.Y) * t0);
                cairo_mesh_pattern_line_to(mesh, b.X + (cx - b.X) * t1, b.Y + (cy - b.Y) * t1);
                cairo_mesh_pattern_line_to(mesh, a.X + (cx - a.X) * t1, a.Y + (cy - a.Y) * t1);
                addCornerColor(mesh, 0, stopsA[j].Color);
                addCornerColor(mesh, 1, stopsB[j].Color);
                addCornerColor(mesh, 2, stopsB[j + 1].Color);
                addCornerColor(mesh, 3, stopsA[j + 1].Color);
                cairo_mesh_pattern_end_patch(mesh);
            }
        }
    }
    return owned;
}

Status GdipCreatePathGradientFromPath(const GpPath* path, GpPathGradient** polyGradient)
{
    if (!path || !polyGradient) return InvalidParameter;
    if (path->Points.empty()) return OutOfMemory;
    auto* brush = new (std::nothrow) GpPathGradient;
    if (!brush) return OutOfMemory;
    brush->Path = *path;
    brush->CenterPoint = centroidOf(*path);
    *polyGradient = brush;
    return Ok;
}

Status GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* colors)
{
    return gdiplus::ReadOut(brush, colors, &GpPathGradient::CenterColor);
}

Status GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB colors)
{
    if (!brush) return InvalidParameter;
    brush->CenterColor = colors;
    return Ok;
}

Status GdipGetPathGradientPointCount(GpPathGradient* brush, int* count)
{
    return gdiplus::ReadOut(brush, count,
                            [](const GpPathGradient& source) { return static_cast<int>(source.Path.Points.size()); });
}

Status GdipGetPathGradientSurroundColorCount(GpPathGradient* brush, int* count)
{
    return GdipGetPathGradientPointCount(brush, count);
}

Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient* brush, ARGB* color, int* count)
{
    if (!brush || !color || !count) return InvalidParameter;
    const int points = static_cast<int>(brush->Path.Points.size());
    if (*count < points) return InsufficientBuffer;
    for (int i = 0; i < points; ++i) color[i] = surroundColor(*brush, static_cast<std::size_t>(i));
    *count = points;
    return Ok;
}

Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush, const ARGB* color, int* count)
{
    if (!brush || !color || !count) return InvalidParameter;
    const int points = static_cast<int>(brush->Path.Points.size());
    if (*count <= 0 || *count > points) return InvalidParameter;
    brush->SurroundColors.assign(color, color + *count);
    return Ok;
}

Status GdipGetPathGradientCenterPoint(GpPathGradient* brush, TGPPointF* point)
{
    return gdiplus::ReadOut(brush, point, &GpPathGradient::CenterPoint);
}

Status GdipGetPathGradientCenterPointI(GpPathGradient* brush, TGPPoint* point)
{
    return gdiplus::ReadOut(brush, point, [](const GpPathGradient& source) {
        return TGPPoint{static_cast<int>(std::lround(source.CenterPoint.X)), static_cast<int>(std::lround(source.CenterPoint.Y))};
    });
}

Status GdipSetPathGradientCenterPoint(GpPathGradient* brush, const TGPPointF* point)
{
    if (!brush || !point) return InvalidParameter;
    brush->CenterPoint = *point;
    return Ok;
}

Status GdipSetPathGradientCenterPointI(GpPathGradient* brush, const TGPPoint* point)
{
    if (!point) return InvalidParameter;
    TGPPointF p{float(point->X), float(point->Y)};
    return GdipSetPathGradientCenterPoint(brush, &p);
}

Status GdipSetPathGradientPresetBlend(GpPathGradient* brush, const ARGB* blend, const float* positions, int count)
{
    if (!brush || !gdiplus::ValidPreset(blend, positions, count)) return InvalidParameter;
    brush->Preset = gdiplus::MakePreset(blend, positions, count);
    return Ok;
}

Status GdipSetPathGradientGammaCorrection(GpPathGradient* brush, bool useGammaCorrection)
{
    if (!brush) return InvalidParameter;
    brush->GammaCorrection = useGammaCorrection;
    return Ok;
}

Status GdipSetPathGradientWrapMode(GpPathGradient* brush, WrapMode wrapmode)
{
    if (!brush) return InvalidParameter;
    brush->Wrap = wrapmode;
    return Ok;
}
