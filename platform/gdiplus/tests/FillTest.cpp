// Fills, gradients, pens, clipping and transforms, read back from the pixels drawn.
#include "testsupport/GoldenImage.h"
#include "TestSurface.h"

#include "platform/gdiplus/Objects.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"

#include <gtest/gtest.h>

using gdiplus::testing::NearColor;
using gdiplus::testing::TestSurface;

namespace {

constexpr ARGB opaqueRed = 0xFFFF0000;
constexpr ARGB opaqueWhite = 0xFFFFFFFF;
constexpr ARGB opaqueBlack = 0xFF000000;

unsigned red(ARGB c) { return (c >> 16) & 0xFF; }
unsigned alpha(ARGB c) { return c >> 24; }

} // namespace

TEST(Fill, SolidRectangleCoversExactlyItsPixelsWithoutSmoothing)
{
    TestSurface s(40, 40);
    GpSolidFill brush(opaqueRed);
    ASSERT_EQ(GdipFillRectangle(s.Graphics, &brush, 10, 10, 20, 20), Ok);
    EXPECT_EQ(s.Pixel(10, 10), opaqueRed);
    EXPECT_EQ(s.Pixel(29, 29), opaqueRed);
    EXPECT_EQ(s.Pixel(9, 10), 0u);
    EXPECT_EQ(s.Pixel(30, 29), 0u);
}

TEST(Fill, TranslucentColourBlendsOverWhatIsThere)
{
    TestSurface s(4, 4);
    ASSERT_EQ(GdipGraphicsClear(s.Graphics, opaqueWhite), Ok);
    GpSolidFill brush(0x80FF0000);
    GdipFillRectangle(s.Graphics, &brush, 0, 0, 4, 4);
    EXPECT_TRUE(NearColor(s.Pixel(1, 1), 0xFFFF7F7F));
}

TEST(Fill, LinearGradientRunsAcrossItsRectangle)
{
    struct Case {
        const char* Name;
        LinearGradientMode Mode;
        int X1, Y1, X2, Y2; // a pixel near the start and one near the end
    };
    const Case cases[] = {
        {"horizontal", LinearGradientModeHorizontal, 1, 50, 98, 50},
        {"vertical", LinearGradientModeVertical, 50, 1, 50, 98},
        {"forward diagonal", LinearGradientModeForwardDiagonal, 1, 1, 98, 98},
        {"backward diagonal", LinearGradientModeBackwardDiagonal, 98, 1, 1, 98},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TestSurface s(100, 100);
        const TGPRectF rect{0, 0, 100, 100};
        GpLineGradient* brush = nullptr;
        ASSERT_EQ(GdipCreateLineBrushFromRect(&rect, opaqueBlack, opaqueWhite, c.Mode, WrapModeTile, &brush), Ok);
        GdipFillRectangle(s.Graphics, gdiplus::BrushOf(brush), 0, 0, 100, 100);
        EXPECT_LT(red(s.Pixel(c.X1, c.Y1)), 20u);
        EXPECT_GT(red(s.Pixel(c.X2, c.Y2)), 235u);
        EXPECT_NEAR(red(s.Pixel(50, 50)), 128, 6);
        GdipDeleteBrush(gdiplus::BrushOf(brush));
    }
}

TEST(Fill, PresetColoursReplaceTheTwoEndColours)
{
    TestSurface s(100, 4);
    const TGPPointF from{0, 0}, to{100, 0};
    GpLineGradient* brush = nullptr;
    ASSERT_EQ(GdipCreateLineBrush(&from, &to, opaqueBlack, opaqueBlack, WrapModeTile, &brush), Ok);
    const ARGB colors[3] = {opaqueRed, 0xFF00FF00, 0xFF0000FF};
    const float positions[3] = {0, 0.5f, 1};
    const float unordered[3] = {0, 0.7f, 0.5f};
    EXPECT_EQ(GdipSetLinePresetBlend(brush, colors, unordered, 3), InvalidParameter);
    ASSERT_EQ(GdipSetLinePresetBlend(brush, colors, positions, 3), Ok);
    GdipFillRectangle(s.Graphics, gdiplus::BrushOf(brush), 0, 0, 100, 4);
    EXPECT_TRUE(NearColor(s.Pixel(50, 1), 0xFF00FF00, 8));
    EXPECT_TRUE(NearColor(s.Pixel(0, 1), opaqueRed, 8));
    GdipDeleteBrush(gdiplus::BrushOf(brush));
}

