// How the grid prints: margins, page header and footer items, fonts, borders, spacing,
// repeated fixed cells and page fitting.
#pragma once

#include "grid/model/ModelOptions.h"
#include "platform/classes/Object.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Printers.h"

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
    pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical,
    pbAroundHorizontal, pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };


#define VISTRA_PRINT_OPTIONS(X)                                             \
    X(int, FooterSize, 0)                                                   \
    X(int, HeaderSize, 0)                                                   \
    X(int, LeftSize, 0)                                                     \
    X(int, RightSize, 0)                                                    \
    X(TPrintPosition, Time, ppNone)                                         \
    X(TPrintPosition, Date, ppNone)                                         \
    X(TPrintPosition, PageNr, ppNone)                                       \
    X(TPrintPosition, Title, ppNone)                                        \
    X(TPrintBorders, Borders, pbSingle)                                     \
    X(TPenStyle, BorderStyle, psSolid)                                      \
    X(TColor, BorderColor, clBlack)                                         \
    X(bool, Centered, true)                                                 \
    X(bool, RepeatFixedRows, false)                                         \
    X(bool, RepeatFixedCols, false)                                         \
    X(int, ColumnSpacing, 0)                                                \
    X(int, RowSpacing, 0)                                                   \
    X(int, TitleSpacing, 0)                                                 \
    X(TPrinterOrientation, Orientation, poPortrait)             \
    X(int, PageNumberOffset, 0)                                             \
    X(int, MaxPagesOffset, 0)                                               \
    X(int, FixedWidth, 0)                                                   \
    X(int, FixedHeight, 0)                                                  \
    X(bool, UseFixedHeight, false)                                          \
    X(bool, UseFixedWidth, false)                                           \
    X(TFitToPage, FitToPage, fpNever)                                       \
    X(bool, NoAutoSize, false)                                              \
    X(bool, NoAutoSizeRow, false)                                           \
    X(bool, PrintGraphics, false)                                           \
    X(bool, UseDisplayFont, true)                                           \
    X(bool, UseDefaultOrientation, false)

#define VISTRA_PRINT_TEXTS(X)                   \
    X(std::string, DateFormat, "dd/mm/yyyy")    \
    X(std::string, TitleText, "")               \
    X(std::string, PagePrefix, "")              \
    X(std::string, PageSuffix, "")              \
    X(std::string, JobName, "")                 \
    X(std::string, PageNumSep, "/")

class TPrintSettings : public TPersistent {
    VISTRA_CLASS(TPrintSettings, TPersistent)

    VISTRA_PRINT_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_PRINT_TEXTS(VISTRA_TEXT_OPTION)
    // Fixed cells print also where they would not otherwise; not part of the stored form.
    VISTRA_PLAIN_OPTION(bool, FixedCellsAlways, false)

public:
    // The setters of the fonts and the title lines copy the given object.
    TFont* Font() noexcept { return &FFont; }
    void SetFont(const TFont* Value) { FFont.Assign(Value); }
    TFont* FixedFont() noexcept { return &FFixedFont; }
    void SetFixedFont(const TFont* Value) { FFixedFont.Assign(Value); }
    TFont* HeaderFont() noexcept { return &FHeaderFont; }
    void SetHeaderFont(const TFont* Value) { FHeaderFont.Assign(Value); }
    TFont* FooterFont() noexcept { return &FFooterFont; }
    void SetFooterFont(const TFont* Value) { FFooterFont.Assign(Value); }
    TStringList* TitleLines() noexcept { return &FTitleLines; }
    void SetTitleLines(const TStrings* Value) { FTitleLines.Assign(Value); }

    // Copies every stored setting, fonts and title lines as copies. A source that is
    // not print settings (or none) raises EInvalidCast.
    void Assign(const TPersistent* Source) override;

private:
    TFont FFont;
    TFont FFixedFont;
    TFont FHeaderFont;
    TFont FFooterFont;
    TStringList FTitleLines;
};
