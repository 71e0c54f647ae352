// Page setup and printing records.
#include "xlsAdapter/qorUXlsPageSetupRecords.h"

#include "xlsAdapter/qorUXlsStrings.h"

#include <bit>
#include <cstring>

using namespace xlsAdapter;

namespace {

static_assert(std::endian::native == std::endian::little, "doubles are stored little-endian");

double GetDouble(const ByteArray& Data, std::int64_t Pos)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), Pos, 8);
    double value;
    std::memcpy(&value, Data.data() + Pos, 8);
    return value;
}

void SetDouble(ByteArray& Data, std::int64_t Pos, double Value)
{
    CheckRange(static_cast<std::int64_t>(Data.size()), Pos, 8);
    std::memcpy(Data.data() + Pos, &Value, 8);
}

constexpr int SetupSize = 34;

} // namespace

std::u16string TPageHeaderFooterRecord::Text() const
{
    if (Data.empty())
        return {};
    const TBaseRecord* record = this;
    int pos = 0;
    return TExcelString(2, record, pos).Value();
}

void TPageHeaderFooterRecord::SetText(std::u16string_view Value)
{
    const TExcelString text(2, Value);
    ByteArray data(static_cast<std::size_t>(text.TotalSize()));
    text.CopyToPtr(data, 0);
    Data = std::move(data);
    Continue.reset();
}

double TMarginRecord::Value() const
{
    return GetDouble(Data, 0);
}

void TMarginRecord::SetValue(double aValue)
{
    if (DataSize() != 8)
        ExcelError(msg::MarginRecordSize);
    SetDouble(Data, 0, aValue);
}

TSetupRec TSetupRecord::Value() const
{
    CheckRange(DataSize(), 0, SetupSize);
    return {GetWord(Data, 0),  GetWord(Data, 2),  GetWord(Data, 4),  GetWord(Data, 6),
            GetWord(Data, 8),  GetWord(Data, 10), GetWord(Data, 12), GetWord(Data, 14),
            GetDouble(Data, 16), GetDouble(Data, 24), GetWord(Data, 32)};
}

void TSetupRecord::SetValue(const TSetupRec& aValue)
{
    if (DataSize() != SetupSize)
        ExcelError(msg::SetupRecordSize);
    SetWord(Data, 0, aValue.PaperSize);
    SetWord(Data, 2, aValue.Scale);
    SetWord(Data, 4, aValue.PageStart);
    SetWord(Data, 6, aValue.FitWidth);
    SetWord(Data, 8, aValue.FitHeight);
    SetWord(Data, 10, aValue.GrBit);
    SetWord(Data, 12, aValue.Resolution);
    SetWord(Data, 14, aValue.VResolution);
    SetDouble(Data, 16, aValue.HeaderMargin);
    SetDouble(Data, 24, aValue.FooterMargin);
    SetWord(Data, 32, aValue.Copies);
}

std::uint16_t TSetupRecord::PrinterField(int Pos) const
{
    if (!PrinterFieldsInvalid())
        return GetWord(Data, Pos);
    for (const auto& [pos, value] : PrinterFieldDefaults)
        if (pos == Pos)
            return value;
    return 0;
}

void TSetupRecord::SetPrinterField(int Pos, std::uint16_t Value)
{
    // Making the printer fields valid must not change the ones the caller
    // did not set: they take the values they read as until now.
    if (PrinterFieldsInvalid()) {
        for (const auto& [pos, value] : PrinterFieldDefaults)
            SetWord(Data, pos, value);
        SetWord(Data, 10, GetWord(Data, 10) & ~4);
    }
    SetWord(Data, Pos, Value);
}

double TSetupRecord::HeaderMargin() const
{
    return GetDouble(Data, 16);
}

void TSetupRecord::SetHeaderMargin(double Value)
{
    SetDouble(Data, 16, Value);
}

double TSetupRecord::FooterMargin() const
{
    return GetDouble(Data, 24);
}

void TSetupRecord::SetFooterMargin(double Value)
{
    SetDouble(Data, 24, Value);
}

std::unique_ptr<TPlsRecord> TPlsRecord::CreateFromData(const TPrinterDriverSettings& aPrinterData)
{
    auto record = std::make_unique<TPlsRecord>(xlr::PLS, ByteArray(2 + aPrinterData.Data.size()));
    record->SetPrinterData(aPrinterData);
    return record;
}

TPrinterDriverSettings TPlsRecord::PrinterData() const
{
    return {GetWord(Data, 0), ByteArray(Data.begin() + 2, Data.end())};
}

void TPlsRecord::SetPrinterData(const TPrinterDriverSettings& Value)
{
    if (Value.Data.size() + 2 != Data.size())
        Data.assign(Value.Data.size() + 2, 0);
    SetWord(Data, 0, Value.OperatingEnviroment);
    std::copy(Value.Data.begin(), Value.Data.end(), Data.begin() + 2);
}
