// References that follow rows, columns and sheets: formulas and names after
// rows and columns are inserted, deleted and copied, on the changed sheet
// and on others, and after sheets are inserted, copied and deleted.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsFormula.h"
#include "xlsAdapter/qorUXlsFormulaParser.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

using namespace xlstest;

namespace {

// Each formula with its text after each operation on Sheet1: two rows
// inserted at row 5, rows 5..6 deleted, column A deleted, and row 1 copied
// to a new row 2 (the inserted row moves the references below it, then
// the copy moves its relative ones one row down).
struct TArrangeCase {
    const char* Formula;
    const char* Inserted;
    const char* RowsDeleted;
    const char* ColumnDeleted;
    const char* CopiedDown;
};

const TArrangeCase Cases[] = {
    {"=A5", "=A7", "=#REF!", "=#REF!", "=A7"},
    {"=A3", "=A3", "=A3", "=#REF!", "=A5"},
    {"=B3*2", "=B3*2", "=B3*2", "=A3*2", "=B5*2"},
    {"=$A$5", "=$A$7", "=#REF!", "=#REF!", "=$A$6"},
    {"=SUM(A1:A10)", "=SUM(A1:A12)", "=SUM(A1:A8)", "=SUM(#REF!)", "=SUM(A2:A12)"},
    {"=SUM(A1:J1)", "=SUM(A1:J1)", "=SUM(A1:J1)", "=SUM(A1:I1)", "=SUM(A2:J2)"},
    {"=SUM(B1:C1)", "=SUM(B1:C1)", "=SUM(B1:C1)", "=SUM(A1:B1)", "=SUM(B2:C2)"},
    {"=SUM(A4:A6)", "=SUM(A4:A8)", "=SUM(A4:A4)", "=SUM(#REF!)", "=SUM(A6:A8)"},
    {"=SUM(A6:A9)", "=SUM(A8:A11)", "=SUM(A5:A7)", "=SUM(#REF!)", "=SUM(A8:A11)"},
    {"=SUM(B:B)", "=SUM(B:B)", "=SUM(B:B)", "=SUM(A:A)", "=SUM(B:B)"},
    {"='Sheet1'!B5", "='Sheet1'!B7", "=#REF!", "='Sheet1'!A5", "='Sheet1'!B7"},
    {"='Sheet2'!B5", "='Sheet2'!B5", "='Sheet2'!B5", "='Sheet2'!B5", "='Sheet2'!B6"},
};

// Two sheets; the cases in row 1 of Sheet1 from column K on; on Sheet2,
// A1 =B5 and A2 ='Sheet1'!B5; the name Block is Sheet1's A5:A9.
std::unique_ptr<TXLSFile> CaseWorkbook()
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(2);
    file->SetActiveSheet(2);
    file->SetCellFormula(1, 1, "=B5");
    file->SetCellFormula(2, 1, "='Sheet1'!B5");
    file->SetActiveSheet(1);
    int col = 11;
    for (const TArrangeCase& c : Cases)
        file->SetCellFormula(1, col++, c.Formula);
    TCellList& cells = static_cast<TWorkSheet*>(file->GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList();
    file->GetTWorkbook()->Globals().AddName({"Block", "=$A$5:$A$9", 0, -1}, cells);
    return file;
}

std::string NameText(TXLSFile& file, int index)
{
    TCellList& cells = static_cast<TWorkSheet*>(file.GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList();
    return xlsAdapter::DecodeFormula(file.GetTWorkbook()->Globals().Names().Items(index)->CountedFormula(), 2, cells);
}

TEST(XlsTokenArray, ReferencesFollowRowsAndColumnsOfTheirSheet)
{
    struct TOperation {
        const char* Name;
        std::function<void(TXLSFile&)> Run;
        const char* TArrangeCase::*Expected;
        int Row;  // where the cases' row lies afterwards
        int ColumnShift;
        const char* Sheet2A1;
        const char* Sheet2A2;
        const char* Block;
    };
    const TOperation operations[] = {
        {"two rows inserted at row 5", [](TXLSFile& f) { f.InsertAndCopyRows(60000, 60001, 5, 1, false); },
         &TArrangeCase::Inserted, 1, 0, "=B5", "='Sheet1'!B7", "='Sheet1'!$A$7:$A$11"},
        {"rows 5..6 deleted", [](TXLSFile& f) { f.DeleteRows(5, 2); }, &TArrangeCase::RowsDeleted, 1, 0, "=B5",
         "=#REF!", "='Sheet1'!$A$5:$A$7"},
        {"column A deleted", [](TXLSFile& f) { f.DeleteCols(1, 1); }, &TArrangeCase::ColumnDeleted, 1, -1, "=B5",
         "='Sheet1'!A5", "=#REF!"},
        {"row 1 copied to row 2", [](TXLSFile& f) { f.InsertAndCopyRows(1, 1, 2, 1, false); },
         &TArrangeCase::CopiedDown, 2, 0, "=B5", "='Sheet1'!B6", "='Sheet1'!$A$6:$A$10"},
    };
    for (const TOperation& operation : operations) {
        SCOPED_TRACE(operation.Name);
        auto file = CaseWorkbook();
        operation.Run(*file);
        int col = 11 + operation.ColumnShift;
        for (const TArrangeCase& c : Cases)
            EXPECT_EQ(c.*operation.Expected, file->GetCellFormula(operation.Row, col++)) << c.Formula;
        file->SetActiveSheet(2);
        EXPECT_EQ(operation.Sheet2A1, file->GetCellFormula(1, 1));
        EXPECT_EQ(operation.Sheet2A2, file->GetCellFormula(2, 1));
        EXPECT_EQ(operation.Block, NameText(*file, 0));
    }
}

} // namespace

namespace {

TEST(XlsTokenArray, ReferencesAndNamesFollowSheetsInsertedCopiedAndDeleted)
{
    // Sheet1 A1 sums Sheet2's B1:B2 through the name Prices and directly;
    // Sheet2 A1 refers to itself and to its own name Local.
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(3);
    TWorkbook& workbook = *file->GetTWorkbook();
    auto cells = [&](int sheet) -> TCellList& {
        return static_cast<TWorkSheet*>(workbook.Sheets().GetItems(sheet))->Cells().CellList();
    };
    workbook.Globals().AddName({"Prices", "='Sheet2'!$B$1:$B$2", 0, -1}, cells(0));
    workbook.Globals().AddName({"Local", "=$C$1", 0, 1}, cells(1));
    file->SetActiveSheet(2);
    file->SetCellFormula(1, 1, "='Sheet2'!B1+Prices");
    file->SetActiveSheet(1);
    file->SetCellFormula(1, 1, "=SUM(Prices)+'Sheet2'!B1+'Sheet3'!A1");

    // A copy of Sheet2 inserted before Sheet1: the copy's references and
    // name are its own, and the other formulas keep their sheets.
    file->InsertAndCopySheets(2, 1, 1);
    ASSERT_EQ(4, file->SheetCount());
    file->SetActiveSheet(2);
    EXPECT_EQ("=SUM(Prices)+'Sheet2'!B1+'Sheet3'!A1", file->GetCellFormula(1, 1));
    file->SetActiveSheet(3);
    EXPECT_EQ("='Sheet2'!B1+Prices", file->GetCellFormula(1, 1));
    file->SetActiveSheet(1);
    const std::string copyName = file->ActiveSheetName();
    EXPECT_EQ("='" + copyName + "'!B1+Prices", file->GetCellFormula(1, 1));
    EXPECT_EQ(2, workbook.Globals().GetName(2, "Local")->RangeSheet());
    ASSERT_NE(nullptr, workbook.Globals().GetName(0, "Local"));
    EXPECT_EQ(0, workbook.Globals().GetName(0, "Prices")->RefersToSheet(
                     [&](int ref) { return workbook.Globals().References().GetSheet(ref); }));

    // Deleting the copy drops its names; deleting Sheet3 turns references
    // into it into #REF! and keeps the names' numbers right.
    file->SetActiveSheet(1);
    file->DeleteSheet(1);
    file->SetActiveSheet(3);
    file->DeleteSheet(1);
    ASSERT_EQ(2, file->SheetCount());
    file->SetActiveSheet(1);
    EXPECT_EQ("=SUM(Prices)+'Sheet2'!B1+#REF!", file->GetCellFormula(1, 1));
    file->SetActiveSheet(2);
    EXPECT_EQ("='Sheet2'!B1+Prices", file->GetCellFormula(1, 1));
    EXPECT_EQ(2, workbook.Globals().Names().Count());
}

} // namespace

namespace {

// Sheet1 holds 1..10 in A1:A10 and 10..100 in B1:B10, formulas in C1:C8,
// C14 and E1; Sheet2 a number and formulas over Sheet1; Sheet3 is empty.
std::unique_ptr<TXLSFile> ReferencesWorkbook()
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(3);
    for (int row = 1; row <= 10; ++row) {
        file->SetCellValue(row, 1, Variant(row));
        file->SetCellValue(row, 2, Variant(10 * row));
    }
    TCellList& cells = static_cast<TWorkSheet*>(file->GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList();
    file->GetTWorkbook()->Globals().AddName({"Block", "=$A$3:$A$7", 0, -1}, cells);
    const char* formulas[] = {"=SUM(A1:A12)",           "=A5*B6",         "=SUM(A:A)",
                              "=AVERAGE(B2:B9)",        "='Sheet2'!A1*2", "=SUM(Block)",
                              "=INDEX(A1:B10,4,2)",     "=VLOOKUP(7,A1:B10,2,FALSE)"};
    int row = 1;
    for (const char* formula : formulas)
        file->SetCellFormula(row++, 3, formula);
    file->SetCellFormula(14, 3, "=A3+B4");
    file->SetCellFormula(1, 5, "=SUM(A1:D1)");
    file->SetActiveSheet(2);
    file->SetCellValue(1, 1, Variant(3));
    file->SetCellFormula(2, 1, "='Sheet1'!A10+'Sheet1'!C1");
    file->SetCellFormula(3, 1, "=SUM('Sheet1'!B1:B10)+SUM(Block)");
    file->SetActiveSheet(1);
    return file;
}

// A sheet of a CSV file LibreOffice wrote, cell by cell.
std::vector<std::vector<std::string>> ReadCsv(const std::string& path)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    for (const char c : ReadFileBytes(path)) {
        if (c == '\n')
            rows.emplace_back(1);
        else if (c == ',')
            rows.back().emplace_back();
        else
            rows.back().back() += c;
    }
    return rows;
}

std::string CsvCell(const std::vector<std::vector<std::string>>& rows, int row, int col)
{
    if (row - 1 >= static_cast<int>(rows.size()) || col - 1 >= static_cast<int>(rows[row - 1].size()))
        return "(none)";
    return rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
}

// Each operation as we run it and as LibreOffice's own commands
// (arrange_uno.py), whether the values stay, and where the formula cells of
// Sheet1 (row, column) lie afterwards.
struct TOperation {
    const char* File;
    std::function<void(TXLSFile&)> Run;
    const char* Office;
    bool KeepsValues;
    std::function<std::pair<int, int>(int, int)> Sheet1Cell;
};

const TOperation Operations[] = {
    {"before", [](TXLSFile&) {}, "", true, [](int row, int col) { return std::make_pair(row, col); }},
    {"rows", [](TXLSFile& f) { f.InsertAndCopyRows(60000, 60001, 5, 1, false); }, "insert-rows 5 2", true,
     [](int row, int col) { return std::make_pair(row >= 5 ? row + 2 : row, col); }},
    // A column inside A1:B10 would change what INDEX and VLOOKUP pick.
    {"cols", [](TXLSFile& f) { f.InsertAndCopyCols(200, 200, 3, 1, false); }, "insert-cols 3 1", true,
     [](int row, int col) { return std::make_pair(row, col >= 3 ? col + 1 : col); }},
    {"deleted",
     [](TXLSFile& f) {
         f.DeleteRows(11, 2);
         f.DeleteCols(4, 1);
     },
     "delete-rows 11 2;delete-cols 4 1", true,
     [](int row, int col) { return std::make_pair(row >= 13 ? row - 2 : row, col >= 5 ? col - 1 : col); }},
    {"sheets",
     [](TXLSFile& f) {
         f.InsertAndCopySheets(0, 2, 1);
         f.SetActiveSheet(4);
         f.DeleteSheet(1);
         f.SetActiveSheet(1);
     },
     "insert-sheet 2 Sheet4;delete-sheet Sheet3", true, [](int row, int col) { return std::make_pair(row, col); }},
    // Cells and a sheet that references point into go.
    {"lost",
     [](TXLSFile& f) {
         f.DeleteRows(6, 2);
         f.DeleteCols(1, 1);
         f.SetActiveSheet(2);
         f.DeleteSheet(1);
         f.SetActiveSheet(1);
     },
     "delete-rows 6 2;delete-cols 1 1;delete-sheet Sheet2", false, nullptr},
};

TEST(XlsTokenArrayPeers, LibreOfficeComputesTheSameValuesAfterRowsColumnsAndSheetsMove)
{
    REQUIRE_PEER("libreoffice");
    TempFolder dir;
    std::string list;
    for (const TOperation& operation : Operations) {
        if (!operation.KeepsValues)
            continue;
        auto file = ReferencesWorkbook();
        operation.Run(*file);
        file->Save(false, dir / (std::string(operation.File) + ".xls"), nullptr, nullptr, nullptr);
        list += std::string(" ") + operation.File + ".xls";
    }
    const std::string csv = "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1'";
    std::string out;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) + " --convert-to " +
                                csv + list,
                            &out))
        << out;
    const std::pair<int, int> sheet1Formulas[] = {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3},
                                                  {7, 3}, {8, 3}, {14, 3}, {1, 5}};
    const auto before1 = ReadCsv(dir / "before-Sheet1.csv");
    const auto before2 = ReadCsv(dir / "before-Sheet2.csv");
    EXPECT_EQ("55", CsvCell(before1, 1, 3));
    EXPECT_EQ("575", CsvCell(before2, 3, 1));
    for (const TOperation& operation : Operations) {
        if (!operation.KeepsValues)
            continue;
        SCOPED_TRACE(operation.File);
        const auto after1 = ReadCsv(dir / (std::string(operation.File) + "-Sheet1.csv"));
        const auto after2 = ReadCsv(dir / (std::string(operation.File) + "-Sheet2.csv"));
        for (const auto& [row, col] : sheet1Formulas) {
            const auto [newRow, newCol] = operation.Sheet1Cell(row, col);
            EXPECT_EQ(CsvCell(before1, row, col), CsvCell(after1, newRow, newCol)) << "row " << row << " col " << col;
        }
        for (const int row : {2, 3})
            EXPECT_EQ(CsvCell(before2, row, 1), CsvCell(after2, row, 1)) << "Sheet2 row " << row;
    }
}

