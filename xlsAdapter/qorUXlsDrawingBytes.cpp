#include "xlsAdapter/qorUXlsDrawingBytes.h"

#include "xlsAdapter/qorUEscherRecords.h"
#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"

using namespace xlsAdapter;

void ForEachSheetRecord(const std::vector<const TBaseRecordList*>& Lists,
                        const std::function<void(TBaseRecord&)>& Visit)
{
    for (const TBaseRecordList* list : Lists) {
        int nesting = 0;
        for (int i = 0; i < list->Count(); ++i) {
            TBaseRecord* record = list->Items(i);
            if (record->Id == xlr::BOF)
                ++nesting;
            else if (record->Id == xlr::EOF_ && nesting > 0)
                --nesting;
            else if (nesting == 0)
                Visit(*record);
        }
    }
}

TDrawingBytes::TDrawingBytes(std::vector<ByteArray*> Parts) : FParts(std::move(Parts))
{
    for (const ByteArray* part : FParts)
        FSize += static_cast<std::int64_t>(part->size());
}

TDrawingBytes TDrawingBytes::OfSheet(const std::vector<const TBaseRecordList*>& Lists)
{
    std::vector<ByteArray*> parts;
    ForEachSheetRecord(Lists, [&parts](TBaseRecord& record) {
        if (record.Id == escher::MsoDrawing)
            for (TBaseRecord* part = &record; part; part = part->Continue.get())
                parts.push_back(&part->Data);
    });
    return TDrawingBytes(std::move(parts));
}

std::uint8_t& TDrawingBytes::At(std::int64_t Offset) const
{
    if (Offset >= 0)
        for (ByteArray* part : FParts) {
            if (Offset < static_cast<std::int64_t>(part->size()))
                return (*part)[static_cast<std::size_t>(Offset)];
            Offset -= static_cast<std::int64_t>(part->size());
        }
    throw EExcelException(msg::ErrExcelInvalid);
}

std::uint32_t TDrawingBytes::Get(std::int64_t Offset, int Bytes) const
{
    std::uint32_t value = 0;
    for (int i = Bytes - 1; i >= 0; --i)
        value = (value << 8) | At(Offset + i);
    return value;
}

void TDrawingBytes::Set(std::int64_t Offset, int Bytes, std::uint32_t Value) const
{
    for (int i = 0; i < Bytes; ++i)
        At(Offset + i) = static_cast<std::uint8_t>(Value >> (8 * i));
}

void ForEachEscherRecord(const TDrawingBytes& Bytes, const std::function<void(const TEscherHeader&)>& Visit)
{
    std::int64_t at = 0;
    while (at + escher::HeaderSize <= Bytes.Size()) {
        const TEscherHeader header{at, static_cast<std::uint16_t>(Bytes.Get(at, 2)),
                                   static_cast<std::uint16_t>(Bytes.Get(at + 2, 2)), Bytes.Get(at + 4, 4)};
        Visit(header);
        at = header.IsContainer() ? header.Body() : header.Body() + header.Size;
    }
}
