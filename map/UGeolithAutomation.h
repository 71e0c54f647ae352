// Script access to program objects by name: the dispatcher, the class map and the wrapper classes.
//
// A dispatcher makes one object callable by member name through the
// published-member registry. TAutoObjectDispatch works over a wrapper: names
// the wrapper does not publish are looked up on the wrapped object, then
// among the components it owns, and every object a call returns is wrapped
// again with the wrapper the class map names for its class.
#pragma once

#include "platform/classes/Lists.h"
#include "platform/classes/Published.h"
#include "platform/graphics/Types.h"
#include "platform/rtl/Variant.h"
#include "platform/web/ScriptValue.h"

#include <memory>
#include <string>
#include <string_view>
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

class TObjectDispatch;

// What a call gives script: a value, or an object as its own dispatcher.
struct TAutoResult {
    Variant Value;
    std::shared_ptr<TObjectDispatch> Object;
};

// The published value a script value stands for.
classes::TPublishedValue FromScript(const web::ScriptValue& Value);

// Calls published members of one object by name. An owned instance is freed
// with the dispatcher (script holds dispatchers by shared pointer).
class TObjectDispatch {
public:
    TObjectDispatch(TObject* Instance, bool Owned);
    TObjectDispatch(const TObjectDispatch&) = delete;
    TObjectDispatch& operator=(const TObjectDispatch&) = delete;
    virtual ~TObjectDispatch();

    TObject* Instance() const { return FInstance; }

    // A method call; with no arguments also a property read or an owned
    // component by name. An unknown name raises EPropertyError; argument
    // conversions raise their own errors.
    TAutoResult Invoke(std::string_view Name, const std::vector<web::ScriptValue>& Args);
    TAutoResult GetProperty(std::string_view Name);
    void SetProperty(std::string_view Name, const web::ScriptValue& Value);

protected:
    // The dispatcher script receives for an object result; none by default.
    virtual std::shared_ptr<TObjectDispatch> GetObjectDispatch(TObject* Obj);
    // The method of that name and the object it is called on.
    virtual const classes::TPublishedMethod* GetMethodInfo(std::string_view Name, TObject*& Target);
    // The property of that name and its object; or, with a null result and
    // ComponentIndex set, the component Target owns at that index.
    virtual const classes::TPublishedProperty* GetPropInfo(std::string_view Name, TObject*& Target,
                                                           int& ComponentIndex);

    static int FindOwnedComponent(TObject* Owner, std::string_view Name);

private:
    TAutoResult Wrap(const classes::TPublishedValue& value);

    TObject* FInstance;
    bool FOwned;
};

}  // namespace map

class TAutoObjectDispatch : public map::TObjectDispatch {
public:
    // The wrappers' members are published with the class map, so it is made first.
    TAutoObjectDispatch(TObject* Instance, bool Owned);

protected:
    std::shared_ptr<map::TObjectDispatch> GetObjectDispatch(TObject* Obj) override;
    const classes::TPublishedMethod* GetMethodInfo(std::string_view Name, TObject*& Target) override;
    const classes::TPublishedProperty* GetPropInfo(std::string_view Name, TObject*& Target,
                                                   int& ComponentIndex) override;
};

class TAutoRecord : public TObject {
    VISTRA_CLASS(TAutoRecord, TObject)

    TAutoRecord(TClass AClass, TObjectWrapperClass AObjWrapper) : FClass(AClass), FObjWrapper(AObjWrapper) {}

    bool Equal(TClass AClass) const { return AClass == FClass; }
    // The wrapper when AClass is this record's class or descends from it.
    TObjectWrapperClass GetWrapper(TClass AClass) const;

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

    // Connects the wrapper to the object it stands for; it does not own it.
    virtual void Connect(TObject* AObject) { FObject = AObject; }
    TObject* Object() const { return FObject; }

    // The class name of the wrapped object's parent class; empty without one.
    std::string ParentClass() const;
    // Published to script as InheritsFrom: whether the wrapped object's class
    // or an ancestor has that name (case ignored).
    bool WrappedInheritsFrom(std::string_view ClassName) const;

protected:
    TObject* FObject = nullptr;
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

// The framework's wrappers; their members are published in UGeolithWrappers.cpp.
#define VISTRA_WRAPPER(Self, Base) \
    class Self : public Base {     \
        VISTRA_CLASS(Self, Base)   \
    };
VISTRA_WRAPPER(TComponentWrapper, TObjectWrapper)
VISTRA_WRAPPER(TControlWrapper, TComponentWrapper)
VISTRA_WRAPPER(TWinControlWrapper, TControlWrapper)
VISTRA_WRAPPER(TScreenWrapper, TComponentWrapper)
VISTRA_WRAPPER(TCollectionItemWrapper, TObjectWrapper)
VISTRA_WRAPPER(TCollectionWrapper, TObjectWrapper)
VISTRA_WRAPPER(TCustomGridWrapper, TWinControlWrapper)
VISTRA_WRAPPER(TStringGridWrapper, TCustomGridWrapper)
VISTRA_WRAPPER(TMenuWrapper, TComponentWrapper)
VISTRA_WRAPPER(TMenuItemWrapper, TComponentWrapper)
VISTRA_WRAPPER(TStringsWrapper, TObjectWrapper)
VISTRA_WRAPPER(TPictureWrapper, TObjectWrapper)
VISTRA_WRAPPER(TGraphicWrapper, TObjectWrapper)
VISTRA_WRAPPER(TBitmapWrapper, TGraphicWrapper)
VISTRA_WRAPPER(TTabSheetWrapper, TWinControlWrapper)
VISTRA_WRAPPER(TCustomTabControlWrapper, TWinControlWrapper)
VISTRA_WRAPPER(TCustomTreeViewWrapper, TWinControlWrapper)
VISTRA_WRAPPER(TTreeNodesWrapper, TObjectWrapper)
VISTRA_WRAPPER(TTreeNodeWrapper, TObjectWrapper)
VISTRA_WRAPPER(TCustomListViewWrapper, TWinControlWrapper)
VISTRA_WRAPPER(TListItemWrapper, TObjectWrapper)
VISTRA_WRAPPER(TListItemsWrapper, TObjectWrapper)
VISTRA_WRAPPER(THeaderSectionWrapper, TCollectionItemWrapper)
VISTRA_WRAPPER(TStatusPanelWrapper, TCollectionItemWrapper)
VISTRA_WRAPPER(TCustomListboxWrapper, TWinControlWrapper)
VISTRA_WRAPPER(TCheckListBoxWrapper, TCustomListboxWrapper)
VISTRA_WRAPPER(TTabSetWrapper, TWinControlWrapper)
VISTRA_WRAPPER(TMemoWrapper, TWinControlWrapper)
#undef VISTRA_WRAPPER

// Stands for the application object alone.
class TApplicationWrapper : public TComponentWrapper {
    VISTRA_CLASS(TApplicationWrapper, TComponentWrapper)

    // Raises Exception for any object but the application.
    void Connect(TObject* AObject) override;
};

namespace map {
// Publishes the wrappers' members and fills the class map with the standard pairs.
void RegisterStandardWrappers(TClassMap& ClassMap);
}  // namespace map
