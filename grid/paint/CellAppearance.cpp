// How a cell of the string grid looks: the one place where the grid's
// defaults, the cell's own properties, the fixed cells' look, the colour
// events and the selection meet, in their order of precedence; and the
// measuring of a cell's text that sizing and the editors use.
#include "grid/QuillGrid.h"
#include "grid/paint/GridLooks.h"

#include <algorithm>
#include <cmath>

#include "grid/base/QuillUtilCellText.h"
#include "grid/model/ColumnMap.h"
#include "grid/paint/ColorMix.h"
#include "grid/paint/RichText.h"
#include "platform/graphics/Canvas.h"
#include "render/HTMLRenderer.h"

namespace grid {

TColor MixColors(TColor Color, TColor Color2, int Percent)
{
    if (Percent >= 100) return Color;
    if (Percent <= 0 || Color == clNone) return Color2;
    if (Color2 == clNone) return Color;
    const TColorRef a = ColorToRGB(Color), b = ColorToRGB(Color2);
    const double p = Percent / 100.0;
    auto channel = [p](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::min(255.0, std::nearbyint(p * x + (1 - p) * y)));
    };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

} // namespace grid

namespace {

// Types whose colour counts only when set; every other type takes the
// cell's colour as it is.
bool IsPlainTextType(TCellType Type) { return Type == ctEmpty || Type == ctRotated; }

void ApplyCellFont(const TCellProperties& Props, TFont& Font)
{
    if (Props.FontColor() != clNone) Font.SetColor(Props.FontColor());
    if (!Props.FontStyle().Empty()) Font.SetStyle(Props.FontStyle());
    if (Props.FontSize() != 0) Font.SetSize(Props.FontSize());
    if (!Props.FontName().empty()) Font.SetName(Props.FontName());
}

} // namespace

void TQuillStringGrid::GetDefaultCellProps(int, int, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                           TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                           TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    // A new property object sets no colour of its own, so the grid's and
    // the look's colours keep showing through it.
    AFont.Assign(&Font());
    AFont.SetColor(clNone);
    ABrush.SetColor(clNone);
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    HA = FDefaultAlignment;
    VA = FVAlignment;
    WW = WordWrap();
    GD = GradientVertical;
}

void TQuillStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                           bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                           TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                           bool& WW, TCellGradientDirection& GD)
{
    const bool inFixedBand = ACol < FixedCols() || ARow < FixedRows();
    AFont.Assign(&Font());
    const int rCol = Remap ? RealColIndex(ACol) : ACol;
    ABrush.SetColor(clNone);
    AColorTo = AMirrorColor = AMirrorColorTo = clNone;

    bool ownColour = false;
    const TCellProperties* props = FindProps(rCol, ARow);
    if (props) {
        const TCellType type = GetCellType(rCol, ARow);
        if (!IsPlainTextType(type) || props->BrushColor() != clNone) {
            ABrush.SetColor(props->BrushColor());
            ownColour = IsPlainTextType(type);
        }
        ApplyCellFont(*props, AFont);
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
    }
    if (AState.Contains(gdSelected)) GD = GradientVertical;

    if (ABrush.Color() == clNone) {
        ABrush.SetColor(Color());
        if (inFixedBand || ACol >= ColCount() - FFixedRightCols || ARow >= RowCount() - FFixedFooters)
            ABrush.SetColor(FixedColor());
    }

    const bool fixed = IsFixed(ACol, ARow) || inFixedBand;
    if (fixed && !ownColour) {
        if (!Print) {
            ABrush.SetColor(FixedColor());
            AState.Include(gdFixed);
        }
        if (FLook > glClassic && FLook != glCustom && FLookColors->Fixed.From != clNone) {
            ABrush.SetColor(FLookColors->Fixed.From);
            AColorTo = FLookColors->Fixed.To;
            AMirrorColor = FLookColors->Fixed.MirrorFrom;
            AMirrorColorTo = FLookColors->Fixed.MirrorTo;
        }
    }

    auto applySelectionColours = [&] {
        AColorTo = FLookColors->SelectionColorTo;
        AMirrorColor = AMirrorColorTo = clNone;
        if (FSelectionTextColor != clNone) AFont.SetColor(FSelectionTextColor);
    };
    if (Select && !Print && FShowSel && !fixed && IsSelected(ACol, ARow)) {
        ABrush.SetColor(ABrush.Color() == Color() ? FSelectionColor
                                                  : grid::MixSelectionColor(FSelectionColor, ABrush.Color(),
                                                                            FSelectionColorMixer,
                                                                            FSelectionColorMixerFactor));
        applySelectionColours();
        AState.Include(gdSelected);
    }

    DoGetWordWrap(rCol, ARow, WW);
    std::tie(HA, VA) = ResolveCellAlignment(rCol, ARow);
}

