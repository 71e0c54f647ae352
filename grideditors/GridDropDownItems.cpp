#include "grideditors/GridDropDownItems.h"

namespace grideditors {

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), FFont(std::make_unique<TFont>())
{
}

void TDropDownColumn::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TDropDownColumn*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    FWidth = s->FWidth;
    FColor = s->FColor;
    FAlignment = s->FAlignment;
    FEllipsis = s->FEllipsis;
    FFont->Assign(s->FFont.get());
    FColumnType = s->FColumnType;
    FHeader = s->FHeader;
    FWordwrap = s->FWordwrap;
    FAutoSize = s->FAutoSize;
}

TDropDownItem::TDropDownItem(TCollection* Collection)
    : TCollectionItem(Collection), FText(std::make_unique<TStringList>())
{
}

void TDropDownItem::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TDropDownItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    FImageIndex = s->FImageIndex;
    FText->Assign(s->FText.get());
}

} // namespace grideditors
