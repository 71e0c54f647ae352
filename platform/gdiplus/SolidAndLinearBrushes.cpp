// Brush handles in general, solid brushes and linear gradient brushes.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Gradients.h"
#include "platform/gdiplus/Objects.h"

#include <cairo.h>

#include <cmath>
#include <new>

namespace {

cairo_extend_t extendFor(WrapMode wrap)
{
    switch (wrap) {
    case WrapModeTile: return CAIRO_EXTEND_REPEAT;
    case WrapModeClamp: return CAIRO_EXTEND_PAD;
    default: return CAIRO_EXTEND_REFLECT;
    }
}

template <typename Brush>
Status hand(Brush* made, Brush** out)
{
    *out = made;
    return made ? Ok : OutOfMemory;
}

// A gradient across the rectangle at an angle (degrees, clockwise): the
// corners that project least and most onto the direction get the two colours.
Status fromRectAndAngle(const TGPRectF& rect, ARGB color1, ARGB color2, double angle, WrapMode wrapMode,
                        GpLineGradient** lineGradient)
{
    if (!lineGradient || rect.Width <= 0 || rect.Height <= 0) return InvalidParameter;
    double radians = angle * M_PI / 180.0, dx = std::cos(radians), dy = std::sin(radians);
    double halfSpan = (std::abs(rect.Width * dx) + std::abs(rect.Height * dy)) / 2;
    double cx = rect.X + rect.Width / 2.0, cy = rect.Y + rect.Height / 2.0;
    auto* brush = new (std::nothrow) GpLineGradient;
    if (brush) {
        brush->Start = {float(cx - halfSpan * dx), float(cy - halfSpan * dy)};
        brush->End = {float(cx + halfSpan * dx), float(cy + halfSpan * dy)};
        brush->Color1 = color1;
        brush->Color2 = color2;
        brush->Wrap = wrapMode;
    }
    return hand(brush, lineGradient);
}

double angleOfMode(LinearGradientMode mode)
{
    switch (mode) {
    case LinearGradientModeVertical: return 90;
    case LinearGradientModeForwardDiagonal: return 45;
    case LinearGradientModeBackwardDiagonal: return 135;
    default: return 0;
    }
}

TGPRectF toFloat(const TGPRect& r) { return {float(r.X), float(r.Y), float(r.Width), float(r.Height)}; }

} // namespace

std::unique_ptr<GpBrush> GpSolidFill::Clone() const { return std::make_unique<GpSolidFill>(*this); }

graphics::CairoPatternPtr GpSolidFill::CreatePattern() const
{
    return graphics::CairoPatternPtr(cairo_pattern_create_rgba(((Color >> 16) & 0xFF) / 255.0, ((Color >> 8) & 0xFF) / 255.0,
                                     (Color & 0xFF) / 255.0, (Color >> 24) / 255.0));
}

std::unique_ptr<GpBrush> GpLineGradient::Clone() const { return std::make_unique<GpLineGradient>(*this); }

graphics::CairoPatternPtr GpLineGradient::CreatePattern() const
{
    graphics::CairoPatternPtr owned(cairo_pattern_create_linear(Start.X, Start.Y, End.X, End.Y));
    cairo_pattern_t* pattern = owned.get();
    for (const gdiplus::GradientStop& stop : gdiplus::StopsToDraw(Color1, Color2, Preset, GammaCorrection))
        cairo_pattern_add_color_stop_rgba(pattern, stop.Position, ((stop.Color >> 16) & 0xFF) / 255.0,
                                          ((stop.Color >> 8) & 0xFF) / 255.0, (stop.Color & 0xFF) / 255.0,
                                          (stop.Color >> 24) / 255.0);
    cairo_pattern_set_extend(pattern, extendFor(Wrap));
    return owned;
}

Status GdipDeleteBrush(GpBrush* brush)
{
    if (!brush) return InvalidParameter;
    delete brush;
    return Ok;
}

Status GdipGetBrushType(GpBrush* brush, BrushType* type) { return gdiplus::ReadOut(brush, type, &GpBrush::Type); }

Status GdipCreateSolidFill(ARGB color, GpSolidFill** brush)
{
    if (!brush) return InvalidParameter;
    return hand(new (std::nothrow) GpSolidFill(color), brush);
}

Status GdipGetSolidFillColor(GpSolidFill* brush, ARGB* color)
{
    return gdiplus::ReadOut(brush, color, &GpSolidFill::Color);
}

Status GdipCreateLineBrush(const TGPPointF* point1, const TGPPointF* point2, ARGB color1, ARGB color2, WrapMode wrapMode,
                           GpLineGradient** lineGradient)
{
    if (!point1 || !point2 || !lineGradient) return InvalidParameter;
    if (point1->X == point2->X && point1->Y == point2->Y) return OutOfMemory;
    auto* brush = new (std::nothrow) GpLineGradient;
    if (brush) {
        brush->Start = *point1;
        brush->End = *point2;
        brush->Color1 = color1;
        brush->Color2 = color2;
        brush->Wrap = wrapMode;
    }
    return hand(brush, lineGradient);
}

Status GdipCreateLineBrushI(const TGPPoint* point1, const TGPPoint* point2, ARGB color1, ARGB color2, WrapMode wrapMode,
                            GpLineGradient** lineGradient)
{
    if (!point1 || !point2) return InvalidParameter;
    TGPPointF a{float(point1->X), float(point1->Y)}, b{float(point2->X), float(point2->Y)};
    return GdipCreateLineBrush(&a, &b, color1, color2, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRect(const TGPRectF* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                   WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect) return InvalidParameter;
    return fromRectAndAngle(*rect, color1, color2, angleOfMode(mode), wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectI(const TGPRect* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                    WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect) return InvalidParameter;
    return fromRectAndAngle(toFloat(*rect), color1, color2, angleOfMode(mode), wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngle(const TGPRectF* rect, ARGB color1, ARGB color2, float angle,
                                            bool /*isAngleScalable*/, WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect) return InvalidParameter;
    return fromRectAndAngle(*rect, color1, color2, angle, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngleI(const TGPRect* rect, ARGB color1, ARGB color2, float angle,
                                             bool isAngleScalable, WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect) return InvalidParameter;
    TGPRectF r = toFloat(*rect);
    return GdipCreateLineBrushFromRectWithAngle(&r, color1, color2, angle, isAngleScalable, wrapMode, lineGradient);
}

Status GdipSetLineGammaCorrection(GpLineGradient* brush, bool useGammaCorrection)
{
    if (!brush) return InvalidParameter;
    brush->GammaCorrection = useGammaCorrection;
    return Ok;
}

Status GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* blend, const float* positions, int count)
{
    if (!brush || !gdiplus::ValidPreset(blend, positions, count)) return InvalidParameter;
    brush->Preset = gdiplus::MakePreset(blend, positions, count);
    return Ok;
}

namespace gdiplus {

GpBrush* BrushOf(GpSolidFill* brush) noexcept { return brush; }
GpBrush* BrushOf(GpLineGradient* brush) noexcept { return brush; }
GpBrush* BrushOf(GpPathGradient* brush) noexcept { return brush; }
GpLineGradient* LineGradientOf(GpBrush* brush) noexcept { return dynamic_cast<GpLineGradient*>(brush); }
GpPathGradient* PathGradientOf(GpBrush* brush) noexcept { return dynamic_cast<GpPathGradient*>(brush); }

} // namespace gdiplus
