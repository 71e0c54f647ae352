// The grid button's properties, looks, groups, action link and mouse handling.
#include "grid/base/QuillGridButton.h"

#include <array>

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Menus.h"
#include "render/QuillStyleIF.h"

namespace {

struct TButtonLook {
    TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo,
        BorderDownColor, BorderHotColor;
    bool Rounded;
};

constexpr std::array<TButtonLook, 7> kLooks{{
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
}};

// Glyphs always draw with their bottom-left colour left out, whatever the source bitmap said.
void CopyGlyph(TBitmap& Glyph, const TBitmap& Source)
{
    Glyph.Assign(&Source);
    Glyph.SetTransparentMode(tmAuto);
    Glyph.SetTransparent(true);
}

// Each pixel becomes grey at half its brightness, lifted by 96.
void MakeDisabledGlyph(const TBitmap& Glyph, TBitmap& Disabled)
{
    CopyGlyph(Disabled, Glyph);
    for (int y = 0; y < Disabled.Height(); ++y) {
        TRGBQuad* row = Disabled.ScanLine(y);
        for (int x = 0; x < Disabled.Width(); ++x) {
            const int sum = row[x].rgbRed + row[x].rgbGreen + row[x].rgbBlue;
            const auto grey = static_cast<std::uint8_t>((sum + 1) / 3 / 2 + 96);
            row[x].rgbRed = row[x].rgbGreen = row[x].rgbBlue = grey;
        }
    }
    Disabled.PixelsChanged();
}

// A $808080 silhouette of the glyph's opaque pixels on white; white takes the
// bottom-left corner, so it is the shade's transparent colour too.
void MakeShadeGlyph(const TBitmap& Glyph, TBitmap& Shade)
{
    CopyGlyph(Shade, Glyph);
    if (Shade.Empty()) return;
    const TRGBQuad key = Glyph.ScanLine(Glyph.Height() - 1)[0];
    for (int y = 0; y < Shade.Height(); ++y) {
        TRGBQuad* row = Shade.ScanLine(y);
        for (int x = 0; x < Shade.Width(); ++x) {
            const bool transparent =
                row[x].rgbRed == key.rgbRed && row[x].rgbGreen == key.rgbGreen && row[x].rgbBlue == key.rgbBlue;
            const std::uint8_t level = transparent ? 0xFF : 0x80;
            row[x] = {level, level, level, 0xFF};
        }
    }
    Shade.PixelsChanged();
}

} // namespace

// ---- TQuillGridButtonActionLink

TQuillGridButtonActionLink::TQuillGridButtonActionLink(TQuillGridButton& Client)
    : TGridActionLink(Client), FButton(Client)
{
}

bool TQuillGridButtonActionLink::IsCheckedLinked() const
{
    return TGridActionLink::IsCheckedLinked() && FButton.GroupIndex() != 0 && FButton.AllowAllUp() &&
           Action()->Checked() == FButton.Down();
}

bool TQuillGridButtonActionLink::IsGroupIndexLinked() const
{
    return TGridActionLink::IsGroupIndexLinked() && Action()->GroupIndex() == FButton.GroupIndex();
}

void TQuillGridButtonActionLink::SetChecked(bool Value)
{
    if (IsCheckedLinked()) FButton.SetDown(Value);
}

void TQuillGridButtonActionLink::SetGroupIndex(int Value)
{
    if (IsGroupIndexLinked()) FButton.SetGroupIndex(Value);
}

// ---- TQuillGridButton

TQuillGridButton::TQuillGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()), FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](TObject* Sender) { GlyphChanged(Sender); };
    SetColor(clBtnFace);
    SetBounds(0, 0, 23, 22);
    ControlStyle() = TControlStyle{csCaptureMouse, csDoubleClicks};
    SetParentFont(true);
}

TQuillGridButton::~TQuillGridButton() = default;

void TQuillGridButton::Click()
{
    if (OnClick) TGraphicControl::Click();
    else if (FActionLink) FActionLink->Execute();
}

void TQuillGridButton::DblClick()
{
    if (FDown) TGraphicControl::DblClick();
}

