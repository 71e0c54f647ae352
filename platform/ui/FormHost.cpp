// TFormHost: paints a form's control tree into its surface and turns the
// host's input into messages for the right control.
#include "platform/ui/FormHost.h"
#include "platform/ui/MDIClient.h"

#include "platform/ui/DragDrop.h"

#include <cstdlib>

#include "platform/graphics/DeviceContext.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Hints.h"
#include "platform/ui/MenuWindow.h"
#include "platform/ui/PopupWatch.h"
#include "platform/ui/Screen.h"

namespace ui {

namespace {

constexpr std::uint64_t DoubleClickTimeMs = 500;
constexpr int DoubleClickDistance = 4;

// Delivers a message the way input arrives: exceptions go to the application.
void Deliver(TControl& control, TMessage& m)
{
    if (auto* w = dynamic_cast<TWinControl*>(&control)) {
        w->MainWndProc(m);
        return;
    }
    try {
        control.WindowProc(m);
    } catch (...) {
        if (Application) Application->HandleException(&control);
        else throw;
    }
}

bool IsButtonDown(unsigned msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
}

unsigned DoubleOf(unsigned msg) { return msg + 2; } // WM_xBUTTONDOWN + 2 is WM_xBUTTONDBLCLK

TNativeCursor NativeCursorOf(TCursor c)
{
    // A registered number stands for one of the shapes.
    if (c > 0 && Screen) c = Screen->Cursors(c);
    switch (c) {
    case crIBeam: return TNativeCursor::IBeam;
    case crHourGlass: case crAppStart: return TNativeCursor::Wait;
    case crCross: return TNativeCursor::Cross;
    case crUpArrow: return TNativeCursor::UpArrow;
    case crSizeAll: return TNativeCursor::SizeAll;
    case crSizeNESW: return TNativeCursor::SizeNESW;
    case crSizeNS: case crVSplit: return TNativeCursor::SizeNS;
    case crSizeNWSE: return TNativeCursor::SizeNWSE;
    case crSizeWE: case crHSplit: return TNativeCursor::SizeWE;
    case crNo: case crNoDrop: return TNativeCursor::No;
    case crHandPoint: return TNativeCursor::HandPoint;
    case crHelp: return TNativeCursor::Help;
    case crNone: return TNativeCursor::Hidden;
    case crCell: return TNativeCursor::Cell;
    case crAllScroll: return TNativeCursor::AllScroll;
    case crArrowN: return TNativeCursor::ArrowN;
    case crArrowS: return TNativeCursor::ArrowS;
    case crArrowE: return TNativeCursor::ArrowE;
    case crArrowW: return TNativeCursor::ArrowW;
    case crArrowNE: return TNativeCursor::ArrowNE;
    case crArrowNW: return TNativeCursor::ArrowNW;
    case crArrowSE: return TNativeCursor::ArrowSE;
    case crArrowSW: return TNativeCursor::ArrowSW;
    default: return TNativeCursor::Arrow;
    }
}

// Another form is modal and this one may not take input.
bool BlockedByModal(TCustomForm& form)
{
    TCustomForm* modal = Screen ? Screen->ModalForm() : nullptr;
    return modal && modal != &form && !form.Popup();
}

} // namespace

TFormHost::TFormHost(TCustomForm& form) : FForm(form) {}

TFormHost::~TFormHost() = default;

void TFormHost::CreateNative(const TNativeWindowParams& params)
{
    FNative = Backend().CreateNativeWindow(params, *this);
}

void TFormHost::DestroyNative()
{
    if (FMouseControl) FMouseControl = nullptr;
    FNative.reset();
}

void TFormHost::ResizeSurface(int width, int height)
{
    if (FSurface.Width() == width && FSurface.Height() == height) return;
    FSurface.SetSize(width, height);
    FDirty = {0, 0, width, height};
}

TPoint TFormHost::ClientOffset() const { return {0, FForm.MenuBarHeight()}; }

void TFormHost::Invalidate(const TRect& surfaceArea, bool)
{
    TRect r = IntersectRect(surfaceArea, {0, 0, FSurface.Width(), FSurface.Height()});
    FDirty = UnionRect(FDirty, r);
}

void TFormHost::Paint()
{
    if (FPainting || FDirty.IsEmpty() || FSurface.Empty()) return;
    FPainting = true;
    TRect area = FDirty;
    FDirty = {};
    {
        HDC dc = CreateBitmapDC(FSurface);
        const rtl::ScopeExit done([&] {
            DeleteDC(dc);
            FPainting = false;
        });
        if (auto* bar = FForm.MenuBar(); bar && area.Top < bar->Height()) bar->Paint(dc, FSurface.Width());
        TPoint o = ClientOffset();
        TRect client{o.X, o.Y, FSurface.Width(), FSurface.Height()};
        PaintControlTree(dc, FForm, o, IntersectRect(area, client));
    }
    FSurface.PixelsChanged();
    Present(area);
}

void TFormHost::Present(const TRect& surfaceArea)
{
    if (FNative && FForm.Visible()) FNative->Present(FSurface, surfaceArea);
}

void TFormHost::PaintControlTree(HDC dc, TControl& control, TPoint origin, const TRect& clip)
{
    auto* win = dynamic_cast<TWinControl*>(&control);
    TRect windowRect = Bounds(origin.X, origin.Y, control.Width(), control.Height());
    TPoint clientOrigin = origin;
    TRect clientRect = windowRect;
    if (win && win != &FForm) {
        TRect wc = win->WindowClientRect();
        clientOrigin = {origin.X + wc.Left, origin.Y + wc.Top};
        clientRect = Bounds(clientOrigin.X, clientOrigin.Y, wc.Width(), wc.Height());
    } else if (win) {
        clientRect = Bounds(origin.X, origin.Y, win->ClientWidth(), win->ClientHeight());
    }
    TRect visible = IntersectRect(clip, windowRect);
    if (visible.IsEmpty()) return;

    auto send = [&](unsigned msg, TPoint at, const TRect& limit) {
        int saved = SaveDC(dc);
        SetViewportOrgEx(dc, at.X, at.Y);
        IntersectClipRect(dc, limit.Left - at.X, limit.Top - at.Y, limit.Right - at.X, limit.Bottom - at.Y);
        TMessage m{msg, reinterpret_cast<WPARAM>(dc), 0, 0};
        Deliver(control, m);
        RestoreDC(dc, saved);
    };

    if (!win) {
        send(WM_PAINT, origin, visible);
        return;
    }
    if (win != &FForm) send(WM_NCPAINT, origin, visible);
    TRect clientClip = IntersectRect(visible, clientRect);
    if (clientClip.IsEmpty()) return;
    send(WM_ERASEBKGND, clientOrigin, clientClip);
    send(WM_PAINT, clientOrigin, clientClip);
    // Graphic children share the parent's pixels; windowed children lie above them.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < win->ControlCount(); ++i) {
            TControl* child = win->Controls(i);
            bool windowed = dynamic_cast<TWinControl*>(child) != nullptr;
            if (windowed != (pass == 1) || !child->Visible()) continue;
            PaintControlTree(dc, *child, {clientOrigin.X + child->Left(), clientOrigin.Y + child->Top()}, clientClip);
        }
    }
}

