// The windows that show menus: popup levels tracked by mouse and keyboard,
// and the menu bar a form draws above its client area.
#pragma once

#include <vector>

#include "platform/graphics/GdiTypes.h"
#include "platform/ui/Menus.h"

class TCustomForm;

namespace ui {

// The item's size when nobody measures it: caption, shortcut and the 17-pixel
// check strip; separators are 8 pixels high.
void DefaultMeasureMenuItem(const TMenuItem& item, TCanvas* canvas, int& width, int& height);
void DefaultDrawMenuItem(const TMenuItem& item, TCanvas* canvas, TRect rect, TOwnerDrawState state, bool topLevel);

// Shows root's items as a popup at a screen point and tracks it (submenus
// included) until an item is chosen (returned) or the menu is dismissed (null).
// The chosen item is not clicked here.
TMenuItem* TrackPopup(TMenuItem& root, TPoint screenPos, TPopupAlignment alignment);

// The popup menu being tracked takes keys and outside clicks first.
class TMenuTracker {
public:
    virtual ~TMenuTracker() = default;
    // Returns true when the key was used.
    virtual bool HandleKey(unsigned msg, unsigned short vk) = 0;
    virtual bool HandleChar(char32_t ch) = 0;
    // A press on a window that is not one of the menu's: dismisses the menu.
    virtual void OutsidePress() = 0;
    // True for the menu's own windows.
    virtual bool Owns(const TCustomForm* form) const = 0;
};
TMenuTracker* ActiveMenuTracker();
// The screen rectangle of an item in the open popup menu that shows it; false
// when no open popup shows the item.
bool GetMenuItemRect(const TMenuItem& item, TRect& rect);
// The screen rectangles of the items shown by the open popup of parent's
// submenu, in order; empty when it is not open.
std::vector<TRect> GetMenuPopupItemRects(const TMenuItem& parent);

// The menu bar of a form: drawn at the top of its surface.
class TMenuBar {
public:
    explicit TMenuBar(TCustomForm& form);
    int Height() const;
    void Paint(HDC dc, int width);
    void HandleMouse(unsigned msg, TPoint pos);
    bool HandleKey(unsigned msg, unsigned short vk);
    void MouseLeft();
    // Opens the top-level menu whose access key is ch.
    bool OpenByAccelerator(char32_t ch);
    // The rectangles of the visible top-level items, in surface coordinates.
    std::vector<std::pair<TMenuItem*, TRect>> Layout() const;
    // Opens the popup of one top-level item (by index in Layout) and runs it;
    // opened by keyboard, its first item starts chosen.
    void OpenItem(int index, bool byKeyboard = false);

private:
    TCustomForm& FForm;
    int FHot = -1;
};

} // namespace ui
