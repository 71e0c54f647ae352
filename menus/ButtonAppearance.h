// The look of buttons shown with a styled menu.
#pragma once

#include "menus/MenuAppearance.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"

#include <memory>

class TFont;

class TButtonAppearance : public TPersistent {
    VISTRA_CLASS(TButtonAppearance, TPersistent)

    TButtonAppearance();
    ~TButtonAppearance() override;
    // Copies another button appearance; any other source leaves this one unchanged.
    void Assign(const TPersistent* Source) override;

    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value) { Store(FColor, Value); }
    TColor ColorTo() const noexcept { return FColorTo; }
    void SetColorTo(TColor Value) { Store(FColorTo, Value); }
    TColor HoverColor() const noexcept { return FHoverColor; }
    void SetHoverColor(TColor Value) { Store(FHoverColor, Value); }
    TColor HoverColorTo() const noexcept { return FHoverColorTo; }
    void SetHoverColorTo(TColor Value) { Store(FHoverColorTo, Value); }
    TColor DownColor() const noexcept { return FDownColor; }
    void SetDownColor(TColor Value) { Store(FDownColor, Value); }
    TColor DownColorTo() const noexcept { return FDownColorTo; }
    void SetDownColorTo(TColor Value) { Store(FDownColorTo, Value); }
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value) { Store(FBorderColor, Value); }
    TColor HoverBorderColor() const noexcept { return FHoverBorderColor; }
    void SetHoverBorderColor(TColor Value) { Store(FHoverBorderColor, Value); }
    TColor DownBorderColor() const noexcept { return FDownBorderColor; }
    void SetDownBorderColor(TColor Value) { Store(FDownBorderColor, Value); }
    TGradientDirection GradientDirection() const noexcept { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value) { Store(FGradientDirection, Value); }

    TFont* CaptionFont() const noexcept { return FCaptionFont.get(); }
    void SetCaptionFont(const TFont* Value);
    bool UseSystemFont() const noexcept { return FUseSystemFont; }
    // Switching it on names the caption font after the system's user-interface font again.
    void SetUseSystemFont(bool Value);
    TGlyphPosition GlyphPosition() const noexcept { return FGlyphPosition; }

    TNotifyEvent OnChange;

private:
    template <class T>
    void Store(T& Field, T Value)
    {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }
    void Changed();

    TColor FHoverColor = 0xD2BDB6;
    TColor FColorTo = clNone;
    TColor FColor = clNone;
    TColor FHoverColorTo = clNone;
    TColor FDownColorTo = clNone;
    TColor FDownColor = 0xB59285;
    TColor FDownBorderColor = 0x6A240A;
    TColor FBorderColor = clNone;
    TColor FHoverBorderColor = 0x6A240A;
    TGradientDirection FGradientDirection = gdVertical;
    std::unique_ptr<TFont> FCaptionFont;
    TGlyphPosition FGlyphPosition = gpLeft;
    bool FUseSystemFont = true;
};
