// A one-sheet workbook read into TCells and written back.
#include "xlsAdapter/tests/XlsCellsTestSupport.h"

#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsOtherRecords.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/tests/XlsTestSupport.h"

#include <gtest/gtest.h>

namespace xlstest {
namespace {

constexpr std::uint16_t BOUNDSHEET = 0x0085;
constexpr std::uint16_t DIMENSIONS = 0x0200;

bool IsCellBlockRecord(const TBaseRecord& record)
{
    return record.Id == DIMENSIONS || dynamic_cast<const TRowRecord*>(&record) ||
           dynamic_cast<const TCellRecord*>(&record) || dynamic_cast<const TMultipleValueRecord*>(&record) ||
           dynamic_cast<const TIgnoreRecord*>(&record);
}

} // namespace

std::vector<std::unique_ptr<TBaseRecord>> ReadWorkbookRecords(const std::string& file)
{
    TFileStream input(file, fmOpenRead);
    TOle2File container(input);
    container.SelectStream(u"Workbook");
    TRecordHeader header;
    ReadRecordHeader(container, header);
    std::vector<std::unique_ptr<TBaseRecord>> records;
    int eofs = 0;
    while (!header.EndOfStream && eofs < 2) {
        records.push_back(LoadRecord(container, header));
        if (records.back()->Id == xlsAdapter::xlr::EOF_)
            ++eofs;
    }
    return records;
}

TLoadedWorkbook::TLoadedWorkbook(const std::string& file)
{
    bool inSheet = false;
    bool blockSeen = false;
    std::vector<TLabelSSTRecord*> labels;
    for (auto& record : ReadWorkbookRecords(file)) {
        if (!inSheet) {
            if (const auto* sst = dynamic_cast<const TSSTRecord*>(record.get()))
                SST.Load(*sst);
            inSheet = record->Id == xlsAdapter::xlr::EOF_;
            FGlobals.push_back(std::move(record));
            continue;
        }
        if (!IsCellBlockRecord(*record)) {
            (blockSeen ? FSheetAfter : FSheetBefore).push_back(std::move(record));
            continue;
        }
        blockSeen = true;
        if (auto* multiple = dynamic_cast<TMultipleValueRecord*>(record.get())) {
            CellRecordIds.push_back(multiple->Id);
            Cells.AddMultipleCells(*multiple);
        } else if (auto* cell = dynamic_cast<TCellRecord*>(record.get())) {
            CellRecordIds.push_back(cell->Id);
            if (auto* label = dynamic_cast<TLabelSSTRecord*>(cell))
                labels.push_back(label);
            const int row = cell->Row();
            record.release();
            Cells.AddCell(std::unique_ptr<TCellRecord>(cell), row);
        } else if (dynamic_cast<TRowRecord*>(record.get())) {
            Cells.AddRow(TRowEntry(std::move(record)));
        }
    }
    for (TLabelSSTRecord* label : labels)
        label->AttachToSST(&SST);
    SST.Sort();
    Cells.FixRows();
}

void TLoadedWorkbook::Save(const std::string& in, const std::string& out)
{
    // The sheet starts right after the globals, whose string table may
    // have changed size.
    std::int64_t globalsSize = 0;
    for (const auto& record : FGlobals)
        globalsSize += dynamic_cast<const TSSTRecord*>(record.get()) ? SST.TotalSize() : record->TotalSize();
    for (const auto& record : FGlobals)
        if (record->Id == BOUNDSHEET)
            SetCardinal(record->Data, 0, static_cast<std::uint32_t>(globalsSize));

    TFileStream input(in, fmOpenRead);
    TOle2File container(input);
    TFileStream output(out, fmCreate);
    container.PrepareForWrite(output, u"Workbook");
    for (const auto& record : FGlobals) {
        if (dynamic_cast<const TSSTRecord*>(record.get()))
            SST.SaveToStream(container); // with its EXTSST
        else
            record->SaveToStream(container);
    }
    for (const auto& record : FSheetBefore)
        record->SaveToStream(container);
    Cells.SaveToStream(container);
    for (const auto& record : FSheetAfter)
        record->SaveToStream(container);
    container.FinishWrite();
}

std::string CellsPeer(const std::string& Arguments)
{
    std::string output;
    EXPECT_EQ(0, RunCommand("/usr/bin/python3 " VISTRA_SOURCE_DIR "/xlsAdapter/tests/peers/cells_peer.py " + Arguments,
                            &output))
        << output;
    return output;
}

std::vector<std::uint16_t> SavedCellRecordIds(const std::string& file)
{
    std::vector<std::uint16_t> ids;
    bool inSheet = false;
    for (const auto& record : ReadWorkbookRecords(file)) {
        if (inSheet && (dynamic_cast<const TCellRecord*>(record.get()) ||
                        dynamic_cast<const TMultipleValueRecord*>(record.get())))
            ids.push_back(record->Id);
        inSheet = inSheet || record->Id == xlsAdapter::xlr::EOF_;
    }
    return ids;
}

} // namespace xlstest
