// Painting into the form's retained surface, during and outside WM_PAINT.
#include "UiFixture.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"

using namespace vistra::backend;

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
