// The look of buttons shown with a styled menu.
#include "menus/ButtonAppearance.h"

#include "platform/graphics/GraphicsObjects.h"
#include "render/QuillStyleIF.h"

namespace {
const char* SystemCaptionFontName()
{
    return IsVistaOrNewer() ? "Segoe UI" : "Tahoma";
}
} // namespace

TButtonAppearance::TButtonAppearance() : FCaptionFont(std::make_unique<TFont>())
{
    FCaptionFont->SetName(SystemCaptionFontName());
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::Assign(const TPersistent* Source)
{
    auto* source = dynamic_cast<const TButtonAppearance*>(Source);
    if (!source) return;
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FHoverColor = source->FHoverColor;
    FHoverColorTo = source->FHoverColorTo;
    FDownColor = source->FDownColor;
    FDownColorTo = source->FDownColorTo;
    FGradientDirection = source->FGradientDirection;
    FBorderColor = source->FBorderColor;
    FHoverBorderColor = source->FHoverBorderColor;
    FDownBorderColor = source->FDownBorderColor;
    FCaptionFont->Assign(source->FCaptionFont.get());
    FUseSystemFont = source->FUseSystemFont;
    FGlyphPosition = source->FGlyphPosition;
}

void TButtonAppearance::SetCaptionFont(const TFont* Value)
{
    FCaptionFont->Assign(Value);
    Changed();
}

void TButtonAppearance::SetUseSystemFont(bool Value)
{
    if (FUseSystemFont == Value) return;
    FUseSystemFont = Value;
    if (Value) FCaptionFont->SetName(SystemCaptionFontName());
}

void TButtonAppearance::Changed()
{
    if (OnChange) OnChange(this);
}
