// What lights up as the pointer moves over cells, driven by mouse messages
// through the platform and checked on the painted surface: the hovered
// row, a hot cell button, links underlined under the pointer, anchors
// entered and left, a held BUTTON control drawn pressed, and an address
// edited by a right press.
#include "grid/interact/tests/GridEditingFixture.h"

#include <cstdint>
#include <set>
#include <vector>

#include "grid/base/tests/GridPicture.h"
#include "platform/graphics/Bitmap.h"

using namespace backend::input;

namespace {

class GridHoverItemsTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        for (int c = 1; c < 4; ++c) Grid->SetColWidths(c, 130);
        for (int r = 1; r < 5; ++r) Grid->SetRowHeights(r, 30);
        Pump();
    }
    // A pixel of the form's surface as it stands, without painting anything again.
    TColor ShownPixel(TPoint p)
    {
        const TRGBQuad q = Form->Surface().ScanLine(p.Y + Form->MenuBarHeight())[p.X];
        return static_cast<TColor>(q.rgbBlue << 16 | q.rgbGreen << 8 | q.rgbRed);
    }
    std::vector<std::uint32_t> CellPixels(int c, int r)
    {
        return GridCellPixels(*Form, *Grid, c, r);
    }
    // The rows the move had repainted: those whose cells the paint that
    // follows may change (the painting's clip box reaches them).
    std::set<int> RowsRepaintedBy(TPoint Move)
    {
        Pump();
        std::set<int> rows;
        Grid->OnGetAlignment = [&](TObject*, int ARow, int ACol, TAlignment&, TVAlignment&) {
            const TRect clip = Grid->Canvas()->ClipRect(), cell = Grid->CellRect(ACol, ARow);
            if (ARow > 0 && clip.Left < cell.Right && cell.Left < clip.Right && clip.Top < cell.Bottom &&
                cell.Top < clip.Bottom)
                rows.insert(ARow);
        };
        MouseMove(*Grid, Move);
        Pump();
        Grid->OnGetAlignment = nullptr;
        return rows;
    }
    // A point on the first line of a cell's text, Offset pixels from the cell's left.
    TPoint OnText(int c, int r, int Offset = 6) { return {Grid->CellRect(c, r).Left + Offset, Grid->CellRect(c, r).Top + 8}; }
};

} // namespace

TEST_F(GridHoverItemsTest, TheRowUnderThePointerTakesTheHoverColourAndOnlyChangedRowsRepaint)
{
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(clAqua);
    const TColor plain = ColorToRGB(Grid->Color());
    EXPECT_EQ(RowsRepaintedBy(Centre(2, 2)), (std::set<int>{2}));
    EXPECT_EQ(Grid->HoverRowIndex(), 2);
    EXPECT_EQ(ShownPixel(Centre(3, 2)), clAqua);

    EXPECT_EQ(RowsRepaintedBy(Centre(2, 3)), (std::set<int>{2, 3})) << "the old row and the new one";
    EXPECT_EQ(ShownPixel(Centre(3, 2)), plain);
    EXPECT_EQ(ShownPixel(Centre(3, 3)), clAqua);
    EXPECT_EQ(RowsRepaintedBy(Centre(3, 3)), (std::set<int>{})) << "a move within the row repaints nothing";

    MouseMove(*Other, {5, 5});
    Pump();
    EXPECT_EQ(Grid->HoverRowIndex(), -1) << "leaving the grid clears the hover row";
    EXPECT_EQ(ShownPixel(Centre(3, 3)), plain);

    Grid->SetHoverRow(false);
    EXPECT_EQ(RowsRepaintedBy(Centre(2, 4)), (std::set<int>{}));
    EXPECT_EQ(Grid->HoverRowIndex(), -1) << "off, nothing is tracked";
}

TEST_F(GridHoverItemsTest, ACellButtonIsDrawnHotOnlyWhileThePointerIsOnIt)
{
    Grid->AddButton(2, 2, 60, 20, "Go", haLeft, vaCenter);
    const TRect cell = Grid->CellRect(2, 2);
    const TPoint onButton{cell.Left + 20, Centre(2, 2).Y};
    const TPoint beside{cell.Right - 10, Centre(2, 2).Y};
    const std::vector<std::uint32_t> plain = CellPixels(2, 2);
    MouseMove(*Grid, beside);
    EXPECT_EQ(Grid->HoverButton(), (TGridCoord{-1, -1})) << "the cell, but not its button";
    MouseMove(*Grid, onButton);
    EXPECT_EQ(Grid->HoverButton(), (TGridCoord{2, 2}));
    EXPECT_NE(CellPixels(2, 2), plain) << "drawn hot";
    MouseMove(*Grid, beside);
    EXPECT_EQ(Grid->HoverButton(), (TGridCoord{-1, -1}));
    EXPECT_EQ(CellPixels(2, 2), plain);
    MouseMove(*Grid, onButton);
    MouseMove(*Other, {5, 5});
    EXPECT_EQ(Grid->HoverButton(), (TGridCoord{-1, -1})) << "leaving the grid";
}

