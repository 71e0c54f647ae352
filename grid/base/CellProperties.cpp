// Cell property objects: initial values, copying and the base-cell rule.
#include "grid/base/CellProperties.h"

#include "grid/base/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->WordWrap() : true)
{
    if (AOwner) AOwner->FHasCellProps = true;
}

void TCellProperties::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TCellProperties*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FIsBaseCell = source->FIsBaseCell;
    FCellSpanX = source->FCellSpanX;
    FCellSpanY = source->FCellSpanY;
    FOwnerRow = source->FOwnerRow;
    FOwnerCol = source->FOwnerCol;
    FObject = source->FObject;
    FAlignment = source->FAlignment;
    FBorderColor = source->FBorderColor;
    FBorderWidth = source->FBorderWidth;
    FBrushColor = source->FBrushColor;
    FBrushStyle = source->FBrushStyle;
    FFontColor = source->FFontColor;
    FFontStyle = source->FFontStyle;
    FFontName = source->FFontName;
    FFontSize = source->FFontSize;
    FReadOnly = source->FReadOnly;
    FEditor = source->FEditor;
    FVAlignment = source->FVAlignment;
    FWordWrap = source->FWordWrap;
    FNodeLevel = source->FNodeLevel;
    FControl = source->FControl;
}

TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const noexcept
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return {ACol - FCellSpanX, ARow - FCellSpanY};
    return {ACol, ARow};
}

void TCellProperties::SetBrushColor(TColor Value)
{
    FBrushColor = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor Value)
{
    FBrushColorTo = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    RepaintOwnerCell();
}

void TCellProperties::RepaintOwnerCell()
{
    if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow);
}
