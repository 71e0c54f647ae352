// LABELSST bound to the shared string table; LABEL and RSTRING read.
#include "xlsAdapter/qorUXlsLabelRecords.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsSST.h"
#include "xlsAdapter/qorUXlsStrings.h"

using namespace xlsAdapter;

TLabelSSTRecord::TLabelSSTRecord(std::uint16_t aId, ByteArray aData) : TCellRecord(aId, std::move(aData))
{
    RequireSize(10);
}

std::unique_ptr<TLabelSSTRecord> TLabelSSTRecord::CreateFromData(std::uint16_t aRow, std::uint16_t aCol,
                                                                 std::uint16_t aXF, TSST* aSST)
{
    ByteArray data(10);
    SetWord(data, 0, aRow);
    SetWord(data, 2, aCol);
    SetWord(data, 4, aXF);
    auto record = std::make_unique<TLabelSSTRecord>(xlr::LABELSST, std::move(data));
    record->SST = aSST;
    return record;
}

TLabelSSTRecord::~TLabelSSTRecord()
{
    if (SST && pSSTEntry >= 0)
        SST->Release(static_cast<std::uint32_t>(pSSTEntry));
}

void TLabelSSTRecord::AttachToSST(TSST* aSST)
{
    const std::uint32_t index = GetCardinal(Data, 6);
    if (index >= static_cast<std::uint32_t>(aSST->Count()))
        ReadError(msg::ErrExcelInvalid);
    if (SST && pSSTEntry >= 0)
        SST->AddReference(static_cast<std::uint32_t>(pSSTEntry), -1);
    SST = aSST;
    pSSTEntry = SST->Items(static_cast<int>(index));
    SST->AddReference(static_cast<std::uint32_t>(pSSTEntry), 1);
}

std::unique_ptr<TBaseRecord> TLabelSSTRecord::DoCopyTo() const
{
    auto copy = std::make_unique<TLabelSSTRecord>(Id, Data);
    CopyContinueChainTo(*copy);
    copy->SST = SST;
    copy->pSSTEntry = pSSTEntry;
    if (SST && pSSTEntry >= 0)
        SST->AddReference(static_cast<std::uint32_t>(pSSTEntry), 1);
    return copy;
}

void TLabelSSTRecord::SaveToStream(TOle2File& Workbook)
{
    if (SST && pSSTEntry >= 0)
        SetCardinal(Data, 6, SST->SavedIndex(static_cast<std::uint32_t>(pSSTEntry)));
    TCellRecord::SaveToStream(Workbook);
}

Variant TLabelSSTRecord::GetValue() const
{
    return Variant(rtl::Utf16ToUtf8(AsString()));
}

void TLabelSSTRecord::SetValue(const Variant& Value)
{
    SetAsString(rtl::Utf8ToUtf16(VariantToText(Value)));
}

std::u16string TLabelSSTRecord::AsString() const
{
    return SST && pSSTEntry >= 0 ? SST->Text(static_cast<std::uint32_t>(pSSTEntry)) : std::u16string();
}

TRichString TLabelSSTRecord::AsRichString() const
{
    if (!SST || pSSTEntry < 0)
        return {};
    const auto entry = static_cast<std::uint32_t>(pSSTEntry);
    return {SST->Text(entry), SST->Runs(entry)};
}

void TLabelSSTRecord::Bind(int Position)
{
    const std::int64_t previous = pSSTEntry;
    pSSTEntry = SST->Items(Position);
    if (previous >= 0)
        SST->AddReference(static_cast<std::uint32_t>(previous), -1);
}

TSST& TLabelSSTRecord::Table() const
{
    // A record that was never attached to a table has nowhere to keep text.
    if (!SST)
        ExcelError(msg::ErrExcelInvalid);
    return *SST;
}

void TLabelSSTRecord::SetAsString(std::u16string_view Value)
{
    Bind(Table().AddString(Value, {}));
}

void TLabelSSTRecord::SetAsRichString(const TRichString& Value)
{
    Bind(Table().AddString(Value.Value, Value.RTFRuns));
}

namespace {

TExcelString TextAfterCell(const TBaseRecord& Record, const TBaseRecord*& At, int& Pos)
{
    At = &Record;
    Pos = 6;
    return TExcelString(2, At, Pos);
}

} // namespace

Variant TLabelRecord::GetValue() const
{
    const TBaseRecord* at = nullptr;
    int pos = 0;
    return Variant(rtl::Utf16ToUtf8(TextAfterCell(*this, at, pos).Value()));
}

Variant TRStringRecord::GetValue() const
{
    return Variant(rtl::Utf16ToUtf8(AsRichString().Value));
}

TRichString TRStringRecord::AsRichString() const
{
    const TBaseRecord* at = nullptr;
    int pos = 0;
    TRichString result{TextAfterCell(*this, at, pos).Value(), {}};
    std::uint8_t word[4];
    ReadMemAcrossContinue(at, pos, 2, word);
    result.RTFRuns.resize(GetWord(word, 0));
    for (TRTFRun& run : result.RTFRuns) {
        ReadMemAcrossContinue(at, pos, 4, word);
        run = {GetWord(word, 0), GetWord(word, 2)};
    }
    return result;
}
