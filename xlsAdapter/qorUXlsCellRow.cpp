// A row's block of cells: plain entries and owned records, column search,
// shifting, and writing with runs joined into multiple-cell records.
#include "xlsAdapter/qorUXlsCellRow.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsCellRecords.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

using namespace xlsAdapter;

namespace {

constexpr int ValueOffset = 6;
constexpr int MaxCol = 255;
constexpr int MaxCells = 65535;

// A joined run's header, row, first column and last column.
constexpr int MulHeaderSize = 4 + 6;

struct TPlainLayout {
    std::uint16_t Id;
    TCellKind Kind;
    int ValueBytes;
};
constexpr std::array<TPlainLayout, 4> PlainLayouts{{
    {xlr::BLANK, TCellKind::Blank, 0},
    {xlr::NUMBER, TCellKind::Number, 8},
    {xlr::RK, TCellKind::RK, 4},
    {xlr::BOOLERR, TCellKind::BoolErr, 2},
}};

const TPlainLayout& LayoutOf(TCellKind Kind)
{
    return PlainLayouts[static_cast<std::size_t>(Kind)];
}

TCellRecord* RecordOf(const TCellSlot& Slot)
{
    TCellRecord* record = nullptr;
    std::memcpy(&record, Slot.Value, sizeof record);
    return record;
}

int ColumnOf(const TCellSlot& Slot)
{
    return Slot.Kind == TCellKind::Record ? RecordOf(Slot)->Column() : Slot.Col;
}

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

[[noreturn]] void IndexOutOfBounds(int Index)
{
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

// A plain cell's column after a shift; a column past the sheet raises.
std::uint8_t ShiftedColumn(int Col, int Delta)
{
    const int shifted = Col + Delta;
    if (!InRange(shifted, 0, MaxCol))
        ExcelError(msg::InvalidCol, shifted);
    return static_cast<std::uint8_t>(shifted);
}

// Gathers one record's data before it is written in one piece.
class TRecordBody {
public:
    void Word(std::uint16_t Value)
    {
        FBytes[FSize++] = static_cast<std::uint8_t>(Value);
        FBytes[FSize++] = static_cast<std::uint8_t>(Value >> 8);
    }
    void Bytes(const std::uint8_t* Data, int Count)
    {
        std::memcpy(FBytes.data() + FSize, Data, static_cast<std::size_t>(Count));
        FSize += static_cast<std::size_t>(Count);
    }
    void WriteAs(TOle2File& DataStream, std::uint16_t Id) const
    {
        DataStream.WriteHeader(Id, static_cast<std::uint16_t>(FSize));
        DataStream.WriteMem(FBytes.data(), static_cast<std::int64_t>(FSize));
    }

private:
    // The longest body: a MULRK run over all 256 columns. Only the bytes
    // written are read, so the buffer is not cleared for every cell.
    std::array<std::uint8_t, 6 + 6 * (MaxCol + 1)> FBytes;
    std::size_t FSize = 0;
};

} // namespace

TCellSlot TCellSlot::Blank(int Col, std::uint16_t XF)
{
    TCellSlot slot;
    slot.Col = static_cast<std::uint8_t>(Col);
    slot.XF = XF;
    return slot;
}

TCellSlot TCellSlot::Number(int Col, std::uint16_t XF, double Value)
{
    TCellSlot slot = Blank(Col, XF);
    slot.Kind = TCellKind::Number;
    std::memcpy(slot.Value, &Value, sizeof Value);
    return slot;
}

bool TCellSlot::RK(int Col, std::uint16_t XF, double Value, TCellSlot& Slot)
{
    std::uint32_t rk = 0;
    if (!EncodeRK(rk, Value))
        return false;
    Slot = Blank(Col, XF);
    Slot.Kind = TCellKind::RK;
    SetCardinal(Slot.Value, 0, rk);
    return true;
}

TCellSlot TCellSlot::BoolErr(int Col, std::uint16_t XF, std::uint8_t Value, std::uint8_t IsError)
{
    TCellSlot slot = Blank(Col, XF);
    slot.Kind = TCellKind::BoolErr;
    slot.Value[0] = Value;
    slot.Value[1] = IsError;
    return slot;
}

bool TCellSlot::PlainLayout(std::uint16_t Id, int DataSize, TCellSlot& Slot)
{
    for (const TPlainLayout& layout : PlainLayouts) {
        if (layout.Id == Id && DataSize == ValueOffset + layout.ValueBytes) {
            Slot.Kind = layout.Kind;
            return true;
        }
    }
    return false;
}

bool TCellSlot::FromRecord(const TCellRecord& Record, TCellSlot& Slot)
{
    TCellSlot slot;
    if (Record.Continue || Record.Column() > MaxCol || !PlainLayout(Record.Id, Record.DataSize(), slot))
        return false;
    Slot = Blank(Record.Column(), Record.XF());
    Slot.Kind = slot.Kind;
    std::memcpy(Slot.Value, Record.Data.data() + ValueOffset, static_cast<std::size_t>(LayoutOf(slot.Kind).ValueBytes));
    return true;
}

TCellRecordList::~TCellRecordList()
{
    Clear();
}

TCellRecordList::TCellRecordList(TCellRecordList&& Other) noexcept
    : FSlots(std::move(Other.FSlots)), FCount(std::exchange(Other.FCount, 0)),
      FCapacity(std::exchange(Other.FCapacity, 0)), FRow(Other.FRow), Sorted(Other.Sorted)
{
}

TCellRecordList& TCellRecordList::operator=(TCellRecordList&& Other) noexcept
{
    if (this != &Other) {
        Clear();
        FSlots = std::move(Other.FSlots);
        FCount = std::exchange(Other.FCount, 0);
        FCapacity = std::exchange(Other.FCapacity, 0);
        FRow = Other.FRow;
        Sorted = Other.Sorted;
    }
    return *this;
}

TCellSlot& TCellRecordList::Slot(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexOutOfBounds(Index);
    return FSlots[static_cast<std::size_t>(Index)];
}

int TCellRecordList::Column(int Index) const
{
    return ColumnOf(Slot(Index));
}

std::uint16_t TCellRecordList::XF(int Index) const
{
    const TCellSlot& slot = Slot(Index);
    return slot.Kind == TCellKind::Record ? RecordOf(slot)->XF() : slot.XF;
}

void TCellRecordList::SetXF(int Index, std::uint16_t Value)
{
    TCellSlot& slot = Slot(Index);
    if (slot.Kind == TCellKind::Record)
        RecordOf(slot)->SetXF(Value);
    else
        slot.XF = Value;
}

std::uint16_t TCellRecordList::Id(int Index) const
{
    const TCellSlot& slot = Slot(Index);
    return slot.Kind == TCellKind::Record ? RecordOf(slot)->Id : LayoutOf(slot.Kind).Id;
}

Variant TCellRecordList::GetValue(int Index) const
{
    const TCellSlot& slot = Slot(Index);
    switch (slot.Kind) {
    case TCellKind::Blank:
        return {};
    case TCellKind::Number: {
        double value = 0;
        std::memcpy(&value, slot.Value, sizeof value);
        return value;
    }
    case TCellKind::RK:
        return DecodeRK(GetCardinal(slot.Value, 0));
    case TCellKind::BoolErr:
        return BoolErrValue(slot.Value[0], slot.Value[1]);
    case TCellKind::Record:
        break;
    }
    return RecordOf(slot)->GetValue();
}

TCellRecord* TCellRecordList::Record(int Index) const
{
    const TCellSlot& slot = Slot(Index);
    return slot.Kind == TCellKind::Record ? RecordOf(slot) : nullptr;
}

void TCellRecordList::MakeRoom(int Index)
{
    if (Index < 0 || Index > Count())
        IndexOutOfBounds(Index);
    if (FCount < FCapacity)
        return;
    if (FCount == MaxCells)
        ExcelError(msg::TooManyEntries, FCount + 1, MaxCells);
    // Doubles: loading fits each block to its row once the row is complete.
    Reallocate(static_cast<std::uint16_t>(std::min(2 * FCount + 2, MaxCells)));
}

void TCellRecordList::Reallocate(std::uint16_t Capacity)
{
    std::unique_ptr<TCellSlot[]> slots;
    if (Capacity > 0) {
        slots = std::make_unique<TCellSlot[]>(Capacity);
        std::copy(FSlots.get(), FSlots.get() + FCount, slots.get());
    }
    FSlots = std::move(slots);
    FCapacity = Capacity;
}

void TCellRecordList::Reserve(int Count)
{
    if (Count > FCapacity)
        Reallocate(static_cast<std::uint16_t>(std::min(Count, MaxCells)));
}

void TCellRecordList::InsertSlot(int Index, const TCellSlot& Slot)
{
    MakeRoom(Index);
    TCellSlot* at = FSlots.get() + Index;
    std::copy_backward(at, FSlots.get() + FCount, FSlots.get() + FCount + 1);
    *at = Slot;
    ++FCount;
}

void TCellRecordList::Add(const TCellSlot& Slot)
{
    MakeRoom(Count());
    Sorted = Count() == 0 || (Sorted && Column(Count() - 1) < ColumnOf(Slot));
    InsertSlot(Count(), Slot);
}

void TCellRecordList::Insert(int Index, const TCellSlot& Slot)
{
    InsertSlot(Index, Slot);
}

namespace {

// The entry for Record: its plain form, or the record itself, which the
// entry then owns.
TCellSlot EntryFor(std::unique_ptr<TCellRecord> Record)
{
    TCellSlot slot;
    if (TCellSlot::FromRecord(*Record, slot))
        return slot;
    slot.Kind = TCellKind::Record;
    TCellRecord* owned = Record.release();
    std::memcpy(slot.Value, &owned, sizeof owned);
    return slot;
}

} // namespace

void TCellRecordList::Add(std::unique_ptr<TCellRecord> Record)
{
    // Room first, so that nothing can fail once the entry owns the record.
    MakeRoom(Count());
    if (Count() == 0)
        FRow = Record->Row();
    Add(EntryFor(std::move(Record)));
}

void TCellRecordList::Insert(int Index, std::unique_ptr<TCellRecord> Record)
{
    MakeRoom(Index);
    if (Count() == 0)
        FRow = Record->Row();
    InsertSlot(Index, EntryFor(std::move(Record)));
}

void TCellRecordList::ReleaseRecord(TCellSlot& Slot)
{
    if (Slot.Kind == TCellKind::Record) {
        std::unique_ptr<TCellRecord> owned(RecordOf(Slot));
        Slot.Kind = TCellKind::Blank;
    }
}

void TCellRecordList::Delete(int Index)
{
    ReleaseRecord(Slot(Index));
    std::copy(FSlots.get() + Index + 1, FSlots.get() + FCount, FSlots.get() + Index);
    --FCount;
}

void TCellRecordList::Clear()
{
    for (std::uint32_t i = 0; i < FCount; ++i)
        ReleaseRecord(FSlots[i]);
    FSlots.reset();
    FCount = 0;
    FCapacity = 0;
    Sorted = true;
}

void TCellRecordList::AddCopy(const TCellRecordList& Source, int Index)
{
    MakeRoom(Count());
    Sorted = Count() == 0 || (Sorted && Column(Count() - 1) < Source.Column(Index));
    InsertCopy(Count(), Source, Index, 0);
}

void TCellRecordList::InsertCopy(int Index, const TCellRecordList& Source, int SourceIndex, int ColOffset)
{
    MakeRoom(Index);
    // A copy of the entry, as growing this row may move Source's block.
    TCellSlot slot = Source.Slot(SourceIndex);
    if (slot.Kind != TCellKind::Record) {
        slot.Col = ShiftedColumn(slot.Col, ColOffset);
        InsertSlot(Index, slot);
        return;
    }
    std::unique_ptr<TBaseRecord> copy = RecordOf(slot)->DoCopyTo();
    std::unique_ptr<TCellRecord> record(static_cast<TCellRecord*>(copy.release()));
    record->ArrangeCopyRowsAndCols(0, ColOffset);
    InsertSlot(Index, EntryFor(std::move(record)));
}

void TCellRecordList::ShrinkToFit()
{
    if (FCapacity > FCount)
        Reallocate(FCount);
}

void TCellRecordList::Sort()
{
    std::stable_sort(FSlots.get(), FSlots.get() + FCount,
                     [](const TCellSlot& a, const TCellSlot& b) { return ColumnOf(a) < ColumnOf(b); });
    Sorted = true;
}

bool TCellRecordList::Find(int Col, int& Index)
{
    if (!Sorted)
        Sort();
    const TCellSlot* first = FSlots.get();
    const TCellSlot* found =
        std::lower_bound(first, first + FCount, Col, [](const TCellSlot& slot, int col) { return ColumnOf(slot) < col; });
    Index = static_cast<int>(found - first);
    return Index < Count() && ColumnOf(*found) == Col;
}

void TCellRecordList::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                               const TSheetInfo& SheetInfo)
{
    // Plain cells move only with operations on their own sheet, as cell
    // records do. Their shifts are checked before anything moves: a row or
    // column past the sheet raises as a record's row or column word would.
    const bool ownSheet = SheetInfo.InsSheet >= 0 && SheetInfo.FormulaSheet == SheetInfo.InsSheet;
    const bool hasPlainCells =
        std::any_of(FSlots.get(), FSlots.get() + FCount, [](const TCellSlot& s) { return s.Kind != TCellKind::Record; });
    std::uint16_t row = FRow;
    const auto shifted = [&](const TCellSlot& slot) {
        std::uint16_t col = slot.Col;
        if (slot.Kind != TCellKind::Record && col >= aColPos)
            IncWordVar(col, aColCount, MaxCol);
        return static_cast<std::uint8_t>(col);
    };
    if (ownSheet) {
        if (row >= aRowPos && hasPlainCells)
            IncWordVar(row, aRowCount, 65535);
        else if (row >= aRowPos)
            row = static_cast<std::uint16_t>(row + aRowCount);
        if (aColCount != 0)
            for (std::uint32_t i = 0; i < FCount; ++i)
                (void)shifted(FSlots[i]);
    }
    for (std::uint32_t i = 0; i < FCount; ++i)
        if (FSlots[i].Kind == TCellKind::Record)
            RecordOf(FSlots[i])->ArrangeInsertRowsAndCols(aRowPos, aRowCount, aColPos, aColCount, SheetInfo);
    if (!ownSheet)
        return;
    FRow = row;
    if (aColCount != 0)
        for (std::uint32_t i = 0; i < FCount; ++i)
            FSlots[i].Col = shifted(FSlots[i]);
}

