// The example window on a real display through the GTK backend: input sent as
// X events reaches the controls, and the screen shows what the form painted.
#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "platform/backend/Backends.h"
#include "platform/backend/gtk/GtkWindow.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/Application.h"
#include "tools/DisplayTestLoops.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControls.h"
#include "platform/ui/ExtCtrls.h"
#include "tools/uidemo/DemoForm.h"

namespace {

using tools::RunLoopsOnce;
using tools::Settle;
using tools::SettleUntil;

GtkWidget* DrawingAreaOf(TCustomForm& form)
{
    auto* native = dynamic_cast<backend::gtk::TGtkWindow*>(form.NativeWindow());
    if (!native) return nullptr;
    GtkWidget* overlay = gtk_bin_get_child(GTK_BIN(native->Widget()));
    return gtk_bin_get_child(GTK_BIN(overlay));
}

GdkDevice* Device(bool keyboard)
{
    GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
    return keyboard ? gdk_seat_get_keyboard(seat) : gdk_seat_get_pointer(seat);
}

void SendKey(GtkWidget* toplevel, guint keyval, guint state = 0)
{
    for (GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
        GdkEvent* e = gdk_event_new(type);
        e->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(toplevel)));
        e->key.send_event = TRUE;
        e->key.keyval = keyval;
        e->key.state = state;
        GdkKeymapKey* keys = nullptr;
        gint n = 0;
        if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()), keyval, &keys, &n) && n > 0)
            e->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
        g_free(keys);
        gdk_event_set_device(e, Device(true));
        gtk_main_do_event(e);
        gdk_event_free(e);
    }
}

void SendClick(GtkWidget* area, TControl& control)
{
    TCustomForm* form = control.GetParentForm();
    TPoint screen = control.ClientToScreen({control.Width() / 2, control.Height() / 2});
    TPoint origin = form->ClientToScreen({0, -form->MenuBarHeight()});
    for (GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
        GdkEvent* e = gdk_event_new(type);
        e->button.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(area)));
        e->button.send_event = TRUE;
        e->button.button = 1;
        e->button.x = screen.X - origin.X;
        e->button.y = screen.Y - origin.Y;
        gdk_event_set_device(e, Device(false));
        gtk_main_do_event(e);
        gdk_event_free(e);
    }
}

class UiDemoTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "no display: the GTK backend needs one (tools/test runs under Xvfb)";
        auto gtk = backend::CreateGtkBackend();
        if (!gtk) GTEST_SKIP() << "GTK could not open the display " << display;
        ui::SetBackend(std::move(gtk));
        Form = new TDemoForm(nullptr);
        Form->SetBounds(40, 40, 480, 360);
        Form->Show();
        Settle();
    }
    void TearDown() override
    {
        delete Form;
        ui::DialogHook() = {};
        if (Form) Settle(5);
    }
    TDemoForm* Form = nullptr;
};

} // namespace

TEST_F(UiDemoTest, KeysAndClicksFromTheDisplayReachTheControls)
{
    GtkWidget* area = DrawingAreaOf(*Form);
    ASSERT_NE(area, nullptr);
    GtkWidget* toplevel = gtk_widget_get_toplevel(area);
    SettleUntil([&] { return Form->Edit1->Focused(); });
    ASSERT_TRUE(Form->Edit1->Focused()) << "the first control in tab order has the focus";

    SendKey(toplevel, GDK_KEY_H, GDK_SHIFT_MASK);
    SendKey(toplevel, GDK_KEY_i);
    SettleUntil([&] { return Form->Edit1->Text() == "Hi"; });
    EXPECT_EQ(Form->Edit1->Text(), "Hi");

    SendClick(area, *Form->BtnAdd);
    SettleUntil([&] { return Form->Memo1->Text() == "Hi\n" && Form->Edit1->Text().empty(); });
    EXPECT_EQ(Form->Memo1->Text(), "Hi\n");
    EXPECT_EQ(Form->Edit1->Text(), "");

    // Enter clicks the default button.
    SendKey(toplevel, GDK_KEY_x);
    SendKey(toplevel, GDK_KEY_Return);
    SettleUntil([&] { return Form->Memo1->Lines().Count() == 2; });
    EXPECT_EQ(Form->Memo1->Lines().Count(), 2);

    // Tab twice reaches the track bar (edit, button, track bar); Right moves it.
    SendKey(toplevel, GDK_KEY_Tab);
    SendKey(toplevel, GDK_KEY_Tab);
    SettleUntil([&] { return Form->TrbZoom->Focused(); });
    ASSERT_TRUE(Form->TrbZoom->Focused());
    SendKey(toplevel, GDK_KEY_Right);
    SettleUntil([&] { return Form->LblZoom->Caption() == "Zoom 12"; });
    EXPECT_EQ(Form->TrbZoom->Position(), 12);
    EXPECT_EQ(Form->LblZoom->Caption(), "Zoom 12");

    // The menu shortcut clears the memo.
    SendKey(toplevel, GDK_KEY_l, GDK_CONTROL_MASK);
    SettleUntil([&] { return Form->Memo1->Text().empty(); });
    EXPECT_EQ(Form->Memo1->Text(), "");
}

TEST_F(UiDemoTest, ScreenShowsThePaintedForm)
{
    Form->Edit1->SetText("on the screen");
    Form->Memo1->Lines().Add("first line");
    Settle();
    GtkWidget* area = DrawingAreaOf(*Form);
    ASSERT_NE(area, nullptr);
    GdkWindow* window = gtk_widget_get_window(area);
    ASSERT_NE(window, nullptr);
    const TBitmap& surface = Form->Surface();
    int w = surface.Width(), h = surface.Height();
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(window, 0, 0, w, h);
    ASSERT_NE(shot, nullptr);
    // Written beside the test program, for a person who wants to look.
    std::string path = (std::filesystem::current_path() / "uidemo-screenshot.png").string();
    gdk_pixbuf_save(shot, path.c_str(), "png", nullptr, nullptr);

    TBitmap copy;
    copy.Assign(&surface);
    int channels = gdk_pixbuf_get_n_channels(shot), stride = gdk_pixbuf_get_rowstride(shot);
    const guchar* pixels = gdk_pixbuf_get_pixels(shot);
    long mismatches = 0;
    for (int y = 0; y < h; y += 2)
        for (int x = 0; x < w; x += 2) {
            const guchar* p = pixels + y * stride + x * channels;
            TColor expected = copy.Canvas()->Pixels(x, y);
            TColor seen = RGB(p[0], p[1], p[2]);
            if ((expected & 0xFFFFFF) != (seen & 0xFFFFFF)) ++mismatches;
        }
    g_object_unref(shot);
    EXPECT_EQ(mismatches, 0) << "the display shows exactly the form's surface (screenshot: " << path << ")";
}
