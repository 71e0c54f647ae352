#include "platform/ui/PopupWatch.h"

namespace ui {

namespace {
TOpenPopup* gOpenPopup = nullptr;

void DismissUnless(bool keep)
{
    if (gOpenPopup && !keep) {
        TOpenPopup* popup = gOpenPopup;
        gOpenPopup = nullptr;
        popup->Dismiss();
    }
}
} // namespace

void SetOpenPopup(TOpenPopup* Popup) { gOpenPopup = Popup; }
TOpenPopup* OpenPopup() { return gOpenPopup; }

void PopupWatchPress(const TCustomForm* Form)
{
    if (gOpenPopup) DismissUnless(Form == gOpenPopup->PopupForm());
}

void PopupWatchMoved(const TCustomForm* Form)
{
    if (gOpenPopup) DismissUnless(Form != gOpenPopup->OwnerForm());
}

void PopupWatchDeactivated(const TCustomForm* Form)
{
    if (gOpenPopup) DismissUnless(Form != gOpenPopup->OwnerForm());
}

} // namespace ui
