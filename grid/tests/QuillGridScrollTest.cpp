// The string grid's scroll bars through the platform's scroll messages, its
// scroll hints and scrolling while the mouse drags beyond an edge.
#include "grid/tests/QuillGridFixture.h"
#include "grid/model/BehaviourSettings.h"

#include <string>

#include "grid/base/tests/GridPicture.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ScrollBars.h"

namespace {

constexpr int MillionRows = 1000000;

class QuillGridScrollTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        Grid->SetBounds(0, 0, 400, 300);
        Grid->SetColCount(4);
    }
    void Scroll(unsigned Message, unsigned Code, int Pos = 0)
    {
        (void)Grid->Perform(Message, static_cast<WPARAM>(Code) | (static_cast<WPARAM>(Pos) << 16), 0);
    }
    SCROLLINFO VertBar()
    {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        (void)GetScrollInfo(Grid->Handle(), SB_VERT, info);
        return info;
    }
    int LastTopRow() { return Grid->RowCount() - Grid->VisibleRowCount(); }
};

TEST_F(QuillGridScrollTest, ThumbFollowsTheFirstMiddleAndLastOfAMillionRows)
{
    Grid->SetRowCount(MillionRows);
    for (const bool proportional : {false, true}) {
        SCOPED_TRACE(proportional ? "proportional" : "plain");
        Grid->SetScrollProportional(proportional);
        Scroll(WM_VSCROLL, SB_TOP);
        EXPECT_EQ(Grid->TopRow(), 1);
        EXPECT_EQ(VertBar().nPos, 0);
        Scroll(WM_VSCROLL, SB_THUMBPOSITION, 64);
        EXPECT_NEAR(Grid->TopRow(), MillionRows / 2, MillionRows / 127);
        EXPECT_NEAR(VertBar().nPos, 64, 1);
        // One row further down moves the top row by exactly one, however far down it is.
        const int middle = Grid->TopRow();
        Scroll(WM_VSCROLL, SB_LINEDOWN);
        EXPECT_EQ(Grid->TopRow(), middle + 1);
        // The last top row stays on the bar: its scrolled-off part exceeds
        // the content less the control's height.
        Scroll(WM_VSCROLL, SB_BOTTOM);
        EXPECT_EQ(Grid->TopRow(), LastTopRow());
        EXPECT_EQ(VertBar().nPos, 127);
        Scroll(WM_VSCROLL, SB_THUMBPOSITION, 127);
        EXPECT_EQ(Grid->TopRow(), LastTopRow());
    }
    // A million rows leave the smallest thumb.
    EXPECT_EQ(VertBar().nMax, 127);
    EXPECT_EQ(VertBar().nPage, 1u);
}

TEST_F(QuillGridScrollTest, ProportionalThumbCoversTheVisibleShare)
{
    Grid->SetRowCount(40);
    Grid->SetScrollProportional(true);
    const SCROLLINFO bar = VertBar();
    const double share = static_cast<double>(Grid->Height() - Grid->RowOffset(1) - Grid->GridLineWidth()) /
                         static_cast<double>(Grid->RowOffset(40) - Grid->RowOffset(1) + Grid->GridLineWidth());
    EXPECT_GT(bar.nPage, 1u);
    EXPECT_NEAR(static_cast<double>(bar.nPage) / (bar.nMax + 1), share, 0.02);
    // Every thumb position stays reachable: the last one is 127.
    EXPECT_EQ(bar.nMax - static_cast<int>(bar.nPage) + 1, 127);
    // More rows shrink the thumb at once, before the view moves.
    Grid->SetRowCount(80);
    EXPECT_LT(VertBar().nPage, bar.nPage);
    EXPECT_GT(VertBar().nPage, 1u);
    // Columns that all fit leave the horizontal bar as it was.
    SCROLLINFO horz;
    horz.fMask = SIF_ALL;
    (void)GetScrollInfo(Grid->Handle(), SB_HORZ, horz);
    EXPECT_EQ(horz.nPage, 0u);
}

