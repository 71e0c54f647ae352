// TQuillCustomDropDown's colour styles: the component styles of the popup,
// header and footer, the colour tones of the button and frame, and the
// selection colour styles of the pickers.
#include <array>

#include "controls/dropdown/QuillDropDown.h"
#include "controls/dropdown/ItemSelector.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace controls {

namespace {

// "Kept" in the table: the colour is left as it is.
constexpr TColor Kept = TColor(0x7FFFFFFF);

struct TStyleColors {
    TQORStyle style;
    TColor popup, popupTo, popupBorder;
    TColor header, headerTo, headerFont, headerBorder;
    TColor footerBorder = Kept, footer = Kept, footerTo = Kept;
};

constexpr std::array<TStyleColors, 15> StyleTable{{
    {tsOffice2003Blue, TColor(0xFFFFFF), clNone, Kept, TColor(0xFCE1CB), TColor(0xE0A57D), clBlack, clBlack, TColor(0x962D00)},
    {tsOffice2003Silver, TColor(0xFFFFFF), clNone, Kept, TColor(0xECE2E1), TColor(0xB39698), clBlack, TColor(0x947C7C)},
    {tsOffice2003Olive, TColor(0xFFFFFF), clNone, clNone, TColor(0xCFF0EA), TColor(0x8CC0B1), clBlack, TColor(0x588060)},
    {tsOffice2003Classic, TColor(0xF2F2F2), TColor(0xF2F2F2), clNone, TColor(0x808080), TColor(0x808080), clWhite,
     TColor(0x808080)},
    {tsOffice2007Luna, TColor(0xF3E5DA), TColor(0xF0DED0), clNone, TColor(0xFFEFE3), TColor(0xFFD2AF), TColor(0x723708),
     TColor(0xFFD2AF)},
    {tsOffice2007Obsidian, TColor(0xFFFFFF), clNone, clNone, TColor(0xF2F1F0), TColor(0xC9C2BD), TColor(0x433C37),
     TColor(0x5C534C)},
    {tsWindowsXP, TColor(0xFFFFFF), clNone, Kept, TColor(0xFFFFFF), clBtnFace, clBlack, TColor(0x808080)},
    {tsWhidbey, TColor(0xF5F9FA), TColor(0xF5F9FA), clNone, TColor(0xEBEEEF), TColor(0x7E9898), clWhite, TColor(0x962D00)},
    {tsOffice2007Silver, TColor(0xF8F4F1), TColor(0xF0E8E3), clNone, TColor(0xF8F7F6), TColor(0xE8E0DB), TColor(0x8B4215),
     TColor(0x74706F)},
    {tsWindowsVista, TColor(0xFFFFFF), TColor(0xFFFFFF), TColor(0x979797), TColor(0xFFFDF9), TColor(0xFFFAF0), clBlack,
     TColor(0xFCF2DA), Kept, TColor(0xFFFAF0), TColor(0xFFFDF9)},
    {tsWindows7, TColor(0xFFFFFF), TColor(0xFFFFFF), TColor(0x979797), TColor(0xFDFBFA), TColor(0xFDF3EB), clBlack,
     TColor(0xFBD6B8)},
    {tsTerminal, TColor(0xFFFFFF), TColor(0xFFFFFF), TColor(0x808080), clBtnFace, clBtnFace, clBlack, clNone},
    {tsOffice2010Blue, TColor(0xFFFFFF), TColor(0xF1EFED), TColor(0xEDEDEC), TColor(0xFDF6EF), TColor(0xF0DAC7),
     TColor(0x5B391E), TColor(0xC7B29F)},
    {tsOffice2010Silver, TColor(0xFFFFFF), TColor(0xF1EFED), TColor(0xEDEDEC), TColor(0xFFFFFF), TColor(0xEDE5E0),
     TColor(0x5B391E), TColor(0xD2CDC8)},
    {tsOffice2010Black, TColor(0xFFFFFF), TColor(0xF1EFED), TColor(0xEDEDEC), TColor(0xBFBFBF), TColor(0x919191),
     TColor(0xD7D7D6), TColor(0x6D6D6D)},
}};

// Button colours per style: face, hot, down, disabled and checked.
struct TButtonStyleColors {
    TQORStyle style;
    TColor color, colorTo, border;
    TColor hot, hotTo, borderHot;
    TColor down, downTo, borderDown;
    TColor disabled, disabledTo;
    TColor checked, checkedTo, borderChecked;
};

constexpr TColor Office2003Hot = TColor(0xEBFDFF), Office2003HotTo = TColor(0xACECFF);

// The Office 2003 and 2007 styles and Whidbey share all but their face.
constexpr TButtonStyleColors OfficeButton(TQORStyle Style, TColor Color, TColor ColorTo)
{
    return {Style, Color, ColorTo, clNone, Office2003Hot, Office2003HotTo, TColor(0x99CEDB), TColor(0xAAD9FF),
            TColor(0x6EBBFF), TColor(0x42AEFE), TColor(0xF2F2F2), TColor(0xB6B6B6), TColor(0x76AFF1),
            TColor(0x4190F3), TColor(0x45667B)};
}

constexpr TButtonStyleColors Office2010Button(TQORStyle Style, TColor Color, TColor ColorTo, TColor Border)
{
    return {Style, Color, ColorTo, Border, TColor(0x8AE3FD), clNone, TColor(0x58CAF1), TColor(0x6CD0FF), clNone,
            TColor(0x308AC2), TColor(0xF2F2F2), TColor(0xB6B6B6), TColor(0x45E1FE), clNone, TColor(0x4FA0CE)};
}

constexpr std::array<TButtonStyleColors, 15> ButtonStyleTable{{
    OfficeButton(tsOffice2003Blue, TColor(0xFCE1CB), TColor(0xE0A57D)),
    OfficeButton(tsOffice2003Silver, TColor(0xECE2E1), TColor(0xB39698)),
    OfficeButton(tsOffice2003Olive, TColor(0xCFF0EA), TColor(0x8CC0B1)),
    OfficeButton(tsOffice2007Luna, TColor(0xFFEFE3), TColor(0xFFDDC4)),
    OfficeButton(tsOffice2007Obsidian, TColor(0xF2F1F0), TColor(0xC9C2BD)),
    OfficeButton(tsWhidbey, TColor(0xFFFFFF), TColor(0xDFEDF0)),
    OfficeButton(tsOffice2007Silver, TColor(0xF9F8F8), TColor(0xE4E2DF)),
    {tsOffice2003Classic, TColor(0xFFFFFF), TColor(0xC9D1D5), clNone, TColor(0xD2BDB6), TColor(0xD2BDB6),
     TColor(0x808080), TColor(0xB59285), TColor(0xB59285), TColor(0x808080), TColor(0xD8D5D4), TColor(0xD8D5D4),
     TColor(0xD8D5D4), TColor(0xD8D5D4), TColor(0x808080)},
    {tsWindowsXP, TColor(0xFFFFFF), clBtnFace, clNone, TColor(0xEFD3C6), TColor(0xEFD3C6), clHighlight,
     clInactiveCaption, clInactiveCaption, clHighlight, TColor(0xB6B6B6), TColor(0xB6B6B6), TColor(0xB9D8DC),
     TColor(0xB9D8DC), clBlack},
    // The checked border is the pressed one.
    {tsWindowsVista, TColor(0xFFFDF9), TColor(0xFFFAF0), TColor(0xFCF2DA), TColor(0xFEF9F0), TColor(0xFFFAF0),
     TColor(0xFCF2DA), TColor(0xFEF9F0), TColor(0xFDF0D7), TColor(0xFEDF9A), TColor(0xFFFFFF), TColor(0xFFFFFF),
     TColor(0xFEF9F0), TColor(0xFDF0D7), TColor(0xFEDF9A)},
    {tsWindows7, TColor(0xFDFBFA), TColor(0xFDF3EB), TColor(0xFBD6B8), TColor(0xFDFBFA), TColor(0xFDF3EB),
     TColor(0xFBD6B8), TColor(0xFCEBDC), TColor(0xFCDBC1), TColor(0xCEA27D), TColor(0xFFFFFF), TColor(0xFFFFFF),
     TColor(0xFEF9F0), TColor(0xFCDBC1), TColor(0xCEA27D)},
    {tsTerminal, clBtnFace, clBtnFace, clNone, TColor(0xC0C0C0), TColor(0xC0C0C0), TColor(0x808080), clHighlight,
     clHighlight, TColor(0x808080), clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight},
    Office2010Button(tsOffice2010Blue, TColor(0xFDF6EF), TColor(0xF0DAC7), TColor(0xC7B29F)),
    Office2010Button(tsOffice2010Silver, TColor(0xFFFFFF), TColor(0xEDE5E0), TColor(0xD2CDC8)),
    Office2010Button(tsOffice2010Black, TColor(0xBFBFBF), TColor(0x919191), TColor(0xD7D7D6)),
}};

void Take(TColor& Target, TColor Value)
{
    if (Value != Kept) Target = Value;
}

} // namespace

