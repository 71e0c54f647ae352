// The desktop clipboard through GtkClipboard: what we set is served on
// request under its format names (text also under the usual text names).
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/backend/gtk/GtkBackend.h"

namespace backend::gtk {

namespace {

constexpr const char* TextMime = "text/plain;charset=utf-8";
constexpr const char* TextAliases[] = {"UTF8_STRING", "TEXT", "STRING", "text/plain", TextMime};

bool IsTextTarget(const std::string& name)
{
    for (const char* alias : TextAliases)
        if (name == alias) return true;
    return false;
}

class TGtkClipboard final : public ui::TNativeClipboard {
public:
    void SetContents(const ui::TClipboardContents& contents) override
    {
        std::vector<std::string> names;
        for (auto& [mime, bytes] : contents.Items) {
            if (mime == TextMime)
                for (const char* alias : TextAliases) names.emplace_back(alias);
            else names.push_back(mime);
        }
        std::vector<GtkTargetEntry> targets;
        for (auto& n : names) targets.push_back({const_cast<char*>(n.c_str()), 0, 0});
        GtkClipboard* clip = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
        FOwned = contents;
        // Setting new data first clears ours (through OnClear); ownership is taken after.
        gtk_clipboard_set_with_data(clip, targets.data(), static_cast<guint>(targets.size()), OnGet, OnClear, this);
        FOwner = true;
        gtk_clipboard_set_can_store(clip, nullptr, 0);
    }

    ui::TClipboardContents Contents() override
    {
        if (FOwner) return FOwned;
        ui::TClipboardContents result;
        GtkClipboard* clip = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
        GdkAtom* targets = nullptr;
        gint count = 0;
        if (!gtk_clipboard_wait_for_targets(clip, &targets, &count)) return result;
        const rtl::GArrayPtr<GdkAtom> atoms(targets);
        bool text = false;
        for (gint i = 0; i < count; ++i) {
            const std::string target = rtl::GCharPtr(gdk_atom_name(atoms.get()[i])).get();
            if (IsTextTarget(target)) {
                text = true;
                continue;
            }
            if (target == "TARGETS" || target == "TIMESTAMP" || target == "MULTIPLE" || target == "SAVE_TARGETS") continue;
            if (GtkSelectionData* data = gtk_clipboard_wait_for_contents(clip, atoms.get()[i])) {
                gint length = 0;
                const guchar* bytes = gtk_selection_data_get_data_with_length(data, &length);
                if (bytes && length >= 0) result.Items.emplace_back(target, std::string(reinterpret_cast<const char*>(bytes), length));
                gtk_selection_data_free(data);
            }
        }
        if (text) {
            if (const rtl::GCharPtr t{gtk_clipboard_wait_for_text(clip)}) result.Items.emplace_back(TextMime, t.get());
        }
        return result;
    }

private:
    static void OnGet(GtkClipboard*, GtkSelectionData* selection, guint, gpointer self)
    {
        auto* c = static_cast<TGtkClipboard*>(self);
        const std::string target = rtl::GCharPtr(gdk_atom_name(gtk_selection_data_get_target(selection))).get();
        for (auto& [mime, bytes] : c->FOwned.Items) {
            bool match = mime == target || (mime == TextMime && IsTextTarget(target));
            if (!match) continue;
            if (mime == TextMime) gtk_selection_data_set_text(selection, bytes.data(), static_cast<gint>(bytes.size()));
            else
                gtk_selection_data_set(selection, gtk_selection_data_get_target(selection), 8,
                                       reinterpret_cast<const guchar*>(bytes.data()), static_cast<gint>(bytes.size()));
            return;
        }
    }

    static void OnClear(GtkClipboard*, gpointer self) { static_cast<TGtkClipboard*>(self)->FOwner = false; }

    ui::TClipboardContents FOwned;
    bool FOwner = false;
};

} // namespace

std::unique_ptr<ui::TNativeClipboard> CreateGtkClipboard() { return std::make_unique<TGtkClipboard>(); }

} // namespace backend::gtk
