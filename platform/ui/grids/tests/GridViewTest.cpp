// Geometry, the view, scroll messages, counts and the string grid's cells.
#include "GridFixture.h"

#include "platform/rtl/Exceptions.h"

TEST_F(FrameworkGrid, CellRectsOfFixedScrolledAndHiddenCells)
{
    EXPECT_EQ(Grid->VisibleColCount(), 4);
    EXPECT_EQ(Grid->VisibleRowCount(), 4);
    EXPECT_EQ(Grid->CellRect(0, 0), (TRect{0, 0, 50, 20}));
    EXPECT_EQ(Grid->CellRect(2, 3), (TRect{102, 63, 152, 83}));
    EXPECT_TRUE(Grid->CellRect(5, 1).IsEmpty()) << "right of the client area";
    EXPECT_TRUE(Grid->CellRect(1, 100).IsEmpty()) << "past the last row";

    Grid->SetTopRow(10);
    Grid->SetLeftCol(3);
    EXPECT_EQ(Grid->CellRect(3, 10), (TRect{51, 21, 101, 41})) << "first scrolling cell sits after the fixed ones";
    EXPECT_EQ(Grid->CellRect(0, 10), (TRect{0, 21, 50, 41}));
    EXPECT_EQ(Grid->CellRect(3, 0), (TRect{51, 0, 101, 20}));
    EXPECT_TRUE(Grid->CellRect(2, 10).IsEmpty()) << "scrolled out to the left";
    EXPECT_TRUE(Grid->CellRect(3, 9).IsEmpty()) << "scrolled out above";

    // A cell cut by the client edge is clipped to it.
    Grid->SetColWidths(4, 120);
    EXPECT_EQ(Grid->CellRect(4, 10), (TRect{102, 21, 222, 41}));
    Grid->SetColWidths(5, 120);
    EXPECT_EQ(Grid->CellRect(5, 10), (TRect{223, 21, 255, 41}));
    Grid->SetColWidths(5, -1);
    EXPECT_TRUE(Grid->CellRect(5, 10).IsEmpty()) << "a hidden column has no rectangle";
    EXPECT_EQ(Grid->CellRect(6, 10).Left, 223) << "and takes no room";
}

TEST_F(FrameworkGrid, MouseToCellAnswersTheCellUnderAPointOrMinusOne)
{
    Grid->SetTopRow(10);
    Grid->SetLeftCol(3);
    struct Case {
        TPoint p;
        TGridCoord cell;
    } cases[] = {
        {{0, 0}, {0, 0}},       {{49, 19}, {0, 0}},     {{50, 20}, {0, 0}} /* the lines belong to the cell */,
        {{51, 21}, {3, 10}},    {{60, 5}, {3, 0}},      {{5, 45}, {0, 11}},
        {{254, 104}, {6, 13}},  {{255, 5}, {-1, -1}},   {{-1, 5}, {-1, -1}},
        {{5, 105}, {-1, -1}},
    };
    for (const Case& c : cases) {
        int col = 0, row = 0;
        Grid->MouseToCell(c.p.X, c.p.Y, col, row);
        EXPECT_EQ((TGridCoord{col, row}), c.cell) << c.p.X << "," << c.p.Y;
    }
    // Past the last column of a narrow grid.
    Grid->SetColCount(3);
    EXPECT_EQ(Grid->MouseCoord(200, 30), (TGridCoord{-1, -1}));
}

