// Header clicks: sorting by several columns with the index key, and fixed
// cells pressed like buttons.
#include "grid/interact/tests/GridEditingFixture.h"

#include <vector>

#include "grid/base/AuxLists.h"
#include "grid/base/tests/GridPicture.h"
#include "grid/model/SortSettings.h"

using namespace backend::input;

namespace {

class GridHeaderClickTest : public GridEditingTest {
protected:
    void SetUp() override
    {
        GridEditingTest::SetUp();
        SetOption(goEditing, false);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        // Column 2 has ties that column 4 breaks.
        const char* rows[][4] = {{"a", "k", "b", "2"}, {"b", "k", "a", "9"}, {"c", "j", "c", "1"},
                                 {"d", "k", "c", "5"}, {"e", "j", "b", "3"}};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c) Grid->SetCells(c + 1, r + 1, rows[r][c]);
        Grid->SortSettings().SetShow(true);
        Grid->SortSettings().SetIndexShow(true);
    }
    std::string Order() { return ShownColumn(1).substr(1); }
    std::string Indexes()
    {
        std::string s;
        TSortIndexList& list = Grid->SortIndexes();
        for (int i = 0; i < list.Count(); ++i)
            s += std::to_string(list.GetSortColumns(i)) + (list.GetSortDirections(i) ? "+" : "-") + " ";
        return s;
    }
    // The cell's pixels as painted now.
    std::vector<std::uint32_t> CellPixels(int c, int r)
    {
        return GridCellPixels(*Form, *Grid, c, r);
    }
};

} // namespace

TEST_F(GridHeaderClickTest, TheIndexKeyAddsColumnsAndAPlainClickStartsOver)
{
    struct Step {
        int col;
        TShiftState shift;
        const char* indexes;
        const char* order;
    };
    const Step steps[] = {
        {2, {}, "2+ ", "c e a b d"},
        {4, {ssShift}, "2+ 4+ ", "c e a d b"},
        {4, {ssShift}, "2+ 4- ", "e c b d a"},
        {2, {ssShift}, "2- 4- ", "b d a e c"},
        {4, {}, "4+ ", "c a e d b"},
        {4, {}, "4- ", "b d e a c"},
        {3, {ssCtrl}, "3+ ", "b e a d c"},
    };
    for (const Step& s : steps) {
        MouseDown(*Grid, Centre(s.col, 0), 0, s.shift);
        MouseUp(*Grid, Centre(s.col, 0), 0, s.shift);
        EXPECT_EQ(Indexes(), s.indexes) << "click on " << s.col;
        EXPECT_EQ(Order(), s.order) << "click on " << s.col;
    }
    EXPECT_EQ(Grid->SortSettings().Column(), 3);

    Grid->SortSettings().SetIndexSortKey(ikCtrl);
    Click(*Grid, Centre(2, 0));
    MouseDown(*Grid, Centre(4, 0), 0, {ssCtrl});
    MouseUp(*Grid, Centre(4, 0), 0, {ssCtrl});
    EXPECT_EQ(Indexes(), "2+ 4+ ") << "Ctrl is the key when asked";
    EXPECT_EQ(Grid->SortSettings().Column(), 2);
}

TEST_F(GridHeaderClickTest, NoSortOnASmallGridOrARefusal)
{
    int sorts = 0;
    Grid->OnClickSort = [&](TObject*, int) { ++sorts; };
    Grid->OnCanSort = [](TObject*, int ACol, bool& doSort) { doSort = ACol != 3; };
    Click(*Grid, Centre(3, 0));
    EXPECT_EQ(Indexes(), "");
    EXPECT_EQ(Order(), "a b c d e");
    Grid->SetRowCount(2);
    Click(*Grid, Centre(2, 0));
    EXPECT_EQ(Indexes(), "") << "one data row is never sorted";
    EXPECT_EQ(sorts, 0);
}

TEST_F(GridHeaderClickTest, FixedCellsPressLikeButtons)
{
    std::vector<std::string> clicks;
    Grid->OnButtonClick = [&](TObject*, int ACol, int ARow) {
        clicks.push_back(std::to_string(ACol) + "," + std::to_string(ARow));
    };
    Grid->SortSettings().SetShow(false);
    MouseDown(*Grid, Centre(2, 0));
    EXPECT_EQ(Grid->PushedFixedCell(), (TGridCoord{-1, -1})) << "only with FixedAsButtons";
    MouseUp(*Grid, Centre(2, 0));
    Grid->SetFixedAsButtons(true);
    const std::vector<std::uint32_t> raised = CellPixels(2, 0);
    MouseDown(*Grid, Centre(2, 0));
    EXPECT_EQ(Grid->PushedFixedCell(), (TGridCoord{2, 0}));
    EXPECT_NE(CellPixels(2, 0), raised) << "drawn pressed in";
    MouseUp(*Grid, Centre(2, 0));
    EXPECT_EQ(Grid->PushedFixedCell(), (TGridCoord{-1, -1}));
    EXPECT_EQ(CellPixels(2, 0), raised) << "and out again";
    Click(*Grid, Centre(0, 3));
    Click(*Grid, Centre(3, 3));
    EXPECT_EQ(clicks, (std::vector<std::string>{"2,0", "0,3"})) << "data cells are no buttons";
}

TEST_F(GridHeaderClickTest, ARowSelectSortWithKeepHorizScrollKeepsTheLeftColumn)
{
    Grid->SortSettings().SetIndexShow(false);
    Grid->SortSettings().SetInitSortDirection(sdDescending);
    SetOption(goRowSelect, true);
    Grid->Navigation().SetMoveRowOnSort(true);
    Grid->SetColCount(12);
    for (int c = 1; c < 12; ++c) Grid->SetColWidths(c, 90);
    for (const bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "kept" : "not kept");
        Grid->Navigation().SetKeepHorizScroll(keep);
        Grid->SortSettings().SetColumn(-1);
        for (int r = 1; r < 6; ++r) Grid->SetCells(7, r, std::string(1, static_cast<char>('a' + r - 1)));
        Grid->FocusCell(1, 1, true);
        Grid->SetLeftCol(6);
        ASSERT_EQ(Grid->Cells(7, Grid->Row()), "a");
        // Sorted downwards, the current row moves from the top to the bottom.
        Click(*Grid, Centre(7, 0));
        ASSERT_EQ(ShownColumn(7), " e d c b a");
        EXPECT_EQ(Grid->Cells(7, Grid->Row()), "a") << "the current row follows its row";
        EXPECT_EQ(Grid->LeftCol(), keep ? 6 : 1);
    }
}
