// What the styled popup menu and the styled menu bar keep alike: the styler
// slot and the settings every styled menu has, behind the styled-menu interface.
#pragma once

#include "menus/MenuStylerSlot.h"
#include "menus/QuillMenuInterface.h"

#include <cstdint>

inline constexpr bool DefaultQuillMenuShowNotes = true;
inline constexpr bool DefaultQuillMenuIntlKeybShortCuts = false;
inline constexpr std::uint8_t DefaultQuillMenuOpacity = 255;

namespace menus {

class TStyledMenuSettings : public IQuillMenu {
public:
    TCustomQuillMenuStyler* MenuStyler() const override { return FStyler.Assigned(); }
    TCustomQuillMenuStyler* CurrentMenuStyler() const override { return FStyler.Current(); }
    void SetMenuStyler(TCustomQuillMenuStyler* Value) override { FStyler.Assign(Value); }
    std::uint8_t Opacity() const override { return FOpacity; }
    void SetOpacity(std::uint8_t Value) override { FOpacity = Value; }
    bool ShowNotes() const override { return FShowNotes; }
    void SetShowNotes(bool Value) override { FShowNotes = Value; }
    bool IntlKeybShortCuts() const override { return FIntlKeybShortCuts; }
    void SetIntlKeybShortCuts(bool Value) override { FIntlKeybShortCuts = Value; }

protected:
    // Menu is the styled menu itself, already constructed as a menu.
    explicit TStyledMenuSettings(TMenu& Menu) : FStyler(Menu) {}
    ~TStyledMenuSettings() = default;

    TMenuStylerSlot FStyler;
    std::uint8_t FOpacity = DefaultQuillMenuOpacity;
    bool FShowNotes = DefaultQuillMenuShowNotes;
    bool FIntlKeybShortCuts = DefaultQuillMenuIntlKeybShortCuts;
};

} // namespace menus
