// The file object: new files, sheets, cells, formats, sizes, merges and
// typed-in text, saved and read back by us and by python3-xlrd.
#include "xlsAdapter/qorXLSAdapter.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

using namespace xlstest;

namespace {

std::unique_ptr<TXLSFile> NewWorkbook(int sheets)
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(sheets);
    return file;
}

} // namespace

TEST(XLSAdapter, NewFileHasItsSheetsAndSavesAsAWorkbookPeersRead)
{
    REQUIRE_PEER("python3-xlrd");
    auto file = NewWorkbook(3);
    EXPECT_EQ(file->SheetCount(), 3);
    EXPECT_EQ(file->ActiveSheet(), 1);
    EXPECT_EQ(file->ActiveSheetName(), "Sheet1");
    EXPECT_TRUE(file->IsWorksheet(3));
    EXPECT_EQ(file->DefaultColWidth(), 8 * 293); // DEFCOLWIDTH 8 in the template
    EXPECT_EQ(file->DefaultRowHeight(), 255);
    TempFolder dir;
    file->Save(false, (dir / "new.xls"), nullptr, nullptr, nullptr);
    std::string out;
    ASSERT_EQ(RunCommand("/usr/bin/python3 -c \"import xlrd; b=xlrd.open_workbook('" + (dir / "new.xls") +
                             "'); print([s.name for s in b.sheets()])\"",
                         &out),
              0);
    EXPECT_EQ(out, "['Sheet1', 'Sheet2', 'Sheet3']\n");
}

TEST(XLSAdapter, CellsFormatsSizesAndMergesSaveAndReadBack)
{
    REQUIRE_PEER("python3-xlrd");
    auto file = NewWorkbook(1);
    file->SetCellValue(1, 1, Variant(1.5));
    file->SetCellValue(1, 256, Variant(std::string("last column")));
    file->SetCellValue(3, 2, Variant(true));
    TVyxFormat bold = file->GetFormatList(15);
    bold.Font.Style.Include(flsBold);
    bold.Format = "0.00%";
    const int xf = file->AddFormat(bold);
    EXPECT_EQ(file->AddFormat(bold), xf); // an equal format is found, not added
    file->SetCellValueX(2, 1, TXlsCellValue{Variant(0.25), xf, false});
    file->SetColumnWidth(2, 5000);
    file->SetRowHeight(3, 600);
    file->SetColumnHidden(4, true);
    file->MergeCells(5, 1, 6, 3);
    file->MergeCells(6, 3, 7, 4); // overlaps: grows the first merge
    EXPECT_EQ(file->CellMergedListCount(), 1);
    const TXlsCellRange merged = file->GetCellMergedBounds(7, 4);
    EXPECT_EQ((std::array{merged.Left, merged.Top, merged.Right, merged.Bottom}), (std::array{1, 5, 4, 7}));
    EXPECT_EQ(file->GetColumnWidthHiddenIsZero(4), 0);
    EXPECT_EQ(file->GetColumnWidth(4), file->DefaultColWidth());

    TempFolder dir;
    const std::string path = (dir / "cells.xls");
    file->Save(false, path, nullptr, nullptr, nullptr);

    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(path);
    EXPECT_EQ(again.GetCellValue(1, 1).AsDouble(), 1.5);
    EXPECT_EQ(again.GetCellValue(1, 256).AsString(), "last column");
    EXPECT_EQ(again.GetCellValue(3, 2).AsBoolean(), true);
    EXPECT_EQ(again.GetFormatList(again.GetCellFormat(2, 1)).Format, "0.00%");
    EXPECT_TRUE(again.GetFormatList(again.GetCellFormat(2, 1)).Font.Style.Contains(flsBold));
    EXPECT_EQ(again.GetColumnWidth(2), 5000);
    EXPECT_EQ(again.GetRowHeight(3), 600);
    EXPECT_TRUE(again.GetColumnHidden(4));
    EXPECT_EQ(again.CellMergedListCount(), 1);
    EXPECT_EQ(again.MaxCol(), 256);

    std::string out;
    ASSERT_EQ(RunCommand("/usr/bin/python3 -c \"import xlrd; b=xlrd.open_workbook('" + path +
                             "', formatting_info=True); s=b.sheet_by_index(0); "
                             "print(s.cell_value(0,0), s.cell_value(0,255), s.cell_value(2,1), s.merged_cells, "
                             "s.colinfo_map[1].width, s.colinfo_map[3].hidden, s.rowinfo_map[2].height, "
                             "b.format_map[b.xf_list[s.cell_xf_index(1,0)].format_key].format_str)\"",
                         &out),
              0);
    EXPECT_EQ(out, "1.5 last column 1 [(4, 7, 0, 4)] 5000 1 600 0.00%\n");
}

