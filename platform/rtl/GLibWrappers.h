// Owning pointers for what GLib hands to its caller: object references, text and errors, each
// released exactly once, also when an exception passes. Included only by the .cpp files of the
// GTK host and the browser, which see GLib's headers.
#pragma once

#include <glib-object.h>

#include <memory>

namespace rtl {

struct GObjectUnref {
    void operator()(gpointer object) const noexcept { g_object_unref(object); }
};
template <class T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

struct GFreer {
    void operator()(gpointer memory) const noexcept { g_free(memory); }
    void operator()(GError* error) const noexcept { g_error_free(error); }
};
using GCharPtr = std::unique_ptr<gchar, GFreer>;
using GErrorPtr = std::unique_ptr<GError, GFreer>;
// An array GLib allocated, freed as a whole (not its elements).
template <class T>
using GArrayPtr = std::unique_ptr<T, GFreer>;

} // namespace rtl