TEST(Fill, PathGradientBlendsFromTheCentreColourToTheEdge)
{
    TestSurface s(100, 100);
    GpPath path;
    GdipAddPathEllipse(&path, 0, 0, 100, 100);
    GpPathGradient* brush = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(&path, &brush), Ok);
    TGPPointF centre;
    GdipGetPathGradientCenterPoint(brush, &centre);
    EXPECT_NEAR(centre.X, 50, 0.5);
    EXPECT_NEAR(centre.Y, 50, 0.5);
    GdipSetPathGradientCenterColor(brush, opaqueWhite);
    int count = 1;
    const ARGB surround = opaqueRed;
    ASSERT_EQ(GdipSetPathGradientSurroundColorsWithCount(brush, &surround, &count), Ok);
    ASSERT_EQ(GdipFillPath(s.Graphics, gdiplus::BrushOf(brush), &path), Ok);
    EXPECT_TRUE(NearColor(s.Pixel(50, 50), opaqueWhite, 12));
    EXPECT_TRUE(NearColor(s.Pixel(50, 1), opaqueRed, 20));
    EXPECT_TRUE(NearColor(s.Pixel(75, 50), 0xFFFF7F7F, 20));
    EXPECT_EQ(alpha(s.Pixel(2, 2)), 0u) << "outside the ellipse";
    GdipDeleteBrush(gdiplus::BrushOf(brush));
}

TEST(Fill, PathGradientTakesOneSurroundColourPerPoint)
{
    TestSurface s(100, 100);
    GpPath path;
    GdipAddPathRectangle(&path, 0, 0, 100, 100);
    GpPathGradient* brush = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(&path, &brush), Ok);
    const ARGB corners[5] = {opaqueRed, 0xFF00FF00, 0xFF0000FF, opaqueBlack, opaqueWhite};
    int tooMany = 5;
    EXPECT_EQ(GdipSetPathGradientSurroundColorsWithCount(brush, corners, &tooMany), InvalidParameter);
    int four = 4;
    ASSERT_EQ(GdipSetPathGradientSurroundColorsWithCount(brush, corners, &four), Ok);
    GdipFillRectangle(s.Graphics, gdiplus::BrushOf(brush), 0, 0, 100, 100);
    EXPECT_TRUE(NearColor(s.Pixel(1, 1), opaqueRed, 30));
    EXPECT_TRUE(NearColor(s.Pixel(98, 1), 0xFF00FF00, 30));
    EXPECT_TRUE(NearColor(s.Pixel(98, 98), 0xFF0000FF, 30));
    GdipDeleteBrush(gdiplus::BrushOf(brush));
}

TEST(Fill, SmoothingGivesEdgesPartialCoverageAndKeepsOnePixelLinesSharp)
{
    TestSurface rough(40, 40), smooth(40, 40);
    GpSolidFill brush(opaqueBlack);
    GdipSetSmoothingMode(smooth.Graphics, SmoothingModeAntiAlias);
    for (GpGraphics* g : {rough.Graphics, smooth.Graphics}) GdipFillEllipse(g, &brush, 2, 2, 35, 35);
    int partial = 0;
    for (int x = 0; x < 40; ++x) {
        EXPECT_TRUE(alpha(rough.Pixel(x, 20)) == 0 || alpha(rough.Pixel(x, 20)) == 255);
        partial += alpha(smooth.Pixel(x, 20)) % 255 != 0;
    }
    EXPECT_GE(partial, 2);

    GpPen pen;
    pen.Brush = std::make_unique<GpSolidFill>(opaqueBlack);
    GdipGraphicsClear(smooth.Graphics, 0);
    GdipDrawLine(smooth.Graphics, &pen, 0, 10, 40, 10);
    EXPECT_EQ(smooth.Pixel(20, 10), opaqueBlack);
    EXPECT_EQ(smooth.Pixel(20, 9), 0u);
    EXPECT_EQ(smooth.Pixel(20, 11), 0u);
}