TEST(XLSAdapter, OpeningAndSavingKeepsOtherStreamsAndUnmodelledRecords)
{
    TempFolder dir;
    const std::string source = std::string(VISTRA_TEST_DATA "/libreoffice.xls");
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(source);
    file.Save(false, (dir / "copy.xls"), nullptr, nullptr, nullptr);
    for (std::u16string_view stream : {u"\u0005SummaryInformation", u"\u0005DocumentSummaryInformation"})
        EXPECT_EQ(ReadStream((dir / "copy.xls"), stream), ReadStream(source, stream));
    // Saving what we saved gives the same bytes.
    TXLSFile copy(nullptr);
    copy.Connect();
    copy.OpenFile((dir / "copy.xls"));
    copy.Save(false, (dir / "copy2.xls"), nullptr, nullptr, nullptr);
    EXPECT_EQ(ReadStream((dir / "copy2.xls"), u"Workbook"), ReadStream((dir / "copy.xls"), u"Workbook"));
}

TEST(XLSAdapter, SheetOperationsAndTheirErrors)
{
    auto file = NewWorkbook(3);
    file->SetActiveSheet(3);
    file->DeleteSheet(1);
    EXPECT_EQ(file->SheetCount(), 2);
    EXPECT_EQ(file->ActiveSheet(), 2);
    EXPECT_EQ(ErrorOf([&] { file->DeleteSheet(2); }), "There are not visible sheets on the file");
    file->SetActiveSheetCodeName("Data");
    EXPECT_EQ(ErrorOf([&] { file->SetActiveSheetCodeName("Data"); }), "Sheet name already exists: Data");
    // An active sheet outside the workbook holds nothing and takes nothing.
    file->SetActiveSheet(7);
    EXPECT_TRUE(file->GetCellValue(1, 1).IsEmpty());
    file->SetCellValue(1, 1, Variant(1.0));
    EXPECT_EQ(file->GetColumnFormat(1), -1);
    // Bad indexes are refused instead of replacing the default format or font.
    EXPECT_NE(ErrorOf([&] { file->SetFormatList(9999, TVyxFormat{}); }), "no exception");
    EXPECT_NE(ErrorOf([&] { file->SetFontList(-1, TVyxFont{}); }), "no exception");
    EXPECT_EQ(file->GetFontList(4).Name, file->GetFontList(0).Name);
    EXPECT_EQ(file->FontListCount(), 5);
    // Counts are checked, not cut to 16 bits.
    file->SetActiveSheet(1);
    EXPECT_EQ(ErrorOf([&] { file->DeleteRows(1, 65537); }), "Invalid Row (0)");
    EXPECT_EQ(ErrorOf([&] { file->DeleteCols(2, -1); }), "Invalid Column (1)");
}

TEST(XLSAdapter, ColumnWidthsStayWithTheirColumnsWhenColumnsGo)
{
    auto file = NewWorkbook(1);
    file->SetColumnWidth(2, 3000);
    file->SetColumnWidth(5, 5000);
    file->SetCellValue(1, 5, Variant(5.0));
    file->DeleteCols(2, 2);
    EXPECT_EQ(file->GetCellValue(1, 3).AsDouble(), 5.0);
    EXPECT_EQ(file->GetColumnWidth(3), 5000);
    EXPECT_EQ(file->GetColumnWidth(2), file->DefaultColWidth());
    file->InsertAndCopyCols(3, 3, 1, 2, false);
    EXPECT_EQ(file->GetColumnWidth(1), 5000);
    EXPECT_EQ(file->GetColumnWidth(5), 5000);
}

