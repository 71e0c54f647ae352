// The grid's clipboard text: every cell back as it was, text of other programs, smart fill.
#include "grid/files/ClipboardText.h"
#include "grid/files/tests/AwkwardCells.h"
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/GridUndoRedo.h"
#include "grid/base/NavigationSettings.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/Clipboard.h"

#include <memory>
#include <vector>

using namespace gridfiles_test;

namespace {

// A grid that records the blocks it is told were pasted.
class TPasteRecordingGrid : public TQuillStringGrid {
public:
    using TQuillStringGrid::TQuillStringGrid;
    void PastedCells(TPoint Origin, TRect Target, TClipOperation LastOp) override
    {
        Pasted.push_back({Origin, Target, LastOp});
    }
    struct TPaste {
        TPoint Origin;
        TRect Target;
        TClipOperation Op;
    };
    std::vector<TPaste> Pasted;
};

class GridClipboardTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        MakeEditable(*Grid, 5);
    }
    // Normal cells only, Size x Size, editable, with range selection.
    static void MakeEditable(TQuillStringGrid& G, int Size)
    {
        G.SetFixedRows(0);
        G.SetFixedCols(0);
        G.SetColCount(Size);
        G.SetRowCount(Size);
        TGridOptions options = G.Options();
        options.Include(goEditing);
        options.Include(goRangeSelect);
        G.SetOptions(options);
    }
    void Select(int Left, int Top, int Right, int Bottom) { Grid->SetSelection({Left, Top, Right, Bottom}); }
    std::string Row(int ARow)
    {
        std::string s;
        for (int c = 0; c < Grid->ColCount(); ++c) s += (c ? "," : "") + Grid->Cells(c, ARow);
        return s;
    }
    // A grid like the fixture's, copying and pasting its own cells format.
    std::unique_ptr<TPasteRecordingGrid> CellsGrid()
    {
        auto grid = std::make_unique<TPasteRecordingGrid>(Form);
        grid->SetParent(Form);
        MakeEditable(*grid, 3);
        grid->Navigation().SetAllowFmtClipboard(true);
        return grid;
    }
    std::string Column(int ACol)
    {
        std::string s;
        for (int r = 0; r < Grid->RowCount(); ++r) s += (r ? "," : "") + Grid->Cells(ACol, r);
        return s;
    }
};

} // namespace

TEST_F(GridClipboardTest, EveryTextSurvivesCopyAndPaste)
{
    auto source = std::make_unique<TQuillStringGrid>(Form);
    source->SetParent(Form);
    FillAwkward(*source);
    source->CopyToClipBoard();
    EXPECT_NE(Clipboard()->AsText().find("\"line1\r\nline2\""), std::string::npos) << "line breaks kept in quotes";
    Grid->SetColCount(1);
    Grid->SetRowCount(1);
    Grid->PasteFromClipboard();
    ExpectAwkward(*Grid, "clipboard");
}

