// Menus: items with captions, shortcuts, check marks and radio groups; the
// main menu of a form and popup menus; the owner-draw events of items.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/ui/Controls.h"

class TCanvas;
class TMenu;
class TImageList;
class TBitmap;

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };
enum TPopupAlignment { paLeft, paRight, paCenter };

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;

class TMenuItem : public TComponent {
    VISTRA_CLASS(TMenuItem, TComponent)

    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    // "&File": the character after "&" is the access key; "-" is a separator.
    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value);
    TShortCut ShortCut() const noexcept { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Checked() const noexcept { return FChecked; }
    // Checking a radio item unchecks the others of its group.
    void SetChecked(bool Value);
    bool AutoCheck() const noexcept { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    bool RadioItem() const noexcept { return FRadioItem; }
    void SetRadioItem(bool Value);
    std::uint8_t GroupIndex() const noexcept { return FGroupIndex; }
    void SetGroupIndex(std::uint8_t Value);
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const noexcept { return FVisible; }
    void SetVisible(bool Value);
    bool Default() const noexcept { return FDefault; }
    void SetDefault(bool Value);
    bool Break() const noexcept { return FBreak; }
    void SetBreak(bool Value);
    int ImageIndex() const noexcept { return FImageIndex; }
    void SetImageIndex(int Value);
    const std::string& Hint() const noexcept { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    // A number unique among all items of the process.
    unsigned Command() const noexcept { return FCommand; }
    bool IsLine() const { return FCaption == "-"; }
    // The access-key character, lower-cased; 0 when the caption has none.
    char32_t AccessKey() const;

    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const noexcept { return FParent; }
    int MenuIndex() const;
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    void Remove(TMenuItem* Item);
    void Delete(int Index);
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    TMenuItem* Find(const std::string& ACaption) const;
    TMenu* GetParentMenu() const;
    // Images of this item's submenu, else the menu's.
    TImageList* GetImageList() const;
    // A picture of the item's own, used when no image list gives one; null until set.
    TBitmap* Bitmap() const noexcept { return FBitmap.get(); }
    void SetBitmap(const TBitmap* Value);
    TImageList* SubMenuImages() const noexcept { return FSubMenuImages; }
    void SetSubMenuImages(TImageList* Value) { FSubMenuImages = Value; }

    // Chooses the item: auto-check, then OnClick.
    virtual void Click();
    void InitiateAction() {}

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

    // Owner-draw protocol: the measure and draw steps the menu windows call.
    virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
    virtual void AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TMenu;
    void Changed(bool Rebuild);
    void TurnSiblingsOff();
    void DrawDefault(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel);

    std::string FCaption;
    TShortCut FShortCut = 0;
    bool FChecked = false, FAutoCheck = false, FRadioItem = false, FEnabled = true, FVisible = true;
    bool FDefault = false, FBreak = false;
    std::uint8_t FGroupIndex = 0;
    int FImageIndex = -1;
    std::string FHint;
    unsigned FCommand;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;
    std::vector<TMenuItem*> FItems;
    TImageList* FSubMenuImages = nullptr;
    std::unique_ptr<TBitmap> FBitmap;
};

class TMenu : public TComponent {
    VISTRA_CLASS(TMenu, TComponent)

    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    TMenuItem* Items() const noexcept { return FItems.get(); }
    bool OwnerDraw() const noexcept { return FOwnerDraw; }
    void SetOwnerDraw(bool Value);
    TImageList* Images() const noexcept { return FImages; }
    void SetImages(TImageList* Value);
    // The item with that command, handle or shortcut anywhere in the menu.
    TMenuItem* FindItem(unsigned Value, TFindItemKind Kind) const;
    // Chooses the enabled item with this shortcut; false when there is none.
    bool IsShortCut(TShortCut Value);
    // Chooses the item with that command (WM_COMMAND's identifier).
    bool DispatchCommand(unsigned ACommand);
    // Drops cached measurements so the next showing measures again.
    void UpdateItems();
    // Called whenever an item is added, removed or changed.
    virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TMenuItem> FItems;
    bool FOwnerDraw = false;
    TImageList* FImages = nullptr;
};

class TMainMenu : public TMenu {
    VISTRA_CLASS(TMainMenu, TMenu)
    using TMenu::TMenu;
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;
};

class TPopupMenu : public TMenu {
    VISTRA_CLASS(TPopupMenu, TMenu)

    explicit TPopupMenu(TComponent* AOwner);

    // Shows the menu at a screen point and tracks it until an item is chosen or
    // the menu is dismissed; the chosen item's Click runs after it closes.
    virtual void Popup(int X, int Y);
    bool AutoPopup() const noexcept { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    TPopupAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    TComponent* PopupComponent() const noexcept { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
    TPoint PopupPoint() const noexcept { return FPopupPoint; }

    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

private:
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint;
};

// A menu item made in code: caption, shortcut, handler, checked, enabled.
TMenuItem* NewItem(const std::string& ACaption, TShortCut AShortCut, bool AChecked, bool AEnabled,
                   TNotifyEvent AOnClick, const std::string& AName);
TMenuItem* NewLine();
// The caption without "&" markers ("&&" stands for one "&").
std::string StripHotkey(const std::string& Text);

namespace ui {
// Tests answer popup menus: the handler gets the menu's items and returns the
// item to choose, or null to dismiss. Without one a popup tracks input normally.
using TPopupMenuHook = std::function<TMenuItem*(TPopupMenu& Menu)>;
void SetPopupMenuHook(TPopupMenuHook hook);
} // namespace ui
