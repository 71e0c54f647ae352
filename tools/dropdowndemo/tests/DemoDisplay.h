// What the drop-down demo's tests on a real display share: the form shown
// alone on the display, xdotool driving the X server's pointer and keyboard,
// and screenshots of what the display shows.
#pragma once

#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "controls/dropdown/QuillDropDown.h"
#include "controls/dropdown/QuillListDropDown.h"
#include "platform/backend/Backends.h"
#include "platform/ui/Application.h"
#include "tools/DisplayTestLoops.h"
#include "tools/dropdowndemo/DropDownDemoForm.h"

namespace demo_display {

using tools::RunLoopsOnce;
using tools::Settle;
using tools::SettleUntil;

// Saves what the display shows of the form and the room below it.
inline std::string SaveScreenshot(const TForm& form, const std::string& name)
{
    GdkPixbuf* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), form.Left(), form.Top(), form.Width(),
                                                 form.Height() + 200);
    if (!shot) return {};
    std::string path = (std::filesystem::current_path() / name).string();
    gdk_pixbuf_save(shot, path.c_str(), "png", nullptr, nullptr);
    g_object_unref(shot);
    std::cout << "screenshot: " << path << "\n";
    return path;
}

// xdotool runs in the background so that this loop keeps serving the display meanwhile.
inline void XDo(const std::string& args) { ASSERT_EQ(std::system(("xdotool " + args + " &").c_str()), 0); }

inline void ClickAt(TPoint screen)
{
    XDo("mousemove " + std::to_string(screen.X) + " " + std::to_string(screen.Y) + " click 1");
}

class DropDownDemoTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "no display: the GTK backend needs one (tools/test runs under Xvfb)";
        if (std::system("command -v xdotool >/dev/null") != 0) GTEST_SKIP() << "xdotool is not installed";
        auto gtk = backend::CreateGtkBackend();
        if (!gtk) GTEST_SKIP() << "GTK could not open the display " << display;
        ui::SetBackend(std::move(gtk));
        Form = new TDropDownDemoForm(nullptr);
        Form->Show();
        Settle();
        Form->DrpCity->SetFocus();
        Settle();
    }
    void TearDown() override
    {
        delete Form;
        if (Form) Settle(5);
    }
    bool Open() const { return Form->DrpCity->DroppedDown(); }
    TPoint ButtonOnScreen() const
    {
        // The button stands in the frame right of the client area.
        controls::TQuillListDropDown& d = *Form->DrpCity;
        return d.ClientToScreen({d.ClientWidth() + d.DropDownButtonWidth() / 2, d.ClientHeight() / 2});
    }
    TDropDownDemoForm* Form = nullptr;
};

// The point of the picker's button on the screen.
inline TPoint ButtonOf(const controls::TQuillCustomDropDown& d)
{
    return d.ClientToScreen({d.ClientWidth() + d.DropDownButtonWidth() / 2, d.ClientHeight() / 2});
}

inline TPoint CentreOf(const TControl& c, const TRect& r)
{
    return c.ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
}


} // namespace demo_display
