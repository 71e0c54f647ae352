// A drag out of a form's window through GTK's drag and drop: the data is
// offered under its format names (text also under the usual text names) and
// handed over when the drop target asks; the drag runs in a loop of its own
// until the drop or the cancel.
#include "platform/backend/gtk/GtkDragSource.h"

#include <string>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/ui/DragDrop.h"

namespace backend::gtk {

namespace {

constexpr const char* TextMime = "text/plain;charset=utf-8";

struct TTargetListUnref {
    void operator()(GtkTargetList* list) const noexcept { gtk_target_list_unref(list); }
};
using GtkTargetListPtr = std::unique_ptr<GtkTargetList, TTargetListUnref>;
struct TMainLoopUnref {
    void operator()(GMainLoop* loop) const noexcept { g_main_loop_unref(loop); }
};
using GMainLoopPtr = std::unique_ptr<GMainLoop, TMainLoopUnref>;

// Target info 0 is text; info i + 1 is the data's item i.
constexpr guint TextInfo = 0;

struct TDragRun {
    const ui::TClipboardContents& Data;
    GMainLoop* Loop;
    bool Failed = false;
    bool Ended = false;
    GdkDragAction Action = static_cast<GdkDragAction>(0);
};

void OnDataGet(GtkWidget*, GdkDragContext*, GtkSelectionData* selection, guint info, guint, gpointer self)
{
    const auto& data = static_cast<TDragRun*>(self)->Data;
    for (std::size_t i = 0; i < data.Items.size(); ++i) {
        const auto& [mime, bytes] = data.Items[i];
        if (info == TextInfo && mime == TextMime) {
            gtk_selection_data_set_text(selection, bytes.data(), static_cast<gint>(bytes.size()));
            return;
        }
        if (info == i + 1) {
            gtk_selection_data_set(selection, gtk_selection_data_get_target(selection), 8,
                                   reinterpret_cast<const guchar*>(bytes.data()), static_cast<gint>(bytes.size()));
            return;
        }
    }
}

gboolean OnFailed(GtkWidget*, GdkDragContext*, GtkDragResult, gpointer self)
{
    static_cast<TDragRun*>(self)->Failed = true;
    // No animation of the icon flying back: the drag is simply over.
    return TRUE;
}

void OnEnd(GtkWidget*, GdkDragContext* context, gpointer self)
{
    auto* run = static_cast<TDragRun*>(self);
    run->Action = gdk_drag_context_get_selected_action(context);
    run->Ended = true;
    g_main_loop_quit(run->Loop);
}

} // namespace

int RunGtkDrag(GtkWidget* widget, const ui::TClipboardContents& data, int allowedEffects)
{
    const GtkTargetListPtr targets(gtk_target_list_new(nullptr, 0));
    for (std::size_t i = 0; i < data.Items.size(); ++i) {
        if (data.Items[i].first == TextMime) gtk_target_list_add_text_targets(targets.get(), TextInfo);
        else gtk_target_list_add(targets.get(), gdk_atom_intern(data.Items[i].first.c_str(), FALSE), 0,
                                 static_cast<guint>(i + 1));
    }
    int actions = 0;
    if (allowedEffects & DROPEFFECT_COPY) actions |= GDK_ACTION_COPY;
    if (allowedEffects & DROPEFFECT_MOVE) actions |= GDK_ACTION_MOVE;
    const GMainLoopPtr loop(g_main_loop_new(nullptr, FALSE));
    TDragRun run{data, loop.get()};
    const gulong handlers[] = {
        g_signal_connect(widget, "drag-data-get", G_CALLBACK(OnDataGet), &run),
        g_signal_connect(widget, "drag-failed", G_CALLBACK(OnFailed), &run),
        g_signal_connect(widget, "drag-end", G_CALLBACK(OnEnd), &run),
    };
    // The event that moved the pointer with the button down starts the drag.
    GdkEvent* current = gtk_get_current_event();
    GdkDragContext* context = gtk_drag_begin_with_coordinates(widget, targets.get(), static_cast<GdkDragAction>(actions),
                                                              1, current, -1, -1);
    if (current) gdk_event_free(current);
    if (context && !run.Ended) g_main_loop_run(loop.get());
    for (gulong handler : handlers) g_signal_handler_disconnect(widget, handler);
    if (!context || run.Failed) return DROPEFFECT_NONE;
    if (run.Action & GDK_ACTION_MOVE) return DROPEFFECT_MOVE;
    if (run.Action & GDK_ACTION_COPY) return DROPEFFECT_COPY;
    return DROPEFFECT_NONE;
}

} // namespace backend::gtk
