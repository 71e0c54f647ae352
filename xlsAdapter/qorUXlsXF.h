// Cell formats (XF), fonts (FONT), number formats (FORMAT) and named styles
// (STYLE): their records, their lists, and the conversion to and from the
// exchange records TVyxFormat and TVyxFont.
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorUXlsBaseRecordLists.h"

#include <memory>
#include <string>
#include <vector>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t FONT = 0x0031;
inline constexpr std::uint16_t XF = 0x00E0;
inline constexpr std::uint16_t STYLE = 0x0293;
inline constexpr std::uint16_t FORMAT = 0x041E;
} // namespace xlsAdapter::xlr

// FONT: height, options, colour, weight, escapement, underline, family,
// character set and name.
class TFontRecord : public TBaseRecord {
public:
    TFontRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TFontRecord> CreateFromVyxFont(const TVyxFont& aFont);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TFontRecord>(); }

    std::uint16_t Height() const { return GetWord(Data, 0); }
    // File colour index minus 8; the API index is one more.
    int ColorIndex() const { return GetWord(Data, 4) - 8; }
    SetOfTVyxFontStyle Style() const;
    TVyxUnderline Underline() const;
    std::uint8_t Family() const { return Data[11]; }
    std::uint8_t Charset() const { return Data[12]; }
    std::string Name() const;

    TVyxFont VyxFont() const;
};

class TFontRecordList : public TBaseRecordList {
public:
    TFontRecord* GetItems(int Index) const { return static_cast<TFontRecord*>(Items(Index)); }
    void SetItems(int Index, std::unique_ptr<TFontRecord> Record);
    int Add(std::unique_ptr<TFontRecord> Record) { return TBaseRecordList::Add(std::move(Record)); }
    void Insert(int Index, std::unique_ptr<TFontRecord> Record) { TBaseRecordList::Insert(Index, std::move(Record)); }

    // The font index of a FONT record equal to aFont, appending one when
    // none is.
    int AddFont(const TVyxFont& aFont);
};

namespace xlsAdapter {
// The file has no font index 4: indexes above 3 are list positions plus 1.
int FontPositionToIndex(int Position);
int FontIndexToPosition(int FontIndex);
} // namespace xlsAdapter

// FORMAT: a number-format id and its text.
class TFormatRecord : public TBaseRecord {
public:
    TFormatRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TFormatRecord> CreateFromData(const std::string& Fmt, int NewID);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TFormatRecord>(); }

    std::uint16_t FormatId() const { return GetWord(Data, 0); }
    // The text, read across CONTINUE records.
    std::string Value() const;
};

// FORMAT records, searchable by id once sorted.
class TFormatRecordList : public TBaseRecordList {
public:
    TFormatRecord* GetItems(int Index) const { return static_cast<TFormatRecord*>(Items(Index)); }
    void SetItems(int Index, std::unique_ptr<TFormatRecord> Record);
    int Add(std::unique_ptr<TFormatRecord> Record);
    void Insert(int Index, std::unique_ptr<TFormatRecord> Record);

    bool Sorted = false;
    void Sort();
    // Binary search by id (sorting first); Index is the match or where the
    // id would go.
    bool Find(int aItem, int& Index);

    // The id of a number format with text Fmt: a FORMAT record's, else a
    // built-in one's, else a new FORMAT record's.
    int AddFormat(const std::string& Fmt);
    // The text of a number-format id; unknown ids give the general format "".
    std::string GetFormat(int FormatId);
};

// STYLE: kept byte for byte.
class TStyleRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TStyleRecord>(); }
};

// XF: one cell format.
class TXFRecord : public TBaseRecord {
public:
    TXFRecord(std::uint16_t aId, ByteArray aData);
    // A new XF for Fmt; its font and number format are added to their lists.
    static std::unique_ptr<TXFRecord> CreateFromFormat(const TVyxFormat& Fmt, TFontRecordList& FontList,
                                                       TFormatRecordList& FormatList);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TXFRecord>(); }

    std::uint16_t FontIndex() const { return GetWord(Data, 0); }
    std::uint16_t FormatIndex() const { return GetWord(Data, 2); }
    THVyxAlignment HAlign() const { return static_cast<THVyxAlignment>(Data[6] & 7); }
    TVVyxAlignment VAlign() const;
    std::uint8_t Rotation() const { return Data[7]; }
    bool WrapText() const { return (Data[6] & 0x08) != 0; }
    TVyxDiagonalBorder DiagonalStyle() const { return static_cast<TVyxDiagonalBorder>(GetWord(Data, 12) >> 14); }
    int CellPattern() const { return static_cast<int>(GetCardinal(Data, 14) >> 26); }
    int CellFgColorIndex() const { return (GetWord(Data, 18) & 0x7F) - 7; }
    int CellBgColorIndex() const { return ((GetWord(Data, 18) >> 7) & 0x7F) - 7; }

    // Four bits of the byte (or 32-bit value) at aPos from FirstBit.
    TVyxBorderStyle GetBorderStyle(int aPos, int FirstBit) const;
    TVyxBorderStyle GetBorderStyleExt(int aPos, int FirstBit) const;
    // Seven bits of the 16-bit (or 32-bit) value at aPos from FirstBit as an
    // API colour index; file indexes of 7 and below give 1.
    int GetBorderColorIndex(int aPos, int FirstBit) const;
    int GetBorderColorIndexExt(int aPos, int FirstBit) const;
    // Locked, Hidden, Parent, WrapText, ShrinkToFit, Rotation and Indent.
    void FillMisc(TVyxFormat& Fmt) const;

    TVyxFormat VyxFormat(const TFontRecordList& FontList, TFormatRecordList& FormatList) const;
    // List position of the record's font; 0 when it lies outside the list.
    int GetActualFontIndex(const TFontRecordList& FontList) const;
    // Marks the API colour indexes this format draws with.
    void FillUsedColors(BooleanArray& UsedColors, const TFontRecordList& FontList) const;
};

class TXFRecordList : public TBaseRecordList {
public:
    TXFRecord* GetItems(int Index) const { return static_cast<TXFRecord*>(Items(Index)); }
    void SetItems(int Index, std::unique_ptr<TXFRecord> Record);
    int Add(std::unique_ptr<TXFRecord> Record) { return TBaseRecordList::Add(std::move(Record)); }
    void Insert(int Index, std::unique_ptr<TXFRecord> Record) { TBaseRecordList::Insert(Index, std::move(Record)); }

    // The first record with the same bytes as XF.
    [[nodiscard]] bool FindFormat(const TXFRecord& XF, int& Index) const;
    BooleanArray GetUsedColors(int ColorCount, const TFontRecordList& FontList) const;
};

// Number formats 0..49 that need no FORMAT record. Dates 14 and 22 follow
// the short date order and separators of Settings.
namespace xlsAdapter {
inline constexpr int BuiltInFormatCount = 50;
}
std::string BuiltInFormat(int Index, const TFormatSettings& Settings);
// The same with the user's locale settings.
std::string BuiltInFormat(int Index);
