// The external reference table: sheet prefixes of the own and of other
// workbooks, entries added for formulas, the table split across CONTINUE
// records, and entries following inserted and deleted sheets.
#include "xlsAdapter/qorUXlsReferences.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorXLSAdapter.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;

namespace {

// A workbook of the sheets Sheet1, O'Brien and Sheet3.
std::unique_ptr<TXLSFile> ThreeSheets()
{
    auto file = std::make_unique<TXLSFile>(nullptr);
    file->Connect();
    file->NewFile(3);
    const char* names[] = {"Sheet1", "O'Brien", "Sheet3"};
    for (int i = 0; i < 3; ++i) {
        file->SetActiveSheet(i + 1);
        file->SetActiveSheetName(names[i]);
    }
    return file;
}

ByteArray BiffText(const std::string& text)
{
    ByteArray out{static_cast<std::uint8_t>(text.size()), 0, 0};
    for (const char c : text)
        out.push_back(static_cast<std::uint8_t>(c));
    return out;
}

TEST(XlsReferences, SheetPrefixesOfThisAndOtherWorkbooks)
{
    auto file = ThreeSheets();
    TWorkbookGlobals& globals = file->GetTWorkbook()->Globals();
    TReferences references;
    EXPECT_EQ(0, references.AddSheet(3, 0, 0));
    EXPECT_EQ(1, references.AddSheet(3, 1, 2));
    EXPECT_EQ(0, references.AddSheet(3, 0, 0));
    EXPECT_EQ(2, references.SetSheet(1));
    EXPECT_EQ(0, references.GetSheet(0));
    EXPECT_EQ(-1, references.GetSheet(1));
    // A book at C:\data\x.xls with one sheet, encoded as the format keeps paths.
    ByteArray book = Words({1});
    const ByteArray path = BiffText(std::string("\x01\x01" "Cdata\x03x.xls"));
    book.insert(book.end(), path.begin(), path.end());
    const ByteArray sheet = BiffText("Sheet1");
    book.insert(book.end(), sheet.begin(), sheet.end());
    references.AddSupBook(std::make_unique<TBaseRecord>(0x01AE, book));
    TBaseRecord table(0x0017, Words({1, 1, 0, 0}));
    references.AddExternRef(table);

    EXPECT_EQ("'Sheet1'!", references.GetSheetName(0, globals));
    // Quotes in a sheet's name are doubled, so that the text reads back.
    EXPECT_EQ("'O''Brien:Sheet3'!", references.GetSheetName(1, globals));
    EXPECT_EQ("'C:\\data\\[x.xls]Sheet1'!", references.GetSheetName(3, globals));
    EXPECT_EQ("The index \"4\" of the property \"Sheet Reference\" is not in the range 0-3",
              ErrorOf([&] { references.GetSheetName(4, globals); }));

    file->SetActiveSheet(1);
    file->SetCellFormula(1, 1, "='O''Brien'!A1+'Sheet1:Sheet3'!B2");
    EXPECT_EQ("='O''Brien'!A1+'Sheet1:Sheet3'!B2", file->GetCellFormula(1, 1));
}

TEST(XlsReferences, TableOfMoreThan1370EntriesContinues)
{
    TReferences references;
    for (int i = 0; i < 1371; ++i)
        references.AddSheet(3, i, i + 1);
    const ByteArray bytes = WrittenBytes([&](TOle2File& file) { references.SaveToStream(file); });
    // The own workbook's SUPBOOK, then 1370 entries with their count and one more.
    ASSERT_EQ(static_cast<std::size_t>(references.TotalSize()), bytes.size());
    EXPECT_EQ((ByteArray{0xAE, 0x01, 4, 0, 3, 0, 1, 4}), ByteArray(bytes.begin(), bytes.begin() + 8));
    EXPECT_EQ(0x0017, GetWord(bytes, 8));
    EXPECT_EQ(2 + 1370 * 6, GetWord(bytes, 10));
    EXPECT_EQ(1371, GetWord(bytes, 12));
    const std::int64_t next = 12 + 2 + 1370 * 6;
    EXPECT_EQ(0x003C, GetWord(bytes, next));
    EXPECT_EQ(6, GetWord(bytes, next + 2));
    EXPECT_EQ(1370, GetWord(bytes, next + 6));

    TReferences read;
    read.AddSupBook(std::make_unique<TBaseRecord>(0x01AE, ByteArray(bytes.begin() + 4, bytes.begin() + 8)));
    TBaseRecord table(0x0017, ByteArray(bytes.begin() + 12, bytes.begin() + next));
    table.AddContinue(std::make_unique<TContinueRecord>(0x003C, ByteArray(bytes.begin() + next + 4, bytes.end())));
    read.AddExternRef(table);
    EXPECT_EQ(1371, read.ExternSheetCount());
    EXPECT_EQ(1370, read.AddSheet(3, 1370, 1371));
}

TEST(XlsReferences, EntriesFollowInsertedAndDeletedSheets)
{
    auto file = ThreeSheets();
    TWorkbookGlobals& globals = file->GetTWorkbook()->Globals();
    TReferences references;
    references.AddSheet(3, 0, 0);
    references.AddSheet(3, 1, 1);
    references.AddSheet(3, 2, 2);
    references.AddSheet(3, 0, 2);
    // Two sheets inserted before the second, then the first deleted.
    references.InsertSheets(1, 2);
    EXPECT_EQ(3, references.GetSheet(1));
    EXPECT_EQ(4, references.GetSheet(2));
    references.InsertSheets(0, -1);
    EXPECT_EQ(-1, references.GetSheet(0));
    EXPECT_EQ(2, references.GetSheet(1));
    // The entry of the deleted sheet names no sheet: its references show #REF!.
    EXPECT_EQ("", references.GetSheetName(0, globals));
    const ByteArray bytes = WrittenBytes([&](TOle2File& f) { references.SaveToStream(f); });
    EXPECT_EQ(4, GetWord(bytes, 4));  // the workbook's own sheet count follows
    EXPECT_EQ(0xFFFF, GetWord(bytes, 16));
    EXPECT_EQ(0xFFFF, GetWord(bytes, 18));
    EXPECT_EQ(0xFFFF, GetWord(bytes, 34));
    EXPECT_EQ(3, GetWord(bytes, 36));
}

} // namespace
