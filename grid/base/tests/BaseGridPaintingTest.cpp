// The cell painter: merged areas painted once and kept off the fixed cells,
// its own lines, the model calls per cell, and the looks as golden images.
#include "BaseGridFixture.h"
#include "GridPicture.h"

#include <algorithm>

#include "testsupport/GoldenImage.h"

TEST_F(BaseGridTest, CellRectCoversTheWholeMergedAreaAlsoOutOfView)
{
    EXPECT_EQ(Grid->CellRect(2, 2), (TRect{100, 40, 150, 60}));
    Grid->MergeCells(2, 2, 3, 2);
    EXPECT_EQ(Grid->CellRect(3, 3), (TRect{100, 40, 250, 80}));
    EXPECT_EQ(Grid->CellSize(2, 2), (TPoint{150, 40}));
    // With the base scrolled out of view the area reaches under the fixed column.
    Grid->SetLeftCol(4);
    EXPECT_EQ(Grid->CellRect(4, 2), (TRect{-50, 40, 100, 80}));
    // A hidden last column still leaves the area a pixel past its base.
    Grid->SetLeftCol(1);
    Grid->SetColWidths(4, 0);
    EXPECT_EQ(Grid->CellRect(2, 2), (TRect{100, 40, 200, 80}));
    EXPECT_EQ(Grid->ComputeCellRect(7, 1), (TRect{300, 20, 350, 40})) << "cells out of view have a place too";
}

TEST_F(BaseGridTest, EachCellAsksTheModelInOrder)
{
    Grid->LogPainting = true;
    Grid->Repaint();
    const auto& log = Grid->Log;
    const auto first = std::find(log.begin(), log.end(), "IsFixed 0,2");
    ASSERT_NE(first, log.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 4),
              (std::vector<std::string>{"IsFixed 0,2", "GetVisualProperties 0,2", "HasNodes -1,-1",
                                        "DrawCellContent 0,2"}));
}

TEST_F(BaseGridTest, AMergedAreaIsPaintedOncePerPassWithoutInnerLines)
{
    Grid->MergeCells(1, 1, 3, 2);
    Grid->LogPainting = true;
    Grid->Repaint();
    const auto& log = Grid->Log;
    EXPECT_EQ(std::count(log.begin(), log.end(), "DrawCellContent 1,1"), 1);
    for (const char* covered : {"DrawCellContent 2,1", "DrawCellContent 3,2"})
        EXPECT_EQ(std::count(log.begin(), log.end(), covered), 0) << covered;
    EXPECT_EQ(PixelAt(99, 30), ColorToRGB(Grid->Color())) << "no line between merged columns";
    EXPECT_EQ(PixelAt(99, 70), 0xC0C0C0) << "the line between plain cells";
    EXPECT_EQ(PixelAt(120, 39), ColorToRGB(Grid->Color())) << "no line between merged rows";
    EXPECT_EQ(PixelAt(120, 59), 0xC0C0C0) << "the line below the area";
}

TEST_F(BaseGridTest, AnAreaScrolledUnderTheFixedCellsLeavesThemAlone)
{
    Grid->MergeCells(2, 2, 3, 2);
    Grid->SetLeftCol(3);
    EXPECT_EQ(PixelAt(25, 50), ColorToRGB(Grid->FixedColor())) << "fixed column";
    EXPECT_EQ(PixelAt(75, 50), ColorToRGB(Grid->Color())) << "the visible part of the area";

    // A merged header running into the scrolling columns still paints its
    // visible part when its base scrolls away.
    Grid->MergeCells(3, 0, 3, 1);
    Grid->SetLeftCol(4);
    Grid->SetFixedColor(clRed);
    EXPECT_EQ(PixelAt(75, 10), ColorToRGB(clRed));
    EXPECT_EQ(PixelAt(25, 30), ColorToRGB(clRed)) << "the fixed column keeps its own look";
}

TEST_F(BaseGridTest, AnAreaFromTheCornerIsPaintedWholeInTheFixedLook)
{
    Grid->MergeCells(0, 0, 2, 2);
    Grid->SetFixedColor(clRed);
    const struct {
        const char* part;
        int x, y;
    } parts[] = {{"corner", 25, 10}, {"fixed row", 75, 10}, {"fixed column", 25, 30}, {"scrolling cells", 75, 30}};
    for (const auto& p : parts) EXPECT_EQ(PixelAt(p.x, p.y), ColorToRGB(clRed)) << p.part;
}

