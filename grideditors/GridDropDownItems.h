// The columns and the items of the grid drop-down's list: each item holds
// one text per column and an optional image index.
#pragma once

#include <memory>
#include <string>

#include "platform/classes/Collection.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/ExtCtrls.h"

namespace grideditors {

enum TColumnType { ctText, ctImage };

class TDropDownColumn : public TCollectionItem {
    VISTRA_CLASS(TDropDownColumn, TCollectionItem)

    explicit TDropDownColumn(TCollection* Collection);

    int Width() const noexcept { return FWidth; }
    void SetWidth(int Value) noexcept { FWidth = Value; }
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value) noexcept { FColor = Value; }
    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment Value) noexcept { FAlignment = Value; }
    bool Ellipsis() const noexcept { return FEllipsis; }
    void SetEllipsis(bool Value) noexcept { FEllipsis = Value; }
    TFont& Font() const noexcept { return *FFont; }
    void SetFont(const TFont& Value) { FFont->Assign(&Value); }
    TColumnType ColumnType() const noexcept { return FColumnType; }
    void SetColumnType(TColumnType Value) noexcept { FColumnType = Value; }
    const std::string& Header() const noexcept { return FHeader; }
    void SetHeader(const std::string& Value) { FHeader = Value; }
    bool Wordwrap() const noexcept { return FWordwrap; }
    void SetWordwrap(bool Value) noexcept { FWordwrap = Value; }
    // The width follows the content each time the list is loaded.
    bool AutoSize() const noexcept { return FAutoSize; }
    void SetAutoSize(bool Value) noexcept { FAutoSize = Value; }

    void Assign(const TPersistent* Source) override;

    static constexpr int DefaultWidth = 80;

private:
    int FWidth = DefaultWidth;
    TColor FColor = static_cast<TColor>(0xFFFFFF);
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    std::unique_ptr<TFont> FFont;
    TColumnType FColumnType = ctText;
    std::string FHeader;
    bool FWordwrap = false;
    bool FAutoSize = false;
};

class TDropDownColumns : public TOwnedCollection {
    VISTRA_CLASS(TDropDownColumns, TOwnedCollection)

    explicit TDropDownColumns(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TDropDownColumn>()) {}
    TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(TCollection::Add()); }
    TDropDownColumn* Insert(int Index) { return static_cast<TDropDownColumn*>(TCollection::Insert(Index)); }
    TDropDownColumn* Items(int Index) const { return static_cast<TDropDownColumn*>(TCollection::Items(Index)); }
    void SetItems(int Index, const TDropDownColumn& Value) { Items(Index)->Assign(&Value); }
};

class TDropDownItem : public TCollectionItem {
    VISTRA_CLASS(TDropDownItem, TCollectionItem)

    explicit TDropDownItem(TCollection* Collection);

    int ImageIndex() const noexcept { return FImageIndex; }
    void SetImageIndex(int Value) noexcept { FImageIndex = Value; }
    // One string per column, in column order.
    TStringList& Text() const noexcept { return *FText; }
    void SetText(const TStrings& Value) { FText->Assign(&Value); }

    void Assign(const TPersistent* Source) override;

private:
    int FImageIndex = -1;
    std::unique_ptr<TStringList> FText;
};

class TDropDownItems : public TOwnedCollection {
    VISTRA_CLASS(TDropDownItems, TOwnedCollection)

    explicit TDropDownItems(TPersistent* AOwner) : TOwnedCollection(AOwner, GetItemClass()) {}
    // The class of the items the collection makes.
    virtual TCollectionItemClass GetItemClass() const { return ItemClassOf<TDropDownItem>(); }
    TDropDownItem* Add() { return static_cast<TDropDownItem*>(TCollection::Add()); }
    TDropDownItem* Insert(int Index) { return static_cast<TDropDownItem*>(TCollection::Insert(Index)); }
    TDropDownItem* Items(int Index) const { return static_cast<TDropDownItem*>(TCollection::Items(Index)); }
    void SetItems(int Index, const TDropDownItem& Value) { Items(Index)->Assign(&Value); }
};

} // namespace grideditors
