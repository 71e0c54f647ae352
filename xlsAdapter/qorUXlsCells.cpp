// A worksheet's ROW records and cells together: loading, row and column
// operations on both, and writing the cell block.
#include "xlsAdapter/qorUXlsCellList.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

constexpr int RowsPerBlock = 32;
constexpr int DimensionsSize = 14;

// The first and last-plus-one column of a row's cells; 0 and 0 when none.
std::pair<std::uint16_t, std::uint16_t> CellSpan(TCellRecordList* Cells)
{
    if (!Cells || Cells->Count() == 0)
        return {0, 0};
    if (!Cells->Sorted)
        Cells->Sort();
    return {static_cast<std::uint16_t>(Cells->Column(0)), static_cast<std::uint16_t>(Cells->Column(Cells->Count() - 1) + 1)};
}

} // namespace

TCells::TCells(TWorkbookGlobals& aGlobals, TColumnXFLookup aColumnXF)
    : FCellList(aGlobals, FRowList, std::move(aColumnXF))
{
}

void TCells::AddRow(TRowEntry aRow)
{
    FRowList.AddRecord(std::move(aRow));
}

void TCells::AddCell(std::unique_ptr<TCellRecord> aRecord, int aRow)
{
    // The record's column is 16 bits wide; the sheet has 256 columns.
    if (aRecord->Column() > 255)
        ExcelError(msg::InvalidCol, static_cast<int>(aRecord->Column()));
    StartLoadingRow(aRow);
    FCellList.AddRecord(std::move(aRecord), aRow);
}

void TCells::AddMultipleCells(TMultipleValueRecord& aRecord)
{
    while (!aRecord.Eof())
        AddPlainCell(aRecord.ExtractOneCell(), aRecord.Row());
}

void TCells::AddPlainCell(const TCellSlot& Slot, int aRow)
{
    StartLoadingRow(aRow);
    FCellList.AddPlainCell(Slot, aRow);
}

void TCells::StartLoadingRow(int Row)
{
    if (Row == FLoadingRow)
        return;
    if (TCellRecordList* complete = FCellList.CellRow(FLoadingRow))
        complete->ShrinkToFit();
    FLoadingRow = Row;
    // The row's ROW record, which comes before its cells, gives their span:
    // one block of the right size then serves the whole row.
    if (FRowList.HasRow(Row)) {
        const TRowEntry& rowRecord = *FRowList.GetItems(Row);
        const int span = std::clamp(rowRecord.MaxCol() - rowRecord.MinCol(), 0, 256);
        FCellList.ReserveRow(Row, span);
    }
}

void TCells::FixRows()
{
    StartLoadingRow(-1);
    const int lastCellRow = FCellList.Count() - 1;
    for (int row = 0; row <= lastCellRow; ++row) {
        TCellRecordList* cells = FCellList.CellRow(row);
        if (cells->Count() == 0 && row < lastCellRow)
            continue;
        const auto [first, lastPlusOne] = CellSpan(cells);
        if (!FRowList.HasRow(row)) {
            FRowList.AddRow(row);
            FRowList.GetItems(row)->SetMinCol(first);
            FRowList.GetItems(row)->SetMaxCol(lastPlusOne);
            continue;
        }
        // The saved range follows the ROW records' spans, so a span that
        // misses some of its cells would drop them on saving.
        TRowEntry* rowRecord = FRowList.GetItems(row);
        if (cells->Count() > 0 && rowRecord->MinCol() > first)
            rowRecord->SetMinCol(first);
        if (rowRecord->MaxCol() < lastPlusOne)
            rowRecord->SetMaxCol(lastPlusOne);
    }
}

void TCells::Clear()
{
    FRowList.Clear();
    FCellList.Clear();
    FLoadingRow = -1;
}

void TCells::CopyFrom(const TCells& aList)
{
    FRowList.CopyFrom(aList.FRowList);
    FCellList.CopyFrom(aList.FCellList);
}

void TCells::InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, const TSheetInfo& SheetInfo,
                               bool OnlyFormulas)
{
    FRowList.InsertAndCopyRows(FirstRow, LastRow, DestRow, aCount, SheetInfo);
    FCellList.InsertAndCopyRows(FirstRow, LastRow, DestRow, aCount, SheetInfo, OnlyFormulas);
}