TEST(Fill, DashedPenLeavesGapsOfItsWidth)
{
    TestSurface s(40, 4);
    GpPen* pen = nullptr;
    ASSERT_EQ(GdipCreatePen1(opaqueBlack, 2, UnitPixel, &pen), Ok);
    GdipSetPenDashStyle(pen, DashStyleDash);
    GdipDrawLine(s.Graphics, pen, 0, 2, 40, 2);
    // Dashes of three widths, gaps of one: 6 pixels drawn, 2 left, and again.
    EXPECT_EQ(alpha(s.Pixel(3, 2)), 255u);
    EXPECT_EQ(alpha(s.Pixel(7, 2)), 0u);
    EXPECT_EQ(alpha(s.Pixel(9, 2)), 255u);
    GdipDeletePen(pen);
}

TEST(Fill, ClipExcludesAndRegionsCombine)
{
    TestSurface s(30, 10);
    GpSolidFill brush(opaqueRed);
    GdipSetClipRect(s.Graphics, 10, 0, 10, 10, CombineModeExclude);
    GdipFillRectangle(s.Graphics, &brush, 0, 0, 30, 10);
    EXPECT_EQ(s.Pixel(5, 5), opaqueRed);
    EXPECT_EQ(s.Pixel(15, 5), 0u);
    EXPECT_EQ(s.Pixel(25, 5), opaqueRed);

    // A region of the left third united with (right third minus its top half).
    const TGPRectF left{0, 0, 10, 10}, right{20, 0, 10, 10};
    GpRegion *region = nullptr, *other = nullptr;
    GdipCreateRegionRect(&left, &region);
    GdipCreateRegionRect(&right, &other);
    GpPath top;
    GdipAddPathRectangle(&top, 0, 0, 30, 5);
    GdipCombineRegionPath(other, &top, CombineModeExclude);
    ASSERT_EQ(GdipCombineRegionRegion(region, other, CombineModeUnion), Ok);
    GdipGraphicsClear(s.Graphics, 0);
    GdipResetClip(s.Graphics);
    GdipSetClipRegion(s.Graphics, region, CombineModeReplace);
    GdipFillRectangle(s.Graphics, &brush, 0, 0, 30, 10);
    EXPECT_EQ(s.Pixel(5, 2), opaqueRed);
    EXPECT_EQ(s.Pixel(15, 7), 0u);
    EXPECT_EQ(s.Pixel(25, 2), 0u) << "the excluded top half stays out of the united region";
    EXPECT_EQ(s.Pixel(25, 7), opaqueRed);
    GdipDeleteRegion(region);
    GdipDeleteRegion(other);
}

