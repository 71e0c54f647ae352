// What the GTK backend provides: its factory, which fails softly without a display.
#include <gtk/gtk.h>

#include "platform/backend/Backends.h"
#include "platform/backend/gtk/GtkBackend.h"

namespace backend {

std::unique_ptr<ui::TBackend> CreateGtkBackend()
{
    if (!gtk_init_check(nullptr, nullptr)) return nullptr;
    return std::make_unique<gtk::TGtkBackend>();
}

} // namespace backend
