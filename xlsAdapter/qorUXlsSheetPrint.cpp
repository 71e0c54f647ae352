// A worksheet's page setup over the records it links: the SETUP block, the printer's own settings, the reference style
// and the autofilter records.
#include "xlsAdapter/qorUXlsWorkSheet.h"

#include "xlsAdapter/qorUXlsNameRecord.h"
#include "xlsAdapter/qorUXlsPageSetupRecords.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

constexpr std::uint16_t AUTOFILTER = 0x009E;
constexpr std::uint16_t FILTERMODE = 0x009B;
// The built-in name that holds a sheet's filtered range, hidden.
constexpr char FilterNameChar = 0x0D;
constexpr std::int32_t HiddenBuiltInName = 0x21;

// Printer driver data travels in one PLS record; longer data would need a
// record past the format's size limit.
constexpr std::size_t MaxPrinterDataSize = 8224 - 2;

std::uint16_t CheckedWord(int Value, const char* Property)
{
    if (Value < 0 || Value > 0xFFFF)
        ExcelError(msg::IndexOutOfRange, Value, Property, 0, 0xFFFF);
    return static_cast<std::uint16_t>(Value);
}

} // namespace

TBaseRecord* TWorkSheet::InsertRecord1(int At, std::unique_ptr<TBaseRecord> Record)
{
    TBaseRecord* inserted = Record.get();
    FMiscRecords1.Insert(At, std::move(Record));
    if (FCellBlockAt >= At)
        ++FCellBlockAt;
    LinkSheetRecord(inserted);
    return inserted;
}

void TWorkSheet::DeleteRecord1(int At)
{
    FMiscRecords1.Delete(At);
    if (FCellBlockAt > At)
        --FCellBlockAt;
}

void TWorkSheet::DeleteRecords1(std::initializer_list<std::uint16_t> Ids)
{
    // Records of embedded chart substreams belong to the charts.
    bool inSubstream = false;
    for (int i = 0; i < FMiscRecords1.Count();) {
        const std::uint16_t id = FMiscRecords1.Items(i)->Id;
        if (id == xlr::BOF)
            inSubstream = true;
        else if (id == xlr::EOF_)
            inSubstream = false;
        else if (!inSubstream && std::find(Ids.begin(), Ids.end(), id) != Ids.end()) {
            DeleteRecord1(i);
            continue;
        }
        ++i;
    }
}

int TWorkSheet::FindRecord1(std::uint16_t Id) const
{
    for (int i = 0; i < FMiscRecords1.Count(); ++i)
        if (FMiscRecords1.Items(i)->Id == Id)
            return i;
    return -1;
}

// Page setup -------------------------------------------------------------------

int TWorkSheet::PrintScale() const { return FSetup ? FSetup->Scale() : 100; }
int TWorkSheet::PrintNumberOfHorizontalPages() const { return FSetup ? FSetup->FitWidth() : 1; }
int TWorkSheet::PrintNumberOfVerticalPages() const { return FSetup ? FSetup->FitHeight() : 1; }
int TWorkSheet::PrintOptions() const { return FSetup ? FSetup->PrintOptions() : 0; }
int TWorkSheet::PrintPaperSize() const { return FSetup ? FSetup->PrintPaperSize() : 1; }
int TWorkSheet::PrintCopies() const { return FSetup ? FSetup->PrintCopies() : 1; }
int TWorkSheet::PrintXResolution() const { return FSetup ? FSetup->PrintXResolution() : 600; }
int TWorkSheet::PrintYResolution() const { return FSetup ? FSetup->PrintYResolution() : 600; }

void TWorkSheet::SetPrintScale(int Value)
{
    const std::uint16_t scale = CheckedWord(Value, "PrintScale");
    if (FSetup)
        FSetup->SetScale(scale);
}

void TWorkSheet::SetPrintNumberOfHorizontalPages(int Value)
{
    if (FSetup)
        FSetup->SetFitWidth(static_cast<std::uint16_t>(Value));
}

void TWorkSheet::SetPrintNumberOfVerticalPages(int Value)
{
    if (FSetup)
        FSetup->SetFitHeight(static_cast<std::uint16_t>(Value));
}

void TWorkSheet::SetPrintOptions(int Value)
{
    if (FSetup)
        FSetup->SetPrintOptions(static_cast<std::uint16_t>(Value));
}

void TWorkSheet::SetPrintPaperSize(int Value)
{
    const std::uint16_t size = CheckedWord(Value, "PrintPaperSize");
    if (FSetup)
        FSetup->SetPrintPaperSize(size);
}

void TWorkSheet::SetPrintCopies(int Value)
{
    const std::uint16_t copies = CheckedWord(Value, "PrintCopies");
    if (FSetup)
        FSetup->SetPrintCopies(copies);
}

