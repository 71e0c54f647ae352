// The table from record id to record class. Ids without an entry stay
// plain records that keep their bytes and are written back unchanged.
#include "xlsAdapter/qorUXlsRecordFactory.h"

#include <algorithm>
#include <array>

namespace xlsAdapter {
namespace {

template <typename T>
std::unique_ptr<TBaseRecord> Make(std::uint16_t id, ByteArray data)
{
    return std::make_unique<T>(id, std::move(data));
}

// Sorted by id.
constexpr std::array RecordClasses{
    TRecordClass{0x003C, Make<TContinueRecord>, nullptr}, // CONTINUE standing alone
    TRecordClass{0x0059, Make<TIgnoreRecord>, nullptr},   // XCT
    TRecordClass{0x005A, Make<TIgnoreRecord>, nullptr},   // CRN
    TRecordClass{0x00D7, Make<TIgnoreRecord>, nullptr},   // DBCELL
    TRecordClass{0x00ED, Make<TIgnoreRecord>, nullptr},   // MSODRAWINGSELECTION
    TRecordClass{0x00FF, Make<TIgnoreRecord>, nullptr},   // EXTSST
    TRecordClass{0x013D, Make<TIgnoreRecord>, nullptr},   // TABID
    TRecordClass{0x01C1, Make<TIgnoreRecord>, nullptr},   // RECALCID
    TRecordClass{0x0208, Make<TRowRecord>, nullptr},      // ROW
    TRecordClass{0x020B, Make<TIgnoreRecord>, nullptr},   // INDEX
    TRecordClass{0x1060, Make<TIgnoreRecord>, nullptr},   // chart FONTX
};
static_assert(std::is_sorted(RecordClasses.begin(), RecordClasses.end(),
                             [](const TRecordClass& a, const TRecordClass& b) { return a.Id < b.Id; }));

} // namespace

const TRecordClass* FindRecordClass(std::uint16_t Id)
{
    const auto it = std::lower_bound(RecordClasses.begin(), RecordClasses.end(), Id,
                                     [](const TRecordClass& entry, std::uint16_t id) { return entry.Id < id; });
    return it != RecordClasses.end() && it->Id == Id ? &*it : nullptr;
}

std::unique_ptr<TBaseRecord> CreateRecord(std::uint16_t Id, ByteArray Data)
{
    const TRecordClass* recordClass = FindRecordClass(Id);
    return recordClass ? recordClass->Create(Id, std::move(Data)) : std::make_unique<TBaseRecord>(Id, std::move(Data));
}

} // namespace xlsAdapter