std::pair<TAlignment, TVAlignment> TQuillStringGrid::ResolveCellAlignment(int ACol, int ARow)
{
    TAlignment ha = FDefaultAlignment;
    TVAlignment va = FVAlignment;
    if (const TCellProperties* props = FindProps(ACol, ARow)) ha = props->Alignment();
    GetCellAlignment(ACol, ARow, ha, va);
    return {ha, va};
}

void TQuillStringGrid::GetFontProperties(int, int RCol, int ARow, TGridDrawState&, TFont& AFont, TBrush&)
{
    // Fixed and normal cells share the grid's font.
    AFont.Assign(&Font());
    if (const TCellProperties* props = FindProps(RCol, ARow)) ApplyCellFont(*props, AFont);
    // Zoomed cells paint (and measure) their fonts by the zoom steps larger or smaller.
    if (const int zoom = ZoomFactor(); zoom != 0) AFont.SetSize(std::max(1, AFont.Size() + zoom));
}

TSize TQuillStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    return MeasureCellText(ACol, DisplColIndex(ACol), ARow, VS, SB);
}

TSize TQuillStringGrid::MeasureCellText(int RealCol, int DisplCol, int ARow, bool VS, bool SB)
{
    std::string text = GetCellEx(RealCol, ARow);
    const int kind = ClassifyCellText(text, true);
    TCanvas& canvas = *Canvas();
    TGridDrawState state;
    // The cell's own font is that of its real column, as painting reads it;
    // the display column only gives the rectangle.
    GetFontProperties(DisplCol, RealCol, ARow, state, *canvas.Font(), *canvas.Brush());

    TRect r = CellRect(DisplCol, ARow);
    if (SB) r.Right -= 17;
    if (kind == grid::ctkHTML) {
        r.Bottom = 65535;
        if (!VS) r.Right = 65535;
        THTMLRenderParams params;
        params.MeasureOnly = true;
        params.WordWrap = VS;
        params.LinkColor = FURLColor;
        THTMLRenderResult result;
        RenderHTMLText(&canvas, text, r, params, result);
        return {result.Width + 2, result.Height + 2};
    }
    if (kind == grid::ctkRTF) {
        try {
            if (!VS) r.Right = 65535;
            return grid::LayoutRichText(canvas, r, grid::ReadRichText(text), VS, true);
        } catch (const EReadError&) {
            // Text that is no readable RTF is measured as it shows: plain.
        }
    }
    int angle = 0;
    const bool rotated = IsRotated(RealCol, ARow, angle);
    TSize size{};
    if (VS) {
        InflateRect(r, -2, -2);
        TTextFormat format{tfCalcRect, tfEditControl, tfNoPrefix};
        format.Include(rotated ? tfSingleLine : tfWordBreak);
        canvas.TextRect(r, text, format);
        size = {r.Right - r.Left, r.Bottom - r.Top};
    } else {
        // One line: a line break inside the text does not start another.
        size = {canvas.TextWidth(text), canvas.TextHeight("gh")};
    }
    if (rotated) {
        const double a = angle * M_PI / 180.0;
        // The box around the turned text holds both projections of each side.
        const int hs = std::abs(static_cast<int>(size.cy * std::sin(a)));
        const int wc = std::abs(static_cast<int>(size.cx * std::cos(a)));
        const int hc = std::abs(static_cast<int>(size.cy * std::cos(a)));
        const int ws = std::abs(static_cast<int>(size.cx * std::sin(a)));
        size = {hs + wc + 12, hc + ws + 12};
    }
    return size;
}
