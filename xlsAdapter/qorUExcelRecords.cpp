// Splitting the workbook stream into sections, saving them with the sheet
// offsets computed first, and the operations that reach every sheet.
#include "xlsAdapter/qorUExcelRecords.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsWorkSheet.h"

#include <set>

using namespace xlsAdapter;

int TSheetList::Add(std::unique_ptr<TSheet> Sheet)
{
    FItems.push_back(std::move(Sheet));
    return Count() - 1;
}

void TSheetList::Insert(int Index, std::unique_ptr<TSheet> Sheet)
{
    FItems.insert(FItems.begin() + Index, std::move(Sheet));
}

void TSheetList::InsertAndCopyRowsAndCols(int FirstRow, int LastRow, int DestRow, int aRowCount, int FirstCol,
                                          int LastCol, int DestCol, int aColCount, TSheetInfo SheetInfo,
                                          bool OnlyFormulas)
{
    const int changed = SheetInfo.InsSheet;
    for (int i = 0; i < Count(); ++i) {
        SheetInfo.FormulaSheet = i;
        if (i == changed)
            GetItems(i)->InsertAndCopyRowsAndCols(FirstRow, LastRow, DestRow, aRowCount, FirstCol, LastCol, DestCol,
                                                  aColCount, SheetInfo, OnlyFormulas);
        else
            GetItems(i)->ArrangeInsertRowsAndCols(DestRow, aRowCount * (LastRow - FirstRow + 1), DestCol,
                                                  aColCount * (LastCol - FirstCol + 1), SheetInfo);
    }
}

void TSheetList::DeleteRowsAndCols(int aRow, int aRowCount, int aCol, int aColCount, TSheetInfo SheetInfo)
{
    const int changed = SheetInfo.InsSheet;
    for (int i = 0; i < Count(); ++i) {
        SheetInfo.FormulaSheet = i;
        if (i == changed)
            GetItems(i)->DeleteRowsAndCols(aRow, aRowCount, aCol, aColCount, SheetInfo);
        else
            GetItems(i)->ArrangeInsertRowsAndCols(aRow, -aRowCount, aCol, -aColCount, SheetInfo);
    }
}

void TSheetList::DeleteSheets(int SheetIndex, int SheetCount)
{
    for (int i = 0; i < SheetCount && SheetIndex < Count(); ++i)
        FItems.erase(FItems.begin() + SheetIndex);
}

void TSheetList::SaveToStream(TOle2File& DataStream)
{
    for (const auto& sheet : FItems)
        sheet->SaveToStream(DataStream);
}

TWorkbook::TWorkbook() : FGlobals(std::make_unique<TWorkbookGlobals>())
{
}

TWorkbook::~TWorkbook()
{
    // Sheets hold references into the globals' string table.
    FSheets.Clear();
}

void TWorkbook::SetActiveSheet(int Value)
{
    for (int i = 0; i < FSheets.Count(); ++i)
        FSheets.GetItems(i)->SetSelected(false);
    FGlobals->SetActiveSheet(Value);
    if (Value >= 0 && Value < FSheets.Count())
        FSheets.GetItems(Value)->SetSelected(true);
}

void TWorkbook::LoadFromStream(TOle2File& DataStream)
{
    FSheets.Clear();
    FGlobals->Clear();
    TRecordHeader header;
    ReadRecordHeader(DataStream, header);
    bool globalsRead = false;
    // Zero bytes after the last section are the container's padding.
    while (!header.EndOfStream && header.Id != 0) {
        std::unique_ptr<TBaseRecord> record = LoadRecord(DataStream, header);
        if (record->Id == xlr::BOF) {
            std::unique_ptr<TBOFRecord> bof(static_cast<TBOFRecord*>(record.release()));
            if (bof->BOFType() == xlr::BofGlobals) {
                // A second globals section would empty the string table
                // that the sheets read so far use.
                if (globalsRead)
                    bof->ReadError(msg::ErrExcelInvalid);
                globalsRead = true;
                FGlobals->LoadFromStream(DataStream, header, std::move(bof), &FGlobals->SST());
            } else {
                // Charts and other sheets are kept record by record.
                std::unique_ptr<TSheet> created;
                if (bof->BOFType() == xlr::BofWorksheet)
                    created = std::make_unique<TWorkSheet>(FGlobals.get());
                else
                    created = std::make_unique<TVyxUnsupportedSheet>(FGlobals.get());
                TSheet* sheet = FSheets.GetItems(FSheets.Add(std::move(created)));
                sheet->LoadFromStream(DataStream, header, std::move(bof), &FGlobals->SST());
            }
        } else if (record->Id != xlr::EOF_) {
            record->ReadError(msg::ErrExcelInvalid);
        }
        if (FGlobals->SheetCount() > 0 && FSheets.Count() >= FGlobals->SheetCount())
            break;
    }
    FGlobals->SST().Sort();
}

