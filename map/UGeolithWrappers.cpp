// The members the wrapper classes publish to script, and the standard class-to-wrapper pairs.
#include "map/UGeolithAutomation.h"

#include "map/AutomationStandins.h"

#include "platform/classes/Collection.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Application.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/ui/grids/StringGrid.h"

using classes::Publish;
using classes::TPublishedArgs;
using classes::TPublishedValue;

void TApplicationWrapper::Connect(TObject* AObject)
{
    if (AObject == nullptr || AObject != Application)
        throw Exception("Automation wrapper for the Application can only be created with a TApplication");
    TComponentWrapper::Connect(AObject);
}

namespace map {
namespace {

// The wrapped object as the class the wrapper was registered for.
template <class T>
T& Wrapped(const TObjectWrapper& wrapper)
{
    auto* object = dynamic_cast<T*>(wrapper.Object());
    if (!object) throw EInvalidCast("the wrapper holds no " + std::string(T::StaticClass()->Name));
    return *object;
}

template <class T, class W, class Getter>
auto Read(Getter getter)
{
    return [getter](W& w) { return getter(Wrapped<T>(w)); };
}

template <class T, class W, class V, class Setter>
auto Write(Setter setter)
{
    return [setter](W& w, V value) { setter(Wrapped<T>(w), value); };
}

const Variant& Arg(const TPublishedArgs& args, std::size_t index, std::size_t count, std::string_view method)
{
    if (args.size() != count)
        throw EPropertyError("Method " + std::string(method) + " takes " + std::to_string(count) + " arguments, not " +
                             std::to_string(args.size()));
    return args[index].AsVariant();
}

int IntArg(const TPublishedArgs& args, std::size_t index, std::size_t count, std::string_view method)
{
    return Arg(args, index, count, method).AsInteger();
}

TObject* NewRect(const TRect& rect) { return new TRectClass(rect); }

void PublishShapes()
{
    Publish<TRectClass>()
        .Property("Left", [](TRectClass& r) { return r.FRect.Left; }, [](TRectClass& r, int v) { r.FRect.Left = v; })
        .Property("Top", [](TRectClass& r) { return r.FRect.Top; }, [](TRectClass& r, int v) { r.FRect.Top = v; })
        .Property("Right", [](TRectClass& r) { return r.FRect.Right; }, [](TRectClass& r, int v) { r.FRect.Right = v; })
        .Property("Bottom", [](TRectClass& r) { return r.FRect.Bottom; }, [](TRectClass& r, int v) { r.FRect.Bottom = v; })
        .Property("TopLeft", [](TRectClass& r) { return static_cast<TObject*>(r.TopLeft().release()); })
        .Property("BottomRight", [](TRectClass& r) { return static_cast<TObject*>(r.BottomRight().release()); });
    Publish<TPointClass>()
        .Property("X", [](TPointClass& p) { return p.FPoint.X; }, [](TPointClass& p, int v) { p.FPoint.X = v; })
        .Property("Y", [](TPointClass& p) { return p.FPoint.Y; }, [](TPointClass& p, int v) { p.FPoint.Y = v; });
}

void PublishComponents()
{
    Publish<TObjectWrapper>()
        .Property("ParentClass", &TObjectWrapper::ParentClass)
        .Method("InheritsFrom", [](TObjectWrapper& w, const TPublishedArgs& a) -> TPublishedValue {
            if (a.size() != 1) throw EPropertyError("Method InheritsFrom takes 1 arguments, not " + std::to_string(a.size()));
            return w.WrappedInheritsFrom(a[0].AsVariant().AsString());
        });

    using W = TComponentWrapper;
    Publish<W>()
        .Property("ComponentCount", Read<TComponent, W>([](TComponent& c) { return c.ComponentCount(); }))
        .Property("ComponentIndex", Read<TComponent, W>([](TComponent& c) { return c.ComponentIndex(); }))
        .Property("DesignInfo", Read<TComponent, W>([](TComponent& c) { return static_cast<int>(c.DesignInfo()); }))
        .Property("Owner", Read<TComponent, W>([](TComponent& c) { return c.Owner(); }))
        .Method("FindComponent", [](W& w, const TPublishedArgs& a) -> TPublishedValue {
            if (a.size() != 1) throw EPropertyError("Method FindComponent takes 1 arguments, not " + std::to_string(a.size()));
            return Wrapped<TComponent>(w).FindComponent(a[0].AsVariant().AsString());
        })
        .Method("GetComponent", [](W& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TComponent>(w).Components(IntArg(a, 0, 1, "GetComponent"));
        });

    using C = TControlWrapper;
    Publish<C>()
        .Property("Enabled", Read<TControl, C>([](TControl& c) { return c.Enabled(); }),
                  Write<TControl, C, bool>([](TControl& c, bool v) { c.SetEnabled(v); }))
        .Property("Parent", Read<TControl, C>([](TControl& c) { return c.Parent(); }))
        .Property("Text", Read<TControl, C>([](TControl& c) { return c.Text(); }),
                  Write<TControl, C, std::string>([](TControl& c, const std::string& v) { c.SetText(v); }))
        .Property("Visible", Read<TControl, C>([](TControl& c) { return c.Visible(); }),
                  Write<TControl, C, bool>([](TControl& c, bool v) { c.SetVisible(v); }));

    using WC = TWinControlWrapper;
    Publish<WC>()
        .Property("Handle", Read<TWinControl, WC>([](TWinControl& c) { return static_cast<std::int64_t>(c.Handle()); }))
        .Property("ControlCount", Read<TWinControl, WC>([](TWinControl& c) { return c.ControlCount(); }))
        .Method("ControlAtPos", [](WC& w, const TPublishedArgs& a) -> TPublishedValue {
            const int x = IntArg(a, 0, 2, "ControlAtPos");
            const int y = IntArg(a, 1, 2, "ControlAtPos");
            return Wrapped<TWinControl>(w).ControlAtPos(TPoint{x, y}, true, false);
        })
        .Method("GetControls", [](WC& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TWinControl>(w).Controls(IntArg(a, 0, 1, "GetControls"));
        })
        .Method("HandleAllocated", [](WC& w, const TPublishedArgs& a) -> TPublishedValue {
            if (!a.empty()) throw EPropertyError("Method HandleAllocated takes 0 arguments");
            return Wrapped<TWinControl>(w).HandleAllocated();
        });

    using S = TScreenWrapper;
    Publish<S>()
        .Property("FormCount", Read<TScreen, S>([](TScreen& s) { return s.FormCount(); }))
        .Method("GetForm", [](S& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TScreen>(w).Forms(IntArg(a, 0, 1, "GetForm"));
        });

    using A = TApplicationWrapper;
    Publish<A>()
        .Property("MainForm", Read<TApplication, A>([](TApplication& app) { return app.MainForm(); }))
        .Property("ExeName", Read<TApplication, A>([](TApplication& app) { return app.ExeName(); }))
        .Property("Screen", [](A&) { return Screen; })
        .Method("GetObjFromHandle", [](A&, const TPublishedArgs& a) -> TPublishedValue {
            if (a.size() != 1) throw EPropertyError("Method GetObjFromHandle takes 1 arguments, not " + std::to_string(a.size()));
            return FindControl(static_cast<HWND>(a[0].AsVariant().AsInt64()));
        });
}

void PublishCollectionsAndLists()
{
    using I = TCollectionItemWrapper;
    Publish<I>()
        .Property("Index", Read<TCollectionItem, I>([](TCollectionItem& i) { return i.Index(); }))
        .Property("ID", Read<TCollectionItem, I>([](TCollectionItem& i) { return i.ID(); }));

    using L = TCollectionWrapper;
    Publish<L>()
        .Property("Count", Read<TCollection, L>([](TCollection& c) { return c.Count(); }))
        .Method("GetItems", [](L& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TCollection>(w).Items(IntArg(a, 0, 1, "GetItems"));
        });

    using T = TStringsWrapper;
    auto one = [](const TPublishedArgs& a, std::string_view method) {
        if (a.size() != 1) throw EPropertyError("Method " + std::string(method) + " takes 1 arguments, not " + std::to_string(a.size()));
        return a[0].AsVariant();
    };
    Publish<T>()
        .Property("Count", Read<TStrings, T>([](TStrings& s) { return s.Count(); }))
        .Method("GetStrings", [](T& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TStrings>(w).Strings(IntArg(a, 0, 1, "GetStrings"));
        })
        .Method("GetObjects", [](T& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TStrings>(w).Objects(IntArg(a, 0, 1, "GetObjects"));
        })
        .Method("Add", [one](T& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TStrings>(w).Add(one(a, "Add").AsString());
        })
        .Method("Clear", [](T& w, const TPublishedArgs&) -> TPublishedValue {
            Wrapped<TStrings>(w).Clear();
            return {};
        })
        .Method("Delete", [](T& w, const TPublishedArgs& a) -> TPublishedValue {
            Wrapped<TStrings>(w).Delete(IntArg(a, 0, 1, "Delete"));
            return {};
        })
        .Method("IndexOf", [one](T& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TStrings>(w).IndexOf(one(a, "IndexOf").AsString());
        });

    using G = TCustomGridWrapper;
    Publish<G>().Method("GetCellRect", [](G& w, const TPublishedArgs& a) -> TPublishedValue {
        return NewRect(Wrapped<TCustomGrid>(w).CellRect(IntArg(a, 0, 2, "GetCellRect"), IntArg(a, 1, 2, "GetCellRect")));
    });
    using SG = TStringGridWrapper;
    Publish<SG>().Method("GetCells", [](SG& w, const TPublishedArgs& a) -> TPublishedValue {
        return Wrapped<TStringGrid>(w).Cells(IntArg(a, 0, 2, "GetCells"), IntArg(a, 1, 2, "GetCells"));
    });
}

void PublishMenusAndPictures()
{
    using M = TMenuWrapper;
    Publish<M>().Method("FindItem", [](M& w, const TPublishedArgs& a) -> TPublishedValue {
        return Wrapped<TMenu>(w).FindItem(static_cast<unsigned>(IntArg(a, 0, 1, "FindItem")), fkCommand);
    });
    using MI = TMenuItemWrapper;
    Publish<MI>()
        .Property("MenuItemIndex", Read<TMenuItem, MI>([](TMenuItem& m) { return m.MenuIndex(); }))
        .Property("Count", Read<TMenuItem, MI>([](TMenuItem& m) { return m.Count(); }))
        .Property("Command", Read<TMenuItem, MI>([](TMenuItem& m) { return static_cast<int>(m.Command()); }))
        .Property("Parent", Read<TMenuItem, MI>([](TMenuItem& m) { return m.Parent(); }))
        .Method("GetItems", [](MI& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TMenuItem>(w).Items(IntArg(a, 0, 1, "GetItems"));
        })
        .Method("Click", [](MI& w, const TPublishedArgs&) -> TPublishedValue {
            Wrapped<TMenuItem>(w).Click();
            return {};
        });

    using P = TPictureWrapper;
    Publish<P>()
        .Property("Bitmap", Read<TPicture, P>([](TPicture& p) { return p.Bitmap(); }))
        .Property("Graphic", Read<TPicture, P>([](TPicture& p) { return p.Graphic(); }))
        .Property("Height", Read<TPicture, P>([](TPicture& p) { return p.Height(); }))
        .Property("Icon", Read<TPicture, P>([](TPicture& p) { return p.Icon(); }))
        .Property("Width", Read<TPicture, P>([](TPicture& p) { return p.Width(); }));

    using GR = TGraphicWrapper;
    Publish<GR>()
        .Property("Height", Read<TGraphic, GR>([](TGraphic& g) { return g.Height(); }))
        .Property("Modified", Read<TGraphic, GR>([](TGraphic& g) { return g.Modified(); }))
        .Property("Transparent", Read<TGraphic, GR>([](TGraphic& g) { return g.Transparent(); }))
        .Property("Width", Read<TGraphic, GR>([](TGraphic& g) { return g.Width(); }));

    using B = TBitmapWrapper;
    Publish<B>()
        .Property("HandleType", Read<TBitmap, B>([](TBitmap& b) { return static_cast<int>(b.HandleType()); }))
        .Property("Height", Read<TBitmap, B>([](TBitmap& b) { return b.Height(); }))
        .Property("Monochrome", Read<TBitmap, B>([](TBitmap& b) { return b.Monochrome(); }))
        .Property("TransparentColor", Read<TBitmap, B>([](TBitmap& b) { return static_cast<std::int64_t>(b.TransparentColor()); }))
        .Property("Width", Read<TBitmap, B>([](TBitmap& b) { return b.Width(); }));
}

void PublishTabsAndTrees()
{
    using namespace standin;
    using TS = TTabSheetWrapper;
    Publish<TS>().Property("TabIndex", Read<TTabSheet, TS>([](TTabSheet& t) { return t.TabIndex(); }));

    using TC = TCustomTabControlWrapper;
    Publish<TC>()
        .Property("Tabs", Read<TCustomTabControl, TC>([](TCustomTabControl& t) { return &t.Tabs(); }))
        .Method("GetTabRect", [](TC& w, const TPublishedArgs& a) -> TPublishedValue {
            return NewRect(Wrapped<TCustomTabControl>(w).TabRect(IntArg(a, 0, 1, "GetTabRect")));
        });

    using TB = TTabSetWrapper;
    Publish<TB>().Method("GetItemRect", [](TB& w, const TPublishedArgs& a) -> TPublishedValue {
        return NewRect(Wrapped<TTabSet>(w).ItemRect(IntArg(a, 0, 1, "GetItemRect")));
    });

    using TV = TCustomTreeViewWrapper;
    Publish<TV>().Property("Selected", Read<TCustomTreeView, TV>([](TCustomTreeView& t) { return t.Selected(); }));

    using NS = TTreeNodesWrapper;
    Publish<NS>()
        .Property("Count", Read<TTreeNodes, NS>([](TTreeNodes& n) { return n.Count(); }))
        .Method("GetItem", [](NS& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TTreeNodes>(w).Item(IntArg(a, 0, 1, "GetItem"));
        });

    using N = TTreeNodeWrapper;
    Publish<N>()
        .Property("Count", Read<TTreeNode, N>([](TTreeNode& n) { return n.Count(); }))
        .Property("Text", Read<TTreeNode, N>([](TTreeNode& n) { return n.Text(); }),
                  Write<TTreeNode, N, std::string>([](TTreeNode& n, const std::string& v) { n.SetText(v); }))
        .Property("SelectedIndex", Read<TTreeNode, N>([](TTreeNode& n) { return n.SelectedIndex(); }))
        .Property("Selected", Read<TTreeNode, N>([](TTreeNode& n) { return n.Selected(); }),
                  Write<TTreeNode, N, bool>([](TTreeNode& n, bool v) { n.SetSelected(v); }))
        .Property("Expanded", Read<TTreeNode, N>([](TTreeNode& n) { return n.Expanded(); }),
                  Write<TTreeNode, N, bool>([](TTreeNode& n, bool v) { n.SetExpanded(v); }))
        .Property("HasChildren", Read<TTreeNode, N>([](TTreeNode& n) { return n.HasChildren(); }))
        .Property("IsVisible", Read<TTreeNode, N>([](TTreeNode& n) { return n.IsVisible(); }))
        .Property("Index", Read<TTreeNode, N>([](TTreeNode& n) { return n.Index(); }))
        .Property("Focused", Read<TTreeNode, N>([](TTreeNode& n) { return n.Focused(); }),
                  Write<TTreeNode, N, bool>([](TTreeNode& n, bool v) { n.SetFocused(v); }))
        .Property("Level", Read<TTreeNode, N>([](TTreeNode& n) { return n.Level(); }))
        .Method("GetItem", [](N& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TTreeNode>(w).Item(IntArg(a, 0, 1, "GetItem"));
        })
        .Method("Expand", [](N& w, const TPublishedArgs& a) -> TPublishedValue {
            Wrapped<TTreeNode>(w).Expand(Arg(a, 0, 1, "Expand").AsBoolean());
            return {};
        });
}

void PublishListsAndHeaders()
{
    using namespace standin;
    using LS = TListItemsWrapper;
    Publish<LS>()
        .Property("Count", Read<TListItems, LS>([](TListItems& l) { return l.Count(); }))
        .Method("GetItem", [](LS& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TListItems>(w).Item(IntArg(a, 0, 1, "GetItem"));
        });

    using LI = TListItemWrapper;
    Publish<LI>()
        .Property("SubItems", Read<TListItem, LI>([](TListItem& i) { return &i.SubItems(); }))
        .Property("Caption", Read<TListItem, LI>([](TListItem& i) { return i.Caption(); }),
                  Write<TListItem, LI, std::string>([](TListItem& i, const std::string& v) { i.SetCaption(v); }))
        .Property("Focused", Read<TListItem, LI>([](TListItem& i) { return i.Focused(); }),
                  Write<TListItem, LI, bool>([](TListItem& i, bool v) { i.SetFocused(v); }))
        .Property("Indent", Read<TListItem, LI>([](TListItem& i) { return i.Indent(); }),
                  Write<TListItem, LI, int>([](TListItem& i, int v) { i.SetIndent(v); }))
        .Property("Index", Read<TListItem, LI>([](TListItem& i) { return i.Index(); }))
        .Property("Selected", Read<TListItem, LI>([](TListItem& i) { return i.Selected(); }),
                  Write<TListItem, LI, bool>([](TListItem& i, bool v) { i.SetSelected(v); }))
        .Property("Left", Read<TListItem, LI>([](TListItem& i) { return i.Left(); }))
        .Property("Top", Read<TListItem, LI>([](TListItem& i) { return i.Top(); }));

    using HS = THeaderSectionWrapper;
    Publish<HS>()
        .Property("Left", Read<THeaderSection, HS>([](THeaderSection& h) { return h.Left(); }))
        .Property("Right", Read<THeaderSection, HS>([](THeaderSection& h) { return h.Right(); }));

    // Index and value of a setter, the count checked before either is read.
    using CL = TCheckListBoxWrapper;
    auto indexValue = [](const TPublishedArgs& a, std::string_view method) {
        const int index = IntArg(a, 0, 2, method);
        return std::pair<int, const Variant&>(index, a[1].AsVariant());
    };
    Publish<CL>()
        .Method("GetChecked", [](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TCheckListBox>(w).Checked(IntArg(a, 0, 1, "GetChecked"));
        })
        .Method("GetState", [](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            return static_cast<int>(Wrapped<TCheckListBox>(w).State(IntArg(a, 0, 1, "GetState")));
        })
        .Method("GetHeader", [](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TCheckListBox>(w).Header(IntArg(a, 0, 1, "GetHeader"));
        })
        .Method("GetItemEnabled", [](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            return Wrapped<TCheckListBox>(w).ItemEnabled(IntArg(a, 0, 1, "GetItemEnabled"));
        })
        .Method("SetChecked", [indexValue](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            const auto [index, value] = indexValue(a, "SetChecked");
            Wrapped<TCheckListBox>(w).SetChecked(index, value.AsBoolean());
            return {};
        })
        .Method("SetState", [indexValue](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            const auto [index, value] = indexValue(a, "SetState");
            const int state = value.AsInteger();
            if (state < cbUnchecked || state > cbGrayed)
                throw EConvertError("Check state " + std::to_string(state) + " is out of range");
            Wrapped<TCheckListBox>(w).SetState(index, static_cast<TCheckBoxState>(state));
            return {};
        })
        .Method("SetHeader", [indexValue](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            const auto [index, value] = indexValue(a, "SetHeader");
            Wrapped<TCheckListBox>(w).SetHeader(index, value.AsBoolean());
            return {};
        })
        .Method("SetItemEnabled", [indexValue](CL& w, const TPublishedArgs& a) -> TPublishedValue {
            const auto [index, value] = indexValue(a, "SetItemEnabled");
            Wrapped<TCheckListBox>(w).SetItemEnabled(index, value.AsBoolean());
            return {};
        });

    using ME = TMemoWrapper;
    Publish<ME>().Property("Lines", Read<TMemo, ME>([](TMemo& m) { return &m.Lines(); }));
}

}  // namespace

// The pairs in the order the map is filled. The tab, tree, list-view, header,
// status-panel, check-list-box and tab-set classes are the stand-ins until the
// window layer has those controls; the window layer's memo has no separate
// custom-memo class, so the memo class itself takes that place.
void RegisterStandardWrappers(TClassMap& ClassMap)
{
    PublishShapes();
    PublishComponents();
    PublishCollectionsAndLists();
    PublishMenusAndPictures();
    PublishTabsAndTrees();
    PublishListsAndHeaders();

    using namespace standin;
    ClassMap.AddClass(TObject::StaticClass(), WrapperClassOf<TObjectWrapper>());
    ClassMap.AddClass(TApplication::StaticClass(), WrapperClassOf<TApplicationWrapper>());
    ClassMap.AddClass(TComponent::StaticClass(), WrapperClassOf<TComponentWrapper>());
    ClassMap.AddClass(TControl::StaticClass(), WrapperClassOf<TControlWrapper>());
    ClassMap.AddClass(TWinControl::StaticClass(), WrapperClassOf<TWinControlWrapper>());
    ClassMap.AddClass(TRectClass::StaticClass(), WrapperClassOf<TRectPointWrapper>());
    ClassMap.AddClass(TPointClass::StaticClass(), WrapperClassOf<TRectPointWrapper>());
    ClassMap.AddClass(TScreen::StaticClass(), WrapperClassOf<TScreenWrapper>());
    ClassMap.AddClass(TCollectionItem::StaticClass(), WrapperClassOf<TCollectionItemWrapper>());
    ClassMap.AddClass(TCollection::StaticClass(), WrapperClassOf<TCollectionWrapper>());
    ClassMap.AddClass(TTabSheet::StaticClass(), WrapperClassOf<TTabSheetWrapper>());
    ClassMap.AddClass(TCustomTabControl::StaticClass(), WrapperClassOf<TCustomTabControlWrapper>());
    ClassMap.AddClass(TCustomGrid::StaticClass(), WrapperClassOf<TCustomGridWrapper>());
    ClassMap.AddClass(TStringGrid::StaticClass(), WrapperClassOf<TStringGridWrapper>());
    ClassMap.AddClass(TStrings::StaticClass(), WrapperClassOf<TStringsWrapper>());
    ClassMap.AddClass(TCustomTreeView::StaticClass(), WrapperClassOf<TCustomTreeViewWrapper>());
    ClassMap.AddClass(TTreeNodes::StaticClass(), WrapperClassOf<TTreeNodesWrapper>());
    ClassMap.AddClass(TTreeNode::StaticClass(), WrapperClassOf<TTreeNodeWrapper>());
    ClassMap.AddClass(TCustomListView::StaticClass(), WrapperClassOf<TCustomListViewWrapper>());
    ClassMap.AddClass(TListItems::StaticClass(), WrapperClassOf<TListItemsWrapper>());
    ClassMap.AddClass(TListItem::StaticClass(), WrapperClassOf<TListItemWrapper>());
    ClassMap.AddClass(THeaderSection::StaticClass(), WrapperClassOf<THeaderSectionWrapper>());
    ClassMap.AddClass(TStatusPanel::StaticClass(), WrapperClassOf<TStatusPanelWrapper>());
    ClassMap.AddClass(TMenu::StaticClass(), WrapperClassOf<TMenuWrapper>());
    ClassMap.AddClass(TMenuItem::StaticClass(), WrapperClassOf<TMenuItemWrapper>());
    ClassMap.AddClass(TCustomListBox::StaticClass(), WrapperClassOf<TCustomListboxWrapper>());
    ClassMap.AddClass(TCheckListBox::StaticClass(), WrapperClassOf<TCheckListBoxWrapper>());
    ClassMap.AddClass(TTabSet::StaticClass(), WrapperClassOf<TTabSetWrapper>());
    ClassMap.AddClass(TPicture::StaticClass(), WrapperClassOf<TPictureWrapper>());
    ClassMap.AddClass(TGraphic::StaticClass(), WrapperClassOf<TGraphicWrapper>());
    ClassMap.AddClass(TBitmap::StaticClass(), WrapperClassOf<TBitmapWrapper>());
    ClassMap.AddClass(TMemo::StaticClass(), WrapperClassOf<TMemoWrapper>());
}

}  // namespace map
