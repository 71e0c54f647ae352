// Sorting the string grid: every sort style against a stable sort with the
// grid's own comparison, tie-breaking, blanks, indexes, groups and unsorting.
#include "grid/tests/QuillGridFixture.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "grid/base/AuxLists.h"
#include "grid/base/MouseActions.h"
#include "grid/base/NavigationSettings.h"
#include "grid/model/FilterSettings.h"
#include "grid/model/SortSettings.h"
#include "platform/rtl/FormatSettings.h"

namespace {

class QuillGridSortTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        saved = FormatSettings();
        FormatSettings().DateSeparator = '/';
        FormatSettings().TimeSeparator = ':';
        FormatSettings().ShortDateFormat = "dd/mm/yyyy";
        FormatSettings().DecimalSeparator = '.';
        FormatSettings().ThousandSeparator = ',';
    }
    void TearDown() override
    {
        FormatSettings() = saved;
        QuillGridTest::TearDown();
    }

    // One fixed row, then the values in column 1 and their row number in column 2.
    void FillColumn(const std::vector<std::string>& Values)
    {
        Grid->SetColCount(3);
        Grid->SetRowCount(static_cast<int>(Values.size()) + 1);
        Grid->SetFixedRows(1);
        for (std::size_t i = 0; i < Values.size(); ++i) {
            Grid->SetCells(1, static_cast<int>(i) + 1, Values[i]);
            Grid->SetCells(2, static_cast<int>(i) + 1, std::to_string(i));
        }
    }
    std::string Column(int ACol)
    {
        std::string s;
        for (int r = Grid->FixedRows(); r < Grid->RowCount(); ++r)
            s += (r > Grid->FixedRows() ? "|" : "") + Grid->Cells(ACol, r);
        return s;
    }
    // The order of the row numbers a stable sort with the grid's own row
    // comparison gives, taken before the grid sorts.
    std::string ExpectedOrder(bool Descending)
    {
        std::vector<int> rows(static_cast<std::size_t>(Grid->RowCount() - 1));
        std::iota(rows.begin(), rows.end(), 1);
        const int sign = Descending ? -1 : 1;
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int a, int b) { return Grid->CompareRowCells(1, a, b, Descending) * sign < 0; });
        std::string s;
        for (int r : rows) s += (r == rows.front() ? "" : "|") + Grid->Cells(2, r);
        return s;
    }

    TFormatSettings saved;
};

const std::vector<std::string> AwkwardKeys = {
    "",      "10",       "b",          "9",    "B",         "100",        "x1",         "",
    "a",     "-3",       "1,000.5",    "2e3",  "31/04/2011", "01/02/2011", "12/31/2011", "15/01/2011",
    "10:30", "<b>z</b>", "<i>a</i>",   "abc",  "ABC",       "$ 12",       "12 kg",      "abc",
};

TEST_F(QuillGridSortTest, EveryStyleSortsAsAStableSortWithItsOwnComparison)
{
    for (int style = ssAutomatic; style <= ssAlphaNumericNoCase; ++style) {
        if (style == ssCustom || style == ssRaw) continue;
        for (bool descending : {false, true})
            for (bool ignoreBlanks : {false, true}) {
                SCOPED_TRACE(testing::Message() << "style " << style << (descending ? " descending" : "")
                                                << (ignoreBlanks ? " blanks last" : ""));
                FillColumn(AwkwardKeys);
                Grid->OnGetFormat = [style](TObject*, int, TSortStyle& AStyle, std::string& Prefix,
                                            std::string& Suffix) {
                    AStyle = static_cast<TSortStyle>(style);
                    Prefix = "$ ";
                    Suffix = " kg";
                };
                Grid->SortSettings().SetFull(false);
                Grid->SortSettings().SetIgnoreBlanks(ignoreBlanks);
                Grid->SortSettings().SetBlankPos(blLast);
                Grid->SortSettings().SetDirection(descending ? sdDescending : sdAscending);
                const std::string expected = ExpectedOrder(descending);
                Grid->Sort(1, descending ? sdDescending : sdAscending);
                EXPECT_EQ(Column(2), expected);
                if (ignoreBlanks) {
                    EXPECT_EQ(Grid->Cells(1, Grid->RowCount() - 1), "");
                }
            }
    }
}