TEST_F(FrameworkGrid, ScrollMessagesMoveTheViewWithAThumbOfZeroTo127)
{
    ASSERT_EQ(Grid->MaxTopLeft(), (TGridCoord{16, 96}));
    struct Case {
        const char* name;
        unsigned code;
        int pos;
        int startTop;
        int top;
    } cases[] = {
        {"line down", SB_LINEDOWN, 0, 1, 2},
        {"line up at the top stays", SB_LINEUP, 0, 1, 1},
        {"page down by the visible rows", SB_PAGEDOWN, 0, 10, 14},
        {"page up", SB_PAGEUP, 0, 10, 6},
        {"page down stops at the last page", SB_PAGEDOWN, 0, 95, 96},
        {"thumb at 127 shows the last page", SB_THUMBPOSITION, 127, 1, 96},
        {"thumb in the middle", SB_THUMBPOSITION, 64, 1, 49},
        {"thumb at 0", SB_THUMBPOSITION, 0, 50, 1},
        {"tracking is ignored without thumb tracking", SB_THUMBTRACK, 100, 1, 1},
        {"bottom", SB_BOTTOM, 0, 1, 96},
        {"top", SB_TOP, 0, 60, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetTopRow(c.startTop);
        Grid->Perform(WM_VSCROLL, MakeWParam(c.code, static_cast<unsigned>(c.pos)), 0);
        EXPECT_EQ(Grid->TopRow(), c.top);
    }
    Grid->SetOptions(Grid->Options() + TGridOptions{goThumbTracking});
    Grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 127), 0);
    EXPECT_EQ(Grid->TopRow(), 96);
    EXPECT_EQ(Grid->VertScrollBar().Position, 127);
    Grid->SetTopRow(49);
    EXPECT_EQ(Grid->VertScrollBar().Position, 64);

    // The columns use the same mapping: MulDiv(pos, max left - fixed, 127) + fixed.
    Grid->Perform(WM_HSCROLL, MakeWParam(SB_THUMBPOSITION, 127), 0);
    EXPECT_EQ(Grid->LeftCol(), 16);
    EXPECT_EQ(Grid->Row(), 1) << "scrolling leaves the current cell alone";
}

TEST_F(FrameworkGrid, ScrollBarsShowOnlyWhenTheCellsDoNotFit)
{
    EXPECT_TRUE(Grid->HorzScrollBar().Visible);
    EXPECT_TRUE(Grid->VertScrollBar().Visible);
    Grid->SetScrollBars(ssVertical);
    EXPECT_FALSE(Grid->HorzScrollBar().Visible);
    Grid->SetRowCount(5);
    EXPECT_FALSE(Grid->VertScrollBar().Visible) << "five rows fit";
    EXPECT_EQ(Grid->MaxTopLeft().Y, 1);
}

TEST_F(FrameworkGrid, ViewAndCurrentCellFollowShrinkingCountsAndTheHooksReportIt)
{
    Grid->SetTopRow(90);
    Grid->SetRow(92);
    Grid->ClearLog();
    Grid->SetRowCount(50);
    EXPECT_EQ(Grid->Row(), 49);
    EXPECT_EQ(Grid->TopRow(), 46);
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"TopLeftChanged 1,46", "SizeChanged 20,100"}));

    // Fixed counts stay below their count; asking for more is an error.
    Grid->SetFixedRows(3);
    Grid->SetRowCount(2);
    EXPECT_EQ(Grid->FixedRows(), 1);
    EXPECT_THROW(Grid->SetFixedRows(2), EInvalidOperation);
    EXPECT_THROW(Grid->SetFixedCols(-1), EInvalidOperation);
    Grid->SetRowCount(0);
    EXPECT_EQ(Grid->RowCount(), 1);
    EXPECT_EQ(Grid->FixedRows(), 0);
}

TEST_F(FrameworkGrid, CellsSurviveShrinkingAndStayAddressableBeyondTheCounts)
{
    TObject slot;
    Grid->SetCells(3, 80, "kept");
    Grid->SetObjects(3, 80, &slot);
    Grid->SetRowCount(10);
    Grid->SetColCount(2);
    EXPECT_EQ(Grid->Cells(3, 80), "kept");
    Grid->SetCells(40, 500, "far");
    EXPECT_EQ(Grid->Cells(40, 500), "far");
    Grid->SetRowCount(100);
    Grid->SetColCount(5);
    EXPECT_EQ(Grid->Cells(3, 80), "kept");
    EXPECT_EQ(Grid->Objects(3, 80), &slot);
    EXPECT_THROW(Grid->Cells(-1, 0), EListError);
    EXPECT_THROW(Grid->SetCells(0, -1, "x"), EListError);
    EXPECT_THROW(Grid->Rows(-1), EListError);
}

