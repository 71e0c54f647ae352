// The class map, the dispatcher's name resolution and the wrappers' members.
#include "map/UGeolithAutomation.h"
#include "map/UGeolithBrowser.h"

#include "platform/classes/StringList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

namespace {

using web::ScriptValue;

// A component with one published property of its own, for lookups that fall
// through a wrapper to the wrapped object.
class TProbe : public TComponent {
    VISTRA_CLASS(TProbe, TComponent)
    using TComponent::TComponent;

    int Level() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }
    int Bump(int By) { return FLevel += By; }

private:
    int FLevel = 1;
};

class TPlainObject : public TObject {
    VISTRA_CLASS(TPlainObject, TObject)
};

void PublishProbe()
{
    static const bool done = [] {
        classes::Publish<TProbe>().Property("Level", &TProbe::Level, &TProbe::SetLevel).Method("Bump", &TProbe::Bump);
        return true;
    }();
    (void)done;
}

std::shared_ptr<map::TObjectDispatch> DispatchFor(TObject* object)
{
    const TObjectWrapperClass wrapperClass = GetClassMap().FindObjectWrapper(object->ClassType());
    return std::make_shared<TAutoObjectDispatch>(wrapperClass.Create(object), true);
}

TEST(TClassMapTest, MostDerivedRegisteredAncestorWinsWhateverTheOrder)
{
    TClassMap classMap;
    classMap.AddClass(TObject::StaticClass(), WrapperClassOf<TObjectWrapper>());
    classMap.AddClass(TWinControl::StaticClass(), WrapperClassOf<TWinControlWrapper>());
    classMap.AddClass(TControl::StaticClass(), WrapperClassOf<TControlWrapper>());
    EXPECT_EQ(classMap.FindObjectWrapper(TForm::StaticClass()), WrapperClassOf<TWinControlWrapper>());
    EXPECT_EQ(classMap.FindObjectWrapper(TControl::StaticClass()), WrapperClassOf<TControlWrapper>());
    EXPECT_EQ(classMap.FindObjectWrapper(TPlainObject::StaticClass()), WrapperClassOf<TObjectWrapper>());

    try {
        classMap.AddClass(TControl::StaticClass(), WrapperClassOf<TComponentWrapper>());
        ADD_FAILURE() << "a second registration must fail";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Class 'TControl', already in class map");
    }
    EXPECT_EQ(classMap.Count(), 3);

    classMap.RemoveClass(TControl::StaticClass(), WrapperClassOf<TComponentWrapper>());
    EXPECT_EQ(classMap.Count(), 3) << "only the exact pair is removed";
    classMap.RemoveClass(TControl::StaticClass(), WrapperClassOf<TControlWrapper>());
    EXPECT_EQ(classMap.FindObjectWrapper(TControl::StaticClass()), WrapperClassOf<TObjectWrapper>());
}

TEST(TClassMapTest, StandardMapWrapsTheFramework)
{
    TClassMap& classMap = GetClassMap();
    EXPECT_EQ(classMap.FindObjectWrapper(TApplication::StaticClass()), WrapperClassOf<TApplicationWrapper>());
    EXPECT_EQ(classMap.FindObjectWrapper(TStringList::StaticClass()), WrapperClassOf<TStringsWrapper>());
    EXPECT_EQ(classMap.FindObjectWrapper(TForm::StaticClass()), WrapperClassOf<TWinControlWrapper>());
    EXPECT_EQ(classMap.FindObjectWrapper(TPlainObject::StaticClass()), WrapperClassOf<TObjectWrapper>());
}

TEST(TObjectWrapperTest, ParentClassAndInheritsFromIgnoringCase)
{
    TForm form(nullptr);
    auto dispatch = DispatchFor(&form);
    EXPECT_EQ(dispatch->Invoke("InheritsFrom", {ScriptValue("tcomponent")}).Value.AsBoolean(), true);
    EXPECT_EQ(dispatch->Invoke("inheritsfrom", {ScriptValue("TMenu")}).Value.AsBoolean(), false);
    EXPECT_EQ(dispatch->GetProperty("ParentClass").Value.AsString(), "TCustomForm");
    TPlainObject plain;
    EXPECT_EQ(DispatchFor(&plain)->GetProperty("ParentClass").Value.AsString(), "TObject");
}

TEST(TObjectWrapperTest, ApplicationWrapperTakesOnlyTheApplication)
{
    TComponent other(nullptr);
    TApplicationWrapper wrapper;
    try {
        wrapper.Connect(&other);
        ADD_FAILURE() << "connecting to another object must fail";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Automation wrapper for the Application can only be created with a TApplication");
    }
    ASSERT_NE(Application, nullptr);
    EXPECT_NO_THROW(wrapper.Connect(Application));
}

