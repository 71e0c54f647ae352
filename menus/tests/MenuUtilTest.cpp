// Geometry and colour routines of the styled menus.
#include "menus/MenuUtil.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GraphicsObjects.h"

#include <gtest/gtest.h>

TEST(MenuUtilTest, CenterRectOnPlacesTheSizeOnTheCentreRoundingDownRight)
{
    struct Case {
        TRect R;
        int W, H;
        TRect Expected;
    };
    const Case cases[] = {
        {Rect(0, 0, 10, 10), 4, 4, Rect(3, 3, 7, 7)},
        {Rect(0, 0, 10, 10), 3, 3, Rect(3, 3, 6, 6)},
        {Rect(5, 20, 25, 30), 20, 2, Rect(5, 24, 25, 26)},
        // Larger than the rectangle: spills over both sides.
        {Rect(0, 0, 4, 4), 8, 6, Rect(-2, -1, 6, 5)},
        // Negative sums truncate toward zero, as integer division does.
        {Rect(-10, -10, -5, -5), 2, 2, Rect(-8, -8, -6, -6)},
    };
    for (const Case& c : cases) {
        TRect r = c.R;
        CenterRectOn(r, c.W, c.H);
        EXPECT_EQ(r, c.Expected) << c.R.Left << "," << c.R.Top << " " << c.W << "x" << c.H;
    }
}

TEST(MenuUtilTest, ColourBytesResolveSystemColoursAndPackBack)
{
    const TColorBytes plain = SplitColorBytes(0x123456);
    EXPECT_EQ(plain.R, 0x56);
    EXPECT_EQ(plain.G, 0x34);
    EXPECT_EQ(plain.B, 0x12);
    const TColor resolved = ColorToRGB(clHighlight);
    const TColorBytes system = SplitColorBytes(clHighlight);
    EXPECT_EQ(PackColorBytes(system.R, system.G, system.B, 0), resolved);
    EXPECT_EQ(PackColorBytes(1, 2, 3, 4), 0x04030201);
    EXPECT_EQ(static_cast<std::uint32_t>(PackColorBytes(0, 0, 0, 0xFF)), 0xFF000000u);
}

TEST(MenuUtilTest, BitmapBoundsAndRectSizes)
{
    TBitmap bitmap(7, 3);
    EXPECT_EQ(BitmapBounds(&bitmap), Rect(0, 0, 7, 3));
    EXPECT_EQ(BitmapBounds(nullptr), TRect{});
    EXPECT_EQ(RectWidth(Rect(2, 3, 9, 4)), 7);
    EXPECT_EQ(RectHeight(Rect(2, 3, 9, 4)), 1);
    EXPECT_EQ(MinOf(-1, 2), -1);
    EXPECT_EQ(MaxOf(-1, 2), 2);
}

TEST(MenuUtilTest, RotatedFontKeepsTheFaceAndTurnsByTheAngle)
{
    TFont font;
    font.SetName("DejaVu Sans");
    font.SetHeight(-19);
    font.SetStyle({fsBold, fsItalic, fsUnderline});
    font.SetPitch(fpFixed);
    HFONT handle = CreateRotatedFont(font, 90);
    ASSERT_NE(handle, nullptr);
    TFont back;
    back.SetHandle(handle);
    EXPECT_EQ(back.Name(), "DejaVu Sans");
    EXPECT_EQ(back.Height(), -19);
    EXPECT_EQ(back.Orientation(), 900);
    EXPECT_EQ(back.Style(), TFontStyles({fsBold, fsItalic, fsUnderline}));
    EXPECT_EQ(back.Pitch(), fpFixed);
    EXPECT_EQ(back.Charset(), DEFAULT_CHARSET);
    DeleteObject(handle);
}

TEST(MenuUtilTest, InvalidPropertyIndexNamesTheIndex)
{
    EXPECT_STREQ(EInvalidPropertyIndex(4).what(), "Invalid property index 4.");
    EXPECT_STREQ(EInvalidPropertyIndex(-1).what(), "Invalid property index -1.");
}