void TQuillGridButton::SetGroupIndex(int Value)
{
    if (Value == FGroupIndex) return;
    FGroupIndex = Value;
    NotifyGroup();
}

void TQuillGridButton::SetAllowAllUp(bool Value)
{
    if (Value == FAllowAllUp) return;
    FAllowAllUp = Value;
    NotifyGroup();
}

void TQuillGridButton::SetDown(bool Value)
{
    if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        Invalidate();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
        NotifyGroup();
    } else {
        FState = bsUp;
        Invalidate();
    }
}

void TQuillGridButton::SetGlyph(const TBitmap& Value)
{
    CopyGlyph(*FGlyph, Value);
    if (FGlyphDisabled->Empty()) MakeDisabledGlyph(*FGlyph, *FGlyphDisabled);
}

void TQuillGridButton::SetGlyphDisabled(const TBitmap& Value)
{
    CopyGlyph(*FGlyphDisabled, Value);
}

void TQuillGridButton::SetGlyphHot(const TBitmap& Value)
{
    CopyGlyph(*FGlyphHot, Value);
}

void TQuillGridButton::SetGlyphDown(const TBitmap& Value)
{
    CopyGlyph(*FGlyphDown, Value);
}

void TQuillGridButton::GlyphChanged(TObject*)
{
    Invalidate();
}

void TQuillGridButton::SetShaded(bool Value)
{
    FShaded = Value;
    if (FShaded && !ComponentState().Contains(csLoading)) BuildShadeGlyph();
}

void TQuillGridButton::BuildShadeGlyph()
{
    MakeShadeGlyph(*FGlyph, *FGlyphShade);
}

void TQuillGridButton::SetLayout(TButtonLayout Value)
{
    if (Value == FLayout) return;
    FLayout = Value;
    Invalidate();
}

void TQuillGridButton::SetSpacing(int Value)
{
    if (Value == FSpacing) return;
    FSpacing = Value;
    Invalidate();
}

void TQuillGridButton::SetMargin(int Value)
{
    if (Value == FMargin || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TQuillGridButton::SetFlat(bool Value)
{
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

void TQuillGridButton::SetShowCaption(bool Value)
{
    if (Value == FShowCaption) return;
    FShowCaption = Value;
    Invalidate();
}

void TQuillGridButton::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TQuillGridButton::SetColorChecked(TColor Value)
{
    FColorChecked = Value;
    Invalidate();
}

void TQuillGridButton::SetColorCheckedTo(TColor Value)
{
    FColorCheckedTo = Value;
    Invalidate();
}

void TQuillGridButton::SetBorderColor(TColor Value)
{
    FBorderColor = Value;
    Invalidate();
}

void TQuillGridButton::SetStyle(TQuillGridButtonStyle Value)
{
    FStyle = Value;
    Invalidate();
}

void TQuillGridButton::SetRounded(bool Value)
{
    FRounded = Value;
    Invalidate();
}

void TQuillGridButton::SetDropDownButton(bool Value)
{
    FDropDownButton = Value;
    Invalidate();
}

void TQuillGridButton::SetDropDownMenu(TPopupMenu* Value)
{
    if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = Value;
    if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TQuillGridButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TQuillGridButton::SetLook(int Value)
{
    if (Value < 0 || Value >= static_cast<int>(kLooks.size())) return;
    FLook = Value;
    const TButtonLook& look = kLooks[static_cast<std::size_t>(Value)];
    SetColor(look.Color);
    FColorTo = look.ColorTo;
    FColorHot = look.ColorHot;
    FColorHotTo = look.ColorHotTo;
    FColorDown = look.ColorDown;
    FColorDownTo = look.ColorDownTo;
    FColorChecked = look.ColorChecked;
    FColorCheckedTo = look.ColorCheckedTo;
    FBorderDownColor = look.BorderDownColor;
    FBorderHotColor = look.BorderHotColor;
    FBorderColor = clNone;
    FRounded = look.Rounded;
    FFlat = true;
    Invalidate();
}

void TQuillGridButton::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    if (FAutoThemeAdapt) AdaptToTheme();
}

// The blue, olive and silver schemes have looks 2 to 4; no scheme gives the classic look.
void TQuillGridButton::AdaptToTheme()
{
    const int scheme = CurrentXPColorScheme();
    SetLook(scheme == 0 ? 1 : scheme + 1);
}

void TQuillGridButton::Loaded()
{
    TGraphicControl::Loaded();
    if (FShaded) BuildShadeGlyph();
    if (FAutoThemeAdapt) AdaptToTheme();
}

grid::TGridAction* TQuillGridButton::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

// A new action hands the button its caption, states, hint and group at once.
void TQuillGridButton::SetAction(grid::TGridAction* Value)
{
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) FActionLink = std::make_unique<TQuillGridButtonActionLink>(*this);
    FActionLink->SetAction(Value);
    SetCaption(Value->Caption());
    SetEnabled(Value->Enabled());
    SetHint(Value->Hint());
    SetVisible(Value->Visible());
    SetGroupIndex(Value->GroupIndex());
    SetDown(Value->Checked());
}

void TQuillGridButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !Parent()) return;
    TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(message);
}

