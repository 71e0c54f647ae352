// The string grid's scroll bars through the platform's scroll messages, its
// scroll hints and scrolling while the mouse drags beyond an edge.
#include "grid/tests/QuillGridFixture.h"

#include <string>

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

} // namespace
