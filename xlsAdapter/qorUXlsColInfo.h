// Column widths, formats, hidden flags and outline levels: one entry per
// column in memory, written as COLINFO records over runs of equal columns.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"

#include <cstdint>
#include <vector>

class TOle2File;
class TBaseRecord;

struct TColInfo {
    int Column = 0;
    std::uint16_t Width = 0;
    std::uint16_t XF = 0;
    std::uint16_t Options = 0; // bit 0 hidden, bits 8..10 outline level

    bool IsEqual(const TColInfo& aColInfo) const
    {
        return Width == aColInfo.Width && XF == aColInfo.XF && Options == aColInfo.Options;
    }
    int GetColOutlineLevel() const { return (Options >> 8) & 7; }
    void SetColOutlineLevel(int Level)
    {
        Options = static_cast<std::uint16_t>((Options & ~0x0700) | ((Level & 7) << 8));
    }
    bool Hidden() const { return (Options & 1) != 0; }
};

// Entries kept sorted by column, at most one per column.
class TColInfoList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TColInfo& Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    void Clear() { FItems.clear(); }

    // One entry per column of the COLINFO record, up to column 256 (where
    // files end their last run); columns beyond are never written.
    void AddRecord(const TBaseRecord& R);
    // The entry of aColumn, or null.
    TColInfo* Find(int aColumn);
    const TColInfo* Find(int aColumn) const;
    // The entry of aColumn, inserted with the given fields when missing.
    TColInfo& FindOrAdd(int aColumn, std::uint16_t Width, std::uint16_t XF, std::uint16_t Options);

    void SaveToStream(TOle2File& DataStream) const { Save(&DataStream, 0, 255); }
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange) const
    {
        Save(&DataStream, CellRange.Left, CellRange.Right);
    }
    std::int64_t TotalSize() const { return Save(nullptr, 0, 255); }
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const
    {
        return Save(nullptr, CellRange.Left, CellRange.Right);
    }

    // Entries at or right of DestCol move right by aColCount (left for a
    // negative count, where the deleted columns' entries go).
    void ArrangeInsertCols(int DestCol, int aColCount);
    // Copies of the entries of FirstCol..LastCol, aColCount times from DestCol.
    void CopyCols(int FirstCol, int LastCol, int DestCol, int aColCount);
    // The deepest column outline level.
    int CalcGuts() const;

private:
    // Writes (when DataStream is given) and measures the runs inside Left..Right.
    std::int64_t Save(TOle2File* DataStream, int Left, int Right) const;
    std::vector<TColInfo>::iterator LowerBound(int aColumn);

    std::vector<TColInfo> FItems;
};
