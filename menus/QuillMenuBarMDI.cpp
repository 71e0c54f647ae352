// The styled menu bar's side of multiple-document windows: watching the MDI
// client, the window list of MDI children, the active child's icon on the bar
// and the bar items' places in their rows.
#include "menus/QuillMenuBar.h"

#include "menus/MenuDrawing.h"
#include "menus/MenuItemDrawing.h"
#include "menus/MenuStyler.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Icon.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MDIClient.h"
#include "platform/ui/MenuWindow.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollBars.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// The earlier window procedure of each watched MDI client, by window.
std::map<HWND, TWndMethod>& EarlierProcedures()
{
    static std::map<HWND, TWndMethod> procedures;
    return procedures;
}

TCustomForm* OwnerForm(TMenu* Menu)
{
    return Menu ? dynamic_cast<TCustomForm*>(Menu->Owner()) : nullptr;
}

// The icon WM_GETICON answers for that kind, or null.
TIcon* AskIcon(HWND Window, WPARAM Kind)
{
    return reinterpret_cast<TIcon*>(SendMessage(Window, WM_GETICON, Kind, 0));
}

} // namespace

HWND MenuWindow(TMenu* Menu)
{
    TCustomForm* form = OwnerForm(Menu);
    if (!form) return 0;
    if (TCustomForm* frame = ui::MDIFrameFor(*form)) return frame->Handle();
    return form->Handle();
}

HWND MDIClientOfMenu(IQuillMenu* Intf)
{
    auto* menu = Intf ? dynamic_cast<TMainMenu*>(Intf->OwnerMenu()) : nullptr;
    if (!menu || menu->ComponentState().Contains(csDestroying)) return 0;
    TCustomForm* form = OwnerForm(menu);
    if (!form) return 0;
    if (form->FormStyle() == fsMDIChild) {
        TCustomForm* frame = ui::MDIFrameFor(*form);
        return frame ? frame->ClientHandle() : 0;
    }
    if (form->FormStyle() == fsMDIForm) return form->ClientHandle();
    return 0;
}

TCustomForm* FormOfWindow(HWND Window)
{
    if (!Screen || Window == 0) return nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (TCustomForm* form = Screen->Forms(i); form->HandleAllocated() && form->Handle() == Window) return form;
    return nullptr;
}

TWindowIcon WindowIcon(HWND Window, bool Large)
{
    TWindowIcon result;
    result.Size = Large ? TSize{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}
                        : TSize{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    TIcon* icon = Large ? nullptr : AskIcon(Window, ICON_SMALL);
    if (!icon) icon = AskIcon(Window, Large ? ICON_BIG : ICON_SMALL2);
    if (!icon && !Large) icon = AskIcon(Window, ICON_BIG);
    if (!icon || icon->Empty()) return result;
    result.Icon = std::make_unique<TBitmap>();
    result.Icon->SetPixelFormat(pf32bit);
    result.Icon->SetSize(result.Size.cx, result.Size.cy);
    result.Icon->Canvas()->StretchDraw({0, 0, result.Size.cx, result.Size.cy}, icon);
    return result;
}

LRESULT MDIClientWindowProc(HWND Window, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg != WM_MDIREFRESHMENU) {
        TMessage message{Msg, WParam, LParam, 0};
        auto earlier = EarlierProcedures().find(Window);
        if (earlier != EarlierProcedures().end() && earlier->second) earlier->second(message);
        return message.Result;
    }
    TWinControl* client = FindControl(Window);
    TCustomForm* form = client && client->Parent() ? FormOfWindow(client->Parent()->Handle()) : nullptr;
    if (!form || form->FormStyle() != fsMDIForm || !form->WindowMenu()) return 0;
    auto* bar = dynamic_cast<TQuillMainMenu*>(form->Menu());
    if (!bar) return 0;
    bar->RefreshWindowList(*form);
    return reinterpret_cast<LRESULT>(static_cast<TMenu*>(bar));
}

void TQuillMainMenu::HookMDIClient()
{
    const HWND client = MDIClientOfMenu(this);
    if (client == 0 || EarlierProcedures().count(client)) return;
    TWinControl* control = FindControl(client);
    if (!control) return;
    UnhookMDIClient();
    FMDIClient = client;
    EarlierProcedures()[client] = control->WindowProc;
    control->WindowProc = [client](TMessage& Message) {
        Message.Result = MDIClientWindowProc(client, Message.Msg, Message.WParam, Message.LParam);
    };
}

void TQuillMainMenu::UnhookMDIClient()
{
    if (FMDIClient == 0) return;
    auto earlier = EarlierProcedures().find(FMDIClient);
    if (earlier != EarlierProcedures().end()) {
        if (TWinControl* control = FindControl(FMDIClient)) control->WindowProc = earlier->second;
        EarlierProcedures().erase(earlier);
    }
    FMDIClient = 0;
}

