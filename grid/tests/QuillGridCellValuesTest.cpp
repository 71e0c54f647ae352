// Cell texts as form-control values and as rich text.
#include "grid/tests/QuillGridFixture.h"
#include "grid/paint/RichText.h"

#include <vector>

namespace {

using QuillGridCellValuesTest = QuillGridTest;

TEST_F(QuillGridCellValuesTest, ControlValuesReadAndRewriteTheNamedControl)
{
    const std::string cell = R"(Name <CONTROL TYPE="EDIT" ID="e1" VALUE="abc">)";
    Grid->SetCells(1, 1, cell);
    // What the grid shows around a text is decoration, never data.
    Grid->OnGetDisplText = [](TObject*, int, int, std::string& Value) { Value += " (shown)"; };
    EXPECT_EQ(Grid->ControlValues(1, 1, "e1"), "abc");
    EXPECT_EQ(Grid->ControlValues(1, 1, "nope"), "");
    EXPECT_EQ(Grid->ControlValues(2, 1, "e1"), "");

    Grid->SetControlValues(1, 1, "nope", "x");
    EXPECT_EQ(Grid->AllGridCells(1, 1), cell);
    Grid->SetControlValues(1, 1, "e1", "new");
    EXPECT_EQ(Grid->ControlValues(1, 1, "e1"), "new");
    EXPECT_EQ(Grid->AllGridCells(1, 1).find("(shown)"), std::string::npos);
}

TEST_F(QuillGridCellValuesTest, RichTextKeepsEveryCharacterBothWays)
{
    // Latin-1, beyond Latin-1, and beyond the 16-bit range.
    const std::string plain = "Gr\xC3\xBC\xC3\x9F" "e \xE2\x9C\x93 \xF0\x9D\x84\x9E";
    Grid->SetCells(1, 1, plain);
    std::vector<grid::TRichRun> runs;
    Grid->CellToRich(1, 1, runs);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Text, plain);

    grid::TRichRun& bold = runs.emplace_back();
    bold.Text = "\nbold";
    bold.Bold = true;
    Grid->RichToCell(2, 1, runs);
    EXPECT_TRUE(Grid->Cells(2, 1).starts_with("{\\rtf1"));
    std::vector<grid::TRichRun> back;
    Grid->CellToRich(2, 1, back);
    std::string text;
    bool boldRead = false;
    for (const auto& run : back) {
        text += run.Text;
        boldRead = boldRead || (run.Bold && run.Text.find("bold") != std::string::npos);
    }
    EXPECT_EQ(text, plain + "\nbold");
    EXPECT_TRUE(boldRead);
}

TEST_F(QuillGridCellValuesTest, RichTextEdgeCases)
{
    std::vector<grid::TRichRun> runs(1);
    runs[0].Text = "old";
    Grid->CellToRich(1, 1, runs);
    EXPECT_TRUE(runs.empty()); // an empty cell clears the editor

    Grid->SetCells(1, 1, "{\\rtf1 {unclosed");
    Grid->CellToRich(1, 1, runs);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Text, "{\\rtf1 {unclosed");

    // The selected text gives a rich cell as the text it shows.
    Grid->SetCells(1, 2, "{\\rtf1\\ansi {\\b one}\\par two}");
    Grid->SetCells(2, 2, "plain");
    Grid->SelectCells(1, 2, 2, 2);
    EXPECT_EQ(Grid->SelectedText(), "one\r\ntwo\tplain");
}

} // namespace
