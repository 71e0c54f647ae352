// How a styled menu measures and paints its items, and frames the popup
// windows that show them.
#pragma once

#include "platform/graphics/Types.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"

#include <string>
#include <string_view>
#include <vector>

class IQuillMenu;
class TCanvas;
class TMenuItem;

// The strip at the right of every item and popup that the menu leaves
// unpainted: cut off draw rectangles and popup windows, added to every width.
inline constexpr int MenuRightStrip = 17;

// The measure rules: Width and Height arrive with the platform's default
// measure of the item and leave with the styled one.
void MeasureMenuItem(TMenuItem* Item, TCanvas* Canvas, int& Width, bool ShowSideBar, int& Height);
// Side bar, icon column and background behind the item, then the item, then
// the frame of the popup window.
void DrawMenuItemBackground(TMenuItem* Item, TCanvas* Canvas, TRect Rect, bool ShowSideBar, TOwnerDrawState State);
// A separator band, or the item's content.
void DrawMenuItemOrLine(IQuillMenu* Intf, TMenuItem* Item, TCanvas* Canvas, TOwnerDrawState State, TRect Rect);
// Highlight, picture or check glyph, submenu arrow, caption and shortcut.
void DrawMenuItemContent(IQuillMenu* Intf, TMenuItem* Item, TCanvas* Canvas, TOwnerDrawState State, TRect Rect);
// One text (a title with its notes lines, or a shortcut) in the item's font
// and colour; with DT_CALCRECT the text is measured into Rect where it can be.
void DrawMenuItemText(TMenuItem* Item, TCanvas* Canvas, std::string Text, unsigned Flags, TOwnerDrawState State,
                      TRect& Rect);
// The text of a shortcut; International names the keys as the keyboard does.
std::string ShortCutText(TShortCut ShortCut, bool International);
// Whether the side bar applies to the popup that shows the item.
bool SideBarShown(TMenuItem* Item);
// Clips, moves and frames the popup window that the canvas paints on.
void FramePopupWindow(TMenuItem* Item, TCanvas* Canvas);

// The bit of a shortcut that stands for the Windows key.
inline constexpr TShortCut scWindowsKey = 0x0200;

namespace menus {

// An item on a menu bar: its parent is the root of a main menu.
bool IsRootItem(const TMenuItem* Item);
// Some visible item at or before this one among its siblings starts a column.
bool InBreakColumn(const TMenuItem* Item);
// The popup's item area in the coordinates of the draw rectangle: the union
// of the rectangles of the item's siblings in their open popup Window, less
// the right strip. ItemRect (the item's own) stands in when the popup is not
// open in that window.
TRect PopupArea(const TMenuItem* Item, HWND Window, const TRect& ItemRect);

// A caption split at the two characters backslash and n: the title, then the
// notes lines. Without ShowNotes (or without a separator) all is title.
struct TCaptionLines {
    std::string Title;
    std::vector<std::string> Notes;
    bool HasNotes = false;
};
TCaptionLines SplitCaption(std::string_view Caption, bool ShowNotes);

// The name the keyboard gives a key, and its capitalised form.
std::string KeyNameText(unsigned short VirtualKey);
std::string CapitalizeKeyName(std::string_view Name);

} // namespace menus