TEST_F(GridClipboardTest, TextOfOtherProgramsPastesCellForCell)
{
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(grid::files::ParseClipboardText("a\tb\nc\td\n"), (Rows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(grid::files::ParseClipboardText("\"x\ny\"\t\"q\"\"q\"\r\n"), (Rows{{"x\ny", "q\"q"}}));
    EXPECT_EQ(grid::files::ParseClipboardText("\"open\tquote\"x"), (Rows{{"\"open", "quote\"x"}}))
        << "a quote that closes nothing is text";
    EXPECT_EQ(grid::files::ParseClipboardText("a\t"), (Rows{{"a", ""}}));
}

TEST_F(GridClipboardTest, CutEmptiesTheSelectionAndPasteGrowsTheGrid)
{
    Grid->SetCells(1, 1, "x");
    Grid->SetCells(2, 1, "y");
    Select(1, 1, 2, 1);
    Grid->CutSelectionToClipboard();
    EXPECT_EQ(Row(1), ",,,,");
    Select(4, 4, 4, 4);
    Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(Grid->ColCount(), 6);
    EXPECT_EQ(Row(4), ",,,,x,y");
}

TEST_F(GridClipboardTest, SmartFillContinuesSeriesAndRepeatsBlocks)
{
    Grid->Navigation().SetAllowSmartClipboard(true);
    struct Case {
        const char* Name;
        std::string Clip;
        TGridRect Target;
        bool Column;
        std::string Expected;
    } cases[] = {
        {"one value fills", "v", {0, 0, 4, 0}, false, "v,v,v,v,v"},
        {"integers", "3\r\n5\r\n", {0, 0, 0, 4}, true, "3,5,7,9,11"},
        {"decimals", "1.5\t2", {0, 0, 4, 0}, false, "1.50,2.00,2.50,3.00,3.50"},
        {"a row block repeats whole", "a\tb", {0, 0, 4, 0}, false, "a,b,a,b,a"},
        {"a column block repeats whole", "a\r\nb\r\n", {0, 0, 0, 4}, true, "a,b,a,b,a"},
    };
    for (const Case& c : cases) {
        Grid->ClearAll();
        Clipboard()->SetAsText(c.Clip);
        Select(c.Target.Left, c.Target.Top, c.Target.Right, c.Target.Bottom);
        Grid->PasteSelectionFromClipboard();
        EXPECT_EQ(c.Column ? Column(0) : Row(0), c.Expected) << c.Name;
    }
}

TEST_F(GridClipboardTest, SmartFillContinuesDatesAndFillsASelectionWithOneValue)
{
    Grid->Navigation().SetAllowSmartClipboard(true);
    struct Case {
        const char* Name;
        std::string Clip;
        std::string Expected;
    } cases[] = {
        {"by month", "1/15/2026\r\n2/15/2026\r\n", "1/15/2026,2/15/2026,3/15/2026,4/15/2026,5/15/2026"},
        {"by day", "12/30/2026\r\n12/31/2026\r\n", "12/30/2026,12/31/2026,1/1/2027,1/2/2027,1/3/2027"},
        {"by year", "2/28/2026\r\n2/28/2027\r\n", "2/28/2026,2/28/2027,2/28/2028,2/28/2029,2/28/2030"},
        {"a month's end stays after a shorter month", "8/31/2026\r\n10/31/2026\r\n",
         "8/31/2026,10/31/2026,12/31/2026,2/28/2027,4/30/2027"},
        {"times by their difference", "10:00\r\n10:30\r\n", "10:00:00 AM,10:30:00 AM,11:00:00 AM,11:30:00 AM,12:00:00 PM"},
        {"date-times keep their time", "1/1/2026 10:00\r\n1/2/2026 10:00\r\n",
         "1/1/2026 10:00:00 AM,1/2/2026 10:00:00 AM,1/3/2026 10:00:00 AM,1/4/2026 10:00:00 AM,1/5/2026 10:00:00 AM"},
        {"a date that is none ends the fill", "1/1/2026\r\n13/45/2026\r\n", "1/1/2026,13/45/2026,,,"},
    };
    for (const Case& c : cases) {
        Grid->ClearAll();
        Clipboard()->SetAsText(c.Clip);
        Select(0, 0, 0, 4);
        Grid->PasteSelectionFromClipboard();
        EXPECT_EQ(Column(0), c.Expected) << c.Name;
    }

    Grid->ClearAll();
    Clipboard()->SetAsText("v");
    Select(1, 1, 3, 3);
    Grid->PasteSelectionFromClipboard();
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(Row(row), row >= 1 && row <= 3 ? ",v,v,v," : ",,,,") << "one value fills a 3 x 3 selection, row " << row;
}

TEST_F(GridClipboardTest, CellsFormatCarriesPropertiesAndTellsWhereTheBlockCameFrom)
{
    auto a = CellsGrid(), b = CellsGrid();
    a->SetCells(0, 0, "x");
    a->SetCells(1, 0, "y");
    a->SetCells(1, 1, "z");
    a->SetColors(1, 0, clRed);
    a->AddCheckBox(0, 1, true, false);
    a->SetSelection({0, 0, 1, 1});
    a->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "x\ty\r\n\tz\r\n") << "the text goes with the cells";

    b->SetCells(2, 2, "kept");
    b->SetSelection({1, 1, 1, 1});
    b->PasteSelectionFromClipboard();
    EXPECT_EQ(b->Cells(1, 1), "x");
    EXPECT_EQ(b->Cells(2, 1), "y");
    EXPECT_EQ(b->Cells(2, 2), "z") << "the block's cells overwrite the target's";
    EXPECT_EQ(b->Colors(2, 1), clRed);
    bool checked = false;
    EXPECT_TRUE(b->GetCheckBoxState(1, 2, checked) && checked);
    ASSERT_EQ(b->Pasted.size(), 1u);
    EXPECT_EQ(b->Pasted[0].Origin, (TPoint{-1, -1})) << "from another grid";
    EXPECT_EQ(b->Pasted[0].Target, (TRect{1, 1, 2, 2}));

    a->SetSelection({2, 2, 2, 2});
    a->PasteSelectionFromClipboard();
    ASSERT_EQ(a->Pasted.size(), 1u);
    EXPECT_EQ(a->Pasted[0].Origin, (TPoint{0, 0})) << "from this grid: its copy's top-left cell";
    EXPECT_EQ(a->Cells(2, 2), "x");
    EXPECT_EQ(a->RowCount(), 4) << "the block grows the grid";
    EXPECT_EQ(a->ColCount(), 4);

    b->Navigation().SetAllowFmtClipboard(false);
    b->SetSelection({0, 0, 0, 0});
    b->PasteSelectionFromClipboard();
    EXPECT_EQ(b->Colors(0, 0), clNone) << "without the cells format the text is pasted";
    EXPECT_EQ(b->Cells(0, 0), "x");

    a->SetSelection({1, 0, 1, 0});
    a->CutSelectionToClipboard();
    EXPECT_EQ(a->Cells(1, 0), "");
    EXPECT_EQ(a->Colors(1, 0), clNone) << "a cut takes the properties along";
    a->SetSelection({0, 2, 0, 2});
    a->PasteSelectionFromClipboard();
    EXPECT_EQ(a->Colors(0, 2), clRed);
    EXPECT_EQ(a->Pasted.back().Origin, (TPoint{1, 0}));
    EXPECT_EQ(a->Pasted.back().Op, coCut);
}

TEST_F(GridClipboardTest, AWholeGridPastedAtACellNeitherClearsNorResizesTheTarget)
{
    auto a = CellsGrid(), b = CellsGrid();
    a->SetCells(0, 0, "a");
    a->SetCells(2, 2, "c");
    a->CopyToClipBoard(); // every cell: a whole-grid block
    b->SetColCount(10);
    b->SetRowCount(10);
    b->SetCells(0, 0, "kept");
    b->Navigation().SetAllowClipboardRowGrow(false);
    b->Navigation().SetAllowClipboardColGrow(false);
    b->SetSelection({8, 8, 8, 8});
    b->PasteSelectionFromClipboard();
    EXPECT_EQ(b->Cells(0, 0), "kept");
    EXPECT_EQ(b->Cells(8, 8), "a");
    EXPECT_EQ(b->ColCount(), 10);
    EXPECT_EQ(b->RowCount(), 10) << "cells past the edge are dropped when the grid may not grow";
}

TEST_F(GridClipboardTest, RichTextTravelsAsEightBitTextAndIsReadWithinItsData)
{
    const unsigned rtf = RegisterClipboardFormat("Rich Text Format");
    Grid->Navigation().SetAllowRTFClipboard(true);
    Grid->SetCells(0, 0, "{\\rtf1 caf\\'e9 \\b bold}");
    Grid->SetCells(1, 0, "next");
    Select(0, 0, 1, 0);
    Grid->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->GetAsBytes(rtf), std::optional<std::string>("{\\rtf1 caf\\'e9 \\b bold}"));
    EXPECT_EQ(Clipboard()->AsText(), "{\\rtf1 caf\\'e9 \\b bold}\tnext");

    struct Case {
        const char* Name;
        std::string Bytes;
        std::string Expected;
    } cases[] = {
        {"odd length, no end mark", "{\\rtf1 abc}", "{\\rtf1 abc}"},
        {"a zero byte ends the text", std::string("{\\rtf1 a}\0garbage", 18), "{\\rtf1 a}"},
        {"8-bit bytes of another code page", "{\\rtf1 caf\xe9}", "{\\rtf1 caf\u00e9}"},
        {"UTF-8 stays", "{\\rtf1 \u00e9\u20ac}", "{\\rtf1 \u00e9\u20ac}"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        Clipboard()->Open();
        Clipboard()->SetAsText("text loses to rich text");
        Clipboard()->SetAsBytes(rtf, c.Bytes);
        Clipboard()->Close();
        Grid->SetCells(2, 2, "old");
        Select(2, 2, 2, 2);
        Grid->PasteSelectionFromClipboard();
        EXPECT_EQ(Grid->Cells(2, 2), c.Expected) << c.Name;
    }
}

TEST_F(GridClipboardTest, APasteIsOneUndoStepAndPasteEventsMayRefuseOrChangeCells)
{
    TQuillGridUndoRedo undo(nullptr);
    Grid->SetUndoRedo(&undo);
    Grid->SetCells(0, 0, "old0");
    Grid->SetCells(1, 0, "old1");
    Grid->SetCells(2, 0, "old2");
    std::vector<std::string> after;
    Grid->OnClipboardBeforePasteCell = [](TObject*, int ACol, int, bool& Allow, std::string& Value) {
        if (ACol == 1) Allow = false;
        if (ACol == 2) Value += "!";
    };
    Grid->OnClipboardAfterPasteCell = [&](TObject*, int ACol, int ARow, const std::string& Value) {
        after.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Value);
    };
    Clipboard()->SetAsText("a\tb\tc");
    Select(0, 0, 0, 0);
    Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(Row(0), "a,old1,c!,,");
    EXPECT_EQ(after, (std::vector<std::string>{"0,0=a", "2,0=c!"}));
    undo.Undo();
    EXPECT_EQ(Row(0), "old0,old1,old2,,") << "one undo takes back the whole paste";
    Grid->SetUndoRedo(nullptr);
}
