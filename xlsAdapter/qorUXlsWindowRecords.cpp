// Window, default size and option records.
#include "xlsAdapter/qorUXlsWindowRecords.h"

#include "xlsAdapter/qorUXlsRecordReader.h"
#include "xlsAdapter/qorUXlsStrings.h"

#include <algorithm>
#include <cmath>

using namespace xlsAdapter;

TDimensionsRecord::TDimensionsRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(14);
}

TDimensionsRec TDimensionsRecord::Dim() const
{
    return {GetCardinal(Data, 0), GetCardinal(Data, 4), GetWord(Data, 8), GetWord(Data, 10), GetWord(Data, 12)};
}

void TDimensionsRecord::SetDim(const TDimensionsRec& Value)
{
    SetCardinal(Data, 0, Value.FirstRow);
    SetCardinal(Data, 4, Value.LastRow);
    SetWord(Data, 8, Value.FirstCol);
    SetWord(Data, 10, Value.LastCol);
    SetWord(Data, 12, Value.Extra);
}

std::u16string TStringRecord::Value() const
{
    const TBaseRecord* record = this;
    int pos = 0;
    return TExcelString(2, record, pos).Value();
}

TWindow1Record::TWindow1Record(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(16);
}

void TWindow1Record::SetActiveSheet(std::uint16_t Value)
{
    SetWord(Data, 10, Value);
    SetWord(Data, 12, 0);
    SetWord(Data, 14, 1);
}

void TWindow1Record::EnsureNonZero()
{
    if (GetWord(Data, 4) == 0)
        SetWord(Data, 4, 1);
    if (GetWord(Data, 6) == 0)
        SetWord(Data, 6, 1);
}

void TWindow1Record::SaveToStream(TOle2File& Workbook)
{
    EnsureNonZero();
    TBaseRecord::SaveToStream(Workbook);
}

TWindow2Record::TWindow2Record(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(2);
}

std::unique_ptr<TBaseRecord> TWindow2Record::DoCopyTo() const
{
    auto copy = CopyAs<TWindow2Record>();
    static_cast<TWindow2Record&>(*copy).SetSelected(false);
    return copy;
}

void TWindow2Record::SetBits(std::uint16_t Mask, bool Value)
{
    const std::uint16_t word = GetWord(Data, 0);
    SetWord(Data, 0, static_cast<std::uint16_t>(Value ? word | Mask : word & ~Mask));
}

void TWindow2Record::SetSheetZoom(int Value)
{
    SetWord(Data, 12, static_cast<std::uint16_t>(std::clamp(Value, 10, 400)));
}

std::unique_ptr<TSCLRecord> TSCLRecord::CreateFromData(int aZoom)
{
    auto record = std::make_unique<TSCLRecord>(xlr::SCL, ByteArray(4));
    record->SetZoom(aZoom);
    return record;
}

int TSCLRecord::Zoom() const
{
    const std::uint16_t denominator = GetWord(Data, 2);
    if (denominator == 0)
        return 100;
    // The default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(GetWord(Data, 0) * 100.0 / denominator));
}

void TSCLRecord::SetZoom(int Value)
{
    SetWord(Data, 0, static_cast<std::uint16_t>(std::clamp(Value, 10, 400)));
    SetWord(Data, 2, 100);
}

void TDefColWidthRecord::SaveToStream(TOle2File& Workbook)
{
    if (Width() > 255)
        SetWidth(255);
    TBaseRecord::SaveToStream(Workbook);
}

void TWsBoolRecord::SetBit(int n, bool On)
{
    const std::uint16_t mask = static_cast<std::uint16_t>(1 << n);
    SetValue(static_cast<std::uint16_t>(On ? Value() | mask : Value() & ~mask));
}
