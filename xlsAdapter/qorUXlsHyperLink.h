// Hyperlinks of a worksheet: the HLINK record with its optional screen tip,
// the translation between its bytes and the file interface's THyperLink,
// and the sheet's list of links that follows inserted, copied and deleted
// rows and columns.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorUVyxMessages.h"

#include <memory>
#include <vector>

class TOle2File;

// The HLINKTOOLTIP record: the range of its link and the tip text.
class TScreenTipRecord : public TBaseRecord {
public:
    TScreenTipRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<TScreenTipRecord> CreateNew(std::u16string_view aDescription);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TScreenTipRecord>(); }

    std::uint16_t FirstRow() const { return GetWord(Data, 2); }
    std::uint16_t LastRow() const { return GetWord(Data, 4); }
    std::uint16_t FirstCol() const { return GetWord(Data, 6); }
    std::uint16_t LastCol() const { return GetWord(Data, 8); }
    void SetRange(std::uint16_t aFirstRow, std::uint16_t aLastRow, std::uint16_t aFirstCol, std::uint16_t aLastCol);
    std::u16string Text() const;
    void SetText(std::u16string_view Value);
};

class THLinkRecord : public TBaseRecord {
public:
    THLinkRecord(std::uint16_t aId, ByteArray aData);
    static std::unique_ptr<THLinkRecord> CreateNew(const TXlsCellRange& CellRange, const THyperLink& HLink);
    // Keeps a screen tip read right after the link.
    static void AttachCompanion(TBaseRecord& Owner, std::unique_ptr<TBaseRecord> Companion);
    std::unique_ptr<TBaseRecord> DoCopyTo() const override;

    std::unique_ptr<TScreenTipRecord> Hint;
    void AddHint(std::unique_ptr<TScreenTipRecord> aHint) { Hint = std::move(aHint); }

    std::uint16_t FirstRow() const { return GetWord(Data, 0); }
    std::uint16_t LastRow() const { return GetWord(Data, 2); }
    std::uint16_t FirstCol() const { return GetWord(Data, 4); }
    std::uint16_t LastCol() const { return GetWord(Data, 6); }
    std::uint16_t OptionFlags() const { return GetWord(Data, 28); }
    void SetOptionFlags(std::uint16_t Value) { SetWord(Data, 28, Value); }

    // The link as the file interface sees it. Reading refuses a link whose
    // strings or moniker run past the record.
    THyperLink GetProperties() const;
    void SetProperties(const THyperLink& Value);
    TXlsCellRange GetCellRange() const;
    void SetCellRange(const TXlsCellRange& CellRange);

    void SaveToStream(TOle2File& Workbook) override;
    int TotalSize() const override;
    int TotalSizeNoHeaders() const override;
    bool Intersects(const TXlsCellRange& CellRange) const;
    bool Inside(const TXlsCellRange& CellRange) const;
    void SaveRangeToStream(TOle2File& Workbook, const TXlsCellRange& CellRange);
    int TotalRangeSize(const TXlsCellRange& CellRange) const;

    // Rows (columns) at or after the range's top (left) move by the counts
    // times its height (width), for links across the range's columns (rows);
    // negative counts delete.
    void ArrangeInsertRange(const TXlsCellRange& CellRange, int aRowCount, int aColCount, const TSheetInfo& SheetInfo);
    THLinkRecord& Offset(int DeltaRow, int DeltaCol);
};

class THLinkList {
public:
    THLinkList() = default;
    THLinkList(const THLinkList&) = delete;
    THLinkList& operator=(const THLinkList&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    THLinkRecord* operator[](int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    void Add(std::unique_ptr<THLinkRecord> Record);
    void Delete(int Index);
    void Clear() { FItems.clear(); }
    bool Sorted = false;
    // By first row, then first column.
    void Sort();

    void CopyFrom(const THLinkList& aHLinkList);
    void CopyObjectsFrom(const THLinkList* aHLinkList, const TXlsCellRange& CopyRange, int RowOfs, int ColOfs);
    void SaveToStream(TOle2File& DataStream);
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange);
    std::int64_t TotalSize() const;
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const;

    // aRowCount copies of SourceRange's rows were inserted at DestRow (or
    // aColCount copies of its columns at DestCol).
    void InsertAndCopyRange(const TXlsCellRange& SourceRange, int DestRow, int DestCol, int aRowCount, int aColCount,
                            const TSheetInfo& SheetInfo);
    // CellRange, repeated aRowCount times down (aColCount times right), was
    // deleted.
    void DeleteRange(const TXlsCellRange& CellRange, int aRowCount, int aColCount, const TSheetInfo& SheetInfo);

private:
    std::vector<std::unique_ptr<THLinkRecord>> FItems;
};
