// Record base classes, the ROW record and CONTINUE chains.
#include "xlsAdapter/qorUXlsBaseRecords.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsBaseRecordLists.h"

#include <algorithm>
#include <array>

using namespace xlsAdapter;

TBaseRecord::TBaseRecord(std::uint16_t aId, ByteArray aData) : Id(aId), Data(std::move(aData))
{
}

TBaseRecord::~TBaseRecord()
{
    // Released link by link: a hostile stream may hold millions of CONTINUE
    // records, too many for recursive destruction.
    std::unique_ptr<TContinueRecord> next = std::move(Continue);
    while (next)
        next = std::move(next->Continue);
}

std::unique_ptr<TBaseRecord> TBaseRecord::DoCopyTo() const
{
    return CopyAs<TBaseRecord>();
}

std::unique_ptr<TBaseRecord> TBaseRecord::CopyTo(const TBaseRecord* Record)
{
    return Record ? Record->DoCopyTo() : nullptr;
}

void TBaseRecord::CopyContinueChainTo(TBaseRecord& Dest) const
{
    TBaseRecord* tail = &Dest;
    for (const TContinueRecord* link = Continue.get(); link; link = link->Continue.get()) {
        tail->Continue = std::make_unique<TContinueRecord>(link->Id, link->Data);
        tail = tail->Continue.get();
    }
}

void TBaseRecord::SaveDataToStream(TOle2File& Workbook, std::span<const std::uint8_t> aData) const
{
    Workbook.WriteHeader(Id, static_cast<std::uint16_t>(aData.size()));
    if (!aData.empty())
        Workbook.Write(aData);
}

void TBaseRecord::SaveToStream(TOle2File& Workbook)
{
    SaveDataToStream(Workbook, Data);
    for (const TContinueRecord* link = Continue.get(); link; link = link->Continue.get())
        link->SaveDataToStream(Workbook, link->Data);
}

int TBaseRecord::TotalSize() const
{
    int size = DataSize() + 4;
    for (const TContinueRecord* link = Continue.get(); link; link = link->Continue.get())
        size += link->DataSize() + 4;
    return size;
}

int TBaseRecord::TotalSizeNoHeaders() const
{
    int size = DataSize();
    for (const TContinueRecord* link = Continue.get(); link; link = link->Continue.get())
        size += link->DataSize();
    return size;
}

void TBaseRecord::AddContinue(std::unique_ptr<TContinueRecord> aContinue)
{
    if (Continue)
        ExcelError(msg::ContinueAlreadyAdded);
    Continue = std::move(aContinue);
}

void TBaseRecord::RequireSize(int Needed) const
{
    if (DataSize() < Needed)
        ExcelError(msg::ShortRecord, Id, DataSize(), Needed);
}

std::unique_ptr<TSubListRecord> TSubListRecord::CreateAndAssign(TBaseRecordList* aSubList)
{
    auto record = std::make_unique<TSubListRecord>(0, ByteArray());
    record->FSubList = aSubList;
    return record;
}

void TSubListRecord::SaveToStream(TOle2File& Workbook)
{
    if (FSubList)
        FSubList->SaveToStream(Workbook);
}

TBaseRowColRecord::TBaseRowColRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    if (DataSize() < 4)
        ExcelError(msg::InvalidRecordId, Id);
}

void TBaseRowColRecord::ArrangeInsertRowsAndCols(int aRowPos, int aRowCount, int aColPos, int aColCount,
                                                 const TSheetInfo& SheetInfo)
{
    if (DataSize() < 4)
        ExcelError(msg::InvalidRecordId, Id);
    if (SheetInfo.InsSheet < 0 || SheetInfo.FormulaSheet != SheetInfo.InsSheet)
        return;
    // Shift a copy first so that a failure leaves the record unchanged.
    std::array<std::uint8_t, 4> rowCol{Data[0], Data[1], Data[2], Data[3]};
    if (GetWord(rowCol, 0) >= aRowPos)
        IncWord(rowCol, 0, aRowCount, 65535);
    if (GetWord(rowCol, 2) >= aColPos)
        IncWord(rowCol, 2, aColCount, 255);
    std::copy(rowCol.begin(), rowCol.end(), Data.begin());
}

void TBaseRowColRecord::ArrangeCopyRowsAndCols(int RowOffset, int ColOffset)
{
    if (DataSize() < 4)
        ExcelError(msg::InvalidRecordId, Id);
    SetRow(static_cast<std::uint16_t>(Row() + RowOffset));
    SetColumn(static_cast<std::uint16_t>(Column() + ColOffset));
}

std::int64_t TBaseRowColRecord::FixTotalSize(bool)
{
    return TotalSize();
}

TCellRecord::TCellRecord(std::uint16_t aId, ByteArray aData) : TBaseRowColRecord(aId, std::move(aData))
{
    RequireSize(6);
}

TCellRecord::TCellRecord(std::uint16_t aId, int aDataSize, std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF)
    : TCellRecord(aId, ByteArray(static_cast<std::size_t>(std::max(aDataSize, 6))))
{
    SetRow(aRow);
    SetColumn(aCol);
    SetXF(aXF);
}

TRowRecord::TRowRecord(std::uint16_t aId, ByteArray aData) : TBaseRowColRecord(aId, std::move(aData))
{
    RequireSize(16);
    // Bytes 8..9 are reserved and written as zero.
    SetWord(Data, 8, 0);
}
