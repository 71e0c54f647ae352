// A small tagged value for properties read and written by name and for computed cell values.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

enum TVarType {
    varEmpty,
    varNull,
    varBoolean,
    varInteger,  // 32-bit signed
    varLongWord, // 32-bit unsigned
    varInt64,
    varUInt64,
    varDouble,
    varCurrency,
    varDate,
    varString, // UTF-8
    varError,
};

// Fixed point with four decimals, held as the value times 10,000.
struct Currency {
    int64_t Scaled = 0;

    // Rounds to four decimals, halves to even; out of range raises EConvertError.
    static Currency FromDouble(double value);
    double ToDouble() const { return static_cast<double>(Scaled) / 10000.0; }
    friend bool operator==(Currency, Currency) = default;
};

class Variant {
public:
    Variant() = default; // varEmpty
    Variant(bool value) : FType(varBoolean), FValue(value) {}
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    Variant(T value)
        : FType(std::is_signed_v<T> ? (sizeof(T) <= 4 ? varInteger : varInt64)
                                    : (sizeof(T) <= 4 ? varLongWord : varUInt64)),
          FValue(static_cast<std::conditional_t<std::is_signed_v<T>, int64_t, uint64_t>>(value))
    {
    }
    Variant(double value) : FType(varDouble), FValue(value) {}
    Variant(Currency value) : FType(varCurrency), FValue(value) {}
    Variant(std::string value) : FType(varString), FValue(std::move(value)) {}
    Variant(std::string_view value) : Variant(std::string(value)) {}
    Variant(const char* value) : Variant(std::string(value ? value : "")) {}

    static Variant Null();
    static Variant FromDate(double dateTime);
    static Variant FromError(int32_t code);

    TVarType VarType() const { return FType; }
    bool IsEmpty() const { return FType == varEmpty; }
    bool IsNull() const { return FType == varNull; }
    bool IsNumeric() const;

    // Conversions. Empty converts to "", 0 and False; Null and error values convert to
    // nothing (EInvalidCast). True is -1 as a number. Text converts as StrToFloat,
    // StrToInt and StrToBool read it (EConvertError when it is not a number or Boolean).
    // Numbers become text with FloatToStr, dates with DateTimeToStr, Booleans as
    // "True"/"False". Numbers outside an integer's range raise EConvertError.
    std::string AsString() const;
    double AsDouble() const;
    int32_t AsInteger() const;
    int64_t AsInt64() const;
    uint64_t AsUInt64() const;
    bool AsBoolean() const;
    Currency AsCurrency() const;
    double AsDate() const;
    // The code of an error value; EInvalidCast for other kinds.
    int32_t AsError() const;

    // Equal when both are empty, both Null, equal Booleans, equal texts, equal error
    // codes, or numbers (integers, doubles, currency, dates) of equal value.
    bool operator==(const Variant& other) const;

private:
    [[noreturn]] void ThrowCast(const char* target) const;
    long double NumberValue(const char* target) const; // exact for every integer kind

    TVarType FType = varEmpty;
    std::variant<std::monostate, bool, int64_t, uint64_t, double, Currency, std::string> FValue;
};

// The name of a kind, as used in conversion messages ("Double", "String", …).
const char* VarTypeName(TVarType type);
