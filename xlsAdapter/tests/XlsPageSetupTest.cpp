// Page header and footer, print setup, printer settings, reference style and
// autofilter through the file object, saved and read back by us and by
// LibreOffice.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <array>

using namespace xlstest;

namespace {

std::unique_ptr<TXLSFile> NewWorkbook(int sheets)
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(sheets);
    return file;
}

std::unique_ptr<TXLSFile> SavedAndOpened(TXLSFile& file, const std::string& path)
{
    file.Save(false, path, nullptr, nullptr, nullptr);
    auto again = std::make_unique<TXLSFile>(nullptr);
    again->Connect();
    again->OpenFile(path);
    return again;
}

std::array<int, 7> PrintSetup(TXLSFile& file)
{
    return {file.PrintScale(),       file.PrintNumberOfHorizontalPages(), file.PrintNumberOfVerticalPages(),
            file.PrintPaperSize(),   file.PrintCopies(),                  file.PrintXResolution(),
            file.PrintYResolution()};
}

std::vector<std::uint16_t> RecordIds(const TBaseRecordList& list)
{
    std::vector<std::uint16_t> ids;
    for (int i = 0; i < list.Count(); ++i)
        ids.push_back(list.Items(i)->Id);
    return ids;
}

TWorkSheet& Sheet(TXLSFile& file, int index)
{
    return dynamic_cast<TWorkSheet&>(*file.GetTWorkbook()->Sheets().GetItems(index));
}

} // namespace

TEST(XlsPageSetup, HeaderFooterAndPrintSetupSaveAndReadBack)
{
    auto file = NewWorkbook(1);
    // The template's page setup marks the printer fields as not valid.
    EXPECT_EQ(PrintSetup(*file), (std::array{100, 1, 1, 0, 1, 100, 100}));
    EXPECT_EQ(file->PageHeader(), "");

    file->SetPageHeader("&CQuarterly \xC3\xBC" "bersicht");
    file->SetPageFooter("&RPage &P of &N");
    file->SetPrintYResolution(300); // the other printer fields keep what they read
    EXPECT_EQ(PrintSetup(*file), (std::array{100, 1, 1, 0, 1, 100, 300}));
    file->SetPrintScale(80);
    file->SetPrintPaperSize(9);
    file->SetPrintCopies(2);
    file->SetPrintNumberOfHorizontalPages(2);
    file->SetPrintNumberOfVerticalPages(3);

    TempFolder dir;
    auto again = SavedAndOpened(*file, dir / "setup.xls");
    EXPECT_EQ(again->PageHeader(), "&CQuarterly \xC3\xBC" "bersicht");
    EXPECT_EQ(again->PageFooter(), "&RPage &P of &N");
    EXPECT_EQ(PrintSetup(*again), (std::array{80, 2, 3, 9, 2, 100, 300}));
    EXPECT_EQ(again->PrintOptions() & 0x0004, 0);
}

TEST(XlsPageSetup, OutOfRangeValuesAreRefusedAndChangeNothing)
{
    auto file = NewWorkbook(1);
    for (const auto& [set, name] : std::initializer_list<std::pair<void (TXLSFile::*)(int), std::string>>{
             {&TXLSFile::SetPrintScale, "PrintScale"},
             {&TXLSFile::SetPrintPaperSize, "PrintPaperSize"},
             {&TXLSFile::SetPrintCopies, "PrintCopies"},
             {&TXLSFile::SetPrintXResolution, "PrintXResolution"},
             {&TXLSFile::SetPrintYResolution, "PrintYResolution"}}) {
        for (int value : {-1, 65536}) {
            try {
                (file.get()->*set)(value);
                ADD_FAILURE() << name << " took " << value;
            } catch (const EExcelException& e) {
                EXPECT_EQ(std::string(e.what()), "The index \"" + std::to_string(value) + "\" of the property \"" +
                                                     name + "\" is not in the range 0-65535");
            }
        }
    }
    EXPECT_EQ(PrintSetup(*file), (std::array{100, 1, 1, 0, 1, 100, 100}));
}

