#include "controls/dropdown/DropDownForm.h"

#include <algorithm>

#include "controls/dropdown/DropDownPanels.h"
#include "controls/dropdown/QuillDropDown.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Backend.h"

namespace controls {

TDropDownForm::TDropDownForm(TQuillCustomDropDown& DropDown) : TCustomForm(nullptr), FDropDown(DropDown)
{
    SetPopup(true);
    SetBorderStyle(bsNone);
}

TWinControl* TDropDownForm::TopLevelWindow() const
{
    TWinControl* top = FDropDown.Parent();
    while (top && top->Parent()) top = top->Parent();
    return top;
}

void TDropDownForm::NoteDeactivated() { FDeactivatedAt = ui::Backend().NowMs(); }

void TDropDownForm::InitializeAndUpdate()
{
    auto update = [this](TDropDownPanel*& panel, const TPanelAppearance& appearance, bool footer) {
        if (!panel && !appearance.Visible()) return;
        if (!panel) {
            panel = new TDropDownPanel(this, FDropDown, footer);
            panel->SetParent(this);
        }
        panel->Refresh();
    };
    update(FHeader, FDropDown.DropDownHeader(), false);
    update(FFooter, FDropDown.DropDownFooter(), true);
    if (FHeader) {
        FHeader->OnDrawBackGround = FDropDown.OnDrawHeader;
        FHeader->OnGetText = FDropDown.OnGetHeaderText;
    }
    if (FFooter) {
        FFooter->OnDrawBackGround = FDropDown.OnDrawFooter;
        FFooter->OnGetText = FDropDown.OnGetFooterText;
    }
}

void TDropDownForm::AdjustClientRect(TRect& Rect)
{
    TCustomForm::AdjustClientRect(Rect);
    int border = std::max(0, FDropDown.DropDownBorderWidth());
    Rect = {Rect.Left + border, Rect.Top + border, Rect.Right - border, Rect.Bottom - border};
}

void TDropDownForm::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    DrawRectangle(canvas, r, FDropDown.DropDownColor(), FDropDown.DropDownColorTo(), FDropDown.DropDownGradient(),
                  clNone, 0);
    int border = FDropDown.DropDownBorderWidth();
    if (FDropDown.DropDownBorderColor() == clNone || border <= 0) return;
    // The frame lies wholly inside the window, however wide the pen.
    TRect frame{r.Left + border / 2, r.Top + border / 2, r.Right - (border - 1) / 2, r.Bottom - (border - 1) / 2};
    DrawRectangle(canvas, frame, clNone, clNone, gdHorizontal, FDropDown.DropDownBorderColor(), border);
}

} // namespace controls
