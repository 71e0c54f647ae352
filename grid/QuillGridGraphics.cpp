// The string grid's store of cell graphics: finding, typing, creating and
// removing the graphic a cell's property object holds.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"

#include <algorithm>

#include "grid/base/CellProperties.h"
#include "grid/model/ColumnMap.h"

TCellGraphic* TQuillStringGrid::GetCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0) return nullptr;
    return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

TCellType TQuillStringGrid::GetCellType(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic ? graphic->CellType() : ctEmpty;
}

TCellGraphic* TQuillStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    RemoveCellGraphic(ACol, ARow);
    auto* graphic = new TCellGraphic();
    // SetGraphicObjectEx keeps an empty cell empty while its properties are made.
    SetGraphicObjectEx(ACol, ARow, graphic);
    if (NumHiddenColumns() > 0 && FColumnMap->RealToDispl(ACol) != ACol) RepaintCell(FColumnMap->RealToDispl(ACol), ARow);
    return graphic;
}

bool TQuillStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    SetGraphicObjectEx(ACol, ARow, nullptr);
    // Check boxes that only mirror a text or a row flag are shared, not owned.
    if (graphic->CellType() != ctVirtCheckBox && graphic->CellType() != ctRowCheckBox) delete graphic;
    return true;
}

bool TQuillStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType)
{
    return GetCellType(ACol, ARow) == AType && RemoveCellGraphic(ACol, ARow);
}

bool TQuillStringGrid::BaseCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> ATypes)
{
    if (ACol < 0 || ARow < 0) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && std::find(ATypes.begin(), ATypes.end(), graphic->CellType()) != ATypes.end();
}

std::intptr_t TQuillStringGrid::GetCellImageKey(int ACol, int ARow)
{
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return -1;
    switch (graphic->CellType()) {
    case ctBitmap: return reinterpret_cast<std::intptr_t>(graphic->CellBitmap());
    case ctIcon: return reinterpret_cast<std::intptr_t>(graphic->CellIcon());
    case ctImageList: return graphic->CellIndex();
    default: return -1;
    }
}

