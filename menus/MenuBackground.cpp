// The menu background: a gradient with an optional picture, placed by position.
#include "menus/MenuBackground.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/Types.h"

TBackground::TBackground(TMenu* AMenu) : TGradientBar(AMenu)
{
    FColor = 0xFFFAFD;
    FColorTo = clNone;
}

TBackground::~TBackground() = default;

void TBackground::Assign(const TPersistent* Source)
{
    if (auto* background = dynamic_cast<const TBackground*>(Source)) {
        SetImage(background->FImage.get());
        FOffsetX = background->FOffsetX;
        FOffsetY = background->FOffsetY;
        FPosition = background->FPosition;
        FMarginX = background->FMarginX;
        FMarginY = background->FMarginY;
    }
    TGradientBar::Assign(Source);
}

TPicture* TBackground::Image()
{
    if (!FImage) FImage = std::make_unique<TPicture>();
    if (auto* bitmap = dynamic_cast<TBitmap*>(FImage->Graphic())) {
        bitmap->SetTransparent(true);
        bitmap->SetTransparentMode(tmAuto);
    }
    return FImage.get();
}

void TBackground::SetImage(const TPicture* Value)
{
    if (!Value) {
        FImage.reset();
    } else {
        Image()->Assign(Value);
    }
    Refresh(false);
}

bool TBackground::HasPicture() const
{
    return FImage && FImage->Graphic() && !FImage->Graphic()->Empty();
}

void TBackground::CalcPicturePosition(const TRect& ARect, int& X, int& Y) const
{
    X = ARect.Left;
    Y = ARect.Top;
    if (!HasPicture()) return;
    const int W = ARect.Width();
    const int H = ARect.Height();
    const int w = FImage->Graphic()->Width();
    const int h = FImage->Graphic()->Height();
    switch (FPosition) {
    case bpTopLeft: X += FOffsetX; Y += FOffsetY; break;
    case bpTopRight: X += W + FOffsetX - w; Y += FOffsetY; break;
    case bpBottomLeft: X += FOffsetX; Y += H + FOffsetY - h; break;
    case bpBottomRight: X += W + FOffsetX - w; Y += H + FOffsetY - h; break;
    case bpTopCenter: X += (W - w) / 2 + FOffsetX; Y += FOffsetY; break;
    case bpBottomCenter: X += (W - w) / 2 + FOffsetX; Y += H + FOffsetY - h; break;
    case bpCenter: X += (W - w) / 2 + FOffsetX; Y += (H - h) / 2 + FOffsetY; break;
    case bpTiled:
    case bpStretched:
    case bpXY: break;
    }
}

TBitmap& TBackground::WorkBitmap()
{
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    return *FBitmap;
}
