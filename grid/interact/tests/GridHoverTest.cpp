// The pointer resting and moving over the grid: cell hints after the pause,
// the size shown while a border is dragged, the cursor of each region, and
// which fixed cells light up.
#include "grid/interact/tests/GridEditingFixture.h"

#include "grid/base/MouseActions.h"
#include "grid/interact/HTMLHintWindow.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Application.h"
#include "platform/ui/Hints.h"
#include "platform/ui/Screen.h"

using namespace backend::input;

namespace {

class GridHoverTest : public GridEditingTest {
protected:
    // What the grid answers to a hint request at a client point.
    THintInfo HintAt(TPoint p)
    {
        THintInfo info;
        info.HintControl = Grid;
        info.CursorPos = p;
        info.HintStr = Grid->Hint();
        Grid->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }
    bool HintShown() { return Application->HintWindow() && Application->HintWindow()->Visible(); }
};

} // namespace

TEST_F(GridHoverTest, RestingOverACutOffTextShowsItWholeUntilThePointerMovesOn)
{
    Grid->SetShowHint(true);
    Grid->SetHintShowLargeText(true);
    Grid->SetHintColor(clYellow);
    Grid->SetCells(1, 1, "a text far too long for the sixty-four pixels of its column");
    Grid->SetCells(2, 1, "fits");
    MouseMove(*Grid, Centre(2, 1));
    AdvanceTime(Application->HintPause());
    EXPECT_FALSE(HintShown()) << "a text that fits needs no hint";
    MouseMove(*Grid, Centre(1, 1));
    MouseMove(*Grid, Centre(1, 1));
    AdvanceTime(Application->HintPause());
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(Application->HintWindow()->Caption(), Grid->Cells(1, 1));
    EXPECT_EQ(Application->HintWindow()->Color(), clYellow);
    const TRect cell = Grid->CellRect(1, 1);
    EXPECT_EQ(Application->HintWindow()->BoundsRect().TopLeft(), Grid->ClientToScreen(cell.TopLeft()))
        << "the hint lies over the cell's text";
    MouseMove(*Grid, Centre(2, 2));
    EXPECT_FALSE(HintShown()) << "another cell takes the hint away";
    MouseMove(*Grid, Centre(1, 1));
    AdvanceTime(Application->HintPause());
    EXPECT_TRUE(HintShown()) << "and resting again brings it back";
}

TEST_F(GridHoverTest, HintTextsOfCellsCommentsAndLinks)
{
    Grid->SetCells(1, 1, "<b>bold</b> words");
    Grid->SetCells(1, 0, "<b>header</b>");
    Grid->AddComment(2, 2, "checked by Ana");
    Grid->SetCells(3, 3, "<a href=\"https://example.org\" title=\"the site\">go</a>");
    Grid->SetCells(3, 2, "<a href=\"https://example.org/x\">x</a>");

    EXPECT_EQ(HintAt(Centre(1, 1)).HintStr, "") << "no hint unless asked for";
    Grid->SetHintShowCells(true);
    THintInfo plain = HintAt(Centre(1, 1));
    EXPECT_EQ(plain.HintStr, "bold words");
    EXPECT_EQ(plain.HintWindowClass, nullptr);
    EXPECT_EQ(HintAt(Centre(1, 0)).HintStr, "") << "fixed cells show no cell hint";
    Grid->SetHTMLHint(true);
    THintInfo html = HintAt(Centre(1, 1));
    EXPECT_EQ(html.HintStr, "<b>bold</b> words");
    EXPECT_EQ(html.HintWindowClass, &THTMLHintWindow::Create) << "HTML is shown as HTML";
    Grid->SetHintShowCells(false);

    const THintInfo comment = HintAt(Centre(2, 2));
    EXPECT_EQ(comment.HintStr, "checked by Ana");
    const TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(comment.HintPos, Grid->ClientToScreen({cell.Right, cell.Top})) << "beside the comment mark";

    Grid->SetAnchorHint(true);
    std::vector<std::string> asked;
    Grid->OnAnchorHint = [&](TObject*, int ARow, int ACol, std::string& anchor) {
        asked.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + anchor);
        if (anchor == "the site") anchor = "example";
    };
    const TRect link = Grid->CellRect(3, 3);
    const TPoint onLink{link.Left + 4, (link.Top + link.Bottom) / 2};
    const THintInfo title = HintAt(onLink);
    EXPECT_EQ(title.HintStr, "example");
    EXPECT_EQ(title.HintPos, Grid->ClientToScreen({onLink.X + 8, onLink.Y - 16}));
    const TRect link2 = Grid->CellRect(3, 2);
    EXPECT_EQ(HintAt({link2.Left + 4, (link2.Top + link2.Bottom) / 2}).HintStr, "https://example.org/x")
        << "a link without a title shows its address";
    EXPECT_EQ(HintAt({link.Right - 2, (link.Top + link.Bottom) / 2}).HintStr, "") << "beside the link: nothing";
    EXPECT_EQ(asked, (std::vector<std::string>{"3,3 the site", "3,2 https://example.org/x"}));

    Grid->OnGridHint = [](TObject*, int ARow, int ACol, std::string& hint) {
        hint = "cell " + std::to_string(ACol) + "," + std::to_string(ARow);
    };
    EXPECT_EQ(HintAt(Centre(2, 4)).HintStr, "cell 2,4");
}

