// The string grid's footer values and column stretching.
#include "grid/tests/QuillGridFixture.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/GridChangeNotifier.h"

#include "grid/model/BehaviourSettings.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class QuillGridFooterTest : public QuillGridTest {
protected:
    // One fixed row, eight normal rows holding 1..8 in column 1, a footer row.
    void FillWithFooter()
    {
        Grid->SetColCount(3);
        Grid->SetRowCount(10);
        Grid->SetFixedRows(1);
        Grid->FloatingFooter().SetVisible(true);
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

TEST_F(QuillGridFooterTest, TheFloatingFooterDecidesWhatIsCalculated)
{
    FillWithFooter();
    SetCalc(1, acSUM);
    SetCalc(2, acCUSTOM);
    int askedRow = -1;
    Grid->FloatingFooter().OnCalcFooter = [&](TObject* Sender, int, int ARow, std::string& Value) {
        EXPECT_EQ(Sender, Grid);
        askedRow = ARow;
        Value = "from the footer";
    };
    Grid->FloatingFooter().SetCalculateHiddenRows(false);
    Grid->HideRow(8);
    Grid->CalcFooter(-1);
    EXPECT_EQ(Grid->Cells(1, 8), "24.00") << "the hidden row is left out";
    EXPECT_EQ(Grid->Cells(2, 8), "from the footer");
    EXPECT_EQ(askedRow, 8);
    Grid->SetCells(1, 1, "11");
    EXPECT_EQ(Grid->Cells(1, 8), "34.00");
    Grid->UnHideRow(8);
    Grid->SetCells(1, 2, "12");
    EXPECT_EQ(Grid->Cells(1, 9), "52.00") << "a row shown again counts";
    // Without calculation, or with another style, the last row is left alone.
    Grid->FloatingFooter().SetEnableCalculation(false);
    Grid->SetCells(1, 3, "13");
    EXPECT_EQ(Grid->Cells(1, 9), "52.00");
    Grid->FloatingFooter().SetEnableCalculation(true);
    Grid->FloatingFooter().SetFooterStyle(fsColumnPreview);
    Grid->CalcFooter(-1);
    EXPECT_EQ(Grid->Cells(1, 9), "52.00");
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

// Every calculation kept by running totals, one per column, over eight
// normal rows holding numbers, a text and a repeated value.
class QuillGridFooterInStepTest : public QuillGridTest {
protected:
    static constexpr TColumnCalcType Calcs[] = {acSUM, acAVG, acMIN, acMAX, acSTDDEV, acDISTINCT, acCOUNT};
    static constexpr int Cols = 7;
    void SetUp() override
    {
        QuillGridTest::SetUp();
        Grid->SetColCount(Cols);
        Grid->SetRowCount(10);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(0);
        Grid->FloatingFooter().SetVisible(true);
        const char* texts[] = {"4", "-2.5", "x", "10", "4", "7", "", "1e3"};
        for (int c = 0; c < Cols; ++c) {
            for (int r = 1; r <= 8; ++r) Grid->SetCells(c, r, texts[(r + c) % 8]);
            Grid->GetCellProperties(c, 9)->SetCalcType(Calcs[c]);
        }
        Grid->CalcFooter(-1);
    }
    std::string Footer() { return ShownRow(Grid->RowCount() - 1); }
    // The footer after the change must be what a full calculation shows.
    void ExpectInStep(const std::string& What)
    {
        const std::string kept = Footer();
        Grid->CalcFooter(-1);
        EXPECT_EQ(kept, Footer()) << What;
    }
};

TEST_F(QuillGridFooterInStepTest, RowsInsertedAndRemovedMoveEveryFooter)
{
    struct Step {
        const char* What;
        std::function<void(TQuillStringGrid&)> Change;
    };
    const Step steps[] = {
        {"rows inserted", [](TQuillStringGrid& g) { g.InsertRows(3, 2); }},
        {"values typed into them",
         [](TQuillStringGrid& g) {
             for (int c = 0; c < Cols; ++c) g.SetCells(c, 3, "12");
         }},
        {"a row inserted just above the footer", [](TQuillStringGrid& g) { g.InsertRows(g.RowCount() - 1, 1); }},
        {"rows removed", [](TQuillStringGrid& g) { g.RemoveRows(2, 2); }},
        {"the first normal row removed", [](TQuillStringGrid& g) { g.RemoveRowRange(1, 1); }},
        {"a block deleted", [](TQuillStringGrid& g) { g.DeleteRowBlock(2, 2, true); }},
        {"a hidden row edited", [](TQuillStringGrid& g) {
             g.HideRow(2);
             for (int c = 0; c < Cols; ++c) g.SetAllCells(c, 2, "100");
         }},
        {"rows removed around a hidden row", [](TQuillStringGrid& g) { g.RemoveRows(1, 2); }},
    };
    for (const Step& step : steps) {
        step.Change(*Grid);
        ExpectInStep(step.What);
    }
    EXPECT_EQ(Grid->Cells(6, Grid->RowCount() - 1), std::to_string(Grid->RowCount() + Grid->NumHiddenRows() - 2));
}

TEST_F(QuillGridFooterInStepTest, EditsOfCellsWithPropertiesAndMergedCellsMoveTheFooter)
{
    // A cell with properties takes its text through the merged-cell path.
    for (int c = 0; c < Cols; ++c) {
        Grid->SetColors(c, 2, clYellow);
        Grid->SetFloats(c, 2, 50);
    }
    ExpectInStep("typed value into a cell with properties");
    EXPECT_EQ(Grid->Cells(0, 9), "1072.50");
    // Cells under a merged area leave the statistics; writing to one writes its base cell.
    for (int c = 0; c < Cols; ++c) Grid->MergeCells(c, 4, 1, 2);
    ExpectInStep("merged");
    for (int c = 0; c < Cols; ++c) Grid->SetCellEx(c, 5, "-8");
    ExpectInStep("written through a covered cell");
    for (int c = 0; c < Cols; ++c) Grid->SplitCells(c, 4);
    for (int c = 0; c < Cols; ++c) Grid->SetCells(c, 5, "3");
    ExpectInStep("split and edited");
}

TEST_F(QuillGridFooterInStepTest, ChangesAroundTheFooterRowCalculateAfresh)
{
    // Rows after the footer make a new last row; the old footer becomes data.
    Grid->InsertRows(Grid->RowCount(), 1);
    Grid->GetCellProperties(0, Grid->RowCount() - 1)->SetCalcType(acSUM);
    Grid->SetCells(0, 1, "1");
    ExpectInStep("footer moved down");
    Grid->RemoveRows(Grid->RowCount() - 1, 1);
    Grid->SetCells(0, 2, "2");
    ExpectInStep("footer row removed");
    // A footer whose calculation changed is not moved by the old totals.
    Grid->GetCellProperties(1, Grid->RowCount() - 1)->SetCalcType(acMAX);
    Grid->SetCells(1, 1, "-50");
    ExpectInStep("calculation changed");
}

TEST_F(QuillGridFooterInStepTest, ChangesThatWriteNoCountedCellCountAfresh)
{
    for (int c = 0; c < Cols; ++c) Grid->SetCells(c, 0, "1000");
    // The fixed row trades places with a counted one.
    Grid->MoveRow(0, 3);
    ExpectInStep("fixed row moved among the counted rows");
    Grid->MoveRow(2, 4);
    ExpectInStep("counted rows moved among themselves");
    // The first row becomes counted: the next edit of a column with running
    // totals counts it; the row count waits for CalcFooter.
    Grid->SetFixedRows(0);
    for (int c = 0; c < Cols; ++c) Grid->SetCells(c, 2, "5");
    const std::string kept = Footer();
    Grid->CalcFooter(-1);
    EXPECT_EQ(kept.substr(0, kept.rfind(' ')), Footer().substr(0, Footer().rfind(' '))) << "fixed rows changed";
    // Shown texts the totals cannot see change: the caller counts afresh.
    Grid->OnGetDisplText = [](TObject*, int, int ARow, std::string& Value) {
        if (ARow == 3) Value = "-100";
    };
    Grid->CalcFooter(-1);
    EXPECT_EQ(Grid->Cells(2, 9), "-100.00") << "the minimum shown";
    for (int c = 0; c < Cols; ++c) Grid->SetCells(c, 4, "6");
    ExpectInStep("edited after the shown texts changed");
}

TEST_F(QuillGridFooterTest, FilteringRecalculatesTheFooter)
{
    FillWithFooter();
    SetCalc(1, acCOUNT);
    Grid->SetCells(1, 9, "");
    Grid->SetFilterActive(true);
    EXPECT_EQ(Grid->Cells(1, Grid->RowCount() - 1), "8");
}

TEST_F(QuillGridFooterTest, RegisteredNotifiersHearOfChangedCellsBeforeTheFooterIsCalculated)
{
    struct TListener : TGridChangeNotifier {
        using TGridChangeNotifier::TGridChangeNotifier;
        void NotifyCellsChanged(const TRect& R) override { Heard.push_back(R.Top); }
        std::vector<int> Heard;
    };
    FillWithFooter();
    SetCalc(1, acSUM);
    TListener first(nullptr), second(nullptr);
    std::vector<std::string> order;
    Grid->OnCellsChanged = [&](TObject*, TRect) { order.push_back("event"); };
    Grid->RegisterNotifier(&first);
    Grid->RegisterNotifier(&first);
    Grid->RegisterNotifier(&second);
    Grid->RemoveRows(2, 1);
    EXPECT_EQ(first.Heard, std::vector<int>{2}) << "registered once";
    EXPECT_EQ(second.Heard, std::vector<int>{2});
    EXPECT_EQ(order, std::vector<std::string>{"event"});
    EXPECT_EQ(Grid->Cells(1, Grid->RowCount() - 1), "30.00");
    Grid->UnRegisterNotifier(&first);
    Grid->ClearRows(1, 1);
    EXPECT_EQ(first.Heard.size(), 1u);
    EXPECT_EQ(second.Heard.size(), 2u);
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