TEST_F(QuillGridSortTest, AutomaticStyleDetectsNumbersDatesAndTexts)
{
    struct Case {
        const char* Name;
        std::vector<std::string> Values;
        bool AutoFormat;
        const char* Sorted;
    };
    const Case cases[] = {
        {"numbers", {"10", "9", "100"}, true, "9|10|100"},
        {"numbers as text", {"10", "9", "100"}, false, "10|100|9"},
        {"dates", {"02/01/2012", "31/12/2011", "01/02/2011"}, true, "01/02/2011|31/12/2011|02/01/2012"},
        {"separator at 4 is text", {"2011/02/01", "201/1/01", "10/01/2011"}, true, "10/01/2011|201/1/01|2011/02/01"},
        {"numbers before texts", {"n/a", "10", "9"}, true, "9|10|n/a"},
        {"impossible date is text", {"31/04/2011", "01/01/2011"}, true, "01/01/2011|31/04/2011"},
        {"times", {"10:30", "9:15", "23:00"}, true, "9:15|10:30|23:00"},
        {"blanks first", {"b", "", "a"}, true, "|a|b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        FillColumn(c.Values);
        Grid->SortSettings().SetAutoFormat(c.AutoFormat);
        Grid->Sort(1, sdAscending);
        EXPECT_EQ(Column(1), c.Sorted);
    }
}

TEST_F(QuillGridSortTest, ShortDatesOfBothOrdersReadFourDigitYearsAndNeverRaise)
{
    FillColumn({"12/31/2011", "31/04/2011", "01/15/2010", "02/01/2011"});
    Grid->OnGetFormat = [](TObject*, int, TSortStyle& AStyle, std::string&, std::string&) { AStyle = ssShortDateUS; };
    Grid->Sort(1, sdAscending);
    // The impossible date counts as 0 and goes first; the others by date.
    EXPECT_EQ(Column(1), "31/04/2011|01/15/2010|02/01/2011|12/31/2011");
}

TEST_F(QuillGridSortTest, EqualKeysKeepTheirOrderOrGoToTheNextColumn)
{
    FillColumn({"b", "a", "b", "a"});
    for (int r = 1; r <= 4; ++r) Grid->SetCells(2, r, std::to_string(5 - r));
    Grid->SortSettings().SetFull(false);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(2), "3|1|4|2");
    Grid->SortSettings().SetFull(true);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(2), "1|3|2|4");
    Grid->IgnoreColumns().Add(2);
    Grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(2), "2|4|1|3");
}

TEST_F(QuillGridSortTest, LongColumnsWithManyTiesSortAsTheRowComparisonDoes)
{
    // Enough rows for the quick paths of long sorts; keys that tie often in
    // both sort columns, and the row number in column 3 to show the order.
    const char* const keys[] = {"", "10", "9", "-0", "0", "1,000.5", "31/12/2011", "01/02/2011", "31/04/2011",
                                "10:30", "abc", "ABC", "abcdefghij", "abcdefghik", "n/a", "<b>z</b>"};
    constexpr int rows = 1500;
    // With few ties, the first column leaves only some rows to the next one:
    // distinct texts but for every seventh or every 23rd row.
    for (int tieEvery : {1, 7, 23})
    for (bool shownTexts : {false, true})
        for (TSortDirection direction : {sdAscending, sdDescending}) {
            SCOPED_TRACE(testing::Message() << "ties every " << tieEvery << (shownTexts ? " shown texts " : " ")
                                            << direction);
            Grid->SetColCount(4);
            Grid->SetRowCount(rows + 1);
            Grid->SetFixedRows(1);
            for (int r = 1; r <= rows; ++r) {
                Grid->SetCells(1, r, r % tieEvery ? "k" + std::to_string(r * 37 % 1499) : keys[(r * 7) % std::size(keys)]);
                Grid->SetCells(2, r, keys[(r * 5 / 3) % std::size(keys)]);
                Grid->SetCells(3, r, std::to_string(r));
            }
            // An event that changes what the grid shows sends every cell
            // through the shown text.
            Grid->OnGetDisplText = nullptr;
            if (shownTexts)
                Grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) {
                    if (Value == "abc") Value = "zz";
                };
            Grid->SortSettings().SetDirection(direction);
            Grid->SortSettings().SetIgnoreBlanks(direction == sdDescending);
            std::vector<int> order(rows);
            std::iota(order.begin(), order.end(), 1);
            const int sign = direction == sdDescending ? -1 : 1;
            std::stable_sort(order.begin(), order.end(),
                             [&](int a, int b) { return Grid->CompareRows(1, a, b) * sign < 0; });
            std::string expected;
            for (int r : order) expected += (r == order.front() ? "" : "|") + std::to_string(r);
            Grid->Sort(1, direction);
            EXPECT_EQ(Column(3), expected);
            // Shown as "zz", the stored "abc" sorts after "n/a".
            int lastNa = -1, firstAbc = rows + 1;
            for (int r = rows; r >= 1; --r) {
                if (Grid->Cells(1, r) == "n/a") lastNa = std::max(lastNa, r);
                if (Grid->Cells(1, r) == "abc") firstAbc = r;
            }
            EXPECT_EQ(firstAbc > lastNa, shownTexts == (direction == sdAscending));
        }
    Grid->OnGetDisplText = nullptr;
}

