// Published members by name: the properties and methods that script may reach on an object.
//
// A small registry of member tables per class, searched from a class up
// through its ancestors, with values converted as an automation caller
// expects. It stands in for the platform's published-member registry until
// that one is part of the build.
#pragma once

#include "platform/classes/Object.h"
#include "platform/web/ScriptValue.h"

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace map {

enum class TAutoKind { Null, Boolean, Integer, Double, String, Enumeration, Object };

// One value crossing the dispatcher: a script value or a program object.
struct TAutoValue {
    std::variant<std::monostate, bool, int, double, std::string, TObject*> Value;

    TAutoValue() = default;
    TAutoValue(bool v) : Value(v) {}
    TAutoValue(int v) : Value(v) {}
    TAutoValue(double v) : Value(v) {}
    TAutoValue(std::string v) : Value(std::move(v)) {}
    TAutoValue(const char* v) : Value(std::string(v)) {}
    TAutoValue(TObject* v) : Value(v) {}

    bool IsNull() const { return Value.index() == 0; }
    bool AsBoolean() const { return std::get<bool>(Value); }
    int AsInteger() const { return std::get<int>(Value); }
    double AsDouble() const { return std::get<double>(Value); }
    const std::string& AsString() const { return std::get<std::string>(Value); }
    TObject* AsObject() const { return std::holds_alternative<TObject*>(Value) ? std::get<TObject*>(Value) : nullptr; }
};

struct TParamInfo {
    std::string Name;
    TAutoKind Kind = TAutoKind::String;
    int EnumCount = 0;  // for enumerations: ordinals 0 .. EnumCount - 1
};

using TAutoArgs = std::vector<TAutoValue>;

struct TPublishedMethod {
    std::string Name;
    std::vector<TParamInfo> Params;
    std::function<TAutoValue(TObject* Self, const TAutoArgs& Args)> Call;
};

struct TPublishedProperty {
    std::string Name;
    TParamInfo Type;
    std::function<TAutoValue(TObject* Self)> Get;
    std::function<void(TObject* Self, const TAutoValue& Value)> Set;  // empty: read only
};

struct TPublishedClass {
    std::vector<TPublishedMethod> Methods;
    std::vector<TPublishedProperty> Properties;
};

// Registers the members a class publishes (added to any it has already).
void PublishMembers(TClass Class, TPublishedClass Members);
// The member of that name (case ignored) of Class or its nearest ancestor that has one.
const TPublishedMethod* FindPublishedMethod(TClass Class, std::string_view Name);
const TPublishedProperty* FindPublishedProperty(TClass Class, std::string_view Name);

// A script value as the declared type; throws EConvertError when it does not convert.
TAutoValue ConvertArgument(const web::ScriptValue& Value, const TParamInfo& Type);

}  // namespace map
