// The keyboard focus: one focused control in the process, focus messages that
// name the other window, CM_ENTER/CM_EXIT along the parent chains, tab order.
#include <algorithm>

#include "platform/ui/Forms.h"
#include "platform/ui/WinControl.h"

namespace {
TWinControl* gFocus = nullptr;
}

namespace ui {

TWinControl* FocusedControl() { return gFocus; }

HWND GetFocus() { return gFocus ? gFocus->Handle() : 0; }

HWND SetFocus(HWND hWnd)
{
    TWinControl* target = hWnd ? FindControl(hWnd) : nullptr;
    TWinControl* old = gFocus;
    HWND oldHandle = old && old->HandleAllocated() ? old->Handle() : 0;
    if (target == old) return oldHandle;
    if (old) {
        TMessage kill{WM_KILLFOCUS, hWnd, 0, 0};
        old->MainWndProc(kill);
    }
    // The kill-focus handler may have moved the focus itself.
    if (gFocus != old) return oldHandle;
    gFocus = target;
    if (target) {
        TMessage set{WM_SETFOCUS, oldHandle, 0, 0};
        target->MainWndProc(set);
    }
    return oldHandle;
}

} // namespace ui

bool TWinControl::CanFocus() const
{
    TCustomForm* form = GetParentForm();
    if (!form) return false;
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const { return gFocus == this; }

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm();
    if (form) form->FocusControl(this);
    else if (HandleAllocated() || Parent()) ui::SetFocus(Handle());
}

void TWinControl::WMSetFocus(TMessage&) { Invalidate(); }

void TWinControl::WMKillFocus(TMessage&) { Invalidate(); }

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }

void TWinControl::CMExit(TMessage&) { DoExit(); }

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    auto n = static_cast<std::ptrdiff_t>(list.size());
    auto it = std::find(list.begin(), list.end(), CurControl);
    std::ptrdiff_t start = it == list.end() ? (GoForward ? n - 1 : 0) : it - list.begin();
    std::ptrdiff_t i = start;
    for (std::ptrdiff_t step = 0; step < n; ++step) {
        i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c == CurControl) break;
        if ((!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}
