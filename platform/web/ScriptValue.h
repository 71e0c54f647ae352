// One value that crosses between page script and C++: null, a boolean, a number or a string.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>

namespace web {

// Arguments of the page's external calls arrive as these; script values of
// other kinds (objects, functions) arrive as their string form.
class ScriptValue {
public:
    ScriptValue() = default;  // null
    ScriptValue(bool value) : FValue(value) {}
    ScriptValue(double value) : FValue(value) {}
    ScriptValue(int value) : FValue(static_cast<double>(value)) {}
    ScriptValue(std::string value) : FValue(std::move(value)) {}
    ScriptValue(const char* value) : FValue(std::string(value)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(FValue); }
    bool IsBoolean() const { return std::holds_alternative<bool>(FValue); }
    bool IsNumber() const { return std::holds_alternative<double>(FValue); }
    bool IsString() const { return std::holds_alternative<std::string>(FValue); }

    // Conversions as an automation caller expects them; each throws
    // EConvertError naming the value when it cannot convert.
    // A number, a boolean (1 or 0) or a decimal text with "." as separator.
    double ToDouble() const;
    // As ToDouble, rounded half to even; out-of-range values are refused.
    int ToInteger() const;
    // Booleans as they are, numbers as non-zero; "true"/"false" texts.
    bool ToBoolean() const;
    // Text unchanged; numbers in their shortest exact form; "true"/"false"; null as "".
    std::string ToString() const;

    // The value as a script literal, for messages and tests: null, true, 2.5, "text".
    std::string Describe() const;

    bool operator==(const ScriptValue&) const = default;

private:
    std::variant<std::monostate, bool, double, std::string> FValue;
};

// Writes Describe(), so test failures show values rather than bytes.
std::ostream& operator<<(std::ostream& out, const ScriptValue& value);

}  // namespace web
