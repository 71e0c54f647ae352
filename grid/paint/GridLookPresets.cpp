// The string grid's looks, grid styles and older colour schemes: every
// colour each preset writes.
#include "grid/QuillGrid.h"
#include "grid/paint/GridLooks.h"

#include "grid/base/QuillUtilPaint.h"
#include "grid/model/SortSettings.h"

namespace {

using grid::TCellGradient;

constexpr TCellGradient NoGradient{};

// The colours the styles of one family share.
struct TStyleColors {
    TCellGradient Fixed;
    TColor ActiveFrom, ActiveTo;
    TColor SelectionColor;  // clNone keeps the first step's colour
    TColor FooterFrom, FooterTo;
    TColor LineColor, FixedLineColor;
};

} // namespace

void TQuillStringGrid::SetQORGradientFrom(TColor Value)
{
    FLookColors->Fixed.From = Value;
    Invalidate();
}

void TQuillStringGrid::SetQORGradientTo(TColor Value)
{
    FLookColors->Fixed.To = Value;
    Invalidate();
}

void TQuillStringGrid::SetLook(TGridLook Value)
{
    if (Value == FLook) return;
    FLook = Value;
    ApplyLookPreset(Value);
}

void TQuillStringGrid::ApplyLookPreset(TGridLook Value)
{
    grid::TGridLookColors& c = *FLookColors;
    if (Value != glCustom) {
        c.Fixed = NoGradient;
        FSortSettings->SetHeaderColor(clNone);
    }
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        FStyle = gsWindowsVista;
        break;
    case glWin7:
        SetStyle(gsWindows7);
        FStyle = gsWindows7;
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        FStyle = gsOffice2007Luna;
        break;
    case glCustom:
        break;
    default: {
        SetSelectionStyle(ssDefault);
        const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
        if (plain) {
            SetFixedColor(clBtnFace);
            c.Fixed = {clBtnFace, clNone};
        } else {
            c.Fixed = {0xFFFFFF, clBtnFace};
        }
        SetGridFixedLineColor(0x808080);
        SetGridLineColor(0xC0C0C0);
        if (plain || Value == glListView) {
            c.ActiveCellColor = 0x808080;
            c.ActiveCellColorTo = clNone;
            SetSelectionColor(clHighlight);
            SetSelectionTextColor(clHighlightText);
            c.SearchFooterColor = clBtnFace;
            c.SearchFooterColorTo = clBtnFace;
        } else {
            c.ActiveCellColor = 0xEACAB6;
            c.ActiveCellColorTo = clNone;
            SetSelectionColor(0xEACAB6);
            c.SelectionColorTo = clNone;
            SetSelectionTextColor(clBlack);
            c.SearchFooterColor = 0xFFFFFF;
            c.SearchFooterColorTo = clBtnFace;
            c.Fixed = {0xFFFFFF, Value == glQOR ? TColor(0xC0C0C0) : clBtnFace};
            c.Hover = {0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, c.Hover.Border};
            c.Down = {0x868788, 0x737C7E, 0x737C7E, 0x627376, c.Down.Border};
        }
        break;
    }
    }
    Invalidate();
}

