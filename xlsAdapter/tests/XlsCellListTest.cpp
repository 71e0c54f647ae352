// Cell storage: which record a value becomes, default formats, ROW records
// kept in step with the cells, row and column operations, and the saved
// cell block.
#include "xlsAdapter/qorUExcelRecords.h"
#include "xlsAdapter/qorUXlsCellList.h"
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"
#include "xlsAdapter/tests/XlsGlobalsTestSupport.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

using namespace xlstest;
namespace xlr = xlsAdapter::xlr;

namespace {

class XlsCellList : public ::testing::Test {
protected:
    TWorkbookGlobals Globals;
    int ColumnXF = -1; // the column-info format of every column
    TCells Cells{Globals, [this](int) { return ColumnXF; }};
    TCellList& List = Cells.CellList();
    TRowRecordList& Rows = Cells.RowList();

    void Set(int row, int col, const Variant& value, int xf = -1)
    {
        List.SetValueX2(row, col, {value, xf, false}, {}, false);
    }
    // The record id at a cell, 0 when none.
    std::uint16_t Kind(int row, int col) const
    {
        int index = 0;
        const TCellRecordList* cells = List.FindCell(row, col, index);
        return cells ? cells->Id(index) : 0;
    }
    // The row a cell is written in, -1 when there is no cell.
    int RowOf(int row, int col) const
    {
        int index = 0;
        const TCellRecordList* cells = List.FindCell(row, col, index);
        return cells ? cells->Row() : -1;
    }
    Variant Value(int row, int col) const { return List.GetValue(row, col).Value; }
};

} // namespace

TEST_F(XlsCellList, ValuesChooseTheirRecordKind)
{
    const struct {
        Variant value;
        std::uint16_t kind;
        Variant readBack;
    } table[] = {
        {0.5, xlr::RK, 0.5},
        {100, xlr::RK, 100.0},
        {0.1, xlr::RK, 0.1},
        {536870911, xlr::RK, 536870911.0},
        {std::int64_t{536870912}, xlr::RK, 536870912.0},
        {std::uint32_t{536870913}, xlr::NUMBER, 536870913.0},
        {0.07, xlr::NUMBER, 0.07},
        {1e300, xlr::NUMBER, 1e300},
        {Currency::FromDouble(2.5), xlr::RK, 2.5},
        {Variant::FromDate(45000.5), xlr::RK, 45000.5},
        {true, xlr::BOOLERR, true},
        {"Grüße", xlr::LABELSST, "Grüße"},
        {"", 0, Variant()},
        {Variant(), 0, Variant()},
        {Variant::Null(), 0, Variant()},
    };
    int row = 0;
    for (const auto& c : table) {
        SCOPED_TRACE(row);
        Set(row, 3, c.value);
        EXPECT_EQ(c.kind, Kind(row, 3));
        const TXlsCellValue v = List.GetValue(row, 3);
        EXPECT_EQ(c.readBack.VarType(), v.Value.VarType());
        EXPECT_EQ(c.readBack, v.Value);
        EXPECT_EQ(c.kind ? 15 : -1, v.XF);
        ++row;
    }
}

TEST_F(XlsCellList, EmptyValuesWithAFormatAreBlanks)
{
    Set(0, 0, "", 20);
    EXPECT_EQ(xlr::BLANK, Kind(0, 0));
    EXPECT_EQ(20, List.GetValue(0, 0).XF);
    Set(0, 1, Variant::Null(), 15); // the default format: no cell
    EXPECT_EQ(0, Kind(0, 1));
    Set(0, 0, 7.0); // keeps the cell's format
    EXPECT_EQ(20, List.GetValue(0, 0).XF);
    Set(0, 0, Variant()); // and an empty value keeps the blank
    EXPECT_EQ(xlr::BLANK, Kind(0, 0));
}

TEST_F(XlsCellList, DefaultFormatComesFromRowThenColumn)
{
    EXPECT_EQ(15, List.DefaultXF(0, 0));
    ColumnXF = 30;
    EXPECT_EQ(30, List.DefaultXF(0, 0));
    Set(1, 0, 1.0);
    EXPECT_EQ(30, List.GetValue(1, 0).XF);
    Set(1, 1, "", 30); // the column's own format: no blank needed
    EXPECT_EQ(0, Kind(1, 1));
    Rows.GetItems(1)->SetXF(40);
    EXPECT_EQ(40, List.DefaultXF(1, 5));
    Set(1, 5, "", 30);
    EXPECT_EQ(xlr::BLANK, Kind(1, 5));
}

