// The browser engine over WebKitGTK.
#include "platform/web/WebKitEngine.h"

#include "platform/graphics/CairoWrappers.h"
#include "platform/web/ScriptText.h"
#include "platform/web/WebKitWrappers.h"

#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace web {

namespace {

constexpr const char* ExternalChannel = "vistraExternal";

std::string Millis(BrowserEngine::Milliseconds timeout)
{
    return std::to_string(timeout.count()) + " ms";
}

// Runs the default main loop until ready() answers true or the time limit
// passes; returns ready(). Nested calls each keep their own limit.
bool PumpUntil(const std::function<bool()>& ready, BrowserEngine::Milliseconds timeout)
{
    bool done = ready();
    if (done)
        return true;
    bool timedOut = false;
    const guint timer = g_timeout_add(static_cast<guint>(std::max<long long>(timeout.count(), 0)),
                                      [](gpointer flag) -> gboolean {
                                          *static_cast<bool*>(flag) = true;
                                          return G_SOURCE_REMOVE;
                                      },
                                      &timedOut);
    while (!done && !timedOut) {
        g_main_context_iteration(nullptr, TRUE);
        done = ready();
    }
    if (!timedOut)
        g_source_remove(timer);
    return done;
}

// An asynchronous WebKit request outlives a wait that gave up on it, so its
// answer goes to state shared between the wait and the callback.
template <class Answer>
struct Pending {
    bool Done = false;
    Answer Result{};
    std::string Error;
};
template <class Answer>
using PendingPtr = std::shared_ptr<Pending<Answer>>;

ScriptValue ToScriptValue(JSCValue* value)
{
    if (jsc_value_is_null(value) || jsc_value_is_undefined(value))
        return {};
    if (jsc_value_is_boolean(value))
        return ScriptValue(jsc_value_to_boolean(value) != FALSE);
    if (jsc_value_is_number(value))
        return ScriptValue(jsc_value_to_double(value));
    rtl::GCharPtr text(jsc_value_to_string(value));
    return ScriptValue(std::string(text ? text.get() : ""));
}

std::vector<std::string> SplitHostList(const char* list)
{
    std::vector<std::string> hosts;
    std::string current;
    for (const char* c = list; c && *c; ++c) {
        if (*c == ',' || *c == ' ') {
            if (!current.empty())
                hosts.push_back(std::move(current));
            current.clear();
        } else {
            current += *c;
        }
    }
    if (!current.empty())
        hosts.push_back(std::move(current));
    return hosts;
}

const char* Environment(const char* lower, const char* upper)
{
    const char* value = std::getenv(lower);
    if (!value || !*value)
        value = std::getenv(upper);
    return value && *value ? value : nullptr;
}

// The proxy variables are read here rather than left to the system resolver,
// which on many machines does not look at the environment at all.
void ApplyProxyFromEnvironment(WebKitWebsiteDataManager* manager)
{
    const char* httpProxy = Environment("http_proxy", "HTTP_PROXY");
    const char* httpsProxy = Environment("https_proxy", "HTTPS_PROXY");
    if (!httpProxy && !httpsProxy)
        return;
    const std::vector<std::string> ignored = SplitHostList(Environment("no_proxy", "NO_PROXY"));
    std::vector<const gchar*> ignoredList;
    for (const std::string& host : ignored)
        ignoredList.push_back(host.c_str());
    ignoredList.push_back(nullptr);
    ProxySettingsPtr settings(webkit_network_proxy_settings_new(nullptr, ignoredList.data()));
    if (httpProxy)
        webkit_network_proxy_settings_add_proxy_for_scheme(settings.get(), "http", httpProxy);
    if (httpsProxy)
        webkit_network_proxy_settings_add_proxy_for_scheme(settings.get(), "https", httpsProxy);
    webkit_website_data_manager_set_network_proxy_settings(manager, WEBKIT_NETWORK_PROXY_MODE_CUSTOM,
                                                           settings.get());
}

}  // namespace

struct WebKitEngine::Impl {
    // Progress of the most recent navigation or document load.
    struct Load {
        bool Committed = false;
        bool Finished = false;
        std::string Error;
    };

    WebKitEngine& Owner;
    rtl::GObjectPtr<WebKitWebContext> Context;
    rtl::GObjectPtr<WebKitUserContentManager> ContentManager;
    rtl::GObjectPtr<WebKitWebView> View;  // our own reference, whoever the parent is
    GtkWidget* Offscreen = nullptr;   // owned by GTK's toplevel list until destroyed
    int RequestedWidth;
    int RequestedHeight;
    ReadyState State = ReadyState::Uninitialized;
    bool DocumentLives = false;
    bool ShownToUser = true;
    Load CurrentLoad;
    // Set when we start a load and cleared by its start event: what the view
    // reports before that belongs to the load it replaces.
    bool AwaitingStart = false;

