// The mini-HTML renderer's call: preparing the source, the line loop and the results.
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLRenderCall.h"
#include "render/HTMLTags.h"
#include "render/HTMLUtils.h"

#include <array>

using namespace vistra::render;

namespace {

// Every text piece: one line standing on the bottom of its rectangle.
constexpr unsigned pieceFormat = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING;

struct PreparedEntity {
    std::string_view Entity;
    std::string_view Text;
};

// The entities decoded before layout. "&amp;" becomes "&&", which the text
// drawing shows as one "&" (a single "&" underlines the next character).
constexpr std::array<PreparedEntity, 9> preparedEntities{{
    {"&amp;", "&&"}, {"&quot;", "\""}, {"&sect;", "\xC2\xA7"}, {"&permil;", "\xE2\x80\xB0"}, {"&reg;", "\xC2\xAE"},
    {"&copy;", "\xC2\xA9"}, {"&para;", "\xC2\xB6"}, {"&trade;", "\xE2\x84\xA2"}, {"&euro;", "\xE2\x82\xAC"},
}};

// Decodes the entities above in any case, each once, so that "&amp;amp;"
// shows "&amp;"; then unwraps "<#" and turns line breaks into BR tags.
std::string PrepareSource(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const PreparedEntity* match = nullptr;
        if (text[i] == '&')
            for (const PreparedEntity& e : preparedEntities)
                if (text.size() - i >= e.Entity.size() && SameText(text.substr(i, e.Entity.size()), e.Entity)) {
                    match = &e;
                    break;
                }
        if (match) {
            decoded += match->Text;
            i += match->Entity.size();
        } else {
            decoded += text[i++];
        }
    }
    return CRLFToBRTags(UnwrapHashTags(decoded), true);
}

THTMLLineStartState LineStart(const THTMLRenderCall& call)
{
    THTMLLineStartState state = call.Flow;
    state.ImageCounter = call.Items.ImageCounter;
    return state;
}

void RewindTo(THTMLRenderCall& call, const THTMLLineStartState& state)
{
    call.Flow = state;
    call.Items.ImageCounter = state.ImageCounter;
}

// Runs one pass with the side's running font on the canvas.
void RunPass(THTMLRenderCall& call, THTMLLinePass& pass, TFont& runningFont, std::string_view& text)
{
    call.Canvas.Font()->Assign(&runningFont);
    RenderHTMLLine(call, pass, text);
    runningFont.Assign(call.Canvas.Font());
}

THTMLLinePass StartPass(const THTMLRenderCall& call, THTMLPassMode mode, const TRect& rect)
{
    THTMLLinePass pass;
    pass.Mode = mode;
    pass.Right = rect.Right;
    pass.RightEdge = rect.Right;
    THTMLInlinePass& g = pass.Geometry;
    g.Canvas = &call.Canvas;
    g.Painting = mode == THTMLPassMode::Painting;
    g.Left = rect.Left;
    g.Top = rect.Top;
    g.Bottom = rect.Bottom;
    g.AvailableWidth = rect.Right - rect.Left;
    g.Point = TPoint{call.Params.XPos, call.Params.YPos};
    g.DrawX = rect.Left;
    return pass;
}

int AlignedLeft(const THTMLRenderCall& call, int lineWidth)
{
    int left = call.Bounds.Left + 1;
    const int right = call.Bounds.Right;
    if (call.ParagraphAlignment == THTMLAlignment::Right && right - lineWidth > left)
        left = right - lineWidth;
    else if (call.ParagraphAlignment == THTMLAlignment::Center && right - left - lineWidth > 0)
        left += (right - left - lineWidth) / 2;
    return left + call.ParagraphIndent;
}

// Keeps what the second pass of a line found under the point.
void TakeHit(THTMLRenderCall& call, const THTMLLinePass& pass)
{
    if (pass.LinkValueFound) {
        call.Items.LinkValue = pass.HitHref;
        call.Items.LinkTitle = pass.HitTitle;
    }
    if (pass.HitLinkNumber >= 0) {
        call.HoveredLink = pass.HitLinkNumber;
        call.HoverRect = pass.HitRect;
    }
}

} // namespace

THTMLRenderCall::THTMLRenderCall(TCanvas& canvas, const TRect& bounds, const THTMLRenderParams& params)
    : Canvas(canvas), Bounds(bounds), Params(params)
{
    BaseFont.Assign(canvas.Font());
    MeasureFont.Assign(canvas.Font());
    PaintFont.Assign(canvas.Font());
}

