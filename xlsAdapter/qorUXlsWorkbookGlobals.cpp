// Loading, sizing and saving the globals section, and its sheet directory,
// options and palette.
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsPalette.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"

using namespace xlsAdapter;

TBoundSheetRecord* TBoundSheetList::BoundSheets(int Index) const
{
    CheckIndex(Index);
    return static_cast<TBoundSheetRecord*>(FBoundSheets.Items(Index));
}

void TBoundSheetList::CheckIndex(int SheetIndex) const
{
    if (SheetIndex < 0 || SheetIndex >= Count())
        ExcelError(msg::InvalidSheetNumber, SheetIndex, 0, Count() - 1);
}

void TBoundSheetList::Clear()
{
    FSheetNames.Clear();
    FBoundSheets.Clear();
}

void TBoundSheetList::Add(std::unique_ptr<TBoundSheetRecord> aRecord)
{
    FSheetNames.Add(aRecord->SheetName());
    FBoundSheets.Add(std::move(aRecord));
}

void TBoundSheetList::InsertSheet(int BeforeSheet, std::uint16_t OptionFlags, std::u16string_view SheetName)
{
    if (BeforeSheet < 0 || BeforeSheet > Count())
        ExcelError(msg::InvalidSheetNumber, BeforeSheet, 0, Count());
    const std::u16string name = FSheetNames.AddUniqueName(SheetName);
    FBoundSheets.Insert(BeforeSheet, TBoundSheetRecord::CreateNew(OptionFlags, name));
}

void TBoundSheetList::DeleteSheet(int SheetIndex)
{
    FSheetNames.DeleteSheet(BoundSheets(SheetIndex)->SheetName());
    FBoundSheets.Delete(SheetIndex);
}

void TBoundSheetList::Rename(int SheetIndex, std::u16string_view NewName)
{
    TBoundSheetRecord* record = BoundSheets(SheetIndex);
    FSheetNames.Rename(record->SheetName(), NewName);
    const int before = record->TotalSize();
    record->SetSheetName(NewName);
    FBoundSheets.AdaptSize(record->TotalSize() - before);
}

void TBoundSheetList::SaveRangeToStream(TOle2File& DataStream, int SheetIndex)
{
    BoundSheets(SheetIndex)->SaveToStream(DataStream);
}

std::int64_t TBoundSheetList::TotalRangeSize(int SheetIndex) const
{
    return BoundSheets(SheetIndex)->TotalSize();
}

void TWorkbookGlobals::Clear()
{
    TBaseSection::Clear();
    FSST = TSST();
    FReferences.Clear();
    FBoundSheets.Clear();
    FMiscRecords.Clear();
    FNames.Clear();
    FDrawingGroup.Clear();
    FXF.Clear();
    FFonts.Clear();
    FFormats.Clear();
    FWindow1 = nullptr;
    F1904 = nullptr;
    FBookBool = nullptr;
    FPrecision = nullptr;
    FPaletteCache = nullptr;
    FPaletteIndex = 0;
    FHasMacro = false;
    FIsXltTemplate = false;
    FCodeName.clear();
}

void TWorkbookGlobals::AddPlaceHolder(TBaseRecordList& List)
{
    if (List.Count() == 0)
        FMiscRecords.Add(TSubListRecord::CreateAndAssign(&List));
}

void TWorkbookGlobals::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                      std::unique_ptr<TBOFRecord> First, TSST*)
{
    Clear();
    while (!FEOF) {
        if (RecordHeader.EndOfStream || RecordHeader.Id == 0)
            First->ReadError(msg::SectionNotClosed);
        Dispatch(LoadRecord(DataStream, RecordHeader));
    }
    FDrawingGroup.CheckLoaded();
    FBOF = std::move(First);
}

