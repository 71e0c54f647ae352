// The component: an object with an owner that frees it, a name among its
// siblings, and notification of other components when it goes away.
#pragma once

#include "platform/classes/Object.h"
#include "platform/classes/Sets.h"
#include "platform/rtl/Exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Raised for an invalid or duplicate component name and a bad owner.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning, // kept for the tests that code makes; nothing here sets it
    csFreeNotification,
    csUpdating,
};
using TComponentState = TSet<TComponentStateItem>;

// A component created with an owner belongs to it: the owner frees what it
// owns, in reverse order of insertion, when it is freed itself. Hold other
// components only by plain pointer and ask for FreeNotification to learn
// when they go.
//
// Destruction runs in this order: csDestroying is set on the component and
// everything it owns; every component that asked for a free notification
// hears Notification(this, opRemove); the owned components are freed, last
// first; finally the owner drops the component and tells its other
// components. Because C++ destroys a derived part before the base, a class
// whose own destructor relies on csDestroying calls Destroying() first.
class TComponent : public TPersistent {
    VISTRA_CLASS(TComponent, TPersistent)

    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const noexcept { return FOwner; }
    int ComponentCount() const noexcept { return static_cast<int>(FComponents.size()); }
    // Raises EListError for an index outside 0..ComponentCount-1.
    TComponent* Components(int Index) const;
    // This component's position among its owner's components; -1 without owner.
    int ComponentIndex() const;
    // The owned component with that name, compared without regard to case.
    TComponent* FindComponent(std::string_view AName) const;

    const std::string& Name() const noexcept { return FName; }
    // Raises EComponentError when the name is not an identifier (empty is
    // allowed) or when a sibling already carries it.
    virtual void SetName(const std::string& NewName);

    std::intptr_t Tag() const noexcept { return FTag; }
    void SetTag(std::intptr_t Value) noexcept { FTag = Value; }
    std::int32_t DesignInfo() const noexcept { return FDesignInfo; }
    void SetDesignInfo(std::int32_t Value) noexcept { FDesignInfo = Value; }

    const TComponentState& ComponentState() const noexcept { return FComponentState; }

    // Takes AComponent into this component's ownership, away from its former
    // owner; raises EComponentError for a name clash or an ownership cycle.
    void InsertComponent(TComponent* AComponent);
    // Gives up ownership of AComponent without freeing it.
    void RemoveComponent(TComponent* AComponent);

    // Asks to hear Notification(AComponent, opRemove) when AComponent is
    // freed (and it hears of this one). Components with the same owner hear
    // of each other through the owner already.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Marks this component and all it owns as being destroyed.
    void Destroying();

    // Loading brackets code that fills a component tree as a stored form
    // would: BeginLoading sets csLoading and csReading on the tree, and
    // EndLoading calls Loaded on this component, then on what it owns.
    void BeginLoading();
    void EndLoading();

    static bool IsValidIdent(std::string_view Ident);

protected:
    // Hears of components inserted into or removed from the owner's tree and
    // of components this one asked free notification for. The base passes
    // the news on to every owned component; overrides call it.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Called once a load ends; the base clears csLoading and csReading.
    virtual void Loaded();
    // Raises EComponentError when NewName is taken by another component of
    // this owner.
    virtual void ValidateRename(TComponent* AComponent, std::string_view CurName,
        std::string_view NewName) const;
    TPersistent* GetOwner() const override { return FOwner; }

    void SetComponentState(TComponentStateItem Item, bool On);

private:
    void RemoveNotification(TComponent* AComponent);
    void RemoveFreeNotifications();
    void DestroyComponents();
    void DetachFromOwner(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    std::intptr_t FTag = 0;
    std::int32_t FDesignInfo = 0;
    TComponentState FComponentState;
};
