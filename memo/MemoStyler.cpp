// Stylers and their element styles, char styles and region definitions.
#include "memo/MemoStyler.h"

#include "memo/QuillMemo.h"
#include "platform/rtl/Strings.h"

void TCharStyle::Assign(const TPersistent* Source)
{
    if (auto* other = dynamic_cast<const TCharStyle*>(Source)) {
        TextColor = other->TextColor;
        BkColor = other->BkColor;
        Style = other->Style;
    }
}

TElementStyle::TElementStyle(TCollection* Collection)
    : TCollectionItem(Collection), FKeyWords(std::make_unique<TStringList>()), FFont(std::make_unique<TFont>())
{
    FFont->SetName("Courier New");
    FFont->SetSize(8);
    FFont->SetColor(clBlack);
    auto* styles = dynamic_cast<TElementStyles*>(Collection);
    FBGColor = styles && styles->FOwner ? styles->FOwner->BkColor() : clWhite;
}

TElementStyle::~TElementStyle()
{
    if (auto* styles = dynamic_cast<TElementStyles*>(Collection())) styles->FModified = true;
}

void TElementStyle::SetKeyWords(const TStrings& Value)
{
    FKeyWords->Assign(&Value);
    ItemChanged();
}

void TElementStyle::SetFont(const TFont& Value)
{
    FFont->Assign(&Value);
    ItemChanged();
}

void TElementStyle::SetBGColor(TColor Value)
{
    if (FBGColor != Value) FBGColor = Value;
    ItemChanged();
}

void TElementStyle::SetStyleType(TStyleType Value)
{
    if (FStyleType != Value) FStyleType = Value;
    ItemChanged();
}

void TElementStyle::SetBracketStart(char32_t Value)
{
    if (FBracketStart != Value) FBracketStart = Value;
    ItemChanged();
}

void TElementStyle::SetBracketEnd(char32_t Value)
{
    if (FBracketEnd != Value) FBracketEnd = Value;
    ItemChanged();
}

void TElementStyle::SetSymbols(const std::u32string& Value)
{
    if (FSymbols != Value) FSymbols = Value;
    ItemChanged();
}

std::string TElementStyle::DisplayName() const { return FInfo.empty() ? TCollectionItem::DisplayName() : FInfo; }

void TElementStyle::Assign(const TPersistent* Source)
{
    auto* other = dynamic_cast<const TElementStyle*>(Source);
    if (!other) return;
    SetKeyWords(other->KeyWords());
    SetFont(other->Font());
    SetBGColor(other->BGColor());
    SetStyleType(other->StyleType());
    SetBracketStart(other->BracketStart());
    SetBracketEnd(other->BracketEnd());
    SetSymbols(other->Symbols());
    FInfo = other->Info();
}

TElementStyles::TElementStyles(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TElementStyle>()) {}

TElementStyles::~TElementStyles() { DestroyItems(); }

bool TElementStyles::IsWordBoundary(char32_t ch) const
{
    for (int i = 0; i < Count(); ++i) {
        const TElementStyle* item = Items(i);
        if (item->StyleType() == stSymbol && item->Symbols().find(ch) != std::u32string::npos) return true;
        if (item->StyleType() == stBracket && (item->BracketEnd() == ch || item->BracketStart() == ch)) return true;
    }
    return false;
}

void TRegionDefinition::SetIdentifier(const std::string& Value) { FIdentifier = Trim(Value); }
void TRegionDefinition::SetRegionStart(const std::string& Value) { FRegionStart = Trim(Value); }
void TRegionDefinition::SetRegionEnd(const std::string& Value) { FRegionEnd = Trim(Value); }

void TRegionDefinition::Assign(const TPersistent* Source)
{
    auto* other = dynamic_cast<const TRegionDefinition*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    FRegionType = other->FRegionType;
    FRegionEnd = other->FRegionEnd;
    FIdentifier = other->FIdentifier;
    FRegionStart = other->FRegionStart;
}

TRegionDefinitions::TRegionDefinitions(TPersistent* Component)
    : TCollection(ItemClassOf<TRegionDefinition>()), FComponent(Component)
{
}

TQuillCustomMemoStyler::TQuillCustomMemoStyler(TComponent* AOwner)
    : TComponent(AOwner),
      FAllStyles(std::make_unique<TElementStyles>(this)),
      FCommentStyle(std::make_unique<TCharStyle>(clSilver, clWhite, TFontStyles{fsItalic})),
      FNumberStyle(std::make_unique<TCharStyle>(clNavy, clWhite, TFontStyles{fsBold})),
      FlistAuto(std::make_unique<TStringList>()),
      FRegionDefinitions(std::make_unique<TRegionDefinitions>(this))
{
}

TQuillCustomMemoStyler::~TQuillCustomMemoStyler() = default;

void TQuillCustomMemoStyler::SetCharStyle(int Index, const TCharStyle& Value)
{
    if (Index == 1) FCommentStyle->Assign(&Value);
    else if (Index == 2) FNumberStyle->Assign(&Value);
}

void TQuillCustomMemoStyler::DrawKeyword(TCanvas&, const std::string&, TRect&) {}

void TQuillCustomMemoStyler::Loaded()
{
    TComponent::Loaded();
    if (!FAllStyles->FModified) FAllStyles->Clear();
}

void TQuillCustomMemoStyler::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent == FAllStyles->FOwner) FAllStyles->FOwner = nullptr;
    TComponent::Notification(AComponent, Operation);
}

bool TQuillStylerList::IsListedStyler(const TComponent* AComponent)
{
    return AComponent && AComponent->ClassParent() == TQuillCustomMemoStyler::StaticClass();
}

void TQuillStylerList::Notification(TComponent* AComponent, TOperation Operation)
{
    if (IsListedStyler(AComponent)) {
        if (Operation == opInsert && FStylerList.IndexOf(AComponent) < 0) FStylerList.Add(AComponent);
        if (Operation == opRemove) FStylerList.Remove(AComponent);
    }
    TComponent::Notification(AComponent, Operation);
}
