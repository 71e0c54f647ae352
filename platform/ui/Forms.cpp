// TCustomForm: showing, closing, modal loops, activation and the form's focus.
#include "platform/ui/Forms.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/FormHost.h"
#include "platform/ui/MDIClient.h"
#include "platform/graphics/Icon.h"
#include "platform/ui/MenuWindow.h"
#include "platform/ui/PopupWatch.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Screen.h"

namespace {
TCustomForm* gActiveForm = nullptr;

// Frame thickness the host draws around a form: left, caption, right, bottom.
TRect FrameFor(TFormBorderStyle style)
{
    switch (style) {
    case bsNone: return {0, 0, 0, 0};
    case bsToolWindow: case bsSizeToolWin: return {3, 19, 3, 3};
    default: return {3, 22, 3, 3};
    }
}

ui::TNativeFrame NativeFrameFor(TFormBorderStyle style)
{
    using ui::TNativeFrame;
    switch (style) {
    case bsNone: return TNativeFrame::None;
    case bsSingle: return TNativeFrame::Single;
    case bsDialog: return TNativeFrame::Dialog;
    case bsToolWindow: case bsSizeToolWin: return TNativeFrame::ToolWindow;
    default: return TNativeFrame::Sizeable;
    }
}

// Runs the ancestors of a control from the outermost down.
std::vector<TWinControl*> ChainOf(TWinControl* c)
{
    std::vector<TWinControl*> chain;
    for (; c; c = c->Parent()) chain.insert(chain.begin(), c);
    return chain;
}
} // namespace

namespace ui {

TCustomForm* ActiveForm() { return gActiveForm; }

void ActivateForm(TCustomForm* Form)
{
    if (Form && Form->Popup()) return;
    TCustomForm* old = gActiveForm;
    if (old == Form) return;
    gActiveForm = Form;
    HWND oldHandle = old && old->HandleAllocated() ? old->Handle() : 0;
    HWND newHandle = Form ? Form->Handle() : 0;
    if (old) {
        PopupWatchDeactivated(old);
        TMessage nc{WM_NCACTIVATE, 0, 0, 0};
        old->MainWndProc(nc);
        TMessage act{WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(newHandle), 0};
        old->MainWndProc(act);
    }
    if (!Form) {
        SetFocus(0);
        return;
    }
    TMessage nc{WM_NCACTIVATE, 1, 0, 0};
    Form->MainWndProc(nc);
    TMessage act{WM_ACTIVATE, WA_ACTIVE, static_cast<LPARAM>(oldHandle), 0};
    Form->MainWndProc(act);
    if (Screen) Screen->FormActivated(Form);
}

} // namespace ui

TCustomForm::TCustomForm(TComponent* AOwner)
    : TWinControl(AOwner), FIcon(std::make_unique<TIcon>()), FHost(std::make_unique<ui::TFormHost>(*this))
{
    FVisible = false;
    ControlStyle().Include(csAcceptsControls);
    FColor = clBtnFace;
    FWidth = 320;
    FHeight = 240;
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            if (Application) Application->HandleException(this);
        }
    }
    if (gActiveForm == this) ui::ActivateForm(nullptr);
    if (TWinControl* f = ui::FocusedControl(); f && f->GetParentForm() == this) ui::SetFocus(0);
    if (Screen) Screen->RemoveForm(this);
    if (Application) Application->FormDestroyed(this);
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    DestroyHandle();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetMenu(TMainMenu* Value)
{
    if (FMenu == Value) return;
    FMenu = Value;
    if (Value) Value->FreeNotification(this);
    MenuChanged();
}

void TCustomForm::MenuChanged()
{
    if (FMenu && !FMenuBar) FMenuBar = std::make_unique<ui::TMenuBar>(*this);
    if (!FMenu) FMenuBar.reset();
    if (HandleAllocated()) {
        UpdateNativeBounds();
        Realign();
    }
    Invalidate();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FMenu) {
        FMenu = nullptr;
        MenuChanged();
    }
}

int TCustomForm::MenuBarHeight() const { return FMenuBar ? FMenuBar->Height() : 0; }

TCanvas* TCustomForm::Canvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>();
    return FCanvas.get();
}

TRect TCustomForm::NonClientMargins() const
{
    TRect f = FrameFor(FBorderStyle);
    f.Top += MenuBarHeight();
    return f;
}

TPoint TCustomForm::ClientOrigin() const
{
    TRect m = NonClientMargins();
    // An MDI child's place is within its frame's client window.
    if (TCustomForm* frame = ui::MDIFrameFor(*this); frame && frame->MDIClient()) {
        const TPoint client = frame->MDIClient()->ClientOrigin();
        return {client.X + FLeft + m.Left, client.Y + FTop + m.Top};
    }
    return {FLeft + m.Left, FTop + m.Top};
}

