// Sheet sections: the sheet base and the sheet kept record by record.
// Worksheets and chart sheets are kept the same way until their own models
// parse them.
#pragma once

#include "xlsAdapter/qorUVyxFormats.h"
#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsSections.h"

#include <memory>
#include <string>
#include <string_view>

class TWorkbookGlobals;
class TWindow2Record;
class TWorkSheet;
class TPageHeaderFooterRecord;
class TSCLRecord;
class TMarginRecord;
class TSetupRecord;
class TCodeNameRecord;

class TSheet : public TBaseSection {
public:
    explicit TSheet(TWorkbookGlobals* aWorkbookGlobals) : FWorkbookGlobals(aWorkbookGlobals) {}

    // Forgets the linked records; the records stay in their lists.
    void Clear() override;
    // BOF, EOF and CODENAME.
    std::int64_t TotalSize() const override;
    std::int64_t TotalRangeSize(int SheetIndex, const TXlsCellRange& CellRange) const override;

    // A copy of the same class on the same globals, without a code name.
    virtual std::unique_ptr<TSheet> DoCopyTo() const = 0;
    static std::unique_ptr<TSheet> CopyTo(const TSheet* Sheet);

    virtual void InsertAndCopyRowsAndCols(int FirstRow, int LastRow, int DestRow, int aRowCount, int FirstCol,
                                          int LastCol, int DestCol, int aColCount, const TSheetInfo& SheetInfo,
                                          bool OnlyFormulas) = 0;
    virtual void DeleteRowsAndCols(int aRow, int aRowCount, int aCol, int aColCount, const TSheetInfo& SheetInfo) = 0;
    virtual void ArrangeInsertRowsAndCols(int InsRowPos, int InsRowCount, int InsColPos, int InsColCount,
                                          const TSheetInfo& SheetInfo) = 0;
    virtual void ArrangeCopySheet(const TSheetInfo&) {}
    virtual void InsertHPageBreak(int) {}
    virtual void InsertVPageBreak(int) {}
    virtual std::int64_t FixTotalSize(bool) { return TotalSize(); }
    virtual void RestoreObjectCoords() {}
    virtual void FixRows() {}

    // This sheet when it is a worksheet, else null; cheaper than a cast on
    // paths that run once per cell.
    virtual TWorkSheet* AsWorkSheet() { return nullptr; }

    // The WINDOW2 selection flag; False for a sheet without WINDOW2.
    bool Selected() const;
    void SetSelected(bool Value);
    std::u16string CodeName() const;
    void SetCodeName(std::u16string_view Value);
    // Page header and footer texts with their codes, as stored; empty and
    // unchangeable on a sheet without the record.
    std::u16string PageHeader() const;
    void SetPageHeader(std::u16string_view Value);
    std::u16string PageFooter() const;
    void SetPageFooter(std::u16string_view Value);
    // The zoom in per cent; 100 without an SCL record.
    int SheetZoom() const;
    // Missing margin records are created; header and footer margins need
    // the sheet's SETUP record.
    TXlsMargins Margins() const;
    void SetMargins(const TXlsMargins& Value);

protected:
    // Remembers records the sheet reaches directly.
    void LinkRecord(TBaseRecord* Record);
    // The list that holds the sheet's header, footer and page setup records.
    virtual TBaseRecordList& PrintRecords() = 0;
    // Inserts a new page setup record into PrintRecords and links it.
    virtual void InsertPrintRecord(int At, std::unique_ptr<TBaseRecord> Record);
    // Saves BOF, the records, CODENAME and EOF.
    void SaveSection(TOle2File& DataStream, TBaseRecordList& Records) const;
    void CopySectionTo(TSheet& Copy) const;

    TWorkbookGlobals* FWorkbookGlobals;
    TWindow2Record* FWindow2 = nullptr;
    TPageHeaderFooterRecord* FPageHeader = nullptr;
    TPageHeaderFooterRecord* FPageFooter = nullptr;
    TSCLRecord* FZoom = nullptr;
    TMarginRecord* FLeftMargin = nullptr;
    TMarginRecord* FRightMargin = nullptr;
    TMarginRecord* FTopMargin = nullptr;
    TMarginRecord* FBottomMargin = nullptr;
    TSetupRecord* FSetup = nullptr;
    std::unique_ptr<TCodeNameRecord> FCodeName;

private:
    // A new margin record after the last margin, VCENTER or
    // DEFAULTROWHEIGHT record of the sheet's own print records.
    TMarginRecord* AddMarginRecord(std::uint16_t Id);
    void SetHeaderFooterText(TPageHeaderFooterRecord* Record, std::u16string_view Value);
};

// A sheet whose records are all kept and written back as read; label
// records follow the shared string table.
class TVyxUnsupportedSheet : public TSheet {
public:
    using TSheet::TSheet;

    void Clear() override;
    std::int64_t TotalSize() const override;
    std::int64_t TotalRangeSize(int SheetIndex, const TXlsCellRange& CellRange) const override;
    void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBOFRecord> First,
                        TSST* SST) override;
    void SaveToStream(TOle2File& DataStream) override;
    void SaveRangeToStream(TOle2File& DataStream, int SheetIndex, const TXlsCellRange& CellRange) override;
    std::unique_ptr<TSheet> DoCopyTo() const override;

    void InsertAndCopyRowsAndCols(int, int, int, int, int, int, int, int, const TSheetInfo&, bool) override {}
    void DeleteRowsAndCols(int, int, int, int, const TSheetInfo&) override {}
    void ArrangeInsertRowsAndCols(int, int, int, int, const TSheetInfo&) override {}

    const TBaseRecordList& SheetRecords() const { return FSheetRecords; }

protected:
    TBaseRecordList& PrintRecords() override { return FSheetRecords; }

private:
    TBaseRecordList FSheetRecords;
};
