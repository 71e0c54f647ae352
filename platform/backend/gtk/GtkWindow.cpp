// One form on GTK: a GtkWindow showing the form's finished image, with the
// host's input turned into calls on the form's events.
#include "platform/backend/gtk/GtkWindow.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend/gtk/GdkWrappers.h"
#include "platform/backend/gtk/GtkDragSource.h"
#include "platform/backend/gtk/GtkKeys.h"
#include "platform/classes/ExceptionHook.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapImage.h"
#include "platform/graphics/CairoWrappers.h"
#include "platform/ui/Messages.h"
#include "platform/ui/VirtualKeys.h"

namespace backend::gtk {

namespace {

// A GTK callback must not let an exception out: it is reported instead.
template <class F>
void Guarded(F&& f)
{
    try {
        f();
    } catch (...) {
        HandleException(nullptr);
    }
}

TShiftState ShiftOf(unsigned state)
{
    TShiftState s;
    if (state & GDK_SHIFT_MASK) s.Include(ssShift);
    if (state & GDK_CONTROL_MASK) s.Include(ssCtrl);
    if (state & GDK_MOD1_MASK) s.Include(ssAlt);
    if (state & GDK_BUTTON1_MASK) s.Include(ssLeft);
    if (state & GDK_BUTTON2_MASK) s.Include(ssMiddle);
    if (state & GDK_BUTTON3_MASK) s.Include(ssRight);
    return s;
}

// Keeps the keyboard state's modifiers in step with the event's, in case the
// modifier's own key event went to another program (or was never sent).
void SyncModifiers(unsigned state, unsigned short exceptKey)
{
    struct Modifier {
        unsigned Mask;
        unsigned short Generic, Left, Right;
    };
    static constexpr Modifier modifiers[] = {{GDK_SHIFT_MASK, VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
                                             {GDK_CONTROL_MASK, VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
                                             {GDK_MOD1_MASK, VK_MENU, VK_LMENU, VK_RMENU}};
    for (const Modifier& m : modifiers) {
        if (exceptKey == m.Left || exceptKey == m.Right) continue;
        bool down = (state & m.Mask) != 0;
        if ((GetKeyState(m.Generic) < 0) != down) ui::SetKeyDown(m.Left, down);
    }
}

const char* CursorName(ui::TNativeCursor c)
{
    using ui::TNativeCursor;
    switch (c) {
    case TNativeCursor::IBeam: return "text";
    case TNativeCursor::Wait: return "wait";
    case TNativeCursor::Cross: return "crosshair";
    case TNativeCursor::UpArrow: return "n-resize";
    case TNativeCursor::SizeAll: return "move";
    case TNativeCursor::SizeNESW: return "nesw-resize";
    case TNativeCursor::SizeNS: return "ns-resize";
    case TNativeCursor::SizeNWSE: return "nwse-resize";
    case TNativeCursor::SizeWE: return "ew-resize";
    case TNativeCursor::No: return "not-allowed";
    case TNativeCursor::HandPoint: return "pointer";
    case TNativeCursor::Help: return "help";
    case TNativeCursor::Hidden: return "none";
    case TNativeCursor::Cell: return "cell";
    case TNativeCursor::AllScroll: return "all-scroll";
    case TNativeCursor::ArrowN: return "n-resize";
    case TNativeCursor::ArrowS: return "s-resize";
    case TNativeCursor::ArrowE: return "e-resize";
    case TNativeCursor::ArrowW: return "w-resize";
    case TNativeCursor::ArrowNE: return "ne-resize";
    case TNativeCursor::ArrowNW: return "nw-resize";
    case TNativeCursor::ArrowSE: return "se-resize";
    case TNativeCursor::ArrowSW: return "sw-resize";
    default: return "default";
    }
}

} // namespace

// A native view laid over the form at given bounds. The view is borrowed
// from wherever it lived (a browser keeps its view in an offscreen window of
// its own) and given back whenever it is not shown here: while hidden, while
// the form's window is hidden, and for good when either goes away. A view
// inside an unmapped window counts as hidden to its owner, and one inside a
// destroyed window would be destroyed with it.
class TGtkChildView final : public ui::TNativeChildView {
public:
    TGtkChildView(TGtkWindow::TImpl& window, GtkWidget* view);
    ~TGtkChildView() override;
    void SetBounds(const TRect& r) override;
    void SetVisible(bool visible) override;

    // The window's state changed: borrow or give back as it now calls for.
    void Update();
    // The window is going: give the view back for good.
    void Orphan();

private:
    void Borrow();
    void GiveBack();
    // The form still learns where the mouse is while it is over the view.
    static gboolean OnViewMotion(GtkWidget*, GdkEventMotion* e, gpointer self);
    // A press that closes an open menu or drop-down never reaches the view.
    static gboolean OnViewButton(GtkWidget*, GdkEventButton* e, gpointer self);

    TGtkWindow::TImpl* FWindow;
    GtkWidget* FView;
    GtkWidget* FHome;  // where the view lived before, null when nowhere
    int FHomeWidth = -1, FHomeHeight = -1;
    TRect FBounds;
    bool FVisible = true;
    bool FBorrowed = false;
    bool FSwallowRelease = false;
};

struct TGtkWindow::TImpl {
    ui::TNativeWindowEvents& Events;
    GtkWidget* Window = nullptr;
    GtkWidget* Area = nullptr;
    GtkWidget* Fixed = nullptr;
    graphics::CairoSurfacePtr Image;
    GdkCursorPtr Cursor;
    ui::TNativeCursor CursorShape = ui::TNativeCursor::Arrow;
    TRect Bounds;
    std::vector<TGtkChildView*> ChildViews;
    TDropSitePtr DropSite;

    // The place last asked for, until the server reports the window there: a
    // report of an older place still on its way would move the form back.
    std::optional<TPoint> PendingPosition;
    int StaleReports = 0;

    explicit TImpl(ui::TNativeWindowEvents& events) : Events(events) {}

    bool TakeReportedPosition(TPoint reported)
    {
        if (!PendingPosition) return true;
        if (reported == *PendingPosition || ++StaleReports > 3) {
            // There, or placed elsewhere by a window manager: reports count again.
            PendingPosition.reset();
            return reported != TPoint{Bounds.Left, Bounds.Top};
        }
        return false;
    }

    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self)
    {
        auto* impl = static_cast<TImpl*>(self);
        if (impl->Image) {
            cairo_set_source_surface(cr, impl->Image.get(), 0, 0);
            cairo_paint(cr);
        }
        return TRUE;
    }

    static gboolean OnKey(GtkWidget*, GdkEventKey* e, gpointer self)
    {
        auto* impl = static_cast<TImpl*>(self);
        Guarded([&] {
            bool release = e->type == GDK_KEY_RELEASE;
            TTranslatedKey k = TranslateKey(e->keyval, e->hardware_keycode, e->state, release);
            SyncModifiers(e->state, k.VirtualKey);
            if (k.VirtualKey != 0) {
                unsigned msg = release ? (k.System ? WM_SYSKEYUP : WM_KEYUP) : (k.System ? WM_SYSKEYDOWN : WM_KEYDOWN);
                impl->Events.NativeKey(msg, k.VirtualKey, k.KeyData);
            }
            if (k.Char != 0) impl->Events.NativeChar(k.Char, k.KeyData, k.System);
        });
        return TRUE;
    }

    static gboolean OnButton(GtkWidget*, GdkEventButton* e, gpointer self)
    {
        auto* impl = static_cast<TImpl*>(self);
        // Double clicks are told apart by the window layer from the presses themselves.
        if (e->type != GDK_BUTTON_PRESS && e->type != GDK_BUTTON_RELEASE) return TRUE;
        bool down = e->type == GDK_BUTTON_PRESS;
        unsigned msg = 0;
        switch (e->button) {
        case 1: msg = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
        case 2: msg = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
        case 3: msg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
        default: return TRUE;
        }
        SyncModifiers(e->state, 0);
        TShiftState shift = ShiftOf(e->state);
        if (down) shift.Include(e->button == 1 ? ssLeft : e->button == 2 ? ssMiddle : ssRight);
        Guarded([&] { impl->Events.NativeMouse(msg, {static_cast<int>(e->x), static_cast<int>(e->y)}, shift); });
        return TRUE;
    }

    static gboolean OnMotion(GtkWidget*, GdkEventMotion* e, gpointer self)
    {
        auto* impl = static_cast<TImpl*>(self);
        Guarded([&] {
            impl->Events.NativeMouse(WM_MOUSEMOVE, {static_cast<int>(e->x), static_cast<int>(e->y)}, ShiftOf(e->state));
        });
        return TRUE;
    }

    static gboolean OnScroll(GtkWidget*, GdkEventScroll* e, gpointer self)
    {
        auto* impl = static_cast<TImpl*>(self);
        int delta = 0;
        if (e->direction == GDK_SCROLL_UP) delta = 120;
        else if (e->direction == GDK_SCROLL_DOWN) delta = -120;
        else if (e->direction == GDK_SCROLL_SMOOTH) delta = static_cast<int>(-e->delta_y * 120);
        if (delta == 0) return TRUE;
        Guarded([&] { impl->Events.NativeWheel(delta, {static_cast<int>(e->x), static_cast<int>(e->y)}, ShiftOf(e->state)); });
        return TRUE;
    }

    static gboolean OnLeave(GtkWidget*, GdkEventCrossing*, gpointer self)
    {
        Guarded([&] { static_cast<TImpl*>(self)->Events.NativeMouseLeave(); });
        return FALSE;
    }

    static gboolean OnConfigure(GtkWidget*, GdkEventConfigure* e, gpointer self)
    {
        auto* impl = static_cast<TImpl*>(self);
        Guarded([&] {
            if (impl->TakeReportedPosition({e->x, e->y})) impl->Events.NativeMoved({e->x, e->y});
            impl->Events.NativeResized(e->width, e->height);
        });
        return FALSE;
    }

    static gboolean OnFocus(GtkWidget*, GdkEventFocus* e, gpointer self)
    {
        Guarded([&] { static_cast<TImpl*>(self)->Events.NativeActivated(e->in != 0); });
        return FALSE;
    }

    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self)
    {
        Guarded([&] { static_cast<TImpl*>(self)->Events.NativeCloseRequested(); });
        // The form decides; the window stays until the form destroys it.
        return TRUE;
    }
};

TGtkChildView::TGtkChildView(TGtkWindow::TImpl& window, GtkWidget* view)
    : FWindow(&window), FView(GTK_WIDGET(g_object_ref(view))), FHome(gtk_widget_get_parent(view))
{
    if (FHome) g_object_ref(FHome);
    gtk_widget_get_size_request(FView, &FHomeWidth, &FHomeHeight);
    FWindow->ChildViews.push_back(this);
    Update();
}

TGtkChildView::~TGtkChildView()
{
    Orphan();
    if (FHome) g_object_unref(FHome);
    g_object_unref(FView);
}

void TGtkChildView::SetBounds(const TRect& r)
{
    FBounds = r;
    if (!FBorrowed) return Update();
    gtk_fixed_move(GTK_FIXED(FWindow->Fixed), FView, r.Left, r.Top);
    gtk_widget_set_size_request(FView, std::max(1, r.Width()), std::max(1, r.Height()));
}

void TGtkChildView::SetVisible(bool visible)
{
    FVisible = visible;
    Update();
}

void TGtkChildView::Update()
{
    if (!FWindow) return;
    bool wanted = FVisible && !FBounds.IsEmpty() && gtk_widget_get_visible(FWindow->Window);
    if (wanted && !FBorrowed) Borrow();
    else if (!wanted && FBorrowed) GiveBack();
}

void TGtkChildView::Orphan()
{
    if (!FWindow) return;
    GiveBack();
    std::erase(FWindow->ChildViews, this);
    FWindow = nullptr;
}

void TGtkChildView::Borrow()
{
    if (GtkWidget* parent = gtk_widget_get_parent(FView)) gtk_container_remove(GTK_CONTAINER(parent), FView);
    gtk_widget_set_size_request(FView, std::max(1, FBounds.Width()), std::max(1, FBounds.Height()));
    gtk_fixed_put(GTK_FIXED(FWindow->Fixed), FView, FBounds.Left, FBounds.Top);
    gtk_widget_show(FView);
    g_signal_connect(FView, "motion-notify-event", G_CALLBACK(OnViewMotion), this);
    g_signal_connect(FView, "button-press-event", G_CALLBACK(OnViewButton), this);
    g_signal_connect(FView, "button-release-event", G_CALLBACK(OnViewButton), this);
    FBorrowed = true;
}

gboolean TGtkChildView::OnViewButton(GtkWidget*, GdkEventButton* e, gpointer self)
{
    auto* view = static_cast<TGtkChildView*>(self);
    if (e->type == GDK_BUTTON_RELEASE) {
        const bool swallow = view->FSwallowRelease;
        view->FSwallowRelease = false;
        return swallow;
    }
    GdkWindow* area = view->FWindow ? gtk_widget_get_window(view->FWindow->Area) : nullptr;
    if (!area || e->type != GDK_BUTTON_PRESS) return FALSE;
    int originX = 0, originY = 0;
    gdk_window_get_origin(area, &originX, &originY);
    TPoint pos{static_cast<int>(e->x_root) - originX, static_cast<int>(e->y_root) - originY};
    bool taken = false;
    Guarded([&] { taken = view->FWindow->Events.NativeViewPress(pos); });
    view->FSwallowRelease = taken;
    return taken;
}

gboolean TGtkChildView::OnViewMotion(GtkWidget*, GdkEventMotion* e, gpointer self)
{
    auto* view = static_cast<TGtkChildView*>(self);
    GdkWindow* area = view->FWindow ? gtk_widget_get_window(view->FWindow->Area) : nullptr;
    if (!area) return FALSE;
    int originX = 0, originY = 0;
    gdk_window_get_origin(area, &originX, &originY);
    TPoint pos{static_cast<int>(e->x_root) - originX, static_cast<int>(e->y_root) - originY};
    Guarded([&] { view->FWindow->Events.NativeMouse(WM_MOUSEMOVE, pos, ShiftOf(e->state)); });
    // The view handles the motion as well.
    return FALSE;
}

void TGtkChildView::GiveBack()
{
    if (!FBorrowed) return;
    FBorrowed = false;
    g_signal_handlers_disconnect_by_data(FView, this);
    if (gtk_widget_get_parent(FView) == FWindow->Fixed) gtk_container_remove(GTK_CONTAINER(FWindow->Fixed), FView);
    gtk_widget_set_size_request(FView, FHomeWidth, FHomeHeight);
    if (FHome && !gtk_widget_in_destruction(FHome) && !gtk_widget_get_parent(FView))
        gtk_container_add(GTK_CONTAINER(FHome), FView);
}

TGtkWindow::TGtkWindow(const ui::TNativeWindowParams& params, ui::TNativeWindowEvents& events)
    : FImpl(std::make_unique<TImpl>(events))
{
    TImpl& d = *FImpl;
    d.Window = gtk_window_new(params.Popup ? GTK_WINDOW_POPUP : GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(d.Window);
    gtk_window_set_title(GTK_WINDOW(d.Window), params.Caption.c_str());
    if (params.Frame == ui::TNativeFrame::None) gtk_window_set_decorated(GTK_WINDOW(d.Window), FALSE);
    if (params.Frame == ui::TNativeFrame::Dialog || params.Frame == ui::TNativeFrame::Single)
        gtk_window_set_resizable(GTK_WINDOW(d.Window), FALSE);
    if (params.Frame == ui::TNativeFrame::ToolWindow)
        gtk_window_set_type_hint(GTK_WINDOW(d.Window), GDK_WINDOW_TYPE_HINT_UTILITY);
    if (params.StayOnTop) gtk_window_set_keep_above(GTK_WINDOW(d.Window), TRUE);
    if (auto* owner = dynamic_cast<TGtkWindow*>(params.Owner))
        gtk_window_set_transient_for(GTK_WINDOW(d.Window), GTK_WINDOW(owner->FImpl->Window));

    // The drawing area fills the window; native views lie above it in a fixed layer.
    GtkWidget* overlay = gtk_overlay_new();
    d.Area = gtk_drawing_area_new();
    d.Fixed = gtk_fixed_new();
    gtk_widget_set_can_focus(d.Area, TRUE);
    gtk_widget_add_events(d.Area, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                      GDK_SCROLL_MASK | GDK_SMOOTH_SCROLL_MASK | GDK_LEAVE_NOTIFY_MASK |
                                      GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK);
    gtk_container_add(GTK_CONTAINER(overlay), d.Area);
    gtk_overlay_add_overlay(GTK_OVERLAY(overlay), d.Fixed);
    gtk_overlay_set_overlay_pass_through(GTK_OVERLAY(overlay), d.Fixed, TRUE);
    gtk_container_add(GTK_CONTAINER(d.Window), overlay);

    g_signal_connect(d.Area, "draw", G_CALLBACK(TImpl::OnDraw), &d);
    g_signal_connect(d.Area, "button-press-event", G_CALLBACK(TImpl::OnButton), &d);
    g_signal_connect(d.Area, "button-release-event", G_CALLBACK(TImpl::OnButton), &d);
    g_signal_connect(d.Area, "motion-notify-event", G_CALLBACK(TImpl::OnMotion), &d);
    g_signal_connect(d.Area, "scroll-event", G_CALLBACK(TImpl::OnScroll), &d);
    g_signal_connect(d.Area, "leave-notify-event", G_CALLBACK(TImpl::OnLeave), &d);
    g_signal_connect(d.Window, "key-press-event", G_CALLBACK(TImpl::OnKey), &d);
    g_signal_connect(d.Window, "key-release-event", G_CALLBACK(TImpl::OnKey), &d);
    g_signal_connect(d.Window, "configure-event", G_CALLBACK(TImpl::OnConfigure), &d);
    g_signal_connect(d.Window, "focus-in-event", G_CALLBACK(TImpl::OnFocus), &d);
    g_signal_connect(d.Window, "focus-out-event", G_CALLBACK(TImpl::OnFocus), &d);
    g_signal_connect(d.Window, "delete-event", G_CALLBACK(TImpl::OnDelete), &d);
    d.DropSite = InstallDropSite(d.Area, events);
    gtk_widget_show_all(overlay);
    SetBounds(params.Bounds);
}

TGtkWindow::~TGtkWindow()
{
    TImpl& d = *FImpl;
    // Borrowed views go home before the window (and everything in it) is destroyed.
    while (!d.ChildViews.empty()) d.ChildViews.back()->Orphan();
    // No signal may reach the events object once this window is going.
    d.DropSite.reset();
    g_signal_handlers_disconnect_by_data(d.Area, &d);
    g_signal_handlers_disconnect_by_data(d.Window, &d);
    gtk_widget_destroy(d.Window);
    g_object_unref(d.Window);
}

void TGtkWindow::SetCaption(const std::string& caption) { gtk_window_set_title(GTK_WINDOW(FImpl->Window), caption.c_str()); }

void TGtkWindow::SetBounds(const TRect& bounds)
{
    TImpl& d = *FImpl;
    d.Bounds = bounds;
    d.PendingPosition = TPoint{bounds.Left, bounds.Top};
    d.StaleReports = 0;
    gtk_window_move(GTK_WINDOW(d.Window), bounds.Left, bounds.Top);
    // The size is asked of the window, not demanded of its content: a size
    // request on the drawing area would make every size the window's minimum.
    gtk_window_set_default_size(GTK_WINDOW(d.Window), std::max(1, bounds.Width()), std::max(1, bounds.Height()));
    gtk_window_resize(GTK_WINDOW(d.Window), std::max(1, bounds.Width()), std::max(1, bounds.Height()));
}

void TGtkWindow::SetMinSize(int width, int height)
{
    GdkGeometry geometry{};
    geometry.min_width = std::max(1, width);
    geometry.min_height = std::max(1, height);
    gtk_window_set_geometry_hints(GTK_WINDOW(FImpl->Window), nullptr, &geometry, GDK_HINT_MIN_SIZE);
}

void TGtkWindow::Show(bool activate)
{
    TImpl& d = *FImpl;
    gtk_window_set_accept_focus(GTK_WINDOW(d.Window), activate);
    gtk_widget_show(d.Window);
    if (activate) gtk_window_present(GTK_WINDOW(d.Window));
    UpdateChildViews();
}

void TGtkWindow::Hide()
{
    gtk_widget_hide(FImpl->Window);
    UpdateChildViews();
}

void TGtkWindow::UpdateChildViews()
{
    for (TGtkChildView* v : std::vector<TGtkChildView*>(FImpl->ChildViews)) v->Update();
}

void TGtkWindow::Activate() { gtk_window_present(GTK_WINDOW(FImpl->Window)); }

void TGtkWindow::Present(const TBitmap& image, const TRect& dirty)
{
    TImpl& d = *FImpl;
    int w = image.Width(), h = image.Height();
    if (!d.Image || cairo_image_surface_get_width(d.Image.get()) != w || cairo_image_surface_get_height(d.Image.get()) != h)
        d.Image.reset(cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(1, w), std::max(1, h)));
    // The form's surface keeps changing; the window shows a copy of the last image.
    cairo_surface_t* source = image.Image().Surface;
    cairo_surface_flush(source);
    const graphics::CairoPtr cr(cairo_create(d.Image.get()));
    cairo_rectangle(cr.get(), dirty.Left, dirty.Top, dirty.Width(), dirty.Height());
    cairo_clip(cr.get());
    cairo_set_source_surface(cr.get(), source, 0, 0);
    cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr.get());
    gtk_widget_queue_draw_area(d.Area, dirty.Left, dirty.Top, dirty.Width(), dirty.Height());
}

