// What each tag of the mini-HTML markup does to the font, brush, pen and flags of a line pass.
#include "render/HTMLTags.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLControls.h"
#include "render/HTMLLinks.h"
#include "render/HTMLRenderCall.h"
#include "render/HTMLUtils.h"

#include <algorithm>

namespace render {
namespace {

// Sizes and offsets from the markup stay within this many pixels or points,
// so that hostile values cannot overflow the layout arithmetic.
constexpr int maxCoordinate = 1'000'000;
constexpr int maxPointSize = 1000;
constexpr int listIndent = 12;

int ClampCoordinate(int v) { return std::clamp(v, -maxCoordinate, maxCoordinate); }

// FONT SIZE: 1 to 5 are the classic steps, anything else is a point size.
int FontPointSize(int size)
{
    constexpr int steps[] = {8, 10, 12, 14, 16};
    if (size >= 1 && size <= 5) return steps[size - 1];
    return std::clamp(size, 1, maxPointSize);
}

void ApplyFont(THTMLRenderCall& call, THTMLLinePass& pass, std::string_view body)
{
    TCanvas& canvas = call.Canvas;
    if (auto face = HTMLTagAttribute(body, "FACE"); face && !face->empty()) canvas.Font()->SetName(UpperCase(*face));
    if (auto color = HTMLTagAttribute(body, "COLOR"); color && !color->empty() && !call.Params.Selected)
        canvas.Font()->SetColor(HTMLTagColor(*color));
    if (auto back = HTMLTagAttribute(body, "BGCOLOR"); back && pass.Painting() && !call.Params.Selected) {
        call.FontBackgroundSaved = BrushColorOrNone(canvas);
        SetBrushColorOrNone(canvas, back->empty() ? clNone : HTMLTagColor(*back));
    }
    if (auto size = HTMLTagLeadingInteger(body, "SIZE")) canvas.Font()->SetSize(FontPointSize(*size));
}

void ApplyParagraph(THTMLRenderCall& call, THTMLLinePass& pass, std::string_view body)
{
    if (auto align = HTMLTagAttribute(body, "ALIGN")) {
        const std::string value = UpperCase(*align);
        if (value.find("RIGHT") != std::string::npos) call.ParagraphAlignment = THTMLAlignment::Right;
        if (value.find("LEFT") != std::string::npos) call.ParagraphAlignment = THTMLAlignment::Left;
        if (value.find("CENTER") != std::string::npos) call.ParagraphAlignment = THTMLAlignment::Center;
    }
    if (auto indent = HTMLTagAttribute(body, "INDENT")) {
        call.ParagraphIndent = ClampCoordinate(TextToIntLoose(*indent));
        // The line will be drawn indented, so it is measured in the room left.
        if (pass.Measuring) pass.Geometry.AvailableWidth = pass.Right - pass.Geometry.Left - call.ParagraphIndent;
    }
    auto back = HTMLTagAttribute(body, "BGCOLOR");
    if (!back || !pass.Painting()) return;
    TCanvas& canvas = call.Canvas;
    const TColor color = back->empty() ? clNone : HTMLTagColor(*back);
    call.ParagraphBackground = true;
    call.ParagraphBackgroundSaved = BrushColorOrNone(canvas);
    SetBrushColorOrNone(canvas, color);
    if (color == clNone) return;
    canvas.Pen()->SetColor(color);
    canvas.Rectangle(call.Bounds.Left, pass.Geometry.Top, call.Bounds.Right, pass.Geometry.Bottom);
}

void ApplyBody(THTMLRenderCall& call, std::string_view body)
{
    TCanvas& canvas = call.Canvas;
    if (auto background = HTMLTagAttribute(body, "BACKGROUND"); background && !background->empty())
        DrawHTMLBackground(canvas, call.Bounds, *background, call.Params.PictureContainer,
                           call.Params.PictureCache);
    auto back = HTMLTagAttribute(body, "BGCOLOR");
    if (!back) return;
    const std::string value = UpperCase(*back);
    TColor color;
    if (value.find("CL") != std::string::npos)
        color = ColorFromHTMLName(LowerCase(value));
    else if (value.find('#') != std::string::npos)
        color = ColorFromHTMLHex(value.substr(value.find('#')));
    else
        return;
    SetBrushColorOrNone(canvas, color);
    call.FontBackgroundSaved = color;
    const TColor penColor = canvas.Pen()->Color();
    canvas.Pen()->SetColor(color);
    canvas.Rectangle(call.Bounds);
    canvas.Pen()->SetColor(penColor);
}

void ApplyListItem(THTMLRenderCall& call, THTMLLinePass& pass)
{
    THTMLInlinePass& g = pass.Geometry;
    if (pass.ListItemMet) {
        g.Wrap = true; // each list item starts a line
        return;
    }
    pass.ListItemMet = true;
    const int level = call.Flow.ListLevel;
    g.X += listIndent * level;
    g.DrawX += listIndent * level - listIndent;
    if (pass.Painting()) {
        TCanvas& canvas = call.Canvas;
        const std::string name = canvas.Font()->Name();
        canvas.Font()->SetName("Symbol");
        canvas.TextOut(g.DrawX, g.Top, level % 2 != 0 ? "\xE2\x80\xA2" : "o");
        canvas.Font()->SetName(name);
    }
    g.DrawX += listIndent;
}

void ApplyIndentTo(THTMLRenderCall& call, THTMLLinePass& pass, std::string_view body)
{
    auto value = HTMLTagAttribute(body, "X");
    int v;
    if (!value || !TryStrToInt(*value, v)) return;
    v = ClampCoordinate(v);
    if (pass.Geometry.X < v) {
        pass.Geometry.X = v;
        pass.Geometry.DrawX = call.Bounds.Left + v;
    }
}

void ApplyHighlight(THTMLRenderCall& call)
{
    TCanvas& canvas = call.Canvas;
    call.HighlightTextSaved = canvas.Font()->Color();
    call.HighlightBrushSaved = BrushColorOrNone(canvas);
    SetBrushColorOrNone(canvas, HighlightBackgroundColor());
    canvas.Font()->SetColor(HighlightTextColor());
}

void DrawRule(THTMLRenderCall& call, const THTMLLinePass& pass)
{
    TCanvas& canvas = call.Canvas;
    const TColor penColor = canvas.Pen()->Color();
    canvas.Pen()->SetColor(clBlack);
    const int y = pass.Geometry.Bottom + 1;
    canvas.MoveTo(pass.Geometry.Left, y);
    canvas.LineTo(pass.Right, y);
    canvas.Pen()->SetColor(penColor);
}

void OpenTag(THTMLRenderCall& call, THTMLLinePass& pass, std::string_view tag, std::string_view body, char letter,
             char next)
{
    TCanvas& canvas = call.Canvas;
    const bool painting = pass.Painting();
    switch (letter) {
    case 'A': OpenHTMLLink(call, pass, body); break;
    case 'B':
        if (next == '>') SetFontStyle(canvas, fsBold, true);
        else if (next == 'R') {
            pass.LineEnd = true;
            if (pass.Measuring) call.PlainText += '\r';
        } else if (next == 'L') {
            if (!call.Params.BlinkVisible) canvas.Font()->SetColor(call.EntryBrushColor);
        } else if (next == 'O' && painting) {
            ApplyBody(call, body);
        }
        break;
    case 'C': LayoutHTMLControl(pass.Geometry, call.Items, tag); break;
    case 'E':
        if (painting) call.ErrorMark = true;
        break;
    case 'F': ApplyFont(call, pass, UpperCase(body)); break;
    case 'H':
        if (next == 'I' && painting) ApplyHighlight(call);
        else if (next == 'R') {
            pass.LineEnd = true;
            if (painting) DrawRule(call, pass);
        }
        break;
    case 'I':
        if (next == '>') SetFontStyle(canvas, fsItalic, true);
        else if (next == 'N') ApplyIndentTo(call, pass, UpperCase(body));
        else if (next == 'M') LayoutHTMLImage(pass.Geometry, call.Items, call.ImageSources, call.Flow.Link, tag,
                                              pass.BaselineLift);
        break;
    case 'L': ApplyListItem(call, pass); break;
    case 'P': ApplyParagraph(call, pass, UpperCase(body)); break;
    case 'R':
        BeginRotatedFont(canvas, HTMLTagLeadingInteger(UpperCase(body), "A").value_or(0), call.RotatedFont);
        break;
    case 'S':
        if (next == '>') SetFontStyle(canvas, fsStrikeOut, true);
        else if (next == 'H') call.Flow.Shadow = true;
        else if (SameText(tag.substr(0, 5), "<SUB>")) call.Flow.Subscript = true;
        else if (SameText(tag.substr(0, 5), "<SUP>")) call.Flow.Superscript = true;
        break;
    case 'U':
        if (next == '>') SetFontStyle(canvas, fsUnderline, true);
        else {
            ++call.Flow.ListLevel;
            pass.LineEnd = true;
        }
        break;
    case 'Z': call.Flow.Hidden = true; break;
    default: break;
    }
}

void CloseTag(THTMLRenderCall& call, THTMLLinePass& pass, char letter, char next)
{
    TCanvas& canvas = call.Canvas;
    const bool painting = pass.Painting();
    switch (letter) {
    case 'A': CloseHTMLLink(call, pass); break;
    case 'B':
        if (next == '>') SetFontStyle(canvas, fsBold, false);
        else canvas.Font()->SetColor(call.BaseFont.Color());
        break;
    case 'E':
        if (painting) call.ErrorMark = false;
        break;
    case 'F':
        canvas.Font()->SetName(call.BaseFont.Name());
        canvas.Font()->SetSize(call.BaseFont.Size());
        if (painting && !call.Params.Selected) {
            canvas.Font()->SetColor(call.BaseFont.Color());
            SetBrushColorOrNone(canvas, call.FontBackgroundSaved);
        }
        break;
    case 'H':
        if (painting) {
            canvas.Font()->SetColor(call.HighlightTextSaved);
            SetBrushColorOrNone(canvas, call.HighlightBrushSaved);
        }
        break;
    case 'I': SetFontStyle(canvas, fsItalic, false); break;
    case 'L': pass.LineEnd = true; break;
    case 'P':
        pass.LineEnd = true;
        if (painting) {
            SetBrushColorOrNone(canvas, call.ParagraphBackgroundSaved);
            call.ParagraphBackground = false;
        }
        break;
    case 'R': RestoreUnrotatedFont(canvas, call.RotatedFont); break;
    case 'S':
        if (next == 'U') call.Flow.Subscript = call.Flow.Superscript = false;
        else if (next == 'H') call.Flow.Shadow = false;
        else SetFontStyle(canvas, fsStrikeOut, false);
        break;
    case 'U':
        if (next == '>' || call.Flow.ListLevel < 1) SetFontStyle(canvas, fsUnderline, false);
        else --call.Flow.ListLevel;
        break;
    case 'Z': call.Flow.Hidden = false; break;
    default: break;
    }
}

} // namespace

void ApplyHTMLTag(THTMLRenderCall& Call, THTMLLinePass& Pass, std::string_view Tag, bool Closing, char Letter,
                  char Next)
{
    if (Closing) {
        CloseTag(Call, Pass, Letter, Next);
        return;
    }
    // The body follows "<" and the tag's first letter, up to the ">".
    std::string_view body = Tag.size() > 2 ? Tag.substr(2, Tag.size() - 3) : std::string_view();
    OpenTag(Call, Pass, Tag, body, Letter, Next);
}

void DrawErrorZigZag(TCanvas& Canvas, int Left, int Right, int Bottom)
{
    Canvas.Pen()->SetColor(clRed);
    Canvas.Pen()->SetWidth(1);
    // Starting on an even x with the phase of x mod 4 lets neighbouring pieces
    // continue the same wave.
    int x = Left / 2 * 2;
    int phase = x % 4 == 0 ? 2 : 0;
    Canvas.MoveTo(x, Bottom + phase - 1);
    while (x < Right) {
        phase = 2 - phase;
        Canvas.LineTo(x + 2, Bottom + phase - 1);
        x += 2;
    }
}

} // namespace render

void BeginRotatedFont(TCanvas& Canvas, int Angle, graphics::TGdiObjectPtr& Rotated)
{
    LOGFONT font = Canvas.Font()->LogFont();
    font.lfEscapement = font.lfOrientation = (Angle % 360) * 10;
    Rotated.reset(CreateFontIndirect(font));
    SelectObject(Canvas.Handle(), Rotated.get());
}

void RestoreUnrotatedFont(TCanvas& Canvas, graphics::TGdiObjectPtr& Rotated)
{
    if (!Rotated) return;
    // The canvas selects its own font again on its next use.
    Canvas.Refresh();
    Rotated.reset();
}
