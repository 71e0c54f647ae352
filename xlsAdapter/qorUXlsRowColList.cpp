// Row-by-row record lists: adding, copying, shifting, deleting and saving.
#include "xlsAdapter/qorUXlsRowColList.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

std::unique_ptr<TBaseRowColRecord> CopyOf(const TBaseRowColRecord& Record)
{
    return std::unique_ptr<TBaseRowColRecord>(static_cast<TBaseRowColRecord*>(Record.DoCopyTo().release()));
}

bool IsCopied(const TBaseRowColRecord& Record, bool OnlyFormulas)
{
    return !OnlyFormulas || Record.Id == xlr::FORMULA;
}

} // namespace

TBaseRowColRecordList* TBaseRowColList::RowList(int Row) const
{
    return Row >= 0 && Row < Count() ? FRows[static_cast<std::size_t>(Row)].get() : nullptr;
}

TBaseRowColRecordList& TBaseRowColList::EnsureRow(int Row)
{
    while (Count() <= Row)
        FRows.push_back(CreateRowList());
    return *FRows[static_cast<std::size_t>(Row)];
}

void TBaseRowColList::TruncateRows(int Row)
{
    if (Row < Count())
        FRows.resize(static_cast<std::size_t>(std::max(Row, 0)));
}

void TBaseRowColList::AddRecord(std::unique_ptr<TBaseRowColRecord> aRecord, int aRow)
{
    EnsureRow(aRow).Add(std::move(aRecord));
}

void TBaseRowColList::CopyFrom(const TBaseRowColList& aList)
{
    for (const auto& source : aList.FRows) {
        auto copy = CreateRowList();
        for (int i = 0; i < source->Count(); ++i)
            if (const TBaseRowColRecord* record = source->Items(i))
                copy->Add(CopyOf(*record));
        FRows.push_back(std::move(copy));
    }
}

void TBaseRowColList::ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                               const TSheetInfo& SheetInfo)
{
    for (const auto& row : FRows)
        row->ArrangeInsertRowsAndCols(InsRowPos, InsRowCount, InsColPos, InsColCount, SheetInfo);
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
    for (const auto& row : FRows)
        for (int i = row->Count() - 1; i >= 0; --i)
            if (const TBaseRowColRecord* record = row->Items(i);
                record && record->Column() >= aCol && record->Column() < aCol + aCount)
                row->Delete(i);
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
            const TBaseRowColRecordList* source = RowList(FirstRow >= DestRow ? row + inserted : row);
            auto copy = CreateRowList();
            if (source) {
                for (int i = 0; i < source->Count(); ++i)
                    if (const TBaseRowColRecord* record = source->Items(i); record && IsCopied(*record, OnlyFormulas))
                        copy->Add(CopyOf(*record));
                if (copy->Count() > 0)
                    copy->ArrangeCopyRowsAndCols(dest - copy->Items(0)->Row(), 0);
            }
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
            for (const auto& row : FRows) {
                int index = 0;
                if (!row->Find(col + sourceShift, index))
                    continue;
                const TBaseRowColRecord* record = row->Items(index);
                if (!IsCopied(*record, OnlyFormulas))
                    continue;
                auto copy = CopyOf(*record);
                copy->ArrangeCopyRowsAndCols(0, dest - record->Column());
                row->Find(dest, index);
                row->Insert(index, std::move(copy));
            }
        }
    }
}

void TBaseRowColList::SaveToStream(TOle2File& DataStream)
{
    for (const auto& row : FRows)
        row->SaveToStream(DataStream);
}

void TBaseRowColList::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange)
{
    const int last = std::min(CellRange.Bottom, Count() - 1);
    for (int row = std::max(CellRange.Top, 0); row <= last; ++row)
        FRows[static_cast<std::size_t>(row)]->SaveRangeToStream(DataStream, CellRange);
}

std::int64_t TBaseRowColList::TotalSize() const
{
    std::int64_t size = 0;
    for (const auto& row : FRows)
        size += row->TotalSize();
    return size;
}

std::int64_t TBaseRowColList::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    std::int64_t size = 0;
    const int last = std::min(CellRange.Bottom, Count() - 1);
    for (int row = std::max(CellRange.Top, 0); row <= last; ++row)
        size += FRows[static_cast<std::size_t>(row)]->TotalRangeSize(CellRange, false);
    return size;
}
