// The look of the grid's in-cell controls and of its fixed-cell gradients.
#include "grid/model/ControlLook.h"

#include "grid/model/SettingsPictures.h"

using grid::TFixedGradient;

TControlLook::TControlLook(grid::TGridSettingsOwner* AGrid) : FGrid(AGrid) {}

void TControlLook::Init()
{
    FColor = ColorDefault;
    FCommentColor = CommentColorDefault;
    FProgressBorderColor = ProgressBorderColorDefault;
#define VISTRA_RESET_GRADIENT(Name, Initial, Which, KeepGridOnNone) F##Name = Name##Default;
    VISTRA_CONTROL_LOOK_GRADIENTS(VISTRA_RESET_GRADIENT)
#undef VISTRA_RESET_GRADIENT
}

void TControlLook::Changed()
{
    if (FGrid)
        FGrid->RepaintWholeGrid();
}

void TControlLook::SetGlyph(TBitmap& Glyph, const TBitmap* Value)
{
    grid::CopyPicture(Glyph, Value);
    Changed();
}

void TControlLook::SetCheckedGlyph(const TBitmap* Value)
{
    SetGlyph(FCheckedGlyph, Value);
}

void TControlLook::SetUnCheckedGlyph(const TBitmap* Value)
{
    SetGlyph(FUnCheckedGlyph, Value);
}

void TControlLook::SetRadioOnGlyph(const TBitmap* Value)
{
    SetGlyph(FRadioOnGlyph, Value);
}

void TControlLook::SetRadioOffGlyph(const TBitmap* Value)
{
    SetGlyph(FRadioOffGlyph, Value);
}

void TControlLook::SetGradient(TColor& Field, TColor Value, TFixedGradient Which, bool KeepGridOnNone)
{
    Field = Value;
    if (FGrid && !(KeepGridOnNone && Value == clNone))
        FGrid->SetGridFixedGradient(Which, Value);
}

void TControlLook::Assign(const TPersistent* SourceObject)
{
    const auto* source = dynamic_cast<const TControlLook*>(SourceObject);
    if (!source)
        return;
    const TControlLook& Source = *source;
    FCheckSize = Source.FCheckSize;
    FRadioSize = Source.FRadioSize;
    FControlStyle = Source.FControlStyle;
    FCheckedGlyph.Assign(&Source.FCheckedGlyph);
    FUnCheckedGlyph.Assign(&Source.FUnCheckedGlyph);
    FRadioOnGlyph.Assign(&Source.FRadioOnGlyph);
    FRadioOffGlyph.Assign(&Source.FRadioOffGlyph);
    FProgressMarginX = Source.FProgressMarginX;
    FProgressMarginY = Source.FProgressMarginY;
    FCommentColor = Source.FCommentColor;
    FColor = Source.FColor;
    FProgressBorderColor = Source.FProgressBorderColor;
    FCheckAlwaysActive = Source.FCheckAlwaysActive;
    FRadioAlwaysActive = Source.FRadioAlwaysActive;
#define VISTRA_COPY_GRADIENT(Name, Initial, Which, KeepGridOnNone) F##Name = Source.F##Name;
    VISTRA_CONTROL_LOOK_GRADIENTS(VISTRA_COPY_GRADIENT)
#undef VISTRA_COPY_GRADIENT
    FDropDownAlwaysVisible = Source.FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = Source.FSpinButtonsAlwaysVisible;
    FDropDownCount = Source.FDropDownCount;
    FDropDownFooter.Assign(&Source.FDropDownFooter);
    FDropDownHeader.Assign(&Source.FDropDownHeader);
}
