// Measuring styled menu items, and where an item stands in its popup.
#include "menus/MenuItemDrawing.h"

#include "menus/MenuAppearance.h"
#include "menus/MenuFonts.h"
#include "menus/MenuSideBar.h"
#include "menus/MenuStyler.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/MenuWindow.h"
#include "platform/ui/Menus.h"
#include "platform/ui/WindowManager.h"

#include <algorithm>

namespace {

// The size of a menu-bar button before its text is added.
constexpr int MenuBarButtonSize = 19;

TMenuItem* FirstVisibleChild(const TMenuItem* Parent)
{
    for (int i = 0; i < Parent->Count(); ++i)
        if (Parent->Items(i)->Visible()) return Parent->Items(i);
    return nullptr;
}

// The text an item is measured by: its title and its shortcut text.
std::string MeasuredText(const TMenuItem* Item, const IQuillMenu& Intf, const menus::TCaptionLines& Lines)
{
    std::string text = Lines.Title;
    if (Item->ShortCut() != 0) text += ShortCutText(Item->ShortCut(), Intf.IntlKeybShortCuts());
    return text;
}

TSize SingleLineSize(TCanvas& Canvas, const std::string& Text)
{
    TRect r;
    DrawText(Canvas.Handle(), Text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Width(), r.Height()};
}

void MeasureRootItem(TMenuItem* Item, TCanvas& Canvas, const IQuillMenu& Intf, int& Width, int& Height)
{
    const TCustomQuillMenuStyler& S = *Intf.CurrentMenuStyler();
    Width = MenuBarButtonSize;
    Height = MenuBarButtonSize;
    const TImageList* images = Item->GetImageList();
    if (images && Item->ImageIndex() >= 0) Width = images->Width();
    else if (Item->Bitmap() && !Item->Bitmap()->Empty()) Width = Item->Bitmap()->Width();
    else Width = -7;
    if (!S.RootItem()->UseSystemFont()) Canvas.Font()->Assign(S.RootItem()->Font());
    const TSize text = SingleLineSize(Canvas, MeasuredText(Item, Intf, menus::SplitCaption(Item->Caption(), Intf.ShowNotes())));
    Width += text.cx + 7;
    Height = std::max(Height, text.cy + 6);
}

} // namespace

namespace menus {

bool IsRootItem(const TMenuItem* Item)
{
    if (!Item || !Item->Parent() || Item->Parent()->Parent()) return false;
    return dynamic_cast<const TMainMenu*>(Item->GetParentMenu()) != nullptr;
}

bool InBreakColumn(const TMenuItem* Item)
{
    const TMenuItem* parent = Item ? Item->Parent() : nullptr;
    if (!parent) return false;
    for (int i = 0; i < parent->Count(); ++i) {
        const TMenuItem* sibling = parent->Items(i);
        if (sibling->Visible() && sibling->Break()) return true;
        if (sibling == Item) break;
    }
    return false;
}

TRect PopupArea(const TMenuItem* Item, HWND Window, const TRect& ItemRect)
{
    TRect window;
    const TMenuItem* parent = Item->Parent();
    if (!parent || !Window || !GetWindowRect(Window, window)) return ItemRect;
    const std::vector<TRect> rects = ui::GetMenuPopupItemRects(*parent);
    if (rects.empty()) return ItemRect;
    TRect area = rects.front();
    for (const TRect& r : rects) area = UnionRect(area, r);
    OffsetRect(area, -window.Left, -window.Top);
    area.Right -= MenuRightStrip;
    return area;
}

} // namespace menus

bool SideBarShown(TMenuItem* Item)
{
    IQuillMenu* intf = ItemMenuInterface(Item);
    if (!intf || !Item) return false;
    const TSideBar& bar = *intf->CurrentMenuStyler()->SideBar();
    if (!bar.Visible()) return false;
    const TMenuItem* parent = Item->Parent();
    bool applies = false;
    switch (bar.VisibleIn()) {
    case viFirstVisible:
        applies = parent && menus::IsRootItem(parent) && FirstVisibleChild(parent->Parent()) == parent;
        break;
    case viFirstLevel:
        applies = parent && ((!parent->Parent() && dynamic_cast<TPopupMenu*>(Item->GetParentMenu())) ||
                             menus::IsRootItem(parent));
        break;
    case viAnyLevel: applies = !menus::IsRootItem(Item); break;
    }
    return applies && !menus::InBreakColumn(Item);
}

void MeasureMenuItem(TMenuItem* Item, TCanvas* Canvas, int& Width, bool ShowSideBar, int& Height)
{
    IQuillMenu* intf = ItemMenuInterface(Item);
    if (!intf || !Canvas) return;
    if (!Item->Visible()) {
        Width = 0;
        Height = 0;
        return;
    }
    if (menus::IsRootItem(Item)) {
        MeasureRootItem(Item, *Canvas, *intf, Width, Height);
        return;
    }
    const TCustomQuillMenuStyler& S = *intf->CurrentMenuStyler();
    if (Item->IsLine()) {
        Height = S.Separator()->Width() + 2;
        Width = -2;
        return;
    }
    Width = S.IconBar()->Size();
    if (const TImageList* images = Item->GetImageList()) Height = std::max(Height, images->Height());
    else if (Item->Bitmap() && !Item->Bitmap()->Empty()) Height = std::max(Height, Item->Bitmap()->Height());
    else Height -= 3;
    Width += 15;
    Height += 2;

    const menus::TCaptionLines lines = menus::SplitCaption(Item->Caption(), intf->ShowNotes());
    if (!S.UseSystemFont()) Canvas->Font()->Assign(S.Font());
    else if (!S.SelectedItem()->UseSystemFont()) Canvas->Font()->Assign(S.SelectedItem()->Font());
    const TSize text = SingleLineSize(*Canvas, MeasuredText(Item, *intf, lines));
    Width += text.cx + 7;
    int textHeight = text.cy + 6;
    if (Item->ShortCut() & scWindowsKey) Width += Canvas->TextWidth("Win+");
    const bool bar = ShowSideBar && !menus::InBreakColumn(Item);
    const int barWidth = bar ? S.SideBar()->Size() + S.SideBar()->SplitterWidth() : 0;
    Width += barWidth;
    Height = (Height + 1) / 2 * 2;
    Width += MenuRightStrip;

    if (lines.HasNotes) {
        Canvas->Font()->Assign(S.NotesFont());
        const int lineHeight = Canvas->TextHeight("gh");
        int widest = Canvas->TextWidth(lines.Title);
        textHeight += lineHeight;
        for (std::size_t i = 0; i < lines.Notes.size(); ++i) {
            const bool last = i + 1 == lines.Notes.size();
            if (last && lines.Notes[i].empty()) continue;
            widest = std::max(widest, Canvas->TextWidth(lines.Notes[i]));
            if (!last) textHeight += lineHeight;
        }
        // The side bar takes its width from the notes lines as it does from the title.
        const int needed = widest + MenuRightStrip + S.IconBar()->Size() + 8 + barWidth;
        if (widest > 0 && needed > Width) Width = needed;
    }
    Height = std::max(Height, textHeight);
}
