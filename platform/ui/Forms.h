// Forms: the top-level windows. Each is one host window with one retained
// drawing surface that holds its menu bar and every control drawn into it.
#pragma once

#include <memory>

#include "platform/graphics/GdiTypes.h"
#include "platform/ui/WinControl.h"

class TCanvas;
class TBitmap;
class TMainMenu;
class TMenuItem;
class TIcon;

namespace ui {
class TMDIClient;
class TNativeWindow;
class TFormHost;
class TMenuBar;
} // namespace ui

enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// Results of modal windows and message boxes.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                              mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TShortCutEvent = std::function<void(TMessage& Msg, bool& Handled)>;

class TCustomForm : public TWinControl {
    VISTRA_CLASS(TCustomForm, TWinControl)

    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const noexcept { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TPosition Position() const noexcept { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    TFormStyle FormStyle() const noexcept { return FFormStyle; }
    // An MDI frame (fsMDIForm) gets a client window that fills its client
    // area; an MDI child (fsMDIChild) lives inside the frame's client window.
    void SetFormStyle(TFormStyle Value);
    // The frame's client window (null unless fsMDIForm) and its handle.
    ui::TMDIClient* MDIClient() const noexcept { return FMDIClient; }
    HWND ClientHandle();
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int Index) const;
    TCustomForm* ActiveMDIChild() const;
    // The menu whose end lists the MDI children.
    TMenuItem* WindowMenu() const noexcept { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* Value) { FWindowMenu = Value; }
    // The window's icon; answered to WM_GETICON while it holds a picture.
    TIcon* Icon() const noexcept { return FIcon.get(); }
    TWindowState WindowState() const noexcept { return FWindowState; }
    void SetWindowState(TWindowState Value) { FWindowState = Value; }
    TMainMenu* Menu() const noexcept { return FMenu; }
    void SetMenu(TMainMenu* Value);
    bool KeyPreview() const noexcept { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    TModalResult ModalResult() const noexcept { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // A popup form shows without ever taking activation (drop-downs, hints).
    bool Popup() const noexcept { return FPopup; }
    void SetPopup(bool Value) { FPopup = Value; }
    bool Active() const noexcept { return FActive; }
    bool Modal() const noexcept { return FModal; }
    TCanvas* Canvas();

    // The focused control of this form, or the one that gets the focus when it activates.
    TWinControl* ActiveControl() const noexcept { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    // Moves the focus to Control, activating the form when it is showing.
    void FocusControl(TWinControl* Control);
    // Records that Control now has the focus: CM_EXIT up the old chain, CM_ENTER
    // down the new one. Returns false when a handler moved the focus elsewhere.
    bool SetFocusedControl(TWinControl* Control);
    void DefocusControl(TWinControl* Control, bool Removing);

    void Show();
    void Hide();
    // Shows the form modally and runs messages until ModalResult is set; returns it.
    virtual TModalResult ShowModal();
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages being handled are done.
    void Release();
    void SetFocus() override;
    bool Showing() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The menu key test: the main menu's shortcuts, then OnShortCut.
    virtual bool IsShortCut(unsigned short Key, TShiftState Shift);
    // Brings the form to the front and gives it the activation.
    void BringToFrontAndActivate();

    // Runs OnCreate; the application calls it once the form is built.
    virtual void DoCreate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

    // Used by the window layer itself.
    void InvalidateFormArea(TRect Area, bool Erase);
    void PaintNow();
    bool NeedsPaint() const;
    // The finished image of the client area and menu bar, as last painted.
    const TBitmap& Surface();
    // The menu bar's height on the surface (0 without menu).
    int MenuBarHeight() const;
    ui::TNativeWindow* NativeWindow() const noexcept;
    ui::TMenuBar* MenuBar() const noexcept { return FMenuBar.get(); }
    void NativeCaptureChanged(bool Captured);
    void ControlRemoved(TWinControl* Control);
    void SetActive(bool Value);
    void MenuChanged();
    // A device context on the surface for drawing outside painting; offset to
    // the control's client (or whole window) origin and clipped to it.
    HDC GetControlDC(TControl* Control, bool WholeWindow);
    // Hands the control's part of the surface to the host as it is now.
    void PresentControl(TControl* Control);

protected:
    friend class TWinControl;
    friend class ui::TFormHost;
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    TRect NonClientMargins() const override;
    void Dispatch(TMessage& Message) override;
    void PaintWindow(TCanvas& Canvas) override;
    void BoundsChanged() override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    virtual void Paint();
    virtual void WMActivate(TMessage& Message);
    virtual void WMClose(TMessage& Message);
    void CMDialogKey(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void PlaceOnScreen();
    void UpdateNativeBounds();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    TFormStyle FFormStyle = fsNormal;
    TWindowState FWindowState = wsNormal;
    TMainMenu* FMenu = nullptr;
    ui::TMDIClient* FMDIClient = nullptr;
    TMenuItem* FWindowMenu = nullptr;
    std::unique_ptr<TIcon> FIcon;
    bool FKeyPreview = false;
    TModalResult FModalResult = mrNone;
    bool FPopup = false;
    bool FActive = false;
    bool FModal = false;
    bool FPlaced = false;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    std::unique_ptr<ui::TFormHost> FHost;
    std::unique_ptr<ui::TMenuBar> FMenuBar;
    std::unique_ptr<TCanvas> FCanvas;
};

class TForm : public TCustomForm {
    VISTRA_CLASS(TForm, TCustomForm)
    using TCustomForm::TCustomForm;
};

namespace ui {
// The form that has the activation, or null.
TCustomForm* ActiveForm();
// Gives the activation to Form (null: to none): WM_ACTIVATE with WA_INACTIVE
// goes to the old form naming the new one, then WA_ACTIVE to the new one
// naming the old. Popup forms are never activated.
void ActivateForm(TCustomForm* Form);
} // namespace ui
