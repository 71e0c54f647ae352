// Gradient, bar and background painters, checked pixel by pixel and against a reference image.
#include "menus/MenuDrawing.h"

#include "menus/MenuBackground.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "testsupport/GoldenImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr TColor Paper = 0x00FF00; // a colour none of the painters below uses

// A bitmap filled with Paper, so that unpainted pixels show.
struct Sheet {
    TBitmap Bitmap;
    Sheet(int W, int H) : Bitmap(W, H)
    {
        Canvas().Brush()->SetColor(Paper);
        Canvas().FillRect(Rect(0, 0, W, H));
    }
    TCanvas& Canvas() { return *Bitmap.Canvas(); }
    TColor At(int X, int Y) { return Canvas().Pixels(X, Y); }
    std::vector<TColor> Row(int Y, int From, int To)
    {
        std::vector<TColor> row;
        for (int x = From; x < To; ++x) row.push_back(At(x, Y));
        return row;
    }
    std::vector<TColor> Column(int X, int From, int To)
    {
        std::vector<TColor> column;
        for (int y = From; y < To; ++y) column.push_back(At(X, y));
        return column;
    }
};

using Colors = std::vector<TColor>;

} // namespace

TEST(MenuDrawingTest, VerticalGradientStepsPerRowAndStopsShortOfTheEnd)
{
    Sheet sheet(3, 6);
    DrawLinearGradient(sheet.Canvas(), Rect(0, 1, 3, 5), 0x000000, 0x0000FF, gdVertical);
    EXPECT_EQ(sheet.Column(1, 0, 6), (Colors{Paper, 0x00, 63, 127, 191, Paper}));
    EXPECT_EQ(sheet.Row(4, 0, 3), (Colors{191, 191, 191}));
}

TEST(MenuDrawingTest, HorizontalGradientStepsPerColumnInEveryChannel)
{
    Sheet sheet(5, 2);
    DrawLinearGradient(sheet.Canvas(), Rect(0, 0, 4, 2), 0x0080FF, 0xFF8000, gdHorizontal);
    // Red falls 255 -> 0, green stays, blue rises 0 -> 255, a quarter per column.
    EXPECT_EQ(sheet.Row(1, 0, 5), (Colors{0x0080FF, 0x3F80C0, 0x7F8080, 0xBF8040, Paper}));
}

TEST(MenuDrawingTest, GradientWithoutSecondColourOrSizeIsPlainOrNothing)
{
    Sheet sheet(4, 4);
    DrawLinearGradient(sheet.Canvas(), Rect(0, 0, 2, 2), 0x123456, clNone, gdVertical);
    EXPECT_EQ(sheet.Row(0, 0, 3), (Colors{0x123456, 0x123456, Paper}));
    DrawLinearGradient(sheet.Canvas(), Rect(2, 2, 4, 2), 0x000000, 0xFFFFFF, gdVertical);
    DrawLinearGradient(sheet.Canvas(), Rect(3, 3, 2, 4), 0x000000, 0xFFFFFF, gdHorizontal);
    DrawLinearGradient(sheet.Canvas(), Rect(3, 3, 2, 4), 0xABCDEF, 0xABCDEF, gdHorizontal);
    EXPECT_EQ(sheet.Row(3, 0, 4), (Colors{Paper, Paper, Paper, Paper}));
}

TEST(MenuDrawingTest, SliceEqualToTheWholeMatchesTheGradientAndOutsidePaintsNothing)
{
    Sheet whole(1, 8);
    Sheet slice(1, 8);
    DrawLinearGradient(whole.Canvas(), Rect(0, 0, 1, 8), 0x000000, 0x0000FF, gdVertical);
    DrawGradientSlice(slice.Canvas(), Rect(0, 0, 1, 8), Rect(0, 0, 1, 8), 0x000000, 0x0000FF, gdVertical);
    EXPECT_EQ(slice.Column(0, 0, 8), whole.Column(0, 0, 8));

    Sheet outside(4, 4);
    DrawGradientSlice(outside.Canvas(), Rect(0, 0, 2, 2), Rect(2, 2, 4, 4), 0x000000, 0xFFFFFF, gdVertical);
    EXPECT_EQ(outside.At(2, 2), Paper);
    EXPECT_EQ(outside.At(1, 1), Paper);
}

