// Markers and their collection: values, setters that script the page, and the page's list kept in step.
#include "map/UGeolithMarkers.h"

#include "map/UGeolith.h"
#include "map/UGeolithScripts.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ScopeExit.h"

TMarker::TMarker(TCollection* Collection) : TCollectionItem(Collection)
{
    if (auto* markers = Markers()) FGeolith = markers->Geolith();
    const int index = Index();
    FTitle = "Marker" + IntToStr(index);
    FZindex = index;
}

TMarkers* TMarker::Markers() const { return dynamic_cast<TMarkers*>(Collection()); }

void TMarker::SendToPage(const std::string& script) const
{
    if (auto* markers = Markers()) markers->SendToPage(script, false);
}

std::string map::CreateMarkerScript(const TMarker& m)
{
    map::scripts::MarkerValues values;
    values.Latitude = m.Latitude();
    values.Longitude = m.Longitude();
    values.Title = m.Title();
    values.Icon = m.Icon();
    values.Draggable = m.Draggable();
    values.Visible = m.Visible();
    values.Clickable = m.Clickable();
    values.Flat = m.Flat();
    values.InitialDropAnimation = m.InitialDropAnimation();
    values.Zindex = m.Zindex();
    return map::scripts::CreateMapMarker(values);
}

void TMarker::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TMarker*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    FLatitude = source->FLatitude;
    FLongitude = source->FLongitude;
    FDraggable = source->FDraggable;
    FClickable = source->FClickable;
    FFlat = source->FFlat;
    FInitialDropAnimation = source->FInitialDropAnimation;
    FTitle = source->FTitle;
    FIcon = source->FIcon;
    FVisible = source->FVisible;
    FZindex = source->FZindex;
    // The page still shows the old values: rebuild its list once the
    // collection reports the change.
    if (auto* markers = Markers(); markers && markers->PageInStep()) markers->FResyncNeeded = true;
    Changed(true);
}

void TMarker::SetIndex(int Value)
{
    const int before = Index();
    TCollectionItem::SetIndex(Value);
    auto* markers = Markers();
    if (markers && Index() != before && markers->PageInStep()) markers->Resync();
}

void TMarker::SetVisible(bool Value)
{
    FVisible = Value;
    SendToPage(map::scripts::MarkerSetVisible(Index(), Value));
}

void TMarker::SetLatitude(double Value)
{
    FLatitude = Value;
    SendToPage(map::scripts::MarkerSetPosition(Index(), FLatitude, FLongitude));
    if (auto* markers = Markers()) markers->ShownChanged(this);
}

void TMarker::SetLongitude(double Value)
{
    FLongitude = Value;
    SendToPage(map::scripts::MarkerSetPosition(Index(), FLatitude, FLongitude));
    if (auto* markers = Markers()) markers->ShownChanged(this);
}

void TMarker::SetTitle(const std::string& Value)
{
    FTitle = Value;
    SendToPage(map::scripts::MarkerSetTitle(Index(), Value));
    if (auto* markers = Markers()) markers->ShownChanged(this);
}

void TMarker::SetDraggable(bool Value)
{
    FDraggable = Value;
    SendToPage(map::scripts::MarkerSetDraggable(Index(), Value));
}

void TMarker::SetClickable(bool Value)
{
    FClickable = Value;
    SendToPage(map::scripts::MarkerSetClickable(Index(), Value));
}

void TMarker::SetFlat(bool Value)
{
    FFlat = Value;
    SendToPage(map::scripts::MarkerSetFlat(Index(), Value));
}

void TMarker::SetZindex(int Value)
{
    FZindex = Value;
    SendToPage(map::scripts::MarkerSetZIndex(Index(), Value));
}

TMarkers::TMarkers(TGeolith* AGeolith) : TCollection(ItemClassOf<TMarker>()), FGeolith(AGeolith) {}

TMarkers::~TMarkers()
{
    // Removals made while freeing must still reach Notify.
    DestroyItems();
}

