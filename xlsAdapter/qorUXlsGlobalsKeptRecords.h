// Globals records that are kept as read until their models exist: the
// external references (SUPBOOK, EXTERNNAME, EXTERNSHEET) and the drawing
// group (MSODRAWINGGROUP). Both are written back in their place among the
// globals, unchanged.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecordLists.h"

namespace xlsAdapter::xlr {
inline constexpr std::uint16_t SUPBOOK = 0x01AE;
inline constexpr std::uint16_t EXTERNNAME = 0x0023;
inline constexpr std::uint16_t EXTERNSHEET = 0x0017;
inline constexpr std::uint16_t NAME = 0x0018;
inline constexpr std::uint16_t MSODRAWINGGROUP = 0x00EB;
} // namespace xlsAdapter::xlr

class TKeptReferences {
public:
    void Clear() { FRecords.Clear(); }
    void AddSupBook(std::unique_ptr<TBaseRecord> Record);
    // Raises "Error reading Excel records. File invalid" before any SUPBOOK.
    void AddExternName(std::unique_ptr<TBaseRecord> Record);
    void AddExternRef(std::unique_ptr<TBaseRecord> Record);
    bool Empty() const { return FRecords.Count() == 0; }
    std::int64_t TotalSize() const { return FRecords.TotalSize(); }
    void SaveToStream(TOle2File& DataStream) { FRecords.SaveToStream(DataStream); }

private:
    TBaseRecordList FRecords;
    bool FHasSupBook = false;
};

class TKeptDrawingGroup {
public:
    void Clear() { FRecords.Clear(); }
    void LoadFromStream(std::unique_ptr<TBaseRecord> First) { FRecords.Add(std::move(First)); }
    std::int64_t TotalSize() const { return FRecords.TotalSize(); }
    void SaveToStream(TOle2File& DataStream) { FRecords.SaveToStream(DataStream); }

private:
    TBaseRecordList FRecords;
};
