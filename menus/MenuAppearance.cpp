// The gradient-filled regions of a styled menu.
#include "menus/MenuAppearance.h"

#include "menus/MenuFonts.h"
#include "menus/MenuUtil.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

std::unique_ptr<TFont> CopyOfSystemMenuFont()
{
    auto font = std::make_unique<TFont>();
    font->Assign(&menus::SystemMenuFont());
    return font;
}

// The slot of a colour pair that an indexed accessor names.
template <class Color>
Color& PairSlot(Color& From, Color& To, int Index)
{
    if (Index == 0) return From;
    if (Index == 1) return To;
    throw EInvalidPropertyIndex(Index);
}

} // namespace

TGradientBar::TGradientBar(TMenu* AMenu) : FMenu(AMenu) {}

void TGradientBar::Assign(const TPersistent* Source)
{
    if (auto* bar = dynamic_cast<const TGradientBar*>(Source)) {
        SetColorByIndex(0, bar->FColor);
        SetColorByIndex(1, bar->FColorTo);
        FGradientDirection = bar->FGradientDirection;
        return;
    }
    TPersistent::Assign(Source);
}

TColor TGradientBar::ColorByIndex(int Index) const
{
    return PairSlot(FColor, FColorTo, Index);
}

void TGradientBar::SetColorByIndex(int Index, TColor Value)
{
    PairSlot(FColor, FColorTo, Index) = Value;
}

void TGradientBar::Refresh(bool Rebuild) const
{
    menus::RefreshOwnerMenu(FMenu, Rebuild);
}

TColor TMarkBoxes::CheckColorByIndex(int Index) const
{
    return PairSlot(FCheckColor, FCheckColorTo, Index);
}

void TMarkBoxes::SetCheckColorByIndex(int Index, TColor Value)
{
    PairSlot(FCheckColor, FCheckColorTo, Index) = Value;
    MarkBoxesChanged();
}

TColor TMarkBoxes::RadioColorByIndex(int Index) const
{
    return PairSlot(FRadioColor, FRadioColorTo, Index);
}

void TMarkBoxes::SetRadioColorByIndex(int Index, TColor Value)
{
    PairSlot(FRadioColor, FRadioColorTo, Index) = Value;
    MarkBoxesChanged();
}

void TMarkBoxes::AssignMarkBoxes(const TMarkBoxes& Source)
{
    SetCheckColorByIndex(0, Source.FCheckColor);
    SetCheckColorByIndex(1, Source.FCheckColorTo);
    FCheckBorder = Source.FCheckBorder;
    FCheckGradientDirection = Source.FCheckGradientDirection;
    SetRadioColorByIndex(0, Source.FRadioColor);
    SetRadioColorByIndex(1, Source.FRadioColorTo);
    FRadioBorder = Source.FRadioBorder;
    FRadioGradientDirection = Source.FRadioGradientDirection;
}

TIconBar::TIconBar(TMenu* AMenu) : TGradientBar(AMenu), TMarkBoxes(0x6FC0FF)
{
    FColor = 0xFFF9F9;
    FColorTo = 0xBBA0A1;
    SetGradientDirection(gdHorizontal);
}

// Every Assign below also takes the gradient colours and direction, so that a
// copied look is the whole look.
void TIconBar::Assign(const TPersistent* Source)
{
    TGradientBar::Assign(Source);
    if (auto* bar = dynamic_cast<const TIconBar*>(Source)) {
        AssignMarkBoxes(*bar);
        SetSize(bar->FSize);
        FSeparatorColor = bar->FSeparatorColor;
    }
}

void TIconBar::SetSize(int Value)
{
    FSize = MaxOf(Value, 16);
    Refresh(true);
}

TSelectedItem::TSelectedItem(TMenu* AMenu)
    : TGradientBar(AMenu), TMarkBoxes(0x3E80FE), FFont(CopyOfSystemMenuFont()),
      FNotesFont(menus::NewNotesFont(clWindowText))
{
    FColor = 0xC2EEFF;
    FColorTo = clNone;
    FFont->SetColor(clWindowText);
}

