// References: A1 and R1C1 forms, absolute markers, cell texts as values, other grids and names.
#include "spreadsheet/tests/FormulaFixture.h"

#include "platform/rtl/DateTime.h"

TEST_F(FormulaTest, A1ReferencesCountFromTheFirstNonFixedCell)
{
    Grid->SetCells(1, 1, "10");
    Grid->SetCells(2, 2, "20");
    Grid->SetColCount(703);
    Grid->SetCells(27, 1, "27");
    Grid->SetCells(702, 1, "702");
    const NumberCaseTable cases = {
        {"A1", 10}, {"$A$1", 10}, {"A$1", 10}, {"$a1", 10}, {"B2", 20}, {"A1+B2*2", 50},
        {"AA1", 27}, {"ZZ1", 702}, {"C3", 0},
    };
    for (const auto& [expression, expected] : cases) {
        const Outcome o = Eval(expression);
        EXPECT_TRUE(o.Ok && o.Errors.empty()) << expression;
        EXPECT_DOUBLE_EQ(o.Number(), expected) << expression;
    }
}

TEST_F(FormulaTest, R1C1ReferencesNeedTheirMode)
{
    Put("C2", "32");
    Grid->SetCells(3, 23, "");
    EXPECT_EQ(Eval("R2C3").Code(), 4); // A1 mode: column C, row 23
    Formula->SetUseRCNames(true);
    EXPECT_DOUBLE_EQ(Eval("R2C3").Number(), 32);
    EXPECT_DOUBLE_EQ(Eval("r2c3*2").Number(), 64);
    EXPECT_DOUBLE_EQ(Eval("SUM(R1C3:R2C3)").Number(), 32);
}

TEST_F(FormulaTest, ReferencesOutsideTheGridReportErrorFourAndReadZero)
{
    Outcome o = Eval("Z99+1");
    EXPECT_TRUE(o.Ok);
    EXPECT_DOUBLE_EQ(o.Number(), 1);
    ASSERT_EQ(o.Errors.size(), 1u);
    EXPECT_EQ(o.Code(), 4);
    EXPECT_EQ(o.Position(), 1);
    EXPECT_EQ(Eval("A0").Code(), 0); // row 0 is the fixed row
    EXPECT_EQ(Eval("A99999999999999").Code(), 4);
    // A later error still fails the evaluation, though only the first is reported.
    o = Eval("Z99+1/0");
    EXPECT_FALSE(o.Ok);
    EXPECT_EQ(o.Errors.size(), 1u);
}

TEST_F(FormulaTest, CellTextsReadAsNumbersDatesTimesOrTexts)
{
    Put("A1", "1,234.5");
    Put("A2", "12:30");
    Put("A3", "3/4/2011");
    Put("A4", "abc");
    Put("A5", "=B1+1");
    Put("A6", "1E999");
    Put("A7", "a,b");
    EXPECT_DOUBLE_EQ(Eval("A1").Number(), 1234.5);
    EXPECT_NEAR(Eval("A2").Number(), 12.5 / 24, 1e-12);
    EXPECT_DOUBLE_EQ(Eval("A3").Number(), EncodeDate(2011, 3, 4));
    EXPECT_EQ(Eval("A4").Text(), "abc");
    EXPECT_EQ(Eval("A5").Text(), "=B1+1");
    EXPECT_EQ(Eval("A6").Code(), 15);
    EXPECT_EQ(Eval("A7").Text(), "a,b");
    EXPECT_DOUBLE_EQ(Eval("B1").Number(), 0);
}

TEST_F(FormulaTest, StoredValuesOfFormulaCellsAreReadInsteadOfTheirText)
{
    Put("A1", "=2*21");
    Formula->OnGetStoredValue = [](TQuillStringGrid*, int ACol, int ARow, Variant& Value) {
        if (ACol != 1 || ARow != 1) return false;
        Value = Variant(42.0);
        return true;
    };
    EXPECT_DOUBLE_EQ(Eval("A1+1").Number(), 43);
}

