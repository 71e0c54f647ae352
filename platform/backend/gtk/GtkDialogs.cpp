// GTK's modal dialogs for files, messages, colours, fonts, folders and text
// input. A test that installs an answer in the dialog hook gets it instead,
// so a test on a display never waits for a person.
#include <gtk/gtk.h>

#include <filesystem>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/backend/gtk/GtkBackend.h"
#include "platform/graphics/FontMap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/PangoWrappers.h"
#include "platform/ui/Dialogs.h"

namespace backend::gtk {

std::optional<ui::TPrintDialogAnswer> RunGtkPrintDialog(const ui::TPrintDialogRequest& request, GtkWindow* parent);

namespace {

GtkWindow* ActiveParent()
{
    GList* windows = gtk_window_list_toplevels();
    GtkWindow* parent = nullptr;
    for (GList* l = windows; l; l = l->next)
        if (gtk_window_is_active(GTK_WINDOW(l->data))) parent = GTK_WINDOW(l->data);
    g_list_free(windows);
    return parent;
}

// Message and input boxes speak in the application's font, with room around
// their text, rather than in the desktop theme's.
void DressAsApplicationBox(GtkWidget* dialog)
{
    static const bool styled = [] {
        const std::string css = ".vistra-box, .vistra-box * { font-family: \"" + graphics::MapFontName(DefFontName) +
                                "\"; font-size: " + std::to_string(DefFontSize) + "pt; }";
        GtkCssProvider* provider = gtk_css_provider_new();
        gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        g_object_unref(provider);
        return true;
    }();
    (void)styled;
    gtk_style_context_add_class(gtk_widget_get_style_context(dialog), "vistra-box");
    gtk_container_set_border_width(GTK_CONTAINER(dialog), 12);
}

std::string ButtonLabel(int result)
{
    switch (result) {
    case mrOk: return "_OK";
    case mrCancel: return "_Cancel";
    case mrAbort: return "_Abort";
    case mrRetry: return "_Retry";
    case mrIgnore: return "_Ignore";
    case mrYes: return "_Yes";
    case mrNo: return "_No";
    case mrAll: return "_All";
    case mrNoToAll: return "N_o to All";
    case mrYesToAll: return "Yes to A_ll";
    default: return "_Close";
    }
}

GtkMessageType MessageTypeOf(TMsgDlgType t)
{
    switch (t) {
    case mtWarning: return GTK_MESSAGE_WARNING;
    case mtError: return GTK_MESSAGE_ERROR;
    case mtConfirmation: return GTK_MESSAGE_QUESTION;
    case mtInformation: return GTK_MESSAGE_INFO;
    default: return GTK_MESSAGE_OTHER;
    }
}

// Pattern lists such as "*.csv;*.txt" become one GTK filter.
GtkFileFilter* FilterOf(const std::pair<std::string, std::string>& f)
{
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, f.first.c_str());
    std::size_t start = 0;
    while (start <= f.second.size()) {
        std::size_t semi = f.second.find(';', start);
        std::string pattern = f.second.substr(start, semi == std::string::npos ? std::string::npos : semi - start);
        if (!pattern.empty()) gtk_file_filter_add_pattern(filter, pattern.c_str());
        if (semi == std::string::npos) break;
        start = semi + 1;
    }
    return filter;
}

class TGtkDialogs final : public ui::TNativeDialogs {
public:
    std::optional<ui::TFileDialogAnswer> RunFileDialog(const ui::TFileDialogRequest& request) override
    {
        if (auto& hook = ui::DialogHook().FileDialog) return hook(request);
        bool save = request.Kind == ui::TFileDialogKind::Save;
        GtkWidgetPtr dialog(gtk_file_chooser_dialog_new(
            request.Title.empty() ? (save ? "Save As" : "Open") : request.Title.c_str(), ActiveParent(),
            save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN, "_Cancel", GTK_RESPONSE_CANCEL,
            save ? "_Save" : "_Open", GTK_RESPONSE_ACCEPT, nullptr));
        auto* chooser = GTK_FILE_CHOOSER(dialog.get());
        gtk_file_chooser_set_do_overwrite_confirmation(chooser, request.OverwritePrompt);
        gtk_file_chooser_set_select_multiple(chooser, request.AllowMultiSelect && !save);
        if (!request.InitialDir.empty() && std::filesystem::is_directory(request.InitialDir))
            gtk_file_chooser_set_current_folder(chooser, request.InitialDir.c_str());
        if (!request.FileName.empty()) {
            if (save) gtk_file_chooser_set_current_name(chooser, std::filesystem::path(request.FileName).filename().c_str());
            else gtk_file_chooser_set_filename(chooser, request.FileName.c_str());
        }
        std::vector<GtkFileFilter*> filters;
        for (auto& f : request.Filters) {
            filters.push_back(FilterOf(f));
            gtk_file_chooser_add_filter(chooser, filters.back());
        }
        int index = request.FilterIndex - 1;
        if (index >= 0 && index < static_cast<int>(filters.size())) gtk_file_chooser_set_filter(chooser, filters[static_cast<std::size_t>(index)]);
        if (gtk_dialog_run(GTK_DIALOG(dialog.get())) != GTK_RESPONSE_ACCEPT) return std::nullopt;
        ui::TFileDialogAnswer answer;
        GSList* names = gtk_file_chooser_get_filenames(chooser);
        for (GSList* n = names; n; n = n->next) {
            answer.Files.emplace_back(static_cast<char*>(n->data));
            g_free(n->data);
        }
        g_slist_free(names);
        GtkFileFilter* chosen = gtk_file_chooser_get_filter(chooser);
        for (std::size_t i = 0; i < filters.size(); ++i)
            if (filters[i] == chosen) answer.FilterIndex = static_cast<int>(i) + 1;
        // A name typed without extension gets the default one.
        if (save && !request.DefaultExt.empty())
            for (auto& file : answer.Files)
                if (std::filesystem::path(file).extension().empty()) file += "." + request.DefaultExt;
        return answer;
    }