TControl* TFormHost::ControlAt(TPoint surfacePos) const
{
    TPoint o = ClientOffset();
    TPoint p{surfacePos.X - o.X, surfacePos.Y - o.Y};
    if (p.Y < 0) return nullptr;
    TWinControl* parent = &FForm;
    while (true) {
        TControl* child = parent->ControlAtPos(p, true);
        if (!child) return parent;
        auto* w = dynamic_cast<TWinControl*>(child);
        if (!w) return child;
        TRect wc = w->WindowClientRect();
        p = {p.X - child->Left() - wc.Left, p.Y - child->Top() - wc.Top};
        parent = w;
    }
}

TPoint TFormHost::SurfaceToScreen(TPoint surfacePos) const
{
    TPoint origin = FForm.ClientToScreen({0, -FForm.MenuBarHeight()});
    return {origin.X + surfacePos.X, origin.Y + surfacePos.Y};
}

int TFormHost::NativeDragOver(TDragData& data, TPoint pos, TShiftState keys, int allowed)
{
    if (BlockedByModal(FForm)) return DROPEFFECT_NONE;
    DWORD k = static_cast<DWORD>(ShiftStateToMouseKeys(keys)) | (keys.Contains(ssAlt) ? MK_ALT : 0);
    return static_cast<int>(DragOverControl(ControlAt(pos), data, SurfaceToScreen(pos), k, static_cast<DWORD>(allowed)));
}

