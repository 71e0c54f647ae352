// A form's window as a GTK drop site: every drag that passes is reported to
// the window's events with its format names, and a drop first fetches the
// bytes of each format the window may read, then drops them all at once.
#include <gtk/gtk.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/backend/gtk/GtkDragSource.h"
#include "platform/classes/ExceptionHook.h"
#include "platform/ui/DragDrop.h"

namespace backend::gtk {

namespace {

// Formats a window reads: texts, rich text, file and address lists, and our
// own formats, which have no slash in their names.
bool Wanted(const std::string& name)
{
    static const char* const names[] = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain", "text/rtf",
                                        "text/richtext", "text/uri-list", "text/x-moz-url", "_NETSCAPE_URL"};
    for (const char* n : names)
        if (name == n) return true;
    return name.find('/') == std::string::npos && name != "TARGETS" && name != "MULTIPLE" && name != "TIMESTAMP" &&
           name != "STRING" && name != "TEXT" && name != "COMPOUND_TEXT" && name != "DELETE";
}

std::vector<std::string> TargetNames(GdkDragContext* context)
{
    std::vector<std::string> names;
    for (GList* t = gdk_drag_context_list_targets(context); t; t = t->next)
        names.emplace_back(rtl::GCharPtr(gdk_atom_name(GDK_POINTER_TO_ATOM(t->data))).get());
    return names;
}

int AllowedOf(GdkDragContext* context)
{
    GdkDragAction a = gdk_drag_context_get_actions(context);
    int allowed = 0;
    if (a & GDK_ACTION_COPY) allowed |= DROPEFFECT_COPY;
    if (a & GDK_ACTION_MOVE) allowed |= DROPEFFECT_MOVE;
    if (a & GDK_ACTION_LINK) allowed |= DROPEFFECT_LINK;
    return allowed;
}

GdkDragAction ActionOf(int effect)
{
    if (effect & DROPEFFECT_MOVE) return GDK_ACTION_MOVE;
    if (effect & DROPEFFECT_COPY) return GDK_ACTION_COPY;
    if (effect & DROPEFFECT_LINK) return GDK_ACTION_LINK;
    return static_cast<GdkDragAction>(0);
}

template <class F>
void Guarded(F&& f)
{
    try {
        f();
    } catch (...) {
        HandleException(nullptr);
    }
}

// What a drag over the window offers: the names always, the bytes once fetched.
class TGtkDragData final : public ui::TDragData {
public:
    TGtkDragData(std::vector<std::string> names, bool local) : FNames(std::move(names)), FLocal(local) {}
    std::vector<std::string> Formats() override { return FNames; }
    std::optional<std::string> Bytes(const std::string& format) override
    {
        auto it = FBytes.find(format);
        return it == FBytes.end() ? std::nullopt : std::optional(it->second);
    }
    bool Local() const override { return FLocal; }
    void Store(const std::string& format, std::string bytes) { FBytes[format] = std::move(bytes); }

private:
    std::vector<std::string> FNames;
    std::map<std::string, std::string> FBytes;
    bool FLocal;
};

} // namespace

class TGtkDropSite {
public:
    TGtkDropSite(GtkWidget* widget, ui::TNativeWindowEvents& events) : FWidget(widget), FEvents(events)
    {
        // No defaults: every drag is reported, whatever it carries.
        gtk_drag_dest_set(widget, static_cast<GtkDestDefaults>(0), nullptr, 0,
                          static_cast<GdkDragAction>(GDK_ACTION_COPY | GDK_ACTION_MOVE | GDK_ACTION_LINK));
        g_signal_connect(widget, "drag-motion", G_CALLBACK(OnMotion), this);
        g_signal_connect(widget, "drag-leave", G_CALLBACK(OnLeave), this);
        g_signal_connect(widget, "drag-drop", G_CALLBACK(OnDrop), this);
        g_signal_connect(widget, "drag-data-received", G_CALLBACK(OnReceived), this);
    }

    ~TGtkDropSite()
    {
        if (FLeaveIdle) g_source_remove(FLeaveIdle);
        g_signal_handlers_disconnect_by_data(FWidget, this);
        gtk_drag_dest_unset(FWidget);
    }

private:
    struct TPendingDrop {
        GdkDragContext* Context;
        TGtkDragData Data;
        TPoint Pos;
        TShiftState Keys;
        guint Time;
        int Waiting;
        ~TPendingDrop() { g_object_unref(Context); }
    };

