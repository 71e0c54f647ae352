// Formula cells through the file object: formula text of plain, shared,
// 3-D and named formulas written by xlwt and LibreOffice, and the text of
// other cells.
#include "xlsAdapter/qorXLSAdapter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Fixture(const char* name)
{
    return std::string(VISTRA_SOURCE_DIR) + "/xlsAdapter/tests/data/" + name;
}

TEST(XlsFileFormulas, FormulaCellsGiveTheirTextAndOtherCellsNone)
{
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(Fixture("libreoffice.xls"));
    file.SetActiveSheet(1);
    // LibreOffice shares the first two formulas: each cell reads its own.
    EXPECT_EQ("=B2*2", file.GetCellFormula(2, 3));
    EXPECT_EQ("=B3*2", file.GetCellFormula(3, 3));
    EXPECT_EQ("=SUM(B2:B4)", file.GetCellFormula(4, 3));
    EXPECT_EQ("", file.GetCellFormula(2, 2));
    EXPECT_EQ("", file.GetCellFormula(100, 100));

    TXLSFile xlwt(nullptr);
    xlwt.Connect();
    xlwt.OpenFile(Fixture("formulas-xlwt.xls"));
    xlwt.SetActiveSheet(1);
    EXPECT_EQ("=SUM('Data'!A1:B2)", xlwt.GetCellFormula(21, 1));
    EXPECT_EQ("='Sales 2026'!C3+1", xlwt.GetCellFormula(22, 1));
}

} // namespace
