// Conversions and comparison of Variant values.
#include "platform/rtl/Variant.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"

#include <cmath>
#include <limits>

namespace {

template <typename Int>
Int CheckedInteger(long double value, const Variant& source)
{
    if (!(value >= static_cast<long double>(std::numeric_limits<Int>::min()) &&
          value <= static_cast<long double>(std::numeric_limits<Int>::max())))
        throw EConvertError("Variant value " + source.AsString() + " is outside the integer range");
    return static_cast<Int>(value);
}

} // namespace

Currency Currency::FromDouble(double value)
{
    const double scaled = std::nearbyint(value * 10000.0);
    if (!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0))
        throw EConvertError("Currency value out of range");
    return Currency{static_cast<int64_t>(scaled)};
}

const char* VarTypeName(TVarType type)
{
    static constexpr const char* names[] = {"Empty", "Null", "Boolean", "Integer", "LongWord", "Int64",
                                            "UInt64", "Double", "Currency", "Date", "String", "Error"};
    return names[type];
}

Variant Variant::Null()
{
    Variant v;
    v.FType = varNull;
    return v;
}

Variant Variant::FromDate(double dateTime)
{
    Variant v(dateTime);
    v.FType = varDate;
    return v;
}

Variant Variant::FromError(int32_t code)
{
    Variant v(code);
    v.FType = varError;
    return v;
}

bool Variant::IsNumeric() const
{
    switch (FType) {
    case varInteger:
    case varLongWord:
    case varInt64:
    case varUInt64:
    case varDouble:
    case varCurrency:
    case varDate:
        return true;
    default:
        return false;
    }
}

void Variant::ThrowCast(const char* target) const
{
    throw EInvalidCast(std::string("Could not convert variant of type (") + VarTypeName(FType) + ") into type (" +
                       target + ")");
}

long double Variant::NumberValue(const char* target) const
{
    switch (FType) {
    case varInteger:
    case varInt64:
        return static_cast<long double>(std::get<int64_t>(FValue));
    case varLongWord:
    case varUInt64:
        return static_cast<long double>(std::get<uint64_t>(FValue));
    case varDouble:
    case varDate:
        return std::get<double>(FValue);
    case varCurrency:
        return static_cast<long double>(std::get<Currency>(FValue).Scaled) / 10000.0L;
    case varBoolean:
        return std::get<bool>(FValue) ? -1 : 0;
    case varEmpty:
        return 0;
    default:
        ThrowCast(target);
    }
}

std::string Variant::AsString() const
{
    switch (FType) {
    case varEmpty:
        return {};
    case varBoolean:
        return std::get<bool>(FValue) ? "True" : "False";
    case varInteger:
    case varInt64:
        return IntToStr(std::get<int64_t>(FValue));
    case varLongWord:
    case varUInt64:
        return IntToStr(std::get<uint64_t>(FValue));
    case varDouble:
        return FloatToStr(std::get<double>(FValue));
    case varCurrency:
        return FloatToStr(std::get<Currency>(FValue).ToDouble());
    case varDate:
        return DateTimeToStr(std::get<double>(FValue));
    case varString:
        return std::get<std::string>(FValue);
    default:
        ThrowCast("String");
    }
}

double Variant::AsDouble() const
{
    if (FType == varString)
        return StrToFloat(std::get<std::string>(FValue));
    return static_cast<double>(NumberValue("Double"));
}

int64_t Variant::AsInt64() const
{
    switch (FType) {
    case varInteger:
    case varInt64:
        return std::get<int64_t>(FValue);
    case varUInt64:
        return CheckedInteger<int64_t>(NumberValue("Int64"), *this);
    case varString: {
        int64_t value;
        if (TryStrToInt64(std::get<std::string>(FValue), value))
            return value;
        return CheckedInteger<int64_t>(std::nearbyint(StrToFloat(std::get<std::string>(FValue))), *this);
    }
    default:
        // Fractions round halves to even, as Round does.
        return CheckedInteger<int64_t>(std::nearbyint(NumberValue("Int64")), *this);
    }
}

uint64_t Variant::AsUInt64() const
{
    if (FType == varLongWord || FType == varUInt64)
        return std::get<uint64_t>(FValue);
    if (FType == varString) {
        int64_t value;
        if (TryStrToInt64(std::get<std::string>(FValue), value) && value >= 0)
            return static_cast<uint64_t>(value);
        return CheckedInteger<uint64_t>(std::nearbyint(StrToFloat(std::get<std::string>(FValue))), *this);
    }
    return CheckedInteger<uint64_t>(std::nearbyint(NumberValue("UInt64")), *this);
}

int32_t Variant::AsInteger() const
{
    return CheckedInteger<int32_t>(static_cast<long double>(AsInt64()), *this);
}

bool Variant::AsBoolean() const
{
    if (FType == varBoolean)
        return std::get<bool>(FValue);
    if (FType == varString)
        return StrToBool(std::get<std::string>(FValue));
    return NumberValue("Boolean") != 0;
}

Currency Variant::AsCurrency() const
{
    if (FType == varCurrency)
        return std::get<Currency>(FValue);
    return Currency::FromDouble(AsDouble());
}

double Variant::AsDate() const
{
    if (FType == varString)
        return StrToDateTime(std::get<std::string>(FValue));
    return AsDouble();
}

int32_t Variant::AsError() const
{
    if (FType != varError)
        ThrowCast("Error");
    return static_cast<int32_t>(std::get<int64_t>(FValue));
}

bool Variant::operator==(const Variant& other) const
{
    if (IsNumeric() && other.IsNumeric()) {
        if (FType == varCurrency && other.FType == varCurrency)
            return std::get<Currency>(FValue) == std::get<Currency>(other.FValue);
        return NumberValue("Double") == other.NumberValue("Double");
    }
    return FType == other.FType && FValue == other.FValue;
}