// Sheet1, Data and Sales 2026, with the formula fixture's formulas over
// all three in Sheet1's column H.
std::unique_ptr<TXLSFile> FixtureWorkbook()
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(3);
    file->SetActiveSheet(2);
    file->SetActiveSheetName("Data");
    file->SetActiveSheet(3);
    file->SetActiveSheetName("Sales 2026");
    file->SetActiveSheet(1);
    std::ifstream in(std::string(VISTRA_SOURCE_DIR) + "/xlsAdapter/tests/data/formulas-xlwt.txt");
    int row = 1;
    for (std::string line; std::getline(in, line);)
        file->SetCellFormula(row++, 8, line);
    return file;
}

const TOperation FixtureOperations[] = {
    {"fixture-rows", [](TXLSFile& f) { f.InsertAndCopyRows(60000, 60001, 3, 1, false); }, "insert-rows 3 2", false,
     nullptr},
    {"fixture-cols", [](TXLSFile& f) { f.InsertAndCopyCols(200, 200, 2, 1, false); }, "insert-cols 2 1", false,
     nullptr},
    {"fixture-deleted",
     [](TXLSFile& f) {
         f.DeleteRows(2, 2);
         f.DeleteCols(3, 1);
     },
     "delete-rows 2 2;delete-cols 3 1", false, nullptr},
    {"fixture-sheets",
     [](TXLSFile& f) {
         f.InsertAndCopySheets(0, 2, 1);
         f.SetActiveSheet(4);
         f.DeleteSheet(1);
         f.SetActiveSheet(1);
     },
     "insert-sheet 2 Sheet4;delete-sheet Sales 2026", false, nullptr},
};

