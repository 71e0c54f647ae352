// The header and footer strips of a drop-down's popup: their settings, which
// the drop-down keeps, and the panels the popup builds from them when it opens.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/dropdown/DropDownButtons.h"
#include "controls/dropdown/DropDownDrawing.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/ui/CustomControl.h"

namespace controls {

class TQuillCustomDropDown;

using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& Rect)>;
using TGetTextEvent = std::function<void(TObject* Sender, std::string& Text)>;

// What a strip looks like. Only Visible notifies; the other settings take
// effect when the popup next opens.
class TPanelAppearance {
public:
    TPanelAppearance();
    virtual ~TPanelAppearance() = default;
    TPanelAppearance(const TPanelAppearance&) = delete;
    TPanelAppearance& operator=(const TPanelAppearance&) = delete;

    bool Visible() const noexcept { return FVisible; }
    void SetVisible(bool Value);
    int Height = 22;
    int BorderWidth = 1;
    std::string Caption;
    TColor Color = clSilver;
    TColor ColorTo = clWhite;
    TColor BorderColor = clBlack;
    TGradientDirection GradientDirection = gdVertical;
    // The picture of the drop-down's image list shown before the caption; -1 none.
    int ImageIndex = -1;
    // The strip's buttons, laid out from the right edge leftwards (baRight,
    // the first rightmost) or from the left edge rightwards.
    std::vector<TStripButton> Buttons;
    TButtonAlignment ButtonAlignment = baRight;
    TFont& Font() const noexcept { return *FFont; }
    // Copies only the colours, the font and the gradient's direction.
    void AssignColors(const TPanelAppearance& Source);
    TNotifyEvent OnChange;

protected:
    void AssignPanel(const TPanelAppearance& Source);

private:
    bool FVisible = true;
    std::unique_ptr<TFont> FFont;
};

class THeaderAppearance final : public TPanelAppearance {
public:
    THeaderAppearance();
    void Assign(const THeaderAppearance& Source) { AssignPanel(Source); }
};

class TFooterAppearance final : public TPanelAppearance {
public:
    // The footer shows a size grip when the popup may be resized.
    bool SizeGrip = true;
    void Assign(const TFooterAppearance& Source);
};

// One strip of the popup. The header draws its border line at the bottom,
// the footer at the top (and the grip in its bottom right corner).
class TDropDownPanel : public TCustomControl {
    VISTRA_CLASS(TDropDownPanel, TCustomControl)

    TDropDownPanel(TComponent* AOwner, TQuillCustomDropDown& DropDown, bool Footer);

    bool IsFooter() const noexcept { return FFooter; }
    const TPanelAppearance& Appearance() const;
    // Whether the footer shows its size grip now.
    bool ShowsGrip() const;
    // Takes the drop-down's current settings and builds its buttons anew.
    void Refresh();
    const std::vector<TQuillButton*>& ButtonList() const noexcept { return FButtons; }

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

    // The zone at the footer's bottom right where a press starts resizing.
    static constexpr int GripZoneWidth = 12;
    static constexpr int GripZoneHeight = 15;

protected:
    void Paint() override;
    void BoundsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void PaintBorder(TCanvas& Canvas, TRect R, const TPanelAppearance& A);
    void PaintGrip(TCanvas& Canvas, TRect R, const TPanelAppearance& A);
    bool InGrip(int X, int Y) const;
    void CreateButtons();
    void ArrangeButtons();
    TRect ButtonArea() const;

    TQuillCustomDropDown& FDropDown;
    bool FFooter;
    // Where a resize by the grip started: the screen point and the popup's size.
    bool FSizing = false;
    TPoint FSizeStart;
    TSize FStartSize;
    std::vector<TQuillButton*> FButtons;
};

} // namespace controls
