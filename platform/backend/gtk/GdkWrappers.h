// Owning pointers for the GTK host's GDK and GTK objects, beside GLib's own
// (platform/rtl/GLibWrappers.h). Included only by the GTK backend's .cpp files.
#pragma once

#include "platform/rtl/GLibWrappers.h"

#include <gtk/gtk.h>

#include <memory>

namespace backend::gtk {

using GdkCursorPtr = rtl::GObjectPtr<GdkCursor>;
using GFilePtr = rtl::GObjectPtr<GFile>;

// Destroys a top-level widget we created and never handed to a container (dialogs).
struct WidgetDestroyer {
    void operator()(GtkWidget* widget) const noexcept { gtk_widget_destroy(widget); }
};
using GtkWidgetPtr = std::unique_ptr<GtkWidget, WidgetDestroyer>;

} // namespace backend::gtk
