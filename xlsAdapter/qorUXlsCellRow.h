// The cells of one row, kept in one block of small fixed-size entries: a
// plain cell (blank, number, RK, Boolean or error) lives in its entry, and
// only the other cells (formulas, texts, records with more bytes than the
// plain layout) are records of their own, which the row owns. A sheet of
// numbers then costs 12 bytes a cell and one heap block a row.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <cstdint>
#include <memory>

class TOle2File;

enum class TCellKind : std::uint8_t { Blank, Number, RK, BoolErr, Record };

// One cell of a row. Plain cells hold the value bytes of their record as
// read; a Record entry holds the owned record's address.
struct TCellSlot {
    std::uint8_t Col = 0;
    TCellKind Kind = TCellKind::Blank;
    std::uint16_t XF = 0;
    std::uint8_t Value[8] = {};

    static TCellSlot Blank(int Col, std::uint16_t XF);
    static TCellSlot Number(int Col, std::uint16_t XF, double Value);
    // False when Value has no exact RK form.
    [[nodiscard]] static bool RK(int Col, std::uint16_t XF, double Value, TCellSlot& Slot);
    static TCellSlot BoolErr(int Col, std::uint16_t XF, std::uint8_t Value, std::uint8_t IsError);
    // True, with Slot's kind set, when a record of this id and data size
    // has a plain entry: a BLANK, NUMBER, RK or BOOLERR of its plain size.
    [[nodiscard]] static bool PlainLayout(std::uint16_t Id, int DataSize, TCellSlot& Slot);
    // The plain entry of a BLANK, NUMBER, RK or BOOLERR record of exactly
    // its plain size and without CONTINUE records; false for any other
    // record, which stays a record so that it is written back as read.
    [[nodiscard]] static bool FromRecord(const TCellRecord& Record, TCellSlot& Slot);
};
static_assert(sizeof(TCellSlot) == 12);

class TCellRecordList {
public:
    // The cells of row Row; a list made empty takes the row of the first
    // record added to it.
    explicit TCellRecordList(int Row = 0) : FRow(static_cast<std::uint16_t>(Row)) {}
    ~TCellRecordList();
    TCellRecordList(TCellRecordList&& Other) noexcept;
    TCellRecordList& operator=(TCellRecordList&& Other) noexcept;
    TCellRecordList(const TCellRecordList&) = delete;
    TCellRecordList& operator=(const TCellRecordList&) = delete;

    int Row() const { return FRow; }
    int Count() const { return static_cast<int>(FCount); }

    // Cell Index: its column, format, the id of the record it is written
    // as, and its value (errors as their texts, "#N/A" …).
    int Column(int Index) const;
    std::uint16_t XF(int Index) const;
    void SetXF(int Index, std::uint16_t Value);
    std::uint16_t Id(int Index) const;
    Variant GetValue(int Index) const;
    // The record of cell Index, or null for a plain cell.
    TCellRecord* Record(int Index) const;

    // Appends a cell; a record with a plain form is kept in that form.
    void Add(std::unique_ptr<TCellRecord> Record);
    void Add(const TCellSlot& Slot);
    void Insert(int Index, std::unique_ptr<TCellRecord> Record);
    void Insert(int Index, const TCellSlot& Slot);
    void Delete(int Index);
    void Clear();
    // Appends a copy of cell Index of Source.
    void AddCopy(const TCellRecordList& Source, int Index);
    // Inserts at Index a copy of cell SourceIndex of Source (which may be
    // this row) moved ColOffset columns, as its record would move.
    void InsertCopy(int Index, const TCellRecordList& Source, int SourceIndex, int ColOffset);
    // Makes room for Count cells in all, as the row's span announces them.
    void Reserve(int Count);
    // Fits the block to the cells, once a row is complete.
    void ShrinkToFit();

    void Sort();
    // Binary search by column (sorting first); Index is the match or the
    // position where the column would go.
    bool Find(int Col, int& Index);

    // Every cell moves its row and column as its record would (formulas
    // their references too).
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset);

    // Runs of blanks and of RK cells in adjacent columns are written as one
    // MULBLANK or MULRK; every record cell as it is.
    void SaveToStream(TOle2File& DataStream);
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange);
    std::int64_t TotalSize() const { return FixTotalSize(false); }
    std::int64_t FixTotalSize(bool NeedsRecalc) const;
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange, bool NeedsRecalc) const;

private:
    TCellSlot& Slot(int Index) const;
    // Checks Index as an insert position and grows the block for one more.
    void MakeRoom(int Index);
    void InsertSlot(int Index, const TCellSlot& Slot);
    // Releases the record a Record entry owns.
    static void ReleaseRecord(TCellSlot& Slot);
    std::int64_t WriteRange(TOle2File* DataStream, const TXlsCellRange& CellRange, bool NeedsRecalc) const;

    // Moves the entries into a block of Capacity entries.
    void Reallocate(std::uint16_t Capacity);

    // A sheet has many rows, so a row's header is 16 bytes. A row holds up
    // to 65,535 cells: 256 columns, and what duplicates a hostile file adds.
    std::unique_ptr<TCellSlot[]> FSlots;
    std::uint16_t FCount = 0;
    std::uint16_t FCapacity = 0;
    std::uint16_t FRow;

public:
    // Cells added in column order keep the row sorted.
    bool Sorted = true;
};
static_assert(sizeof(TCellRecordList) == 16);
