// Filtering the string grid: conditions and their joins, passes stacked as
// levels, type-ahead narrowing and the drop-down's entries, with the user's
// text always matched literally.
#include "grid/tests/QuillGridFixture.h"

#include <vector>

#include "grid/model/FilterSettings.h"
#include "platform/classes/StringList.h"

namespace {

class QuillGridFilterTest : public QuillGridTest {
protected:
    // A header row, then the values in column 1.
    void FillValues(const std::vector<std::string>& Values)
    {
        Grid->SetColCount(3);
        Grid->SetRowCount(static_cast<int>(Values.size()) + 1);
        Grid->SetFixedRows(1);
        Grid->SetCells(1, 0, "head");
        for (std::size_t i = 0; i < Values.size(); ++i) {
            Grid->SetCells(1, static_cast<int>(i) + 1, Values[i]);
            Grid->SetCells(2, static_cast<int>(i) + 1, std::to_string(i));
        }
    }
    TFilterData& AddCondition(int ACol, const std::string& Condition, TFilterOperation Operation)
    {
        TFilterData& data = *Grid->Filter().Add();
        data.SetColumn(ACol);
        data.SetCondition(Condition);
        data.SetOperation(Operation);
        return data;
    }
    std::string Shown() { return ShownColumn(1); }
};

TEST_F(QuillGridFilterTest, ConditionsJoinByTheirOperations)
{
    FillValues({"5", "50", "500", "5000", "abc"});
    AddCondition(1, ">10", foNONE);
    AddCondition(1, "<1000", foAND);
    Grid->SetFilterActive(true);
    EXPECT_EQ(Shown(), "head 50 500");
    Grid->SetFilterActive(false);
    EXPECT_EQ(Shown(), "head 5 50 500 5000 abc");

    // A failing short condition stops the row test; the custom hook still decides.
    Grid->Filter().Clear();
    AddCondition(1, "5*", foSHORT);
    AddCondition(1, "*0", foAND);
    std::vector<int> asked;
    Grid->OnCustomFilter = [&](TObject*, int ARow, bool& Accept) {
        asked.push_back(ARow);
        if (Grid->Cells(1, ARow) == "abc") Accept = true;
    };
    Grid->SetFilterActive(true);
    EXPECT_EQ(Shown(), "head 50 500 5000 abc");
    EXPECT_EQ(asked.size(), 5u);
}

TEST_F(QuillGridFilterTest, FirstConditionJoinedByOrOrXor)
{
    FillValues({"a", "b"});
    AddCondition(1, "a", foOR);
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head a b") << "OR with the starting True lets every row pass";
    Grid->RemoveLastFilter();
    Grid->Filter().GetItem(0)->SetOperation(foXOR);
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head b") << "XOR with the starting True inverts the test";
}

TEST_F(QuillGridFilterTest, PrefixSuffixCaseAndWholeRows)
{
    FillValues({"$ 10 kg", "$ 300 kg", "ABC", "xyz"});
    TFilterData& data = AddCondition(1, ">100&<1000", foNONE);
    data.SetPrefix("$ ");
    data.SetSuffix(" kg");
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head $ 300 kg");
    Grid->RemoveAllFilters();
    Grid->Filter().Clear();
    AddCondition(1, "abc", foNONE).SetCaseSensitive(true);
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head");
    Grid->RemoveAllFilters();
    Grid->Filter().GetItem(0)->SetCaseSensitive(false);
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head ABC");
    Grid->RemoveAllFilters();
    TFilterData& row = *Grid->Filter().GetItem(0);
    row.SetData(fcRow);
    row.SetCondition("2");
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head ABC") << "the row's other cells are searched too";
}

TEST_F(QuillGridFilterTest, NodeAndSummaryRowsStayUnlessFilteringEveryRow)
{
    FillValues({"group", "a", "b"});
    Grid->AddNode(1, 3);
    AddCondition(1, "b", foNONE);
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head group b");
    Grid->RemoveLastFilter();
    Grid->SetFilterNormalCellsOnly(false);
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head b");
}

TEST_F(QuillGridFilterTest, PassesStackAndComeOffOneByOne)
{
    FillValues({"ab", "abc", "abd", "x"});
    AddCondition(1, "a*", foNONE);
    Grid->ApplyFilter();
    Grid->Filter().GetItem(0)->SetCondition("*c");
    Grid->ApplyFilter();
    EXPECT_EQ(Shown(), "head abc");
    EXPECT_EQ(Grid->FilterLevel(), 2);
    EXPECT_FALSE(Grid->RemoveLastFilter());
    EXPECT_EQ(Shown(), "head ab abc abd");
    Grid->RemoveAllFilters();
    EXPECT_EQ(Shown(), "head ab abc abd x");
    EXPECT_EQ(Grid->Filter().Count(), 1);
    Grid->RemoveAllFilters();
    EXPECT_EQ(Grid->Filter().Count(), 0) << "with no level applied the conditions go";
    EXPECT_FALSE(Grid->RemoveLastFilter());
}

TEST_F(QuillGridFilterTest, NarrowDownTypesOnBackAndAfresh)
{
    FillValues({"a", "ab", "abc", "xab", "a b", "A B c"});
    Grid->NarrowDown("a", 1);
    EXPECT_EQ(Grid->FilterLevel(), 1);
    Grid->NarrowDown("ab", 1);
    EXPECT_EQ(Grid->FilterLevel(), 2);
    EXPECT_EQ(Shown(), "head ab abc xab");
    Grid->NarrowDown("a", 1);
    EXPECT_EQ(Grid->FilterLevel(), 1);
    EXPECT_EQ(Shown(), "head a ab abc xab a b A B c");
    Grid->NarrowDown("x", 1);
    EXPECT_EQ(Grid->FilterLevel(), 1);
    EXPECT_EQ(Shown(), "head xab");
    Grid->NarrowDown("a b", 1);
    EXPECT_EQ(Shown(), "head a b A B c") << "a space is part of the text";
    Grid->NarrowDown("", 1);
    EXPECT_EQ(Grid->FilterLevel(), 0);
    Grid->NarrowDown("b C", -1);
    EXPECT_EQ(Shown(), "head A B c") << "whole rows, ignoring case";
}

TEST_F(QuillGridFilterTest, TypedAndChosenTextIsMatchedLiterally)
{
    const std::vector<std::string> values = {"R&D", "R", "D", "a|b", "a", "b", "(none", "none", "x*", "xy",
                                             "<5", "3", "!x", "y", "a=b", "=b"};
    for (const char* typed : {"R&D", "a|b", "(none", "x*", "<5", "!x", "a=b"}) {
        FillValues(values);
        Grid->NarrowDown(typed, 1);
        EXPECT_EQ(Shown(), std::string("head ") + typed) << typed;
        Grid->NarrowDown("", 1);
    }
    FillValues(values);
    Grid->NarrowDown("((", 1);
    EXPECT_EQ(Shown(), "head");

    // Every value of the column, chosen from the drop-down, shows its own row only.
    FillValues(values);
    Grid->SetFilterDropDownAuto(true);
    Grid->SetFilterIncremental(false);
    ASSERT_TRUE(Grid->DoGetColumnFilter(1));
    EXPECT_EQ(Grid->FilterList().Count(), static_cast<int>(values.size()) + 1);
    for (int item = 1; item < Grid->FilterList().Count(); ++item) {
        const std::string value = Grid->FilterList().Strings(item);
        Grid->SetFilterCol(1);
        Grid->FilterListSelect(nullptr, item);
        EXPECT_EQ(Shown(), "head " + value) << value;
    }
}

TEST_F(QuillGridFilterTest, DropDownEntriesAndChoices)
{
    FillValues({" b ", "a", "b", "", "a"});
    Grid->SetFilterDropDownAuto(true);
    Grid->OnGetColumnFilter = [](TObject*, int, TStrings* Filter) { Filter->Add("Not a=!a"); };
    ASSERT_TRUE(Grid->DoGetColumnFilter(1));
    EXPECT_EQ(Grid->FilterList().Count(), 4);
    EXPECT_EQ(Grid->FilterList().Strings(0), "(All)");
    EXPECT_EQ(Grid->FilterList().Strings(1), "a");
    EXPECT_EQ(Grid->FilterList().Strings(2), "b");

    std::string chosenName;
    Grid->OnFilterSelect = [&](TObject*, int, int, std::string Name, std::string&) { chosenName = Name; };
    int done = 0;
    Grid->OnFilterDone = [&](TObject*) { ++done; };
    Grid->SetFilterCol(1);
    Grid->FilterListSelect(nullptr, 3);
    EXPECT_EQ(chosenName, "Not a");
    EXPECT_EQ(Shown(), "head  b  b ");
    EXPECT_EQ(done, 1);
    Grid->SetFilterCol(1);
    Grid->FilterListSelect(nullptr, 0);
    EXPECT_EQ(Shown(), "head  b  a b  a");
    EXPECT_FALSE(Grid->Filter().HasFilter(1)) << "(All) removes the column's condition";
    Grid->SetFilterCol(1);
    Grid->FilterListSelect(nullptr, 9);
    EXPECT_EQ(Grid->FilterCol(), 1) << "an entry out of range is ignored";

    Grid->SetFilterCol(1);
    Grid->FilterCheckListSelect({1, 2});
    EXPECT_EQ(Shown(), "head  b  a b a");
}

TEST_F(QuillGridFilterTest, FilterDropDownRowTakesOnlyFixedRows)
{
    FillValues({"a"});
    Grid->SetFilterDropDownRow(Grid->FixedRows());
    EXPECT_EQ(Grid->FilterDropDownRow(), 0);
}

} // namespace
