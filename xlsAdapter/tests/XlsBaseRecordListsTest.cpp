// Record base classes and lists: sizes, ROW records, shifting rows and
// columns, column search and joined cell runs.
#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsRowEntries.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;

TEST(XlsBaseRecords, SizesCopiesAndListTotals)
{
    auto record = std::make_unique<TBaseRecord>(0x0862, ByteArray(10, 1));
    record->AddContinue(std::make_unique<TContinueRecord>(0x003C, ByteArray(20, 2)));
    EXPECT_EQ(38, record->TotalSize());
    EXPECT_EQ(30, record->TotalSizeNoHeaders());
    const auto copy = TBaseRecord::CopyTo(record.get());
    EXPECT_EQ(record->Data, copy->Data);
    ASSERT_TRUE(copy->Continue);
    EXPECT_EQ(record->Continue->Data, copy->Continue->Data);
    EXPECT_EQ(nullptr, TBaseRecord::CopyTo(nullptr));

    TBaseRecordList list;
    list.Add(std::move(record));
    list.Add(std::make_unique<TIgnoreRecord>(0x020B, ByteArray(16)));
    list.Add(nullptr);
    list.Add(std::make_unique<TRowRecord>(0x0208, ByteArray(16)));
    EXPECT_EQ(38 + 0 + 20, list.TotalSize());
    list.Delete(0);
    EXPECT_EQ(20, list.TotalSize());
    list.AdaptSize(5);
    EXPECT_EQ(25, list.TotalSize());
    TBaseRecordList copies;
    copies.CopyFrom(&list);
    copies.CopyFrom(nullptr);
    EXPECT_EQ(3, copies.Count());
    EXPECT_EQ(20, copies.TotalSize());
}

TEST(XlsBaseRecords, RowRecordBytes)
{
    TRowEntry entry(5);
    TRowEntry* row = &entry;
    EXPECT_EQ((ByteArray{5, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 1, 0x0F, 0}),
              ByteArray(row->Data().begin(), row->Data().end()));
    EXPECT_FALSE(row->IsModified());
    EXPECT_EQ(15, row->XF());
    row->SetXF(20);
    EXPECT_EQ(0x0180, row->Options());
    EXPECT_EQ(20, GetWord(row->Data(), 14));
    EXPECT_EQ(20, row->XF());
    EXPECT_TRUE(row->IsModified());
    row->Hide(true);
    row->SetRowOutlineLevel(9);
    EXPECT_TRUE(row->IsHidden());
    EXPECT_EQ(1, row->Options() & 7);
}

TEST(XlsBaseRecords, ShiftingRowsAndColumns)
{
    TCellRecord cell(0x0201, 6, 65534, 10, 15);
    EXPECT_EQ("Too many entries for this kind of record (65537 out of a maximum of 65535)",
              ErrorOf([&] { cell.ArrangeInsertRowsAndCols(65534, 3, 0, 0, SameSheet()); }));
    EXPECT_EQ(65534, cell.Row());
    // A failing column shift leaves the row unshifted too.
    EXPECT_NE("no exception", ErrorOf([&] { cell.ArrangeInsertRowsAndCols(0, -4, 0, 250, SameSheet()); }));
    EXPECT_EQ(65534, cell.Row());
    EXPECT_EQ(10, cell.Column());
    cell.ArrangeInsertRowsAndCols(100, -4, 11, 5, SameSheet());
    EXPECT_EQ(65530, cell.Row());
    EXPECT_EQ(10, cell.Column());
    TSheetInfo otherSheet = SameSheet();
    otherSheet.FormulaSheet = 1;
    cell.ArrangeInsertRowsAndCols(0, 1, 0, 1, otherSheet);
    EXPECT_EQ(65530, cell.Row());
    cell.ArrangeCopyRowsAndCols(10, -11);
    EXPECT_EQ(4, cell.Row());
    EXPECT_EQ(65535, cell.Column());
    EXPECT_TRUE(cell.GetValue().IsEmpty());
    EXPECT_EQ("Record with ID 0x201 is invalid", ErrorOf([] { TBaseRowColRecord tiny(0x0201, ByteArray(3)); }));
    EXPECT_EQ("Record 0x0201 is 5 bytes, needs 6", ErrorOf([] { TCellRecord small(0x0201, ByteArray(5)); }));
}

