#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

TEST(Canvas, FillRectAndPixels)
{
    TBitmap bitmap(10, 10);
    TCanvas* canvas = bitmap.Canvas();
    EXPECT_EQ(canvas->Pixels(0, 0), clWhite);
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(2, 2, 5, 5));
    EXPECT_EQ(canvas->Pixels(2, 2), clRed);
    EXPECT_EQ(canvas->Pixels(4, 4), clRed);
    EXPECT_EQ(canvas->Pixels(5, 5), clWhite);
    EXPECT_EQ(canvas->Pixels(1, 1), clWhite);
    EXPECT_EQ(canvas->Pixels(10, 0), -1);
}

TEST(Canvas, TextMeasures)
{
    TBitmap bitmap(100, 30);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetName("Tahoma");
    canvas->Font()->SetSize(8);
    int h = canvas->TextHeight("gh");
    int w = canvas->TextWidth("Hello");
    EXPECT_GT(h, 8);
    EXPECT_LT(h, 20);
    EXPECT_GT(w, 15);
    EXPECT_LT(w, 40);
    canvas->TextOut(0, 0, "Hello");
}
