// Formula cells through the file object: formula text of plain, shared,
// 3-D and named formulas written by xlwt and LibreOffice, the text of other
// cells, and formulas we write as LibreOffice computes them and xlrd reads
// them.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsFormula.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace xlstest;

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
    EXPECT_EQ("=INDEX('Data'!A1:B2,2,1)", xlwt.GetCellFormula(13, 1));
    EXPECT_EQ("=CONCATENATE(A1,\" \",'Sales 2026'!C3)", xlwt.GetCellFormula(28, 1));
}

// Three sheets: Sheet1 with A1 1.5, A2 2 and A3 "abc"; Data with 2, 4 in
// row 1 and 3, 5 in row 2; Sales 2026 with 10 in C3.
std::unique_ptr<TXLSFile> SourceWorkbook()
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(3);
    file->SetActiveSheet(2);
    file->SetActiveSheetName("Data");
    file->SetCellValue(1, 1, Variant(2));
    file->SetCellValue(1, 2, Variant(4));
    file->SetCellValue(2, 1, Variant(3));
    file->SetCellValue(2, 2, Variant(5));
    file->SetActiveSheet(3);
    file->SetActiveSheetName("Sales 2026");
    file->SetCellValue(3, 3, Variant(10));
    file->SetActiveSheet(1);
    file->SetCellValue(1, 1, Variant(1.5));
    file->SetCellValue(2, 1, Variant(2));
    file->SetCellValue(3, 1, Variant("abc"));
    // Rates is Data!B1:B2; Start is Sheet1's A1, named without a sheet.
    TWorkbookGlobals& globals = file->GetTWorkbook()->Globals();
    TCellList& cells = static_cast<TWorkSheet*>(file->GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList();
    globals.AddName({"Rates", "='Data'!$B$1:$B$2", 0, -1}, cells);
    globals.AddName({"Start", "=A1", 0, -1}, cells);
    return file;
}

// Each formula with the value LibreOffice shows for it (a Boolean in a
// cell of the general format shows as a number).
const std::pair<const char*, const char*> WrittenFormulas[] = {
    {"=1+2*3", "7"},
    {"=A1*2", "3"},
    {"=SUM(A1:A2)", "3.5"},
    {"='Data'!A1+'Data'!B2", "7"},
    {"=SUM('Data'!A1:B2)", "14"},
    {"='Sales 2026'!C3/4", "2.5"},
    {"=SUM('Data:Sales 2026'!A1)", "2"},
    {"=IF(A1>1,\"big\",\"small\")", "big"},
    {"=ROUND(PI(),2)", "3.14"},
    {"=A3&\"d\"", "abcd"},
    {"=LEN(A3)", "3"},
    {"=MAX(A1:A2,'Data'!A2)", "3"},
    {"=VLOOKUP(3,'Data'!A1:B2,2,FALSE)", "5"},
    {"=AND(TRUE,NOT(FALSE))", "1"},
    {"=10%", "0.1"},
    {"=-2^2", "4"},
    {"=COUNTIF('Data'!A1:B2,\">2\")", "3"},
    {"=AVERAGE('Data'!A1:A2)", "2.5"},
    {"=1/0", "#DIV/0!"},
    {"=CONCATENATE(\"a\",\"b\")", "ab"},
    {"=INDEX('Data'!A1:B2,2,1)", "3"},
    {"=SUMPRODUCT('Data'!A1:A2,'Data'!B1:B2)", "23"},
    {"=ISBLANK(C100)", "1"},
    {"=MOD(7,3)", "1"},
    {"=SUM(Rates)*Start", "13.5"},
    // The calls with fewer arguments than xlwt's table allows.
    {"=COUNT()", "0"},
    {"=SUM()", "0"},
    {"=FIXED(34.567)", "34.57"},
    {"=COUNTA()", "0"},
    {"=PRODUCT()", "0"},
    {"=SUMSQ()", "0"},
    {"=CONCATENATE()", ""},
    {"=INDEX(Rates,2)", "5"},
};