TEST(XlsBaseRecords, FindByColumnSortsFirst)
{
    TCellRecordList cells;
    for (const std::uint16_t col : {7, 2, 9, 4})
        cells.Add(std::make_unique<TCellRecord>(0x0201, 6, 0, col, 15));
    int index = -1;
    EXPECT_TRUE(cells.Find(9, index));
    EXPECT_EQ(3, index);
    EXPECT_TRUE(cells.Sorted);
    EXPECT_FALSE(cells.Find(5, index));
    EXPECT_EQ(2, index);
    EXPECT_FALSE(cells.Find(100, index));
    EXPECT_EQ(4, index);
}

TEST(XlsBaseRecords, AdjacentBlanksAreWrittenAsRuns)
{
    TempFolder dir;
    const std::string file = MakeContainer(dir, "template.xls", ByteArray(100));
    TCellRecordList cells;
    for (const std::uint16_t col : {1, 2, 3, 5})
        cells.Add(TBlankRecord::CreateFromData(0, col, 15));
    EXPECT_EQ(10 + 2 + 4 + 10, cells.TotalSize());
    EXPECT_EQ(10, cells.TotalRangeSize({5, 0, 255, 0}, false));
    EXPECT_EQ(0, cells.TotalRangeSize({0, 1, 255, 9}, false));

    TFileStream input(file, fmOpenRead);
    TMemoryStream output;
    TOle2File container(input);
    container.PrepareForWrite(output, u"Workbook");
    cells.SaveToStream(container);
    container.FinishWrite();
    const std::string out = dir / "out.xls";
    output.SaveToFile(out);
    ByteArray written = ReadStream(out, u"Workbook");
    written.resize(26);
    EXPECT_EQ((ByteArray{0xBE, 0, 12, 0, 0, 0, 1, 0, 15, 0, 15, 0, 15, 0, 3, 0, // columns 1..3 as one run
                         0x01, 0x02, 6, 0, 0, 0, 5, 0, 15, 0}),                   // column 5 alone
              written);
}

TEST(XlsBaseRecords, RowListByRowNumber)
{
    TRowRecordList rows;
    rows.AddRecord(TRowEntry(3));
    rows.AddRecord(TRowEntry(1));
    EXPECT_EQ("Duplicated ROW record", ErrorOf([&] { rows.AddRecord(TRowEntry(3)); }));
    EXPECT_EQ("Missing ROW Record for row 2", ErrorOf([&] { rows.GetItems(2); }));
    EXPECT_EQ(4, rows.Count());
    EXPECT_EQ(40, rows.TotalSize());
    EXPECT_TRUE(rows.IsAutoRowHeight(2));
    rows.SetRowHeight(2, 300);
    EXPECT_EQ(300, rows.RowHeight(2));
    EXPECT_FALSE(rows.IsAutoRowHeight(2));
    EXPECT_EQ(0, rows.RowHeight(50));
    EXPECT_EQ(60, rows.TotalRangeSize({0, 1, 255, 3}));
    EXPECT_EQ("Missing ROW Record for row 0", ErrorOf([&] { rows.TotalRangeSize({0, 0, 255, 1}); }));

    // Copy rows 1..2 twice before row 1: rows 1..2 become 5..6.
    rows.InsertAndCopyRows(1, 2, 1, 2, SameSheet());
    EXPECT_EQ(8, rows.Count());
    for (const int r : {1, 2, 3, 4, 5, 6, 7}) {
        SCOPED_TRACE(r);
        ASSERT_TRUE(rows.HasRow(r));
        EXPECT_EQ(r, rows.GetItems(r)->Row());
    }
    EXPECT_EQ(300, rows.RowHeight(4));
    EXPECT_EQ(300, rows.RowHeight(6));
    rows.DeleteRows(0, 5, SameSheet());
    EXPECT_EQ(3, rows.Count());
    EXPECT_EQ(300, rows.RowHeight(1));
    EXPECT_EQ(2, rows.GetItems(2)->Row());
}
