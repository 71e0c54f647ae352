// Fuzzes the drawing record tree: the input is cut into drawing carriers
// (its first byte picks the cut length) that are fed to one root, which is
// then sized, planned for saving and copied.
#include "xlsAdapter/qorUEscherBreakList.h"
#include "xlsAdapter/qorUEscherRecords.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 + 8)
        return 0;
    const std::size_t cut = 1 + data[0] * 37u;
    TEscherDwgGroupCache groupCache;
    TEscherObjCache objCache;
    TEscherDwgCache cache{.Obj = &objCache};
    try {
        const std::uint8_t* header = data + 1;
        auto root = CreateEscherRecord({GetWord({header, 8}, 0), GetWord({header, 8}, 2),
                                        static_cast<std::int32_t>(GetCardinal({header, 8}, 4))},
                                       &groupCache, &cache, nullptr);
        for (std::size_t at = 9; at < size && !root->Loaded(); at += cut) {
            TBaseRecord carrier(xlsAdapter::escher::MsoDrawing,
                                ByteArray(data + at, data + std::min(size, at + cut)));
            const TBaseRecord* record = &carrier;
            int pos = 0;
            root->Load(record, pos);
        }
        if (!root->Loaded())
            return 0;
        TBreakList breaks(0);
        int nextPos = 0, realSize = 0, nextDwg = xlsAdapter::escher::MsoDrawing;
        root->SplitRecords(nextPos, realSize, nextDwg, breaks);
        root->ClearCopiedTo();
        auto copy = TEscherRecord::CopyTo(root.get(), &cache, 1, 1, nullptr);
        (void)copy->TotalSizeNoSplit();
    } catch (const Exception&) {
    }
    return 0;
}