// LibreOffice runs each operation on the workbook with its own commands; our
// formula texts after the same operation are those it shows.
void ExpectLibreOfficesTexts(const std::function<std::unique_ptr<TXLSFile>()>& workbook,
                             const std::vector<TOperation>& operations)
{
    TempFolder dir;
    workbook()->Save(false, dir / "workbook.xls", nullptr, nullptr, nullptr);
    std::string jobs;
    for (const TOperation& operation : operations)
        jobs += std::string(" '") + operation.File + "=" + operation.Office + "'";
    std::string out;
    ASSERT_EQ(0, RunCommand(ArrangeInLibreOffice(dir, dir / "workbook.xls" + jobs), &out)) << out;
    for (const TOperation& operation : operations) {
        SCOPED_TRACE(operation.File);
        auto file = workbook();
        operation.Run(*file);
        for (int sheet = 1; sheet <= file->SheetCount(); ++sheet) {
            const auto shown = FormulasShown(dir / (std::string(operation.File) + ".xlsx"), sheet);
            EXPECT_TRUE(sheet > 1 || !shown.empty());
            ExpectTextShown(*file, sheet, shown);
        }
    }
}

TEST(XlsTokenArrayPeers, FormulaTextsAreLibreOfficesAfterTheSameRowsColumnsAndSheetsMove)
{
    REQUIRE_PEER("libreoffice");
    REQUIRE_PEER("python3-uno");
    ExpectLibreOfficesTexts(ReferencesWorkbook, {std::begin(Operations), std::end(Operations)});
    ExpectLibreOfficesTexts(FixtureWorkbook, {std::begin(FixtureOperations), std::end(FixtureOperations)});
}

} // namespace

