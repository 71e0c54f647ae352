// The key pipeline of a windowed control. A key-down first arrives as
// CN_KEYDOWN: menu shortcuts, then CM_CHILDKEY, then the dialog-key stage (Tab,
// arrows, Enter and Esc are offered to the control through CM_WANTSPECIALKEY and
// WM_GETDLGCODE and otherwise to the form as CM_DIALOGKEY). A key consumed there
// goes no further and makes no character. Otherwise WM_KEYDOWN follows: the
// form's KeyDown when it previews keys, the control's KeyDown/OnKeyDown, and
// the control's default processing unless the key was cleared. Characters take
// the same road through CN_CHAR and WM_CHAR with KeyPress/OnKeyPress.
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/WinControl.h"

namespace {
unsigned short KeyOf(const TMessage& m) { return static_cast<unsigned short>(m.WParam); }
std::uint32_t KeyDataOf(const TMessage& m) { return static_cast<std::uint32_t>(m.LParam); }
} // namespace

bool TWinControl::IsMenuKey(TMessage& Message)
{
    TShortCut sc = ShortCut(KeyOf(Message), KeyDataToShiftState(KeyDataOf(Message)));
    for (TControl* c = this; c; c = c->Parent())
        if (TPopupMenu* popup = c->PopupMenu(); popup && popup->IsShortCut(sc)) return true;
    TCustomForm* form = GetParentForm();
    return form && form->IsShortCut(KeyOf(Message), KeyDataToShiftState(KeyDataOf(Message)));
}

void TWinControl::CNKeyDown(TMessage& Message)
{
    Message.Result = 1;
    if (IsMenuKey(Message)) return;
    if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    LRESULT mask = 0;
    switch (KeyOf(Message)) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
        TCustomForm* form = GetParentForm();
        if (form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
    }
    Message.Result = 0;
}

void TWinControl::CNSysKeyDown(TMessage& Message)
{
    Message.Result = 1;
    if (IsMenuKey(Message)) return;
    if (TCustomForm* form = GetParentForm(); form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
        return;
    Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message)
{
    // Characters are never consumed before the control sees them.
    Message.Result = 0;
}

void TWinControl::CMChildKey(TMessage& Message)
{
    if (Parent()) Message.Result = Parent()->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
}

void TWinControl::CMWantSpecialKey(TMessage& Message) { Message.Result = 0; }

void TWinControl::WMGetDlgCode(TMessage& Message) { Message.Result = 0; }

bool TWinControl::DoKeyDown(TMessage& Message)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(Message)) return true;
    unsigned short key = KeyOf(Message);
    if (!ControlStyle().Contains(csNoStdEvents)) {
        KeyDown(key, KeyDataToShiftState(KeyDataOf(Message)));
        Message.WParam = key;
        if (key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(TMessage& Message)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(Message)) return true;
    unsigned short key = KeyOf(Message);
    if (!ControlStyle().Contains(csNoStdEvents)) {
        KeyUp(key, KeyDataToShiftState(KeyDataOf(Message)));
        Message.WParam = key;
        if (key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(TMessage& Message)
{
    TCustomForm* form = GetParentForm();
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(Message)) return true;
    char32_t ch = static_cast<char32_t>(Message.WParam);
    if (!ControlStyle().Contains(csNoStdEvents)) {
        KeyPress(ch);
        Message.WParam = ch;
        if (ch == 0) return true;
    }
    return false;
}

void TWinControl::KeyDown(unsigned short& Key, TShiftState Shift)
{
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(unsigned short& Key, TShiftState Shift)
{
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key)
{
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::WMKeyDown(TMessage& Message)
{
    if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMSysKeyDown(TMessage& Message)
{
    if (!DoKeyDown(Message)) DefaultHandler(Message);
}

void TWinControl::WMKeyUp(TMessage& Message)
{
    if (!DoKeyUp(Message)) DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message)
{
    if (!DoKeyPress(Message)) DefaultHandler(Message);
}

void TWinControl::WMSysChar(TMessage& Message)
{
    // Alt+letter: the access keys of captions and menus.
    TCustomForm* form = GetParentForm();
    if (form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) {
        Message.Result = 1;
        return;
    }
    DefaultHandler(Message);
}

void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMDialogChar(TMessage& Message) { Broadcast(Message); }

void TWinControl::WMNextDlgCtl(TMessage& Message)
{
    TCustomForm* form = GetParentForm();
    if (!form) return;
    if (Message.LParam != 0) {
        if (TWinControl* target = FindControl(static_cast<HWND>(Message.WParam)); target && target->CanFocus())
            target->SetFocus();
        return;
    }
    form->SelectNext(form->ActiveControl(), Message.WParam == 0, true);
}
