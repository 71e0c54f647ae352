// The components a string grid tells of its changed cells.
#include "grid/QuillGrid.h"

void TQuillStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (!ANotifier) return;
    if (!FNotifierList) FNotifierList = std::make_unique<grid::TGridNotifierList>();
    FNotifierList->RegisterNotifier(ANotifier);
}

void TQuillStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (FNotifierList) FNotifierList->UnRegisterNotifier(ANotifier);
}

void TQuillStringGrid::NotifyCellsChanged(const TRect& R)
{
    if (FNotifierList) FNotifierList->NotifyCellsChanged(R);
}
