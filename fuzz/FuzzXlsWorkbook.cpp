// Fuzzes workbook loading and saving: the input is a Workbook stream, put
// into a copy of a real container. A stream that loads must save; what it
// saves must load again and save to the same bytes.
#include "fuzz/XlsFuzzSupport.h"
#include "xlsAdapter/qorUExcelRecords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Loads the container's workbook and saves it; false when loading or saving
// refuses the data.
bool LoadAndSave(TMemoryStream& File, TMemoryStream& Saved)
{
    TOle2File container(File);
    container.SelectStream(u"Workbook");
    TWorkbook workbook;
    try {
        workbook.LoadFromStream(container);
        container.PrepareForWrite(Saved, u"Workbook");
        workbook.SaveToStream(container, false);
        container.FinishWrite();
    } catch (const EExcelException&) {
        return false;
    }
    return true;
}

ByteArray WorkbookBytes(TMemoryStream& File)
{
    File.SetPosition(0);
    TOle2File container(File);
    container.SelectStream(u"Workbook");
    ByteArray bytes(static_cast<std::size_t>(container.Length()));
    container.ReadMem(bytes.data(), container.Length());
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream file;
    xlsfuzz::WrapAsWorkbook(data, size, file);
    TMemoryStream first;
    if (!LoadAndSave(file, first))
        return 0;
    first.SetPosition(0);
    TMemoryStream second;
    if (!LoadAndSave(first, second) || WorkbookBytes(first) != WorkbookBytes(second))
        std::abort();
    return 0;
}
