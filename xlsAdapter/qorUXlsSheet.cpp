// The sheet base and the sheet kept record by record.
#include "xlsAdapter/qorUXlsSheet.h"

#include "xlsAdapter/qorUXlsPageSetupRecords.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"

#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"
#include "xlsAdapter/qorUXlsWorkbookGlobals.h"



using namespace xlsAdapter;

void TSheet::Clear()
{
    TBaseSection::Clear();
    FWindow2 = nullptr;
    FPageHeader = nullptr;
    FPageFooter = nullptr;
    FZoom = nullptr;
    FLeftMargin = nullptr;
    FRightMargin = nullptr;
    FTopMargin = nullptr;
    FBottomMargin = nullptr;
    FSetup = nullptr;
}

int TSheet::SheetZoom() const
{
    return FZoom ? FZoom->Zoom() : 100;
}

std::u16string TSheet::PageHeader() const { return FPageHeader ? FPageHeader->Text() : std::u16string(); }
std::u16string TSheet::PageFooter() const { return FPageFooter ? FPageFooter->Text() : std::u16string(); }
void TSheet::SetPageHeader(std::u16string_view Value) { SetHeaderFooterText(FPageHeader, Value); }
void TSheet::SetPageFooter(std::u16string_view Value) { SetHeaderFooterText(FPageFooter, Value); }

void TSheet::SetHeaderFooterText(TPageHeaderFooterRecord* Record, std::u16string_view Value)
{
    if (!Record)
        return;
    // The list's total size follows the text's length.
    const int before = Record->TotalSize();
    Record->SetText(Value);
    PrintRecords().AdaptSize(Record->TotalSize() - before);
}

std::int64_t TSheet::TotalSize() const
{
    return TBaseSection::TotalSize() + (FCodeName ? FCodeName->TotalSize() : 0);
}

std::int64_t TSheet::TotalRangeSize(int, const TXlsCellRange&) const
{
    return TSheet::TotalSize();
}

std::unique_ptr<TSheet> TSheet::CopyTo(const TSheet* Sheet)
{
    return Sheet ? Sheet->DoCopyTo() : nullptr;
}

bool TSheet::Selected() const
{
    return FWindow2 && FWindow2->Selected();
}

void TSheet::SetSelected(bool Value)
{
    if (FWindow2)
        FWindow2->SetSelected(Value);
}

std::u16string TSheet::CodeName() const
{
    return FCodeName ? FCodeName->SheetName() : std::u16string();
}

void TSheet::SetCodeName(std::u16string_view Value)
{
    FCodeName = TCodeNameRecord::CreateNew(Value);
}

void TSheet::LinkRecord(TBaseRecord* Record)
{
    if (Record->Id == xlr::WINDOW2)
        FWindow2 = static_cast<TWindow2Record*>(Record);
    else if (Record->Id == xlr::HEADER)
        FPageHeader = static_cast<TPageHeaderFooterRecord*>(Record);
    else if (Record->Id == xlr::FOOTER)
        FPageFooter = static_cast<TPageHeaderFooterRecord*>(Record);
    else if (Record->Id == xlr::SCL)
        FZoom = static_cast<TSCLRecord*>(Record);
    else if (Record->Id == xlr::LEFTMARGIN)
        FLeftMargin = static_cast<TMarginRecord*>(Record);
    else if (Record->Id == xlr::RIGHTMARGIN)
        FRightMargin = static_cast<TMarginRecord*>(Record);
    else if (Record->Id == xlr::TOPMARGIN)
        FTopMargin = static_cast<TMarginRecord*>(Record);
    else if (Record->Id == xlr::BOTTOMMARGIN)
        FBottomMargin = static_cast<TMarginRecord*>(Record);
    else if (Record->Id == xlr::SETUP)
        FSetup = static_cast<TSetupRecord*>(Record);
}

namespace {
constexpr double DefaultSideMargin = 0.7480314960629921; // 1.9 cm
constexpr double DefaultTopMargin = 0.984251968503937;   // 2.5 cm
} // namespace

TXlsMargins TSheet::Margins() const
{
    TXlsMargins margins;
    margins.Left = FLeftMargin ? FLeftMargin->Value() : DefaultSideMargin;
    margins.Right = FRightMargin ? FRightMargin->Value() : DefaultSideMargin;
    margins.Top = FTopMargin ? FTopMargin->Value() : DefaultTopMargin;
    margins.Bottom = FBottomMargin ? FBottomMargin->Value() : DefaultTopMargin;
    margins.Header = FSetup ? FSetup->HeaderMargin() : 0;
    margins.Footer = FSetup ? FSetup->FooterMargin() : 0;
    return margins;
}

void TSheet::InsertPrintRecord(int At, std::unique_ptr<TBaseRecord> Record)
{
    TBaseRecord* inserted = Record.get();
    PrintRecords().Insert(At, std::move(Record));
    LinkRecord(inserted);
}

