// Defined names: the NAME record with its name, the sheet it belongs to and
// the formula it stands for.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorXlsFormulaContext.h"

#include <functional>
#include <string>
#include <vector>

class TNameRecord : public TBaseRecord {
public:
    // Refuses a record whose name or formula reaches past its data.
    TNameRecord(std::uint16_t aId, ByteArray aData);
    // A new name from Range: its formula text is written with every
    // reference absolute on sheet max(0, NameSheetIndex) unless it names
    // its own; NameSheetIndex is the sheet from 0, or -1 for a name of the
    // whole workbook. An empty formula makes a name without one.
    static std::unique_ptr<TNameRecord> CreateFromData(const TXlsNamedRange& Range, const std::u16string& SheetName,
                                                       xlsAdapter::TFormulaContext& CellList);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TNameRecord>(); }

    std::u16string Name() const;
    // The sheet of a name local to a sheet; -1 for a name of the workbook.
    int RangeSheet() const { return GetWord(Data, LocalSheetOffset) - 1; }
    std::uint16_t OptionFlags() const { return GetWord(Data, 0); }
    // Where the formula's tokens start; their count is the word at 4.
    int FormulaStart() const { return TextStart + NameBytes(); }
    int FormulaSize() const { return GetWord(Data, FormulaSizeOffset); }
    // The token count followed by the tokens, as the formula decoder reads them.
    ByteArray CountedFormula() const;

    // The area of a name whose formula is one 3-D cell or area reference;
    // -1 otherwise. RefersToSheet gives that reference's sheet
    // through GetSheet (external sheet index to sheet).
    int GetR1() const { return Bound(0); }
    int GetR2() const { return Bound(1); }
    int GetC1() const { return Bound(2); }
    int GetC2() const { return Bound(3); }
    int RefersToSheet(const std::function<int(int)>& GetSheet) const;
    // A 3-D cell reference first becomes a 3-D area; other formulas stay.
    void SetR1(int Value) { SetBound(0, Value); }
    void SetR2(int Value) { SetBound(1, Value); }
    void SetC1(int Value) { SetBound(2, Value); }
    void SetC2(int Value) { SetBound(3, Value); }

    // References into rows and columns inserted or deleted follow them; a
    // token that cannot be arranged raises "Error in Worksheet name".
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    // A name local to a sheet at or after FirstSheet follows it.
    void ArrangeInsertSheets(int FirstSheet, int SheetCount);
    // A copy of this name for the copy of its sheet, SheetInfo.InsSheet.
    std::unique_ptr<TNameRecord> ArrangeCopySheet(const TSheetInfo& SheetInfo) const;
    void RenumberNames(const std::vector<int>& NewIndex);
    // Raises unless every token of the formula can be arranged.
    void CheckArrangeable() const;

    static constexpr int FormulaSizeOffset = 4;
    static constexpr int LocalSheetOffset = 8;
    static constexpr int TextStart = 14;

private:
    int NameBytes() const;
    template <typename TArrange>
    void ArrangeTokens(TArrange Arrange);
    // Bound 0..3: first row, last row, first column, last column.
    int Bound(int Which) const;
    void SetBound(int Which, int Value);
};

// The workbook's names in file order.
class TNameRecordList : public TBaseRecordList {
public:
    TNameRecord* Items(int Index) const { return static_cast<TNameRecord*>(TBaseRecordList::Items(Index)); }

    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void CheckArrangeable() const;
    // SheetCount sheets inserted before BeforeSheet, copies of sheet CopyFrom
    // when it is 0 or more: the names of the source sheet are copied for
    // each new sheet (appended), and local names follow their sheets.
    // SheetInfo gives the source's sheet after the insertion (FormulaSheet)
    // and the external sheet table (GetSheet, SetSheet).
    void InsertSheets(int CopyFrom, int BeforeSheet, int SheetCount, const TSheetInfo& SheetInfo);
    // Drops the names local to the deleted sheets and moves the others;
    // gives each old position's new one (-1 for a dropped name), after
    // renumbering the name tokens of the names kept.
    std::vector<int> DeleteSheets(int SheetIndex, int SheetCount);
};