TEST(XlsFileFormulas, FormulasWeWriteReadBackAndLibreOfficeComputesThem)
{
    REQUIRE_PEER("libreoffice");
    REQUIRE_PEER("python3-xlrd");
    auto file = SourceWorkbook();
    int row = 1;
    for (const auto& [formula, value] : WrittenFormulas)
        file->SetCellFormula(row++, 2, formula);
    // Results computed elsewhere travel with their formulas.
    file->SetCellFormulaX(1, 3, "=A1", Variant(1.5));
    file->SetCellFormulaX(2, 3, "=A3", Variant("abc"));
    file->SetCellFormulaX(3, 3, "=A1>1", Variant(true));
    TempFolder dir;
    const std::string path = dir / "written.xls";
    file->Save(false, path, nullptr, nullptr, nullptr);

    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(path);
    row = 1;
    for (const auto& [formula, value] : WrittenFormulas)
        EXPECT_EQ(formula, again.GetCellFormula(row++, 2));
    EXPECT_EQ("abc", again.GetCellValue(2, 3).AsString());
    // An edit elsewhere keeps the results the formulas carry.
    again.SetCellValue(40, 1, Variant(1));
    again.AllowOverwritingFiles = true;
    again.Save(false, dir / "edited.xls", nullptr, nullptr, nullptr);
    TXLSFile edited(nullptr);
    edited.Connect();
    edited.OpenFile(dir / "edited.xls");
    EXPECT_EQ(1.5, edited.GetCellValue(1, 3).AsDouble());
    EXPECT_EQ("abc", edited.GetCellValue(2, 3).AsString());

    std::string out;
    ASSERT_EQ(0, RunCommand("/usr/bin/python3 -c \"import xlrd; b=xlrd.open_workbook('" + path +
                                "'); s=b.sheet_by_index(0); print([s.cell_value(r, 2) for r in range(3)], [(n.name, n.area2d()[0].name) + n.area2d()[1:] for n in b.name_obj_list])\"",
                            &out))
        << out;
    EXPECT_EQ("[1.5, 'abc', 1] [('Rates', 'Data', 0, 2, 1, 2), ('Start', 'Sheet1', 0, 1, 0, 1)]\n", out);

    const std::string csv = "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,1'";
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) + " --convert-to " +
                                csv + " written.xls",
                            &out))
        << out;
    const ByteArray bytes = ReadFileBytes(dir / "written-Sheet1.csv");
    std::vector<std::string> lines;
    std::string line;
    for (const char c : bytes) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    ASSERT_GE(lines.size(), std::size(WrittenFormulas));
    row = 0;
    for (const auto& [formula, value] : WrittenFormulas) {
        const std::string& cells = lines[static_cast<std::size_t>(row++)];
        const std::size_t first = cells.find(',');
        const std::size_t second = cells.find(',', first + 1);
        std::string shown = cells.substr(first + 1, second - first - 1);
        if (shown.size() >= 2 && shown.front() == '"')
            shown = shown.substr(1, shown.size() - 2);
        EXPECT_EQ(value, shown) << formula;
    }
}

std::vector<std::string> FixtureFormulas()
{
    std::ifstream in(Fixture("formulas-xlwt.txt"));
    std::vector<std::string> formulas;
    for (std::string line; std::getline(in, line);)
        formulas.push_back(line);
    return formulas;
}

// Formulas over the defined names, for the workbook SourceWorkbook makes.
const char* const NameFormulas[] = {
    "=Start+1",        "=-Start",         "=Start*Start^2",        "=Start&\"x\"",
    "=Start<>Rates",   "=SUM(Rates)",     "=MAX(Rates,Start)",     "=INDEX(Rates,2)*Start",
    "=COUNT(Rates,A1:A3)", "=IF(Start>1,Rates,0)",
};

