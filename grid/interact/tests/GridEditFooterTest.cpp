// Values committed from the in-place editor move the footer row's running
// totals, as any single edit does, instead of counting the column again.
#include "grid/interact/tests/GridEditingFixture.h"

#include "grid/base/CellProperties.h"
#include "grid/model/FloatingFooter.h"

namespace {

class GridEditFooterTest : public GridEditingTest {
protected:
    static constexpr int Rows = 300;
    // Rows far below the view, which painting never reads.
    static constexpr int FarRow = 100;

    void FillWithFooter(TColumnCalcType Calc)
    {
        Grid->SetRowCount(Rows);
        Grid->SetFixedRows(1);
        Grid->FloatingFooter().SetVisible(true);
        for (int r = 1; r < Rows - 1; ++r) Grid->SetCells(1, r, std::to_string(r));
        Grid->GetCellProperties(1, Rows - 1)->SetCalcType(Calc);
        Grid->CalcFooter(-1);
    }
    // Types the text into the current cell and commits it with Enter.
    void Commit(int ARow, std::string_view Text)
    {
        Grid->FocusCell(1, ARow, true);
        Type(Text);
        Press(VK_RETURN);
    }
    std::string Footer() { return Grid->Cells(1, Rows - 1); }
};

TEST_F(GridEditFooterTest, CommittedValuesMoveTheTotalsAsAFullCalculationWould)
{
    for (const TColumnCalcType calc : {acSUM, acAVG, acMIN, acMAX, acSTDDEV, acDISTINCT, acCOUNT}) {
        SCOPED_TRACE(testing::Message() << "calculation " << calc);
        FillWithFooter(calc);
        int farReads = 0;
        Grid->OnGetDisplText = [&](TObject*, int, int ARow, std::string&) { farReads += ARow >= FarRow; };
        // The smallest value replaced, a number turned into a text, a
        // value repeated.
        Commit(1, "500");
        Commit(2, "x");
        Commit(3, "4");
        EXPECT_EQ(Grid->Cells(1, 2), "x");
        EXPECT_EQ(farReads, 0) << "the commit read the column again";
        const std::string kept = Footer();
        Grid->CalcFooter(-1);
        EXPECT_EQ(kept, Footer());
        Grid->OnGetDisplText = nullptr;
    }
}

} // namespace