void TCellRecordList::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    for (std::uint32_t i = 0; i < FCount; ++i) {
        TCellSlot& slot = FSlots[i];
        if (slot.Kind == TCellKind::Record)
            RecordOf(slot)->ArrangeCopyRowsAndCols(RowOffset, ColOffset);
        else if (ColOffset != 0)
            slot.Col = ShiftedColumn(slot.Col, ColOffset);
    }
    FRow = static_cast<std::uint16_t>(FRow + RowOffset);
}

namespace {
constexpr TXlsCellRange WholeSheet{0, 0, 255, 65535};
}

void TCellRecordList::SaveToStream(TOle2File& DataStream)
{
    WriteRange(&DataStream, WholeSheet, false);
}

void TCellRecordList::SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange)
{
    WriteRange(&DataStream, CellRange, false);
}

std::int64_t TCellRecordList::FixTotalSize(bool NeedsRecalc) const
{
    return WriteRange(nullptr, WholeSheet, NeedsRecalc);
}

std::int64_t TCellRecordList::TotalRangeSize(const TXlsCellRange& CellRange, bool NeedsRecalc) const
{
    return WriteRange(nullptr, CellRange, NeedsRecalc);
}

std::int64_t TCellRecordList::WriteRange(TOle2File* DataStream, const TXlsCellRange& CellRange,
                                         bool NeedsRecalc) const
{
    if (FCount == 0 || !InRange(FRow, CellRange.Top, CellRange.Bottom))
        return 0;
    std::int64_t total = 0;
    std::uint32_t i = 0;
    while (i < FCount) {
        const TCellSlot& slot = FSlots[i];
        if (!InRange(ColumnOf(slot), CellRange.Left, CellRange.Right)) {
            ++i;
            continue;
        }
        if (slot.Kind == TCellKind::Record) {
            TCellRecord* record = RecordOf(slot);
            if (DataStream)
                record->SaveToStream(*DataStream);
            total += record->FixTotalSize(NeedsRecalc);
            ++i;
            continue;
        }
        // Blanks and RK cells in adjacent columns join into one record.
        std::uint32_t end = i + 1;
        if (slot.Kind == TCellKind::Blank || slot.Kind == TCellKind::RK)
            while (end < FCount && FSlots[end].Kind == slot.Kind && FSlots[end].Col == FSlots[end - 1].Col + 1 &&
                   FSlots[end].Col <= CellRange.Right)
                ++end;
        const int cells = static_cast<int>(end - i);
        const int valueBytes = LayoutOf(slot.Kind).ValueBytes;
        const bool joined = cells > 1;
        total += joined ? MulHeaderSize + cells * (2 + valueBytes) : 4 + ValueOffset + valueBytes;
        if (DataStream) {
            TRecordBody body;
            body.Word(FRow);
            body.Word(slot.Col);
            for (std::uint32_t k = i; k < end; ++k) {
                body.Word(FSlots[k].XF);
                body.Bytes(FSlots[k].Value, valueBytes);
            }
            if (joined)
                body.Word(FSlots[end - 1].Col);
            body.WriteAs(*DataStream, !joined                    ? LayoutOf(slot.Kind).Id
                                      : slot.Kind == TCellKind::RK ? xlr::MULRK
                                                                   : xlr::MULBLANK);
        }
        i = end;
    }
    return total;
}