    Impl(WebKitEngine& owner, int width, int height);
    ~Impl();

    GtkWidget* ViewWidget() const { return GTK_WIDGET(View.get()); }
    void StartLoad();

    static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self);
    static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error, gpointer self);
    static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                   gpointer self);
    static void OnProgress(GObject*, GParamSpec*, gpointer self);
    static void OnParentSet(GtkWidget* view, GtkWidget* previous, gpointer self);
    static void OnProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self);
    static void OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult* message, gpointer self);
};

WebKitEngine::Impl::Impl(WebKitEngine& owner, int width, int height)
    : Owner(owner), RequestedWidth(std::max(width, 1)), RequestedHeight(std::max(height, 1))
{
    rtl::GObjectPtr<WebKitWebsiteDataManager> dataManager(webkit_website_data_manager_new_ephemeral());
    ApplyProxyFromEnvironment(dataManager.get());
    Context.reset(webkit_web_context_new_with_website_data_manager(dataManager.get()));
    ContentManager.reset(webkit_user_content_manager_new());

    // Connected before registering, as WebKit asks, so no message is missed.
    g_signal_connect(ContentManager.get(), (std::string("script-message-received::") + ExternalChannel).c_str(),
                     G_CALLBACK(OnScriptMessage), this);
    webkit_user_content_manager_register_script_message_handler(ContentManager.get(), ExternalChannel);

    auto* view = static_cast<WebKitWebView*>(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", Context.get(),
                                                          "user-content-manager", ContentManager.get(), nullptr));
    View.reset(WEBKIT_WEB_VIEW(g_object_ref_sink(view)));
    // Composited pages are drawn in a window of their own that is not drawn
    // again when a menu or another window that covered it goes away; drawn by
    // the view itself, the uncovered part comes back at once.
    webkit_settings_set_hardware_acceleration_policy(webkit_web_view_get_settings(view),
                                                     WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);

    g_signal_connect(view, "load-changed", G_CALLBACK(OnLoadChanged), this);
    g_signal_connect(view, "load-failed", G_CALLBACK(OnLoadFailed), this);
    g_signal_connect(view, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
    g_signal_connect(view, "notify::estimated-load-progress", G_CALLBACK(OnProgress), this);
    g_signal_connect(view, "web-process-terminated", G_CALLBACK(OnProcessTerminated), this);
    g_signal_connect(view, "parent-set", G_CALLBACK(OnParentSet), this);

    Offscreen = gtk_offscreen_window_new();
    gtk_widget_set_size_request(ViewWidget(), RequestedWidth, RequestedHeight);
    gtk_container_add(GTK_CONTAINER(Offscreen), ViewWidget());
    gtk_widget_show_all(Offscreen);
}

WebKitEngine::Impl::~Impl()
{
    g_signal_handlers_disconnect_by_data(View.get(), this);
    g_signal_handlers_disconnect_by_data(ContentManager.get(), this);
    webkit_user_content_manager_unregister_script_message_handler(ContentManager.get(), ExternalChannel);
    if (GtkWidget* parent = gtk_widget_get_parent(ViewWidget()))
        gtk_container_remove(GTK_CONTAINER(parent), ViewWidget());
    gtk_widget_destroy(Offscreen);
    // View, ContentManager and Context go in member order, view first.
}

// A view given back by a window takes the size asked of the engine meanwhile.
void WebKitEngine::Impl::OnParentSet(GtkWidget* view, GtkWidget*, gpointer self)
{
    auto* impl = static_cast<Impl*>(self);
    if (!impl->Offscreen || gtk_widget_get_parent(view) != impl->Offscreen)
        return;
    gtk_widget_set_size_request(view, impl->RequestedWidth, impl->RequestedHeight);
    gtk_window_resize(GTK_WINDOW(impl->Offscreen), impl->RequestedWidth, impl->RequestedHeight);
}

void WebKitEngine::Impl::StartLoad()
{
    CurrentLoad = Load{};
    AwaitingStart = true;
    State = ReadyState::Loading;
}