namespace {

TEST(XlsTokenArray, AnOperationOverTokensThatCannotBeArrangedChangesNothing)
{
    auto file = CaseWorkbook();
    TCellList& cells = static_cast<TWorkSheet*>(file->GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList();
    // Token 0x18 has no meaning; the formula sits in C20.
    cells.AddRecord(TFormulaRecord::CreateFromData(19, 2, 15, ByteArray{1, 0, 0x18}, Variant(), false), 19);
    const std::string error = ErrorOf([&] { file->DeleteRows(5, 2); });
    EXPECT_EQ("Formula at Row 20, column 3 is not supported. Token Id: 0x18", error);
    int col = 11;
    for (const TArrangeCase& c : Cases)
        EXPECT_EQ(c.Formula, file->GetCellFormula(1, col++));
    EXPECT_EQ("='Sheet1'!$A$5:$A$9", NameText(*file, 0));
    EXPECT_EQ(error, ErrorOf([&] { file->InsertAndCopySheets(1, 1, 1); }));
    EXPECT_EQ(2, file->SheetCount());
}

} // namespace

namespace {

TEST(XlsTokenArray, DataTablesFollowInsertedRowsWithTheirInputCells)
{
    // A data table at D5:E6 of Sheet1 whose two input cells are B3 and C9.
    auto file = CaseWorkbook();
    TCellList& cells = static_cast<TWorkSheet*>(file->GetTWorkbook()->Sheets().GetItems(0))->Cells().CellList();
    auto formula = TFormulaRecord::CreateFromData(4, 3, 15, ByteArray{5, 0, 0x02, 4, 0, 3, 0}, Variant(), false);
    ByteArray table(16, 0);
    SetWord(table, 0, 4);
    SetWord(table, 2, 5);
    table[4] = 3;
    table[5] = 4;
    SetWord(table, 6, 0x0008);
    SetWord(table, 8, 2);
    SetWord(table, 10, 1);
    SetWord(table, 12, 8);
    SetWord(table, 14, 2);
    formula->SetTableRecord(std::make_unique<TBaseRecord>(0x0236, table));
    cells.AddRecord(std::move(formula), 4);
    EXPECT_EQ("{=TABLE(B3,C9)}", file->GetCellFormula(5, 4));

    file->InsertAndCopyRows(60000, 60001, 4, 1, false);
    EXPECT_EQ("{=TABLE(B3,C11)}", file->GetCellFormula(7, 4));
    const auto* moved = static_cast<const TFormulaRecord*>(cells.FindRecord(6, 3));
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(6, GetWord(moved->TableRecord()->Data, 0));
    EXPECT_EQ(7, GetWord(moved->TableRecord()->Data, 2));
}

} // namespace
