// Records that open and close sections, the workbook-level records the
// globals keep (TEMPLATE, SST, BOUNDSHEET, CODENAME, OBPROJ), the object
// records of comments, the range records and the GUTS and PANE records.
#pragma once

#include "xlsAdapter/qorUXlsBaseClientData.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <string>
#include <string_view>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t TEMPLATE = 0x0060;
inline constexpr std::uint16_t SST = 0x00FC;
inline constexpr std::uint16_t EXTSST = 0x00FF;
inline constexpr std::uint16_t BOUNDSHEET = 0x0085;
inline constexpr std::uint16_t CODENAME = 0x01BA;
inline constexpr std::uint16_t OBPROJ = 0x00D3;
inline constexpr std::uint16_t CELLMERGING = 0x00E5;
inline constexpr std::uint16_t DVAL = 0x01B2;
inline constexpr std::uint16_t GUTS = 0x0080;
inline constexpr std::uint16_t PANE = 0x0041;

// Section kinds in a BOF record.
inline constexpr std::uint16_t BofGlobals = 0x0005;
inline constexpr std::uint16_t BofWorksheet = 0x0010;
inline constexpr std::uint16_t BofChart = 0x0020;
} // namespace xlsAdapter::xlr

class TBOFRecord : public TBaseRecord {
public:
    // Refuses any version but BIFF8 (0x0600).
    TBOFRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TBOFRecord>(); }
    std::uint16_t BOFType() const { return GetWord(Data, 2); }
};

class TEOFRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TEOFRecord>(); }
};

// Marks a template workbook; the globals write it themselves.
class TTemplateRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TTemplateRecord>(); }
    static int GetSize(bool HasTemplate) { return HasTemplate ? 4 : 0; }
    static void SaveNewRecord(TOle2File& Workbook);
};

// The shared string table's record; its strings are read by TSST.
class TSSTRecord : public TBaseRecord {
public:
    TSSTRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TSSTRecord>(); }
    std::uint32_t Count;  // number of distinct strings
};

class TBoundSheetRecord : public TBaseRecord {
public:
    TBoundSheetRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TBoundSheetRecord> CreateNew(std::uint16_t aOptionFlags, std::u16string_view aName);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TBoundSheetRecord>(); }

    std::u16string SheetName() const;
    void SetSheetName(std::u16string_view Value);
    std::uint16_t OptionFlags() const { return GetWord(Data, 4); }
    void SetOptionFlags(std::uint16_t Value) { SetWord(Data, 4, Value); }
    // The stream position of the sheet's BOF record.
    void SetOffset(std::uint32_t aOffset) { SetCardinal(Data, 0, aOffset); }
};

class TCodeNameRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    static std::unique_ptr<TCodeNameRecord> CreateNew(std::u16string_view aName);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TCodeNameRecord>(); }
    std::u16string SheetName() const;
    void SetSheetName(std::u16string_view Value);
};

// Its presence means the workbook holds macros.
class TObProjRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TObProjRecord>(); }
};

class TObjRecord : public TBaseRecord {
public:
    TObjRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TObjRecord>(); }
    std::uint16_t ObjId;  // type of the first sub-record
    std::uint16_t CmoId = 0;  // object id, when the first sub-record is the common object data
};

class TTXORecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    // A text box record for left-aligned, top-aligned, locked text.
    static std::unique_ptr<TTXORecord> CreateFromData();
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TTXORecord>(); }
};

class TCellMergingRecord : public TRangeRecord {
public:
    using TRangeRecord::TRangeRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TCellMergingRecord>(); }
};

class TDValRecord : public TRangeRecord {
public:
    using TRangeRecord::TRangeRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TDValRecord>(); }
};

// Outline gutters: widths at 0 and 2, level counts at 4 and 6.
class TGutsRecord : public TBaseRecord {
public:
    TGutsRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override;

    bool RecalcNeeded = false;
    int RowLevel() const { return GetWord(Data, 4); }
    int ColLevel() const { return GetWord(Data, 6); }
    // Value is the highest outline level in use.
    void SetRowLevel(int Value) { SetLevel(0, Value); }
    void SetColLevel(int Value) { SetLevel(2, Value); }

private:
    void SetLevel(int WidthPos, int Value);
};

// Panes: 0 bottom-right, 1 top-right, 2 bottom-left, 3 top-left.
class TPaneRecord : public TBaseRecord {
public:
    TPaneRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPaneRecord>(); }

    std::uint16_t ColSplit() const { return GetWord(Data, 0); }
    void SetColSplit(std::uint16_t Value) { SetWord(Data, 0, Value); }
    std::uint16_t RowSplit() const { return GetWord(Data, 2); }
    void SetRowSplit(std::uint16_t Value) { SetWord(Data, 2, Value); }
    std::uint16_t FirstVisibleRow() const { return GetWord(Data, 4); }
    void SetFirstVisibleRow(std::uint16_t Value) { SetWord(Data, 4, Value); }
    std::uint16_t FirstVisibleCol() const { return GetWord(Data, 6); }
    void SetFirstVisibleCol(std::uint16_t Value) { SetWord(Data, 6, Value); }
    std::uint16_t ActivePane() const { return GetWord(Data, 8); }
    void SetActivePane(std::uint16_t Value) { SetWord(Data, 8, Value); }

    // Moves the active pane to one that exists for the current splits.
    void EnsureSelectedVisible();
};