void TCells::DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo)
{
    FRowList.DeleteRows(aRow, aCount, SheetInfo);
    FCellList.DeleteRows(aRow, aCount, SheetInfo);
}

void TCells::InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, const TSheetInfo& SheetInfo,
                               bool OnlyFormulas)
{
    FCellList.InsertAndCopyCols(FirstCol, LastCol, DestCol, aCount, SheetInfo, OnlyFormulas);
    UpdateRowBounds();
}

void TCells::DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo)
{
    FCellList.DeleteCols(aCol, aCount, SheetInfo);
    UpdateRowBounds();
}

void TCells::ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                      const TSheetInfo& SheetInfo)
{
    FRowList.ArrangeInsertRowsAndCols(InsRowPos, InsRowCount, InsColPos, InsColCount, SheetInfo);
    FCellList.ArrangeInsertRowsAndCols(InsRowPos, InsRowCount, InsColPos, InsColCount, SheetInfo);
}

void TCells::UpdateRowBounds()
{
    for (int row = 0; row < FRowList.Count(); ++row) {
        if (!FRowList.HasRow(row))
            continue;
        const auto [first, lastPlusOne] = CellSpan(FCellList.CellRow(row));
        FRowList.GetItems(row)->SetMinCol(first);
        FRowList.GetItems(row)->SetMaxCol(lastPlusOne);
    }
}

TXlsCellRange TCells::GetUsedRange() const
{
    TXlsCellRange range;
    range.Top = FRowList.Count();
    int lastPlusOne = 0;
    for (int row = FRowList.Count() - 1; row >= 0; --row) {
        if (!FRowList.HasRow(row))
            continue;
        range.Top = row;
        lastPlusOne = std::max<int>(lastPlusOne, FRowList.GetItems(row)->MaxCol());
    }
    range.Bottom = FRowList.Count() - 1;
    range.Right = lastPlusOne > 0 ? lastPlusOne - 1 : 0;
    range.Left = 0; // no greater than the first used column, which is all readers need
    return range;
}

void TCells::SaveToStream(TOle2File& DataStream)
{
    SaveRangeToStream(DataStream, GetUsedRange());
}

void TCells::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange)
{
    DataStream.WriteHeader(xlr::DIMENSIONS, DimensionsSize);
    DataStream.Write32(static_cast<std::uint32_t>(CellRange.Top));
    DataStream.Write32(static_cast<std::uint32_t>(CellRange.Bottom + 1));
    DataStream.Write16(static_cast<std::uint16_t>(CellRange.Left));
    DataStream.Write16(static_cast<std::uint16_t>(CellRange.Right + 1));
    DataStream.Write16(0);
    for (int blockStart = CellRange.Top; blockStart <= CellRange.Bottom; blockStart += RowsPerBlock) {
        const int blockEnd = std::min(blockStart + RowsPerBlock - 1, CellRange.Bottom);
        for (int row = blockStart; row <= blockEnd; ++row)
            if (FRowList.HasRow(row))
                FRowList.GetItems(row)->SaveRangeToStream(DataStream, CellRange.Left, CellRange.Right);
        for (int row = blockStart; row <= blockEnd; ++row)
            if (TCellRecordList* cells = FCellList.CellRow(row))
                cells->SaveRangeToStream(DataStream, CellRange);
    }
}

std::int64_t TCells::FixTotalSize(bool NeedsRecalc) const
{
    std::int64_t rows = 0;
    for (int row = 0; row < FRowList.Count(); ++row)
        if (FRowList.HasRow(row))
            rows += FRowList.GetItems(row)->TotalSize();
    return rows + 4 + DimensionsSize + FCellList.FixTotalSize(NeedsRecalc);
}

std::int64_t TCells::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    std::int64_t rows = 0;
    for (int row = std::max(CellRange.Top, 0); row <= CellRange.Bottom; ++row)
        if (FRowList.HasRow(row))
            rows += FRowList.GetItems(row)->TotalSize();
    return rows + 4 + DimensionsSize + FCellList.TotalRangeSize(CellRange);
}
