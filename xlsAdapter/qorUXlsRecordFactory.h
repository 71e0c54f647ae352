// The table from record id to the class that models it.
#pragma once

#include "xlsAdapter/qorUXlsBaseRecords.h"

#include <memory>

namespace xlsAdapter {

using TRecordCreator = std::unique_ptr<TBaseRecord> (*)(std::uint16_t Id, ByteArray Data);
// Stores a companion record (TABLE, ARRAY, HLINKTOOLTIP) in its owner.
using TCompanionAttacher = void (*)(TBaseRecord& Owner, std::unique_ptr<TBaseRecord> Companion);

struct TRecordClass {
    std::uint16_t Id;
    TRecordCreator Create;
    TCompanionAttacher AttachCompanion;
};

// The class entry of an id, or null for ids kept as plain records.
const TRecordClass* FindRecordClass(std::uint16_t Id);
// A new record of the class for Id; ids without a class give a plain record.
std::unique_ptr<TBaseRecord> CreateRecord(std::uint16_t Id, ByteArray Data);

} // namespace xlsAdapter
