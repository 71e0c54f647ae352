// A component that wants to hear when the current cell of a grid moves, and
// the grid's hold on the one it keeps.
#include "grid/model/GridSelectionListener.h"

void TGridSelectionListener::SelectionChanged(int, int) {}

namespace grid {

void TSelectionListenerLink::SetListener(TGridSelectionListener* AListener)
{
    if (AListener == FListener) return;
    if (FListener) FListener->RemoveFreeNotification(this);
    FListener = AListener;
    if (FListener) FListener->FreeNotification(this);
}

void TSelectionListenerLink::SelectionChanged(int ACol, int ARow)
{
    if (FListener) FListener->SelectionChanged(ACol, ARow);
}

void TSelectionListenerLink::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FListener) FListener = nullptr;
}

} // namespace grid
