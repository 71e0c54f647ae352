// Markers of the map control and their collection, kept in step with the page's marker list.
//
// A marker's index in the collection is its index in the page. The page's list
// is trusted to match the collection only while the collection knows it does
// (PageInStep): from the first tiles-loaded report of a page, which creates
// every marker, until a create or delete call fails and a rebuild of the
// page's list fails too. Out of step, no marker script is sent, so no call
// can reach the wrong page marker; the next page's first report rebuilds it.
//
// Inside BeginUpdate/EndUpdate the marker scripts are collected and sent as
// one script when the outermost block ends, which saves a browser round trip
// per marker when many change at once.
#pragma once

#include "platform/classes/Collection.h"

#include <functional>
#include <string>

class TGeolith;
class TMarkers;

class TMarker : public TCollectionItem {
    VISTRA_CLASS(TMarker, TCollectionItem)

    explicit TMarker(TCollection* Collection);

    void Assign(const TPersistent* Source) override;
    // Moving a marker renumbers the page's markers: the page's list is rebuilt.
    void SetIndex(int Value) override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    double Latitude() const { return FLatitude; }
    void SetLatitude(double Value);
    double Longitude() const { return FLongitude; }
    void SetLongitude(double Value);
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value);
    const std::string& Icon() const { return FIcon; }
    void SetIcon(const std::string& Value) { FIcon = Value; }
    bool Draggable() const { return FDraggable; }
    void SetDraggable(bool Value);
    bool Clickable() const { return FClickable; }
    void SetClickable(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool InitialDropAnimation() const { return FInitialDropAnimation; }
    void SetInitialDropAnimation(bool Value) { FInitialDropAnimation = Value; }
    int Zindex() const { return FZindex; }
    void SetZindex(int Value);

private:
    friend class TMarkers;
    TMarkers* Markers() const;
    void SendToPage(const std::string& script) const;

    TGeolith* FGeolith = nullptr;
    double FLatitude = 0;
    bool FDraggable = true;
    std::string FTitle;
    double FLongitude = 0;
    std::string FIcon;
    bool FVisible = true;
    bool FClickable = true;
    bool FFlat = false;
    bool FInitialDropAnimation = false;
    int FZindex = 0;
};

class TMarkers : public TCollection {
    VISTRA_CLASS(TMarkers, TCollection)

    explicit TMarkers(TGeolith* AGeolith);
    ~TMarkers() override;

    TMarker* Add(double Latitude, double Longitude, const std::string& Title, const std::string& Icon,
                 bool Draggable, bool Visible, bool Clickable, bool Flat, bool InitialDropAnimation, int zIndex);
    TMarker* Add(double Latitude, double Longitude, const std::string& Title);
    TMarker* Add();

    TMarker* Items(int Index) const { return static_cast<TMarker*>(TCollection::Items(Index)); }
    void SetItems(int Index, const TMarker* Value) { TCollection::SetItems(Index, Value); }

    TGeolith* Geolith() const { return FGeolith; }

    // Removes every marker; the page is told once, however many there were.
    void Clear();

    void EndUpdate() override;

    // Whether the page's marker list is known to match the collection.
    bool PageInStep() const { return FPageInStep; }
    // A new page is loading: it holds no markers yet.
    void PageReset();
    // The user dragged the page's marker Index to a new place: the collection
    // takes the position the page already shows, sending nothing back.
    void PageMoved(int Index, double Latitude, double Longitude);
    // Creates every marker in the page, in index order (after clearing the
    // page's list when ClearFirst); the page is in step when all succeeded.
    bool CreateAllInPage(bool ClearFirst);

    // Raised after a change a list of the markers shows: a marker's title or
    // position (Marker), or markers added, removed or reordered (null). Inside
    // an update block only once, at its end, for the whole list.
    std::function<void(TMarker* Marker)> OnListChange;

protected:
    void Update(TCollectionItem* Item) override;
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
    TPersistent* GetOwner() const override;

private:
    friend class TMarker;
    // Sends (or, inside an update block, collects) a marker script; a failed
    // create or delete (KeepsStep) rebuilds the page's list.
    void SendToPage(const std::string& script, bool KeepsStep);
    void Resync();
    void ShownChanged(TMarker* Marker) const;

    TGeolith* FGeolith;
    bool FPageInStep = false;
    bool FAddingWithValues = false;
    bool FClearing = false;
    bool FResyncNeeded = false;
    std::string FPendingScript;
    bool FPendingKeepsStep = false;
};

namespace map {
// The page's create call for the marker with all its values.
std::string CreateMarkerScript(const TMarker& Marker);
}  // namespace map