void TFormHost::NativeDragLeave() { DragLeaveTarget(); }

int TFormHost::NativeDrop(TDragData& data, TPoint pos, TShiftState keys, int allowed)
{
    if (BlockedByModal(FForm)) {
        DragLeaveTarget();
        return DROPEFFECT_NONE;
    }
    DWORD k = static_cast<DWORD>(ShiftStateToMouseKeys(keys)) | (keys.Contains(ssAlt) ? MK_ALT : 0);
    return static_cast<int>(DropOnControl(ControlAt(pos), data, SurfaceToScreen(pos), k, static_cast<DWORD>(allowed)));
}

void TFormHost::ControlGone(const TControl* control)
{
    if (FMouseControl == control) FMouseControl = nullptr;
    if (FLastDownControl == control) FLastDownControl = nullptr;
}

void TFormHost::TrackMouseControl(TControl* control)
{
    if (control == FMouseControl) return;
    TControl* old = FMouseControl;
    FMouseControl = control;
    if (old) {
        TMessage leave{CM_MOUSELEAVE, 0, 0, 0};
        Deliver(*old, leave);
    }
    if (control && FMouseControl == control) {
        TMessage enter{CM_MOUSEENTER, 0, 0, 0};
        Deliver(*control, enter);
    }
}

unsigned TFormHost::DoubleClickMessage(unsigned msg, TControl* target, TPoint pos)
{
    std::uint64_t now = Backend().NowMs();
    bool isDouble = msg == FLastDownMsg && target == FLastDownControl && now - FLastDownTime <= DoubleClickTimeMs &&
                    std::abs(pos.X - FLastDownPos.X) <= DoubleClickDistance &&
                    std::abs(pos.Y - FLastDownPos.Y) <= DoubleClickDistance;
    if (isDouble) {
        // A third press starts a new pair.
        FLastDownMsg = 0;
        return target->ControlStyle().Contains(csDoubleClicks) ? DoubleOf(msg) : msg;
    }
    FLastDownMsg = msg;
    FLastDownControl = target;
    FLastDownPos = pos;
    FLastDownTime = now;
    return msg;
}

TWinControl* TFormHost::KeyTarget() const
{
    TWinControl* target = FocusedControl();
    if (!target) return &FForm;
    // A popup shown without taking the keyboard gets its keys through the
    // window that opened it while one of its controls holds the focus.
    const TCustomForm* form = target->GetParentForm();
    if (form == &FForm || (form && form->Popup() && form->Visible())) return target;
    // Keys of an MDI frame go on to the focused control of its active child.
    if (form && MDIFrameFor(*form) == &FForm) return target;
    return &FForm;
}

