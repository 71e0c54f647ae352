// Storage and lookup of published members, and the members the component
// base publishes.
#include "platform/classes/Published.h"

#include "platform/classes/Component.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <map>

namespace classes {

namespace {

struct ClassMembers {
    std::vector<TPublishedProperty> Properties;
    std::vector<TPublishedMethod> Methods;
};

void RegisterBuiltIns();

// The registry, with the component base's members in it before anything
// else is added or looked up, so a later registration can replace them.
std::map<TClass, ClassMembers>& Members()
{
    static std::map<TClass, ClassMembers> registry;
    static bool builtInsRegistered = false;
    if (!builtInsRegistered) {
        builtInsRegistered = true; // set first: the registration comes back here
        RegisterBuiltIns();
    }
    return registry;
}

void RegisterBuiltIns()
{
    Publish<TComponent>()
        .Property("Name", &TComponent::Name, &TComponent::SetName)
        .Property("Tag", &TComponent::Tag, &TComponent::SetTag);
}

template <class Member>
void AddOrReplace(std::vector<Member>& members, Member member)
{
    for (Member& existing : members)
        if (SameText(existing.Name, member.Name)) {
            existing = std::move(member);
            return;
        }
    members.push_back(std::move(member));
}

template <class Member>
const Member* FindIn(const std::vector<Member>& members, std::string_view name)
{
    for (const Member& m : members)
        if (SameText(m.Name, name))
            return &m;
    return nullptr;
}

} // namespace

TObject* TPublishedValue::AsObject() const
{
    if (!FIsObject)
        throw EInvalidCast(std::string("Could not convert variant of type (") + VarTypeName(FVariant.VarType()) +
                           ") into type (Object)");
    return FObject;
}

const Variant& TPublishedValue::AsVariant() const
{
    if (FIsObject)
        throw EInvalidCast("Could not convert an object reference into a variant");
    return FVariant;
}

void AddPublishedProperty(TClass Class, TPublishedProperty Property)
{
    AddOrReplace(Members()[Class].Properties, std::move(Property));
}

void AddPublishedMethod(TClass Class, TPublishedMethod Method)
{
    AddOrReplace(Members()[Class].Methods, std::move(Method));
}

const TPublishedProperty* FindPublishedProperty(TClass Class, std::string_view Name)
{
    auto& members = Members();
    for (TClass c = Class; c != nullptr; c = c->Parent) {
        auto it = members.find(c);
        if (it != members.end())
            if (const auto* p = FindIn(it->second.Properties, Name))
                return p;
    }
    return nullptr;
}

const TPublishedMethod* FindPublishedMethod(TClass Class, std::string_view Name)
{
    auto& members = Members();
    for (TClass c = Class; c != nullptr; c = c->Parent) {
        auto it = members.find(c);
        if (it != members.end())
            if (const auto* m = FindIn(it->second.Methods, Name))
                return m;
    }
    return nullptr;
}

std::vector<const TPublishedProperty*> PublishedProperties(TClass Class)
{
    std::vector<TClass> chain;
    for (TClass c = Class; c != nullptr; c = c->Parent)
        chain.push_back(c);
    auto& members = Members();
    std::vector<const TPublishedProperty*> result;
    for (auto c = chain.rbegin(); c != chain.rend(); ++c) {
        auto it = members.find(*c);
        if (it == members.end())
            continue;
        for (const auto& p : it->second.Properties) {
            // A descendant's property of the same name takes the place of
            // its ancestor's.
            auto same = std::find_if(result.begin(), result.end(),
                                     [&](const TPublishedProperty* r) { return SameText(r->Name, p.Name); });
            if (same != result.end())
                *same = &p;
            else
                result.push_back(&p);
        }
    }
    return result;
}

TPublishedValue GetPublishedProp(TObject& Instance, std::string_view Name)
{
    const auto* property = FindPublishedProperty(Instance.ClassType(), Name);
    if (property == nullptr)
        throw EPropertyError("Property " + std::string(Name) + " does not exist in " + Instance.ClassName());
    return property->Get(Instance);
}

void SetPublishedProp(TObject& Instance, std::string_view Name, const TPublishedValue& Value)
{
    const auto* property = FindPublishedProperty(Instance.ClassType(), Name);
    if (property == nullptr)
        throw EPropertyError("Property " + std::string(Name) + " does not exist in " + Instance.ClassName());
    if (!property->Set)
        throw EPropertyError("Property " + property->Name + " is read-only");
    property->Set(Instance, Value);
}

TPublishedValue CallPublishedMethod(TObject& Instance, std::string_view Name, const TPublishedArgs& Args)
{
    const auto* method = FindPublishedMethod(Instance.ClassType(), Name);
    if (method == nullptr)
        throw EPropertyError("Method " + std::string(Name) + " does not exist in " + Instance.ClassName());
    return method->Call(Instance, Args);
}

} // namespace classes