void TQuillMainMenu::RefreshWindowList(TCustomForm& Frame)
{
    TMenuItem* windowMenu = Frame.WindowMenu();
    if (!windowMenu) return;
    BarBeginUpdate();
    TMenuItem* marker = FindItem(WindowListMarkerShortCut, fkShortCut);
    if (!marker || marker->Caption() != "-" || marker->Parent() != windowMenu) {
        marker = new TMenuItem(nullptr);
        marker->SetCaption("-");
        marker->SetShortCut(WindowListMarkerShortCut);
        windowMenu->Add(marker);
    } else {
        // The list's items belong to the window menu, which owns items without an owner.
        while (windowMenu->Count() > marker->MenuIndex() + 1) {
            TMenuItem* last = windowMenu->Items(windowMenu->Count() - 1);
            windowMenu->Delete(windowMenu->Count() - 1);
            delete last;
        }
    }
    std::vector<TCustomForm*> children;
    for (int i = 0; i < Frame.MDIChildCount(); ++i)
        if (TCustomForm* child = Frame.MDIChildren(i); !child->ComponentState().Contains(csDestroying))
            children.push_back(child);
    marker->SetVisible(!children.empty());
    std::stable_sort(children.begin(), children.end(),
                     [](TCustomForm* a, TCustomForm* b) { return a->Caption() < b->Caption(); });
    TCustomForm* active = Frame.ActiveMDIChild();
    for (std::size_t j = 0; j < children.size(); ++j) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(std::to_string(j + 1) + " " + children[j]->Caption());
        item->SetTag(static_cast<std::intptr_t>(children[j]->Handle()));
        item->OnClick = [this](TObject* Sender) { WindowListItemClick(Sender); };
        item->SetRadioItem(true);
        item->SetGroupIndex(WindowListGroupIndex);
        item->SetChecked(children[j] == active);
        windowMenu->Add(item);
    }
    BarEndUpdate();
}

void TQuillMainMenu::WindowListItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || item->Tag() == 0) return;
    auto* menu = dynamic_cast<TQuillMainMenu*>(item->GetParentMenu());
    const HWND client = MDIClientOfMenu(menu);
    if (client == 0) return;
    if (SendMessage(client, WM_MDIACTIVATE, static_cast<WPARAM>(item->Tag()), 0) == 0) item->SetChecked(true);
}

bool IsLastBarItem(TMenuItem* Item)
{
    if (!menus::IsRootItem(Item)) return false;
    TCustomForm* form = FormOfWindow(MenuWindow(Item->GetParentMenu()));
    if (!form || !form->MenuBar()) return false;
    const std::vector<std::pair<TMenuItem*, TRect>> layout = form->MenuBar()->Layout();
    for (std::size_t i = 0; i + 1 < layout.size(); ++i) {
        if (layout[i].first != Item) continue;
        const TRect& next = layout[i + 1].second;
        if (next.Top != layout[i].second.Top && next.Width() > 0) return true;
    }
    // Every item of a styled bar is drawn by its owner: the last one laid out ends the bar.
    for (auto it = layout.rbegin(); it != layout.rend(); ++it)
        if (it->first->GetParentMenu() && it->first->GetParentMenu()->OwnerDraw()) return it->first == Item;
    return false;
}

void DrawMDIChildIcon(TMenuItem* Item, const TRect& R)
{
    TMenu* menu = Item ? Item->GetParentMenu() : nullptr;
    if (!menu || !menus::IsRootItem(Item) || menu->Items()->Count() == 0 || menu->Items()->Items(0) != Item) return;
    if (R.Left <= 4) return;
    TCustomForm* frame = OwnerForm(menu);
    if (!frame || frame->FormStyle() != fsMDIForm) return;
    TCustomForm* child = frame->ActiveMDIChild();
    if (!child || !child->HandleAllocated()) return;
    TWindowIcon icon = WindowIcon(child->Handle(), false);
    if (!icon.Icon || R.Left < icon.Size.cx) return;
    const TRect space{4, R.Top, R.Left, R.Bottom};
    auto* styled = dynamic_cast<TQuillMainMenu*>(menu);
    // The bar lies above the client area on the frame's surface: draw in its coordinates.
    HDC dc = frame->GetControlDC(frame, true);
    if (!dc) return;
    SetViewportOrgEx(dc, 0, 0);
    SelectClipRgn(dc, nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    if (styled && styled->CurrentMenuStyler()) {
        const TRootItem& root = *styled->CurrentMenuStyler()->RootItem();
        if (root.GradientDirection() == gdVertical)
            DrawGradientSlice(canvas, space, space, root.Color(), root.ColorTo(), gdVertical);
        else {
            canvas.Brush()->SetColor(root.Color());
            canvas.FillRect(space);
        }
    }
    canvas.StretchDraw({space.Right - 16, space.Top + 2, space.Right, space.Top + 18}, icon.Icon.get());
    canvas.SetHandle(nullptr);
    DeleteDC(dc);
}
