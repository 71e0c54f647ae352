// The image list: adding strips with masks, drawing enabled and greyed, getting one image back.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

#include <gtest/gtest.h>

namespace {

// A strip of two 4 x 4 images on a fuchsia background: a red and a blue square in the middle.
void fillStrip(TBitmap& strip)
{
    strip.SetSize(8, 4);
    TCanvas* canvas = strip.Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(Rect(0, 0, 8, 4));
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(1, 1, 3, 3));
    canvas->Brush()->SetColor(clBlue);
    canvas->FillRect(Rect(5, 1, 7, 3));
}

} // namespace

TEST(ImageList, AddMaskedCutsTheStripAndDrawsTransparently)
{
    TImageList list(4, 4);
    TBitmap strip;
    fillStrip(strip);
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);

    TBitmap target(10, 10);
    TCanvas* canvas = target.Canvas();
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(Rect(0, 0, 10, 10));
    list.Draw(canvas, 2, 2, 1);
    EXPECT_EQ(canvas->Pixels(2, 2), clLime) << "masked pixel";
    EXPECT_EQ(canvas->Pixels(3, 3), clBlue);

    list.Draw(canvas, 6, 6, 0, false);
    TColorRef greyed = static_cast<TColorRef>(canvas->Pixels(7, 7));
    EXPECT_EQ(GetRValue(greyed), GetGValue(greyed)) << "disabled images are grey";
    EXPECT_GT(GetRValue(greyed), 128) << "and light";
    EXPECT_EQ(canvas->Pixels(6, 6), clLime);

    TBitmap one;
    one.Canvas()->Brush()->SetColor(clYellow);
    list.GetBitmap(0, &one);
    EXPECT_EQ(one.Width(), 4);
    EXPECT_EQ(one.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(one.Canvas()->Pixels(0, 0), clYellow) << "transparent pixels show the brush";
    EXPECT_THROW(list.GetBitmap(2, &one), EInvalidOperation);
    list.Draw(canvas, 0, 0, 99); // out of range draws nothing
}

TEST(ImageList, MaskBitmapAndSizeChange)
{
    TImageList list(4, 4);
    TBitmap strip;
    fillStrip(strip);
    TBitmap mask(8, 4);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 8, 2));
    list.Add(&strip, &mask);
    TBitmap target(4, 4);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->FillRect(Rect(0, 0, 4, 4));
    list.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clRed) << "black mask keeps the pixel";
    EXPECT_EQ(target.Canvas()->Pixels(1, 2), clLime) << "white mask hides it";
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(changes, 1);
    TBitmap empty;
    EXPECT_THROW(list.AddMasked(&empty, clNone), EInvalidOperation);
}
