// A control with a window handle: it holds child controls, takes the keyboard
// focus, draws its own non-client frame and receives keys.
#pragma once

#include <vector>

#include "platform/ui/Controls.h"

class TCanvas;

// Bit flags of a window's creation parameters that the controls read.
inline constexpr std::uint32_t WS_POPUP = 0x80000000u, WS_CHILD = 0x40000000u,
                               WS_VISIBLE = 0x10000000u, WS_DISABLED = 0x08000000u,
                               WS_CLIPCHILDREN = 0x02000000u, WS_CAPTION = 0x00C00000u,
                               WS_BORDER = 0x00800000u, WS_DLGFRAME = 0x00400000u,
                               WS_VSCROLL = 0x00200000u, WS_HSCROLL = 0x00100000u,
                               WS_THICKFRAME = 0x00040000u, WS_TABSTOP = 0x00010000u;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x8u, WS_EX_TOOLWINDOW = 0x80u,
                               WS_EX_CLIENTEDGE = 0x200u, WS_EX_NOACTIVATE = 0x08000000u;
inline constexpr std::uint32_t ES_LEFT = 0, ES_CENTER = 1, ES_RIGHT = 2, ES_MULTILINE = 4,
                               ES_PASSWORD = 0x20, ES_AUTOHSCROLL = 0x80, ES_READONLY = 0x800,
                               ES_WANTRETURN = 0x1000;

// What CreateParams describes for a window about to be created.
struct TCreateParams {
    std::string Caption;
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = 0;
};

class TWinControl : public TControl {
    VISTRA_CLASS(TWinControl, TControl)

    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // The handle is made on first use (and with it the window).
    HWND Handle();
    bool HandleAllocated() const noexcept { return FHandle != 0; }
    void HandleNeeded() { Handle(); }
    // Destroys and creates the window again, keeping the control's state.
    void RecreateWnd();
    const TCreateParams& WindowParams() const noexcept { return FParams; }

    int ControlCount() const noexcept { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const { return FControls.at(static_cast<std::size_t>(Index)); }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;
    // The topmost visible child at a client point (with AllowDisabled, disabled
    // ones too); null when the point hits no child.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = true) const;
    // Sends a message to every child; stops at the first that sets a result.
    void Broadcast(TMessage& Message);
    // Realigns the children.
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    TRect ClientRect() const override;
    // The corner of the client area, inside the frame and above the scroll bars' space.
    TPoint ClientOrigin() const override;
    // The window's rectangle relative to its own top-left (0, 0, Width, Height)
    // and the client area inside it after the non-client frame.
    TRect WindowClientRect() const;
    int BorderWidth() const noexcept { return FBorderWidth; }
    void SetBorderWidth(int Value);

    // Focus.
    bool TabStop() const noexcept { return FTabStop; }
    void SetTabStop(bool Value);
    int TabOrder() const;
    void SetTabOrder(int Value);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // The next control in tab order after CurControl among this control's
    // descendants (wrapping), or null.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    // Every descendant that takes part in tab order, in that order.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    void Invalidate() override;
    void Update() override;
    // Marks part of the client area for repainting (null rect: all of it).
    void InvalidateRect(const TRect* R, bool Erase);

    // Key events.
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Entry point for messages from outside the control (SendMessage, posted
    // messages, input, timers): an exception from a handler is reported through
    // the application instead of leaving the message loop.
    void MainWndProc(TMessage& Message);
    void WndProc(TMessage& Message) override;

protected:
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // The window now exists; subclasses set up what depends on it.
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // Aligns the children within Rect (the client area less padding).
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect);
    // The thickness of the self-drawn frame on each side.
    virtual TRect NonClientMargins() const;
    void BoundsChanged() override;
    void InvalidateControl() override;

    virtual void KeyDown(unsigned short& Key, TShiftState Shift);
    virtual void KeyUp(unsigned short& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    // Return true when the key was handled and must go no further.
    bool DoKeyDown(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    void DoEnter();
    void DoExit();

    void Dispatch(TMessage& Message) override;
    virtual void WMKeyDown(TMessage& Message);
    virtual void WMKeyUp(TMessage& Message);
    virtual void WMChar(TMessage& Message);
    virtual void WMSysKeyDown(TMessage& Message);
    virtual void WMSysChar(TMessage& Message);
    virtual void CNKeyDown(TMessage& Message);
    virtual void CNChar(TMessage& Message);
    virtual void CNSysKeyDown(TMessage& Message);
    virtual void WMSetFocus(TMessage& Message);
    virtual void WMKillFocus(TMessage& Message);
    virtual void WMGetDlgCode(TMessage& Message);
    virtual void WMPaint(TMessage& Message);
    virtual void WMNCPaint(TMessage& Message);
    virtual void WMEraseBkgnd(TMessage& Message);
    virtual void WMSize(TMessage& Message);
    virtual void WMNCHitTest(TMessage& Message);
    virtual void WMNextDlgCtl(TMessage& Message);
    virtual void CMDialogKey(TMessage& Message);
    virtual void CMDialogChar(TMessage& Message);
    virtual void CMEnter(TMessage& Message);
    virtual void CMExit(TMessage& Message);
    virtual void CMWantSpecialKey(TMessage& Message);
    virtual void CMChildKey(TMessage& Message);
    void CMEnabledChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

    // Paints the control: the base fills the background in Color.
    virtual void PaintWindow(TCanvas& Canvas);
    // Draws the frame in the non-client area (window coordinates).
    virtual void PaintNonClient(TCanvas& Canvas);
    // The sunken two-pixel frame of a bsSingle edit, list box or panel: the
    // margins it adds around Margins, and its drawing.
    static TRect WithSingleBorder(TRect Margins, TBorderStyle Style);
    void PaintSingleBorder(TCanvas& Canvas, TBorderStyle Style) const;

    std::vector<TControl*> FControls;

private:
    friend class TControl;
    friend class TCustomForm;
    bool IsMenuKey(TMessage& Message);

    HWND FHandle = 0;
    TCreateParams FParams;
    bool FTabStop = false;
    int FBorderWidth = 0;
    int FAlignLevel = 0;
    std::vector<TWinControl*> FTabList;
};

namespace ui {
// The control that has the keyboard focus, or null.
TWinControl* FocusedControl();
HWND GetFocus();
// Moves the keyboard focus: WM_KILLFOCUS goes to the old control carrying the
// new one's handle, WM_SETFOCUS to the new one carrying the old handle.
HWND SetFocus(HWND hWnd);
// How many messages and host inputs have been handled so far.
std::uint64_t DispatchedMessageCount();
void NoteInput();
} // namespace ui

// The control owning a handle, or null.
TWinControl* FindControl(HWND Handle);