void TQuillStringGrid::SetStyle(TQuillGridStyle AStyle)
{
    grid::TGridLookColors& c = *FLookColors;
    SetSelectionColor(clHighlight);
    c.SelectionColorTo = clNone;
    SetSelectionTextColor(clHighlightText);
    SetSelectionStyle(ssDefault);
    SetSortHeaderColors(NoGradient);
    c.Hover.MirrorFrom = c.Hover.MirrorTo = clNone;
    c.Down.MirrorFrom = c.Down.MirrorTo = clNone;

    auto apply = [&](const TStyleColors& s, TColor SelectionTo = clNone) {
        c.Fixed = {s.Fixed.From, s.Fixed.To, s.Fixed.MirrorFrom, s.Fixed.MirrorTo, c.Fixed.Border};
        c.ActiveCellColor = s.ActiveFrom;
        c.ActiveCellColorTo = s.ActiveTo;
        if (s.SelectionColor != clNone) {
            SetSelectionColor(s.SelectionColor);
            c.SelectionColorTo = SelectionTo;
            SetSelectionTextColor(clBlack);
        }
        c.SearchFooterColor = s.FooterFrom;
        c.SearchFooterColorTo = s.FooterTo;
        SetGridLineColor(s.LineColor);
        SetGridFixedLineColor(s.FixedLineColor);
    };
    // The Office 2010 styles share all but the fixed colour, grid lines and sort header.
    auto office2010 = [&](TColor Fixed, TColor FixedLine, TColor Sort) {
        SetLook(glOffice2007);
        apply({{Fixed, Fixed, Fixed, Fixed}, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, Fixed, Fixed, 0xC0C0C0, FixedLine});
        c.Hover = {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8};
        c.Down = {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2};
        SetSortHeaderColors({Sort, Sort, Sort, Sort});
        SetSelectionStyle(ssDefault);
    };
    // The sort header of the Vista and Windows 7 styles.
    constexpr TCellGradient vistaSort{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8};

    switch (AStyle) {
    case gsOffice2003Blue:
        SetLook(glXP);
        apply({{0xFCE1CB, 0xE0A57D}, 0x94E6FB, 0x1595EE, 0x94E6FB, 0xFCE1CB, clNone, 0xC0C0C0, 0x808080}, 0x1595EE);
        break;
    case gsOffice2003Silver:
        SetLook(glXP);
        apply({{0xECE2E1, 0xB39698}, 0x94E6FB, 0x1595EE, 0x94E6FB, 0xECE2E1, clNone, 0xC0C0C0, 0x808080}, 0x1595EE);
        break;
    case gsOffice2003Olive:
        SetLook(glXP);
        apply({{0xCFF0EA, 0x8CC0B1}, 0x94E6FB, 0x1595EE, 0x94E6FB, 0xCFF0EA, clNone, 0xC0C0C0, 0x808080}, 0x1595EE);
        break;
    case gsOffice2003Classic:
        SetLook(glXP);
        apply({{0xFFFFFF, 0xCCD4D8}, 0xD8D5D4, 0xD8D5D4, clNone, 0xFFFFFF, clNone, 0xC0C0C0, 0x808080});
        break;
    case gsOffice2007Luna:
        SetLook(glOffice2007);
        apply({{0xFBF9F6, 0xE8DBD2}, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, 0xFBF9F6, clNone, 0xF1EDEB, 0xD1BBA4});
        c.Hover = {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87};
        c.Down = {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D};
        if (FLook == glOffice2007) SetSelectionStyle(ssOffice2007);
        break;
    case gsOffice2007Obsidian:
        SetLook(glOffice2007);
        apply({{0xF7F7F7, 0xDEDEDE}, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, 0xF7F7F7, clNone, 0xE5D7D0, 0x808080});
        break;
    case gsWindowsXP:
        SetLook(glXP);
        apply({{clBtnFace, clBtnFace}, clBtnFace, clBtnFace, clNone, clBtnFace, clNone, 0xC0C0C0, 0x808080});
        break;
    case gsWhidbey:
        apply({{0xFFFFFF, clBtnFace}, 0x94E6FB, 0x1595EE, clNone, 0xFFFFFF, clNone, 0xC0C0C0, 0x808080});
        break;
    case gsCustom:
        break;
    case gsOffice2007Silver: {
        SetLook(glOffice2007);
        const TColor mirrorFrom = c.Fixed.MirrorFrom, mirrorTo = c.Fixed.MirrorTo;
        apply({{0xF3F3F1, 0xCAC9C8, mirrorFrom, mirrorTo}, 0x99CCFF, 0x699CFF, 0x95C7F5, 0xF3F3F1, mirrorTo,
               0xE5D7D0, 0x808080});
        break;
    }
    case gsWindowsVista:
        SetLook(glVista);
        apply({{0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1}, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, 0xFFFFFF, 0xF4F2F1, 0xECECF0,
               0xD4D2D1});
        c.Hover = {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993};
        c.Down = {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F};
        SetSortHeaderColors(vistaSort);
        SetSelectionStyle(ssVista);
        break;
    case gsWindows7:
        SetLook(glWin7);
        apply({{0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD}, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, 0xFDFCFA, 0xF7E9DD, 0xECECF0,
               0xD4D2D1});
        c.Hover = {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3};
        c.Down = {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA};
        SetSortHeaderColors(vistaSort);
        SetSelectionStyle(ssWin7);
        break;
    case gsTerminal:
        SetLook(glStandard);
        break;
    case gsOffice2010Blue:
        office2010(0xF5E7DA, 0xC7B0A0, 0xD6CEC7);
        break;
    case gsOffice2010Silver:
        office2010(0xE8E3DF, 0xBAB5B1, 0xAAAAAA);
        break;
    case gsOffice2010Black:
        office2010(0x6A6A6A, 0x444444, 0xBABABA);
        break;
    }
    Invalidate();
}