void TQuillCustomDropDown::SetComponentStyle(TQORStyle AStyle)
{
    FComponentStyle = AStyle;
    for (const TStyleColors& s : StyleTable) {
        if (s.style != AStyle) continue;
        Take(FDropDownColor, s.popup);
        Take(FDropDownColorTo, s.popupTo);
        Take(FDropDownBorderColor, s.popupBorder);
        for (TPanelAppearance* panel : {static_cast<TPanelAppearance*>(&FDropDownHeader), static_cast<TPanelAppearance*>(&FDropDownFooter)}) {
            panel->Color = s.header;
            panel->ColorTo = s.headerTo;
            panel->Font().SetColor(s.headerFont);
            panel->BorderColor = s.headerBorder;
        }
        Take(FDropDownFooter.BorderColor, s.footerBorder);
        Take(FDropDownFooter.Color, s.footer);
        Take(FDropDownFooter.ColorTo, s.footerTo);
    }
    for (const TButtonStyleColors& b : ButtonStyleTable) {
        if (b.style != AStyle) continue;
        TQuillButtonAppearance& a = FButtonAppearance;
        a.Color = b.color, a.ColorTo = b.colorTo, a.BorderColor = b.border;
        a.ColorHot = b.hot, a.ColorHotTo = b.hotTo, a.BorderColorHot = b.borderHot;
        a.ColorDown = b.down, a.ColorDownTo = b.downTo, a.BorderColorDown = b.borderDown;
        a.ColorDisabled = b.disabled, a.ColorDisabledTo = b.disabledTo;
        a.ColorChecked = b.checked, a.ColorCheckedTo = b.checkedTo, a.BorderColorChecked = b.borderChecked;
    }
    Invalidate();
}