void TWorkbook::FixCodeNames()
{
    if (!FGlobals->HasMacro())
        return;
    std::set<std::u16string> taken;
    auto key = [](std::u16string_view name) { return UpperCaseUnicode(name); };
    taken.insert(key(FGlobals->CodeName()));
    for (int i = 0; i < FSheets.Count(); ++i)
        taken.insert(key(FSheets.GetItems(i)->CodeName()));
    for (int i = 0; i < FSheets.Count(); ++i) {
        TSheet* sheet = FSheets.GetItems(i);
        if (!sheet->CodeName().empty())
            continue;
        const std::u16string name = FGlobals->GetSheetName(i);
        std::size_t digits = name.size();
        while (digits > 0 && name[digits - 1] >= u'0' && name[digits - 1] <= u'9')
            --digits;
        const std::u16string base = name.substr(0, digits);
        // A run of digits too long for a number counts from 0.
        const std::string digitText = rtl::Utf16ToUtf8(name.substr(digits));
        unsigned long long number = digitText.empty() || digitText.size() > 18 ? 0 : std::stoull(digitText);
        std::u16string candidate = base + rtl::Utf8ToUtf16(digitText);
        while (taken.count(key(candidate)))
            candidate = base + rtl::Utf8ToUtf16(std::to_string(++number));
        sheet->SetCodeName(candidate);
        taken.insert(key(candidate));
    }
}

void TWorkbook::FixAllRows()
{
    for (int i = 0; i < FSheets.Count(); ++i)
        FSheets.GetItems(i)->FixRows();
}

void TWorkbook::FixBoundSheetOffsets(bool NeedsRecalc)
{
    FGlobals->SST().FixRefs();
    std::int64_t offset = FGlobals->TotalSize();
    if (FGlobals->SheetCount() != FSheets.Count())
        ExcelError(msg::ErrExcelInvalid);
    for (int i = 0; i < FSheets.Count(); ++i) {
        FGlobals->SheetSetOffset(i, static_cast<std::uint32_t>(offset));
        offset += FSheets.GetItems(i)->FixTotalSize(NeedsRecalc);
    }
}

void TWorkbook::CheckVisibleSheets()
{
    int firstVisible = -1;
    for (int i = FSheets.Count() - 1; i >= 0; --i) {
        if (FGlobals->GetSheetVisible(i) == sv_Visible)
            firstVisible = i;
        else if (FSheets.GetItems(i)->Selected())
            ExcelError(msg::NoVisibleSheetSelected);
    }
    if (firstVisible < 0)
        ExcelError(msg::NoVisibleSheets);
    FGlobals->SetFirstSheetVisible(firstVisible);
}

void TWorkbook::SaveToStream(TOle2File& DataStream, bool NeedsRecalc)
{
    FixCodeNames();
    FixAllRows();
    FixBoundSheetOffsets(NeedsRecalc);
    CheckVisibleSheets();
    FGlobals->SaveToStream(DataStream);
    FSheets.SaveToStream(DataStream);
}

void TWorkbook::SaveRangeToStream(TOle2File& DataStream, int SheetIndex, const TXlsCellRange& CellRange,
                                  bool NeedsRecalc)
{
    FixCodeNames();
    FixAllRows();
    TSheet& sheet = CheckedSheet(SheetIndex);
    FGlobals->SST().FixRefs();
    const std::int64_t offset = FGlobals->TotalRangeSize(SheetIndex, CellRange);
    if (FGlobals->SheetCount() != FSheets.Count())
        ExcelError(msg::ErrExcelInvalid);
    sheet.FixTotalSize(NeedsRecalc);
    FGlobals->SheetSetOffset(SheetIndex, static_cast<std::uint32_t>(offset));
    FGlobals->SaveRangeToStream(DataStream, SheetIndex, CellRange);
    sheet.SaveRangeToStream(DataStream, SheetIndex, CellRange);
}

TSheet& TWorkbook::CheckedSheet(int SheetNo)
{
    if (SheetNo < 0 || SheetNo >= FSheets.Count())
        ExcelError(msg::InvalidSheetNumber, SheetNo, 0, FSheets.Count() - 1);
    return *FSheets.GetItems(SheetNo);
}