TEST_F(QuillGridSortTest, BlanksGoLastInBothDirections)
{
    for (TSortDirection direction : {sdAscending, sdDescending}) {
        FillColumn({"", "b", "", "a"});
        Grid->SortSettings().SetIgnoreBlanks(true);
        Grid->SortSettings().SetBlankPos(blLast);
        Grid->Sort(1, direction);
        EXPECT_EQ(Column(1), direction == sdAscending ? "a|b||" : "b|a||");
    }
    FillColumn({"b", "", "a"});
    Grid->SortSettings().SetIgnoreBlanks(false);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), "|a|b");
}

TEST_F(QuillGridSortTest, IndexedSortUsesEachEntrysDirection)
{
    FillColumn({"a", "b", "a", "b"});
    for (int r = 1; r <= 4; ++r) Grid->SetCells(0, r, std::to_string(r));
    EXPECT_THROW(Grid->QSortIndexed(), EQuillGridError);
    Grid->SortIndexes().AddIndex(1, false);
    Grid->SortIndexes().AddIndex(0, true);
    Grid->QSortIndexed();
    EXPECT_EQ(Column(0), "2|4|1|3");
    EXPECT_EQ(Grid->SortIndexes().Count(), 2);
    Grid->SortByColumn(1);
    EXPECT_EQ(Grid->SortIndexes().Count(), 0) << "a column sort forgets the indexes";
}

TEST_F(QuillGridSortTest, CustomAndRawComparisonsDecide)
{
    FillColumn({"ccc", "a", "bb"});
    Grid->OnGetFormat = [](TObject*, int, TSortStyle& AStyle, std::string&, std::string&) { AStyle = ssCustom; };
    Grid->OnCustomCompare = [](TObject*, std::string a, std::string b, int& Res) {
        Res = static_cast<int>(a.size()) - static_cast<int>(b.size());
    };
    Grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(1), "ccc|bb|a");
    Grid->OnGetFormat = [](TObject*, int, TSortStyle& AStyle, std::string&, std::string&) { AStyle = ssRaw; };
    Grid->OnRawCompare = [this](TObject*, int ACol, int Row1, int Row2, int& Res) {
        Res = Grid->Cells(ACol, Row1).compare(Grid->Cells(ACol, Row2));
    };
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), "a|bb|ccc");
}

TEST_F(QuillGridSortTest, CheckBoxesSortUntickedFirst)
{
    FillColumn({"", "", ""});
    Grid->AddCheckBox(1, 1, true, false);
    Grid->AddCheckBox(1, 2, false, false);
    Grid->AddCheckBox(1, 3, true, false);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(2), "1|0|2");
}

TEST_F(QuillGridSortTest, UnSortRestoresTheFirstOrderAfterTwoSorts)
{
    FillColumn({"c", "a", "d", "b"});
    Grid->Sort(1, sdAscending);
    Grid->Sort(2, sdDescending);
    Grid->Sort(1, sdDescending);
    Grid->QUnSort();
    EXPECT_EQ(Column(1), "c|a|d|b");
    EXPECT_EQ(Column(2), "0|1|2|3");
}

TEST_F(QuillGridSortTest, SortMovesObjectsAndHeightsButKeepsFixedPartsAndFooters)
{
    FillColumn({"b", "c", "a", "z"});
    Grid->SetFixedCols(1);
    Grid->SetFixedFooters(1);
    for (int r = 1; r <= 4; ++r) Grid->SetCells(0, r, "h" + std::to_string(r));
    Grid->SetColors(1, 3, clRed);
    Grid->SetRowHeights(3, 40);
    Grid->SortSettings().SetNormalCellsOnly(true);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), "a|b|c|z") << "the footer row stays last";
    EXPECT_EQ(Column(0), "h1|h2|h3|h4") << "the fixed column keeps its order";
    EXPECT_EQ(Grid->Colors(1, 1), clRed);
    EXPECT_EQ(Grid->RowHeights(1), 40);
    EXPECT_EQ(Grid->RowHeights(3), Grid->DefaultRowHeight());
}

