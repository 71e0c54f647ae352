// Synthetic input: the same calls a host makes, aimed at a form's window.
#include "platform/backend/headless/HeadlessInput.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"

namespace backend::input {

namespace {

ui::TNativeWindowEvents& EventsOf(TCustomForm& form)
{
    form.HandleNeeded();
    auto* w = dynamic_cast<THeadlessWindow*>(form.NativeWindow());
    if (!w) throw EInvalidOperation("Form '" + form.Name() + "' has no headless window");
    return w->Events();
}

TCustomForm& FormOf(TControl& control)
{
    TCustomForm* form = control.GetParentForm();
    if (!form) throw EInvalidOperation("Control '" + control.Name() + "' is on no form");
    return *form;
}

TPoint SurfacePoint(TControl& control, TPoint pos)
{
    TCustomForm& form = FormOf(control);
    TPoint screen = control.ClientToScreen(pos);
    TPoint origin = form.ClientToScreen({0, -form.MenuBarHeight()});
    return {screen.X - origin.X, screen.Y - origin.Y};
}

std::uint32_t KeyData(unsigned short vk, bool up)
{
    std::uint32_t data = 1;
    if (GetKeyState(VK_MENU) < 0 && vk != VK_MENU) data |= KF_ALTDOWN_BIT;
    if (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE) data |= KF_KEYPAD_BIT;
    if (up) data |= KF_REPEAT_BIT | KF_UP_BIT;
    return data;
}

// The character a key makes under the current modifiers, 0 for none.
char32_t CharOf(unsigned short vk)
{
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) return static_cast<char32_t>(vk - 'A' + 1);
        return static_cast<char32_t>(shift ? vk : vk + 32);
    }
    if (ctrl) return 0;
    if (vk >= '0' && vk <= '9') return vk;
    switch (vk) {
    case VK_SPACE: return U' ';
    case VK_RETURN: return U'\r';
    case VK_TAB: return U'\t';
    case VK_BACK: return 8;
    case VK_ESCAPE: return 27;
    default: return 0;
    }
}

unsigned ButtonMessage(unsigned button, bool down)
{
    switch (button) {
    case 1: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case 2: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

} // namespace

void KeyDown(TCustomForm& form, unsigned short vk)
{
    bool sys = GetKeyState(VK_MENU) < 0 || vk == VK_MENU || vk == VK_F10;
    EventsOf(form).NativeKey(sys ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, KeyData(vk, false));
}

void KeyUp(TCustomForm& form, unsigned short vk)
{
    bool sys = GetKeyState(VK_MENU) < 0 || vk == VK_MENU;
    EventsOf(form).NativeKey(sys ? WM_SYSKEYUP : WM_KEYUP, vk, KeyData(vk, true));
}

void Char(TCustomForm& form, char32_t ch)
{
    bool alt = GetKeyState(VK_MENU) < 0;
    EventsOf(form).NativeChar(ch, alt ? KF_ALTDOWN_BIT | 1 : 1, alt);
}

void PressKey(TCustomForm& form, unsigned short vk, TShiftState shift)
{
    if (shift.Contains(ssShift)) KeyDown(form, VK_SHIFT);
    if (shift.Contains(ssCtrl)) KeyDown(form, VK_CONTROL);
    if (shift.Contains(ssAlt)) KeyDown(form, VK_MENU);
    KeyDown(form, vk);
    if (char32_t ch = CharOf(vk)) Char(form, ch);
    KeyUp(form, vk);
    if (shift.Contains(ssAlt)) KeyUp(form, VK_MENU);
    if (shift.Contains(ssCtrl)) KeyUp(form, VK_CONTROL);
    if (shift.Contains(ssShift)) KeyUp(form, VK_SHIFT);
}

void TypeText(TCustomForm& form, std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = len == 1 ? lead : lead & (0x3F >> (len - 1));
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += len;
        const unsigned short vk = ui::VirtualKeyForCharacter(cp);
        if (vk) KeyDown(form, vk);
        Char(form, cp);
        if (vk) KeyUp(form, vk);
    }
}

void MouseMove(TControl& control, TPoint pos, TShiftState shift)
{
    EventsOf(FormOf(control)).NativeMouse(WM_MOUSEMOVE, SurfacePoint(control, pos), shift);
}

void MouseDown(TControl& control, TPoint pos, unsigned button, TShiftState shift)
{
    shift.Include(button == 1 ? ssRight : button == 2 ? ssMiddle : ssLeft);
    EventsOf(FormOf(control)).NativeMouse(ButtonMessage(button, true), SurfacePoint(control, pos), shift);
}

void MouseUp(TControl& control, TPoint pos, unsigned button, TShiftState shift)
{
    EventsOf(FormOf(control)).NativeMouse(ButtonMessage(button, false), SurfacePoint(control, pos), shift);
}

void Click(TControl& control, TPoint pos)
{
    MouseMove(control, pos);
    MouseDown(control, pos);
    MouseUp(control, pos);
}

void DoubleClick(TControl& control, TPoint pos)
{
    Click(control, pos);
    Click(control, pos);
}

void Wheel(TControl& control, int delta, TPoint pos)
{
    EventsOf(FormOf(control)).NativeWheel(delta, SurfacePoint(control, pos), {});
}

void SurfaceMouse(TCustomForm& form, unsigned msg, TPoint surfacePos)
{
    EventsOf(form).NativeMouse(msg, surfacePos, msg == WM_LBUTTONDOWN ? TShiftState{ssLeft} : TShiftState{});
}

int DragOver(TControl& control, TPoint pos, ui::TDragData& data, TShiftState keys, int allowed)
{
    return EventsOf(FormOf(control)).NativeDragOver(data, SurfacePoint(control, pos), keys, allowed);
}

int Drop(TControl& control, TPoint pos, ui::TDragData& data, TShiftState keys, int allowed)
{
    return EventsOf(FormOf(control)).NativeDrop(data, SurfacePoint(control, pos), keys, allowed);
}

void DragLeave(TCustomForm& form) { EventsOf(form).NativeDragLeave(); }

std::vector<std::string> TForeignDrag::Formats()
{
    std::vector<std::string> names;
    for (const auto& item : FItems) names.push_back(item.first);
    return names;
}

std::optional<std::string> TForeignDrag::Bytes(const std::string& format)
{
    for (const auto& [name, bytes] : FItems)
        if (name == format) return bytes;
    return std::nullopt;
}

void AdvanceTime(std::uint64_t ms)
{
    HeadlessBackend().AdvanceClock(ms);
    Pump();
}

void Pump()
{
    if (Application) Application->ProcessMessages();
}

} // namespace backend::input
