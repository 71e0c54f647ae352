// Matrix arithmetic, the figures paths build, and what every getter checks.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct MatrixDeleter {
    void operator()(GpMatrix* m) const { GdipDeleteMatrix(m); }
};
using MatrixPtr = std::unique_ptr<GpMatrix, MatrixDeleter>;

MatrixPtr identity()
{
    GpMatrix* m = nullptr;
    EXPECT_EQ(GdipCreateMatrix(&m), Ok);
    return MatrixPtr(m);
}

TGPPointF apply(GpMatrix* m, TGPPointF p)
{
    EXPECT_EQ(GdipTransformMatrixPoints(m, &p, 1), Ok);
    return p;
}

} // namespace

TEST(Matrix, OrderDecidesWhichStepPointsTakeFirst)
{
    // Prepended: scale applies to points before the existing translation.
    MatrixPtr prepend = identity();
    GdipTranslateMatrix(prepend.get(), 10, 0, MatrixOrderPrepend);
    GdipScaleMatrix(prepend.get(), 2, 2, MatrixOrderPrepend);
    TGPPointF p = apply(prepend.get(), {1, 1});
    EXPECT_FLOAT_EQ(p.X, 12);
    EXPECT_FLOAT_EQ(p.Y, 2);

    MatrixPtr append = identity();
    GdipTranslateMatrix(append.get(), 10, 0, MatrixOrderAppend);
    GdipScaleMatrix(append.get(), 2, 2, MatrixOrderAppend);
    p = apply(append.get(), {1, 1});
    EXPECT_FLOAT_EQ(p.X, 22);
    EXPECT_FLOAT_EQ(p.Y, 2);
}

TEST(Matrix, RotationIsClockwiseOnScreenAndVectorsIgnoreOffsets)
{
    MatrixPtr m = identity();
    GdipTranslateMatrix(m.get(), 5, 5, MatrixOrderAppend);
    GdipRotateMatrix(m.get(), 90, MatrixOrderPrepend);
    TGPPointF p = apply(m.get(), {1, 0});
    EXPECT_NEAR(p.X, 5, 1e-5);
    EXPECT_NEAR(p.Y, 6, 1e-5);
    TGPPoint v{1, 0};
    EXPECT_EQ(GdipVectorTransformMatrixPointsI(m.get(), &v, 1), Ok);
    EXPECT_EQ(v.X, 0);
    EXPECT_EQ(v.Y, 1);
}

TEST(Matrix, ParallelogramMatrixMapsTheRectangleCorners)
{
    const TGPRectF rect{10, 20, 100, 50};
    const TGPPointF corners[3] = {{0, 0}, {200, 0}, {0, 100}};
    GpMatrix* raw = nullptr;
    ASSERT_EQ(GdipCreateMatrix3(&rect, corners, &raw), Ok);
    MatrixPtr m(raw);
    TGPPointF p = apply(m.get(), {110, 70});
    EXPECT_FLOAT_EQ(p.X, 200);
    EXPECT_FLOAT_EQ(p.Y, 100);
}

TEST(Matrix, SingularMatrixRefusesInversionAndKeepsItsElements)
{
    GpMatrix* raw = nullptr;
    ASSERT_EQ(GdipCreateMatrix2(1, 2, 2, 4, 7, 8, &raw), Ok);
    MatrixPtr m(raw);
    bool invertible = true;
    GdipIsMatrixInvertible(m.get(), &invertible);
    EXPECT_FALSE(invertible);
    EXPECT_EQ(GdipInvertMatrix(m.get()), InvalidParameter);
    float e[6];
    GdipGetMatrixElements(m.get(), e);
    EXPECT_FLOAT_EQ(e[4], 7);
    EXPECT_FLOAT_EQ(e[5], 8);
}

