// Colour sets of the styled selection looks ($BBGGRR).
#include "grid/base/GridSelectionLooks.h"

namespace grid {

TSelectionLook SelectionLook(TGridSelectionStyle Style, bool Focused)
{
    if (!Focused) return {0xF8F8F8, 0xE5E5E5, 0xEFEFEF, 0xD9D9D9, 0xF0F0F0, 0xFBFAFA, clNone, clNone};
    switch (Style) {
    case ssWin7: return {0xFCEBDC, 0xFCDBC1, 0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone};
    case ssOffice2007: return {0xD7FFFD, 0x58D4FC, 0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC};
    case ssVista:
    case ssDefault: break;
    }
    return {0xFDF8F1, 0xFCEFD5, 0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone};
}

} // namespace grid
