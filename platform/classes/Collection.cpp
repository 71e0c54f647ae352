// Collection items and collections, with their notification hooks.
#include "platform/classes/Collection.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"

#include <algorithm>
#include <cassert>
#include <string>

namespace {

[[noreturn]] void IndexError(int Index)
{
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

} // namespace

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    if (Collection != nullptr)
        Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection != nullptr)
        FCollection->RemoveItem(this);
}

void TCollectionItem::Free()
{
    if (FCollection != nullptr)
        FCollection->RemoveItem(this);
    delete this;
}

int TCollectionItem::Index() const
{
    if (FCollection == nullptr)
        return -1;
    // From the end: an item just added, or removed while a collection is
    // cleared from its end, is found at once, so filling or emptying a large
    // collection stays linear.
    auto& items = FCollection->FItems;
    auto it = std::find(items.rbegin(), items.rend(), this);
    return it == items.rend() ? -1 : static_cast<int>(items.rend() - it) - 1;
}

void TCollectionItem::SetIndex(int Value)
{
    int current = Index();
    if (current < 0 || current == Value)
        return;
    auto& items = FCollection->FItems;
    if (Value < 0 || Value >= static_cast<int>(items.size()))
        IndexError(Value);
    items.erase(items.begin() + current);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

void TCollectionItem::SetDisplayName(const std::string&)
{
    Changed(false);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection != nullptr && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const
{
    return FCollection;
}

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(ItemClass)
{
    assert(FItemClass.Create != nullptr);
}

TCollection::~TCollection()
{
    DestroyItems();
}

void TCollection::DestroyItems()
{
    // The raised count is never lowered: a collection being freed reports
    // no change.
    ++FUpdateCount;
    while (!FItems.empty())
        FItems.back()->Free();
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        IndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

void TCollection::SetItems(int Index, const TCollectionItem* Value)
{
    Items(Index)->Assign(Value);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
}

TCollectionItem* TCollection::Announce(TCollectionItem* Item)
{
    Notify(Item, cnAdded);
    Changed();
    return Item;
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, cnExtracting);
    auto it = std::find(FItems.rbegin(), FItems.rend(), Item);
    if (it != FItems.rend())
        FItems.erase(std::next(it).base());
    Item->FCollection = nullptr;
    Changed();
}

TCollectionItem* TCollection::Add()
{
    TCollectionItem* item = FItemClass.Create(this);
    return Announce(item);
}

TCollectionItem* TCollection::Insert(int Index)
{
    // Check first so a bad index adds nothing.
    if (Index < 0 || Index > Count())
        IndexError(Index);
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    TCollectionItem* item = Items(Index);
    Notify(item, cnDeleting);
    item->Free();
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    const auto update = rtl::UpdateScope(*this);
    while (!FItems.empty())
        FItems.back()->Free();
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == ID)
            return item;
    return nullptr;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::Update(TCollectionItem*)
{
}

void TCollection::Notify(TCollectionItem*, TCollectionNotification)
{
}

void TCollection::Assign(const TPersistent* Source)
{
    auto* source = dynamic_cast<const TCollection*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    const auto update = rtl::UpdateScope(*this);
    Clear();
    for (TCollectionItem* item : source->FItems)
        Add()->Assign(item);
}