TEST(TAutoObjectDispatchTest, RectanglesAndPointsForScript)
{
    auto rect = std::make_shared<TAutoObjectDispatch>(new TRectClass(TRect{10, 20, 30, 40}), true);
    auto topLeft = rect->GetProperty("TopLeft").Object;
    auto bottomRight = rect->GetProperty("BottomRight").Object;
    ASSERT_TRUE(topLeft && bottomRight);
    EXPECT_TRUE(dynamic_cast<TRectPointWrapper*>(topLeft->Instance())) << "the point is owned by its wrapper";
    EXPECT_EQ(topLeft->GetProperty("X").Value.AsInteger(), 10);
    EXPECT_EQ(topLeft->GetProperty("Y").Value.AsInteger(), 20);
    EXPECT_EQ(bottomRight->GetProperty("X").Value.AsInteger(), 30);
    EXPECT_EQ(bottomRight->GetProperty("Y").Value.AsInteger(), 40);
    topLeft->SetProperty("X", ScriptValue(99));
    EXPECT_EQ(topLeft->GetProperty("X").Value.AsInteger(), 99);
    EXPECT_EQ(topLeft->GetProperty("Y").Value.AsInteger(), 20);
    rect->SetProperty("Left", ScriptValue(5));
    EXPECT_EQ(rect->GetProperty("left").Value.AsInteger(), 5);
}

TEST(TAutoObjectDispatchTest, ResolvesWrapperThenObjectThenOwnedComponents)
{
    PublishProbe();
    TProbe owner(nullptr);
    auto* child = new TProbe(&owner);
    child->SetName("Child");
    auto dispatch = DispatchFor(&owner);

    EXPECT_EQ(dispatch->GetProperty("ComponentCount").Value.AsInteger(), 1) << "the wrapper's own property";
    EXPECT_EQ(dispatch->GetProperty("level").Value.AsInteger(), 1) << "the wrapped object's property";
    dispatch->SetProperty("Level", ScriptValue(4));
    EXPECT_EQ(owner.Level(), 4);
    EXPECT_EQ(dispatch->Invoke("Bump", {ScriptValue(2)}).Value.AsInteger(), 6) << "the wrapped object's method";

    auto childDispatch = dispatch->GetProperty("child").Object;
    ASSERT_TRUE(childDispatch) << "an owned component by name";
    auto* wrapper = dynamic_cast<TObjectWrapper*>(childDispatch->Instance());
    ASSERT_TRUE(wrapper);
    EXPECT_EQ(wrapper->Object(), child);
    EXPECT_EQ(dispatch->Invoke("FindComponent", {ScriptValue("Child")}).Object->GetProperty("Level").Value.AsInteger(), 1);

    EXPECT_THROW(dispatch->GetProperty("Nothing"), EPropertyError);
    EXPECT_THROW(dispatch->SetProperty("ComponentCount", ScriptValue(3)), EPropertyError);
    EXPECT_THROW(dispatch->Invoke("Bump", {}), EPropertyError);
}

TEST(TAutoObjectDispatchTest, StringsThroughTheirWrapper)
{
    TStringList list;
    auto dispatch = DispatchFor(&list);
    EXPECT_EQ(dispatch->Invoke("Add", {ScriptValue("a")}).Value.AsInteger(), 0);
    EXPECT_EQ(dispatch->Invoke("Add", {ScriptValue("b")}).Value.AsInteger(), 1);
    EXPECT_EQ(dispatch->Invoke("IndexOf", {ScriptValue("b")}).Value.AsInteger(), 1);
    EXPECT_EQ(dispatch->Invoke("GetStrings", {ScriptValue(0)}).Value.AsString(), "a");
    dispatch->Invoke("Delete", {ScriptValue(0)});
    EXPECT_EQ(dispatch->GetProperty("Count").Value.AsInteger(), 1);
    dispatch->Invoke("Clear", {});
    EXPECT_EQ(list.Count(), 0);
}

TEST(TAppWrapperTest, ThePageObjectReachesOnlyTheCallbacks)
{
    PublishProbe();
    TProbe application(nullptr);
    (new TProbe(&application))->SetName("Secret");
    auto* wrapper = new TAppWrapper();
    wrapper->Connect(&application);
    int zoom = 0;
    wrapper->OnMapZoomChange = [&](int level) { zoom = level; };
    map::ExternalCallbackNames();  // publishes the callbacks
    map::TObjectDispatch page(wrapper, true);

    page.Invoke("ExternalMapZoomChange", {ScriptValue(7)});
    EXPECT_EQ(zoom, 7);
    EXPECT_THROW(page.Invoke("Bump", {ScriptValue(1)}), EPropertyError);
    EXPECT_THROW(page.GetProperty("Secret"), EPropertyError);
    EXPECT_THROW(page.GetProperty("Level"), EPropertyError);
    EXPECT_THROW(page.Invoke("ExternalVistraError", {ScriptValue(6)}), EConvertError);
    EXPECT_THROW(page.Invoke("ExternalMapClick", {ScriptValue(1.0), ScriptValue(2.0), ScriptValue(-1)}), EConvertError);
    EXPECT_EQ(map::ExternalCallbackNames().size(), 24u);
}

}  // namespace
