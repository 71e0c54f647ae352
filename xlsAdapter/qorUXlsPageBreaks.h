// A worksheet's manual page breaks: above rows (HORIZONTALPAGEBREAKS) and
// left of columns (VERTICALPAGEBREAKS), one sorted list each.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"

#include <cstdint>
#include <vector>

class TOle2File;
class TBaseRecord;

// One break as the file stores it: its position and the span it covers.
struct TPageBreakData {
    int Position = 0; // the row (column) after the break
    std::uint16_t First = 0;
    std::uint16_t Last = 0;
};

// The list both directions share; the subclasses give the record id, the
// span of a new break and the last row or column.
class TPageBreakList {
public:
    // A sheet holds at most this many manual breaks, which fit one record.
    static constexpr int MaxBreaks = 1026;

    int Count() const { return static_cast<int>(FItems.size()); }
    const TPageBreakData& Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    void Clear()
    {
        FItems.clear();
        FHadRecord = false;
    }

    // The record's breaks, skipping positions already present.
    void AddRecord(const TBaseRecord& aRecord);
    void AddBreak(int aPosition);
    void DeleteBreak(int aPosition);
    bool HasPageBreak(int aPosition) const;

    // Breaks at or after DestPos move by aCount; checked before anything moves.
    void InsertRows(int DestPos, int aCount);
    // Breaks inside DestPos..DestPos + aCount - 1 go; later ones move back.
    void DeleteRows(int DestPos, int aCount);

    void SaveToStream(TOle2File& DataStream) const { Save(&DataStream, 0, FLimit); }
    void SaveRangeToStream(TOle2File& DataStream, int First, int Last) const { Save(&DataStream, First, Last); }
    std::int64_t TotalSize() const { return Save(nullptr, 0, FLimit); }
    std::int64_t TotalRangeSize(int First, int Last) const { return Save(nullptr, First, Last); }

protected:
    TPageBreakList(std::uint16_t aRecordId, std::uint16_t aSpanLast, int aLimit)
        : FRecordId(aRecordId), FSpanLast(aSpanLast), FLimit(aLimit)
    {
    }

private:
    std::vector<TPageBreakData>::iterator LowerBound(int aPosition);
    std::int64_t Save(TOle2File* DataStream, int First, int Last) const;

    std::uint16_t FRecordId;
    std::uint16_t FSpanLast;
    int FLimit;
    std::vector<TPageBreakData> FItems; // sorted by Position
    // A loaded sheet with a record and no breaks gets its empty record back.
    bool FHadRecord = false;
};

class THPageBreakList : public TPageBreakList {
public:
    THPageBreakList() : TPageBreakList(0x001B, 255, 65535) {}
};

class TVPageBreakList : public TPageBreakList {
public:
    TVPageBreakList() : TPageBreakList(0x001A, 65535, 255) {}
};
