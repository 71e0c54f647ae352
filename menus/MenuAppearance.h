// The gradient-filled regions of a styled menu: icon column, highlighted item,
// menu-bar items and separators, with the enumerations of the menu looks.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"

#include <memory>

class TFont;
class TMenu;

enum TGradientDirection { gdVertical, gdHorizontal };
enum TGradientType { gtLeft, gtRight, gtBoth };
enum TSideBarPosition { spLeft, spRight };
enum TSideBarVisibleIn { viFirstVisible, viFirstLevel, viAnyLevel };
enum TDirection { dDownToUp, dUpToDown };
enum TBackgroundPosition {
    bpTopLeft, bpTopRight, bpBottomLeft, bpBottomRight, bpTopCenter, bpBottomCenter, bpTiled, bpStretched,
    bpCenter, bpXY
};
enum TGlyphPosition { gpLeft, gpRight };

// A region painted from Color to ColorTo; ColorTo clNone paints plain Color.
class TGradientBar : public TPersistent {
    VISTRA_CLASS(TGradientBar, TPersistent)

    explicit TGradientBar(TMenu* AMenu);

    // Copies Color, ColorTo and GradientDirection from any gradient bar.
    void Assign(const TPersistent* Source) override;

    // Index 0 is Color, 1 is ColorTo; others raise EInvalidPropertyIndex.
    TColor ColorByIndex(int Index) const;
    void SetColorByIndex(int Index, TColor Value);
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor Value) { SetColorByIndex(0, Value); }
    TColor ColorTo() const noexcept { return FColorTo; }
    void SetColorTo(TColor Value) { SetColorByIndex(1, Value); }
    TGradientDirection GradientDirection() const noexcept { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }

    TMenu* Menu() const noexcept { return FMenu; }
    // The styler hands over the menu it draws once it knows it.
    void SetMenu(TMenu* Value) noexcept { FMenu = Value; }

protected:
    void Refresh(bool Rebuild) const;

    TColor FColor = 0xD8BDAF;
    TColor FColorTo = clNone;

private:
    TGradientDirection FGradientDirection = gdVertical;
    TMenu* FMenu = nullptr;
};

// The check and radio box looks of one kind of item. The fill colours are
// read and written by index (0 colour, 1 colour to).
class TMarkBoxes {
public:
    TColor CheckColorByIndex(int Index) const;
    void SetCheckColorByIndex(int Index, TColor Value);
    TColor CheckColor() const noexcept { return FCheckColor; }
    void SetCheckColor(TColor Value) { SetCheckColorByIndex(0, Value); }
    TColor CheckColorTo() const noexcept { return FCheckColorTo; }
    void SetCheckColorTo(TColor Value) { SetCheckColorByIndex(1, Value); }
    TColor CheckBorder() const noexcept { return FCheckBorder; }
    void SetCheckBorder(TColor Value) noexcept { FCheckBorder = Value; }
    TGradientDirection CheckGradientDirection() const noexcept { return FCheckGradientDirection; }
    void SetCheckGradientDirection(TGradientDirection Value) noexcept { FCheckGradientDirection = Value; }

    TColor RadioColorByIndex(int Index) const;
    void SetRadioColorByIndex(int Index, TColor Value);
    TColor RadioColor() const noexcept { return FRadioColor; }
    void SetRadioColor(TColor Value) { SetRadioColorByIndex(0, Value); }
    TColor RadioColorTo() const noexcept { return FRadioColorTo; }
    void SetRadioColorTo(TColor Value) { SetRadioColorByIndex(1, Value); }
    TColor RadioBorder() const noexcept { return FRadioBorder; }
    void SetRadioBorder(TColor Value) noexcept { FRadioBorder = Value; }
    TGradientDirection RadioGradientDirection() const noexcept { return FRadioGradientDirection; }
    void SetRadioGradientDirection(TGradientDirection Value) noexcept { FRadioGradientDirection = Value; }

protected:
    explicit TMarkBoxes(TColor Fill) noexcept : FRadioColor(Fill), FCheckColor(Fill) {}
    ~TMarkBoxes() = default;
    void AssignMarkBoxes(const TMarkBoxes& Source);
    // A new fill colour shows at the next painting; no rebuild is needed.
    virtual void MarkBoxesChanged() = 0;

private:
    TColor FRadioBorder = 0x6F4B4B;
    TColor FCheckBorder = 0x6F4B4B;
    TColor FRadioColor;
    TColor FRadioColorTo = clNone;
    TColor FCheckColor;
    TColor FCheckColorTo = clNone;
    TGradientDirection FCheckGradientDirection = gdVertical;
    TGradientDirection FRadioGradientDirection = gdVertical;
};

