// What the grid paints around its cells, and the quick-configuration panel
// of a grid in design mode.
#include "grid/paint/GridLooks.h"
#include "grid/tests/QuillGridFixture.h"
#include "grid/base/tests/GridPicture.h"

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Menus.h"
#include "testsupport/GoldenImage.h"

namespace {

class GridFrameTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        Grid->SetScrollBars(ssNone);
        Grid->SetColCount(4);
        Grid->SetRowCount(8);
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetShowSelection(false);
    }
    // The surface as it is now, without repainting.
    void Grab(TBitmap& Picture)
    {
        Picture.SetPixelFormat(pf32bit);
        Picture.SetSize(Grid->ClientWidth(), Grid->ClientHeight());
        for (int y = 0; y < Grid->ClientHeight(); ++y) {
            const TRGBQuad* from = Form->Surface().ScanLine(y + Form->MenuBarHeight());
            std::copy(from, from + Grid->ClientWidth(), Picture.ScanLine(y));
        }
    }
    TColor PixelAt(int X, int Y)
    {
        TBitmap picture;
        CopyGridPicture(*Form, *Grid, picture);
        const TRGBQuad p = picture.ScanLine(Y)[X];
        return RGB(p.rgbRed, p.rgbGreen, p.rgbBlue);
    }
};

TEST_F(GridFrameTest, ModernLooksDrawTheirBorderUnlessFlatOrUncoloured)
{
    Grid->SetBorderColor(clRed);
    struct TCase {
        TGridLook Look;
        bool Flat;
        TColor Border;
        bool Shown;
    };
    for (const TCase& c : {TCase{glXP, false, clRed, true}, TCase{glOffice2007, false, clRed, true},
                           TCase{glSoft, false, clRed, true}, TCase{glXP, true, clRed, false},
                           TCase{glXP, false, clNone, false}, TCase{glStandard, false, clRed, false}}) {
        Grid->SetLook(c.Look);
        Grid->SetFlat(c.Flat);
        Grid->SetBorderColor(c.Border);
        SCOPED_TRACE(grid::LookIdentifier(c.Look) + (c.Flat ? " flat" : ""));
        EXPECT_EQ(PixelAt(Grid->ClientWidth() - 1, 100) == clRed, c.Shown);
    }
}

TEST_F(GridFrameTest, SizingLinesDrawnTwiceLeaveTheScreenAsItWas)
{
    Grid->Repaint();
    TBitmap before, once, twice;
    Grab(before);
    Grid->DrawColSizeLine(70);
    Grid->DrawRowSizeLine(40);
    Grab(once);
    Grid->DrawRowSizeLine(40);
    Grid->DrawColSizeLine(70);
    Grab(twice);
    EXPECT_NE(testsupport::GoldenMismatch(before, once), "");
    EXPECT_EQ(testsupport::GoldenMismatch(before, twice), "");
}

TEST_F(GridFrameTest, FocusGlowRingsTheCellUntilHidden)
{
    const TRect cell = Grid->CellRect(2, 3);
    const TColor plain = PixelAt(cell.Left - 2, cell.Top + 5);
    Grid->ShowFocusWindow(cell);
    EXPECT_EQ(FocusFrameGrid, Grid);
    EXPECT_NE(PixelAt(cell.Left - 2, cell.Top + 5), plain);
    Grid->HideFocusWindow();
    EXPECT_EQ(FocusFrameGrid, nullptr);
    EXPECT_EQ(PixelAt(cell.Left - 2, cell.Top + 5), plain);
}

TEST_F(GridFrameTest, DesignPanelShowsAndAnswersOnlyInDesignMode)
{
    const int r = Grid->ClientWidth(), b = Grid->ClientHeight();
    TBitmap runTime, hidden;
    CopyGridPicture(*Form, *Grid, runTime);
    EXPECT_EQ(Grid->DesignHitTest(r - 140, b - 10), 255);
    EXPECT_FALSE(Grid->HandleDesignHitTest({r - 140, b - 10}));
    Grid->SetShowDesignHelper(false);
    CopyGridPicture(*Form, *Grid, hidden);
    EXPECT_EQ(testsupport::GoldenMismatch(runTime, hidden), "");

    Grid->SetShowDesignHelper(true);
    Grid->SetDesignMode(true);
    Grid->SetLook(glXP);
    TBitmap panel;
    CopyGridPicture(*Form, *Grid, panel);
    testsupport::ExpectMatchesGolden(panel, "design-panel");
}

TEST_F(GridFrameTest, DesignPanelItemsSwitchEditingColumnNumbersAndLook)
{
    Grid->SetDesignMode(true);
    // Each item's middle, found by scanning the panel's column of items.
    const int r = Grid->ClientWidth(), b = Grid->ClientHeight();
    auto find = [&](int Item, int X = -1) {
        X = X < 0 ? r - 140 : X;
        for (int y = b - 80; y < b; ++y)
            if (Grid->DesignHitTest(X, y) == Item) return TPoint{X, y + 1};
        return TPoint{-1, -1};
    };
    const TPoint edit = find(1), numbers = find(2), look = find(3);
    ASSERT_GE(edit.Y, 0);
    ASSERT_GT(numbers.Y, edit.Y);
    ASSERT_GT(look.Y, numbers.Y);
    EXPECT_TRUE(Grid->HandleDesignHitTest(edit));

    const bool editing = Grid->Options().Contains(goEditing);
    Grid->DesignHelperClick(edit.X, edit.Y);
    EXPECT_NE(Grid->Options().Contains(goEditing), editing);
    Grid->DesignHelperClick(numbers.X, numbers.Y);
    EXPECT_TRUE(Grid->ShowColumnNumbers());

    std::vector<std::string> captions;
    ui::SetPopupMenuHook([&](TPopupMenu& Menu) -> TMenuItem* {
        TMenuItem* chosen = nullptr;
        for (int i = 0; i < Menu.Items()->Count(); ++i) {
            TMenuItem* item = Menu.Items()->Items(i);
            captions.push_back(item->Caption() + (item->Checked() ? "*" : ""));
            if (item->Caption() == "Windows 7") chosen = item;
        }
        return chosen;
    });
    Grid->DesignHelperClick(look.X, look.Y);
    ui::SetPopupMenuHook(nullptr);
    EXPECT_EQ(captions, (std::vector<std::string>{"Standard", "Soft", "Classic", "QOR", "ListView", "Office 2007",
                                                  "Windows XP*", "Windows Vista", "Windows 7"}));
    EXPECT_EQ(Grid->Look(), glWin7);

    const TPoint close = find(4, r - 8);
    ASSERT_GE(close.Y, 0);
    Grid->DesignHelperClick(close.X, close.Y);
    EXPECT_FALSE(Grid->ShowDesignHelper());
    EXPECT_EQ(Grid->DesignHitTest(edit.X, edit.Y), 255);
}

} // namespace
