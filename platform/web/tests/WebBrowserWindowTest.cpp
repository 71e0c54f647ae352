// The browser control in a real form's window: the page shows at the control's place.
#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>

#include "platform/backend/Backends.h"
#include "platform/backend/gtk/GtkWindow.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/web/WebBrowser.h"
#include "platform/web/WebKitEngine.h"

using namespace std::chrono_literals;

namespace {

constexpr std::uint32_t Green = 0x00ff00;

class WebBrowserWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string whyNot;
        if (!web::WebKitEngine::DisplayAvailable(&whyNot)) GTEST_SKIP() << whyNot;
        auto gtk = backend::CreateGtkBackend();
        if (!gtk) GTEST_SKIP() << "GTK cannot open the display";
        ui::SetBackend(std::move(gtk));
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 400, 300);
        Browser = new TWebBrowser(Form);
        Browser->SetParent(Form);
        Browser->SetBounds(30, 40, 200, 120);
        ASSERT_TRUE(Browser->LoadFromString("<html><body style='margin:0;background:#00ff00'>"
                                            "<script>var kept = 'still here';</script></body></html>",
                                            "http://localhost/")
                        .Ok)
            << Browser->EngineError();
        Form->Show();
    }
    void TearDown() override { delete Form; }

    // The window's pixel as the X server shows it (0xRRGGBB), or -1 outside it.
    long ScreenPixel(int x, int y)
    {
        auto* window = static_cast<backend::gtk::TGtkWindow*>(Form->NativeWindow());
        GdkWindow* gdk = gtk_widget_get_window(static_cast<GtkWidget*>(window->Widget()));
        if (!gdk) return -1;
        GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk, x, y, 1, 1);
        if (!shot) return -1;
        const guchar* p = gdk_pixbuf_read_pixels(shot);
        long rgb = (long(p[0]) << 16) | (long(p[1]) << 8) | p[2];
        g_object_unref(shot);
        return rgb;
    }

    // Runs the main loop until the pixel has (or lacks) the colour, at most five seconds.
    bool WaitForPixel(int x, int y, bool green)
    {
        web::WebKitEngine::ProcessEvents(5000ms, [&] {
            Form->PaintNow();
            return (ScreenPixel(x, y) == Green) == green;
        });
        return (ScreenPixel(x, y) == Green) == green;
    }

    TForm* Form = nullptr;
    TWebBrowser* Browser = nullptr;
};

}  // namespace

TEST_F(WebBrowserWindowTest, PageShowsAtTheControlsPlaceAndFollowsIt)
{
    EXPECT_TRUE(WaitForPixel(30 + 100, 40 + 60, true));
    EXPECT_TRUE(WaitForPixel(30 + 2, 40 + 2, true));
    EXPECT_TRUE(WaitForPixel(20, 30, false));
    EXPECT_TRUE(WaitForPixel(30 + 200 + 5, 40 + 60, false));

    Browser->SetBounds(150, 100, 220, 150);
    EXPECT_TRUE(WaitForPixel(150 + 210, 100 + 140, true));
    EXPECT_TRUE(WaitForPixel(60, 60, false));
    EXPECT_EQ(Browser->ExecScript("kept").Value, "\"still here\"");
}

TEST_F(WebBrowserWindowTest, HidingTheControlOrTheFormGivesTheViewBackWithThePageAlive)
{
    ASSERT_TRUE(WaitForPixel(100, 100, true));
    Browser->SetVisible(false);
    EXPECT_TRUE(WaitForPixel(100, 100, false));
    EXPECT_EQ(Browser->ExecScript("kept").Value, "\"still here\"");
    Browser->SetVisible(true);
    EXPECT_TRUE(WaitForPixel(100, 100, true));

    Form->Hide();
    EXPECT_EQ(Browser->ExecScript("kept").Value, "\"still here\"");
    Form->Show();
    EXPECT_TRUE(WaitForPixel(100, 100, true));
}

TEST_F(WebBrowserWindowTest, PageOutlivesTheFormsWindow)
{
    ASSERT_TRUE(WaitForPixel(100, 100, true));
    Form->RecreateWnd();
    EXPECT_EQ(Browser->ExecScript("kept").Value, "\"still here\"");
    Form->Show();
    EXPECT_TRUE(WaitForPixel(100, 100, true));
}

TEST_F(WebBrowserWindowTest, ViewFollowsTheMenuBarAndParentsWithinTheForm)
{
    auto* menu = new TMainMenu(Form);
    auto* item = new TMenuItem(menu);
    item->SetCaption("File");
    menu->Items()->Add(item);
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(100, 50, 250, 200);
    Browser->SetParent(panel);
    Browser->SetBounds(20, 30, 100, 80);
    Form->SetMenu(menu);
    const int menuBar = Form->MenuBarHeight();
    ASSERT_GT(menuBar, 0);

    // The panel's client starts inside its bevel; the window shows the menu bar above the client.
    TPoint origin = Browser->ClientToParent({0, 0}, Form);
    int left = origin.X, top = origin.Y + menuBar;
    EXPECT_TRUE(WaitForPixel(left + 1, top + 1, true));
    EXPECT_TRUE(WaitForPixel(left + 98, top + 78, true));
    EXPECT_TRUE(WaitForPixel(left - 2, top + 40, false));
    EXPECT_TRUE(WaitForPixel(left + 40, top - 2, false));

    panel->SetLeft(20);
    EXPECT_TRUE(WaitForPixel(left - 80 + 50, top + 40, true));
    EXPECT_TRUE(WaitForPixel(left + 90, top + 40, false));
}

TEST_F(WebBrowserWindowTest, MouseOverThePageIsStillKnownToTheForm)
{
    ASSERT_TRUE(WaitForPixel(100, 100, true));
    auto* window = static_cast<backend::gtk::TGtkWindow*>(Form->NativeWindow());
    GdkWindow* gdk = gtk_widget_get_window(static_cast<GtkWidget*>(window->Widget()));
    int originX = 0, originY = 0;
    gdk_window_get_origin(gdk, &originX, &originY);
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(gdk_display_get_default()));
    gdk_device_warp(pointer, gdk_screen_get_default(), originX + 30 + 17, originY + 40 + 23);
    web::WebKitEngine::ProcessEvents(5000ms, [&] { return Browser->ScreenToClient(Mouse->CursorPos()) == TPoint{17, 23}; });
    EXPECT_EQ(Browser->ScreenToClient(Mouse->CursorPos()), (TPoint{17, 23}));
}
