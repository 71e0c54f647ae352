// The pointer list and the owning object list.
#include "platform/classes/Lists.h"

#include "platform/classes/QuickSort.h"

#include "platform/rtl/Exceptions.h"

#include <string>
#include <utility>

TList::~TList()
{
    Clear();
}

void TList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TList::SetCount(int NewCount)
{
    if (NewCount < 0)
        throw EListError("List count out of bounds (" + std::to_string(NewCount) + ")");
    if (NewCount > Count())
        FItems.resize(static_cast<std::size_t>(NewCount), nullptr);
    else
        for (int i = Count() - 1; i >= NewCount; --i)
            Delete(i);
}

void TList::SetCapacity(int NewCapacity)
{
    if (NewCapacity < Count())
        throw EListError("List capacity out of bounds (" + std::to_string(NewCapacity) + ")");
    if (NewCapacity > Capacity())
        FItems.reserve(static_cast<std::size_t>(NewCapacity));
    else if (NewCapacity < Capacity())
        FItems.shrink_to_fit();
}

void* TList::Items(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

void TList::SetItems(int Index, void* Item)
{
    CheckIndex(Index);
    void*& slot = FItems[static_cast<std::size_t>(Index)];
    if (slot == Item)
        return;
    void* old = std::exchange(slot, Item);
    if (old != nullptr)
        Notify(old, lnDeleted);
    if (Item != nullptr)
        Notify(Item, lnAdded);
}

int TList::Add(void* Item)
{
    FItems.push_back(Item);
    if (Item != nullptr)
        Notify(Item, lnAdded);
    return Count() - 1;
}

void TList::Insert(int Index, void* Item)
{
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FItems.insert(FItems.begin() + Index, Item);
    if (Item != nullptr)
        Notify(Item, lnAdded);
}

void TList::Delete(int Index)
{
    CheckIndex(Index);
    void* item = FItems[static_cast<std::size_t>(Index)];
    FItems.erase(FItems.begin() + Index);
    if (item != nullptr)
        Notify(item, lnDeleted);
}

int TList::Remove(void* Item)
{
    int index = IndexOf(Item);
    if (index >= 0)
        Delete(index);
    return index;
}

void* TList::Extract(void* Item)
{
    int index = IndexOf(Item);
    if (index < 0)
        return nullptr;
    FItems.erase(FItems.begin() + index);
    Notify(Item, lnExtracted);
    return Item;
}

int TList::IndexOf(void* Item) const
{
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i] == Item)
            return static_cast<int>(i);
    return -1;
}

void TList::Exchange(int Index1, int Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FItems[static_cast<std::size_t>(Index1)], FItems[static_cast<std::size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void* item = FItems[static_cast<std::size_t>(CurIndex)];
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, item);
}

void TList::Pack()
{
    std::erase(FItems, nullptr);
}

void TList::Clear()
{
    SetCount(0);
    FItems.shrink_to_fit();
}

void TList::Sort(const TListSortCompare& Compare)
{
    auto at = [this](int i) { return FItems[static_cast<std::size_t>(i)]; };
    classes::QuickSort(
        0, Count() - 1, [&](int i, int j) { return Compare(at(i), at(j)); },
        [this](int i, int j) { std::swap(FItems[static_cast<std::size_t>(i)], FItems[static_cast<std::size_t>(j)]); });
}

void TList::Notify(void*, TListNotification)
{
}

TObjectList::~TObjectList()
{
    Clear();
}

void TObjectList::Notify(void* Item, TListNotification Action)
{
    if (FOwnsObjects && Action == lnDeleted)
        delete static_cast<TObject*>(Item);
    TList::Notify(Item, Action);
}