TSheetInfo TWorkbook::SheetInfoFor(int Sheet) const
{
    return FGlobals->SheetInfoFor(Sheet, Sheet);
}

void TWorkbook::CheckFormulasCanMove() const
{
    FGlobals->Names().CheckArrangeable();
    for (int i = 0; i < FSheets.Count(); ++i)
        if (const auto* sheet = dynamic_cast<const TWorkSheet*>(FSheets.GetItems(i)))
            sheet->CheckFormulasCanMove();
}

void TWorkbook::InsertAndCopyRowsAndCols(int SheetNo, int FirstRow, int LastRow, int DestRow, int aRowCount,
                                         int FirstCol, int LastCol, int DestCol, int aColCount, bool OnlyFormulas)
{
    auto invalid = [](int first, int last, int dest, int count, int max) {
        return last < first || first < 0 || last > max || (first < dest && dest <= last) || dest < 0 ||
               static_cast<std::int64_t>(dest) + static_cast<std::int64_t>(count) * (last - first + 1) > max;
    };
    if (invalid(FirstRow, LastRow, DestRow, aRowCount, 65535) || invalid(FirstCol, LastCol, DestCol, aColCount, 255))
        ExcelError(msg::InvalidInsertAndCopyArgs);
    CheckedSheet(SheetNo);
    CheckFormulasCanMove();
    const TSheetInfo info = SheetInfoFor(SheetNo);
    FGlobals->Names().ArrangeInsertRowsAndCols(DestRow, aRowCount * (LastRow - FirstRow + 1), DestCol,
                                               aColCount * (LastCol - FirstCol + 1), info);
    FSheets.InsertAndCopyRowsAndCols(FirstRow, LastRow, DestRow, aRowCount, FirstCol, LastCol, DestCol, aColCount,
                                     info, OnlyFormulas);
}

void TWorkbook::DeleteRowsAndCols(int SheetNo, int aRow, int aRowCount, int aCol, int aColCount)
{
    CheckedSheet(SheetNo);
    CheckFormulasCanMove();
    const TSheetInfo info = SheetInfoFor(SheetNo);
    FGlobals->Names().ArrangeInsertRowsAndCols(aRow, -aRowCount, aCol, -aColCount, info);
    FSheets.DeleteRowsAndCols(aRow, aRowCount, aCol, aColCount, info);
}

void TWorkbook::InsertSheets(int CopyFrom, int InsertBefore, int SheetCount)
{
    if (CopyFrom >= FSheets.Count())
        ExcelError(msg::InvalidSheetNumber, CopyFrom, -1, FSheets.Count() - 1);
    if (InsertBefore < 0 || InsertBefore > FSheets.Count())
        ExcelError(msg::InvalidSheetNumber, InsertBefore, 0, FSheets.Count());
    CheckFormulasCanMove();
    const TSheet* source = CopyFrom >= 0 ? FSheets.GetItems(CopyFrom) : nullptr;
    const std::uint16_t flags = source ? FGlobals->GetSheetOptionFlags(CopyFrom) : 0;
    FGlobals->InsertSheets(CopyFrom, InsertBefore, flags, rtl::Utf8ToUtf16(msg::DefaultSheetName), SheetCount);
    // The source has moved when the copies go before it.
    const int sourceAfter = CopyFrom < InsertBefore ? CopyFrom : CopyFrom + SheetCount;
    for (int k = 0; k < SheetCount; ++k) {
        FSheets.Insert(InsertBefore, source ? TSheet::CopyTo(source)
                                            : TWorkSheet::CreateFromData(FGlobals.get(), &FGlobals->SST()));
        if (source)
            FSheets.GetItems(InsertBefore)
                ->ArrangeCopySheet(FGlobals->SheetInfoFor(InsertBefore + SheetCount - 1 - k, sourceAfter));
    }
}

void TWorkbook::DeleteSheets(int SheetPos, int SheetCount)
{
    if (SheetPos < 0 || SheetPos > FSheets.Count())
        ExcelError(msg::InvalidSheetNumber, SheetPos, 0, FSheets.Count());
    CheckFormulasCanMove();
    const std::vector<int> names = FGlobals->DeleteSheets(SheetPos, SheetCount);
    FSheets.DeleteSheets(SheetPos, SheetCount);
    for (int i = 0; i < FSheets.Count(); ++i)
        if (auto* sheet = dynamic_cast<TWorkSheet*>(FSheets.GetItems(i)))
            sheet->RenumberNames(names);
}