// The icon column at the left of every popup.
class TIconBar : public TGradientBar, public TMarkBoxes {
    VISTRA_CLASS(TIconBar, TGradientBar)

    explicit TIconBar(TMenu* AMenu);
    void Assign(const TPersistent* Source) override;

    TColor SeparatorColor() const noexcept { return FSeparatorColor; }
    void SetSeparatorColor(TColor Value) noexcept { FSeparatorColor = Value; }
    // Width of the column in pixels; never below 16.
    int Size() const noexcept { return FSize; }
    void SetSize(int Value);
    bool Drawn() const noexcept { return FDrawn; }

protected:
    void MarkBoxesChanged() override { Refresh(false); }

private:
    bool FDrawn = false;
    int FSize = 24;
    TColor FSeparatorColor = clNone;
};

// The highlighted item of a popup; the mirror colours paint its lower half.
class TSelectedItem : public TGradientBar, public TMarkBoxes {
    VISTRA_CLASS(TSelectedItem, TGradientBar)

    explicit TSelectedItem(TMenu* AMenu);
    ~TSelectedItem() override;
    void Assign(const TPersistent* Source) override;

    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value) noexcept { FBorderColor = Value; }
    TColor ColorMirror() const noexcept { return FColorMirror; }
    void SetColorMirror(TColor Value) noexcept { FColorMirror = Value; }
    TColor ColorMirrorTo() const noexcept { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor Value) noexcept { FColorMirrorTo = Value; }

    // Caption font of the highlighted item when UseSystemFont is off.
    TFont* Font() const noexcept { return FFont.get(); }
    void SetFont(const TFont* Value);
    TFont* NotesFont() const noexcept { return FNotesFont.get(); }
    void SetNotesFont(const TFont* Value);
    bool UseSystemFont() const noexcept { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);

protected:
    void MarkBoxesChanged() override { Refresh(false); }

private:
    TColor FBorderColor = 0x6F4B4B;
    std::unique_ptr<TFont> FFont;
    bool FUseSystemFont = true;
    TColor FColorMirror = clNone;
    TColor FColorMirrorTo = clNone;
    std::unique_ptr<TFont> FNotesFont;
};

// The four colours of one state of a menu-bar item, read and written by index
// (0 colour, 1 colour to, 2 mirror, 3 mirror to).
struct TStateColors {
    TColor Color;
    TColor ColorTo;
    TColor Mirror = clNone;
    TColor MirrorTo = clNone;
    TColor Get(int Index) const;
    void Set(int Index, TColor Value);
};

// The items of a menu bar; Color and ColorTo paint the bar itself.
class TRootItem : public TGradientBar {
    VISTRA_CLASS(TRootItem, TGradientBar)

    explicit TRootItem(TMenu* AMenu);
    ~TRootItem() override;
    void Assign(const TPersistent* Source) override;

    TColor SelectedColorByIndex(int Index) const { return FSelected.Get(Index); }
    void SetSelectedColorByIndex(int Index, TColor Value);
    TColor SelectedColor() const { return FSelected.Color; }
    void SetSelectedColor(TColor Value) { SetSelectedColorByIndex(0, Value); }
    TColor SelectedColorTo() const { return FSelected.ColorTo; }
    void SetSelectedColorTo(TColor Value) { SetSelectedColorByIndex(1, Value); }
    TColor SelectedColorMirror() const { return FSelected.Mirror; }
    void SetSelectedColorMirror(TColor Value) { SetSelectedColorByIndex(2, Value); }
    TColor SelectedColorMirrorTo() const { return FSelected.MirrorTo; }
    void SetSelectedColorMirrorTo(TColor Value) { SetSelectedColorByIndex(3, Value); }

