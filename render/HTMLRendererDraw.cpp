// Drawing and measuring the text pieces of the mini-HTML renderer, its colours and its text flags.
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/TextOutput.h"
#include "render/HTMLRenderCall.h"
#include "render/HTMLTags.h"

#include <cstdlib>
#include <string>

namespace {

TColor highlightBackground = clHighlight;
TColor highlightText = clHighlightText;

// Languages written right to left in the Middle East, by their locale codes.
bool IsMiddleEastLocale()
{
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        const std::string_view locale(value);
        const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
        for (std::string_view rtl : {"ar", "fa", "he", "iw", "ur"})
            if (language == rtl) return true;
        return false;
    }
    return false;
}

TColorRef ToColorRef(TColor color) { return static_cast<TColorRef>(ColorToRGB(color)); }

} // namespace

void SetHTMLHighlightColors(TColor Background, TColor Text)
{
    highlightBackground = Background;
    highlightText = Text;
}

unsigned BiDiDrawTextFlags(unsigned Flags, THTMLReadingMode Mode, bool MiddleEastLocale)
{
    if (!MiddleEastLocale || Mode == rmLeftToRight) return Flags;
    if (Mode == rmRightToLeft) {
        if (Flags & DT_RIGHT)
            Flags &= ~DT_RIGHT;
        else if (!(Flags & DT_CENTER))
            Flags |= DT_RIGHT;
    }
    return Flags | DT_RTLREADING;
}

unsigned BiDiDrawTextFlags(unsigned Flags, THTMLReadingMode Mode)
{
    return BiDiDrawTextFlags(Flags, Mode, IsMiddleEastLocale());
}

namespace render {

TColor BrushColorOrNone(const TCanvas& canvas)
{
    return canvas.Brush()->Style() == bsClear ? clNone : canvas.Brush()->Color();
}

void SetBrushColorOrNone(TCanvas& canvas, TColor color)
{
    if (color == clNone)
        canvas.Brush()->SetStyle(bsClear);
    else
        canvas.Brush()->SetColor(color);
}

void SetFontStyle(TCanvas& canvas, TFontStyle style, bool on)
{
    TFontStyles styles = canvas.Font()->Style();
    if (on)
        styles.Include(style);
    else
        styles.Exclude(style);
    canvas.Font()->SetStyle(styles);
}

int LineStartHeight(TCanvas& canvas) { return canvas.TextHeight("gh"); }

TColor HighlightBackgroundColor() { return highlightBackground; }
TColor HighlightTextColor() { return highlightText; }

namespace {

TRect PieceRect(const THTMLRenderCall& call, const THTMLLinePass& pass)
{
    const THTMLInlinePass& g = pass.Geometry;
    int bottom = g.Bottom;
    if (call.Flow.Subscript) bottom += pass.SpaceBelow;
    if (call.Flow.Superscript) bottom -= pass.SpaceAbove;
    bottom -= pass.BaselineLift;
    return TRect{g.DrawX, g.Top, call.RightToLeftReading ? pass.RightEdge : pass.Right, bottom};
}

void DrawPieceText(THTMLRenderCall& call, TRect r, std::string_view piece)
{
    HDC dc = call.Canvas.Handle();
    if (!call.RotatedFont) {
        DrawTextEx(dc, piece, r, call.TextFormat, nullptr);
        return;
    }
    // Formatted text keeps its line upright; rotated text is drawn as a run
    // from the bottom-left corner of its cell.
    TSize size;
    GetTextExtentPoint32(dc, piece, size);
    TextOut(dc, r.Left, r.Bottom - size.cy, piece);
}

} // namespace

int MeasureHTMLPiece(THTMLRenderCall& Call, const THTMLLinePass& Pass, std::string_view Piece)
{
    TRect r = PieceRect(Call, Pass);
    DrawTextEx(Call.Canvas.Handle(), Piece, r, Call.TextFormat | DT_CALCRECT, nullptr);
    return r.Width();
}

int DrawHTMLPiece(THTMLRenderCall& Call, THTMLLinePass& Pass, std::string_view Piece, int Width)
{
    TCanvas& canvas = Call.Canvas;
    const TRect r = PieceRect(Call, Pass);
    if (Call.Flow.Shadow) {
        TRect shadow = r;
        OffsetRect(shadow, Call.Params.ShadowOffset, Call.Params.ShadowOffset);
        HDC dc = canvas.Handle();
        const TColorRef textColor = SetTextColor(dc, ToColorRef(Call.Params.ShadowColor));
        DrawPieceText(Call, shadow, Piece);
        SetTextColor(dc, textColor);
    }
    DrawPieceText(Call, r, Piece);
    const int width = Width >= 0 ? Width : MeasureHTMLPiece(Call, Pass, Piece);
    if (Call.Flow.Link.InLink && Call.Flow.LinkCounter == Call.Params.FocusLink + 1)
        Call.FocusValue = Call.Flow.Link.Href;
    if (Call.ErrorMark) DrawErrorZigZag(canvas, r.Left, r.Left + width, Pass.Geometry.Bottom);
    return width;
}

} // namespace render
