// Affine matrices of the drawing API, computed with Cairo's matrix routines.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"

#include <cairo.h>

#include <cmath>
#include <new>

namespace {

using gdiplus::FromCairo;
using gdiplus::ToCairo;

Status combine(GpMatrix* matrix, const cairo_matrix_t& operation, MatrixOrder order)
{
    if (!matrix) return InvalidParameter;
    matrix->M = gdiplus::Combine(matrix->M, operation, order);
    return Ok;
}

Status create(const gdiplus::Affine& a, GpMatrix** matrix)
{
    if (!matrix) return InvalidParameter;
    *matrix = new (std::nothrow) GpMatrix{a};
    return *matrix ? Ok : OutOfMemory;
}

// The matrix that maps the rectangle onto the parallelogram of three points
// (the images of its top-left, top-right and bottom-left corners).
Status mapRectangle(double x, double y, double w, double h, const TGPPointF* p, GpMatrix** matrix)
{
    if (!p || !matrix || w == 0 || h == 0) return InvalidParameter;
    gdiplus::Affine a;
    a.xx = (p[1].X - p[0].X) / w;
    a.yx = (p[1].Y - p[0].Y) / w;
    a.xy = (p[2].X - p[0].X) / h;
    a.yy = (p[2].Y - p[0].Y) / h;
    a.x0 = p[0].X - a.xx * x - a.xy * y;
    a.y0 = p[0].Y - a.yx * x - a.yy * y;
    return create(a, matrix);
}

template <typename Point>
Status transform(GpMatrix* matrix, Point* pts, int count, bool vectors)
{
    if (!matrix || !pts || count <= 0) return InvalidParameter;
    cairo_matrix_t m = ToCairo(matrix->M);
    for (int i = 0; i < count; ++i) {
        double x = pts[i].X, y = pts[i].Y;
        if (vectors)
            cairo_matrix_transform_distance(&m, &x, &y);
        else
            cairo_matrix_transform_point(&m, &x, &y);
        if constexpr (std::is_integral_v<decltype(pts[i].X)>) {
            pts[i].X = static_cast<int>(std::lround(x));
            pts[i].Y = static_cast<int>(std::lround(y));
        } else {
            pts[i].X = static_cast<float>(x);
            pts[i].Y = static_cast<float>(y);
        }
    }
    return Ok;
}

} // namespace

namespace gdiplus {

cairo_matrix_t ToCairo(const Affine& a) noexcept { return {a.xx, a.yx, a.xy, a.yy, a.x0, a.y0}; }
Affine FromCairo(const cairo_matrix_t& m) noexcept { return {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0}; }

Affine Combine(const Affine& matrix, const cairo_matrix_t& operation, MatrixOrder order) noexcept
{
    cairo_matrix_t m = ToCairo(matrix), result;
    if (order == MatrixOrderAppend)
        cairo_matrix_multiply(&result, &m, &operation);
    else
        cairo_matrix_multiply(&result, &operation, &m);
    return FromCairo(result);
}

cairo_matrix_t Rotation(float angle) noexcept
{
    cairo_matrix_t rotation;
    cairo_matrix_init_rotate(&rotation, angle * M_PI / 180.0);
    return rotation;
}

} // namespace gdiplus

Status GdipCreateMatrix(GpMatrix** matrix) { return create({}, matrix); }

Status GdipCreateMatrix2(float m11, float m12, float m21, float m22, float dx, float dy, GpMatrix** matrix)
{
    return create({m11, m12, m21, m22, dx, dy}, matrix);
}

Status GdipCreateMatrix3(const TGPRectF* rect, const TGPPointF* dstplg, GpMatrix** matrix)
{
    if (!rect) return InvalidParameter;
    return mapRectangle(rect->X, rect->Y, rect->Width, rect->Height, dstplg, matrix);
}

Status GdipCreateMatrix3I(const TGPRect* rect, const TGPPoint* dstplg, GpMatrix** matrix)
{
    if (!rect || !dstplg) return InvalidParameter;
    TGPPointF points[3];
    for (int i = 0; i < 3; ++i) points[i] = {float(dstplg[i].X), float(dstplg[i].Y)};
    return mapRectangle(rect->X, rect->Y, rect->Width, rect->Height, points, matrix);
}

