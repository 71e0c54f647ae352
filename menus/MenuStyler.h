// The menu styler: the complete look of a styled menu, one object per region.
#pragma once

#include "platform/classes/Component.h"
#include "platform/graphics/Colors.h"
#include "render/QuillGDIPBase.h"

#include <memory>

class TBackground;
class TBitmap;
class TButtonAppearance;
class TFont;
class TIconBar;
class TMenu;
class TMenuGlyphs;
class TRootItem;
class TSelectedItem;
class TSeparator;
class TSideBar;

class TCustomQuillMenuStyler : public TComponent {
    VISTRA_CLASS(TCustomQuillMenuStyler, TComponent)

    explicit TCustomQuillMenuStyler(TComponent* AOwner);
    ~TCustomQuillMenuStyler() override;

    // The menu this styler draws; its parts refresh that menu after changes.
    TMenu* Menu() const noexcept { return FMenu; }
    void SetMenu(TMenu* Value);

    TAntiAlias AntiAlias() const noexcept { return FAntiAlias; }
    void SetAntiAlias(TAntiAlias Value);
    // The setters below copy the given object into the styler's own.
    TBackground* Background() const noexcept { return FBackground.get(); }
    void SetBackground(const TBackground* Value);
    TIconBar* IconBar() const noexcept { return FIconBar.get(); }
    void SetIconBar(const TIconBar* Value);
    TSelectedItem* SelectedItem() const noexcept { return FSelectedItem.get(); }
    void SetSelectedItem(const TSelectedItem* Value);
    TRootItem* RootItem() const noexcept { return FRootItem.get(); }
    void SetRootItem(const TRootItem* Value);
    TMenuGlyphs* Glyphs() const noexcept { return FGlyphs.get(); }
    void SetGlyphs(const TMenuGlyphs* Value);
    TSideBar* SideBar() const noexcept { return FSideBar.get(); }
    void SetSideBar(const TSideBar* Value);
    TSeparator* Separator() const noexcept { return FSeparator.get(); }
    void SetSeparator(const TSeparator* Value);
    TFont* Font() const noexcept { return FFont.get(); }
    void SetFont(const TFont* Value);
    TFont* NotesFont() const noexcept { return FNotesFont.get(); }
    void SetNotesFont(const TFont* Value);
    bool UseSystemFont() const noexcept { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);
    // Frame colour of the popup windows.
    TColor MenuBorderColor() const noexcept { return FMenuBorderColor; }
    void SetMenuBorderColor(TColor Value) noexcept { FMenuBorderColor = Value; }
    TButtonAppearance* ButtonAppearance() const noexcept { return FButtonAppearance.get(); }
    void SetButtonAppearance(const TButtonAppearance* Value);
    bool MenuBarUpdating() const noexcept { return FMenuBarUpdating; }
    // The painted background picture, kept between paintings.
    TBitmap& BackgroundBitmap() const noexcept { return *FBackgroundBitmap; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Refresh(bool Rebuild) const;

    bool FUseSystemFont = true;
    std::unique_ptr<TSeparator> FSeparator;
    std::unique_ptr<TBackground> FBackground;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TIconBar> FIconBar;
    std::unique_ptr<TMenuGlyphs> FGlyphs;
    std::unique_ptr<TRootItem> FRootItem;
    std::unique_ptr<TSelectedItem> FSelectedItem;
    std::unique_ptr<TSideBar> FSideBar;
    TColor FMenuBorderColor = 0x7C7C94;
    bool FMenuBarUpdating = false;
    TMenu* FMenu = nullptr;
    std::unique_ptr<TBitmap> FBackgroundBitmap;
    std::unique_ptr<TFont> FNotesFont;
    TAntiAlias FAntiAlias = aaNone;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
};
