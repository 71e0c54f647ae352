// External references: the workbooks that formulas reach (SUPBOOK records,
// the file's own among them, each with its EXTERNNAME records) and the
// EXTERNSHEET table whose entries 3-D references name. The table is written
// from this model, so formulas can add entries and sheets can move.
#pragma once

#include "xlsAdapter/qorUXlsSupBook.h"

#include <string>
#include <vector>

class TWorkbookGlobals;

class TReferences {
public:
    void Clear();
    void AddSupBook(std::unique_ptr<TBaseRecord> Record);
    // Raises "Error reading Excel records. File invalid" before any SUPBOOK.
    void AddExternName(std::unique_ptr<TBaseRecord> Record);
    // Reads the entries of an EXTERNSHEET record (across its CONTINUE
    // records); the record itself is rebuilt on saving.
    void AddExternRef(const TBaseRecord& Record);

    bool Empty() const { return FSupBooks.Count() == 0 && FExternRefs.Count() == 0; }
    // Position of the file's own SUPBOOK; -1 when there is none.
    int LocalSupBook() const { return FLocalSupBook; }
    const TSupBookRecordList& SupBooks() const { return FSupBooks; }
    const TExternRefList& ExternRefs() const { return FExternRefs; }
    std::int64_t TotalSize() const;
    void SaveToStream(TOle2File& DataStream) const;

    int ExternSheetCount() const { return FExternRefs.Count(); }
    // The sheet of an entry of the file's own workbook that spans one sheet;
    // -1 otherwise.
    int GetSheet(int SheetRef) const;
    // The entry of the file's own workbook for the one sheet Sheet, appended
    // when missing.
    int SetSheet(int Sheet);
    // The entry of the file's own workbook for FirstSheet..LastSheet, added
    // when missing, with the workbook's own SUPBOOK (for SheetCount sheets)
    // added first when there is none.
    int AddSheet(int SheetCount, int FirstSheet, int LastSheet);
    // The prefix of 3-D references through SheetRef: 'Sheet1'!, 'Sheet2:Sheet4'!
    // or 'C:\data\[x.xls]Sheet1'!; empty when the entry names no sheet.
    std::string GetSheetName(int SheetRef, const TWorkbookGlobals& Globals) const;
    // A defined name: SheetRef below 0 means the file's own names.
    std::string GetName(int SheetRef, int NameIndex, const TWorkbookGlobals& Globals) const;
    // SheetCount sheets inserted before BeforeSheet (negative: deleted from
    // it on): the entries of the own workbook follow their sheets, and
    // entries into deleted sheets name no sheet any more.
    void InsertSheets(int BeforeSheet, int SheetCount);

private:
    const TExternRef& ExternRef(int SheetRef) const;
    const TSupBookRecord& SupBook(int Index) const;
    int FindOrAddLocalRef(int FirstSheet, int LastSheet);

    TSupBookRecordList FSupBooks;
    TExternRefList FExternRefs;
    int FLocalSupBook = -1;
};
