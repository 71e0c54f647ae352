// Painted pixels: backgrounds by cell state, grid lines, and cells that never
// paint outside their region of the client area.
#include "GridFixture.h"

#include "platform/graphics/Bitmap.h"

namespace {

// The colour at a point of the form's client area, as $BBGGRR.
TColor PixelAt(TForm& form, int x, int y)
{
    const TBitmap& surface = form.Surface();
    const TRGBQuad& q = surface.ScanLine(y + form.MenuBarHeight())[x];
    return static_cast<TColor>(q.rgbRed | (q.rgbGreen << 8) | (q.rgbBlue << 16));
}

} // namespace

TEST_F(FrameworkGrid, CellsArePaintedByStateWithTheirLines)
{
    Grid->SetFixedColor(clBtnFace);
    Grid->SetSelection({1, 1, 2, 2}); // (2, 2) is the current cell
    Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect});
    struct Case {
        const char* name;
        TPoint p;
        TColor colour;
    } cases[] = {
        {"fixed cell", {25, 10}, clBtnFace},
        {"line after a fixed column", {50, 10}, clBlack},
        {"selected cell", {75, 30}, clHighlight},
        {"line between normal cells", {101, 70}, clSilver},
        {"unselected cell", {200, 90}, clWindow},
        {"inside the focused current cell", {127, 52}, clWindow},
    };
    for (const Case& c : cases) EXPECT_EQ(PixelAt(*Form, c.p.X, c.p.Y), ColorToRGB(c.colour)) << c.name;

    // Without vertical lines the gap takes the grid's colour.
    Grid->SetOptions(Grid->Options() - TGridOptions{goVertLine});
    EXPECT_EQ(PixelAt(*Form, 101, 70), ColorToRGB(clWindow));
}

TEST_F(FrameworkGrid, ACellThatPaintsTooMuchStaysInsideItsRegion)
{
    // The first scrolling cell fills far beyond itself: the fixed cells keep
    // their look and nothing reaches the form outside the grid.
    Grid->OnDrawCell = [&](TObject*, int c, int r, TRect, TGridDrawState) {
        if (c == 1 && r == 1) {
            Grid->Canvas()->Brush()->SetColor(clRed);
            Grid->Canvas()->FillRect({-100, -100, 600, 600});
        }
    };
    Grid->Repaint();
    EXPECT_EQ(PixelAt(*Form, 25, 10), ColorToRGB(Grid->FixedColor()));
    EXPECT_EQ(PixelAt(*Form, 75, 10), ColorToRGB(Grid->FixedColor()));
    EXPECT_EQ(PixelAt(*Form, 25, 30), ColorToRGB(Grid->FixedColor()));
    EXPECT_EQ(PixelAt(*Form, 75, 30), ColorToRGB(clRed)) << "its own cell shows what it painted";
    EXPECT_NE(PixelAt(*Form, 300, 50), ColorToRGB(clRed));
    EXPECT_NE(PixelAt(*Form, 100, 150), ColorToRGB(clRed));
}
