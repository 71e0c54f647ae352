// Fuzzes the compound-file container: open, list, read the Workbook stream,
// and write a copy with it replaced.
#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream input;
    input.WriteBuffer(data, static_cast<std::int64_t>(size));
    input.SetPosition(0);
    TMemoryStream output;
    try {
        TOle2File container(input);
        container.ListEntries();
        container.SelectStream(u"Workbook");
        ByteArray bytes(static_cast<std::size_t>(container.Length()));
        container.ReadMem(bytes.data(), container.Length());
        container.PrepareForWrite(output, u"Workbook");
        container.Write(bytes);
        container.FinishWrite();
    } catch (const Exception&) {
    }
    return 0;
}