    int RunMessageBox(const ui::TMessageBoxRequest& request) override
    {
        if (auto& hook = ui::DialogHook().MessageBox) return hook(request);
        GtkWidgetPtr dialog(gtk_message_dialog_new(ActiveParent(), GTK_DIALOG_MODAL, MessageTypeOf(request.Type),
                                                 GTK_BUTTONS_NONE, "%s", request.Text.c_str()));
        gtk_window_set_title(GTK_WINDOW(dialog.get()), request.Caption.c_str());
        DressAsApplicationBox(dialog.get());
        for (int b : request.Buttons) gtk_dialog_add_button(GTK_DIALOG(dialog.get()), ButtonLabel(b).c_str(), b);
        int response = gtk_dialog_run(GTK_DIALOG(dialog.get()));
        if (response > 0) return response;
        // Closing the box answers as its Cancel (or No, or the only button).
        for (int b : {mrCancel, mrNo, mrOk})
            for (int offered : request.Buttons)
                if (offered == b) return b;
        return request.Buttons.empty() ? mrOk : request.Buttons.front();
    }

    std::optional<std::uint32_t> RunColorDialog(const ui::TColorDialogRequest& request) override
    {
        if (auto& hook = ui::DialogHook().ColorDialog) return hook(request);
        GtkWidgetPtr dialog(gtk_color_chooser_dialog_new("Color", ActiveParent()));
        auto c = static_cast<std::uint32_t>(request.Color);
        GdkRGBA rgba{(c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0, 1.0};
        gtk_color_chooser_set_rgba(GTK_COLOR_CHOOSER(dialog.get()), &rgba);
        if (gtk_dialog_run(GTK_DIALOG(dialog.get())) != GTK_RESPONSE_OK) return std::nullopt;
        gtk_color_chooser_get_rgba(GTK_COLOR_CHOOSER(dialog.get()), &rgba);
        auto byte = [](double v) { return static_cast<std::uint32_t>(v * 255.0 + 0.5) & 0xFF; };
        return byte(rgba.red) | (byte(rgba.green) << 8) | (byte(rgba.blue) << 16);
    }

    std::optional<ui::TFontDialogAnswer> RunFontDialog(const ui::TFontDialogRequest& request) override
    {
        if (auto& hook = ui::DialogHook().FontDialog) return hook(request);
        GtkWidgetPtr dialog(gtk_font_chooser_dialog_new("Font", ActiveParent()));
        std::string desc = request.Name + (request.Bold ? " Bold" : "") + (request.Italic ? " Italic" : "") + " " +
                           std::to_string(request.Size);
        gtk_font_chooser_set_font(GTK_FONT_CHOOSER(dialog.get()), desc.c_str());
        if (gtk_dialog_run(GTK_DIALOG(dialog.get())) != GTK_RESPONSE_OK) return std::nullopt;
        const graphics::PangoFontDescriptionPtr owned(gtk_font_chooser_get_font_desc(GTK_FONT_CHOOSER(dialog.get())));
        PangoFontDescription* font = owned.get();
        if (!font) return std::nullopt;
        ui::TFontDialogAnswer answer;
        answer.Name = pango_font_description_get_family(font) ? pango_font_description_get_family(font) : request.Name;
        answer.Size = pango_font_description_get_size(font) / PANGO_SCALE;
        answer.Bold = pango_font_description_get_weight(font) >= PANGO_WEIGHT_BOLD;
        answer.Italic = pango_font_description_get_style(font) != PANGO_STYLE_NORMAL;
        answer.Underline = request.Underline;
        answer.StrikeOut = request.StrikeOut;
        answer.Color = request.Color;
        return answer;
    }

    std::optional<std::string> RunFolderDialog(const ui::TFolderDialogRequest& request) override
    {
        if (auto& hook = ui::DialogHook().FolderDialog) return hook(request);
        GtkWidgetPtr dialog(gtk_file_chooser_dialog_new(request.Title.empty() ? "Select Folder" : request.Title.c_str(),
                                                      ActiveParent(), GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER, "_Cancel",
                                                      GTK_RESPONSE_CANCEL, "_Select", GTK_RESPONSE_ACCEPT, nullptr));
        if (!request.InitialDir.empty())
            gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(dialog.get()), request.InitialDir.c_str());
        gtk_file_chooser_set_create_folders(GTK_FILE_CHOOSER(dialog.get()), request.AllowNewFolder);
        if (request.Place) {
            // The window manager may still place it elsewhere.
            int width = 0, height = 0;
            gtk_window_get_size(GTK_WINDOW(dialog.get()), &width, &height);
            const TPoint at = request.Place(width, height);
            gtk_window_move(GTK_WINDOW(dialog.get()), at.X, at.Y);
        }
        if (gtk_dialog_run(GTK_DIALOG(dialog.get())) != GTK_RESPONSE_ACCEPT) return std::nullopt;
        const rtl::GCharPtr name(gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog.get())));
        if (!name) return std::nullopt;
        return std::string(name.get());
    }

    std::optional<std::string> RunInputQuery(const ui::TInputQueryRequest& request) override
    {
        if (auto& hook = ui::DialogHook().InputQuery) return hook(request);
        GtkWidgetPtr dialog(gtk_dialog_new_with_buttons(request.Caption.c_str(), ActiveParent(), GTK_DIALOG_MODAL, "_OK",
                                                      GTK_RESPONSE_OK, "_Cancel", GTK_RESPONSE_CANCEL, nullptr));
        DressAsApplicationBox(dialog.get());
        GtkWidget* area = gtk_dialog_get_content_area(GTK_DIALOG(dialog.get()));
        gtk_box_set_spacing(GTK_BOX(area), 6);
        GtkWidget* label = gtk_label_new(request.Prompt.c_str());
        gtk_label_set_xalign(GTK_LABEL(label), 0);
        GtkWidget* entry = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(entry), request.Value.c_str());
        gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
        gtk_dialog_set_default_response(GTK_DIALOG(dialog.get()), GTK_RESPONSE_OK);
        gtk_container_add(GTK_CONTAINER(area), label);
        gtk_container_add(GTK_CONTAINER(area), entry);
        gtk_widget_show_all(area);
        if (gtk_dialog_run(GTK_DIALOG(dialog.get())) != GTK_RESPONSE_OK) return std::nullopt;
        return std::string(gtk_entry_get_text(GTK_ENTRY(entry)));
    }

    std::optional<ui::TPrintDialogAnswer> RunPrintDialog(const ui::TPrintDialogRequest& request) override
    {
        if (auto& hook = ui::DialogHook().PrintDialog) return hook(request);
        return RunGtkPrintDialog(request, ActiveParent());
    }
};

} // namespace

std::unique_ptr<ui::TNativeDialogs> CreateGtkDialogs() { return std::make_unique<TGtkDialogs>(); }

} // namespace backend::gtk
