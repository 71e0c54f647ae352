// The exchange records and enumerations through which callers read and write
// cell values, formats and fonts of a workbook.
#pragma once

#include "platform/classes/Sets.h"
#include "platform/rtl/Variant.h"
#include "xlsAdapter/qorUVyxDrawingTypes.h"

#include <cstdint>
#include <string>
#include <vector>

enum THVyxAlignment : std::uint8_t {
    fha_general,
    fha_left,
    fha_center,
    fha_right,
    fha_fill,
    fha_justify,
    fha_center_across_selection,
};

enum TVVyxAlignment : std::uint8_t {
    fva_top,
    fva_center,
    fva_bottom,
    fva_justify,
    fva_distributed,
};

enum TVyxBorderStyle : std::uint8_t {
    fbs_None,
    fbs_Thin,
    fbs_Medium,
    fbs_Dashed,
    fbs_Dotted,
    fbs_Thick,
    fbs_Double,
    fbs_Hair,
    fbs_Medium_dashed,
    fbs_Dash_dot,
    fbs_Medium_dash_dot,
    fbs_Dash_dot_dot,
    fbs_Medium_dash_dot_dot,
    fbs_Slanted_dash_dot,
};

enum TVyxDiagonalBorder : std::uint8_t {
    fdb_None,
    fdb_DiagDown,
    fdb_DiagUp,
    fdb_Both,
};

enum TVyxFontStyle : std::uint8_t {
    flsBold,
    flsItalic,
    flsStrikeOut,
    flsSuperscript,
    flsSubscript,
};
using SetOfTVyxFontStyle = TSet<TVyxFontStyle, flsSubscript + 1>;

enum TVyxUnderline : std::uint8_t {
    fu_None,
    fu_Single,
    fu_Double,
    fu_SingleAccounting,
    fu_DoubleAccounting,
};

// Fill pattern 0 is "no fill", 1 solid, up to 19.
using TVyxPatternStyle = std::uint8_t;

// Colour indexes below are palette indexes: n names palette entry n - 1.
struct TVyxFont {
    std::string Name; // UTF-8
    std::uint16_t Size20 = 0; // twentieths of a point
    std::int32_t ColorIndex = 0;
    SetOfTVyxFontStyle Style;
    TVyxUnderline Underline = fu_None;
    std::uint8_t Family = 0;
    std::uint8_t CharSet = 0;
};

struct TVyxOneBorder {
    TVyxBorderStyle Style = fbs_None;
    std::int32_t ColorIndex = 0;
};

struct TVyxBorders {
    TVyxOneBorder Left;
    TVyxOneBorder Right;
    TVyxOneBorder Top;
    TVyxOneBorder Bottom;
    TVyxOneBorder Diagonal;
    TVyxDiagonalBorder DiagonalStyle = fdb_None;
};

struct TVyxFillPattern {
    TVyxPatternStyle Pattern = 0;
    std::int32_t FgColorIndex = 0;
    std::int32_t BgColorIndex = 0;
};

struct TVyxFormat {
    TVyxFont Font;
    TVyxBorders Borders;
    std::string Format; // number format text, UTF-8
    TVyxFillPattern FillPattern;
    THVyxAlignment HAlignment = fha_general;
    TVVyxAlignment VAlignment = fva_top;
    bool Locked = false;
    bool Hidden = false;
    std::int32_t Parent = 0;
    bool WrapText = false;
    bool ShrinkToFit = false;
    std::uint8_t Rotation = 0;
    std::uint8_t Indent = 0;
};

// A cell as handed out and taken in: its value, its format index (-1: none
// on output, keep or default on input) and whether it holds a formula whose
// last result Value is.
struct TXlsCellValue {
    Variant Value;
    std::int32_t XF = -1;
    bool IsFormula = false;
};

using BooleanArray = std::vector<bool>;

// Page margins in inches.
struct TXlsMargins {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
    double Header = 0;
    double Footer = 0;
};

// The printer driver's own settings, carried through without interpretation.
struct TPrinterDriverSettings {
    std::uint16_t OperatingEnviroment = 0;
    std::vector<std::uint8_t> Data;
};

// A run of rich text: from FirstChar on the text uses font FontIndex.
struct TRTFRun {
    std::uint16_t FirstChar = 0;
    std::uint16_t FontIndex = 0;
};
using TRTFRunList = std::vector<TRTFRun>;
