// TWinControl: handles, children, the non-client frame and message dispatch.
#include "platform/ui/WinControl.h"

#include "platform/ui/DragDrop.h"

#include <algorithm>
#include <unordered_map>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace {
std::unordered_map<HWND, TWinControl*>& HandleTable()
{
    static std::unordered_map<HWND, TWinControl*> table;
    return table;
}
HWND gNextHandle = 0x100;
} // namespace

TWinControl* FindControl(HWND Handle)
{
    auto& t = HandleTable();
    auto it = t.find(Handle);
    return it == t.end() ? nullptr : it->second;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    Destroying();
    // Leave the parent while this is still a windowed control, so the form
    // forgets it as focus and active control.
    if (Parent()) Parent()->RemoveControl(this);
    // Children that this control does not own stay alive but lose their parent.
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    if (ui::FocusedControl() == this) ui::SetFocus(0);
    if (FHandle) DestroyWnd();
}

HWND TWinControl::Handle()
{
    if (!FHandle) {
        if (Parent()) Parent()->HandleNeeded();
        CreateWnd();
    }
    return FHandle;
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params = {};
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPCHILDREN;
    if (Visible()) Params.Style |= WS_VISIBLE;
    if (!Enabled()) Params.Style |= WS_DISABLED;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    if (Parent()) Params.WndParent = Parent()->Handle();
}

void TWinControl::CreateWnd()
{
    ControlState().Include(csCreating);
    CreateParams(FParams);
    FHandle = gNextHandle++;
    HandleTable()[FHandle] = this;
    ControlState().Exclude(csCreating);
    CreateHandle();
    Perform(WM_CREATE, 0, 0);
    // Child windows come into being with their parent.
    for (TControl* c : std::vector<TControl*>(FControls))
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
    Realign();
    Invalidate();
}

void TWinControl::CreateHandle() {}

void TWinControl::DestroyHandle()
{
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->FHandle) w->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    if (!FHandle) return;
    ControlState().Include(csDestroyingHandle);
    if (ui::FocusedControl() == this) ui::SetFocus(0);
    Perform(WM_DESTROY, 0, 0);
    ui::KillTimersOf(FHandle);
    ui::ForgetWindowScrollBars(FHandle);
    ui::ForgetDropTarget(FHandle);
    HandleTable().erase(FHandle);
    FHandle = 0;
    ControlState().Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd()
{
    if (!FHandle) return;
    bool hadFocus = Focused();
    DestroyHandle();
    HandleNeeded();
    if (hadFocus && CanFocus()) SetFocus();
}

void TWinControl::InsertControl(TControl* AControl)
{
    if (ContainsControl(AControl)) return;
    for (TWinControl* p = this; p; p = p->Parent())
        if (p == AControl) throw EInvalidOperation("Control '" + AControl->Name() + "' cannot be its own ancestor");
    AControl->FParent = this;
    FControls.push_back(AControl);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) FTabList.push_back(w);
    AControl->UpdateAnchorRules();
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    if (AControl->ParentShowHint()) AControl->FShowHint = ShowHint();
    if (FHandle)
        if (auto* w = dynamic_cast<TWinControl*>(AControl)) w->HandleNeeded();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    AControl->InvalidateControl();
    Realign();
}

void TWinControl::RemoveControl(TControl* AControl)
{
    if (!ContainsControl(AControl)) return;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    AControl->InvalidateControl();
    if (ui::CaptureControl() == AControl) ui::SetCaptureControl(nullptr);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
        std::erase(FTabList, w);
        if (TCustomForm* form = GetParentForm()) form->ControlRemoved(w);
        w->DestroyHandle();
    }
    std::erase(FControls, AControl);
    AControl->FParent = nullptr;
    Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    return std::find(FControls.begin(), FControls.end(), Control) != FControls.end();
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
        if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->BoundsRect().Contains(Pos)) continue;
        TPoint local{Pos.X - c->Left(), Pos.Y - c->Top()};
        if (c->Perform(CM_HITTEST, 0, MakeLParam(local.X, local.Y)) != 0) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message)
{
    for (TControl* c : std::vector<TControl*>(FControls)) {
        c->WindowProc(Message);
        if (Message.Result != 0) return;
    }
}