TEST(XlsPageSetup, PrinterSettingsGoBeforeSetupAndEmptyDataRemovesThem)
{
    auto file = NewWorkbook(1);
    EXPECT_TRUE(file->PrinterDriverSettings().Data.empty());
    file->SetPrinterDriverSettings({1, {1, 2, 3, 4, 5}});
    file->SetPrinterDriverSettings({2, {9, 8, 7}}); // replaces, never doubles
    const std::vector<std::uint16_t> ids = RecordIds(Sheet(*file, 0).MiscRecords1());
    const auto pls = std::find(ids.begin(), ids.end(), 0x004D);
    ASSERT_NE(pls, ids.end());
    EXPECT_EQ(pls[1], 0x00A1); // right before SETUP
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 0x004D), 1);
    EXPECT_EQ(file->PrintOptions() & 0x0004, 0);

    TempFolder dir;
    auto again = SavedAndOpened(*file, dir / "pls.xls");
    const TPrinterDriverSettings read = again->PrinterDriverSettings();
    EXPECT_EQ(read.OperatingEnviroment, 2);
    EXPECT_EQ(read.Data, (std::vector<std::uint8_t>{9, 8, 7}));
    again->SetPrinterDriverSettings({});
    const std::vector<std::uint16_t> after = RecordIds(Sheet(*again, 0).MiscRecords1());
    EXPECT_EQ(std::count(after.begin(), after.end(), 0x004D), 0);
    // Data that cannot fit one record is refused.
    EXPECT_THROW(again->SetPrinterDriverSettings({0, std::vector<std::uint8_t>(9000)}), EExcelException);
}

TEST(XlsPageSetup, ReferenceStyleIsReadFromTheFirstWorksheetAndWrittenToAll)
{
    auto file = NewWorkbook(2);
    EXPECT_FALSE(file->OptionsR1C1());
    file->SetOptionsR1C1(true);
    TempFolder dir;
    auto again = SavedAndOpened(*file, dir / "r1c1.xls");
    EXPECT_TRUE(again->OptionsR1C1());
    EXPECT_TRUE(Sheet(*again, 1).IsR1C1());
}

TEST(XlsPageSetup, AutofilterRecordsAreAddedCountedAndRemoved)
{
    auto file = NewWorkbook(1);
    EXPECT_FALSE(file->HasAutoFilter());
    file->SetAutoFilter(1, 1, 3);
    file->SetAutoFilter(1, 2, 5); // one record, the new count
    const std::vector<std::uint16_t> ids = RecordIds(Sheet(*file, 0).MiscRecords1());
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 0x009D), 1);
    const auto info = std::find(ids.begin(), ids.end(), 0x009D);
    ASSERT_NE(info, ids.end());
    EXPECT_EQ(info[1], 0x0055); // before DEFCOLWIDTH

    // The filtered range lives in the workbook's hidden built-in name.
    const TXlsCellRange range = file->GetAutoFilterRange();
    EXPECT_EQ((std::array{range.Left, range.Top, range.Right, range.Bottom}), (std::array{2, 1, 5, 1}));
    EXPECT_EQ(file->RangeCount(), 1);
    EXPECT_EQ(file->GetRangeName(1), "\x0D");
    EXPECT_TRUE(file->HasAutoFilter(1, 5));
    EXPECT_FALSE(file->HasAutoFilter(1, 6));
    EXPECT_FALSE(file->HasAutoFilter(2, 3));

    TempFolder dir;
    auto again = SavedAndOpened(*file, dir / "filter.xls");
    EXPECT_TRUE(again->HasAutoFilter());
    EXPECT_TRUE(again->HasAutoFilter(1, 2));
    again->SetAutoFilter(1, 4, 2); // the last column before the first: removed
    EXPECT_FALSE(again->HasAutoFilter());
    auto removed = SavedAndOpened(*again, dir / "unfiltered.xls");
    EXPECT_FALSE(removed->HasAutoFilter());
    const TXlsCellRange none = removed->GetAutoFilterRange();
    EXPECT_EQ((std::array{none.Left, none.Top, none.Right, none.Bottom}), (std::array{0, 0, 0, 0}));
}

TEST(XlsPageSetup, LibreOfficeReadsHeaderFooterScaleAndFilter)
{
    REQUIRE_PEER("libreoffice");
    auto file = NewWorkbook(1);
    file->SetCellValue(1, 1, Variant(1.0));
    file->SetPageHeader("&CMonthly report");
    file->SetPageFooter("&LPrepared by the team");
    file->SetPrintScale(75);
    file->SetAutoFilter(1, 1, 3);
    TempFolder dir;
    file->Save(false, dir / "setup.xls", nullptr, nullptr, nullptr);
    std::string log;
    ASSERT_EQ(0, RunCommand("cd " + dir.Path() + " && " + testsupport::LibreOffice(dir.Path()) +
                                " --convert-to fods setup.xls",
                            &log))
        << log;
    const std::string fods = testsupport::ReadFile(dir / "setup.fods");
    EXPECT_NE(fods.find(">Monthly report<"), std::string::npos);
    EXPECT_NE(fods.find(">Prepared by the team<"), std::string::npos);
    EXPECT_NE(fods.find("style:scale-to=\"75%\""), std::string::npos);
    EXPECT_NE(fods.find("table:target-range-address=\"Sheet1.A1:Sheet1.C1\""), std::string::npos);
    EXPECT_NE(fods.find("table:display-filter-buttons=\"true\""), std::string::npos);
}
