// The seven colours of an editor control's own button and the property accessors the controls share.
#pragma once

#include "platform/graphics/Colors.h"

namespace grid {

// Face, text and border colours of a button in its plain, hot and pressed states.
// clNone everywhere leaves the button to its usual look.
struct TButtonColorSet {
    TColor Face = clNone, FaceHot = clNone, FaceDown = clNone;
    TColor Text = clNone, TextHot = clNone, TextDown = clNone;
    TColor Border = clNone;

    // A face colour is what switches the button from its usual look to these colours.
    bool Custom() const noexcept { return Face != clNone; }
    // The face for the state, pressed winning over hot; an unset hot or down
    // colour keeps the plain one rather than painting clNone.
    TColor FaceFor(bool Pressed, bool Hot) const noexcept
    {
        const TColor state = Pressed ? FaceDown : Hot ? FaceHot : clNone;
        return state != clNone ? state : Face;
    }
};

enum class TButtonColorPart { Face, FaceHot, FaceDown, Text, TextHot, TextDown, Border };

// Base of the controls that carry a button colour set, giving them the
// ButtonColor… properties. A control that repaints or passes a colour on
// overrides ButtonColorChanged; by default a colour is only kept.
class TButtonColorProperties {
public:
    const TButtonColorSet& ButtonColors() const noexcept { return FButtonColors; }

    TColor ButtonColor() const noexcept { return FButtonColors.Face; }
    void SetButtonColor(TColor Value) { Store(FButtonColors.Face, Value, TButtonColorPart::Face); }
    TColor ButtonColorHot() const noexcept { return FButtonColors.FaceHot; }
    void SetButtonColorHot(TColor Value) { Store(FButtonColors.FaceHot, Value, TButtonColorPart::FaceHot); }
    TColor ButtonColorDown() const noexcept { return FButtonColors.FaceDown; }
    void SetButtonColorDown(TColor Value) { Store(FButtonColors.FaceDown, Value, TButtonColorPart::FaceDown); }
    TColor ButtonTextColor() const noexcept { return FButtonColors.Text; }
    void SetButtonTextColor(TColor Value) { Store(FButtonColors.Text, Value, TButtonColorPart::Text); }
    TColor ButtonTextColorHot() const noexcept { return FButtonColors.TextHot; }
    void SetButtonTextColorHot(TColor Value) { Store(FButtonColors.TextHot, Value, TButtonColorPart::TextHot); }
    TColor ButtonTextColorDown() const noexcept { return FButtonColors.TextDown; }
    void SetButtonTextColorDown(TColor Value) { Store(FButtonColors.TextDown, Value, TButtonColorPart::TextDown); }
    TColor ButtonBorderColor() const noexcept { return FButtonColors.Border; }
    void SetButtonBorderColor(TColor Value) { Store(FButtonColors.Border, Value, TButtonColorPart::Border); }

protected:
    TButtonColorProperties() = default;
    ~TButtonColorProperties() = default;
    TButtonColorProperties(const TButtonColorProperties&) = delete;
    TButtonColorProperties& operator=(const TButtonColorProperties&) = delete;

    // Called after Part has been stored.
    virtual void ButtonColorChanged(TButtonColorPart /*Part*/) {}

private:
    void Store(TColor& Field, TColor Value, TButtonColorPart Part)
    {
        Field = Value;
        ButtonColorChanged(Part);
    }

    TButtonColorSet FButtonColors;
};

} // namespace grid