TEST_F(XlsCellList, RangeAndValueErrorsChangeNothing)
{
    EXPECT_EQ("Invalid Row (65536)", ErrorOf([&] { Set(65536, 0, 1.0); }));
    EXPECT_EQ("Invalid Row (-1)", ErrorOf([&] { List.GetValue(-1, 0); }));
    EXPECT_EQ("Invalid Column (256)", ErrorOf([&] { Set(0, 256, 1.0); }));
    EXPECT_EQ("Invalid Column (-1)", ErrorOf([&] { List.GetValue(0, -1); }));
    EXPECT_EQ("Invalid Column (-1)", ErrorOf([&] { List.SetFormat(0, -1, 20); }));
    EXPECT_EQ(0, Rows.Count());

    // Error values and unsigned 64-bit integers have no cell record; the
    // cell keeps what it held instead of disappearing.
    Set(2, 2, 5.0);
    EXPECT_EQ("Invalid cell value: \"18446744073709551615\"",
              ErrorOf([&] { Set(2, 2, std::uint64_t{18446744073709551615u}); }));
    EXPECT_EQ("Invalid cell value: \"Error\"", ErrorOf([&] { Set(2, 2, Variant::FromError(7)); }));
    EXPECT_EQ(Variant(5.0), Value(2, 2));
    EXPECT_NE("no exception", ErrorOf([&] { Set(4, 0, 1.0, 70000); }));
    EXPECT_EQ(3, Rows.Count());
}

TEST_F(XlsCellList, DatesIn1904WorkbooksMoveBy1462Days)
{
    List.SetValueX2(0, 0, {Variant::FromDate(45000.0), -1, false}, {}, true);
    EXPECT_EQ(Variant(43538.0), Value(0, 0));
    List.SetValueX2(0, 1, {45000.0, -1, false}, {}, true); // plain numbers do not move
    EXPECT_EQ(Variant(45000.0), Value(0, 1));
}

TEST_F(XlsCellList, RichTextKeepsItsRuns)
{
    const TRTFRunList runs{{0, 5}, {3, 6}};
    List.SetValueX2(0, 0, {"abcdef", -1, false}, runs, false);
    TXlsCellValue v;
    TRTFRunList back;
    List.GetValueX2(0, 0, v, back);
    EXPECT_EQ(Variant("abcdef"), v.Value);
    ASSERT_EQ(2u, back.size());
    EXPECT_EQ(3, back[1].FirstChar);
    EXPECT_EQ(6, back[1].FontIndex);
    List.GetValueX2(0, 1, v, back);
    EXPECT_TRUE(back.empty());
    EXPECT_EQ(-1, v.XF);
}

TEST_F(XlsCellList, RowRecordsFollowTheCells)
{
    // An empty write to an empty sheet leaves no ROW record behind.
    Set(3, 0, Variant());
    EXPECT_EQ(0, Rows.Count());

    Set(0, 2, 1.0);
    Set(0, 5, 2.0);
    Set(0, 9, 3.0);
    EXPECT_EQ(0, Rows.GetItems(0)->MinCol()) << "a new ROW record starts at column 0";
    EXPECT_EQ(10, Rows.GetItems(0)->MaxCol());
    Set(0, 9, Variant());
    EXPECT_EQ(6, Rows.GetItems(0)->MaxCol());
    Set(0, 2, Variant());
    EXPECT_EQ(5, Rows.GetItems(0)->MinCol());

    // Row 3 hidden (a modified ROW record), rows 4 and 6 with a standard
    // one; emptying row 6 removes the standard rows down to row 3.
    Set(6, 0, 1.0);
    Rows.AddRow(3);
    Rows.GetItems(3)->Hide(true);
    Set(4, 1, Variant()); // stays: a later row holds cells
    EXPECT_TRUE(Rows.HasRow(4));
    Set(6, 0, Variant());
    EXPECT_EQ(4, Rows.Count());
    EXPECT_TRUE(Rows.HasRow(3));
    EXPECT_FALSE(Rows.HasRow(2));

    // An inner row that loses its last cell loses its standard ROW record.
    Set(2, 0, 1.0);
    Set(5, 0, 1.0);
    Set(2, 0, Variant());
    EXPECT_FALSE(Rows.HasRow(2));
    EXPECT_EQ(6, Rows.Count());
}