    static bool IsLocal(GdkDragContext* context) { return gtk_drag_get_source_widget(context) != nullptr; }

    static gboolean OnMotion(GtkWidget* widget, GdkDragContext* context, gint x, gint y, guint time, gpointer self)
    {
        auto* site = static_cast<TGtkDropSite*>(self);
        site->CancelLeave();
        int effect = 0;
        Guarded([&] {
            TGtkDragData data(TargetNames(context), IsLocal(context));
            effect = site->FEvents.NativeDragOver(data, {x, y}, PointerKeys(widget), AllowedOf(context));
        });
        gdk_drag_status(context, ActionOf(effect), time);
        return TRUE;
    }

    // GTK reports a leave before every drop: the leave waits for the loop to
    // come round, and a drop in the meantime takes its place.
    static void OnLeave(GtkWidget*, GdkDragContext*, guint, gpointer self)
    {
        auto* site = static_cast<TGtkDropSite*>(self);
        if (!site->FLeaveIdle) site->FLeaveIdle = g_idle_add(DeliverLeave, site);
    }

    static gboolean DeliverLeave(gpointer self)
    {
        auto* site = static_cast<TGtkDropSite*>(self);
        site->FLeaveIdle = 0;
        Guarded([&] { site->FEvents.NativeDragLeave(); });
        return G_SOURCE_REMOVE;
    }

    void CancelLeave()
    {
        if (!FLeaveIdle) return;
        g_source_remove(FLeaveIdle);
        FLeaveIdle = 0;
    }

    static gboolean OnDrop(GtkWidget* widget, GdkDragContext* context, gint x, gint y, guint time, gpointer self)
    {
        auto* site = static_cast<TGtkDropSite*>(self);
        site->CancelLeave();
        std::vector<std::string> names = TargetNames(context);
        site->FPending.reset(new TPendingDrop{GDK_DRAG_CONTEXT(g_object_ref(context)), TGtkDragData(names, IsLocal(context)), {x, y},
                                              PointerKeys(widget), time, 0});
        for (const std::string& n : names) {
            if (!Wanted(n)) continue;
            ++site->FPending->Waiting;
            gtk_drag_get_data(widget, context, gdk_atom_intern(n.c_str(), FALSE), time);
        }
        if (site->FPending->Waiting == 0) site->Finish();
        return TRUE;
    }

    static void OnReceived(GtkWidget*, GdkDragContext* context, gint, gint, GtkSelectionData* selection, guint,
                           guint, gpointer self)
    {
        auto* site = static_cast<TGtkDropSite*>(self);
        TPendingDrop* p = site->FPending.get();
        if (!p || p->Context != context) return;
        gint length = 0;
        const guchar* bytes = gtk_selection_data_get_data_with_length(selection, &length);
        const std::string target = rtl::GCharPtr(gdk_atom_name(gtk_selection_data_get_target(selection))).get();
        if (bytes && length >= 0) p->Data.Store(target, std::string(reinterpret_cast<const char*>(bytes), length));
        if (--p->Waiting == 0) site->Finish();
    }

    void Finish()
    {
        std::unique_ptr<TPendingDrop> p = std::move(FPending);
        int effect = 0;
        Guarded([&] { effect = FEvents.NativeDrop(p->Data, p->Pos, p->Keys, AllowedOf(p->Context)); });
        // The source learns the effect from the action chosen; it removes moved data itself.
        if (effect) gdk_drag_status(p->Context, ActionOf(effect), p->Time);
        gtk_drag_finish(p->Context, effect != 0, FALSE, p->Time);
    }

    GtkWidget* FWidget;
    ui::TNativeWindowEvents& FEvents;
    guint FLeaveIdle = 0;
    std::unique_ptr<TPendingDrop> FPending;
};

TDropSitePtr InstallDropSite(GtkWidget* widget, ui::TNativeWindowEvents& events)
{
    return TDropSitePtr(new TGtkDropSite(widget, events));
}

void TDropSiteDelete::operator()(TGtkDropSite* site) const noexcept { delete site; }

} // namespace backend::gtk