TRect TWinControl::NonClientMargins() const
{
    int b = FBorderWidth;
    TSize bars = ui::WindowScrollBarSpace(*this);
    return {b, b, b + bars.cx, b + bars.cy};
}

TRect TWinControl::WithSingleBorder(TRect Margins, TBorderStyle Style)
{
    const int b = Style == bsSingle ? 2 : 0;
    return {Margins.Left + b, Margins.Top + b, Margins.Right + b, Margins.Bottom + b};
}

void TWinControl::PaintSingleBorder(TCanvas& Canvas, TBorderStyle Style) const
{
    TRect r{0, 0, Width(), Height()};
    if (Style == bsSingle) DrawEdge(Canvas.Handle(), r, EDGE_SUNKEN, BF_RECT);
}

TRect TWinControl::WindowClientRect() const
{
    TRect m = NonClientMargins();
    TRect r{m.Left, m.Top, FWidth - m.Right, FHeight - m.Bottom};
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

TRect TWinControl::ClientRect() const
{
    TRect r = WindowClientRect();
    return {0, 0, r.Width(), r.Height()};
}

TPoint TWinControl::ClientOrigin() const
{
    TPoint outer = TControl::ClientOrigin();
    TRect m = NonClientMargins();
    return {outer.X + m.Left, outer.Y + m.Top};
}

void TWinControl::SetBorderWidth(int Value)
{
    FBorderWidth = std::max(0, Value);
    Realign();
    Invalidate();
}

void TWinControl::BoundsChanged()
{
    if (FHandle) {
        FParams.Width = FWidth;
        FParams.Height = FHeight;
        Perform(WM_SIZE, 0, MakeLParam(ClientWidth(), ClientHeight()));
    } else {
        Realign();
    }
    TControl::BoundsChanged();
}

void TWinControl::Invalidate() { InvalidateRect(nullptr, true); }

void TWinControl::InvalidateControl()
{
    if (Parent()) TControl::InvalidateControl();
}

void TWinControl::InvalidateRect(const TRect* R, bool Erase)
{
    TCustomForm* form = GetParentForm();
    if (!form || !Visible()) return;
    TRect client = ClientRect();
    TRect area = R ? IntersectRect(*R, client) : TRect{0, 0, FWidth, FHeight};
    if (!R) {
        // The whole window, frame included, in client coordinates.
        TRect wc = WindowClientRect();
        OffsetRect(area, -wc.Left, -wc.Top);
    }
    if (area.IsEmpty()) return;
    TPoint o = ClientToParent({0, 0}, form);
    OffsetRect(area, o.X, o.Y);
    form->InvalidateFormArea(area, Erase);
}

void TWinControl::Update()
{
    if (TCustomForm* form = GetParentForm()) form->PaintNow();
}

void TWinControl::EnableAlign()
{
    if (FAlignLevel > 0 && --FAlignLevel == 0) Realign();
}

void TWinControl::SetTabStop(bool Value)
{
    if (FTabStop == Value) return;
    FTabStop = Value;
    Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const
{
    if (!Parent()) return -1;
    const auto& list = Parent()->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value)
{
    if (!Parent()) return;
    auto& list = Parent()->FTabList;
    std::erase(list, this);
    std::size_t at = Value < 0 ? list.size() : std::min<std::size_t>(static_cast<std::size_t>(Value), list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* c : FTabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

void TWinControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN: WMKeyDown(Message); break;
    case WM_KEYUP: WMKeyUp(Message); break;
    case WM_CHAR: WMChar(Message); break;
    case WM_SYSKEYDOWN: WMSysKeyDown(Message); break;
    case WM_SYSCHAR: WMSysChar(Message); break;
    case CN_KEYDOWN: CNKeyDown(Message); break;
    case CN_CHAR: CNChar(Message); break;
    case CN_SYSKEYDOWN: CNSysKeyDown(Message); break;
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case WM_GETDLGCODE: WMGetDlgCode(Message); break;
    case WM_PAINT: WMPaint(Message); break;
    case WM_NCPAINT: WMNCPaint(Message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_SIZE: WMSize(Message); break;
    case WM_NCHITTEST: WMNCHitTest(Message); break;
    case WM_NEXTDLGCTL: WMNextDlgCtl(Message); break;
    case CM_DIALOGKEY: CMDialogKey(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(Message); break;
    case CM_ENTER: CMEnter(Message); break;
    case CM_EXIT: CMExit(Message); break;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(Message); break;
    case CM_CHILDKEY: CMChildKey(Message); break;
    default: TControl::Dispatch(Message); break;
    }
}

void TWinControl::WMSize(TMessage&) { Realign(); }

void TWinControl::WMNCHitTest(TMessage& Message) { Message.Result = HTCLIENT; }

void TWinControl::CMEnabledChanged(TMessage& Message)
{
    if (!Enabled() && Focused()) {
        if (TCustomForm* form = GetParentForm()) form->SelectNext(this, true, true);
        if (Focused()) ui::SetFocus(0);
    }
    TControl::CMEnabledChanged(Message);
}

void TWinControl::CMVisibleChanged(TMessage& Message)
{
    if (!Visible() && Parent()) {
        TWinControl* focused = ui::FocusedControl();
        if (focused && (focused == this || ContainsControl(focused) ||
                        std::ranges::any_of(FTabList, [&](TWinControl* w) { return w == focused; }))) {
            if (TCustomForm* form = GetParentForm()) form->SelectNext(this, true, true);
            if (focused == ui::FocusedControl()) ui::SetFocus(0);
        }
    }
    for (TControl* c : FControls) c->Perform(CM_SHOWINGCHANGED, 0, 0);
    TControl::CMVisibleChanged(Message);
}

void TWinControl::CMColorChanged(TMessage& Message)
{
    TControl::CMColorChanged(Message);
    for (TControl* c : FControls) c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TWinControl::CMFontChanged(TMessage& Message)
{
    TControl::CMFontChanged(Message);
    for (TControl* c : FControls) c->Perform(CM_PARENTFONTCHANGED, 0, 0);
}

namespace {
std::uint64_t gDispatched = 0;
}

std::uint64_t ui::DispatchedMessageCount() { return gDispatched; }

void ui::NoteInput() { ++gDispatched; }

void TWinControl::MainWndProc(TMessage& Message)
{
    ++gDispatched;
    try {
        WindowProc(Message);
    } catch (...) {
        if (Application) Application->HandleException(this);
        else throw;
    }
}

void TWinControl::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_SETFOCUS) {
        // The form learns of the new focus first, so CM_EXIT and CM_ENTER
        // precede the control's own focus handling.
        TCustomForm* form = GetParentForm();
        if (form && !form->SetFocusedControl(this)) return;
    }
    bool mouse = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONUP || Message.Msg == WM_LBUTTONDBLCLK ||
                 Message.Msg == WM_MOUSEMOVE;
    // Presses on the window's own scroll bars never reach the control's handlers.
    if (mouse && ui::WindowScrollBarMouse(*this, Message)) return;
    TControl::WndProc(Message);
}

void TWinControl::WMEraseBkgnd(TMessage& Message)
{
    TCanvas c;
    c.SetHandle(reinterpret_cast<HDC>(Message.WParam));
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    c.SetHandle(nullptr);
    Message.Result = 1;
}

void TWinControl::WMPaint(TMessage& Message)
{
    TCanvas c;
    c.SetHandle(reinterpret_cast<HDC>(Message.WParam));
    PaintWindow(c);
    c.SetHandle(nullptr);
}

void TWinControl::WMNCPaint(TMessage& Message)
{
    if (NonClientMargins() == TRect{}) return;
    TCanvas c;
    c.SetHandle(reinterpret_cast<HDC>(Message.WParam));
    PaintNonClient(c);
    ui::PaintWindowScrollBars(*this, c);
    c.SetHandle(nullptr);
}

void TWinControl::PaintWindow(TCanvas&) {}

void TWinControl::PaintNonClient(TCanvas& Canvas)
{
    Canvas.Brush()->SetColor(Color());
    Canvas.FillRect({0, 0, FWidth, FHeight});
}
