// Sizing by the mouse: fixed columns and rows grabbed along their whole
// border, the application refusing a border, told the size while it is
// dragged and changing a column's width at the drop.
#include "grid/interact/tests/GridEditingFixture.h"

#include <cstdint>
#include <string>
#include <vector>

#include "grid/base/MouseActions.h"
#include "grid/base/tests/GridPicture.h"

using namespace backend::input;

namespace {

class GridSizingEventsTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        SetOption(goEditing, false);
        Grid->OnColumnSizing = [this](TObject*, int col, int size) { Log.push_back("c" + Pair(col, size)); };
        Grid->OnRowSizing = [this](TObject*, int row, int size) { Log.push_back("r" + Pair(row, size)); };
        Grid->OnEndColumnSize = [this](TObject*, int col) { Log.push_back("end c" + std::to_string(col)); };
        Grid->OnEndRowSize = [this](TObject*, int row) { Log.push_back("end r" + std::to_string(row)); };
    }
    static std::string Pair(int index, int size) { return std::to_string(index) + "=" + std::to_string(size); }
    // A press, moves and a release, each by (Dx, Dy) from the start.
    void Drag(TPoint From, std::vector<TPoint> Steps)
    {
        MouseMove(*Grid, From);
        MouseDown(*Grid, From);
        for (const TPoint d : Steps) MouseMove(*Grid, {From.X + d.X, From.Y + d.Y}, {ssLeft});
        const TPoint last = Steps.empty() ? TPoint{0, 0} : Steps.back();
        MouseUp(*Grid, {From.X + last.X, From.Y + last.Y});
    }
    std::vector<std::string> Log;
};

} // namespace

TEST_F(GridSizingEventsTest, AFixedColumnsOrRowsBorderIsGrabbedWithinTwoPixelsAndOnlyWithTheOption)
{
    // Where column 1 (row 1) starts, grid line included.
    const int edge = static_cast<int>(Grid->ColOffset(1));
    const int dataRow = Centre(2, 2).Y;
    const int rowEdge = static_cast<int>(Grid->RowOffset(1));
    const int dataCol = Centre(2, 2).X;
    struct Case {
        const char* Name;
        bool Columns, Rows;
        TPoint At;
        TCursor Cursor;
    } cases[] = {
        {"2 pixels right of the column's edge", true, false, {edge + 2, dataRow}, crHSplit},
        {"3 pixels right of it", true, false, {edge + 3, dataRow}, crDefault},
        {"on the column's last pixel", true, false, {edge - 1, dataRow}, crHSplit},
        {"2 pixels left of the edge", true, false, {edge - 2, dataRow}, crHSplit},
        {"3 pixels left of the edge", true, false, {edge - 3, dataRow}, crDefault},
        {"on the column's edge without SizeFixedCol", false, true, {edge, dataRow}, crDefault},
        {"2 pixels below the row's edge", false, true, {dataCol, rowEdge + 2}, crVSplit},
        {"3 pixels below it", false, true, {dataCol, rowEdge + 3}, crDefault},
        {"on the row's edge without SizeFixedRow", true, false, {dataCol, rowEdge}, crDefault},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->MouseActions().SetSizeFixedCol(c.Columns);
        Grid->MouseActions().SetSizeFixedRow(c.Rows);
        MouseMove(*Grid, {dataCol, dataRow});
        MouseMove(*Grid, c.At);
        EXPECT_EQ(Grid->Cursor(), c.Cursor);
        EXPECT_EQ(Grid->IsOverSizingBorder(c.At.X, c.At.Y), c.Cursor != crDefault);
    }
}