TEST_F(GridHoverTest, SizingAColumnShowsItsWidthAsItGoes)
{
    SetOption(goColSizing, true);
    SetOption(goRowSizing, true);
    const int border = Grid->CellRect(1, 0).Right;
    const int y = Centre(1, 0).Y;
    MouseDown(*Grid, {border, y});
    MouseMove(*Grid, {border + 10, y}, {ssLeft});
    EXPECT_EQ(Grid->SizingHintWindow(), nullptr) << "only with HintShowSizing";
    MouseUp(*Grid, {border + 10, y});

    Grid->SetHintShowSizing(true);
    const int left = Grid->CellRect(1, 0).Left;
    const int edge = Grid->CellRect(1, 0).Right;
    MouseDown(*Grid, {edge, y});
    MouseMove(*Grid, {left + 57 + (edge - left - Grid->ColWidths(1)), y}, {ssLeft});
    ASSERT_NE(Grid->SizingHintWindow(), nullptr);
    EXPECT_TRUE(Grid->SizingHintWindow()->Visible());
    EXPECT_EQ(Grid->SizingHintWindow()->Caption(), "cw=<b>57</b>");
    EXPECT_EQ(Grid->SizingHintWindow()->BoundsRect().TopLeft(), Grid->ClientToScreen({left, 0}));
    MouseUp(*Grid, {left + 57, y});
    EXPECT_FALSE(Grid->SizingHintWindow()->Visible()) << "the release takes it away";

    const int bottom = Grid->CellRect(0, 2).Bottom;
    const int top = Grid->CellRect(0, 2).Top;
    const int x = Centre(0, 2).X;
    MouseDown(*Grid, {x, bottom});
    MouseMove(*Grid, {x, bottom + 12}, {ssLeft});
    EXPECT_EQ(Grid->SizingHintWindow()->Caption(), "rh=<b>" + std::to_string(bottom + 12 - top) + "</b>");
    MouseUp(*Grid, {x, bottom + 12});
}

TEST_F(GridHoverTest, EachRegionShowsItsCursor)
{
    SetOption(goColSizing, true);
    Grid->MouseActions().SetRowSelect(true);
    Grid->MouseActions().SetColSelect(true);
    Grid->MouseActions().SetAllSelect(true);
    auto* window = dynamic_cast<backend::THeadlessWindow*>(Form->NativeWindow());
    ASSERT_NE(window, nullptr);
    struct Case {
        const char* where;
        TPoint at;
        TCursor cursor;
        ui::TNativeCursor shape;
    };
    const int border = Grid->CellRect(2, 0).Right;
    const Case cases[] = {
        {"row header", Centre(0, 2), grid::crRowSelect, ui::TNativeCursor::ArrowE},
        {"column header", Centre(2, 0), grid::crColSelect, ui::TNativeCursor::ArrowS},
        {"corner", Centre(0, 0), grid::crSelectAll, ui::TNativeCursor::ArrowSE},
        {"column border", {border, Centre(2, 0).Y}, crHSplit, ui::TNativeCursor::SizeWE},
        {"data cell", Centre(2, 2), crDefault, ui::TNativeCursor::Arrow},
    };
    for (const Case& c : cases) {
        MouseMove(*Grid, c.at);
        EXPECT_EQ(Grid->Cursor(), c.cursor) << c.where;
        EXPECT_EQ(window->Cursor(), c.shape) << c.where << ": shown by the move that chose it";
    }
    EXPECT_EQ(Grid->MouseSelectMode(), msNormal);
    MouseMove(*Grid, Centre(0, 2));
    EXPECT_EQ(Grid->MouseSelectMode(), msRow);

    // The application's cursor comes back between regions; a handler may
    // choose one per cell.
    Grid->SetCursor(crHandPoint);
    MouseMove(*Grid, Centre(2, 0));
    MouseMove(*Grid, Centre(2, 2));
    EXPECT_EQ(Grid->Cursor(), crHandPoint);
    Grid->OnGetCellCursor = [](TObject*, int ACol, int ARow, TCursor& cursor) {
        if (ACol == 3 && ARow == 3) cursor = crCross;
    };
    MouseMove(*Grid, Centre(3, 3));
    EXPECT_EQ(Grid->Cursor(), crCross);
    MouseMove(*Grid, Centre(2, 3));
    EXPECT_EQ(Grid->Cursor(), crHandPoint);
}

TEST_F(GridHoverTest, HoverCoversTheChosenFixedCellsAndPausesWhileAMenuIsOpen)
{
    const TPoint none{-1, -1};
    Grid->SetHoverFixedCells(hfFixedRows);
    MouseMove(*Grid, Centre(0, 3));
    EXPECT_EQ(Grid->HotFixedCell(), none) << "a row header is no fixed row";
    MouseMove(*Grid, Centre(2, 0));
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{2, 0}));
    Grid->SetHoverFixedCells(hfFixedColumns);
    MouseMove(*Grid, Centre(3, 0));
    EXPECT_EQ(Grid->HotFixedCell(), none);
    MouseMove(*Grid, Centre(0, 3));
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{0, 3}));

    Grid->SetHoverFixedCells(hfNone);
    Grid->SetLook(glListView);
    MouseMove(*Grid, Centre(1, 0));
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{1, 0})) << "the list-view look lights its headers by itself";

    Grid->SuspendFixedHover(true);
    MouseMove(*Grid, Centre(2, 0));
    MouseMove(*Other, {5, 5});
    EXPECT_EQ(Grid->HotFixedCell(), (TPoint{1, 0})) << "a menu of the header is open";
    Grid->SuspendFixedHover(false);
    EXPECT_EQ(Grid->HotFixedCell(), none);
}
