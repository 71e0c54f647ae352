#include "platform/graphics/Colors.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

TEST(Colors, SystemColoursResolveThroughTheFixedPalette)
{
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(200), 0u);
    // Unknown system index: resolved like GetSysColor, to black, instead of a random value.
    EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF0000FFu)), 0);
}

TEST(Colors, NamesAndTextRoundTrip)
{
    struct Row {
        TColor Color;
        const char* Text;
    } rows[] = {{clBtnFace, "clBtnFace"}, {clNone, "clNone"}, {clWhite, "clWhite"}, {0x123456, "$00123456"},
                {static_cast<TColor>(0x80FF0000u), "$80FF0000"}};
    for (const auto& row : rows) {
        EXPECT_EQ(ColorToString(row.Color), row.Text);
        EXPECT_EQ(StringToColor(row.Text), row.Color) << row.Text;
    }
    EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("0xFF"), clRed);
    for (const char* bad : {"", "$", "$12G4", "clNotAColour", "12x", "$1FFFFFFFFF"})
        EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}
