// Pixel-exact checks of the canvas and the device-context routines.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<TColor> snapshot(TBitmap& bitmap)
{
    std::vector<TColor> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas()->Pixels(x, y));
    return pixels;
}

} // namespace

TEST(Canvas, FillRectCoversLeftTopButNotRightBottom)
{
    TBitmap bitmap(10, 10);
    TCanvas* canvas = bitmap.Canvas();
    EXPECT_EQ(canvas->Pixels(0, 0), clWhite);
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(2, 2, 5, 5));
    EXPECT_EQ(canvas->Pixels(2, 2), clRed);
    EXPECT_EQ(canvas->Pixels(4, 4), clRed);
    EXPECT_EQ(canvas->Pixels(5, 5), clWhite);
    EXPECT_EQ(canvas->Pixels(1, 2), clWhite);
    EXPECT_EQ(canvas->Pixels(10, 0), -1) << "outside the bitmap";
    canvas->SetPixels(9, 9, clBtnFace);
    EXPECT_EQ(canvas->Pixels(9, 9), ColorToRGB(clBtnFace));
}

TEST(Canvas, LineToLeavesOutTheEndPoint)
{
    struct Row {
        const char* Name;
        TPoint From, To, LastDrawn, Excluded;
    } rows[] = {
        {"horizontal", {2, 5}, {8, 5}, {7, 5}, {8, 5}},
        {"vertical", {5, 1}, {5, 6}, {5, 5}, {5, 6}},
        {"diagonal", {0, 0}, {4, 4}, {3, 3}, {4, 4}},
        {"leftwards", {8, 2}, {3, 2}, {4, 2}, {3, 2}},
    };
    for (const auto& row : rows) {
        TBitmap bitmap(10, 10);
        TCanvas* canvas = bitmap.Canvas();
        canvas->MoveTo(row.From.X, row.From.Y);
        canvas->LineTo(row.To.X, row.To.Y);
        EXPECT_EQ(canvas->Pixels(row.From.X, row.From.Y), clBlack) << row.Name;
        EXPECT_EQ(canvas->Pixels(row.LastDrawn.X, row.LastDrawn.Y), clBlack) << row.Name;
        EXPECT_EQ(canvas->Pixels(row.Excluded.X, row.Excluded.Y), clWhite) << row.Name;
        EXPECT_EQ(canvas->PenPos(), row.To) << row.Name;
    }
}

TEST(Canvas, RectangleOutlineStaysInsideItsBox)
{
    TBitmap bitmap(12, 12);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clYellow);
    canvas->Rectangle(2, 2, 8, 8);
    EXPECT_EQ(canvas->Pixels(2, 2), clBlack);
    EXPECT_EQ(canvas->Pixels(7, 7), clBlack);
    EXPECT_EQ(canvas->Pixels(7, 4), clBlack);
    EXPECT_EQ(canvas->Pixels(4, 4), clYellow);
    EXPECT_EQ(canvas->Pixels(8, 8), clWhite);
    EXPECT_EQ(canvas->Pixels(8, 4), clWhite);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(clRed);
    canvas->Rectangle(3, 3, 7, 7);
    EXPECT_EQ(canvas->Pixels(4, 4), clYellow) << "a clear brush leaves the inside";
}

TEST(Canvas, XorDrawingTwiceRestoresThePixels)
{
    TBitmap bitmap(20, 20);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clTeal);
    canvas->Ellipse(0, 0, 20, 20);
    const auto before = snapshot(bitmap);
    for (TPenMode mode : {pmXor, pmNotXor, pmNot}) {
        canvas->Pen()->SetMode(mode);
        canvas->Pen()->SetColor(clRed);
        canvas->Pen()->SetStyle(psDot);
        for (int pass = 0; pass < 2; ++pass) {
            canvas->MoveTo(0, 10);
            canvas->LineTo(20, 10);
            if (pass == 0) {
                EXPECT_NE(snapshot(bitmap), before) << "mode " << mode;
            }
        }
        EXPECT_EQ(snapshot(bitmap), before) << "mode " << mode;
    }
    canvas->Pen()->SetMode(pmCopy);
    canvas->DrawFocusRect(Rect(2, 2, 15, 12));
    EXPECT_NE(snapshot(bitmap), before);
    canvas->DrawFocusRect(Rect(2, 2, 15, 12));
    EXPECT_EQ(snapshot(bitmap), before);
}

