// The styled menu bar: a form's main menu whose bar items and drop-downs are
// measured and painted in a menu styler's look, with a list of the
// application's windows kept in one of its menus.
#pragma once

#include "menus/StyledMenuSettings.h"
#include "platform/ui/Menus.h"

#include <cstdint>
#include <memory>

#include "platform/ui/Messages.h"

class TBitmap;
class TCustomForm;
class TCustomQuillMenuStyler;
class TImageList;
class IQuillMenu;

// The shortcut value that marks the separator in front of the window list.
inline constexpr TShortCut WindowListMarkerShortCut = 0xABCD;
// The radio group of the window-list items.
inline constexpr std::uint8_t WindowListGroupIndex = 205;

class TQuillMainMenu : public TMainMenu, public menus::TStyledMenuSettings, public menus::TDisabledImagesSource {
    VISTRA_CLASS(TQuillMainMenu, TMainMenu)

    explicit TQuillMainMenu(TComponent* AOwner);
    ~TQuillMainMenu() override;
    void Loaded() override;

    void BarBeginUpdate();
    // The last one binds all items and draws the bar again.
    void BarEndUpdate();
    bool MenuUpdating() const noexcept { return FMenuUpdating; }

    TImageList* DisabledImages() const override { return FDisabledImages; }
    void SetDisabledImages(TImageList* Value) { FDisabledImages = Value; }

    // Rebuilds the window list of Frame's window menu: a marker separator,
    // then one numbered radio item per MDI child, sorted by caption, the
    // active child's checked.
    void RefreshWindowList(TCustomForm& Frame);
    // Activates the MDI child of a window-list item.
    void WindowListItemClick(TObject* Sender);
    // The MDI client window the bar watches (0 for none).
    HWND HookedClient() const noexcept { return FMDIClient; }

    // IQuillMenu. Refreshing the bar also watches its form's MDI client.
    void UpdateItems() override;
    TMenu* OwnerMenu() override { return this; }

    // The handlers every item receives.
    void BarMeasureItem(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height);
    void BarDrawItem(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

private:
    void HookItems();
    void HookMDIClient();
    void UnhookMDIClient();

    bool FMenuUpdating = false;
    int FUpdateCount = 0;
    TImageList* FDisabledImages = nullptr;
    HWND FMDIClient = 0;
};

// The window a menu is drawn for: its form, or for an MDI child's menu the
// MDI frame; 0 when there is none.
HWND MenuWindow(TMenu* Menu);
// The MDI client window of a main menu's form: for an MDI child its frame's
// client, for an MDI frame its own; 0 for any other menu or form.
HWND MDIClientOfMenu(IQuillMenu* Intf);
// The form whose handle is Window, among the screen's forms.
TCustomForm* FormOfWindow(HWND Window);
// A copy of a window's icon at the small or large icon size; Icon is null
// when the window has none.
struct TWindowIcon {
    std::unique_ptr<TBitmap> Icon;
    TSize Size;
};
TWindowIcon WindowIcon(HWND Window, bool Large);
// The window procedure a styled menu bar installs on its MDI client: rebuilds
// the window list on WM_MDIREFRESHMENU and hands every other message to the
// client's earlier procedure.
LRESULT MDIClientWindowProc(HWND Window, unsigned Msg, WPARAM WParam, LPARAM LParam);
// Whether a bar item is the last of its row.
bool IsLastBarItem(TMenuItem* Item);
// Draws the active MDI child's small icon left of the bar's first item.
void DrawMDIChildIcon(TMenuItem* Item, const TRect& R);
