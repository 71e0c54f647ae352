// Searching the string grid: matching rules, walk orders and bounds, hidden
// rows and columns, FindNext, Replace on stored texts and the quick Search.
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/AuxLists.h"

namespace {

class QuillGridSearchTest : public QuillGridTest {
protected:
    // Three normal columns and three normal rows under one fixed row and column.
    void FillCells(std::initializer_list<const char*> Texts)
    {
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(1);
        int i = 0;
        for (const char* text : Texts) {
            Grid->SetCells(1 + i % 3, 1 + i / 3, text);
            ++i;
        }
    }
    static std::string At(TPoint P) { return std::to_string(P.X) + "," + std::to_string(P.Y); }
};

TEST_F(QuillGridSearchTest, MatchingRules)
{
    struct Case {
        const char* Name;
        TFindParams Params;
        const char* Text;
        const char* Hit;
    };
    const Case cases[] = {
        {"substring ignoring case", {}, "abc", "1,2"},
        {"match case", {fnMatchCase}, "abc", "2,3"},
        {"match start", {fnMatchStart}, "abc", "2,3"},
        {"match start by rows", {fnMatchStart, fnDirectionLeftRight}, "abc", "3,1"},
        {"match full", {fnMatchFull}, "abc", "2,3"},
        {"two quotes find empty cells", {}, "\"\"", "1,1"},
        {"filter expression", {fnMatchRegular}, "x*c*", "1,2"},
        {"markup ignored", {fnIgnoreHTMLTags}, "bold", "2,2"},
        {"markup searched", {}, "<b>", "2,2"},
        {"no hit", {}, "zzz", "-1,-1"},
    };
    FillCells({"", "q", "ABCx", "xABCx", "<b>bo</b>ld", "", "y", "abc", ""});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(At(Grid->FindFirst(c.Text, c.Params)), c.Hit);
    }
}

TEST_F(QuillGridSearchTest, WalkOrdersDirectionsAndIgnoredColumns)
{
    FillCells({"a", "a", "", "a", "", "", "", "", "a"});
    std::string order;
    for (TPoint p = Grid->FindFirst("a", {}); p.X >= 0; p = Grid->FindNext()) order += At(p) + " ";
    EXPECT_EQ(order, "1,1 1,2 2,1 3,3 ");
    EXPECT_EQ(At(Grid->FindNext()), "1,1") << "after a miss the walk starts again";
    order.clear();
    for (TPoint p = Grid->FindFirst("a", {fnDirectionLeftRight}); p.X >= 0; p = Grid->FindNext()) order += At(p) + " ";
    EXPECT_EQ(order, "1,1 2,1 1,2 3,3 ");
    EXPECT_EQ(At(Grid->FindFirst("a", {fnBackward})), "3,3") << "backwards the bottom-right cell comes first";
    EXPECT_EQ(At(Grid->Find({3, 3}, "a", {fnBackward, fnDirectionLeftRight})), "1,2");
    Grid->IgnoreColumns().Add(1);
    EXPECT_EQ(At(Grid->FindFirst("a", {})), "2,1");
    EXPECT_EQ(At(Grid->FindFirst("a", {fnDirectionLeftRight})), "2,1");
}

TEST_F(QuillGridSearchTest, BoundsAndRestrictions)
{
    FillCells({"a", "", "", "", "", "a", "", "a", ""});
    Grid->SetCells(0, 0, "a");
    EXPECT_EQ(At(Grid->FindFirst("a", {fnIncludeFixed})), "0,0");
    Grid->SetRow(3);
    EXPECT_EQ(At(Grid->FindFirst("a", {fnFindInCurrentRow})), "2,3");
    Grid->SetFindCol(3);
    EXPECT_EQ(At(Grid->FindFirst("a", {fnFindInPresetCol})), "3,2");
    Grid->SetSelection({2, 2, 3, 3});
    EXPECT_EQ(At(Grid->FindFirst("a", {fnSelectedCells})), "2,3");
    Grid->SetFixedFooters(1);
    EXPECT_EQ(At(Grid->FindFirst("a", {fnBackward})), "3,2") << "footer rows are fixed";
}

TEST_F(QuillGridSearchTest, HiddenRowsAndColumnsOnlyWhenAsked)
{
    FillCells({"", "", "", "", "", "", "", "", "a"});
    Grid->HideColumn(3);
    EXPECT_EQ(At(Grid->FindFirst("a", {})), "-1,-1");
    EXPECT_EQ(At(Grid->FindFirst("a", {fnIncludeHiddenColumns})), "3,3");
    Grid->UnHideColumnsAll();
    Grid->HideRow(3);
    EXPECT_EQ(At(Grid->FindFirst("a", {})), "-1,-1");
    EXPECT_EQ(At(Grid->FindFirst("a", {fnIncludeHiddenRows})), "3,3");
}

TEST_F(QuillGridSearchTest, AutoGotoMovesToTheHitAndOpensItsNode)
{
    FillCells({"", "", "", "node", "", "", "", "a", ""});
    Grid->AddNode(2, 2);
    Grid->ContractNode(2);
    Grid->FindFirst("a", {fnAutoGoto, fnIncludeHiddenRows});
    EXPECT_FALSE(Grid->IsHiddenRow(3));
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Col(), 2);
}

TEST_F(QuillGridSearchTest, ReplaceChangesStoredTextsIgnoringCase)
{
    FillCells({"Aa", "xa", "b", "", "", "", "", "", ""});
    Grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) {
        if (!Value.empty()) Value = "[" + Value + "]";
    };
    EXPECT_EQ(Grid->Replace("a", "b", {}), 2);
    EXPECT_EQ(Grid->Cells(1, 1), "bb") << "the shown decoration stays out of the data";
    EXPECT_EQ(Grid->Cells(2, 1), "xb");
    EXPECT_EQ(Grid->Cells(3, 1), "b");
    EXPECT_EQ(Grid->Replace("a", "aa", {}), 0);
}

TEST_F(QuillGridSearchTest, QuickSearchByTheSortColumn)
{
    FillCells({"x", "", "", "abc", "", "", "Abd", "", ""});
    EXPECT_EQ(Grid->Search("AB"), 2);
    EXPECT_EQ(Grid->Search("ZZ"), -1);
}

} // namespace
