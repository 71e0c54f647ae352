// The text of one cell: selection colours, password masking, plain text
// with its alignment and wrapping, HTML through the markup renderer, rich
// text through its layout, and text turned by an angle.
#include "grid/QuillGrid.h"

#include "grid/base/QuillUtilCellText.h"
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

} // namespace

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

    TRect r = ARect;
    if (IsFixed(ACol, ARow)) {
        r.Left += GridLineWidth();
        r.Top += GridLineWidth();
    }
    r.Left += TextOffset.X;
    r.Top += TextOffset.Y;
    r.Right -= TextOffset.X;
    if (realCol == 0 && HasNodes() && !IsNode(ARow)) r.Left += GetNodeIndent(ARow);
    if (r.Right <= r.Left) return;

    ACanvas.Brush()->SetStyle(bsClear);
    const int kind = ClassifyCellText(text, true);
    if (kind == grid::ctkHTML) {
        THTMLRenderParams params;
        params.LinkColor = linkColor;
        params.WordWrap = WW;
        params.Selected = AState.Contains(gdSelected) && !fixed;
        THTMLRenderResult result;
        --r.Left;
        RenderHTMLText(&ACanvas, text, r, params, result);
    } else if (Graphic && Graphic->CellType() == ctRotated) {
        const int angle = Graphic->CellAngle();
        ACanvas.Font()->SetOrientation(angle * 10);
        TRect origin = ARect;
        grid::RotatedTextOrigin(ACanvas, origin, angle, text, HA, VA);
        ACanvas.TextRect(ARect, origin.Left, origin.Top, text);
        ACanvas.Font()->SetOrientation(0);
    } else {
        if (!WW) text = FirstLine(text);
        ACanvas.TextRect(r, text, PlainTextFormat(HA, VA, WW));
    }
    ACanvas.Brush()->SetStyle(bsSolid);
}
