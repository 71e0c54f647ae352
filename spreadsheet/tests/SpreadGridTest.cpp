// The spreadsheet grid: shown and saved texts, recalculation in dependency order,
// references that follow structure changes, names, headers and editing aids.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/model/CellGraphic.h"
#include "spreadsheet/QuillSprd.h"

namespace {

// A grid whose edits arrive as a person's would: the text stored, then the change reported.
class TEditedGrid : public TQuillSpreadGrid {
public:
    explicit TEditedGrid(TComponent* Owner = nullptr) : TQuillSpreadGrid(Owner) {}
    using TQuillSpreadGrid::PastedCells;
    void Edit(int c, int r, const std::string& Text)
    {
        SetGridCell(c, r, Text);
        CellValueChanged(c, r);
    }
    std::string Shown(int c, int r)
    {
        std::string s;
        GetDisplayCellText(c, r, s);
        return s;
    }
    std::string Saved(int c, int r)
    {
        std::string s;
        GetSaveCellText(c, r, s);
        return s;
    }
};

struct Reported {
    int Col, Row, Code;
};

class SpreadGridTest : public testing::Test {
protected:
    void SetUp() override { G = MakeGrid(); }

    std::unique_ptr<TEditedGrid> MakeGrid()
    {
        auto grid = std::make_unique<TEditedGrid>();
        grid->SetColCount(8);
        grid->SetRowCount(12);
        grid->SetFixedCols(1);
        grid->SetFixedRows(1);
        grid->OnFormulaErrorInfo = [this](TObject*, int c, int r, int code, int, int, const std::string&) {
            Errors.push_back({c, r, code});
        };
        return grid;
    }
    // Grid cell of a written name on G (one fixed row and column).
    static int C(char Letter) { return 1 + (Letter - 'A'); }

    std::unique_ptr<TEditedGrid> G;
    std::vector<Reported> Errors;
};

} // namespace

TEST_F(SpreadGridTest, ShowsResultsAndSavesFormulas)
{
    G->SetCells(1, 1, "=1+2");
    EXPECT_EQ(G->Shown(1, 1), "3.00");
    EXPECT_EQ(G->Cells(1, 1), "=1+2");
    EXPECT_EQ(G->Saved(1, 1), "=1+2");
    G->SetSaveFormula(false);
    EXPECT_EQ(G->Saved(1, 1), "3.00");
    G->SetShowFormula(true);
    EXPECT_EQ(G->Shown(1, 1), "=1+2");
    G->SetShowFormula(false);

    G->SetCells(2, 1, "=\"a b\"");
    EXPECT_EQ(G->Shown(2, 1), "a b");
    EXPECT_EQ(G->CellValue(2, 1).AsString(), "a b");
    G->SetCells(3, 1, "1.5");
    EXPECT_DOUBLE_EQ(G->CellValue(3, 1).AsDouble(), 1.5);
    EXPECT_THROW(G->CellValue(4, 1), EQuillGridError);
    EXPECT_EQ(G->ErrorToString(0), "");
    EXPECT_EQ(G->ErrorToString(18), "");
    EXPECT_EQ(G->ErrorToString(8), "Circular reference");
}

// The cell format event runs first, then the float format event, whose format is the one used;
// texts ask neither.
TEST_F(SpreadGridTest, NumericResultsTakeTheFormatTheEventsGive)
{
    std::string order;
    G->OnCellFormat = [&](TObject*, int, int, std::string& Format, bool&) {
        order += "cell ";
        Format = "%.1f";
    };
    G->OnGetFloatFormat = [&](TObject*, int c, int, bool& IsFloat, std::string& Format) {
        order += "float(" + Format + ") ";
        if (c == 2) Format = "%.3f";
        IsFloat = false;
    };
    G->SetCells(1, 1, "=1/3");
    G->SetCells(2, 1, "=1/3");
    G->SetCells(3, 1, "=\"t\"");
    order.clear();
    EXPECT_EQ(G->Shown(1, 1), "0.3");
    EXPECT_EQ(G->Shown(2, 1), "0.333");
    EXPECT_EQ(G->Shown(3, 1), "t");
    EXPECT_EQ(order, "cell float(%.1f) cell float(%.1f) ");
}

TEST_F(SpreadGridTest, AnEmptyFormulaIsReportedOnceAndShownByTheErrorDisplay)
{
    G->SetGridCell(1, 1, "=");
    EXPECT_EQ(G->Shown(1, 1), "=");
    EXPECT_EQ(G->Shown(1, 1), "=");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0].Code, 1);
    EXPECT_EQ(G->GetCellState(1, 1), 2);
    G->SetErrorDisplay(edErrorText);
    EXPECT_EQ(G->Shown(1, 1), "Error");
    G->SetCells(2, 1, "=1/0");
    EXPECT_EQ(G->Shown(2, 1), "Error");
    EXPECT_EQ(Errors.back().Code, 2);
}