TEST(XLSAdapter, MarkedRowsAreDeletedByExactText)
{
    auto file = NewWorkbook(1);
    const char* marks[] = {"x", "X", "x", "keep"};
    for (int row = 0; row < 4; ++row) {
        file->SetCellValue(row + 1, 1, Variant(std::string(marks[row])));
        file->SetCellValue(row + 1, 2, Variant(double(row)));
    }
    file->DeleteMarkedRows("x");
    EXPECT_EQ(file->GetCellValue(1, 1).AsString(), "X");
    EXPECT_EQ(file->GetCellValue(2, 1).AsString(), "keep");
    EXPECT_EQ(file->GetCellValue(2, 2).AsDouble(), 3.0);
}

TEST(XLSAdapter, AFailedLoadIsDiscardedAndAFailedSaveKeepsTheOldFile)
{
    TempFolder dir;
    auto file = NewWorkbook(1);
    file->SetCellValue(1, 1, Variant(42.0));
    const std::string path = (dir / "kept.xls");
    file->Save(false, path, nullptr, nullptr, nullptr);
    const ByteArray before = ReadFileBytes(path);

    WriteFileBytes((dir / "broken.xls"), ByteArray(before.begin(), before.begin() + 1536));
    EXPECT_NE(ErrorOf([&] { file->OpenFile((dir / "broken.xls")); }), "no exception");
    EXPECT_NE(ErrorOf([&] { file->Save(false, (dir / "other.xls"), nullptr, nullptr, nullptr); }), "no exception");

    auto hidden = NewWorkbook(1);
    hidden->SetActiveSheetVisible(sv_Hidden);
    hidden->AllowOverwritingFiles = true;
    EXPECT_EQ(ErrorOf([&] { hidden->Save(false, path, nullptr, nullptr, nullptr); }),
              "To save this file, you must select a visible sheet");
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(ErrorOf([&] { file->Save(false, path, nullptr, nullptr, nullptr); }),
              "Can't write to file \"" + path + "\". Check it is not in use by another user");

    // Text formats have no writer: asking for one fails before any file is
    // made, instead of reporting a save that wrote nothing.
    TXLSAdapter adapter(nullptr);
    TSetOfExcelSaveFormatNative formats;
    formats.Include(snXLS);
    formats.Include(snCSVComma);
    adapter.SetSaveFormat(formats);
    std::unique_ptr<TExcelFile> withText = adapter.GetWorkbook();
    withText->Connect();
    withText->NewFile(1);
    EXPECT_EQ(ErrorOf([&] { withText->Save(false, dir / "text.xls", nullptr, nullptr, nullptr); }),
              "Workbooks can only be saved as .xls files, not as text");
    EXPECT_FALSE(std::filesystem::exists(dir / "text.xls"));
}

TEST(XLSAdapter, TypedTextBecomesNumbersBooleansDatesOrText)
{
    auto file = NewWorkbook(1);
    struct TCase {
        const char* Text;
        Variant Value;
        const char* Format;
    };
    const TCase cases[] = {
        {"1,234.5", Variant(1234.5), ""},
        {"-1,234", Variant(-1234.0), ""},
        {"12,34", Variant(std::string("12,34")), ""},
        {"1,5", Variant(std::string("1,5")), ""},
        {"50%", Variant(0.5), "0%"},
        {"%50", Variant(0.5), "0%"},
        {"12.5%", Variant(0.125), "0.00%"},
        {"1e3", Variant(1000.0), "0.00E+00"},
        {"e3", Variant(std::string("e3")), ""},
        {" True ", Variant(true), ""},
        {"$12.50", Variant(12.5), "$###,###.00_);[Red]\\($###,###.00\\)"},
        {"12$", Variant(12.0), "$###,###_);[Red]\\($###,###\\)"},
    };
    int row = 1;
    for (const TCase& c : cases) {
        file->SetCellString(row, 1, c.Text);
        const Variant v = file->GetCellValue(row, 1);
        EXPECT_EQ(v.VarType(), c.Value.VarType()) << c.Text;
        EXPECT_EQ(VariantToText(v), VariantToText(c.Value)) << c.Text;
        EXPECT_EQ(file->GetFormatList(file->GetCellFormat(row, 1)).Format, c.Format) << c.Text;
        ++row;
    }
}

