// The registry of published members and the conversion of script values to their declared types.
#include "map/AutoPublished.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

#include <map>

namespace map {
namespace {

std::map<TClass, TPublishedClass>& Registry()
{
    static std::map<TClass, TPublishedClass> registry;
    return registry;
}

template <class Member>
const Member* FindIn(const std::vector<Member>& members, std::string_view name)
{
    for (const auto& member : members)
        if (SameText(member.Name, name)) return &member;
    return nullptr;
}

}  // namespace

void PublishMembers(TClass Class, TPublishedClass Members)
{
    auto& entry = Registry()[Class];
    for (auto& m : Members.Methods) entry.Methods.push_back(std::move(m));
    for (auto& p : Members.Properties) entry.Properties.push_back(std::move(p));
}

const TPublishedMethod* FindPublishedMethod(TClass Class, std::string_view Name)
{
    for (TClass c = Class; c; c = c->Parent) {
        auto it = Registry().find(c);
        if (it == Registry().end()) continue;
        if (const auto* m = FindIn(it->second.Methods, Name)) return m;
    }
    return nullptr;
}

const TPublishedProperty* FindPublishedProperty(TClass Class, std::string_view Name)
{
    for (TClass c = Class; c; c = c->Parent) {
        auto it = Registry().find(c);
        if (it == Registry().end()) continue;
        if (const auto* p = FindIn(it->second.Properties, Name)) return p;
    }
    return nullptr;
}

TAutoValue ConvertArgument(const web::ScriptValue& Value, const TParamInfo& Type)
{
    switch (Type.Kind) {
    case TAutoKind::Null:
        return {};
    case TAutoKind::Boolean:
        return Value.ToBoolean();
    case TAutoKind::Integer:
        return Value.ToInteger();
    case TAutoKind::Double:
        return Value.ToDouble();
    case TAutoKind::String:
        return Value.ToString();
    case TAutoKind::Enumeration: {
        const int ordinal = Value.ToInteger();
        if (ordinal < 0 || ordinal >= Type.EnumCount)
            throw EConvertError(Value.Describe() + " is not a value of " + Type.Name);
        return ordinal;
    }
    case TAutoKind::Object:
        break;
    }
    throw EConvertError("script values cannot be passed as objects (" + Type.Name + ")");
}

}  // namespace map