Status GdipCloneMatrix(GpMatrix* matrix, GpMatrix** cloneMatrix)
{
    if (!matrix) return InvalidParameter;
    return create(matrix->M, cloneMatrix);
}

Status GdipDeleteMatrix(GpMatrix* matrix)
{
    if (!matrix) return InvalidParameter;
    delete matrix;
    return Ok;
}

Status GdipSetMatrixElements(GpMatrix* matrix, float m11, float m12, float m21, float m22, float dx, float dy)
{
    if (!matrix) return InvalidParameter;
    matrix->M = {m11, m12, m21, m22, dx, dy};
    return Ok;
}

Status GdipGetMatrixElements(const GpMatrix* matrix, float* matrixOut)
{
    if (!matrix || !matrixOut) return InvalidParameter;
    const gdiplus::Affine& a = matrix->M;
    const double elements[6] = {a.xx, a.yx, a.xy, a.yy, a.x0, a.y0};
    for (int i = 0; i < 6; ++i) matrixOut[i] = static_cast<float>(elements[i]);
    return Ok;
}

Status GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* matrix2, MatrixOrder order)
{
    if (!matrix2) return InvalidParameter;
    return combine(matrix, ToCairo(matrix2->M), order);
}

Status GdipTranslateMatrix(GpMatrix* matrix, float offsetX, float offsetY, MatrixOrder order)
{
    cairo_matrix_t op;
    cairo_matrix_init_translate(&op, offsetX, offsetY);
    return combine(matrix, op, order);
}

Status GdipScaleMatrix(GpMatrix* matrix, float scaleX, float scaleY, MatrixOrder order)
{
    cairo_matrix_t op;
    cairo_matrix_init_scale(&op, scaleX, scaleY);
    return combine(matrix, op, order);
}

Status GdipRotateMatrix(GpMatrix* matrix, float angle, MatrixOrder order)
{
    return combine(matrix, gdiplus::Rotation(angle), order);
}

Status GdipShearMatrix(GpMatrix* matrix, float shearX, float shearY, MatrixOrder order)
{
    cairo_matrix_t op;
    cairo_matrix_init(&op, 1, shearY, shearX, 1, 0, 0);
    return combine(matrix, op, order);
}

Status GdipInvertMatrix(GpMatrix* matrix)
{
    if (!matrix) return InvalidParameter;
    cairo_matrix_t m = ToCairo(matrix->M);
    if (cairo_matrix_invert(&m) != CAIRO_STATUS_SUCCESS) return InvalidParameter;
    matrix->M = FromCairo(m);
    return Ok;
}

Status GdipTransformMatrixPoints(GpMatrix* matrix, TGPPointF* pts, int count) { return transform(matrix, pts, count, false); }
Status GdipTransformMatrixPointsI(GpMatrix* matrix, TGPPoint* pts, int count) { return transform(matrix, pts, count, false); }
Status GdipVectorTransformMatrixPoints(GpMatrix* matrix, TGPPointF* pts, int count) { return transform(matrix, pts, count, true); }
Status GdipVectorTransformMatrixPointsI(GpMatrix* matrix, TGPPoint* pts, int count) { return transform(matrix, pts, count, true); }

Status GdipIsMatrixInvertible(const GpMatrix* matrix, bool* result)
{
    if (!matrix || !result) return InvalidParameter;
    const gdiplus::Affine& a = matrix->M;
    double determinant = a.xx * a.yy - a.yx * a.xy;
    *result = std::isfinite(determinant) && determinant != 0;
    return Ok;
}

Status GdipIsMatrixIdentity(const GpMatrix* matrix, bool* result)
{
    if (!matrix || !result) return InvalidParameter;
    const gdiplus::Affine& a = matrix->M;
    *result = a.xx == 1 && a.yx == 0 && a.xy == 0 && a.yy == 1 && a.x0 == 0 && a.y0 == 0;
    return Ok;
}
