// The base grid's link to its undo history component.
#include "grid/base/BaseGrid.h"

#include "grid/base/GridUndoRedo.h"

void TBaseGrid::SetUndoRedo(TQuillGridUndoRedo* Value)
{
    if (FUndoRedo && FUndoRedo != Value) RemoveFreeNotification(FUndoRedo);
    FUndoRedo = Value;
    if (!Value) return;
    FreeNotification(Value);
    Value->SetGrid(this);
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent && AComponent == FUndoRedo) FUndoRedo = nullptr;
    TObjStringGrid::Notification(AComponent, Operation);
}
