// The grid's client area cut out of its form's surface, for painting tests.
#pragma once

#include "grid/base/BaseGrid.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

// A cell's pixels as painted now, each as 0xRRGGBB.
inline std::vector<std::uint32_t> GridCellPixels(TForm& form, TBaseGrid& grid, int ACol, int ARow)
{
    TBitmap picture;
    CopyGridPicture(form, grid, picture);
    const TRect rect = grid.CellRect(ACol, ARow);
    std::vector<std::uint32_t> pixels;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x) {
            const TRGBQuad q = picture.ScanLine(y)[x];
            pixels.push_back(q.rgbRed << 16 | q.rgbGreen << 8 | q.rgbBlue);
        }
    return pixels;
}
