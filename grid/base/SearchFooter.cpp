// Settings of the search bar under the string grid.
#include "grid/base/SearchFooter.h"

#include "platform/graphics/GraphicsObjects.h"

TSearchFooter::TSearchFooter(TPersistent* AOwner, bool InitDesign)
    : FOwner(AOwner), FFont(std::make_unique<TFont>())
{
    if (InitDesign) {
#define VISTRA_SET_DESIGN_TEXT(Name, DesignText) F##Name = DesignText;
        VISTRA_SEARCH_FOOTER_TEXTS(VISTRA_SET_DESIGN_TEXT)
#undef VISTRA_SET_DESIGN_TEXT
    }
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSearchFooter::StoreSwitchOnChange(bool& Field, bool Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TSearchFooter::SetColor(TColor Value)
{
    FColor = Value;
    Changed();
}

void TSearchFooter::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Changed();
}

void TSearchFooter::SetFont(const TFont& Value)
{
    FFont->Assign(&Value);
    Changed();
}

void TSearchFooter::SetShowClose(bool Value)
{
    FShowClose = Value;
    Changed();
}

void TSearchFooter::SetShowFindNext(bool Value)
{
    StoreSwitchOnChange(FShowFindNext, Value);
}

void TSearchFooter::SetShowFindPrev(bool Value)
{
    StoreSwitchOnChange(FShowFindPrev, Value);
}

void TSearchFooter::SetShowHighLight(bool Value)
{
    StoreSwitchOnChange(FShowHighLight, Value);
}

void TSearchFooter::SetShowMatchCase(bool Value)
{
    StoreSwitchOnChange(FShowMatchCase, Value);
}

void TSearchFooter::SetVisible(bool Value)
{
    StoreSwitchOnChange(FVisible, Value);
}

void TSearchFooter::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    Changed();
}

void TSearchFooter::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TSearchFooter*>(SourceObject);
    if (!source)
        return;
    const TSearchFooter& Source = *source;
    const bool autoSearch = FAutoSearch;
    const bool searchFixedCells = FSearchFixedCells;
    VISTRA_SEARCH_FOOTER_OPTIONS(VISTRA_COPY_OPTION)
    FAutoSearch = autoSearch;
    FSearchFixedCells = searchFixedCells;
#define VISTRA_COPY_TEXT(Name, DesignText) F##Name = Source.F##Name;
    VISTRA_SEARCH_FOOTER_TEXTS(VISTRA_COPY_TEXT)
#undef VISTRA_COPY_TEXT
    FColor = Source.FColor;
    FColorTo = Source.FColorTo;
    FFont->Assign(Source.FFont.get());
    FShowClose = Source.FShowClose;
    FShowFindNext = Source.FShowFindNext;
    FShowFindPrev = Source.FShowFindPrev;
    FShowHighLight = Source.FShowHighLight;
    FShowMatchCase = Source.FShowMatchCase;
    FVisible = Source.FVisible;
}
