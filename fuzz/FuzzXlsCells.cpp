// Fuzzes cell storage and cell formats: the input is a run of records
// (id, length, data) loaded as a worksheet's cells and a workbook's formats
// would be, then every cell and format is read and the cells are saved and
// their size checked against what was written.
#include "fuzz/XlsFuzzSupport.h"
#include "xlsAdapter/qorUXlsCellList.h"
#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsRecordFactory.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void Load(std::unique_ptr<TBaseRecord> record, TCells& cells, TWorkbookGlobals& globals)
{
    if (auto* multiple = dynamic_cast<TMultipleValueRecord*>(record.get())) {
        cells.AddMultipleCells(*multiple);
    } else if (dynamic_cast<TRowRecord*>(record.get())) {
        cells.AddRow(TRowEntry(std::move(record)));
    } else if (auto* cell = dynamic_cast<TCellRecord*>(record.get()); cell && record.release()) {
        cells.AddCell(std::unique_ptr<TCellRecord>(cell), cell->Row());
    } else if (auto* font = dynamic_cast<TFontRecord*>(record.get()); font && record.release()) {
        globals.Fonts().Add(std::unique_ptr<TFontRecord>(font));
    } else if (auto* format = dynamic_cast<TFormatRecord*>(record.get()); format && record.release()) {
        globals.Formats().Add(std::unique_ptr<TFormatRecord>(format));
    } else if (auto* xf = dynamic_cast<TXFRecord*>(record.get()); xf && record.release()) {
        globals.XF().Add(std::unique_ptr<TXFRecord>(xf));
    }
}

void ReadEverything(TCells& cells, TWorkbookGlobals& globals)
{
    TCellList& list = cells.CellList();
    for (int row = 0; row < list.Count(); ++row)
        for (int i = 0; i < list.CellRow(row)->Count(); ++i)
            (void)list.GetValue(row, list.CellRow(row)->Column(i));
    for (int i = 0; i < globals.XF().Count(); ++i) {
        const TVyxFormat format = globals.XF().GetItems(i)->VyxFormat(globals.Fonts(), globals.Formats());
        TXFRecord::CreateFromFormat(format, globals.Fonts(), globals.Formats());
    }
    (void)globals.XF().GetUsedColors(57, globals.Fonts());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TWorkbookGlobals globals;
    TCells cells(globals, nullptr);
    try {
        for (std::size_t pos = 0; pos + 4 <= size;) {
            const std::uint16_t id = static_cast<std::uint16_t>(data[pos] | (data[pos + 1] << 8));
            const std::size_t length = std::min<std::size_t>(data[pos + 2] | (data[pos + 3] << 8), size - pos - 4);
            ByteArray bytes(data + pos + 4, data + pos + 4 + length);
            pos += 4 + length;
            Load(xlsAdapter::CreateRecord(id, std::move(bytes)), cells, globals);
        }
        cells.FixRows();
        ReadEverything(cells, globals);
    } catch (const Exception&) {
        return 0;
    }
    const std::int64_t announced = cells.TotalSize();
    TMemoryStream file;
    xlsfuzz::Template().SetPosition(0);
    TOle2File container(xlsfuzz::Template());
    container.PrepareForWrite(file, u"Workbook");
    cells.SaveToStream(container);
    // Offsets of later sections are computed from the announced size.
    if (container.Position() != announced)
        std::abort();
    container.FinishWrite();
    return 0;
}
