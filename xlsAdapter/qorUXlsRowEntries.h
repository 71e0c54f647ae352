// The ROW records of a sheet kept by row number, each in 16 bytes of its
// own entry: a sheet has as many of them as rows, so they are no record
// objects. A ROW record read with more bytes or with CONTINUE records keeps
// the record itself, so that it is written back as read.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class TOle2File;

// ROW: the height, format and outline state of one row.
class TRowEntry {
public:
    static constexpr int DataSize = 16;

    // A standard row: default height, no format, columns 0..0.
    explicit TRowEntry(std::uint16_t Row);
    // A ROW record as read (a TRowRecord, at least DataSize bytes).
    explicit TRowEntry(std::unique_ptr<TBaseRecord> Record);
    TRowEntry(TRowEntry&&) noexcept = default;
    TRowEntry& operator=(TRowEntry&&) noexcept = default;
    TRowEntry(const TRowEntry&) = delete;
    TRowEntry& operator=(const TRowEntry&) = delete;
    TRowEntry Copy() const;

    // The record's data as it is written.
    std::span<const std::uint8_t> Data() const;

    std::uint16_t Row() const { return GetWord(Data(), 0); }
    std::uint16_t MinCol() const { return GetWord(Data(), 2); }
    void SetMinCol(std::uint16_t Value) { SetWord(Bytes(), 2, Value); }
    std::uint16_t MaxCol() const { return GetWord(Data(), 4); }
    void SetMaxCol(std::uint16_t Value) { SetWord(Bytes(), 4, Value); }
    std::uint16_t Height() const { return GetWord(Data(), 6); }
    void SetHeight(std::uint16_t Value) { SetWord(Bytes(), 6, Value); }
    std::uint16_t Options() const { return GetWord(Data(), 12); }
    void SetOptions(std::uint16_t Value) { SetWord(Bytes(), 12, Value); }
    std::uint16_t XF() const;
    void SetXF(std::uint16_t Value);

    void ManualHeight() { SetOptions(Options() | 0x40); }
    void AutoHeight() { SetOptions(Options() & ~0x40); }
    bool IsAutoHeight() const { return (Options() & 0x40) == 0; }
    void Hide(bool Value) { SetOptions(Value ? Options() | 0x20 : Options() & ~0x20); }
    bool IsHidden() const { return (Options() & 0x20) != 0; }
    bool IsFormatted() const { return (Options() & 0x80) != 0; }
    bool IsModified() const { return (Options() & 0xFF) != 0 || (Options() >> 8) != 1; }
    void SetRowOutlineLevel(int Level) { SetOptions(static_cast<std::uint16_t>((Options() & ~7) | (Level & 7))); }

    // The row and first column move as a row-and-column record's do: only
    // for operations on this sheet, both or (on error) neither.
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset);

    // Bytes written, header included.
    int TotalSize() const;
    // Saves the record with its column span cut to aMinCol..aMaxCol.
    void SaveRangeToStream(TOle2File& DataStream, int aMinCol, int aMaxCol);

private:
    std::span<std::uint8_t> Bytes();
    void Save(TOle2File& DataStream) const;

    std::array<std::uint8_t, DataSize> FData{};
    // Only for a record with more bytes or CONTINUE records; FData is then
    // unused.
    std::unique_ptr<TBaseRecord> FRecord;
};

// ROW records by row number; rows without one hold an empty item.
class TRowRecordList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }
    // Puts aRow at its row number; a second ROW for a row raises.
    void AddRecord(TRowEntry aRow);
    // The row's entry; a row without one raises.
    TRowEntry* GetItems(int Index) const;
    bool HasRow(int Index) const;
    // Gives a row without a ROW record a standard one.
    void AddRow(int Index);
    // Drops the row's entry: the last item goes, an inner one is emptied.
    void Remove(int Index);
    void CopyFrom(const TRowRecordList& aList);

    int RowHeight(int aRow) const;
    void SetRowHeight(int aRow, int Height);
    void AutoRowHeight(int aRow, bool Value);
    bool IsAutoRowHeight(int aRow) const;

    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void DeleteRows(int aRow, int aRowCount, const TSheetInfo& SheetInfo);
    void InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, const TSheetInfo& SheetInfo);
    std::int64_t TotalSize() const;
    // Raises for a row of the range without a ROW record.
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const;

private:
    // Mutable so that a const list hands out rows its owner may change, as
    // lists of records do.
    mutable std::vector<std::optional<TRowEntry>> FItems;
};
