// The grid's flat button: gradient looks, glyph set, check style, button
// groups, an optional drop-down part, and its link to an action.
#pragma once

#include <memory>

#include "grid/base/GridButtonAction.h"
#include "grid/base/GridEnums.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/CustomControl.h"

class TBitmap;
class TPopupMenu;

// How a button is drawn at the moment: up, disabled, pressed, or held down
// as the chosen button of its group.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TQuillGridButton;

// Keeps a grid button in step with its action; the checked state and group
// index follow the action only for grouped buttons that agree with it.
class TQuillGridButtonActionLink : public grid::TGridActionLink {
public:
    explicit TQuillGridButtonActionLink(TQuillGridButton& Client);

    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(int Value) override;

private:
    TQuillGridButton& FButton;
};

class TQuillGridButton : public TGraphicControl {
    VISTRA_CLASS(TQuillGridButton, TGraphicControl)

    // Width of the drop-down part at the right edge.
    static constexpr int DropDownPartWidth = 12;

    explicit TQuillGridButton(TComponent* AOwner);
    ~TQuillGridButton() override;

    // Fires OnClick, or runs the linked action when there is no OnClick.
    void Click() override;
    // Only a button that is down answers double clicks.
    void DblClick() override;

    int GroupIndex() const noexcept { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AllowAllUp() const noexcept { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool Down() const noexcept { return FDown; }
    void SetDown(bool Value);

    TBitmap& Glyph() const noexcept { return *FGlyph; }
    // Also fills an empty GlyphDisabled with a grey copy.
    void SetGlyph(const TBitmap& Value);
    TBitmap& GlyphDisabled() const noexcept { return *FGlyphDisabled; }
    void SetGlyphDisabled(const TBitmap& Value);
    TBitmap& GlyphHot() const noexcept { return *FGlyphHot; }
    void SetGlyphHot(const TBitmap& Value);
    TBitmap& GlyphDown() const noexcept { return *FGlyphDown; }
    void SetGlyphDown(const TBitmap& Value);
    // The shadow drawn under the glyph of a hot flat button.
    const TBitmap& GlyphShade() const noexcept { return *FGlyphShade; }
    bool Shaded() const noexcept { return FShaded; }
    void SetShaded(bool Value);

    TButtonLayout Layout() const noexcept { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Spacing() const noexcept { return FSpacing; }
    void SetSpacing(int Value);
    // -1 centres the content; values below -1 are ignored.
    int Margin() const noexcept { return FMargin; }
    void SetMargin(int Value);
    bool Flat() const noexcept { return FFlat; }
    void SetFlat(bool Value);
    bool ShowCaption() const noexcept { return FShowCaption; }
    void SetShowCaption(bool Value);

    TColor ColorTo() const noexcept { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorHot() const noexcept { return FColorHot; }
    void SetColorHot(TColor Value) { FColorHot = Value; }
    TColor ColorHotTo() const noexcept { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { FColorHotTo = Value; }
    TColor ColorDown() const noexcept { return FColorDown; }
    void SetColorDown(TColor Value) { FColorDown = Value; }
    TColor ColorDownTo() const noexcept { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { FColorDownTo = Value; }
    TColor ColorChecked() const noexcept { return FColorChecked; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const noexcept { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value);
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BorderDownColor() const noexcept { return FBorderDownColor; }
    void SetBorderDownColor(TColor Value) { FBorderDownColor = Value; }
    TColor BorderHotColor() const noexcept { return FBorderHotColor; }
    void SetBorderHotColor(TColor Value) { FBorderHotColor = Value; }

    TQuillGridButtonStyle Style() const noexcept { return FStyle; }
    void SetStyle(TQuillGridButtonStyle Value);
    // One of seven colour presets (0..6); other values change nothing.
    int Look() const noexcept { return FLook; }
    void SetLook(int Value);
    bool Rounded() const noexcept { return FRounded; }
    void SetRounded(bool Value);
    bool DropDownButton() const noexcept { return FDropDownButton; }
    void SetDropDownButton(bool Value);
    TPopupMenu* DropDownMenu() const noexcept { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value);
    // Follows the desktop's colour scheme with a matching look.
    bool AutoThemeAdapt() const noexcept { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    // A non-flat button draws as a themed push button when themes are active.
    bool AutoXPStyle() const noexcept { return FAutoXPStyle; }
    void SetAutoXPStyle(bool Value) { FAutoXPStyle = Value; }

    grid::TGridAction* Action() const;
    void SetAction(grid::TGridAction* Value);
    TQuillGridButtonActionLink* ActionLink() const noexcept { return FActionLink.get(); }

    TButtonState State() const noexcept { return FState; }
    bool MouseInControl() const noexcept { return FMouseInControl; }

    // Fires when the drop-down part is pressed.
    TNotifyEvent OnDropDown;

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    friend class TQuillGridButtonActionLink;
    void NotifyGroup();
    void ButtonPressed(int Group, TQuillGridButton& Sender);
    void UpdateTracking(int X, int Y);
    void SetMouseInControl(bool Value);
    bool OnDropDownPart(int X) const;
    void AdaptToTheme();
    void BuildShadeGlyph();
    void GlyphChanged(TObject* Sender);
    // Painting steps, in QuillGridButtonPaint.cpp.
    void SettleState();
    void PaintFace(TCanvas& C, TRect& R);
    void PaintContent(TCanvas& C, TRect R);
    const TBitmap& GlyphToDraw(bool Pressed) const;

    int FGroupIndex = 0;
    std::unique_ptr<TBitmap> FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FColorHot = 0xCAC7C7;
    TColor FColorHotTo = clNone;
    TColor FColorDown = 0xD8D3D2;
    TColor FColorDownTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderDownColor = clNone;
    TColor FBorderHotColor = clNone;
    std::unique_ptr<TBitmap> FGlyphDisabled;
    std::unique_ptr<TBitmap> FGlyphHot;
    std::unique_ptr<TBitmap> FGlyphDown;
    std::unique_ptr<TBitmap> FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    TQuillGridButtonStyle FStyle = tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
    std::unique_ptr<TQuillGridButtonActionLink> FActionLink;
};
