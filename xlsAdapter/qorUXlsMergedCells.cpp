// Merged cell areas: loading, splitting into records, merging and shifting.
#include "xlsAdapter/qorUXlsMergedCells.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {
constexpr std::uint16_t MergedCellsId = 0x00E5;
constexpr int MaxRow = 65535;
constexpr int MaxCol = 255;

bool IsValidMerge(const TExcelRange& r)
{
    if (r.R1 < 0 || r.R2 < r.R1 || r.R2 > MaxRow || r.C1 < 0 || r.C2 < r.C1 || r.C2 > MaxCol)
        return false;
    return r.R1 != r.R2 || r.C1 != r.C2;
}
} // namespace

bool ShiftRange(TExcelRange& R, int aPos, int aCount, bool UseCols)
{
    int& first = UseCols ? R.C1 : R.R1;
    int& last = UseCols ? R.C2 : R.R2;
    const int limit = UseCols ? MaxCol : MaxRow;
    if (aCount >= 0) {
        if (first >= aPos)
            first = std::clamp(first + aCount, aPos, limit);
        if (last >= aPos)
            last = std::clamp(last + aCount, first, limit);
        return true;
    }
    const int end = aPos - aCount; // first position after the deleted band
    const int newFirst = first < aPos ? first : (first >= end ? first + aCount : aPos);
    const int newLast = last < aPos ? last : (last >= end ? last + aCount : aPos - 1);
    if (newLast < newFirst)
        return false;
    first = newFirst;
    last = newLast;
    return true;
}

std::vector<TExcelRange> LoadRanges(const TBaseRecord& First, int Pos)
{
    std::vector<TExcelRange> ranges;
    const TBaseRecord* record = &First;
    std::uint8_t count[2];
    ReadMemAcrossContinue(record, Pos, 2, count);
    const int n = count[0] | (count[1] << 8);
    for (int i = 0; i < n; ++i) {
        std::uint8_t bytes[8];
        ReadMemAcrossContinue(record, Pos, 8, bytes);
        const TExcelRange r{GetWord(bytes, 0), GetWord(bytes, 2), GetWord(bytes, 4), GetWord(bytes, 6)};
        // Columns are 16 bits in the record; the sheet has 256.
        if (r.C1 > MaxCol || r.C2 > MaxCol || r.R2 < r.R1 || r.C2 < r.C1)
            First.ReadError("a cell range lies outside the sheet");
        ranges.push_back(r);
    }
    return ranges;
}

void SaveRange(TOle2File& DataStream, const TExcelRange& R)
{
    DataStream.Write16(static_cast<std::uint16_t>(R.R1));
    DataStream.Write16(static_cast<std::uint16_t>(R.R2));
    DataStream.Write16(static_cast<std::uint16_t>(R.C1));
    DataStream.Write16(static_cast<std::uint16_t>(R.C2));
}

bool RangeInside(const TExcelRange& R, const TXlsCellRange& CellRange)
{
    return R.R1 >= CellRange.Top && R.R2 <= CellRange.Bottom && R.C1 >= CellRange.Left && R.C2 <= CellRange.Right;
}

TXlsCellRange TMergedCells::MergedCell(int i) const
{
    const TExcelRange& r = FRanges.at(static_cast<std::size_t>(i));
    return {r.C1, r.R1, r.C2, r.R2};
}

void TMergedCells::LoadFromRecord(const TBaseRecord& First)
{
    FRanges = LoadRanges(First, 0);
}

std::int64_t TMergedCells::TotalSizeR(int aCount)
{
    if (aCount <= 0)
        return 0;
    const int records = (aCount - 1) / MaxRangesPerRecord + 1;
    return records * 6 + 8 * static_cast<std::int64_t>(aCount);
}

void TMergedCells::Save(TOle2File& DataStream, const std::vector<TExcelRange>& Ranges) const
{
    for (std::size_t first = 0; first < Ranges.size(); first += MaxRangesPerRecord) {
        const std::size_t n = std::min<std::size_t>(MaxRangesPerRecord, Ranges.size() - first);
        DataStream.WriteHeader(MergedCellsId, static_cast<std::uint16_t>(2 + 8 * n));
        DataStream.Write16(static_cast<std::uint16_t>(n));
        for (std::size_t i = first; i < first + n; ++i)
            SaveRange(DataStream, Ranges[i]);
    }
}

