// Collections of items that tell their owner of every addition, removal
// and change through two hooks, Notify and Update.
//
// The hooks run in a fixed order that subclasses rely on:
//
//   Add()        item joins as the last one (its constructor already sees
//                its Index and ID), then Notify(item, cnAdded), then Changed.
//   Insert(i)    Add(), then the item moves to i: Changed once more.
//   Delete(i)    Notify(item, cnDeleting) and then the removal below, both
//                while the item still has index i.
//   removal      (freeing an item, Delete, Clear, freeing the collection)
//                Notify(item, cnExtracting) while the item is still in the
//                list at its index, then it leaves the list, then Changed.
//   Clear()      BeginUpdate, removes the items from the last to the first,
//                EndUpdate (so a single Update(nullptr) at the end).
//   freeing      removes the items from the last to the first with no
//                Update at all.
//   Changed      Update(nullptr) unless inside BeginUpdate/EndUpdate.
//   item change  TCollectionItem::Changed(false) calls Update(item), and
//                Changed(true) Update(nullptr); both only outside an update
//                block. SetIndex and SetDisplayName report a change.
//   EndUpdate    lowers the count, then Changed.
//
// Every removal therefore raises cnExtracting exactly once per item.
//
// C++ destroys a derived object before its base, so a collection whose
// Notify must hear the removals made by its own freeing calls DestroyItems()
// in its destructor. Free items with Free() (or Delete) so the hooks see the
// whole item; deleting one directly still removes it, but the hooks then see
// only its TCollectionItem part.
#pragma once

#include "platform/classes/Object.h"

#include <string>
#include <vector>

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    VISTRA_CLASS(TCollectionItem, TPersistent)

    // Joins Collection as its last item (when not null). Items are made by
    // the collection's Add and Insert, which raise the add notification once
    // the item is whole.
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    // Leaves the collection (raising its hooks) and frees the item.
    void Free();

    TCollection* Collection() const noexcept { return FCollection; }
    // Position in the collection; -1 outside one.
    int Index() const;
    // Moves the item to Value; raises EListError when Value is out of range.
    virtual void SetIndex(int Value);
    // A number unique within the collection, never reused.
    int ID() const noexcept { return FID; }

    // The item's name in editors and paths; the class name by default.
    virtual std::string DisplayName() const { return ClassName(); }
    virtual void SetDisplayName(const std::string& Value);

    // Reports a change of this item (AllItems false) or of the collection.
    // Public so that a collection can report a change of an item it filled.
    void Changed(bool AllItems);

protected:
    TPersistent* GetOwner() const override;

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

// What a collection knows of its item class: its identity and how to make one.
struct TCollectionItemClass {
    TClass Class = nullptr;
    TCollectionItem* (*Create)(TCollection* Collection) = nullptr;
};

// The item class of T, for a collection's constructor: ItemClassOf<TMarker>().
template <class T>
TCollectionItemClass ItemClassOf()
{
    return {T::StaticClass(), [](TCollection* c) -> TCollectionItem* { return new T(c); }};
}

class TCollection : public TPersistent {
    VISTRA_CLASS(TCollection, TPersistent)

    explicit TCollection(TCollectionItemClass ItemClass);
    ~TCollection() override;

    TClass ItemClass() const noexcept { return FItemClass.Class; }
    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    // Raise EListError "List index out of bounds (n)" for a bad index.
    TCollectionItem* Items(int Index) const;
    // Copies Value into the item at Index with Assign.
    void SetItems(int Index, const TCollectionItem* Value);

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    TCollectionItem* FindItemID(int ID) const;

    virtual void BeginUpdate() { ++FUpdateCount; }
    // An EndUpdate without a BeginUpdate leaves the count at 0.
    virtual void EndUpdate();
    int UpdateCount() const noexcept { return FUpdateCount; }

    // The object that owns the collection in a property path.
    TPersistent* Owner() const { return GetOwner(); }

    // From another collection: clears and adds a copy of each source item,
    // all inside one update block.
    void Assign(const TPersistent* Source) override;

protected:
    virtual void Update(TCollectionItem* Item);
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
    // Update(nullptr) unless an update block is open.
    void Changed();
    // Removes every item, last first, without Update; for destructors.
    void DestroyItems();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    TCollectionItem* Announce(TCollectionItem* Item);

    TCollectionItemClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};

// A collection that answers a given object as its owner.
class TOwnedCollection : public TCollection {
    VISTRA_CLASS(TOwnedCollection, TCollection)

    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TCollection(ItemClass), FOwner(AOwner)
    {
    }

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
