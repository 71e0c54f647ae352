// A drag out of a form's window through GTK's drag and drop: the offer's
// formats are offered under their names (text also under the usual text
// names) and handed over when the drop target asks; the source is asked
// whether to go on and told the effect while the drag runs in a loop of its
// own until the drop or the cancel.
#include "platform/backend/gtk/GtkDragSource.h"

#include <string>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/classes/ExceptionHook.h"
#include "platform/ui/DragDrop.h"

namespace backend::gtk {

namespace {

constexpr const char* TextMime = "text/plain;charset=utf-8";
// How often the source is asked whether the drag goes on.
constexpr guint QueryIntervalMs = 40;

struct TTargetListUnref {
    void operator()(GtkTargetList* list) const noexcept { gtk_target_list_unref(list); }
};
using GtkTargetListPtr = std::unique_ptr<GtkTargetList, TTargetListUnref>;
struct TMainLoopUnref {
    void operator()(GMainLoop* loop) const noexcept { g_main_loop_unref(loop); }
};
using GMainLoopPtr = std::unique_ptr<GMainLoop, TMainLoopUnref>;

// Target info 0 is text; info i + 1 is the offer's format i.
constexpr guint TextInfo = 0;

struct TDragRun {
    ui::TDragOffer& Offer;
    std::vector<std::string> Formats;
    GtkWidget* Widget;
    GMainLoop* Loop;
    GdkDragContext* Context = nullptr;
    bool Failed = false;
    bool Ended = false;
    int LastFeedback = -1;
    GdkDragAction Action = static_cast<GdkDragAction>(0);
};

template <class F>
void Guarded(F&& f)
{
    try {
        f();
    } catch (...) {
        HandleException(nullptr);
    }
}

int EffectOf(GdkDragAction action)
{
    if (action & GDK_ACTION_MOVE) return DROPEFFECT_MOVE;
    if (action & GDK_ACTION_COPY) return DROPEFFECT_COPY;
    if (action & GDK_ACTION_LINK) return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
}

void OnDataGet(GtkWidget*, GdkDragContext*, GtkSelectionData* selection, guint info, guint, gpointer self)
{
    auto* run = static_cast<TDragRun*>(self);
    Guarded([&] {
        if (info == TextInfo) {
            if (auto text = run->Offer.Bytes(TextMime))
                gtk_selection_data_set_text(selection, text->data(), static_cast<gint>(text->size()));
            return;
        }
        if (info - 1 >= run->Formats.size()) return;
        if (auto bytes = run->Offer.Bytes(run->Formats[info - 1]))
            gtk_selection_data_set(selection, gtk_selection_data_get_target(selection), 8,
                                   reinterpret_cast<const guchar*>(bytes->data()), static_cast<gint>(bytes->size()));
    });
}

gboolean OnFailed(GtkWidget*, GdkDragContext*, GtkDragResult result, gpointer self)
{
    auto* run = static_cast<TDragRun*>(self);
    run->Failed = true;
    if (result == GTK_DRAG_RESULT_USER_CANCELLED) Guarded([&] { run->Offer.KeepGoing(true, PointerKeys(run->Widget)); });
    // No animation of the icon flying back: the drag is simply over.
    return TRUE;
}

void OnEnd(GtkWidget*, GdkDragContext* context, gpointer self)
{
    auto* run = static_cast<TDragRun*>(self);
    run->Action = run->Failed ? static_cast<GdkDragAction>(0) : gdk_drag_context_get_selected_action(context);
    run->Ended = true;
    // The source hears the drop's last word on the effect.
    const int effect = EffectOf(run->Action);
    if (effect != run->LastFeedback) Guarded([&] { run->Offer.Feedback(run->LastFeedback = effect); });
    g_main_loop_quit(run->Loop);
}

gboolean OnQuery(gpointer self)
{
    auto* run = static_cast<TDragRun*>(self);
    if (run->Ended || !run->Context) return G_SOURCE_CONTINUE;
    Guarded([&] {
        int effect = EffectOf(gdk_drag_context_get_selected_action(run->Context));
        if (effect != run->LastFeedback) run->Offer.Feedback(run->LastFeedback = effect);
        TShiftState keys = PointerKeys(run->Widget);
        // The release itself is the host's to handle, with the drop.
        keys.Include(ssLeft);
        if (!run->Offer.KeepGoing(false, keys)) gtk_drag_cancel(run->Context);
    });
    return G_SOURCE_CONTINUE;
}

} // namespace

TShiftState PointerKeys(GtkWidget* widget)
{
    TShiftState s;
    GdkWindow* window = gtk_widget_get_window(widget);
    if (!window) return s;
    GdkSeat* seat = gdk_display_get_default_seat(gdk_window_get_display(window));
    GdkModifierType mask = static_cast<GdkModifierType>(0);
    gdk_window_get_device_position(window, gdk_seat_get_pointer(seat), nullptr, nullptr, &mask);
    if (mask & GDK_SHIFT_MASK) s.Include(ssShift);
    if (mask & GDK_CONTROL_MASK) s.Include(ssCtrl);
    if (mask & GDK_MOD1_MASK) s.Include(ssAlt);
    if (mask & GDK_BUTTON1_MASK) s.Include(ssLeft);
    if (mask & GDK_BUTTON3_MASK) s.Include(ssRight);
    return s;
}

int RunGtkDrag(GtkWidget* widget, ui::TDragOffer& offer, int allowedEffects)
{
    const GtkTargetListPtr targets(gtk_target_list_new(nullptr, 0));
    const GMainLoopPtr loop(g_main_loop_new(nullptr, FALSE));
    TDragRun run{offer, offer.Formats(), widget, loop.get()};
    for (std::size_t i = 0; i < run.Formats.size(); ++i) {
        if (run.Formats[i] == TextMime) gtk_target_list_add_text_targets(targets.get(), TextInfo);
        else gtk_target_list_add(targets.get(), gdk_atom_intern(run.Formats[i].c_str(), FALSE), 0, static_cast<guint>(i + 1));
    }
    int actions = 0;
    if (allowedEffects & DROPEFFECT_COPY) actions |= GDK_ACTION_COPY;
    if (allowedEffects & DROPEFFECT_MOVE) actions |= GDK_ACTION_MOVE;
    if (allowedEffects & DROPEFFECT_LINK) actions |= GDK_ACTION_LINK;
    const gulong handlers[] = {
        g_signal_connect(widget, "drag-data-get", G_CALLBACK(OnDataGet), &run),
        g_signal_connect(widget, "drag-failed", G_CALLBACK(OnFailed), &run),
        g_signal_connect(widget, "drag-end", G_CALLBACK(OnEnd), &run),
    };
    // The event that moved the pointer with the button down starts the drag.
    GdkEvent* current = gtk_get_current_event();
    run.Context = gtk_drag_begin_with_coordinates(widget, targets.get(), static_cast<GdkDragAction>(actions), 1, current,
                                                  -1, -1);
    if (current) gdk_event_free(current);
    const guint query = g_timeout_add(QueryIntervalMs, OnQuery, &run);
    if (run.Context && !run.Ended) g_main_loop_run(loop.get());
    g_source_remove(query);
    for (gulong handler : handlers) g_signal_handler_disconnect(widget, handler);
    if (!run.Context || run.Failed) return DROPEFFECT_NONE;
    return EffectOf(run.Action);
}

} // namespace backend::gtk