TEST_F(QuillGridSortTest, EveryRowListFollowsItsRowThroughSortAndUnsort)
{
    // Rows "e".."a" with "c" hidden; the shown rows e d b a each carry a
    // height, a colour, a flag or a selection, and sort into a b d e.
    for (bool persistent : {false, true}) {
        SCOPED_TRACE(persistent ? "selection by real row" : "selection by display row");
        FillColumn({"e", "d", "c", "b", "a"});
        Grid->MouseActions().SetDisjunctRowSelect(true);
        Grid->MouseActions().SetRowSelectPersistent(persistent);
        Grid->HideRow(3);
        Grid->InitSortXRef();
        const auto flagIndex = [&](int ARow) { return persistent ? Grid->RealRowIndex(ARow) : ARow; };
        Grid->SetRowHeights(1, 31);
        Grid->SetColors(2, 2, clRed);
        Grid->SetRowModified(3, true);
        Grid->SetRowEnabled(2, false);
        Grid->SetRowSelect(flagIndex(4), true);
        Grid->SetRowSelect(flagIndex(1), true);
        const auto rowsWith = [&](auto has) {
            std::string s;
            for (int r = 1; r < Grid->RowCount(); ++r)
                if (has(r)) s += Grid->Cells(1, r);
            return s;
        };
        const auto state = [&] {
            return rowsWith([&](int r) { return Grid->RowHeights(r) == 31; }) + " " +
                   rowsWith([&](int r) { return Grid->Colors(2, r) == clRed; }) + " " +
                   rowsWith([&](int r) { return Grid->RowModified(r); }) + " " +
                   rowsWith([&](int r) { return !Grid->RowEnabled(r); }) + " " +
                   rowsWith([&](int r) { return Grid->RowSelect(flagIndex(r)); });
        };
        ASSERT_EQ(state(), "e d b d ea");

        Grid->Sort(1, sdAscending);
        EXPECT_EQ(Column(1), "a|b|d|e");
        EXPECT_EQ(state(), "e d b d ae");
        EXPECT_EQ(Grid->SelectedRow(0), flagIndex(1)) << "the first flagged row is still first in flag order";

        Grid->QUnSort();
        EXPECT_EQ(Column(1), "e|d|b|a");
        EXPECT_EQ(state(), "e d b d ea");

        // One swap of SortLine moves them the same way.
        EXPECT_TRUE(Grid->SortLine(1, 1, 2));
        EXPECT_EQ(Column(1), "d|e|b|a");
        EXPECT_EQ(state(), "e d b d ea");

        Grid->UnHideRowsAll();
        EXPECT_EQ(Column(1), "d|e|c|b|a") << "the hidden row kept its place";
        Grid->ClearRowSelect();
        Grid->ClearModifiedRows();
        for (int r = 1; r < Grid->RowCount(); ++r) {
            Grid->SetRowEnabled(r, true);
            Grid->SetRowHeights(r, Grid->DefaultRowHeight());
            Grid->SetColors(2, r, clNone);
        }
    }
}

TEST_F(QuillGridSortTest, SingleColumnMovesOnlyTheSortColumn)
{
    FillColumn({"b", "c", "a"});
    Grid->SortSettings().SetSingleColumn(true);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), "a|b|c");
    EXPECT_EQ(Column(2), "0|1|2");
}

TEST_F(QuillGridSortTest, CurrentRowFollowsItsDataWithMoveRowOnSort)
{
    FillColumn({"c", "a", "b"});
    Grid->SetRow(1);
    Grid->Navigation().SetMoveRowOnSort(true);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Grid->Row(), 3);
    Grid->Navigation().SetMoveRowOnSort(false);
    Grid->Sort(1, sdDescending);
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Cells(1, 3), "a");
}

TEST_F(QuillGridSortTest, HiddenRowsStayOutsideTheSort)
{
    FillColumn({"d", "c", "b", "a"});
    Grid->HideRow(2);
    Grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(1), "a|b|d");
    Grid->UnHideRowsAll();
    EXPECT_EQ(Column(1), "a|c|b|d");
}

