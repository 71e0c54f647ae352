// The viewer writes its grid as CSV that reads back to the same cells.
#include <gtest/gtest.h>

#include "grid/QuillGrid.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "testsupport/TempFolder.h"
#include "tools/gridview/DemoGrid.h"
#include "tools/gridview/GridSave.h"

TEST(GridSave, CsvReadsBackToTheSameCells)
{
    backend::InstallHeadlessBackend();
    TForm form(nullptr);
    auto* grid = new TQuillStringGrid(&form);
    grid->SetParent(&form);
    const gridview::TCsvRows rows = {{"h1", "h,2", "h\"3\""}, {"a", "two\nlines", ""}, {"", " pad ", "z"}};
    gridview::FillGrid(*grid, rows);
    const std::string text = gridview::GridAsCsv(*grid);
    EXPECT_EQ(gridview::ReadCsvCells(text), rows);
    EXPECT_EQ(text, "h1,\"h,2\",\"h\"\"3\"\"\"\na,\"two\nlines\",\n, pad ,z\n");
    testsupport::TempFolder folder;
    const std::string file = folder / "saved.csv";
    gridview::SaveGridAsCsv(*grid, file);
    EXPECT_EQ(testsupport::ReadFile(file), text);
    EXPECT_THROW(gridview::SaveGridAsCsv(*grid, folder / "missing/dir/x.csv"), Exception);
}
