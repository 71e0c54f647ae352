// Plain cell records, the multiple-cell records and the RK encoding.
#include "xlsAdapter/qorUXlsCellRecords.h"

#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUVyxMessages.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <string_view>

using namespace xlsAdapter;

namespace {

constexpr int ValueOffset = 6;
constexpr std::uint32_t DividedBy100 = 1;
constexpr std::uint32_t IntegerForm = 2;
constexpr std::int64_t SmallestRKInteger = -536870912; // 30-bit signed
constexpr std::int64_t LargestRKInteger = 536870911;

// The RK form of V (already multiplied), or false.
bool RKForm(double V, std::uint32_t Flag, std::uint32_t& RK)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(V);
    const auto upper = static_cast<std::uint32_t>(bits >> 32);
    if (static_cast<std::uint32_t>(bits) == 0 && (upper & 3) == 0) {
        RK = upper | Flag;
        return true;
    }
    if (V == std::trunc(V) && V >= SmallestRKInteger && V <= LargestRKInteger) {
        RK = (static_cast<std::uint32_t>(static_cast<std::int32_t>(V)) << 2) | IntegerForm | Flag;
        return true;
    }
    return false;
}

struct TErrorCode {
    std::uint8_t Code;
    std::string_view Text;
};
constexpr std::array<TErrorCode, 7> ErrorCodes{{
    {0x00, "#NULL!"},
    {0x07, "#DIV/0!"},
    {0x0F, "#VALUE!"},
    {0x17, "#REF!"},
    {0x1D, "#NAME?"},
    {0x24, "#NUM!"},
    {0x2A, "#N/A"},
}};

[[noreturn]] void InvalidValue(const Variant& Value)
{
    std::string text;
    if (!Value.IsNull()) {
        try {
            text = VariantToText(Value);
        } catch (const Exception&) {
            text = VarTypeName(Value.VarType());
        }
    }
    ExcelError(msg::InvalidCellValue, text);
}

// A number for a NUMBER or RK cell; values that are no number raise
// "Invalid cell value".
double NumberOf(const Variant& Value)
{
    try {
        return Value.VarType() == varDate ? Value.AsDate() : Value.AsDouble();
    } catch (const Exception&) {
        InvalidValue(Value);
    }
}

template <typename T>
std::unique_ptr<T> NewCell(std::uint16_t Id, int DataSize, std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF)
{
    ByteArray data(static_cast<std::size_t>(DataSize));
    SetWord(data, 0, aRow);
    SetWord(data, 2, aCol);
    SetWord(data, 4, aXF);
    return std::make_unique<T>(Id, std::move(data));
}

} // namespace

double xlsAdapter::DecodeRK(std::uint32_t RK)
{
    double value = (RK & IntegerForm) ? static_cast<double>(static_cast<std::int32_t>(RK) >> 2)
                                      : std::bit_cast<double>(static_cast<std::uint64_t>(RK & ~3u) << 32);
    if (RK & DividedBy100)
        value /= 100;
    return value;
}

bool EncodeRK(std::uint32_t& RK, double X)
{
    const std::pair<long double, std::uint32_t> tries[] = {{1.0L, 0}, {100.0L, DividedBy100}};
    for (const auto& [multiplier, flag] : tries) {
        // One rounding from the exact product, so 0.01 * 100 is exactly 1.
        const double v = static_cast<double>(static_cast<long double>(X) * multiplier);
        std::uint32_t rk = 0;
        // Multiplying and dividing by 100 can move a value by one unit in
        // the last place; such a value is kept as a NUMBER instead.
        if (RKForm(v, flag, rk) && DecodeRK(rk) == X) {
            RK = rk;
            return true;
        }
    }
    return false;
}

bool IsRKEncodable(double X)
{
    std::uint32_t rk = 0;
    return EncodeRK(rk, X);
}

std::unique_ptr<TBlankRecord> TBlankRecord::CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF)
{
    return NewCell<TBlankRecord>(xlr::BLANK, 6, aRow, aCol, aXF);
}

TNumberRecord::TNumberRecord(std::uint16_t aId, ByteArray aData) : TCellRecord(aId, std::move(aData))
{
    RequireSize(ValueOffset + 8);
}

std::unique_ptr<TNumberRecord> TNumberRecord::CreateFromData(std::uint16_t aRow, std::uint16_t aCol,
                                                             std::uint16_t aXF)
{
    return NewCell<TNumberRecord>(xlr::NUMBER, 14, aRow, aCol, aXF);
}

