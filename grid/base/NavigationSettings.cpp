// Keyboard, editing and clipboard behaviour of the string grid.
#include "grid/base/NavigationSettings.h"

void TNavigation::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    if (FAdvanceDirection == Value)
        return;
    FAdvanceDirection = Value;
    Changed();
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    if (FAdvanceInsert == Value)
        return;
    FAdvanceInsert = Value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool Value)
{
    if (FAdvanceAuto == Value)
        return;
    FAdvanceAuto = Value;
    if (Value)
        FAdvanceOnEnter = true;
}

void TNavigation::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TNavigation*>(SourceObject);
    if (!source)
        return;
    const TNavigation& Source = *source;
    const bool keepScrollOnSort = FKeepScrollOnSort;
    VISTRA_NAVIGATION_OPTIONS(VISTRA_COPY_OPTION)
    FKeepScrollOnSort = keepScrollOnSort;
    FAdvanceDirection = Source.FAdvanceDirection;
    FAdvanceInsert = Source.FAdvanceInsert;
    FAdvanceAuto = Source.FAdvanceAuto;
}
