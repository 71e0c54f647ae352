// Conditional formats: loading with their CF records, splitting into
// records, and following row and column insertions, copies and deletions.
#include "xlsAdapter/qorUXlsCondFmt.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsTokenArray.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {
constexpr int MaxRow = 65535;
constexpr int MaxCol = 255;
// CF count, flag and bounding range before the range list.
constexpr int OtherDataLen = 12;
// A condition's type, operator and formula sizes.
constexpr int CFHeadLen = 6;
} // namespace

TCondFmt::TCondFmt(const TCondFmt& Other) : FFlag(Other.FFlag), FAllRange(Other.FAllRange), FRanges(Other.FRanges)
{
    FCFs.CopyFrom(&Other.FCFs);
}

void TCondFmt::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, const TBaseRecord& First)
{
    const TBaseRecord* record = &First;
    int pos = 0;
    std::uint8_t head[OtherDataLen];
    ReadMemAcrossContinue(record, pos, OtherDataLen, head);
    const int cfCount = GetWord(head, 0);
    FFlag = GetWord(head, 2);
    FAllRange = {GetWord(head, 4), GetWord(head, 6), GetWord(head, 8), GetWord(head, 10)};
    FRanges = LoadRanges(First, OtherDataLen);
    FCFs.Clear();
    for (int i = 0; i < cfCount; ++i) {
        if (RecordHeader.EndOfStream || RecordHeader.Id != xlr::CF)
            First.ReadError(msg::InvalidCondFmt);
        std::unique_ptr<TBaseRecord> cf = LoadRecord(DataStream, RecordHeader);
        // Type, operator and the two formula sizes, then formulas that must
        // fit the record.
        cf->RequireSize(CFHeadLen);
        if (CFHeadLen + GetWord(cf->Data, 2) + GetWord(cf->Data, 4) > cf->DataSize())
            cf->ReadError(msg::InvalidCondFmt);
        FCFs.Add(std::move(cf));
    }
}

template <typename Visit>
void TCondFmt::ForEachFormula(Visit visit) const
{
    for (int i = 0; i < FCFs.Count(); ++i) {
        TBaseRecord& cf = *FCFs.Items(i);
        // The first formula ends where the second, the last bytes, begins.
        const std::size_t size = cf.Data.size();
        const std::size_t cce1 = GetWord(cf.Data, 2);
        const std::size_t cce2 = GetWord(cf.Data, 4);
        if (cce1 > 0)
            visit(std::span<std::uint8_t>(cf.Data), size - cce2 - cce1, size - cce2);
        if (cce2 > 0)
            visit(std::span<std::uint8_t>(cf.Data), size - cce2, size);
    }
}

void TCondFmt::CheckFormulasCanMove() const
{
    try {
        ForEachFormula([](std::span<const std::uint8_t> data, std::size_t start, std::size_t end) {
            CheckTokens(data, start, end);
        });
    } catch (const ETokenException& e) {
        ExcelError(msg::UnsupportedCondFmtFormula, e.Token);
    }
}

void TCondFmt::ArrangeFormulas(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo)
{
    CheckFormulasCanMove();
    ForEachFormula([&](std::span<std::uint8_t> data, std::size_t start, std::size_t end) {
        ArrangeTokensInsert(data, start, end, aRowPos, aRowCount, 0, aColPos, aColCount, 0, SheetInfo);
    });
}

std::int64_t TCondFmt::TotalSizeR(int aCount) const
{
    if (aCount <= 0)
        return 0;
    const std::int64_t records = (aCount - 1) / MaxRangesPerRecord + 1;
    return records * (4 + 2 + OtherDataLen + FCFs.TotalSize()) + 8 * static_cast<std::int64_t>(aCount);
}

void TCondFmt::Save(TOle2File& DataStream, const std::vector<TExcelRange>& Ranges) const
{
    for (std::size_t first = 0; first < Ranges.size(); first += MaxRangesPerRecord) {
        const std::size_t n = std::min<std::size_t>(MaxRangesPerRecord, Ranges.size() - first);
        DataStream.WriteHeader(xlr::CONDFMT, static_cast<std::uint16_t>(OtherDataLen + 2 + 8 * n));
        DataStream.Write16(static_cast<std::uint16_t>(FCFs.Count()));
        DataStream.Write16(FFlag);
        SaveRange(DataStream, FAllRange);
        DataStream.Write16(static_cast<std::uint16_t>(n));
        for (std::size_t i = first; i < first + n; ++i)
            SaveRange(DataStream, Ranges[i]);
        const_cast<TBaseRecordList&>(FCFs).SaveToStream(DataStream);
    }
}

