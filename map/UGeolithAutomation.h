// Script access to program objects by name: the dispatcher, the class map and the wrapper classes.
//
// A dispatcher makes one object callable by member name. TAutoObjectDispatch
// works over a wrapper: names the wrapper does not publish are looked up on
// the wrapped object, then among the components it owns, and every object a
// call returns is wrapped again with the wrapper the class map names for it.
#pragma once

#include "map/AutoPublished.h"
#include "platform/classes/Lists.h"
#include "platform/rtl/Exceptions.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TObjectWrapper;

// A wrapper class: its identity and how to make one connected to an object.
struct TObjectWrapperClass {
    TClass Class = nullptr;
    TObjectWrapper* (*Create)(TObject* AObject) = nullptr;

    explicit operator bool() const { return Class != nullptr; }
    bool operator==(const TObjectWrapperClass& other) const { return Class == other.Class; }
};

template <class W>
TObjectWrapperClass WrapperClassOf()
{
    return {W::StaticClass(), [](TObject* o) -> TObjectWrapper* {
                auto wrapper = std::make_unique<W>();
                wrapper->Connect(o);
                return wrapper.release();
            }};
}

namespace map {

// A name that no lookup of a dispatcher resolves.
class EUnknownName : public Exception {
public:
    using Exception::Exception;
};

class TObjectDispatch;

struct TAutoResult {
    TAutoValue Value;                          // the result, when not an object
    std::shared_ptr<TObjectDispatch> Object;   // an object result, as script receives it
};

// Calls published members of one object by name. An owned instance is freed
// with the dispatcher (script holds dispatchers by shared pointer).
class TObjectDispatch {
public:
    TObjectDispatch(TObject* Instance, bool Owned);
    TObjectDispatch(const TObjectDispatch&) = delete;
    TObjectDispatch& operator=(const TObjectDispatch&) = delete;
    virtual ~TObjectDispatch();

    TObject* Instance() const { return FInstance; }

    // A method call, or with no arguments also a property read or an owned
    // component by name. Throws EUnknownName, or EConvertError for an argument.
    TAutoResult Invoke(std::string_view Name, const std::vector<web::ScriptValue>& Args);
    // The same with arguments given by parameter name (case ignored).
    TAutoResult InvokeNamed(std::string_view Name,
                            const std::vector<std::pair<std::string, web::ScriptValue>>& Args);
    TAutoResult GetProperty(std::string_view Name);
    void SetProperty(std::string_view Name, const web::ScriptValue& Value);

protected:
    // The dispatcher script receives for an object result; none by default.
    virtual std::shared_ptr<TObjectDispatch> GetObjectDispatch(TObject* Obj);
    // The method of that name and the object it is called on.
    virtual const TPublishedMethod* GetMethodInfo(std::string_view Name, TObject*& Target);
    // The property of that name and its object; or, with a null result and
    // ComponentIndex set, the component Target owns at that index.
    virtual const TPublishedProperty* GetPropInfo(std::string_view Name, TObject*& Target, int& ComponentIndex);

    static int FindOwnedComponent(TObject* Owner, std::string_view Name);

private:
    TAutoResult Call(const TPublishedMethod& method, TObject* target, const TAutoArgs& args);
    TAutoResult Wrap(const TAutoValue& value);

    TObject* FInstance;
    bool FOwned;
};

}  // namespace map

class TAutoObjectDispatch : public map::TObjectDispatch {
public:
    using TObjectDispatch::TObjectDispatch;

protected:
    std::shared_ptr<map::TObjectDispatch> GetObjectDispatch(TObject* Obj) override;
    const map::TPublishedMethod* GetMethodInfo(std::string_view Name, TObject*& Target) override;
    const map::TPublishedProperty* GetPropInfo(std::string_view Name, TObject*& Target, int& ComponentIndex) override;
};

class TAutoRecord : public TObject {
    VISTRA_CLASS(TAutoRecord, TObject)

    TAutoRecord(TClass AClass, TObjectWrapperClass AObjWrapper) : FClass(AClass), FObjWrapper(AObjWrapper) {}

    bool Equal(TClass AClass) const { return AClass == FClass; }
    TObjectWrapperClass GetWrapper(TClass AClass) const;
    TClass Class() const { return FClass; }

private:
    TClass FClass;
    TObjectWrapperClass FObjWrapper;
};

class TClassMap : public TObjectList {
    VISTRA_CLASS(TClassMap, TObjectList)

    TClassMap() : TObjectList(true) {}

    // Inserts the pair before the first entry for an ancestor of AClass, so
    // the most derived registered class is always found first. Raises
    // Exception "Class '<name>', already in class map" for a class already there.
    void AddClass(TClass AClass, TObjectWrapperClass AObjWrapper);
    TObjectWrapperClass FindObjectWrapper(TClass AClass) const;
    void RemoveClass(TClass AClass, TObjectWrapperClass AObjWrapper);

private:
    TAutoRecord* Record(int index) const { return static_cast<TAutoRecord*>(Items(index)); }
};

// The process-wide class map, made with its standard pairs on first use.
TClassMap& GetClassMap();

class TObjectWrapper : public TObject {
    VISTRA_CLASS(TObjectWrapper, TObject)

    virtual void Connect(TObject* AObject) { FObject = AObject; }
    TObject* Object() const { return FObject; }

    std::string ParentClass() const;
    // Published to script as InheritsFrom: whether the wrapped object's class
    // or an ancestor has that name (case ignored).
    bool WrappedInheritsFrom(std::string_view ClassName) const;

protected:
    TObject* FObject = nullptr;
};

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
struct TPoint {
    int X = 0, Y = 0;
};

class TPointClass : public TObject {
    VISTRA_CLASS(TPointClass, TObject)

    explicit TPointClass(const TPoint& APoint) : FPoint(APoint) {}
    TPoint FPoint;
};

class TRectClass : public TObject {
    VISTRA_CLASS(TRectClass, TObject)

    explicit TRectClass(const TRect& ARect) : FRect(ARect) {}
    // Each read makes a new point that the caller owns.
    std::unique_ptr<TPointClass> TopLeft() const { return std::make_unique<TPointClass>(TPoint{FRect.Left, FRect.Top}); }
    std::unique_ptr<TPointClass> BottomRight() const
    {
        return std::make_unique<TPointClass>(TPoint{FRect.Right, FRect.Bottom});
    }
    TRect FRect;
};

// Owns the rectangle or point it wraps: they are made for script alone.
class TRectPointWrapper : public TObjectWrapper {
    VISTRA_CLASS(TRectPointWrapper, TObjectWrapper)
    ~TRectPointWrapper() override { delete FObject; }
};

class TComponentWrapper : public TObjectWrapper {
    VISTRA_CLASS(TComponentWrapper, TObjectWrapper)
};

class TCollectionItemWrapper : public TObjectWrapper {
    VISTRA_CLASS(TCollectionItemWrapper, TObjectWrapper)
};

class TCollectionWrapper : public TObjectWrapper {
    VISTRA_CLASS(TCollectionWrapper, TObjectWrapper)
};

class TStringsWrapper : public TObjectWrapper {
    VISTRA_CLASS(TStringsWrapper, TObjectWrapper)
};
