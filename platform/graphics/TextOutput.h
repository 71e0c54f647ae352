// GDI-style text routines: text output, measuring, metrics and formatted DrawText.
#pragma once

#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/Types.h"

#include <cstdint>
#include <string>
#include <string_view>

// Flags of DrawText and DrawTextEx.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_TABSTOP = 0x80;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_NOFULLWIDTHCHARBREAK = 0x80000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

struct DRAWTEXTPARAMS {
    int iTabLength = 8;     // in average character widths
    int iLeftMargin = 0;
    int iRightMargin = 0;
    unsigned uiLengthDrawn = 0;
};

// Draws Text formatted in Rect with the context's font, text colour and
// background mode, and returns the height of the text. With DT_CALCRECT
// nothing is drawn: Rect's right and bottom edges receive the text's extent.
// An "&" underlines the next character and "&&" shows one "&", unless
// DT_NOPREFIX; DT_VCENTER and DT_BOTTOM apply to single lines only.
int DrawText(HDC DC, std::string_view Text, TRect& Rect, unsigned Format);
int DrawTextEx(HDC DC, std::string_view Text, TRect& Rect, unsigned Format, DRAWTEXTPARAMS* Params);

constexpr unsigned ETO_OPAQUE = 0x2;
constexpr unsigned ETO_CLIPPED = 0x4;
// Text with its cell's top-left corner at (X, Y), rotated by the font's escapement.
bool TextOut(HDC DC, int X, int Y, std::string_view Text);
bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, std::string_view Text);
bool GetTextExtentPoint32(HDC DC, std::string_view Text, TSize& Size);

constexpr std::uint8_t TMPF_FIXED_PITCH = 0x01;
constexpr std::uint8_t TMPF_VECTOR = 0x02;
constexpr std::uint8_t TMPF_TRUETYPE = 0x04;

struct TEXTMETRIC {
    int tmHeight;
    int tmAscent;
    int tmDescent;
    int tmInternalLeading;
    int tmExternalLeading;
    int tmAveCharWidth;
    int tmMaxCharWidth;
    int tmWeight;
    int tmOverhang;
    int tmDigitizedAspectX;
    int tmDigitizedAspectY;
    char32_t tmFirstChar;
    char32_t tmLastChar;
    char32_t tmDefaultChar;
    char32_t tmBreakChar;
    std::uint8_t tmItalic;
    std::uint8_t tmUnderlined;
    std::uint8_t tmStruckOut;
    // TMPF_FIXED_PITCH is set for proportional fonts and clear for monospaced
    // ones; callers test it that way round.
    std::uint8_t tmPitchAndFamily;
    std::uint8_t tmCharSet;
};
bool GetTextMetrics(HDC DC, TEXTMETRIC& Metrics);
