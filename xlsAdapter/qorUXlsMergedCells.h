// Merged cell areas of a worksheet and their MERGEDCELLS records.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"

#include <cstdint>
#include <vector>

class TOle2File;
class TBaseRecord;

// A range as the file stores it: rows and columns inclusive, 0-based.
struct TExcelRange {
    int R1 = 0;
    int R2 = 0;
    int C1 = 0;
    int C2 = 0;
    bool operator==(const TExcelRange&) const = default;
};

// Moves R for aCount rows (columns with UseCols) inserted at aPos, clamped
// to the sheet, or for -aCount rows deleted from aPos: a range reaching
// into the deleted band keeps its remaining rows. False when the deletion
// takes the whole range.
[[nodiscard]] bool ShiftRange(TExcelRange& R, int aPos, int aCount, bool UseCols);
// Reads a range count and the ranges that follow it, from Pos on across
// the record's CONTINUE parts; columns must lie on the sheet.
std::vector<TExcelRange> LoadRanges(const TBaseRecord& First, int Pos);
// Writes the four words of R.
void SaveRange(TOle2File& DataStream, const TExcelRange& R);
bool RangeInside(const TExcelRange& R, const TXlsCellRange& CellRange);

// The ranges of one MERGEDCELLS entry, written in records of at most 513.
class TMergedCells {
public:
    static constexpr int MaxRangesPerRecord = 513;

    int MergedCount() const { return static_cast<int>(FRanges.size()); }
    TXlsCellRange MergedCell(int i) const;
    const std::vector<TExcelRange>& Ranges() const { return FRanges; }

    // Reads the ranges of a MERGEDCELLS record and its CONTINUE parts.
    void LoadFromRecord(const TBaseRecord& First);
    void SaveToStream(TOle2File& DataStream) const;
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange) const;
    std::int64_t TotalSize() const { return TotalSizeR(MergedCount()); }
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const;

    [[nodiscard]] bool CheckCell(int aRow, int aCol, TXlsCellRange& CellBounds) const;
    // Grows the rectangle over every range that shares a cell with it and
    // removes those ranges; invalid and single-cell rectangles change nothing.
    void PreMerge(TExcelRange& Rect);
    void MergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol);
    void UnMergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol);

    // Row and column insertion shifts.
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount);
    // Deletes aCount rows (columns with UseCols) from aRow: ranges inside
    // the band, or reduced by it to one cell, go; the others shrink and move.
    void DeleteRows(int aRow, int aCount, bool UseCols);
    // After an insertion of aCount copies of FirstRow..LastRow at DestRow:
    // the ranges wholly inside the source band are copied into each copy.
    void CopyRowsExclusive(int FirstRow, int LastRow, int DestRow, int aCount, bool UseCols);

private:
    static std::int64_t TotalSizeR(int aCount);
    void Save(TOle2File& DataStream, const std::vector<TExcelRange>& Ranges) const;
    std::vector<TExcelRange> RangesInside(const TXlsCellRange& CellRange) const;

    std::vector<TExcelRange> FRanges;
};