TEST_F(QuillGridSortTest, UnSortRestoresEveryRowWhateverWasHiddenOrShownMeanwhile)
{
    // Column 1 sorts descending into e d c b a, that is rows 0 2 4 1 3.
    const auto hideTwo = [&] { Grid->HideRows(2, 3); };
    const auto filterAboveOne = [&] {
        TFilterData& data = *Grid->Filter().Add();
        data.SetColumn(2);
        data.SetCondition(">1");
        Grid->ApplyFilter();
    };
    const auto removeFilters = [&] { Grid->RemoveAllFilters(); };
    const auto unhideAll = [&] { Grid->UnHideRowsAll(); };
    const std::function<void()> nothing = [] {};
    struct Case {
        const char* Name;
        std::function<void()> BeforeSort;
        std::function<void()> AfterSort;
        const char* ShownAfterUnSort;
    };
    const Case cases[] = {
        {"hide after the sort", nothing, hideTwo, "0|1|3"},
        {"unhide all after the sort", hideTwo, unhideAll, "0|1|2|3|4"},
        {"hide before, hide more after", hideTwo, [&] { Grid->HideRows(4, 4); }, "0|3"},
        {"filter after the sort", nothing, filterAboveOne, "2|3|4"},
        {"remove the filter after the sort", filterAboveOne, removeFilters, "0|1|2|3|4"},
        {"filter before, unhide all after", filterAboveOne, unhideAll, "0|1|2|3|4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->Filter().Clear();
        FillColumn({"e", "b", "d", "a", "c"});
        // Rows 1 and 2 are taller, hidden or shown.
        const auto height = [&](int ARow) { return ARow == 2 ? 31 : (ARow == 3 ? 32 : Grid->DefaultRowHeight()); };
        for (int r = 1; r <= 5; ++r) Grid->SetRowHeights(r, height(r));
        c.BeforeSort();
        Grid->Sort(1, sdDescending);
        c.AfterSort();
        Grid->QUnSort();
        EXPECT_EQ(Column(2), c.ShownAfterUnSort);
        Grid->RemoveAllFilters();
        Grid->UnHideRowsAll();
        EXPECT_EQ(Column(2), "0|1|2|3|4");
        EXPECT_EQ(Column(1), "e|b|d|a|c");
        for (int r = 1; r <= 5; ++r) EXPECT_EQ(Grid->RowHeights(r), height(r)) << "row " << r;
        // A second sort and unsort starts from the restored order.
        Grid->Sort(1, sdAscending);
        Grid->QUnSort();
        EXPECT_EQ(Column(2), "0|1|2|3|4");
    }
}

TEST_F(QuillGridSortTest, SortedRowIndexNamesTheRealRowTheDataCameFrom)
{
    FillColumn({"d", "c", "b", "a"});
    Grid->HideRow(2);
    Grid->Sort(1, sdAscending);
    ASSERT_EQ(Column(1), "a|b|d");
    // Shown rows a b d stood at real rows 4 3 1.
    EXPECT_EQ(Grid->SortedRowIndex(1), 4);
    EXPECT_EQ(Grid->SortedRowIndex(2), 3);
    EXPECT_EQ(Grid->SortedRowIndex(3), 1);

    // Read and written by their place before the sort, the hidden one too.
    for (const auto& [place, text] : std::vector<std::pair<int, std::string>>{{1, "d"}, {2, "c"}, {3, "b"}, {4, "a"}})
        EXPECT_EQ(Grid->UnSortedCells(1, place), text) << place;
    Grid->SetUnSortedCells(1, 2, "C");
    Grid->SetUnSortedCells(1, 4, "A");
    Grid->UnHideRowsAll();
    Grid->QUnSort();
    EXPECT_EQ(Column(1), "d|C|b|A");
}

TEST_F(QuillGridSortTest, GroupSortSortsInsideExpandedGroupsOnly)
{
    FillColumn({"G1", "c", "a", "b", "G2", "z", "y"});
    Grid->AddNode(1, 4);
    Grid->AddNode(5, 3);
    Grid->ContractNode(5);
    Grid->SortSettings().SetColumn(1);
    Grid->QSortGroup();
    Grid->ExpandAll();
    EXPECT_EQ(Column(1), "G1|a|b|c|G2|z|y");
}

TEST_F(QuillGridSortTest, SortLineSwapsRowsOutOfOrder)
{
    FillColumn({"b", "a"});
    EXPECT_TRUE(Grid->SortLine(1, 1, 2));
    EXPECT_EQ(Column(1), "a|b");
    EXPECT_FALSE(Grid->SortLine(1, 1, 2));
}

} // namespace