void TWorkbookGlobals::Dispatch(std::unique_ptr<TBaseRecord> Record)
{
    switch (Record->Id) {
    case xlr::XF:
        AddPlaceHolder(FXF);
        FPaletteIndex = FMiscRecords.Count();
        FXF.Add(std::unique_ptr<TXFRecord>(static_cast<TXFRecord*>(Record.release())));
        return;
    case xlr::FONT:
        AddPlaceHolder(FFonts);
        FFonts.Add(std::unique_ptr<TFontRecord>(static_cast<TFontRecord*>(Record.release())));
        return;
    case xlr::FORMAT:
        AddPlaceHolder(FFormats);
        FFormats.Add(std::unique_ptr<TFormatRecord>(static_cast<TFormatRecord*>(Record.release())));
        return;
    case xlr::BOF:
        Record->ReadError(msg::ErrExcelInvalid);
    case xlr::BOUNDSHEET:
        FBoundSheets.Add(std::unique_ptr<TBoundSheetRecord>(static_cast<TBoundSheetRecord*>(Record.release())));
        return;
    case xlr::NAME:
        FNames.Add(std::move(Record));
        return;
    case xlr::EOF_:
        FEOF.reset(static_cast<TEOFRecord*>(Record.release()));
        return;
    case xlr::SST:
        FSST.Load(static_cast<const TSSTRecord&>(*Record));
        return;
    case xlr::SUPBOOK:
        FReferences.AddSupBook(std::move(Record));
        return;
    case xlr::EXTERNNAME:
        FReferences.AddExternName(std::move(Record));
        return;
    case xlr::EXTERNSHEET:
        FReferences.AddExternRef(*Record);
        return;
    case xlr::MSODRAWINGGROUP:
        FDrawingGroup.LoadFromStream(std::move(Record));
        return;
    case xlr::TEMPLATE:
        FIsXltTemplate = true;
        return;
    case xlr::WINDOW1:
        FWindow1 = static_cast<TWindow1Record*>(Record.get());
        break;
    case xlr::DATEMODE1904:
        F1904 = static_cast<T1904Record*>(Record.get());
        break;
    case xlr::BOOKBOOL:
        FBookBool = static_cast<TBookBoolRecord*>(Record.get());
        break;
    case xlr::PRECISION:
        FPrecision = static_cast<TPrecisionRecord*>(Record.get());
        break;
    case xlr::PALETTE:
        FPaletteCache = static_cast<TPaletteRecord*>(Record.get());
        break;
    case xlr::OBPROJ:
        FHasMacro = true;
        break;
    case xlr::CODENAME:
        FCodeName = static_cast<const TCodeNameRecord&>(*Record).SheetName();
        break;
    default:
        if (dynamic_cast<TIgnoreRecord*>(Record.get()))
            return;
        break;
    }
    const bool isStyle = Record->Id == xlr::STYLE;
    FMiscRecords.Add(std::move(Record));
    if (isStyle)
        FPaletteIndex = FMiscRecords.Count();
}

std::int64_t TWorkbookGlobals::TotalSize() const
{
    return TBaseSection::TotalSize() + TTemplateRecord::GetSize(FIsXltTemplate) + FSST.TotalSize() +
           FReferences.TotalSize() + FBoundSheets.TotalSize() + FMiscRecords.TotalSize() + FNames.TotalSize() +
           FDrawingGroup.TotalSize() + FXF.TotalSize() + FFonts.TotalSize() + FFormats.TotalSize();
}

std::int64_t TWorkbookGlobals::TotalRangeSize(int SheetIndex, const TXlsCellRange&) const
{
    return TotalSize() - FBoundSheets.TotalSize() - FDrawingGroup.TotalSize() +
           FBoundSheets.TotalRangeSize(SheetIndex);
}

template <typename Write>
void TWorkbookGlobals::SaveSequence(TOle2File& DataStream, Write WriteBoundSheets, bool WithDrawingGroup)
{
    CheckLoaded();
    FBOF->SaveToStream(DataStream);
    if (FIsXltTemplate)
        TTemplateRecord::SaveNewRecord(DataStream);
    FMiscRecords.SaveToStream(DataStream);
    WriteBoundSheets();
    FReferences.SaveToStream(DataStream);
    FNames.SaveToStream(DataStream);
    if (WithDrawingGroup)
        FDrawingGroup.SaveToStream(DataStream);
    FSST.SaveToStream(DataStream);
    FEOF->SaveToStream(DataStream);
}

void TWorkbookGlobals::SaveToStream(TOle2File& DataStream)
{
    SaveSequence(DataStream, [&] { FBoundSheets.SaveToStream(DataStream); }, true);
}

void TWorkbookGlobals::SaveRangeToStream(TOle2File& DataStream, int SheetIndex, const TXlsCellRange&)
{
    FBoundSheets.TotalRangeSize(SheetIndex);  // refuses a bad index before anything is written
    SaveSequence(DataStream, [&] { FBoundSheets.SaveRangeToStream(DataStream, SheetIndex); }, false);
}

void TWorkbookGlobals::SheetSetOffset(int index, std::uint32_t Offset)
{
    FBoundSheets.BoundSheets(index)->SetOffset(Offset);
}

std::u16string TWorkbookGlobals::GetSheetName(int index) const
{
    return FBoundSheets.BoundSheets(index)->SheetName();
}

void TWorkbookGlobals::SetSheetName(int index, std::u16string_view Value)
{
    FBoundSheets.Rename(index, TSheetNameList::MakeValidSheetName(Value));
}

