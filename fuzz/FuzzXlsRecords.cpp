// Fuzzes the record stream: the input is a Workbook stream, stored in a
// copy of a real container and read back record by record.
#include "fuzz/XlsFuzzSupport.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void ReadEveryString(const TBaseRecord& record)
{
    const TBaseRecord* at = &record;
    int pos = 0;
    std::string shortData;
    std::u16string wideData;
    int charsRead = 0;
    std::uint8_t options = record.DataSize() > 0 ? record.Data[0] : 0;
    std::uint8_t active = options;
    ReadStrAcrossContinue(at, pos, shortData, record.TotalSizeNoHeaders(), charsRead, options, active, wideData);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream file;
    xlsfuzz::WrapAsWorkbook(data, size, file);
    try {
        TOle2File container(file);
        container.SelectStream(u"Workbook");
        TRecordHeader header;
        ReadRecordHeader(container, header);
        while (!header.EndOfStream) {
            auto record = LoadRecord(container, header);
            auto copy = record->DoCopyTo();
            (void)copy->TotalSize();
            if (record->Continue) {
                try {
                    ReadEveryString(*record);
                } catch (const Exception&) {
                }
            }
        }
    } catch (const Exception&) {
    }
    return 0;
}
