// The records of a chart, kept as read; only the series links (AI records)
// hold cell references, and those follow row, column and sheet changes.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <vector>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t CHARTBEGIN = 0x1033;
inline constexpr std::uint16_t CHARTEND = 0x1034;
inline constexpr std::uint16_t CHARTAI = 0x1051;
} // namespace xlsAdapter::xlr

class TChartRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TChartRecord>(); }
};

class TBeginRecord : public TChartRecord {
public:
    using TChartRecord::TChartRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TBeginRecord>(); }
};

class TEndRecord : public TChartRecord {
public:
    using TChartRecord::TChartRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TEndRecord>(); }
};

// A series link: its formula (from body offset 8, FLen bytes) names cells.
class TChartAIRecord : public TChartRecord {
public:
    TChartAIRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TChartAIRecord>(); }

    std::uint16_t Flags;
    std::uint16_t FLen;

    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset);
    void ArrangeCopySheet(const TSheetInfo& SheetInfo);

private:
    template <typename TArrange>
    void Arrange(TArrange Walk);
};

// The AI records of one chart, not owned.
class TChartAIRecordCache {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TChartAIRecord* operator[](int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    void Add(TChartAIRecord* Record) { FItems.push_back(Record); }
    void Remove(const TBaseRecord* Record);
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset);
    void ArrangeCopySheet(const TSheetInfo& SheetInfo);

private:
    std::vector<TChartAIRecord*> FItems;
};

// The records of one chart with an index of its series links.
class TChartRecordList : public TBaseRecordList {
public:
    TChartAIRecordCache& AICache() { return FAICache; }
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo)
    {
        FAICache.ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
    }
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset) { FAICache.ArrangeCopyRowsAndCols(RowOffset, ColOffset); }
    void ArrangeCopySheet(const TSheetInfo& SheetInfo) { FAICache.ArrangeCopySheet(SheetInfo); }

protected:
    void HandleNotify(TBaseRecord* Record, bool Added) override;

private:
    TChartAIRecordCache FAICache;
};
