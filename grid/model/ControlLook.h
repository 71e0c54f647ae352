// The look of the grid's in-cell controls and of its fixed-cell gradients.
#pragma once

#include "grid/model/DropDownAppearance.h"
#include "grid/model/GridSettingsOwner.h"
#include "grid/model/ModelEnums.h"
#include "grid/model/ModelOptions.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Bitmap.h"

// Options that repaint the grid when they change (type, name, default).
#define VISTRA_CONTROL_LOOK_REPAINT_OPTIONS(X)                  \
    X(TColor, Color, clBlack)                                   \
    X(TColor, CommentColor, clRed)                              \
    X(int, CheckSize, 15)                                       \
    X(int, RadioSize, 10)                                       \
    X(grid::TControlStyle, ControlStyle, grid::csTheme) \
    X(bool, DropDownAlwaysVisible, false)                       \
    X(bool, SpinButtonsAlwaysVisible, false)                    \
    X(bool, FlatButton, false)                                  \
    X(bool, NoDisabledCheckRadioLook, false)                    \
    X(bool, NoDisabledButtonLook, false)                        \
    X(int, ProgressMarginX, 2)                                  \
    X(int, ProgressMarginY, 2)                                  \
    X(bool, ProgressXP, false)

// Options that are only stored (type, name, default).
#define VISTRA_CONTROL_LOOK_STORED_OPTIONS(X)   \
    X(bool, FixedDropDownButton, false)         \
    X(bool, CheckAlwaysActive, false)           \
    X(bool, RadioAlwaysActive, false)           \
    X(int, DropDownCount, 8)                    \
    X(TColor, ProgressBorderColor, clGray)

// Fixed-cell gradient colours (name, default, the grid colour they go to, whether
// clNone is kept from the grid).
#define VISTRA_CONTROL_LOOK_GRADIENTS(X)                                      \
    X(FixedGradientFrom, clNone, fgFrom, true)                                \
    X(FixedGradientTo, clNone, fgTo, true)                                    \
    X(FixedGradientMirrorFrom, clNone, fgMirrorFrom, false)                   \
    X(FixedGradientMirrorTo, clNone, fgMirrorTo, false)                       \
    X(FixedGradientHoverFrom, clWhite, fgHoverFrom, true)                     \
    X(FixedGradientHoverTo, clGray, fgHoverTo, true)                          \
    X(FixedGradientHoverMirrorFrom, clNone, fgHoverMirrorFrom, false)         \
    X(FixedGradientHoverMirrorTo, clNone, fgHoverMirrorTo, false)             \
    X(FixedGradientHoverBorder, clSilver, fgHoverBorder, true)                \
    X(FixedGradientDownFrom, clSilver, fgDownFrom, true)                      \
    X(FixedGradientDownTo, clGray, fgDownTo, true)                            \
    X(FixedGradientDownMirrorFrom, clNone, fgDownMirrorFrom, false)           \
    X(FixedGradientDownMirrorTo, clNone, fgDownMirrorTo, false)               \
    X(FixedGradientDownBorder, clGray, fgDownBorder, true)

#define VISTRA_CONTROL_LOOK_GRADIENT(Name, Initial, Which, KeepGridOnNone) \
public:                                                                    \
    static constexpr TColor Name##Default = Initial;                       \
    TColor Name() const noexcept { return F##Name; }                       \
    void Set##Name(TColor Value) { SetGradient(F##Name, Value, grid::Which, KeepGridOnNone); } \
                                                                           \
private:                                                                   \
    TColor F##Name = Initial;

// Cell controls' sizes, styles and glyphs, the fixed cells' gradients, and the combo
// editors' drop-down settings.
class TControlLook : public TPersistent {
    VISTRA_CLASS(TControlLook, TPersistent)

    VISTRA_CONTROL_LOOK_REPAINT_OPTIONS(VISTRA_CHANGED_OPTION)
    VISTRA_CONTROL_LOOK_STORED_OPTIONS(VISTRA_PLAIN_OPTION)
    VISTRA_CONTROL_LOOK_GRADIENTS(VISTRA_CONTROL_LOOK_GRADIENT)

public:
    // AGrid may be null for a look that belongs to no grid.
    explicit TControlLook(grid::TGridSettingsOwner* AGrid);

    // Back to the default colours, without telling the grid.
    void Init();

    // The glyph setters copy the picture and repaint.
    TBitmap* CheckedGlyph() noexcept { return &FCheckedGlyph; }
    void SetCheckedGlyph(const TBitmap* Value);
    TBitmap* UnCheckedGlyph() noexcept { return &FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const TBitmap* Value);
    TBitmap* RadioOnGlyph() noexcept { return &FRadioOnGlyph; }
    void SetRadioOnGlyph(const TBitmap* Value);
    TBitmap* RadioOffGlyph() noexcept { return &FRadioOffGlyph; }
    void SetRadioOffGlyph(const TBitmap* Value);

    grid::THeaderAppearance* DropDownHeader() noexcept { return &FDropDownHeader; }
    void SetDropDownHeader(const grid::THeaderAppearance* Value) { FDropDownHeader.Assign(Value); }
    grid::TFooterAppearance* DropDownFooter() noexcept { return &FDropDownFooter; }
    void SetDropDownFooter(const grid::TFooterAppearance* Value) { FDropDownFooter.Assign(Value); }

    // Copies the look without repainting and without handing colours to the grid;
    // the fixed drop-down button, flat buttons, disabled looks and ProgressXP stay.
    void Assign(const TPersistent* Source) override;

private:
    void Changed();
    void SetGlyph(TBitmap& Glyph, const TBitmap* Value);
    void SetGradient(TColor& Field, TColor Value, grid::TFixedGradient Which, bool KeepGridOnNone);

    grid::TGridSettingsOwner* FGrid;
    TBitmap FCheckedGlyph;
    TBitmap FUnCheckedGlyph;
    TBitmap FRadioOnGlyph;
    TBitmap FRadioOffGlyph;
    grid::THeaderAppearance FDropDownHeader;
    grid::TFooterAppearance FDropDownFooter;
};
