// Row heights and column widths that fit a sheet's contents. The engine
// draws nothing, so a cell is measured from its shown text and the size of
// its font: a line is the font's height plus leading, a character the
// width of a digit of the workbook's standard font scaled by the size.
#pragma once

#include "xlsAdapter/qorUVyxFormats.h"

#include <string>
#include <unordered_map>

class TWorkbookGlobals;

namespace xlsAdapter {

class TCellMeasure {
public:
    explicit TCellMeasure(TWorkbookGlobals& aGlobals);

    // The height in twips that shows Value in format XF in a column
    // ColWidth wide (1/256 characters); an empty value gives one line.
    int CellHeight(const Variant& Value, int XF, int ColWidth);
    // The width in 1/256 characters that shows Value in format XF on one
    // line each; 0 for an empty value.
    int CellWidth(const Variant& Value, int XF);

private:
    struct TLook {
        double Scale = 1;     // font size against the standard font
        int LineHeight = 255; // twips
        bool Wrap = false;
        std::string Format;
    };
    const TLook& Look(int XF);
    std::u16string ShownText(const Variant& Value, const TLook& Look) const;

    TWorkbookGlobals& FGlobals;
    int FStandardSize20 = 200;
    std::unordered_map<int, TLook> FLooks;
};

} // namespace xlsAdapter
