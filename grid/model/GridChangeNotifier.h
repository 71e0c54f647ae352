// Components that want to hear when cells of a grid change, and the grid's list of them.
#pragma once

#include "platform/classes/Component.h"
#include "platform/graphics/Types.h"

#include <vector>

// Derive from this and override NotifyCellsChanged to hear of changed cells.
class TGridChangeNotifier : public TComponent {
    VISTRA_CLASS(TGridChangeNotifier, TComponent)

public:
    explicit TGridChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {}

    // R holds the changed cells.
    virtual void NotifyCellsChanged(const TRect& R);
};

namespace grid {

// The notifiers registered with one grid, told of changed cells in registration order.
// A notifier freed while registered leaves the list by itself.
class TGridNotifierList : public TComponent {
    VISTRA_CLASS(TGridNotifierList, TComponent)

public:
    TGridNotifierList() : TComponent(nullptr) {}

    // Adds the notifier unless it is registered already.
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    // Removes the notifier when it is registered.
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    bool IsRegistered(const TGridChangeNotifier* ANotifier) const;
    int Count() const noexcept { return static_cast<int>(FNotifiers.size()); }

    // Tells every registered notifier of R, in registration order. A notifier that
    // registers or removes notifiers meanwhile changes who is told next time; one it
    // removes or frees is not told any more.
    void NotifyCellsChanged(const TRect& R);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TGridChangeNotifier*> FNotifiers;
};

} // namespace grid