TEST(XLSAdapter, WindowOptionsAndFrozenPanesReachXlrd)
{
    REQUIRE_PEER("python3-xlrd");
    auto file = NewWorkbook(1);
    EXPECT_TRUE(file->ShowGridLines());
    EXPECT_FALSE(file->PrintGridLines()); // the template's PRINTGRIDLINES 0
    EXPECT_EQ(file->SheetZoom(), 100);
    int row = 0;
    int col = 0;
    file->GetFrozenPanes(row, col);
    EXPECT_EQ((std::array{row, col}), (std::array{1, 1}));

    file->SetShowGridLines(false);
    file->SetPrintGridLines(true);
    file->SetSheetZoom(150);
    file->SetPrintHCentered(true);
    file->FreezePanes(3, 2);
    file->GetFrozenPanes(row, col);
    EXPECT_EQ((std::array{row, col}), (std::array{3, 2}));

    TempFolder dir;
    file->Save(false, dir / "view.xls", nullptr, nullptr, nullptr);
    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(dir / "view.xls");
    EXPECT_FALSE(again.ShowGridLines());
    EXPECT_TRUE(again.PrintGridLines());
    EXPECT_EQ(again.SheetZoom(), 150);
    EXPECT_TRUE(again.PrintHCentered());
    std::string out;
    ASSERT_EQ(0, RunCommand("/usr/bin/python3 -c \"import xlrd; s=xlrd.open_workbook('" + (dir / "view.xls") +
                                "', formatting_info=True).sheet_by_index(0); print(s.show_grid_lines, "
                                "s.scl_mag_factor, s.panes_are_frozen, s.horz_split_pos, s.vert_split_pos)\"",
                            &out));
    EXPECT_EQ(out, "0 150 1 2 1\n");

    // Unfreezing removes the pane again.
    again.FreezePanes(1, 1);
    again.GetFrozenPanes(row, col);
    EXPECT_EQ((std::array{row, col}), (std::array{1, 1}));
}

TEST(XLSAdapter, MarginsAndSplitWindowsSaveAndReadBack)
{
    auto file = NewWorkbook(1);
    const TXlsMargins defaults = file->Margins();
    EXPECT_DOUBLE_EQ(defaults.Left, 0.7480314960629921);
    EXPECT_DOUBLE_EQ(defaults.Top, 0.984251968503937);
    EXPECT_DOUBLE_EQ(defaults.Header, 0.5); // the template's page setup
    file->SetMargins({1.0, 1.25, 0.5, 0.75, 0.3, 0.2});
    file->SplitWindow(2000, 900);

    TempFolder dir;
    file->Save(false, dir / "margins.xls", nullptr, nullptr, nullptr);
    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(dir / "margins.xls");
    const TXlsMargins m = again.Margins();
    EXPECT_EQ((std::array{m.Left, m.Top, m.Right, m.Bottom, m.Header, m.Footer}),
              (std::array{1.0, 1.25, 0.5, 0.75, 0.3, 0.2}));
    int x = 0;
    int y = 0;
    again.GetSplitWindow(x, y);
    EXPECT_EQ((std::array{x, y}), (std::array{2000, 900}));
    again.GetFrozenPanes(x, y);
    EXPECT_EQ((std::array{x, y}), (std::array{1, 1}));
    again.SplitWindow(0, 0);
    again.GetSplitWindow(x, y);
    EXPECT_EQ((std::array{x, y}), (std::array{0, 0}));
}

TEST(XLSAdapter, MergesKeepTheRowsADeletionLeavesThem)
{
    auto file = NewWorkbook(1);
    file->MergeCells(3, 1, 6, 2);  // rows 3..6
    file->MergeCells(8, 1, 9, 1);  // rows 8..9 of one column
    file->MergeCells(11, 1, 12, 2);
    file->DeleteRows(5, 4); // rows 5..8: the first merge keeps 3..4, the second one cell
    ASSERT_EQ(file->CellMergedListCount(), 2);
    const TXlsCellRange first = file->GetCellMergedList(0);
    const TXlsCellRange last = file->GetCellMergedList(1);
    EXPECT_EQ((std::array{first.Top, first.Bottom, last.Top, last.Bottom}), (std::array{3, 4, 7, 8}));
}