TEST(Canvas, ClippingAndOrigin)
{
    TBitmap bitmap(20, 20);
    TCanvas* canvas = bitmap.Canvas();
    HDC dc = canvas->Handle();
    IntersectClipRect(dc, 5, 5, 15, 15);
    ExcludeClipRect(dc, 8, 8, 10, 10);
    EXPECT_EQ(canvas->ClipRect(), Rect(5, 5, 15, 15));
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, 2, 0);
    canvas->Brush()->SetColor(clBlue);
    canvas->FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(canvas->ClipRect(), Rect(3, 5, 13, 15)) << "the clip box is logical";
    RestoreDC(dc, saved);
    EXPECT_EQ(canvas->Pixels(5, 5), clBlue);
    EXPECT_EQ(canvas->Pixels(4, 4), -1) << "outside the clip reads as invalid";
    EXPECT_EQ(canvas->Pixels(8, 8), -1) << "inside the excluded part";
    SelectClipRgn(dc, nullptr);
    EXPECT_EQ(canvas->Pixels(4, 4), clWhite);
    EXPECT_EQ(canvas->Pixels(8, 8), clWhite);
    EXPECT_EQ(canvas->Pixels(15, 15), clWhite);
    EXPECT_EQ(canvas->ClipRect(), Rect(0, 0, 20, 20));
}

TEST(Canvas, RegionsCombine)
{
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    struct Row {
        int Mode, Kind;
        TPoint In, Out;
    } rows[] = {
        {RGN_AND, SIMPLEREGION, {6, 6}, {2, 2}},
        {RGN_OR, COMPLEXREGION, {12, 12}, {12, 2}},
        {RGN_DIFF, COMPLEXREGION, {2, 2}, {6, 6}},
        {RGN_XOR, COMPLEXREGION, {12, 12}, {6, 6}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(CombineRgn(result, a, b, row.Mode), row.Kind) << row.Mode;
        EXPECT_TRUE(PtInRegion(result, row.In.X, row.In.Y)) << row.Mode;
        EXPECT_FALSE(PtInRegion(result, row.Out.X, row.Out.Y)) << row.Mode;
    }
    EXPECT_EQ(CombineRgn(result, a, nullptr, RGN_OR), ERROR_REGION);
    TRect box;
    CombineRgn(result, a, b, RGN_OR);
    GetRgnBox(result, box);
    EXPECT_EQ(box, Rect(0, 0, 15, 15));
    for (HRGN r : {a, b, result}) DeleteObject(r);
}

TEST(Canvas, SelectObjectHandsBackWhatRestoresTheOldState)
{
    TBitmap bitmap(10, 10);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetName("Courier New");
    HDC dc = canvas->Handle();
    LOGFONT log = canvas->Font()->LogFont();
    log.lfFaceName = "Arial";
    log.lfEscapement = 900;
    HFONT rotated = CreateFontIndirect(log);
    HGDIOBJ old = SelectObject(dc, rotated);
    DeleteObject(rotated); // freeing a selected font is safe: the context keeps a copy
    SelectObject(dc, old);
    EXPECT_FALSE(DeleteObject(old)) << "the context owns the handle it gave back";
    TEXTMETRIC tm;
    GetTextMetrics(dc, tm);
    EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "monospaced font restored";
}

TEST(Canvas, FloodFillStopsAtTheBorder)
{
    TBitmap bitmap(20, 20);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(2, 2, 12, 12);
    canvas->Brush()->SetColor(clLime);
    canvas->FloodFill(5, 5, clBlack, fsBorder);
    EXPECT_EQ(canvas->Pixels(5, 5), clLime);
    EXPECT_EQ(canvas->Pixels(10, 10), clLime);
    EXPECT_EQ(canvas->Pixels(2, 5), clBlack);
    EXPECT_EQ(canvas->Pixels(15, 15), clWhite);
    canvas->Brush()->SetColor(clRed);
    canvas->FloodFill(15, 15, clWhite, fsSurface);
    EXPECT_EQ(canvas->Pixels(0, 0), clRed);
    EXPECT_EQ(canvas->Pixels(5, 5), clLime);
}

TEST(Canvas, CopyRectAndDrawWithTransparency)
{
    TBitmap source(4, 4);
    source.Canvas()->Brush()->SetColor(clFuchsia);
    source.Canvas()->FillRect(Rect(0, 0, 4, 4));
    source.Canvas()->SetPixels(1, 1, clBlue);
    TBitmap target(8, 8);
    TCanvas* canvas = target.Canvas();
    canvas->CopyRect(Rect(0, 0, 8, 8), *source.Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(canvas->Pixels(2, 2), clBlue) << "scaled by two";
    EXPECT_EQ(canvas->Pixels(3, 3), clBlue);
    EXPECT_EQ(canvas->Pixels(4, 4), clFuchsia);

    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, 8, 8));
    source.SetTransparent(true); // auto mode: the bottom-left pixel's colour
    EXPECT_EQ(source.TransparentColor(), clFuchsia);
    canvas->Draw(2, 2, &source);
    EXPECT_EQ(canvas->Pixels(2, 2), clWhite);
    EXPECT_EQ(canvas->Pixels(3, 3), clBlue);

    canvas->SetCopyMode(SRCINVERT);
    canvas->CopyRect(Rect(0, 0, 4, 4), *source.Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(canvas->Pixels(0, 0), clLime) << "white xor fuchsia";
}

TEST(Canvas, BitmapResizeKeepsPixelsAndCanvas)
{
    TBitmap bitmap(4, 4);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetSize(8, 6);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(7, 5), clWhite);
    EXPECT_GE(changes, 1);
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(bitmap.ScanLine(1)[1].rgbRed, 255);
    EXPECT_EQ(bitmap.ScanLine(1)[1].rgbReserved, 255);
    EXPECT_THROW(bitmap.ScanLine(6), EInvalidOperation);
    EXPECT_THROW(TBitmap(100000, 100000), EOutOfResources);
}

