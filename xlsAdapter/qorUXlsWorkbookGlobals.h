// The globals section of a workbook: shared strings, formats, fonts, the
// palette, the sheet directory, names and every other workbook record, kept
// in file order and written back with an exact size known beforehand.
#pragma once

#include "xlsAdapter/qorUSheetNameList.h"
#include "xlsAdapter/qorUXlsEscher.h"
#include "xlsAdapter/qorUXlsGlobalsKeptRecords.h"
#include "xlsAdapter/qorUXlsNameRecord.h"
#include "xlsAdapter/qorUXlsReferences.h"
#include "xlsAdapter/qorUXlsSST.h"
#include "xlsAdapter/qorUXlsSections.h"
#include "xlsAdapter/qorUXlsXF.h"

#include <string>
#include <string_view>
#include <vector>

class TWindow1Record;
class T1904Record;
class TBookBoolRecord;
class TPrecisionRecord;
class TPaletteRecord;

enum TXlsSheetVisible : std::uint8_t { sv_Visible, sv_Hidden, sv_VeryHidden };

// The BOUNDSHEET records in sheet order, with their names kept sorted for
// duplicate checks and unique naming.
class TBoundSheetList {
public:
    int Count() const { return FBoundSheets.Count(); }
    TBoundSheetRecord* BoundSheets(int Index) const;
    void Clear();
    // Raises "Sheet name already exists" for a name already used.
    void Add(std::unique_ptr<TBoundSheetRecord> aRecord);
    void InsertSheet(int BeforeSheet, std::uint16_t OptionFlags, std::u16string_view SheetName);
    void DeleteSheet(int SheetIndex);
    void Rename(int SheetIndex, std::u16string_view NewName);
    void SaveToStream(TOle2File& DataStream) { FBoundSheets.SaveToStream(DataStream); }
    void SaveRangeToStream(TOle2File& DataStream, int SheetIndex);
    std::int64_t TotalSize() const { return FBoundSheets.TotalSize(); }
    std::int64_t TotalRangeSize(int SheetIndex) const;

private:
    void CheckIndex(int SheetIndex) const;

    TSheetNameList FSheetNames;
    TBaseRecordList FBoundSheets;
};

class TWorkbookGlobals : public TBaseSection {
public:
    TWorkbookGlobals() = default;

    void Clear() override;
    std::int64_t TotalSize() const override;
    std::int64_t TotalRangeSize(int SheetIndex, const TXlsCellRange& CellRange) const override;
    // Loads into its own string table; the SST argument is not used.
    void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBOFRecord> First,
                        TSST* SST) override;
    void SaveToStream(TOle2File& DataStream) override;
    void SaveRangeToStream(TOle2File& DataStream, int SheetIndex, const TXlsCellRange& CellRange) override;

    TSST& SST() { return FSST; }
    TDrawingGroup& DrawingGroup() { return FDrawingGroup; }
    TXFRecordList& XF() { return FXF; }
    TFontRecordList& Fonts() { return FFonts; }
    TFormatRecordList& Formats() { return FFormats; }
    const TNameRecordList& Names() const { return FNames; }
    TNameRecordList& Names() { return FNames; }

    // Defined names. A valid name is 1 to 254 characters that do not read
    // as a cell reference; a one-character name of code 13 or below is
    // built in and gets OptionFlags 0x0020.
    static bool IsValidRangeName(std::string_view Name, std::int32_t& OptionFlags);
    // Replaces the name of the same text (ignoring case) and sheet, or
    // appends a new one; an invalid new name raises "Invalid named range".
    // CellList is the context its formula is written in.
    void AddName(const TXlsNamedRange& Range, xlsAdapter::TFormulaContext& CellList);
    // The last name of sheet (-1: of the workbook) with the text aName
    // ignoring case, or null; FindName gives its position, or -1.
    TNameRecord* GetName(int sheet, std::string_view aName) const;
    int FindName(int sheet, std::u16string_view aName) const;
    // A built-in name drops the COUNTRY record.
    void CheckInternalNames(std::int32_t OptionFlags);
    void DeleteCountry();
    const TReferences& References() const { return FReferences; }
    TReferences& References() { return FReferences; }
    bool HasMacro() const { return FHasMacro; }
    bool IsXltTemplate() const { return FIsXltTemplate; }
    void SetIsXltTemplate(bool Value) { FIsXltTemplate = Value; }
    std::u16string CodeName() const { return FCodeName; }

    // Sheet directory.
    int SheetCount() const { return FBoundSheets.Count(); }
    void SheetSetOffset(int index, std::uint32_t Offset);
    std::u16string GetSheetName(int index) const;
    // The name is made valid first; a name already used raises.
    void SetSheetName(int index, std::u16string_view Value);
    TXlsSheetVisible GetSheetVisible(int index) const;
    void SetSheetVisible(int index, TXlsSheetVisible Value);
    std::uint16_t GetSheetOptionFlags(int index) const;
    void SetFirstSheetVisible(int index);
    void InsertSheets(int CopyFrom, int BeforeSheet, std::uint16_t OptionFlags, std::u16string_view Name,
                      int SheetCount);
    // Gives each old name position's new one (-1 for a name dropped with
    // its sheet), for the name tokens of the sheets' formulas.
    std::vector<int> DeleteSheets(int SheetIndex, int SheetCount);
    // The context of an operation on sheet InsSheet for formulas on sheet
    // FormulaSheet, with the external sheet table and the names.
    TSheetInfo SheetInfoFor(int InsSheet, int FormulaSheet);

    // Window and options; without their records these read 0 or False and
    // writes are ignored.
    int ActiveSheet() const;
    void SetActiveSheet(int Value);
    bool Is1904() const;
    void SetIs1904(bool Value);
    bool PrecisionAsDisplayed() const;
    void SetPrecisionAsDisplayed(bool Value);
    bool SaveExternalLinkValues() const;
    void SetSaveExternalLinkValues(bool Value);

    // Colours are 0x00BBGGRR; Index 0..55 is file colour index Index + 8.
    std::uint32_t GetColorPalette(int Index) const;
    void SetColorPalette(int Index, std::uint32_t Value);

private:
    void Dispatch(std::unique_ptr<TBaseRecord> Record);
    void AddPlaceHolder(TBaseRecordList& List);
    template <typename Write>
    void SaveSequence(TOle2File& DataStream, Write WriteBoundSheets, bool WithDrawingGroup);

    TSST FSST;
    TReferences FReferences;
    TBoundSheetList FBoundSheets;
    TBaseRecordList FMiscRecords;
    TNameRecordList FNames;
    TDrawingGroup FDrawingGroup;
    TWindow1Record* FWindow1 = nullptr;
    T1904Record* F1904 = nullptr;
    TBookBoolRecord* FBookBool = nullptr;
    TPrecisionRecord* FPrecision = nullptr;
    TXFRecordList FXF;
    TFontRecordList FFonts;
    TFormatRecordList FFormats;
    TPaletteRecord* FPaletteCache = nullptr;
    int FPaletteIndex = 0;
    bool FHasMacro = false;
    bool FIsXltTemplate = false;
    std::u16string FCodeName;
};