void TQuillCustomDropDown::SetColorTones(const TColorTones& ATones)
{
    FButtonColor = ATones.Background.BrushColor;
    FButtonColorHot = ATones.Hover.BrushColor;
    FButtonColorDown = ATones.Selected.BrushColor;
    FButtonBorderColor = ATones.Background.BorderColor;
    SetBorderColor(ATones.Background.BorderColor);
}

void TQuillCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    FSelectionColorStyle = Value;
    switch (Value) {
    case scOffice2007:
        FSelectionColor = TColor(0xD7FFFD);
        FSelectionColorTo = TColor(0x58D4FC);
        break;
    case scWindowsVista:
        FSelectionColor = TColor(0xFDF8F1);
        FSelectionColorTo = TColor(0xFCEFD5);
        break;
    case scWindows7:
        FSelectionColor = TColor(0xFCEBDC);
        FSelectionColorTo = TColor(0xFCDBC1);
        break;
    case scCustom: break;
    }
}

void TQuillCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, const TRect& Rect)
{
    if (FSelectionColorStyle == scCustom) {
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(FSelectionColor);
        Canvas.Pen()->SetColor(FSelectionColor);
        Canvas.FillRect(Rect);
        return;
    }
    // The styled selection: a gradient between the style's colours in a frame
    // of its border colour.
    static constexpr TColor borders[] = {clNone, TColor(0x8DD7D3), TColor(0xFDDE99), TColor(0xCEA27D)};
    DrawRectangle(Canvas, Rect, FSelectionColor, FSelectionColorTo, gdVertical, borders[FSelectionColorStyle], 1);
}