TEST_F(GridHoverItemsTest, AnchorsAreEnteredAndLeftAndShowTheHandCursor)
{
    Grid->SetCells(2, 2, "<a href=\"https://a.example\">aaaa</a> <a href=\"mailto:b@example.org\">bbbb</a> end");
    Grid->SetCells(3, 2, "https://plain.example");
    Grid->SetCells(3, 3, "plain words");
    std::vector<std::string> events;
    auto record = [&](const char* what) {
        return [&events, what](TObject*, int ARow, int ACol, const std::string& anchor) {
            events.push_back(std::string(what) + " " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + anchor);
        };
    };
    Grid->OnAnchorEnter = record("enter");
    Grid->OnAnchorExit = record("exit");
    const TCursor plainCursor = Grid->Cursor();

    MouseMove(*Grid, OnText(2, 2, 4));
    EXPECT_EQ(Grid->Cursor(), crHandPoint);
    MouseMove(*Grid, OnText(2, 2, 8));
    MouseMove(*Grid, OnText(2, 2, 50));
    MouseMove(*Grid, OnText(2, 2, 120));
    EXPECT_EQ(Grid->Cursor(), plainCursor) << "beside the links";
    MouseMove(*Grid, OnText(3, 2));
    EXPECT_EQ(Grid->Cursor(), crHandPoint) << "a plain address is a link as a whole";
    Grid->SetURLShow(false);
    MouseMove(*Grid, OnText(3, 2, 8));
    EXPECT_EQ(Grid->Cursor(), plainCursor) << "unless addresses are not shown as links";
    MouseMove(*Grid, OnText(2, 2, 4));
    MouseMove(*Other, {5, 5});
    EXPECT_EQ(events, (std::vector<std::string>{"enter 2,2 https://a.example", "enter 2,2 mailto:b@example.org",
                                                "exit 2,2 ", "enter 2,2 https://a.example", "exit -1,-1 "}))
        << "one enter per anchor, an exit when the pointer leaves it, also out of the grid";
}

TEST_F(GridHoverItemsTest, WithUnderlineOnHoverOnlyTheLinkUnderThePointerIsUnderlined)
{
    Grid->SetCells(2, 2, "<a href=\"https://a.example\">aaaa</a> <a href=\"https://b.example\">bbbb</a>");
    MouseMove(*Grid, Centre(3, 4));
    const std::vector<std::uint32_t> always = CellPixels(2, 2);
    MouseMove(*Grid, OnText(2, 2, 4));
    EXPECT_EQ(CellPixels(2, 2), always) << "without the option every link is underlined all the time";

    Grid->SetURLUnderlineOnHover(true);
    MouseMove(*Grid, Centre(3, 4));
    const std::vector<std::uint32_t> none = CellPixels(2, 2);
    EXPECT_NE(none, always);
    MouseMove(*Grid, OnText(2, 2, 4));
    const std::vector<std::uint32_t> first = CellPixels(2, 2);
    EXPECT_NE(first, none);
    EXPECT_NE(first, always) << "only the first link";
    MouseMove(*Grid, OnText(2, 2, 50));
    EXPECT_NE(CellPixels(2, 2), first);
    MouseMove(*Other, {5, 5});
    EXPECT_EQ(CellPixels(2, 2), none) << "leaving the grid takes the underline away";
}

TEST_F(GridHoverItemsTest, AHeldButtonControlIsDrawnPressedUntilReleased)
{
    Grid->SetCells(2, 2, "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Push\" WIDTH=\"80\">");
    const TPoint on = OnText(2, 2, 20);
    Grid->FocusCell(2, 2, true);
    const std::vector<std::uint32_t> up = CellPixels(2, 2);
    MouseDown(*Grid, on);
    const std::vector<std::uint32_t> down = CellPixels(2, 2);
    EXPECT_NE(down, up) << "drawn pressed while held";
    MouseUp(*Grid, on);
    EXPECT_EQ(CellPixels(2, 2), up) << "and raised again";
}

TEST_F(GridHoverItemsTest, ARightPressOnAnAddressEditsItWithURLEdit)
{
    Grid->SetCells(2, 3, "https://example.org/page");
    Grid->SetCells(3, 3, "no address");
    MouseDown(*Grid, Centre(2, 3), 1);
    MouseUp(*Grid, Centre(2, 3), 1);
    EXPECT_FALSE(EditorShown()) << "only with URLEdit";
    Grid->SetURLEdit(true);
    MouseDown(*Grid, Centre(3, 3), 1);
    MouseUp(*Grid, Centre(3, 3), 1);
    EXPECT_FALSE(EditorShown()) << "a cell without an address";
    MouseDown(*Grid, Centre(2, 3), 1);
    MouseUp(*Grid, Centre(2, 3), 1);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), (TGridCoord{2, 3}));
    EXPECT_EQ(EditorText(), "https://example.org/page");
}
