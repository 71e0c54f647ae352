// The watch's preset looks and the colours it takes from a component style.
#include <algorithm>
#include <array>
#include <cmath>

#include "controls/pickers/QuillWatch.h"
#include "platform/graphics/GraphicsObjects.h"

namespace controls {

namespace {

// A font of the presets: face, size (0: kept), bold, colour (clDefault: kept).
void PresetFont(TWatchAppearance& A, TFont& (TWatchAppearance::*Which)() const noexcept, const char* Name, int Size,
             bool Bold, TColor Color = clDefault)
{
    TFont f;
    f.Assign(&(A.*Which)());
    if (Name) f.SetName(Name);
    if (Size > 0) f.SetSize(Size);
    f.SetStyle(Bold ? TFontStyles{fsBold} : TFontStyles{});
    if (Color != clDefault) f.SetColor(Color);
    if (Which == &TWatchAppearance::HourFont) A.SetHourFont(f);
    else A.SetAMPMFont(f);
}

void HourHand(TWatchAppearance& A, TColor Color, TColor Shadow, int Size = 0)
{
    A.SetHourPointer(Color);
    A.SetHourPointerShadow(Shadow);
    if (Size > 0) A.SetHourPointerSize(Size);
}

void MinuteHand(TWatchAppearance& A, TColor Color, TColor Shadow, int Size = 0)
{
    A.SetMinutePointer(Color);
    A.SetMinutePointerShadow(Shadow);
    if (Size > 0) A.SetMinutePointerSize(Size);
}

void Background(TWatchAppearance& A, TColor From, TColor To, TWatchGradient Gradient = wgVertical)
{
    A.SetBackgroundColor(From);
    A.SetBackgroundColorTo(To);
    A.SetBackgroundGradient(Gradient);
}

void Hub(TWatchAppearance& A, TColor Color, TColor Border, TColor Outer, int Size)
{
    A.SetCenterPointColor(Color);
    A.SetCenterPointBorderColor(Border);
    A.SetCenterPointOuterBorderColor(Outer);
    A.SetCenterPointSize(Size);
}

// wsSports and wsSmooth end alike.
void SportsAndSmoothTail(TWatchAppearance& A)
{
    A.SetHourColor(0xABB0B1);
    PresetFont(A, &TWatchAppearance::HourFont, "Times New Roman", 9, false, 0x797979);
    A.SetHourPointerSize(2);
    A.SetMinuteColor(clGray);
    A.SetMinutePointerSize(2);
    A.SetMinuteMarkLength(1);
    A.SetTickMarks(tmQuartHours);
}

int Nearest(double X) { return static_cast<int>(std::nearbyint(X)); }

} // namespace

void TQuillWatch::ApplyStyle(TWatchStyle Value)
{
    TWatchAppearance& a = *FAppearance;
    const int side = std::min(Width(), Height());
    bool ampm = false, numbers = true;
    switch (Value) {
    case wsClassic:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 0, false);
        PresetFont(a, &TWatchAppearance::HourFont, "Comic Sans MS", 10, true);
        a.SetHourMarkLength(8);
        HourHand(a, clBlack, clBtnShadow, 5);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetMinuteMarkLength(4);
        FAnimation = true;
        FAnimationFactor = 10;
        ampm = true;
        break;
    case wsTower:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 0, false);
        a.SetAMPMFrame(apRect);
        a.SetBorderWidth(1);
        Background(a, 0xB1F0FE, 0x5BCCE8, wgDiagonalForward);
        a.SetCenterPointColor(0x002BD5);
        a.SetCenterPointSize(6);
        PresetFont(a, &TWatchAppearance::HourFont, "Century", 0, true, clWindowText);
        HourHand(a, clBlack, clBtnShadow, 5);
        a.SetMinutePointerShadow(clBtnShadow);
        a.SetSecondPointer(0x002BD5);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(a.BackgroundColor());
        SetShowNumbers(false);
        a.SetTickMarks(tmHours);
        // The tower keeps whether the AM/PM box shows.
        return;
    case wsFluorescent:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 10, false, clWindowText);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFF3E3E);
        Background(a, clBlack, clBlack);
        Hub(a, 0xFF3E3E, clBlack, clBlack, 20);
        PresetFont(a, &TWatchAppearance::HourFont, "MS Sans Serif", 8, false, clWindowText);
        a.SetHourColor(0xFF3E3E);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(hmsQuartDblLine);
        HourHand(a, 0xFF3E3E, clBtnShadow, 2);
        MinuteHand(a, 0xFF3E3E, clBtnShadow, 2);
        a.SetMinuteColor(0xFF3E3E);
        a.SetShape(wsRoundRect);
        a.SetTickMarks(tmHours);
        numbers = false;
        break;
    case wsEmerald:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 0, false, 0xA00000);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0x3AE800);
        Background(a, 0x3AE800, clBlack, wgDiagonalForward);
        Hub(a, 0x38E100, 0x40FF00, clBlack, 16);
        PresetFont(a, &TWatchAppearance::HourFont, "MS Sans Serif", 0, false, 0x3AE800);
        HourHand(a, 0x40FF00, clBtnShadow, 5);
        MinuteHand(a, 0x40FF00, clBtnShadow);
        a.SetShape(wsRect);
        a.SetPointerStyle(psPointer);
        a.SetAMPMColor(clNone);
        a.SetHourMarkStyle(hmsQuartDblLine);
        a.SetHourColor(0x3AE800);
        a.SetSecondPointer(0x00FFFF);
        a.SetTickMarks(tmHours);
        SetShowNumbers(false);
        SetShowAMPM(false);
        return;
    case wsBlueStar:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 10, false, 0xA00000);
        a.SetAMPMBorderColor(clNone);
        a.SetAMPMFrame(apRoundRect);
        a.SetAMPMColor(clNone);
        a.SetBorderColor(0xFFD5D5);
        Background(a, 0xFFD5D5, 0xA00000, wgRadial);
        PresetFont(a, &TWatchAppearance::HourFont, "MS Sans Serif", 8, false, 0xFFD5D5);
        HourHand(a, 0xA00000, clBtnShadow, 5);
        MinuteHand(a, 0xA00000, clBtnShadow);
        a.SetShape(wsRoundRect);
        a.SetPointerStyle(psPointer);
        ampm = true;
        break;
    case wsFuchsia:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 10, false, clWindowText);
        a.SetAMPMFrame(apRoundRect);
        a.SetBorderColor(0xFFD0FF);
        Background(a, clBlack, clBlack);
        a.SetCenterPointBorderColor(0xDD68DD);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointSize(20);
        PresetFont(a, &TWatchAppearance::HourFont, "MS Sans Serif", 8, false, clWindowText);
        a.SetHourColor(0xFFD0FF);
        a.SetHourMarkLength(10);
        a.SetHourMarkWidth(2);
        a.SetHourMarkStyle(hmsQuartDblLine);
        HourHand(a, 0xFFD0FF, clBtnShadow, 2);
        MinuteHand(a, 0xFFD0FF, clBtnShadow, 2);
        a.SetMinuteColor(0xFFD0FF);
        a.SetShape(wsRect);
        a.SetSecondPointer(0xDD68DD);
        a.SetTickMarks(tmQuartHours);
        numbers = false;
        break;
    case wsBlack:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 0, false);
        Background(a, 0x202020, clNone);
        a.SetBorderColor(clBlack);
        Hub(a, clWhite, clWhite, clWhite, a.CenterPointSize());
        a.SetHourColor(0x585858);
        PresetFont(a, &TWatchAppearance::HourFont, "Century Gothic", 11, false, clWhite);
        HourHand(a, clWhite, clBtnShadow, 5);
        a.SetMinuteColor(0x585858);
        MinuteHand(a, clWhite, clBtnShadow);
        a.SetMinuteMarkLength(4);
        break;
    case wsBlackWhite:
        Background(a, clWhite, clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(8);
        Hub(a, clBlack, clBlack, clBlack, 8);
        a.SetHourColor(0x585858);
        PresetFont(a, &TWatchAppearance::HourFont, "Century Gothic", 14, true, clBlack);
        HourHand(a, clBlack, clBtnShadow, 5);
        MinuteHand(a, clBlack, clBtnShadow);
        a.SetMinuteMarkLength(4);
        a.SetSecondPointer(clMaroon);
        a.SetPointerStyle(psPointer);
        a.SetTickMarks(tmQuartHours);
        break;
    case wsGray:
        PresetFont(a, &TWatchAppearance::AMPMFont, "MS Sans Serif", 10, false);
        Background(a, 0xD1D1D1, 0x6C6C6C, wgRadial);
        a.SetBorderColor(0x454545);
        Hub(a, clBlack, 0x454545, clNone, a.CenterPointSize());
        a.SetHourColor(clBlack);
        PresetFont(a, &TWatchAppearance::HourFont, "Comic Sans MS", 8, false);
        HourHand(a, 0x4E4E4E, clNone, 1);
        a.SetMinuteColor(clGray);
        MinuteHand(a, 0x4E4E4E, clNone, 1);
        a.SetSecondPointer(clRed);
        ampm = true;
        break;
    case wsSuperNova:
        a.SetBackgroundColorTo(0xD1D3D3);
        a.SetBorderColor(clNone);
        a.SetCenterPointOuterBorderColor(clBlack);
        a.SetCenterPointSize(10);
        a.SetHourMarkLength(Nearest(side / 4.5));
        HourHand(a, clBlack, clBtnShadow);
        a.SetMinuteColor(clGray);
        a.SetMinuteMarkLength(side / 3);
        a.SetMinutePointer(clBlack);
        numbers = false;
        break;
    case wsSports:
        Background(a, clBlack, clNone);
        a.SetBorderColor(clBlack);
        a.SetBorderWidth(1);
        Hub(a, 0x191919, 0xFF0000, clBlack, Nearest(side / 3.6));
        SportsAndSmoothTail(a);
        HourHand(a, clRed, clNone);
        MinuteHand(a, 0x00FFFF, clNone);
        a.SetSecondPointer(0x188BFE);
        break;
    case wsSmooth:
        Background(a, clWhite, 0xABB0B1);
        a.SetBorderColor(0x585858);
        a.SetBorderWidth(1);
        Hub(a, clWhite, clBlack, 0x4A4A4A, 6);
        SportsAndSmoothTail(a);
        HourHand(a, 0x4A4A4A, 0xB2B2B2);
        MinuteHand(a, 0x4A4A4A, 0xB2B2B2);
        a.SetSecondPointer(0x4A4A4A);
        break;
    }
    SetShowAMPM(ampm);
    SetShowNumbers(numbers);
}

