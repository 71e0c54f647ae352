// The dispatcher, the class map with its standard pairs, and the members the wrappers publish.
#include "map/UGeolithAutomation.h"

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Strings.h"

namespace map {

TObjectDispatch::TObjectDispatch(TObject* Instance, bool Owned) : FInstance(Instance), FOwned(Owned) {}

TObjectDispatch::~TObjectDispatch()
{
    if (FOwned) delete FInstance;
}

std::shared_ptr<TObjectDispatch> TObjectDispatch::GetObjectDispatch(TObject*) { return nullptr; }

const TPublishedMethod* TObjectDispatch::GetMethodInfo(std::string_view Name, TObject*& Target)
{
    Target = FInstance;
    return FInstance ? FindPublishedMethod(FInstance->ClassType(), Name) : nullptr;
}

int TObjectDispatch::FindOwnedComponent(TObject* Owner, std::string_view Name)
{
    auto* component = dynamic_cast<TComponent*>(Owner);
    if (!component) return -1;
    for (int i = 0; i < component->ComponentCount(); ++i)
        if (SameText(component->Components(i)->Name(), Name)) return i;
    return -1;
}

const TPublishedProperty* TObjectDispatch::GetPropInfo(std::string_view Name, TObject*& Target, int& ComponentIndex)
{
    Target = FInstance;
    ComponentIndex = -1;
    if (!FInstance) return nullptr;
    if (const auto* p = FindPublishedProperty(FInstance->ClassType(), Name)) return p;
    ComponentIndex = FindOwnedComponent(FInstance, Name);
    return nullptr;
}

TAutoResult TObjectDispatch::Wrap(const TAutoValue& value)
{
    TAutoResult result;
    if (TObject* object = value.AsObject())
        result.Object = GetObjectDispatch(object);
    else
        result.Value = value;
    return result;
}

TAutoResult TObjectDispatch::Call(const TPublishedMethod& method, TObject* target, const TAutoArgs& args)
{
    return Wrap(method.Call(target, args));
}

TAutoResult TObjectDispatch::Invoke(std::string_view Name, const std::vector<web::ScriptValue>& Args)
{
    TObject* target = nullptr;
    if (const auto* method = GetMethodInfo(Name, target)) {
        if (Args.size() != method->Params.size())
            throw EConvertError(std::string(Name) + " takes " + std::to_string(method->Params.size()) +
                                " arguments, not " + std::to_string(Args.size()));
        TAutoArgs converted;
        for (std::size_t i = 0; i < Args.size(); ++i) converted.push_back(ConvertArgument(Args[i], method->Params[i]));
        return Call(*method, target, converted);
    }
    if (Args.empty()) return GetProperty(Name);
    throw EUnknownName("Unknown name: " + std::string(Name));
}

TAutoResult TObjectDispatch::InvokeNamed(std::string_view Name,
                                         const std::vector<std::pair<std::string, web::ScriptValue>>& Args)
{
    TObject* target = nullptr;
    const auto* method = GetMethodInfo(Name, target);
    if (!method) throw EUnknownName("Unknown name: " + std::string(Name));
    std::vector<web::ScriptValue> ordered(method->Params.size());
    std::vector<bool> given(method->Params.size(), false);
    for (const auto& [argName, value] : Args) {
        std::size_t i = 0;
        while (i < method->Params.size() && !SameText(method->Params[i].Name, argName)) ++i;
        if (i == method->Params.size()) throw EUnknownName("Unknown name: " + argName);
        ordered[i] = value;
        given[i] = true;
    }
    for (std::size_t i = 0; i < given.size(); ++i)
        if (!given[i]) throw EConvertError("argument " + method->Params[i].Name + " of " + std::string(Name) + " is missing");
    return Invoke(Name, ordered);
}

TAutoResult TObjectDispatch::GetProperty(std::string_view Name)
{
    TObject* target = nullptr;
    int componentIndex = -1;
    if (const auto* property = GetPropInfo(Name, target, componentIndex)) return Wrap(property->Get(target));
    if (componentIndex >= 0)
        return Wrap(TAutoValue(static_cast<TObject*>(static_cast<TComponent*>(target)->Components(componentIndex))));
    throw EUnknownName("Unknown name: " + std::string(Name));
}

void TObjectDispatch::SetProperty(std::string_view Name, const web::ScriptValue& Value)
{
    TObject* target = nullptr;
    int componentIndex = -1;
    const auto* property = GetPropInfo(Name, target, componentIndex);
    if (!property) throw EUnknownName("Unknown name: " + std::string(Name));
    if (!property->Set) throw EInvalidOperation("property " + property->Name + " is read only");
    property->Set(target, ConvertArgument(Value, property->Type));
}

}  // namespace map