TEST_F(GridSizingEventsTest, DraggingAFixedBorderReportsTheSizeAndTheApplicationHasTheLastWord)
{
    Grid->MouseActions().SetSizeFixedCol(true);
    Grid->MouseActions().SetSizeFixedRow(true);
    Grid->MouseActions().SetRowSelect(true);
    const int width = Grid->ColWidths(0), height = Grid->RowHeights(0);
    const TGridRect selected = Grid->Selection();
    auto edge = [this] { return static_cast<int>(Grid->ColOffset(1)); };
    // Grabbed 2 pixels right of the border, the border follows the pointer.
    Drag({edge() + 2, Centre(1, 3).Y}, {{10, 1}, {30, 0}});
    EXPECT_EQ(Grid->ColWidths(0), width + 30);
    EXPECT_EQ(Log, (std::vector<std::string>{"c0=" + std::to_string(width + 10), "c0=" + std::to_string(width + 30),
                                             "end c0"}));
    EXPECT_EQ(Grid->Selection(), selected) << "a sizing press on a row header selects nothing";

    Log.clear();
    Grid->OnUpdateColumnSize = [](TObject*, int, int& w) { w = 77; };
    Drag({edge(), Centre(2, 2).Y}, {{-200, 0}});
    EXPECT_EQ(Grid->ColWidths(0), 77) << "the application's width wins";
    Grid->OnUpdateColumnSize = nullptr;
    // Dropped past its left edge, a column keeps enough to be grabbed again.
    Drag({edge(), Centre(2, 2).Y}, {{-200, 0}});
    EXPECT_EQ(Grid->ColWidths(0), 4);

    Log.clear();
    Drag({Centre(2, 0).X, static_cast<int>(Grid->RowOffset(1))}, {{0, 12}});
    EXPECT_EQ(Grid->RowHeights(0), height + 12);
    EXPECT_EQ(Log, (std::vector<std::string>{"r0=" + std::to_string(height + 12), "end r0"}));
    // A press and release on the border that sized nothing reports no end.
    Log.clear();
    Drag({Centre(2, 0).X, static_cast<int>(Grid->RowOffset(1))}, {});
    EXPECT_TRUE(Log.empty());
}

TEST_F(GridSizingEventsTest, ARefusedBorderCannotBeGrabbedAndHeaderBordersReportTheirColumn)
{
    SetOption(goColSizing, true);
    Grid->MouseActions().SetSizeFixedCol(true);
    std::vector<int> asked;
    Grid->OnColumnSize = [&](TObject*, int col, bool& allow) {
        asked.push_back(col);
        allow = col != 2;
    };
    const int border2 = Grid->CellRect(2, 0).Right;
    MouseMove(*Grid, {border2, Centre(2, 0).Y});
    EXPECT_EQ(Grid->Cursor(), crDefault);
    EXPECT_EQ(asked.back(), 2) << "asked about the column whose border it is";
    const int width2 = Grid->ColWidths(2);
    Drag({border2, Centre(2, 0).Y}, {{20, 0}});
    EXPECT_EQ(Grid->ColWidths(2), width2);
    EXPECT_TRUE(Log.empty());

    const int border1 = Grid->CellRect(1, 0).Right, width1 = Grid->ColWidths(1);
    Drag({border1, Centre(1, 0).Y}, {{15, 0}});
    EXPECT_EQ(Grid->ColWidths(1), width1 + 15);
    EXPECT_EQ(Log, (std::vector<std::string>{"c1=" + std::to_string(width1 + 15), "end c1"}));
}

TEST_F(GridSizingEventsTest, GrabbingABorderCommitsTheEditUnderWayFirst)
{
    SetOption(goEditing, true);
    Grid->MouseActions().SetSizeFixedCol(true);
    Type("zebra");
    const int edge = static_cast<int>(Grid->ColOffset(1));
    Drag({edge, Centre(2, 3).Y}, {{20, 0}});
    EXPECT_EQ(Grid->ColWidths(0), edge + 20);
    EXPECT_EQ(Grid->Cells(1, 1), "zebra");
    // A refused value keeps its editor, and the border stays where it was.
    Grid->FocusCell(1, 1, true);
    Grid->OnCellValidate = [](TObject*, int, int, std::string&, bool& valid) { valid = false; };
    Type("yak");
    Drag({edge + 20, Centre(2, 3).Y}, {{20, 0}});
    EXPECT_EQ(Grid->ColWidths(0), edge + 20);
    EXPECT_TRUE(EditorShown());
}