void TQuillGridButton::ButtonPressed(int Group, TQuillGridButton& Sender)
{
    if (Group != FGroupIndex || &Sender == this) return;
    if (Sender.FDown && FDown) {
        FDown = false;
        FState = bsUp;
        if (FActionLink && FActionLink->Action()) FActionLink->Action()->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = Sender.FAllowAllUp;
}

void TQuillGridButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED:
        // Every button class of the parent broadcasts this; only grid buttons join our groups.
        if (auto* sender = dynamic_cast<TQuillGridButton*>(reinterpret_cast<TControl*>(Message.LParam)))
            ButtonPressed(static_cast<int>(Message.WParam), *sender);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && Enabled() && Visible() && Parent() &&
            Parent()->Showing()) {
            Click();
            Message.Result = 1;
        }
        return;
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
        if (FAutoThemeAdapt) AdaptToTheme();
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

bool TQuillGridButton::OnDropDownPart(int X) const
{
    return FDropDownButton && X >= Width() - DropDownPartWidth;
}

void TQuillGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (OnDropDownPart(X)) {
        FState = bsUp;
        Invalidate();
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu) {
            const TPoint corner = ClientToScreen({0, Height()});
            FDropDownMenu->Popup(corner.X, corner.Y);
        }
        return;
    }
    if (!FDown || FStyle == tasCheck) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TQuillGridButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) {
        UpdateTracking(X, Y);
        return;
    }
    TButtonState state;
    if (FStyle == tasCheck && FDown) state = bsDown;
    else if (FDown) state = bsExclusive;
    else state = ClientRect().Contains({X, Y}) ? bsDown : bsUp;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TQuillGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = ClientRect().Contains({X, Y});
    if (FGroupIndex == 0) {
        // A release outside cancels the click, so a check button keeps its state too.
        if (FStyle == tasCheck && inside) SetDown(!FDown);
        FState = bsUp;
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
    } else if (FDown) {
        FState = bsExclusive;
        Invalidate();
    }
    if (inside) Click();
    UpdateTracking(X, Y);
}

void TQuillGridButton::UpdateTracking(int X, int Y)
{
    if (!FFlat || !Enabled()) return;
    SetMouseInControl(ClientRect().Contains({X, Y}));
}

void TQuillGridButton::SetMouseInControl(bool Value)
{
    if (Value == FMouseInControl) return;
    FMouseInControl = Value;
    Invalidate();
}

void TQuillGridButton::CMMouseEnter(TMessage& Message)
{
    if (Enabled() && !FDragging && !ui::CaptureControl()) SetMouseInControl(true);
    TGraphicControl::CMMouseEnter(Message);
}

void TQuillGridButton::CMMouseLeave(TMessage& Message)
{
    if (!FDragging) SetMouseInControl(false);
    TGraphicControl::CMMouseLeave(Message);
}
