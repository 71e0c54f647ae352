// A borderless popup form whose whole client is one list box: the list a
// combo box or a header button drops. It never takes the activation, so the
// control that dropped it keeps the focus and hands it the keys it wants.
#pragma once

#include "platform/ui/Forms.h"

class TFont;
class TListBox;

class TListPopupForm : public TCustomForm {
    VISTRA_CLASS(TListPopupForm, TCustomForm)

    // The list shows its items in ListFont.
    explicit TListPopupForm(const TFont& ListFont);

    // Owned by the form.
    TListBox* List;
};