void TCustomForm::SetFormStyle(TFormStyle Value)
{
    if (Value == FFormStyle) return;
    if (FFormStyle == fsMDIForm && FMDIClient) {
        delete FMDIClient;
        FMDIClient = nullptr;
    }
    FFormStyle = Value;
    if (Value == fsMDIForm) FMDIClient = new ui::TMDIClient(*this);
}

HWND TCustomForm::ClientHandle()
{
    return FMDIClient ? FMDIClient->Handle() : 0;
}

int TCustomForm::MDIChildCount() const
{
    return FMDIClient ? FMDIClient->ChildCount() : 0;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const
{
    if (!FMDIClient || Index < 0 || Index >= FMDIClient->ChildCount()) throw EListError("List index out of bounds");
    return FMDIClient->Child(Index);
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    return FMDIClient ? FMDIClient->ActiveChild() : nullptr;
}

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style &= ~(WS_CHILD | WS_VISIBLE);
    Params.Style |= FBorderStyle == bsNone ? WS_POPUP : (WS_CAPTION | WS_BORDER);
    if (FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin) Params.Style |= WS_THICKFRAME;
    if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
    if (FPopup) Params.ExStyle |= WS_EX_NOACTIVATE;
    Params.WndParent = 0;
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    ui::TNativeWindowParams p;
    p.Caption = FText;
    p.Bounds = BoundsRect();
    p.Frame = NativeFrameFor(FBorderStyle);
    p.Popup = FPopup;
    p.StayOnTop = FFormStyle == fsStayOnTop || FPopup;
    if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && owner->HandleAllocated())
        p.Owner = owner->NativeWindow();
    if (FFormStyle == fsMDIChild) {
        TCustomForm* frame = ui::MDIFrameFor(*this);
        if (!frame || !frame->MDIClient())
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        frame->MDIClient()->HandleNeeded();
        FHost->AdoptNative(frame->MDIClient()->CreateChildWindow(p, *FHost, *this));
    } else {
        FHost->CreateNative(p);
    }
    UpdateNativeBounds();
}

void TCustomForm::DestroyWnd()
{
    FHost->DestroyNative();
    TWinControl::DestroyWnd();
}

ui::TNativeWindow* TCustomForm::NativeWindow() const noexcept { return FHost->Native(); }

void TCustomForm::UpdateNativeBounds()
{
    TRect frame = FrameFor(FBorderStyle);
    int w = std::max(0, FWidth - frame.Left - frame.Right);
    int h = std::max(0, FHeight - frame.Top - frame.Bottom);
    FHost->ResizeSurface(w, h);
    if (auto* n = FHost->Native()) {
        // The host takes the bounds of the area it shows: menu bar and client.
        n->SetBounds(Bounds(FLeft + frame.Left, FTop + frame.Top, w, h));
        n->SetMinSize(std::max(0, Constraints().MinWidth() - frame.Left - frame.Right),
                      std::max(0, Constraints().MinHeight() - frame.Top - frame.Bottom));
    }
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    bool moved = ALeft != FLeft || ATop != FTop;
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    // A move changes no size, so BoundsChanged does not run: the host window follows here.
    if (moved && HandleAllocated()) UpdateNativeBounds();
}

void TCustomForm::BoundsChanged()
{
    if (HandleAllocated()) UpdateNativeBounds();
    TWinControl::BoundsChanged();
    Invalidate();
}

void TCustomForm::InvalidateFormArea(TRect Area, bool Erase)
{
    TPoint o = FHost->ClientOffset();
    OffsetRect(Area, o.X, o.Y);
    FHost->Invalidate(Area, Erase);
}

void TCustomForm::PaintNow()
{
    if (HandleAllocated() && FVisible) FHost->Paint();
}

bool TCustomForm::NeedsPaint() const { return HandleAllocated() && FVisible && FHost->NeedsPaint(); }

const TBitmap& TCustomForm::Surface()
{
    HandleNeeded();
    PaintNow();
    return FHost->Surface();
}

HDC TCustomForm::GetControlDC(TControl* Control, bool WholeWindow)
{
    HandleNeeded();
    HDC dc = CreateBitmapDC(FHost->Surface());
    TPoint o = FHost->ClientOffset();
    TPoint origin = o;
    if (Control != this) {
        TPoint p = Control->ClientToParent({0, 0}, this);
        origin = {o.X + p.X, o.Y + p.Y};
        if (auto* w = dynamic_cast<TWinControl*>(Control); w && WholeWindow) {
            TRect wc = w->WindowClientRect();
            origin.X -= wc.Left;
            origin.Y -= wc.Top;
        }
    }
    SetViewportOrgEx(dc, origin.X, origin.Y);
    TRect own = WholeWindow ? TRect{0, 0, Control->Width(), Control->Height()} : Control->ClientRect();
    IntersectClipRect(dc, own.Left, own.Top, own.Right, own.Bottom);
    return dc;
}