std::shared_ptr<map::TObjectDispatch> TAutoObjectDispatch::GetObjectDispatch(TObject* Obj)
{
    const TObjectWrapperClass wrapperClass = GetClassMap().FindObjectWrapper(Obj->ClassType());
    if (!wrapperClass) return nullptr;
    return std::make_shared<TAutoObjectDispatch>(wrapperClass.Create(Obj), true);
}

const map::TPublishedMethod* TAutoObjectDispatch::GetMethodInfo(std::string_view Name, TObject*& Target)
{
    if (const auto* method = TObjectDispatch::GetMethodInfo(Name, Target)) return method;
    auto* wrapper = dynamic_cast<TObjectWrapper*>(Instance());
    if (!wrapper || !wrapper->Object()) return nullptr;
    Target = wrapper->Object();
    return map::FindPublishedMethod(Target->ClassType(), Name);
}

const map::TPublishedProperty* TAutoObjectDispatch::GetPropInfo(std::string_view Name, TObject*& Target,
                                                                int& ComponentIndex)
{
    Target = Instance();
    ComponentIndex = -1;
    if (Instance())
        if (const auto* p = map::FindPublishedProperty(Instance()->ClassType(), Name)) return p;
    auto* wrapper = dynamic_cast<TObjectWrapper*>(Instance());
    if (!wrapper || !wrapper->Object()) return nullptr;
    Target = wrapper->Object();
    if (const auto* p = map::FindPublishedProperty(Target->ClassType(), Name)) return p;
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

std::string TObjectWrapper::ParentClass() const
{
    TClass parent = FObject ? FObject->ClassParent() : nullptr;
    return parent ? parent->Name : "";
}

bool TObjectWrapper::WrappedInheritsFrom(std::string_view ClassName) const
{
    return FObject && FObject->InheritsFrom(ClassName);
}

namespace {

using map::TAutoKind;
using map::TAutoValue;
using map::TParamInfo;

const TParamInfo IntegerType{"Integer", TAutoKind::Integer};
const TParamInfo StringType{"string", TAutoKind::String};
const TParamInfo ObjectType{"TObject", TAutoKind::Object};

template <class T>
T* Wrapped(TObject* self)
{
    return static_cast<T*>(static_cast<TObjectWrapper*>(self)->Object());
}

template <class T>
T* Self(TObject* self)
{
    return static_cast<T*>(self);
}

map::TPublishedProperty ReadOnly(std::string name, TParamInfo type, std::function<TAutoValue(TObject*)> get)
{
    return {std::move(name), std::move(type), std::move(get), {}};
}

map::TPublishedProperty IntField(std::string name, int TRect::*field)
{
    return {name, IntegerType, [field](TObject* s) { return TAutoValue(Self<TRectClass>(s)->FRect.*field); },
            [field](TObject* s, const TAutoValue& v) { Self<TRectClass>(s)->FRect.*field = v.AsInteger(); }};
}

map::TPublishedProperty PointField(std::string name, int TPoint::*field)
{
    return {name, IntegerType, [field](TObject* s) { return TAutoValue(Self<TPointClass>(s)->FPoint.*field); },
            [field](TObject* s, const TAutoValue& v) { Self<TPointClass>(s)->FPoint.*field = v.AsInteger(); }};
}

void PublishStandardMembers()
{
    map::PublishMembers(TObjectWrapper::StaticClass(),
        {{{"InheritsFrom", {{"ClassName", TAutoKind::String}},
           [](TObject* s, const map::TAutoArgs& a) { return TAutoValue(Self<TObjectWrapper>(s)->WrappedInheritsFrom(a[0].AsString())); }}},
         {ReadOnly("ParentClass", StringType, [](TObject* s) { return TAutoValue(Self<TObjectWrapper>(s)->ParentClass()); })}});

    map::PublishMembers(TRectClass::StaticClass(),
        {{},
         {IntField("Left", &TRect::Left), IntField("Top", &TRect::Top), IntField("Right", &TRect::Right),
          IntField("Bottom", &TRect::Bottom),
          ReadOnly("TopLeft", ObjectType, [](TObject* s) { return TAutoValue(static_cast<TObject*>(Self<TRectClass>(s)->TopLeft().release())); }),
          ReadOnly("BottomRight", ObjectType, [](TObject* s) { return TAutoValue(static_cast<TObject*>(Self<TRectClass>(s)->BottomRight().release())); })}});
    map::PublishMembers(TPointClass::StaticClass(), {{}, {PointField("X", &TPoint::X), PointField("Y", &TPoint::Y)}});

    map::PublishMembers(TComponentWrapper::StaticClass(),
        {{{"FindComponent", {{"AName", TAutoKind::String}},
           [](TObject* s, const map::TAutoArgs& a) {
               return TAutoValue(static_cast<TObject*>(Wrapped<TComponent>(s)->FindComponent(a[0].AsString())));
           }},
          {"GetComponent", {{"Index", TAutoKind::Integer}},
           [](TObject* s, const map::TAutoArgs& a) {
               return TAutoValue(static_cast<TObject*>(Wrapped<TComponent>(s)->Components(a[0].AsInteger())));
           }}},
         {ReadOnly("ComponentCount", IntegerType, [](TObject* s) { return TAutoValue(Wrapped<TComponent>(s)->ComponentCount()); }),
          ReadOnly("ComponentIndex", IntegerType, [](TObject* s) { return TAutoValue(Wrapped<TComponent>(s)->ComponentIndex()); }),
          ReadOnly("DesignInfo", IntegerType, [](TObject* s) { return TAutoValue(static_cast<int>(Wrapped<TComponent>(s)->DesignInfo())); }),
          ReadOnly("Owner", ObjectType, [](TObject* s) { return TAutoValue(static_cast<TObject*>(Wrapped<TComponent>(s)->Owner())); })}});

    map::PublishMembers(TCollectionItemWrapper::StaticClass(),
        {{},
         {ReadOnly("Index", IntegerType, [](TObject* s) { return TAutoValue(Wrapped<TCollectionItem>(s)->Index()); }),
          ReadOnly("ID", IntegerType, [](TObject* s) { return TAutoValue(Wrapped<TCollectionItem>(s)->ID()); })}});

    map::PublishMembers(TCollectionWrapper::StaticClass(),
        {{{"GetItems", {{"Index", TAutoKind::Integer}},
           [](TObject* s, const map::TAutoArgs& a) {
               return TAutoValue(static_cast<TObject*>(Wrapped<TCollection>(s)->Items(a[0].AsInteger())));
           }}},
         {ReadOnly("Count", IntegerType, [](TObject* s) { return TAutoValue(Wrapped<TCollection>(s)->Count()); })}});

    map::PublishMembers(TStringsWrapper::StaticClass(),
        {{{"GetStrings", {{"Index", TAutoKind::Integer}},
           [](TObject* s, const map::TAutoArgs& a) { return TAutoValue(Wrapped<TStrings>(s)->Strings(a[0].AsInteger())); }},
          {"GetObjects", {{"Index", TAutoKind::Integer}},
           [](TObject* s, const map::TAutoArgs& a) { return TAutoValue(Wrapped<TStrings>(s)->Objects(a[0].AsInteger())); }},
          {"Add", {{"Item", TAutoKind::String}},
           [](TObject* s, const map::TAutoArgs& a) { return TAutoValue(Wrapped<TStrings>(s)->Add(a[0].AsString())); }},
          {"Clear", {},
           [](TObject* s, const map::TAutoArgs&) {
               Wrapped<TStrings>(s)->Clear();
               return TAutoValue();
           }},
          {"Delete", {{"Index", TAutoKind::Integer}},
           [](TObject* s, const map::TAutoArgs& a) {
               Wrapped<TStrings>(s)->Delete(a[0].AsInteger());
               return TAutoValue();
           }},
          {"IndexOf", {{"Item", TAutoKind::String}},
           [](TObject* s, const map::TAutoArgs& a) { return TAutoValue(Wrapped<TStrings>(s)->IndexOf(a[0].AsString())); }}},
         {ReadOnly("Count", IntegerType, [](TObject* s) { return TAutoValue(Wrapped<TStrings>(s)->Count()); })}});
}

// The standard pairs, in the order the map is filled. Classes of the
// framework that are not part of the build yet join as they land.
void RegisterStandardClasses(TClassMap& classMap)
{
    classMap.AddClass(TObject::StaticClass(), WrapperClassOf<TObjectWrapper>());
    classMap.AddClass(TComponent::StaticClass(), WrapperClassOf<TComponentWrapper>());
    classMap.AddClass(TRectClass::StaticClass(), WrapperClassOf<TRectPointWrapper>());
    classMap.AddClass(TPointClass::StaticClass(), WrapperClassOf<TRectPointWrapper>());
    classMap.AddClass(TCollectionItem::StaticClass(), WrapperClassOf<TCollectionItemWrapper>());
    classMap.AddClass(TCollection::StaticClass(), WrapperClassOf<TCollectionWrapper>());
    classMap.AddClass(TStrings::StaticClass(), WrapperClassOf<TStringsWrapper>());
}

}  // namespace

TClassMap& GetClassMap()
{
    static TClassMap& classMap = [] () -> TClassMap& {
        static TClassMap instance;
        PublishStandardMembers();
        RegisterStandardClasses(instance);
        return instance;
    }();
    return classMap;
}
