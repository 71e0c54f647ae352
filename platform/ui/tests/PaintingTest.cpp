// Painting into the form's retained surface, during and outside WM_PAINT.
#include "UiFixture.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"

using namespace backend;

namespace {

TColor PixelAt(const TBitmap& surface, int x, int y)
{
    TBitmap copy;
    copy.Assign(&surface);
    return copy.Canvas()->Pixels(x, y);
}

class TSquare : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    TColor Fill = clRed;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(ClientRect());
    }
};

} // namespace

TEST_F(UiTest, ControlsPaintIntoTheSurfaceAtTheirPlace)
{
    auto* square = new TSquare(Form);
    square->SetParent(Form);
    square->SetBounds(10, 20, 30, 30);
    Form->Show();
    input::Pump();
    const TBitmap& surface = Form->Surface();
    EXPECT_EQ(ColorToRGB(PixelAt(surface, 15, 25)), ColorToRGB(clRed));
    EXPECT_EQ(ColorToRGB(PixelAt(surface, 5, 5)), ColorToRGB(clBtnFace));

    // An invalidated control paints again at the next loop pass.
    square->Fill = clBlue;
    square->Invalidate();
    input::Pump();
    EXPECT_EQ(ColorToRGB(PixelAt(Form->Surface(), 15, 25)), ColorToRGB(clBlue));
}

TEST_F(UiTest, DrawingOutsidePaintingStaysUntilTheNextPaint)
{
    auto* square = new TSquare(Form);
    square->SetParent(Form);
    square->SetBounds(10, 20, 30, 30);
    Form->Show();
    input::Pump();
    HDC dc = GetDC(square->Handle());
    ASSERT_NE(dc, nullptr);
    TCanvas c;
    c.SetHandle(dc);
    c.Brush()->SetColor(clLime);
    c.FillRect({0, 0, 5, 5});
    c.SetHandle(nullptr);
    ReleaseDC(square->Handle(), dc);
    input::Pump();
    EXPECT_EQ(ColorToRGB(PixelAt(Form->Surface(), 12, 22)), ColorToRGB(clLime));
    EXPECT_EQ(ColorToRGB(PixelAt(Form->Surface(), 20, 30)), ColorToRGB(clRed));
    // The context is clipped to the control.
    EXPECT_EQ(ColorToRGB(PixelAt(Form->Surface(), 8, 18)), ColorToRGB(clBtnFace));
}

namespace {

// A square with a frame that remembers where the last press landed.
class TFramedSquare : public TSquare {
public:
    using TSquare::TSquare;
    TPoint LastPress{-1, -1};

protected:
    void MouseDown(TMouseButton, TShiftState, int X, int Y) override { LastPress = {X, Y}; }
};

} // namespace

TEST_F(UiTest, FramedControlsCountFromTheirClientCorner)
{
    auto* square = new TFramedSquare(Form);
    square->SetParent(Form);
    square->SetBounds(10, 20, 30, 30);
    square->SetBorderWidth(3);
    Form->Show();
    input::Pump();

    // A press on the first client pixel arrives as (0, 0), not as a point in the frame.
    input::MouseDown(*Form, {13, 23});
    EXPECT_EQ(square->LastPress, (TPoint{0, 0}));

    // Invalidating part of the client area repaints that part, not one shifted onto the frame.
    square->Fill = clBlue;
    TRect corner{0, 0, 4, 4};
    square->InvalidateRect(&corner, false);
    input::Pump();
    EXPECT_EQ(ColorToRGB(PixelAt(Form->Surface(), 16, 26)), ColorToRGB(clBlue));
    EXPECT_EQ(ColorToRGB(PixelAt(Form->Surface(), 30, 40)), ColorToRGB(clRed));
}
