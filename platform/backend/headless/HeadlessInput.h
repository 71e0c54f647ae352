// Synthetic input for tests: keys, characters, mouse and wheel delivered to a
// form exactly as a host would deliver them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ui/Backend.h"

#include "platform/graphics/Types.h"
#include "platform/ui/VirtualKeys.h"

class TCustomForm;
class TControl;

namespace backend::input {

// A key going down (WM_KEYDOWN, or WM_SYSKEYDOWN while Alt is held) and up.
void KeyDown(TCustomForm& form, unsigned short vk);
void KeyUp(TCustomForm& form, unsigned short vk);
// One typed character after its key-down, as the host's translation gives it.
void Char(TCustomForm& form, char32_t ch);
// A whole keystroke: the modifiers of Shift go down, the key goes down, the
// character it makes follows (letters by case, digits, space, Enter, Tab,
// Backspace, Esc, and Ctrl+letter as control characters), then all go up.
void PressKey(TCustomForm& form, unsigned short vk, TShiftState shift = {});
// Types text one character at a time (each as key-down, character, key-up).
void TypeText(TCustomForm& form, std::string_view utf8);

// Mouse input at a point in a control's client coordinates.
void MouseMove(TControl& control, TPoint pos, TShiftState shift = {});
void MouseDown(TControl& control, TPoint pos, unsigned button = 0, TShiftState shift = {});
void MouseUp(TControl& control, TPoint pos, unsigned button = 0, TShiftState shift = {});
// Press and release at the same point.
void Click(TControl& control, TPoint pos = {2, 2});
void DoubleClick(TControl& control, TPoint pos = {2, 2});
void Wheel(TControl& control, int delta, TPoint pos = {2, 2});
// Mouse input at a point of the form's surface (menu bar included).
void SurfaceMouse(TCustomForm& form, unsigned msg, TPoint surfacePos);

// A drag carried over a control at a point of its client area, as the host
// would report it: the effect a drop there would have, among allowed. Drop
// ends it with a drop there; DragLeave without one.
int DragOver(TControl& control, TPoint pos, ui::TDragData& data, TShiftState keys = {ssLeft}, int allowed = 3);
int Drop(TControl& control, TPoint pos, ui::TDragData& data, TShiftState keys = {}, int allowed = 3);
void DragLeave(TCustomForm& form);

// Data another program drags: format names and their bytes (text as
// "text/plain;charset=utf-8", files as "text/uri-list").
class TForeignDrag final : public ui::TDragData {
public:
    explicit TForeignDrag(std::vector<std::pair<std::string, std::string>> items) : FItems(std::move(items)) {}
    TForeignDrag(std::string format, std::string bytes) : FItems{{std::move(format), std::move(bytes)}} {}
    std::vector<std::string> Formats() override;
    std::optional<std::string> Bytes(const std::string& format) override;

private:
    std::vector<std::pair<std::string, std::string>> FItems;
};

// Moves the headless clock on and runs what became due (timers, posted messages).
void AdvanceTime(std::uint64_t ms);
// Runs the loop until nothing is pending.
void Pump();

} // namespace backend::input