TEST(Path, OpenShapesJoinTheFigureAndClosedShapesStartTheirOwn)
{
    GpPath path;
    ASSERT_EQ(GdipAddPathArc(&path, 0, 0, 20, 20, 180, 90), Ok);
    // The arc ends at the top of the circle; the line starts elsewhere, so a joining line appears.
    ASSERT_EQ(GdipAddPathLine(&path, 30, 0, 30, 10), Ok);
    ASSERT_EQ(path.Types.front(), gdiplus::PathPointStart);
    EXPECT_FLOAT_EQ(path.Points[3].X, 10);
    EXPECT_FLOAT_EQ(path.Points[3].Y, 0);
    EXPECT_EQ(path.Types[4], gdiplus::PathPointLine);
    EXPECT_FLOAT_EQ(path.Points[4].X, 30);
    const std::size_t open = path.Points.size();

    ASSERT_EQ(GdipAddPathEllipse(&path, 0, 0, 10, 10), Ok);
    EXPECT_EQ(path.Types[open], gdiplus::PathPointStart);
    EXPECT_EQ(path.Points.size(), open + 13) << "four quarter curves from one start point";
    EXPECT_TRUE(path.Types.back() & gdiplus::PathPointCloseFigure);
}

TEST(Path, BadShapesAreRefusedAndLeaveThePathAlone)
{
    GpPath path;
    const TGPPointF two[2] = {{0, 0}, {1, 1}};
    const TGPPointF five[5] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};
    EXPECT_EQ(GdipAddPathPolygon(&path, two, 2), InvalidParameter);
    EXPECT_EQ(GdipAddPathArc(&path, 0, 0, 0, 10, 0, 90), InvalidParameter);
    EXPECT_EQ(GdipAddPathBeziers(&path, five, 5), InvalidParameter);
    EXPECT_EQ(GdipAddPathCurve2(&path, two, 2, -1), InvalidParameter);
    EXPECT_TRUE(path.Points.empty());
}

TEST(Region, NestingIsLimited)
{
    const TGPRectF rect{0, 0, 10, 10};
    GpRegion* region = nullptr;
    ASSERT_EQ(GdipCreateRegionRect(&rect, &region), Ok);
    Status last = Ok;
    for (int i = 0; i < 40 && last == Ok; ++i) last = GdipCombineRegionRegion(region, region, CombineModeUnion);
    EXPECT_EQ(last, OutOfMemory);
    GdipDeleteRegion(region);
}

TEST(Path, ArcsEndingOnWholeTurnsSweepOnlyTheirAngle)
{
    // A quarter arc ending at 360 degrees is one curve from the top to the right.
    GpPath path;
    ASSERT_EQ(GdipAddPathArc(&path, 0, 0, 20, 20, 270, 90), Ok);
    ASSERT_EQ(path.Points.size(), 4u);
    EXPECT_NEAR(path.Points[0].X, 10, 1e-4);
    EXPECT_NEAR(path.Points[0].Y, 0, 1e-4);
    EXPECT_NEAR(path.Points[3].X, 20, 1e-4);
    EXPECT_NEAR(path.Points[3].Y, 10, 1e-4);
}

TEST(Getters, RefuseAMissingObjectOrDestinationAndOtherwiseRead)
{
    GpPath path;
    ASSERT_EQ(GdipAddPathRectangle(&path, 0, 0, 10, 10), Ok);
    int count = -1;
    EXPECT_EQ(GdipGetPointCount(nullptr, &count), InvalidParameter);
    EXPECT_EQ(GdipGetPointCount(&path, nullptr), InvalidParameter);
    EXPECT_EQ(count, -1);
    EXPECT_EQ(GdipGetPointCount(&path, &count), Ok);
    EXPECT_EQ(count, 4);

    GpStringFormat* format = nullptr;
    ASSERT_EQ(GdipCreateStringFormat(0x1000, 0, &format), Ok);
    int flags = 0;
    EXPECT_EQ(GdipGetStringFormatFlags(nullptr, &flags), InvalidParameter);
    EXPECT_EQ(GdipGetStringFormatFlags(format, nullptr), InvalidParameter);
    EXPECT_EQ(GdipGetStringFormatFlags(format, &flags), Ok);
    EXPECT_EQ(flags, 0x1000);
    GdipDeleteStringFormat(format);
}