namespace {

struct TWatchColours {
    TQORStyle Style;
    TColor AMPMBorder, AMPMFill, Background, BackgroundTo, Border, HubBorder, Hub, Ink, Shadow, Second;
};

constexpr std::array<TWatchColours, 15> WatchColourTable{{
    {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, clWhite, clWhite},
    {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, clWhite, clWhite},
    {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF, clWhite, clWhite},
    {tsOffice2003Classic, 0x962D00, clGray, 0xF2F2F2, 0xF2F2F2, clGray, clGray, clGray, clGray, clWhite, clGray},
    {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, clWhite, 0x723708},
    {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0, clWhite,
     0xF2F1F0},
    {tsWindowsXP, clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, clBlack, clBlack, clBlack, clWhite, clBlack},
    {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, clWhite, 0x7E9898},
    {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, clWhite, 0x74706F},
    {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, clWhite, 0xFEDF9A},
    {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, clWhite, 0xFBD6B8},
    {tsTerminal, clGray, clBtnFace, clBtnFace, clBtnFace, clGray, clGray, clGray, clGray, clWhite, clGray},
    {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F, clWhite, 0xC7B29F},
    {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, clWhite, clWhite, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, clSilver, 0xD2CDC8},
    {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, clWhite, 0x6D6D6D},
}};

void SetFontColour(TWatchAppearance& A, TFont& (TWatchAppearance::*Which)() const noexcept, TColor Color)
{
    TFont f;
    f.Assign(&(A.*Which)());
    f.SetColor(Color);
    if (Which == &TWatchAppearance::HourFont) A.SetHourFont(f);
    else A.SetAMPMFont(f);
}

} // namespace