TEST(Fill, WorldTransformMovesDrawingAndASingularOneIsRefused)
{
    TestSurface s(20, 20);
    GpSolidFill brush(opaqueRed);
    GpMatrix move{{1, 0, 0, 1, 10, 5}};
    ASSERT_EQ(GdipSetWorldTransform(s.Graphics, &move), Ok);
    GdipFillRectangle(s.Graphics, &brush, 0, 0, 2, 2);
    EXPECT_EQ(s.Pixel(10, 5), opaqueRed);
    EXPECT_EQ(s.Pixel(0, 0), 0u);
    GpMatrix flat{{0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(GdipSetWorldTransform(s.Graphics, &flat), InvalidParameter);
    EXPECT_EQ(GdipFillRectangle(s.Graphics, &brush, 0, 0, 2, 2), Ok) << "the surface keeps its last good transform";
}

TEST(Fill, ComposesAGlossyFaceOnADeviceContext)
{
    TBitmap bitmap(120, 60);
    TCanvas* canvas = bitmap.Canvas();
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(canvas->Handle(), &g), Ok);
    GdipSetSmoothingMode(g, SmoothingModeAntiAlias);
    const TGPRectF rect{0, 0, 120, 60};
    GpLineGradient* shade = nullptr;
    GdipCreateLineBrushFromRect(&rect, 0xFF3060C0, 0xFFFFFFFF, LinearGradientModeVertical, WrapModeTile, &shade);
    GdipFillRectangle(g, gdiplus::BrushOf(shade), 0, 0, 120, 60);
    GpPath face;
    GdipAddPathArc(&face, 10, 10, 16, 16, 180, 90);
    GdipAddPathArc(&face, 54, 10, 16, 16, 270, 90);
    GdipAddPathArc(&face, 54, 34, 16, 16, 0, 90);
    GdipAddPathArc(&face, 10, 34, 16, 16, 90, 90);
    GdipClosePathFigure(&face);
    GpPathGradient* glow = nullptr;
    GdipCreatePathGradientFromPath(&face, &glow);
    GdipSetPathGradientCenterColor(glow, 0xFFFFFFC0);
    int one = 1;
    const ARGB edge = 0xFFE08020;
    GdipSetPathGradientSurroundColorsWithCount(glow, &edge, &one);
    GdipFillPath(g, gdiplus::BrushOf(glow), &face);
    GpPen* pen = nullptr;
    GdipCreatePen1(0xA0000000, 1.5f, UnitPixel, &pen);
    GdipDrawPath(g, pen, &face);
    GpSolidFill dot(0xC0C00000);
    GdipFillEllipse(g, &dot, 85, 15, 25, 25);
    GdipDrawEllipse(g, pen, 85, 15, 25, 25);
    GdipDeletePen(pen);
    GdipDeleteBrush(gdiplus::BrushOf(glow));
    GdipDeleteBrush(gdiplus::BrushOf(shade));
    GdipDeleteGraphics(g);
    bitmap.PixelsChanged();
    testsupport::ExpectMatchesGolden(bitmap, "shapes-on-device-context");
}

TEST(Fill, DeviceContextOriginAndClipApply)
{
    TBitmap bitmap(60, 40);
    HDC dc = bitmap.Canvas()->Handle();
    SetViewportOrgEx(dc, 10, 5);
    IntersectClipRect(dc, 0, 0, 20, 20);
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(dc, &g), Ok);
    GpSolidFill brush(opaqueRed);
    GdipFillRectangle(g, &brush, 0, 0, 100, 100);
    GdipDeleteGraphics(g);
    bitmap.PixelsChanged();
    auto devicePixel = [&](int x, int y) {
        const TRGBQuad& q = bitmap.ScanLine(y)[x];
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    };
    EXPECT_EQ(devicePixel(10, 5), RGB(255, 0, 0));
    EXPECT_EQ(devicePixel(29, 24), RGB(255, 0, 0));
    EXPECT_EQ(devicePixel(9, 5), RGB(255, 255, 255));
    EXPECT_EQ(devicePixel(30, 24), RGB(255, 255, 255));
}

TEST(Fill, DegenerateShapesAreRefusedOrDrawNothing)
{
    TestSurface s(10, 10);
    GpSolidFill brush(opaqueRed);
    GpPath line;
    GdipAddPathLine(&line, 1, 1, 8, 8);
    GpPathGradient* flat = nullptr;
    ASSERT_EQ(GdipCreatePathGradientFromPath(&line, &flat), Ok);
    EXPECT_EQ(GdipFillPath(s.Graphics, gdiplus::BrushOf(flat), &line), Ok);
    GdipDeleteBrush(gdiplus::BrushOf(flat));
    GpPath empty;
    GpPathGradient* none = nullptr;
    EXPECT_EQ(GdipCreatePathGradientFromPath(&empty, &none), OutOfMemory);
    EXPECT_EQ(GdipFillPath(s.Graphics, &brush, &empty), Ok);
    EXPECT_EQ(GdipFillEllipse(s.Graphics, &brush, 0, 0, 0, 5), InvalidParameter);
    const TGPPointF two[2] = {{0, 0}, {5, 5}};
    EXPECT_EQ(GdipFillPolygon(s.Graphics, &brush, two, 2, FillModeAlternate), InvalidParameter);
    EXPECT_EQ(GdipSetClipPath(s.Graphics, &empty, CombineModeReplace), Ok);
    EXPECT_EQ(GdipFillRectangle(s.Graphics, &brush, 0, 0, 10, 10), Ok);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(s.Pixel(x, y), 0u) << "an empty clip shows nothing";
}