TEST_F(FormulaTest, OtherGridsAreReachedThroughTheBinder)
{
    TQuillStringGrid sheet2(nullptr);
    sheet2.SetFixedRows(2);
    sheet2.SetFixedCols(0);
    Put("A1", "7", &sheet2);
    Put("A2", "8", &sheet2);
    Put("B1", "1");
    Put("B2", "2");
    TQuillStringGrid decoy(nullptr);
    Put("A1", "99", &decoy);
    TGridBinder binder(nullptr);
    TGridBinderItem* item = binder.Grids().Add();
    item->SetGrid(&sheet2);
    item->SetName("Sheet2");
    TGridBinderItem* second = binder.Grids().Add();
    second->SetGrid(&decoy);
    second->SetName("SHEET2");

    EXPECT_EQ(Eval("SHEET2!A1").Code(), 6); // no binder yet
    Formula->SetBinder(&binder);
    EXPECT_DOUBLE_EQ(Eval("SHEET2!A1").Number(), 7);
    EXPECT_DOUBLE_EQ(Eval("sheet2!A2*2").Number(), 16);
    // A range without a prefix takes the grid of the list's last prefixed range.
    EXPECT_DOUBLE_EQ(Eval("SUM(SHEET2!A1:A2;B1:B2)").Number(), 15); // B1:B2 of Sheet2 is empty
    EXPECT_DOUBLE_EQ(Eval("SUM(B1:B2;SHEET2!A1:A2)").Number(), 18);
    const Outcome o = Eval("OTHER!A1+1");
    EXPECT_TRUE(o.Ok);
    EXPECT_EQ(o.Code(), 6);
    EXPECT_EQ(o.Errors.front().Text, "OTHER");

    TGridBinder copy(nullptr);
    copy.SetGrids(binder.Grids());
    ASSERT_EQ(copy.Grids().Count(), 2);
    EXPECT_EQ(copy.Grids().GetItem(0)->Grid(), &sheet2);
    EXPECT_EQ(copy.Grids().GetItem(1)->Name(), "SHEET2");
}

TEST_F(FormulaTest, NamedCellsReadTheirNumber)
{
    Put("B3", "12");
    Put("C3", "words");
    Formula->CellNameList().AddObject("Total", TGridFormula::PackedCellObject(2, 3));
    Formula->CellNameList().AddObject("Label", TGridFormula::PackedCellObject(3, 3));
    EXPECT_DOUBLE_EQ(Eval("TOTAL*2").Number(), 24);
    EXPECT_DOUBLE_EQ(Eval("total+1").Number(), 13);
    EXPECT_DOUBLE_EQ(Eval("LABEL+1").Number(), 1);
}

TEST_F(FormulaTest, RangesReadEmptyCellsByTheirFunction)
{
    Put("A1", "1");
    Put("A3", "5");
    EXPECT_DOUBLE_EQ(Eval("SUM(A1:A3)").Number(), 6);
    EXPECT_DOUBLE_EQ(Eval("MIN(A1:A3)").Number(), 1);
    EXPECT_DOUBLE_EQ(Eval("AVERAGE(A1:A3)").Number(), 2);
    EXPECT_DOUBLE_EQ(Eval("COUNTBLANK(A1:A3)").Number(), 1);
    EXPECT_DOUBLE_EQ(Eval("SUM(A3:A1)").Number(), 0);
    EXPECT_EQ(Eval("SUM(A3:A1)").Code(), 7);
    EXPECT_EQ(Eval("MIN(B1:B3)").Code(), 7);
    // A range reaching past the grid is clipped to it and reported.
    const Outcome o = Eval("SUM(A1:ZZ99999)");
    EXPECT_TRUE(o.Ok);
    EXPECT_DOUBLE_EQ(o.Number(), 6);
    EXPECT_EQ(o.Code(), 4);
}

// With a row hidden, a single reference and a one-cell range read the same cell.
TEST_F(FormulaTest, HiddenRowsMapSingleCellsAndRangesAlike)
{
    for (int row = 1; row <= 5; ++row) Put("A" + std::to_string(row), std::to_string(row * 10));
    Grid->HideRow(2);
    for (const char* cell : {"A1", "A3", "A4", "A5"}) {
        const double single = Eval(cell).Number();
        EXPECT_DOUBLE_EQ(Eval(std::string("SUM(") + cell + ":" + cell + ")").Number(), single) << cell;
    }
    EXPECT_DOUBLE_EQ(Eval("A3").Number(), 30);
}