void TQuillWatch::ApplyComponentStyle(TWatchAppearance& A, TQORStyle AStyle)
{
    A.SetCenterPointOuterBorderColor(clBlack);
    SetFontColour(A, &TWatchAppearance::HourFont, clBlack);
    SetFontColour(A, &TWatchAppearance::AMPMFont, clBlack);
    for (const TWatchColours& c : WatchColourTable) {
        if (c.Style != AStyle) continue;
        A.SetAMPMBorderColor(c.AMPMBorder);
        A.SetAMPMColor(c.AMPMFill);
        A.SetBackgroundColor(c.Background);
        A.SetBackgroundColorTo(c.BackgroundTo);
        A.SetBorderColor(c.Border);
        A.SetCenterPointBorderColor(c.HubBorder);
        A.SetCenterPointColor(c.Hub);
        A.SetHourColor(c.Ink);
        A.SetMinuteColor(c.Ink);
        A.SetHourPointer(c.Ink);
        A.SetMinutePointer(c.Ink);
        A.SetHourPointerShadow(c.Shadow);
        A.SetMinutePointerShadow(c.Shadow);
        A.SetSecondPointer(c.Second);
        if (AStyle == tsOffice2007Obsidian) {
            SetFontColour(A, &TWatchAppearance::AMPMFont, 0xF2F1F0);
            SetFontColour(A, &TWatchAppearance::HourFont, 0xF2F1F0);
        }
    }
}

void TQuillWatch::SetComponentStyle(TQORStyle AStyle) { ApplyComponentStyle(*FAppearance, AStyle); }

} // namespace controls
