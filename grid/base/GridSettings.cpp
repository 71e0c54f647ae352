// Small settings objects of the string grid: coupling to a partner grid, alternating
// row bands, and the focus glow switch.
#include "grid/base/GridSettings.h"

void TSyncGrid::SetGrid(TQuillStringGrid* Value)
{
    if (Value != FOwnerGrid)
        FGrid = Value;
}

void TSyncGrid::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TSyncGrid*>(SourceObject);
    if (!source)
        return;
    const TSyncGrid& Source = *source;
    VISTRA_SYNC_GRID_OPTIONS(VISTRA_COPY_OPTION)
    SetGrid(Source.FGrid);
}

void TBands::SetActive(bool Value)
{
    if (FActive == Value)
        return;
    FActive = Value;
    if (OnChange)
        OnChange(this);
}

template <class T>
void TBands::StoreWhileActive(T& Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    if (FActive && OnChange)
        OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value)
{
    StoreWhileActive(FPrimaryColor, Value);
}

void TBands::SetSecondaryColor(TColor Value)
{
    StoreWhileActive(FSecondaryColor, Value);
}

void TBands::SetPrimaryLength(int Value)
{
    StoreWhileActive(FPrimaryLength, Value);
}

void TBands::SetSecondaryLength(int Value)
{
    StoreWhileActive(FSecondaryLength, Value);
}

void TBands::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TBands*>(SourceObject);
    if (!source)
        return;
    FActive = source->FActive;
    FPrimaryColor = source->FPrimaryColor;
    FPrimaryLength = source->FPrimaryLength;
    FSecondaryColor = source->FSecondaryColor;
    FSecondaryLength = source->FSecondaryLength;
    FPrint = source->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

void TFocusHelper::Assign(const TPersistent* SourceObject)
{
    if (const auto* source = dynamic_cast<const TFocusHelper*>(SourceObject))
        FEnabled = source->FEnabled;
}