TEST(MenuDrawingTest, SlicesOfOneGradientStartWhereTheirPartOfTheWholeStarts)
{
    Sheet sheet(8, 1);
    // Two halves of an 8-pixel red ramp, each painted on its own.
    DrawGradientSlice(sheet.Canvas(), Rect(0, 0, 8, 1), Rect(0, 0, 4, 1), 0x000000, 0x0000FF, gdHorizontal);
    DrawGradientSlice(sheet.Canvas(), Rect(0, 0, 8, 1), Rect(4, 0, 8, 1), 0x000000, 0x0000FF, gdHorizontal);
    // The second half starts at 255 * 4 / 8 and runs toward 255.
    EXPECT_EQ(sheet.Row(0, 0, 8), (Colors{0, 31, 63, 95, 127, 159, 191, 223}));
}

TEST(MenuDrawingTest, BoxesFillAndFrameOnlyWithColours)
{
    Sheet box(4, 4);
    DrawGradientBox(box.Canvas(), Rect(0, 0, 4, 4), 0x0000FF, clNone, gdVertical, 0xFF0000, true);
    EXPECT_EQ(box.Row(0, 0, 4), (Colors{0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000}));
    EXPECT_EQ(box.Row(1, 0, 4), (Colors{0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000}));

    Sheet noFill(4, 4);
    DrawGradientBox(noFill.Canvas(), Rect(0, 0, 4, 4), 0x0000FF, clNone, gdVertical, clNone, false);
    DrawGradientBox(noFill.Canvas(), Rect(0, 0, 4, 4), clNone, 0x0000FF, gdVertical, clNone, true);
    EXPECT_EQ(noFill.Row(1, 0, 4), (Colors{Paper, Paper, Paper, Paper}));
}

TEST(MenuDrawingTest, MirrorBoxPaintsTheLowerHalfFromTheMirrorColours)
{
    Sheet sheet(1, 5);
    DrawMirrorGradientBox(sheet.Canvas(), Rect(0, 0, 1, 5), 0x000010, clNone, 0x000020, clNone, gdVertical, clNone,
                          true);
    // Height 5: the upper half is 2 rows, the lower half 3.
    EXPECT_EQ(sheet.Column(0, 0, 5), (Colors{0x10, 0x10, 0x20, 0x20, 0x20}));

    Sheet plain(1, 4);
    DrawMirrorGradientBox(plain.Canvas(), Rect(0, 0, 1, 4), 0x000000, 0x0000FF, clNone, 0x00FFFF, gdVertical,
                          clNone, true);
    EXPECT_EQ(plain.Column(0, 0, 4), (Colors{0, 63, 127, 191}));
}

TEST(MenuDrawingTest, BarWithoutFadeIsOneSolidBandInsetByTheMargin)
{
    struct Case {
        TGradientType Type;
        TColor Solid;
    };
    for (const Case& c : {Case{gtBoth, 0x000080}, Case{gtLeft, 0x008000}, Case{gtRight, 0x008000}}) {
        Sheet across(8, 1);
        DrawGradientBar(across.Canvas(), Rect(0, 0, 8, 1), 0x000080, 0x008000, gdHorizontal, c.Type, 0, 2);
        EXPECT_EQ(across.Row(0, 0, 8), (Colors{Paper, Paper, c.Solid, c.Solid, c.Solid, c.Solid, Paper, Paper}))
            << c.Type;
        Sheet down(1, 6);
        DrawGradientBar(down.Canvas(), Rect(0, 0, 1, 6), 0x000080, 0x008000, gdVertical, c.Type, 0, 1);
        EXPECT_EQ(down.Column(0, 0, 6), (Colors{Paper, c.Solid, c.Solid, c.Solid, c.Solid, Paper})) << c.Type;
    }
}

