// The drawing wrappers: status keeping, start-up on demand, colour helpers, path-gradient colours and platform-font text.
#include "render/QuillGDIP.h"

#include "testsupport/GoldenImage.h"
#include "testsupport/Peers.h"
#include "testsupport/TempFolder.h"

#include "platform/classes/Streams.h"
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

// A white bitmap with a surface over its canvas.
struct Drawing {
    explicit Drawing(int width = 200, int height = 60) : Bitmap(width, height), Graphics(Bitmap.Canvas()->Handle()) {}
    TColor At(int x, int y) const
    {
        const TRGBQuad& q = Bitmap.ScanLine(y)[x];
        return static_cast<TColor>(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    }
    std::vector<TColor> Pixels() const
    {
        std::vector<TColor> all;
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x) all.push_back(At(x, y));
        return all;
    }
    bool Blank() const
    {
        for (TColor c : Pixels())
            if (c != clWhite) return false;
        return true;
    }
    TBitmap Bitmap;
    TGPGraphics Graphics;
};

std::unique_ptr<TFont> fontOf(const char* name, int size, TFontStyles style = {})
{
    auto font = std::make_unique<TFont>();
    font->SetName(name);
    font->SetSize(size);
    font->SetStyle(style);
    return font;
}

} // namespace

TEST(QuillGDIP, LastStatusKeepsTheFailureUntilRead)
{
    TGPMatrix singular(1, 2, 2, 4, 0, 0);
    EXPECT_EQ(singular.Invert(), InvalidParameter);
    EXPECT_EQ(singular.Translate(1, 1), Ok);
    EXPECT_EQ(singular.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(singular.GetLastStatus(), Ok);
}

TEST(QuillGDIP, FailedObjectsReportStatusesAndNeverRaise)
{
    TGPFontFamily missing("No Such Face");
    EXPECT_EQ(missing.GetLastStatus(), FontFamilyNotFound);
    TGPFont font(&missing, 10);
    EXPECT_EQ(font.GetLastStatus(), InvalidParameter);
    TGPGraphics noSurface(static_cast<TGPImage*>(nullptr));
    EXPECT_EQ(noSurface.GetLastStatus(), Ok) << "nothing was attempted";
    TGPSolidBrush brush(0xFF000000);
    TGPRectF box;
    EXPECT_EQ(noSurface.DrawString("text", -1, &font, TGPRectF{0, 0, 10, 10}, &brush), InvalidParameter);
    EXPECT_EQ(noSurface.MeasureString("text", -1, &font, TGPRectF{0, 0, 10, 10}, box), InvalidParameter);
    EXPECT_EQ(noSurface.FillRectangle(nullptr, 0.0f, 0.0f, 1.0f, 1.0f), InvalidParameter);
    EXPECT_EQ(noSurface.GetLastStatus(), InvalidParameter);
    TGPBrush plain;
    EXPECT_EQ(plain.GetLastStatus(), NotImplemented);
    TStream* noStream = nullptr;
    TGPImage image(noStream);
    EXPECT_EQ(image.GetFormat(), ifUndefined);
    EXPECT_EQ(image.GetWidth(), 0u);
}

TEST(QuillGDIP, AllocationAfterShutDownStartsTheLibraryAgain)
{
    GdiplusShutdown(render::GdiplusToken());
    EXPECT_EQ(GdipAlloc(8), nullptr);
    auto matrix = std::make_unique<TGPMatrix>();
    EXPECT_EQ(matrix->GetLastStatus(), Ok);
    EXPECT_TRUE(matrix->IsIdentity());
    void* block = GdipAlloc(8);
    EXPECT_NE(block, nullptr);
    GdipFree(block);
}

TEST(QuillGDIP, ColourConversions)
{
    EXPECT_EQ(ColorToOpaqueARGB(clRed), 0xFFFF0000u);
    EXPECT_EQ(ColorToOpaqueARGB(0x00336699), 0xFF996633u);
    const TColorRef face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(ColorToOpaqueARGB(clBtnFace), PackOpaqueRGB(GetRValue(face), GetGValue(face), GetBValue(face)));
    constexpr ARGB packed = PackARGB(0x12, 0x34, 0x56, 0x78);
    static_assert(packed == 0x12345678u);
    static_assert(ARGBRed(packed) == 0x34 && ARGBGreen(packed) == 0x56 && ARGBBlue(packed) == 0x78);
    EXPECT_EQ(NewGPRectF(1, 2, 3, 4).Height, 4.0f);
    EXPECT_EQ(NewGPPoint(5, 6).Y, 6);
}

TEST(QuillGDIP, MatrixRotatesAboutAPointAndReadsItsOffsets)
{
    TGPMatrix matrix;
    matrix.Translate(3, 4);
    EXPECT_FLOAT_EQ(matrix.OffsetX(), 3);
    EXPECT_FLOAT_EQ(matrix.OffsetY(), 4);
    matrix.Reset();
    matrix.RotateAt(90, TGPPointF{10, 10});
    TGPPointF p{20, 10};
    matrix.TransformPoints(&p);
    EXPECT_NEAR(p.X, 10, 1e-4);
    EXPECT_NEAR(p.Y, 20, 1e-4);
    std::unique_ptr<TGPMatrix> copy = matrix.Clone();
    copy->Invert();
    copy->TransformPoints(&p);
    EXPECT_NEAR(p.X, 20, 1e-4);
}

TEST(QuillGDIP, SurroundColoursAreCheckedAgainstThePath)
{
    TGPGraphicsPath path;
    path.AddRectangle(TGPRectF{0, 0, 10, 10});
    TGPPathGradientBrush brush(&path);
    ASSERT_EQ(brush.GetPointCount(), 4);
    const ARGB four[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000};
    int count = 4;
    ASSERT_EQ(brush.SetSurroundColors(four, count), Ok);
    const ARGB five[5] = {1, 2, 3, 4, 5};
    count = 5;
    EXPECT_EQ(brush.SetSurroundColors(five, count), InvalidParameter);
    EXPECT_EQ(brush.SetSurroundColors(nullptr, count), InvalidParameter);

    ARGB read[4] = {};
    int room = 3;
    EXPECT_EQ(brush.GetSurroundColors(read, room), InsufficientBuffer);
    EXPECT_EQ(brush.GetSurroundColors(nullptr, room), InvalidParameter);
    room = 4;
    ASSERT_EQ(brush.GetSurroundColors(read, room), Ok);
    EXPECT_EQ(read[1], 0xFF00FF00u) << "the refused colours changed nothing";
    EXPECT_EQ(read[3], 0xFF000000u);
}

TEST(QuillGDIP, PenHandsBackAWrapperOfItsFillKind)
{
    TGPPen solid(0xFF102030, 2);
    EXPECT_NE(dynamic_cast<TGPSolidBrush*>(solid.GetBrush().get()), nullptr);
    TGPLinearGradientBrush gradient(TGPRectF{0, 0, 10, 10}, 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical);
    TGPPen shaded(&gradient, 2);
    EXPECT_NE(dynamic_cast<TGPLinearGradientBrush*>(shaded.GetBrush().get()), nullptr);
    shaded.SetDashStyle(DashStyleDot);
    EXPECT_EQ(shaded.GetDashStyle(), DashStyleDot);
}

TEST(QuillGDIP, MakeFontFallsBackToArialAndDropsStrikeOut)
{
    Drawing d;
    const auto unknown = fontOf("No Such Face", 10), arial = fontOf("Arial", 10), courier = fontOf("Courier New", 10);
    EXPECT_EQ(d.Graphics.TextWidth("Sample text", unknown.get()), d.Graphics.TextWidth("Sample text", arial.get()));
    EXPECT_NE(d.Graphics.TextWidth("Sample text", courier.get()), d.Graphics.TextWidth("Sample text", arial.get()));
    EXPECT_EQ(d.Graphics.TextWidth("", arial.get()), 0);
    EXPECT_GT(d.Graphics.TextHeight("Sample", arial.get()), 10);

    Drawing plain, struck;
    const auto regular = fontOf("Arial", 14), strikeOut = fontOf("Arial", 14, TFontStyles{fsStrikeOut});
    TRect r1{5, 5, 200, 60}, r2 = r1;
    plain.Graphics.DrawText("Struck", -1, r1, regular.get(), 0, clNone);
    struck.Graphics.DrawText("Struck", -1, r2, strikeOut.get(), 0, clNone);
    EXPECT_FALSE(plain.Blank());
    EXPECT_EQ(plain.Pixels(), struck.Pixels());
}

TEST(QuillGDIP, DrawTextCalculatingDrawsNothingAndMeasuresTrailingSpaces)
{
    Drawing d;
    const auto font = fontOf("Arial", 10);
    TRect bare{10, 10, 10, 10}, spaced = bare;
    const int height = d.Graphics.DrawText("ab", -1, bare, font.get(), GPDrawTextCalcRect, clNone);
    d.Graphics.DrawText("ab ", -1, spaced, font.get(), GPDrawTextCalcRect, clNone);
    EXPECT_TRUE(d.Blank());
    EXPECT_EQ(height, bare.Bottom - bare.Top);
    EXPECT_GT(height, 10);
    EXPECT_GT(spaced.Right, bare.Right + 1) << "the trailing space is counted";

    // The extent is the measured box less the inset for the font's size.
    struct Case {
        int Size, Inset;
    };
    for (Case c : {Case{8, 2}, Case{9, 3}, Case{14, 6}}) {
        const auto sized = fontOf("Arial", c.Size);
        std::unique_ptr<TGPFont> gpFont = d.Graphics.MakeFont(sized.get());
        TGPRectF box;
        d.Graphics.MeasureString("Extent", -1, gpFont.get(), TGPRectF{0, 0, 1000, 0}, box);
        TRect r{0, 0, 0, 0};
        d.Graphics.DrawText("Extent", -1, r, sized.get(), GPDrawTextCalcRect, clNone);
        EXPECT_EQ(r.Right, std::lround(box.Width - c.Inset)) << c.Size << " points";
    }
}

TEST(QuillGDIP, DrawTextFillsTheBackgroundBehindTheText)
{
    Drawing d;
    const auto font = fontOf("Arial", 10);
    TRect r{10, 10, 10, 10};
    d.Graphics.DrawText("Mm", 1, r, font.get(), 0, clYellow);
    EXPECT_EQ(d.At(10, 12), clWhite) << "the fill starts one pixel in";
    EXPECT_EQ(d.At(11, 12), clYellow);
    EXPECT_EQ(d.At(r.Right - 1, r.Bottom - 1), clYellow);
    EXPECT_EQ(d.At(r.Right + 4, r.Top + 2), clWhite);
    bool inked = false;
    for (int x = r.Left; x < r.Right; ++x)
        for (int y = r.Top; y < r.Bottom; ++y) inked |= d.At(x, y) != clYellow && d.At(x, y) != clWhite;
    EXPECT_TRUE(inked) << "the text is drawn over the fill";

    TRect wide{10, 10, 10, 10};
    Drawing other;
    other.Graphics.DrawText("Mm", -1, wide, font.get(), GPDrawTextCalcRect, clNone);
    EXPECT_GT(wide.Right, r.Right) << "len limits the text to its first character";
}

TEST(QuillGDIP, ImagesReportTheirKindAndPixels)
{
    TMemoryStream png;
    png.LoadFromFile(std::string(VISTRA_SOURCE_DIR) + "/platform/gdiplus/tests/data/alpha.png");
    png.SetPosition(0);
    TGPBitmap bitmap(&png);
    EXPECT_EQ(bitmap.GetFormat(), ifPNG);
    EXPECT_TRUE(bitmap.HasAlphaChannel());
    EXPECT_FALSE(bitmap.HasPalette());
    EXPECT_EQ(bitmap.GetPixelDepth(), 32u);
    ARGB pixel = 0;
    ASSERT_EQ(bitmap.GetPixel(0, 0, pixel), Ok);
    EXPECT_EQ(pixel, 0xFFFF0000u);
    EXPECT_EQ(bitmap.GetPixel(9, 9, pixel), InvalidParameter);
    EXPECT_EQ(bitmap.GetLastStatus(), InvalidParameter);

    // Drawing the image through a colour key leaves the keyed colour out.
    TGPImageAttributes attributes;
    attributes.SetColorKey(0xFFFF0000, 0xFFFF0000);
    Drawing d(4, 2);
    d.Graphics.DrawImage(&bitmap, TGPRectF{0, 0, 4, 2}, 0, 0, 4, 2, UnitPixel, &attributes);
    EXPECT_EQ(d.At(0, 0), clWhite);
    EXPECT_NE(d.At(3, 0), clWhite);
}

TEST(QuillGDIP, TextOutlinesFillLikeText)
{
    TGPGraphicsPath path;
    TGPFontFamily arial("Arial");
    ASSERT_EQ(path.AddString("H", -1, &arial, FontStyleBold, 40, TGPPointF{0, 0}, nullptr), Ok);
    EXPECT_EQ(path.AddString("", -1, &arial, FontStyleRegular, 40, TGPPointF{0, 0}, nullptr), Ok);
    EXPECT_EQ(path.AddString("H", -1, nullptr, FontStyleRegular, 40, TGPPointF{0, 0}, nullptr), InvalidParameter);
    Drawing d(60, 60);
    TGPSolidBrush black(0xFF000000);
    d.Graphics.FillPath(&black, &path);
    // The stems of the H are inked, the space between them is not.
    int stemPixels = 0;
    for (int x = 0; x < 60; ++x) stemPixels += d.At(x, 12) == clBlack;
    EXPECT_GE(stemPixels, 8);
    EXPECT_EQ(d.At(20, 12), clWhite);
}

TEST(QuillGDIP, ThumbnailScalesTheImage)
{
    TMemoryStream png;
    png.LoadFromFile(std::string(VISTRA_SOURCE_DIR) + "/platform/gdiplus/tests/data/alpha.png");
    png.SetPosition(0);
    TGPImage image(&png);
    std::unique_ptr<TGPImage> thumb = image.GetThumbnailImage(8, 4);
    EXPECT_EQ(thumb->GetLastStatus(), Ok);
    EXPECT_EQ(thumb->GetWidth(), 8u);
    EXPECT_EQ(thumb->GetHeight(), 4u);
    Drawing d(8, 4);
    d.Graphics.DrawImage(thumb.get(), 0, 0);
    EXPECT_EQ(d.At(1, 1), clRed);
    EXPECT_EQ(image.GetThumbnailImage(0, 5)->GetLastStatus(), InvalidParameter);
}

TEST(QuillGDIP, TextureRepeatsItsImageAsTheWrapModeSays)
{
    TGPBitmap tile(2, 1);
    tile.SetPixel(0, 0, 0xFFFF0000);
    tile.SetPixel(1, 0, 0xFF0000FF);
    TGPTextureBrush repeated(&tile);
    Drawing d(8, 2);
    d.Graphics.FillRectangle(&repeated, 0.0f, 0.0f, 8.0f, 2.0f);
    EXPECT_EQ(d.At(4, 0), clRed);
    EXPECT_EQ(d.At(5, 1), clBlue);

    TGPTextureBrush once(&tile, WrapModeClamp);
    once.TranslateTransform(4, 0);
    Drawing clamped(8, 1);
    clamped.Graphics.FillRectangle(&once, 0.0f, 0.0f, 8.0f, 1.0f);
    EXPECT_EQ(clamped.At(4, 0), clRed);
    EXPECT_EQ(clamped.At(2, 0), clWhite);
    EXPECT_EQ(clamped.At(6, 0), clWhite);

    TGPTextureBrush blueOnly(&tile, WrapModeTile, 1, 0, 1, 1);
    EXPECT_EQ(blueOnly.GetImage()->GetWidth(), 1u);
    TGPTextureBrush outside(&tile, WrapModeTile, 1, 0, 2, 1);
    EXPECT_EQ(outside.GetLastStatus(), OutOfMemory);
    EXPECT_EQ(outside.GetWrapMode(), WrapModeTile);
    EXPECT_EQ(outside.GetLastStatus(), InvalidParameter) << "a brush that was never made";
}

TEST(QuillGDIP, HatchRepeatsItsPatternInTheTwoColours)
{
    TGPHatchBrush cross(HatchStyleCross, 0xFF000000, 0xFFFFFF00);
    ARGB fore = 0, back = 0;
    cross.GetForegroundColor(fore);
    cross.GetBackgroundColor(back);
    EXPECT_EQ(fore, 0xFF000000u);
    EXPECT_EQ(back, 0xFFFFFF00u);
    EXPECT_EQ(cross.GetHatchStyle(), HatchStyleLargeGrid);
    Drawing d(16, 16);
    d.Graphics.FillRectangle(&cross, 0.0f, 0.0f, 16.0f, 16.0f);
    EXPECT_EQ(d.At(5, 8), clBlack) << "a grid line every 8 pixels";
    EXPECT_EQ(d.At(8, 5), clBlack);
    EXPECT_EQ(d.At(5, 5), clYellow);
    TGPHatchBrush bad(static_cast<HatchStyle>(HatchStyleTotal), 0, 0);
    EXPECT_EQ(bad.GetLastStatus(), InvalidParameter);
    TGPPen pen(&cross);
    EXPECT_NE(dynamic_cast<TGPHatchBrush*>(pen.GetBrush().get()), nullptr);
}

TEST(QuillGDIP, SavedImagesReadBackInAnIndependentReader)
{
    REQUIRE_PEER("python3-pil");
    const testsupport::TempFolder folder("quillgdip");
    TGPBitmap bitmap(3, 1);
    bitmap.SetPixel(0, 0, 0xFFFF0000);
    bitmap.SetPixel(1, 0, 0x8000FF00);
    const std::string file = folder / "saved.png";
    ASSERT_EQ(bitmap.Save(file, ifPNG), Ok);
    const std::string script = "/usr/bin/python3 -c \"from PIL import Image; im = Image.open('" + file +
                               "').convert('RGBA'); print(*[im.getpixel((x, 0)) for x in range(3)])\"";
    std::string line;
    EXPECT_EQ(testsupport::RunCommand(script, &line), 0) << line;
    EXPECT_EQ(line, "(255, 0, 0, 255) (0, 255, 0, 128) (0, 0, 0, 0)\n");
    TMemoryStream stream;
    EXPECT_EQ(bitmap.Save(&stream, ifTIFF), UnknownImageFormat);
}

TEST(QuillGDIP, TextLooksAsTheMenusAndDropDownsDrawIt)
{
    Drawing d(220, 96);
    const auto font = fontOf("Tahoma", 9);
    std::unique_ptr<TGPFont> gpFont = d.Graphics.MakeFont(font.get());
    TGPSolidBrush black(ColorToOpaqueARGB(clBlack));
    TGPStringFormat menuFormat(StringFormatFlagsNoWrap);
    menuFormat.SetHotkeyPrefix(HotkeyPrefixShow);
    menuFormat.SetLineAlignment(StringAlignmentCenter);
    menuFormat.SetAlignment(StringAlignmentCenter);
    d.Graphics.SetTextRenderingHint(TextRenderingHintAntiAlias);
    d.Graphics.DrawString("&File && Edit", -1, gpFont.get(), TGPRectF{0, 0, 110, 24}, &menuFormat, &black);
    menuFormat.SetAlignment(StringAlignmentFar);
    d.Graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    d.Graphics.DrawString("Ctrl+S", -1, gpFont.get(), TGPRectF{110, 0, 110, 24}, &menuFormat, &black);
    d.Graphics.SetTextRenderingHint(TextRenderingHintAntiAlias);
    TRect r{4, 30, 4, 30};
    d.Graphics.DrawText("Highlighted ", -1, r, font.get(), 0, clAqua);
    const auto big = fontOf("Times New Roman", 16, TFontStyles{fsBold, fsItalic, fsUnderline});
    TRect large{4, 54, 4, 54};
    d.Graphics.DrawText("AM PM", -1, large, big.get(), 0, clNone);
    d.Bitmap.PixelsChanged();
    testsupport::ExpectMatchesGolden(d.Bitmap, "gdiplus-text");
}