TEST_F(QuillGridScrollTest, DraggedThumbShowsTheRowItPointsAtAndScrollsInSynch)
{
    Grid->SetRowCount(MillionRows);
    Grid->SetScrollHints(shVertical);
    std::string shown;
    Grid->OnScrollHint = [&](TObject*, int ARow, std::string& Text) {
        shown = Text;
        Text = "row " + std::to_string(ARow);
    };
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 127);
    EXPECT_EQ(shown, "Row : " + std::to_string(LastTopRow()));
    ASSERT_NE(Grid->ScrollHintWindow(), nullptr);
    EXPECT_TRUE(Grid->ScrollHintWindow()->Visible());
    EXPECT_EQ(Grid->TopRow(), 1);
    Scroll(WM_VSCROLL, SB_ENDSCROLL);
    EXPECT_FALSE(Grid->ScrollHintWindow()->Visible());
    // Horizontal hints are not asked for.
    shown.clear();
    Scroll(WM_HSCROLL, SB_THUMBTRACK, 64);
    EXPECT_EQ(shown, "");
    Grid->SetScrollSynch(true);
    Scroll(WM_VSCROLL, SB_THUMBTRACK, 127);
    EXPECT_EQ(Grid->TopRow(), LastTopRow());
}

TEST_F(QuillGridScrollTest, DraggingPastTheBottomScrollsOnATimerAndStopsAtTheEnd)
{
    using namespace backend::input;
    Grid->SetRowCount(30);
    Grid->DragScrollOptions().SetActive(true);
    const TRect cell = Grid->CellRect(1, 1);
    const TPoint below{cell.Left + 5, Grid->Height() + 20};
    MouseDown(*Grid, {cell.Left + 5, cell.Top + 5});
    MouseMove(*Grid, below, {ssLeft});
    const int start = Grid->TopRow();
    AdvanceTime(999);
    EXPECT_EQ(Grid->TopRow(), start);
    AdvanceTime(1);
    EXPECT_EQ(Grid->TopRow(), start + 1);
    AdvanceTime(250);
    EXPECT_EQ(Grid->TopRow(), start + 2);
    // A refused step scrolls nothing.
    Grid->OnDragScroll = [](TObject*, int, int, TDragScrollDirection&, bool& CanScroll) { CanScroll = false; };
    AdvanceTime(250);
    EXPECT_EQ(Grid->TopRow(), start + 2);
    Grid->OnDragScroll = nullptr;
    for (int i = 0; i < 40; ++i) AdvanceTime(250);
    EXPECT_EQ(Grid->TopRow(), LastTopRow());
    EXPECT_EQ(Grid->TopRow() + Grid->VisibleRowCount(), Grid->RowCount());
    // Releasing the button stops the timer; the top row then stays put.
    MouseUp(*Grid, below);
    Scroll(WM_VSCROLL, SB_TOP);
    for (int i = 0; i < 8; ++i) AdvanceTime(250);
    EXPECT_EQ(Grid->TopRow(), 1);
    // Moving over the edge without the button pressed scrolls nothing.
    MouseMove(*Grid, below);
    AdvanceTime(2000);
    EXPECT_EQ(Grid->TopRow(), 1);
}

TEST_F(QuillGridScrollTest, FlatBarsTakeTheGridsWidthAndColour)
{
    Grid->SetRowCount(100);
    const TSize standard = ui::WindowScrollBarSpace(*Grid);
    EXPECT_EQ(standard.cx, 17);
    Grid->SetScrollWidth(11);
    Grid->SetScrollColor(clRed);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 17) << "the normal style keeps the standard bars";
    Grid->SetScrollType(ssFlat);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 11);
    TBitmap picture;
    CopyGridPicture(*Form, *Grid, picture);
    // The bar lies outside the client area, so the form shows it right of the grid's cells.
    const int barX = Form->ClientOrigin().X + Grid->Left() + Grid->ClientWidth() + 5;
    const TRGBQuad track = Form->Surface().ScanLine(Form->MenuBarHeight() + Grid->Top() + 150)[barX];
    EXPECT_EQ(RGB(track.rgbRed, track.rgbGreen, track.rgbBlue), clRed);
    Grid->SetScrollType(ssNormal);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 17);
}

TEST_F(QuillGridScrollTest, BarsKeptWhileEverythingFits)
{
    Grid->SetRowCount(3);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 0);
    Grid->SetScrollBarAlways(saVert);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 17);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cy, 0);
    Grid->SetBounds(0, 0, 380, 280);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 17) << "a size change keeps it";
    Grid->SetScrollBarAlways(saNone);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 0);
    Grid->SetScrollBars(ssHorizontal);
    Grid->SetScrollBarAlways(saBoth);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 0) << "only bars the grid has";
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cy, 17);
}

