// Markers and their collection: values, setters that script the page, and the page's list kept in step.
#include "map/UGeolithMarkers.h"

#include "map/UGeolith.h"
#include "map/UGeolithScripts.h"
#include "platform/rtl/Numbers.h"

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
    auto* markers = Markers();
    if (markers && markers->PageInStep() && FGeolith) (void)FGeolith->ExecJScript(script);
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
}

void TMarker::SetLongitude(double Value)
{
    FLongitude = Value;
    SendToPage(map::scripts::MarkerSetPosition(Index(), FLatitude, FLongitude));
}

void TMarker::SetTitle(const std::string& Value)
{
    FTitle = Value;
    SendToPage(map::scripts::MarkerSetTitle(Index(), Value));
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
    TMarker* marker;
    try {
        marker = static_cast<TMarker*>(TCollection::Add());
    } catch (...) {
        FAddingWithValues = false;
        throw;
    }
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
    marker->Changed(false);
    FAddingWithValues = false;
    return marker;
}

TMarker* TMarkers::Add(double Latitude, double Longitude, const std::string& Title)
{
    return Add(Latitude, Longitude, Title, "", false, true, true, false, false, 0);
}

TMarker* TMarkers::Add() { return static_cast<TMarker*>(TCollection::Add()); }

TPersistent* TMarkers::GetOwner() const { return FGeolith; }

void TMarkers::PageReset()
{
    FPageInStep = false;
    FResyncNeeded = false;
}

bool TMarkers::CreateInPage(TMarker* marker)
{
    return FGeolith && FGeolith->CreateMapMarker(marker);
}

bool TMarkers::CreateAllInPage(bool ClearFirst)
{
    FResyncNeeded = false;
    bool ok = !FGeolith ? false : !ClearFirst || FGeolith->DeleteAllMapMarker();
    for (int i = 0; ok && i < Count(); ++i) ok = CreateInPage(Items(i));
    FPageInStep = ok;
    return ok;
}

void TMarkers::Resync() { CreateAllInPage(true); }

void TMarkers::Update(TCollectionItem* Item)
{
    TCollection::Update(Item);
    auto* marker = dynamic_cast<TMarker*>(Item);
    if (marker) {
        // The change that ends Add with values: the one create call for it.
        if (FAddingWithValues && FPageInStep && !CreateInPage(marker)) Resync();
    } else if (FResyncNeeded && FPageInStep) {
        Resync();
    }
}

void TMarkers::Notify(TCollectionItem* Item, TCollectionNotification Action)
{
    TCollection::Notify(Item, Action);
    if (!FPageInStep || !FGeolith) return;
    auto* marker = static_cast<TMarker*>(Item);
    if (Action == cnAdded) {
        // A bare Add joins the page at once with its default values, so that
        // later indexes keep naming the same markers.
        if (!FAddingWithValues && !CreateInPage(marker)) FResyncNeeded = true;
    } else if (Action == cnExtracting) {
        if (!FGeolith->DeleteMapMarker(marker->Index())) FResyncNeeded = true;
    }
}
