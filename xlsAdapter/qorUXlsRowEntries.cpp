// ROW entries: their bytes, moving with rows and columns, saving, and the
// list of them by row number.
#include "xlsAdapter/qorUXlsRowEntries.h"

#include "platform/rtl/ScopeExit.h"
#include "xlsAdapter/qorUOle2Impl.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {
constexpr int StandardHeight = 255;
constexpr std::uint16_t StandardOptions = 0x0100;
constexpr std::uint16_t NormalStyleXF = 15;
} // namespace

TRowEntry::TRowEntry(std::uint16_t Row)
{
    SetWord(FData, 0, Row);
    SetWord(FData, 6, StandardHeight);
    SetWord(FData, 12, StandardOptions);
    SetWord(FData, 14, NormalStyleXF);
}

TRowEntry::TRowEntry(std::unique_ptr<TBaseRecord> Record)
{
    Record->RequireSize(DataSize);
    if (Record->DataSize() > DataSize || Record->Continue)
        FRecord = std::move(Record);
    else
        std::copy(Record->Data.begin(), Record->Data.end(), FData.begin());
}

TRowEntry TRowEntry::Copy() const
{
    TRowEntry copy(0);
    copy.FData = FData;
    if (FRecord)
        copy.FRecord = FRecord->DoCopyTo();
    return copy;
}

std::span<const std::uint8_t> TRowEntry::Data() const
{
    return FRecord ? std::span<const std::uint8_t>(FRecord->Data) : std::span<const std::uint8_t>(FData);
}

std::span<std::uint8_t> TRowEntry::Bytes()
{
    return FRecord ? std::span<std::uint8_t>(FRecord->Data) : std::span<std::uint8_t>(FData);
}

std::uint16_t TRowEntry::XF() const
{
    return IsFormatted() ? GetWord(Data(), 14) & 0x0FFF : NormalStyleXF;
}

void TRowEntry::SetXF(std::uint16_t Value)
{
    SetOptions(Options() | 0x0080 | 0x0100);
    SetWord(Bytes(), 14, Value);
}

void TRowEntry::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                         const TSheetInfo& SheetInfo)
{
    if (SheetInfo.InsSheet < 0 || SheetInfo.FormulaSheet != SheetInfo.InsSheet)
        return;
    // Shift a copy first so that a failure leaves the entry unchanged.
    std::array<std::uint8_t, 4> rowCol{};
    std::copy_n(Data().begin(), rowCol.size(), rowCol.begin());
    if (GetWord(rowCol, 0) >= aRowPos)
        IncWord(rowCol, 0, aRowCount, 65535);
    if (GetWord(rowCol, 2) >= aColPos)
        IncWord(rowCol, 2, aColCount, 255);
    std::copy(rowCol.begin(), rowCol.end(), Bytes().begin());
}

void TRowEntry::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    SetWord(Bytes(), 0, static_cast<std::uint16_t>(Row() + RowOffset));
    SetWord(Bytes(), 2, static_cast<std::uint16_t>(MinCol() + ColOffset));
}

int TRowEntry::TotalSize() const
{
    return FRecord ? FRecord->TotalSize() : 4 + DataSize;
}

void TRowEntry::Save(TOle2File& DataStream) const
{
    if (FRecord) {
        FRecord->SaveToStream(DataStream);
        return;
    }
    DataStream.WriteHeader(xlr::ROW, DataSize);
    DataStream.Write(FData);
}

void TRowEntry::SaveRangeToStream(TOle2File& DataStream, int aMinCol, int aMaxCol)
{
    const std::uint16_t oldMin = MinCol();
    const std::uint16_t oldMax = MaxCol();
    if (oldMin < aMinCol)
        SetMinCol(static_cast<std::uint16_t>(aMinCol));
    if (oldMax > aMaxCol + 1)
        SetMaxCol(static_cast<std::uint16_t>(aMaxCol + 1));
    const rtl::ScopeExit restore([&] {
        SetMinCol(oldMin);
        SetMaxCol(oldMax);
    });
    Save(DataStream);
}

void TRowRecordList::AddRecord(TRowEntry aRow)
{
    const int row = aRow.Row();
    if (row < Count()) {
        if (FItems[static_cast<std::size_t>(row)])
            ExcelError(msg::DuplicatedRowRecord);
        FItems[static_cast<std::size_t>(row)] = std::move(aRow);
        return;
    }
    FItems.resize(static_cast<std::size_t>(row));
    FItems.emplace_back(std::move(aRow));
}