TEST_F(FrameworkGrid, RowAndColumnViewsReadWriteAndAssign)
{
    Grid->SetColCount(3);
    TObject a;
    auto row = Grid->Rows(2);
    ASSERT_EQ(row->Count(), 3);
    row->SetStrings(1, "b");
    row->SetObjects(1, &a);
    EXPECT_EQ(Grid->Cells(1, 2), "b");
    EXPECT_EQ(Grid->Objects(1, 2), &a);
    EXPECT_EQ(row->Add("first empty"), 0);
    EXPECT_THROW(row->Strings(3), EListError);
    EXPECT_THROW(row->Insert(0, "x"), EInvalidOperation);

    // Copying a row onto another: texts and object slots, item by item.
    Grid->Rows(7)->Assign(row.get());
    EXPECT_EQ(Grid->Cells(0, 7), "first empty");
    EXPECT_EQ(Grid->Objects(1, 7), &a);
    auto col = Grid->Cols(1);
    EXPECT_EQ(col->Count(), 100);
    EXPECT_EQ(col->Strings(7), "b");
    row->Clear();
    EXPECT_EQ(Grid->Cells(1, 2), "");
    EXPECT_EQ(Grid->Objects(1, 2), nullptr);
    EXPECT_EQ(Grid->Objects(1, 7), &a) << "clearing one row leaves the copy";
}

TEST_F(FrameworkGrid, ObjectSlotsAreNotOwned)
{
    struct TWatched : TObject {
        bool* Gone;
        explicit TWatched(bool* gone) : Gone(gone) {}
        ~TWatched() override { *Gone = true; }
    };
    bool gone = false;
    TWatched watched(&gone);
    Grid->SetObjects(1, 1, &watched);
    delete Form;
    Form = nullptr;
    EXPECT_FALSE(gone);
}

TEST_F(FrameworkGrid, PaintingDrawsScrolledCellsThenFixedOnesWithTheirStates)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetRow(2);
    Grid->SetCol(2);
    Grid->SetSelection({1, 1, 2, 2});
    Grid->LogDraws = true;
    Grid->ClearLog();
    Grid->Repaint();
    backend::input::Pump();
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{
                             "Draw 1,1 S", "Draw 2,1 S", "Draw 1,2 S", "Draw 2,2 C", // scrolling cells
                             "Draw 1,0 F", "Draw 2,0 F",                              // fixed row
                             "Draw 0,1 F", "Draw 0,2 F",                              // fixed column
                             "Draw 0,0 F"}));
}

TEST_F(FrameworkGrid, PaintingVisitsOnlyTheCellsInView)
{
    Grid->SetRowCount(1'000'000);
    Grid->SetTopRow(999'990);
    Grid->LogDraws = true;
    Grid->ClearLog();
    Grid->Repaint();
    backend::input::Pump();
    // Five columns by five rows of 51 x 21 pixels fill the 255 x 105 client.
    EXPECT_EQ(Grid->Log.size(), 25u);
    EXPECT_EQ(Grid->Log.front(), "Draw 1,999990 ");
    EXPECT_EQ(Grid->TopRow(), 999'990);
    EXPECT_EQ(Grid->CellRect(1, 999'993), (TRect{51, 84, 101, 104}));
}

TEST_F(FrameworkGrid, ASelectionOutsideTheGridIsKeptAndSelectsNothing)
{
    Grid->SetSelection({Grid->ColCount(), Grid->RowCount(), Grid->ColCount(), Grid->RowCount()});
    EXPECT_EQ(Grid->Selection(), (TGridRect{20, 100, 20, 100}));
    EXPECT_EQ(Grid->Col(), 20);
    // Painting and keys cope with the parked selection; a key brings it back in.
    Grid->Repaint();
    backend::input::Pump();
    Press(VK_UP);
    EXPECT_EQ(Current(), (TGridCoord{19, 99}));
}

TEST_F(FrameworkGrid, TheWindowShowsTheScrollBarsAndTheyTakeRoom)
{
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(Grid->Handle(), SB_VERT, info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 127);
    EXPECT_EQ(Grid->Width() - Grid->ClientWidth(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(Grid->Height() - Grid->ClientHeight(), GetSystemMetrics(SM_CYHSCROLL));
    Grid->SetTopRow(Grid->MaxTopLeft().Y);
    ASSERT_TRUE(GetScrollInfo(Grid->Handle(), SB_VERT, info));
    EXPECT_EQ(info.nPos, 127);

    // Without bars the client gets its room back and the view stays on the
    // last page, which now starts further down.
    Grid->SetScrollBars(ssNone);
    EXPECT_EQ(Grid->ClientWidth(), Grid->Width());
    EXPECT_EQ(Grid->TopRow(), Grid->MaxTopLeft().Y);
}
