// A drawing's Escher records as the engine keeps them: the bodies of the
// BIFF records that carry them, addressed as one run of bytes. Every access
// is bounds-checked.
#pragma once

#include "xlsAdapter/qorXlsMessages.h"

#include <cstdint>
#include <functional>
#include <vector>

class TBaseRecord;
class TBaseRecordList;

// Visits the records of a worksheet's kept lists, in save order, leaving out
// the records of embedded chart sections, which belong to the chart.
void ForEachSheetRecord(const std::vector<const TBaseRecordList*>& Lists,
                        const std::function<void(TBaseRecord&)>& Visit);

class TDrawingBytes {
public:
    explicit TDrawingBytes(std::vector<ByteArray*> Parts);
    // The sheet's MSODRAWING records and their CONTINUE records.
    static TDrawingBytes OfSheet(const std::vector<const TBaseRecordList*>& Lists);

    std::int64_t Size() const { return FSize; }
    std::uint8_t& At(std::int64_t Offset) const;
    // Little-endian values of 1 to 4 bytes.
    std::uint32_t Get(std::int64_t Offset, int Bytes) const;
    void Set(std::int64_t Offset, int Bytes, std::uint32_t Value) const;

private:
    std::vector<ByteArray*> FParts;
    std::int64_t FSize = 0;
};

// One Escher record's header: where it starts, its version and instance
// word, its type and its body's size.
struct TEscherHeader {
    std::int64_t Offset = 0;
    std::uint16_t Pre = 0;
    std::uint16_t Id = 0;
    std::int64_t Size = 0;

    std::int64_t Body() const { return Offset + 8; }
    bool IsContainer() const { return (Pre & 0x000F) == 0x000F; }
};

// Visits every record header in Bytes, containers before what they hold.
// Every step passes at least one header, so the walk ends whatever the
// bytes say.
void ForEachEscherRecord(const TDrawingBytes& Bytes, const std::function<void(const TEscherHeader&)>& Visit);
