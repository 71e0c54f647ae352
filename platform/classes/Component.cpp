// Ownership, naming and free notification of components.
#include "platform/classes/Component.h"

#include <algorithm>
#include <strings.h>

namespace {

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool IsIdentStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

} // namespace

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner != nullptr)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner != nullptr)
        FOwner->RemoveComponent(this);
}

bool TComponent::IsValidIdent(std::string_view Ident)
{
    if (Ident.empty() || !IsIdentStart(Ident[0]))
        return false;
    return std::all_of(Ident.begin() + 1, Ident.end(),
        [](char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); });
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const
{
    if (FOwner == nullptr)
        return -1;
    auto& siblings = FOwner->FComponents;
    auto it = std::find(siblings.begin(), siblings.end(), this);
    return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

TComponent* TComponent::FindComponent(std::string_view AName) const
{
    if (AName.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameName(c->FName, AName))
            return c;
    return nullptr;
}

void TComponent::SetName(const std::string& NewName)
{
    if (FName == NewName)
        return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (FOwner != nullptr)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, std::string_view CurName,
    std::string_view NewName) const
{
    if (AComponent == nullptr || SameName(CurName, NewName) || AComponent->FOwner != this)
        return;
    TComponent* holder = FindComponent(NewName);
    if (holder != nullptr && holder != AComponent)
        throw EComponentError("A component named " + std::string(NewName) + " already exists");
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent == nullptr || AComponent->FOwner == this)
        return;
    // An owner may not end up owned by what it owns: freeing would never end.
    for (const TComponent* c = this; c != nullptr; c = c->FOwner)
        if (c == AComponent)
            throw EComponentError("A component cannot own itself or its owner");
    // Check the name against the new siblings before anything changes.
    if (!AComponent->FName.empty() && FindComponent(AComponent->FName) != nullptr)
        throw EComponentError("A component named " + AComponent->FName + " already exists");
    if (AComponent->FOwner != nullptr)
        AComponent->FOwner->RemoveComponent(AComponent);
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (AComponent == nullptr || AComponent->FOwner != this)
        return;
    Notification(AComponent, opRemove);
    DetachFromOwner(AComponent);
}

void TComponent::DetachFromOwner(TComponent* AComponent)
{
    auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (it != FComponents.end())
        FComponents.erase(it);
    AComponent->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (AComponent == nullptr || AComponent == this)
        return;
    if (FOwner == nullptr || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(AComponent);
            AComponent->FreeNotification(this);
        }
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (AComponent == nullptr)
        return;
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent)
{
    auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (it != FFreeNotifies.end())
        FFreeNotifies.erase(it);
}

void TComponent::RemoveFreeNotifications()
{
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->Notification(this, opRemove);
        // An override that skips the base would leave us in its list.
        other->RemoveNotification(this);
    }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent != nullptr)
        RemoveFreeNotification(AComponent);
    // Walk from the end and re-clamp: a handler may free other components.
    int i = ComponentCount() - 1;
    while (i >= 0) {
        FComponents[static_cast<std::size_t>(i)]->Notification(AComponent, Operation);
        --i;
        if (i >= ComponentCount())
            i = ComponentCount() - 1;
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying))
        return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        // Siblings that hold it learn of its removal through this owner.
        if (instance->FComponentState.Contains(csFreeNotification))
            RemoveComponent(instance);
        else
            DetachFromOwner(instance);
        delete instance;
    }
}

void TComponent::SetComponentState(TComponentStateItem Item, bool On)
{
    if (On)
        FComponentState.Include(Item);
    else
        FComponentState.Exclude(Item);
}

void TComponent::BeginLoading()
{
    FComponentState.Include(csLoading).Include(csReading);
    for (TComponent* c : FComponents)
        c->BeginLoading();
}

void TComponent::EndLoading()
{
    Loaded();
    // Loaded may create or free owned components; walk a snapshot of the
    // ones still owned.
    std::vector<TComponent*> owned = FComponents;
    for (TComponent* c : owned)
        if (std::find(FComponents.begin(), FComponents.end(), c) != FComponents.end())
            c->EndLoading();
}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading).Exclude(csReading);
}
