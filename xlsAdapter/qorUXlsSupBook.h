// The records of external references: a SUPBOOK names one workbook that
// formulas reach (the file's own, an add-in or another file) and owns the
// EXTERNNAME records that follow it; the EXTERNSHEET table's entries name a
// SUPBOOK and a first and last sheet in it.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"

#include <string>
#include <vector>

class TWorkbookGlobals;

// EXTERNNAME: byte 6 the character count, byte 7 bit 0 for 16-bit
// characters, the characters from byte 8.
class TExternNameRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TExternNameRecord>(); }

    std::uint8_t NameLength() const;
    std::u16string Name() const;
};

class TExternNameRecordList : public TBaseRecordList {
public:
    TExternNameRecord* Items(int Index) const { return static_cast<TExternNameRecord*>(TBaseRecordList::Items(Index)); }
    int Add(std::unique_ptr<TExternNameRecord> Record) { return TBaseRecordList::Add(std::move(Record)); }
};

// SUPBOOK: the sheet count, then either a mark (the file's own workbook, an
// add-in) or the encoded path of the book and its sheet names.
class TSupBookRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    // The file's own workbook with SheetCount sheets.
    static std::unique_ptr<TSupBookRecord> CreateEmpty(int SheetCount);
    // A copy brings copies of the external names.
    std::unique_ptr<TBaseRecord> DoCopyTo() const override;

    // Reads the path and the sheet names once the record has its CONTINUE
    // records; a record that ends early is refused with its offset.
    void LoadNames();

    bool IsLocal() const;
    bool IsAddIn() const;
    int SheetCount() const;
    // The book's path, decoded; empty for the own workbook and add-ins.
    std::u16string BookName() const;
    // The name of a sheet of the book; empty outside 0 .. SheetCount - 1.
    std::u16string SheetName(int SheetIndex, const TWorkbookGlobals& Globals) const;

    void AddExternName(std::unique_ptr<TExternNameRecord> ExternNameRecord);
    const TExternNameRecordList& ExternNames() const { return FExternNameList; }
    // SheetCount sheets more (fewer when negative) in the own workbook.
    void InsertSheets(int SheetCount);

    // The record followed by its external names.
    void SaveToStream(TOle2File& Workbook) override;
    int TotalSize() const override;
    int TotalSizeNoHeaders() const override;

private:
    TExternNameRecordList FExternNameList;
    std::u16string FEncodedPath;
    std::vector<std::u16string> FSheetNames;
};

class TSupBookRecordList : public TBaseRecordList {
public:
    TSupBookRecord* Items(int Index) const { return static_cast<TSupBookRecord*>(TBaseRecordList::Items(Index)); }
    int Add(std::unique_ptr<TSupBookRecord> Record) { return TBaseRecordList::Add(std::move(Record)); }
    // Summed afresh: a SUPBOOK grows with the names added after it.
    std::int64_t GetTotalSize() const override;
};

// EXTERNSHEET as read; the table itself is rebuilt from TExternRefList on saving.
class TExternSheetRecord : public TBaseRecord {
public:
    using TBaseRecord::TBaseRecord;
    std::unique_ptr<TBaseRecord> DoCopyTo() const override { return CopyAs<TExternSheetRecord>(); }
};

// One entry of the EXTERNSHEET table; 0xFFFF as a sheet marks a deleted one.
class TExternRef {
public:
    TExternRef(int aSupBookRecord, int aFirstSheet, int aLastSheet)
        : SupBookRecord(aSupBookRecord), FirstSheet(aFirstSheet), LastSheet(aLastSheet)
    {
    }
    void SaveToStream(TOle2File& DataStream) const;

    int SupBookRecord;
    int FirstSheet;
    int LastSheet;
};

class TExternRefList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    const TExternRef& Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)); }
    int Add(const TExternRef& Ref);
    void Clear() { FItems.clear(); }
    // Appends the entries of an EXTERNSHEET record (a TExternSheetRecord), read across its CONTINUE records.
    void Load(const TBaseRecord& aRecord);
    // The entries of the own workbook (LocalSupBook) follow SheetCount sheets
    // inserted before BeforeSheet (deleted from it when negative); entries into
    // deleted sheets name no sheet any more. Nothing changes when it fails.
    void InsertSheets(int BeforeSheet, int SheetCount, int LocalSupBook);
    // The table in records of at most 1370 entries: EXTERNSHEET with the
    // count, then CONTINUE records.
    void SaveToStream(TOle2File& DataStream) const;
    std::int64_t TotalSize() const;

private:
    std::vector<TExternRef> FItems;
};