TEST_F(BaseGridTest, HoverAndActiveRowsTakeTheirColours)
{
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(clAqua);
    Grid->FHoverRowIdx = 3;
    Grid->SetActiveRowShow(true);
    Grid->SetActiveRowColor(clLime);
    Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect});
    Grid->FocusCell(1, 2, true);
    Grid->MoveCurrent(2, 2, false, false);  // (1, 2) selected, (2, 2) current
    const struct {
        const char* cell;
        int x, y;
        TColor colour;
    } cases[] = {
        {"hover row", 75, 70, clAqua},
        {"active row", 175, 50, clLime},
        {"selected cell of the active row", 75, 50, clLime},
        {"the current cell keeps its own look", 125, 50, clWindow},
        {"fixed cell of the active row", 25, 50, clBtnFace},
        {"other rows", 75, 90, clWindow},
    };
    for (const auto& c : cases) EXPECT_EQ(PixelAt(c.x, c.y), ColorToRGB(c.colour)) << c.cell;

    Grid->FShowSel = false;
    EXPECT_EQ(PixelAt(125, 50), ColorToRGB(clLime)) << "without the selection shown the current cell is in the row too";
    Grid->FHoverRowIdx = 2;
    EXPECT_EQ(PixelAt(125, 50), ColorToRGB(clLime)) << "the active row wins over the hover row";
}

TEST_F(BaseGridTest, TheHiddenFooterRowShowsOnlyTheGridColour)
{
    Grid->SetGridCell(1, 4, "footer");
    Grid->SetRowCount(5);
    Grid->FHideLastRow = true;
    Grid->SetFixedColor(clRed);
    EXPECT_EQ(PixelAt(25, 90), ColorToRGB(Grid->Color())) << "not even the fixed column";
    EXPECT_EQ(PixelAt(99, 90), ColorToRGB(Grid->Color())) << "no line";
}

TEST_F(BaseGridTest, WithoutLineWidthOnlyFixedCellsHaveLines)
{
    Grid->SetGridLineWidth(0);
    EXPECT_EQ(PixelAt(99, 70), ColorToRGB(Grid->Color()));
    EXPECT_EQ(PixelAt(49, 70), 0x808080) << "fixed cells keep their 1-pixel lines";
}

TEST_F(BaseGridTest, APictureOfASelectedCellHasTheActiveRowColoursAndNoText)
{
    Grid->SetGridCell(2, 2, "text");
    Grid->SetActiveRowColor(clLime);
    Grid->LogPainting = true;
    TBitmap picture;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(50, 20);
    TGridDrawState selected{gdSelected};
    Grid->PaintCellExt(*picture.Canvas(), 2, 2, {0, 0, 50, 20}, selected);
    EXPECT_EQ(std::count(Grid->Log.begin(), Grid->Log.end(), "DrawCellContent 2,2"), 0);
    const TRGBQuad& q = picture.ScanLine(10)[25];
    EXPECT_EQ(static_cast<TColor>(q.rgbRed | (q.rgbGreen << 8) | (q.rgbBlue << 16)), ColorToRGB(clLime));
}

TEST_F(BaseGridTest, LooksOfMergedFixedAndSelectedCells)
{
    Grid->SetFixedRows(1);
    Grid->MergeCells(1, 0, 2, 1);
    Grid->SetCellEx(1, 0, "Header");
    Grid->MergeCells(3, 2, 2, 2);
    Grid->SetCellEx(3, 2, "Merged");
    Grid->SetActiveRowShow(true);
    Grid->SetOptions(Grid->Options() + TGridOptions{goRangeSelect, goDrawFocusSelected});
    Grid->FocusCell(1, 1, true);
    Grid->MoveCurrent(2, 1, false, false);
    const struct {
        TGridSelectionStyle style;
        const char* golden;
    } looks[] = {
        {ssDefault, "base-grid-default"},
        {ssVista, "base-grid-vista"},
        {ssWin7, "base-grid-win7"},
        {ssOffice2007, "base-grid-office2007"},
    };
    for (const auto& look : looks) {
        Grid->SetSelectionStyle(look.style);
        TBitmap picture;
        CopyGridPicture(*Form, *Grid, picture);
        testsupport::ExpectMatchesGolden(picture, look.golden);
    }
}
