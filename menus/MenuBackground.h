// The menu background: a gradient with an optional picture, placed by position.
#pragma once

#include "menus/MenuAppearance.h"

#include <memory>

class TBitmap;
class TPicture;
struct TRect;

class TBackground : public TGradientBar {
    VISTRA_CLASS(TBackground, TGradientBar)

    explicit TBackground(TMenu* AMenu);
    ~TBackground() override;
    void Assign(const TPersistent* Source) override;

    // Created on first read; a bitmap graphic is made transparent (automatic colour).
    TPicture* Image();
    // Null clears the picture; otherwise copies it.
    void SetImage(const TPicture* Value);
    // True when a picture with a non-empty graphic is set; creates nothing.
    bool HasPicture() const;

    TBackgroundPosition Position() const noexcept { return FPosition; }
    void SetPosition(TBackgroundPosition Value) noexcept { FPosition = Value; }
    int OffsetX() const noexcept { return FOffsetX; }
    void SetOffsetX(int Value) noexcept { FOffsetX = Value; }
    int OffsetY() const noexcept { return FOffsetY; }
    void SetOffsetY(int Value) noexcept { FOffsetY = Value; }
    // Inset of the painted area.
    int MarginX() const noexcept { return FMarginX; }
    void SetMarginX(int Value) noexcept { FMarginX = Value; }
    int MarginY() const noexcept { return FMarginY; }
    void SetMarginY(int Value) noexcept { FMarginY = Value; }

    // Where the picture goes in ARect by Position; ARect's corner without a picture.
    void CalcPicturePosition(const TRect& ARect, int& X, int& Y) const;
    // The bitmap the background is composed in before it is drawn; created on first use.
    TBitmap& WorkBitmap();

private:
    std::unique_ptr<TPicture> FImage;
    int FOffsetX = 0;
    int FOffsetY = 0;
    TBackgroundPosition FPosition = bpCenter;
    int FMarginX = 0;
    int FMarginY = 0;
    std::unique_ptr<TBitmap> FBitmap;
};
