// The common base of the workbook's sections: the globals and each sheet,
// each from its BOF record to its EOF record.
#pragma once

#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsOtherRecords.h"

#include <cstdint>
#include <memory>

class TOle2File;
class TSST;

class TBaseSection {
public:
    TBaseSection() = default;
    virtual ~TBaseSection() = default;
    TBaseSection(const TBaseSection&) = delete;
    TBaseSection& operator=(const TBaseSection&) = delete;

    virtual void Clear();
    // Bytes SaveToStream writes, record headers included.
    virtual std::int64_t TotalSize() const;
    virtual std::int64_t TotalRangeSize(int SheetIndex, const TXlsCellRange& CellRange) const;
    // Reads the section whose BOF (First) the caller has read; RecordHeader
    // holds the next header and, afterwards, the header after the EOF.
    virtual void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                std::unique_ptr<TBOFRecord> First, TSST* SST) = 0;
    virtual void SaveToStream(TOle2File& DataStream) = 0;
    virtual void SaveRangeToStream(TOle2File& DataStream, int SheetIndex, const TXlsCellRange& CellRange) = 0;

protected:
    // Raises "A section of the workbook is not loaded" without BOF or EOF.
    void CheckLoaded() const;

    std::unique_ptr<TBOFRecord> FBOF;
    std::unique_ptr<TEOFRecord> FEOF;
};