void TFormHost::NativeKey(unsigned msg, unsigned short vk, std::uint32_t keyData)
{
    NoteInput();
    bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
    SetKeyDown(vk, down);
    if (BlockedByModal(FForm)) return;
    if (down && Application) Application->CancelHint();
    if (down) FSuppressChar = false;
    if (TMenuTracker* tracker = ActiveMenuTracker()) {
        // An open menu takes every key; letters go on as characters for its access keys.
        tracker->HandleKey(msg, vk);
        FSuppressChar = down && !((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'));
        return;
    }
    if (auto* bar = FForm.MenuBar(); bar && bar->HandleKey(msg, vk)) {
        FSuppressChar = down;
        return;
    }
    TWinControl* target = KeyTarget();
    HWND handle = target->Handle();
    if (down || msg == WM_KEYUP || msg == WM_SYSKEYUP) {
        unsigned reflected = msg == WM_KEYDOWN ? CN_KEYDOWN : msg == WM_SYSKEYDOWN ? CN_SYSKEYDOWN
                             : msg == WM_KEYUP ? CN_KEYUP : 0;
        if (reflected) {
            TMessage cn{reflected, vk, static_cast<LPARAM>(keyData), 0};
            target->MainWndProc(cn);
            if (cn.Result != 0) {
                // Consumed before the control: no character follows.
                if (down) FSuppressChar = true;
                return;
            }
        }
    }
    if (TWinControl* still = FindControl(handle)) {
        TMessage m{msg, vk, static_cast<LPARAM>(keyData), 0};
        still->MainWndProc(m);
    }
}

void TFormHost::NativeChar(char32_t ch, std::uint32_t keyData, bool sysChar)
{
    NoteInput();
    if (FSuppressChar || BlockedByModal(FForm)) return;
    if (TMenuTracker* tracker = ActiveMenuTracker()) {
        tracker->HandleChar(ch);
        return;
    }
    TWinControl* target = KeyTarget();
    HWND handle = target->Handle();
    TMessage cn{sysChar ? CN_SYSCHAR : CN_CHAR, ch, static_cast<LPARAM>(keyData), 0};
    target->MainWndProc(cn);
    if (cn.Result != 0) return;
    if (TWinControl* still = FindControl(handle)) {
        TMessage m{sysChar ? WM_SYSCHAR : WM_CHAR, ch, static_cast<LPARAM>(keyData), 0};
        still->MainWndProc(m);
    }
}

bool TFormHost::NativeViewPress(TPoint pos)
{
    // A click beside an open menu or drop-down closes it and does nothing else.
    if (!ActiveMenuTracker() && !OpenPopup()) return false;
    NoteInput();
    TPoint surfaceOrigin = FForm.ClientToScreen({0, -FForm.MenuBarHeight()});
    if (Mouse) Mouse->SetCursorPosition({surfaceOrigin.X + pos.X, surfaceOrigin.Y + pos.Y});
    if (TMenuTracker* tracker = ActiveMenuTracker()) tracker->OutsidePress();
    else PopupWatchPress(&FForm);
    return true;
}

void TFormHost::NativeMouse(unsigned msg, TPoint pos, TShiftState shift)
{
    NoteInput();
    TPoint screenPos = SurfaceToScreen(pos);
    if (Mouse) Mouse->SetCursorPosition(screenPos);
    if (msg == WM_LBUTTONDOWN) SetKeyDown(VK_LBUTTON, true);
    if (msg == WM_LBUTTONUP) SetKeyDown(VK_LBUTTON, false);
    if (msg == WM_RBUTTONDOWN) SetKeyDown(VK_RBUTTON, true);
    if (msg == WM_RBUTTONUP) SetKeyDown(VK_RBUTTON, false);
    if (BlockedByModal(FForm)) return;
    if (TMenuTracker* tracker = ActiveMenuTracker(); tracker && IsButtonDown(msg) && !tracker->Owns(&FForm)) {
        tracker->OutsidePress();
        return;
    }
    TControl* capture = CaptureControl();
    if (capture && capture->GetParentForm() != &FForm) {
        // A press on another window means no button is held over the capturing
        // one any more: its capture is left over and would swallow the next
        // clicks. Drop-downs and menus are the capturing control's own popups.
        if (IsButtonDown(msg) && !FForm.Popup()) SetCaptureControl(nullptr);
        capture = nullptr;
    }
    if (IsButtonDown(msg)) {
        PopupWatchPress(&FForm);
        if (Application) Application->CancelHint();
        if (!FForm.Popup() && !FForm.Active()) ActivateForm(&FForm);
    }
    if (auto* bar = FForm.MenuBar(); bar && !capture && pos.Y < bar->Height()) {
        TrackMouseControl(nullptr);
        bar->HandleMouse(msg, pos);
        return;
    }
    TControl* hit = ControlAt(pos);
    TrackMouseControl(capture ? (hit == capture ? capture : nullptr) : hit);
    TControl* target = capture ? capture : hit;
    if (!target) return;
    if (!capture && !target->IsEnabledWithParents()) return;
    if (IsButtonDown(msg)) msg = DoubleClickMessage(msg, target, pos);
    TPoint local = target->ScreenToClient(screenPos);
    if (msg == WM_MOUSEMOVE && FNative) {
        ShowCursorOf(*target);
        if (Application) Application->HintMouseMessage(target);
    }
    TMessage m{msg, ShiftStateToMouseKeys(shift), MakeLParam(local.X, local.Y), 0};
    Deliver(*target, m);
    // The control may have chosen another cursor for the point it was told
    // about; show it now rather than at the next move. A control gone
    // meanwhile is no longer the one the pointer is over.
    if (FNative && (FMouseControl == target || CaptureControl() == target)) ShowCursorOf(*target);
}

void TFormHost::ShowCursorOf(TControl& target)
{
    TCursor cursor = Screen && Screen->Cursor() != crDefault ? Screen->Cursor() : target.Cursor();
    for (TControl* c = &target; cursor == crDefault && c->Parent(); c = c->Parent()) cursor = c->Parent()->Cursor();
    FNative->SetCursor(NativeCursorOf(cursor));
}

void TFormHost::NativeWheel(int delta, TPoint pos, TShiftState shift)
{
    if (BlockedByModal(FForm)) return;
    TControl* target = FocusedControl();
    // The hint floats over the control it tells of: a wheel turned over it
    // closes it and scrolls the focused control as it would have anyway.
    const bool overHint = Application && Application->HintWindow() == &FForm;
    if (overHint) Application->CancelHint();
    if (!target || (target->GetParentForm() != &FForm && !overHint)) target = ControlAt(pos);
    if (!target) return;
    TPoint surfaceOrigin = FForm.ClientToScreen({0, -FForm.MenuBarHeight()});
    TPoint screenPos{surfaceOrigin.X + pos.X, surfaceOrigin.Y + pos.Y};
    TMessage m{WM_MOUSEWHEEL, MakeWParam(static_cast<unsigned>(ShiftStateToMouseKeys(shift)), static_cast<unsigned>(delta)),
               MakeLParam(screenPos.X, screenPos.Y), 0};
    Deliver(*target, m);
}

void TFormHost::NativeMouseLeave()
{
    if (!CaptureControl()) TrackMouseControl(nullptr);
    if (auto* bar = FForm.MenuBar()) bar->MouseLeft();
}

void TFormHost::NativeResized(int clientWidth, int clientHeight)
{
    if (clientWidth == FSurface.Width() && clientHeight == FSurface.Height()) return;
    int frameW = FForm.Width() - FSurface.Width();
    int frameH = FForm.Height() - FSurface.Height();
    FForm.SetBounds(FForm.Left(), FForm.Top(), clientWidth + frameW, clientHeight + frameH);
}

void TFormHost::NativeMoved(TPoint screenTopLeft)
{
    TPoint now = FForm.ClientToScreen({0, -FForm.MenuBarHeight()});
    if (now == screenTopLeft) return;
    PopupWatchMoved(&FForm);
    FForm.SetBounds(FForm.Left() + screenTopLeft.X - now.X, FForm.Top() + screenTopLeft.Y - now.Y, FForm.Width(),
                    FForm.Height());
}

void TFormHost::NativeActivated(bool active)
{
    if (FForm.Popup()) return;
    if (active) {
        if (TCustomForm* modal = Screen ? Screen->ModalForm() : nullptr; modal && modal != &FForm) {
            modal->BringToFrontAndActivate();
            return;
        }
        ActivateForm(&FForm);
    } else if (ActiveForm() == &FForm) {
        ActivateForm(nullptr);
    }
}

void TFormHost::NativeCloseRequested()
{
    if (BlockedByModal(FForm)) return;
    TMessage m{WM_CLOSE, 0, 0, 0};
    FForm.MainWndProc(m);
}

void TFormHost::NativeExposed()
{
    Paint();
    Present({0, 0, FSurface.Width(), FSurface.Height()});
}

} // namespace ui
