// Enumerations and sets shared by the grid family. Streamed forms store the
// value names, so the names and their order are fixed: the ordinal of each
// value is its position here, and a set has bit n for ordinal n.
#pragma once

#include "platform/classes/Sets.h"

enum TEditorType {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
    edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric,
    edFloat, edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase,
    edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn,
    edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars, edTrackbarDropDown,
    edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edQuillGridDropDown,
    edPositiveFloat, edNumericUnitEditBtn, edFloatUnitEditBtn
};

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder, 4>;

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

enum TSortStyle {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
    ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML,
    ssImages, ssCheckBox, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase
};

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

enum TQuillGridButtonStyle { tasButton, tasCheck };

enum TSearchDirection { sdTopBottom, sdLeftRight };

enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };

enum TClipboardPasteAction { paReplace, paInsert };

enum TAdvanceDirection { adLeftRight, adTopBottom };

enum TInsertPosition { pInsertBefore, pInsertAfter };

enum TCursorAdvance { caDefault, caSnake, caLoop };

enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };

enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };

enum TWheelAction { waMoveSelection, waScroll };

enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };

// Shares the "ss" prefix with TSortStyle; the two are unrelated.
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat, 6>;

enum TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
    ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
    ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
    ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand,
};
inline constexpr int CellTypeCount = ctExpand + 1;

enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// Shapes a cell can show; ordinals beyond csHalfStar draw nothing.
enum TCellShape {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar
};

enum TGridLook {
    glStandard, glSoft, glClassic, glQOR, glXP, glListView, glVista, glWin7, glOffice2007, glCustom
};

// Grid styles; the component styles come in the same order.
enum TQuillGridStyle {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};

enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// Which fixed cells light up under the mouse.
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
