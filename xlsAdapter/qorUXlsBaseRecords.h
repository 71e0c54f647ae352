// Record base classes: every record owns its raw bytes and its chain of
// CONTINUE records and writes itself back byte for byte.
#pragma once

#include "platform/rtl/Variant.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

class TOle2File;
class TContinueRecord;
class TBaseRecordList;
class TNameRecordList;

// The 4-byte header of every record.
struct TRecordHeader {
    std::uint16_t Id = 0;
    std::uint16_t Size = 0;
    // Set when the stream ended and this header is the EOF made up in its
    // place, so walkers know no record is left.
    bool EndOfStream = false;
};

// Record identifiers the record layer itself needs.
namespace xlsAdapter::xlr {
inline constexpr std::uint16_t FORMULA = 0x0006;
inline constexpr std::uint16_t EOF_ = 0x000A;
inline constexpr std::uint16_t FILEPASS = 0x002F;
inline constexpr std::uint16_t CONTINUE = 0x003C;
inline constexpr std::uint16_t HLINK = 0x01B8;
inline constexpr std::uint16_t STRING = 0x0207;
inline constexpr std::uint16_t ROW = 0x0208;
inline constexpr std::uint16_t ARRAY = 0x0221;
inline constexpr std::uint16_t TABLE = 0x0236;
inline constexpr std::uint16_t SHRFMLA = 0x04BC;
inline constexpr std::uint16_t HLINKTOOLTIP = 0x0800;
inline constexpr std::uint16_t BOF = 0x0809;
// Last 0-based row and column of a sheet.
inline constexpr int MaxRow = 65535;
inline constexpr int MaxCol = 255;
// Longest record data the format allows.
inline constexpr int MaxRecordDataSize = 8224;
} // namespace xlsAdapter::xlr

class TBaseRecord {
public:
    TBaseRecord(std::uint16_t aId, ByteArray aData);
    virtual ~TBaseRecord();
    TBaseRecord(const TBaseRecord&) = delete;
    TBaseRecord& operator=(const TBaseRecord&) = delete;

    std::uint16_t Id;
    ByteArray Data;
    std::unique_ptr<TContinueRecord> Continue;
    // Where the record started in the stream it was read from; -1 for one
    // made in memory. Used in error messages.
    std::int64_t StreamOffset = -1;

    int DataSize() const { return static_cast<int>(Data.size()); }

    // A copy of the same class with its own bytes and CONTINUE chain.
    virtual std::unique_ptr<TBaseRecord> DoCopyTo() const;
    static std::unique_ptr<TBaseRecord> CopyTo(const TBaseRecord* Record);
    virtual void SaveToStream(TOle2File& Workbook);
    // Bytes written, headers included.
    virtual int TotalSize() const;
    virtual int TotalSizeNoHeaders() const;

    void AddContinue(std::unique_ptr<TContinueRecord> aContinue);
    // Writes Id, the length of aData and aData.
    void SaveDataToStream(TOle2File& Workbook, std::span<const std::uint8_t> aData) const;

    // Raises "record ... is N bytes, needs M" unless the data holds Needed bytes.
    void RequireSize(int Needed) const;
    // A cursor over Data whose errors name this record and its offsets.
    rtl::TByteCursor Cursor() const { return xlsAdapter::RecordCursor(Id, StreamOffset, Data); }
    // Refuses the record as a whole: the message names it and its offset.
    [[noreturn]] void ReadError(std::string_view What) const { xlsAdapter::RecordError(Id, StreamOffset, What); }

protected:
    // Copies the bytes and the CONTINUE chain into a new record of class T.
    template <typename T>
    std::unique_ptr<TBaseRecord> CopyAs() const
    {
        auto copy = std::make_unique<T>(Id, Data);
        CopyContinueChainTo(*copy);
        return copy;
    }
    void CopyContinueChainTo(TBaseRecord& Dest) const;
};

class TContinueRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TContinueRecord>(); }
};

// A record that is dropped on saving: what it describes is rebuilt.
class TIgnoreRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TIgnoreRecord>(); }
    void SaveToStream(TOle2File&) override {}
    int TotalSize() const override { return 0; }
};

// Base of the records that hold lists of ranges.
class TRangeRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TRangeRecord>(); }
};

// Stands in a section's record list for a whole list kept elsewhere; the
// owner of that list counts its size.
class TSubListRecord : public TBaseRecord {
public:
    TSubListRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData)) {}
    static std::unique_ptr<TSubListRecord> CreateAndAssign(TBaseRecordList* aSubList);

    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TSubListRecord>(); }
    void SaveToStream(TOle2File& Workbook) override;
    int TotalSize() const override { return 0; }

private:
    TBaseRecordList* FSubList = nullptr;
};

// The context of a row, column or sheet operation.
struct TSheetInfo {
    int InsSheet = -1;
    int FormulaSheet = -1;
    std::function<int(int)> GetSheet;
    std::function<int(int)> SetSheet;
    TNameRecordList* Names = nullptr;
};

// Records whose data begins with a row and a column.
class TBaseRowColRecord : public TBaseRecord {
public:
    TBaseRowColRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TBaseRowColRecord>(); }

    std::uint16_t Row() const { return GetWord(Data, 0); }
    void SetRow(std::uint16_t Value) { SetWord(Data, 0, Value); }
    std::uint16_t Column() const { return GetWord(Data, 2); }
    void SetColumn(std::uint16_t Value) { SetWord(Data, 2, Value); }

    // Rows at or below aRowPos move by aRowCount, columns at or right of
    // aColPos by aColCount (negative to delete), when the operation is on
    // this record's sheet. Either both move or, on error, neither.
    virtual void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                          const TSheetInfo& SheetInfo);
    virtual void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset);
    virtual std::int64_t FixTotalSize(bool NeedsRecalc);
};

// Cell records: row, column and format index.
class TCellRecord : public TBaseRowColRecord {
public:
    TCellRecord(std::uint16_t aId, ByteArray aData);
    // A new cell of aDataSize zero bytes at (aRow, aCol) with format aXF.
    TCellRecord(std::uint16_t aId, int aDataSize, std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TCellRecord>(); }

    std::uint16_t XF() const { return GetWord(Data, 4); }
    void SetXF(std::uint16_t Value) { SetWord(Data, 4, Value); }

    // The cell's value; cells without one are empty and ignore writes.
    virtual Variant GetValue() const { return {}; }
    virtual void SetValue(const Variant&) {}
};

// ROW as read from a stream: checked for its 16 bytes, its reserved word
// cleared. Sheets keep their rows as entries of a TRowRecordList.
class TRowRecord : public TBaseRowColRecord {
public:
    TRowRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TRowRecord>(); }
};
