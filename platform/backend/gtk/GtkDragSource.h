// Dragging data out of a GTK widget.
#pragma once

#include <gtk/gtk.h>

#include "platform/ui/Backend.h"

namespace backend::gtk {

// Runs a drag of the data from the widget (with the left button down) until
// the drop or the cancel; answers the drop's effect (platform/ui/DragDrop.h).
int RunGtkDrag(GtkWidget* widget, const ui::TClipboardContents& data, int allowedEffects);

} // namespace backend::gtk
