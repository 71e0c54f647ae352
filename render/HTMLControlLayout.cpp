// Laying out, drawing and hit-testing the form controls that CONTROL tags embed in a line of markup.
#include "render/HTMLControls.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "render/ThemeBinders.h"

namespace render {

namespace {

constexpr int DefaultControlHeight = 25;
constexpr int BoxSize = 16;
constexpr int ButtonHoverHeight = 24;
constexpr int ComboButtonWidth = 18;
constexpr TColor BorderColor = 0x808080;

enum class TControlKind { Edit, Password, Mask, Combo, Check, Radio, Button, Other };

TControlKind KindOf(const std::string& type)
{
    if (type == "EDIT") return TControlKind::Edit;
    if (type == "PASSWORD") return TControlKind::Password;
    if (type == "MASK") return TControlKind::Mask;
    if (type == "COMBO") return TControlKind::Combo;
    if (type == "CHECK") return TControlKind::Check;
    if (type == "RADIO") return TControlKind::Radio;
    if (type == "BUTTON") return TControlKind::Button;
    return TControlKind::Other;
}

bool IsBox(TControlKind kind) { return kind == TControlKind::Check || kind == TControlKind::Radio; }

void DrawValue(TCanvas& canvas, TRect r, std::string text, bool centred)
{
    // Values are data, not captions: an "&" shows as typed.
    TTextFormat format{tfSingleLine, tfVerticalCenter, tfNoPrefix};
    if (centred) format.Include(tfCenter);
    canvas.TextRect(r, text, format);
}

// The white box of edit, password, mask and combo controls, standing on the line's bottom.
void DrawEditBox(TCanvas& canvas, int x, int bottom, int lineHeight, int width)
{
    canvas.Pen()->SetColor(BorderColor);
    canvas.Brush()->SetColor(clWhite);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Rectangle(x, bottom - lineHeight + 4, x + width, bottom + 2);
    canvas.Brush()->SetStyle(bsClear);
}

void DrawFrame(TCanvas& canvas, TRect r, unsigned type, unsigned state)
{
    DrawFrameControl(canvas.Handle(), r, type, state);
}

// The desktop theme's part when themed drawing is possible, else the frame control.
void DrawThemedOrFrame(TCanvas& canvas, const THTMLItemCallState& call, const TRect& r, std::string_view themeClass,
                       int part, int themeState, unsigned type, unsigned state)
{
    if (call.Themed && ControlsThemeBinder().DrawPart(call.Window, themeClass, part, themeState, canvas.Handle(), r))
        return;
    DrawFrame(canvas, r, type, state);
}

void DrawControl(const THTMLInlinePass& pass, THTMLItemCallState& call, TControlKind kind,
                 const TControlTagAttributes& tag)
{
    TCanvas& canvas = *pass.Canvas;
    const int x = pass.DrawX;
    const int b = pass.Bottom;
    const int L = pass.LineHeight;
    const int width = call.Control.Width;
    switch (kind) {
    case TControlKind::Edit:
    case TControlKind::Password:
    case TControlKind::Mask:
        DrawEditBox(canvas, x, b, L, width);
        DrawValue(canvas, TRect{x + 2, b - L + 4, x + width, b},
                  kind == TControlKind::Password ? PasswordMask(tag.Value) : tag.Value, false);
        break;
    case TControlKind::Combo: {
        DrawEditBox(canvas, x, b, L, width);
        DrawValue(canvas, TRect{x + 4, b - L + 4, x + width - ComboButtonWidth, b}, tag.Value, false);
        const TPoint& p = pass.Point;
        const bool hover = x - 2 < p.X && p.X < x + width - 2 && b - call.Control.ItemHeight - 2 < p.Y && p.Y < b - 2;
        DrawThemedOrFrame(canvas, call, TRect{x + width - ComboButtonWidth, b - L + 5, x + width - 1, b + 1},
                          "combobox", CP_DROPDOWNBUTTON, hover ? CBXS_HOT : CBXS_NORMAL, DFC_SCROLL,
                          DFCS_SCROLLCOMBOBOX);
        break;
    }
    case TControlKind::Check:
    case TControlKind::Radio: {
        canvas.Pen()->SetColor(BorderColor);
        canvas.Brush()->SetStyle(bsClear);
        bool checked = UpperCase(tag.Value) == "TRUE";
        if (kind == TControlKind::Check)
            DrawThemedOrFrame(canvas, call, TRect{x + 2, b - 15, x + 15, b}, "button", BP_CHECKBOX,
                              checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, DFC_BUTTON,
                              DFCS_FLAT | DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0u));
        else
            DrawThemedOrFrame(canvas, call, TRect{x + 2, b - 14, x + 14, b}, "button", BP_RADIOBUTTON,
                              checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL, DFC_BUTTON,
                              DFCS_FLAT | DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0u));
        break;
    }
    case TControlKind::Button: {
        canvas.Pen()->SetColor(BorderColor);
        canvas.Brush()->SetStyle(bsClear);
        TRect r{x + 2, b - call.Control.Height, x + width - 2, b};
        const TPoint& p = pass.Point;
        call.Control.Hover = x - 2 < p.X && p.X < x + width - 2 && b - ButtonHoverHeight - 2 < p.Y && p.Y < b - 2;
        const bool pressed = call.Control.Hover && call.MouseDown;
        DrawThemedOrFrame(canvas, call, r, "button", BP_PUSHBUTTON,
                          pressed ? PBS_PRESSED : call.Control.Hover ? PBS_HOT : PBS_NORMAL, DFC_BUTTON,
                          DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
        DrawValue(canvas, TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}, tag.Value, true);
        break;
    }
    case TControlKind::Other:
        break;
    }
}

} // namespace

