// Sizing and moving columns and rows by mouse and by code, and deleting rows.
#include "GridFixture.h"

using namespace backend;

TEST_F(FrameworkGrid, DraggingAColumnBorderInAFixedRowSizesTheColumn)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goColSizing, goRowSizing});
    // Column 2's far border is at x = 152 (its line follows).
    input::MouseDown(*Grid, {150, 10});
    EXPECT_EQ(Grid->GridState(), gsColSizing);
    input::MouseMove(*Grid, {180, 10}, {ssLeft});
    input::MouseUp(*Grid, {180, 10});
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(Grid->ColWidths(2), 80) << "the border moved as far as the mouse did";
    EXPECT_EQ(Grid->Log, std::vector<std::string>{"ColWidthsChanged"});
    EXPECT_EQ(Grid->CellRect(3, 1).Left, 183);

    // Row 1's lower border at y = 41, grabbed in the fixed column.
    input::MouseDown(*Grid, {20, 43});
    EXPECT_EQ(Grid->GridState(), gsRowSizing);
    input::MouseUp(*Grid, {20, 33});
    EXPECT_EQ(Grid->RowHeights(1), 10);

    // Away from a border, or in a scrolling cell, a press does not size.
    input::Click(*Grid, {125, 10});
    EXPECT_EQ(Grid->ColWidths(2), 80);
    input::MouseDown(*Grid, {181, 50});
    EXPECT_EQ(Grid->GridState(), gsSelecting);
    input::MouseUp(*Grid, {181, 50});
}

TEST_F(FrameworkGrid, NoSizingWithoutTheOption)
{
    input::MouseDown(*Grid, {150, 10});
    EXPECT_EQ(Grid->GridState(), gsNormal);
    input::MouseUp(*Grid, {180, 10});
    EXPECT_EQ(Grid->ColWidths(2), 50);
}

TEST_F(FrameworkGrid, DraggingAHeaderMovesTheColumnWithItsCellsAndWidth)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goColMoving});
    for (int c = 0; c < 5; ++c) Grid->SetCells(c, 3, "c" + std::to_string(c));
    Grid->SetColWidths(1, 40);
    Grid->FocusCell(1, 3, true);
    Grid->ClearLog();
    input::MouseDown(*Grid, {60, 5});
    EXPECT_EQ(Grid->GridState(), gsColMoving);
    input::MouseMove(*Grid, {180, 5}, {ssLeft});
    input::MouseUp(*Grid, {180, 5});
    EXPECT_EQ(Grid->Log, std::vector<std::string>{"ColumnMoved 1,3"});
    EXPECT_EQ(Grid->Cells(3, 3), "c1");
    EXPECT_EQ(Grid->Cells(1, 3), "c2");
    EXPECT_EQ(Grid->ColWidths(3), 40);
    EXPECT_EQ(Grid->ColWidths(1), 50);
    EXPECT_EQ(Grid->Col(), 3) << "the current cell moved with its column";
}

TEST_F(FrameworkGrid, MovingRowsByCodeCarriesHeightsCellsAndTheCurrentRow)
{
    TObject slot;
    for (int r = 0; r < 6; ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
    Grid->SetObjects(2, 1, &slot);
    Grid->SetRowHeights(1, 33);
    Grid->FocusCell(2, 3, true);
    Grid->MoveRow(1, 4);
    EXPECT_EQ(Grid->Cells(1, 4), "r1");
    EXPECT_EQ(Grid->Cells(1, 1), "r2");
    EXPECT_EQ(Grid->Objects(2, 4), &slot);
    EXPECT_EQ(Grid->RowHeights(4), 33);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_THROW(Grid->MoveRow(0, 100), EListError);
}

TEST_F(FrameworkGrid, DeletingARowMovesItToTheEndAndCutsItOff)
{
    TObject slot;
    Grid->SetRowCount(6);
    for (int r = 0; r < 6; ++r) Grid->SetCells(1, r, "r" + std::to_string(r));
    Grid->SetObjects(1, 2, &slot);
    Grid->ClearLog();
    Grid->DeleteRow(2);
    EXPECT_EQ(Grid->RowCount(), 5);
    EXPECT_EQ(Grid->Cells(1, 2), "r3");
    EXPECT_EQ(Grid->Cells(1, 4), "r5");
    EXPECT_EQ(Grid->Log, (std::vector<std::string>{"RowMoved 2,5", "SizeChanged 20,6"}));
    // The cut row stays in the store past the count; its object is not freed.
    EXPECT_EQ(Grid->Cells(1, 5), "r2");
    EXPECT_EQ(Grid->Objects(1, 5), &slot);
}
