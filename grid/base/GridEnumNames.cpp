// Value names of the grid enumerations, in ordinal order.
#include "grid/base/GridEnumNames.h"

#include <iterator>

namespace grid {

// One table per enumeration; the static_assert ties each table to the last
// value, so a value added to the enumeration without its name fails to build.
#define VISTRA_ENUM_NAMES(Enum, Last, ...)                                        \
    template <>                                                                  \
    std::span<const std::string_view> EnumNames<Enum>()                          \
    {                                                                            \
        static constexpr std::string_view names[] = {__VA_ARGS__};              \
        static_assert(std::size(names) == static_cast<std::size_t>(Last) + 1);   \
        return names;                                                            \
    }

VISTRA_ENUM_NAMES(TEditorType, edFloatUnitEditBtn,
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox",
    "edDateEdit", "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox", "edNumeric",
    "edPositiveNumeric", "edFloat", "edCapital", "edMixedCase", "edPassword", "edUnitEditBtn",
    "edLowerCase", "edUpperCase", "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit",
    "edNumericEditBtn", "edFloatEditBtn", "edCustom", "edRichEdit", "edNone", "edDateTimeEdit",
    "edValidChars", "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown",
    "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown", "edColorPickerDropDown",
    "edImagePickerDropDown", "edQuillGridDropDown", "edPositiveFloat", "edNumericUnitEditBtn",
    "edFloatUnitEditBtn")
VISTRA_ENUM_NAMES(TCellBorder, cbBottom,
    "cbTop", "cbLeft", "cbRight", "cbBottom")
VISTRA_ENUM_NAMES(TCellGradientDirection, GradientHorizontal,
    "GradientVertical", "GradientHorizontal")
VISTRA_ENUM_NAMES(TSortStyle, ssAlphaNumericNoCase,
    "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase", "ssAlphaCase",
    "ssShortDateEU", "ssShortDateUS", "ssCustom", "ssFinancial", "ssAnsiAlphaCase",
    "ssAnsiAlphaNoCase", "ssRaw", "ssHTML", "ssImages", "ssCheckBox", "ssDateTime", "ssTime",
    "ssAlphaNumeric", "ssAlphaNumericNoCase")
VISTRA_ENUM_NAMES(TVAlignment, vtaBottom,
    "vtaTop", "vtaCenter", "vtaBottom")
VISTRA_ENUM_NAMES(TArrowDirection, arrRight,
    "arrUp", "arrDown", "arrLeft", "arrRight")
VISTRA_ENUM_NAMES(TQuillGridButtonStyle, tasCheck,
    "tasButton", "tasCheck")
VISTRA_ENUM_NAMES(TSearchDirection, sdLeftRight,
    "sdTopBottom", "sdLeftRight")
VISTRA_ENUM_NAMES(THomeEndAction, heFirstLastCell,
    "heFirstLastColumn", "heFirstLastRow", "heFirstLastCell")
VISTRA_ENUM_NAMES(TClipboardPasteAction, paInsert,
    "paReplace", "paInsert")
VISTRA_ENUM_NAMES(TAdvanceDirection, adTopBottom,
    "adLeftRight", "adTopBottom")
VISTRA_ENUM_NAMES(TInsertPosition, pInsertAfter,
    "pInsertBefore", "pInsertAfter")
VISTRA_ENUM_NAMES(TCursorAdvance, caLoop,
    "caDefault", "caSnake", "caLoop")
VISTRA_ENUM_NAMES(TGridFixedCellEdit, fceRightClick,
    "fceNone", "fceDblClick", "fceLeftClick", "fceRightClick")
VISTRA_ENUM_NAMES(TGridFixedCellEditor, fceComboList,
    "fceEdit", "fceComboEdit", "fceComboList")
VISTRA_ENUM_NAMES(TWheelAction, waScroll,
    "waMoveSelection", "waScroll")
VISTRA_ENUM_NAMES(TColumnCalcType, acSTDDEV,
    "acNONE", "acSUM", "acAVG", "acCOUNT", "acMIN", "acMAX", "acSPREAD", "acCUSTOM",
    "acDISTINCT", "acSTDDEV")
VISTRA_ENUM_NAMES(TGridSelectionStyle, ssOffice2007,
    "ssDefault", "ssVista", "ssWin7", "ssOffice2007")
VISTRA_ENUM_NAMES(TDropFormat, dfGridCells,
    "dfText", "dfFile", "dfCol", "dfRTF", "dfURL", "dfGridCells")

#undef VISTRA_ENUM_NAMES

}  // namespace grid
