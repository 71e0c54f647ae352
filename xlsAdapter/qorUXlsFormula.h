// Formula cells: the FORMULA record with its token array and last result,
// and the records that travel with it (ARRAY or TABLE, the first cell's
// SHRFMLA, the STRING of a text result), kept in their order.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TFormulaRecord : public TCellRecord {
public:
    // Reads the cached result and asks for a recalculation on load.
    TFormulaRecord(std::uint16_t aId, ByteArray aData);
    // A new formula cell: Tokens as the encoder writes them (count, tokens,
    // extra data) and Value as its last result (an empty value for none; a
    // date in a 1904-based workbook is stored 1462 days less).
    static std::unique_ptr<TFormulaRecord> CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF,
                                                          std::span<const std::uint8_t> Tokens, const Variant& aValue,
                                                          bool Options1904);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override;

    Variant GetValue() const override { return FormulaValue; }
    // Stores v as the last result: a number, date, Boolean or text (with
    // the STRING record a text result needs); an empty value stores none.
    // Other kinds raise "Invalid cell value" and change nothing.
    void SetFormulaValue(const Variant& v, bool Options1904 = false);

    // The token array: its byte count sits at TokenStart - 2.
    static constexpr int TokenStart = 22;

    TBaseRecord* ArrayRecord() const { return FArrayRecord.get(); }
    TBaseRecord* TableRecord() const { return FTableRecord.get(); }
    void SetArrayRecord(std::unique_ptr<TBaseRecord> Value) { FArrayRecord = std::move(Value); }
    void SetTableRecord(std::unique_ptr<TBaseRecord> Value) { FTableRecord = std::move(Value); }
    // A SHRFMLA or STRING record that followed this one in the file; a
    // STRING record gives a text result its text.
    void AddFollower(std::unique_ptr<TBaseRecord> Record);

    // A formula whose tokens are only an anchor to a shared formula gives
    // that formula's key: (column << 16) | row of the cell that holds it.
    bool IsExp(std::uint32_t& Key) const;
    // Takes over a shared formula's tokens (the SHRFMLA record's data) for
    // this cell.
    void MixShared(std::span<const std::uint8_t> SharedData);
    // The SHRFMLA record that followed this formula in the file, taken away:
    // shared formulas are expanded on load and never written.
    std::unique_ptr<TBaseRecord> TakeSharedFormula();

    // The cell moves with its sheet and its references follow the rows and
    // columns inserted or deleted; a token that cannot be arranged raises
    // "Formula at Row %d, column %d is not supported" and changes nothing.
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                  const TSheetInfo& SheetInfo) override;
    // A copy placed RowOffset rows and ColOffset columns away: relative
    // references move with it.
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset) override;
    // In a copy of a sheet: references to the source sheet and its names
    // point at the copy.
    void ArrangeCopySheet(const TSheetInfo& SheetInfo);
    // Raises, naming the cell, unless every token can be arranged.
    void CheckArrangeable() const;
    // Name tokens renumbered after names were deleted: NewIndex maps each
    // old position to the new one.
    void RenumberNames(const std::vector<int>& NewIndex);

    void SaveToStream(TOle2File& Workbook) override;
    int TotalSize() const override;
    int TotalSizeNoHeaders() const override;

    // Attaches the ARRAY or TABLE record that follows a FORMULA record.
    static void AttachCompanion(TBaseRecord& Owner, std::unique_ptr<TBaseRecord> Companion);

private:
    bool HasTextResult() const;
    std::size_t TokenEnd() const { return TokenStart + GetWord(Data, TokenStart - 2); }
    // Runs Arrange over the tokens, turning a token error into one naming the cell.
    template <typename TArrange>
    void ArrangeTokens(TArrange Arrange);
    void DropStringRecord();

    Variant FormulaValue;
    std::unique_ptr<TBaseRecord> FArrayRecord;
    std::unique_ptr<TBaseRecord> FTableRecord;
    std::vector<std::unique_ptr<TBaseRecord>> FFollowers;
};
