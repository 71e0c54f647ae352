// Font lookup, string measuring and drawing with string formats.
#include "TestSurface.h"

#include "platform/gdiplus/Objects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using gdiplus::testing::TestSurface;

namespace {

GpFont fontOf(const char* family, float points, int style = FontStyleRegular)
{
    GpFontFamily* found = nullptr;
    EXPECT_EQ(GdipCreateFontFamilyFromName(family, nullptr, &found), Ok) << family;
    GpFont font{found ? *found : GpFontFamily{}, points, style, UnitPoint};
    GdipDeleteFontFamily(found);
    return font;
}

TGPRectF measure(GpGraphics* g, std::string_view text, const GpFont& font, TGPRectF layout = {0, 0, 1000, 1000},
                 const GpStringFormat* format = nullptr)
{
    TGPRectF box;
    EXPECT_EQ(GdipMeasureString(g, text, &font, &layout, format, &box, nullptr, nullptr), Ok);
    return box;
}

// The rows that hold drawn pixels, as first and last row.
std::pair<int, int> inkedRows(const TestSurface& s, int width, int height)
{
    int first = -1, last = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (s.Pixel(x, y) >> 24) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

} // namespace

TEST(Fonts, KnownFacesAreFoundAndOthersReportNotFound)
{
    for (const char* name : {"Arial", "tahoma", "Courier New", "Liberation Serif"}) {
        GpFontFamily* family = nullptr;
        EXPECT_EQ(GdipCreateFontFamilyFromName(name, nullptr, &family), Ok) << name;
        GdipDeleteFontFamily(family);
    }
    GpFontFamily* family = nullptr;
    EXPECT_EQ(GdipCreateFontFamilyFromName("No Such Face", nullptr, &family), FontFamilyNotFound);
    EXPECT_EQ(family, nullptr);
    EXPECT_EQ(GdipCreateFontFamilyFromName("", nullptr, &family), FontFamilyNotFound);
}

TEST(Text, MeasuredBoxHasASixthOfAnEmEachSideAndNoTrailingSpaces)
{
    TestSurface s(10, 10);
    GpFont font = fontOf("Arial", 12); // a 16-pixel em
    const TGPRectF empty = measure(s.Graphics, "", font);
    EXPECT_EQ(empty.Width, 0);
    EXPECT_EQ(empty.Height, 0);
    const TGPRectF word = measure(s.Graphics, "Word", font);
    const TGPRectF words = measure(s.Graphics, "Word Word", font);
    EXPECT_GT(word.Height, 14);
    EXPECT_GT(words.Width, word.Width * 1.5);
    EXPECT_EQ(measure(s.Graphics, "Word  ", font).Width, word.Width);
    GpStringFormat trailing;
    trailing.Flags = StringFormatFlagsMeasureTrailingSpaces;
    EXPECT_GT(measure(s.Graphics, "Word  ", font, {0, 0, 1000, 1000}, &trailing).Width, word.Width);
    // Drawn ink starts a sixth of an em in from the box.
    TestSurface drawn(200, 40);
    GpSolidFill black(0xFF000000);
    const TGPRectF layout{0, 0, 0, 0};
    GdipDrawString(drawn.Graphics, "l", &font, &layout, nullptr, &black);
    int firstInk = -1;
    for (int x = 0; x < 20 && firstInk < 0; ++x)
        for (int y = 0; y < 40; ++y)
            if (drawn.Pixel(x, y) >> 24 > 100) {
                firstInk = x;
                break;
            }
    EXPECT_GE(firstInk, 2);
    EXPECT_LE(firstInk, 5);
}

TEST(Text, WrappingFollowsTheLayoutWidthUnlessTurnedOff)
{
    TestSurface s(10, 10);
    GpFont font = fontOf("Arial", 10);
    GpStringFormat wraps, noWrap;
    noWrap.Flags = StringFormatFlagsNoWrap;
    int linesWrapped = 0, linesKept = 0;
    TGPRectF box;
    const TGPRectF narrow{0, 0, 40, 1000};
    GdipMeasureString(s.Graphics, "one two three four", &font, &narrow, &wraps, &box, nullptr, &linesWrapped);
    GdipMeasureString(s.Graphics, "one two three four", &font, &narrow, &noWrap, &box, nullptr, &linesKept);
    EXPECT_GE(linesWrapped, 3);
    EXPECT_EQ(linesKept, 1);
}

TEST(Text, AlignmentPlacesTheBoxInTheLayoutRectangle)
{
    TestSurface s(10, 10);
    GpFont font = fontOf("Arial", 10);
    GpStringFormat format;
    format.Flags = StringFormatFlagsNoWrap;
    const TGPRectF layout{100, 50, 200, 60};
    const TGPRectF near = measure(s.Graphics, "Caption", font, layout, &format);
    format.Align = StringAlignmentCenter;
    format.LineAlign = StringAlignmentCenter;
    const TGPRectF centred = measure(s.Graphics, "Caption", font, layout, &format);
    format.Align = StringAlignmentFar;
    format.LineAlign = StringAlignmentFar;
    const TGPRectF far = measure(s.Graphics, "Caption", font, layout, &format);
    EXPECT_FLOAT_EQ(near.X, 100);
    EXPECT_FLOAT_EQ(near.Y, 50);
    EXPECT_NEAR(centred.X + centred.Width / 2, 200, 0.5);
    EXPECT_NEAR(centred.Y + centred.Height / 2, 80, 0.5);
    EXPECT_NEAR(far.X + far.Width, 300, 0.5);
    EXPECT_NEAR(far.Y + far.Height, 110, 0.5);

    // Wrapped text is aligned line by line inside the rectangle, and so is its box.
    format.Flags = 0;
    format.Align = StringAlignmentCenter;
    const TGPRectF wrapped = measure(s.Graphics, "Caption", font, layout, &format);
    EXPECT_NEAR(wrapped.X + wrapped.Width / 2, 200, 0.5);
}

TEST(Text, HotkeyPrefixIsDroppedAndUnderlinedOnlyWhenShown)
{
    GpFont font = fontOf("Arial", 10);
    GpSolidFill black(0xFF000000);
    const TGPRectF layout{0, 0, 100, 30};
    GpStringFormat none, show, hide;
    show.HotkeyPrefix = HotkeyPrefixShow;
    hide.HotkeyPrefix = HotkeyPrefixHide;
    TestSurface measuring(10, 10);
    EXPECT_EQ(measure(measuring.Graphics, "&File", font, layout, &show).Width,
              measure(measuring.Graphics, "File", font, layout, &none).Width);
    EXPECT_GT(measure(measuring.Graphics, "&File", font, layout, &none).Width,
              measure(measuring.Graphics, "File", font, layout, &none).Width);

    TestSurface shown(100, 30), hidden(100, 30);
    GdipDrawString(shown.Graphics, "&nnn", &font, &layout, &show, &black);
    GdipDrawString(hidden.Graphics, "&nnn", &font, &layout, &hide, &black);
    EXPECT_GT(inkedRows(shown, 100, 30).second, inkedRows(hidden, 100, 30).second) << "the underline sits below the letters";
}

TEST(Text, DrawnTextIsClippedToItsLayoutRectangle)
{
    TestSurface s(200, 40);
    GpFont font = fontOf("Arial", 20);
    GpSolidFill black(0xFF000000);
    const TGPRectF layout{0, 0, 200, 10};
    GpStringFormat format;
    GdipDrawString(s.Graphics, "Clipped", &font, &layout, &format, &black);
    EXPECT_LE(inkedRows(s, 200, 40).second, 9);
    format.Flags = StringFormatFlagsNoClip;
    GdipGraphicsClear(s.Graphics, 0);
    GdipDrawString(s.Graphics, "Clipped", &font, &layout, &format, &black);
    EXPECT_GT(inkedRows(s, 200, 40).second, 9);
}

TEST(Text, BytesThatAreNotUtf8AreDrawnAsReplacements)
{
    TestSurface s(100, 30);
    GpFont font = fontOf("Arial", 10);
    const std::string broken = "ab\xff\xfe" "cd\xc3";
    EXPECT_GT(measure(s.Graphics, broken, font).Width, measure(s.Graphics, "abcd", font).Width);
    GpSolidFill black(0xFF000000);
    const TGPRectF layout{0, 0, 100, 30};
    EXPECT_EQ(GdipDrawString(s.Graphics, broken, &font, &layout, nullptr, &black), Ok);
}
