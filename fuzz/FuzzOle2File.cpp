// Fuzzes the compound-file container: open, list, read the Workbook stream,
// and write a copy with it replaced and every storage left out.
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
        std::vector<std::u16string> storages;
        for (const auto& entry : container.ListEntries())
            if (entry.Type == STGTY_STORAGE) storages.push_back(entry.Name);
        container.SelectStream(u"Workbook");
        ByteArray bytes(static_cast<std::size_t>(container.Length()));
        container.ReadMem(bytes.data(), container.Length());
        container.PrepareForWrite(output, u"Workbook", storages);
        container.Write(bytes);
        container.FinishWrite();
    } catch (const Exception&) {
    }
    return 0;
}