void TGtkWindow::SetCursor(ui::TNativeCursor cursor)
{
    TImpl& d = *FImpl;
    if (cursor == d.CursorShape) return;
    GdkWindow* gw = gtk_widget_get_window(d.Area);
    if (!gw) return;
    d.CursorShape = cursor;
    d.Cursor.reset(gdk_cursor_new_from_name(gdk_window_get_display(gw), CursorName(cursor)));
    gdk_window_set_cursor(gw, d.Cursor.get());
}

void TGtkWindow::SetMouseCapture(bool)
{
    // GTK keeps the pointer with the window while a button is held; nothing more is needed.
}

void TGtkWindow::SetModal(bool modal) { gtk_window_set_modal(GTK_WINDOW(FImpl->Window), modal); }

std::unique_ptr<ui::TNativeChildView> TGtkWindow::EmbedNativeView(void* nativeView)
{
    if (!nativeView) return nullptr;
    if (!GTK_IS_WIDGET(nativeView)) return nullptr;
    return std::make_unique<TGtkChildView>(*FImpl, static_cast<GtkWidget*>(nativeView));
}

void TGtkWindow::SetShape(const std::optional<TRect>& shape)
{
    GtkWidget* window = FImpl->Window;
    if (!shape) {
        gtk_widget_shape_combine_region(window, nullptr);
        gtk_widget_input_shape_combine_region(window, nullptr);
        return;
    }
    cairo_rectangle_int_t r{shape->Left, shape->Top, std::max(0, shape->Width()), std::max(0, shape->Height())};
    const graphics::CairoRegionPtr region(cairo_region_create_rectangle(&r));
    gtk_widget_shape_combine_region(window, region.get());
    gtk_widget_input_shape_combine_region(window, region.get());
}

int TGtkWindow::RunDrag(ui::TDragOffer& offer, int allowedEffects)
{
    return RunGtkDrag(FImpl->Area, offer, allowedEffects);
}

void* TGtkWindow::Widget() const noexcept { return FImpl->Window; }

} // namespace backend::gtk
