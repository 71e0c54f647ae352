// The update bracket and the cell border hook the workbook export reads.
#include "grid/QuillGrid.h"

void TQuillStringGrid::EndUpdate()
{
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && !FDestroying) Invalidate();
}

void TQuillStringGrid::DoGetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}
