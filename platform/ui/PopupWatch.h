// The one drop-down popup that is open, and the events that close it: a
// button press on any other window, its owner form moving or losing the
// activation. The popup never takes the activation itself, so the owner form
// keeps the focus while it shows.
#pragma once

class TCustomForm;

namespace ui {

class TOpenPopup {
public:
    virtual ~TOpenPopup() = default;
    // The popup's own window: presses on it do not dismiss.
    virtual const TCustomForm* PopupForm() const = 0;
    // The form the popup belongs to.
    virtual const TCustomForm* OwnerForm() const = 0;
    // Closes the popup as a click elsewhere does.
    virtual void Dismiss() = 0;
};

// Records the open popup (null: none). A popup opening replaces the one before.
void SetOpenPopup(TOpenPopup* Popup);
TOpenPopup* OpenPopup();

// Called by the window layer.
void PopupWatchPress(const TCustomForm* Form);
void PopupWatchMoved(const TCustomForm* Form);
void PopupWatchDeactivated(const TCustomForm* Form);

} // namespace ui
