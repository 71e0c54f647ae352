// TListPopupForm: the popup form and its list box.
#include "platform/ui/ListPopupForm.h"

#include "platform/ui/ListControls.h"

namespace {

// A press chooses the item under it but leaves the focus where it was: the
// control that dropped the list closes it when it loses the focus.
class TPopupListBox final : public TListBox {
public:
    using TListBox::TListBox;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        if (Button == mbLeft)
            if (const int item = ItemAtPos({X, Y}, true); item >= 0) UserSelected(item);
        TCustomControl::MouseDown(Button, Shift, X, Y);
    }
};

} // namespace

TListPopupForm::TListPopupForm(const TFont& ListFont) : TCustomForm(nullptr)
{
    SetPopup(true);
    SetBorderStyle(bsNone);
    List = new TPopupListBox(this);
    List->SetParent(this);
    List->SetAlign(alClient);
    List->SetTabStop(false);
    List->Font().Assign(&ListFont);
}