TEST(XlsFileFormulas, FormulasLibreOfficeWritesReadAsTheTextItShows)
{
    REQUIRE_PEER("libreoffice");
    // LibreOffice writes our formulas, those over names and the fixture's
    // again in its own .xls, and shows its text of them in the .xlsx it makes
    // from that file; it shows its text of the formulas xlwt wrote too.
    auto file = SourceWorkbook();
    int row = 1;
    for (const auto& [formula, value] : WrittenFormulas)
        file->SetCellFormula(row++, 2, formula);
    for (const char* formula : NameFormulas)
        file->SetCellFormula(row++, 2, formula);
    const std::vector<std::string> fixture = FixtureFormulas();
    row = 1;
    for (const std::string& formula : fixture)
        file->SetCellFormula(row++, 8, formula);
    TempFolder dir;
    file->Save(false, dir / "ours.xls", nullptr, nullptr, nullptr);
    std::string out;
    const std::string office = testsupport::LibreOffice(dir.Path());
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && cp " + Fixture("formulas-xlwt.xls") + " lo-xlwt.xls && " + office +
                                " --convert-to xls --outdir lo ours.xls && " + office +
                                " --convert-to xlsx lo/ours.xls lo-xlwt.xls",
                            &out))
        << out;

    TXLSFile theirs(nullptr);
    theirs.Connect();
    theirs.OpenFile(dir / "lo/ours.xls");
    const auto shown = FormulasShown(dir / "ours.xlsx", 1);
    EXPECT_EQ(std::size(WrittenFormulas) + std::size(NameFormulas) + fixture.size(), shown.size());
    ExpectTextShown(theirs, 1, shown);

    TXLSFile xlwt(nullptr);
    xlwt.Connect();
    xlwt.OpenFile(Fixture("formulas-xlwt.xls"));
    const auto shownXlwt = FormulasShown(dir / "lo-xlwt.xlsx", 1);
    EXPECT_EQ(fixture.size(), shownXlwt.size());
    ExpectTextShown(xlwt, 1, shownXlwt);
}

TEST(XlsFileFormulas, BadFormulaTextLeavesTheCellAsItWas)
{
    auto file = SourceWorkbook();
    const std::pair<const char*, const char*> cases[] = {
        {"=SUM(A1", "Unexpected end of formula"},
        {"=(1", "Missing closing parentheses"},
        {"=NOSUCH(1)", "Function not found"},
        {"=Nowhere!A1", "Invalid sheet: NOWHERE"},
        {"1+2", "Formula must start with"},
    };
    for (const auto& [formula, fragment] : cases) {
        const std::string error = ErrorOf([&] { file->SetCellFormula(1, 1, formula); });
        EXPECT_NE(std::string::npos, error.find(fragment)) << error;
        EXPECT_EQ(1.5, file->GetCellValue(1, 1).AsDouble());
    }
    // An empty text removes the cell, whatever it held.
    file->SetCellFormula(1, 1, "");
    EXPECT_TRUE(file->GetCellValue(1, 1).IsEmpty());
}

TEST(XlsFileFormulas, TokensThatCannotBeReadAreAnErrorNamingTheirCell)
{
    auto file = SourceWorkbook();
    TCellList& cells = static_cast<TWorkSheet*>(file->GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList();
    const std::pair<ByteArray, const char*> cases[] = {
        {{7, 0, 0x3A, 9, 0, 0, 0, 0, 0}, "\"Sheet Reference\""},
        {{5, 0, 0x23, 3, 0, 0, 0}, "\"Name Index\""},
        {{3, 0, 0x21, 0x90, 0x01}, "\"Function name\""},
        {{3, 0, 0x1F, 0, 0}, "needs"},
    };
    int row = 10;
    for (const auto& [tokens, fragment] : cases) {
        cells.AddRecord(TFormulaRecord::CreateFromData(static_cast<std::uint16_t>(row), 0, 15, tokens, Variant(), false),
                        row);
        const std::string error = ErrorOf([&] { file->GetCellFormula(row + 1, 1); });
        EXPECT_EQ(0u, error.find("The formula at Row " + std::to_string(row + 1) + ", column 1 can't be read: "))
            << error;
        EXPECT_NE(std::string::npos, error.find(fragment)) << error;
        ++row;
    }
}

} // namespace
