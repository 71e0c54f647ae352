// The text of one cell: selection colours, password masking, plain text
// with its alignment and wrapping, HTML through the markup renderer, rich
// text through its layout, and text turned by an angle.
#include "grid/QuillGrid.h"
#include "grid/model/CellGraphic.h"
#include "grid/interact/HoverState.h"

#include <algorithm>

#include "grid/base/QuillUtilCellText.h"
#include "grid/interact/FormsState.h"
#include "grid/paint/RichText.h"
#include "grid/paint/RotatedText.h"
#include "platform/graphics/Canvas.h"
#include "render/HTMLRenderer.h"

namespace {

// Room between a cell's edges and its text.
constexpr TPoint TextOffset{2, 2};

TTextFormat PlainTextFormat(TAlignment HA, TVAlignment VA, bool WW)
{
    TTextFormat format{tfNoPrefix, tfExpandTabs};
    if (WW) {
        format.Include(tfWordBreak);
        format.Include(tfEditControl);
    } else {
        format.Include(tfSingleLine);
    }
    format.Include(HA == taRightJustify ? tfRight : HA == taCenter ? tfCenter : tfLeft);
    format.Include(VA == vtaBottom ? tfBottom : VA == vtaCenter ? tfVerticalCenter : tfTop);
    return format;
}

// The first line of a text; a cell that does not wrap shows only that.
std::string FirstLine(const std::string& Text)
{
    const size_t end = Text.find_first_of("\r\n");
    return end == std::string::npos ? Text : Text.substr(0, end);
}

// Draws a rich-text cell; false when its text is no readable RTF, which then
// shows as it is.
bool DrawRichCellText(TCanvas& Canvas, const std::string& Text, const TRect& R, bool WW)
{
    try {
        grid::LayoutRichText(Canvas, R, grid::ReadRichText(Text), WW);
        return true;
    } catch (const EReadError&) {
        return false;
    }
}

} // namespace

TRect TQuillStringGrid::CellTextRect(int ACol, int ARow, TRect ARect)
{
    if (IsFixed(ACol, ARow)) {
        ARect.Left += GridLineWidth();
        ARect.Top += GridLineWidth();
    }
    ARect.Left += TextOffset.X;
    ARect.Top += TextOffset.Y;
    ARect.Right -= TextOffset.X;
    if (RealColIndex(ACol) == 0 && HasNodes() && !IsNode(ARow)) ARect.Left += GetNodeIndent(ARow);
    return ARect;
}

void TQuillStringGrid::DrawCellText(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                                    TAlignment HA, TVAlignment VA, bool WW, const TCellGraphic* Graphic)
{
    const int realCol = RealColIndex(ACol);
    const bool fixed = AState.Contains(gdFixed);
    TColor linkColor = FURLColor;
    if (AState.Contains(gdSelected) && !fixed && FShowSel && FSelectionTextColor != clNone) {
        ACanvas.Font()->SetColor(FSelectionTextColor);
        linkColor = FSelectionTextColor;
    }

    std::string text = GetCellEx(realCol, ARow);
    if (text.empty()) return;
    bool password = false;
    DoIsPasswordCell(realCol, ARow, password);
    if (password) text.assign(text.size(), '*');

    TRect r = CellTextRect(ACol, ARow, ARect);
    if (r.Right <= r.Left) return;

    ACanvas.Brush()->SetStyle(bsClear);
    const int kind = ClassifyCellText(text, true);
    const bool sortHeader = IsSortHeader(ACol, ARow);
    // The indicator sits at the top, the middle or the bottom as the text does.
    auto indicatorY = [&] {
        return VA == vtaTop ? ARect.Top + 8 : VA == vtaCenter ? ARect.Top + (ARect.Bottom - ARect.Top) / 2 : ARect.Bottom - 8;
    };
    if (kind == grid::ctkHTML) {
        THTMLRenderParams params;
        params.LinkColor = linkColor;
        params.WordWrap = WW;
        params.Selected = AState.Contains(gdSelected) && !fixed;
        // Links underlined only under the pointer, and a held BUTTON pressed.
        params.HoverOnly = URLUnderlineOnHover();
        params.HoverLink = FHover->LinkCell == TGridCoord{ACol, ARow} ? FHover->HoverLink : 0;
        if (const TPoint held = HeldCellButton(); held.X >= 0 && held == TPoint{realCol, ARow}) {
            params.MouseDown = true;
            params.XPos = FFormsState->CtrlPoint.X;
            params.YPos = FFormsState->CtrlPoint.Y;
        }
        THTMLRenderResult result;
        --r.Left;
        if (sortHeader) r.Right -= 10;
        RenderHTMLText(&ACanvas, text, r, params, result);
        if (sortHeader) DrawSortIndicator(ACanvas, realCol, r.Right + 2, indicatorY());
    } else if (kind == grid::ctkRTF && DrawRichCellText(ACanvas, text, r, WW)) {
    } else if (Graphic && Graphic->CellType() == ctRotated) {
        const int angle = Graphic->CellAngle();
        ACanvas.Font()->SetOrientation(angle * 10);
        TRect origin = ARect;
        grid::RotatedTextOrigin(ACanvas, origin, angle, text, HA, VA);
        ACanvas.TextRect(ARect, origin.Left, origin.Top, text);
        ACanvas.Font()->SetOrientation(0);
    } else {
        if (!WW) text = FirstLine(text);
        if (sortHeader && HA == taCenter) r.Left += 10;
        if (WW && VA != vtaTop) {
            // Wrapped text has no vertical flag of its own: its height moves it.
            TRect measured = r;
            std::string copy = text;
            TTextFormat calc = PlainTextFormat(HA, vtaTop, true);
            calc.Include(tfCalcRect);
            ACanvas.TextRect(measured, copy, calc);
            const int room = (r.Bottom - r.Top) - (measured.Bottom - measured.Top);
            if (room > 0) r.Top += VA == vtaBottom ? room : room / 2;
        }
        if (WW) {
            // A wrapped line the cell cannot show whole stays out, rather than
            // showing cut through its letters.
            const int lineHeight = std::max(1, ACanvas.TextHeight("Wg"));
            r.Bottom = std::min(r.Bottom, r.Top + std::max(1, (r.Bottom - r.Top) / lineHeight) * lineHeight);
        }
        ACanvas.TextRect(r, text, PlainTextFormat(HA, VA, WW));
        if (sortHeader) {
            const int w = std::max(0, std::min(ARect.Right - ARect.Left - 16, ACanvas.TextWidth(text)));
            const int x = HA == taLeftJustify ? ARect.Left + w + (r.Left - ARect.Left) + 10
                          : HA == taRightJustify ? ARect.Right - w - 10
                                                 : ARect.Left + 8;
            DrawSortIndicator(ACanvas, realCol, x, indicatorY());
        }
    }
    ACanvas.Brush()->SetStyle(bsSolid);
}
