// Owning lists of records that keep the byte size of what they will write.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <memory>
#include <vector>

class TOle2File;

// An owning list of records (items may be empty) with the running sum of
// their TotalSize.
class TBaseRecordList {
public:
    virtual ~TBaseRecordList() = default;

    int Count() const { return static_cast<int>(FItems.size()); }
    TBaseRecord* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    int Add(std::unique_ptr<TBaseRecord> Record);
    void Insert(int Index, std::unique_ptr<TBaseRecord> Record);
    void Delete(int Index);
    void Clear();
    // Reports a size change of a record that is in the list.
    void AdaptSize(std::int64_t Delta) { FTotalSize += Delta; }

    std::int64_t TotalSize() const { return GetTotalSize(); }
    virtual std::int64_t GetTotalSize() const { return FTotalSize; }
    virtual void SaveToStream(TOle2File& DataStream);
    // Appends a copy of each record of aBaseRecordList.
    void CopyFrom(const TBaseRecordList* aBaseRecordList);

protected:
    // Told of every record added to or removed from the list.
    virtual void HandleNotify(TBaseRecord*, bool /*Added*/) {}
    std::vector<std::unique_ptr<TBaseRecord>> FItems;
    std::int64_t FTotalSize = 0;
};

// Records with a row and column, searchable by column once sorted.
class TBaseRowColRecordList : public TBaseRecordList {
public:
    TBaseRowColRecord* Items(int Index) const { return static_cast<TBaseRowColRecord*>(TBaseRecordList::Items(Index)); }
    int Add(std::unique_ptr<TBaseRowColRecord> Record);
    void Insert(int Index, std::unique_ptr<TBaseRowColRecord> Record);

    bool Sorted = false;
    void Sort();
    // Binary search by column (sorting first); Index is the match or the
    // position where the column would go.
    bool Find(int aItem, int& Index);

    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset);
    virtual void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange);
    virtual std::int64_t TotalRangeSize(const TXlsCellRange& CellRange, bool NeedsRecalc);
};