TSelectedItem::~TSelectedItem() = default;

void TSelectedItem::Assign(const TPersistent* Source)
{
    TGradientBar::Assign(Source);
    if (auto* item = dynamic_cast<const TSelectedItem*>(Source)) {
        FColorMirror = item->FColorMirror;
        FColorMirrorTo = item->FColorMirrorTo;
        FBorderColor = item->FBorderColor;
        SetFont(item->FFont.get());
        SetNotesFont(item->FNotesFont.get());
        SetUseSystemFont(item->FUseSystemFont);
        AssignMarkBoxes(*item);
    }
}

void TSelectedItem::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
    Refresh(true);
}

void TSelectedItem::SetNotesFont(const TFont* Value)
{
    FNotesFont->Assign(Value);
    Refresh(true);
}

void TSelectedItem::SetUseSystemFont(bool Value)
{
    FUseSystemFont = Value;
    Refresh(true);
}

TColor TStateColors::Get(int Index) const
{
    switch (Index) {
    case 0: return Color;
    case 1: return ColorTo;
    case 2: return Mirror;
    case 3: return MirrorTo;
    default: throw EInvalidPropertyIndex(Index);
    }
}

void TStateColors::Set(int Index, TColor Value)
{
    switch (Index) {
    case 0: Color = Value; break;
    case 1: ColorTo = Value; break;
    case 2: Mirror = Value; break;
    case 3: MirrorTo = Value; break;
    default: throw EInvalidPropertyIndex(Index);
    }
}

TRootItem::TRootItem(TMenu* AMenu) : TGradientBar(AMenu), FFont(CopyOfSystemMenuFont())
{
    FColor = 0xE5D7D7;
    FColorTo = 0xF7F2F2;
    SetGradientDirection(gdHorizontal);
}

TRootItem::~TRootItem() = default;

void TRootItem::Assign(const TPersistent* Source)
{
    TGradientBar::Assign(Source);
    auto* item = dynamic_cast<const TRootItem*>(Source);
    if (!item) return;
    SetFont(item->FFont.get());
    SetUseSystemFont(item->FUseSystemFont);
    for (int index = 0; index < 4; ++index) {
        SetSelectedColorByIndex(index, item->FSelected.Get(index));
        SetHoverColorByIndex(index, item->FHover.Get(index));
    }
    FSelectedGradientDirection = item->FSelectedGradientDirection;
    FSelectedBorderColor = item->FSelectedBorderColor;
    FSelectedTextColor = item->FSelectedTextColor;
    FHoverGradientDirection = item->FHoverGradientDirection;
    FHoverBorderColor = item->FHoverBorderColor;
    FHoverTextColor = item->FHoverTextColor;
}

void TRootItem::SetSelectedColorByIndex(int Index, TColor Value)
{
    FSelected.Set(Index, Value);
    Refresh(true);
}

void TRootItem::SetHoverColorByIndex(int Index, TColor Value)
{
    FHover.Set(Index, Value);
    Refresh(true);
}

void TRootItem::SetFont(const TFont* Value)
{
    FFont->Assign(Value);
    Refresh(true);
}

void TRootItem::SetUseSystemFont(bool Value)
{
    FUseSystemFont = Value;
    Refresh(true);
}

void TRootItem::UpdateFont()
{
    if (FUseSystemFont) FFont->Assign(&menus::SystemMenuFont());
}

TSeparator::TSeparator(TMenu* AMenu) : TGradientBar(AMenu)
{
    FColor = 0x8F6D6E;
    FColorTo = clNone;
    SetGradientDirection(gdHorizontal);
}

void TSeparator::Assign(const TPersistent* Source)
{
    if (auto* separator = dynamic_cast<const TSeparator*>(Source)) {
        FWidth = separator->FWidth;
        FGradientType = separator->FGradientType;
        FGradientWidth = separator->FGradientWidth;
        FMargin = separator->FMargin;
    }
    TGradientBar::Assign(Source);
}
