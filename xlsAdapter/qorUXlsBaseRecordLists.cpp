// Record lists: running sizes and column search.
#include "xlsAdapter/qorUXlsBaseRecordLists.h"

#include "xlsAdapter/qorUOle2Impl.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

std::int64_t SizeOf(const TBaseRecord* record)
{
    return record ? record->TotalSize() : 0;
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

int TBaseRecordList::Add(std::unique_ptr<TBaseRecord> Record)
{
    FTotalSize += SizeOf(Record.get());
    TBaseRecord* added = Record.get();
    FItems.push_back(std::move(Record));
    HandleNotify(added, true);
    return Count() - 1;
}

void TBaseRecordList::Insert(int Index, std::unique_ptr<TBaseRecord> Record)
{
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FTotalSize += SizeOf(Record.get());
    TBaseRecord* added = Record.get();
    FItems.insert(FItems.begin() + Index, std::move(Record));
    HandleNotify(added, true);
}

void TBaseRecordList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FTotalSize -= SizeOf(FItems[static_cast<std::size_t>(Index)].get());
    HandleNotify(FItems[static_cast<std::size_t>(Index)].get(), false);
    FItems.erase(FItems.begin() + Index);
}

void TBaseRecordList::Clear()
{
    for (const auto& record : FItems)
        HandleNotify(record.get(), false);
    FItems.clear();
    FTotalSize = 0;
}

void TBaseRecordList::SaveToStream(TOle2File& DataStream)
{
    for (const auto& record : FItems)
        if (record)
            record->SaveToStream(DataStream);
}

void TBaseRecordList::CopyFrom(const TBaseRecordList* aBaseRecordList)
{
    if (!aBaseRecordList)
        return;
    for (int i = 0; i < aBaseRecordList->Count(); ++i)
        Add(TBaseRecord::CopyTo(aBaseRecordList->Items(i)));
}

int TBaseRowColRecordList::Add(std::unique_ptr<TBaseRowColRecord> Record)
{
    // Records arriving in column order, as files give them, keep the list
    // sorted, so that reading them needs no sort.
    const TBaseRowColRecord* last = Count() > 0 ? Items(Count() - 1) : nullptr;
    Sorted = Count() == 0 || (Sorted && last && Record && last->Column() < Record->Column());
    return TBaseRecordList::Add(std::move(Record));
}

void TBaseRowColRecordList::Insert(int Index, std::unique_ptr<TBaseRowColRecord> Record)
{
    TBaseRecordList::Insert(Index, std::move(Record));
}

void TBaseRowColRecordList::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(), [](const auto& a, const auto& b) {
        if (!a || !b)
            return a && !b;
        return static_cast<const TBaseRowColRecord*>(a.get())->Column() <
               static_cast<const TBaseRowColRecord*>(b.get())->Column();
    });
    Sorted = true;
}

bool TBaseRowColRecordList::Find(int aItem, int& Index)
{
    if (!Sorted)
        Sort();
    int lo = 0;
    int hi = Count() - 1;
    bool found = false;
    while (hi >= lo) {
        const int mid = (lo + hi) / 2;
        const TBaseRowColRecord* record = Items(mid);
        if (!record || record->Column() < aItem) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (record->Column() == aItem) {
                lo = mid;
                found = true;
            }
        }
    }
    Index = lo;
    return found;
}

void TBaseRowColRecordList::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                                     const TSheetInfo& SheetInfo)
{
    for (int i = 0; i < Count(); ++i)
        if (TBaseRowColRecord* record = Items(i))
            record->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
}

void TBaseRowColRecordList::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    for (int i = 0; i < Count(); ++i)
        if (TBaseRowColRecord* record = Items(i))
            record->ArrangeCopyRowsAndCols(RowOffset, ColOffset);
}

void TBaseRowColRecordList::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange)
{
    for (int i = 0; i < Count(); ++i) {
        TBaseRowColRecord* record = Items(i);
        if (record && InRange(record->Row(), CellRange.Top, CellRange.Bottom) &&
            InRange(record->Column(), CellRange.Left, CellRange.Right))
            record->SaveToStream(DataStream);
    }
}

std::int64_t TBaseRowColRecordList::TotalRangeSize(const TXlsCellRange& CellRange, bool NeedsRecalc)
{
    std::int64_t size = 0;
    for (int i = 0; i < Count(); ++i) {
        TBaseRowColRecord* record = Items(i);
        if (record && InRange(record->Row(), CellRange.Top, CellRange.Bottom) &&
            InRange(record->Column(), CellRange.Left, CellRange.Right))
            size += record->FixTotalSize(NeedsRecalc);
    }
    return size;
}
