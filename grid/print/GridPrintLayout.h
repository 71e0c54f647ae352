// The values one layout of the page engine keeps, shared by the engine and the renderer.
#pragma once

#include "grid/print/GridPrinter.h"
#include "grid/print/PageCanvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace grid::print {

struct TGridPrinter::Layout {
    int Mode = 0;
    TPageCanvas* Page = nullptr;
    TCanvas* Canvas = nullptr;
    int TotalPages = -1;
    bool SelectedOnly = false;
    TGridRect Range;
    int PageWidth = 0;
    int PageHeight = 0; // negative: the page runs down from y = 0
    int Spacing = 20;
    double FontRatio = 1.0;
    double ResFactor = 1.0;
    double Scale = 1.0;
    int Gap = 0;
    int HalfG = 0;
    int HeaderTextHeight = 0;
    int FooterTextHeight = 0;
    int PrintFontSize = 8;
    int PageCounter = 0; // pages completed
    int BandCounter = 0;
    int PageInBand = 0;
    int StartCol = 0;
    int EndCol = 0;
    bool RepeatCols = false;
    bool SeveralBands = false;
    int Y = 0;
    int RowsOnPage = 0;
    int HeaderHeight = 0;
    int FooterHeight = 0;
    int LastBreakRow = -1;
    bool Cancel = false;
    int CachedRow = -1;
    int CachedHeight = 0;
    // Repeated fixed rows print whatever the selection.
    bool IgnoreSelection = false;
    // The engine's pen for page frames and closing lines.
    TPen FramePen;
};

} // namespace grid::print