TMarginRecord* TSheet::AddMarginRecord(std::uint16_t Id)
{
    // Records of embedded chart substreams belong to the charts.
    TBaseRecordList& records = PrintRecords();
    int at = records.Count();
    bool inSubstream = false;
    for (int i = 0; i < records.Count(); ++i) {
        const std::uint16_t id = records.Items(i)->Id;
        if (id == xlr::BOF)
            inSubstream = true;
        else if (id == xlr::EOF_)
            inSubstream = false;
        else if (!inSubstream && ((id >= xlr::LEFTMARGIN && id <= xlr::BOTTOMMARGIN) || id == xlr::VCENTER ||
                                  id == xlr::DEFAULTROWHEIGHT))
            at = i + 1;
    }
    auto record = std::make_unique<TMarginRecord>(Id, ByteArray(8));
    TMarginRecord* margin = record.get();
    InsertPrintRecord(at, std::move(record));
    return margin;
}

void TSheet::SetMargins(const TXlsMargins& Value)
{
    const std::pair<TMarginRecord**, std::pair<std::uint16_t, double>> sides[] = {
        {&FLeftMargin, {xlr::LEFTMARGIN, Value.Left}},
        {&FRightMargin, {xlr::RIGHTMARGIN, Value.Right}},
        {&FTopMargin, {xlr::TOPMARGIN, Value.Top}},
        {&FBottomMargin, {xlr::BOTTOMMARGIN, Value.Bottom}},
    };
    for (const auto& [field, side] : sides) {
        if (!*field)
            *field = AddMarginRecord(side.first);
        (*field)->SetValue(side.second);
    }
    if (FSetup) {
        FSetup->SetHeaderMargin(Value.Header);
        FSetup->SetFooterMargin(Value.Footer);
    }
}

void TSheet::SaveSection(TOle2File& DataStream, TBaseRecordList& Records) const
{
    CheckLoaded();
    FBOF->SaveToStream(DataStream);
    Records.SaveToStream(DataStream);
    if (FCodeName)
        FCodeName->SaveToStream(DataStream);
    FEOF->SaveToStream(DataStream);
}

void TSheet::CopySectionTo(TSheet& Copy) const
{
    Copy.FBOF.reset(static_cast<TBOFRecord*>(TBaseRecord::CopyTo(FBOF.get()).release()));
    Copy.FEOF.reset(static_cast<TEOFRecord*>(TBaseRecord::CopyTo(FEOF.get()).release()));
}

void TVyxUnsupportedSheet::Clear()
{
    TSheet::Clear();
    FSheetRecords.Clear();
    FCodeName.reset();
}

std::int64_t TVyxUnsupportedSheet::TotalSize() const
{
    return TSheet::TotalSize() + FSheetRecords.TotalSize();
}

std::int64_t TVyxUnsupportedSheet::TotalRangeSize(int, const TXlsCellRange&) const
{
    return TotalSize();
}

void TVyxUnsupportedSheet::LoadFromStream(TOle2File& DataStream, TRecordHeader& RecordHeader,
                                          std::unique_ptr<TBOFRecord> First, TSST* SST)
{
    Clear();
    // An embedded chart is a substream of its own, from its BOF to its EOF,
    // inside the sheet's records; it is kept with them. Substreams do not
    // nest further.
    bool inSubstream = false;
    while (!FEOF) {
        if (RecordHeader.EndOfStream || RecordHeader.Id == 0)
            First->ReadError(msg::SectionNotClosed);
        std::unique_ptr<TBaseRecord> record = LoadRecord(DataStream, RecordHeader);
        switch (record->Id) {
        case xlr::BOF:
            if (inSubstream)
                record->ReadError(msg::ErrExcelInvalid);
            inSubstream = true;
            FSheetRecords.Add(std::move(record));
            break;
        case xlr::EOF_:
            if (inSubstream) {
                inSubstream = false;
                FSheetRecords.Add(std::move(record));
            } else {
                FEOF.reset(static_cast<TEOFRecord*>(record.release()));
            }
            break;
        case xlr::CODENAME:
            FCodeName.reset(static_cast<TCodeNameRecord*>(record.release()));
            break;
        case xlr::LABELSST:
            static_cast<TLabelSSTRecord&>(*record).AttachToSST(SST);
            [[fallthrough]];
        default:
            if (dynamic_cast<TIgnoreRecord*>(record.get()))
                break;
            if (!inSubstream)
                LinkRecord(record.get());
            FSheetRecords.Add(std::move(record));
        }
    }
    FBOF = std::move(First);
}

void TVyxUnsupportedSheet::SaveToStream(TOle2File& DataStream)
{
    SaveSection(DataStream, FSheetRecords);
}

void TVyxUnsupportedSheet::SaveRangeToStream(TOle2File& DataStream, int, const TXlsCellRange&)
{
    SaveToStream(DataStream);
}

std::unique_ptr<TSheet> TVyxUnsupportedSheet::DoCopyTo() const
{
    auto copy = std::make_unique<TVyxUnsupportedSheet>(FWorkbookGlobals);
    CopySectionTo(*copy);
    copy->FSheetRecords.CopyFrom(&FSheetRecords);
    bool inSubstream = false;
    for (int i = 0; i < copy->FSheetRecords.Count(); ++i) {
        TBaseRecord* record = copy->FSheetRecords.Items(i);
        if (record->Id == xlr::BOF)
            inSubstream = true;
        else if (record->Id == xlr::EOF_)
            inSubstream = false;
        else if (!inSubstream)
            copy->LinkRecord(record);
    }
    return copy;
}