void TCondFmt::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange) const
{
    std::vector<TExcelRange> inside;
    std::copy_if(FRanges.begin(), FRanges.end(), std::back_inserter(inside),
                 [&](const TExcelRange& r) { return RangeInside(r, CellRange); });
    Save(DataStream, inside);
}

std::int64_t TCondFmt::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    return TotalSizeR(static_cast<int>(std::count_if(FRanges.begin(), FRanges.end(), [&](const TExcelRange& r) {
        return RangeInside(r, CellRange);
    })));
}

void TCondFmt::FixAllRange()
{
    if (FRanges.empty())
        return;
    FAllRange = FRanges.front();
    for (const TExcelRange& r : FRanges)
        FAllRange = {std::min(FAllRange.R1, r.R1), std::max(FAllRange.R2, r.R2), std::min(FAllRange.C1, r.C1),
                     std::max(FAllRange.C2, r.C2)};
}

void TCondFmt::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount)
{
    for (TExcelRange& r : FRanges) {
        (void)ShiftRange(r, aRowPos, aRowCount, false);
        (void)ShiftRange(r, aColPos, aColCount, true);
    }
    FixAllRange();
}

void TCondFmt::DeleteRowsOrCols(int aRow, int aCount, bool UseCols)
{
    std::erase_if(FRanges, [&](TExcelRange& r) { return !ShiftRange(r, aRow, -aCount, UseCols); });
    FixAllRange();
}

void TCondFmt::InsertAndCopyRowsOrCols(int FirstRow, int LastRow, int DestRow, int aCount, bool UseCols)
{
    const int allFirst = UseCols ? FAllRange.C1 : FAllRange.R1;
    const int allLast = UseCols ? FAllRange.C2 : FAllRange.R2;
    const bool takesPart = !FRanges.empty() && FirstRow <= allLast && LastRow >= allFirst;
    const int inserted = (LastRow - FirstRow + 1) * aCount;
    if (UseCols)
        ArrangeInsertRowsAndCols(0, 0, DestRow, inserted);
    else
        ArrangeInsertRowsAndCols(DestRow, inserted, 0, 0);
    if (takesPart)
        CopyRowsInclusive(FirstRow, LastRow, DestRow, aCount, UseCols);
}

void TCondFmt::CopyRowsInclusive(int FirstRow, int LastRow, int DestRow, int aCount, bool UseCols)
{
    const int n = LastRow - FirstRow + 1;
    const int c = n * aCount;
    const int limit = UseCols ? MaxCol : MaxRow;
    // The source band where it lies after the insertion.
    const int bandStart = FirstRow < DestRow ? FirstRow : FirstRow + c;
    const int bandEnd = LastRow >= DestRow ? LastRow + c : LastRow;
    const auto extent = [UseCols](TExcelRange& r) -> std::pair<int&, int&> {
        return UseCols ? std::pair<int&, int&>(r.C1, r.C2) : std::pair<int&, int&>(r.R1, r.R2);
    };
    const auto append = [&](TExcelRange r, int first, int last) {
        if (first > limit)
            return;
        auto [s, e] = extent(r);
        s = first;
        e = std::min(last, limit);
        FRanges.push_back(r);
    };
    const std::size_t present = FRanges.size();
    for (std::size_t i = 0; i < present; ++i) {
        auto [s, e] = extent(FRanges[i]);
        if (e < bandStart || s > bandEnd)
            continue;
        if (FirstRow < DestRow) {
            if (e >= DestRow)
                continue;
            if (e == DestRow - 1 && s <= bandStart) {
                e = std::min(e + c, limit); // the copies follow right below: grow into them
                continue;
            }
        } else {
            if (s < DestRow + c)
                continue;
            if (s == DestRow + c && e >= bandEnd) {
                s -= c; // the copies lie right above: grow into them
                continue;
            }
        }
        // Appending moves the list: work on copies from here on.
        const TExcelRange source = FRanges[i];
        const int first = s;
        const int last = e;
        if (first <= bandStart && last >= bandEnd) {
            append(source, DestRow, DestRow + c - 1);
            continue;
        }
        for (int k = 0; k < aCount; ++k)
            append(source, DestRow + n * k + std::max(0, first - bandStart),
                   DestRow + n * (k + 1) - 1 - std::max(0, bandEnd - last));
    }
    FixAllRange();
}