void TWorkSheet::SetPrintXResolution(int Value)
{
    const std::uint16_t resolution = CheckedWord(Value, "PrintXResolution");
    if (FSetup)
        FSetup->SetPrintXResolution(resolution);
}

void TWorkSheet::SetPrintYResolution(int Value)
{
    const std::uint16_t resolution = CheckedWord(Value, "PrintYResolution");
    if (FSetup)
        FSetup->SetPrintYResolution(resolution);
}

TPrinterDriverSettings TWorkSheet::PrinterDriverSettings() const
{
    return FPrinterDriverSettings ? FPrinterDriverSettings->PrinterData() : TPrinterDriverSettings{};
}

void TWorkSheet::SetPrinterDriverSettings(const TPrinterDriverSettings& Value)
{
    if (Value.Data.size() > MaxPrinterDataSize)
        ExcelError(msg::IndexOutOfRange, static_cast<int>(Value.Data.size()), "PrinterDriverSettings", 0,
                   static_cast<int>(MaxPrinterDataSize));
    if (FPrinterDriverSettings || Value.Data.empty()) {
        DeleteRecords1({xlr::PLS});
        FPrinterDriverSettings = nullptr;
    }
    if (Value.Data.empty())
        return;
    const int setup = FindRecord1(xlr::SETUP);
    InsertRecord1(setup < 0 ? FMiscRecords1.Count() : setup, TPlsRecord::CreateFromData(Value));
    // The page setup now comes with the printer's settings.
    if (FSetup)
        FSetup->SetPrintOptions(FSetup->PrintOptions() & ~0x0004);
}

// Reference style ----------------------------------------------------------------

bool TWorkSheet::IsR1C1() const { return FRefMode && FRefMode->IsR1C1(); }

void TWorkSheet::SetIsR1C1(bool Value)
{
    if (FRefMode)
        FRefMode->SetIsR1C1(Value);
}

// Autofilter ----------------------------------------------------------------------

void TWorkSheet::SetAutoFilter(int SheetIndex, int Row, int Col1, int Col2)
{
    if (Col2 < Col1) {
        RemoveAutoFilter();
        return;
    }
    if (Row < 0 || Row > 0xFFFF)
        ExcelError(msg::IndexOutOfRange, Row, "Row", 0, 0xFFFF);
    if (Col1 < 0 || Col2 > 0xFF)
        ExcelError(msg::IndexOutOfRange, Col1 < 0 ? Col1 : Col2, "Column", 0, 0xFF);
    if (!FAutoFilterInfo) {
        // Before the default column width, or before the cell block when
        // the sheet has none.
        int at = FindRecord1(xlr::DEFCOLWIDTH);
        if (at < 0)
            at = FCellBlockAt < 0 ? FMiscRecords1.Count() : FCellBlockAt;
        InsertRecord1(at, std::make_unique<TAutoFilterInfoRecord>(xlr::AUTOFILTERINFO, ByteArray(2)));
    }
    FAutoFilterInfo->SetDropDownCount(static_cast<std::uint16_t>(Col2 - Col1 + 1));
    // One drop-down button over each filtered column.
    FDrawing->RemoveAutoFilter();
    FWorkbookGlobals->DrawingGroup().EnsureDwgGroup();
    EnsureObjectsSlot();
    FDrawing->AddAutoFilter(Row, Col1, Col2, this);
    const std::string row = std::to_string(Row + 1);
    const TXlsNamedRange name{std::string(1, FilterNameChar),
                              "=$" + ColNumberToLetters(Col1 + 1) + "$" + row + ":$" + ColNumberToLetters(Col2 + 1) +
                                  "$" + row,
                              HiddenBuiltInName, SheetIndex};
    FWorkbookGlobals->AddName(name, FCells.CellList());
}

TXlsCellRange TWorkSheet::GetAutoFilterRange(int SheetIndex) const
{
    const TNameRecord* name =
        FAutoFilterInfo ? FWorkbookGlobals->GetName(SheetIndex, std::string(1, FilterNameChar)) : nullptr;
    if (!name || name->GetR1() < 0)
        return {-1, -1, -1, -1};
    return {name->GetC1(), name->GetR1(), name->GetC2(), name->GetR2()};
}

bool TWorkSheet::HasAutoFilter(int SheetIndex, int Row, int Col) const
{
    const TXlsCellRange range = GetAutoFilterRange(SheetIndex);
    return FAutoFilterInfo && range.Top >= 0 && Row >= range.Top && Row <= range.Bottom && Col >= range.Left &&
           Col <= range.Right;
}

void TWorkSheet::RemoveAutoFilter()
{
    DeleteRecords1({AUTOFILTER, xlr::AUTOFILTERINFO, FILTERMODE});
    FAutoFilterInfo = nullptr;
    FDrawing->RemoveAutoFilter();
}
