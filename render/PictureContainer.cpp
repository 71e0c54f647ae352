// The stores the markup's pictures are looked up in: the cache by address and the container by name.
#include "render/PictureContainer.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

THTMLPictureCache::~THTMLPictureCache() = default;

THTMLPicture* THTMLPictureCache::Items(int Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<std::size_t>(Index)].get();
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    FItems.push_back(std::make_unique<THTMLPicture>());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const
{
    for (const auto& picture : FItems)
        if (picture->ID() == ID) return picture.get();
    return nullptr;
}

void THTMLPictureCache::ClearPictures() { FItems.clear(); }

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (const auto& picture : FItems)
        if (picture->Step()) changed = true;
    return changed;
}

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), FPicture(std::make_unique<THTMLPicture>())
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(const TPersistent* Source)
{
    const auto* item = dynamic_cast<const TPictureItem*>(Source);
    if (!item) {
        TCollectionItem::Assign(Source);
        return;
    }
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(item->FPicture.get());
}

void TPictureItem::SetPicture(const THTMLPicture* Value) { FPicture->Assign(Value); }

TPictureCollection::TPictureCollection(TPictureContainer* AOwner)
    : TCollection(ItemClassOf<TPictureItem>()), FOwner(AOwner)
{
}

TPictureCollection::~TPictureCollection() { DestroyItems(); }

TPictureItem* TPictureCollection::Add() { return static_cast<TPictureItem*>(TCollection::Add()); }

TPictureItem* TPictureCollection::Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }

TPictureItem* TPictureCollection::Items(int Index) const
{
    return static_cast<TPictureItem*>(TCollection::Items(Index));
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Picture()->Step()) changed = true;
    return changed;
}

TPersistent* TPictureCollection::GetOwner() const { return FOwner; }

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this))
{
}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::SetItems(const TPictureCollection* Value) { FItems->Assign(Value); }

std::string TPictureContainer::Version() const
{
    constexpr unsigned version = 0x01000000;
    return std::to_string(version >> 24) + "." + std::to_string((version >> 16) & 0xFF) + "." +
           std::to_string((version >> 8) & 0xFF) + "." + std::to_string(version & 0xFF);
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& s) const
{
    const std::string wanted = UpperCase(s);
    for (int i = 0; i < FItems->Count(); ++i) {
        TPictureItem* item = FItems->Items(i);
        if (UpperCase(item->Name()) == wanted) return item->Picture();
    }
    return nullptr;
}
