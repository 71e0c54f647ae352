// The popup windows of a styled menu: clipped to their item area, nudged into
// place and framed in the styler's colours at their first paint.
#include "menus/MenuItemDrawing.h"

#include "menus/MenuBackground.h"
#include "menus/MenuStyler.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MenuWindow.h"
#include "platform/ui/Menus.h"
#include "platform/ui/WindowManager.h"

#include <map>

namespace {

// The window procedures that the popup windows had before the menu took them
// over, by window.
std::map<HWND, TWndMethod>& SubclassedPopups()
{
    static std::map<HWND, TWndMethod> windows;
    return windows;
}

int ItemLevel(const TMenuItem* Item)
{
    int parents = 0;
    for (const TMenuItem* p = Item->Parent(); p; p = p->Parent()) ++parents;
    return parents - 1 + (dynamic_cast<const TPopupMenu*>(Item->GetParentMenu()) ? 1 : 0);
}

bool SubMenuOpensRight(const TMenuItem* Item)
{
    if (menus::IsRootItem(Item)) return true;
    const TMenuItem* parent = Item->Parent();
    if (!parent || !parent->Visible() || parent->Count() == 0) return false;
    TRect first, parentRect;
    const bool firstOpen = ui::GetMenuItemRect(*parent->Items(0), first);
    if (Item->Visible() && (!firstOpen || first.IsEmpty())) return true;
    if (!ui::GetMenuItemRect(*parent, parentRect)) return false;
    return parentRect.Left < first.Left || (parentRect.Left == first.Left && parentRect.Right < first.Right);
}

// The width of the menu-bar item whose drop-down the item stands in; 0 elsewhere.
int BarItemWidth(const TMenuItem* Item)
{
    const TMenuItem* parent = Item->Parent();
    if (!parent || !menus::IsRootItem(parent)) return 0;
    auto* form = dynamic_cast<TCustomForm*>(Item->GetParentMenu()->Owner());
    if (!form || !form->MenuBar()) return 0;
    for (const auto& [barItem, rect] : form->MenuBar()->Layout())
        if (barItem == parent) return rect.Width();
    return 0;
}

void PopupWindowProc(HWND Window, TMessage& Message)
{
    auto& windows = SubclassedPopups();
    auto it = windows.find(Window);
    if (it == windows.end()) return;
    if (Message.Msg == WM_ERASEBKGND) {
        Message.Result = 1;
        return;
    }
    TWndMethod previous = it->second;
    const bool hiding = (Message.Msg == CM_VISIBLECHANGED && Message.WParam == 0) || Message.Msg == WM_CLOSE ||
                        Message.Msg == WM_DESTROY;
    if (hiding) {
        // Giving the procedure back ends this one: only locals are used after it.
        windows.erase(it);
        SetWindowRgn(Window, nullptr, false);
        if (TWinControl* control = FindControl(Window)) control->WindowProc = previous;
    }
    if (previous) previous(Message);
}

// Takes the window over at its first paint: region, procedure and position.
void FirstPaint(HWND Window, const TMenuItem* Item, int Level)
{
    TWinControl* control = FindControl(Window);
    TRect R;
    if (!control || !GetWindowRect(Window, R)) return;
    SubclassedPopups()[Window] = control->WindowProc;
    control->WindowProc = [Window](TMessage& m) { PopupWindowProc(Window, m); };
    SetWindowRgn(Window, CreateRectRgn(1, 1, R.Width() - 18, R.Height() - 1), true);
    TPoint to{R.Left - 1, R.Top - 2};
    if (Level >= 2) to = SubMenuOpensRight(Item) ? TPoint{R.Left - 14, R.Top} : TPoint{R.Left + 20, R.Top};
    SetWindowPos(Window, 0, to.X, to.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void FramePopupWindow(TMenuItem* Item, TCanvas* Canvas)
{
    IQuillMenu* intf = ItemMenuInterface(Item);
    if (!intf || !Canvas || menus::IsRootItem(Item)) return;
    const HWND window = WindowFromDC(Canvas->Handle());
    if (!window) return;
    const int level = ItemLevel(Item);
    if (!SubclassedPopups().contains(window)) FirstPaint(window, Item, level);

    // The frame lies outside every item, so painting it with the popup's first
    // item is enough; framing the whole window after each item made a long
    // popup's painting grow with the square of its items.
    const TMenuItem* parent = Item->Parent();
    const TMenuItem* first = nullptr;
    for (int i = 0; parent && i < parent->Count() && !first; ++i)
        if (parent->Items(i)->Visible()) first = parent->Items(i);
    if (first != Item) return;
    TRect R;
    if (!GetWindowRect(window, R)) return;
    HDC dc = GetWindowDC(window);
    if (!dc) return;
    rtl::ScopeExit release([&] { ReleaseDC(window, dc); });
    TCanvas frameCanvas;
    frameCanvas.SetHandle(dc);
    rtl::ScopeExit detach([&] { frameCanvas.SetHandle(nullptr); });

    const TCustomQuillMenuStyler& S = *intf->CurrentMenuStyler();
    TRect frame = Rect(1, 1, R.Width() - 1, R.Height() - 1);
    if (level == 1) frame.Right -= MenuRightStrip;
    else if (SubMenuOpensRight(Item)) frame.Right -= 2 * MenuRightStrip;
    frameCanvas.Brush()->SetStyle(bsSolid);
    frameCanvas.Brush()->SetColor(S.MenuBorderColor());
    frameCanvas.FrameRect(frame);
    if (level == 1) {
        if (const int width = BarItemWidth(Item); width > 0) {
            frameCanvas.Pen()->SetColor(S.Background()->Color());
            frameCanvas.MoveTo(frame.Left + 1, 1);
            frameCanvas.LineTo(frame.Left + width - 1, 1);
        }
    }
    InflateRect(frame, -1, -1);
    frameCanvas.Brush()->SetColor(S.Background()->Color());
    frameCanvas.FrameRect(frame);
}
