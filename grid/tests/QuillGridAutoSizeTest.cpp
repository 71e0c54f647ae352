// Sizing columns and rows to their contents, fitting columns into the
// control, and the room cell graphics take.
#include "grid/tests/QuillGridFixture.h"

#include "platform/classes/StringList.h"

namespace {

using QuillGridAutoSizeTest = QuillGridTest;

TEST_F(QuillGridAutoSizeTest, ColumnTakesTheWidthOfItsLongestTextWithinLimits)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetCells(1, 1, "a rather long text for one cell");
    Grid->SetCells(1, 2, "short");
    const int needed = Grid->HorzTextMargin() + Grid->GetCellTextSize(1, 1, false, false).cx +
                       2 * Grid->GridLineWidth() + 2;
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), needed);

    Grid->AutoSizeCol(1, 10);
    EXPECT_EQ(Grid->ColWidths(1), needed + 10) << "padding is added";

    Grid->SetMaxColWidth(100);
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), 100);

    Grid->SetMaxColWidth(0);
    Grid->SetColWidths(1, 400);
    Grid->SetSizeGrowOnly(true);
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), 400) << "grow-only never narrows";
    Grid->SetSizeGrowOnly(false);
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), needed);
}

TEST_F(QuillGridAutoSizeTest, ShownColumnBehindAHiddenOneIsMeasuredWithItsOwnTextsAndFont)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(2);
    Grid->SetCells(1, 1, "a much longer text that is hidden away");
    Grid->SetCells(2, 1, "abc");
    Grid->HideColumn(1);
    Grid->AutoSizeCol(1, 0);
    const int plain = Grid->ColWidths(1);
    EXPECT_LT(plain, 60) << "display column 1 shows real column 2";

    Grid->SetFontSizes(2, 1, 30);
    Grid->AutoSizeCol(1, 0);
    EXPECT_GT(Grid->ColWidths(1), plain) << "the real column's larger font is measured";

    bool asked = false;
    Grid->OnUpdateColumnSize = [&](TObject*, int ACol, int& AWidth) {
        asked = ACol == 1;
        AWidth = 77;
    };
    Grid->AutoSizeCol(1, 0);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Grid->ColWidths(1), 77);
}

TEST_F(QuillGridAutoSizeTest, RowsFollowTheirLineCountAndGrowForCheckBoxes)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(5);
    Grid->SetMultiLineCells(true);
    Grid->SetCells(1, 4, "one");
    Grid->SetCells(1, 2, "one\r\ntwo\r\nthree");
    Grid->SetWordWrap(false);
    Grid->AutoSizeRows(false, 0);
    EXPECT_EQ(Grid->RowLineCount(2), 3);
    EXPECT_EQ(Grid->RowHeights(2), 3 * Grid->RowHeights(4));
    Grid->AutoSizeRows(false, 4);
    EXPECT_EQ(Grid->RowHeights(2) - 4, 3 * (Grid->RowHeights(4) - 4)) << "padding is added once";

    // Word-wrapped rows are measured cell by cell: the margins come once.
    Grid->SetWordWrap(true);
    Grid->AutoSizeRows(false, 0);
    const int chrome = Grid->VertTextMargin() + 2 * Grid->GridLineWidth();
    EXPECT_EQ(Grid->RowHeights(2) - chrome, 3 * (Grid->RowHeights(4) - chrome));

    Grid->SetMaxRowHeight(20);
    Grid->AutoSizeRows(false, 0);
    EXPECT_EQ(Grid->RowHeights(2), 20);

    Grid->SetMaxRowHeight(0);
    Grid->SetRowHeights(3, 5);
    Grid->AddCheckBox(1, 3, true, false);
    Grid->AutoSizeRow(3, 0);
    EXPECT_GE(Grid->RowHeights(3), Grid->DefaultRowHeight()) << "a check box row is at least a default row";
}

TEST_F(QuillGridAutoSizeTest, AutoSizeCellsGrowsColumnsAndRowsToFitEachCell)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(2);
    Grid->SetRowHeights(1, 4);
    Grid->SetCells(1, 1, "text of some width");
    const TSize text = Grid->GetCellTextSize(1, 1, false, false);
    Grid->AutoSizeCells(false, 3, 1);
    EXPECT_EQ(Grid->ColWidths(1), text.cx + 3 + Grid->XYOffset().X);
    EXPECT_EQ(Grid->RowHeights(1), text.cy + 1 + Grid->XYOffset().Y);
}

TEST_F(QuillGridAutoSizeTest, FittingScalesColumnsToFillTheControl)
{
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetScrollBars(ssNone);
    Grid->SetFixedCols(0);
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Grid->SetColWidths(0, 50);
    Grid->SetColWidths(1, 100);
    Grid->SetColWidths(2, 50);
    Grid->AutoFitColumns(true);
    EXPECT_NEAR(Grid->ColWidths(0), 100, 2);
    EXPECT_NEAR(Grid->ColWidths(1), 200, 2);
    EXPECT_NEAR(Grid->ColWidths(2), 100, 2);
    EXPECT_EQ(Grid->ColWidths(0) + Grid->ColWidths(1) + Grid->ColWidths(2), 400);

    // Columns without any width are left alone rather than divided by.
    for (int c = 0; c < 3; ++c) Grid->SetColWidths(c, 0);
    Grid->AutoFitColumns(true);
    EXPECT_EQ(Grid->ColWidths(0) + Grid->ColWidths(1) + Grid->ColWidths(2), 0);
}

TEST_F(QuillGridAutoSizeTest, SizeToCellsMakesTheClientAreaHoldEveryCell)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SizeToCells();
    EXPECT_EQ(Grid->ClientWidth(), 3 * Grid->DefaultColWidth());
    EXPECT_EQ(Grid->ClientHeight(), 4 * Grid->DefaultRowHeight());
    EXPECT_EQ(Grid->ScrollBars(), ssBoth) << "scroll bars come back";
}

TEST_F(QuillGridAutoSizeTest, GraphicSizesByKind)
{
    Grid->SetColCount(8);
    Grid->SetRowCount(3);
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddRating(2, 1, 3, clYellow, clGray);
    Grid->AddProgressPie(3, 1, clGreen, 40);
    TStringList* none = new TStringList;
    Grid->AddRadio(4, 1, 0, -1, none);
    Grid->AddButton(5, 1, 40, 18, "Go", haLeft, vaTop);
    Grid->AddButton(6, 1, 40, 18, "Go", haLeft, vaTop);
    Grid->SetCells(6, 1, "caption");
    struct Case { int Col; TPoint Size; } cases[] = {
        {0, {0, 0}}, {1, {15, 15}}, {2, {54, 16}}, {3, {20, 20}}, {4, {12, 0}}, {5, {40, 18}}, {6, {40, 0}},
    };
    for (const Case& c : cases) {
        const TPoint size = Grid->GetCellGraphicSize(c.Col, 1);
        EXPECT_EQ(size.X, c.Size.X) << "column " << c.Col;
        EXPECT_EQ(size.Y, c.Size.Y) << "column " << c.Col;
    }
    const TPoint button = Grid->GetCellGraphicExtent(6, 1, 100, 30, 1.0);
    EXPECT_EQ(button.X, 40);
    EXPECT_EQ(button.Y, 18) << "printing takes the whole button";
    const TPoint none0 = Grid->GetCellGraphicExtent(0, 1, 100, 30, 0.0);
    EXPECT_EQ(none0.X, 0);
}

} // namespace