TEST_F(XlsCellList, SetFormatChangesOnlyTheFormat)
{
    Set(0, 0, 4.5);
    List.SetFormat(0, 0, 22);
    EXPECT_EQ(Variant(4.5), Value(0, 0));
    EXPECT_EQ(22, List.GetValue(0, 0).XF);
    List.SetFormat(1, 1, 23);
    EXPECT_EQ(xlr::BLANK, Kind(1, 1));
    List.SetFormat(2, 1, 15);
    EXPECT_EQ(0, Kind(2, 1));
    EXPECT_EQ(2, Rows.Count());
    // A negative index takes the cell's own format away, never its value.
    List.SetFormat(0, 0, -1);
    EXPECT_EQ(Variant(4.5), Value(0, 0));
    EXPECT_EQ(List.DefaultXF(0, 0), List.GetValue(0, 0).XF);
}

TEST_F(XlsCellList, CopiedRowsBelowTheSource)
{
    for (int row = 0; row < 8; ++row)
        Set(row, 1, row * 10.0);
    Rows.GetItems(6)->SetHeight(500);
    // Rows 5..6 twice before row 2: rows 2..5 are copies of 5, 6, 5, 6 and
    // the originals end at 9 and 10.
    Cells.InsertAndCopyRows(5, 6, 2, 2, SameSheet(), false);
    const double expected[] = {0, 10, 50, 60, 50, 60, 20, 30, 40, 50, 60, 70};
    for (int row = 0; row < 12; ++row) {
        EXPECT_EQ(Variant(expected[row]), Value(row, 1)) << row;
        EXPECT_EQ(row, Rows.GetItems(row)->Row()) << row;
        EXPECT_EQ(row, RowOf(row, 1)) << row;
    }
    EXPECT_EQ(500, Rows.RowHeight(3));
    EXPECT_EQ(500, Rows.RowHeight(10));

    // Copies of formulas only: the rows come, the values do not.
    Cells.InsertAndCopyRows(0, 0, 1, 1, SameSheet(), true);
    EXPECT_EQ(0, Kind(1, 1));
    EXPECT_EQ(Variant(10.0), Value(2, 1));

    Cells.DeleteRows(0, 3, SameSheet());
    EXPECT_EQ(Variant(50.0), Value(0, 1));
    EXPECT_EQ(0, RowOf(0, 1));
    EXPECT_EQ(10, Rows.Count());
}

TEST_F(XlsCellList, ColumnsCopiedAndDeleted)
{
    for (int col = 0; col < 4; ++col)
        Set(0, col, col + 1.0);
    Set(2, 1, "b");
    // Columns 1..2 once before column 0.
    Cells.InsertAndCopyCols(1, 2, 0, 1, SameSheet(), false);
    const double expected[] = {2, 3, 1, 2, 3, 4};
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(Variant(expected[col]), Value(0, col)) << col;
    EXPECT_EQ(Variant("b"), Value(2, 0));
    EXPECT_EQ(Variant("b"), Value(2, 3));
    EXPECT_EQ(6, Rows.GetItems(0)->MaxCol());

    Cells.DeleteCols(0, 3, SameSheet());
    EXPECT_EQ(Variant(2.0), Value(0, 0));
    EXPECT_EQ(Variant(4.0), Value(0, 2));
    EXPECT_EQ(0, Kind(0, 3));
    EXPECT_EQ(3, Rows.GetItems(0)->MaxCol());
    EXPECT_EQ(Variant("b"), Value(2, 0));
    EXPECT_EQ(1, Rows.GetItems(2)->MaxCol());

    TCells copy(Globals, nullptr);
    copy.CopyFrom(Cells);
    Set(0, 0, 99.0);
    EXPECT_EQ(Variant(2.0), copy.CellList().GetValue(0, 0).Value);
    EXPECT_EQ(Variant("b"), copy.CellList().GetValue(2, 0).Value);
}