bool RenderHTMLText(TCanvas* Canvas, std::string_view Text, const TRect& Bounds, const THTMLRenderParams& Params,
                    THTMLRenderResult& Result)
{
    if (!Canvas) return false;
    TCanvas& canvas = *Canvas;
    THTMLRenderCall call(canvas, Bounds, Params);
    const TColor penColor = canvas.Pen()->Color();
    const int penWidth = canvas.Pen()->Width();
    TBrush entryBrush;
    entryBrush.Assign(canvas.Brush());
    call.EntryBrushColor = canvas.Brush()->Color();
    call.ImageSources = THTMLImageSources{Params.Images, Params.PictureContainer, Params.PictureCache,
                                          Params.Printing, Params.PrintScale, call.EntryBrushColor};
    call.Items.HitTestCall = Params.HitTest;
    call.Items.MouseDown = Params.MouseDown;
    call.Items.LinkValue = Result.LinkValue;
    if (Params.HitTest) call.Items.ControlID = Params.ControlID;
    call.TextFormat = BiDiDrawTextFlags(pieceFormat | (Params.WordWrap ? 0u : DT_END_ELLIPSIS), Params.ReadingMode);
    call.RightToLeftReading = (call.TextFormat & DT_RTLREADING) != 0;
    SetBrushColorOrNone(canvas, clNone);
    SetBkMode(canvas.Handle(), TRANSPARENT);

    const std::string source = PrepareSource(Text);
    std::string_view remaining = source;
    bool hit = false;
    int top = Bounds.Top;
    int height = 0;
    while (!remaining.empty()) {
        canvas.Font()->Assign(&call.MeasureFont);
        const int startHeight = LineStartHeight(canvas);
        THTMLLinePass measure = StartPass(call, THTMLPassMode::Calculating, TRect{Bounds.Left + 1, top, Bounds.Right,
                                                                                  Bounds.Bottom});
        measure.Measuring = true;
        // Lines are drawn shifted by the paragraph indent, so they are measured in the room it leaves.
        measure.Geometry.AvailableWidth -= call.ParagraphIndent;
        measure.Geometry.LineHeight = startHeight;
        call.Flow.Subscript = call.Flow.Superscript = false;
        const THTMLLineStartState lineStart = LineStart(call);
        const size_t before = remaining.size();
        RunPass(call, measure, call.MeasureFont, remaining);
        if (remaining.size() == before) break; // nothing could be laid out

        const int lineHeight = measure.Geometry.LineHeight;
        const int lineBottom = top + lineHeight + measure.SpaceBelow + measure.SpaceAbove;
        if (!Params.MeasureOnly) {
            RewindTo(call, lineStart);
            const int left = AlignedLeft(call, measure.Geometry.X);
            THTMLLinePass second = StartPass(call, Params.HitTest ? THTMLPassMode::Calculating : THTMLPassMode::Painting,
                                             TRect{left, top, Bounds.Right, lineBottom - measure.SpaceBelow});
            second.Geometry.LineHeight = lineHeight;
            second.SpaceBelow = measure.SpaceBelow;
            second.SpaceAbove = measure.SpaceAbove;
            second.BaselineLift = measure.BaselineLift;
            if (call.FocusOpen) call.FocusStartX = left + 1;
            std::string_view line = measure.Consumed;
            RunPass(call, second, call.PaintFont, line);
            const int textBottom = lineBottom - second.BaselineLift;
            const bool linkHit = second.LinkHit && textBottom - startHeight < Params.YPos && Params.YPos < textBottom;
            if (linkHit || second.Geometry.ItemHit) {
                hit = true;
                TakeHit(call, second);
            }
        }
        const int advance = lineHeight + measure.SpaceBelow + measure.SpaceAbove;
        top += advance;
        height += advance;
        if (!Params.MeasureOnly && top + startHeight > Bounds.Bottom) break;
    }

    canvas.Font()->Assign(&call.BaseFont);
    if (height == 0) height = LineStartHeight(canvas);
    RestoreUnrotatedFont(canvas, call.RotatedFont);
    canvas.Pen()->SetColor(penColor);
    canvas.Pen()->SetWidth(penWidth);
    canvas.Brush()->Assign(&entryBrush);

    Result.PlainText = std::move(call.PlainText);
    Result.FocusValue = std::move(call.FocusValue);
    Result.Width = call.Width;
    Result.Height = height;
    Result.LinkCount = call.Flow.LinkCounter;
    Result.HoveredLink = -1;
    Result.HoverRect = TRect{};
    Result.LinkTitle.clear();
    Result.ControlRect = TRect{};
    Result.ControlID = Params.HitTest ? Params.ControlID : std::string();
    Result.ControlValue.clear();
    Result.ControlType.clear();
    if (Params.MeasureOnly) return false;
    if (hit) {
        Result.LinkValue = call.Items.LinkValue;
        Result.LinkTitle = call.Items.LinkTitle;
    }
    Result.HoveredLink = call.HoveredLink;
    Result.HoverRect = call.HoverRect;
    Result.ControlRect = call.Items.ControlRect;
    Result.ControlID = call.Items.ControlID;
    Result.ControlValue = call.Items.ControlValue;
    Result.ControlType = call.Items.ControlType;
    return hit;
}
