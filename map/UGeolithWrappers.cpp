// The members the wrapper classes publish to script, and the standard class-to-wrapper pairs.
#include "map/UGeolithAutomation.h"

#include "platform/classes/Collection.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "platform/ui/Application.h"
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

int IntArg(const TPublishedArgs& args, std::size_t index, std::size_t count, std::string_view method)
{
    if (args.size() != count)
        throw EPropertyError("Method " + std::string(method) + " takes " + std::to_string(count) + " arguments, not " +
                             std::to_string(args.size()));
    return args[index].AsVariant().AsInteger();
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

}  // namespace

// The pairs in the order the map is filled. The tab, tree, list-view, header,
// status-bar, list-box, check-list-box, tab-set and memo controls join when
// the window layer has them.
void RegisterStandardWrappers(TClassMap& ClassMap)
{
    PublishShapes();
    PublishComponents();
    PublishCollectionsAndLists();
    PublishMenusAndPictures();

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
    ClassMap.AddClass(TCustomGrid::StaticClass(), WrapperClassOf<TCustomGridWrapper>());
    ClassMap.AddClass(TStringGrid::StaticClass(), WrapperClassOf<TStringGridWrapper>());
    ClassMap.AddClass(TStrings::StaticClass(), WrapperClassOf<TStringsWrapper>());
    ClassMap.AddClass(TMenu::StaticClass(), WrapperClassOf<TMenuWrapper>());
    ClassMap.AddClass(TMenuItem::StaticClass(), WrapperClassOf<TMenuItemWrapper>());
    ClassMap.AddClass(TPicture::StaticClass(), WrapperClassOf<TPictureWrapper>());
    ClassMap.AddClass(TGraphic::StaticClass(), WrapperClassOf<TGraphicWrapper>());
    ClassMap.AddClass(TBitmap::StaticClass(), WrapperClassOf<TBitmapWrapper>());
}

}  // namespace map