void TQuillStringGrid::SetSortHeaderColors(const grid::TCellGradient& Colors)
{
    FSortSettings->SetHeaderColor(Colors.From);
    FSortSettings->SetHeaderColorTo(Colors.To);
    FSortSettings->SetHeaderMirrorColor(Colors.MirrorFrom);
    FSortSettings->SetHeaderMirrorColorTo(Colors.MirrorTo);
}

void TQuillStringGrid::SetComponentStyle(TQuillGridStyle AStyle)
{
    // The style's own look change records its base style on the way; the
    // style asked for is what the grid remembers.
    SetStyle(AStyle);
    FStyle = AStyle;
}

void TQuillStringGrid::SetTheme(TXPColorScheme Scheme)
{
    struct TScheme {
        TCellGradient Fixed;
        TColor ActiveFrom, ActiveTo, FooterFrom, FooterTo;
    };
    static constexpr TScheme schemes[] = {
        {{0xFFFFFF, clBtnFace}, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3},
        {{0xFCE1CB, 0xE0A57D}, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D},
        {{0xCFF0EA, 0x8CC0B1}, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1},
        {{0xECE2E1, 0xB39698}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
        {{0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1}, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698},
    };
    if (Scheme < xpNone || Scheme > vistaAero) return;
    const TScheme& s = schemes[Scheme];
    FLookColors->Fixed = {s.Fixed.From, s.Fixed.To, s.Fixed.MirrorFrom, s.Fixed.MirrorTo, FLookColors->Fixed.Border};
    FLookColors->ActiveCellColor = s.ActiveFrom;
    FLookColors->ActiveCellColorTo = s.ActiveTo;
    FLookColors->SearchFooterColor = s.FooterFrom;
    FLookColors->SearchFooterColorTo = s.FooterTo;
    Invalidate();
}

void TQuillStringGrid::AdaptToOfficeTheme(TOfficeTheme Theme)
{
    if (DesignMode() || Theme == FOfficeTheme) return;
    FOfficeTheme = Theme;
    static constexpr TQuillGridStyle styles[] = {gsOffice2003Blue,   gsOffice2003Silver, gsOffice2003Olive,
                                                 gsOffice2003Classic, gsOffice2007Luna,   gsOffice2007Silver,
                                                 gsOffice2007Obsidian, gsOffice2010Blue,  gsOffice2010Silver,
                                                 gsOffice2010Black};
    if (Theme >= ot2003Blue && Theme <= ot2010Black) SetComponentStyle(styles[Theme]);
}

void TQuillStringGrid::SetColorTones(const TColorTones& ATones)
{
    FColorTones = ATones;
    SetLook(glClassic);
    FFlat = true;
    SetFixedColor(ATones.Foreground.BrushColor);
    SetColor(ATones.Background.BrushColor);
    Font().SetColor(ATones.Background.TextColor);
    SetSelectionColor(ATones.Selected.BrushColor);
    SetSelectionTextColor(ATones.Selected.TextColor);
    FLookColors->SelectionColorTo = clNone;
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(AdjustColorByPercent(ATones.Foreground.BrushColor, -20));
    FLookColors->SearchFooterColor = FLookColors->SearchFooterColorTo = ATones.Foreground.BrushColor;
    Invalidate();
}

TColor TQuillStringGrid::QORGradientFrom() const noexcept { return FLookColors->Fixed.From; }
TColor TQuillStringGrid::QORGradientTo() const noexcept { return FLookColors->Fixed.To; }
