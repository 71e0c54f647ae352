// The BIFF records that carry a drawing shape's client data (the OBJ or TXO
// record that follows a client-data Escher record).
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <cstdint>
#include <memory>

class TOle2File;
class TSST;

// Which client data a drawing waits for after its current carrier.
enum class TClientDataType { None, Obj, Txo };

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t OBJ = 0x005D;
inline constexpr std::uint16_t TXO = 0x01B6;
} // namespace xlsAdapter::xlr

// The BIFF record id that must carry client data of that type.
std::uint16_t ClientDataRecordId(TClientDataType Type);

class TBaseClientData {
public:
    virtual ~TBaseClientData() = default;

    // Records that followed the client data's last record but belong to the
    // drawing again; the drawing continues loading from them.
    std::unique_ptr<TBaseRecord> RemainingData;

    virtual std::uint16_t Id() const { return 0; }
    virtual void SetId(std::uint16_t) {}
    // Takes the next free object id, raising MaxId to it.
    virtual void ArrangeId(std::uint16_t& MaxId) { (void)MaxId; }
    virtual void Clear() = 0;
    virtual std::unique_ptr<TBaseClientData> CopyTo() const = 0;
    // Loads from First (owned from now on), reading any further records
    // from DataStream; RecordHeader holds the next header afterwards.
    virtual void LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader, std::unique_ptr<TBaseRecord> First,
                                TSST& SST) = 0;
    virtual void SaveToStream(TOle2File& DataStream) = 0;
    // Bytes SaveToStream writes, BIFF headers included.
    virtual std::int64_t TotalSize() const = 0;
    virtual void ArrangeCopyRowsAndCols(int RowOfs, int ColOfs) { (void)RowOfs, (void)ColOfs; }
    virtual void ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                          const TSheetInfo& SheetInfo) = 0;
    virtual void ArrangeCopySheet(const TSheetInfo& SheetInfo) = 0;
};