TEST(Canvas, RotatedTextAndFormattedTextRect)
{
    TBitmap bitmap(60, 60);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetName("Arial");
    canvas->Font()->SetSize(10);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetOrientation(900); // upwards
    canvas->TextOut(20, 55, "Rotated");
    int top = 60, bottom = -1, left = 60, right = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            if (canvas->Pixels(x, y) != clWhite) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    EXPECT_GT(bottom - top, right - left) << "the text runs vertically";
    EXPECT_LE(bottom, 55);
    EXPECT_GE(left, 20);

    canvas->Font()->SetOrientation(0);
    TRect r = Rect(0, 0, 60, 20);
    std::string text = "&Save";
    canvas->TextRect(r, text, {tfCalcRect, tfSingleLine});
    EXPECT_EQ(r.Width(), canvas->TextWidth("Save"));
    EXPECT_EQ(r.Height(), canvas->TextHeight("Save"));
}

TEST(Canvas, MonochromeBitmapsTakeTheTextColour)
{
    TBitmap glyph(2, 1);
    glyph.Canvas()->SetPixels(0, 0, clBlack);
    glyph.SetMonochrome(true);
    TBitmap target(4, 4);
    TCanvas* canvas = target.Canvas();
    canvas->Font()->SetColor(clRed);
    canvas->Brush()->SetColor(clYellow);
    canvas->Draw(0, 0, &glyph);
    EXPECT_EQ(canvas->Pixels(0, 0), clRed);
    EXPECT_EQ(canvas->Pixels(1, 0), clYellow);
}

TEST(Canvas, StateSetOnTheHandleHoldsUntilTheCanvasChangesIt)
{
    TBitmap bitmap(20, 20);
    TCanvas* canvas = bitmap.Canvas();
    SetTextColor(canvas->Handle(), RGB(0, 0, 255));
    MoveToEx(canvas->Handle(), 3, 4);
    EXPECT_EQ(GetTextColor(canvas->Handle()), RGB(0, 0, 255));
    EXPECT_EQ(canvas->PenPos(), Point(3, 4));
    canvas->LineTo(10, 4);
    EXPECT_EQ(canvas->Pixels(3, 4), clBlack);
    canvas->Font()->SetColor(clGreen);
    EXPECT_EQ(GetTextColor(canvas->Handle()), static_cast<TColorRef>(clGreen)) << "the font's colour wins once set";
}

TEST(Canvas, PolygonRegions)
{
    // A five-pointed star: its centre is outside by the alternate rule, inside by winding.
    const TPoint star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    HRGN alternate = CreatePolygonRgn(star, 5, ALTERNATE);
    HRGN winding = CreatePolygonRgn(star, 5, WINDING);
    EXPECT_FALSE(PtInRegion(alternate, 50, 50));
    EXPECT_TRUE(PtInRegion(winding, 50, 50));
    EXPECT_TRUE(PtInRegion(alternate, 50, 10));
    EXPECT_FALSE(PtInRegion(winding, 5, 80));
    TRect box;
    EXPECT_EQ(GetRgnBox(winding, box), COMPLEXREGION);
    // Thin tips cover no pixel centre, so the box may be a pixel or two inside the points' bounds.
    EXPECT_NEAR(box.Left, 2, 2);
    EXPECT_NEAR(box.Top, 0, 3);
    EXPECT_NEAR(box.Right, 98, 2);
    EXPECT_EQ(box.Bottom, 90);
    HRGN degenerate = CreatePolygonRgn(star, 2, WINDING);
    EXPECT_EQ(GetRgnBox(degenerate, box), NULLREGION);
    for (HRGN r : {alternate, winding, degenerate}) DeleteObject(r);
}

TEST(Canvas, AnOversizedPolygonRegionIsRefusedAndLeavesNothingBehind)
{
    // The sanitizer build reports the region when the refusal leaks it.
    const TPoint huge[] = {{0, 0}, {100000, 0}, {0, 100000}};
    EXPECT_THROW(CreatePolygonRgn(huge, 3, WINDING), EOutOfResources);
}
