// One value that crosses between page script and C++.
#include "platform/web/ScriptValue.h"

#include "platform/rtl/Exceptions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>

namespace web {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for clang 14, which the fuzz build uses and which cannot deduce it.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

[[noreturn]] void CannotConvert(const ScriptValue& value, std::string_view kind)
{
    throw EConvertError("Cannot convert the script value " + value.Describe() + " to " + std::string(kind));
}

std::string ShortestNumberText(double number)
{
    if (std::isnan(number))
        return "NaN";
    if (std::isinf(number))
        return number > 0 ? "Infinity" : "-Infinity";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, number);
    return std::string(text, result.ptr);
}

}  // namespace

double ScriptValue::ToDouble() const
{
    return std::visit(
        Overloaded{
            [&](std::monostate) -> double { CannotConvert(*this, "a number"); },
            [](bool b) { return b ? 1.0 : 0.0; },
            [](double d) { return d; },
            [&](const std::string& s) {
                double number = 0;
                const char* end = s.data() + s.size();
                const auto result = std::from_chars(s.data(), end, number);
                if (s.empty() || result.ec != std::errc() || result.ptr != end)
                    CannotConvert(*this, "a number");
                return number;
            },
        },
        FValue);
}

int ScriptValue::ToInteger() const
{
    const double rounded = std::nearbyint(ToDouble());
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        CannotConvert(*this, "an integer");
    return static_cast<int>(rounded);
}

bool ScriptValue::ToBoolean() const
{
    if (const auto* text = std::get_if<std::string>(&FValue)) {
        if (*text == "true")
            return true;
        if (*text == "false")
            return false;
        CannotConvert(*this, "a boolean");
    }
    if (IsNull())
        CannotConvert(*this, "a boolean");
    return ToDouble() != 0;
}

std::string ScriptValue::ToString() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](bool b) { return std::string(b ? "true" : "false"); },
                          [](double d) { return ShortestNumberText(d); },
                          [](const std::string& s) { return s; },
                      },
                      FValue);
}

std::string ScriptValue::Describe() const
{
    if (IsNull())
        return "null";
    if (IsString())
        return "\"" + std::get<std::string>(FValue) + "\"";
    return ToString();
}

std::ostream& operator<<(std::ostream& out, const ScriptValue& value)
{
    return out << value.Describe();
}

}  // namespace web