// A diamond with a tail and a chain written against the reading order: every
// formula is computed after what it reads, with no false circular reference.
TEST_F(SpreadGridTest, ChangesRecalculateDependentsInOrder)
{
    G->Edit(C('A'), 1, "1");
    G->Edit(C('B'), 1, "=A1");
    G->Edit(C('C'), 1, "=A1*2");
    G->Edit(C('D'), 1, "=B1+C1");
    G->Edit(C('E'), 1, "=D1");
    G->Edit(C('A'), 1, "2");
    EXPECT_EQ(G->Shown(C('E'), 1), "6.00");

    G->SetGridCell(C('A'), 2, "=B2+1");
    G->SetGridCell(C('B'), 2, "=C2+1");
    G->SetGridCell(C('C'), 2, "=D2");
    G->SetGridCell(C('D'), 2, "5");
    G->Recalc();
    EXPECT_EQ(G->Shown(C('A'), 2), "7.00");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(SpreadGridTest, ACycleIsReportedAsCircularAndEndsTheRecalculation)
{
    G->Edit(C('A'), 1, "=A1");
    ASSERT_FALSE(Errors.empty());
    EXPECT_EQ(Errors.back().Code, 8);
    Errors.clear();
    G->Edit(C('A'), 2, "=B2+1");
    G->Edit(C('B'), 2, "=A2+1");
    G->Edit(C('C'), 2, "=B2");
    G->Recalc();
    for (char col : {'A', 'B', 'C'}) EXPECT_EQ(G->GetCellState(C(col), 2), 2) << col;
    EXPECT_FALSE(Errors.empty());
    // Breaking the cycle brings the values back.
    G->Edit(C('B'), 2, "4");
    EXPECT_EQ(G->Shown(C('A'), 2), "5.00");
    EXPECT_EQ(G->Shown(C('C'), 2), "4.00");
}

// A change evaluates exactly the formulas that read it, however long the chain.
TEST_F(SpreadGridTest, OneChangeEvaluatesOnlyItsDependentsAndLongChainsDoNotRecurse)
{
    constexpr int rows = 100000;
    G->SetRowCount(rows + 1);
    G->SetAutoRecalc(false);
    G->SetGridCell(C('A'), 1, "1");
    for (int r = 2; r <= rows; ++r) G->SetGridCell(C('A'), r, "=A" + std::to_string(r - 1) + "+1");
    for (int r = 1; r <= 50; ++r) G->SetGridCell(C('B'), r, "=C1*" + std::to_string(r));
    G->Recalc();
    EXPECT_EQ(G->Shown(C('A'), rows), std::to_string(rows) + ".00");
    G->SetAutoRecalc(true);
    int evaluated = 0;
    G->OnCellFormat = [&](TObject*, int, int, std::string&, bool&) { ++evaluated; };
    G->Edit(C('C'), 1, "2");
    EXPECT_EQ(evaluated, 50);
    EXPECT_EQ(G->Shown(C('B'), 50), "100.00");
    evaluated = 0;
    G->Edit(C('A'), 1, "10");
    EXPECT_EQ(evaluated, rows - 1);
    G->OnCellFormat = nullptr;
    EXPECT_EQ(G->Shown(C('A'), rows), std::to_string(rows + 9) + ".00");
}

TEST_F(SpreadGridTest, PlainValuesWrittenThroughCellsWaitForRecalc)
{
    G->SetCells(C('B'), 1, "=A1");
    G->SetCells(C('A'), 1, "5");
    EXPECT_EQ(G->Shown(C('B'), 1), "0.00");
    G->Recalc();
    EXPECT_EQ(G->Shown(C('B'), 1), "5.00");
}

struct RewriteCase {
    const char* Before;
    const char* After;
};

// With one fixed row and column, as in the sheets people see.
TEST_F(SpreadGridTest, ReferencesFollowInsertedAndRemovedRowsAndColumns)
{
    // Formulas sit in column G from row 5 on, below every changed row, so they
    // move with their rows and columns.
    const auto rewritten = [&](auto change, int RowShift, int ColShift, std::initializer_list<RewriteCase> cases) {
        int row = 5;
        for (const RewriteCase& c : cases) G->SetGridCell(C('G'), row++, c.Before);
        change();
        row = 5 + RowShift;
        for (const RewriteCase& c : cases) EXPECT_EQ(G->Cells(C('G') + ColShift, row++), c.After) << c.Before;
        G->ClearRect(1, 1, G->ColCount() - 1, G->RowCount() - 1);
    };
    G->SetColCount(10);
    rewritten([&] { G->InsertRows(2, 1); }, 1, 0,
              {{"=A2+A1", "=A3+A1"}, {"=SUM(A1:A3)", "=SUM(A1:A4)"}, {"=CONCATENATE(\"Q1\";B5)", "=CONCATENATE(\"Q1\";B6)"},
               {"=$A$2+A$1", "=$A$3+A$1"}, {"=LOG10(A2)", "=LOG10(A3)"}});
    rewritten([&] { G->RemoveRows(2, 1); }, -1, 0,
              {{"=A5", "=A4"}, {"=A2+A1", "=#REF!+A1"}, {"=SUM(A2:A4)", "=SUM(A2:A3)"}, {"=SUM(A1:A4)", "=SUM(A1:A3)"}});
    rewritten([&] { G->InsertCols(1, 1); }, 0, 1, {{"=$A$1+A$2+$B3", "=$B$1+B$2+$C3"}, {"=SUM(A1:C1)", "=SUM(B1:D1)"}});
    rewritten([&] { G->RemoveCols(2, 1); }, 0, -1, {{"=SUM(A1:C1)", "=SUM(A1:B1)"}, {"=B1+C1", "=#REF!+B1"}});
}

TEST_F(SpreadGridTest, AFormulaStillNamesItsCellAfterARowIsInsertedAbove)
{
    G->Edit(C('A'), 1, "21");
    G->Edit(C('B'), 1, "=A1*2");
    EXPECT_EQ(G->Shown(C('B'), 1), "42.00");
    G->InsertRows(1, 1);
    EXPECT_EQ(G->Cells(C('B'), 2), "=A2*2");
    EXPECT_EQ(G->Shown(C('B'), 2), "42.00");
    EXPECT_EQ(G->Cells(0, 2), "2");
    G->Edit(C('A'), 2, "5");
    EXPECT_EQ(G->Shown(C('B'), 2), "10.00");
    G->RemoveRows(2, 1);
    EXPECT_EQ(G->Cells(C('B'), 1), "");
}

TEST_F(SpreadGridTest, MovedFormulasShiftTheirRelativeParts)
{
    G->SetCells(C('B'), 2, "=A1+$A$1");
    G->MoveFormula({C('B'), 2}, {C('D'), 5});
    EXPECT_EQ(G->Cells(C('D'), 5), "=C4+$A$1");
    EXPECT_EQ(G->Cells(C('B'), 2), "=A1+$A$1");
}

// The paste has written the source texts; the formulas then shift by the distance
// pasted, and names are copied or, for a cut, moved.
TEST_F(SpreadGridTest, PastedFormulasShiftAndNamesFollow)
{
    G->SetCells(C('B'), 2, "=A1+$A$1");
    G->SetCellName(C('B'), 2, "Price");
    G->SetGridCell(C('D'), 5, "=A1+$A$1");
    G->PastedCells({C('B'), 2}, {C('D'), 5, C('D'), 5}, coCopy);
    EXPECT_EQ(G->Cells(C('D'), 5), "=C4+$A$1");
    EXPECT_EQ(G->GetCellName(C('D'), 5), "Price");
    EXPECT_EQ(G->FindCellName("Price"), (TGridCoord{C('B'), 2}));
    G->SetGridCell(C('E'), 7, "=A1+$A$1");
    G->PastedCells({C('B'), 2}, {C('E'), 7, C('E'), 7}, coCut);
    EXPECT_EQ(G->Cells(C('E'), 7), "=D6+$A$1");
    EXPECT_EQ(G->FindCellName("Price"), (TGridCoord{C('E'), 7}));
    EXPECT_EQ(G->GetCellName(C('B'), 2), "");
}

// A formula reading a cell in error is in error too, never a number made of its text.
TEST_F(SpreadGridTest, ErrorsPassToTheFormulasThatReadThem)
{
    G->Edit(C('A'), 1, "=1/0");
    G->Edit(C('B'), 1, "=A1+1");
    G->Edit(C('C'), 1, "=SUM(A1:A2)");
    EXPECT_EQ(G->GetCellState(C('B'), 1), 2);
    EXPECT_EQ(G->GetCellState(C('C'), 1), 2);
    G->Edit(C('A'), 1, "=2");
    EXPECT_EQ(G->Shown(C('B'), 1), "3.00");
    EXPECT_EQ(G->Shown(C('C'), 1), "2.00");
}

TEST_F(SpreadGridTest, ReferencesAcrossGridsRecalculateAndFollowStructureChanges)
{
    TGridBinder binder(nullptr);
    auto other = MakeGrid();
    for (auto [grid, name] : {std::pair{static_cast<TQuillSpreadGrid*>(G.get()), "Sheet1"},
                              std::pair{static_cast<TQuillSpreadGrid*>(other.get()), "Sheet2"}}) {
        TGridBinderItem* item = binder.Grids().Add();
        item->SetGrid(grid);
        item->SetName(name);
        grid->SetBinder(&binder);
    }
    G->Edit(C('A'), 1, "3");
    other->Edit(C('A'), 1, "=Sheet1!A1*2");
    EXPECT_EQ(other->Shown(C('A'), 1), "6.00");
    G->Edit(C('A'), 1, "4");
    EXPECT_EQ(other->Shown(C('A'), 1), "8.00");
    G->InsertRows(1, 2);
    EXPECT_EQ(other->Cells(C('A'), 1), "=Sheet1!A3*2");
    EXPECT_EQ(other->Shown(C('A'), 1), "8.00");
    G->Edit(C('A'), 3, "1");
    EXPECT_EQ(other->Shown(C('A'), 1), "2.00");
    other->SetBinder(nullptr);
    G->SetBinder(nullptr);
}

TEST_F(SpreadGridTest, HeadersAndCellNames)
{
    auto g = std::make_unique<TEditedGrid>();
    g->SetColCount(4);
    g->SetRowCount(4);
    g->SetFixedCols(1);
    g->SetFixedRows(1);
    EXPECT_EQ(g->Cells(1, 0) + g->Cells(2, 0) + g->Cells(3, 0), "ABC");
    EXPECT_EQ(g->Cells(0, 1) + g->Cells(0, 2) + g->Cells(0, 3), "123");
    EXPECT_EQ(g->Cells(0, 0), "");
    TAlignment h = taLeftJustify;
    TVAlignment v = vtaTop;
    g->GetCellAlignment(1, 0, h, v);
    EXPECT_EQ(h, taCenter);
    g->SetCellNameMode(nmRC);
    EXPECT_EQ(g->Cells(3, 0), "3");
    EXPECT_EQ(g->CellToName(1 + 27, 1), "R1C28");
    g->SetCellNameMode(nmA1);
    EXPECT_EQ(g->CellToName(1 + 27, 1), "AB1");
    EXPECT_EQ(g->NameToCell("ab1"), (TGridCoord{28, 1}));
    EXPECT_EQ(g->NameToCell("ABC1").X, -1);
    g->SetColCount(29);
    EXPECT_EQ(g->Cells(27, 0), "AA");
    g->SetAutoHeaders(false);
    EXPECT_EQ(g->Cells(1, 0), "");
    EXPECT_EQ(g->Cells(0, 1), "");

    G->Edit(2, 3, "7");
    G->SetCellName(2, 3, "Total");
    EXPECT_EQ(G->FindCellName("total"), (TGridCoord{2, 3}));
    G->Edit(C('A'), 1, "=TOTAL*2");
    EXPECT_EQ(G->Shown(C('A'), 1), "14.00");
    G->Edit(2, 3, "8");
    EXPECT_EQ(G->Shown(C('A'), 1), "16.00");
    G->InsertRows(3, 1);
    EXPECT_EQ(G->FindCellName("Total"), (TGridCoord{2, 4}));
    EXPECT_EQ(G->GetCellName(2, 4), "Total");
    G->SetCellName(2, 4, "Sum");
    EXPECT_EQ(G->FindCellName("total").X, -1);
    G->RemoveRows(4, 1);
    EXPECT_EQ(G->FindCellName("Sum").X, 0xFFFF);
}

TEST_F(SpreadGridTest, FunctionHintsFollowTheTypedArgument)
{
    G->SetEditHint(true);
    G->ShowEditHint("=CHOOSE(", {0, 0}, 8);
    EXPECT_NE(G->EditHintText().find("<b>Selector</b>"), std::string::npos);
    G->ShowEditHint("=EQ(1;2", {0, 0}, 7);
    EXPECT_NE(G->EditHintText().find("<b>Value 2: Double</b>"), std::string::npos);
    G->ShowEditHint("=EQ(1)+2", {0, 0}, 8);
    EXPECT_EQ(G->EditHintText(), "");
    G->ShowEditHint("=SUM(A1;B", {0, 0}, 9);
    EXPECT_EQ(G->EditHintText(), "");
    EXPECT_EQ(G->GetFunctionHint("LT", 1).find("Lt(Value 1; <b>"), 0u);
    EXPECT_EQ(G->SetCellSelectMode(true), true);
    G->SetFormulaCellClick(false);
    EXPECT_EQ(G->SetCellSelectMode(true), false);
}