TEST(MenuDrawingTest, BothEndsFadeTheFullWidthDownButHalfOfItAcross)
{
    constexpr TColor Full = 0x0000FF;
    constexpr TColor Faded = 0x000000;
    Sheet down(1, 20);
    DrawGradientBar(down.Canvas(), Rect(0, 0, 1, 20), Full, Faded, gdVertical, gtBoth, 5, 0);
    EXPECT_EQ(down.Column(0, 0, 20), (Colors{0, 51, 102, 153, 204, Full, Full, Full, Full, Full, Full, Full, Full,
                                             Full, Full, 255, 204, 153, 102, 51}));
    Sheet across(10, 1);
    DrawGradientBar(across.Canvas(), Rect(0, 0, 10, 1), Full, Faded, gdHorizontal, gtBoth, 5, 0);
    EXPECT_EQ(across.Row(0, 0, 10), (Colors{0, 127, Full, Full, Full, Full, Full, Full, 255, 128}));
}

TEST(MenuDrawingTest, OneSidedBarsEndInColourAtTheirNamedEdge)
{
    Sheet left(6, 1);
    DrawGradientBar(left.Canvas(), Rect(0, 0, 6, 1), 0x0000FF, 0x000000, gdHorizontal, gtLeft, 2, 0);
    EXPECT_EQ(left.Row(0, 0, 6), (Colors{255, 128, 0, 0, 0, 0}));
    Sheet right(6, 1);
    DrawGradientBar(right.Canvas(), Rect(0, 0, 6, 1), 0x0000FF, 0x000000, gdHorizontal, gtRight, 2, 0);
    EXPECT_EQ(right.Row(0, 0, 6), (Colors{0, 0, 0, 0, 0, 127}));
    Sheet bottom(1, 4);
    DrawGradientBar(bottom.Canvas(), Rect(0, 0, 1, 4), 0x0000FF, 0x000000, gdVertical, gtLeft, 2, 0);
    EXPECT_EQ(bottom.Column(0, 0, 4), (Colors{0, 0, 0, 127}));
    Sheet top(1, 4);
    DrawGradientBar(top.Canvas(), Rect(0, 0, 1, 4), 0x0000FF, 0x000000, gdVertical, gtRight, 2, 0);
    EXPECT_EQ(top.Column(0, 0, 4), (Colors{255, 128, 0, 0}));
}

TEST(MenuDrawingTest, FadeLongerThanTheBarLeavesNoSolidPartAndNoGap)
{
    Sheet left(4, 1);
    DrawGradientBar(left.Canvas(), Rect(0, 0, 4, 1), 0x0000FF, 0x000000, gdHorizontal, gtLeft, 9, 0);
    EXPECT_EQ(left.Row(0, 0, 4), (Colors{255, 192, 128, 64}));
    Sheet even(4, 1);
    DrawGradientBar(even.Canvas(), Rect(0, 0, 4, 1), 0x0000FF, 0x000000, gdHorizontal, gtBoth, 9, 0);
    EXPECT_EQ(even.Row(0, 0, 4), (Colors{0, 127, 255, 128}));
    // An odd length leaves a middle pixel between the two fades; it takes Color.
    Sheet odd(5, 1);
    DrawGradientBar(odd.Canvas(), Rect(0, 0, 5, 1), 0x0000FF, 0x000000, gdHorizontal, gtBoth, 9, 0);
    EXPECT_EQ(odd.Row(0, 0, 5), (Colors{0, 127, 255, 255, 128}));
}

namespace {
std::unique_ptr<TPicture> SolidPicture(int W, int H, TColor Color)
{
    TBitmap bitmap(W, H);
    if (W > 0 && H > 0) {
        bitmap.Canvas()->Brush()->SetColor(Color);
        bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
    }
    auto picture = std::make_unique<TPicture>();
    picture->SetGraphic(&bitmap);
    return picture;
}
} // namespace

TEST(MenuDrawingTest, BackgroundPaintsItsGradientInsideTheMargins)
{
    Sheet sheet(6, 6);
    TBackground background(nullptr);
    background.SetColor(0x000000);
    background.SetColorTo(0x0000FF);
    background.SetMarginX(1);
    background.SetMarginY(1);
    PaintMenuBackground(sheet.Canvas(), Rect(0, 0, 6, 6), background, true);
    EXPECT_EQ(sheet.Column(2, 0, 6), (Colors{Paper, 0, 63, 127, 191, Paper}));
    EXPECT_EQ(sheet.Row(2, 0, 6), (Colors{Paper, 63, 63, 63, 63, Paper}));
    // Margins wider than the area leave nothing to paint.
    background.SetMarginX(4);
    Sheet none(6, 6);
    PaintMenuBackground(none.Canvas(), Rect(0, 0, 6, 6), background, true);
    EXPECT_EQ(none.At(3, 3), Paper);
}

