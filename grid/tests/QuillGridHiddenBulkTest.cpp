// A pass of hidden rows (HideRowList) against the same rows hidden one by one
// with HideRow: the same shown rows, count, mapping, texts (a merge's too)
// and heights, and the same grid once they are shown again.
#include "grid/tests/QuillGridFixture.h"

#include <algorithm>
#include <vector>

#include "grid/base/AuxLists.h"

namespace {

struct TRowsSeen {
    int RowCount = 0;
    int Hidden = 0;
    std::vector<std::string> Texts;
    std::vector<int> Heights;
    std::vector<int> RealOf;
    std::vector<int> DisplOf;
    std::vector<std::string> AllTexts;
    bool operator==(const TRowsSeen&) const = default;
};

TRowsSeen Seen(TQuillStringGrid& grid)
{
    TRowsSeen seen;
    seen.RowCount = grid.RowCount();
    seen.Hidden = grid.NumHiddenRows();
    for (int d = 0; d < grid.RowCount(); ++d) {
        seen.Texts.push_back(grid.Cells(0, d) + "|" + grid.GetCellEx(1, d));
        seen.Heights.push_back(grid.RowHeights(d));
        seen.RealOf.push_back(grid.RealRowIndex(d));
    }
    for (int r = 0; r < grid.TotalRowCount(); ++r) {
        seen.DisplOf.push_back(grid.IsHiddenRow(r) ? -1 - grid.DisplRowIndex(r) : grid.DisplRowIndex(r));
        seen.AllTexts.push_back(grid.AllCells(0, r));
    }
    return seen;
}

void Fill(TQuillStringGrid& grid, const std::vector<int>& HiddenFirst)
{
    grid.SetColCount(3);
    grid.SetRowCount(12);
    grid.SetFixedRows(1);
    for (int r = 0; r < 12; ++r) {
        grid.SetCells(0, r, "r" + std::to_string(r));
        grid.SetCells(1, r, "c" + std::to_string(r));
        grid.SetRowHeights(r, 20 + r);
    }
    // A merge over real rows 8 and 9 of column 1 goes with its rows.
    grid.MergeCells(1, 8, 1, 2);
    for (int r : HiddenFirst) grid.HideRow(r);
}

} // namespace

TEST_F(QuillGridTest, APassHidesTheSameRowsAsHidingThemOneByOne)
{
    struct TCase {
        const char* Name;
        std::vector<int> HiddenFirst;
        // Display rows as they stand after HiddenFirst; repeats and rows
        // outside the grid name nothing more.
        std::vector<int> List;
    } cases[] = {
        {"scattered", {}, {1, 4, 5, 9, 11}},
        {"rows hidden before", {3, 6, 7}, {1, 2, 3, 8}},
        {"repeats and outside rows", {2}, {4, 4, -1, 1, 40, 10}},
        {"the fixed row too", {}, {0, 2}},
        {"every row, one stays shown", {5}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* single = new TQuillStringGrid(Form);
        single->SetParent(Form);
        Fill(*Grid, c.HiddenFirst);
        Fill(*single, c.HiddenFirst);
        const TRowsSeen before = Seen(*Grid);
        ASSERT_EQ(before, Seen(*single));
        ASSERT_EQ(Grid->GetCellEx(1, Grid->DisplRowIndex(9)), "c8");

        TIntList list(-1, -1);
        std::vector<int> reals;
        for (int d : c.List) {
            list.Add(d);
            if (d >= 0 && d < single->RowCount()) reals.push_back(single->RealRowIndex(d));
        }
        Grid->HideRowList(list);
        for (int real : reals) single->HideRow(real);
        EXPECT_EQ(Seen(*Grid), Seen(*single));

        // The pass comes back alone; the rows hidden before stay hidden.
        Grid->UnHideRowList();
        Grid->SetFilterLevel(0);
        std::sort(reals.begin(), reals.end());
        for (int real : reals) single->UnHideRow(real);
        EXPECT_EQ(Seen(*Grid), Seen(*single));
        EXPECT_EQ(Seen(*Grid), before);

        Grid->UnHideRowsAll();
        single->UnHideRowsAll();
        EXPECT_EQ(Seen(*Grid), Seen(*single));
        EXPECT_EQ(Grid->NumHiddenRows(), 0);
        delete single;
    }
}