TXlsSheetVisible TWorkbookGlobals::GetSheetVisible(int index) const
{
    return static_cast<TXlsSheetVisible>(FBoundSheets.BoundSheets(index)->OptionFlags() & 3);
}

void TWorkbookGlobals::SetSheetVisible(int index, TXlsSheetVisible Value)
{
    TBoundSheetRecord* record = FBoundSheets.BoundSheets(index);
    record->SetOptionFlags(static_cast<std::uint16_t>((record->OptionFlags() & ~3) | Value));
}

std::uint16_t TWorkbookGlobals::GetSheetOptionFlags(int index) const
{
    return FBoundSheets.BoundSheets(index)->OptionFlags();
}

void TWorkbookGlobals::SetFirstSheetVisible(int index)
{
    if (FWindow1)
        FWindow1->SetFirstSheetVisible(static_cast<std::uint16_t>(index));
}

TSheetInfo TWorkbookGlobals::SheetInfoFor(int InsSheet, int FormulaSheet)
{
    TSheetInfo info;
    info.InsSheet = InsSheet;
    info.FormulaSheet = FormulaSheet;
    info.GetSheet = [this](int ref) { return FReferences.GetSheet(ref); };
    info.SetSheet = [this](int sheet) { return FReferences.SetSheet(sheet); };
    info.Names = &FNames;
    return info;
}

void TWorkbookGlobals::InsertSheets(int CopyFrom, int BeforeSheet, std::uint16_t OptionFlags, std::u16string_view Name,
                                    int SheetCount)
{
    FNames.CheckArrangeable();
    for (int i = 0; i < SheetCount; ++i)
        FBoundSheets.InsertSheet(BeforeSheet, OptionFlags, Name);
    FReferences.InsertSheets(BeforeSheet, SheetCount);
    TSheetInfo info = SheetInfoFor(-1, CopyFrom < BeforeSheet ? CopyFrom : CopyFrom + SheetCount);
    info.Names = nullptr;
    FNames.InsertSheets(CopyFrom, BeforeSheet, SheetCount, info);
}

std::vector<int> TWorkbookGlobals::DeleteSheets(int SheetIndex, int SheetCount)
{
    if (FHasMacro)
        ExcelError(msg::CantDeleteSheetWithMacros);
    FNames.CheckArrangeable();
    const int count = std::min(SheetCount, FBoundSheets.Count() - SheetIndex);
    for (int i = 0; i < count; ++i)
        FBoundSheets.DeleteSheet(SheetIndex);
    FReferences.InsertSheets(SheetIndex, -count);
    return FNames.DeleteSheets(SheetIndex, count);
}

int TWorkbookGlobals::ActiveSheet() const
{
    return FWindow1 ? FWindow1->ActiveSheet() : 0;
}

void TWorkbookGlobals::SetActiveSheet(int Value)
{
    if (FWindow1)
        FWindow1->SetActiveSheet(static_cast<std::uint16_t>(Value));
}

bool TWorkbookGlobals::Is1904() const
{
    return F1904 && F1904->Is1904();
}

void TWorkbookGlobals::SetIs1904(bool Value)
{
    if (F1904)
        F1904->SetIs1904(Value);
}

bool TWorkbookGlobals::PrecisionAsDisplayed() const
{
    return FPrecision && FPrecision->PrecisionAsDisplayed();
}

void TWorkbookGlobals::SetPrecisionAsDisplayed(bool Value)
{
    if (FPrecision)
        FPrecision->SetPrecisionAsDisplayed(Value);
}

bool TWorkbookGlobals::SaveExternalLinkValues() const
{
    return FBookBool && FBookBool->SaveExternalLinkValues();
}

void TWorkbookGlobals::SetSaveExternalLinkValues(bool Value)
{
    if (FBookBool)
        FBookBool->SetSaveExternalLinkValues(Value);
}

std::uint32_t TWorkbookGlobals::GetColorPalette(int Index) const
{
    if (FPaletteCache)
        return FPaletteCache->GetColor(Index);
    if (Index < 0 || Index >= StandardPaletteCount)
        ExcelError(msg::IndexOutOfRange, Index, std::string("Palette index"), 0, StandardPaletteCount - 1);
    return StandardPaletteColor(Index);
}

void TWorkbookGlobals::SetColorPalette(int Index, std::uint32_t Value)
{
    if (!FPaletteCache) {
        auto palette = TPaletteRecord::CreateStandard();
        palette->SetColor(Index, Value);  // a bad index refuses before the record is added
        FPaletteCache = palette.get();
        FMiscRecords.Insert(FPaletteIndex, std::move(palette));
        return;
    }
    FPaletteCache->SetColor(Index, Value);
}
