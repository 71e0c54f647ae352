// Conditional formats of a LibreOffice workbook: kept with their conditions,
// moved, shrunk and copied with rows and columns, and read back by
// LibreOffice.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

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

namespace {

// Every cell a LibreOffice document's conditional formats cover, as "A10".
std::set<std::string> CoveredCells(const std::string& fods)
{
    static const std::regex address(R"re(target-range-address="([^"]*)")re");
    static const std::regex part(R"(\.\$?([A-Z])\$?([0-9]+)(?::[^.]*\.\$?([A-Z])\$?([0-9]+))?)");
    std::set<std::string> cells;
    for (auto a = std::sregex_iterator(fods.begin(), fods.end(), address); a != std::sregex_iterator(); ++a) {
        const std::string ranges = (*a)[1];
        for (auto p = std::sregex_iterator(ranges.begin(), ranges.end(), part); p != std::sregex_iterator(); ++p) {
            const char c1 = (*p)[1].str()[0];
            const char c2 = (*p)[3].matched ? (*p)[3].str()[0] : c1;
            const int r1 = std::stoi((*p)[2]);
            const int r2 = (*p)[4].matched ? std::stoi((*p)[4]) : r1;
            for (char c = c1; c <= c2; ++c)
                for (int r = r1; r <= r2; ++r)
                    cells.insert(std::string(1, c) + std::to_string(r));
        }
    }
    return cells;
}

} // namespace

// A format with more ranges than one record holds is written as several
// records, each followed by its own copy of the conditions.
TEST(XlsCondFmt, AFormatWithManyRangesSavesAsSeveralRecordsAndReadsBackWhole)
{
    auto file = Opened(Fixture);
    // Row 3 lies in both formats: each gains a single-row range per copy,
    // copies one row apart.
    for (int k = 0; k < 600; ++k)
        file->InsertAndCopyRows(3, 3, 10 + 2 * k, 1, false);
    const auto& sheet = dynamic_cast<const TWorkSheet&>(*file->GetTWorkbook()->Sheets().GetItems(0));
    ASSERT_EQ(sheet.CondFmts().size(), 2u);
    ASSERT_EQ(sheet.CondFmts()[0]->Ranges().size(), 601u);
    TempFolder dir;
    file->Save(false, dir / "many.xls", nullptr, nullptr, nullptr);

    auto back = Opened(dir / "many.xls");
    const auto& read = dynamic_cast<const TWorkSheet&>(*back->GetTWorkbook()->Sheets().GetItems(0));
    ASSERT_EQ(read.CondFmts().size(), 4u);
    for (std::size_t f = 0; f < 2; ++f) {
        SCOPED_TRACE(f);
        const TCondFmt& first = *read.CondFmts()[2 * f];
        const TCondFmt& second = *read.CondFmts()[2 * f + 1];
        EXPECT_EQ(first.Ranges().size(), static_cast<std::size_t>(TCondFmt::MaxRangesPerRecord));
        std::vector<TExcelRange> joined = first.Ranges();
        joined.insert(joined.end(), second.Ranges().begin(), second.Ranges().end());
        const auto& original = sheet.CondFmts()[f]->Ranges();
        EXPECT_TRUE(std::equal(joined.begin(), joined.end(), original.begin(), original.end(),
                               [](const TExcelRange& a, const TExcelRange& b) {
                                   return a.R1 == b.R1 && a.R2 == b.R2 && a.C1 == b.C1 && a.C2 == b.C2;
                               }));
        EXPECT_EQ(first.CFCount(), sheet.CondFmts()[f]->CFCount());
        EXPECT_EQ(second.CFCount(), sheet.CondFmts()[f]->CFCount());
    }

    REQUIRE_PEER("libreoffice");
    std::string log;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) +
                                " --convert-to fods many.xls",
                            &log))
        << log;
    std::set<std::string> expected = {"A2", "A3", "C1", "C2", "C3", "C4"};
    for (int r = 10; r < 10 + 2 * 600; r += 2) {
        expected.insert("A" + std::to_string(r));
        expected.insert("C" + std::to_string(r));
    }
    EXPECT_EQ(CoveredCells(testsupport::ReadFile(dir / "many.fods")), expected);
}

// A condition whose formula holds a token the engine cannot move stops a row
// deletion before anything changes; the file still saves as it was read.
TEST(XlsCondFmt, AnUnknownTokenInAConditionStopsTheDeletion)
{
    ByteArray bytes = ReadFileBytes(VISTRA_TEST_DATA "/condformula-libreoffice.xls");
    const std::uint8_t header[] = {0xB1, 0x01};
    const auto cf = std::search(bytes.begin(), bytes.end(), std::begin(header), std::end(header));
    ASSERT_NE(cf, bytes.end());
    const std::size_t size = cf[2] | (cf[3] << 8);
    const std::size_t cce1 = cf[6] | (cf[7] << 8);
    const std::size_t cce2 = cf[8] | (cf[9] << 8);
    ASSERT_GT(cce1, 0u);
    cf[4 + size - cce2 - cce1] = 0xFF;
    TempFolder dir;
    WriteFileBytes(dir / "unknown.xls", bytes);

    auto file = Opened(dir / "unknown.xls");
    const std::vector<std::string> before = Formats(*file);
    const Variant b3 = file->GetCellValue(3, 2);
    EXPECT_EQ(ErrorOf([&] { file->DeleteRows(2, 1); }), "Bad Conditional format. Token Id: 0xff");
    EXPECT_EQ(Formats(*file), before);
    EXPECT_EQ(file->GetCellValue(3, 2), b3);
    file->Save(false, dir / "saved.xls", nullptr, nullptr, nullptr);
    EXPECT_EQ(Formats(*Opened(dir / "saved.xls")), before);
}