void WebKitEngine::Impl::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self)
{
    auto& impl = *static_cast<Impl*>(self);
    if (event == WEBKIT_LOAD_STARTED) {
        // Also the start of a navigation the page made itself.
        impl.AwaitingStart = false;
        impl.CurrentLoad = Load{};
        impl.State = ReadyState::Loading;
        return;
    }
    if (impl.AwaitingStart)
        return;
    switch (event) {
    case WEBKIT_LOAD_STARTED:
        break;
    case WEBKIT_LOAD_REDIRECTED:
        break;
    case WEBKIT_LOAD_COMMITTED:
        impl.CurrentLoad.Committed = true;
        impl.DocumentLives = true;
        impl.State = ReadyState::Interactive;
        break;
    case WEBKIT_LOAD_FINISHED:
        impl.CurrentLoad.Finished = true;
        impl.State = ReadyState::Complete;
        break;
    }
}

gboolean WebKitEngine::Impl::OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error,
                                          gpointer self)
{
    auto& impl = *static_cast<Impl*>(self);
    // A load replaced by a newer one reports itself cancelled; that is not a failure of the newer one.
    if (!impl.AwaitingStart && !g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED))
        impl.CurrentLoad.Error = std::string("loading ") + (uri ? uri : "the page") + " failed: " + error->message;
    // Handled: no error page replaces the document (its own load would look
    // like a later one finishing); WebKit still ends this load with a finished event.
    return TRUE;
}

gboolean WebKitEngine::Impl::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                            WebKitPolicyDecisionType type, gpointer self)
{
    if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION)
        return FALSE;
    auto& impl = *static_cast<Impl*>(self);
    WebKitNavigationAction* action =
        webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    WebKitURIRequest* request = webkit_navigation_action_get_request(action);
    const char* uri = request ? webkit_uri_request_get_uri(request) : nullptr;
    impl.Owner.RaiseBeforeNavigate(uri ? uri : "");
    return FALSE;  // the default decision: go ahead
}

void WebKitEngine::Impl::OnProgress(GObject*, GParamSpec*, gpointer self)
{
    auto& impl = *static_cast<Impl*>(self);
    const double progress = webkit_web_view_get_estimated_load_progress(impl.View.get());
    impl.Owner.RaiseProgressChange(static_cast<int>(std::lround(std::clamp(progress, 0.0, 1.0) * 100)), 100);
}

void WebKitEngine::Impl::OnProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self)
{
    auto& impl = *static_cast<Impl*>(self);
    impl.DocumentLives = false;
    impl.State = ReadyState::Uninitialized;
    impl.CurrentLoad.Error = "the page's process ended";
}

void WebKitEngine::Impl::OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult* message,
                                         gpointer self)
{
    auto& impl = *static_cast<Impl*>(self);
    JSCValue* call = webkit_javascript_result_get_js_value(message);
    if (!call || !jsc_value_is_object(call))
        return;
    JSCValuePtr name(jsc_value_object_get_property(call, "name"));
    JSCValuePtr args(jsc_value_object_get_property(call, "args"));
    if (!name || !jsc_value_is_string(name.get()) || !args || !jsc_value_is_array(args.get()))
        return;
    rtl::GCharPtr methodName(jsc_value_to_string(name.get()));
    JSCValuePtr lengthValue(jsc_value_object_get_property(args.get(), "length"));
    const int length = lengthValue ? jsc_value_to_int32(lengthValue.get()) : 0;
    std::vector<ScriptValue> arguments;
    for (int i = 0; i < length; ++i) {
        JSCValuePtr argument(jsc_value_object_get_property_at_index(args.get(), static_cast<guint>(i)));
        arguments.push_back(argument ? ToScriptValue(argument.get()) : ScriptValue());
    }
    impl.Owner.DispatchExternalCall(methodName.get(), arguments);
}

bool WebKitEngine::DisplayAvailable(std::string* whyNot)
{
    static const bool available = gtk_init_check(nullptr, nullptr) != FALSE;
    if (!available && whyNot) {
        const char* display = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if ((!display || !*display) && (!wayland || !*wayland))
            *whyNot = "no display: the browser engine needs an X11 or Wayland display and neither DISPLAY nor "
                      "WAYLAND_DISPLAY is set";
        else
            *whyNot = std::string("no display: GTK could not open the display ") + (display ? display : wayland);
    }
    return available;
}

WebKitEngine::WebKitEngine(int width, int height)
{
    std::string whyNot;
    if (!DisplayAvailable(&whyNot))
        throw EBrowserUnavailable(whyNot);
    FImpl = std::make_unique<Impl>(*this, width, height);
}

WebKitEngine::~WebKitEngine() = default;

ReadyState WebKitEngine::GetReadyState() const
{
    return FImpl->State;
}

bool WebKitEngine::HasDocument() const
{
    return FImpl->DocumentLives;
}

