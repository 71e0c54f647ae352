// Globals records that are kept as read until their model exists: the
// drawing group (MSODRAWINGGROUP), written back in its place among the
// globals, changed only by the ids of copied sheets' drawings; and the ids of the external-reference records.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t SUPBOOK = 0x01AE;
inline constexpr std::uint16_t EXTERNNAME = 0x0023;
inline constexpr std::uint16_t EXTERNSHEET = 0x0017;
inline constexpr std::uint16_t NAME = 0x0018;
inline constexpr std::uint16_t MSODRAWINGGROUP = 0x00EB;
} // namespace xlsAdapter::xlr

class TKeptDrawingGroup {
public:
    void Clear() { FRecords.Clear(); }
    void LoadFromStream(std::unique_ptr<TBaseRecord> First) { FRecords.Add(std::move(First)); }
    std::int64_t TotalSize() const { return FRecords.TotalSize(); }
    void SaveToStream(TOle2File& DataStream) { FRecords.SaveToStream(DataStream); }
    // The MSODRAWINGGROUP records, for the bookkeeping of drawing and shape ids.
    TBaseRecordList& Records() { return FRecords; }

private:
    TBaseRecordList FRecords;
};