    TColor HoverColorByIndex(int Index) const { return FHover.Get(Index); }
    void SetHoverColorByIndex(int Index, TColor Value);
    TColor HoverColor() const { return FHover.Color; }
    void SetHoverColor(TColor Value) { SetHoverColorByIndex(0, Value); }
    TColor HoverColorTo() const { return FHover.ColorTo; }
    void SetHoverColorTo(TColor Value) { SetHoverColorByIndex(1, Value); }
    TColor HoverColorMirror() const { return FHover.Mirror; }
    void SetHoverColorMirror(TColor Value) { SetHoverColorByIndex(2, Value); }
    TColor HoverColorMirrorTo() const { return FHover.MirrorTo; }
    void SetHoverColorMirrorTo(TColor Value) { SetHoverColorByIndex(3, Value); }

    TGradientDirection SelectedGradientDirection() const noexcept { return FSelectedGradientDirection; }
    void SetSelectedGradientDirection(TGradientDirection Value) noexcept { FSelectedGradientDirection = Value; }
    TGradientDirection HoverGradientDirection() const noexcept { return FHoverGradientDirection; }
    void SetHoverGradientDirection(TGradientDirection Value) noexcept { FHoverGradientDirection = Value; }
    TColor SelectedBorderColor() const noexcept { return FSelectedBorderColor; }
    void SetSelectedBorderColor(TColor Value) noexcept { FSelectedBorderColor = Value; }
    TColor SelectedTextColor() const noexcept { return FSelectedTextColor; }
    void SetSelectedTextColor(TColor Value) noexcept { FSelectedTextColor = Value; }
    TColor HoverBorderColor() const noexcept { return FHoverBorderColor; }
    void SetHoverBorderColor(TColor Value) noexcept { FHoverBorderColor = Value; }
    TColor HoverTextColor() const noexcept { return FHoverTextColor; }
    void SetHoverTextColor(TColor Value) noexcept { FHoverTextColor = Value; }

    TFont* Font() const noexcept { return FFont.get(); }
    void SetFont(const TFont* Value);
    bool UseSystemFont() const noexcept { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);
    // With UseSystemFont, takes a fresh copy of the system menu font.
    void UpdateFont();

private:
    std::unique_ptr<TFont> FFont;
    TColor FSelectedBorderColor = 0x947C7C;
    TColor FSelectedTextColor = clWindowText;
    bool FUseSystemFont = true;
    TColor FHoverTextColor = clWindowText;
    TColor FHoverBorderColor = 0x6F4B4B;
    TStateColors FSelected{0xF2E8E8, 0xCDB8B9};
    TStateColors FHover{0xCFF6FF, 0x9DD8FF};
    TGradientDirection FHoverGradientDirection = gdVertical;
    TGradientDirection FSelectedGradientDirection = gdVertical;
};

// The band painted for separator items.
class TSeparator : public TGradientBar {
    VISTRA_CLASS(TSeparator, TGradientBar)

    explicit TSeparator(TMenu* AMenu);
    void Assign(const TPersistent* Source) override;

    // Where the band fades, and over how many pixels.
    TGradientType GradientType() const noexcept { return FGradientType; }
    void SetGradientType(TGradientType Value) noexcept { FGradientType = Value; }
    int GradientWidth() const noexcept { return FGradientWidth; }
    void SetGradientWidth(int Value) noexcept { FGradientWidth = Value; }
    // Inset at both ends of the band.
    int Margin() const noexcept { return FMargin; }
    void SetMargin(int Value) noexcept { FMargin = Value; }
    // Thickness of the band in pixels.
    int Width() const noexcept { return FWidth; }
    void SetWidth(int Value) noexcept { FWidth = Value; }

private:
    TGradientType FGradientType = gtBoth;
    int FGradientWidth = 0;
    int FMargin = 2;
    int FWidth = 1;
};
