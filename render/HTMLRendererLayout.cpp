// The mini-HTML renderer's call: preparing the source, the line loop and the results.
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/TextOutput.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLRenderCall.h"
#include "render/ThemeBinders.h"
#include "render/HTMLTags.h"
#include "render/HTMLUtils.h"

#include <array>

using namespace render;

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

// The hit results items write. Only the second pass sees a line where it is
// drawn, so what the measuring pass wrote is set aside.
struct ItemHitResults {
    std::string LinkValue;
    std::string LinkTitle;
    TRect ControlRect;
    std::string ControlID;
    std::string ControlValue;
    std::string ControlType;
};

ItemHitResults SaveHitResults(const THTMLItemCallState& items)
{
    return {items.LinkValue, items.LinkTitle, items.ControlRect, items.ControlID, items.ControlValue, items.ControlType};
}

void RestoreHitResults(THTMLItemCallState& items, ItemHitResults&& saved)
{
    items.LinkValue = std::move(saved.LinkValue);
    items.LinkTitle = std::move(saved.LinkTitle);
    items.ControlRect = saved.ControlRect;
    items.ControlID = std::move(saved.ControlID);
    items.ControlValue = std::move(saved.ControlValue);
    items.ControlType = std::move(saved.ControlType);
}

struct LineOutcome {
    bool LaidOut = false;  // false when the line could take nothing from the text
    int StartHeight = 0;   // height of "gh" in the font the line started with
    int Advance = 0;       // line height with the room for subscript and superscript
    bool Hit = false;
};

// Measures the next line from the front of Remaining, then (unless only
// measuring) draws or hit-tests it at its aligned place.
LineOutcome LayOutLine(THTMLRenderCall& call, std::string_view& remaining, int top)
{
    const THTMLRenderParams& params = call.Params;
    const TRect& bounds = call.Bounds;
    LineOutcome outcome;
    call.Canvas.Font()->Assign(&call.MeasureFont);
    outcome.StartHeight = LineStartHeight(call.Canvas);
    THTMLLinePass measure =
        StartPass(call, THTMLPassMode::Calculating, TRect{bounds.Left + 1, top, bounds.Right, bounds.Bottom});
    measure.Measuring = true;
    // Lines are drawn shifted by the paragraph indent, so they are measured in the room it leaves.
    measure.Geometry.AvailableWidth -= call.ParagraphIndent;
    measure.Geometry.LineHeight = outcome.StartHeight;
    call.Flow.Subscript = call.Flow.Superscript = false;
    const THTMLLineStartState lineStart = LineStart(call);
    ItemHitResults hitResults = SaveHitResults(call.Items);
    const size_t before = remaining.size();
    RunPass(call, measure, call.MeasureFont, remaining);
    RestoreHitResults(call.Items, std::move(hitResults));
    if (remaining.size() == before) return outcome;
    outcome.LaidOut = true;
    outcome.Advance = measure.Geometry.LineHeight + measure.SpaceBelow + measure.SpaceAbove;
    if (params.MeasureOnly) return outcome;

    RewindTo(call, lineStart);
    const int left = AlignedLeft(call, measure.Geometry.X);
    const int lineBottom = top + outcome.Advance;
    THTMLLinePass second = StartPass(call, params.HitTest ? THTMLPassMode::Calculating : THTMLPassMode::Painting,
                                     TRect{left, top, bounds.Right, lineBottom - measure.SpaceBelow});
    second.Geometry.LineHeight = measure.Geometry.LineHeight;
    second.SpaceBelow = measure.SpaceBelow;
    second.SpaceAbove = measure.SpaceAbove;
    second.BaselineLift = measure.BaselineLift;
    if (call.FocusOpen) call.FocusStartX = left + 1;
    second.MeasuredWidths = &measure.PieceWidths;
    std::string_view line = measure.Consumed;
    RunPass(call, second, call.PaintFont, line);
    const int textBottom = lineBottom - second.BaselineLift;
    const bool linkHit =
        second.LinkHit && textBottom - outcome.StartHeight < params.YPos && params.YPos < textBottom;
    outcome.Hit = linkHit || second.Geometry.ItemHit;
    if (outcome.Hit) TakeHit(call, second);
    return outcome;
}

void WriteResult(THTMLRenderCall& call, int height, bool hit, THTMLRenderResult& result)
{
    result.PlainText = std::move(call.PlainText);
    result.FocusValue = std::move(call.FocusValue);
    result.Width = call.Width;
    result.Height = height;
    result.LinkCount = call.Flow.LinkCounter;
    // The link value is written only on a hit; the rest always.
    if (hit) result.LinkValue = call.Items.LinkValue;
    result.LinkTitle = hit ? call.Items.LinkTitle : std::string();
    result.HoveredLink = call.HoveredLink;
    result.HoverRect = call.HoverRect;
    result.ControlRect = call.Items.ControlRect;
    result.ControlID = call.Items.ControlID;
    result.ControlValue = call.Items.ControlValue;
    result.ControlType = call.Items.ControlType;
}

} // namespace

THTMLRenderCall::THTMLRenderCall(TCanvas& canvas, const TRect& bounds, const THTMLRenderParams& params)
    : Canvas(canvas), Bounds(bounds), Params(params)
{
    BaseFont.Assign(canvas.Font());
    MeasureFont.Assign(canvas.Font());
    PaintFont.Assign(canvas.Font());
    EntryBrushColor = canvas.Brush()->Color();
    ImageSources = THTMLImageSources{params.Images,   params.PictureContainer, params.PictureCache,
                                     params.Printing, params.PrintScale,       EntryBrushColor};
    Items.HitTestCall = params.HitTest;
    Items.MouseDown = params.MouseDown;
    Items.Window = params.Window;
    Items.Themed = ControlsThemeBinder().ThemeActive();
    if (params.HitTest) Items.ControlID = params.ControlID;
    TextFormat = BiDiDrawTextFlags(pieceFormat | (params.WordWrap ? 0u : DT_END_ELLIPSIS), params.ReadingMode);
    RightToLeftReading = (TextFormat & DT_RTLREADING) != 0;
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
    SetBrushColorOrNone(canvas, clNone);
    SetBkMode(canvas.Handle(), TRANSPARENT);

    const std::string source = PrepareSource(Text);
    std::string_view remaining = source;
    bool hit = false;
    int top = Bounds.Top;
    int height = 0;
    while (!remaining.empty()) {
        const LineOutcome line = LayOutLine(call, remaining, top);
        if (!line.LaidOut) break;
        hit = hit || line.Hit;
        top += line.Advance;
        height += line.Advance;
        // The first line is always laid out; a later one only when it starts inside the bounds.
        if (!Params.MeasureOnly && top + line.StartHeight > Bounds.Bottom) break;
    }

    canvas.Font()->Assign(&call.BaseFont);
    if (height == 0) height = LineStartHeight(canvas);
    RestoreUnrotatedFont(canvas, call.RotatedFont);
    canvas.Pen()->SetColor(penColor);
    canvas.Pen()->SetWidth(penWidth);
    canvas.Brush()->Assign(&entryBrush);
    WriteResult(call, height, hit, Result);
    return hit;
}