void TQuillCustomDropDown::SetItemAppearanceStyle(TItemAppearance* Appearance, TQORStyle AStyle)
{
    if (!Appearance || AStyle == tsCustom) return;
    TItemAppearance& a = *Appearance;
    a.BorderColorHot = clNone;
    a.BorderColorSelected = clNone;
    a.ColorSelectedText = clBlack;
    a.ColorHotText = clBlack;
    struct TLook {
        TColor Hot, HotTo, MirrorHot, MirrorHotTo, Border, Selected, SelectedTo, MirrorSelected, MirrorSelectedTo,
            Top, Bottom, Edge, SelectedText;
    };
    static constexpr TLook office2003{TColor(0xEBFDFF), TColor(0xACECFF), TColor(0x59DAFF), TColor(0xA4E9FF),
                                      TColor(0x42AEFE), TColor(0xAAD9FF), TColor(0x6EBBFF), TColor(0x42AEFE),
                                      TColor(0x7AE1FE), clNone, clNone, clNone, clBlack};
    static constexpr TLook classic{TColor(0xD2BDB6), TColor(0xD2BDB6), clNone, clNone, TColor(0x808080),
                                   TColor(0xB59285), TColor(0xB59285), clNone, clNone, clNone, clNone, clNone, clBlack};
    static constexpr TLook office2007{TColor(0xEBFDFF), TColor(0xACECFF), TColor(0x59DAFF), TColor(0xA4E9FF),
                                      TColor(0x42AEFE), TColor(0xAAD9FF), TColor(0x6EBBFF), TColor(0x42AEFE),
                                      TColor(0x7AE1FE), TColor(0xF4FEFF), TColor(0xCAF8FF), TColor(0xC3D9DF), clBlack};
    static constexpr TLook xp{TColor(0xEFD3C6), TColor(0xEFD3C6), clNone, clNone, clHighlight, clHighlight, clNone,
                              clNone, clNone, clNone, clNone, clNone, clHighlightText};
    static constexpr TLook vista{TColor(0xFFFDF9), TColor(0xFFFAF0), clNone, clNone, TColor(0xFEDF9A),
                                 TColor(0xFEF9F0), TColor(0xFDF0D7), clNone, clNone, TColor(0xFDFBF6),
                                 TColor(0xFDF5E7), TColor(0xFCEDCB), clBlack};
    static constexpr TLook seven{TColor(0xFDFBFA), TColor(0xFDF3EB), clNone, clNone, TColor(0xCEA27D),
                                 TColor(0xFCEBDC), TColor(0xFCDBC1), clNone, clNone, TColor(0xFDF4EB),
                                 TColor(0xFDEADB), TColor(0xE0C5AE), clBlack};
    static constexpr TLook terminal{TColor(0xC0C0C0), TColor(0xC0C0C0), clNone, clNone, TColor(0x808080),
                                    clHighlight, clNone, clNone, clNone, clNone, clNone, clNone, clHighlightText};
    static constexpr TLook office2010{TColor(0xD9F9FD), TColor(0x8AE3FD), TColor(0x8AE3FD), TColor(0xD9F9FD),
                                      TColor(0x308AC2), TColor(0x7BEEFF), TColor(0x6CD0FF), TColor(0x6CD0FF),
                                      TColor(0x7BEEFF), clNone, clNone, clNone, clBlack};
    const TLook* look = nullptr;
    switch (AStyle) {
    case tsOffice2003Blue: case tsOffice2003Silver: case tsOffice2003Olive: case tsWhidbey: look = &office2003; break;
    case tsOffice2003Classic: look = &classic; break;
    case tsOffice2007Luna: case tsOffice2007Obsidian: case tsOffice2007Silver: look = &office2007; break;
    case tsWindowsXP: look = &xp; break;
    case tsWindowsVista: look = &vista; break;
    case tsWindows7: look = &seven; break;
    case tsTerminal: look = &terminal; break;
    case tsOffice2010Blue: case tsOffice2010Silver: case tsOffice2010Black: look = &office2010; break;
    case tsCustom: return;
    }
    if (!look) return;
    a.ColorHot = look->Hot;
    a.ColorHotTo = look->HotTo;
    a.ColorMirrorHot = look->MirrorHot;
    a.ColorMirrorHotTo = look->MirrorHotTo;
    a.BorderColor = look->Border;
    a.ColorSelected = look->Selected;
    a.ColorSelectedTo = look->SelectedTo;
    a.ColorMirrorSelected = look->MirrorSelected;
    a.ColorMirrorSelectedTo = look->MirrorSelectedTo;
    a.BorderColorTop = look->Top;
    a.BorderColorBottom = look->Bottom;
    a.EdgeColor = look->Edge;
    a.ColorSelectedText = look->SelectedText;
}

} // namespace controls
