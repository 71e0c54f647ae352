// The base of every control: bounds, parent, visibility, appearance, mouse
// input, and the message dispatch that all controls share.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/Sets.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"

class TFont;
class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind, 4>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };
// Window frames: controls use bsNone and bsSingle, forms all of them.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

enum TControlStyleItem {
    csAcceptsControls, csCaptureMouse, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csReplicatable, csNoStdEvents, csParentBackground,
    csMenuEvents, csNeedsBorderPaint
};
using TControlStyle = TSet<TControlStyleItem, 16>;
enum TControlStateItem { csLButtonDown, csClicked, csAlignmentNeeded, csFocusing, csCreating, csCustomPaint, csDestroyingHandle };
using TControlState = TSet<TControlStateItem, 8>;

// How an owner-drawn item (of a menu or a list) is to be drawn.
enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel, odNoFocusRect };
using TOwnerDrawState = TSet<TOwnerDrawStateItem, 16>;

// Cursor identifiers; positive numbers are cursors an application registers.
using TCursor = int;
inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                         crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                         crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13,
                         crHSplit = -14, crVSplit = -15, crNo = -18, crAppStart = -19, crHelp = -20,
                         crHandPoint = -21, crSizeAll = -22;
// Further shapes our controls use: a cell outline, scrolling in every
// direction, and arrows pointing up, down, right, left and to the corners.
inline constexpr TCursor crCell = -30, crAllScroll = -31, crArrowN = -32, crArrowS = -33, crArrowE = -34,
                         crArrowW = -35, crArrowNE = -36, crArrowNW = -37, crArrowSE = -38, crArrowSW = -39;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TKeyEvent = std::function<void(TObject* Sender, unsigned short& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TWndMethod = std::function<void(TMessage& Message)>;

// Limits on a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
    VISTRA_CLASS(TSizeConstraints, TPersistent)

    int MinWidth() const noexcept { return FMinWidth; }
    int MinHeight() const noexcept { return FMinHeight; }
    int MaxWidth() const noexcept { return FMaxWidth; }
    int MaxHeight() const noexcept { return FMaxHeight; }
    void SetMinWidth(int Value);
    void SetMinHeight(int Value);
    void SetMaxWidth(int Value);
    void SetMaxHeight(int Value);
    void Assign(const TPersistent* Source) override;
    // Width and height clamped to the limits.
    void Apply(int& Width, int& Height) const noexcept;

    TNotifyEvent OnChange;

private:
    void Changed();
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};

class TControl : public TComponent {
    VISTRA_CLASS(TControl, TComponent)

    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // Messages. WindowProc starts as WndProc and may be replaced to watch a
    // control's messages; Perform calls it directly, so an exception from a
    // handler reaches the caller.
    TWndMethod WindowProc;
    LRESULT Perform(unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    virtual void WndProc(TMessage& Message);
    // Hands the message to its named handler; unknown ones go to DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // Tree and geometry (bounds are relative to the parent's client area).
    TWinControl* Parent() const noexcept { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    int Left() const noexcept { return FLeft; }
    int Top() const noexcept { return FTop; }
    int Width() const noexcept { return FWidth; }
    int Height() const noexcept { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const noexcept { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    // The client area in the control's own coordinates (0, 0 at its top-left).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int Value);
    void SetClientHeight(int Value);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;
    // Client coordinates of the parent from this control's client coordinates and back.
    TPoint ClientToParent(TPoint P, TWinControl* AParent = nullptr) const;
    TPoint ParentToClient(TPoint P, TWinControl* AParent = nullptr) const;

    TAlign Align() const noexcept { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const noexcept { return FAnchors; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints& Constraints() noexcept { return *FConstraints; }

    bool Visible() const noexcept { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible with every parent up to a showing form.
    virtual bool Showing() const;
    bool Enabled() const noexcept { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool IsEnabledWithParents() const;

    // Caption and Text are one string: the control's window text. Text is
    // virtual so that a control whose Text means something else (a value
    // shown between fixed parts) answers callers holding a TControl*.
    virtual std::string Text() const { return GetText(); }
    virtual void SetText(const std::string& Value) { SetTextBuf(Value); }
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& Value) { SetTextBuf(Value); }

    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const noexcept { return FParentColor; }
    void SetParentColor(bool Value);
    TFont& Font() const noexcept { return *FFont; }
    void SetFont(const TFont& Value);
    bool ParentFont() const noexcept { return FParentFont; }
    void SetParentFont(bool Value);
    TCursor Cursor() const noexcept { return FCursor; }
    void SetCursor(TCursor Value);
    const std::string& Hint() const noexcept { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const noexcept { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const noexcept { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    TPopupMenu* PopupMenu() const noexcept { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);

    TControlStyle& ControlStyle() noexcept { return FControlStyle; }
    const TControlStyle& ControlStyle() const noexcept { return FControlStyle; }
    TControlState& ControlState() noexcept { return FControlState; }

    // Painting: Invalidate marks the control for the next paint, Update paints
    // what is marked now, Repaint does both.
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    virtual void Click();
    virtual void DblClick();
    // The form this control sits on, or null.
    TCustomForm* GetParentForm() const;
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);
    // Window text through WM_GETTEXT/WM_SETTEXT, so controls can watch changes.
    virtual std::string GetText() const;
    void SetTextBuf(const std::string& Value);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TContextPopupEvent OnContextPopup;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Return true when the wheel was handled.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void Resize();
    // Called after the bounds changed; the base realigns and raises OnResize.
    virtual void BoundsChanged();
    // Where this control asks to be repainted, in its parent's client coordinates.
    virtual void InvalidateControl();
    // Hands the window text to the control; WM_SETTEXT's default handling.
    virtual void TextChanged();

    // Named handlers of the shared messages.
    virtual void WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double);
    virtual void WMMouseMove(TMessage& Message);
    virtual void WMMouseWheel(TMessage& Message);
    virtual void WMContextMenu(TMessage& Message);
    virtual void WMSetText(TMessage& Message);
    virtual void WMGetText(TMessage& Message);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMHitTest(TMessage& Message);
    virtual void CMHintShow(TMessage& Message);

    // Geometry fields written only by SetBounds and the alignment code.
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    std::string FText;
    TColor FColor = clWindow;

private:
    friend class TWinControl;
    friend class TCustomForm;
    void FontChanged(TObject* Sender);
    void UpdateAnchorRules();

    TWinControl* FParent = nullptr;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    // The parent's client size when the bounds were last set, for anchoring.
    TSize FOriginalParentSize;
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    bool FParentColor = false;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FFontFromParent = false;
    TCursor FCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
};

// True when Text has "&" before the character Key (either case).
bool IsAccel(char32_t Key, const std::string& Text);

namespace ui {
// The control holding the mouse capture, or null.
TControl* CaptureControl();
void SetCaptureControl(TControl* Control);
// The shift state of a mouse message's key flags.
TShiftState MouseKeysToShiftState(WPARAM keys);
WPARAM ShiftStateToMouseKeys(TShiftState shift);
} // namespace ui
