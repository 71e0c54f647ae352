// Conditional formats of a LibreOffice workbook: kept with their conditions,
// moved, shrunk and copied with rows and columns, and read back by
// LibreOffice.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace xlstest;

namespace {

const std::string Fixture = VISTRA_TEST_DATA "/condformats-libreoffice.xls";

std::unique_ptr<TXLSFile> Opened(const std::string& path)
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->OpenFile(path);
    return file;
}

// Each format as "A2:A3 C5:C6 / rows r1..r2 / n conditions", in A1 style.
std::vector<std::string> Formats(TXLSFile& file)
{
    const auto& sheet = dynamic_cast<const TWorkSheet&>(*file.GetTWorkbook()->Sheets().GetItems(0));
    const auto cell = [](int row, int col) { return std::string(1, static_cast<char>('A' + col)) + std::to_string(row + 1); };
    std::vector<std::string> formats;
    for (const auto& format : sheet.CondFmts()) {
        std::string text;
        for (const TExcelRange& r : format->Ranges())
            text += cell(r.R1, r.C1) + ":" + cell(r.R2, r.C2) + " ";
        const TExcelRange& all = format->AllRange();
        text += "/ " + cell(all.R1, all.C1) + ":" + cell(all.R2, all.C2) + " / " + std::to_string(format->CFCount());
        formats.push_back(text);
    }
    return formats;
}

} // namespace

TEST(XlsCondFmt, FormatsLoadWithTheirConditionsAndSaveBack)
{
    auto file = Opened(Fixture);
    EXPECT_EQ(Formats(*file), (std::vector<std::string>{"A2:A3 / A2:A3 / 1", "C1:C4 / C1:C4 / 2"}));
    TempFolder dir;
    file->Save(false, dir / "same.xls", nullptr, nullptr, nullptr);
    EXPECT_EQ(Formats(*Opened(dir / "same.xls")), Formats(*file));
}

TEST(XlsCondFmt, RangesFollowDeletedAndCopiedRows)
{
    struct TCase {
        const char* Name;
        std::function<void(TXLSFile&)> Change;
        std::vector<std::string> Expected;
    };
    const TCase cases[] = {
        // A single row left of a range stays (single cells are fine here).
        {"delete row 2", [](TXLSFile& f) { f.DeleteRows(2, 1); },
         {"A2:A2 / A2:A2 / 1", "C1:C3 / C1:C3 / 2"}},
        // A deletion reaching into a range keeps the rows that remain.
        {"delete rows 3..5", [](TXLSFile& f) { f.DeleteRows(3, 3); },
         {"A2:A2 / A2:A2 / 1", "C1:C2 / C1:C2 / 2"}},
        {"delete rows 1..4", [](TXLSFile& f) { f.DeleteRows(1, 4); }, {"/ A2:A3 / 1", "/ C1:C4 / 2"}},
        {"copy rows 2..3 to row 10", [](TXLSFile& f) { f.InsertAndCopyRows(2, 3, 10, 1, false); },
         {"A2:A3 A10:A11 / A2:A11 / 1", "C1:C4 C10:C11 / C1:C11 / 2"}},
        // A range ending right above the copies grows into them.
        {"copy rows 2..3 to row 4", [](TXLSFile& f) { f.InsertAndCopyRows(2, 3, 4, 1, false); },
         {"A2:A5 / A2:A5 / 1", "C1:C6 / C1:C6 / 2"}},
        {"copy row 3 twice to row 10", [](TXLSFile& f) { f.InsertAndCopyRows(3, 3, 10, 2, false); },
         {"A2:A3 A10:A11 / A2:A11 / 1", "C1:C4 C10:C11 / C1:C11 / 2"}},
        {"delete column B", [](TXLSFile& f) { f.DeleteCols(2, 1); },
         {"A2:A3 / A2:A3 / 1", "B1:B4 / B1:B4 / 2"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto file = Opened(Fixture);
        c.Change(*file);
        EXPECT_EQ(Formats(*file), c.Expected);
    }
}

TEST(XlsCondFmt, ACountPastTheConditionRecordsIsRefused)
{
    ByteArray bytes = ReadFileBytes(Fixture);
    // The first CONDFMT record claims five conditions; one follows.
    const std::uint8_t header[] = {0xB0, 0x01, 22, 0};
    const auto at = std::search(bytes.begin(), bytes.end(), std::begin(header), std::end(header));
    ASSERT_NE(at, bytes.end());
    at[4] = 5;
    TempFolder dir;
    WriteFileBytes(dir / "bad.xls", bytes);
    EXPECT_NE(ErrorOf([&] { Opened(dir / "bad.xls"); }).find("Invalid conditional format record"), std::string::npos);
}

TEST(XlsCondFmt, LibreOfficeReadsMovedFormatsAndTheirFormulas)
{
    REQUIRE_PEER("libreoffice");
    auto file = Opened(Fixture);
    file->InsertAndCopyRows(2, 3, 10, 1, false);
    file->DeleteRows(1, 1);
    TempFolder dir;
    file->Save(false, dir / "moved.xls", nullptr, nullptr, nullptr);
    // A formula condition on B3:B4 comparing B3 with $A$1: deleting row 2
    // moves the range and the reference to B3, not the one to A1.
    auto withFormula = Opened(VISTRA_TEST_DATA "/condformula-libreoffice.xls");
    withFormula->DeleteRows(2, 1);
    withFormula->Save(false, dir / "formula.xls", nullptr, nullptr, nullptr);
    std::string log;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) +
                                " --convert-to fods moved.xls formula.xls",
                            &log))
        << log;
    const std::string formula = testsupport::ReadFile(dir / "formula.fods");
    EXPECT_NE(formula.find("target-range-address=\"Sheet1.B2:Sheet1.B3\""), std::string::npos);
    EXPECT_NE(formula.find("formula-is([.B2]&gt;[.$A$1])"), std::string::npos);
    const std::string fods = testsupport::ReadFile(dir / "moved.fods");
    EXPECT_NE(fods.find("target-range-address=\"Sheet1.A1:Sheet1.A2 Sheet1.A9:Sheet1.A10\""), std::string::npos)
        << fods.substr(fods.find("conditional-format"), 400);
    EXPECT_NE(fods.find("target-range-address=\"Sheet1.C1:Sheet1.C3 Sheet1.C9:Sheet1.C10\""), std::string::npos);
}
