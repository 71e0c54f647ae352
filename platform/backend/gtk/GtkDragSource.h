// Dragging data out of a GTK widget, and dropping on one.
#pragma once

#include <gtk/gtk.h>

#include <memory>

#include "platform/ui/Backend.h"

namespace backend::gtk {

// Runs a drag of the offer from the widget (with the left button down) until
// the drop or the cancel; answers the drop's effect (platform/ui/DragDrop.h).
int RunGtkDrag(GtkWidget* widget, ui::TDragOffer& offer, int allowedEffects);

// The keys and buttons held now, as our shift state.
TShiftState PointerKeys(GtkWidget* widget);

// Makes the widget a drop site whose drags go to the window's events.
class TGtkDropSite;
struct TDropSiteDelete {
    void operator()(TGtkDropSite* site) const noexcept;
};
using TDropSitePtr = std::unique_ptr<TGtkDropSite, TDropSiteDelete>;
TDropSitePtr InstallDropSite(GtkWidget* widget, ui::TNativeWindowEvents& events);

} // namespace backend::gtk
