// The side bar along a popup's edge and its rotated caption.
#include "menus/MenuSideBar.h"

#include "menus/MenuBackground.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"

TBarCaption::TBarCaption(TMenu* AMenu) : FFont(std::make_unique<TFont>()), FMenu(AMenu)
{
    FFont->SetName("Tahoma");
    FFont->SetSize(14);
    FFont->SetColor(clWhite);
    FFont->SetStyle({fsBold, fsItalic});
}

TBarCaption::~TBarCaption() = default;

void TBarCaption::Assign(const TPersistent* Source)
{
    auto* caption = dynamic_cast<const TBarCaption*>(Source);
    if (!caption) {
        TPersistent::Assign(Source);
        return;
    }
    FOffsetY = caption->FOffsetY;
    FAlignment = caption->FAlignment;
    FCaption = caption->FCaption;
    SetFont(caption->FFont.get());
    FShadowColor = caption->FShadowColor;
    FHighlightColor = caption->FHighlightColor;
    FDepth = caption->FDepth;
    FDirection = caption->FDirection;
}

void TBarCaption::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
    menus::RefreshOwnerMenu(FMenu, true);
}

TSideBar::TSideBar(TMenu* AMenu)
    : TBarCaption(AMenu), FBackground(std::make_unique<TBackground>(nullptr)),
      FImage(std::make_unique<TBackground>(nullptr)), FMenu(AMenu)
{
}

TSideBar::~TSideBar() = default;

void TSideBar::Assign(const TPersistent* Source)
{
    if (auto* bar = dynamic_cast<const TSideBar*>(Source)) {
        SetVisible(bar->FVisible);
        FVisibleIn = bar->FVisibleIn;
        FImage->Assign(bar->FImage.get());
        FBackground->Assign(bar->FBackground.get());
        FPosition = bar->FPosition;
        FSize = bar->FSize;
        FSplitterColor = bar->FSplitterColor;
        FSplitterColorTo = bar->FSplitterColorTo;
        FSplitterWidth = bar->FSplitterWidth;
        FSplitterMargin = bar->FSplitterMargin;
        FSplitterGradientWidth = bar->FSplitterGradientWidth;
        FSplitterGradientType = bar->FSplitterGradientType;
        FBorderColor = bar->FBorderColor;
    }
    TBarCaption::Assign(Source);
}

void TSideBar::SetImage(const TBackground* Value)
{
    FImage->Assign(Value);
    menus::RefreshOwnerMenu(FMenu, true);
}

void TSideBar::SetBackground(const TBackground* Value)
{
    FBackground->Assign(Value);
    if (FBackground->HasPicture() && dynamic_cast<TBitmap*>(FBackground->Image()->Graphic()))
        FBackground->WorkBitmap().SetTransparent(true);
    menus::RefreshOwnerMenu(FMenu, true);
}