TRowEntry* TRowRecordList::GetItems(int Index) const
{
    if (!HasRow(Index))
        ExcelError(msg::MissingRowRecord, Index);
    return &*FItems[static_cast<std::size_t>(Index)];
}

bool TRowRecordList::HasRow(int Index) const
{
    return Index >= 0 && Index < Count() && FItems[static_cast<std::size_t>(Index)];
}

void TRowRecordList::AddRow(int Index)
{
    if (!HasRow(Index))
        AddRecord(TRowEntry(static_cast<std::uint16_t>(Index)));
}

void TRowRecordList::Remove(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    if (Index == Count() - 1)
        FItems.pop_back();
    else
        FItems[static_cast<std::size_t>(Index)].reset();
}

void TRowRecordList::CopyFrom(const TRowRecordList& aList)
{
    FItems.reserve(FItems.size() + aList.FItems.size());
    for (const std::optional<TRowEntry>& item : aList.FItems)
        FItems.push_back(item ? std::optional<TRowEntry>(item->Copy()) : std::nullopt);
}

int TRowRecordList::RowHeight(int aRow) const
{
    return HasRow(aRow) ? GetItems(aRow)->Height() : 0;
}

void TRowRecordList::SetRowHeight(int aRow, int Height)
{
    AddRow(aRow);
    GetItems(aRow)->SetHeight(static_cast<std::uint16_t>(Height));
    GetItems(aRow)->ManualHeight();
}

void TRowRecordList::AutoRowHeight(int aRow, bool Value)
{
    if (!HasRow(aRow))
        return;
    if (Value)
        GetItems(aRow)->AutoHeight();
    else
        GetItems(aRow)->ManualHeight();
}

bool TRowRecordList::IsAutoRowHeight(int aRow) const
{
    return !HasRow(aRow) || GetItems(aRow)->IsAutoHeight();
}

void TRowRecordList::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                              const TSheetInfo& SheetInfo)
{
    for (std::optional<TRowEntry>& item : FItems)
        if (item)
            item->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
}

void TRowRecordList::DeleteRows(int aRow, int aRowCount, const TSheetInfo& SheetInfo)
{
    const int first = std::clamp(aRow, 0, Count());
    const int last = std::clamp(aRow + aRowCount, first, Count());
    FItems.erase(FItems.begin() + first, FItems.begin() + last);
    for (int i = std::max(aRow, 0); i < Count(); ++i)
        if (HasRow(i))
            GetItems(i)->ArrangeInsertRowsAndCols(aRow, -aRowCount, 0, 0, SheetInfo);
}

void TRowRecordList::InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, const TSheetInfo& SheetInfo)
{
    const int rows = LastRow - FirstRow + 1;
    for (int i = std::max(DestRow, 0); i < Count(); ++i)
        if (HasRow(i))
            GetItems(i)->ArrangeInsertRowsAndCols(DestRow, rows * aCount, 0, 0, SheetInfo);
    int dest = DestRow;
    int inserted = 0;
    for (int k = 0; k < aCount; ++k) {
        for (int row = FirstRow; row <= LastRow; ++row) {
            // Copies inserted above the source push it down.
            const int source = FirstRow >= DestRow ? row + inserted : row;
            std::optional<TRowEntry> copy;
            if (HasRow(source)) {
                copy = GetItems(source)->Copy();
                copy->ArrangeCopyRowsAndCols(dest - copy->Row(), 0);
            }
            if (dest > Count())
                FItems.resize(static_cast<std::size_t>(dest));
            FItems.insert(FItems.begin() + dest, std::move(copy));
            ++dest;
            ++inserted;
        }
    }
}

std::int64_t TRowRecordList::TotalSize() const
{
    std::int64_t size = 0;
    for (const std::optional<TRowEntry>& item : FItems)
        if (item)
            size += item->TotalSize();
    return size;
}

std::int64_t TRowRecordList::TotalRangeSize(const TXlsCellRange& CellRange) const
{
    std::int64_t size = 0;
    for (int row = CellRange.Top; row <= CellRange.Bottom; ++row)
        size += GetItems(row)->TotalSize();
    return size;
}