Variant TNumberRecord::GetValue() const
{
    double value = 0;
    std::memcpy(&value, Data.data() + ValueOffset, sizeof value);
    return value;
}

void TNumberRecord::SetValue(const Variant& Value)
{
    const double value = NumberOf(Value);
    std::memcpy(Data.data() + ValueOffset, &value, sizeof value);
}

TRKRecord::TRKRecord(std::uint16_t aId, ByteArray aData) : TCellRecord(aId, std::move(aData))
{
    RequireSize(ValueOffset + 4);
}

std::unique_ptr<TRKRecord> TRKRecord::CreateFromData(std::uint16_t aRow, std::uint16_t aCol, std::uint16_t aXF)
{
    return NewCell<TRKRecord>(xlr::RK, 10, aRow, aCol, aXF);
}

Variant TRKRecord::GetValue() const
{
    return DecodeRK(GetCardinal(Data, ValueOffset));
}

void TRKRecord::SetValue(const Variant& Value)
{
    std::uint32_t rk = 0;
    if (!EncodeRK(rk, NumberOf(Value)))
        InvalidValue(Value);
    SetCardinal(Data, ValueOffset, rk);
}

TBoolErrRecord::TBoolErrRecord(std::uint16_t aId, ByteArray aData) : TCellRecord(aId, std::move(aData))
{
    RequireSize(ValueOffset + 2);
}

std::unique_ptr<TBoolErrRecord> TBoolErrRecord::CreateFromData(std::uint16_t aRow, std::uint16_t aCol,
                                                               std::uint16_t aXF)
{
    return NewCell<TBoolErrRecord>(xlr::BOOLERR, 8, aRow, aCol, aXF);
}

Variant xlsAdapter::BoolErrValue(std::uint8_t Value, std::uint8_t IsError)
{
    if (IsError == 0)
        return Value != 0;
    for (const TErrorCode& error : ErrorCodes)
        if (error.Code == Value)
            return std::string(error.Text);
    return std::string(ErrorCodes[0].Text);
}

Variant TBoolErrRecord::GetValue() const
{
    return BoolErrValue(Data[ValueOffset], Data[ValueOffset + 1]);
}

void TBoolErrRecord::SetValue(const Variant& Value)
{
    if (Value.VarType() == varBoolean) {
        Data[ValueOffset] = Value.AsBoolean() ? 1 : 0;
        Data[ValueOffset + 1] = 0;
        return;
    }
    if (Value.VarType() != varString)
        InvalidValue(Value);
    const std::string text = Value.AsString();
    for (const TErrorCode& error : ErrorCodes) {
        if (error.Text == text) {
            Data[ValueOffset] = error.Code;
            Data[ValueOffset + 1] = 1;
            return;
        }
    }
    ExcelError(msg::InvalidCellErrorCode, text);
}

TMultipleValueRecord::TMultipleValueRecord(std::uint16_t aId, ByteArray aData, int CellSize, TCellKind Kind)
    : TBaseRecord(aId, std::move(aData)), FCellSize(CellSize), FKind(Kind)
{
    RequireSize(6 + CellSize);
    if ((DataSize() - 6) % CellSize != 0)
        ExcelError(msg::InvalidRecordId, Id);
    const int lastColumn = GetWord(Data, DataSize() - 2);
    if (lastColumn != FirstColumn() + CellCount() - 1)
        ExcelError(msg::InvalidRecordId, Id);
    if (lastColumn > 255)
        ExcelError(msg::InvalidCol, lastColumn);
}

TCellSlot TMultipleValueRecord::ExtractOneCell()
{
    if (Eof())
        ReadError(msg::ErrReadingRecord);
    // Each cell is its format followed by its value bytes.
    const std::size_t first = 4 + static_cast<std::size_t>(CurrentCol) * static_cast<std::size_t>(FCellSize);
    TCellSlot slot = TCellSlot::Blank(FirstColumn() + CurrentCol, GetWord(Data, static_cast<std::int64_t>(first)));
    slot.Kind = FKind;
    std::copy(Data.begin() + static_cast<std::ptrdiff_t>(first) + 2,
              Data.begin() + static_cast<std::ptrdiff_t>(first) + FCellSize, slot.Value);
    ++CurrentCol;
    return slot;
}
