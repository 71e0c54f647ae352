// Drop-down, push and spin buttons in every look and state.
#include "grid/base/QuillUtilPaint.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "testsupport/GoldenImage.h"
#include "render/QuillStyleIF.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace grid;

TColorTones SampleTones()
{
    TColorTones tones;
    tones.Background = {RGB(230, 230, 250), RGB(90, 90, 160), RGB(20, 20, 90)};
    tones.Foreground = {RGB(250, 250, 250), RGB(0, 0, 0), RGB(0, 0, 0)};
    tones.Selected = {RGB(250, 200, 120), RGB(160, 110, 40), RGB(0, 0, 0)};
    tones.Hover = {RGB(250, 230, 170), RGB(190, 150, 60), RGB(0, 0, 0)};
    tones.Disabled = {RGB(210, 210, 210), RGB(160, 160, 160), RGB(128, 128, 128)};
    return tones;
}

using TButtonPainter = void (*)(TCanvas&, HWND, const TRect&, int, int, const TColorTones&);

// One row per look, one column per state, each button in a 40 x 24 cell.
std::unique_ptr<TBitmap> ButtonSheet(TButtonPainter paint)
{
    auto sheet = std::make_unique<TBitmap>(4 * 40, 4 * 24);
    sheet->SetPixelFormat(pf24bit);
    FillRectWithColor(*sheet->Canvas(), {0, 0, sheet->Width(), sheet->Height()}, clWhite);
    const TColorTones tones = SampleTones();
    for (int look = kButtonLookThemed; look <= kButtonLookTones; ++look)
        for (int state = kButtonNormal; state <= kButtonDisabled; ++state)
            paint(*sheet->Canvas(), 0, {state * 40 + 2, look * 24 + 2, state * 40 + 38, look * 24 + 22}, look, state,
                tones);
    return sheet;
}

} // namespace

TEST(ButtonLooksTest, EveryLookAndStateMatchesItsReference)
{
    testsupport::ExpectMatchesGolden(*ButtonSheet(DrawComboButton), "combo-buttons");
    testsupport::ExpectMatchesGolden(*ButtonSheet(DrawPushButton), "push-buttons");
    testsupport::ExpectMatchesGolden(*ButtonSheet(DrawSpinButtons), "spin-buttons");
}

TEST(ButtonLooksTest, ThemedLookDrawsTheClassicButtonWithoutATheme)
{
    for (TButtonPainter paint : {DrawComboButton, DrawPushButton, DrawSpinButtons}) {
        auto sheet = ButtonSheet(paint);
        TCanvas& c = *sheet->Canvas();
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < sheet->Width(); ++x)
                ASSERT_EQ(c.Pixels(x, y), c.Pixels(x, y + 24)) << x << "," << y;
    }
}

TEST(ButtonLooksTest, TonesPickTheStatesColours)
{
    const TColorTones tones = SampleTones();
    TBitmap sheet(60, 30);
    sheet.SetPixelFormat(pf24bit);
    TCanvas& c = *sheet.Canvas();
    FillRectWithColor(c, {0, 0, 60, 30}, clWhite);

    // The combo button: 17 pixels at the right moved 2 left, its face 3 further in.
    DrawComboButton(c, 0, {0, 0, 60, 24}, kButtonLookTones, kButtonHot, tones);
    const int face = 60 - 2 - 17 + 3;
    EXPECT_EQ(c.Pixels(face, 5), tones.Hover.BrushColor);
    EXPECT_EQ(c.Pixels(face + 1, 5), tones.Background.BorderColor);
    EXPECT_EQ(c.Pixels(face + 8, 10), tones.Background.TextColor);
    EXPECT_EQ(c.Pixels(face - 1, 5), clWhite);
    EXPECT_EQ(c.Pixels(59, 5), clWhite);

    DrawPushButton(c, 0, {0, 0, 20, 20}, kButtonLookTones, kButtonDown, tones);
    EXPECT_EQ(c.Pixels(0, 0), tones.Selected.BorderColor);
    EXPECT_EQ(c.Pixels(10, 10), tones.Selected.BrushColor);
}
