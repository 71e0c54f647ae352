// The gradient buttons of a popup's header and footer strips: what a strip
// asks for (its button list), how the buttons look (one appearance shared by a
// drop-down's buttons) and the button control itself.
#pragma once

#include <string>
#include <vector>

#include "controls/dropdown/DropDownDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Forms.h"

class TImageList;

namespace controls {

class TQuillCustomDropDown;

enum TButtonAlignment { baLeft, baRight };

// One button of a strip; Width and Height 0 size it to its content. A footer
// button's ModalResult closes the popup when it is one that decides.
struct TStripButton {
    std::string Caption;
    int ImageIndex = -1;
    bool Enabled = true;
    int Width = 0, Height = 0;
    TModalResult ModalResult = mrNone;
};

class TQuillButtonAppearance {
public:
    TQuillButtonAppearance();
    TQuillButtonAppearance(const TQuillButtonAppearance&) = delete;
    TQuillButtonAppearance& operator=(const TQuillButtonAppearance&) = delete;

    void Assign(const TQuillButtonAppearance& Source);
    TFont& Font() const noexcept { return *FFont; }

    TColor BorderColor = clNone, BorderColorHot = TColor(0x808080), BorderColorDown = TColor(0x800000),
           BorderColorDisabled = TColor(0x808080), BorderColorChecked = TColor(0xFF0000);
    TColor Color = clNone, ColorTo = clNone;
    TColor ColorHot = TColor(0xF5F0E1), ColorHotTo = TColor(0xF9D2B2);
    TColor ColorDown = TColor(0xF5D8CA), ColorDownTo = TColor(0xF9BDA0);
    TColor ColorDisabled = TColor(0xF2F2F2), ColorDisabledTo = clNone;
    // The checked colours are the hot ones a tone darker.
    TColor ColorChecked, ColorCheckedTo;
    TGradientDirection Gradient = gdVertical;

private:
    std::unique_ptr<TFont> FFont;
};

// A strip button: a gradient face with a picture and a caption, hot under the
// pointer, pressed while held; it clicks on release inside.
class TQuillButton : public TCustomControl {
    VISTRA_CLASS(TQuillButton, TCustomControl)

    TQuillButton(TComponent* AOwner, const TQuillButtonAppearance& Appearance);

    void SetImages(const TImageList* Images, int ImageIndex);
    TModalResult ModalResult() const noexcept { return FModalResult; }
    // The drop-down a decisive ModalResult closes.
    void SetModalResult(TModalResult Value, TQuillCustomDropDown* DropDown);
    bool Hot() const noexcept { return FHot; }
    // Closes the drop-down by the modal result, then raises OnClick.
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    const TQuillButtonAppearance& FAppearance;
    const TImageList* FImages = nullptr;
    int FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    TQuillCustomDropDown* FDropDown = nullptr;
    bool FHot = false, FPressed = false, FPressedInside = false;
};

} // namespace controls
