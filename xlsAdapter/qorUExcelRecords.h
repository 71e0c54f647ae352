// The in-memory workbook: its globals and its sheets, read from and written
// to the Workbook stream, and the operations that reach several sections.
#pragma once

#include "xlsAdapter/qorUXlsSheet.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include <memory>
#include <vector>

class TSheetList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TSheet* GetItems(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    void SetItems(int Index, std::unique_ptr<TSheet> Sheet) { FItems.at(static_cast<std::size_t>(Index)) = std::move(Sheet); }
    int Add(std::unique_ptr<TSheet> Sheet);
    void Insert(int Index, std::unique_ptr<TSheet> Sheet);
    void Clear() { FItems.clear(); }

    // The changed sheet moves its cells; every other sheet moves its
    // references into the changed sheet.
    void InsertAndCopyRowsAndCols(int FirstRow, int LastRow, int DestRow, int aRowCount, int FirstCol, int LastCol,
                                  int DestCol, int aColCount, TSheetInfo SheetInfo, bool OnlyFormulas);
    void DeleteRowsAndCols(int aRow, int aRowCount, int aCol, int aColCount, TSheetInfo SheetInfo);
    void DeleteSheets(int SheetIndex, int SheetCount);
    void SaveToStream(TOle2File& DataStream);

private:
    std::vector<std::unique_ptr<TSheet>> FItems;
};

class TWorkbook {
public:
    TWorkbook();
    ~TWorkbook();
    TWorkbook(const TWorkbook&) = delete;
    TWorkbook& operator=(const TWorkbook&) = delete;

    TWorkbookGlobals& Globals() { return *FGlobals; }
    TSheetList& Sheets() { return FSheets; }
    bool IsXltTemplate() const { return FGlobals->IsXltTemplate(); }
    int ActiveSheet() const { return FGlobals->ActiveSheet(); }
    // Selects that sheet alone.
    void SetActiveSheet(int Value);

    // Reads the selected stream from its current position. After a failure
    // the sections read so far stay; callers discard the workbook.
    void LoadFromStream(TOle2File& DataStream);
    void SaveToStream(TOle2File& DataStream, bool NeedsRecalc);
    void SaveRangeToStream(TOle2File& DataStream, int SheetIndex, const TXlsCellRange& CellRange, bool NeedsRecalc);

    void InsertAndCopyRowsAndCols(int SheetNo, int FirstRow, int LastRow, int DestRow, int aRowCount, int FirstCol,
                                  int LastCol, int DestCol, int aColCount, bool OnlyFormulas);
    void DeleteRowsAndCols(int SheetNo, int aRow, int aRowCount, int aCol, int aColCount);
    void InsertSheets(int CopyFrom, int InsertBefore, int SheetCount);
    void DeleteSheets(int SheetPos, int SheetCount);
    void InsertHPageBreak(int SheetNo, int aRow) { CheckedSheet(SheetNo).InsertHPageBreak(aRow); }
    void InsertVPageBreak(int SheetNo, int aCol) { CheckedSheet(SheetNo).InsertVPageBreak(aCol); }
    void RestoreObjectCoords(int dSheet) { CheckedSheet(dSheet).RestoreObjectCoords(); }

private:
    void FixCodeNames();
    void FixAllRows();
    void FixBoundSheetOffsets(bool NeedsRecalc);
    // Refuses to save when a hidden sheet is selected or no sheet is shown;
    // the lowest visible sheet becomes the first tab shown.
    void CheckVisibleSheets();
    TSheet& CheckedSheet(int SheetNo);
    TSheetInfo SheetInfoFor(int Sheet) const;
    // Refuses, before anything changes, an operation that would stop half
    // way on a formula or name whose tokens cannot be arranged.
    void CheckFormulasCanMove() const;

    std::unique_ptr<TWorkbookGlobals> FGlobals;
    TSheetList FSheets;
};
