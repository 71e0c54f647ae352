// The grid's client area cut out of its form's surface, for painting tests.
#pragma once

#include "grid/base/BaseGrid.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"

#include <algorithm>

inline void CopyGridPicture(TForm& form, TBaseGrid& grid, TBitmap& picture)
{
    grid.Repaint();
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(grid.ClientWidth(), grid.ClientHeight());
    for (int y = 0; y < grid.ClientHeight(); ++y) {
        const TRGBQuad* from = form.Surface().ScanLine(y + form.MenuBarHeight());
        std::copy(from, from + grid.ClientWidth(), picture.ScanLine(y));
    }
}
