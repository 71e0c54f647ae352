// Conditional formats of a worksheet: a CONDFMT record with the ranges it
// applies to, followed by its CF records. The conditions are kept as read;
// the ranges follow inserted, copied and deleted rows and columns.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsMergedCells.h"

#include <cstdint>
#include <vector>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t CONDFMT = 0x01B0;
inline constexpr std::uint16_t CF = 0x01B1;
} // namespace xlsAdapter::xlr

class TCondFmt {
public:
    static constexpr int MaxRangesPerRecord = 513;

    TCondFmt() = default;
    TCondFmt(const TCondFmt& Other);
    TCondFmt& operator=(const TCondFmt&) = delete;

    // Reads the format whose CONDFMT record (First) the caller has read,
    // and the CF records that follow it in the stream.
    void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, const TBaseRecord& First);
    // Nothing without ranges; more than 513 ranges repeat the CF records
    // after each CONDFMT record.
    void SaveToStream(TOle2File& DataStream) const { Save(DataStream, FRanges); }
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange) const;
    std::int64_t TotalSize() const { return TotalSizeR(static_cast<int>(FRanges.size())); }
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const;

    const std::vector<TExcelRange>& Ranges() const { return FRanges; }
    const TExcelRange& AllRange() const { return FAllRange; }
    int CFCount() const { return FCFs.Count(); }

    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount);
    // The conditions' formulas follow rows and columns inserted (counts > 0)
    // or deleted (< 0) on SheetInfo's sheet. CheckFormulasCanMove raises
    // "Bad Conditional format" for a token they cannot follow, before
    // anything changes.
    void CheckFormulasCanMove() const;
    void ArrangeFormulas(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    // Ranges inside the deleted band go; single cells stay.
    void DeleteRowsOrCols(int aRow, int aCount, bool UseCols);
    // aCount copies of rows (columns with UseCols) FirstRow..LastRow inserted
    // at DestRow: the format moves, and the parts of it in the source band
    // are copied into each copy, or a range adjoining the copies grows.
    void InsertAndCopyRowsOrCols(int FirstRow, int LastRow, int DestRow, int aCount, bool UseCols);

private:
    // Calls Visit(data, start, end) for each formula of each condition.
    template <typename Visit>
    void ForEachFormula(Visit visit) const;
    void Save(TOle2File& DataStream, const std::vector<TExcelRange>& Ranges) const;
    std::int64_t TotalSizeR(int aCount) const;
    void CopyRowsInclusive(int FirstRow, int LastRow, int DestRow, int aCount, bool UseCols);
    // The bounding range becomes that of the ranges.
    void FixAllRange();

    std::uint16_t FFlag = 0;
    TExcelRange FAllRange;
    std::vector<TExcelRange> FRanges;
    TBaseRecordList FCFs;
};
