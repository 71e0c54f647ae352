// Fonts, pens and brushes: sizes, change events, Assign, and the font-name map.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FontMap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"

#include <gtest/gtest.h>

TEST(GraphicsObjects, FontSizeAndHeightAt96PixelsPerInch)
{
    TFont font;
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
}

TEST(GraphicsObjects, ChangesNotifyAndAssignCopies)
{
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetStyle({fsBold, fsUnderline});
    font.SetColor(clRed);
    font.SetColor(clRed);
    EXPECT_EQ(changes, 2) << "setting the same value is no change";
    TFont copy;
    copy.Assign(&font);
    EXPECT_TRUE(copy.Style().Contains(fsBold));
    EXPECT_EQ(copy.Color(), clRed);
    LOGFONT log = copy.LogFont();
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_EQ(log.lfUnderline, 1);

    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(clBlue);
    EXPECT_EQ(brush.Style(), bsSolid) << "a colour makes a clear brush solid";
    TPen pen;
    pen.SetWidth(-3);
    EXPECT_EQ(pen.Width(), 0);
    TPen other;
    other.SetMode(pmXor);
    pen.Assign(&other);
    EXPECT_EQ(pen.Mode(), pmXor);
    EXPECT_THROW(pen.Assign(&brush), EConvertError);
}

TEST(GraphicsObjects, FontNamesMapOntoTheFixedFonts)
{
    EXPECT_EQ(graphics::MapFontName("Tahoma"), "Liberation Sans");
    EXPECT_EQ(graphics::MapFontName("ms sans serif"), "Liberation Sans");
    EXPECT_EQ(graphics::MapFontName("Courier New"), "Liberation Mono");
    EXPECT_EQ(graphics::MapFontName("FixedSys"), "Liberation Mono");
    EXPECT_EQ(graphics::MapFontName("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(graphics::MapFontName("No Such Font"), "Liberation Sans");
    EXPECT_EQ(graphics::MapFontName(""), "Liberation Sans");
}

TEST(GraphicsObjects, TextMetricsAreFixed)
{
    // The fixed fonts make these figures the same on every machine.
    struct Row {
        const char* Name;
        int Size, Height, HelloWidth;
        bool Fixed;
    } rows[] = {{"Tahoma", 8, 13, 24, false}, {"Arial", 12, 19, 38, false}, {"Courier New", 8, 14, 35, true},
                {"Times New Roman", 10, 15, 30, false}, {"Unknown", 8, 13, 24, false}};
    TBitmap bitmap(1, 1);
    TCanvas* canvas = bitmap.Canvas();
    for (const auto& row : rows) {
        canvas->Font()->SetName(row.Name);
        canvas->Font()->SetSize(row.Size);
        EXPECT_EQ(canvas->TextHeight("gh"), row.Height) << row.Name;
        EXPECT_EQ(canvas->TextWidth("Hello"), row.HelloWidth) << row.Name;
        TEXTMETRIC tm;
        GetTextMetrics(canvas->Handle(), tm);
        EXPECT_EQ(tm.tmHeight, row.Height) << row.Name;
        EXPECT_EQ((tm.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0, row.Fixed) << row.Name;
    }
    canvas->Font()->SetStyle({fsBold});
    canvas->Font()->SetName("Arial");
    canvas->Font()->SetSize(12);
    EXPECT_GT(canvas->TextWidth("Hello"), 38) << "bold is wider";
    canvas->Font()->SetHeight(19);
    EXPECT_EQ(canvas->TextHeight("gh"), 19) << "a positive height is the cell height";
}
