// The monochrome glyphs of a styled menu: submenu arrow, check mark, radio dot.
#pragma once

#include "platform/classes/Object.h"

#include <memory>

class TBitmap;
class TMenu;

class TMenuGlyphs : public TPersistent {
    VISTRA_CLASS(TMenuGlyphs, TPersistent)

    // Loads the three built-in glyphs, each transparent.
    explicit TMenuGlyphs(TMenu* AMenu);
    ~TMenuGlyphs() override;
    void Assign(const TPersistent* Source) override;

    TBitmap* SubMenu() const noexcept { return FSubMenu.get(); }
    void SetSubMenu(const TBitmap* Value) { Replace(*FSubMenu, Value); }
    TBitmap* Check() const noexcept { return FCheck.get(); }
    void SetCheck(const TBitmap* Value) { Replace(*FCheck, Value); }
    TBitmap* Radio() const noexcept { return FRadio.get(); }
    void SetRadio(const TBitmap* Value) { Replace(*FRadio, Value); }

    TMenu* Menu() const noexcept { return FMenu; }
    void SetMenu(TMenu* Value) noexcept { FMenu = Value; }

private:
    void Replace(TBitmap& Glyph, const TBitmap* Value);

    std::unique_ptr<TBitmap> FSubMenu;
    std::unique_ptr<TBitmap> FCheck;
    std::unique_ptr<TBitmap> FRadio;
    TMenu* FMenu;
};
