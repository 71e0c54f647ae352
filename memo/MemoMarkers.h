// Markers: numbered, optionally named marks on memo lines, shown as images in the gutter.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Colors.h"

#include <string>

class TImageList;

class TQuillMarker : public TCollectionItem {
    VISTRA_CLASS(TQuillMarker, TCollectionItem)

    explicit TQuillMarker(TCollection* Collection) : TCollectionItem(Collection) {}
    void Assign(const TPersistent* Source) override;
    std::string DisplayName() const override;

    const std::string& Text() const noexcept { return FText; }
    void SetText(const std::string& Value) { FText = Value; }
    int ImageIndex() const noexcept { return FImageIndex; }
    void SetImageIndex(int Value) noexcept { FImageIndex = Value; }
    int LineNumber() const noexcept { return FLineNumber; }
    void SetLineNumber(int Value) noexcept { FLineNumber = Value; }

private:
    std::string FText;
    int FImageIndex = 0;
    int FLineNumber = 0;
};

// Markers in the order they were added; lookups by line use the first one there.
class TQuillMarkers : public TCollection {
    VISTRA_CLASS(TQuillMarkers, TCollection)

    explicit TQuillMarkers(TPersistent* Component) : TCollection(ItemClassOf<TQuillMarker>()), FComponent(Component) {}

    int MarkerCount() const noexcept { return Count(); }
    TQuillMarker* Items(int Index) const { return static_cast<TQuillMarker*>(TCollection::Items(Index)); }
    TQuillMarker* Add() { return static_cast<TQuillMarker*>(TCollection::Add()); }
    // Adds a marker on LineIndex unless one is there already.
    void AddMarker(int LineIndex, int ImageIndex, const std::string& MarkerText = {});
    void RemoveMarker(int LineNo);
    bool MarkerAtLine(int LineNo) const { return GetMarkerAtLine(LineNo) != nullptr; }
    bool HigherMarkerThanLine(int LineNo) const;
    // Markers on StartIndex or below move one line down (Plus) or up (Minus).
    void AdjustMarkerLinePlus(int StartIndex) { ShiftFrom(StartIndex, 1); }
    void AdjustMarkerLineMinus(int StartIndex) { ShiftFrom(StartIndex, -1); }
    TQuillMarker* GetMarkerAtLine(int LineNo) const;
    // -1 without a marker on the line.
    int GetMarkerImageIndex(int LineNo) const;
    // Copies these markers into Markers; true when there are any.
    bool GetMarkers(TQuillMarkers& Markers) const;
    bool HasMarkers() const noexcept { return Count() > 0; }

protected:
    TPersistent* GetOwner() const override { return FComponent; }

private:
    void ShiftFrom(int StartIndex, int Delta);
    TPersistent* FComponent;
};

// The memo's markers with the images they are drawn with.
class TQuillMarkerList : public TPersistent {
    VISTRA_CLASS(TQuillMarkerList, TPersistent)

    explicit TQuillMarkerList(TComponent* AOwner) : FOwner(AOwner), FMarkers(this) {}
    // Copies the image settings, not the markers.
    void Assign(const TPersistent* Source) override;

    TQuillMarkers& Markers() noexcept { return FMarkers; }
    const TQuillMarkers& Markers() const noexcept { return FMarkers; }
    void SetMarkers(const TQuillMarkers& Value) { FMarkers.Assign(&Value); }
    TImageList* MarkerImageList() const noexcept { return FMarkerImageList; }
    void SetMarkerImageList(TImageList* Value) noexcept { FMarkerImageList = Value; }
    int DefaultMarkerImageIndex() const noexcept { return FDefaultMarkerImageIndex; }
    void SetDefaultMarkerImageIndex(int Value);
    bool UseDefaultMarkerImageIndex() const noexcept { return FUseDefaultMarkerImageIndex; }
    void SetUseDefaultMarkerImageIndex(bool Value);
    TColor ImageTransparentColor() const noexcept { return FImageTransparentColor; }
    void SetImageTransparentColor(TColor Value) noexcept { FImageTransparentColor = Value; }
    // The image a marker on LineNo is drawn with; -1 for none.
    int ImageIndexAt(int LineNo) const;
    // Empties the markers and repaints the memo's gutter.
    void FastDeleteAll();

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    bool OwnerLoading() const;

    TComponent* FOwner;
    TQuillMarkers FMarkers;
    TImageList* FMarkerImageList = nullptr;
    int FDefaultMarkerImageIndex = -1;
    bool FUseDefaultMarkerImageIndex = false;
    TColor FImageTransparentColor = clWhite;
};
