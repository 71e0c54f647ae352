// Links of the mini-HTML markup: numbering, colours, hover state, focus rectangle and hit rectangle.
#include "render/HTMLLinks.h"

#include "platform/graphics/Canvas.h"
#include "render/HTMLRenderCall.h"
#include "render/HTMLTags.h"

namespace render {
namespace {

bool DrawsHovered(const THTMLRenderParams& params, int number)
{
    return !params.HoverOnly || number == params.HoverLink;
}

// The part of the open link on this line, from its start (or the line's left
// when it started on an earlier line) to the current x.
TRect LinkPartOnLine(const THTMLLinePass& pass)
{
    const THTMLInlinePass& g = pass.Geometry;
    const bool startedHere = pass.LinkStartX >= 0;
    return TRect{g.Left + (startedHere ? pass.LinkStartX : 0), startedHere ? pass.LinkStartTop : g.Top, g.Left + g.X,
                 g.Bottom};
}

void DrawFocus(TCanvas& canvas, TRect r)
{
    r.Left -= 1;
    r.Right += 1;
    canvas.DrawFocusRect(r);
}

} // namespace

void OpenHTMLLink(THTMLRenderCall& Call, THTMLLinePass& Pass, std::string_view Body)
{
    TCanvas& canvas = Call.Canvas;
    const THTMLRenderParams& params = Call.Params;
    THTMLInlinePass& g = Pass.Geometry;
    if (Pass.Painting() && Call.Flow.LinkCounter == params.FocusLink) {
        Call.FocusOpen = true;
        Call.FocusStartX = g.DrawX;
    }
    const int number = ++Call.Flow.LinkCounter;
    if (Pass.Painting() && DrawsHovered(params, number)) {
        SetFontStyle(canvas, fsUnderline, true);
        if (params.HoverColor != clNone) {
            Call.HoverBrushSaved = BrushColorOrNone(canvas);
            SetBrushColorOrNone(canvas, params.HoverColor);
        }
        if (params.HoverFontColor != clNone) {
            Call.HoverTextSaved = canvas.Font()->Color();
            canvas.Font()->SetColor(params.HoverFontColor);
        }
    }
    if (!params.Selected && (params.HoverFontColor == clNone || number != params.HoverLink || !params.HoverOnly))
        canvas.Font()->SetColor(params.LinkColor);
    // Without HREF the link is numbered and coloured but can never be hit.
    const auto href = HTMLTagAttribute(Body, "HREF");
    Call.Flow.Link.InLink = href.has_value();
    Call.Flow.Link.Href = href.value_or(std::string());
    Call.Flow.Link.Title = HTMLTagAttribute(Body, "TITLE").value_or(std::string());
    Pass.LinkStartX = g.X;
    Pass.LinkStartTop = g.Top;
    Pass.LinkUnderPoint = false;
}

void CloseHTMLLink(THTMLRenderCall& Call, THTMLLinePass& Pass)
{
    TCanvas& canvas = Call.Canvas;
    const THTMLRenderParams& params = Call.Params;
    THTMLInlinePass& g = Pass.Geometry;
    const int number = Call.Flow.LinkCounter;
    if (Pass.Painting() && DrawsHovered(params, number)) {
        SetFontStyle(canvas, fsUnderline, false);
        if (params.HoverColor != clNone) SetBrushColorOrNone(canvas, Call.HoverBrushSaved);
        if (params.HoverFontColor != clNone) canvas.Font()->SetColor(Call.HoverTextSaved);
    }
    if (!params.Selected) canvas.Font()->SetColor(Call.BaseFont.Color());
    Call.Flow.Link.InLink = false;
    if (Pass.LinkUnderPoint) {
        Pass.HitRect = LinkPartOnLine(Pass);
        Pass.HitLinkNumber = number;
        Pass.LinkUnderPoint = false;
    }
    if (Pass.Painting() && Call.FocusOpen && number == params.FocusLink + 1) {
        const int bottom = g.Bottom - Pass.BaselineLift;
        DrawFocus(canvas, TRect{Call.FocusStartX, bottom - LineStartHeight(canvas), g.DrawX, bottom});
        Call.FocusOpen = false;
    }
}

void EndHTMLLinkLine(THTMLRenderCall& Call, THTMLLinePass& Pass)
{
    if (Call.Flow.Link.InLink && Pass.LinkUnderPoint) {
        Pass.HitRect = LinkPartOnLine(Pass);
        Pass.HitLinkNumber = Call.Flow.LinkCounter;
        Pass.LinkUnderPoint = false;
    }
    if (Pass.Painting() && Call.FocusOpen) {
        const THTMLInlinePass& g = Pass.Geometry;
        DrawFocus(Call.Canvas, TRect{Call.FocusStartX, g.Top, g.DrawX, g.Bottom});
    }
}

} // namespace render