void WebKitEngine::Navigate(std::string_view url)
{
    FImpl->StartLoad();
    webkit_web_view_load_uri(FImpl->View.get(), std::string(url).c_str());
}

Outcome WebKitEngine::WaitUntilComplete(Milliseconds timeout)
{
    Impl& impl = *FImpl;
    if (!PumpUntil([&] { return impl.State == ReadyState::Complete; }, timeout))
        return Outcome::Failure("the page did not finish loading within " + Millis(timeout));
    if (!impl.CurrentLoad.Error.empty())
        return Outcome::Failure(impl.CurrentLoad.Error);
    return Outcome::Success();
}

Outcome WebKitEngine::LoadDocument(std::string_view html, std::string_view baseUrl)
{
    Impl& impl = *FImpl;
    impl.StartLoad();
    webkit_web_view_load_html(impl.View.get(), std::string(html).c_str(),
                              baseUrl.empty() ? nullptr : std::string(baseUrl).c_str());
    const auto& load = impl.CurrentLoad;
    const bool settled = PumpUntil([&] { return load.Committed || load.Finished || !load.Error.empty(); },
                                   Timeout());
    if (!load.Error.empty())
        return Outcome::Failure(load.Error);
    if (!settled || !load.Committed)
        return Outcome::Failure("the document was not committed within " + Millis(Timeout()));
    return Outcome::Success();
}

Outcome WebKitEngine::RunScript(std::string_view script, Milliseconds timeout)
{
    if (!FImpl->DocumentLives)
        return Outcome::Failure("there is no document to run the script in");
    auto pending = std::make_shared<Pending<std::string>>();
    webkit_web_view_evaluate_javascript(
        FImpl->View.get(), script.data(), static_cast<gssize>(script.size()), nullptr, nullptr, nullptr,
        [](GObject* view, GAsyncResult* result, gpointer data) {
            std::unique_ptr<PendingPtr<std::string>> holder(static_cast<PendingPtr<std::string>*>(data));
            Pending<std::string>& answer = **holder;
            GError* rawError = nullptr;
            JSCValuePtr value(
                webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, &rawError));
            rtl::GErrorPtr error(rawError);
            // A result that cannot be carried back (a function, a DOM node) is not a script failure.
            if (error && !g_error_matches(error.get(), WEBKIT_JAVASCRIPT_ERROR,
                                          WEBKIT_JAVASCRIPT_ERROR_INVALID_RESULT))
                answer.Error = error->message && *error->message ? error->message : "the script failed";
            if (value && !jsc_value_is_undefined(value.get())) {
                rtl::GCharPtr json(jsc_value_to_json(value.get(), 0));
                if (json)
                    answer.Result = json.get();
            }
            answer.Done = true;
        },
        new PendingPtr<std::string>(pending));
    if (!PumpUntil([&] { return pending->Done; }, timeout))
        return Outcome::Failure("the script did not finish within " + Millis(timeout));
    if (!pending->Error.empty())
        return Outcome::Failure(pending->Error);
    return Outcome::Success(pending->Result);
}

