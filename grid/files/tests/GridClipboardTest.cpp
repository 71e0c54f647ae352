// The grid's clipboard text: every cell back as it was, text of other programs, smart fill.
#include "grid/files/ClipboardText.h"
#include "grid/files/tests/AwkwardCells.h"
#include "grid/tests/QuillGridFixture.h"

#include "grid/base/NavigationSettings.h"
#include "platform/ui/Clipboard.h"

#include <memory>

using namespace gridfiles_test;

namespace {

class GridClipboardTest : public QuillGridTest {
protected:
    void SetUp() override
    {
        QuillGridTest::SetUp();
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        TGridOptions options = Grid->Options();
        options.Include(goEditing);
        options.Include(goRangeSelect);
        Grid->SetOptions(options);
    }
    void Select(int Left, int Top, int Right, int Bottom) { Grid->SetSelection({Left, Top, Right, Bottom}); }
    std::string Row(int ARow)
    {
        std::string s;
        for (int c = 0; c < Grid->ColCount(); ++c) s += (c ? "," : "") + Grid->Cells(c, ARow);
        return s;
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
