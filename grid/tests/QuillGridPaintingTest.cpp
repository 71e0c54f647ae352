// Every kind of cell graphic drawn in a grid, compared with a golden image.
#include "grid/tests/QuillGridFixture.h"
#include "grid/model/CellGraphic.h"
#include "grid/base/tests/GridPicture.h"

#include <algorithm>

#include "grid/base/QuillUtilPaint.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "testsupport/GoldenImage.h"

namespace {

struct TGraphicsGrid : TQuillStringGrid {
    using TQuillStringGrid::CreateCellGraphic;
    using TQuillStringGrid::TQuillStringGrid;
};

} // namespace

TEST_F(QuillGridTest, EveryCellGraphicKindIsDrawn)
{
    auto* grid = new TGraphicsGrid(Form);
    grid->SetParent(Form);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(5);
    grid->SetRowCount(5);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetDefaultColWidth(90);
    grid->SetDefaultRowHeight(28);
    grid->SetBounds(0, 0, 455, 146);
    grid->SetShowSelection(false);
    grid->SetSelection({9, 9, 9, 9});
    int next = 0;
    // Each graphic goes into the next cell, row by row.
    auto add = [&](const std::string& text) {
        const int c = next % 5, r = next / 5;
        ++next;
        grid->SetCells(c, r, text);
        return grid->CreateCellGraphic(c, r);
    };
    auto* bitmap = new TBitmap;
    bitmap->SetSize(12, 12);
    bitmap->Canvas()->Brush()->SetColor(clRed);
    bitmap->Canvas()->FillRect({0, 0, 12, 12});
    TCellGraphic* g = add("bitmap");
    g->SetBitmap(bitmap, false, haLeft, vaCenter);
    g->SetCellCreated(true);
    add("checked")->SetCheckBox(true, false, false, haLeft, vaCenter);
    add("unchecked")->SetCheckBox(false, false, false, haLeft, vaCenter);
    add("Y")->SetCheckBox(false, true, false, haLeft, vaCenter);
    add("grayed")->SetCheckBox(cbGrayed, false, haLeft, vaCenter);
    add("radio")->SetRadioButton(true, false, haLeft, vaCenter);
    g = add("");
    auto* options = new TStringList;
    options->Add("A");
    options->Add("B");
    g->SetCellType(ctRadio);
    g->SetCellBitmap(options);
    g->SetCellCreated(true);
    g->SetCellIndex(1);
    g->SetCellBoolean(true);
    add("")->SetButton(60, 20, "Go", haCenter, vaCenter);
    g = add("node");
    g->SetCellType(ctNode);
    g->SetCellBoolean(true);
    g->SetCellHAlign(haBeforeText);
    g = add("expand");
    g->SetCellType(ctExpand);
    g = add("40");
    g->SetCellType(ctProgress);
    g->SetCellBitmapColor(clGreen);
    g->SetCellIconColor(clWhite);
    add("70")->SetCellType(ctXPProgress);
    g = add("pie");
    g->SetCellType(ctProgressPie);
    g->SetCellBitmapColor(clBlue);
    g->SetCellAngle(60);
    g = add("-5");
    g->SetCellType(ctRangeIndicator);
    g->SetCellIndex(10);
    g->SetCellBitmapColor(clRed);
    g->SetCellIconColor(clGreen);
    g = add("comment");
    g->SetCellType(ctComment);
    g->SetCellIndex(static_cast<int>(clRed));
    add("balloon")->SetCellType(ctBalloon);
    g = add("shape");
    g->SetCellType(ctShape);
    g->SetCellAngle(csCircle);
    g->SetCellIndex(static_cast<int>(clYellow));
    g->SetCellBitmapColor(clBlack);
    g = add("3");
    g->SetCellType(ctRating);
    g->SetCellAngle(4);
    g->SetCellIndex(static_cast<int>(clYellow));
    g->SetCellBitmapColor(clWhite);
    g->SetCellHAlign(haFull);
    g = add("scroll");
    g->SetCellType(ctScrollbar);
    g->SetCellErrFrom(10);
    g->SetCellIndex(5);
    add("rotated")->SetAngle(90);
    add("none");
    TBitmap picture;
    CopyGridPicture(*Form, *grid, picture);
    testsupport::ExpectMatchesGolden(picture, "cell-graphics");
}

// A long text in a wrapping cell of one line's height shows its first line
// whole and nothing of the next, never a line cut through its letters.
TEST_F(QuillGridTest, WrappedTextShowsOnlyTheLinesThatFitWhole)
{
    auto* grid = new TQuillStringGrid(Form);
    grid->SetParent(Form);
    grid->SetScrollBars(ssNone);
    grid->SetColCount(2);
    grid->SetRowCount(2);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetDefaultColWidth(80);
    grid->SetBounds(0, 0, 170, 90);
    grid->SetShowSelection(false);
    grid->SetSelection({9, 9, 9, 9});
    grid->SetWordWrap(true);
    const std::string text = "Wg wrapping words go on well past the cell";
    grid->SetCells(0, 0, text);
    for (int height : {22, 18}) {
        grid->SetRowHeights(0, height);
        const auto pixels = GridCellPixels(*Form, *grid, 0, 0);
        const TRect cell = grid->CellRect(0, 0);
        const int width = cell.Width();
        // The text's lowest ink: a whole line ends well above a cut one's edge.
        int lowest = -1;
        for (int y = 0; y < cell.Height() - 1; ++y)
            for (int x = 0; x < width - 1; ++x)
                if ((pixels[static_cast<std::size_t>(y * width + x)] & 0xFF) < 0x80) lowest = y;
        ASSERT_GE(lowest, 0) << "no text drawn at row height " << height;
        TBitmap probe(1, 1);
        probe.Canvas()->Font()->Assign(&grid->Font());
        EXPECT_LE(lowest, 2 + probe.Canvas()->TextHeight("Wg")) << "a second line shows cut at row height " << height;
    }
}