void TCustomForm::PresentControl(TControl* Control)
{
    if (!HandleAllocated()) return;
    FHost->Surface().PixelsChanged();
    TPoint o = FHost->ClientOffset();
    TRect r{0, 0, FHost->Surface().Width(), FHost->Surface().Height()};
    if (Control != this) {
        TPoint p = Control->ClientToParent({0, 0}, this);
        r = Bounds(o.X + p.X - 4, o.Y + p.Y - 4, Control->Width() + 8, Control->Height() + 8);
    }
    FHost->Present(r);
}

void TCustomForm::PlaceOnScreen()
{
    if (FPlaced) return;
    FPlaced = true;
    TRect work = Screen ? Screen->WorkAreaRect() : TRect{0, 0, 1920, 1080};
    TRect base = work;
    TPosition position = FPosition;
    // A modal window that nobody placed opens over the window it serves, not
    // at the screen's corner.
    if (position == poDesigned && FModal && FLeft == 0 && FTop == 0) position = poOwnerFormCenter;
    if (position == poMainFormCenter || position == poOwnerFormCenter) {
        TCustomForm* anchor = position == poOwnerFormCenter ? dynamic_cast<TCustomForm*>(Owner()) : nullptr;
        if (!anchor && FModal) anchor = gActiveForm;
        if (!anchor && Application) anchor = Application->MainForm();
        if (anchor && anchor != this) base = anchor->BoundsRect();
    }
    if (position == poScreenCenter || position == poDesktopCenter || position == poMainFormCenter ||
        position == poOwnerFormCenter) {
        int x = base.Left + (base.Width() - FWidth) / 2;
        int y = base.Top + (base.Height() - FHeight) / 2;
        SetBounds(std::max(work.Left, x), std::max(work.Top, y), FWidth, FHeight);
    }
}

void TCustomForm::Show()
{
    SetVisible(true);
    BringToFrontAndActivate();
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::BringToFrontAndActivate()
{
    if (!FVisible) return;
    if (auto* n = NativeWindow()) n->Show(!FPopup);
    if (!FPopup) ui::ActivateForm(this);
}

bool TCustomForm::Showing() const { return FVisible; }

void TCustomForm::CMVisibleChanged(TMessage& Message)
{
    if (FVisible) {
        HandleNeeded();
        PlaceOnScreen();
        DoShow();
        Realign();
        Invalidate();
        if (auto* n = NativeWindow()) n->Show(!FPopup);
        PaintNow();
    } else {
        DoHide();
        if (auto* n = NativeWindow()) n->Hide();
        if (TWinControl* f = ui::FocusedControl(); f && f->GetParentForm() == this) ui::SetFocus(0);
        if (gActiveForm == this) {
            ui::ActivateForm(nullptr);
            if (Screen) Screen->ActivateNextForm(this);
        }
    }
    TControl::CMVisibleChanged(Message);
}

void TCustomForm::DoShow()
{
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide) OnHide(this);
}

void TCustomForm::DoCreate()
{
    if (OnCreate) OnCreate(this);
}

TModalResult TCustomForm::ShowModal()
{
    if (FVisible || FModal) throw EInvalidOperation("Cannot make a visible window modal");
    if (ui::CaptureControl()) ui::SetCaptureControl(nullptr);
    TCustomForm* previous = gActiveForm;
    FModalResult = mrNone;
    FModal = true;
    if (Screen) Screen->BeginModal(this);
    const rtl::ScopeExit restore([this, previous] {
        FModal = false;
        if (Screen) Screen->EndModal(this);
        if (auto* n = NativeWindow()) n->SetModal(false);
        Hide();
        if (previous && previous->Visible()) ui::ActivateForm(previous);
    });
    Show();
    if (auto* n = NativeWindow()) n->SetModal(true);
    while (true) {
        Application->HandleMessage();
        if (Application->Terminated()) break;
        if (FModalResult != mrNone) {
            // Closing may be refused: the loop then goes on.
            TCloseAction action = caHide;
            if (CloseQuery()) DoClose(action);
            else action = caNone;
            if (action == caNone) FModalResult = mrNone;
            else break;
        }
    }
    return FModalResult;
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close()
{
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        Hide();
    } else if (action == caHide) {
        Hide();
    } else if (action == caMinimize) {
        FWindowState = wsMinimized;
    } else {
        Release();
    }
}