void LayoutHTMLControl(THTMLInlinePass& Pass, THTMLItemCallState& Call, std::string_view Tag)
{
    const TControlTagAttributes tag = ParseControlTag(Tag);
    THTMLControlGeometry& control = Call.Control;
    control.Height = StrToIntDef(tag.Height, DefaultControlHeight);
    if (tag.Width.empty()) return;
    int width = 0;
    if (TryStrToInt(tag.Width, width)) {
        control.Width = width;
        control.ItemHeight = Pass.Canvas->TextHeight("gh") + 10;
    }
    const TControlKind kind = KindOf(tag.Type);
    if (control.Height > DefaultControlHeight)
        Pass.LineHeight = control.Height - 2;
    else
        Pass.LineHeight = IsBox(kind) ? BoxSize : 23;

    if (Pass.Painting) DrawControl(Pass, Call, kind, tag);

    if (kind == TControlKind::Button || kind == TControlKind::Combo)
        control.ItemHeight = DefaultControlHeight;
    else if (IsBox(kind))
        control.Width = control.ItemHeight = BoxSize;

    const int pointX = Pass.Point.X - Pass.Left;
    const bool onControl = Pass.X < pointX && pointX < Pass.X + control.Width && Pass.Top < Pass.Point.Y &&
                           Pass.Point.Y < Pass.Top + control.ItemHeight;
    const bool located = Call.HitTestCall && !Call.ControlID.empty() && Call.ControlID == tag.ID;
    if (onControl || located) {
        Pass.ItemHit = true;
        Call.LinkValue = "ctrl";
        Call.ImageHit = Call.ImageCounter;
        Call.ControlRect = TRect{Pass.Left + Pass.X, Pass.Top, Pass.Left + Pass.X + control.Width,
                                 Pass.Top + control.ItemHeight};
        Call.ControlValue = tag.Value;
        Call.ControlID = tag.ID;
        Call.ControlType = tag.Type;
    }

    if (Pass.X + control.Width > Pass.AvailableWidth && control.Width < Pass.AvailableWidth) {
        Pass.Wrap = true;
        return;
    }
    Pass.X += control.Width;
    Pass.DrawX += control.Width;
    Pass.LineHeight = std::max(Pass.LineHeight, control.ItemHeight);
}

} // namespace render
