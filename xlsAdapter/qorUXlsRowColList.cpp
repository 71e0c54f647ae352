// Row-by-row cells: adding, copying, shifting, deleting and saving.
#include "xlsAdapter/qorUXlsRowColList.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

bool IsCopied(const TCellRecordList& Cells, int Index, bool OnlyFormulas)
{
    return !OnlyFormulas || Cells.Id(Index) == xlr::FORMULA;
}

} // namespace

TCellRecordList* TBaseRowColList::RowList(int Row) const
{
    return Row >= 0 && Row < Count() ? &FRows[static_cast<std::size_t>(Row)] : nullptr;
}

TCellRecordList& TBaseRowColList::EnsureRow(int Row)
{
    while (Count() <= Row)
        FRows.emplace_back(Count());
    return FRows[static_cast<std::size_t>(Row)];
}

void TBaseRowColList::TruncateRows(int Row)
{
    if (Row < Count())
        FRows.resize(static_cast<std::size_t>(std::max(Row, 0)));
}

void TBaseRowColList::AddRecord(std::unique_ptr<TCellRecord> aRecord, int aRow)
{
    EnsureRow(aRow).Add(std::move(aRecord));
}

void TBaseRowColList::CopyFrom(const TBaseRowColList& aList)
{
    for (const TCellRecordList& source : aList.FRows) {
        TCellRecordList copy(source.Row());
        for (int i = 0; i < source.Count(); ++i)
            copy.AddCopy(source, i);
        copy.ShrinkToFit();
        FRows.push_back(std::move(copy));
    }
}

void TBaseRowColList::ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                               const TSheetInfo& SheetInfo)
{
    for (TCellRecordList& row : FRows)
        row.ArrangeInsertRowsAndCols(InsRowPos, InsRowCount, InsColPos, InsColCount, SheetInfo);
}

void TBaseRowColList::DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo)
{
    const int first = std::clamp(aRow, 0, Count());
    const int last = std::clamp(aRow + aCount, first, Count());
    FRows.erase(FRows.begin() + first, FRows.begin() + last);
    ArrangeInsertRowsAndCols(aRow, -aCount, 0, 0, SheetInfo);
}

void TBaseRowColList::DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo)
{
    for (TCellRecordList& row : FRows)
        for (int i = row.Count() - 1; i >= 0; --i)
            if (row.Column(i) >= aCol && row.Column(i) < aCol + aCount)
                row.Delete(i);
    ArrangeInsertRowsAndCols(0, 0, aCol, -aCount, SheetInfo);
}

void TBaseRowColList::InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount,
                                        const TSheetInfo& SheetInfo, bool OnlyFormulas)
{
    const int rows = LastRow - FirstRow + 1;
    ArrangeInsertRowsAndCols(DestRow, rows * aCount, 0, 0, SheetInfo);
    int dest = DestRow;
    int inserted = 0;
    for (int k = 0; k < aCount; ++k) {
        for (int row = FirstRow; row <= LastRow; ++row) {
            // Copies inserted above the source push it down.
            const TCellRecordList* source = RowList(FirstRow >= DestRow ? row + inserted : row);
            TCellRecordList copy(source ? source->Row() : dest);
            if (source)
                for (int i = 0; i < source->Count(); ++i)
                    if (IsCopied(*source, i, OnlyFormulas))
                        copy.AddCopy(*source, i);
            copy.ArrangeCopyRowsAndCols(dest - copy.Row(), 0);
            if (dest > Count())
                EnsureRow(dest - 1);
            FRows.insert(FRows.begin() + dest, std::move(copy));
            ++dest;
            ++inserted;
        }
    }
}

void TBaseRowColList::InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount,
                                        const TSheetInfo& SheetInfo, bool OnlyFormulas)
{
    const int cols = LastCol - FirstCol + 1;
    ArrangeInsertRowsAndCols(0, 0, DestCol, cols * aCount, SheetInfo);
    // The source columns moved right when they lay at or after DestCol.
    const int sourceShift = FirstCol >= DestCol ? cols * aCount : 0;
    int dest = DestCol;
    for (int k = 0; k < aCount; ++k) {
        for (int col = FirstCol; col <= LastCol; ++col, ++dest) {
            for (TCellRecordList& row : FRows) {
                int source = 0;
                if (!row.Find(col + sourceShift, source) || !IsCopied(row, source, OnlyFormulas))
                    continue;
                int index = 0;
                row.Find(dest, index);
                row.InsertCopy(index, row, source, dest - row.Column(source));
            }
        }
    }
}

void TBaseRowColList::SaveToStream(TOle2File& DataStream)
{
    for (TCellRecordList& row : FRows)
        row.SaveToStream(DataStream);
}

void TBaseRowColList::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange)
{
    const int last = std::min(CellRange.Bottom, Count() - 1);
    for (int row = std::max(CellRange.Top, 0); row <= last; ++row)
        FRows[static_cast<std::size_t>(row)].SaveRangeToStream(DataStream, CellRange);
}

std::int64_t TBaseRowColList::TotalSize() const
{
    std::int64_t size = 0;
    for (const TCellRecordList& row : FRows)
        size += row.TotalSize();
    return size;
}

std::int64_t TBaseRowColList::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    std::int64_t size = 0;
    const int last = std::min(CellRange.Bottom, Count() - 1);
    for (int row = std::max(CellRange.Top, 0); row <= last; ++row)
        size += FRows[static_cast<std::size_t>(row)].TotalRangeSize(CellRange, false);
    return size;
}
