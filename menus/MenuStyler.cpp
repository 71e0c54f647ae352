// The menu styler: the complete look of a styled menu, one object per region.
#include "menus/MenuStyler.h"

#include "menus/ButtonAppearance.h"
#include "menus/MenuAppearance.h"
#include "menus/MenuBackground.h"
#include "menus/MenuFonts.h"
#include "menus/MenuGlyphs.h"
#include "menus/MenuSideBar.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/Menus.h"

TCustomQuillMenuStyler::TCustomQuillMenuStyler(TComponent* AOwner)
    : TComponent(AOwner)
{
    FSideBar = std::make_unique<TSideBar>(FMenu);
    FBackground = std::make_unique<TBackground>(FMenu);
    FIconBar = std::make_unique<TIconBar>(FMenu);
    FSelectedItem = std::make_unique<TSelectedItem>(FMenu);
    FRootItem = std::make_unique<TRootItem>(FMenu);
    FGlyphs = std::make_unique<TMenuGlyphs>(FMenu);
    FSeparator = std::make_unique<TSeparator>(FMenu);
    FFont = std::make_unique<TFont>();
    FFont->Assign(&menus::SystemMenuFont());
    FBackgroundBitmap = std::make_unique<TBitmap>();
    FNotesFont = menus::NewNotesFont(clGray);
    FButtonAppearance = std::make_unique<TButtonAppearance>();
}

TCustomQuillMenuStyler::~TCustomQuillMenuStyler() = default;

void TCustomQuillMenuStyler::SetMenu(TMenu* Value)
{
    if (FMenu && FMenu != Value) FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (Value) Value->FreeNotification(this);
    FBackground->SetMenu(Value);
    FIconBar->SetMenu(Value);
    FSelectedItem->SetMenu(Value);
    FRootItem->SetMenu(Value);
    FGlyphs->SetMenu(Value);
    FSideBar->SetMenu(Value);
    FSeparator->SetMenu(Value);
    Refresh(false);
}

void TCustomQuillMenuStyler::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMenu) SetMenu(nullptr);
}

void TCustomQuillMenuStyler::Refresh(bool Rebuild) const
{
    menus::RefreshOwnerMenu(FMenu, Rebuild);
}

void TCustomQuillMenuStyler::SetAntiAlias(TAntiAlias Value)
{
    FAntiAlias = Value;
    Refresh(true);
}

void TCustomQuillMenuStyler::SetBackground(const TBackground* Value)
{
    FBackground->Assign(Value);
    Refresh(false);
}

void TCustomQuillMenuStyler::SetIconBar(const TIconBar* Value)
{
    FIconBar->Assign(Value);
    Refresh(false);
}

void TCustomQuillMenuStyler::SetSelectedItem(const TSelectedItem* Value)
{
    FSelectedItem->Assign(Value);
    Refresh(false);
}

void TCustomQuillMenuStyler::SetRootItem(const TRootItem* Value)
{
    FRootItem->Assign(Value);
    Refresh(false);
}

void TCustomQuillMenuStyler::SetGlyphs(const TMenuGlyphs* Value)
{
    FGlyphs->Assign(Value);
    Refresh(false);
}

void TCustomQuillMenuStyler::SetSideBar(const TSideBar* Value)
{
    FSideBar->Assign(Value);
    Refresh(true);
}

void TCustomQuillMenuStyler::SetSeparator(const TSeparator* Value)
{
    FSeparator->Assign(Value);
    Refresh(false);
}

void TCustomQuillMenuStyler::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
    Refresh(true);
}

void TCustomQuillMenuStyler::SetNotesFont(const TFont* Value)
{
    FNotesFont->Assign(Value);
    Refresh(true);
}

void TCustomQuillMenuStyler::SetUseSystemFont(bool Value)
{
    FUseSystemFont = Value;
    Refresh(true);
}

void TCustomQuillMenuStyler::SetButtonAppearance(const TButtonAppearance* Value)
{
    FButtonAppearance->Assign(Value);
}
