// Cell comments: the NOTE record naming the cell and the drawing object
// whose text box holds the text, and the sheet's notes kept row by row.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUVyxDrawingTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t NOTE = 0x001C;
} // namespace xlsAdapter::xlr

class TDrawing;
class TEscherClientDataRecord;
class TSheet;

class TNoteRecord : public TBaseRowColRecord {
public:
    TNoteRecord(std::uint16_t aId, ByteArray aData);
    // Removes its comment shape from the drawing.
    ~TNoteRecord() override;
    // A new note with its comment shape (box at Properties) and text.
    static std::unique_ptr<TNoteRecord> CreateFromData(int aRow, int aCol, std::u16string_view aTxt,
                                                       TDrawing& Drawing, const TImageProperties& Properties,
                                                       TSheet* sSheet);
    // The copy shares the drawing object until it is arranged.
    std::unique_ptr<TBaseRecord> DoCopyTo() const override;

    // The client data record of the comment's shape; not owned.
    TEscherClientDataRecord* Dwg = nullptr;
    std::uint16_t ObjId() const { return GetWord(Data, 6); }

    std::u16string Text() const;
    void SetText(std::u16string_view Value);
    // A copy placed RowOffset rows and ColOffset columns away gets a shape
    // of its own.
    void ArrangeCopyRowsAndCols(int RowOffset, int ColOffset) override;
    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                  const TSheetInfo& SheetInfo) override;
    void FixDwgIds(const TDrawing& Drawing);
    // Forgets the shape without touching it (its drawing is going away).
    void DetachDwg() { Dwg = nullptr; }
};

// The notes of one row, by column.
class TNoteRecordList : public TBaseRowColRecordList {
public:
    TNoteRecord* Items(int Index) const { return static_cast<TNoteRecord*>(TBaseRowColRecordList::Items(Index)); }
    void FixDwgIds(const TDrawing& Drawing);
};

// The notes of a worksheet, one list per row.
class TNoteList {
public:
    int Count() const { return static_cast<int>(FRows.size()); }
    // The notes of a row; null past the last row with notes.
    TNoteRecordList* Row(int aRow) const;
    void Clear() { FRows.clear(); }
    void AddRecord(std::unique_ptr<TNoteRecord> aRecord, int aRow);
    void AddNewComment(int Row, int Col, std::u16string_view Txt, TDrawing& Drawing,
                       const TImageProperties& Properties, TSheet* sSheet);
    // The note on a cell, null when none; Index is its place in the row.
    TNoteRecord* Find(int aRow, int aCol, int& Index) const;
    void Delete(int aRow, int Index);
    void FixDwgIds(const TDrawing& Drawing);
    // Copies of every note; their shapes are found again with FixDwgIds.
    void CopyFrom(const TNoteList& aList);
    // Every note forgets its shape: the drawing is freed with them.
    void DetachDwgs();

    void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount, const TSheetInfo& SheetInfo);
    void InsertAndCopyRows(int FirstRow, int LastRow, int DestRow, int aCount, const TSheetInfo& SheetInfo);
    void InsertAndCopyCols(int FirstCol, int LastCol, int DestCol, int aCount, const TSheetInfo& SheetInfo);
    // Notes on deleted cells go with their shapes.
    void DeleteRows(int aRow, int aCount, const TSheetInfo& SheetInfo);
    void DeleteCols(int aCol, int aCount, const TSheetInfo& SheetInfo);

    void SaveToStream(TOle2File& DataStream);
    void SaveRangeToStream(TOle2File& DataStream, const TXlsCellRange& CellRange);
    std::int64_t TotalSize() const;
    std::int64_t TotalRangeSize(const TXlsCellRange& CellRange) const;

private:
    TNoteRecordList& EnsureRow(int aRow);
    std::vector<std::unique_ptr<TNoteRecordList>> FRows;
};