TEST_F(GridSizingEventsTest, WithAllColumnSizeOrAllRowSizeTheOtherDataColumnsOrRowsFollowInProportion)
{
    SetOption(goColSizing, true);
    SetOption(goRowSizing, true);
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    const int widths[] = {30, 40, 60, 3, 0};
    for (int c = 0; c < 5; ++c) Grid->SetColWidths(c, widths[c]);
    auto columns = [this] {
        std::vector<int> w;
        for (int c = 0; c < Grid->ColCount(); ++c) w.push_back(Grid->ColWidths(c));
        return w;
    };
    // Off, only the dragged column changes.
    Drag({Grid->CellRect(1, 0).Right, Centre(1, 0).Y}, {{20, 0}});
    EXPECT_EQ(columns(), (std::vector<int>{30, 60, 60, 3, 0}));

    // Column 1 from 60 to 90: the data columns grow by half, the fixed one
    // stays, a hidden one stays hidden.
    Grid->MouseActions().SetAllColumnSize(true);
    Drag({Grid->CellRect(1, 0).Right, Centre(1, 0).Y}, {{30, 0}});
    EXPECT_EQ(columns(), (std::vector<int>{30, 90, 90, 5, 0}));
    EXPECT_EQ(Log.back(), "end c1") << "the others are scaled before the application hears of the drop";
    // Shrunk far, the others keep enough to be grabbed again.
    Drag({Grid->CellRect(1, 0).Right, Centre(1, 0).Y}, {{-81, 0}});
    EXPECT_EQ(columns(), (std::vector<int>{30, 9, 9, 4, 0}));

    // Rows the same.
    Grid->MouseActions().SetAllRowSize(true);
    for (int r = 0; r < 5; ++r) Grid->SetRowHeights(r, 20);
    Drag({Centre(0, 2).X, Grid->CellRect(0, 2).Bottom}, {{0, 10}});
    for (int r = 0; r < 5; ++r) EXPECT_EQ(Grid->RowHeights(r), r == 0 ? 20 : 30) << "row " << r;
}

TEST_F(GridSizingEventsTest, ALineShowsWhereADraggedBorderWouldDropUntilTheRelease)
{
    SetOption(goColSizing, true);
    const int y = Centre(2, 3).Y;
    // The painted pixels of a few pixels of the column at x, over a data row.
    auto strip = [&](int x) {
        TBitmap bitmap;
        CopyGridPicture(*Form, *Grid, bitmap);
        std::vector<std::uint32_t> pixels;
        for (int dy = 0; dy < 8; ++dy) {
            const TRGBQuad q = bitmap.ScanLine(y + dy)[x];
            pixels.push_back(q.rgbRed << 16 | q.rgbGreen << 8 | q.rgbBlue);
        }
        return pixels;
    };
    const TPoint border{Grid->CellRect(1, 0).Right, Centre(1, 0).Y};
    const int width = Grid->ColWidths(1);
    const auto plain = strip(border.X + 30), plainAtBorder = strip(border.X);
    MouseMove(*Grid, border);
    MouseDown(*Grid, border);
    MouseMove(*Grid, {border.X + 30, border.Y}, {ssLeft});
    EXPECT_NE(strip(border.X + 30), plain) << "the line follows the pointer over the data cells";
    EXPECT_EQ(Grid->ColWidths(1), width) << "the column itself is sized at the drop";
    // Dragged back and dropped where it was, nothing is sized and the line goes.
    MouseMove(*Grid, border, {ssLeft});
    MouseUp(*Grid, border);
    EXPECT_EQ(strip(border.X + 30), plain);
    EXPECT_EQ(strip(border.X), plainAtBorder);
}
