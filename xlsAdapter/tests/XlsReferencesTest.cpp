// The external reference table: sheet prefixes of the own and of other
// workbooks, entries added for formulas, the table split across CONTINUE
// records, and entries following inserted and deleted sheets.
#include "xlsAdapter/qorUXlsReferences.h"

#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorXLSAdapter.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

#include <regex>

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

// A SUPBOOK of another book keeps its external names, copies them with
// itself and writes them after itself; records that end early are refused.
TEST(XlsReferences, BooksCarryTheirExternalNames)
{
    ByteArray bookData = Words({1});
    for (const std::string& text : {std::string("\x01" "book.xls"), std::string("Data")}) {
        const ByteArray part = BiffText(text);
        bookData.insert(bookData.end(), part.begin(), part.end());
    }
    TSupBookRecord book(0x01AE, bookData);
    book.LoadNames();
    EXPECT_FALSE(book.IsLocal());
    EXPECT_FALSE(book.IsAddIn());
    EXPECT_EQ(u"book.xls", book.BookName());
    ByteArray nameData(6, 0);
    nameData.push_back(4);
    nameData.push_back(0);
    for (const char c : std::string("Rate"))
        nameData.push_back(static_cast<std::uint8_t>(c));
    nameData.insert(nameData.end(), {2, 0, 0x1C, 0x17});
    book.AddExternName(std::make_unique<TExternNameRecord>(0x0023, nameData));
    EXPECT_EQ(4, book.ExternNames().Items(0)->NameLength());
    EXPECT_EQ(u"Rate", book.ExternNames().Items(0)->Name());

    const auto copy = TBaseRecord::CopyTo(&book);
    const auto& copied = dynamic_cast<const TSupBookRecord&>(*copy);
    ASSERT_EQ(1, copied.ExternNames().Count());
    EXPECT_EQ(u"Rate", copied.ExternNames().Items(0)->Name());
    EXPECT_EQ(u"book.xls", copied.BookName());
    const ByteArray written = WrittenBytes([&](TOle2File& f) { copy->SaveToStream(f); });
    ASSERT_EQ(static_cast<std::size_t>(book.TotalSize()), written.size());
    EXPECT_EQ(0x0023, GetWord(written, 4 + bookData.size()));

    EXPECT_TRUE(TSupBookRecord::CreateEmpty(3)->IsLocal());
    // Hostile records: two sheet names promised, one present; a name shorter than its header.
    TSupBookRecord shortBook(0x01AE, ByteArray(bookData.begin(), bookData.end()));
    SetWord(shortBook.Data, 0, 2);
    EXPECT_NE("", ErrorOf([&] { shortBook.LoadNames(); }));
    EXPECT_NE("", ErrorOf([&] { book.AddExternName(std::make_unique<TExternNameRecord>(0x0023, ByteArray(5, 0))); }));
    TExternNameRecord overlong(0x0023, ByteArray{0, 0, 0, 0, 0, 0, 200, 0, 'x'});
    EXPECT_NE("", ErrorOf([&] { overlong.Name(); }));
    EXPECT_EQ(1, book.ExternNames().Count());
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

namespace {

// What LibreOffice shows of the first sheet's formulas, and xlrd of the tables, per file.
std::string DescribeExternal(const TempFolder& dir, const std::string& files)
{
    std::string output;
    const std::string command = "cd " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers && /usr/bin/python3 extrefs_uno.py '" +
                                testsupport::LibreOffice(dir.Path()) + "' describe " + files;
    EXPECT_EQ(0, RunCommand(command, &output)) << output;
    return output;
}

TEST(XlsReferencesPeers, ReferencesToAnotherWorkbookAreWrittenAndReadBack)
{
    REQUIRE_PEER("libreoffice");
    REQUIRE_PEER("python3-uno");
    TempFolder dir;
    const std::string fixture = VISTRA_TEST_DATA "/extrefs-libreoffice.xls";
    TXLSFile file(nullptr);
    file.Connect();
    file.OpenFile(fixture);
    file.SetActiveSheet(1);
    EXPECT_EQ("='\\tmp\\vistra-books\\[other.xls]Prices'!A1+A1", file.GetCellFormula(1, 2));
    const TReferences& references = file.GetTWorkbook()->Globals().References();
    ASSERT_EQ(2, references.SupBooks().Count());
    EXPECT_EQ(0, references.LocalSupBook());
    EXPECT_TRUE(references.SupBooks().Items(0)->IsLocal());
    EXPECT_FALSE(references.SupBooks().Items(1)->IsLocal());
    EXPECT_FALSE(references.SupBooks().Items(1)->IsAddIn());

    file.InsertAndCopyRows(60, 60, 1, 2, false);  // two empty rows on top
    file.Save(false, dir / "ours.xls", nullptr, nullptr, nullptr);
    TXLSFile again(nullptr);
    again.Connect();
    again.OpenFile(dir / "ours.xls");
    again.SetActiveSheet(1);
    EXPECT_EQ("='\\tmp\\vistra-books\\[other.xls]Prices'!A1+A3", again.GetCellFormula(3, 2));
    EXPECT_EQ("=SUM('\\tmp\\vistra-books\\[other.xls]Prices'!A1:B1)", again.GetCellFormula(3, 3));

    // LibreOffice reads the same book and sheet in both; the book's address
    // is resolved against where each file lies, so only its name is compared.
    const std::regex book("'file:///[^']*/other.xls'");
    const std::string both = DescribeExternal(dir, fixture + " " + (dir / "ours.xls"));
    EXPECT_EQ("B1\t=BOOK#$Prices.A1+A1\nC1\t=SUM(BOOK#$Prices.A1:B1)\nsupbooks 1 2\nexternsheets 1:0:0\n--\n"
              "B3\t=BOOK#$Prices.A1+A3\nC3\t=SUM(BOOK#$Prices.A1:B1)\nsupbooks 1 2\nexternsheets 1:0:0\n--\n",
              std::regex_replace(both, book, "BOOK"));
}

} // namespace