TEST_F(XlsCellList, ColumnsPushedPastTheSheetMoveNothingInTheirRow)
{
    Set(0, 200, 1.0);
    List.SetFormula(0, 210, "=1+1");
    Set(0, 250, true);
    EXPECT_EQ("Too many entries for this kind of record (260 out of a maximum of 255)",
              ErrorOf([&] { Cells.ArrangeInsertRowsAndCols(0, 0, 205, 10, SameSheet()); }));
    EXPECT_EQ(Variant(1.0), Value(0, 200));
    EXPECT_EQ(0x0006, Kind(0, 210));
    EXPECT_EQ(Variant(true), Value(0, 250));
    // Operations on another sheet leave this sheet's cells where they are.
    TSheetInfo otherSheet = SameSheet();
    otherSheet.FormulaSheet = 1;
    Cells.ArrangeInsertRowsAndCols(0, 3, 0, 3, otherSheet);
    EXPECT_EQ(Variant(1.0), Value(0, 200));
    EXPECT_EQ(Variant(true), Value(0, 250));
}

TEST_F(XlsCellList, AnEmptySheetSavesItsDimensions)
{
    EXPECT_EQ(18, Cells.TotalSize());
    EXPECT_EQ(Rec(xlr::DIMENSIONS, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}),
              WrittenBytes([&](TOle2File& out) { Cells.SaveToStream(out); }));
}

TEST_F(XlsCellList, CellsAreSavedInBlocksOf32Rows)
{
    for (int row = 2; row < 40; ++row) {
        Set(row, 3, row * 1.0);
        Set(row, 4, row * 1.0);
    }
    Set(39, 200, "last");
    const std::int64_t size = Cells.TotalSize();
    const ByteArray written = WrittenBytes([&](TOle2File& out) { Cells.SaveToStream(out); });
    EXPECT_EQ(static_cast<std::int64_t>(written.size()), size) << "the size we announce is the size we write";
    EXPECT_EQ(Rec(xlr::DIMENSIONS, {2, 0, 0, 0, 40, 0, 0, 0, 0, 0, 201, 0, 0, 0}),
              ByteArray(written.begin(), written.begin() + 18));
    // Record ids in order: ROW records of rows 2..33, their cells (one
    // MULRK per row), then rows 34..39.
    std::vector<std::uint16_t> ids;
    std::size_t pos = 0;
    for (; pos + 4 <= written.size(); pos += 4 + GetWord(written, pos + 2))
        ids.push_back(GetWord(written, pos));
    EXPECT_EQ(written.size(), pos);
    std::vector<std::uint16_t> expected{xlr::DIMENSIONS};
    expected.insert(expected.end(), 32, xlr::ROW);
    expected.insert(expected.end(), 32, xlr::MULRK);
    expected.insert(expected.end(), 6, xlr::ROW);
    expected.insert(expected.end(), 6, xlr::MULRK);
    expected.push_back(xlr::LABELSST);
    EXPECT_EQ(expected, ids);
}

TEST_F(XlsCellList, LoadedCellsGetRowRecordsThatCoverThem)
{
    // A writer that leaves out ROW records, or gives one too narrow a span:
    // saving follows the ROW records, so the cells would be lost.
    Cells.AddRow(TRowEntry(0));
    Cells.AddCell(TRKRecord::CreateFromData(0, 7, 15), 0);
    Cells.AddCell(TRKRecord::CreateFromData(3, 2, 15), 3);
    Cells.FixRows();
    ASSERT_TRUE(Rows.HasRow(3));
    EXPECT_EQ(2, Rows.GetItems(3)->MinCol());
    EXPECT_EQ(3, Rows.GetItems(3)->MaxCol());
    EXPECT_EQ(8, Rows.GetItems(0)->MaxCol());
    EXPECT_EQ(7, Cells.GetUsedRange().Right);

    EXPECT_EQ("Invalid Column (300)", ErrorOf([&] { Cells.AddCell(TRKRecord::CreateFromData(1, 300, 15), 1); }));
}

TEST(XlsCellListSheets, SheetsAreFoundIgnoringCase)
{
    TWorkbook workbook;
    LoadWorkbook(Concat({Bof(0x0005), BoundSheet("Data"), BoundSheet("Sales"), Eof(), SheetSection(), SheetSection()}),
                 workbook);
    TCells cells(workbook.Globals(), nullptr);
    EXPECT_EQ(u"Sales", cells.CellList().GetSheetName(1));
    int index = 0;
    EXPECT_TRUE(cells.CellList().FindSheet(u"SALES", index));
    EXPECT_EQ(1, index);
    EXPECT_TRUE(cells.CellList().FindSheet(u"data", index));
    EXPECT_EQ(0, index);
    EXPECT_FALSE(cells.CellList().FindSheet(u"Dat", index));
    EXPECT_EQ(-1, index);
}