void TMergedCells::SaveToStream(TOle2File& DataStream) const
{
    Save(DataStream, FRanges);
}

std::vector<TExcelRange> TMergedCells::RangesInside(const TXlsCellRange& CellRange) const
{
    std::vector<TExcelRange> inside;
    for (const TExcelRange& r : FRanges)
        if (RangeInside(r, CellRange))
            inside.push_back(r);
    return inside;
}

void TMergedCells::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange) const
{
    Save(DataStream, RangesInside(CellRange));
}

std::int64_t TMergedCells::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    return TotalSizeR(static_cast<int>(RangesInside(CellRange).size()));
}

bool TMergedCells::CheckCell(int aRow, int aCol, TXlsCellRange& CellBounds) const
{
    for (const TExcelRange& r : FRanges)
        if (aRow >= r.R1 && aRow <= r.R2 && aCol >= r.C1 && aCol <= r.C2) {
            CellBounds = {r.C1, r.R1, r.C2, r.R2};
            return true;
        }
    return false;
}

void TMergedCells::PreMerge(TExcelRange& Rect)
{
    if (!IsValidMerge(Rect))
        return;
    for (std::size_t i = FRanges.size(); i-- > 0;) {
        const TExcelRange& r = FRanges[i];
        if (std::max(r.R1, Rect.R1) <= std::min(r.R2, Rect.R2) && std::max(r.C1, Rect.C1) <= std::min(r.C2, Rect.C2)) {
            Rect = {std::min(r.R1, Rect.R1), std::max(r.R2, Rect.R2), std::min(r.C1, Rect.C1), std::max(r.C2, Rect.C2)};
            FRanges.erase(FRanges.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

void TMergedCells::MergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol)
{
    const TExcelRange r{FirstRow, LastRow, FirstCol, LastCol};
    if (IsValidMerge(r))
        FRanges.push_back(r);
}

void TMergedCells::UnMergeCells(int FirstRow, int FirstCol, int LastRow, int LastCol)
{
    const TExcelRange r{FirstRow, LastRow, FirstCol, LastCol};
    std::erase(FRanges, r);
}

void TMergedCells::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount)
{
    for (TExcelRange& r : FRanges) {
        (void)ShiftRange(r, aRowPos, aRowCount, false);
        (void)ShiftRange(r, aColPos, aColCount, true);
    }
}

void TMergedCells::DeleteRows(int aRow, int aCount, bool UseCols)
{
    std::erase_if(FRanges, [&](TExcelRange& r) { return !ShiftRange(r, aRow, -aCount, UseCols) || !IsValidMerge(r); });
}

void TMergedCells::CopyRowsExclusive(int FirstRow, int LastRow, int DestRow, int aCount, bool UseCols)
{
    const int n = LastRow - FirstRow + 1;
    const int bandStart = FirstRow < DestRow ? FirstRow : FirstRow + n * aCount;
    const int bandEnd = LastRow < DestRow ? LastRow : LastRow + n * aCount;
    const int limit = UseCols ? MaxCol : MaxRow;
    const std::size_t present = FRanges.size();
    for (std::size_t i = 0; i < present; ++i) {
        const TExcelRange source = FRanges[i];
        const int start = UseCols ? source.C1 : source.R1;
        const int end = UseCols ? source.C2 : source.R2;
        if (start < bandStart || end > bandEnd)
            continue;
        for (int j = 0; j < aCount; ++j) {
            const int shift = DestRow + n * j - bandStart;
            TExcelRange copy = source;
            int& first = UseCols ? copy.C1 : copy.R1;
            int& last = UseCols ? copy.C2 : copy.R2;
            first += shift;
            last += shift;
            if (first < 0 || last > limit)
                ExcelError(msg::TooManyEntries, last, limit);
            FRanges.push_back(copy);
        }
    }
}
