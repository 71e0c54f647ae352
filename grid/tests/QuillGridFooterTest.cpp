// The string grid's footer values and column stretching.
#include "grid/tests/QuillGridFixture.h"

#include "grid/model/BehaviourSettings.h"

namespace {

class QuillGridFooterTest : public QuillGridTest {
protected:
    // One fixed row, eight normal rows holding 1..8 in column 1, a footer row.
    void FillWithFooter()
    {
        Grid->SetColCount(3);
        Grid->SetRowCount(10);
        Grid->SetFixedRows(1);
        Grid->SetFixedFooters(1);
        for (int r = 1; r <= 8; ++r) Grid->SetCells(1, r, std::to_string(r));
        Grid->SetCells(1, 4, "n/a");
    }
    void SetCalc(int ACol, TColumnCalcType Type) { Grid->GetCellProperties(ACol, 9)->SetCalcType(Type); }
};

TEST_F(QuillGridFooterTest, FooterShowsEachCalculation)
{
    struct Case {
        TColumnCalcType Type;
        const char* Shown;
    };
    // The text "n/a" is left out of every statistic; the count counts rows.
    const Case cases[] = {{acSUM, "32.00"}, {acAVG, "4.57"}, {acCOUNT, "8"},     {acMIN, "1.00"},
                          {acMAX, "8.00"},  {acDISTINCT, "8.00"}, {acSTDDEV, "2.44"}, {acNONE, "old"}};
    for (const Case& c : cases) {
        FillWithFooter();
        Grid->SetCells(1, 9, "old");
        SetCalc(1, c.Type);
        Grid->CalcFooter(-1);
        EXPECT_EQ(Grid->Cells(1, 9), c.Shown) << c.Type;
    }
}

TEST_F(QuillGridFooterTest, HiddenRowsCountAndCustomValuesComeFromTheEvent)
{
    FillWithFooter();
    SetCalc(1, acSUM);
    SetCalc(2, acCUSTOM);
    int askedRow = -1;
    Grid->OnFooterCalc = [&](TObject*, int, int ARow, std::string& Value) {
        askedRow = ARow;
        Value = "custom";
    };
    Grid->HideRow(8);
    Grid->CalcFooter(-1);
    EXPECT_EQ(Grid->Cells(1, Grid->RowCount() - 1), "32.00") << "the hidden row still counts";
    EXPECT_EQ(Grid->Cells(2, Grid->RowCount() - 1), "custom");
    EXPECT_EQ(askedRow, 9);
}

TEST_F(QuillGridFooterTest, EditsUpdateTheFooterAsAFullCalculationWould)
{
    // A number changed, a text turned into a number, a number cleared.
    const auto edit = [&] {
        Grid->SetCells(1, 3, "10");
        Grid->SetCells(1, 4, "5");
        Grid->SetCells(1, 8, "");
    };
    for (const TColumnCalcType type : {acSUM, acAVG, acCOUNT, acMIN, acMAX, acDISTINCT, acSTDDEV}) {
        FillWithFooter();
        SetCalc(1, type);
        Grid->CalcFooter(-1);
        edit();
        const std::string updated = Grid->Cells(1, 9);
        Grid->CalcFooter(-1);
        EXPECT_EQ(updated, Grid->Cells(1, 9)) << type;
    }
    FillWithFooter();
    SetCalc(1, acSUM);
    Grid->CalcFooter(-1);
    edit();
    EXPECT_EQ(Grid->Cells(1, 9), "36.00");
    for (int r = 1; r <= 8; ++r) Grid->SetCells(1, r, r % 2 ? "0.1" : "0.2");
    for (int r = 1; r <= 8; ++r) Grid->SetCells(1, r, "");
    EXPECT_EQ(Grid->Cells(1, 9), "0.00") << "no rounding left over once the column is empty";
}

TEST_F(QuillGridFooterTest, AnEditWithoutKeptTotalsCalculatesItsColumn)
{
    FillWithFooter();
    SetCalc(1, acAVG);
    Grid->SetCells(1, 1, "8");
    EXPECT_EQ(Grid->Cells(1, 9), "5.57") << "before any calculation";
    // Edits while the column shows its maximum leave no stale sum behind.
    SetCalc(1, acMAX);
    Grid->SetCells(1, 2, "20");
    SetCalc(1, acSUM);
    Grid->SetCells(1, 5, "6");
    EXPECT_EQ(Grid->Cells(1, 9), "58.00");
}

TEST_F(QuillGridFooterTest, FilteringRecalculatesTheFooter)
{
    FillWithFooter();
    SetCalc(1, acCOUNT);
    Grid->SetCells(1, 9, "");
    Grid->SetFilterActive(true);
    EXPECT_EQ(Grid->Cells(1, Grid->RowCount() - 1), "8");
}

TEST_F(QuillGridFooterTest, StretchFillsTheClientWidth)
{
    Grid->SetColCount(4);
    for (int c = 0; c < 4; ++c) Grid->SetColWidths(c, 50);
    Grid->StretchColumn(-1);
    EXPECT_EQ(Grid->ColWidths(3), 50) << "nothing without ColumnSize.Stretch";
    Grid->ColumnSize().SetStretch(true);
    Grid->StretchColumn(-1);
    EXPECT_EQ(Grid->ColWidths(3), Grid->ClientWidth() - 150 - 1);
    Grid->SetColWidths(0, Grid->ClientWidth());
    Grid->StretchColumn(3);
    EXPECT_EQ(Grid->ColWidths(3), Grid->DefaultColWidth()) << "other columns already too wide";
    EXPECT_THROW(Grid->StretchColumn(4), EQuillGridError);
    EXPECT_THROW(Grid->StretchColumn(-2), EQuillGridError);
    Grid->SetColCount(1);
    Grid->StretchRightColumn();
    EXPECT_EQ(Grid->ColWidths(0), Grid->ClientWidth());
}

} // namespace
