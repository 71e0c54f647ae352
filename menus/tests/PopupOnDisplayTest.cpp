// A styled popup on a real X display: opened by a real right click, an item
// chosen with real keys, its click event fired.
#include "menus/MenuStyler.h"
#include "menus/QuillMenus.h"
#include "platform/backend/Backends.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/PngImage.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowManager.h"

#include "menus/tests/XInput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Runs the program's loop until Done says so or a second and a half has gone.
template <class F>
bool PumpUntil(F Done)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(1500);
    while (!Done()) {
        if (Clock::now() > deadline) return false;
        Application->ProcessMessages();
    }
    return true;
}

void PumpFor(int Ms)
{
    const auto until = Clock::now() + std::chrono::milliseconds(Ms);
    PumpUntil([&] { return Clock::now() > until; });
}

} // namespace

TEST(StyledPopupOnDisplay, RightClickOpensItAndTheKeyboardChoosesAnItem)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    menus::testing::TXInput x;
    if (!x.Ready()) GTEST_SKIP() << "cannot open the display " << display << " or it has no XTest";
    auto gtk = backend::CreateGtkBackend();
    if (!gtk) GTEST_SKIP() << "GTK cannot open the display";
    ui::SetBackend(std::move(gtk));

    TForm form(nullptr);
    form.SetBounds(60, 60, 320, 220);
    TQuillPopupMenu menu(&form);
    int deletes = 0, inserts = 0;
    for (const char* caption : {"Delete Row", "Insert Row", "Paste From Clipboard"}) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
    menu.Items()->Items(0)->OnClick = [&](TObject*) { ++deletes; };
    menu.Items()->Items(1)->OnClick = [&](TObject*) { ++inserts; };
    int closes = 0;
    menu.OnClose = [&](TObject*) { ++closes; };
    form.SetPopupMenu(&menu);
    form.Show();
    PumpFor(300);

    // While the popup tracks, look at it and answer it with the keyboard.
    bool popupSeen = false;
    TRect popupBounds;
    std::unique_ptr<TBitmap> screen;
    const std::uintptr_t timer = SetTimer(0, 0, 250, [&](HWND, unsigned, std::uintptr_t id, std::uint64_t) {
        KillTimer(0, id);
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->Popup() && Screen->Forms(i)->Visible()) {
                popupSeen = true;
                GetWindowRect(Screen->Forms(i)->Handle(), popupBounds);
            }
        if (popupSeen)
            screen = x.Grab(Rect(popupBounds.Left - 4, popupBounds.Top - 4, popupBounds.Right + 4, popupBounds.Bottom + 4));
        x.Key("Down");
        x.Key("Down");
        x.Key("Return");
    });
    (void)timer;
    // A steady beat keeps the loop turning: a loop that has nothing of its own
    // to wait for would otherwise sleep until the next host event.
    const std::uintptr_t beat = SetTimer(0, 0, 20, [](HWND, unsigned, std::uintptr_t, std::uint64_t) {});

    const TPoint at = form.ClientToScreen({150, 100});
    x.MoveTo(at);
    x.Click(3);
    EXPECT_TRUE(PumpUntil([&] { return inserts > 0; })) << "the chosen item never fired";

    KillTimer(0, beat);
    EXPECT_TRUE(popupSeen);
    EXPECT_EQ(inserts, 1);
    EXPECT_EQ(deletes, 0);
    EXPECT_EQ(closes, 1);
    ASSERT_TRUE(screen);
    // Outside its region the popup window lets the form show through; inside
    // it the frame is drawn in the styler's border colour.
    const TColor border = menu.CurrentMenuStyler()->MenuBorderColor();
    EXPECT_EQ(screen->Canvas()->Pixels(4 + 1, 4 + 10), border);
    EXPECT_NE(screen->Canvas()->Pixels(4 + popupBounds.Width() - 2, 4 + 10), border);
    if (const char* out = std::getenv("VISTRA_SCREENSHOT_DIR")) {
        TPngImage png;
        png.Assign(screen.get());
        png.SaveToFile(std::string(out) + "/styled-popup-on-display.png");
    }
}
