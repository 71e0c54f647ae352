// Pens: a width, a fill brush, a dash style and an end cap.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"

#include <new>

namespace {

Status makePen(std::unique_ptr<GpBrush> brush, float width, GpPen** pen)
{
    if (!pen || !brush) return InvalidParameter;
    *pen = new (std::nothrow) GpPen;
    if (!*pen) return OutOfMemory;
    (*pen)->Width = width;
    (*pen)->Brush = std::move(brush);
    return Ok;
}

} // namespace

Status GdipCreatePen1(ARGB color, float width, Unit_ /*unit*/, GpPen** pen)
{
    return makePen(std::make_unique<GpSolidFill>(color), width, pen);
}

Status GdipCreatePen2(GpBrush* brush, float width, Unit_ /*unit*/, GpPen** pen)
{
    if (!brush) return InvalidParameter;
    return makePen(brush->Clone(), width, pen);
}

Status GdipDeletePen(GpPen* pen)
{
    if (!pen) return InvalidParameter;
    delete pen;
    return Ok;
}

Status GdipGetPenFillType(GpPen* pen, PenType* type)
{
    return gdiplus::ReadOut(pen, type, [](const GpPen& source) { return static_cast<PenType>(source.Brush->Type); });
}

Status GdipGetPenBrushFill(GpPen* pen, GpBrush** brush)
{
    if (!pen || !brush) return InvalidParameter;
    *brush = pen->Brush->Clone().release();
    return Ok;
}

Status GdipSetPenBrushFill(GpPen* pen, GpBrush* brush)
{
    if (!pen || !brush) return InvalidParameter;
    pen->Brush = brush->Clone();
    return Ok;
}

Status GdipGetPenDashStyle(GpPen* pen, DashStyle* dashstyle) { return gdiplus::ReadOut(pen, dashstyle, &GpPen::Dash); }

Status GdipSetPenDashStyle(GpPen* pen, DashStyle dashstyle)
{
    if (!pen || dashstyle < DashStyleSolid || dashstyle > DashStyleCustom) return InvalidParameter;
    pen->Dash = dashstyle;
    return Ok;
}

Status GdipSetPenEndCap(GpPen* pen, LineCap endCap)
{
    if (!pen) return InvalidParameter;
    pen->EndCap = endCap;
    return Ok;
}