TMarker* TMarkers::Add(double Latitude, double Longitude, const std::string& Title, const std::string& Icon,
                       bool Draggable, bool Visible, bool Clickable, bool Flat, bool InitialDropAnimation,
                       int zIndex)
{
    FAddingWithValues = true;
    const rtl::ScopeExit added([this] { FAddingWithValues = false; });
    auto* marker = static_cast<TMarker*>(TCollection::Add());
    marker->FLatitude = Latitude;
    marker->FLongitude = Longitude;
    marker->FTitle = Title;
    marker->FIcon = Icon;
    marker->FDraggable = Draggable;
    marker->FVisible = Visible;
    marker->FClickable = Clickable;
    marker->FFlat = Flat;
    marker->FInitialDropAnimation = InitialDropAnimation;
    marker->FZindex = zIndex;
    // Inside an update block the collection hears of no single item's
    // change, but the page must still get the marker.
    if (UpdateCount() > 0)
        SendToPage(map::CreateMarkerScript(*marker), true);
    else
        marker->Changed(false);
    return marker;
}

TMarker* TMarkers::Add(double Latitude, double Longitude, const std::string& Title)
{
    return Add(Latitude, Longitude, Title, "", false, true, true, false, false, 0);
}

TMarker* TMarkers::Add() { return static_cast<TMarker*>(TCollection::Add()); }

TPersistent* TMarkers::GetOwner() const { return FGeolith; }

void TMarkers::Clear()
{
    if (Count() == 0) return;
    BeginUpdate();
    rtl::ScopeExit endUpdate([this] { EndUpdate(); });
    {
        FClearing = true;
        rtl::ScopeExit cleared([this] { FClearing = false; });
        TCollection::Clear();
    }
    SendToPage(map::scripts::DeleteAllMapMarker(), true);
}

void TMarkers::PageReset()
{
    FPageInStep = false;
    FResyncNeeded = false;
}

void TMarkers::PageMoved(int Index, double Latitude, double Longitude)
{
    // A report from another page or about a marker since removed names none of ours.
    if (!FPageInStep || Index < 0 || Index >= Count()) return;
    TMarker* marker = Items(Index);
    marker->FLatitude = Latitude;
    marker->FLongitude = Longitude;
    ShownChanged(marker);
}

void TMarkers::ShownChanged(TMarker* Marker) const
{
    if (OnListChange && UpdateCount() == 0) OnListChange(Marker);
}

void TMarkers::SendToPage(const std::string& script, bool KeepsStep)
{
    if (!FPageInStep || !FGeolith) return;
    if (UpdateCount() > 0) {
        FPendingScript += script;
        FPendingKeepsStep = FPendingKeepsStep || KeepsStep;
        return;
    }
    if (!FGeolith->ExecJScript(script) && KeepsStep) Resync();
}

void TMarkers::EndUpdate()
{
    if (UpdateCount() == 1 && !FPendingScript.empty()) {
        const std::string script = std::move(FPendingScript);
        const bool keepsStep = FPendingKeepsStep;
        FPendingScript.clear();
        FPendingKeepsStep = false;
        // The base's EndUpdate reports the change that runs the rebuild.
        if (FPageInStep && FGeolith && !FGeolith->ExecJScript(script) && keepsStep) FResyncNeeded = true;
    }
    TCollection::EndUpdate();
}

bool TMarkers::CreateAllInPage(bool ClearFirst)
{
    FResyncNeeded = false;
    FPendingScript.clear();
    FPendingKeepsStep = false;
    std::string script = ClearFirst ? map::scripts::DeleteAllMapMarker() : std::string();
    for (int i = 0; i < Count(); ++i) script += map::CreateMarkerScript(*Items(i));
    // One script for the whole list: one browser round trip however many markers.
    FPageInStep = FGeolith && (script.empty() || FGeolith->ExecJScript(script));
    return FPageInStep;
}

void TMarkers::Resync() { CreateAllInPage(true); }

void TMarkers::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    auto* marker = dynamic_cast<TMarker*>(Item);
    if (marker) {
        // The change that ends Add with values: the one create call for it.
        if (FAddingWithValues) SendToPage(map::CreateMarkerScript(*marker), true);
    } else if (FResyncNeeded && FPageInStep) {
        Resync();
    }
    // A marker that joins with its values is a change of the whole list.
    ShownChanged(FAddingWithValues ? nullptr : marker);
}

void TMarkers::Notify(TCollectionItem* Item, TCollectionNotification Action)
{
    TCollection::Notify(Item, Action);
    auto* marker = static_cast<TMarker*>(Item);
    if (Action == cnAdded) {
        // A bare Add joins the page at once with its default values, so that
        // later indexes keep naming the same markers.
        if (!FAddingWithValues) SendToPage(map::CreateMarkerScript(*marker), true);
    } else if (Action == cnExtracting && !FClearing) {
        SendToPage(map::scripts::DeleteMapMarker(marker->Index()), true);
    }
}
