// External references: the workbooks that formulas reach (SUPBOOK records,
// the file's own among them, each with its EXTERNNAME records) and the
// EXTERNSHEET table whose entries 3-D references name. The records are
// written back as read; the model answers the formula decoder's questions.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"

#include <string>
#include <vector>

class TWorkbookGlobals;

class TReferences {
public:
    void Clear();
    void AddSupBook(std::unique_ptr<TBaseRecord> Record);
    // Raises "Error reading Excel records. File invalid" before any SUPBOOK.
    void AddExternName(std::unique_ptr<TBaseRecord> Record);
    void AddExternRef(std::unique_ptr<TBaseRecord> Record);

    bool Empty() const { return FRecords.Count() == 0; }
    std::int64_t TotalSize() const { return FRecords.TotalSize(); }
    void SaveToStream(TOle2File& DataStream) { FRecords.SaveToStream(DataStream); }

    int ExternSheetCount() const { return static_cast<int>(FExternRefs.size()); }
    // The sheet of an entry of the file's own workbook that spans one sheet;
    // -1 otherwise.
    int GetSheet(int SheetRef) const;
    // The prefix of 3-D references through SheetRef: 'Sheet1'!, 'Sheet2:Sheet4'!
    // or 'C:\data\[x.xls]Sheet1'!; empty when the entry names no sheet.
    std::string GetSheetName(int SheetRef, const TWorkbookGlobals& Globals) const;
    // A defined name: SheetRef below 0 means the file's own names.
    std::string GetName(int SheetRef, int NameIndex, const TWorkbookGlobals& Globals) const;

private:
    struct TSupBook {
        bool Local = false;
        bool AddIn = false;
        int SheetCount = 0;
        std::u16string EncodedPath;
        std::vector<std::u16string> SheetNames;
        std::vector<std::u16string> ExternNames;

        std::u16string BookName() const;
        std::u16string SheetName(int SheetIndex, const TWorkbookGlobals& Globals) const;
    };
    struct TExternRef {
        int SupBook;
        int FirstSheet;
        int LastSheet;
    };

    const TExternRef& ExternRef(int SheetRef) const;

    TBaseRecordList FRecords;
    std::vector<TSupBook> FSupBooks;
    std::vector<TExternRef> FExternRefs;
    int FLocalSupBook = -1;
};

// The text of a NAME record's name.
std::u16string NameRecordText(const TBaseRecord& Record);