void TCustomForm::Release()
{
    Hide();
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::SetFocus()
{
    if (!FVisible || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    BringToFrontAndActivate();
}

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (Control && Control->GetParentForm() != this) throw EInvalidOperation("Invalid parent for the active control");
    if (FActive && Control && Control->CanFocus()) FocusControl(Control);
    else FActiveControl = Control;
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    if (!Control) return;
    if (!Control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (FActive || FPopup) ui::SetFocus(Control->Handle());
    else if (FVisible) ui::ActivateForm(this);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    if (Control == this) Control = nullptr;
    if (FFocusedControl == Control) return true;
    TWinControl* previous = FFocusedControl;
    std::vector<TWinControl*> oldChain = ChainOf(previous);
    std::vector<TWinControl*> newChain = ChainOf(Control);
    std::size_t common = 0;
    while (common < oldChain.size() && common < newChain.size() && oldChain[common] == newChain[common]) ++common;
    FFocusedControl = Control;
    FActiveControl = Control;
    for (std::size_t i = oldChain.size(); i > common; --i) {
        oldChain[i - 1]->Perform(CM_EXIT, 0, 0);
        if (FFocusedControl != Control) return false;
    }
    for (std::size_t i = common; i < newChain.size(); ++i) {
        newChain[i]->Perform(CM_ENTER, 0, 0);
        if (FFocusedControl != Control) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
    return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (Removing && Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    if (FActiveControl == Control || FFocusedControl == Control) {
        FActiveControl = nullptr;
        FFocusedControl = nullptr;
    }
}

void TCustomForm::ControlRemoved(TWinControl* Control)
{
    auto inside = [&](TWinControl* c) {
        for (; c; c = c->Parent())
            if (c == Control) return true;
        return false;
    };
    if (inside(ui::FocusedControl())) ui::SetFocus(Handle());
    if (inside(FActiveControl)) FActiveControl = nullptr;
    if (inside(FFocusedControl)) FFocusedControl = nullptr;
    FHost->ControlGone(Control);
}

void TCustomForm::NativeCaptureChanged(bool Captured)
{
    if (auto* n = NativeWindow()) n->SetMouseCapture(Captured);
}

void TCustomForm::SetActive(bool Value)
{
    if (FActive == Value) return;
    FActive = Value;
    if (Value) {
        if (!FActiveControl || !FActiveControl->CanFocus()) FActiveControl = FindNextControl(nullptr, true, true, false);
        if (FActiveControl) ui::SetFocus(FActiveControl->Handle());
        else ui::SetFocus(Handle());
        Activate();
    } else {
        Deactivate();
    }
}

void TCustomForm::Activate()
{
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::WMActivate(TMessage& Message) { SetActive(Message.WParamLo() != WA_INACTIVE); }

bool TCustomForm::IsShortCut(unsigned short Key, TShiftState Shift)
{
    bool handled = false;
    if (OnShortCut) {
        TMessage m{WM_KEYDOWN, Key, 0, 0};
        OnShortCut(m, handled);
        if (handled) return true;
    }
    if (FMenu && FMenu->IsShortCut(ShortCut(Key, Shift))) return true;
    // An MDI child's keys reach its frame's menu too.
    TCustomForm* frame = ui::MDIFrameFor(*this);
    return frame && frame->IsShortCut(Key, Shift);
}

void TCustomForm::CMDialogKey(TMessage& Message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (Message.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent()) {
                FActiveControl->Parent()->SelectNext(FActiveControl,
                                                     Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
                Message.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TWinControl::CMDialogKey(Message);
}

void TCustomForm::CMDialogChar(TMessage& Message)
{
    TWinControl::CMDialogChar(Message);
    if (Message.Result == 0 && FMenuBar && GetKeyState(VK_MENU) < 0 &&
        FMenuBar->OpenByAccelerator(static_cast<char32_t>(Message.WParam)))
        Message.Result = 1;
    // Alt+letter in an MDI child opens its frame's menus.
    if (Message.Result == 0)
        if (TCustomForm* frame = ui::MDIFrameFor(*this)) frame->CMDialogChar(Message);
}

void TCustomForm::Paint()
{
    if (OnPaint) OnPaint(this);
}

void TCustomForm::PaintWindow(TCanvas& ACanvas)
{
    TWinControl::PaintWindow(ACanvas);
    TCanvas* own = Canvas();
    own->SetHandle(ACanvas.Handle());
    const rtl::ScopeExit release([own] { own->SetHandle(nullptr); });
    Paint();
}

void TCustomForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATE: WMActivate(Message); break;
    case WM_CLOSE: WMClose(Message); break;
    case WM_GETICON:
        // The icon itself stands for its handle; none while it is empty.
        Message.Result = FIcon->Empty() ? 0 : reinterpret_cast<LRESULT>(FIcon.get());
        break;
    case CM_TEXTCHANGED:
        // The caption is the host window's title.
        if (auto* n = NativeWindow()) n->SetCaption(FText);
        TWinControl::Dispatch(Message);
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}
