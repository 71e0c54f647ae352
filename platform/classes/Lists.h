// Lists of pointers: the plain list and the list that owns its objects.
#pragma once

#include "platform/classes/Object.h"

#include <functional>
#include <vector>

// Compares two items for Sort: negative, zero or positive.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// An ordered list of untyped pointers. Every index outside 0..Count-1 raises
// EListError "List index out of bounds (n)".
class TList : public TObject {
    VISTRA_CLASS(TList, TObject)

    TList() = default;
    ~TList() override;

    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    // Growing or shrinking the count adds null items or drops the last ones.
    void SetCount(int NewCount);
    int Capacity() const noexcept { return static_cast<int>(FItems.capacity()); }
    // Raises EListError when below Count.
    void SetCapacity(int NewCapacity);

    void* Items(int Index) const;
    void SetItems(int Index, void* Item);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }

    int Add(void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    // Removes the first occurrence; returns its former index or -1.
    int Remove(void* Item);
    // Removes the first occurrence without the deletion notification;
    // returns the item, or null when it is not in the list.
    void* Extract(void* Item);
    int IndexOf(void* Item) const;
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    // Drops the null items.
    void Pack();
    void Clear();
    // Unstable quick sort, as callers expect: equal items may change places.
    void Sort(const TListSortCompare& Compare);

protected:
    // Hears every item that enters or leaves the list.
    virtual void Notify(void* Item, TListNotification Action);

private:
    void CheckIndex(int Index) const;

    std::vector<void*> FItems;
};

// A list of objects that frees the objects it drops unless OwnsObjects is
// false. Extract hands an object back without freeing it.
class TObjectList : public TList {
    VISTRA_CLASS(TObjectList, TList)

    explicit TObjectList(bool AOwnsObjects = true) : FOwnsObjects(AOwnsObjects) {}
    ~TObjectList() override;

    bool OwnsObjects() const noexcept { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) noexcept { FOwnsObjects = Value; }

    TObject* Items(int Index) const { return static_cast<TObject*>(TList::Items(Index)); }
    void SetItems(int Index, TObject* Item) { TList::SetItems(Index, Item); }
    TObject* First() const { return Items(0); }
    TObject* Last() const { return Items(Count() - 1); }
    int Add(TObject* Item) { return TList::Add(Item); }
    void Insert(int Index, TObject* Item) { TList::Insert(Index, Item); }
    int Remove(TObject* Item) { return TList::Remove(Item); }
    TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
    int IndexOf(TObject* Item) const { return TList::IndexOf(Item); }

protected:
    void Notify(void* Item, TListNotification Action) override;

private:
    bool FOwnsObjects;
};
