// The dispatcher over published members and the class map of wrappers.
#include "map/UGeolithAutomation.h"

#include "platform/classes/Component.h"
#include "platform/rtl/Strings.h"

namespace map {

classes::TPublishedValue FromScript(const web::ScriptValue& Value)
{
    if (Value.IsBoolean()) return Value.ToBoolean();
    if (Value.IsNumber()) return Value.ToDouble();
    if (Value.IsString()) return Value.ToString();
    return classes::TPublishedValue();
}

TObjectDispatch::TObjectDispatch(TObject* Instance, bool Owned) : FInstance(Instance), FOwned(Owned) {}

TObjectDispatch::~TObjectDispatch()
{
    if (FOwned) delete FInstance;
}

std::shared_ptr<TObjectDispatch> TObjectDispatch::GetObjectDispatch(TObject*) { return nullptr; }

const classes::TPublishedMethod* TObjectDispatch::GetMethodInfo(std::string_view Name, TObject*& Target)
{
    Target = FInstance;
    return FInstance ? classes::FindPublishedMethod(FInstance->ClassType(), Name) : nullptr;
}

int TObjectDispatch::FindOwnedComponent(TObject* Owner, std::string_view Name)
{
    auto* component = dynamic_cast<TComponent*>(Owner);
    if (!component || Name.empty()) return -1;
    for (int i = 0; i < component->ComponentCount(); ++i)
        if (SameText(component->Components(i)->Name(), Name)) return i;
    return -1;
}

const classes::TPublishedProperty* TObjectDispatch::GetPropInfo(std::string_view Name, TObject*& Target,
                                                                int& ComponentIndex)
{
    Target = FInstance;
    ComponentIndex = -1;
    if (!FInstance) return nullptr;
    if (const auto* p = classes::FindPublishedProperty(FInstance->ClassType(), Name)) return p;
    ComponentIndex = FindOwnedComponent(FInstance, Name);
    return nullptr;
}

TAutoResult TObjectDispatch::Wrap(const classes::TPublishedValue& value)
{
    TAutoResult result;
    if (!value.IsObject())
        result.Value = value.AsVariant();
    else if (TObject* object = value.AsObject())
        result.Object = GetObjectDispatch(object);
    return result;
}

TAutoResult TObjectDispatch::Invoke(std::string_view Name, const std::vector<web::ScriptValue>& Args)
{
    TObject* target = nullptr;
    if (const auto* method = GetMethodInfo(Name, target)) {
        classes::TPublishedArgs args;
        for (const auto& arg : Args) args.push_back(FromScript(arg));
        return Wrap(method->Call(*target, args));
    }
    if (Args.empty()) return GetProperty(Name);
    throw EPropertyError("Unknown name: " + std::string(Name));
}

TAutoResult TObjectDispatch::GetProperty(std::string_view Name)
{
    TObject* target = nullptr;
    int componentIndex = -1;
    if (const auto* property = GetPropInfo(Name, target, componentIndex)) return Wrap(property->Get(*target));
    if (componentIndex >= 0) return Wrap(static_cast<TComponent*>(target)->Components(componentIndex));
    throw EPropertyError("Unknown name: " + std::string(Name));
}

void TObjectDispatch::SetProperty(std::string_view Name, const web::ScriptValue& Value)
{
    TObject* target = nullptr;
    int componentIndex = -1;
    const auto* property = GetPropInfo(Name, target, componentIndex);
    if (!property) throw EPropertyError("Unknown name: " + std::string(Name));
    if (!property->Set) throw EPropertyError("Property " + property->Name + " is read-only");
    property->Set(*target, FromScript(Value));
}

}  // namespace map

TAutoObjectDispatch::TAutoObjectDispatch(TObject* Instance, bool Owned) : TObjectDispatch(Instance, Owned)
{
    (void)GetClassMap();
}

std::shared_ptr<map::TObjectDispatch> TAutoObjectDispatch::GetObjectDispatch(TObject* Obj)
{
    const TObjectWrapperClass wrapperClass = GetClassMap().FindObjectWrapper(Obj->ClassType());
    if (!wrapperClass) return nullptr;
    return std::make_shared<TAutoObjectDispatch>(wrapperClass.Create(Obj), true);
}

const classes::TPublishedMethod* TAutoObjectDispatch::GetMethodInfo(std::string_view Name, TObject*& Target)
{
    if (const auto* method = TObjectDispatch::GetMethodInfo(Name, Target)) return method;
    auto* wrapper = dynamic_cast<TObjectWrapper*>(Instance());
    if (!wrapper || !wrapper->Object()) return nullptr;
    Target = wrapper->Object();
    return classes::FindPublishedMethod(Target->ClassType(), Name);
}

const classes::TPublishedProperty* TAutoObjectDispatch::GetPropInfo(std::string_view Name, TObject*& Target,
                                                                    int& ComponentIndex)
{
    Target = Instance();
    ComponentIndex = -1;
    if (Instance())
        if (const auto* p = classes::FindPublishedProperty(Instance()->ClassType(), Name)) return p;
    auto* wrapper = dynamic_cast<TObjectWrapper*>(Instance());
    if (!wrapper || !wrapper->Object()) return nullptr;
    Target = wrapper->Object();
    if (const auto* p = classes::FindPublishedProperty(Target->ClassType(), Name)) return p;
    ComponentIndex = FindOwnedComponent(Target, Name);
    return nullptr;
}

TObjectWrapperClass TAutoRecord::GetWrapper(TClass AClass) const
{
    return AClass && AClass->InheritsFrom(FClass) ? FObjWrapper : TObjectWrapperClass{};
}

void TClassMap::AddClass(TClass AClass, TObjectWrapperClass AObjWrapper)
{
    for (int i = 0; i < Count(); ++i) {
        if (!Record(i)->GetWrapper(AClass)) continue;
        if (Record(i)->Equal(AClass)) throw Exception(std::string("Class '") + AClass->Name + "', already in class map");
        Insert(i, new TAutoRecord(AClass, AObjWrapper));
        return;
    }
    Add(new TAutoRecord(AClass, AObjWrapper));
}

TObjectWrapperClass TClassMap::FindObjectWrapper(TClass AClass) const
{
    for (int i = 0; i < Count(); ++i)
        if (auto wrapper = Record(i)->GetWrapper(AClass)) return wrapper;
    return {};
}

void TClassMap::RemoveClass(TClass AClass, TObjectWrapperClass AObjWrapper)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Record(i)->Equal(AClass) && Record(i)->GetWrapper(AClass) == AObjWrapper) Delete(i);
}

TClassMap& GetClassMap()
{
    static TClassMap classMap;
    static const bool filled = (map::RegisterStandardWrappers(classMap), true);
    (void)filled;
    return classMap;
}

std::string TObjectWrapper::ParentClass() const
{
    TClass parent = FObject ? FObject->ClassParent() : nullptr;
    return parent ? parent->Name : "";
}

bool TObjectWrapper::WrappedInheritsFrom(std::string_view ClassName) const
{
    return FObject && FObject->InheritsFrom(ClassName);
}
