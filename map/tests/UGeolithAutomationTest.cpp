// The class map, the dispatcher's name resolution and the wrappers' members.
#include "map/AutomationStandins.h"
#include "map/UGeolithAutomation.h"
#include "map/UGeolithBrowser.h"

#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Application.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/ui/grids/StringGrid.h"

#include <gtest/gtest.h>

namespace {

using web::ScriptValue;
namespace sd = map::standin;

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

TEST(TClassMapTest, StandardMapHoldsEveryPair)
{
    struct Pair {
        TClass Class;
        TObjectWrapperClass Wrapper;
    };
    const Pair pairs[] = {
        {TObject::StaticClass(), WrapperClassOf<TObjectWrapper>()},
        {TApplication::StaticClass(), WrapperClassOf<TApplicationWrapper>()},
        {TComponent::StaticClass(), WrapperClassOf<TComponentWrapper>()},
        {TControl::StaticClass(), WrapperClassOf<TControlWrapper>()},
        {TWinControl::StaticClass(), WrapperClassOf<TWinControlWrapper>()},
        {TRectClass::StaticClass(), WrapperClassOf<TRectPointWrapper>()},
        {TPointClass::StaticClass(), WrapperClassOf<TRectPointWrapper>()},
        {TScreen::StaticClass(), WrapperClassOf<TScreenWrapper>()},
        {TCollectionItem::StaticClass(), WrapperClassOf<TCollectionItemWrapper>()},
        {TCollection::StaticClass(), WrapperClassOf<TCollectionWrapper>()},
        {sd::TTabSheet::StaticClass(), WrapperClassOf<TTabSheetWrapper>()},
        {sd::TCustomTabControl::StaticClass(), WrapperClassOf<TCustomTabControlWrapper>()},
        {TCustomGrid::StaticClass(), WrapperClassOf<TCustomGridWrapper>()},
        {TStringGrid::StaticClass(), WrapperClassOf<TStringGridWrapper>()},
        {TStrings::StaticClass(), WrapperClassOf<TStringsWrapper>()},
        {sd::TCustomTreeView::StaticClass(), WrapperClassOf<TCustomTreeViewWrapper>()},
        {sd::TTreeNodes::StaticClass(), WrapperClassOf<TTreeNodesWrapper>()},
        {sd::TTreeNode::StaticClass(), WrapperClassOf<TTreeNodeWrapper>()},
        {sd::TCustomListView::StaticClass(), WrapperClassOf<TCustomListViewWrapper>()},
        {sd::TListItems::StaticClass(), WrapperClassOf<TListItemsWrapper>()},
        {sd::TListItem::StaticClass(), WrapperClassOf<TListItemWrapper>()},
        {sd::THeaderSection::StaticClass(), WrapperClassOf<THeaderSectionWrapper>()},
        {sd::TStatusPanel::StaticClass(), WrapperClassOf<TStatusPanelWrapper>()},
        {TMenu::StaticClass(), WrapperClassOf<TMenuWrapper>()},
        {TMenuItem::StaticClass(), WrapperClassOf<TMenuItemWrapper>()},
        {TCustomListBox::StaticClass(), WrapperClassOf<TCustomListboxWrapper>()},
        {sd::TCheckListBox::StaticClass(), WrapperClassOf<TCheckListBoxWrapper>()},
        {sd::TTabSet::StaticClass(), WrapperClassOf<TTabSetWrapper>()},
        {TPicture::StaticClass(), WrapperClassOf<TPictureWrapper>()},
        {TGraphic::StaticClass(), WrapperClassOf<TGraphicWrapper>()},
        {TBitmap::StaticClass(), WrapperClassOf<TBitmapWrapper>()},
        {TMemo::StaticClass(), WrapperClassOf<TMemoWrapper>()},
    };
    TClassMap& classMap = GetClassMap();
    EXPECT_EQ(classMap.Count(), static_cast<int>(std::size(pairs)));
    for (const Pair& pair : pairs)
        EXPECT_EQ(classMap.FindObjectWrapper(pair.Class).Class, pair.Wrapper.Class) << pair.Class->Name;

    // Classes without their own entry get their nearest registered ancestor's wrapper.
    const Pair descendants[] = {
        {TListBox::StaticClass(), WrapperClassOf<TCustomListboxWrapper>()},
        {TEdit::StaticClass(), WrapperClassOf<TWinControlWrapper>()},
        {TStringList::StaticClass(), WrapperClassOf<TStringsWrapper>()},
        {TMainMenu::StaticClass(), WrapperClassOf<TMenuWrapper>()},
        {TPersistent::StaticClass(), WrapperClassOf<TObjectWrapper>()},
    };
    for (const Pair& pair : descendants)
        EXPECT_EQ(classMap.FindObjectWrapper(pair.Class).Class, pair.Wrapper.Class) << pair.Class->Name;
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

TEST(StandinWrapperTest, TabControlsGiveTabIndexAndTabRectangles)
{
    sd::TCustomTabControl tabs(nullptr);
    auto dispatch = DispatchFor(&tabs);
    auto tabList = dispatch->GetProperty("Tabs").Object;
    ASSERT_TRUE(tabList);
    for (const char* caption : {"One", "Two", "Three"}) tabList->Invoke("Add", {ScriptValue(caption)});
    auto rect = dispatch->Invoke("GetTabRect", {ScriptValue(1)}).Object;
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->GetProperty("Left").Value.AsInteger(), 80);
    EXPECT_EQ(rect->GetProperty("Right").Value.AsInteger(), 160);
    EXPECT_EQ(rect->GetProperty("Bottom").Value.AsInteger(), 20);
    EXPECT_EQ(dispatch->Invoke("GetTabRect", {ScriptValue(3)}).Object->GetProperty("Right").Value.AsInteger(), 0);

    sd::TTabSheet first(nullptr), hidden(nullptr), third(nullptr), loose(nullptr);
    for (auto* sheet : {&first, &hidden, &third}) sheet->SetParent(&tabs);
    hidden.SetTabVisible(false);
    EXPECT_EQ(DispatchFor(&first)->GetProperty("TabIndex").Value.AsInteger(), 0);
    EXPECT_EQ(DispatchFor(&hidden)->GetProperty("TabIndex").Value.AsInteger(), -1);
    EXPECT_EQ(DispatchFor(&third)->GetProperty("TabIndex").Value.AsInteger(), 1) << "hidden tabs are not counted";
    EXPECT_EQ(DispatchFor(&loose)->GetProperty("TabIndex").Value.AsInteger(), -1) << "no tab control";
    for (auto* sheet : {&first, &hidden, &third}) sheet->SetParent(nullptr);

    sd::TTabSet tabSet(nullptr);
    tabSet.Tabs().Add("Only");
    auto itemRect = DispatchFor(&tabSet)->Invoke("GetItemRect", {ScriptValue(0)}).Object;
    EXPECT_EQ(itemRect->GetProperty("Right").Value.AsInteger(), 80);
    EXPECT_EQ(DispatchFor(&tabSet)->Invoke("GetItemRect", {ScriptValue(-1)}).Object->GetProperty("Bottom").Value.AsInteger(), 0);
}

// A tree: A (A1, A2 (A2a)), B.
struct TreeFixture {
    sd::TCustomTreeView View{nullptr};
    sd::TTreeNode* A = View.Items().AddChild(nullptr, "A");
    sd::TTreeNode* A1 = View.Items().AddChild(A, "A1");
    sd::TTreeNode* A2 = View.Items().AddChild(A, "A2");
    sd::TTreeNode* A2a = View.Items().AddChild(A2, "A2a");
    sd::TTreeNode* B = View.Items().AddChild(nullptr, "B");
};

sd::TTreeNode* WrappedNode(const std::shared_ptr<map::TObjectDispatch>& dispatch)
{
    auto* wrapper = dispatch ? dynamic_cast<TObjectWrapper*>(dispatch->Instance()) : nullptr;
    return wrapper ? dynamic_cast<sd::TTreeNode*>(wrapper->Object()) : nullptr;
}

TEST(StandinWrapperTest, TreeNodesByAbsoluteIndexAndAsChildren)
{
    TreeFixture tree;
    auto nodes = DispatchFor(&tree.View.Items());
    EXPECT_EQ(nodes->GetProperty("Count").Value.AsInteger(), 5);
    const sd::TTreeNode* order[] = {tree.A, tree.A1, tree.A2, tree.A2a, tree.B};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(WrappedNode(nodes->Invoke("GetItem", {ScriptValue(i)}).Object), order[i]) << i;
    EXPECT_THROW(nodes->Invoke("GetItem", {ScriptValue(5)}), EListError);
    EXPECT_THROW(nodes->Invoke("GetItem", {ScriptValue(-1)}), EListError);

    auto a2 = DispatchFor(tree.A2);
    EXPECT_EQ(a2->GetProperty("Count").Value.AsInteger(), 1);
    EXPECT_EQ(a2->GetProperty("Index").Value.AsInteger(), 1);
    EXPECT_EQ(a2->GetProperty("Level").Value.AsInteger(), 1);
    EXPECT_TRUE(a2->GetProperty("HasChildren").Value.AsBoolean());
    EXPECT_EQ(WrappedNode(a2->Invoke("GetItem", {ScriptValue(0)}).Object), tree.A2a);
    EXPECT_THROW(a2->Invoke("GetItem", {ScriptValue(1)}), EListError);
    EXPECT_EQ(DispatchFor(tree.B)->GetProperty("Index").Value.AsInteger(), 1);
    EXPECT_EQ(DispatchFor(tree.A2a)->GetProperty("Level").Value.AsInteger(), 2);
}

TEST(StandinWrapperTest, TreeNodeStateReadsAndWritesThroughScript)
{
    TreeFixture tree;
    tree.A1->SetSelectedIndex(3);
    auto a = DispatchFor(tree.A);
    auto a1 = DispatchFor(tree.A1);
    auto a2a = DispatchFor(tree.A2a);
    auto view = DispatchFor(&tree.View);

    a1->SetProperty("Text", ScriptValue("renamed"));
    EXPECT_EQ(tree.A1->Text(), "renamed");
    EXPECT_EQ(a1->GetProperty("SelectedIndex").Value.AsInteger(), 3);
    EXPECT_THROW(a1->SetProperty("SelectedIndex", ScriptValue(1)), EPropertyError);

    a1->SetProperty("Selected", ScriptValue(true));
    EXPECT_EQ(WrappedNode(view->GetProperty("Selected").Object), tree.A1);
    a2a->SetProperty("Selected", ScriptValue(true));
    EXPECT_FALSE(a1->GetProperty("Selected").Value.AsBoolean()) << "one selection per tree";
    a1->SetProperty("Selected", ScriptValue(false));
    EXPECT_EQ(tree.View.Selected(), tree.A2a) << "unselecting another node keeps the selection";
    a2a->SetProperty("Selected", ScriptValue(false));
    EXPECT_EQ(view->GetProperty("Selected").Object, nullptr);

    a1->SetProperty("Focused", ScriptValue(true));
    EXPECT_TRUE(tree.A1->Focused());

    EXPECT_FALSE(a2a->GetProperty("IsVisible").Value.AsBoolean());
    a->SetProperty("Expanded", ScriptValue(true));
    EXPECT_FALSE(a2a->GetProperty("IsVisible").Value.AsBoolean()) << "A2 is still closed";
    a->Invoke("Expand", {ScriptValue(true)});
    EXPECT_TRUE(tree.A2->Expanded());
    EXPECT_TRUE(a2a->GetProperty("IsVisible").Value.AsBoolean());
    DispatchFor(tree.B)->Invoke("Expand", {ScriptValue(false)});
    EXPECT_TRUE(DispatchFor(tree.B)->GetProperty("Expanded").Value.AsBoolean());
}

TEST(StandinWrapperTest, DeepTreesNeedNoDeepStack)
{
    auto view = std::make_unique<sd::TCustomTreeView>(nullptr);
    sd::TTreeNode* node = nullptr;
    constexpr int depth = 300000;
    for (int i = 0; i < depth; ++i) node = view->Items().AddChild(node, "n");
    node->SetSelected(true);
    EXPECT_EQ(view->Items().Count(), depth);
    EXPECT_EQ(view->Items().Item(depth - 1), node);
    view.reset();
}

TEST(StandinWrapperTest, ListItemsAndTheirMembers)
{
    sd::TCustomListView view(nullptr);
    view.Items().Add()->SetCaption("first");
    sd::TListItem* second = view.Items().Add();
    second->SetLeft(12);
    second->SetTop(34);
    auto items = DispatchFor(&view.Items());
    EXPECT_EQ(items->GetProperty("Count").Value.AsInteger(), 2);
    EXPECT_THROW(items->Invoke("GetItem", {ScriptValue(2)}), EListError);

    auto item = items->Invoke("GetItem", {ScriptValue(1)}).Object;
    ASSERT_TRUE(item);
    EXPECT_EQ(item->GetProperty("Index").Value.AsInteger(), 1);
    EXPECT_EQ(item->GetProperty("Left").Value.AsInteger(), 12);
    EXPECT_EQ(item->GetProperty("Top").Value.AsInteger(), 34);
    EXPECT_THROW(item->SetProperty("Left", ScriptValue(1)), EPropertyError);
    item->SetProperty("Caption", ScriptValue("second"));
    item->SetProperty("Focused", ScriptValue(true));
    item->SetProperty("Indent", ScriptValue(2));
    item->SetProperty("Selected", ScriptValue(true));
    EXPECT_EQ(second->Caption(), "second");
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(second->Indent(), 2);
    EXPECT_TRUE(second->Selected());
    EXPECT_FALSE(view.Items().Item(0)->Selected());
    item->GetProperty("SubItems").Object->Invoke("Add", {ScriptValue("detail")});
    EXPECT_EQ(second->SubItems().Strings(0), "detail");
}

TEST(StandinWrapperTest, HeaderSectionsAndStatusPanelsAreCollectionItems)
{
    TCollection sections(ItemClassOf<sd::THeaderSection>());
    for (int width : {30, 40, 50}) static_cast<sd::THeaderSection*>(sections.Add())->SetWidth(width);
    auto third = DispatchFor(sections.Items(2));
    EXPECT_EQ(third->GetProperty("Left").Value.AsInteger(), 70);
    EXPECT_EQ(third->GetProperty("Right").Value.AsInteger(), 120);
    EXPECT_EQ(third->GetProperty("Index").Value.AsInteger(), 2);
    EXPECT_EQ(DispatchFor(sections.Items(0))->GetProperty("Left").Value.AsInteger(), 0);

    TCollection panels(ItemClassOf<sd::TStatusPanel>());
    panels.Add();
    auto panel = DispatchFor(panels.Add());
    EXPECT_TRUE(dynamic_cast<TStatusPanelWrapper*>(panel->Instance()));
    EXPECT_EQ(panel->GetProperty("Index").Value.AsInteger(), 1);
    EXPECT_EQ(panel->GetProperty("ID").Value.AsInteger(), panels.Items(1)->ID());
}

TEST(StandinWrapperTest, CheckListBoxItemFlags)
{
    sd::TCheckListBox box(nullptr);
    for (const char* item : {"a", "b", "c"}) box.Items().Add(item);
    auto dispatch = DispatchFor(&box);
    auto get = [&](const char* method, int index) { return dispatch->Invoke(method, {ScriptValue(index)}).Value; };

    EXPECT_FALSE(get("GetChecked", 0).AsBoolean());
    EXPECT_EQ(get("GetState", 0).AsInteger(), cbUnchecked);
    EXPECT_FALSE(get("GetHeader", 0).AsBoolean());
    EXPECT_TRUE(get("GetItemEnabled", 0).AsBoolean());

    dispatch->Invoke("SetChecked", {ScriptValue(1), ScriptValue(true)});
    dispatch->Invoke("SetState", {ScriptValue(2), ScriptValue(static_cast<int>(cbGrayed))});
    dispatch->Invoke("SetHeader", {ScriptValue(0), ScriptValue(true)});
    dispatch->Invoke("SetItemEnabled", {ScriptValue(0), ScriptValue(false)});
    EXPECT_EQ(get("GetState", 1).AsInteger(), cbChecked);
    EXPECT_TRUE(box.Checked(1));
    EXPECT_FALSE(get("GetChecked", 2).AsBoolean()) << "grayed is not checked";
    EXPECT_EQ(box.State(2), cbGrayed);
    EXPECT_TRUE(get("GetHeader", 0).AsBoolean());
    EXPECT_FALSE(box.ItemEnabled(0));
    EXPECT_FALSE(box.Checked(0));

    EXPECT_THROW(get("GetChecked", 3), EListError);
    EXPECT_THROW(dispatch->Invoke("SetChecked", {ScriptValue(-1), ScriptValue(true)}), EListError);
    EXPECT_THROW(dispatch->Invoke("SetState", {ScriptValue(0), ScriptValue(7)}), EConvertError);
    EXPECT_THROW(dispatch->Invoke("SetHeader", {ScriptValue(0)}), EPropertyError);
    box.Items().Delete(2);
    EXPECT_THROW(get("GetState", 2), EListError) << "the flags follow the item count";
}

TEST(StandinWrapperTest, MemoLinesThroughTheMemoWrapper)
{
    TMemo memo(nullptr);
    auto dispatch = DispatchFor(&memo);
    EXPECT_TRUE(dynamic_cast<TMemoWrapper*>(dispatch->Instance()));
    auto lines = dispatch->GetProperty("Lines").Object;
    ASSERT_TRUE(lines);
    lines->Invoke("Add", {ScriptValue("first")});
    lines->Invoke("Add", {ScriptValue("second")});
    EXPECT_EQ(memo.Lines().Count(), 2);
    EXPECT_EQ(memo.Lines().Strings(1), "second");
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
