// Highlighting and marking in cells, and the headers.
#include "grid/tests/QuillGridFixture.h"

#include "platform/classes/StringList.h"

TEST_F(QuillGridTest, HighlightingTagsTheStoredTextAndUntaggingRestoresIt)
{
    Grid->SetURLShowInText(true);
    Grid->OnGetDisplText = [](TObject*, int, int, std::string& value) { value += " (shown)"; };
    Grid->SetCells(1, 1, "see www.a.com now");
    Grid->HilightInCell(false, 1, 1, "now");
    EXPECT_EQ(Grid->Cells(1, 1), "see www.a.com <hi>now</hi>") << "no decoration becomes data";
    Grid->UnHilightInCell(1, 1);
    EXPECT_EQ(Grid->Cells(1, 1), "see www.a.com now");
    Grid->SetCells(1, 2, "Now and now");
    Grid->MarkInCol(false, true, 1, "now");
    EXPECT_EQ(Grid->Cells(1, 2), "Now and <e>now</e>");
    Grid->UnMarkInGrid(false);
    EXPECT_EQ(Grid->Cells(1, 2), "Now and now");
}

TEST_F(QuillGridTest, HeadersFillTheFixedRowAndColumn)
{
    TStringList headers;
    headers.Add("No.");
    headers.Add("Name\\nfirst");
    Grid->SetColumnHeaders(headers);
    EXPECT_EQ(Grid->Cells(0, 0), "No.");
    EXPECT_EQ(Grid->Cells(1, 0), "Name\rfirst");
    TStringList rows;
    rows.Add("");
    rows.Add("one");
    Grid->SetRowHeaders(rows);
    EXPECT_EQ(Grid->Cells(0, 1), "one");
}
