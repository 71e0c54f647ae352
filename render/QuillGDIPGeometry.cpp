// Wrappers of matrices, paths and regions: each operation forwards to the flat API and keeps its status.
#include "render/QuillGDIPGeometry.h"

#include "platform/gdiplus/GdiPlusFlat.h"
#include "render/QuillGDIPText.h"

#include <vector>

using render::NativeOf;

TGPMatrix::TGPMatrix() { lastResult = GdipCreateMatrix(&nativeMatrix); }

TGPMatrix::TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
{
    lastResult = GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg)
{
    lastResult = GdipCreateMatrix3(&rect, dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg)
{
    lastResult = GdipCreateMatrix3I(&rect, dstplg, &nativeMatrix);
}

TGPMatrix::~TGPMatrix() { GdipDeleteMatrix(nativeMatrix); }

std::unique_ptr<TGPMatrix> TGPMatrix::Clone()
{
    GpMatrix* cloned = nullptr;
    SetStatus(GdipCloneMatrix(nativeMatrix, &cloned));
    return std::unique_ptr<TGPMatrix>(new TGPMatrix(cloned));
}

Status TGPMatrix::GetElements(float* m) { return SetStatus(GdipGetMatrixElements(nativeMatrix, m)); }

Status TGPMatrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy)
{
    return SetStatus(GdipSetMatrixElements(nativeMatrix, m11, m12, m21, m22, dx, dy));
}

Status TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

float TGPMatrix::OffsetX()
{
    float elements[6];
    return GetElements(elements) == Ok ? elements[4] : 0.0f;
}

float TGPMatrix::OffsetY()
{
    float elements[6];
    return GetElements(elements) == Ok ? elements[5] : 0.0f;
}

Status TGPMatrix::Multiply(const TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyMatrix(nativeMatrix, NativeOf(matrix), order));
}

Status TGPMatrix::Translate(float offsetX, float offsetY, MatrixOrder order)
{
    return SetStatus(GdipTranslateMatrix(nativeMatrix, offsetX, offsetY, order));
}

Status TGPMatrix::Scale(float scaleX, float scaleY, MatrixOrder order)
{
    return SetStatus(GdipScaleMatrix(nativeMatrix, scaleX, scaleY, order));
}

Status TGPMatrix::Rotate(float angle, MatrixOrder order) { return SetStatus(GdipRotateMatrix(nativeMatrix, angle, order)); }

Status TGPMatrix::RotateAt(float angle, const TGPPointF& center, MatrixOrder order)
{
    // Prepended steps apply to points in the reverse order of the calls.
    if (order == MatrixOrderPrepend) {
        SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
        SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
        return SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
    }
    SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
    SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
    return SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
}

Status TGPMatrix::Shear(float shearX, float shearY, MatrixOrder order)
{
    return SetStatus(GdipShearMatrix(nativeMatrix, shearX, shearY, order));
}

Status TGPMatrix::Invert() { return SetStatus(GdipInvertMatrix(nativeMatrix)); }

Status TGPMatrix::TransformPoints(TGPPointF* pts, int count)
{
    return SetStatus(GdipTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformPoints(TGPPoint* pts, int count)
{
    return SetStatus(GdipTransformMatrixPointsI(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPointF* pts, int count)
{
    return SetStatus(GdipVectorTransformMatrixPoints(nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPoint* pts, int count)
{
    return SetStatus(GdipVectorTransformMatrixPointsI(nativeMatrix, pts, count));
}

bool TGPMatrix::IsInvertible()
{
    return render::ReadValue(lastResult, nativeMatrix, GdipIsMatrixInvertible, false);
}

bool TGPMatrix::IsIdentity()
{
    return render::ReadValue(lastResult, nativeMatrix, GdipIsMatrixIdentity, false);
}

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) { lastResult = GdipCreatePath(fillMode, &nativePath); }

TGPGraphicsPath::~TGPGraphicsPath() { GdipDeletePath(nativePath); }

Status TGPGraphicsPath::Reset() { return SetStatus(GdipResetPath(nativePath)); }
Status TGPGraphicsPath::CloseFigure() { return SetStatus(GdipClosePathFigure(nativePath)); }

Status TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipAddPathLine(nativePath, x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLine(int x1, int y1, int x2, int y2)
{
    return SetStatus(GdipAddPathLineI(nativePath, x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLines(const TGPPoint* points, int count)
{
    return SetStatus(GdipAddPathLine2I(nativePath, points, count));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return SetStatus(GdipAddPathRectangle(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect& rect)
{
    return SetStatus(GdipAddPathRectangleI(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipAddPathArc(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddArc(const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    return SetStatus(GdipAddPathEllipse(nativePath, x, y, width, height));
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipAddPathPie(nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddPie(const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF* points, int count)
{
    return SetStatus(GdipAddPathPolygon(nativePath, points, count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint* points, int count)
{
    return SetStatus(GdipAddPathPolygonI(nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* points, int count) { return AddCurve(points, count, 0.5f); }

Status TGPGraphicsPath::AddCurve(const TGPPointF* points, int count, float tension)
{
    return SetStatus(GdipAddPathCurve2(nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* points, int count)
{
    if (!points || count <= 0) return SetStatus(InvalidParameter);
    std::vector<TGPPointF> converted;
    for (int i = 0; i < count; ++i) converted.push_back({float(points[i].X), float(points[i].Y)});
    return AddCurve(converted.data(), count);
}

Status TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

Status TGPGraphicsPath::AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4)
{
    return SetStatus(GdipAddPathBezierI(nativePath, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y));
}

Status TGPGraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return SetStatus(GdipAddPathBezier(nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}

Status TGPGraphicsPath::AddString(std::string_view string_, int length, const TGPFontFamily* family, int style,
                                  float emSize, const TGPPointF& origin, const TGPStringFormat* format)
{
    return AddString(string_, length, family, style, emSize, TGPRectF{origin.X, origin.Y, 0, 0}, format);
}

Status TGPGraphicsPath::AddString(std::string_view string_, int length, const TGPFontFamily* family, int style,
                                  float emSize, const TGPRectF& layoutRect, const TGPStringFormat* format)
{
    return SetStatus(GdipAddPathString(nativePath, render::LeadingCharacters(string_, length), NativeOf(family), style,
                                       emSize, &layoutRect, NativeOf(format)));
}

TGPRegion::TGPRegion(const TGPRectF& rect) { lastResult = GdipCreateRegionRect(&rect, &nativeRegion); }

TGPRegion::TGPRegion(const TGPGraphicsPath* path) { lastResult = GdipCreateRegionPath(NativeOf(path), &nativeRegion); }

TGPRegion::~TGPRegion() { GdipDeleteRegion(nativeRegion); }

Status TGPRegion::Exclude(const TGPGraphicsPath* path)
{
    return SetStatus(GdipCombineRegionPath(nativeRegion, NativeOf(path), CombineModeExclude));
}

Status TGPRegion::Union(const TGPRegion* region)
{
    return SetStatus(GdipCombineRegionRegion(nativeRegion, NativeOf(region), CombineModeUnion));
}