TEST_F(QuillGridScrollTest, ProportionalThumbsFollowSizesButWaitWhileZooming)
{
    Grid->SetRowCount(40);
    Grid->SetScrollProportional(true);
    const unsigned page = VertBar().nPage;
    for (int r = 0; r < 40; ++r) Grid->SetRowHeights(r, 40);
    EXPECT_LT(VertBar().nPage, page) << "taller rows, a shorter thumb";
    const unsigned tall = VertBar().nPage;
    Grid->SetBounds(0, 0, 400, 600);
    EXPECT_GT(VertBar().nPage, tall) << "a taller grid, a longer thumb";
    const unsigned before = VertBar().nPage;
    Grid->Zoom(10);
    EXPECT_LT(VertBar().nPage, before) << "updated once the zoom is done";
}

TEST_F(QuillGridScrollTest, ThinThumbGeometry)
{
    struct Case {
        const char* Name;
        int Extent, Fixed, Footer, First, Count, Top, Visible;
        bool Shown;
        int Start, Length;
    };
    const Case cases[] = {
        {"all rows fit", 300, 20, 0, 1, 10, 1, 9, false, 0, 0},
        {"a short thumb is made 20 long", 300, 20, 0, 1, 1000, 1, 20, true, 20, 20},
        {"half way", 300, 20, 0, 1, 101, 51, 50, true, 160, 139},
        {"at the end it stays inside the bar", 300, 20, 20, 1, 1000, 999, 20, true, 280, 20},
    };
    for (const Case& c : cases) {
        const grid::TThinThumb thumb = grid::ThinThumb(c.Extent, c.Fixed, c.Footer, c.First, c.Count, c.Top, c.Visible);
        EXPECT_EQ(thumb.Shown, c.Shown) << c.Name;
        if (!c.Shown) continue;
        EXPECT_EQ(thumb.Start, c.Start) << c.Name;
        EXPECT_EQ(thumb.Length, c.Length) << c.Name;
    }
}

TEST_F(QuillGridScrollTest, MetroStyleDrawsThinBarsInPlaceOfTheWindowsBars)
{
    Grid->SetRowCount(200);
    Grid->SetColCount(30);
    Grid->SetScrollType(ssMetro);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cx, 0);
    EXPECT_EQ(ui::WindowScrollBarSpace(*Grid).cy, 0);
    TBitmap picture;
    CopyGridPicture(*Form, *Grid, picture);
    const auto at = [&](int X, int Y) {
        const TRGBQuad p = picture.ScanLine(Y)[X];
        return RGB(p.rgbRed, p.rgbGreen, p.rgbBlue);
    };
    const int right = Grid->ClientWidth() - grid::ThinBarExtent;
    const int top = Grid->RowHeights(0) + 5;
    EXPECT_EQ(at(right + 1, top), static_cast<TColor>(grid::ThinThumbColor)) << "the row thumb at the top";
    EXPECT_NE(at(right + 1, Grid->ClientHeight() - 30), static_cast<TColor>(grid::ThinThumbColor));
    const int bottom = Grid->ClientHeight() - grid::ThinBarExtent;
    EXPECT_EQ(at(Grid->ColWidths(0) + 5, bottom + 1), static_cast<TColor>(grid::ThinThumbColor)) << "the column thumb";
}

TEST_F(QuillGridScrollTest, ThinBarsPageAndDragTheView)
{
    using namespace backend::input;
    Grid->SetRowCount(200);
    Grid->SetScrollType(ssMetro);
    const int x = Grid->ClientWidth() - grid::ThinBarExtent + 1;
    const int page = Grid->VisibleRowCount();
    MouseDown(*Grid, {x, Grid->ClientHeight() - 30});
    MouseUp(*Grid, {x, Grid->ClientHeight() - 30});
    EXPECT_EQ(Grid->TopRow(), 1 + page) << "below the thumb pages down";
    EXPECT_EQ(Grid->Row(), 1) << "the current cell stays";
    MouseDown(*Grid, {x, Grid->RowHeights(0) + 1});
    MouseUp(*Grid, {x, Grid->RowHeights(0) + 1});
    EXPECT_EQ(Grid->TopRow(), 1) << "above it pages up";
    // Dragging the thumb a quarter of the bar down moves a quarter of the rows.
    const int start = Grid->RowHeights(0) + 5;
    const int quarter = (Grid->ClientHeight() - Grid->RowHeights(0)) / 4;
    MouseDown(*Grid, {x, start});
    MouseMove(*Grid, {x, start + quarter}, {ssLeft});
    EXPECT_NEAR(Grid->TopRow(), 1 + 50, 1);
    MouseUp(*Grid, {x, start + quarter});
    MouseMove(*Grid, {x, start + 2 * quarter});
    EXPECT_NEAR(Grid->TopRow(), 1 + 50, 1) << "released, the thumb stays";
}

} // namespace
