// The components a string grid tells of its changed cells and of moves of
// its current cell.
#include "grid/QuillGrid.h"
#include "grid/model/GridChangeNotifier.h"
#include "grid/model/GridSelectionListener.h"

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

void TQuillStringGrid::RegisterSelListener(TGridSelectionListener* AListener)
{
    if (!FSelListener) FSelListener = std::make_unique<grid::TSelectionListenerLink>();
    FSelListener->SetListener(AListener);
}

void TQuillStringGrid::UnRegisterSelListener(TGridSelectionListener*)
{
    if (FSelListener) FSelListener->SetListener(nullptr);
}

void TQuillStringGrid::NotifySelectionChanged(int ACol, int ARow)
{
    if (FSelListener) FSelListener->SelectionChanged(ACol, ARow);
}