TEST(MenuDrawingTest, TiledBackgroundWithAnEmptyPictureShowsOnlyTheGradient)
{
    Sheet sheet(4, 4);
    TBackground background(nullptr);
    background.SetColor(0x0000FF);
    background.SetPosition(bpTiled);
    background.SetImage(SolidPicture(0, 0, clBlack).get());
    PaintMenuBackground(sheet.Canvas(), Rect(0, 0, 4, 4), background, true);
    EXPECT_EQ(sheet.Row(3, 0, 4), (Colors{0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF}));
}

// The background makes a bitmap picture transparent (its bottom-left colour),
// so the gradient shows through the tiles.
TEST(MenuDrawingTest, TiledPictureRepeatsFromTheCornerOverTheGradient)
{
    Sheet sheet(5, 3);
    TBackground background(nullptr);
    background.SetColor(0xFFFFFF);
    background.SetPosition(bpTiled);
    TBitmap tile(2, 2);
    tile.Canvas()->Brush()->SetColor(0x0000FF);
    tile.Canvas()->FillRect(Rect(0, 0, 2, 2));
    tile.Canvas()->SetPixels(0, 0, 0xFF0000);
    TPicture picture;
    picture.SetGraphic(&tile);
    background.SetImage(&picture);
    PaintMenuBackground(sheet.Canvas(), Rect(0, 0, 5, 3), background, true);
    EXPECT_EQ(sheet.Row(0, 0, 5), (Colors{0xFF0000, clWhite, 0xFF0000, clWhite, 0xFF0000}));
    EXPECT_EQ(sheet.Row(1, 0, 5), (Colors{clWhite, clWhite, clWhite, clWhite, clWhite}));
    EXPECT_EQ(sheet.Row(2, 0, 5), (Colors{0xFF0000, clWhite, 0xFF0000, clWhite, 0xFF0000}));
}

// A popup-like composition: background with a centred picture, an icon column
// painted in slices, a mirrored highlight and a fading separator.
TEST(MenuDrawingTest, ComposedMenuMatchesTheReferenceImage)
{
    TBitmap bitmap(120, 90);
    TCanvas& canvas = *bitmap.Canvas();
    TBackground background(nullptr);
    background.SetColor(0xFFFAFD);
    background.SetColorTo(0xE0D0D0);
    background.SetPosition(bpBottomRight);
    background.SetOffsetX(-4);
    background.SetOffsetY(-4);
    // The picture's frame is in its transparent colour (the bottom-left pixel).
    auto picture = SolidPicture(20, 12, 0x3080F0);
    picture->Bitmap()->Canvas()->Brush()->SetColor(clFuchsia);
    picture->Bitmap()->Canvas()->FrameRect(Rect(0, 0, 20, 12));
    background.SetImage(picture.get());
    PaintMenuBackground(canvas, Rect(0, 0, 120, 90), background, true);
    const TRect column = Rect(0, 0, 24, 90);
    for (int top = 0; top < 90; top += 18)
        DrawGradientSlice(canvas, column, Rect(0, top, 24, top + 18), 0xFFF9F9, 0xBBA0A1, gdHorizontal);
    DrawMirrorGradientBox(canvas, Rect(2, 20, 118, 40), 0xC2EEFF, 0x9DD8FF, 0x70C0FF, 0xC2EEFF, gdVertical, 0x6F4B4B,
                          true);
    DrawGradientBar(canvas, Rect(28, 50, 118, 51), 0x8F6D6E, 0xFFFAFD, gdHorizontal, gtBoth, 30, 2);
    DrawGradientBar(canvas, Rect(60, 55, 62, 88), 0x8F6D6E, 0xFFFAFD, gdVertical, gtLeft, 10, 2);
    testsupport::ExpectMatchesGolden(bitmap, "composed-menu");
}
