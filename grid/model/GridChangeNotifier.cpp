// Components that want to hear when cells of a grid change, and the grid's list of them.
#include "grid/model/GridChangeNotifier.h"

#include <algorithm>

void TGridChangeNotifier::NotifyCellsChanged(const TRect&) {}

namespace grid {

void TGridNotifierList::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (!ANotifier || IsRegistered(ANotifier))
        return;
    FNotifiers.push_back(ANotifier);
    ANotifier->FreeNotification(this);
}

void TGridNotifierList::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    auto found = std::find(FNotifiers.begin(), FNotifiers.end(), ANotifier);
    if (found == FNotifiers.end())
        return;
    FNotifiers.erase(found);
    ANotifier->RemoveFreeNotification(this);
}

bool TGridNotifierList::IsRegistered(const TGridChangeNotifier* ANotifier) const
{
    return std::find(FNotifiers.begin(), FNotifiers.end(), ANotifier) != FNotifiers.end();
}

void TGridNotifierList::NotifyCellsChanged(const TRect& R)
{
    const std::vector<TGridChangeNotifier*> snapshot = FNotifiers;
    for (TGridChangeNotifier* notifier : snapshot)
        if (IsRegistered(notifier))
            notifier->NotifyCellsChanged(R);
}

void TGridNotifierList::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        std::erase(FNotifiers, AComponent);
}

} // namespace grid