Outcome WebKitEngine::Snapshot(PixelBuffer& picture)
{
    const int width = Width();
    const int height = Height();
    auto pending = std::make_shared<Pending<graphics::CairoSurfacePtr>>();
    webkit_web_view_get_snapshot(
        FImpl->View.get(), WEBKIT_SNAPSHOT_REGION_VISIBLE, WEBKIT_SNAPSHOT_OPTIONS_NONE, nullptr,
        [](GObject* view, GAsyncResult* result, gpointer data) {
            std::unique_ptr<PendingPtr<graphics::CairoSurfacePtr>> holder(static_cast<PendingPtr<graphics::CairoSurfacePtr>*>(data));
            Pending<graphics::CairoSurfacePtr>& answer = **holder;
            GError* rawError = nullptr;
            answer.Result.reset(webkit_web_view_get_snapshot_finish(WEBKIT_WEB_VIEW(view), result, &rawError));
            rtl::GErrorPtr error(rawError);
            if (error)
                answer.Error = error->message;
            else if (!answer.Result)
                answer.Error = "the browser gave no picture";
            answer.Done = true;
        },
        new PendingPtr<graphics::CairoSurfacePtr>(pending));
    if (!PumpUntil([&] { return pending->Done; }, Timeout()))
        return Outcome::Failure("the snapshot did not finish within " + Millis(Timeout()));
    if (!pending->Error.empty())
        return Outcome::Failure("the snapshot failed: " + pending->Error);

    // The browser draws in device pixels (twice the size at a display scale
    // of 2); the picture is scaled to the view's size in our pixels.
    cairo_surface_t* source = pending->Result.get();
    cairo_surface_t* mapped = cairo_surface_map_to_image(source, nullptr);
    const int sourceWidth = cairo_image_surface_get_width(mapped);
    const int sourceHeight = cairo_image_surface_get_height(mapped);
    const cairo_format_t format = cairo_image_surface_get_format(mapped);
    if (cairo_surface_status(mapped) != CAIRO_STATUS_SUCCESS || sourceWidth <= 0 || sourceHeight <= 0 ||
        (format != CAIRO_FORMAT_ARGB32 && format != CAIRO_FORMAT_RGB24)) {
        cairo_surface_unmap_image(source, mapped);
        return Outcome::Failure("the snapshot could not be read");
    }
    graphics::CairoSurfacePtr plain(cairo_image_surface_create_for_data(cairo_image_surface_get_data(mapped), format,
                                                              sourceWidth, sourceHeight,
                                                              cairo_image_surface_get_stride(mapped)));
    PixelBuffer result;
    result.Width = width;
    result.Height = height;
    result.Pixels.assign(static_cast<std::size_t>(width) * height, 0);
    graphics::CairoSurfacePtr target(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(result.Pixels.data()),
                                                               CAIRO_FORMAT_ARGB32, width, height, width * 4));
    {
        graphics::CairoPtr cr(cairo_create(target.get()));
        cairo_scale(cr.get(), static_cast<double>(width) / sourceWidth, static_cast<double>(height) / sourceHeight);
        cairo_set_source_surface(cr.get(), plain.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr.get()), CAIRO_FILTER_GOOD);
        cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr.get());
    }
    cairo_surface_flush(target.get());
    target.reset();
    plain.reset();
    cairo_surface_unmap_image(source, mapped);
    picture = std::move(result);
    return Outcome::Success();
}

int WebKitEngine::Width() const
{
    return FImpl->RequestedWidth;
}

int WebKitEngine::Height() const
{
    return FImpl->RequestedHeight;
}

void WebKitEngine::SetSize(int width, int height)
{
    FImpl->RequestedWidth = std::max(width, 1);
    FImpl->RequestedHeight = std::max(height, 1);
    // A window that borrowed the view sizes it; the size applies when it comes home.
    if (gtk_widget_get_parent(FImpl->ViewWidget()) == FImpl->Offscreen) {
        gtk_widget_set_size_request(FImpl->ViewWidget(), FImpl->RequestedWidth, FImpl->RequestedHeight);
        gtk_window_resize(GTK_WINDOW(FImpl->Offscreen), FImpl->RequestedWidth, FImpl->RequestedHeight);
        // Let the new size reach the page before anyone draws or measures it.
        GtkWidget* view = FImpl->ViewWidget();
        const int wantedWidth = FImpl->RequestedWidth;
        const int wantedHeight = FImpl->RequestedHeight;
        PumpUntil([&] { return gtk_widget_get_allocated_width(view) == wantedWidth &&
                               gtk_widget_get_allocated_height(view) == wantedHeight; },
                  Milliseconds(1000));
    }
}

bool WebKitEngine::Visible() const
{
    return FImpl->ShownToUser;
}

// An unmapped view counts as hidden to the browser, which then throttles the
// page's timers and stops its animation frames, so a page loading out of
// sight would never finish. The view therefore stays mapped: hiding makes it
// transparent and deaf to input instead.
void WebKitEngine::SetVisible(bool visible)
{
    FImpl->ShownToUser = visible;
    gtk_widget_set_opacity(FImpl->ViewWidget(), visible ? 1.0 : 0.0);
    gtk_widget_set_sensitive(FImpl->ViewWidget(), visible ? TRUE : FALSE);
}

void* WebKitEngine::NativeView() { return FImpl->ViewWidget(); }

void WebKitEngine::ProcessEvents(Milliseconds duration, const std::function<bool()>& until)
{
    PumpUntil(until ? until : [] { return false; }, duration);
}

void WebKitEngine::ExternalMethodsChanged()
{
    WebKitUserContentManager* manager = FImpl->ContentManager.get();
    webkit_user_content_manager_remove_all_scripts(manager);
    if (ExternalMethods().empty())
        return;
    std::vector<std::string> names;
    for (const auto& entry : ExternalMethods())
        names.push_back(entry.first);
    WebKitUserScript* script = webkit_user_script_new(ExternalObjectScript(names, ExternalChannel).c_str(),
                                                      WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
                                                      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
    webkit_user_content_manager_add_script(manager, script);
    webkit_user_script_unref(script);
}

}  // namespace web
