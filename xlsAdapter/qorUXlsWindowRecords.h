// Small records of window state, default sizes and workbook or sheet
// options. Every property reads and writes the record's own bytes, so bits
// the engine does not touch are written back as they were read.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <string>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t DIMENSIONS = 0x0200;
inline constexpr std::uint16_t WINDOW1 = 0x003D;
inline constexpr std::uint16_t WINDOW2 = 0x023E;
inline constexpr std::uint16_t SCL = 0x00A0;
inline constexpr std::uint16_t DEFCOLWIDTH = 0x0055;
inline constexpr std::uint16_t STANDARDWIDTH = 0x0099;
inline constexpr std::uint16_t DEFAULTROWHEIGHT = 0x0225;
inline constexpr std::uint16_t WSBOOL = 0x0081;
inline constexpr std::uint16_t DATEMODE1904 = 0x0022;
inline constexpr std::uint16_t REFMODE = 0x000F;
inline constexpr std::uint16_t PRECISION = 0x000E;
inline constexpr std::uint16_t BOOKBOOL = 0x00DA;
inline constexpr std::uint16_t AUTOFILTERINFO = 0x009D;
} // namespace xlsAdapter::xlr

struct TDimensionsRec {
    std::uint32_t FirstRow = 0;
    std::uint32_t LastRow = 0;  // last row + 1
    std::uint16_t FirstCol = 0;
    std::uint16_t LastCol = 0;  // last column + 1
    std::uint16_t Extra = 0;
};

class TDimensionsRecord : public TBaseRecord {
public:
    TDimensionsRecord(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TDimensionsRecord>(); }
    TDimensionsRec Dim() const;
    void SetDim(const TDimensionsRec& Value);
};

// The cached text result of the formula before it. The formula record
// writes its own, so this one writes nothing.
class TStringRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TStringRecord>(); }
    std::u16string Value() const;
    void SaveToStream(TOle2File&) override {}
    int TotalSize() const override { return 0; }
};

class TWindow1Record : public TBaseRecord {
public:
    TWindow1Record(std::uint16_t aId, ByteArray aData);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TWindow1Record>(); }
    std::uint16_t ActiveSheet() const { return GetWord(Data, 10); }
    // Also shows the first tab and selects only the active one.
    void SetActiveSheet(std::uint16_t Value);
    std::uint16_t FirstSheetVisible() const { return GetWord(Data, 12); }
    void SetFirstSheetVisible(std::uint16_t Value) { SetWord(Data, 12, Value); }
    void SaveToStream(TOle2File& Workbook) override;

private:
    // A window of width or height 0 cannot be seen or resized.
    void EnsureNonZero();
};

class TWindow2Record : public TBaseRecord {
public:
    TWindow2Record(std::uint16_t aId, ByteArray aData);
    // A copied sheet is never the selected one.
    std::unique_ptr<TBaseRecord> DoCopyTo() const override;

    bool ShowGridLines() const { return Bit(1); }
    void SetShowGridLines(bool Value) { SetBits(1 << 1, Value); }
    bool ShowGridHeaders() const { return Bit(2); }
    void SetShowGridHeaders(bool Value) { SetBits(1 << 2, Value); }
    bool IsFrozen() const { return Bit(3); }
    void SetIsFrozen(bool Value) { SetBits(1 << 3, Value); }
    bool IsFrozenButNoSplit() const { return Bit(8); }
    void SetIsFrozenButNoSplit(bool Value) { SetBits(1 << 8, Value); }
    // Selected and "sheet shown" go together.
    bool Selected() const { return Bit(9); }
    void SetSelected(bool Value) { SetBits((1 << 9) | (1 << 10), Value); }
    std::uint16_t SheetZoom() const { return GetWord(Data, 12); }
    // Clamped to 10..400 percent.
    void SetSheetZoom(int Value);

private:
    bool Bit(int n) const { return (GetWord(Data, 0) >> n) & 1; }
    void SetBits(std::uint16_t Mask, bool Value);
};

class TSCLRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    static std::unique_ptr<TSCLRecord> CreateFromData(int aZoom);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TSCLRecord>(); }
    // Percent, rounded half to even; 100 for a zero denominator.
    int Zoom() const;
    // Clamped to 10..400, stored as a fraction of 100.
    void SetZoom(int Value);
};

class TDefColWidthRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TDefColWidthRecord>(); }
    std::uint16_t Width() const { return GetWord(Data, 0); }
    void SetWidth(std::uint16_t Value) { SetWord(Data, 0, Value); }
    // The format holds at most 255 characters; a wider value is cut there.
    void SaveToStream(TOle2File& Workbook) override;
};

class TStandardWidthRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TStandardWidthRecord>(); }
    std::uint16_t Width() const { return GetWord(Data, 0); }
    void SetWidth(std::uint16_t Value) { SetWord(Data, 0, Value); }
};

class TDefRowHeightRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TDefRowHeightRecord>(); }
    std::uint16_t Height() const { return GetWord(Data, 2); }
    void SetHeight(std::uint16_t Value) { SetWord(Data, 2, Value); }
};

class TWsBoolRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TWsBoolRecord>(); }
    std::uint16_t Value() const { return GetWord(Data, 0); }
    void SetValue(std::uint16_t aValue) { SetWord(Data, 0, aValue); }
    bool OutlineAutomaticStyles() const { return Bit(5); }
    void SetOutlineAutomaticStyles(bool Value) { SetBit(5, Value); }
    bool OutlineSummaryRowsBelowDetail() const { return Bit(6); }
    void SetOutlineSummaryRowsBelowDetail(bool Value) { SetBit(6, Value); }
    bool OutlineSummaryColsRightOfDetail() const { return Bit(7); }
    void SetOutlineSummaryColsRightOfDetail(bool Value) { SetBit(7, Value); }
    bool FitToPage() const { return Bit(8); }
    void SetFitToPage(bool Value) { SetBit(8, Value); }

private:
    bool Bit(int n) const { return (Value() >> n) & 1; }
    void SetBit(int n, bool On);
};

// Workbook options, each one word at offset 0. Writing True or False
// stores the word that reads back as it.
class T1904Record : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<T1904Record>(); }
    bool Is1904() const { return GetWord(Data, 0) == 1; }
    void SetIs1904(bool Value) { SetWord(Data, 0, Value ? 1 : 0); }
};

class TRefModeRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TRefModeRecord>(); }
    bool IsR1C1() const { return GetWord(Data, 0) != 1; }
    void SetIsR1C1(bool Value) { SetWord(Data, 0, Value ? 0 : 1); }
};

class TPrecisionRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TPrecisionRecord>(); }
    bool PrecisionAsDisplayed() const { return GetWord(Data, 0) == 0; }
    void SetPrecisionAsDisplayed(bool Value) { SetWord(Data, 0, Value ? 0 : 1); }
};

class TBookBoolRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TBookBoolRecord>(); }
    bool SaveExternalLinkValues() const { return GetWord(Data, 0) != 1; }
    void SetSaveExternalLinkValues(bool Value) { SetWord(Data, 0, Value ? 0 : 1); }
};

class TAutoFilterInfoRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TAutoFilterInfoRecord>(); }
    std::uint16_t DropDownCount() const { return GetWord(Data, 0); }
    void SetDropDownCount(std::uint16_t Value) { SetWord(Data, 0, Value); }
};
