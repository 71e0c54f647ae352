// The side bar along a popup's edge and its rotated caption.
#pragma once

#include "menus/MenuAppearance.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"
#include "platform/ui/ExtCtrls.h"

#include <memory>
#include <string>

class TBackground;
class TFont;
class TMenu;

// A caption written along a bar, with an optional shadow and highlight.
class TBarCaption : public TPersistent {
    VISTRA_CLASS(TBarCaption, TPersistent)

    explicit TBarCaption(TMenu* AMenu);
    ~TBarCaption() override;
    void Assign(const TPersistent* Source) override;

    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment Value) noexcept { FAlignment = Value; }
    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    TFont* Font() const noexcept { return FFont.get(); }
    void SetFont(const TFont* Value);
    TColor ShadowColor() const noexcept { return FShadowColor; }
    void SetShadowColor(TColor Value) noexcept { FShadowColor = Value; }
    TColor HighlightColor() const noexcept { return FHighlightColor; }
    void SetHighlightColor(TColor Value) noexcept { FHighlightColor = Value; }
    // Displacement of shadow and highlight in pixels.
    int Depth() const noexcept { return FDepth; }
    void SetDepth(int Value) noexcept { FDepth = Value; }
    TDirection Direction() const noexcept { return FDirection; }
    void SetDirection(TDirection Value) noexcept { FDirection = Value; }
    // Distance of the caption from the bar's end.
    int OffsetY() const noexcept { return FOffsetY; }

    TMenu* Menu() const noexcept { return FMenu; }

private:
    std::string FCaption;
    std::unique_ptr<TFont> FFont;
    int FOffsetY = 6;
    TDirection FDirection = dDownToUp;
    TColor FShadowColor = clNone;
    TColor FHighlightColor = clNone;
    int FDepth = 1;
    TAlignment FAlignment = taLeftJustify;
    // The menu the caption was made for; a styler's side bar makes its caption
    // before it knows a menu, so the caption's own changes refresh nothing.
    TMenu* FMenu;
};

class TSideBar : public TBarCaption {
    VISTRA_CLASS(TSideBar, TBarCaption)

    explicit TSideBar(TMenu* AMenu);
    ~TSideBar() override;
    void Assign(const TPersistent* Source) override;

    bool Visible() const noexcept { return FVisible; }
    void SetVisible(bool Value) noexcept { FVisible = Value; }
    // Which popups show the bar.
    TSideBarVisibleIn VisibleIn() const noexcept { return FVisibleIn; }
    void SetVisibleIn(TSideBarVisibleIn Value) noexcept { FVisibleIn = Value; }
    // The picture drawn over the bar.
    TBackground* Image() const noexcept { return FImage.get(); }
    void SetImage(const TBackground* Value);
    // The bar's fill.
    TBackground* Background() const noexcept { return FBackground.get(); }
    void SetBackground(const TBackground* Value);
    // Bar width in pixels.
    int Size() const noexcept { return FSize; }
    void SetSize(int Value) noexcept { FSize = Value; }
    TColor SplitterColor() const noexcept { return FSplitterColor; }
    void SetSplitterColor(TColor Value) noexcept { FSplitterColor = Value; }
    TColor SplitterColorTo() const noexcept { return FSplitterColorTo; }
    void SetSplitterColorTo(TColor Value) noexcept { FSplitterColorTo = Value; }
    int SplitterWidth() const noexcept { return FSplitterWidth; }
    void SetSplitterWidth(int Value) noexcept { FSplitterWidth = Value; }
    int SplitterMargin() const noexcept { return FSplitterMargin; }
    void SetSplitterMargin(int Value) noexcept { FSplitterMargin = Value; }
    int SplitterGradientWidth() const noexcept { return FSplitterGradientWidth; }
    void SetSplitterGradientWidth(int Value) noexcept { FSplitterGradientWidth = Value; }
    TGradientType SplitterGradientType() const noexcept { return FSplitterGradientType; }
    void SetSplitterGradientType(TGradientType Value) noexcept { FSplitterGradientType = Value; }
    TColor BorderColor() const noexcept { return FBorderColor; }
    void SetBorderColor(TColor Value) noexcept { FBorderColor = Value; }
    // The bar is always at the left; no property moves it.
    TSideBarPosition Position() const noexcept { return FPosition; }
    // The height of the popup the bar was last painted for.
    int PopupHeight() const noexcept { return FPopupHeight; }
    void SetPopupHeight(int Value) noexcept { FPopupHeight = Value; }

    TMenu* Menu() const noexcept { return FMenu; }
    void SetMenu(TMenu* Value) noexcept { FMenu = Value; }

private:
    bool FVisible = false;
    std::unique_ptr<TBackground> FBackground;
    std::unique_ptr<TBackground> FImage;
    int FSplitterWidth = 1;
    TSideBarPosition FPosition = spLeft;
    int FSize = 24;
    int FSplitterMargin = 0;
    int FSplitterGradientWidth = 0;
    TGradientType FSplitterGradientType = gtBoth;
    TColor FBorderColor = 0xA19D9D;
    TColor FSplitterColor = 0x808080;
    TColor FSplitterColorTo = clNone;
    TSideBarVisibleIn FVisibleIn = viFirstVisible;
    int FPopupHeight = 0;
    TMenu* FMenu;
};
