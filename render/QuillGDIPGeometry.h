// Wrappers of matrices, paths and regions.
#pragma once

#include "render/QuillGDIPBase.h"

#include <memory>
#include <string_view>

class TGPFontFamily;
class TGPStringFormat;

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
    // Maps the rectangle onto the parallelogram of three points (images of its
    // top-left, top-right and bottom-left corners).
    TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg);
    TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg);
    ~TGPMatrix();
    TGPMatrix(const TGPMatrix&) = delete;
    TGPMatrix& operator=(const TGPMatrix&) = delete;

    std::unique_ptr<TGPMatrix> Clone();
    // Six elements: m11, m12, m21, m22, dx, dy.
    Status GetElements(float* m);
    Status SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    Status Reset();
    // The translation elements; 0 when they cannot be read.
    float OffsetX();
    float OffsetY();
    Status Multiply(const TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status Translate(float offsetX, float offsetY, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(float scaleX, float scaleY, MatrixOrder order = MatrixOrderPrepend);
    Status Rotate(float angle, MatrixOrder order = MatrixOrderPrepend);
    Status RotateAt(float angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    Status Shear(float shearX, float shearY, MatrixOrder order = MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(TGPPointF* pts, int count = 1);
    Status TransformPoints(TGPPoint* pts, int count = 1);
    Status TransformVectors(TGPPointF* pts, int count = 1);
    Status TransformVectors(TGPPoint* pts, int count = 1);
    bool IsInvertible();
    bool IsIdentity();
    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }

    GpMatrix* Native() const noexcept { return nativeMatrix; }

private:
    explicit TGPMatrix(GpMatrix* native) : nativeMatrix(native) {}
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }

    GpMatrix* nativeMatrix = nullptr;
    Status lastResult = Ok;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    ~TGPGraphicsPath();
    TGPGraphicsPath(const TGPGraphicsPath&) = delete;
    TGPGraphicsPath& operator=(const TGPGraphicsPath&) = delete;

    Status Reset();
    Status CloseFigure();
    // Shapes that are not closed join the open figure: a line from its end to their start.
    Status AddLine(float x1, float y1, float x2, float y2);
    Status AddLine(int x1, int y1, int x2, int y2);
    Status AddLines(const TGPPoint* points, int count);
    Status AddRectangle(const TGPRectF& rect);
    Status AddRectangle(const TGPRect& rect);
    Status AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddEllipse(float x, float y, float width, float height);
    Status AddEllipse(const TGPRectF& rect);
    Status AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddPie(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddPolygon(const TGPPointF* points, int count);
    Status AddPolygon(const TGPPoint* points, int count);
    // A cardinal spline through the points; tension 0.5 unless given.
    Status AddCurve(const TGPPointF* points, int count);
    Status AddCurve(const TGPPointF* points, int count, float tension);
    Status AddCurve(const TGPPoint* points, int count);
    Status AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    Status AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    Status AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    // The glyph outlines of the first length characters (all for -1), emSize in world units.
    Status AddString(std::string_view string_, int length, const TGPFontFamily* family, int style, float emSize,
                     const TGPPointF& origin, const TGPStringFormat* format);
    Status AddString(std::string_view string_, int length, const TGPFontFamily* family, int style, float emSize,
                     const TGPRectF& layoutRect, const TGPStringFormat* format);
    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }

    GpPath* Native() const noexcept { return nativePath; }

private:
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }

    GpPath* nativePath = nullptr;
    Status lastResult = Ok;
};

class TGPRegion : public TGdiplusBase {
public:
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPGraphicsPath* path);
    ~TGPRegion();
    TGPRegion(const TGPRegion&) = delete;
    TGPRegion& operator=(const TGPRegion&) = delete;

    Status Exclude(const TGPGraphicsPath* path);
    Status Union(const TGPRegion* region);
    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }

    GpRegion* Native() const noexcept { return nativeRegion; }

private:
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastResult, status); }

    GpRegion* nativeRegion = nullptr;
    Status lastResult = Ok;
};
